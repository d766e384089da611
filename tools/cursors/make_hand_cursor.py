#!/usr/bin/env python3
"""Draws the hand cursor that the about box shows over its links.

Writes a 32 x 32 monochrome Windows cursor (one image, 1 bit per pixel with
an AND mask) whose hot spot is the tip of the pointing finger, at (5, 0).

    python3 tools/cursors/make_hand_cursor.py res/hand.cur
"""
import struct
import sys

SIZE = 32
HOT_SPOT = (5, 0)

# '.' transparent, 'X' black, 'o' white; rows top first, padded to 32 columns.
PICTURE = """
.....XX
....XooX
....XooX
....XooX
....XooX
....XooXXX
....XooXooXXX
....XooXooXooXX
....XooXooXooXoX
XXX.XooXooXooXoX
XooXXooooooooooX
XoooXooooooooooX
.XooXooooooooooX
.XoooooooooooooX
..XooooooooooooX
..XoooooooooooX
...XooooooooooX
...XoooooooooX
....XooooooooX
....XooooooooX
....XXXXXXXXXX
"""


def rows():
    """The picture as 32 rows of 32 characters."""
    lines = PICTURE.strip("\n").split("\n")
    assert len(lines) <= SIZE and all(len(line) <= SIZE for line in lines)
    lines = [line.ljust(SIZE, ".") for line in lines]
    return lines + ["." * SIZE] * (SIZE - len(lines))


def mask_rows(picture, bit_of):
    """One mask as bottom-up rows of 4 bytes, the leftmost pixel in the top bit."""
    data = b""
    for line in reversed(picture):
        value = 0
        for x, pixel in enumerate(line):
            if bit_of(pixel):
                value |= 1 << (SIZE - 1 - x)
        data += struct.pack(">I", value)
    return data


def cursor_bytes():
    picture = rows()
    assert picture[HOT_SPOT[1]][HOT_SPOT[0]] == "X", "the hot spot is on the fingertip"
    # XOR mask: 1 is white where the AND mask is 0. AND mask: 1 is transparent.
    xor_mask = mask_rows(picture, lambda pixel: pixel == "o")
    and_mask = mask_rows(picture, lambda pixel: pixel == ".")
    palette = struct.pack("<4B4B", 0, 0, 0, 0, 255, 255, 255, 0)
    # The height counts both masks.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0,
                         len(xor_mask) + len(and_mask), 0, 0, 2, 0)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)  # reserved, type 2 (cursor), one image
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1],
                        len(image), 6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_hand_cursor.py OUTPUT.cur")
    with open(sys.argv[1], "wb") as output:
        output.write(cursor_bytes())


if __name__ == "__main__":
    main()
