#!/usr/bin/env python3
"""Draws the hover highlight of the post-it notes: a warm glow the game draws 8 px larger than
the note, under it, so a ring of it shows round the note the mouse is on. The note itself
(postit.dds) comes from make_gui_art.py. Deterministic; needs only the standard library and
the helpers of make_gui_art.py.

    python3 tools/make_postit_art.py [output folder]   # default data/bitmaps/gui
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import write_textures, canvas, clamp, mix, rounded_box_distance, smooth  # noqa: E402

SIZE = 128
# Bright enough to stand out on the dark room and the green panels, and unlike the note's
# own yellow, so the ring reads as a highlight rather than a bigger note.
EDGE = (255, 136, 24)
CORE = (255, 214, 120)


def postit_highlight():
    rows = canvas(SIZE, SIZE)
    for y in range(SIZE):
        for x in range(SIZE):
            d = rounded_box_distance(x + 0.5, y + 0.5, SIZE, SIZE, 12)
            if d > 0:
                continue
            # Only a thin ring shows round the note, so it is nearly opaque up to its last
            # two pixels, which soften the edge; brighter inwards.
            alpha = smooth(0.3, -2.0, d)
            colour = mix(EDGE, CORE, clamp(-d / 10.0))
            rows[y][x] = colour + (int(round(255 * alpha)),)
    return rows


def main():
    write_textures({"postit_highlight.dds": postit_highlight()})


if __name__ == "__main__":
    main()
