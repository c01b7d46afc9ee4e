#!/usr/bin/env python3
"""Draws the career windows' pictures: one 32 x 32 icon "jobs_<industry>.bmp" for every
industry of data/simulation/industries.csv (the job search lists industries with them), and
the small tick and cross the job page puts beside each requirement. Deterministic; needs
only the standard library and the helpers of make_gui_art.py.

An industry gets a pictogram drawn for its name when it has one here, otherwise a briefcase
in a colour taken from its name, so a new row in the table never lacks its picture.

    python3 tools/make_career_art.py [industries table] [output folder]
"""
import math
import os
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import bmp_bytes, canvas, clamp, dds_bytes, disc, mix, over, rounded_box_distance, segment  # noqa: E402,E501

HERE = os.path.dirname(os.path.abspath(__file__))
INK = (250, 246, 232, 255)
SHADE = (20, 24, 30, 255)
SIZE = 32


def read_industries(path):
    """The industry names, in table order: a record is a line whose first field is '#'."""
    names = []
    with open(path, "rb") as f:
        for raw in f.read().decode("cp1252").splitlines():
            fields = [x.strip().strip('"') for x in raw.split(",")]
            if len(fields) >= 2 and fields[0] == "#" and fields[1]:
                names.append(fields[1])
    return names


def rect(rows, x1, y1, x2, y2, colour):
    for y in range(max(0, int(y1)), min(len(rows), int(math.ceil(y2)))):
        for x in range(max(0, int(x1)), min(len(rows[0]), int(math.ceil(x2)))):
            rows[y][x] = over(rows[y][x], colour)


def ring(rows, cx, cy, r, width, colour):
    h, w = len(rows), len(rows[0])
    for y in range(h):
        for x in range(w):
            d = abs(math.hypot(x + 0.5 - cx, y + 0.5 - cy) - r) - width / 2
            a = clamp(0.5 - d)
            if a > 0:
                rows[y][x] = over(rows[y][x], colour[:3] + (int(colour[3] * a),))


def tile(colour):
    """The icon's ground: a rounded tile in the industry's colour on the list's dark fill
    (the file is an opaque 24-bit picture), lighter at the top."""
    rows = canvas(SIZE, SIZE, (28, 32, 38, 255))
    for y in range(SIZE):
        for x in range(SIZE):
            d = rounded_box_distance(x + 0.5, y + 0.5, SIZE, SIZE, 6) + 1
            a = clamp(0.5 - d)
            if a > 0:
                shade = mix(mix(colour, (255, 255, 255), 0.18), mix(colour, (0, 0, 0), 0.3), y / SIZE)
                rows[y][x] = over(rows[y][x], shade + (int(255 * a),))
    return rows


# --- Pictograms (white on the tile) ----------------------------------------------------------

def briefcase(rows):
    rect(rows, 7, 12, 25, 25, INK)
    rect(rows, 12, 8, 20, 10, INK)
    rect(rows, 12, 8, 14, 12, INK)
    rect(rows, 18, 8, 20, 12, INK)
    rect(rows, 7, 17, 25, 18, SHADE[:3] + (120,))
    rect(rows, 15, 16, 17, 19, INK)


def cup(rows):  # catering, food
    rect(rows, 8, 11, 21, 24, INK)
    ring(rows, 22, 17, 3.5, 2, INK)
    rect(rows, 6, 25, 25, 27, INK)
    for x in (11, 14, 17):
        segment(rows, x, 4, x + 1, 8, 0.8, INK)


def scales(rows):  # legal
    segment(rows, 16, 5, 16, 25, 1.2, INK)
    segment(rows, 7, 9, 25, 9, 1.2, INK)
    rect(rows, 10, 25, 22, 27, INK)
    for cx in (8, 24):
        segment(rows, cx, 9, cx - 4, 18, 0.7, INK)
        segment(rows, cx, 9, cx + 4, 18, 0.7, INK)
        rect(rows, cx - 5, 18, cx + 5, 20, INK)


def cross(rows):  # medical, health
    rect(rows, 13, 6, 19, 26, INK)
    rect(rows, 6, 13, 26, 19, INK)


