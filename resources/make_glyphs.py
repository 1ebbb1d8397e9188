#!/usr/bin/env python3
"""Draws the menu glyph bitmaps: the check marks (exact pixels) and the window-command glyphs.

All are 16 x 16, 24 bits per pixel. The check marks are transparent where they are purple,
the window-command glyphs where they are olive.
"""
import struct
import sys

PURPLE, OLIVE = (128, 0, 128), (128, 128, 0)
BLACK, GREY, SILVER, WHITE = (0, 0, 0), (128, 128, 128), (192, 192, 192), (255, 255, 255)

# Rows 5 to 11 of the check marks; the other rows are transparent.
CHECK_ROWS = [
    '...........G....',
    '..........KKW...',
    '....G....KKW....',
    '....KK..KKW.....',
    '....WKKKKW......',
    '.....WKKW.......',
    '......WW........',
]
CHECK_COLOURS = {'.': PURPLE, 'K': BLACK, 'G': GREY, 'W': WHITE}
# The disabled check mark: black becomes grey, grey becomes silver.
CHECKMONO_COLOURS = {'.': PURPLE, 'K': GREY, 'G': SILVER, 'W': WHITE}


def check(colours):
    rows = [[PURPLE] * 16 for _ in range(16)]
    for i, row in enumerate(CHECK_ROWS):
        rows[5 + i] = [colours[c] for c in row]
    return rows


def canvas():
    return [[OLIVE] * 16 for _ in range(16)]


def window_outline(rows, left, top, right, bottom, clear_inside):
    """A window frame from (left, top) to (right, bottom) inclusive, with a two-pixel title edge."""
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = x in (left, right) or y in (top, top + 1, bottom)
            if edge:
                rows[y][x] = BLACK
            elif clear_inside:
                rows[y][x] = OLIVE


def restore():
    rows = canvas()
    window_outline(rows, 5, 2, 12, 8, False)
    window_outline(rows, 2, 5, 9, 12, True)
    return rows


def minimize():
    rows = canvas()
    for y in (11, 12):
        for x in range(4, 10):
            rows[y][x] = BLACK
    return rows


def maximize():
    rows = canvas()
    window_outline(rows, 3, 2, 12, 12, False)
    return rows


def close():
    rows = canvas()
    for i in range(7):
        for x in (4 + i, 5 + i, 10 - i, 11 - i):
            rows[4 + i][x] = BLACK
    return rows


def bmp(rows):
    width, height = 16, 16
    stride = width * 3
    pixels = b''.join(bytes(c for r, g, b in row for c in (b, g, r)) for row in reversed(rows))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    assert stride % 4 == 0
    return header + info + pixels


GLYPHS = {
    'check.bmp': check(CHECK_COLOURS),
    'checkmono.bmp': check(CHECKMONO_COLOURS),
    'restore.bmp': restore(),
    'min.bmp': minimize(),
    'max.bmp': maximize(),
    'close.bmp': close(),
}

if __name__ == '__main__':
    folder = sys.argv[1] if len(sys.argv) > 1 else '.'
    for name, rows in GLYPHS.items():
        with open(f'{folder}/{name}', 'wb') as f:
            f.write(bmp(rows))
