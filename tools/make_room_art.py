#!/usr/bin/env python3
"""Draws the pictures of the main scene and the front end and writes them to data/bitmaps/room:
the player's room (the picture behind the portrait of a player who has not chosen an avatar
yet), the sky for each weather, the light veil, the rusty bands, the loading picture, the main
menu background, the default portrait strip, the cursor, the wine glass, the bowling ball and
the progress bar. Deterministic (a fixed seed). Needs the standard library; JPEG files are
encoded through the FreeImage library the game itself links (loaded with ctypes).

    python3 tools/make_room_art.py [output folder]
"""
import ctypes
import ctypes.util
import math
import os
import random
import struct
import sys

OUT_DEFAULT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "bitmaps", "room")


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    t = clamp(t)
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


class Canvas:
    """RGBA floats (0..255 colour, 0..1 alpha), row-major, origin top-left."""

    def __init__(self, w, h, colour=(0, 0, 0), alpha=1.0):
        self.w, self.h = w, h
        self.px = [[colour[0], colour[1], colour[2], alpha] for _ in range(w * h)]

    def blend(self, x, y, colour, a):
        if a <= 0 or x < 0 or y < 0 or x >= self.w or y >= self.h:
            return
        p = self.px[y * self.w + x]
        da = p[3]
        oa = a + da * (1 - a)
        for i in range(3):
            p[i] = (colour[i] * a + p[i] * da * (1 - a)) / oa if oa > 0 else 0
        p[3] = oa

    def clear_rect(self, x0, y0, x1, y1):
        """Makes a rectangle fully transparent (window panes)."""
        for y in range(max(0, int(y0)), min(self.h, int(y1))):
            for x in range(max(0, int(x0)), min(self.w, int(x1))):
                self.px[y * self.w + x] = [0, 0, 0, 0.0]

    def fill(self, shader, x0=0, y0=0, x1=None, y1=None):
        """shader(x, y) -> None or (colour, alpha) over the box."""
        x1 = self.w if x1 is None else x1
        y1 = self.h if y1 is None else y1
        for y in range(max(0, int(y0)), min(self.h, int(math.ceil(y1)))):
            for x in range(max(0, int(x0)), min(self.w, int(math.ceil(x1)))):
                r = shader(x + 0.5, y + 0.5)
                if r:
                    self.blend(x, y, r[0], r[1])

    def poly(self, pts, colour, alpha=1.0, shade=None):
        """A filled polygon (even-odd), optionally shaded per pixel: shade(x, y) -> colour."""
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        n = len(pts)
        for y in range(max(0, int(min(ys))), min(self.h, int(math.ceil(max(ys))))):
            cy = y + 0.5
            cuts = []
            for i in range(n):
                (ax, ay), (bx, by) = pts[i], pts[(i + 1) % n]
                if (ay <= cy < by) or (by <= cy < ay):
                    cuts.append(ax + (cy - ay) * (bx - ax) / (by - ay))
            cuts.sort()
            for k in range(0, len(cuts) - 1, 2):
                for x in range(max(0, int(round(cuts[k]))), min(self.w, int(round(cuts[k + 1])))):
                    self.blend(x, y, shade(x + 0.5, cy) if shade else colour, alpha)

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        self.poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], colour, alpha)

    def disc(self, cx, cy, r, colour, alpha=1.0, shade=None):
        def s(x, y):
            d = math.hypot(x - cx, y - cy)
            if d > r + 0.5:
                return None
            return (shade(x, y) if shade else colour), alpha * clamp(r + 0.5 - d)
        self.fill(s, cx - r - 1, cy - r - 1, cx + r + 2, cy + r + 2)

    def rgba_rows(self):
        for y in range(self.h):
            row = self.px[y * self.w:(y + 1) * self.w]
            yield [(int(round(clamp(p[0], 0, 255))), int(round(clamp(p[1], 0, 255))),
                    int(round(clamp(p[2], 0, 255))), int(round(clamp(p[3]) * 255))) for p in row]


