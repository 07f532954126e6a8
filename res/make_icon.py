#!/usr/bin/env python3
"""Draws the program's icon: a monitor whose screen shows a fine pixel grid
crossed by its diagonal, the two things a pixel density is made of.

Writes one 32 x 32 image with 8 bits per pixel (a 256-colour palette) as an
.ico file, or the same picture as an RGBA PNG of any size (each pixel taken
from the nearest pixel of the 32 x 32 drawing) for the Linux desktop's icon
theme and the Linux program's window icon, or as a 256-colour PNG with a
transparent background, a third the bytes, for the web page's manifest.
Usage: res/make_icon.py [OUTPUT]           (default: res/quorvel.ico)
       res/make_icon.py --png SIZE OUTPUT
       res/make_icon.py --indexed-png SIZE OUTPUT
"""
import os
import struct
import sys
import zlib

SIZE = 32

# Palette index -> (red, green, blue). Index 0 is the transparent background.
PALETTE = [
    (0, 0, 0),        # 0 background (masked out)
    (38, 42, 51),     # 1 bezel
    (92, 99, 112),    # 2 bezel highlight
    (150, 156, 166),  # 3 stand
    (255, 255, 255),  # 4 diagonal
    (255, 196, 64),   # 5 diagonal ends
]
SCREEN_TOP = (110, 178, 240)
SCREEN_BOTTOM = (28, 84, 170)
SCREEN_ROWS = 14
# Indices 6.. hold the screen's vertical gradient, twice: plain and grid line.
PLAIN_BASE = len(PALETTE)
GRID_BASE = PLAIN_BASE + SCREEN_ROWS


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def lighter(colour, amount=0.18):
    return mix(colour, (255, 255, 255), amount)


def build_palette():
    gradient = [mix(SCREEN_TOP, SCREEN_BOTTOM, row / (SCREEN_ROWS - 1)) for row in range(SCREEN_ROWS)]
    colours = PALETTE + gradient + [lighter(c) for c in gradient]
    return colours + [(0, 0, 0)] * (256 - len(colours))


def draw():
    """Returns rows top to bottom of palette indices, and the opacity mask."""
    pixels = [[0] * SIZE for _ in range(SIZE)]
    opaque = [[False] * SIZE for _ in range(SIZE)]

    def put(x, y, index):
        pixels[y][x] = index
        opaque[y][x] = True

    # Bezel with cut corners, then its highlight along the top edge.
    left, top, right, bottom = 1, 4, 30, 24
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            corner = (x in (left, right)) and (y in (top, bottom))
            if not corner:
                put(x, y, 1)
    for x in range(left + 1, right):
        put(x, top, 2)

    # Screen: gradient rows, every third row and column a grid line.
    sx0, sy0 = left + 2, top + 2
    for row in range(SCREEN_ROWS):
        for x in range(sx0, right - 1):
            grid = (row % 3 == 2) or ((x - sx0) % 3 == 2)
            put(x, sy0 + row, (GRID_BASE if grid else PLAIN_BASE) + row)

    # The diagonal, corner to corner of the screen, with marked ends.
    sx1, sy1 = right - 2, sy0 + SCREEN_ROWS - 1
    steps = sx1 - sx0
    for i in range(steps + 1):
        x = sx0 + i
        y = round(sy1 - (sy1 - sy0) * i / steps)
        put(x, y, 4)
    for x, y in ((sx0, sy1), (sx0 + 1, sy1), (sx0, sy1 - 1), (sx1, sy0), (sx1 - 1, sy0), (sx1, sy0 + 1)):
        put(x, y, 5)

    # Stand: neck and foot.
    for y in range(bottom + 1, bottom + 4):
        for x in range(14, 18):
            put(x, y, 3)
    for y in range(bottom + 4, bottom + 6):
        for x in range(8, 24):
            put(x, y, 3)
    return pixels, opaque


def icon_bytes():
    pixels, opaque = draw()
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in build_palette())
    # Bitmaps are stored bottom row first; each AND-mask row is padded to 4 bytes.
    xor = b"".join(bytes(row) for row in reversed(pixels))
    mask = b""
    for row in reversed(opaque):
        bits = 0
        for x, solid in enumerate(row):
            if not solid:
                bits |= 1 << (SIZE - 1 - x)
        mask += struct.pack(">I", bits)
    image = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_bytes(size):
    pixels, opaque = draw()
    palette = build_palette()
    rows = b""
    for y in range(size):
        sy = y * SIZE // size
        row = b"\0"  # filter type: none
        for x in range(size):
            sx = x * SIZE // size
            red, green, blue = palette[pixels[sy][sx]]
            row += bytes((red, green, blue, 255 if opaque[sy][sx] else 0))
        rows += row
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(rows, 9)) + png_chunk(b"IEND", b""))


def indexed_png_bytes(size):
    """The palette image itself: index 0 is transparent, and a row that repeats
    the one above is stored as its difference (PNG filter "up"), all zeros."""
    pixels, _ = draw()
    used = PLAIN_BASE + 2 * SCREEN_ROWS
    palette = b"".join(bytes(colour) for colour in build_palette()[:used])
    rows, previous = b"", None
    for y in range(size):
        sy = y * SIZE // size
        row = bytes(pixels[sy][x * SIZE // size] for x in range(size))
        rows += b"\2" + bytes(size) if row == previous else b"\0" + row
        previous = row
    header = struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0)  # 8-bit palette
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + png_chunk(b"PLTE", palette)
            + png_chunk(b"tRNS", b"\0") + png_chunk(b"IDAT", zlib.compress(rows, 9))
            + png_chunk(b"IEND", b""))


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--png":
        data, out = png_bytes(int(sys.argv[2])), sys.argv[3]
    elif len(sys.argv) == 4 and sys.argv[1] == "--indexed-png":
        data, out = indexed_png_bytes(int(sys.argv[2])), sys.argv[3]
    else:
        data = icon_bytes()
        out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "quorvel.ico")
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
