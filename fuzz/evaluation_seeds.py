#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_evaluation into corpus/fuzz_evaluation/.

Each seed paints a screenshot the evaluation can read end to end, in the byte language of
fuzz_bitmap.h: a head byte, then strokes of six bytes (kind, parameter, column, row)."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "fuzz_evaluation")

PIXEL, ROW, COLUMN, ERASE, LINE, GLYPH, RECT, DIGITS = range(8)


def stroke(kind, p, x, y):
    return bytes([kind, p, x >> 8, x & 255, y >> 8, y & 255])


def number(text, x, y):
    """Digits (and the k of km) of the viewer's label font, six columns apart."""
    out = b""
    for i, c in enumerate(text):
        if c == "k":
            out += stroke(GLYPH, 10, x + 6 * i, y)
        elif c.isdigit():
            out += stroke(GLYPH, int(c), x + 6 * i, y)
    return out


def curve(x0, y0, pieces):
    """Line pieces of 16 * n columns, each falling `slope` quarter rows per column."""
    out, x, y = b"", x0, y0
    for n, slope in pieces:
        out += stroke(LINE, 16 * (n - 1) + slope + 8, x, y)
        x += 16 * n
        y += slope * 16 * n // 4
    return out


def layout1(top, bottom, route, cross_bits=4, label_x=33):
    head = bytes([cross_bits])  # bit 0 clear: 545 x 319
    body = number(top, label_x, 48) + number(bottom, label_x, 184) + number(route, 312, 221)
    body += curve(67, 150, [(4, -2), (6, 1), (5, -1), (5, 2), (8, 0)])
    for x in (150, 300, 420):  # vertex lines through the whole graph
        body += stroke(COLUMN, 143, x, 47)
    return head + body


def layout2(top, bottom, route, cross_bits=4):
    head = bytes([1 | cross_bits])
    body = number(top, 28, 52) + number(bottom, 28, 243) + number(route, 200, 266)
    body += curve(116, 180, [(5, -2), (5, 1), (6, -1), (10, 0)])
    for x in (200, 350):
        body += stroke(COLUMN, 134, x, 85)
    body += stroke(ROW, 250, 116, 150)  # a horizontal line of the newer viewer
    return head + body


SEEDS = {
    "layout1_route_in_m": layout1("1200", "800", "4100"),
    "layout1_route_in_km": layout1("2400", "1900", "12k"),
    "layout1_cross_far_left": layout1("950", "310", "870", cross_bits=8),
    # The widest labels: five digits fill a height field, ten the route field.
    "layout1_widest_labels": layout1("99999", "0", "9999999999", label_x=31),
    "layout2_route": layout2("1830", "1410", "7300"),
    "layout2_grey_pixels": bytes([1 | 4 | 16]) + layout2("600", "20", "300")[1:],
    "layout2_no_cross": layout2("1000", "900", "500", cross_bits=0),
    "layout1_tiled": bytes([2 | 4]) + bytes([0x00, 0x10, 0x00, 0x00, 0x81]),
    "layout2_tiled": bytes([1 | 2 | 8]) + bytes([0x01, 0x00, 0x00]),
    "layout1_empty_graph": bytes([4]),
}

if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)
