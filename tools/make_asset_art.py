#!/usr/bin/env python3
"""Draws the pictures of the possessions and of the ways to work:

- data/bitmaps/assets/<picture> for every row of data/simulation/assets.csv (64 x 64): a tile
  in the colour of the asset's shop tab with a simple drawing of what the asset is; a book
  (shop tab "books") gets a cover of 71 x 100 instead: its own colour, a spine, a title panel
  and a few lines of "title" print;
- data/bitmaps/commute/<picture> for every row of data/simulation/commute.csv (200 x 200).

Pictures are found by their file name alone, so the tables name them without a folder.

Deterministic; needs only the standard library and the helpers of make_gui_art.py.

    python3 tools/make_asset_art.py
"""
import csv
import hashlib
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import bmp_bytes, canvas, clamp, disc, mix, over, rounded_box_distance, segment  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")

TAB_COLOURS = {"general": (52, 84, 120), "music": (106, 58, 112), "pets": (58, 110, 70)}
WHITE = (246, 244, 236, 255)
DARK = (30, 30, 36, 255)


def tint(name):
    """A colour of its own for each name, from a hash."""
    h = hashlib.md5(name.encode()).digest()
    return (90 + h[0] % 150, 90 + h[1] % 150, 90 + h[2] % 150, 255)


def box(rows, x0, y0, x1, y1, colour, radius=2.0):
    w, h = x1 - x0, y1 - y0
    for y in range(max(0, int(y0) - 1), min(len(rows), int(y1) + 2)):
        for x in range(max(0, int(x0) - 1), min(len(rows[0]), int(x1) + 2)):
            d = rounded_box_distance(x + 0.5 - x0, y + 0.5 - y0, w, h, radius)
            a = clamp(0.5 - d)
            if a > 0:
                rows[y][x] = over(rows[y][x], colour[:3] + (int(colour[3] * a),))


def ring(rows, cx, cy, r, width, colour, inner):
    """A band of the given width inside radius r; the hole is filled with inner unless it is
    fully transparent (then what lies below shows through)."""
    if inner[3]:
        disc(rows, cx, cy, r - width, inner)
    for y in range(max(0, int(cy - r - 2)), min(len(rows), int(cy + r + 3))):
        for x in range(max(0, int(cx - r - 2)), min(len(rows[0]), int(cx + r + 3))):
            d = abs(math.hypot(x + 0.5 - cx, y + 0.5 - cy) - (r - width / 2)) - width / 2
            a = clamp(0.5 - d)
            if a > 0:
                rows[y][x] = over(rows[y][x], colour[:3] + (int(colour[3] * a),))