# --- Writers --------------------------------------------------------------------------------

def write_dds(path, canvas):
    w, h = canvas.w, canvas.h
    header = struct.pack("<4s7I44x", b"DDS ", 124, 0x1 | 0x2 | 0x4 | 0x8 | 0x1000, h, w, w * 4, 0, 0)
    fmt = struct.pack("<8I", 32, 0x41, 0, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    caps = struct.pack("<5I", 0x1000, 0, 0, 0, 0)
    body = bytearray()
    for row in canvas.rgba_rows():
        for r, g, b, a in row:
            body += bytes((b, g, r, a))
    with open(path, "wb") as f:
        f.write(header + fmt + caps + bytes(body))


def write_bmp(path, canvas):
    w, h = canvas.w, canvas.h
    pad = (4 - w * 3 % 4) % 4
    rows = list(canvas.rgba_rows())
    body = bytearray()
    for row in reversed(rows):
        for r, g, b, _ in row:
            body += bytes((b, g, r))
        body += b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + bytes(body))


_freeimage = None


def write_jpeg(path, canvas, quality=90):
    global _freeimage
    if _freeimage is None:
        name = ctypes.util.find_library("freeimage") or "libfreeimage.so.3"
        _freeimage = ctypes.CDLL(name)
        _freeimage.FreeImage_ConvertFromRawBits.restype = ctypes.c_void_p
        _freeimage.FreeImage_ConvertFromRawBits.argtypes = [
            ctypes.c_char_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
            ctypes.c_uint, ctypes.c_uint, ctypes.c_uint, ctypes.c_int]
        _freeimage.FreeImage_Save.argtypes = [ctypes.c_int, ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        _freeimage.FreeImage_Unload.argtypes = [ctypes.c_void_p]
    w, h = canvas.w, canvas.h
    pitch = (w * 3 + 3) // 4 * 4
    raw = bytearray()
    for row in canvas.rgba_rows():  # top-down rows, B G R bytes
        line = bytearray()
        for r, g, b, _ in row:
            line += bytes((b, g, r))
        raw += line + b"\0" * (pitch - len(line))
    dib = _freeimage.FreeImage_ConvertFromRawBits(bytes(raw), w, h, pitch, 24, 0xFF0000, 0x00FF00, 0x0000FF, 1)
    if not dib:
        raise RuntimeError("FreeImage could not take the pixels")
    FIF_JPEG = 2
    ok = _freeimage.FreeImage_Save(FIF_JPEG, dib, path.encode(), quality)
    _freeimage.FreeImage_Unload(dib)
    if not ok:
        raise RuntimeError("FreeImage could not write " + path)


# --- Skies ----------------------------------------------------------------------------------

def skyline(c, rng, base, colour, lit):
    """Rooftops and chimneys along the bottom of a sky picture, some windows lit."""
    x = 0
    while x < c.w:
        bw = rng.randint(30, 80)
        bh = rng.randint(30, 90)
        top = base - bh
        c.rect(x, top, x + bw, c.h, colour)
        if rng.random() < 0.5:
            c.poly([(x - 4, top), (x + bw / 2, top - rng.randint(10, 22)), (x + bw + 4, top)], colour)
        if rng.random() < 0.6:
            cx = x + rng.randint(6, max(7, bw - 12))
            c.rect(cx, top - 18, cx + 7, top, colour)
        for wy in range(int(top) + 8, c.h - 6, 14):
            for wx in range(x + 5, x + bw - 8, 12):
                if lit and rng.random() < lit:
                    c.rect(wx, wy, wx + 5, wy + 7, (250, 214, 130), 0.9)
        x += bw + rng.randint(0, 6)


def sky(kind):
    w, h = 512, 256
    rng = random.Random({"sun": 11, "cloud": 12, "rain": 13}[kind])
    if kind == "sun":
        top, bottom = (70, 140, 225), (190, 225, 250)
    elif kind == "cloud":
        top, bottom = (130, 145, 165), (200, 205, 212)
    else:
        top, bottom = (88, 96, 110), (150, 156, 166)
    c = Canvas(w, h)
    c.fill(lambda x, y: (mix(top, bottom, y / h), 1.0))
    if kind == "sun":
        c.disc(400, 60, 60, (255, 245, 200), 0.25)
        c.disc(400, 60, 26, (255, 250, 225))
    puffs = {"sun": 5, "cloud": 26, "rain": 34}[kind]
    tint = {"sun": (255, 255, 255), "cloud": (232, 235, 240), "rain": (120, 126, 138)}[kind]
    for _ in range(puffs):
        cx, cy = rng.uniform(-20, w + 20), rng.uniform(10, 140)
        for _ in range(6):
            c.disc(cx + rng.uniform(-40, 40), cy + rng.uniform(-10, 10), rng.uniform(14, 30), tint,
                   0.55 if kind != "sun" else 0.8)
    if kind == "rain":
        for _ in range(900):
            x, y = rng.uniform(0, w), rng.uniform(0, h)
            for k in range(8):
                c.blend(int(x + k * 0.3), int(y + k), (200, 205, 215), 0.35)
    city = {"sun": (96, 104, 120), "cloud": (92, 96, 106), "rain": (66, 70, 80)}[kind]
    skyline(c, rng, 225, city, {"sun": 0.0, "cloud": 0.08, "rain": 0.25}[kind])
    calm_behind_walls(c, lambda y: mix(top, bottom, y / h))
    return c


# --- Where the room falls on the sky --------------------------------------------------------

# The game stretches the sky over W x (H - 167), centred on the screen, and draws the room over
# it as a square of side (H - 167) x 1.28 whose left edge is at x 0 and whose bottom is at
# H - 88, at a fixed alpha of 206: a fifth of whatever lies behind the room's walls shows
# through them. So the sky is only bright where the room is open (the window panes and the
# open right-hand view); behind the walls it is a calm tone close to the room's own.
LAYOUTS = ((1024, 768), (800, 600))  # the first is the main one: the sky is fitted to it
OPEN_FEATHER = 6.0   # sky pixels over which the bright sky eases into the calm tone
OPEN_MARGIN = 2.0    # bright sky reaches this far under the frames around an opening
CALM_BLUR = 10       # radius (sky pixels) of the blur that turns the room into the calm tone


def room_to_sky(layout, rx, ry, sky_w=512, sky_h=256):
    """Where the room pixel (rx, ry) falls on the sky picture in a W x H layout."""
    w, h = layout
    view = h - 167
    side = view * 1.28
    x = rx * side / ROOM
    y = h - 88 - side + ry * side / ROOM
    return x / w * sky_w, (y - (h - view) / 2) / view * sky_h


def sky_to_room(layout, u, v, sky_w=512, sky_h=256):
    w, h = layout
    view = h - 167
    side = view * 1.28
    x = u / sky_w * w
    y = v / sky_h * view + (h - view) / 2
    return x * ROOM / side, (y - (h - 88 - side)) * ROOM / side


def sky_openings(sky_w=512, sky_h=256):
    """Boxes of the sky (u0, v0, u1, v1) seen through the room: the first list in the main
    layout, the second in any of them."""
    main, some = [], []
    for x0, y0, x1, y1 in (PANES, OPENING):
        per = []
        for l in LAYOUTS:
            (u0, v0), (u1, v1) = room_to_sky(l, x0, y0, sky_w, sky_h), room_to_sky(l, x1, y1, sky_w, sky_h)
            per.append((u0 - OPEN_MARGIN, v0 - OPEN_MARGIN, u1 + OPEN_MARGIN, v1 + OPEN_MARGIN))
        main.append(per[0])
        some.append((min(b[0] for b in per), min(b[1] for b in per), max(b[2] for b in per), max(b[3] for b in per)))
    # Right of the room the sky shows whole; the room ends soonest at the narrowest layout.
    ends = [room_to_sky(l, ROOM, 0, sky_w, sky_h)[0] for l in LAYOUTS]
    main.append((ends[0], -1e9, 1e9, 1e9))
    some.append((min(ends), -1e9, 1e9, 1e9))
    return main, some


_room_cache = None


def room_once():
    global _room_cache
    if _room_cache is None:
        _room_cache = room()
    return _room_cache


def calm_tone(w, h):
    """The room as it falls on the sky in the main layout, blurred so that it never shows
    edges of its own: alpha-weighted, so the transparent openings do not darken it."""
    r = room_once()
    acc = []
    for v in range(h):
        for u in range(w):
            rx, ry = sky_to_room(LAYOUTS[0], u + 0.5, v + 0.5, w, h)
            ix, iy = int(rx), int(ry)
            if 0 <= ix < ROOM and 0 <= iy < ROOM:
                p = r.px[iy * ROOM + ix]
                acc.append([p[0] * p[3], p[1] * p[3], p[2] * p[3], p[3]])
            else:
                acc.append([0.0, 0.0, 0.0, 0.0])

    def box_blur(data, step, count, stride, lines):
        # Running sums along lines of `count` samples, `step` apart, one line per `stride`.
        for line in range(lines):
            base = line * stride
            src = [data[base + k * step] for k in range(count)]
            total = [0.0] * 4
            for k in range(-CALM_BLUR, CALM_BLUR + 1):
                if 0 <= k < count:
                    total = [total[i] + src[k][i] for i in range(4)]
            for k in range(count):
                data[base + k * step] = list(total)
                out_k, in_k = k - CALM_BLUR, k + CALM_BLUR + 1
                if 0 <= out_k < count:
                    total = [total[i] - src[out_k][i] for i in range(4)]
                if in_k < count:
                    total = [total[i] + src[in_k][i] for i in range(4)]

    box_blur(acc, 1, w, w, h)      # along the rows
    box_blur(acc, w, h, 1, w)      # down the columns
    return [(p[0] / p[3], p[1] / p[3], p[2] / p[3]) if p[3] > 1e-6 else None for p in acc]


def calm_behind_walls(c, plain):
    """Keeps the bright sky only where the room opens onto it in the main layout; where it
    opens in another layout only (the openings sit a little differently at other screen
    shapes) the sky is its plain gradient, without clouds or sun; elsewhere it turns into a blurred,
    slightly weather-dimmed echo of the room, so nothing bright bleeds through the walls.
    plain(v) is the sky's gradient colour at row v."""
    main, some = sky_openings(c.w, c.h)
    calm = calm_tone(c.w, c.h)
    for v in range(c.h):
        for u in range(c.w):
            x, y = u + 0.5, v + 0.5
            full = max(smooth_box(x, y, b[0], b[1], b[2], b[3], OPEN_FEATHER) for b in main)
            if full >= 1.0:
                continue
            part = max(smooth_box(x, y, b[0], b[1], b[2], b[3], OPEN_FEATHER) for b in some)
            p = c.px[v * c.w + u]
            grey = 0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2]
            dim = (grey * 0.55,) * 3  # the weather, darkened and without colour
            tone = calm[v * c.w + u]
            tone = mix(tone, dim, 0.2) if tone else dim
            tone = mix(tone, plain(y), part)
            p[0], p[1], p[2] = mix(tone, p[:3], full)


