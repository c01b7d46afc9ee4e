#!/usr/bin/env python3
"""Draws the art of social evenings: the empty guest place of the chooser (a grey head and
shoulders), the report's two link icons (two joined rings for a friend, two rings joined
through a third for a friend of a friend) and the fortune cookie. Deterministic; needs only
the standard library and the helpers of make_gui_art.py. The pictures go to
data/bitmaps/gui.

    python3 tools/make_social_art.py [data/bitmaps folder]
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import canvas, dds_bytes, disc, segment  # noqa: E402


def blank_person(size=64):
    rows = canvas(size, size)
    grey = (150, 150, 155, 255)
    disc(rows, size / 2, size * 0.92, size * 0.42, grey)
    disc(rows, size / 2, size * 0.36, size * 0.2, grey)
    return rows


def ring(rows, cx, cy, r, width, colour):
    steps = 96
    for i in range(steps):
        a0 = 2 * math.pi * i / steps
        a1 = 2 * math.pi * (i + 1) / steps
        segment(rows, cx + r * math.cos(a0), cy + r * math.sin(a0),
                cx + r * math.cos(a1), cy + r * math.sin(a1), width, colour)


def link(direct, size=64):
    rows = canvas(size, size)
    if direct:
        colour = (90, 200, 110, 255)
        ring(rows, size * 0.36, size / 2, size * 0.2, 3, colour)
        ring(rows, size * 0.64, size / 2, size * 0.2, 3, colour)
    else:
        colour = (230, 180, 70, 255)
        ring(rows, size * 0.2, size / 2, size * 0.14, 2.5, colour)
        ring(rows, size * 0.5, size / 2, size * 0.14, 2.5, colour)
        ring(rows, size * 0.8, size / 2, size * 0.14, 2.5, colour)
    return rows


def fortune(size=64):
    rows = canvas(size, size)
    shell = (222, 170, 90, 255)
    edge = (180, 120, 50, 255)
    # a folded cookie: two lobes and the crease between them
    disc(rows, size * 0.36, size * 0.55, size * 0.24, edge)
    disc(rows, size * 0.64, size * 0.55, size * 0.24, edge)
    disc(rows, size * 0.36, size * 0.53, size * 0.21, shell)
    disc(rows, size * 0.64, size * 0.53, size * 0.21, shell)
    segment(rows, size * 0.5, size * 0.35, size * 0.5, size * 0.75, 2, edge)
    # the slip of paper poking out
    segment(rows, size * 0.52, size * 0.45, size * 0.9, size * 0.3, 3, (250, 250, 245, 255))
    return rows


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join("data", "bitmaps")
    gui = os.path.join(root, "gui")
    os.makedirs(gui, exist_ok=True)
    made = {
        "blank_person.dds": blank_person(),
        "link_direct.dds": link(True),
        "link_indirect.dds": link(False),
        "fortune.dds": fortune(),
    }
    for name, rows in made.items():
        with open(os.path.join(gui, name), "wb") as f:
            f.write(dds_bytes(rows))
    print(f"wrote {len(made)} textures under {gui}")


if __name__ == "__main__":
    main()
