#!/usr/bin/env python3
"""Draws the application icon (resources/vittrel.ico): a Braille cell read through a magnifying
glass, on a navy tile. Two 16-colour images, 32x32 and 16x16. Run it to redraw the icon."""
import math
import struct
import sys

PALETTE = [  # the standard 16-colour palette, as (R, G, B)
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, NAVY, SILVER, GREY, YELLOW, WHITE, AQUA = 0, 4, 7, 8, 11, 15, 14
TRANSPARENT = None


def draw(size):
    s = size / 32.0
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    # Rounded navy tile with a black rim.
    r = 5 * s
    for y in range(size):
        for x in range(size):
            cx = min(max(x + 0.5, r), size - r)
            cy = min(max(y + 0.5, r), size - r)
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if d <= r:
                pixels[y][x] = BLACK if d > r - max(1.0, s) else NAVY
    # Braille cell: dots 1, 2, 4 and 5 raised (yellow), 3 and 6 flat (grey).
    raised = {(0, 0), (0, 1), (1, 0), (1, 1)}
    for col in range(2):
        for row in range(3):
            cx, cy = (8 + 7 * col) * s, (7 + 7 * row) * s
            for y in range(size):
                for x in range(size):
                    if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= 2.6 * s:
                        pixels[y][x] = YELLOW if (col, row) in raised else GREY
    # Magnifying glass over the right half: white ring, aqua tint inside, silver handle.
    gx, gy, gr = 21 * s, 13 * s, 7 * s
    for y in range(size):
        for x in range(size):
            d = math.hypot(x + 0.5 - gx, y + 0.5 - gy)
            if gr - 1.8 * s <= d <= gr:
                pixels[y][x] = WHITE
            # handle: a thick line from the ring towards the bottom right corner
            px, py = x + 0.5, y + 0.5
            t = ((px - gx) + (py - gy)) / (2 * 1.0)
            dist = abs((px - gx) - (py - gy)) / math.sqrt(2)
            if gr <= t * math.sqrt(2) <= gr + 9 * s and dist <= 1.7 * s:
                pixels[y][x] = SILVER
    return pixels


def image(size):
    pixels = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor, mask = b'', b''
    for y in reversed(range(size)):  # DIB rows run bottom-up
        row = pixels[y]
        nibbles = [c if c is not None else 0 for c in row]
        xr = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor += xr + b'\0' * (-len(xr) % 4)
        bits = 0
        mr = b''
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c is None else 0)
            if i % 8 == 7:
                mr += bytes([bits])
                bits = 0
        mask += mr + b'\0' * (-len(mr) % 4)
    return header + palette + xor + mask


def main(path):
    sizes = [32, 16]
    images = [image(n) for n in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', n, n, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'resources/vittrel.ico')
