#!/usr/bin/env python3
"""Draws every texture of the GUI toolkit and writes them to data/bitmaps/gui: window frame
sheets (4 x 4 cells, drawn as 9-slice frames) for both wealth levels, the drop shadow, button
skins and icons, the veil under text on pictures, the check box, weather icons, dirt marks, icicles, rain and snow, stains and
the divider strip. Deterministic (a fixed seed); needs only the standard library.

    python3 tools/make_gui_art.py [output folder]
"""
import math
import os
import random
import struct
import sys

# One palette for the whole interface.
GREEN_DARK = (22, 58, 46)
GREEN = (38, 96, 72)
GREEN_LIGHT = (88, 150, 112)
RICH_DARK = (58, 20, 34)
RICH = (104, 36, 52)
GOLD = (214, 178, 92)
CREAM = (236, 232, 214)
CREAM_RICH = (240, 226, 206)
# The "light" window backgrounds carry white text, so they stay dark enough to read it on.
PANEL = (58, 86, 78)
PANEL_RICH = (94, 68, 54)
SLATE = (44, 48, 58)
INK = (24, 24, 28)


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    t = clamp(t)
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def smooth(edge0, edge1, x):
    t = clamp((x - edge0) / (edge1 - edge0)) if edge1 != edge0 else (1.0 if x >= edge1 else 0.0)
    return t * t * (3 - 2 * t)


def rounded_box_distance(x, y, w, h, r):
    """Signed distance from (x, y) to a rounded rectangle (0, 0, w, h): negative inside."""
    qx = abs(x - w / 2) - (w / 2 - r)
    qy = abs(y - h / 2) - (h / 2 - r)
    outside = math.hypot(max(qx, 0), max(qy, 0))
    return outside + min(max(qx, qy), 0) - r


def canvas(w, h, colour=(0, 0, 0, 0)):
    return [[colour for _ in range(w)] for _ in range(h)]


def over(dst, src):
    """Source-over of two (r, g, b, a) pixels."""
    sa = src[3] / 255.0
    da = dst[3] / 255.0
    oa = sa + da * (1 - sa)
    if oa <= 0:
        return (0, 0, 0, 0)
    return tuple(int(round((src[i] * sa + dst[i] * da * (1 - sa)) / oa)) for i in range(3)) + (
        int(round(oa * 255)),)


def dds_bytes(rows):
    """An uncompressed A8R8G8B8 DDS file from rows of (r, g, b, a) tuples."""
    height, width = len(rows), len(rows[0])
    flags = 0x1 | 0x2 | 0x4 | 0x8 | 0x1000
    header = struct.pack("<4s7I44x", b"DDS ", 124, flags, height, width, width * 4, 0, 0)
    pixel_format = struct.pack("<8I", 32, 0x41, 0, 32, 0x00FF0000, 0x0000FF00, 0x000000FF,
                               0xFF000000)
    caps = struct.pack("<5I", 0x1000, 0, 0, 0, 0)
    body = bytearray()
    for row in rows:
        for r, g, b, a in row:
            body += bytes((b, g, r, a))
    return header + pixel_format + caps + bytes(body)


def bmp_bytes(rows):
    """A 24-bit bottom-up BMP."""
    height, width = len(rows), len(rows[0])
    pad = (4 - width * 3 % 4) % 4
    body = bytearray()
    for row in reversed(rows):
        for r, g, b, _ in row:
            body += bytes((b, g, r))
        body += b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return header + info + bytes(body)


# --- Frame sheets -------------------------------------------------------------------------

def frame_sheet(outer, inner, fill, rim, radius=14, rim_width=3.0, size=128, glow=None):
    """A whole 'window' of size x size whose 4 x 4 cells make a 9-slice frame: the outer band
    colour depends only on the distance from the rounded edge, so edge cells stretch cleanly.
    """
    rows = canvas(size, size)
    for y in range(size):
        for x in range(size):
            d = rounded_box_distance(x + 0.5, y + 0.5, size, size, radius)
            if d > 0.5:
                continue
            cover = clamp(0.5 - d)
            depth = -d  # pixels inside the edge
            if depth < rim_width:
                col = mix(rim, outer, depth / rim_width)
            elif depth < 26:
                col = mix(outer, inner, smooth(rim_width, 26, depth))
            else:
                col = fill
            if glow and depth < 1.2:
                col = mix(col, glow, 0.6)
            rows[y][x] = col + (int(255 * cover),)
    return rows


