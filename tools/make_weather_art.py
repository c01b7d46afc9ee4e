#!/usr/bin/env python3
"""Draws the pictures of the main scene's small animations: the snowdrop blot a landing flake
leaves, the night club's disco light, the two faint fish that glide across the screen while
the player keeps fish, and the fly's 2 x 2 sheet of wing beats. Deterministic; needs only the
standard library and the helpers of make_gui_art.py. The pictures go to data/bitmaps/gui.

    python3 tools/make_weather_art.py [output folder]
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import canvas, clamp, disc, mix, over, segment, smooth, write_textures  # noqa: E402


def snowdrop(size=32):
    """A soft round blot of settled snow: white, densest in the middle, a faint blue rim."""
    rows = canvas(size, size)
    c = size / 2
    for y in range(size):
        for x in range(size):
            d = math.hypot(x + 0.5 - c, y + 0.5 - c) / (c - 1)
            if d >= 1:
                continue
            a = smooth(1.0, 0.55, d)
            tone = mix((255, 255, 255), (214, 228, 246), smooth(0.3, 1.0, d))
            rows[y][x] = tone + (int(235 * a),)
    return rows


def discolight(size=128):
    """A pool of coloured light: a warm white core in rings of magenta, violet and cyan that
    fade out. Kept translucent, so what lies under a light still shows through it."""
    rows = canvas(size, size)
    c = size / 2
    stops = [(0.0, (255, 250, 235)), (0.2, (255, 90, 200)), (0.45, (160, 60, 255)),
             (0.7, (40, 200, 255)), (1.0, (40, 110, 255))]
    for y in range(size):
        for x in range(size):
            d = math.hypot(x + 0.5 - c, y + 0.5 - c) / c
            if d >= 1:
                continue
            for (d0, c0), (d1, c1) in zip(stops, stops[1:]):
                if d <= d1:
                    colour = mix(c0, c1, (d - d0) / (d1 - d0))
                    break
            a = (1 - d) ** 1.3
            rows[y][x] = colour + (int(170 * a),)
    return rows


def fish(size, body, fin, stripes):
    """A fish facing right, seen from the side: an oval body, a forked tail on the left, a fin
    on top and an eye. Drawn light, since the game shows it white at a quarter alpha."""
    rows = canvas(size, size)
    cy = size / 2
    head, tail = size * 0.86, size * 0.30
    half = size * 0.17
    for y in range(size):
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            t = (px - tail) / (head - tail)
            if 0 <= t <= 1:
                # Fuller towards the head, pointed at the tail.
                h = half * math.sin(math.pi * (0.15 + 0.85 * t)) ** 0.8
                if abs(py - cy) <= h:
                    edge = clamp((h - abs(py - cy)) / 2.0)
                    shade = mix(body, (255, 255, 255), 0.35 * (1 - (py - cy + h) / (2 * h + 1e-6)))
                    for sx in stripes:
                        if abs(t - sx) < 0.035:
                            shade = mix(shade, fin, 0.6)
                    rows[y][x] = over(rows[y][x], shade + (int(255 * edge),))
    # The tail: two lobes spreading from the narrow end.
    for side in (-1, 1):
        for i in range(12):
            s = i / 11
            segment(rows, tail + 2, cy, tail - size * 0.2, cy + side * size * (0.06 + 0.14 * s),
                    1.2, fin + (230,))
    # The top fin and the eye.
    for i in range(8):
        s = i / 7
        segment(rows, size * (0.48 + 0.2 * s), cy - half * 0.9, size * (0.5 + 0.12 * s),
                cy - half * 1.6, 1.0, fin + (220,))
    disc(rows, head - size * 0.09, cy - half * 0.25, size * 0.03, (30, 30, 40, 255))
    return rows


def fly_cell(rows, ox, oy, cell, beat):
    """One wing beat of a fly seen from above, facing up: a dark body, two eyes and two glassy
    wings whose spread follows the beat."""
    c = cell / 2
    # The wings sweep back from the thorax; the beat opens them from 25 to 80 degrees.
    spread = math.radians((25, 50, 80, 55)[beat])
    for side in (-1, 1):
        bx, by = ox + c, oy + c
        ex = bx + side * math.sin(spread) * cell * 0.36
        ey = by + math.cos(spread) * cell * 0.36
        segment(rows, bx, by, ex, ey, cell * 0.11, (214, 228, 240, 130))
        segment(rows, bx, by, ex, ey, cell * 0.05, (240, 246, 252, 120))
    disc(rows, ox + c, oy + c + cell * 0.12, cell * 0.16, (36, 34, 30, 255))  # abdomen
    disc(rows, ox + c, oy + c - cell * 0.06, cell * 0.12, (46, 42, 36, 255))  # thorax
    for side in (-1, 1):
        disc(rows, ox + c + side * cell * 0.08, oy + c - cell * 0.2, cell * 0.07, (150, 30, 24, 255))


def fly_sheet(size=64):
    rows = canvas(size, size)
    cell = size // 2
    for beat in range(4):
        fly_cell(rows, (beat % 2) * cell, (beat // 2) * cell, cell, beat)
    return rows


def main():
    write_textures({
        "snowdrop.dds": snowdrop(),
        "discolight.dds": discolight(),
        "fish1.dds": fish(128, (250, 190, 120), (255, 150, 70), (0.55, 0.7)),
        "fish2.dds": fish(128, (170, 220, 250), (120, 170, 255), (0.45,)),
        "fly.dds": fly_sheet(),
    })


if __name__ == "__main__":
    main()
