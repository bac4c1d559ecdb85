# SPDX-License-Identifier: MIT
"""Pictures as grids of RGB pixels: read from X window dumps (xwd) and PNG
files, written as PNG to look at after a failure, and compared on sample
points."""

import struct
import zlib


class Picture:
    """Width x height pixels, 3 bytes (R, G, B) each, rows top to bottom."""

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = bytes(rgb)

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def save_png(self, path):
        rows = b"".join(b"\0" + self.rgb[y * self.width * 3:(y + 1) * self.width * 3]
                        for y in range(self.height))
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            for kind, data in ((b"IHDR", header), (b"IDAT", zlib.compress(rows, 6)),
                               (b"IEND", b"")):
                out.write(struct.pack(">I", len(data)) + kind + data)
                out.write(struct.pack(">I", zlib.crc32(kind + data)))


def read_xwd(data):
    """A TrueColor dump of 24 or 32 bits a pixel, as `xwd -root` writes it."""
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    masks, colours = fields[14:17], fields[19]
    if bits_per_pixel not in (24, 32):
        raise ValueError(f"xwd: {bits_per_pixel} bits a pixel is not supported")
    step = bits_per_pixel // 8
    start = header_size + colours * 12
    rgb = bytearray(width * height * 3)
    for y in range(height):
        row = data[start + y * bytes_per_line:start + y * bytes_per_line + width * step]
        for channel, mask in enumerate(masks):
            shift = (mask & -mask).bit_length() - 1
            byte = shift // 8 if byte_order == 0 else step - 1 - shift // 8
            rgb[y * width * 3 + channel:(y + 1) * width * 3:3] = row[byte::step]
    return Picture(width, height, rgb)


def _paeth(left, up, corner):
    estimate = left + up - corner
    a, b, c = abs(estimate - left), abs(estimate - up), abs(estimate - corner)
    if a <= b and a <= c:
        return left
    return up if b <= c else corner


def _unfilter(kind, line, previous, step):
    if kind == 0:
        return line
    if kind == 2:
        return bytearray((a + b) & 255 for a, b in zip(line, previous))
    out = bytearray(line)
    for i in range(len(out)):
        left = out[i - step] if i >= step else 0
        corner = previous[i - step] if i >= step else 0
        if kind == 1:
            out[i] = (out[i] + left) & 255
        elif kind == 3:
            out[i] = (out[i] + ((left + previous[i]) >> 1)) & 255
        else:
            out[i] = (out[i] + _paeth(left, previous[i], corner)) & 255
    return out


def read_png(path):
    """An 8-bit RGB or RGBA PNG without interlacing; alpha is dropped."""
    with open(path, "rb") as source:
        data = source.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path} is not a PNG file")
    chunks, position = {}, 8
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        chunks.setdefault(kind, []).append(data[position + 8:position + 8 + length])
        position += length + 12
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB",
                                                                  chunks[b"IHDR"][0])
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError(f"{path}: only 8-bit RGB or RGBA without interlacing is read")
    step = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(chunks[b"IDAT"]))
    stride = width * step
    previous, rgb = bytearray(stride), bytearray()
    for y in range(height):
        start = y * (stride + 1)
        line = _unfilter(raw[start], bytearray(raw[start + 1:start + 1 + stride]), previous,
                         step)
        previous = bytearray(line)
        if step == 4:
            del line[3::4]
        rgb += line
    return Picture(width, height, rgb)


def grid(left, top, right, bottom, spacing):
    """Sample points every `spacing` pixels in [left, right) x [top, bottom)."""
    return [(x, y) for y in range(top, bottom, spacing) for x in range(left, right, spacing)]


def close(a, b, tolerance):
    return all(abs(p - q) <= tolerance for p, q in zip(a, b))


def share_matching(picture, reference, points, tolerance=6):
    """The share of points where both pictures show about the same colour."""
    same = sum(close(picture.pixel(x, y), reference.pixel(x, y), tolerance) for x, y in points)
    return same / len(points)
