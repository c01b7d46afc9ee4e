#!/usr/bin/env python3
"""Draws the people's portrait pictures from code.

Every portrait is a head-and-shoulders picture built from simple shapes: head shape, skin tone,
hair style and colour, eyes, brows, mouth and clothing all vary with a per-picture seed, so the
same command always makes the same files. Each portrait X.dds gets a grey twin X_grey.dds (the
picture shown for people not met yet), and the player's stand-in picture "mystery.dds" is a
plain silhouette.

Files are uncompressed 32-bit A8R8G8B8 DDS textures.

Usage: make_portraits.py [output bitmaps folder] [count per gender]
"""
import math
import os
import random
import struct
import sys

SIZE = 48
SAMPLES = 2  # supersampling per axis

SKIN = [(255, 224, 196), (241, 194, 161), (224, 172, 130), (198, 134, 96), (160, 102, 66),
        (120, 76, 48), (92, 58, 38), (250, 210, 180)]
HAIR = [(30, 22, 18), (70, 44, 26), (120, 80, 40), (196, 150, 80), (230, 200, 120),
        (160, 60, 30), (120, 120, 120), (220, 220, 220), (50, 40, 70)]
CLOTHES = [(40, 70, 140), (140, 40, 50), (40, 110, 60), (90, 90, 100), (200, 160, 40),
           (110, 50, 130), (20, 20, 30), (220, 220, 225), (180, 90, 40), (60, 140, 150)]
BACKGROUND = [(200, 214, 230), (222, 214, 196), (206, 226, 206), (232, 206, 206),
              (214, 206, 232), (230, 230, 210)]
EYES = [(60, 90, 140), (70, 50, 30), (60, 110, 70), (40, 30, 20)]


def dds_bytes(pixels, width, height):
    """An uncompressed A8R8G8B8 DDS file from rows of (r, g, b, a) tuples."""
    flags = 0x1 | 0x2 | 0x4 | 0x8 | 0x1000  # caps, height, width, pitch, pixel format
    header = struct.pack("<4s7I44x", b"DDS ", 124, flags, height, width, width * 4, 0, 0)
    pixel_format = struct.pack("<8I", 32, 0x41, 0, 32, 0x00FF0000, 0x0000FF00, 0x000000FF,
                               0xFF000000)
    caps = struct.pack("<5I", 0x1000, 0, 0, 0, 0)
    body = bytearray()
    for row in pixels:
        for r, g, b, a in row:
            body += bytes((b, g, r, a))
    return header + pixel_format + caps + bytes(body)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def shade(colour, factor):
    return tuple(max(0, min(255, int(c * factor))) for c in colour)


