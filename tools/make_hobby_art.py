#!/usr/bin/env python3
"""Draws the picture buttons of the web-surfing and TV windows: one 256 x 64 banner per web
site and TV channel, each a rounded panel in the entry's own colours with a simple emblem on
the left and a few lines suggesting its content on the right. Deterministic; needs only the
standard library and the helpers of make_gui_art.py. The pictures go to data/bitmaps/gui.

    python3 tools/make_hobby_art.py [output folder]
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import (canvas, clamp, disc, mix, rounded_box_distance, segment,  # noqa: E402
                          write_textures)

W, H = 256, 64
WHITE = (250, 250, 245, 255)


def banner(top, bottom, rim):
    rows = canvas(W, H)
    for y in range(H):
        fill = mix(top, bottom, y / (H - 1))
        for x in range(W):
            d = rounded_box_distance(x + 0.5, y + 0.5, W, H, 10)
            if d > 0.5:
                continue
            a = clamp(0.5 - d)
            colour = rim if d > -2.5 else fill
            rows[y][x] = colour[:3] + (int(255 * a),)
    return rows


def text_lines(rows, colour, widths):
    # Grey bars standing for lines of text.
    for i, width in enumerate(widths):
        y = 18 + i * 12
        segment(rows, 92, y, 92 + width, y, 2.5, colour)


def ring(rows, cx, cy, r, width, colour):
    steps = 72
    for i in range(steps):
        a0, a1 = 2 * math.pi * i / steps, 2 * math.pi * (i + 1) / steps
        segment(rows, cx + r * math.cos(a0), cy + r * math.sin(a0),
                cx + r * math.cos(a1), cy + r * math.sin(a1), width, colour)


def web_news():
    rows = banner((70, 110, 170), (40, 70, 120), (200, 220, 245))
    # a folded newspaper
    for y in range(16, 48):
        segment(rows, 24, y, 62, y, 0.6, WHITE)
    segment(rows, 28, 22, 58, 22, 2, (40, 40, 50, 255))
    for y in (30, 36, 42):
        segment(rows, 28, y, 42, y, 1, (120, 120, 130, 255))
        segment(rows, 46, y, 58, y, 1, (120, 120, 130, 255))
    text_lines(rows, (230, 235, 245, 220), (140, 120, 90))
    return rows


def web_chat():
    rows = banner((230, 150, 70), (190, 100, 40), (255, 225, 190))
    disc(rows, 34, 28, 14, WHITE)
    segment(rows, 26, 38, 20, 46, 3, WHITE)
    disc(rows, 56, 38, 11, (255, 240, 210, 255))
    segment(rows, 62, 46, 68, 52, 2.5, (255, 240, 210, 255))
    text_lines(rows, (255, 240, 220, 220), (100, 130, 70))
    return rows


def web_puzzle():
    rows = banner((90, 160, 100), (50, 110, 60), (210, 240, 210))
    for gx in range(3):
        for gy in range(3):
            shade = WHITE if (gx + gy) % 2 == 0 else (40, 70, 45, 255)
            x, y = 22 + gx * 13, 13 + gy * 13
            for yy in range(y, y + 12):
                segment(rows, x, yy, x + 11, yy, 0.6, shade)
    text_lines(rows, (225, 245, 225, 220), (120, 90, 130))
    return rows


def web_gallery():
    rows = banner((140, 80, 150), (90, 45, 100), (235, 210, 240))
    # a framed picture with a hill and a sun
    for y in range(14, 50):
        segment(rows, 20, y, 66, y, 0.6, (210, 170, 80, 255))
    for y in range(18, 46):
        segment(rows, 24, y, 62, y, 0.6, (170, 210, 240, 255))
    disc(rows, 52, 26, 5, (255, 220, 90, 255))
    disc(rows, 36, 56, 18, (80, 150, 80, 255))
    for y in range(46, 50):
        segment(rows, 20, y, 66, y, 0.6, (210, 170, 80, 255))
    text_lines(rows, (240, 225, 245, 220), (130, 100, 110))
    return rows


def tv_set(rows, screen):
    for y in range(14, 48):
        segment(rows, 18, y, 70, y, 0.6, (40, 40, 45, 255))
    for y in range(18, 44):
        segment(rows, 22, y, 62, y, 0.6, screen)
    disc(rows, 66, 22, 2, (200, 200, 200, 255))
    disc(rows, 66, 30, 2, (200, 200, 200, 255))
    segment(rows, 32, 48, 28, 54, 1.5, (40, 40, 45, 255))
    segment(rows, 56, 48, 60, 54, 1.5, (40, 40, 45, 255))


def tv(top, bottom, rim, screen, emblem, lines):
    rows = banner(top, bottom, rim)
    tv_set(rows, screen)
    emblem(rows)
    text_lines(rows, (245, 245, 245, 220), lines)
    return rows


def globe(rows):
    ring(rows, 42, 31, 9, 1.2, WHITE)
    segment(rows, 33, 31, 51, 31, 1, WHITE)
    segment(rows, 42, 22, 42, 40, 1, WHITE)


def heart(rows):
    disc(rows, 38, 28, 5, (230, 60, 90, 255))
    disc(rows, 46, 28, 5, (230, 60, 90, 255))
    segment(rows, 34, 31, 42, 39, 2.5, (230, 60, 90, 255))
    segment(rows, 50, 31, 42, 39, 2.5, (230, 60, 90, 255))


def smile(rows):
    disc(rows, 42, 31, 10, (255, 215, 60, 255))
    disc(rows, 38, 28, 1.5, (40, 40, 40, 255))
    disc(rows, 46, 28, 1.5, (40, 40, 40, 255))
    for i in range(10):
        a0, a1 = math.pi * (0.15 + 0.07 * i), math.pi * (0.15 + 0.07 * (i + 1))
        segment(rows, 42 + 6 * math.cos(a0), 31 + 6 * math.sin(a0),
                42 + 6 * math.cos(a1), 31 + 6 * math.sin(a1), 1, (40, 40, 40, 255))


def leaf(rows):
    disc(rows, 42, 31, 8, (70, 170, 80, 255))
    disc(rows, 36, 37, 3, (70, 170, 80, 255))
    segment(rows, 36, 38, 48, 25, 1, (30, 90, 40, 255))


def ball(rows):
    disc(rows, 42, 31, 9, WHITE)
    disc(rows, 42, 31, 3, (30, 30, 30, 255))
    for a in range(5):
        ang = a * 2 * math.pi / 5
        disc(rows, 42 + 7 * math.cos(ang), 31 + 7 * math.sin(ang), 1.8, (30, 30, 30, 255))


def reel(rows):
    ring(rows, 42, 31, 9, 1.5, (230, 230, 230, 255))
    for a in range(6):
        ang = a * math.pi / 3
        disc(rows, 42 + 5 * math.cos(ang), 31 + 5 * math.sin(ang), 2, (230, 230, 230, 255))


def cap(rows):
    segment(rows, 32, 28, 52, 28, 2, (30, 30, 40, 255))
    disc(rows, 42, 33, 5, (30, 30, 40, 255))
    segment(rows, 52, 28, 52, 36, 0.8, (230, 190, 60, 255))


def textures():
    return {
        "web_pebblenews.dds": web_news(),
        "web_chatterbox.dds": web_chat(),
        "web_brainteasers.dds": web_puzzle(),
        "web_gallery.dds": web_gallery(),
        "tv_channelone.dds": tv((60, 90, 150), (30, 50, 100), (200, 215, 240),
                                (60, 120, 200, 255), globe, (130, 100, 120)),
        "tv_soapstreet.dds": tv((200, 110, 150), (150, 60, 100), (250, 215, 230),
                                (240, 190, 210, 255), heart, (110, 140, 80)),
        "tv_laughterbox.dds": tv((230, 180, 50), (190, 130, 20), (255, 240, 190),
                                 (120, 80, 160, 255), smile, (140, 90, 110)),
        "tv_natureeye.dds": tv((70, 140, 90), (40, 95, 55), (210, 240, 215),
                               (150, 210, 240, 255), leaf, (120, 130, 90)),
        "tv_arenasport.dds": tv((50, 140, 60), (30, 90, 35), (220, 245, 220),
                                (60, 170, 70, 255), ball, (100, 140, 120)),
        "tv_silverscreen.dds": tv((110, 110, 120), (60, 60, 70), (225, 225, 235),
                                  (30, 30, 35, 255), reel, (140, 110, 90)),
        "tv_lecturehall.dds": tv((120, 70, 50), (80, 45, 30), (240, 220, 200),
                                 (235, 225, 200, 255), cap, (90, 140, 110)),
    }


def main():
    write_textures(textures())


if __name__ == "__main__":
    main()