def text_veil(size=128, radius=20, feather=24, colour=(12, 16, 22), strength=0.8):
    """A dark, see-through panel laid under text that sits on a picture. The alpha rises from
    the rounded edge over `feather` pixels of the sheet (inside the 32-px border cells) and is
    even across the middle, so white text inside the border reads on any picture."""
    rows = canvas(size, size)
    for y in range(size):
        for x in range(size):
            d = rounded_box_distance(x + 0.5, y + 0.5, size, size, radius)
            a = strength * smooth(0.0, feather, -d)
            rows[y][x] = colour + (int(round(255 * a)),)
    return rows


def drop_shadow(size=128, radius=18):
    rows = canvas(size, size)
    for y in range(size):
        for x in range(size):
            d = rounded_box_distance(x + 0.5, y + 0.5, size, size, radius)
            a = clamp(-d / 22.0) ** 1.6  # soft falloff towards the edge
            rows[y][x] = (0, 0, 0, int(170 * a))
    return rows


# --- Icons --------------------------------------------------------------------------------

def disc(rows, cx, cy, r, colour, feather=1.0):
    h, w = len(rows), len(rows[0])
    for y in range(max(0, int(cy - r - 2)), min(h, int(cy + r + 3))):
        for x in range(max(0, int(cx - r - 2)), min(w, int(cx + r + 3))):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy) - r
            a = clamp(0.5 - d / feather)
            if a > 0:
                rows[y][x] = over(rows[y][x], colour[:3] + (int(colour[3] * a),))


def segment(rows, x1, y1, x2, y2, r, colour):
    h, w = len(rows), len(rows[0])
    dx, dy = x2 - x1, y2 - y1
    length2 = dx * dx + dy * dy or 1.0
    for y in range(max(0, int(min(y1, y2) - r - 2)), min(h, int(max(y1, y2) + r + 3))):
        for x in range(max(0, int(min(x1, x2) - r - 2)), min(w, int(max(x1, x2) + r + 3))):
            px, py = x + 0.5, y + 0.5
            t = clamp(((px - x1) * dx + (py - y1) * dy) / length2)
            d = math.hypot(px - (x1 + t * dx), py - (y1 + t * dy)) - r
            a = clamp(0.5 - d)
            if a > 0:
                rows[y][x] = over(rows[y][x], colour[:3] + (int(colour[3] * a),))


def round_button(base, hover, size=64):
    rows = canvas(size, size)
    c = size / 2
    disc(rows, c + 1.5, c + 2.5, c - 4, (0, 0, 0, 110), feather=3)  # soft shadow
    disc(rows, c, c, c - 4, (245, 240, 225, 255))
    inner = mix(base, (255, 255, 255), 0.25) if hover else base
    for y in range(size):
        for x in range(size):
            d = math.hypot(x + 0.5 - c, y + 0.5 - c) - (c - 7)
            a = clamp(0.5 - d)
            if a > 0:
                shade = mix(inner, mix(inner, (0, 0, 0), 0.35), (y / size))
                rows[y][x] = over(rows[y][x], shade + (int(255 * a),))
    return rows


def close_icon(hover):
    rows = round_button((176, 52, 44), hover)
    for a, b in (((20, 20), (44, 44)), ((44, 20), (20, 44))):
        segment(rows, a[0], a[1], b[0], b[1], 3.6, (255, 250, 240, 255))
    return rows


def help_icon(hover):
    rows = round_button((46, 98, 160), hover)
    # A question mark: an arc, a stem and a dot.
    for i in range(40):
        t = math.radians(200 + i * 7)
        x1, y1 = 32 + 9 * math.cos(t), 25 + 9 * math.sin(t)
        t2 = math.radians(200 + (i + 1) * 7)
        x2, y2 = 32 + 9 * math.cos(t2), 25 + 9 * math.sin(t2)
        if i < 36:
            segment(rows, x1, y1, x2, y2, 3.2, (255, 250, 240, 255))
    segment(rows, 32, 34, 32, 39, 3.2, (255, 250, 240, 255))
    disc(rows, 32, 47, 3.6, (255, 250, 240, 255))
    return rows


