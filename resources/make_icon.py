#!/usr/bin/env python3
"""Draws the program icon KavrinoIcon and writes resources/KavrinoIcon.ico.

Three images, 48x48, 32x32 and 16x16, each 4 bits per pixel over the
standard 16-colour palette with a 1-bit transparency mask: a green disc (the
heavy particle) at the upper right, a cyan zig-zag path (its random walk)
across the middle and red lettering along the lower part. Standard library
only; run it again after changing the picture and commit both files.
"""

import os
import struct

# The standard 16-colour palette, as (red, green, blue), in palette order.
PALETTE = [
    (0, 0, 0),        # 0 black
    (128, 0, 0),      # 1 dark red
    (0, 128, 0),      # 2 dark green
    (128, 128, 0),    # 3 olive
    (0, 0, 128),      # 4 navy
    (128, 0, 128),    # 5 purple
    (0, 128, 128),    # 6 teal
    (128, 128, 128),  # 7 grey
    (192, 192, 192),  # 8 silver
    (255, 0, 0),      # 9 red
    (0, 255, 0),      # 10 green
    (255, 255, 0),    # 11 yellow
    (0, 0, 255),      # 12 blue
    (255, 0, 255),    # 13 magenta
    (0, 255, 255),    # 14 cyan
    (255, 255, 255),  # 15 white
]
DARK_GREEN, RED, GREEN, CYAN, WHITE = 2, 9, 10, 14, 15

# Capital letters, 5 wide by 7 high, and 3 wide by 5 high for the small sizes.
FONT_5X7 = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
}
FONT_3X5 = {
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "U": ["#.#", "#.#", "#.#", "#.#", "###"],
    "M": ["#.#", "###", "###", "#.#", "#.#"],
    "B": ["##.", "#.#", "##.", "#.#", "##."],
    "L": ["#..", "#..", "#..", "#..", "###"],
    "E": ["###", "#..", "##.", "#..", "###"],
    "N": ["##.", "#.#", "#.#", "#.#", "#.#"],
}

TRANSPARENT = None


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[TRANSPARENT] * size for _ in range(size)]  # [y][x], y down

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def disc(self, cx, cy, r, fill, rim):
        for y in range(self.size):
            for x in range(self.size):
                d2 = (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2
                if d2 <= r * r:
                    inner = r - 1.0
                    self.put(x, y, fill if d2 <= inner * inner else rim)

    def line(self, x0, y0, x1, y1, colour, width):
        steps = max(abs(x1 - x0), abs(y1 - y0)) * 4 + 1
        for i in range(steps + 1):
            t = i / steps
            x = x0 + (x1 - x0) * t
            y = y0 + (y1 - y0) * t
            for dy in range(width):
                for dx in range(width):
                    self.put(int(x) + dx, int(y) + dy, colour)

    def text(self, x, y, word, font, colour, spacing):
        for letter in word:
            rows = font[letter]
            for j, row in enumerate(rows):
                for i, cell in enumerate(row):
                    if cell == "#":
                        self.put(x + i, y + j, colour)
            x += len(rows[0]) + spacing


def draw(size):
    c = Canvas(size)
    s = size / 48.0
    # The heavy particle, upper right.
    c.disc(36 * s, 11 * s, 10 * s, GREEN, DARK_GREEN)
    # Its random walk, left to right across the middle.
    points = [(2, 31), (9, 23), (16, 30), (23, 22), (30, 30), (38, 23), (45, 31)]
    width = 3 if size >= 48 else (2 if size >= 32 else 1)
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        c.line(round(x0 * s), round(y0 * s), round(x1 * s), round(y1 * s), CYAN, width)
    # The name along the bottom.
    if size >= 48:
        c.text(4, 38, "TUMBLEN", FONT_5X7, RED, 1)
    elif size >= 32:
        c.text(3, 26, "TUMBLEN", FONT_3X5, RED, 1)
    else:
        c.text(4, 11, "TB", FONT_3X5, RED, 1)
    return c


def row_bytes(bits_per_pixel, width):
    return ((width * bits_per_pixel + 31) // 32) * 4


def image_data(canvas):
    """BITMAPINFOHEADER, palette, colour bits and mask of one icon image."""
    size = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bottom-up rows
        row = canvas.pixels[y]
        colour_row = bytearray(row_bytes(4, size))
        mask_row = bytearray(row_bytes(1, size))
        for x, colour in enumerate(row):
            if colour is TRANSPARENT:
                mask_row[x // 8] |= 0x80 >> (x % 8)
                colour = 0  # black under a set mask bit leaves the screen as it is
            colour_row[x // 2] |= colour << (4 if x % 2 == 0 else 0)
        xor += colour_row
        mask += mask_row
    return header + palette + bytes(xor) + bytes(mask)


def icon_file(canvases):
    images = [image_data(c) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, data in zip(canvases, images):
        size = canvas.size
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data = icon_file([draw(48), draw(32), draw(16)])
    with open(os.path.join(here, "KavrinoIcon.ico"), "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