def tile(size, colour):
    rows = canvas(size, size, (0, 0, 0, 255))
    for y in range(size):
        for x in range(size):
            t = y / size
            rows[y][x] = mix(colour, tuple(c // 2 for c in colour), t) + (255,)
    return rows


# Each drawing works on a unit square scaled to the picture: s(v) maps 0..1 to pixels.
def draw_car(rows, s, c):
    box(rows, s(0.12), s(0.45), s(0.88), s(0.68), c, s(0.06))
    box(rows, s(0.28), s(0.3), s(0.7), s(0.5), c, s(0.08))
    box(rows, s(0.33), s(0.34), s(0.48), s(0.46), (200, 230, 250, 255), s(0.02))
    box(rows, s(0.52), s(0.34), s(0.65), s(0.46), (200, 230, 250, 255), s(0.02))
    for x in (0.3, 0.7):
        ring(rows, s(x), s(0.68), s(0.1), s(0.04), DARK, (150, 150, 150, 255))


def draw_bus(rows, s, c):
    box(rows, s(0.08), s(0.25), s(0.92), s(0.72), c, s(0.05))
    for i in range(4):
        x = 0.14 + i * 0.19
        box(rows, s(x), s(0.32), s(x + 0.14), s(0.48), (200, 230, 250, 255), s(0.02))
    for x in (0.25, 0.75):
        ring(rows, s(x), s(0.72), s(0.09), s(0.04), DARK, (150, 150, 150, 255))


def draw_bicycle(rows, s, c):
    for x in (0.27, 0.73):
        ring(rows, s(x), s(0.62), s(0.17), s(0.035), DARK, (0, 0, 0, 0))
    for a, b in (((0.27, 0.62), (0.45, 0.42)), ((0.45, 0.42), (0.68, 0.42)),
                 ((0.68, 0.42), (0.73, 0.62)), ((0.45, 0.42), (0.5, 0.62)),
                 ((0.5, 0.62), (0.27, 0.62)), ((0.68, 0.42), (0.66, 0.3)),
                 ((0.45, 0.42), (0.43, 0.33))):
        segment(rows, s(a[0]), s(a[1]), s(b[0]), s(b[1]), s(0.025), c)


def draw_motorbike(rows, s, c):
    for x in (0.25, 0.75):
        ring(rows, s(x), s(0.66), s(0.14), s(0.06), DARK, (150, 150, 150, 255))
    box(rows, s(0.3), s(0.46), s(0.7), s(0.6), c, s(0.05))
    segment(rows, s(0.7), s(0.5), s(0.75), s(0.3), s(0.03), c)
    box(rows, s(0.33), s(0.4), s(0.55), s(0.47), DARK, s(0.03))


def draw_skateboard(rows, s, c):
    box(rows, s(0.1), s(0.5), s(0.9), s(0.58), c, s(0.04))
    for x in (0.25, 0.75):
        disc(rows, s(x), s(0.65), s(0.06), DARK)


def draw_walk(rows, s, c):
    disc(rows, s(0.5), s(0.2), s(0.08), c)
    for a, b in (((0.5, 0.3), (0.5, 0.58)), ((0.5, 0.58), (0.38, 0.85)), ((0.5, 0.58), (0.64, 0.84)),
                 ((0.5, 0.36), (0.36, 0.5)), ((0.5, 0.36), (0.64, 0.48))):
        segment(rows, s(a[0]), s(a[1]), s(b[0]), s(b[1]), s(0.04), c)


def draw_note(rows, s, c):
    disc(rows, s(0.35), s(0.7), s(0.1), c)
    disc(rows, s(0.68), s(0.62), s(0.1), c)
    segment(rows, s(0.44), s(0.7), s(0.44), s(0.25), s(0.025), c)
    segment(rows, s(0.77), s(0.62), s(0.77), s(0.17), s(0.025), c)
    segment(rows, s(0.44), s(0.25), s(0.77), s(0.17), s(0.05), c)


def draw_strings(rows, s, c):
    disc(rows, s(0.4), s(0.65), s(0.2), c)
    disc(rows, s(0.52), s(0.48), s(0.13), c)
    disc(rows, s(0.4), s(0.65), s(0.06), DARK)
    segment(rows, s(0.5), s(0.52), s(0.82), s(0.16), s(0.035), (120, 80, 40, 255))


def draw_keys(rows, s, c):
    box(rows, s(0.1), s(0.35), s(0.9), s(0.7), c, s(0.03))
    box(rows, s(0.14), s(0.48), s(0.86), s(0.66), WHITE, s(0.01))
    for i in range(7):
        segment(rows, s(0.14 + i * 0.1), s(0.48), s(0.14 + i * 0.1), s(0.66), s(0.008), DARK)
    for i in range(6):
        if i != 2:
            box(rows, s(0.21 + i * 0.1), s(0.48), s(0.27 + i * 0.1), s(0.58), DARK, s(0.005))


def draw_drum(rows, s, c):
    box(rows, s(0.22), s(0.4), s(0.78), s(0.75), c, s(0.04))
    box(rows, s(0.2), s(0.34), s(0.8), s(0.42), WHITE, s(0.04))
    segment(rows, s(0.3), s(0.15), s(0.5), s(0.36), s(0.02), (200, 170, 120, 255))
    segment(rows, s(0.7), s(0.15), s(0.52), s(0.36), s(0.02), (200, 170, 120, 255))


def draw_drum_pads(rows, s, c):
    # An electronic kit: round pads on a rack, a cymbal above and the kick pedal's pad below.
    metal = (150, 150, 156, 255)
    segment(rows, s(0.18), s(0.56), s(0.82), s(0.56), s(0.025), metal)
    segment(rows, s(0.5), s(0.56), s(0.5), s(0.86), s(0.025), metal)
    segment(rows, s(0.32), s(0.86), s(0.68), s(0.86), s(0.025), metal)
    segment(rows, s(0.78), s(0.56), s(0.78), s(0.22), s(0.02), metal)
    box(rows, s(0.62), s(0.18), s(0.94), s(0.24), (220, 190, 90, 255), s(0.03))
    for x, y in ((0.26, 0.5), (0.5, 0.44), (0.74, 0.5)):
        disc(rows, s(x), s(y), s(0.11), DARK)
        disc(rows, s(x), s(y), s(0.08), c)
    box(rows, s(0.42), s(0.7), s(0.58), s(0.82), DARK, s(0.02))


def draw_bass(rows, s, c):
    # A solid body and a long neck: longer and narrower than the acoustic guitar.
    disc(rows, s(0.36), s(0.7), s(0.16), c)
    disc(rows, s(0.46), s(0.56), s(0.11), c)
    box(rows, s(0.3), s(0.66), s(0.46), s(0.72), DARK, s(0.01))
    segment(rows, s(0.48), s(0.56), s(0.86), s(0.12), s(0.035), (120, 80, 40, 255))
    segment(rows, s(0.84), s(0.14), s(0.9), s(0.08), s(0.05), DARK)


def draw_microphone(rows, s, c):
    # A stage microphone on its stand beside a small speaker.
    segment(rows, s(0.36), s(0.36), s(0.36), s(0.84), s(0.025), (150, 150, 156, 255))
    segment(rows, s(0.24), s(0.86), s(0.48), s(0.86), s(0.03), (150, 150, 156, 255))
    segment(rows, s(0.36), s(0.3), s(0.36), s(0.42), s(0.05), DARK)
    disc(rows, s(0.36), s(0.24), s(0.09), (200, 200, 206, 255))
    box(rows, s(0.56), s(0.5), s(0.86), s(0.86), DARK, s(0.03))
    ring(rows, s(0.71), s(0.7), s(0.11), s(0.03), c, DARK)
    disc(rows, s(0.71), s(0.57), s(0.03), c)


def draw_screen(rows, s, c):
    box(rows, s(0.12), s(0.2), s(0.88), s(0.66), DARK, s(0.03))
    box(rows, s(0.16), s(0.24), s(0.84), s(0.62), c, s(0.02))
    segment(rows, s(0.5), s(0.66), s(0.5), s(0.78), s(0.03), DARK)
    segment(rows, s(0.34), s(0.8), s(0.66), s(0.8), s(0.03), DARK)


def draw_laptop(rows, s, c):
    box(rows, s(0.2), s(0.22), s(0.8), s(0.6), DARK, s(0.03))
    box(rows, s(0.24), s(0.26), s(0.76), s(0.56), c, s(0.02))
    box(rows, s(0.1), s(0.6), s(0.9), s(0.7), (190, 190, 196, 255), s(0.03))


def draw_small_device(rows, s, c):
    box(rows, s(0.34), s(0.15), s(0.66), s(0.85), DARK, s(0.06))
    box(rows, s(0.38), s(0.2), s(0.62), s(0.55), c, s(0.02))
    disc(rows, s(0.5), s(0.7), s(0.08), (150, 150, 150, 255))


def draw_animal(rows, s, c):
    disc(rows, s(0.5), s(0.55), s(0.26), c)
    for x in (0.3, 0.7):
        disc(rows, s(x), s(0.3), s(0.1), c)
    for x in (0.41, 0.59):
        disc(rows, s(x), s(0.5), s(0.045), DARK)
    disc(rows, s(0.5), s(0.63), s(0.05), DARK)


def triangle(rows, pts, colour):
    """A filled triangle with a soft edge one pixel wide."""
    (ax, ay), (bx, by), (cx, cy) = pts
    area = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax)
    if area == 0:
        return
    sign = 1 if area > 0 else -1
    edges = [((ax, ay), (bx, by)), ((bx, by), (cx, cy)), ((cx, cy), (ax, ay))]
    xs, ys = (ax, bx, cx), (ay, by, cy)
    for y in range(max(0, int(min(ys)) - 1), min(len(rows), int(max(ys)) + 2)):
        for x in range(max(0, int(min(xs)) - 1), min(len(rows[0]), int(max(xs)) + 2)):
            px, py = x + 0.5, y + 0.5
            inside = min(sign * ((ex - sx) * (py - sy) - (ey - sy) * (px - sx)) /
                         math.hypot(ex - sx, ey - sy) for (sx, sy), (ex, ey) in edges)
            a = clamp(inside + 0.5)
            if a > 0:
                rows[y][x] = over(rows[y][x], colour[:3] + (int(colour[3] * a),))


def darker(c, t=0.35):
    return mix(c[:3], (0, 0, 0), t) + (255,)


def draw_dog(rows, s, c):
    """A dog's face: a long head, ears hanging down its sides, a pale muzzle and a big nose."""
    box(rows, s(0.3), s(0.24), s(0.7), s(0.8), c, s(0.16))
    # Brown ears whatever the coat, so they stand out from the green shop tile.
    for x0, x1 in ((0.17, 0.34), (0.66, 0.83)):
        box(rows, s(x0), s(0.2), s(x1), s(0.62), (112, 76, 48, 255), s(0.08))
    disc(rows, s(0.5), s(0.67), s(0.14), mix(c[:3], (255, 255, 255), 0.55) + (255,))
    for x in (0.41, 0.59):
        disc(rows, s(x), s(0.44), s(0.04), DARK)
    disc(rows, s(0.5), s(0.6), s(0.06), DARK)
    segment(rows, s(0.5), s(0.66), s(0.5), s(0.74), s(0.015), DARK)


def draw_cat(rows, s, c):
    """A cat's face: a wide round head, pointed ears standing up, green eyes and whiskers."""
    for pts in (((0.2, 0.5), (0.24, 0.12), (0.46, 0.34)), ((0.8, 0.5), (0.76, 0.12), (0.54, 0.34))):
        triangle(rows, [(s(x), s(y)) for x, y in pts], c)
    disc(rows, s(0.5), s(0.55), s(0.27), c)
    for x in (0.39, 0.61):
        disc(rows, s(x), s(0.5), s(0.05), (150, 200, 90, 255))
        segment(rows, s(x), s(0.46), s(x), s(0.54), s(0.012), DARK)
    triangle(rows, [(s(0.46), s(0.6)), (s(0.54), s(0.6)), (s(0.5), s(0.65))], (220, 120, 140, 255))
    for sx in (-1, 1):
        for dy in (-0.03, 0.03):
            segment(rows, s(0.5 + sx * 0.1), s(0.66 + dy / 2), s(0.5 + sx * 0.42), s(0.64 + dy * 2),
                    s(0.008), WHITE)


def draw_hamster(rows, s, c):
    """A hamster sitting up: a pear-shaped body, small round ears, puffed cheeks and paws."""
    disc(rows, s(0.5), s(0.66), s(0.26), c)
    disc(rows, s(0.5), s(0.4), s(0.19), c)
    for x in (0.35, 0.65):
        disc(rows, s(x), s(0.24), s(0.06), darker(c))
        disc(rows, s(x), s(0.24), s(0.03), (230, 160, 170, 255))
    pale = mix(c[:3], (255, 255, 255), 0.6) + (255,)
    disc(rows, s(0.5), s(0.7), s(0.15), pale)
    for x in (0.36, 0.64):
        disc(rows, s(x), s(0.48), s(0.08), pale)
    for x in (0.44, 0.56):
        disc(rows, s(x), s(0.38), s(0.03), DARK)
        disc(rows, s(x - 0.02 if x < 0.5 else x + 0.02), s(0.6), s(0.035), darker(c, 0.5))
    disc(rows, s(0.5), s(0.45), s(0.02), (220, 120, 140, 255))


def draw_fish(rows, s, c):
    disc(rows, s(0.45), s(0.5), s(0.2), c)
    segment(rows, s(0.62), s(0.5), s(0.82), s(0.35), s(0.05), c)
    segment(rows, s(0.62), s(0.5), s(0.82), s(0.65), s(0.05), c)
    disc(rows, s(0.36), s(0.45), s(0.04), DARK)


def draw_bird(rows, s, c):
    disc(rows, s(0.5), s(0.58), s(0.2), c)
    disc(rows, s(0.5), s(0.32), s(0.13), c)
    segment(rows, s(0.6), s(0.32), s(0.72), s(0.38), s(0.04), (240, 190, 60, 255))
    disc(rows, s(0.52), s(0.29), s(0.03), DARK)


def draw_bowl(rows, s, c):
    box(rows, s(0.18), s(0.5), s(0.82), s(0.72), c, s(0.12))
    for i in range(5):
        disc(rows, s(0.28 + i * 0.11), s(0.48), s(0.06), (170, 120, 70, 255))


def draw_service(rows, s, c):
    disc(rows, s(0.5), s(0.5), s(0.3), c)
    for a, b in (((0.55, 0.26), (0.42, 0.52)), ((0.42, 0.52), (0.58, 0.5)), ((0.58, 0.5), (0.45, 0.76))):
        segment(rows, s(a[0]), s(a[1]), s(b[0]), s(b[1]), s(0.04), WHITE)


def draw_furniture(rows, s, c):
    box(rows, s(0.15), s(0.45), s(0.85), s(0.7), c, s(0.05))
    box(rows, s(0.15), s(0.3), s(0.85), s(0.48), mix(c[:3], (255, 255, 255), 0.2) + (255,), s(0.05))
    for x in (0.2, 0.8):
        segment(rows, s(x), s(0.7), s(x), s(0.8), s(0.03), DARK)


def draw_box(rows, s, c):
    box(rows, s(0.22), s(0.35), s(0.78), s(0.8), c, s(0.03))
    box(rows, s(0.18), s(0.27), s(0.82), s(0.4), mix(c[:3], (255, 255, 255), 0.25) + (255,), s(0.03))
    segment(rows, s(0.5), s(0.27), s(0.5), s(0.8), s(0.04), (220, 60, 60, 255))


def draw_round(rows, s, c):
    ring(rows, s(0.5), s(0.5), s(0.28), s(0.06), c, WHITE)
    segment(rows, s(0.5), s(0.5), s(0.5), s(0.32), s(0.025), DARK)
    segment(rows, s(0.5), s(0.5), s(0.64), s(0.55), s(0.025), DARK)


DRAWINGS = {
    "cheapcar": draw_car, "expensivecar": draw_car, "car": draw_car, "bus": draw_bus,
    "bicycle": draw_bicycle, "motorbike": draw_motorbike, "skateboard": draw_skateboard,
    "walk": draw_walk, "mp3player": draw_small_device, "mobilephone": draw_small_device,
    "cleaner": draw_service, "alarm": draw_service, "broadband": draw_service,
    "newspaper": draw_service, "petinsurance": draw_service, "gymmembership": draw_service,
    "guitar": draw_strings, "violin": draw_strings, "ukulele": draw_strings,
    "laptop": draw_laptop, "cabletv": draw_screen, "television": draw_screen,
    "gamesconsole": draw_screen, "dog": draw_dog, "cat": draw_cat, "hamster": draw_hamster,
    "fish": draw_fish, "aquarium": draw_fish, "parrot": draw_bird, "birdcage": draw_bird,
    "dogfood": draw_bowl, "catfood": draw_bowl, "fishfood": draw_bowl, "hamsterfood": draw_bowl,
    "parrotfood": draw_bowl, "piano": draw_keys, "keyboard": draw_keys, "drumkit": draw_drum,
    "watch": draw_round, "goldwatch": draw_round, "metronome": draw_round, "camera": draw_round,
    "drums": draw_drum_pads, "bass": draw_bass, "vocals": draw_microphone,
    "sofa": draw_furniture, "armchair": draw_furniture, "bed": draw_furniture,
    "catbasket": draw_furniture, "dogkennel": draw_furniture, "bookshelf": draw_furniture,
}


def picture(name, size, background, kind_colour):
    rows = tile(size, background)
    draw = DRAWINGS.get(name)
    if draw is None:
        # Everything else by its shop tab: music a note, the rest a wrapped box.
        draw = draw_note if background == TAB_COLOURS["music"] else draw_box
    draw(rows, lambda v: v * size, kind_colour)
    return rows


def book_cover(name, width=71, height=100):
    """A cloth-bound cover in the book's own colour, lighter title panel and dark print."""
    c = tint(name)
    rows = canvas(width, height, (0, 0, 0, 255))
    for y in range(height):
        for x in range(width):
            shade = 0.15 if x < 9 else 0.0  # the spine
            edge = 0.25 if x >= width - 3 or y < 2 or y >= height - 2 else 0.0
            rows[y][x] = mix(c[:3], (0, 0, 0), shade + edge + 0.2 * y / height) + (255,)
    for y in range(height):
        rows[y][9] = DARK  # the fold between spine and board
    panel = mix(c[:3], (255, 255, 255), 0.7) + (255,)
    box(rows, 16, 18, width - 8, 48, panel, 2.0)
    h = hashlib.md5(name.encode()).digest()
    # Two lines of title and an author's line below the panel, of lengths from the name.
    for i, (y, lo) in enumerate(((26, 14), (36, 10), (70, 8))):
        length = lo + h[3 + i] % 18
        x0 = 20
        x1 = min(width - 12, x0 + length)
        colour = DARK if i < 2 else panel
        segment(rows, x0, y, x1, y, 1.6, colour)
    return rows


def rows_of(path):
    with open(path, newline="", encoding="cp1252") as f:
        return [r for r in csv.reader(f) if r and r[0] == "#"]


def main():
    made = {}
    for row in rows_of(os.path.join(ROOT, "data", "simulation", "assets.csv")):
        name, tab, pic = row[2].strip(), row[4].strip(), row[6].strip()
        if tab == "books":
            made["assets/" + pic] = book_cover(name)
            continue
        made["assets/" + pic] = picture(name, 64, TAB_COLOURS.get(tab, (70, 70, 70)), tint(name))
    for row in rows_of(os.path.join(ROOT, "data", "simulation", "commute.csv")):
        name, pic = row[1].strip(), row[7].strip()
        made["commute/" + pic] = picture(name, 200, (60, 96, 128), tint(name))
    for path, rows in made.items():
        out = os.path.join(ROOT, "data", "bitmaps", path)
        os.makedirs(os.path.dirname(out), exist_ok=True)
        with open(out, "wb") as f:
            f.write(bmp_bytes(rows))
    print(f"wrote {len(made)} pictures")


if __name__ == "__main__":
    main()