def arrow_icon(up, hover):
    rows = round_button((52, 120, 86), hover)
    # A bold chevron pointing up or down.
    tip, base = (22, 40) if up else (42, 24)
    segment(rows, 19, base, 32, tip, 4.0, (255, 250, 240, 255))
    segment(rows, 45, base, 32, tip, 4.0, (255, 250, 240, 255))
    return rows


def delete_icon(hover):
    rows = round_button((150, 60, 40), hover)
    ink = (255, 250, 240, 255)
    # A waste bin: lid with its handle, a tapered body and three ribs.
    segment(rows, 20, 22, 44, 22, 2.4, ink)
    segment(rows, 28, 18, 36, 18, 2.0, ink)
    segment(rows, 22, 26, 25, 46, 2.2, ink)
    segment(rows, 42, 26, 39, 46, 2.2, ink)
    segment(rows, 25, 46, 39, 46, 2.2, ink)
    for x in (28, 32, 36):
        segment(rows, x, 29, x, 42, 1.4, ink)
    return rows


def checkbox(checked):
    size = 64
    rows = canvas(size, size)
    for y in range(size):
        for x in range(size):
            d = rounded_box_distance(x + 0.5, y + 0.5, size, size, 12) + 4
            if d > 0.5:
                continue
            a = clamp(0.5 - d)
            col = CREAM if -d > 6 else mix(GREEN_DARK, GREEN, -d / 6)
            rows[y][x] = col + (int(255 * a),)
    if checked:
        rows = canvas(size, size)  # the tick alone: drawn over the box
        pts = [(16, 34), (27, 46), (49, 18)]
        segment(rows, *pts[0], *pts[1], 5, (30, 130, 60, 255))
        segment(rows, *pts[1], *pts[2], 5, (30, 130, 60, 255))
    return rows


# --- Weather and effects ------------------------------------------------------------------

def sun(rows, cx, cy, r):
    for i in range(12):
        t = math.radians(i * 30)
        segment(rows, cx + (r + 4) * math.cos(t), cy + (r + 4) * math.sin(t),
                cx + (r + 11) * math.cos(t), cy + (r + 11) * math.sin(t), 2.2, (255, 196, 40, 255))
    disc(rows, cx, cy, r, (255, 176, 30, 255))
    disc(rows, cx - r * 0.25, cy - r * 0.25, r * 0.6, (255, 222, 90, 200), feather=4)


def cloud(rows, cx, cy, tone):
    shadow = mix(tone, (90, 100, 120), 0.45)
    for dx, dy, r in ((-12, 4, 10), (0, -4, 14), (13, 3, 11), (0, 8, 12)):
        disc(rows, cx + dx + 1, cy + dy + 2, r, shadow + (255,))
    for dx, dy, r in ((-12, 3, 10), (0, -5, 14), (13, 2, 11), (0, 7, 11)):
        disc(rows, cx + dx, cy + dy, r, tone + (255,))


def weather(kind):
    rows = canvas(64, 64)
    if kind == "sun":
        sun(rows, 32, 32, 14)
    elif kind == "cloudy":
        sun(rows, 40, 22, 9)
        cloud(rows, 28, 36, (236, 240, 246))
    elif kind == "rain":
        cloud(rows, 32, 26, (188, 196, 210))
        for x in (20, 30, 40, 48):
            segment(rows, x, 44, x - 4, 56, 1.8, (70, 140, 230, 255))
    elif kind == "snow":
        cloud(rows, 32, 26, (226, 232, 242))
        for x, y in ((20, 50), (32, 55), (44, 49), (26, 59), (40, 60)):
            disc(rows, x, y, 2.6, (255, 255, 255, 255))
            disc(rows, x, y, 1.2, (190, 210, 240, 255))
    elif kind == "fullmoon":
        disc(rows, 32, 32, 22, (60, 70, 110, 90), feather=8)  # glow
        disc(rows, 32, 32, 18, (238, 236, 218, 255))
        for x, y, r in ((26, 27, 4), (38, 36, 5), (30, 40, 2.5), (39, 24, 2)):
            disc(rows, x, y, r, (206, 202, 184, 255))
    return rows


