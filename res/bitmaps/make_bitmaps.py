#!/usr/bin/env python3
"""Draws the module's tree pictures as 24-bit BMP strips of 16 x 16 images.

Run from this folder after changing a picture; the .bmp files are committed.
'.' is the strip's mask colour (transparent in the image lists)."""

import struct

PALETTE = {
    'k': (0, 0, 0), 'w': (255, 255, 255), 'g': (128, 128, 128), 'l': (192, 192, 192),
    'y': (255, 214, 64), 'o': (200, 150, 20), 'b': (40, 90, 200), 'n': (0, 0, 128),
    'c': (160, 200, 255), 'r': (220, 40, 40), 'G': (30, 160, 60), 'v': (120, 60, 170),
}

BOOK = """
................
...kkkkkkkkkk...
..kvvvvvvvvvwk..
..kvvvvvvvvvwk..
..kvvwwwwwvvwk..
..kvvvvvvvvvwk..
..kvvwwwwvvvwk..
..kvvvvvvvvvwk..
..kvvvvvvvvvwk..
..kvvvvvvvvvwk..
..kvvvvvvvvvwk..
..kvvvvvvvvvwk..
..kkkkkkkkkkwk..
...kwwwwwwwwwk..
....kkkkkkkkkk..
................"""

ROOT = """
................
.kkkkkkkkkkkkkk.
.kbbbbbbbbbbbbk.
.kbwwbbbbbbwwbk.
.kbbwwbbbbwwbbk.
.kbbbwwbbwwbbbk.
.kbbbbwwwwbbbbk.
.kbbbbbwwbbbbbk.
.kbbbbbbbbbbbbk.
.kkkkkkkkkkkkkk.
......kggk......
......kggk......
....kkkkkkkk....
...kllllllllk...
...kkkkkkkkkk...
................"""

FOLDER = """
................
................
..kkkkk.........
.kyyyyyk........
.kyyyyyykkkkkkk.
.kyyyyyyyyyyyyk.
.kyyyyyyyyyyyyk.
.kyyyyyyyyyyyyk.
.kyyyyyyyyyyyyk.
.kyyyyyyyyyyyyk.
.kyyyyyyyyyyyyk.
.kyyyyyyyyyyyyk.
.koooooooooooook
..kkkkkkkkkkkkk.
................
................"""

OPEN_FOLDER = """
................
................
..kkkkk.........
.kyyyyyk........
.kyyyyyykkkkkk..
.kyyyyyyyyyyyk..
.kyykkkkkkkkkkkk
.kyykyyyyyyyyyyk
.kykyyyyyyyyyyk.
.kykyyyyyyyyyyk.
.kkyyyyyyyyyyk..
.kkyyyyyyyyyyk..
.kooooooooooook.
..kkkkkkkkkkkk..
................
................"""

SCREEN = """
................
.kkkkkkkkkkkkkk.
.knnnnnnnnnwnwk.
.kkkkkkkkkkkkkk.
.kwwwwwwwwwwwwk.
.kwggggggwwwwwk.
.kwwwwwwwwwwwwk.
.kwggggwwggggwk.
.kwwwwwwwwwwwwk.
.kwgggggggggwwk.
.kwwwwwwwwwwwwk.
.kwggggwwgggwwk.
.kwwwwwwwwwwwwk.
.kkkkkkkkkkkkkk.
................
................"""

CHART = """
................
.kkkkkkkkkkkkkk.
.knnnnnnnnnwnwk.
.kkkkkkkkkkkkkk.
.kwwwwwwwwwwwrk.
.kwwwwwwwwwwrwk.
.kwwwwwwrwwrwwk.
.kwwwwwrwrrwwwk.
.kwrwwrwwwwwwwk.
.kwwrrwwwwwGwwk.
.kwwwwwwGwwGwwk.
.kwwGwwwGwwGwwk.
.kwwGwwwGwwGwwk.
.kkkkkkkkkkkkkk.
................
................"""

DOCUMENT = """
................
...kkkkkkkk.....
...kwwwwwwkk....
...kwwwwwwkwk...
...kwgggwwkkkk..
...kwwwwwwwwwk..
...kwggggggwwk..
...kwwwwwwwwwk..
...kwggggggwwk..
...kwwwwwwwwwk..
...kwggggwwwwk..
...kwwwwwwwwwk..
...kwwwwwwwwwk..
...kkkkkkkkkkk..
................
................"""


def rows(picture):
    lines = picture.strip('\n').split('\n')
    assert len(lines) == 16 and all(len(l) == 16 for l in lines), picture
    return lines


def write_strip(path, pictures, mask):
    grids = [rows(p) for p in pictures]
    width, height = 16 * len(grids), 16
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(height)):  # bottom-up, as BMP stores rows
        row = bytearray()
        for grid in grids:
            for ch in grid[y]:
                r, g, b = mask if ch == '.' else PALETTE[ch]
                row += bytes((b, g, r))
        pixels += row + bytes(stride - len(row))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as out:
        out.write(header + info + pixels)


# 1714: the tree's own pictures (the second is the root); mask RGB(9, 0, 0).
write_strip('1714.bmp', [BOOK, ROOT], (9, 0, 0))
# 1715: folder, open folder, screen, chart screen (type 3), document; mask RGB(0, 128, 128).
write_strip('1715.bmp', [FOLDER, OPEN_FOLDER, SCREEN, CHART, DOCUMENT], (0, 128, 128))
