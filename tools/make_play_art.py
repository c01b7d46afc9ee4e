#!/usr/bin/env python3
"""Draws the art of a day of play: the player avatars and their room backgrounds, the control
panel's buttons, the next-day arrow and the chooser arrows. Deterministic; needs only the
standard library and the helpers of make_gui_art.py.

Avatars go to data/bitmaps/avatars: each "m..." (male) or "f..." (female) picture is a strip
of three mood cells side by side (neutral, happy, sad), 170 x 512 each, with a
"<name>_background.dds" room picture beside it: the room of make_room_art.py (run it first)
tinted in the avatar's colours. Buttons and arrows go to data/bitmaps/gui.

    python3 tools/make_play_art.py [data/bitmaps folder]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_gui_art import (canvas, clamp, dds_bytes, disc, mix, over, round_button,  # noqa: E402
                          segment)

CELL_W, CELL_H = 170, 512

# name, skin, hair, top, trousers, long hair, room tint, (unused)
AVATARS = [
    ("m_alex", (232, 190, 160), (70, 46, 30), (40, 90, 150), (50, 50, 70), False, (150, 170, 190), (110, 80, 60)),
    ("m_deon", (150, 100, 70), (25, 20, 20), (170, 60, 50), (60, 60, 60), False, (190, 170, 130), (90, 70, 50)),
    ("m_ravi", (200, 150, 110), (20, 20, 25), (60, 130, 80), (70, 60, 50), False, (170, 190, 160), (120, 100, 70)),
    ("f_bea", (240, 200, 175), (200, 150, 60), (190, 70, 120), (40, 50, 90), True, (200, 170, 180), (100, 80, 70)),
    ("f_nia", (160, 110, 80), (30, 20, 15), (230, 170, 50), (50, 40, 60), True, (160, 180, 200), (80, 70, 60)),
    ("f_sun", (225, 190, 150), (15, 15, 20), (80, 150, 160), (90, 70, 60), True, (190, 200, 170), (110, 90, 60)),
]


def fill_rect(rows, x0, y0, x1, y1, colour):
    for y in range(max(0, y0), min(len(rows), y1)):
        row = rows[y]
        for x in range(max(0, x0), min(len(row), x1)):
            row[x] = over(row[x], colour)


def person(rows, ox, mood, skin, hair, top, trousers, long_hair):
    cx = ox + CELL_W / 2
    shade = lambda c, t: mix(c, (0, 0, 0), t) + (255,)  # noqa: E731
    # legs and shoes
    segment(rows, cx - 20, 300, cx - 24, 470, 15, shade(trousers, 0.0))
    segment(rows, cx + 20, 300, cx + 24, 470, 15, shade(trousers, 0.1))
    disc(rows, cx - 28, 478, 14, (30, 25, 25, 255))
    disc(rows, cx + 28, 478, 14, (30, 25, 25, 255))
    # body and arms
    segment(rows, cx, 170, cx, 300, 38, shade(top, 0.0))
    arm_lift = {0: 0, 1: -40, 2: 20}[mood]
    segment(rows, cx - 40, 180, cx - 58, 290 + arm_lift, 11, shade(top, 0.15))
    segment(rows, cx + 40, 180, cx + 58, 290 + arm_lift, 11, shade(top, 0.15))
    disc(rows, cx - 58, 296 + arm_lift, 11, skin + (255,))
    disc(rows, cx + 58, 296 + arm_lift, 11, skin + (255,))
    # neck, head, hair
    segment(rows, cx, 130, cx, 160, 10, shade(skin, 0.1))
    if long_hair:
        segment(rows, cx, 90, cx, 170, 40, hair + (255,))
    disc(rows, cx, 100, 36, skin + (255,))
    disc(rows, cx, 78, 34, hair + (255,))
    disc(rows, cx, 104, 32, skin + (255,))
    # eyes and mouth by mood
    disc(rows, cx - 12, 98, 3.5, (30, 30, 40, 255))
    disc(rows, cx + 12, 98, 3.5, (30, 30, 40, 255))
    mouth = (150, 60, 60, 255)
    if mood == 1:
        segment(rows, cx - 12, 116, cx, 122, 2, mouth)
        segment(rows, cx, 122, cx + 12, 116, 2, mouth)
    elif mood == 2:
        segment(rows, cx - 12, 122, cx, 116, 2, mouth)
        segment(rows, cx, 116, cx + 12, 122, 2, mouth)
    else:
        segment(rows, cx - 10, 119, cx + 10, 119, 2, mouth)


def avatar(look):
    _, skin, hair, top, trousers, long_hair, _, _ = look
    rows = canvas(CELL_W * 3 + 2, CELL_H)
    for mood in range(3):
        person(rows, mood * CELL_W, mood, skin, hair, top, trousers, long_hair)
    return rows


def background(look, room):
    """The shared room picture (make_room_art.py) in the avatar's own colours: every opaque
    pixel moves a quarter of the way towards the avatar's wall colour, so the window panes and
    the open side stay transparent for the sky."""
    wall = look[6]
    header, body = room[:128], bytearray(room[128:])
    t = 0.25
    for i in range(0, len(body), 4):
        if body[i + 3]:
            body[i] = int(body[i] + (wall[2] - body[i]) * t)
            body[i + 1] = int(body[i + 1] + (wall[1] - body[i + 1]) * t)
            body[i + 2] = int(body[i + 2] + (wall[0] - body[i + 2]) * t)
    return header + bytes(body)


def glyph_button(kind, hover):
    base = {"network": (60, 110, 170), "eveningclasses": (140, 90, 160), "solo": (60, 140, 90),
            "social": (200, 120, 50), "career": (90, 90, 110), "nextday": (40, 60, 120),
            "quit": (170, 50, 50)}[kind]
    rows = round_button(base, hover)
    white = (250, 250, 245, 255)
    if kind == "network":
        for x, y in ((32, 20), (20, 42), (44, 42)):
            disc(rows, x, y, 6, white)
        segment(rows, 32, 20, 20, 42, 2, white)
        segment(rows, 32, 20, 44, 42, 2, white)
        segment(rows, 20, 42, 44, 42, 2, white)
    elif kind == "eveningclasses":
        fill_rect(rows, 18, 22, 46, 42, white)
        segment(rows, 32, 22, 32, 42, 1.5, (60, 60, 80, 255))
    elif kind == "solo":
        disc(rows, 32, 22, 7, white)
        segment(rows, 32, 30, 32, 46, 6, white)
    elif kind == "social":
        for x in (22, 42):
            disc(rows, x, 24, 6, white)
            segment(rows, x, 31, x, 44, 5, white)
    elif kind == "career":
        fill_rect(rows, 18, 26, 46, 46, white)
        fill_rect(rows, 26, 20, 38, 27, white)
    elif kind == "nextday":
        disc(rows, 32, 32, 14, white)
        disc(rows, 38, 28, 12, base + (255,))
    elif kind == "quit":
        segment(rows, 22, 22, 42, 42, 3, white)
        segment(rows, 42, 22, 22, 42, 3, white)
    return rows


def arrow(w=64, h=32):
    rows = canvas(w, h)
    colour = (250, 220, 90, 255)
    segment(rows, 4, h / 2, w - 20, h / 2, 5, colour)
    for y in range(h):
        half = (w - 4 - (w - 28)) * (1 - abs(y + 0.5 - h / 2) / (h / 2))
        for x in range(w - 28, int(w - 28 + half)):
            rows[y][x] = colour
    return rows


def side_arrow(right, hover, w=32, h=64):
    rows = canvas(w, h)
    colour = (255, 255, 255, 255) if hover else (225, 225, 215, 235)
    for y in range(h):
        reach = clamp(1 - abs(y + 0.5 - h / 2) / (h / 2 - 4)) * (w - 6)
        for x in range(w):
            pos = x - 3 if right else w - 4 - x
            if 0 <= pos < reach:
                rows[y][x] = colour
    return rows


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "bitmaps")
    avatars = os.path.join(root, "avatars")
    gui = os.path.join(root, "gui")
    os.makedirs(avatars, exist_ok=True)
    os.makedirs(gui, exist_ok=True)
    room_file = os.path.join(root, "room", "notset_background.dds")
    if not os.path.exists(room_file):
        raise SystemExit(f"{room_file} is missing: run tools/make_room_art.py first")
    room = open(room_file, "rb").read()
    made = {}
    rooms = {}
    for look in AVATARS:
        made[os.path.join(avatars, look[0] + ".dds")] = avatar(look)
        rooms[os.path.join(avatars, look[0] + "_background.dds")] = background(look, room)
    for kind in ("network", "eveningclasses", "solo", "social", "career", "nextday", "quit"):
        made[os.path.join(gui, f"button_{kind}.dds")] = glyph_button(kind, False)
        made[os.path.join(gui, f"button_{kind}_h.dds")] = glyph_button(kind, True)
    made[os.path.join(gui, "arrow.dds")] = arrow()
    for right in (False, True):
        for hover in (False, True):
            name = ("right" if right else "left") + ("_h" if hover else "") + ".dds"
            made[os.path.join(gui, name)] = side_arrow(right, hover)
    for path, rows in made.items():
        with open(path, "wb") as f:
            f.write(dds_bytes(rows))
    for path, data in rooms.items():
        with open(path, "wb") as f:
            f.write(data)
    print(f"wrote {len(made) + len(rooms)} textures under {root}")


if __name__ == "__main__":
    main()
