#!/usr/bin/env python3
"""Draws the pictures of the venues: the bowling team's invitation and leaving letter, the
bar brawl, the roulette wheel and its stake buttons, the popcorn bucket and the restaurant
meals. Deterministic; needs only the standard library and the helpers of make_gui_art.py.
The pictures go to data/bitmaps/venues.

    python3 tools/make_venue_art.py [output folder]
"""
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import arrow_icon, bmp_bytes, canvas, dds_bytes, disc, segment  # noqa: E402


def fill(rows, x0, y0, x1, y1, colour):
    for y in range(max(0, int(y0)), min(len(rows), int(y1))):
        for x in range(max(0, int(x0)), min(len(rows[0]), int(x1))):
            rows[y][x] = colour


def gradient(w, h, top, bottom):
    rows = canvas(w, h)
    for y in range(h):
        t = y / max(1, h - 1)
        c = tuple(int(top[i] + (bottom[i] - top[i]) * t) for i in range(3)) + (255,)
        for x in range(w):
            rows[y][x] = c
    return rows


def pin(rows, cx, base, height, colour=(245, 245, 240, 255)):
    disc(rows, cx, base - height * 0.25, height * 0.2, colour)
    disc(rows, cx, base - height * 0.7, height * 0.12, colour)
    segment(rows, cx, base - height * 0.7, cx, base - height * 0.25, height * 0.08, colour)
    segment(rows, cx - height * 0.1, base - height * 0.6, cx + height * 0.1, base - height * 0.6,
            1.5, (200, 40, 40, 255))


def bowling_team(leaving):
    w, h = 256, 128
    rows = gradient(w, h, (40, 30, 70), (90, 60, 40))
    # the lane in perspective
    for y in range(60, h):
        t = (y - 60) / (h - 60)
        half = 20 + 90 * t
        for x in range(int(128 - half), int(128 + half)):
            if 0 <= x < w:
                rows[y][x] = (200 - int(30 * t), 160 - int(30 * t), 100, 255)
    if leaving:
        # pins scattered and lying down
        for k, (x, y) in enumerate(((100, 90), (130, 100), (160, 88), (118, 112))):
            segment(rows, x - 10, y, x + 10, y + 4 * (k % 2), 4, (245, 245, 240, 255))
        disc(rows, 200, 40, 18, (60, 60, 70, 255))
    else:
        for row, count in enumerate((4, 3, 2, 1)):
            for k in range(count):
                pin(rows, 128 + (k - (count - 1) / 2) * 14, 62 + row * 6, 26)
        disc(rows, 128, 112, 12, (30, 40, 120, 255))
        for dx, dy in ((-4, -4), (3, -5), (0, 2)):
            disc(rows, 128 + dx, 112 + dy, 1.8, (10, 10, 20, 255))
    return rows


def bar_brawl():
    size = 128
    rng = random.Random(7)
    rows = canvas(size, size)
    # a burst of stars and a fist
    for k in range(14):
        a = 2 * math.pi * k / 14
        r = 50 if k % 2 == 0 else 30
        segment(rows, 64, 64, 64 + r * math.cos(a), 64 + r * math.sin(a), 5, (250, 210, 60, 255))
    disc(rows, 64, 64, 26, (250, 170, 40, 255))
    disc(rows, 64, 66, 16, (230, 180, 140, 255))
    for k in range(4):
        disc(rows, 52 + 8 * k, 54, 5, (220, 165, 125, 255))
    for _ in range(6):
        x, y = rng.uniform(10, 118), rng.uniform(10, 118)
        disc(rows, x, y, rng.uniform(2, 4), (255, 255, 255, 255))
    return rows


def roulette_wheel():
    w, h = 256, 176
    rows = gradient(w, h, (20, 90, 40), (10, 60, 25))
    cx, cy, outer, inner = 128, 88, 80, 30
    disc(rows, cx, cy, outer + 6, (110, 70, 30, 255))
    pockets = 37
    for y in range(h):
        for x in range(w):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if inner < d < outer:
                a = (math.atan2(y + 0.5 - cy, x + 0.5 - cx) + math.pi) / (2 * math.pi)
                k = int(a * pockets) % pockets
                colour = (20, 140, 50) if k == 0 else ((190, 20, 20) if k % 2 else (20, 20, 20))
                if d > outer - 12:
                    colour = tuple(min(255, c + 40) for c in colour)
                rows[y][x] = colour + (255,)
    disc(rows, cx, cy, inner, (180, 140, 60, 255))
    disc(rows, cx, cy, 8, (230, 200, 110, 255))
    for k in range(4):
        a = math.pi / 2 * k + 0.3
        segment(rows, cx, cy, cx + (inner - 4) * math.cos(a), cy + (inner - 4) * math.sin(a), 2.5,
                (230, 200, 110, 255))
    disc(rows, cx + 60, cy - 35, 5, (250, 250, 250, 255))
    return rows


def popcorn():
    w, h = 64, 128
    rng = random.Random(3)
    rows = canvas(w, h)
    for y in range(50, h):
        t = (y - 50) / (h - 50)
        half = 26 - 8 * t
        for x in range(int(32 - half), int(32 + half)):
            stripe = int((x - (32 - half)) / (2 * half) * 6) % 2
            rows[y][x] = (210, 30, 30, 255) if stripe == 0 else (250, 250, 245, 255)
    for _ in range(40):
        disc(rows, rng.uniform(8, 56), rng.uniform(22, 56), rng.uniform(4, 7), (252, 240, 200, 255))
    return rows


