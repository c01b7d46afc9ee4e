#!/usr/bin/env python3
"""Draws the sprites of the main screen's status panels and writes them to data/bitmaps/gui:
the money panel's coins, the social-standing panel's rosette and the pointer under today's
cell of the week calendar. Deterministic; needs only the standard library and the helpers of
make_gui_art.py.

    python3 tools/make_panel_art.py [output folder]
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import write_textures, canvas, clamp, disc, mix, over  # noqa: E402

GOLD_DARK = (120, 84, 20)
GOLD = (222, 176, 58)
GOLD_LIGHT = (252, 226, 130)
OUTLINE = (40, 28, 10)
BLUE_DARK = (26, 50, 110)
BLUE = (54, 98, 190)
RIBBON = (170, 40, 52)
RIBBON_DARK = (110, 22, 32)


def ellipse(rows, cx, cy, rx, ry, colour, feather=1.0):
    """A filled ellipse, edges softened over `feather` pixels."""
    h, w = len(rows), len(rows[0])
    for y in range(max(0, int(cy - ry - 2)), min(h, int(cy + ry + 3))):
        for x in range(max(0, int(cx - rx - 2)), min(w, int(cx + rx + 3))):
            px, py = (x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry
            d = (math.hypot(px, py) - 1.0) * min(rx, ry)
            a = clamp(0.5 - d / feather)
            if a > 0:
                rows[y][x] = over(rows[y][x], colour[:3] + (int(colour[3] * a),))


def coin(rows, cx, cy, rx=17.0, ry=7.0, thickness=5.0):
    """A coin seen from slightly above: dark rim, then the face with a light highlight."""
    ellipse(rows, cx, cy + thickness, rx + 1.5, ry + 1.5, OUTLINE + (255,))
    for i in range(int(thickness), 0, -1):
        ellipse(rows, cx, cy + i, rx, ry, GOLD_DARK + (255,))
    ellipse(rows, cx, cy, rx + 1.5, ry + 1.5, OUTLINE + (255,))
    ellipse(rows, cx, cy, rx, ry, GOLD + (255,))
    ellipse(rows, cx - 3, cy - 1.5, rx * 0.55, ry * 0.45, GOLD_LIGHT + (200,), feather=3.0)


def coins():
    """A stack of four coins with one more leaning beside it."""
    rows = canvas(64, 64)
    disc(rows, 33, 52, 22, (0, 0, 0, 70), feather=8)  # contact shadow
    for i in range(4):
        coin(rows, 27, 48 - i * 8)
    # The loose coin, upright: a face-on disc with a raised pound-like bar.
    disc(rows, 48, 38, 13.5, OUTLINE + (255,))
    disc(rows, 48, 38, 12, GOLD + (255,))
    disc(rows, 45.5, 35, 6, GOLD_LIGHT + (170,), feather=5)
    disc(rows, 48, 38, 8.5, GOLD_DARK + (120,), feather=1.5)
    disc(rows, 48, 38, 7, GOLD + (255,), feather=1.0)
    return rows


def star_distance(x, y, cx, cy, points, outer, inner):
    """Positive outside a star polygon, negative inside (approximated by its radius at the angle)."""
    ang = math.atan2(y - cy, x - cx) + math.pi / 2
    sector = 2 * math.pi / points
    t = (ang % sector) / sector  # 0 at a tip, 0.5 between tips
    r = outer + (inner - outer) * (1 - abs(1 - 2 * t))
    return math.hypot(x - cx, y - cy) - r


def rosette():
    """The standing score's badge: two ribbon tails under a gold star on a blue rosette."""
    rows = canvas(64, 64)
    for side in (-1, 1):
        for y in range(34, 62):
            for x in range(64):
                # A tail: a slanted strip with a notched end.
                centre = 32 + side * (6 + (y - 34) * 0.45)
                d = abs(x + 0.5 - centre) - 5.5
                notch = y > 56 and abs(x + 0.5 - centre) < (y - 56) * 0.9
                if d < 0.5 and not notch:
                    col = RIBBON if d < -1.5 else RIBBON_DARK
                    rows[y][x] = over(rows[y][x], col + (int(255 * clamp(0.5 - d)),))
    disc(rows, 32, 28, 24, OUTLINE + (255,))
    for i in range(16):  # the rosette's pleats
        a = i * math.pi / 8
        disc(rows, 32 + 17 * math.cos(a), 28 + 17 * math.sin(a), 6.5,
             (BLUE if i % 2 else BLUE_DARK) + (255,))
    disc(rows, 32, 28, 15, OUTLINE + (255,))
    disc(rows, 32, 28, 13.5, mix(BLUE_DARK, (0, 0, 0), 0.3) + (255,))
    for y in range(64):
        for x in range(64):
            d = star_distance(x + 0.5, y + 0.5, 32, 28, 5, 12.5, 5.2)
            if d < 0.5:
                t = clamp((y - 16) / 24.0)
                col = mix(GOLD_LIGHT, GOLD, t) if d < -1.2 else GOLD_DARK
                rows[y][x] = over(rows[y][x], col + (int(255 * clamp(0.5 - d)),))
    return rows


def pointer():
    """An upward triangle, gold with a dark edge, pointing at today's cell above it."""
    w, h = 48, 16
    rows = canvas(w, h)
    for y in range(h):
        for x in range(w):
            px, py = x + 0.5, y + 0.5
            # The distance inside the triangle (apex at the top middle, base along the bottom).
            half = (py - 1.0) / (h - 2.0) * (w / 2 - 2)
            d = max(abs(px - w / 2) - half, py - (h - 1.0), 1.0 - py)
            if d < 0.5:
                col = GOLD_LIGHT if d < -2.5 else GOLD if d < -1.2 else OUTLINE
                rows[y][x] = col + (int(255 * clamp(0.5 - d)),)
    return rows


def textures():
    return {
        "coins.dds": coins(),
        "tovel.dds": rosette(),
        "calendar_pointer.dds": pointer(),
    }


def main():
    write_textures(textures())


if __name__ == "__main__":
    main()