# --- The room -------------------------------------------------------------------------------

# The room picture is a square; its lower edge meets the bottom band and the portrait stands
# to its right. One-point perspective: the vanishing point sits left of centre, a little above
# the middle, so the back wall with its window faces the player and the floor runs towards
# the viewer.
ROOM = 512
VP = (230.0, 250.0)
BACK = (110.0, 130.0, 380.0, 340.0)  # the back wall's rectangle
PANES = (170, 160, 320, 270)          # the back wall's window panes (transparent)
OPENING = (BACK[2] + 24, BACK[1] - 4, ROOM - 18, BACK[3] + 10)  # the open right-hand view

WALL = (206, 186, 150)
WALL_SIDE = (176, 154, 122)
CEILING = (226, 214, 192)
FLOOR_A = (128, 86, 52)
FLOOR_B = (112, 74, 44)
WOOD = (96, 60, 36)
WOOD_DARK = (66, 40, 24)
FABRIC = (70, 104, 120)
FABRIC_DARK = (50, 78, 92)
RUG = (150, 56, 50)
RUG_EDGE = (206, 170, 96)


def toward(p, t):
    """The point a fraction t of the way from p to the vanishing point."""
    return (p[0] + (VP[0] - p[0]) * t, p[1] + (VP[1] - p[1]) * t)


