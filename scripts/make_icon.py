#!/usr/bin/env python3
"""Writes the program's icon: one 32 x 32 image, 32 bits per pixel, as an .ico.

The picture is an olive tile with three rows of light "byte" marks, the look of
a hex dump. Drawn here, pixel by pixel, so the icon has no outside source.
"""
import struct
import sys

SIZE = 32


def pixel(x, y):
    """BGRA of the pixel at (x, y), y counted from the top."""
    inside = 1 <= x <= 30 and 1 <= y <= 30
    corner = (x in (1, 30)) and (y in (1, 30))
    if not inside or corner:
        return (0, 0, 0, 0)
    if x in (1, 30) or y in (1, 30):
        return (6, 98, 55, 255)  # border RGB(55, 98, 6)
    # Vertical gradient from RGB(164, 185, 127) to RGB(96, 128, 48).
    t = (y - 2) / 27
    r, g, b = (round(164 + (96 - 164) * t), round(185 + (128 - 185) * t), round(127 + (48 - 127) * t))
    for row_top in (7, 14, 21):
        if row_top <= y < row_top + 4:
            for col in range(4):
                left = 5 + col * 6
                if left <= x < left + 4:
                    return (255, 255, 255, 255)
    return (b, g, r, 255)


def main(out_path):
    rows = []
    for y in range(SIZE - 1, -1, -1):  # DIBs run bottom-up
        rows.append(b"".join(bytes(pixel(x, y)) for x in range(SIZE)))
    xor_bitmap = b"".join(rows)
    and_mask = b"\x00" * (4 * SIZE)  # 32 rows of 32 bits; alpha does the masking
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0,
                         len(xor_bitmap) + len(and_mask), 0, 0, 0, 0)
    image = header + xor_bitmap + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    with open(out_path, "wb") as out:
        out.write(directory + entry + image)


if __name__ == "__main__":
    main(sys.argv[1])