def blot(seed, size, colour, spots, ring=False):
    rng = random.Random(seed)
    rows = canvas(size, size)
    c = size / 2
    for _ in range(spots):
        a = rng.random() * math.tau
        dist = rng.random() * size * 0.25
        r = size * (0.08 + rng.random() * 0.16)
        disc(rows, c + dist * math.cos(a), c + dist * math.sin(a), r,
             colour[:3] + (int(colour[3] * (0.5 + rng.random() * 0.5)),), feather=3)
    if ring:  # a coffee ring: darker rim
        for y in range(size):
            for x in range(size):
                d = abs(math.hypot(x + 0.5 - c, y + 0.5 - c) - size * 0.36)
                a = clamp(1 - d / 3.0) * 0.8
                if a > 0:
                    rows[y][x] = over(rows[y][x], (92, 56, 24, int(200 * a)))
    return rows


def dirt_corner(right):
    """Grime gathered in a window's top corner, fading out towards the middle."""
    size = 128
    rng = random.Random(7 if right else 3)
    rows = canvas(size, size)
    for _ in range(70):
        x = rng.random() ** 1.8 * size * 0.8
        y = rng.random() ** 1.8 * size * 0.8
        if right:
            x = size - x
        disc(rows, x, y, 2 + rng.random() * 7, (62, 48, 30, int(60 + rng.random() * 90)), feather=3)
    for y in range(size):  # a web strand across the corner
        x = y * 0.9 + 8
        if right:
            x = size - x
        if 0 <= int(x) < size and y < 90:
            rows[y][int(x)] = over(rows[y][int(x)], (200, 200, 200, 70))
    return rows


def icicle():
    w, h = 16, 64
    rows = canvas(w, h)
    for y in range(h):
        half = (w / 2 - 1) * (1 - y / h) ** 1.2
        for x in range(w):
            d = abs(x + 0.5 - w / 2) - half
            a = clamp(0.5 - d)
            if a > 0:
                col = mix((250, 254, 255), (170, 205, 235), abs(x + 0.5 - w / 2) / (half + 0.5))
                rows[y][x] = col + (int(230 * a),)
    return rows


def raindrop():
    rows = canvas(8, 32)
    segment(rows, 4, 2, 4, 28, 1.5, (190, 215, 255, 200))
    return rows


def rainsplash():
    rows = canvas(32, 16)
    for i in range(7):
        t = math.radians(200 + i * 23)
        segment(rows, 16, 14, 16 + 12 * math.cos(t), 14 + 10 * math.sin(t), 1.0, (200, 225, 255, 180))
    return rows


def snowflake():
    rows = canvas(32, 32)
    for i in range(6):
        t = math.radians(i * 60)
        segment(rows, 16, 16, 16 + 13 * math.cos(t), 16 + 13 * math.sin(t), 1.4, (255, 255, 255, 240))
        for s in (0.55,):
            bx, by = 16 + 13 * s * math.cos(t), 16 + 13 * s * math.sin(t)
            for side in (-1, 1):
                u = t + side * math.radians(40)
                segment(rows, bx, by, bx + 5 * math.cos(u), by + 5 * math.sin(u), 1.1, (255, 255, 255, 220))
    return rows


def postit():
    size = 128
    rows = canvas(size, size)
    for y in range(size):
        for x in range(size):
            d = rounded_box_distance(x + 0.5, y + 0.5, size, size, 4) + 3
            if d > 0.5:
                continue
            col = mix((255, 238, 120), (246, 214, 80), y / size)
            if y < 18:
                col = mix(col, (230, 196, 60), 0.4)
            rows[y][x] = col + (int(255 * clamp(0.5 - d)),)
    return rows


def relationship(width=22, length=100):
    """The band of a friendship: a soft, pale stripe running the picture's length (it is
    stretched between two points and rotated along the line), brightest along its middle."""
    rows = canvas(width, length)
    half = width / 2.0
    for y in range(length):
        for x in range(width):
            d = abs(x + 0.5 - half) / half  # 0 in the middle, 1 at the edges
            a = clamp(1.0 - d) ** 0.8
            col = mix((255, 214, 170), (255, 250, 240), 1.0 - d)
            rows[y][x] = col + (int(255 * a),)
    return rows


def pawprint():
    rows = canvas(64, 64)
    col = (70, 54, 40, 200)
    disc(rows, 32, 40, 11, col, feather=2)
    for x, y in ((18, 24), (27, 15), (37, 15), (46, 24)):
        disc(rows, x, y, 5, col, feather=2)
    return rows


def split_strip():
    rows = canvas(128, 4)
    tones = [(20, 40, 32), (120, 170, 140), (60, 110, 86), (16, 30, 24)]
    for y in range(4):
        for x in range(128):
            rows[y][x] = tones[y] + (255,)
    return rows