def room():
    c = Canvas(ROOM, ROOM, (0, 0, 0), 0.0)
    L, T, R, B = BACK
    # Ceiling, floor, left wall; the right side opens onto the big window the portrait stands in.
    c.poly([(0, 0), (ROOM, 0), (R, T), (L, T)], CEILING,
           shade=lambda x, y: mix(CEILING, (190, 178, 156), y / T))
    def floor(x, y):
        # Boards running towards the vanishing point, alternating in tone.
        t = (y - B) / (ROOM - B)
        u = (x - VP[0]) / max(1.0, (y - VP[1])) * 9
        board = int(math.floor(u)) % 2
        col = FLOOR_A if board else FLOOR_B
        return mix(col, (70, 46, 28), 0.35 * (1 - t))
    c.poly([(L, B), (R, B), (ROOM + 140, ROOM), (-40, ROOM)], FLOOR_A, shade=floor)
    c.poly([(0, 0), (L, T), (L, B), (0, ROOM)], WALL_SIDE,
           shade=lambda x, y: mix(WALL_SIDE, (150, 128, 100), 1 - x / L))
    # The back wall with a window of four panes (transparent: the sky shows through).
    c.rect(L, T, R, B, WALL)
    wx0, wy0, wx1, wy1 = PANES
    c.rect(wx0 - 8, wy0 - 8, wx1 + 8, wy1 + 12, (238, 234, 226))  # frame and sill
    c.rect(wx0 - 14, wy1 + 6, wx1 + 14, wy1 + 14, (226, 222, 212))
    c.clear_rect(wx0, wy0, wx1, wy1)
    c.rect((wx0 + wx1) / 2 - 3, wy0, (wx0 + wx1) / 2 + 3, wy1, (238, 234, 226))
    c.rect(wx0, (wy0 + wy1) / 2 - 3, wx1, (wy0 + wy1) / 2 + 3, (238, 234, 226))
    # Curtains either side of the window.
    for x0 in (wx0 - 34, wx1 + 8):
        c.poly([(x0, wy0 - 14), (x0 + 26, wy0 - 14), (x0 + 30, wy1 + 30), (x0 - 4, wy1 + 30)], (168, 66, 60),
               shade=lambda x, y: mix((168, 66, 60), (120, 40, 40), 0.5 + 0.5 * math.sin(x * 0.9)))
    # Skirting along the back wall.
    c.rect(L, B - 8, R, B, (236, 230, 218))
    # The right edge of the room: a wall pier, then open to the big window.
    c.poly([(R, T), (R + 24, T - 12), (R + 24, B + 10), (R, B)], WALL_SIDE)
    c.poly([(R + 24, T - 12), (ROOM, -60), (ROOM, 0), (R + 24, T - 4)], (236, 232, 222))
    c.rect(ROOM - 18, 0, ROOM, ROOM, (236, 232, 222))
    c.clear_rect(*OPENING)
    c.poly([(R + 24, B + 10), (ROOM - 18, B + 24), (ROOM - 18, B + 34), (R + 24, B + 18)], (226, 222, 212))
    # A picture on the left wall, drawn in perspective.
    c.poly([(30, 150), (80, 168), (80, 236), (30, 236)], WOOD_DARK)
    c.poly([(35, 158), (75, 172), (75, 230), (35, 230)], (90, 140, 170),
           shade=lambda x, y: mix((230, 190, 120), (80, 130, 160), (y - 158) / 70))
    # A bookshelf against the left wall.
    c.poly([(10, 250), (70, 262), (70, 420), (10, 450)], WOOD)
    for i in range(5):
        y0 = 262 + i * 32
        c.poly([(16, y0 - 8 + i * 1), (64, y0 + 2), (64, y0 + 6), (16, y0 - 3 + i)], WOOD_DARK)
        rng = random.Random(40 + i)
        x = 18
        while x < 60:
            bw = rng.randint(3, 6)
            col = rng.choice([(150, 50, 40), (50, 80, 130), (200, 170, 80), (60, 110, 70), (220, 220, 210)])
            top = y0 + 4 - rng.randint(14, 22) + (x - 16) * 0.2
            c.rect(x, top, x + bw, y0 + 6 + (x - 16) * 0.2, col)
            x += bw + 1
    # The rug, the sofa against the back wall and a low table.
    c.poly([(150, 380), (360, 380), (420, 470), (90, 470)], RUG_EDGE)
    c.poly([(158, 386), (352, 386), (408, 464), (102, 464)], RUG,
           shade=lambda x, y: mix(RUG, (120, 40, 40), 0.5 + 0.5 * math.sin(y * 0.25)))
    c.rect(140, 300, 350, 350, FABRIC_DARK)             # back
    c.rect(128, 330, 362, 372, FABRIC)                  # seat
    c.rect(120, 312, 142, 372, FABRIC_DARK)             # arms
    c.rect(348, 312, 370, 372, FABRIC_DARK)
    c.rect(152, 316, 240, 344, (92, 130, 146))          # cushions
    c.rect(250, 316, 338, 344, (92, 130, 146))
    c.rect(130, 372, 140, 382, WOOD_DARK)
    c.rect(350, 372, 360, 382, WOOD_DARK)
    c.poly([(190, 410), (320, 410), (336, 432), (174, 432)], WOOD)
    c.rect(178, 432, 332, 440, WOOD_DARK)
    c.rect(182, 440, 190, 462, WOOD_DARK)
    c.rect(320, 440, 328, 462, WOOD_DARK)
    c.disc(230, 414, 7, (236, 236, 236))                # a mug on the table
    c.rect(270, 408, 300, 416, (220, 214, 196))         # a paperback
    # A floor lamp and a plant by the window.
    c.rect(398, 210, 402, 392, (50, 50, 50))
    c.poly([(384, 190), (416, 190), (424, 214), (376, 214)], (240, 220, 170))
    c.disc(400, 206, 40, (255, 240, 190), 0.12)
    c.poly([(90, 320), (112, 320), (108, 348), (94, 348)], (170, 90, 60))
    rng = random.Random(7)
    for _ in range(14):
        a = rng.uniform(-2.6, -0.5)
        x0, y0 = 101, 322
        c.poly([(x0, y0), (x0 + math.cos(a) * 34 - 3, y0 + math.sin(a) * 34),
                (x0 + math.cos(a) * 34 + 3, y0 + math.sin(a) * 34)], (60, 120, 60))
    # Light from the window falling on the floor.
    c.poly([(wx0 - 10, B + 4), (wx1 + 10, B + 4), (wx1 + 70, ROOM), (wx0 - 50, ROOM)], (255, 240, 200), 0.10)
    return c


