#!/usr/bin/env python3
"""Draws the main screen's mail and phone items into data/bitmaps/gui: a closed envelope (also
lit, for the mouse over it) and an open one for a player with a laptop, a telephone (also lit)
and its answered form for one without. 64 x 64 A8R8G8B8 DDS, drawn at 41 x 41 by the game.
Deterministic; needs only the standard library.

    python3 tools/make_mail_art.py [output folder]
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import write_textures, canvas, clamp, disc, mix, over, rounded_box_distance, segment  # noqa: E402

SIZE = 64
PAPER = (246, 240, 222)
PAPER_SHADE = (214, 204, 178)
LINE = (120, 98, 70)
SEAL = (180, 40, 40)
PHONE = (40, 44, 52)
PHONE_LIT = (70, 120, 200)
ANSWERED = (70, 150, 90)
GLOW = (255, 236, 140)


def box(rows, left, top, w, h, r, colour):
    """A filled rounded rectangle with an anti-aliased edge."""
    for y in range(len(rows)):
        for x in range(len(rows[0])):
            d = rounded_box_distance(x + 0.5 - left, y + 0.5 - top, w, h, r)
            a = clamp(0.5 - d)
            if a > 0:
                rows[y][x] = over(rows[y][x], colour[:3] + (int(colour[3] * a),))


def glow(rows):
    """A soft yellow halo behind the icon: the lit form under the mouse."""
    c = SIZE / 2
    for r in range(30, 18, -2):
        disc(rows, c, c, r, GLOW + (28,), feather=4)


def shadow(rows, left, top, w, h):
    box(rows, left + 2, top + 3, w, h, 4, (0, 0, 0, 90))


def envelope(lit, opened):
    rows = canvas(SIZE, SIZE)
    if lit:
        glow(rows)
    left, top, w, h = 8, 18, 48, 32
    if opened:
        # The flap stands up behind the body, a letter peeping out of it.
        shadow(rows, left, top, w, h)
        for i in range(24):
            t = i / 23
            segment(rows, left + 1 + t * 22, top + 1 - t * 14, left + w - 1 - t * 22,
                    top + 1 - t * 14, 1.2, PAPER_SHADE + (255,))
        box(rows, left + 7, top - 6, w - 14, 22, 2, (255, 255, 255, 255))
        for k in range(3):
            segment(rows, left + 11, top - 1 + k * 5, left + w - 11, top - 1 + k * 5, 0.7,
                    LINE + (200,))
        box(rows, left, top + 6, w, h - 6, 3, PAPER + (255,))
        segment(rows, left + 1, top + h - 1, left + w / 2, top + 12, 1.0, PAPER_SHADE + (255,))
        segment(rows, left + w - 1, top + h - 1, left + w / 2, top + 12, 1.0, PAPER_SHADE + (255,))
        return rows
    shadow(rows, left, top, w, h)
    box(rows, left, top, w, h, 3, (mix(PAPER, (255, 255, 200), 0.4) if lit else PAPER) + (255,))
    # The flap's edges and the seal where they meet.
    segment(rows, left + 1, top + 1, left + w / 2, top + h * 0.6, 1.1, LINE + (230,))
    segment(rows, left + w - 1, top + 1, left + w / 2, top + h * 0.6, 1.1, LINE + (230,))
    segment(rows, left + 1, top + h - 1, left + w * 0.38, top + h * 0.5, 0.8, PAPER_SHADE + (255,))
    segment(rows, left + w - 1, top + h - 1, left + w * 0.62, top + h * 0.5, 0.8, PAPER_SHADE + (255,))
    disc(rows, left + w / 2, top + h * 0.6, 4.5, SEAL + (255,))
    return rows


def telephone(lit, answered):
    rows = canvas(SIZE, SIZE)
    if lit:
        glow(rows)
    body = ANSWERED if answered else (PHONE_LIT if lit else PHONE)
    # The base: a rounded block with a dial.
    box(rows, 12, 31, 42, 24, 6, (0, 0, 0, 90))
    box(rows, 10, 28, 44, 24, 6, body + (255,))
    disc(rows, 32, 40, 8, mix(body, (255, 255, 255), 0.55) + (255,))
    disc(rows, 32, 40, 3, body + (255,))
    for k in range(8):
        a = math.radians(-60 + k * 34)
        disc(rows, 32 + 6 * math.cos(a), 40 + 6 * math.sin(a), 1.1, body + (255,))
    if answered:
        # The handset lifted off, tilted to the right.
        segment(rows, 34, 8, 54, 20, 4.0, body + (255,))
        disc(rows, 34, 8, 5.5, body + (255,))
        disc(rows, 54, 20, 5.5, body + (255,))
        segment(rows, 12, 30, 30, 14, 1.0, mix(body, (0, 0, 0), 0.3) + (255,))
        return rows
    # The handset on its cradle, with ringing marks above it.
    segment(rows, 14, 22, 50, 22, 4.2, body + (255,))
    disc(rows, 14, 24, 6, body + (255,))
    disc(rows, 50, 24, 6, body + (255,))
    ring = mix(body, (255, 255, 255), 0.5) + (255,)
    for side in (-1, 1):
        segment(rows, 32 + side * 16, 6, 32 + side * 20, 2, 1.2, ring)
        segment(rows, 32 + side * 10, 8, 32 + side * 12, 3, 1.2, ring)
    return rows


TICKET = (236, 196, 120)
TICKET_INK = (150, 60, 40)


def admit_ticket():
    """The special event's ticket, 220 x 112 (drawn faint and tilted behind the invitation):
    a paper ticket with a double border, a perforated stub with a star, and printed bars."""
    w, h = 220, 112
    rows = canvas(w, h, (40, 70, 48, 255))
    box(rows, 1, 1, w - 2, h - 2, 8, TICKET + (255,))
    ink = TICKET_INK + (255,)
    for inset, width in ((7, 1.2), (11, 0.7)):
        segment(rows, inset, inset, w - inset, inset, width, ink)
        segment(rows, inset, h - inset, w - inset, h - inset, width, ink)
        segment(rows, inset, inset, inset, h - inset, width, ink)
        segment(rows, w - inset, inset, w - inset, h - inset, width, ink)
    stub = 164
    for y in range(14, h - 14, 8):
        disc(rows, stub, y + 2, 1.6, ink)
    cx, cy, outer, inner = (stub + w - 11) / 2, h / 2, 17, 7
    points = []
    for k in range(10):
        r = outer if k % 2 == 0 else inner
        a = -math.pi / 2 + k * math.pi / 5
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    for k in range(10):
        x1, y1 = points[k]
        x2, y2 = points[(k + 1) % 10]
        segment(rows, x1, y1, x2, y2, 1.4, ink)
    for k, (left, right) in enumerate(((26, 146), (40, 132), (56, 116))):
        y = 36 + k * 20
        segment(rows, left, y, right, y, 4.0 if k == 0 else 2.5, ink)
    return rows


def textures():
    return {
        "admit_ticket.bmp": admit_ticket(),
        "envelope_closed.dds": envelope(False, False),
        "envelope_closed_h.dds": envelope(True, False),
        "envelope_open.dds": envelope(False, True),
        "telephone.dds": telephone(False, False),
        "telephone_h.dds": telephone(True, False),
        "telephone_answered.dds": telephone(False, True),
    }


def main():
    write_textures(textures())


if __name__ == "__main__":
    main()
