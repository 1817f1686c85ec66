#!/usr/bin/env python3
"""Prints the most frequent colour of the rectangle at X, Y of width W and height H in an X window dump as RRGGBB,
and the share of the rectangle's pixels it covers (0 to 1).
Usage: xwd-main-colour.py IN.xwd X Y W H"""
import sys
from collections import Counter

from xwd_pixels import read_rows

counts = Counter()
for row in read_rows(sys.argv[1], tuple(int(a) for a in sys.argv[2:6])):
    counts.update(row[i:i + 3] for i in range(0, len(row), 3))
colour, count = counts.most_common(1)[0]
print("%s %.2f" % (colour.hex(), count / sum(counts.values())))
