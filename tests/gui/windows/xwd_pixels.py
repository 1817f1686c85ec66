"""Reads an X window dump (xwd -silent of a 24-bit screen, 3 or 4 bytes a pixel) as rows of R, G, B bytes, of the
whole dump or of a rectangle."""
import struct
import sys


def read_rows(path, rect=None):
    """The rows of the dump at path, or of rect = (x, y, w, h) within it, each row 3 bytes a pixel."""
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    red_mask, ncolors = fields[14], fields[19]
    if bits_per_pixel not in (24, 32):
        sys.exit("xwd: only 24- or 32-bit pixels, not %d" % bits_per_pixel)
    step = bits_per_pixel // 8
    pixels = data[header_size + 12 * ncolors:]
    left, top = 0, 0
    if rect is not None:
        left, top, w, h = rect
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
        rows.append(bytes(row))
    return rows
