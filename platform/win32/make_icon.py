#!/usr/bin/env python3
"""Draws the program icon (16, 32 and 48 pixels, 32-bit with alpha) and
writes it as an .ico file: a slide in a light frame, a sun low over dark
hills on a dusk gradient."""
import math
import struct
import sys


def pixel(x, y, n):
    """ARGB colour of the icon's pixel (x, y) at size n, y downwards."""
    u, v = (x + 0.5) / n, (y + 0.5) / n
    radius = 0.18
    dx = max(radius - u, 0, u - (1 - radius))
    dy = max(radius - v, 0, v - (1 - radius))
    if dx * dx + dy * dy > radius * radius:
        return 0
    frame = 0.1
    if u < frame or u > 1 - frame or v < frame or v > 1 - frame:
        return 0xFFEDE6D6
    hill = 0.72 - 0.08 * math.sin(u * 6.0 + 0.5)
    if v > hill:
        return 0xFF1F2A44
    if (u - 0.62) ** 2 + (v - 0.55) ** 2 < 0.02:
        return 0xFFFFD34D
    t = (v - frame) / (1 - 2 * frame)
    r = int(60 + t * 190)
    g = int(70 + t * 80)
    b = int(150 - t * 60)
    return 0xFF000000 | r << 16 | g << 8 | b


def image(n):
    rows = []
    for y in reversed(range(n)):
        rows.append(b"".join(struct.pack("<I", pixel(x, y, n)) for x in range(n)))
    mask_row = ((n + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + bytes(mask_row * n)


def main(out):
    sizes = (16, 32, 48)
    images = [image(n) for n in sizes]
    offset = 6 + 16 * len(sizes)
    data = struct.pack("<HHH", 0, 1, len(sizes))
    for n, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(out, "wb") as f:
        f.write(data + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