def coin(rows):  # finance, banking
    disc(rows, 16, 16, 10, INK)
    disc(rows, 16, 16, 7.5, (200, 160, 60, 255))
    segment(rows, 13, 12, 19, 12, 1.2, INK)
    segment(rows, 13, 16, 19, 16, 1.2, INK)
    segment(rows, 13, 20, 19, 20, 1.2, INK)


def screen(rows):  # technology, office work
    rect(rows, 6, 7, 26, 21, INK)
    rect(rows, 8, 9, 24, 19, SHADE[:3] + (200,))
    rect(rows, 14, 21, 18, 24, INK)
    rect(rows, 10, 24, 22, 26, INK)


def book(rows):  # education, publishing
    rect(rows, 6, 8, 15, 25, INK)
    rect(rows, 17, 8, 26, 25, INK)
    for y in (12, 15, 18, 21):
        segment(rows, 8, y, 13, y, 0.5, SHADE)
        segment(rows, 19, y, 24, y, 0.5, SHADE)


def flask(rows):  # science, research
    rect(rows, 13, 5, 19, 13, INK)
    for y in range(13, 26):
        half = 3 + (y - 13) * 0.65
        rect(rows, 16 - half, y, 16 + half, y + 1, INK)
    rect(rows, 10, 20, 22, 25, (90, 200, 140, 255))


def hammer(rows):  # construction, trades
    segment(rows, 10, 25, 20, 11, 1.8, INK)
    rect(rows, 13, 6, 26, 11, INK)


def mask(rows):  # acting, theatre
    disc(rows, 16, 15, 10, INK)
    disc(rows, 12, 13, 2, SHADE)
    disc(rows, 20, 13, 2, SHADE)
    for i in range(12):
        t = math.radians(20 + i * 12)
        segment(rows, 16 - 6 * math.cos(t), 17 + 4 * math.sin(t),
                16 - 6 * math.cos(t + 0.2), 17 + 4 * math.sin(t + 0.2), 0.9, SHADE)


def note(rows):  # music
    disc(rows, 11, 23, 4, INK)
    disc(rows, 22, 20, 4, INK)
    segment(rows, 14.5, 23, 14.5, 7, 1.1, INK)
    segment(rows, 25.5, 20, 25.5, 5, 1.1, INK)
    rect(rows, 14, 6, 27, 10, INK)


def cart(rows):  # retail, shops, sales
    segment(rows, 5, 7, 9, 7, 1.0, INK)
    segment(rows, 9, 7, 12, 20, 1.0, INK)
    rect(rows, 11, 10, 26, 18, INK)
    segment(rows, 12, 20, 24, 20, 1.0, INK)
    disc(rows, 13, 24, 2, INK)
    disc(rows, 23, 24, 2, INK)


def camera(rows):  # media, journalism
    rect(rows, 5, 10, 27, 25, INK)
    rect(rows, 10, 7, 16, 10, INK)
    disc(rows, 16, 17, 5, SHADE)
    disc(rows, 16, 17, 3, (120, 170, 220, 255))


def wheel(rows):  # transport
    ring(rows, 16, 16, 9, 2.5, INK)
    disc(rows, 16, 16, 2.5, INK)
    for i in range(3):
        t = math.radians(90 + i * 120)
        segment(rows, 16, 16, 16 + 8 * math.cos(t), 16 + 8 * math.sin(t), 1.0, INK)


def ball(rows):  # sport, leisure
    disc(rows, 16, 16, 10, INK)
    ring(rows, 16, 16, 10, 1, SHADE)
    segment(rows, 6, 16, 26, 16, 0.6, SHADE)
    ring(rows, 16, 30, 14, 1, SHADE)


def shield(rows):  # public service, police, security
    for y in range(6, 27):
        half = 9 if y < 16 else 9 * (1 - (y - 16) / 11)
        rect(rows, 16 - half, y, 16 + half, y + 1, INK)
    rect(rows, 15, 9, 17, 22, SHADE[:3] + (160,))
    rect(rows, 10, 13, 22, 15, SHADE[:3] + (160,))


