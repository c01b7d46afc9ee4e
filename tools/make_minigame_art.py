#!/usr/bin/env python3
"""Draws the mini-games' pictures into data/bitmaps/minigames:

- gems.dds: 256 x 256, a 4 x 4 sheet of 64-px cells; cells 0..5 are the six gems (each its own
  colour and shape, so they differ without colour too), cell 6 the selection cursor, the rest
  empty;
- match3_background.bmp: the board's backdrop, a dark well with the 6 x 6 cells marked.

Deterministic; needs only the standard library (and the helpers of make_gui_art.py).

    python3 tools/make_minigame_art.py [output folder]
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import bmp_bytes, canvas, clamp, dds_bytes, mix, over  # noqa: E402

CELL = 64

# (colour, shape) of gems 0..5.
GEMS = [
    ((214, 48, 52), "circle"),
    ((44, 112, 222), "diamond"),
    ((46, 170, 72), "square"),
    ((236, 196, 40), "triangle"),
    ((150, 70, 200), "hexagon"),
    ((240, 128, 36), "octagon"),
]


def polygon(sides, radius, turn):
    return [(radius * math.cos(turn + 2 * math.pi * k / sides),
             radius * math.sin(turn + 2 * math.pi * k / sides)) for k in range(sides)]


def convex_distance(points, x, y):
    """Signed distance (near enough for edges) from (x, y) to a convex polygon around 0, 0:
    negative inside."""
    d = -1e9
    n = len(points)
    for i in range(n):
        x1, y1 = points[i]
        x2, y2 = points[(i + 1) % n]
        ex, ey = x2 - x1, y2 - y1
        length = math.hypot(ex, ey)
        # Outward normal of a counter-clockwise edge in screen space.
        nx, ny = ey / length, -ex / length
        d = max(d, (x - x1) * nx + (y - y1) * ny)
    return d


def shape_distance(shape, x, y):
    r = 25.0
    if shape == "circle":
        return math.hypot(x, y) - r
    if shape == "diamond":
        return convex_distance(polygon(4, r + 3, 0.0), x, y)
    if shape == "square":
        q = max(abs(x), abs(y)) - (r - 3)
        return q
    if shape == "triangle":
        return convex_distance(polygon(3, r + 4, -math.pi / 2), x, y - 3)
    if shape == "hexagon":
        return convex_distance(polygon(6, r + 1, 0.0), x, y)
    return convex_distance(polygon(8, r + 1, math.pi / 8), x, y)


def gem(rows, ox, oy, colour, shape):
    c = CELL / 2
    light = mix(colour, (255, 255, 255), 0.55)
    dark = mix(colour, (0, 0, 0), 0.45)
    rim = mix(colour, (0, 0, 0), 0.65)
    for y in range(CELL):
        for x in range(CELL):
            px, py = x + 0.5 - c, y + 0.5 - c
            # A soft shadow below and to the right.
            ds = shape_distance(shape, px - 2, py - 3)
            sa = clamp(0.5 - ds / 3.0) * 0.45
            if sa > 0:
                rows[oy + y][ox + x] = over(rows[oy + y][ox + x], (0, 0, 0, int(255 * sa)))
            d = shape_distance(shape, px, py)
            a = clamp(0.5 - d)
            if a <= 0:
                continue
            # Lit from the top left; the rim darkens the outer two pixels.
            t = clamp(0.5 + (px + py) / 60.0)
            body = mix(light, dark, t)
            body = mix(body, rim, clamp((d + 3.0) / 3.0))
            rows[oy + y][ox + x] = over(rows[oy + y][ox + x], body + (int(255 * a),))
            # A bright glint.
            g = math.hypot(px + 8, py + 9)
            ga = clamp(1.0 - g / 7.0) * 0.85
            if ga > 0 and d < -2:
                rows[oy + y][ox + x] = over(rows[oy + y][ox + x], (255, 255, 255, int(255 * ga)))


def cursor(rows, ox, oy):
    """A glowing rounded ring, drawn one cell square under the picked gem."""
    c = CELL / 2
    for y in range(CELL):
        for x in range(CELL):
            px, py = abs(x + 0.5 - c), abs(y + 0.5 - c)
            qx, qy = px - 22, py - 22
            d = math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - 6
            ring = abs(d) - 2.2
            a = clamp(0.5 - ring)
            glow = clamp(1 - abs(d) / 7.0) * 0.35
            if glow > 0:
                rows[oy + y][ox + x] = over(rows[oy + y][ox + x], (255, 240, 150, int(255 * glow)))
            if a > 0:
                rows[oy + y][ox + x] = over(rows[oy + y][ox + x], (255, 250, 220, int(255 * a)))


def gem_sheet():
    rows = canvas(CELL * 4, CELL * 4)
    for i, (colour, shape) in enumerate(GEMS):
        gem(rows, (i % 4) * CELL, (i // 4) * CELL, colour, shape)
    cursor(rows, (6 % 4) * CELL, (6 // 4) * CELL)
    return rows


def match3_background(w=316, h=300):
    """A deep blue well; the board's 48-px cells sit at its right, 28 px in from the left, and
    the strip on the left holds the time bar."""
    rows = canvas(w, h, (0, 0, 0, 255))
    top = (h - 288) // 2
    for y in range(h):
        for x in range(w):
            t = y / (h - 1)
            base = mix((22, 30, 58), (10, 14, 30), t)
            cx, cy = x - 28, y - top
            if 0 <= cx < 288 and 0 <= cy < 288:
                col, row = cx // 48, cy // 48
                inner = min(cx % 48, cy % 48, 47 - cx % 48, 47 - cy % 48)
                shade = (36, 48, 88) if (col + row) % 2 == 0 else (30, 40, 76)
                base = mix(shade, (14, 18, 36), 1.0 if inner < 1 else 0.0)
            elif 6 <= x < 22 and top + 20 <= y < top + 264:
                base = (8, 10, 20)
            rows[y][x] = base + (255,)
    return rows


def textures():
    return {
        "gems.dds": gem_sheet(),
        "match3_background.bmp": match3_background(),
    }


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "bitmaps", "minigames")
    os.makedirs(out, exist_ok=True)
    made = textures()
    for name, rows in made.items():
        data = bmp_bytes(rows) if name.endswith(".bmp") else dds_bytes(rows)
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    print(f"wrote {len(made)} textures to {out}")


if __name__ == "__main__":
    main()
