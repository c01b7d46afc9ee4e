#!/usr/bin/env python3
"""Converts a 24- or 32-bit TrueColor XWD window dump (as `xwd` writes it) to a PNG and prints
what the smoke test checks: the size, the number of distinct colours and the share of pixels
that are not black. Standard library only.

    python3 tools/xwd_to_png.py shot.xwd shot.png
"""
import struct
import sys
import zlib


def read_xwd(path):
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, _version, _format, _depth, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    red_mask, green_mask, blue_mask = fields[14], fields[15], fields[16]
    ncolors = fields[19]
    if bits_per_pixel not in (24, 32):
        raise SystemExit(f"unsupported XWD: {bits_per_pixel} bits per pixel")
    offset = header_size + ncolors * 12
    step = bits_per_pixel // 8
    order = "<" if byte_order == 0 else ">"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    rs, gs, bs = shift(red_mask), shift(green_mask), shift(blue_mask)
    rows = []
    for y in range(height):
        line = data[offset + y * bytes_per_line: offset + y * bytes_per_line + width * step]
        row = bytearray()
        for x in range(width):
            chunk = line[x * step:(x + 1) * step]
            v = int.from_bytes(chunk, "little" if order == "<" else "big")
            row += bytes(((v & red_mask) >> rs, (v & green_mask) >> gs, (v & blue_mask) >> bs))
        rows.append(bytes(row))
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(tag, body):
        return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body))
    raw = b"".join(b"\x00" + r for r in rows)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b"")
    open(path, "wb").write(png)


def main():
    width, height, rows = read_xwd(sys.argv[1])
    if len(sys.argv) > 2:
        write_png(sys.argv[2], width, height, rows)
    colours = set()
    lit = 0
    for r in rows[::4]:
        for x in range(0, len(r), 12):
            px = r[x:x + 3]
            colours.add(px)
            lit += px != b"\x00\x00\x00"
    samples = len(rows[::4]) * ((width + 3) // 4)
    print(f"size {width}x{height} colours {len(colours)} lit {lit / max(samples, 1):.2f}")


if __name__ == "__main__":
    main()