def leaf(rows):  # farming, outdoors
    for y in range(6, 26):
        half = 7 * math.sin(math.pi * (y - 6) / 20)
        rect(rows, 16 - half, y, 16 + half, y + 1, INK)
    segment(rows, 16, 8, 16, 28, 0.8, SHADE)


def brush(rows):  # arts, design, fashion
    segment(rows, 8, 25, 20, 11, 2.2, INK)
    disc(rows, 22, 9, 4, (230, 90, 80, 255))


# Names matched by their beginning, so "technology" and "tech" find the same pictogram.
PICTOGRAMS = [
    (("catering", "food", "hospitality", "restaurant"), cup, (176, 96, 40)),
    (("legal", "law"), scales, (86, 70, 140)),
    (("medic", "health", "care"), cross, (176, 48, 52)),
    (("financ", "bank", "account"), coin, (40, 120, 70)),
    (("tech", "comput", "it", "office", "admin"), screen, (40, 92, 150)),
    (("educat", "teach", "publish", "academ"), book, (120, 84, 40)),
    (("scien", "research", "lab"), flask, (30, 120, 130)),
    (("craft", "construct", "trade", "manufact", "engineer", "industr"), hammer, (140, 110, 40)),
    (("acting", "theatre", "film"), mask, (140, 40, 90)),
    (("music",), note, (100, 50, 150)),
    (("retail", "shop", "sales", "commerce"), cart, (200, 120, 30)),
    (("media", "journal", "news", "advert", "market"), camera, (60, 70, 90)),
    (("transport", "travel", "logistic", "aviation"), wheel, (70, 90, 110)),
    (("sport", "leisure", "fitness"), ball, (40, 130, 60)),
    (("civic", "public", "government", "civil", "police", "secur", "emergenc", "military"), shield, (40, 60, 120)),
    (("farm", "agricult", "outdoor", "environ"), leaf, (70, 130, 40)),
    (("art", "design", "fashion", "creative", "beauty"), brush, (170, 60, 110)),
]


def name_colour(name):
    """A steady colour of middle brightness from the name (white reads on it)."""
    h = zlib.crc32(name.encode("cp1252")) % 360 / 360.0
    r, g, b = (clamp(abs((h * 6 + k) % 6 - 3) - 1) for k in (0, 4, 2))
    return tuple(int(50 + 110 * c) for c in (r, g, b))


def industry_icon(name):
    lower = name.lower()
    for prefixes, draw, colour in PICTOGRAMS:
        if any(lower.startswith(p) for p in prefixes):
            rows = tile(colour)
            draw(rows)
            return rows, True
    rows = tile(name_colour(lower))
    briefcase(rows)
    return rows, False


def small_mark(tick):
    """The 16 x 16 requirement marks, drawn at twice that for smooth edges when scaled."""
    rows = canvas(32, 32)
    if tick:
        disc(rows, 16, 16, 14, (30, 120, 56, 255))
        segment(rows, 9, 17, 14, 22, 2.6, INK)
        segment(rows, 14, 22, 23, 10, 2.6, INK)
    else:
        disc(rows, 16, 16, 14, (170, 40, 40, 255))
        segment(rows, 10, 10, 22, 22, 2.6, INK)
        segment(rows, 22, 10, 10, 22, 2.6, INK)
    return rows


def main():
    table = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "data", "simulation",
                                                               "industries.csv")
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, "..", "data", "bitmaps", "jobs")
    os.makedirs(out, exist_ok=True)
    names = read_industries(table)
    if not names:
        sys.exit(f"no industries in {table}")
    for name in names:
        rows, drawn = industry_icon(name)
        with open(os.path.join(out, f"jobs_{name}.bmp"), "wb") as f:
            f.write(bmp_bytes(rows))
        print(f"jobs_{name}.bmp" + ("" if drawn else " (briefcase)"))
    for file_name, tick in (("smalltick.dds", True), ("smallcross.dds", False)):
        with open(os.path.join(out, file_name), "wb") as f:
            f.write(dds_bytes(small_mark(tick)))
        print(file_name)


if __name__ == "__main__":
    main()
