#!/usr/bin/env python3
"""Draws the pictures of the job-offer window and writes them to data/bitmaps/jobs:

- rejected.dds: the red "REJECTED" stamp laid over a rejection letter (256 x 128, with alpha,
  worn at the edges like an ink stamp);
- joboffer_suits.bmp: the picture of an offer letter from an industry without its own
  (165 x 300: a figure in a suit before an office window);
- the offer picture of every industry of data/simulation/industries.csv (its fourth column),
  the same figure in the industry's own colours with its emblem.

Deterministic; needs only the standard library and the helpers of make_gui_art.py.

    python3 tools/make_offer_art.py [output folder]
"""
import csv
import hashlib
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import bmp_bytes, canvas, dds_bytes, disc, over, segment  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")

# A 5 x 7 font for the stamp's word.
GLYPHS = {
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "J": ["00111", "00010", "00010", "00010", "00010", "10010", "01100"],
    "C": ["01111", "10000", "10000", "10000", "10000", "10000", "01111"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
}

INK = (196, 26, 30, 235)


def wear(x, y):
    """0..1 per pixel from a hash: where the stamp's ink did not take."""
    h = hashlib.md5(f"{x // 3},{y // 3}".encode()).digest()
    return h[0] / 255.0


def stamp():
    w, h = 256, 128
    rows = canvas(w, h)
    # Two frames, the outer thicker.
    for inset, thick in ((6, 6), (16, 2)):
        for y in range(h):
            for x in range(w):
                dx = min(x - inset, w - 1 - inset - x)
                dy = min(y - inset, h - 1 - inset - y)
                if min(dx, dy) >= 0 and min(dx, dy) < thick:
                    rows[y][x] = INK
    word = "REJECTED"
    scale = 4
    width = len(word) * 6 * scale - scale
    x0 = (w - width) // 2
    y0 = (h - 7 * scale) // 2
    for i, ch in enumerate(word):
        for gy, line in enumerate(GLYPHS[ch]):
            for gx, bit in enumerate(line):
                if bit != "1":
                    continue
                for py in range(scale):
                    for px in range(scale):
                        rows[y0 + gy * scale + py][x0 + (i * 6 + gx) * scale + px] = INK
    # Worn ink: a share of the stamp stays pale.
    for y in range(h):
        for x in range(w):
            r, g, b, a = rows[y][x]
            if a and wear(x, y) < 0.18:
                rows[y][x] = (r, g, b, a // 3)
    return rows


def fill(rows, x0, y0, x1, y1, colour):
    for y in range(max(0, y0), min(len(rows), y1)):
        for x in range(max(0, x0), min(len(rows[0]), x1)):
            rows[y][x] = over(rows[y][x], colour)


def figure(wall, suit, tie, emblem=None):
    w, h = 165, 300
    rows = canvas(w, h, wall + (255,))
    # The window behind: sky and two frames.
    fill(rows, 20, 20, 145, 130, (150, 190, 226, 255))
    fill(rows, 80, 20, 85, 130, (60, 60, 70, 255))
    fill(rows, 20, 73, 145, 78, (60, 60, 70, 255))
    # Shoulders and body.
    for y in range(170, h):
        spread = min(70, 30 + (y - 170))
        fill(rows, 82 - spread, y, 83 + spread, y + 1, suit + (255,))
    # Shirt and tie.
    for y in range(170, 240):
        half = max(0, 14 - (y - 170) // 5)
        fill(rows, 82 - half, y, 83 + half, y + 1, (240, 240, 236, 255))
    for y in range(174, 250):
        half = 3 if y < 182 else 5
        fill(rows, 82 - half, y, 83 + half, y + 1, tie + (255,))
    # Neck and head.
    fill(rows, 74, 150, 91, 172, (224, 180, 150, 255))
    disc(rows, 82.5, 120.0, 30.0, (226, 184, 152, 255))
    segment(rows, 60, 100, 105, 100, 9, (70, 48, 36, 255))
    disc(rows, 72.0, 120.0, 3.0, (40, 30, 30, 255))
    disc(rows, 93.0, 120.0, 3.0, (40, 30, 30, 255))
    segment(rows, 74, 136, 91, 136, 1.6, (140, 60, 60, 255))
    if emblem:
        disc(rows, 130.0, 262.0, 16.0, emblem + (255,))
        disc(rows, 130.0, 262.0, 9.0, (250, 250, 250, 255))
    return rows


def industry_colours(name):
    h = hashlib.md5(name.encode()).digest()
    suit = (h[0] // 4 + 20, h[1] // 4 + 20, h[2] // 4 + 30)
    tie = (h[3] // 2 + 100, h[4] // 2 + 40, h[5] // 2 + 40)
    wall = (h[6] // 3 + 140, h[7] // 3 + 140, h[8] // 3 + 130)
    emblem = (h[9] // 2 + 90, h[10] // 2 + 90, h[11] // 2 + 90)
    return wall, suit, tie, emblem


def industry_pictures():
    """(picture, industry) of every industry row that names its own offer picture."""
    path = os.path.join(ROOT, "data", "simulation", "industries.csv")
    found = []
    if not os.path.exists(path):
        return found
    with open(path, encoding="cp1252") as f:
        for row in csv.reader(f):
            if len(row) < 4 or not row[0].startswith("#"):
                continue
            name, picture = row[1].strip(), row[3].strip()
            if picture and picture != "joboffer_suits.bmp":
                found.append((picture, name))
    return found


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "bitmaps", "jobs")
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "rejected.dds"), "wb") as f:
        f.write(dds_bytes(stamp()))
    made = 1
    pictures = [("joboffer_suits.bmp", figure((196, 192, 178), (44, 48, 60), (150, 30, 40)))]
    for picture, name in industry_pictures():
        pictures.append((picture, figure(*industry_colours(name))))
    for picture, rows in pictures:
        with open(os.path.join(out, picture), "wb") as f:
            f.write(bmp_bytes(rows))
        made += 1
    print(f"wrote {made} pictures to {out}")


if __name__ == "__main__":
    main()
