#!/usr/bin/env python3
"""Turns an X window dump (xwd -silent of a 24-bit screen, 3 or 4 bytes a pixel) into a PNG file,
of the whole dump or of the rectangle at X, Y of width W and height H.
Usage: xwd-to-png.py IN.xwd OUT.png [X Y W H]"""
import struct
import sys
import zlib

from xwd_pixels import read_rows

rect = tuple(int(a) for a in sys.argv[3:7]) if len(sys.argv) == 7 else None
pixel_rows = read_rows(sys.argv[1], rect)
width, height = len(pixel_rows[0]) // 3, len(pixel_rows)
# Each row of a PNG starts with its filter, none here.
rows = [b"\0" + row for row in pixel_rows]


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(b"".join(rows), 6)) + chunk(b"IEND", b"")
open(sys.argv[2], "wb").write(png)