def plate(food):
    w, h = 256, 176
    rng = random.Random(len(food) * 31 + sum(map(ord, food)))
    rows = gradient(w, h, (110, 70, 45), (70, 45, 30))
    disc(rows, 128, 88, 78, (240, 240, 235, 255))
    disc(rows, 128, 88, 62, (225, 225, 220, 255))
    if food == "healthy":
        for _ in range(18):
            disc(rows, 128 + rng.uniform(-40, 40), 88 + rng.uniform(-35, 35), rng.uniform(6, 12),
                 rng.choice([(60, 160, 60, 255), (90, 190, 70, 255), (220, 60, 40, 255)]))
    elif food == "indulgent":
        disc(rows, 118, 90, 36, (130, 70, 40, 255))
        for _ in range(20):
            disc(rows, 128 + rng.uniform(-45, 45), 88 + rng.uniform(-40, 40), 5,
                 (235, 190, 60, 255))
    elif food in ("vegpizza", "meatpizza"):
        disc(rows, 128, 88, 58, (215, 160, 80, 255))
        disc(rows, 128, 88, 50, (200, 50, 30, 255))
        topping = (70, 170, 60, 255) if food == "vegpizza" else (150, 40, 40, 255)
        for _ in range(16):
            disc(rows, 128 + rng.uniform(-38, 38), 88 + rng.uniform(-38, 38), 6, topping)
            disc(rows, 128 + rng.uniform(-38, 38), 88 + rng.uniform(-38, 38), 4, (250, 240, 200, 255))
    elif food == "mexican":
        for k in range(3):
            segment(rows, 80 + 45 * k, 60, 95 + 45 * k, 120, 14, (230, 200, 110, 255))
            segment(rows, 80 + 45 * k, 64, 95 + 45 * k, 112, 7, (150, 60, 30, 255))
        for _ in range(12):
            disc(rows, 128 + rng.uniform(-50, 50), 88 + rng.uniform(-40, 40), 4, (250, 230, 90, 255))
    elif food == "chinese":
        for _ in range(26):
            a = rng.uniform(0, 2 * math.pi)
            r = rng.uniform(5, 40)
            segment(rows, 128, 88, 128 + r * math.cos(a), 88 + r * math.sin(a), 2.5,
                    (240, 200, 120, 255))
        for _ in range(10):
            disc(rows, 128 + rng.uniform(-35, 35), 88 + rng.uniform(-35, 35), 7, (190, 90, 30, 255))
        segment(rows, 170, 30, 100, 100, 2.5, (120, 80, 40, 255))
        segment(rows, 180, 36, 110, 104, 2.5, (120, 80, 40, 255))
    return rows


def nightclub():
    # A dark dance floor under coloured spotlights: the night club evening's picture.
    w, h = 320, 240
    rows = gradient(w, h, (10, 5, 25), (30, 10, 40))
    for y in range(150, h):
        for x in range(w):
            tile = ((x // 32) + (y // 18)) % 3
            rows[y][x] = ((120, 30, 140, 255), (30, 90, 160, 255), (160, 120, 30, 255))[tile]
    for k, colour in enumerate(((255, 60, 160, 90), (60, 200, 255, 90), (255, 220, 60, 90))):
        x = 60 + 100 * k
        for step in range(40):
            t = step / 40
            disc(rows, x + (k - 1) * 60 * t, 10 + 200 * t, 6 + 30 * t, colour)
    disc(rows, 160, 24, 14, (220, 220, 230, 255))
    return rows


class _Picture:
    """The shape the room tool's JPEG writer takes."""

    def __init__(self, rows):
        self.w, self.h, self.rows = len(rows[0]), len(rows), rows

    def rgba_rows(self):
        return iter(self.rows)


def pictures():
    return {
        "bowlingteam.bmp": bowling_team(False),
        "bowlingteam_leave.bmp": bowling_team(True),
        "bar_brawl.dds": bar_brawl(),
        "roulette_wheel.bmp": roulette_wheel(),
        "popcorn.dds": popcorn(),
        "raisestake.dds": arrow_icon(True, False),
        "raisestake_h.dds": arrow_icon(True, True),
        "lowerstake.dds": arrow_icon(False, False),
        "lowerstake_h.dds": arrow_icon(False, True),
        "rest_healthy.bmp": plate("healthy"),
        "rest_indulgent.bmp": plate("indulgent"),
        "rest_vegpizza.bmp": plate("vegpizza"),
        "rest_meatpizza.bmp": plate("meatpizza"),
        "rest_indulge_mexican.bmp": plate("mexican"),
        "rest_indulge_chinese.bmp": plate("chinese"),
    }


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "bitmaps", "venues")
    os.makedirs(out, exist_ok=True)
    made = pictures()
    for name, rows in made.items():
        data = bmp_bytes(rows) if name.endswith(".bmp") else dds_bytes(rows)
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    from make_room_art import write_jpeg  # noqa: E402  (needs FreeImage only here)
    write_jpeg(os.path.join(out, "nightclub.jpg"), _Picture(nightclub()))
    print(f"wrote {len(made) + 1} pictures to {out}")


if __name__ == "__main__":
    main()
