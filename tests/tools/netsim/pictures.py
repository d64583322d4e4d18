"""Fixture pictures for the tests: PNG files written with the standard library alone (no fonts),
and the pixels of a picture read back with ImageMagick (installed by scripts/setup)."""
import hashlib
import os
import struct
import subprocess
import zlib


def colour_of(name):
    """A solid colour for one picture name, away from white, grey and the page's blues."""
    digest = hashlib.md5(name.encode()).digest()
    return tuple(40 + b % 150 for b in digest[:3])


def write_png(path, width, height, cells=(), background=(255, 255, 255)):
    """An 8-bit RGB PNG: the background, then each (x, y, w, h, (r, g, b)) rectangle painted in order."""
    canvas = [bytearray(bytes(background) * width) for _ in range(height)]
    for x, y, w, h, rgb in cells:
        right = min(x + w, width)
        run = bytes(rgb) * (right - x)
        for row in canvas[y:min(y + h, height)]:
            row[3 * x:3 * right] = run

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + bytes(row) for row in canvas)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def blank_png(path, width, height):
    """A black 8-bit RGB PNG of any size, compressed row by row: 16000 x 16000 pixels make 746 KB."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    deflate, row, parts = zlib.compressobj(9), bytes(1 + 3 * width), []
    for _ in range(height):
        parts.append(deflate.compress(row))
    parts.append(deflate.flush())
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", b"".join(parts)) + chunk(b"IEND", b""))


def sprite(path, rows, names, cell, columns):
    """A sprite of solid cells: row r, column i holds picture i of the r-th key in names (a dict)."""
    cells = [(i * cell, r * cell, cell, cell, colour_of(name))
             for r, key in enumerate(rows) for i, name in enumerate(names.get(key, "").split(","))]
    write_png(path, columns * cell, len(rows) * cell, cells)


def pixels(png, crop=None):
    """The RGB pixels of a picture, or of a part (w, h, x, y) of it, as a list of (r, g, b)."""
    cmd = ["convert", png]
    if crop:
        cmd += ["-crop", "%dx%d+%d+%d" % crop, "+repage"]
    data = subprocess.run(cmd + ["-depth", "8", "rgb:-"], capture_output=True, check=True, timeout=30).stdout
    return [tuple(data[i:i + 3]) for i in range(0, len(data), 3)]


ASSEMBLE_ROWS = ["Local_ConnectionType", "INT_ia", "INT_ia_ib", "INT_ic", "INT_id", "WPS_wa", "WPS_wb", "WPS_wc",
                 "WPS_wd"]
ICON_ROWS = ["Serial_2", "Serial_5", "Serial_6", "Serial_7", "Serial_8", "Serial_9"]
SPRITES = [
    # file, catalogue object, rows, cell, columns
    ("assemble_image_square.png", "AssembleImages", ASSEMBLE_ROWS, 164, 4),
    ("device_list_all.png", "DeivceIcons", ICON_ROWS, 50, 3),
]


def draw_sprites(catalogue, folder):
    """Writes both sprites for the catalogue (a dict) into folder."""
    for file_name, key, rows, cell, columns in SPRITES:
        sprite(os.path.join(folder, file_name), rows, catalogue.get(key, {}), cell, columns)
