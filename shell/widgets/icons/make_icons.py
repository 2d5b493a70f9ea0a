#!/usr/bin/env python3
"""Draws the program's two small pictures as PNG files: the up-one-level button's folder with
an upward arrow (22 x 20) and the program icon, a folder with a star (32 x 32).
Run it in this folder after changing a picture; the PNG files are committed."""

import struct
import zlib

OUTLINE = (128, 96, 0, 255)
FOLDER = (255, 216, 96, 255)
FOLDER_LIGHT = (255, 236, 160, 255)
ARROW = (0, 96, 0, 255)
STAR = (208, 32, 32, 255)
CLEAR = (0, 0, 0, 0)


def canvas(width, height):
    return [[CLEAR] * width for _ in range(height)]


def fill(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][x] = colour


def box(img, x0, y0, x1, y1, inside, edge=OUTLINE):
    fill(img, x0, y0, x1, y1, edge)
    fill(img, x0 + 1, y0 + 1, x1 - 1, y1 - 1, inside)


def folder(img, x0, y0, x1, y1, tab):
    box(img, x0, y0, x0 + tab, y0 + 3, FOLDER_LIGHT)
    box(img, x0, y0 + 2, x1, y1, FOLDER)
    fill(img, x0 + 1, y0 + 3, x1 - 1, y0 + 3, FOLDER_LIGHT)


def write_png(path, img):
    height, width = len(img), len(img[0])
    raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in img)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
                  + chunk(b"IEND", b""))


def up_one_level():
    img = canvas(22, 20)
    folder(img, 1, 6, 20, 18, 7)
    # The arrow: a head of widening rows and a shaft, pointing up out of the folder.
    for row in range(5):
        fill(img, 14 - row, 1 + row, 14 + row, 1 + row, ARROW)
    fill(img, 13, 6, 15, 14, ARROW)
    return img


def program_icon():
    img = canvas(32, 32)
    folder(img, 1, 5, 30, 28, 11)
    star = [
        "......#......",
        ".....###.....",
        ".....###.....",
        "#############",
        ".###########.",
        "..#########..",
        "...#######...",
        "...#######...",
        "..####.####..",
        "..###...###..",
        ".##.......##.",
    ]
    for y, line in enumerate(star):
        for x, c in enumerate(line):
            if c == "#":
                img[12 + y][10 + x] = STAR
    return img


if __name__ == "__main__":
    write_png("uponelevel.png", up_one_level())
    write_png("wayfolder.png", program_icon())
