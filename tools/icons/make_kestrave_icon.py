#!/usr/bin/env python3
"""Draws Kestrave's program icon: a dish on a stand aimed at a satellite.

Writes a 32 x 32, 16-colour Windows icon (one image, 4 bits per pixel with
an AND mask for transparency) using the standard VGA palette.

    python3 tools/icons/make_kestrave_icon.py res/kestrave.ico
"""
import math
import struct
import sys

SIZE = 32

# The 16 colours of the standard VGA palette, in palette order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_GREY, GREY, WHITE = 0, 8, 7, 15
NAVY, BLUE, CYAN, YELLOW, RED = 4, 12, 14, 11, 9
TRANSPARENT = None


def draw():
    """Returns the picture as rows of palette indices (None is transparent), top row first."""
    pixels = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def put(x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            pixels[y][x] = colour

    def line(x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    # The satellite, top right: a body between two solar panels.
    for x in range(18, 31):
        for y in range(3, 7):
            panel = x < 22 or x > 26
            if panel:
                put(x, y, BLUE if (x + y) % 2 else NAVY)
    for x in range(22, 27):
        for y in range(2, 8):
            put(x, y, YELLOW)
    line(22, 2, 26, 2, BLACK)
    line(22, 7, 26, 7, BLACK)
    put(24, 8, GREY)

    # Signal arcs below the satellite, opening towards the dish.
    for radius in (2, 4):
        for step in range(0, 91, 5):
            angle = math.radians(step)
            put(round(23 - radius * math.cos(angle)), round(9 + radius * math.sin(angle)), RED)

    # The dish: a filled ellipse tilted towards the satellite, rim outlined.
    cx, cy, rx, ry = 11.0, 17.0, 9.5, 4.5
    tilt = math.radians(-35)
    cos_t, sin_t = math.cos(tilt), math.sin(tilt)
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x - cx, y - cy
            u = dx * cos_t + dy * sin_t
            v = -dx * sin_t + dy * cos_t
            distance = (u / rx) ** 2 + (v / ry) ** 2
            if distance <= 1.0:
                # Lit from the top left: the far half of the bowl is lighter.
                put(x, y, WHITE if v < -1 else GREY)
            if 0.75 <= distance <= 1.15:
                put(x, y, DARK_GREY)

    # The feed arm and the feed horn at the dish's focus.
    line(11, 17, 17, 11, DARK_GREY)
    for x, y in ((17, 10), (18, 10), (17, 11), (18, 11)):
        put(x, y, BLACK)

    # The stand and its foot.
    line(11, 21, 11, 28, DARK_GREY)
    line(12, 21, 12, 28, BLACK)
    line(6, 29, 17, 29, BLACK)
    line(7, 30, 16, 30, DARK_GREY)
    return pixels


def icon_bytes(pixels):
    header = struct.pack("<HHH", 0, 1, 1)
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # bitmaps are stored bottom row first
        xor = bytearray()
        for x in range(0, SIZE, 2):
            left = row[x] if row[x] is not None else 0
            right = row[x + 1] if row[x + 1] is not None else 0
            xor.append(left << 4 | right)
        xor_rows.append(bytes(xor))
        mask = 0
        for x in range(SIZE):
            mask = mask << 1 | (1 if row[x] is None else 0)
        and_rows.append(struct.pack(">I", mask))  # 32 bits: already a multiple of 4 bytes
    xor_data = b"".join(xor_rows)
    and_data = b"".join(and_rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                       len(xor_data) + len(and_data), 0, 0, 16, 0)
    image = info + palette + xor_data + and_data
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return header + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes(draw()))


if __name__ == "__main__":
    main()