def veil():
    """A soft white glow, strongest in the middle: lifts the room a touch."""
    c = Canvas(64, 64, (255, 255, 255), 0.0)
    c.fill(lambda x, y: ((255, 255, 255), clamp(1.0 - math.hypot(x - 32, y - 32) / 45)))
    return c


def rusty():
    rng = random.Random(21)
    w, h = 256, 64
    c = Canvas(w, h, (120, 70, 40))
    grid = [[rng.random() for _ in range(w // 8 + 2)] for _ in range(h // 8 + 2)]
    def noise(x, y):
        gx, gy = x / 8, y / 8
        ix, iy = int(gx), int(gy)
        fx, fy = gx - ix, gy - iy
        a = grid[iy][ix] * (1 - fx) + grid[iy][ix + 1] * fx
        b = grid[iy + 1][ix] * (1 - fx) + grid[iy + 1][ix + 1] * fx
        return a * (1 - fy) + b * fy
    c.fill(lambda x, y: (mix((150, 84, 40), (70, 40, 26), noise(x, y) * 0.8 + rng.random() * 0.2), 1.0))
    for _ in range(40):
        x = rng.uniform(0, w)
        for y in range(h):
            c.blend(int(x + math.sin(y * 0.2) * 1.5), y, (60, 34, 22), 0.25)
    return c


# --- Front-end pictures ----------------------------------------------------------------------

def scaled_room_view(w, h, seed, dusk):
    """The loading picture and the menu background: the room seen at dusk or by day."""
    c = Canvas(w, h)
    top, bottom = ((40, 50, 96), (232, 140, 92)) if dusk else ((90, 150, 220), (200, 226, 246))
    c.fill(lambda x, y: (mix(top, bottom, y / (h * 0.75)), 1.0))
    rng = random.Random(seed)
    skyline(c, rng, int(h * 0.72), (40, 36, 52) if dusk else (90, 100, 118), 0.35 if dusk else 0.0)
    c.rect(0, int(h * 0.72), w, h, (34, 30, 40) if dusk else (86, 92, 104))
    # Draw the room over it, scaled to the height, left-aligned.
    r = room()
    scale = h / ROOM
    for y in range(h):
        sy = min(ROOM - 1, int(y / scale))
        for x in range(min(w, int(ROOM * scale))):
            sx = min(ROOM - 1, int(x / scale))
            p = r.px[sy * ROOM + sx]
            if p[3] > 0:
                shade = 0.72 if dusk else 1.0
                c.blend(x, y, (p[0] * shade, p[1] * shade, p[2] * shade), p[3])
    return c


def menu_background():
    w, h = 1024, 768
    c = scaled_room_view(w, h, 31, dusk=True)
    # A quiet panel behind the button column (x 600..780 at the bottom half).
    c.fill(lambda x, y: ((20, 28, 36), 0.55 * smooth_box(x, y, 580, h - 500, 800, h - 170, 18)),
           560, h - 520, 820, h - 150)
    return c


def smooth_box(x, y, x0, y0, x1, y1, feather):
    dx = max(x0 - x, 0, x - x1)
    dy = max(y0 - y, 0, y - y1)
    return clamp(1 - math.hypot(dx, dy) / feather)


def loadscreen():
    c = scaled_room_view(1024, 768, 32, dusk=False)
    c.rect(0, 768 - 60, 1024, 768, (20, 24, 30), 0.8)  # under the progress bar
    return c


# --- Small sprites ---------------------------------------------------------------------------

def portrait_strip():
    """The default portrait: a figure in three moods (content, neutral, glum), side by side."""
    cw, h = 128, 512
    c = Canvas(cw * 3, h, (0, 0, 0), 0.0)
    for mood in range(3):
        ox = mood * cw
        skin, shirt, trousers = (232, 190, 160), [(70, 120, 170), (90, 110, 130), (90, 90, 100)][mood], (50, 56, 72)
        cx = ox + 64
        c.disc(cx, 70, 34, skin)                                   # head
        c.poly([(cx - 34, 60), (cx - 30, 36), (cx, 28), (cx + 30, 36), (cx + 34, 60), (cx + 28, 48), (cx - 28, 48)], (80, 56, 40))
        c.rect(cx - 10, 100, cx + 10, 116, skin)                   # neck
        c.poly([(cx - 44, 116), (cx + 44, 116), (cx + 40, 270), (cx - 40, 270)], shirt)
        c.poly([(cx - 44, 118), (cx - 60, 250), (cx - 46, 254), (cx - 34, 140)], shirt)
        c.poly([(cx + 44, 118), (cx + 60, 250), (cx + 46, 254), (cx + 34, 140)], shirt)
        c.disc(cx - 54, 258, 8, skin)
        c.disc(cx + 54, 258, 8, skin)
        c.poly([(cx - 40, 270), (cx + 40, 270), (cx + 36, 490), (cx + 6, 490), (cx, 300), (cx - 6, 490), (cx - 36, 490)], trousers)
        c.rect(cx - 40, 488, cx - 4, 500, (30, 30, 30))
        c.rect(cx + 4, 488, cx + 40, 500, (30, 30, 30))
        c.disc(cx - 12, 66, 3, (40, 40, 40))                       # eyes
        c.disc(cx + 12, 66, 3, (40, 40, 40))
        for i in range(-10, 11):                                    # the mouth by mood
            curve = [3, 0, -3][mood] * (1 - (i / 10) ** 2)
            c.disc(cx + i, 86 + curve, 1.4, (120, 50, 50))
    return c


def cursor():
    c = Canvas(64, 64, (0, 0, 0), 0.0)
    tip = [(2, 2), (2, 46), (13, 36), (21, 56), (29, 52), (21, 33), (36, 33)]
    c.poly([(x + 2, y + 2) for x, y in tip], (0, 0, 0), 0.35)      # shadow
    c.poly(tip, (20, 20, 24))
    c.poly([(5, 9), (5, 39), (13, 31), (21, 50), (25, 48), (17, 29), (29, 29)], (250, 250, 250))
    return c


def wine_glass():
    c = Canvas(64, 64, (0, 0, 0), 0.0)
    c.poly([(20, 6), (44, 6), (42, 26), (32, 34), (22, 26)], (230, 236, 240), 0.45)
    c.poly([(22, 14), (42, 14), (41, 25), (32, 32), (23, 25)], (130, 20, 40), 0.9)
    c.rect(31, 33, 33, 52, (230, 236, 240), 0.7)
    c.poly([(22, 52), (42, 52), (44, 56), (20, 56)], (230, 236, 240), 0.7)
    return c


def bowling_ball():
    c = Canvas(64, 64, (0, 0, 0), 0.0)
    c.disc(32, 32, 28, (30, 40, 110),
           shade=lambda x, y: mix((90, 110, 200), (20, 24, 70), math.hypot(x - 22, y - 22) / 40))
    for hx, hy in ((26, 20), (36, 20), (31, 30)):
        c.disc(hx, hy, 3.5, (10, 10, 20))
    return c


def progress_bar():
    c = Canvas(64, 16)
    c.fill(lambda x, y: (mix((120, 200, 140), (40, 120, 70), y / 16), 1.0))
    return c


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else OUT_DEFAULT
    os.makedirs(out, exist_ok=True)
    jobs = [
        ("composite_sun.jpg", write_jpeg, lambda: sky("sun")),
        ("composite_cloud.jpg", write_jpeg, lambda: sky("cloud")),
        ("composite_rain.jpg", write_jpeg, lambda: sky("rain")),
        ("composite_back2.dds", write_dds, veil),
        ("notset_background.dds", write_dds, room),
        ("rusty.jpg", write_jpeg, rusty),
        ("loadscreen.jpg", write_jpeg, loadscreen),
        ("background_main.jpg", write_jpeg, menu_background),
        ("notset.dds", write_dds, portrait_strip),
        ("cursor.dds", write_dds, cursor),
        ("wine.dds", write_dds, wine_glass),
        ("bowlingball.dds", write_dds, bowling_ball),
        ("progbar.bmp", write_bmp, progress_bar),
    ]
    for name, writer, make in jobs:
        writer(os.path.join(out, name), make())
        print(name)


if __name__ == "__main__":
    main()
