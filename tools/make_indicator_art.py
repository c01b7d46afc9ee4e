#!/usr/bin/env python3
"""Draws the minus and plus signs at the two ends of the value bars (minus.dds, plus.dds) and
writes them to data/bitmaps/gui. The signs are white with a dark edge, so the game's grey
tint shows them light on any window; they are drawn at 8 px from a 32-px sheet. Deterministic;
needs only the standard library and the helpers of make_gui_art.py.

    python3 tools/make_indicator_art.py [output folder]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import write_textures, canvas, segment  # noqa: E402

SIZE = 32
EDGE = (20, 20, 24, 200)
WHITE = (255, 255, 255, 255)


def sign(plus):
    rows = canvas(SIZE, SIZE)
    c = SIZE / 2
    arm = SIZE * 0.36
    # A dark outline first, then the white strokes over it.
    for colour, r in ((EDGE, 4.6), (WHITE, 3.0)):
        segment(rows, c - arm, c, c + arm, c, r, colour)
        if plus:
            segment(rows, c, c - arm, c, c + arm, r, colour)
    return rows


def main():
    write_textures({"minus.dds": sign(False), "plus.dds": sign(True)})


if __name__ == "__main__":
    main()
