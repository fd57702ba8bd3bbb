#!/usr/bin/env python3
"""Draws the front panel's icons and lamp bitmaps into OUTPUT_DIR.

Icons are 32x32 with 16 colours and a transparency mask; the lamp bitmaps are
10x10 with 16 colours. Each picture is built from a few rectangles, so the
drawings live here as source and the binary files exist only in the build tree.

usage: draw_pictures.py OUTPUT_DIR
"""

import struct
import sys
from pathlib import Path

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0x80, 0x80, 0x80),
    (0xC0, 0xC0, 0xC0), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, GREY = range(8)
SILVER, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

TRANSPARENT = None


class Canvas:
    """Rows of palette indices, top row first; None is transparent."""

    def __init__(self, size, fill=TRANSPARENT):
        self.size = size
        self.pixels = [[fill] * size for _ in range(size)]

    def fill(self, left, top, right, bottom, colour):
        """Fills the inclusive rectangle."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.pixels[y][x] = colour

    def frame(self, left, top, right, bottom, colour):
        """Draws the inclusive rectangle's one-pixel border."""
        self.fill(left, top, right, top, colour)
        self.fill(left, bottom, right, bottom, colour)
        self.fill(left, top, left, bottom, colour)
        self.fill(right, top, right, bottom, colour)


def packed_rows(canvas, bits_per_pixel, pixel_value):
    """Bottom-up rows of packed pixels, each padded to four bytes."""
    per_byte = 8 // bits_per_pixel
    row_bytes = (canvas.size * bits_per_pixel + 31) // 32 * 4
    data = bytearray()
    for row in reversed(canvas.pixels):
        packed = bytearray(row_bytes)
        for x, pixel in enumerate(row):
            shift = 8 - bits_per_pixel * (x % per_byte + 1)
            packed[x // per_byte] |= pixel_value(pixel) << shift
        data += packed
    return bytes(data)


def dib(canvas, height_factor):
    """BITMAPINFOHEADER, palette and 4-bit colour rows of the canvas."""
    colours = packed_rows(canvas, 4, lambda p: BLACK if p is TRANSPARENT else p)
    header = struct.pack("<IiiHHIIiiII", 40, canvas.size, canvas.size * height_factor,
                         1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + colours


def ico_bytes(canvas):
    """A one-image .ico: colour rows, then the mask (1 = transparent)."""
    mask = packed_rows(canvas, 1, lambda p: 1 if p is TRANSPARENT else 0)
    image = dib(canvas, 2) + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", canvas.size, canvas.size, 16, 0, 1, 4, len(image), 22)
    return directory + entry + image


def bmp_bytes(canvas):
    image = dib(canvas, 1)
    offset = 14 + 40 + 4 * len(PALETTE)
    return struct.pack("<2sIHHI", b"BM", 14 + len(image), 0, 0, offset) + image


def lamp(lit_colour):
    """A 10x10 lamp: a coloured square with a black border."""
    canvas = Canvas(10, lit_colour)
    canvas.frame(0, 0, 9, 9, BLACK)
    return canvas


def draw_lamp(canvas, left, top, colour):
    """A 5x4 lamp with a dark rim and a small highlight when lit."""
    canvas.frame(left, top, left + 4, top + 3, BLACK)
    canvas.fill(left + 1, top + 1, left + 3, top + 2, colour)
    if colour != GREY:
        canvas.fill(left + 1, top + 1, left + 1, top + 1, WHITE)


def modem(lamp_colours):
    """A desktop modem seen from the front and a little above, three lamps on its face."""
    canvas = Canvas(32)
    # Top face, receding to the back.
    for row, inset in enumerate(range(4, 0, -1)):
        canvas.fill(2 + inset, 10 + row, 29 - inset, 10 + row, WHITE if row == 0 else SILVER)
    canvas.fill(2, 14, 29, 14, WHITE)
    # Front face with a dark outline and a shadow at the bottom.
    canvas.fill(2, 15, 29, 23, SILVER)
    canvas.frame(1, 14, 30, 24, BLACK)
    canvas.fill(2, 23, 29, 23, GREY)
    # Outline of the top face.
    for row, inset in enumerate(range(4, 0, -1)):
        canvas.fill(1 + inset, 10 + row, 1 + inset, 10 + row, BLACK)
        canvas.fill(30 - inset, 10 + row, 30 - inset, 10 + row, BLACK)
    canvas.fill(6, 9, 25, 9, BLACK)
    # Feet.
    canvas.fill(4, 25, 7, 26, BLACK)
    canvas.fill(24, 25, 27, 26, BLACK)
    for index, colour in enumerate(lamp_colours):
        draw_lamp(canvas, 5 + 7 * index, 17, colour)
    # Grille lines to the right of the lamps.
    for x in (25, 27):
        canvas.fill(x, 17, x, 21, GREY)
    return canvas


def about_frame(lamp_colours):
    """A framed panel with three lamps in a row, for the About box's running light."""
    canvas = Canvas(32)
    canvas.fill(2, 9, 29, 22, SILVER)
    canvas.frame(2, 9, 29, 22, GREY)
    canvas.fill(3, 10, 28, 10, WHITE)
    canvas.fill(3, 10, 3, 21, WHITE)
    canvas.frame(1, 8, 30, 23, BLACK)
    for index, colour in enumerate(lamp_colours):
        left = 6 + 8 * index
        canvas.frame(left, 13, left + 5, 18, BLACK)
        canvas.fill(left + 1, 14, left + 4, 17, colour)
        canvas.fill(left + 1, 14, left + 1, 14, WHITE)
    return canvas


ICONS = {
    "panel.ico": modem((LIME, LIME, LIME)),
    "about_red.ico": about_frame((RED, RED, RED)),
    "about_first.ico": about_frame((LIME, RED, RED)),
    "about_middle.ico": about_frame((RED, LIME, RED)),
    "about_last.ico": about_frame((RED, RED, LIME)),
    "tray_idle.ico": modem((GREY, GREY, GREY)),
    "tray_active.ico": modem((RED, RED, RED)),
    "tray_connected.ico": modem((LIME, LIME, LIME)),
    "tray_disconnecting.ico": modem((BLUE, BLUE, BLUE)),
    "tray_retraining.ico": modem((YELLOW, YELLOW, YELLOW)),
}

BITMAPS = {
    "lamp_off.bmp": lamp(SILVER),
    "lamp_on.bmp": lamp(RED),
}


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    out = Path(argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, canvas in ICONS.items():
        (out / name).write_bytes(ico_bytes(canvas))
    for name, canvas in BITMAPS.items():
        (out / name).write_bytes(bmp_bytes(canvas))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