def textures():
    t = {}
    t["window_green.dds"] = frame_sheet(GREEN_DARK, GREEN, GREEN, GREEN_LIGHT, glow=(150, 210, 170))
    t["window_rich.dds"] = frame_sheet(RICH_DARK, RICH, RICH, GOLD, glow=(255, 226, 150))
    t["window_light.dds"] = frame_sheet((40, 60, 54), PANEL, PANEL, (150, 176, 160), radius=10)
    t["window_light_rich.dds"] = frame_sheet((70, 48, 38), PANEL_RICH, PANEL_RICH, GOLD, radius=10)
    t["window_shadow.dds"] = frame_sheet((28, 34, 40), SLATE, SLATE, (90, 100, 110), radius=10)
    t["window_black.dds"] = frame_sheet(INK, (34, 34, 40), (34, 34, 40), (110, 110, 120), radius=10)
    # The change pop-ups' boxes: deep enough that their white numbers read at 85 % opacity.
    t["frame_greenfill.dds"] = frame_sheet((16, 64, 34), (30, 104, 56), (30, 104, 56), (110, 190, 130), radius=8)
    t["frame_redfill.dds"] = frame_sheet((84, 14, 14), (146, 32, 28), (146, 32, 28), (220, 120, 100), radius=8)
    # Lighter than the button it lights up, yet dark enough for its white label.
    t["textbutton_highlight.dds"] = frame_sheet((30, 92, 64), (48, 124, 88), (48, 124, 88), (170, 236, 196), radius=12)
    t["window_help.dds"] = frame_sheet((40, 70, 120), (70, 110, 170), (70, 110, 170), (170, 200, 240), radius=12)
    # A deep amber: the hint's white text must read on it whatever lies behind.
    t["window_hint.dds"] = frame_sheet((64, 44, 10), (112, 78, 20), (112, 78, 20), (236, 196, 110))
    # The tutorial's step window: a deep blue under white text, rimmed in the highlight's colour.
    t["window_tutorial.dds"] = frame_sheet((24, 30, 70), (40, 52, 110), (40, 52, 110), (160, 176, 230), radius=12)
    t["window_dropshadow.dds"] = drop_shadow()
    t["text_veil.dds"] = text_veil()
    t["gui_close_icon.dds"] = close_icon(False)
    t["gui_close_icon_h.dds"] = close_icon(True)
    t["gui_helpbutton.dds"] = help_icon(False)
    t["gui_helpbutton_h.dds"] = help_icon(True)
    t["up.dds"] = arrow_icon(True, False)
    t["up_h.dds"] = arrow_icon(True, True)
    t["down.dds"] = arrow_icon(False, False)
    t["down_h.dds"] = arrow_icon(False, True)
    t["delete.dds"] = delete_icon(False)
    t["gui_checkbox.dds"] = checkbox(False)
    t["gui_checkbox_checked.dds"] = checkbox(True)
    for kind in ("sun", "cloudy", "rain", "snow", "fullmoon"):
        t[f"weather_{kind}.dds"] = weather(kind)
    t["dirt.dds"] = blot(11, 64, (70, 54, 32, 200), 9)
    t["coffeestain.dds"] = blot(23, 64, (120, 76, 36, 90), 3, ring=True)
    t["pawprint.dds"] = pawprint()
    t["relationship.dds"] = relationship()
    t["dirt_topleft.dds"] = dirt_corner(False)
    t["dirt_topright.dds"] = dirt_corner(True)
    t["ice.dds"] = icicle()
    t["raindrop.dds"] = raindrop()
    t["rainsplash.dds"] = rainsplash()
    t["snowflake.dds"] = snowflake()
    t["postit.dds"] = postit()
    t["window_split.bmp"] = split_strip()
    return t


def write_textures(made):
    """Writes named pictures (.bmp or .dds by name) into the folder given on the command line,
    by default the game's GUI textures; every GUI art tool ends here."""
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "bitmaps", "gui")
    os.makedirs(out, exist_ok=True)
    for name, rows in made.items():
        data = bmp_bytes(rows) if name.endswith(".bmp") else dds_bytes(rows)
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    print(f"wrote {len(made)} textures to {out}")


def main():
    write_textures(textures())


if __name__ == "__main__":
    main()
