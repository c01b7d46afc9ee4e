#!/usr/bin/env python3
"""Draws the evening classes' pictures: the five school icons (48 x 48, a white emblem on a
round badge in the school's colour), the diploma of a finished course (382 x 125, a scroll
with a seal on a wooden board; BMP pictures have no transparency)
and the picture of the cat that ate the fish (64 x 64). Deterministic; needs only the standard
library and the helpers of make_gui_art.py and make_asset_art.py.

    python3 tools/make_class_art.py [gui folder] [assets folder]
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import bmp_bytes, canvas, disc, mix, segment  # noqa: E402
from make_asset_art import box, draw_animal, ring, tile  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
WHITE = (250, 250, 245, 255)
DARK = (30, 30, 36, 255)
S = 48


def badge(colour):
    # BMP has no alpha: the icon is a whole tile, a lighter disc on the school's colour.
    rows = canvas(S, S, tuple(c // 2 for c in colour[:3]) + (255,))
    box(rows, 2, 2, S - 2, S - 2, tuple(c * 3 // 4 for c in colour[:3]) + (255,), 4)
    disc(rows, 24, 24, 20.5, colour)
    return rows


def icon_drama():
    rows = badge((150, 60, 90, 255))
    # A mask: a round face with two eyes and a smile.
    disc(rows, 24, 23, 13, WHITE)
    for x in (19, 29):
        disc(rows, x, 20, 2.5, (150, 60, 90, 255))
    for i in range(7):
        a = math.pi * (0.15 + 0.7 * i / 6)
        disc(rows, 24 + 7 * math.cos(a), 26 + 5 * math.sin(a), 1.4, (150, 60, 90, 255))
    return rows


def icon_medical():
    rows = badge((60, 140, 90, 255))
    box(rows, 20, 11, 28, 37, WHITE, 1.5)
    box(rows, 11, 20, 37, 28, WHITE, 1.5)
    return rows


def icon_law():
    rows = badge((70, 80, 150, 255))
    # Scales: a post, a beam and two pans.
    segment(rows, 24, 12, 24, 36, 1.5, WHITE)
    segment(rows, 12, 16, 36, 16, 1.5, WHITE)
    box(rows, 17, 35, 31, 38, WHITE, 1.0)
    for x in (14, 34):
        segment(rows, x, 16, x - 4, 27, 0.8, WHITE)
        segment(rows, x, 16, x + 4, 27, 0.8, WHITE)
        box(rows, x - 6, 27, x + 6, 30, WHITE, 1.5)
    return rows


def icon_technical():
    rows = badge((180, 120, 40, 255))
    # A cog: a ring with teeth.
    for i in range(8):
        a = i * math.pi / 4
        segment(rows, 24 + 9 * math.cos(a), 24 + 9 * math.sin(a),
                24 + 15 * math.cos(a), 24 + 15 * math.sin(a), 2.6, WHITE)
    ring(rows, 24, 24, 12, 5, WHITE, (0, 0, 0, 0))
    return rows


def icon_adult():
    rows = badge((60, 120, 160, 255))
    # An open book.
    for side in (-1, 1):
        for y in range(15, 34):
            segment(rows, 24, y + 1, 24 + side * 12, y - 2, 0.6, WHITE)
    segment(rows, 24, 15, 24, 35, 0.8, (60, 120, 160, 255))
    return rows


def diploma():
    w, h = 382, 125
    paper = (238, 226, 196, 255)
    edge = (190, 168, 120, 255)
    # BMP has no alpha: a dark wooden board behind the scroll fills the picture.
    rows = canvas(w, h, (70, 48, 30, 255))
    box(rows, 2, 2, w - 2, h - 2, (96, 66, 40, 255), 6)
    box(rows, 24, 10, w - 24, h - 10, edge, 6)
    box(rows, 27, 13, w - 27, h - 13, paper, 5)
    for x in (20, w - 20):
        box(rows, x - 12, 6, x + 12, h - 6, mix(edge, paper, 0.3) + (255,), 10)
        box(rows, x - 4, 6, x + 4, h - 6, edge, 4)
    # Lines of writing and a title bar.
    box(rows, 120, 26, w - 120, 36, (120, 90, 60, 255), 3)
    for i, width in enumerate((220, 180, 200)):
        y = 52 + i * 14
        box(rows, (w - width) / 2, y, (w + width) / 2, y + 4, (150, 130, 100, 255), 2)
    # The seal and its ribbons.
    for dx in (-8, 8):
        segment(rows, w - 80, 92, w - 80 + dx, 118, 4, (170, 40, 50, 255))
    disc(rows, w - 80, 90, 15, (190, 50, 60, 255))
    disc(rows, w - 80, 90, 9, (220, 90, 90, 255))
    return rows


def cat_ate_fish():
    rows = tile(64, (58, 110, 70))
    s = lambda v: v * 64  # noqa: E731
    draw_animal(rows, s, (210, 150, 80, 255))
    # The fish's bones beside the cat.
    segment(rows, 8, 56, 26, 56, 1.0, WHITE)
    for x in (12, 16, 20):
        segment(rows, x, 52, x, 60, 0.7, WHITE)
    disc(rows, 28, 56, 3, WHITE)
    return rows


def main():
    gui = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "bitmaps", "gui")
    assets = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "data", "bitmaps", "assets")
    made = {
        (gui, "icon_drama.bmp"): icon_drama(),
        (gui, "icon_medical.bmp"): icon_medical(),
        (gui, "icon_law.bmp"): icon_law(),
        (gui, "icon_technical.bmp"): icon_technical(),
        (gui, "icon_adult.bmp"): icon_adult(),
        (gui, "diploma.bmp"): diploma(),
        (assets, "ass_cat.bmp"): cat_ate_fish(),
    }
    for (folder, name), rows in made.items():
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, name), "wb") as f:
            f.write(bmp_bytes(rows))
    print(f"wrote {len(made)} pictures")


if __name__ == "__main__":
    main()
