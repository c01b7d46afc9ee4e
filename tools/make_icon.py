#!/usr/bin/env python3
"""Draws the game's window icon (a rising star over a little house) and writes data/icon.ico
with 64x64 and 32x32 images, 32-bit with alpha. Needs only the standard library."""
import math
import struct
import sys


def draw(size):
    """Returns rows (top to bottom) of (r, g, b, a) pixels."""
    px = [[(0, 0, 0, 0) for _ in range(size)] for _ in range(size)]
    s = size / 64.0
    cx, cy = 32 * s, 32 * s
    for y in range(size):
        for x in range(size):
            fx, fy = x + 0.5, y + 0.5
            # Rounded square badge, teal to deep blue from top to bottom.
            r = 10 * s
            dx = max(abs(fx - cx) - (32 * s - r), 0)
            dy = max(abs(fy - cy) - (32 * s - r), 0)
            if dx * dx + dy * dy > r * r:
                continue
            t = fy / size
            col = (int(30 + 20 * t), int(160 - 90 * t), int(170 - 20 * t), 255)
            # House: walls and roof in cream.
            if 18 * s <= fx <= 46 * s and 36 * s <= fy <= 54 * s:
                col = (250, 236, 200, 255)
                if 28 * s <= fx <= 36 * s and 42 * s <= fy <= 54 * s:
                    col = (180, 80, 60, 255)  # door
            if fy >= 22 * s and fy <= 36 * s and abs(fx - cx) <= (fy - 22 * s) * 1.15 + 1 * s:
                col = (200, 70, 60, 255)  # roof
            # Five-pointed star above the roof.
            sx, sy = fx - cx, fy - 13 * s
            ang = math.atan2(sy, sx) + math.pi / 2
            rad = math.hypot(sx, sy)
            k = (ang % (2 * math.pi / 5)) / (2 * math.pi / 5)
            edge = 4 * s + 5 * s * abs(1 - 2 * k)
            if rad <= edge:
                col = (255, 215, 70, 255)
            px[y][x] = col
    return px


def bmp_payload(size):
    rows = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    data = bytearray()
    for row in reversed(rows):  # BMP rows go bottom-up
        for r, g, b, a in row:
            data += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(data) + bytes(mask)


def main(out):
    sizes = [64, 32]
    payloads = [bmp_payload(s) for s in sizes]
    ico = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, p in zip(sizes, payloads):
        ico += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(p), offset)
        offset += len(p)
    for p in payloads:
        ico += p
    with open(out, 'wb') as f:
        f.write(ico)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'data/icon.ico')
