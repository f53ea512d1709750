#!/usr/bin/env python3
"""Draws Velquor's icon (a screen with an arrow to a new port) at 16x16 and
32x32 and writes velquor.ico. Run it again only to change the picture; the
.ico it writes is committed."""
import struct
import sys


def draw(size):
    """Returns rows of (r, g, b, a), top row first."""
    s = size / 32.0
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), max(int(y0 * s) + 1, int(y1 * s))):
            for x in range(int(x0 * s), max(int(x0 * s) + 1, int(x1 * s))):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = colour

    navy, blue, white, orange = (20, 50, 110, 255), (40, 110, 200, 255), (245, 245, 245, 255), (250, 150, 30, 255)
    rect(1, 3, 31, 24, navy)      # monitor frame
    rect(3, 5, 29, 22, blue)      # screen
    rect(12, 24, 20, 27, navy)    # stand
    rect(7, 27, 25, 29, navy)     # foot
    rect(6, 12, 20, 15, white)    # arrow shaft
    for i in range(6):            # arrow head
        rect(20 + i, 8 + i, 21 + i, 19 - i, orange)
    return px


def bmp_entry(size):
    px = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(px) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def main(path):
    images = [bmp_entry(16), bmp_entry(32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "velquor.ico")
