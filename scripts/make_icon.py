#!/usr/bin/env python3
"""Write res/setup.ico: the program icon, a receipt printer with its paper
roll showing, as one 32x32 and one 16x16 image in 16 colours (4 bits per
pixel), so that it looks the same on every Windows the setup supports.

Usage: make_icon.py [OUTPUT]   (default: res/setup.ico beside this script's
parent folder)
"""
import os
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, GREY, SILVER, LIME, WHITE = 0, 8, 7, 10, 15

# Filled rectangles (colour, left, top, right, bottom; inclusive), painted in
# order. Pixels no rectangle covers are transparent.
PICTURE_32 = [
    (BLACK, 8, 1, 23, 14),     # receipt, outline
    (WHITE, 9, 2, 22, 14),     # receipt paper
    (GREY, 11, 4, 20, 4),      # printed lines
    (GREY, 11, 7, 18, 7),
    (GREY, 11, 10, 20, 10),
    (BLACK, 2, 12, 29, 28),    # printer body, outline
    (GREY, 3, 13, 28, 27),     # printer body
    (BLACK, 7, 13, 24, 14),    # paper slot
    (WHITE, 9, 13, 22, 13),    # paper entering the slot
    (SILVER, 5, 17, 26, 25),   # front panel
    (BLACK, 5, 17, 26, 17),
    (LIME, 22, 20, 24, 22),    # power lamp
    (BLACK, 7, 21, 17, 21),    # tear bar
]
PICTURE_16 = [
    (BLACK, 4, 0, 11, 7),
    (WHITE, 5, 1, 10, 7),
    (GREY, 6, 2, 9, 2),
    (GREY, 6, 4, 8, 4),
    (BLACK, 1, 6, 14, 14),
    (GREY, 2, 7, 13, 13),
    (BLACK, 4, 7, 11, 7),
    (WHITE, 5, 7, 10, 7),
    (SILVER, 3, 9, 12, 12),
    (LIME, 10, 10, 11, 11),
]


def paint(size, picture):
    """Return rows (top first) of palette indexes, None for transparent."""
    pixels = [[None] * size for _ in range(size)]
    for colour, left, top, right, bottom in picture:
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                pixels[y][x] = colour
    return pixels


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def icon_image(size, picture):
    """One icon image: header with doubled height, palette, colour bits and
    transparency mask, each bottom-up with rows padded to 32 bits."""
    pixels = paint(size, picture)
    colour_rows = []
    mask_rows = []
    for row in reversed(pixels):
        nibbles = [BLACK if p is None else p for p in row]
        colour_rows.append(padded(bytes(
            (nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))))
        mask = bytearray((size + 7) // 8)
        for x, p in enumerate(row):
            if p is None:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(padded(bytes(mask)))
    bits = b"".join(colour_rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(bits), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bits


def icon_file(images):
    """An .ico file holding the given (size, image bytes) pairs."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in images:
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4,
                               len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(data for _, data in images)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "res", "setup.ico")
    data = icon_file([(32, icon_image(32, PICTURE_32)),
                      (16, icon_image(16, PICTURE_16))])
    with open(out, "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
