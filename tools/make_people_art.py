#!/usr/bin/env python3
"""Draws the pictures of the people windows: the partner's heart, the glow under a contact
icon, the sulking face and the threads over an earning relationship's band. Deterministic;
needs only the standard library and the helpers of make_gui_art.py. The pictures go to
data/bitmaps/gui.

    python3 tools/make_people_art.py [output folder]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import (canvas, clamp, disc, rounded_box_distance, segment,  # noqa: E402
                          write_textures)


def heart(size=64):
    rows = canvas(size, size)
    red = (210, 46, 70, 255)
    disc(rows, 24, 26, 12, red)
    disc(rows, 40, 26, 12, red)
    for y in range(26, 56):
        half = 24 * (1 - (y - 26) / 30)
        segment(rows, 32 - half, y, 32 + half, y, 0.6, red)
    disc(rows, 22, 22, 4, (255, 160, 170, 160), feather=3)
    return rows


def glow(size=64):
    """A soft square halo, strongest just inside the edge of the icon it lies under."""
    rows = canvas(size, size)
    for y in range(size):
        for x in range(size):
            d = rounded_box_distance(x + 0.5, y + 0.5, size, size, 12)
            a = clamp(-d / 10.0) ** 1.2
            rows[y][x] = (255, 226, 120, int(235 * a))
    return rows


def smiley_unhappy(size=32):
    rows = canvas(size, size)
    c = size / 2
    disc(rows, c + 1, c + 1, c - 3, (0, 0, 0, 90), feather=2)
    disc(rows, c, c, c - 3, (236, 200, 60, 255))
    disc(rows, c - 5, c - 3, 2, (40, 30, 20, 255))
    disc(rows, c + 5, c - 3, 2, (40, 30, 20, 255))
    # The frown: a shallow arc that bends down at both ends.
    points = [(c - 7, c + 8), (c - 4, c + 5.5), (c, c + 4.8), (c + 4, c + 5.5), (c + 7, c + 8)]
    for (x1, y1), (x2, y2) in zip(points, points[1:]):
        segment(rows, x1, y1, x2, y2, 1.1, (40, 30, 20, 255))
    return rows


def relationship_lines(width=22, length=100):
    rows = canvas(width, length)
    for x0 in (6.5, 15.5):
        segment(rows, x0, -2, x0, length + 2, 1.0, (240, 200, 90, 255))
    return rows


def main():
    write_textures({
        "heart.dds": heart(),
        "window_highlight.dds": glow(),
        "smiley_unhappy.dds": smiley_unhappy(),
        "relationship_lines.dds": relationship_lines(),
    })


if __name__ == "__main__":
    main()
