#!/usr/bin/env python3
"""Draws the skin's pictures into this folder: the window background (JPEG, through ImageMagick's
convert), the caption-button glyphs, the check-box tick and the four arrows (PNG, written here).
Run from anywhere: python3 src/skin/assets/make_pictures.py"""
import math
import os
import struct
import subprocess
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
CLEAR = (255, 255, 255, 0)


def write_png(name, pixels):
    """pixels: rows of (r, g, b, a); 32-bit RGBA at 96 dots per inch."""
    h, w = len(pixels), len(pixels[0])
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)) +
           chunk(b"pHYs", struct.pack(">IIB", 3780, 3780, 1)) + chunk(b"IDAT", zlib.compress(raw, 9)) +
           chunk(b"IEND", b""))
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(png)


def canvas(w, h):
    return [[CLEAR for _ in range(w)] for _ in range(h)]


def caption_button(w, glyph):
    """A light band over the top six rows, the glyph (white, with a soft dark edge) in the lower half."""
    img = canvas(w, 18)
    for y in range(6):
        for x in range(w):
            img[y][x] = (255, 255, 255, 70 - 10 * y)
    edge = set()
    for (x, y) in glyph:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                edge.add((x + dx, y + dy))
    for (x, y) in edge - set(glyph):
        if 0 <= x < w and 0 <= y < 18:
            img[y][x] = (40, 40, 40, 90)
    for (x, y) in glyph:
        img[y][x] = (255, 255, 255, 255)
    return img


def cross(cx, cy, r):
    pts = []
    for i in range(-r, r + 1):
        pts += [(cx + i, cy + i), (cx + i, cy - i), (cx + i + 1, cy + i), (cx + i + 1, cy - i)]
    return pts


def box(x0, y0, x1, y1, thick_top=True):
    pts = [(x, y0) for x in range(x0, x1 + 1)] + [(x, y1) for x in range(x0, x1 + 1)]
    pts += [(x0, y) for y in range(y0, y1 + 1)] + [(x1, y) for y in range(y0, y1 + 1)]
    if thick_top:
        pts += [(x, y0 + 1) for x in range(x0, x1 + 1)]
    return pts


def glyphs():
    help_mark = [(11, 8), (12, 7), (13, 7), (14, 7), (15, 8), (15, 9), (14, 10), (13, 11), (13, 12), (13, 14)]
    menu = [(x, y) for y, half in ((9, 4), (10, 3), (11, 2), (12, 1), (13, 0)) for x in range(13 - half, 14 + half)]
    minimise = [(x, y) for x in range(9, 18) for y in (13, 14)]
    maximise = box(8, 8, 17, 15)
    restore = box(10, 7, 17, 12) + box(8, 10, 15, 15)
    restore = [p for p in restore if not (9 <= p[0] <= 14 and 10 <= p[1] <= 14 and p not in box(8, 10, 15, 15))]
    return {
        "help.png": caption_button(26, help_mark),
        "main_menu.png": caption_button(26, menu),
        "minimise.png": caption_button(26, minimise),
        "maximise.png": caption_button(26, maximise),
        "restore.png": caption_button(26, restore),
        "close.png": caption_button(38, cross(18, 11, 4)),
        "dialog_close.png": caption_button(38, cross(18, 11, 3)),
    }


# The tick: colours of the non-transparent pixels, row by row ("." is transparent white).
TICK = """
. . . . . . . . . . . EAF1F0 D3E6AF
. . . . . . . . . . CEE7A3 ADD56A .
. . . . . . . . EBF5DB 8AC138 98C74D . .
. . . . . . . DCEDC2 79B221 86BB35 F9FDF7 . .
. . . . . . E4F1D0 72AC1B 6CA715 E0EEC9 . . .
D3E6AF C4DC98 F0F7E6 . . . 81B233 65A00D 9EC45D . . . .
. F2F7E7 7AAB2E 8AB544 . B5D284 60980B 649C10 EAF3DD . . . .
. . EDF3E1 70A223 5C9309 5C9309 5C9309 96BC59 . . . . .
. . . DCE8C5 5B900B 588E06 5A8F09 E3EFD0 . . . . .
. . . . 98B95E 548805 7FA73B . . . . . .
. . . . EDF2E0 558709 C4D7A1 . . . . . .
. . . . . A8C479 . . . . . . .
"""


def tick():
    rows = []
    for line in TICK.strip().splitlines():
        cells = line.split()
        assert len(cells) == 13
        rows.append([CLEAR if c == "." else (int(c[0:2], 16), int(c[2:4], 16), int(c[4:6], 16), 255)
                     for c in cells])
    assert len(rows) == 12
    return rows


def arrows():
    dark = (64, 64, 64, 255)
    up = canvas(7, 4)
    for y in range(4):
        for x in range(3 - y, 4 + y):
            up[y][x] = dark
    down = up[::-1]
    left = [[up[x][y] for x in range(4)] for y in range(7)]
    right = [row[::-1] for row in left]
    return {"arrow_up.png": up, "arrow_down.png": down, "arrow_left.png": left, "arrow_right.png": right}


def background():
    """Mist over a tide: a pale sky, soft hills of haze and layered waves at the bottom."""
    w, h = 640, 480
    out = bytearray()
    for y in range(h):
        t = y / (h - 1)
        for x in range(w):
            # sky: pale blue-white at the top to a soft teal lower down
            r, g, b = 214 - 70 * t, 232 - 40 * t, 240 - 20 * t
            # far haze hills
            hill = 250 + 28 * math.sin(x / 73.0) + 16 * math.sin(x / 31.0 + 1.3)
            if y > hill:
                k = min(1.0, (y - hill) / 60.0) * 0.35
                r, g, b = r + (120 - r) * k, g + (170 - g) * k, b + (190 - b) * k
            # waves: three bands, each darker
            for i, (base, amp, period, col) in enumerate(((340, 6, 41.0, (70, 150, 175)),
                                                          (385, 8, 57.0, (40, 120, 155)),
                                                          (430, 10, 83.0, (20, 90, 130)))):
                crest = base + amp * math.sin(x / period + i * 2.1) + 3 * math.sin(x / 11.0 + i)
                if y > crest:
                    k = min(1.0, (y - crest) / 25.0) * 0.8
                    r, g, b = r + (col[0] - r) * k, g + (col[1] - g) * k, b + (col[2] - b) * k
                    if y - crest < 2:
                        r, g, b = r + (255 - r) * 0.5, g + (255 - g) * 0.5, b + (255 - b) * 0.5
            out += bytes((int(r), int(g), int(b)))
    with tempfile.TemporaryDirectory() as tmp:
        ppm = os.path.join(tmp, "background.ppm")
        with open(ppm, "wb") as f:
            f.write(b"P6 %d %d 255\n" % (w, h) + out)
        subprocess.run(["convert", ppm, "-strip", "-quality", "90", "-sampling-factor", "4:2:0",
                        os.path.join(HERE, "background.jpg")], check=True)


if __name__ == "__main__":
    for name, pixels in {**glyphs(), "check_mark.png": tick(), **arrows()}.items():
        write_png(name, pixels)
    background()
