#!/usr/bin/env python3
"""Reads the whole number drawn in one part of a screenshot.

Usage: read_number.py SCREENSHOT CROP FONT
  CROP  WxH+X+Y, the part of the picture that holds the number, dark on light
  FONT  the font file the number is drawn in (or one of the same design)

Prints the number ("7", "16", "-1") or fails. The digits are told apart by
comparing each with the ten digits drawn in FONT by ImageMagick, all scaled
to one size: enough to read a label without OCR, not to read text.
"""
import subprocess
import sys

W, H = 20, 30


def pgm(args):
    data = subprocess.run(["convert", *args, "-colorspace", "gray", "-threshold", "50%",
                           "-depth", "8", "pgm:-"], check=True, capture_output=True).stdout
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + width * height]
    return [[pixels[y * width + x] < 128 for x in range(width)] for y in range(height)]


def box(ink):
    rows = [y for y, row in enumerate(ink) if any(row)]
    cols = [x for x in range(len(ink[0])) if any(row[x] for row in ink)] if ink else []
    if not rows or not cols:
        return None
    return cols[0], rows[0], cols[-1] + 1, rows[-1] + 1


def scaled(ink, x0, y0, x1, y1):
    return [[ink[y0 + (y * (y1 - y0)) // H][x0 + (x * (x1 - x0)) // W] for x in range(W)]
            for y in range(H)]


def segments(ink):
    """Columns of ink separated by empty columns: one glyph each."""
    width = len(ink[0])
    used = [any(row[x] for row in ink) for x in range(width)]
    out, start = [], None
    for x in range(width + 1):
        if x < width and used[x]:
            start = x if start is None else start
        elif start is not None:
            out.append((start, x))
            start = None
    return out


def main():
    shot, crop, font = sys.argv[1:4]
    templates = {}
    for d in "0123456789":
        ink = pgm(["-background", "white", "-fill", "black", "-font", font, "-pointsize", "120",
                   "label:" + d])
        templates[d] = scaled(ink, *box(ink))
    ink = pgm([shot, "-crop", crop, "+repage"])
    if not box(ink):
        sys.exit("read_number: no ink in " + crop)
    full_top, full_bottom = box(ink)[1], box(ink)[3]
    text = ""
    for x0, x1 in segments(ink):
        part = [row[x0:x1] for row in ink]
        bx = box(part)
        gx0, gy0, gx1, gy1 = bx
        height = gy1 - gy0
        if height < 0.35 * (full_bottom - full_top) and (gx1 - gx0) > height:
            text += "-"
            continue
        glyph = scaled(part, *bx)
        best = min(templates, key=lambda d: sum(a != b for ra, rb in zip(glyph, templates[d])
                                                for a, b in zip(ra, rb)))
        text += best
    print(text)


if __name__ == "__main__":
    main()
