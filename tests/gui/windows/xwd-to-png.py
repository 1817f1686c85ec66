#!/usr/bin/env python3
"""Turns an X window dump (xwd -silent of a 24-bit screen, 3 or 4 bytes a pixel) into a PNG file,
of the whole dump or of the rectangle at X, Y of width W and height H.
Usage: xwd-to-png.py IN.xwd OUT.png [X Y W H]"""
import struct
import sys
import zlib

data = open(sys.argv[1], "rb").read()
fields = struct.unpack(">25I", data[:100])
header_size, width, height = fields[0], fields[4], fields[5]
byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
red_mask, ncolors = fields[14], fields[19]
if bits_per_pixel not in (24, 32):
    sys.exit("xwd-to-png: only 24- or 32-bit pixels, not %d" % bits_per_pixel)
step = bits_per_pixel // 8
pixels = data[header_size + 12 * ncolors:]
left, top = 0, 0
if len(sys.argv) == 7:
    left, top, w, h = (int(a) for a in sys.argv[3:7])
    width, height = min(w, width - left), min(h, height - top)
rows = []
for y in range(top, top + height):
    line = pixels[y * bytes_per_line + step * left:y * bytes_per_line + step * (left + width)]
    # Each pixel as B, G, R (, x) in memory when least significant byte first.
    if byte_order == 0:
        b, g, r = line[0::step], line[1::step], line[2::step]
    else:
        r, g, b = line[step - 3::step], line[step - 2::step], line[step - 1::step]
    if red_mask == 0xFF:  # red in the low byte
        r, b = b, r
    row = bytearray(3 * width)
    row[0::3], row[1::3], row[2::3] = r, g, b
    rows.append(b"\0" + bytes(row))


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(b"".join(rows), 6)) + chunk(b"IEND", b"")
open(sys.argv[2], "wb").write(png)
