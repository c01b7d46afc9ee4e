#!/usr/bin/env python3
"""Draws the mini-games' pictures into data/bitmaps/minigames:

- gems.dds: 256 x 256, a 4 x 4 sheet of 64-px cells; cells 0..5 are the six gems (each its own
  colour and shape, so they differ without colour too), cell 6 the selection cursor, the rest
  empty;
- match3_background.bmp: the board's backdrop, a dark well with the 6 x 6 cells marked;
- the shooter's pictures: videogame_ship.dds and videogame_alien.dds (64 x 64),
  videogame_bullet.dds (32 x 32, a glowing bolt drawn both as a shot and as a bomb),
  explosion.dds (256 x 256, 16 frames of 64 px read row by row) and videogame_backdrop.bmp
  (360 x 435, a starfield the size of the play field).

Deterministic; needs only the standard library (and the helpers of make_gui_art.py).

    python3 tools/make_minigame_art.py [output folder]
"""
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import bmp_bytes, canvas, clamp, dds_bytes, disc, mix, over, segment  # noqa: E402

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
    the slot on the left lies under the time bar (board left - 18 to board left + 2)."""
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
            elif 8 <= x < 30 and top + 22 <= y < top + 261:
                base = (8, 10, 20)
            rows[y][x] = base + (255,)
    return rows


def ship():
    """A small fighter seen from behind, nose up: a silver hull, swept wings, a blue canopy and
    an orange engine glow."""
    rows = canvas(64, 64)
    hull = [(32, 6), (40, 30), (38, 50), (26, 50), (24, 30)]
    wings = [(32, 24), (58, 46), (56, 52), (8, 52), (6, 46)]

    def inside(points, x, y):
        # Even-odd rule over the polygon's edges.
        hit = False
        for i in range(len(points)):
            x1, y1 = points[i]
            x2, y2 = points[(i + 1) % len(points)]
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                hit = not hit
        return hit

    for y in range(64):
        for x in range(64):
            cover = 0
            for sy in (0.25, 0.75):
                for sx in (0.25, 0.75):
                    if inside(wings, x + sx, y + sy):
                        cover += 1
            if cover:
                shade = mix((150, 160, 176), (70, 80, 96), y / 63)
                rows[y][x] = over(rows[y][x], shade + (int(255 * cover / 4),))
            cover = 0
            for sy in (0.25, 0.75):
                for sx in (0.25, 0.75):
                    if inside(hull, x + sx, y + sy):
                        cover += 1
            if cover:
                shade = mix((230, 234, 240), (120, 128, 140), abs(x + 0.5 - 32) / 8)
                rows[y][x] = over(rows[y][x], shade + (int(255 * cover / 4),))
    disc(rows, 32, 26, 4.5, (80, 170, 255, 255))
    disc(rows, 31, 24.5, 1.6, (230, 245, 255, 220))
    for cx in (28, 36):
        disc(rows, cx, 54, 3.5, (255, 150, 40, 230), feather=2.0)
        disc(rows, cx, 54, 1.8, (255, 240, 180, 255))
    return rows


def alien():
    """A green, big-eyed saucer creature with three legs."""
    rows = canvas(64, 64)
    for y in range(64):
        for x in range(64):
            px, py = x + 0.5 - 32, y + 0.5 - 28
            d = math.hypot(px / 26, py / 16) - 1
            a = clamp(0.5 - d * 14)
            if a > 0:
                shade = mix((150, 230, 110), (40, 120, 40), clamp((py + 16) / 32))
                rows[y][x] = over(rows[y][x], shade + (int(255 * a),))
    for lx in (-14, 0, 14):
        segment(rows, 32 + lx, 40, 32 + lx * 1.3, 54, 2.2, (60, 140, 50, 255))
    for ex in (-9, 9):
        disc(rows, 32 + ex, 26, 6, (255, 255, 255, 255))
        disc(rows, 32 + ex + 1, 27, 3, (20, 20, 30, 255))
    segment(rows, 26, 36, 38, 36, 1.0, (30, 70, 30, 255))
    return rows


def bullet():
    """A glowing bolt: a hot white core in a yellow-orange halo, longer than wide."""
    rows = canvas(32, 32)
    for y in range(32):
        for x in range(32):
            px, py = (x + 0.5 - 16) / 6, (y + 0.5 - 16) / 13
            r = math.hypot(px, py)
            halo = clamp(1 - r) ** 1.5
            core = clamp(1 - r * 2.2)
            if halo > 0:
                colour = mix((255, 150, 30), (255, 255, 230), core)
                rows[y][x] = colour + (int(255 * clamp(halo + core)),)
    return rows


def explosion():
    """Sixteen frames of a blast: a white flash that swells into an orange fireball, then
    breaks into dark smoke and fades."""
    rng = random.Random(7)
    sparks = [(rng.uniform(0, 2 * math.pi), rng.uniform(0.5, 1.0)) for _ in range(14)]
    rows = canvas(256, 256)
    for f in range(16):
        t = f / 15
        ox, oy = (f % 4) * 64, (f // 4) * 64
        radius = 6 + 22 * math.sqrt(t)
        fade = clamp(1.2 - t)
        for y in range(64):
            for x in range(64):
                px, py = x + 0.5 - 32, y + 0.5 - 32
                r = math.hypot(px, py)
                wobble = 1 + 0.12 * math.sin(7 * math.atan2(py, px) + f)
                d = r / (radius * wobble)
                if d >= 1.1:
                    continue
                edge = clamp((1.1 - d) * 5)
                heat = clamp(1 - d) * (1 - t)
                colour = mix((70, 60, 56), (255, 140, 30), clamp(heat * 2.2))
                colour = mix(colour, (255, 250, 210), clamp(heat * 3 - 1.5))
                rows[oy + y][ox + x] = colour + (int(255 * edge * fade),)
        for angle, speed in sparks:
            dist = radius * 1.2 * speed
            sx, sy = 32 + math.cos(angle) * dist, 32 + math.sin(angle) * dist
            if 2 < sx < 62 and 2 < sy < 62 and t < 0.8:
                disc_in(rows, ox, oy, sx, sy, 1.4, (255, 220, 120, int(255 * (1 - t))))
    return rows


def disc_in(rows, ox, oy, cx, cy, r, colour):
    for y in range(int(cy - r - 2), int(cy + r + 3)):
        for x in range(int(cx - r - 2), int(cx + r + 3)):
            if 0 <= x < 64 and 0 <= y < 64:
                a = clamp(0.5 - (math.hypot(x + 0.5 - cx, y + 0.5 - cy) - r))
                if a > 0:
                    rows[oy + y][ox + x] = over(rows[oy + y][ox + x],
                                                colour[:3] + (int(colour[3] * a),))


def shooter_backdrop(w=360, h=435):
    """Deep space: a dark blue gradient with a faint nebula and stars of three sizes."""
    rng = random.Random(11)
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            base = mix((6, 8, 24), (18, 10, 36), y / (h - 1))
            n = math.sin(x * 0.021 + 1.3) * math.sin(y * 0.017 + 0.4) + math.sin((x + y) * 0.011)
            base = mix(base, (60, 30, 90), clamp(n * 0.25))
            row.append(base + (255,))
        rows.append(row)
    for _ in range(220):
        x, y = rng.randrange(w), rng.randrange(h)
        b = rng.choice((120, 170, 230))
        rows[y][x] = (b, b, min(255, b + 20), 255)
    for _ in range(18):
        disc(rows, rng.uniform(4, w - 4), rng.uniform(4, h - 4), rng.uniform(0.8, 1.5),
             (240, 240, 255, 255))
    return rows


def textures():
    return {
        "gems.dds": gem_sheet(),
        "match3_background.bmp": match3_background(),
        "videogame_ship.dds": ship(),
        "videogame_alien.dds": alien(),
        "videogame_bullet.dds": bullet(),
        "explosion.dds": explosion(),
        "videogame_backdrop.bmp": shooter_backdrop(),
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
