#!/usr/bin/env python3
"""Draws tamarind.ico: a tamarind pod, 32 x 32 and 16 x 16, 16 colours each (4 bits per pixel)."""
import math
import struct
import sys

PALETTE = [
    (0, 0, 0), (92, 51, 23), (139, 90, 43), (181, 126, 70), (222, 184, 135), (60, 130, 40),
    (110, 180, 70), (255, 255, 255), (40, 25, 10), (160, 105, 55), (200, 155, 100), (80, 150, 55),
    (128, 128, 128), (192, 192, 192), (30, 90, 25), (240, 220, 190),
]
OUTLINE, DARK, MID, LIGHT, HIGHLIGHT, LEAF, LEAF_LIGHT = 8, 1, 2, 3, 4, 5, 6


def pod_pixel(x, y, size):
    """Palette index of the pod at the pixel's centre, or None for transparent."""
    s = size / 32.0
    u, v = (x + 0.5) / s, (y + 0.5) / s
    # Three bulges along a gentle arc from lower left to upper right.
    best = None
    for cx, cy, r in ((8.5, 22.5, 6.2), (16, 16.5, 6.6), (23.5, 10, 6.2)):
        d = math.hypot(u - cx, v - cy) / r
        if best is None or d < best[0]:
            best = (d, cx, cy, r)
    d, cx, cy, r = best
    if d <= 1.0:
        if d > 0.82:
            return OUTLINE
        # Light from the upper left.
        shade = ((u - cx) + (v - cy)) / r
        if shade < -0.55:
            return HIGHLIGHT
        if shade < -0.1:
            return LIGHT
        if shade < 0.45:
            return MID
        return DARK
    # A stalk with a leaf at the upper right end.
    if math.hypot(u - 28.2, v - 4.6) <= 3.0 and u + v > 31:
        return LEAF_LIGHT if u - v > 23.8 else LEAF
    return None


def image_entry(size):
    pixels = [[pod_pixel(x, y, size) for x in range(size)] for y in range(size)]
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # bottom-up
        xor = bytearray()
        for x in range(0, size, 2):
            hi, lo = (row[x] or 0), (row[x + 1] or 0)
            xor.append(hi << 4 | lo)
        xor += b'\0' * (-len(xor) % 4)
        mask_bits = 0
        for x in range(size):
            mask_bits = mask_bits << 1 | (row[x] is None)
        and_row = mask_bits.to_bytes(size // 8, 'big')
        and_row += b'\0' * (-len(and_row) % 4)
        xor_rows.append(bytes(xor))
        and_rows.append(and_row)
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def main(path):
    entries = [(32, image_entry(32)), (16, image_entry(16))]
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in entries)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'tamarind.ico')
