#!/usr/bin/env python3
"""Draws the program's two 16-colour icons and writes them as .ico files.

    python3 worksheet/resources/makeIcons.py   (writes worksheet.ico and grip.ico beside this script)

worksheet.ico (32 by 32) is the worksheet window in small: the ruled grey face, the white sheet
with two answered lines, the close mark, the edit pane and the grip. grip.ico (20 by 20) is the
resize grip drawn on the face: ridges running to the bottom right corner, on black.
"""

import pathlib
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, NAVY, SILVER, GREY, RED, WHITE = 0, 4, 7, 8, 9, 15
TRANSPARENT = None


class Canvas:
    def __init__(self, size, background):
        self.size = size
        self.pixels = [[background] * size for _ in range(size)]

    def fill(self, left, top, right, bottom, colour):
        """Fills the pixels with left <= x < right and top <= y < bottom."""
        for y in range(top, bottom):
            for x in range(left, right):
                self.pixels[y][x] = colour

    def frame(self, left, top, right, bottom, colour):
        self.fill(left, top, right, top + 1, colour)
        self.fill(left, bottom - 1, right, bottom, colour)
        self.fill(left, top, left + 1, bottom, colour)
        self.fill(right - 1, top, right, bottom, colour)

    def cut_corners(self, left, top, right, bottom, radius):
        """Makes the corners of a rectangle transparent, rounding it."""
        for dy in range(radius):
            for dx in range(radius - dy - (1 if dy else 0)):
                for x, y in ((left + dx, top + dy), (right - 1 - dx, top + dy),
                             (left + dx, bottom - 1 - dy), (right - 1 - dx, bottom - 1 - dy)):
                    self.pixels[y][x] = TRANSPARENT


def worksheet_icon():
    canvas = Canvas(32, TRANSPARENT)
    # The face: grey, ruled with black every third row, corners rounded.
    canvas.fill(1, 2, 31, 30, GREY)
    for y in range(3, 30, 3):
        canvas.fill(1, y, 31, y + 1, BLACK)
    canvas.cut_corners(1, 2, 31, 30, 3)
    # The sheet with "1+2" and its answer as strokes.
    canvas.fill(4, 5, 24, 18, WHITE)
    canvas.fill(6, 7, 12, 9, NAVY)
    canvas.fill(8, 11, 20, 13, NAVY)
    canvas.fill(6, 15, 10, 17, NAVY)
    # The close mark: a red disc with a white bar.
    canvas.fill(26, 5, 29, 9, RED)
    canvas.fill(25, 6, 30, 8, RED)
    canvas.fill(26, 6, 29, 8, WHITE)
    # The edit pane with its caret.
    canvas.frame(4, 20, 24, 25, BLACK)
    canvas.fill(5, 21, 23, 24, WHITE)
    canvas.fill(6, 21, 7, 24, BLACK)
    # The grip.
    canvas.fill(25, 21, 29, 25, BLACK)
    canvas.fill(27, 22, 28, 23, SILVER)
    canvas.fill(26, 23, 28, 24, SILVER)
    return canvas


def grip_icon():
    canvas = Canvas(20, BLACK)
    canvas.frame(0, 0, 20, 20, GREY)
    # Three ridges, each a white line lit from the top left over a grey shadow.
    for offset in (4, 9, 14):
        for step in range(19 - offset):
            x, y = offset + step, 18 - step
            canvas.pixels[y][x] = WHITE
            if x + 1 < 19:
                canvas.pixels[y][x + 1] = GREY
    return canvas


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def ico_bytes(canvas):
    """One 4-bit image with its AND mask, rows stored bottom up."""
    size = canvas.size
    colour_rows, mask_rows = [], []
    for row in reversed(canvas.pixels):
        indices = [BLACK if pixel is TRANSPARENT else pixel for pixel in row]
        if size % 2:
            indices.append(BLACK)
        colour_rows.append(padded(bytes(indices[i] << 4 | indices[i + 1]
                                        for i in range(0, len(indices), 2))))
        bits = [1 if pixel is TRANSPARENT else 0 for pixel in row]
        bits += [0] * (-len(bits) % 8)
        mask_rows.append(padded(bytes(sum(bit << (7 - i) for i, bit in enumerate(bits[j:j + 8]))
                                      for j in range(0, len(bits), 8))))
    pixel_data = b"".join(colour_rows) + b"".join(mask_rows)
    palette = b"".join(struct.pack("<BBBB", blue, green, red, 0) for red, green, blue in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(pixel_data), 0, 0, 16, 0)
    image = header + palette + pixel_data
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    folder = pathlib.Path(__file__).resolve().parent
    (folder / "worksheet.ico").write_bytes(ico_bytes(worksheet_icon()))
    (folder / "grip.ico").write_bytes(ico_bytes(grip_icon()))


if __name__ == "__main__":
    main()
