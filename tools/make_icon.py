#!/usr/bin/env python3
"""Draws the Nimbrel window icon: a rounded navy square with a white prompt
chevron and a yellow cursor bar, as a 32x32 and a 16x16 image of 16 colours.
Writes resources/nimbrel.ico; run it again only to change the picture."""
import struct, sys

# The 16-colour VGA palette (index: (r, g, b)).
PALETTE = [(0,0,0),(128,0,0),(0,128,0),(128,128,0),(0,0,128),(128,0,128),(0,128,128),(192,192,192),
           (128,128,128),(255,0,0),(0,255,0),(255,255,0),(0,0,255),(255,0,255),(0,255,255),(255,255,255)]
NAVY, TEAL, WHITE, YELLOW, GREY = 4, 6, 15, 11, 8

def draw(n):
    s = n / 32.0
    pix = [[None] * n for _ in range(n)]  # None = transparent
    r = 6 * s
    for y in range(n):
        for x in range(n):
            cx = min(max(x + 0.5, r), n - r); cy = min(max(y + 0.5, r), n - r)
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                edge = (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 > (r - 1.2) ** 2 or x in (0, n-1) or y in (0, n-1)
                pix[y][x] = TEAL if edge else NAVY
    # Chevron ">" from (8,9) to (16,16) to (8,23), stroke about 3 px at 32.
    def stroke(x0, y0, x1, y1, w, colour):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 4) + 1
        for i in range(steps + 1):
            t = i / steps
            px, py = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            for y in range(n):
                for x in range(n):
                    if (x + 0.5 - px) ** 2 + (y + 0.5 - py) ** 2 <= (w / 2) ** 2:
                        pix[y][x] = colour
    stroke(9*s, 9*s, 16*s, 16*s, max(2, 3.2*s), WHITE)
    stroke(16*s, 16*s, 9*s, 23*s, max(2, 3.2*s), WHITE)
    stroke(18*s, 22.5*s, 24*s, 22.5*s, max(1.6, 3*s), YELLOW)
    return pix

def image(n):
    pix = draw(n)
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor = b''; mask = b''
    row_xor = ((n * 4 + 31) // 32) * 4; row_and = ((n + 31) // 32) * 4
    for y in range(n - 1, -1, -1):  # bottom-up
        row = bytearray(row_xor); bits = bytearray(row_and)
        for x in range(n):
            c = pix[y][x]
            v = 0 if c is None else c
            row[x // 2] |= v << (4 if x % 2 == 0 else 0)
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += bytes(row); mask += bytes(bits)
    return header + palette + xor + mask

def main(path):
    images = [(32, image(32)), (16, image(16))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in images:
        out += struct.pack('<BBBBHHII', n, n, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(d for _, d in images)
    open(path, 'wb').write(out)

if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'resources/nimbrel.ico')