class Face:
    """The random choices of one portrait."""

    def __init__(self, rng, female):
        self.female = female
        self.skin = rng.choice(SKIN)
        self.hair = rng.choice(HAIR)
        self.clothes = rng.choice(CLOTHES)
        self.background = rng.choice(BACKGROUND)
        self.eye = rng.choice(EYES)
        self.head_w = rng.uniform(0.19, 0.25)
        self.head_h = rng.uniform(0.25, 0.30)
        self.jaw = rng.uniform(0.75, 1.15)  # narrower or wider chin
        self.head_y = rng.uniform(0.43, 0.47)
        self.eye_gap = rng.uniform(0.075, 0.10)
        self.eye_size = rng.uniform(0.018, 0.028)
        self.mouth_w = rng.uniform(0.05, 0.09)
        self.smile = rng.uniform(-0.01, 0.03)
        self.brow_tilt = rng.uniform(-0.02, 0.02)
        self.collar = rng.choice(["round", "vee", "shirt"])
        if female:
            self.hair_style = rng.choice(["long", "bob", "bun", "long", "curly"])
            self.beard = False
        else:
            self.hair_style = rng.choice(["short", "short", "bald", "spiky", "side", "curly"])
            self.beard = rng.random() < 0.3
        self.glasses = rng.random() < 0.2
        self.lips = shade(self.skin, 0.75) if not female else mix(self.skin, (190, 60, 80), 0.55)

    def colour_at(self, x, y):
        """The colour of one sample point; x and y run 0..1 from the top left."""
        cx, cy = 0.5, self.head_y
        dx, dy = x - cx, y - cy
        # Head: an ellipse whose lower half is scaled by the jaw.
        hw = self.head_w * (self.jaw if dy > 0 else 1.0)
        head = (dx / hw) ** 2 + (dy / self.head_h) ** 2 <= 1.0
        # Shoulders and clothing.
        shoulders = y > 0.78 and abs(dx) < 0.42 + (y - 0.78) * 0.8 and \
            (dx / 0.45) ** 2 + ((y - 1.05) / 0.3) ** 2 <= 1.0
        neck = abs(dx) < 0.075 and cy + self.head_h * 0.6 < y < 0.86
        colour = self.background
        # Long hair falls behind the shoulders.
        if self.hair_style in ("long", "curly") and self.female:
            if (dx / (self.head_w * 1.35)) ** 2 + ((y - cy - 0.08) / (self.head_h * 1.25)) ** 2 <= 1:
                colour = self.hair
        if shoulders:
            colour = self.clothes
            if self.collar == "vee" and abs(dx) < (y - 0.8) * 0.6:
                colour = self.skin
            elif self.collar == "shirt" and abs(dx) < 0.06 and y < 0.95:
                colour = (240, 240, 240)
            elif self.collar == "round" and abs(dx) < 0.08 and y < 0.83:
                colour = self.skin
        if neck:
            colour = shade(self.skin, 0.9)
        if head:
            colour = self.skin
            # Cheek shading towards the edge.
            edge = math.sqrt((dx / hw) ** 2 + (dy / self.head_h) ** 2)
            if edge > 0.8:
                colour = shade(self.skin, 0.93)
        hair = self.hair_at(x, y, dx, dy, hw)
        if hair:
            colour = self.hair
        if head and not hair:
            colour = self.features_at(dx, dy, colour)
        return colour

    def hair_at(self, x, y, dx, dy, hw):
        top = -self.head_h
        style = self.hair_style
        outer = (dx / (self.head_w * 1.1)) ** 2 + (dy / (self.head_h * 1.08)) ** 2 <= 1.0
        if style == "bald":
            return False
        if style == "spiky":
            spikes = dy < -self.head_h * 0.55 + 0.02 * math.sin(dx * 90)
            return outer and spikes
        if style == "side":
            return outer and (dy < -self.head_h * 0.5 + dx * 0.3)
        if style == "short":
            return outer and (dy < -self.head_h * 0.55 or (abs(dx) > hw * 0.9 and dy < -0.02))
        if style == "bun":
            bun = (dx ** 2 + (dy - top - 0.01) ** 2) <= 0.008
            return bun or (outer and dy < -self.head_h * 0.5)
        if style == "bob":
            side = abs(dx) > self.head_w * 0.8 and dy < self.head_h * 0.35
            return (outer or side and abs(dx) < self.head_w * 1.15) and \
                (dy < -self.head_h * 0.5 or abs(dx) > self.head_w * 0.8)
        if style == "curly":
            bumps = (dx / (self.head_w * 1.25)) ** 2 + (dy / (self.head_h * 1.15)) ** 2 <= \
                1.0 + 0.08 * math.sin(math.atan2(dy, dx) * 12)
            return bumps and (dy < -self.head_h * 0.45 or abs(dx) > self.head_w * 0.85)
        # long
        return outer and (dy < -self.head_h * 0.5 or abs(dx) > self.head_w * 0.82)

    def features_at(self, dx, dy, colour):
        ey = -self.head_h * 0.12
        for side in (-1, 1):
            ex = side * self.eye_gap
            d = math.hypot(dx - ex, (dy - ey) * 1.4)
            if d < self.eye_size * 1.5:
                colour = (250, 250, 250)
            if d < self.eye_size * 0.9:
                colour = self.eye
            if d < self.eye_size * 0.45:
                colour = (15, 15, 15)
            # Brow: a short slanted bar above the eye.
            by = ey - self.eye_size * 2.6 + side * (dx - ex) * self.brow_tilt * 10
            if abs(dx - ex) < self.eye_size * 2.0 and abs(dy - by) < 0.007:
                colour = shade(self.hair, 0.8)
            if self.glasses and abs(d - self.eye_size * 2.2) < 0.006:
                colour = (30, 30, 30)
        if self.glasses and abs(dy - ey) < 0.004 and abs(dx) < self.eye_gap - self.eye_size * 2:
            colour = (30, 30, 30)
        # Nose: a small shadow.
        if abs(dx) < 0.012 and ey + 0.02 < dy < ey + 0.09:
            colour = shade(colour, 0.9)
        # Mouth: a curve that smiles or frowns.
        my = self.head_h * 0.45
        curve = my + self.smile * (1 - (dx / self.mouth_w) ** 2)
        if abs(dx) < self.mouth_w and abs(dy - curve) < 0.011:
            colour = self.lips
        if self.beard and dy > self.head_h * 0.25 and not (abs(dx) < self.mouth_w and
                                                            abs(dy - curve) < 0.011):
            colour = shade(self.hair, 0.95)
        return colour


def render(face):
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            acc = [0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = face.colour_at((px + (sx + 0.5) / SAMPLES) / SIZE,
                                       (py + (sy + 0.5) / SAMPLES) / SIZE)
                    for i in range(3):
                        acc[i] += c[i]
            n = SAMPLES * SAMPLES
            row.append((acc[0] // n, acc[1] // n, acc[2] // n, 255))
        rows.append(row)
    return rows


def grey(rows):
    out = []
    for row in rows:
        out.append([(int(0.3 * r + 0.59 * g + 0.11 * b),) * 3 + (a,) for r, g, b, a in row])
    return out


def silhouette():
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            x, y = (px + 0.5) / SIZE, (py + 0.5) / SIZE
            head = ((x - 0.5) / 0.21) ** 2 + ((y - 0.42) / 0.26) ** 2 <= 1
            body = (((x - 0.5) / 0.42) ** 2 + ((y - 1.05) / 0.3) ** 2) <= 1
            row.append((70, 70, 80, 255) if head or body else (170, 170, 185, 255))
        rows.append(row)
    return rows


def write(path, rows):
    with open(path, "wb") as f:
        f.write(dds_bytes(rows, SIZE, SIZE))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join("data", "bitmaps")
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    for female, folder, prefix in ((False, "male_portraits", "m"),
                                   (True, "female_portraits", "f")):
        path = os.path.join(out, folder)
        os.makedirs(path, exist_ok=True)
        for i in range(count):
            rng = random.Random(f"{prefix}{i}")
            rows = render(Face(rng, female))
            write(os.path.join(path, f"{prefix}_{i:02d}.dds"), rows)
            write(os.path.join(path, f"{prefix}_{i:02d}_grey.dds"), grey(rows))
    write(os.path.join(out, "mystery.dds"), silhouette())


if __name__ == "__main__":
    main()
