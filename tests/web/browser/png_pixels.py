"""Grey levels of an 8-bit RGB or RGBA PNG (what Chromium's screenshots are),
decoded with zlib alone."""
import struct
import zlib


def _unfilter(kind, line, previous, bpp):
    out = bytearray(line)
    for i in range(len(out)):
        left = out[i - bpp] if i >= bpp else 0
        up = previous[i]
        corner = previous[i - bpp] if i >= bpp else 0
        if kind == 1:
            out[i] = (out[i] + left) & 0xFF
        elif kind == 2:
            out[i] = (out[i] + up) & 0xFF
        elif kind == 3:
            out[i] = (out[i] + (left + up) // 2) & 0xFF
        elif kind == 4:
            p = left + up - corner
            pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
            predictor = left if pa <= pb and pa <= pc else up if pb <= pc else corner
            out[i] = (out[i] + predictor) & 0xFF
    return out


def grey_rows(png):
    """Rows of grey levels (0 black … 255 white)."""
    assert png[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    at, data = 8, b""
    while at < len(png):
        length, kind = struct.unpack(">I4s", png[at:at + 8])
        body = png[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            assert depth == 8 and colour in (2, 6), "only 8-bit RGB or RGBA"
        elif kind == b"IDAT":
            data += body
        at += 12 + length
    raw = zlib.decompress(data)
    bpp = 3 if colour == 2 else 4
    stride = width * bpp
    rows, previous = [], bytearray(stride)
    for y in range(height):
        line = raw[y * (stride + 1):(y + 1) * (stride + 1)]
        previous = _unfilter(line[0], line[1:], previous, bpp)
        rows.append([sum(previous[x * bpp:x * bpp + 3]) // 3 for x in range(width)])
    return rows
