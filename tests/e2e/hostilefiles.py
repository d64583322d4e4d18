"""Hostile files of another host, each valid in its format, built by hand: TrueType fonts whose glyphs cost the
font engine without bound, icons whose entries share one costly PNG, animations of many 1 x 1 frames
(GIF, APNG, WebP), a lossless WebP whose entropy codes cost the decoder past what its header tells, APNGs whose
frame counts and controls only some readers read as written, an arithmetic-coded JPEG of many scans, and a
progressive JPEG of a blank picture whose last scan repeats.
"""

import struct
import zlib


def _chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def _checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) & 0xFFFFFFFF


def _sfnt(tables):
    """A TrueType file of tables {tag: data}, its directory, checksums and head's adjustment filled in."""
    tags = sorted(tables)
    offset, head, body = 12 + 16 * len(tags), b"", b""
    for tag in tags:
        data = tables[tag]
        head += struct.pack(">4sIII", tag, _checksum(data), offset + len(body), len(data))
        body += data + b"\0" * (-len(data) % 4)
    n = len(tags).bit_length() - 1
    font = struct.pack(">IHHHH", 0x10000, len(tags), 16 << n, n, 16 * len(tags) - (16 << n)) + head + body
    at = font.index(b"head", 12)
    adjust = struct.unpack(">I", font[at + 8:at + 12])[0] + 8
    return font[:adjust] + struct.pack(">I", (0xB1B0AFBA - _checksum(font)) & 0xFFFFFFFF) + font[adjust + 4:]


def simple_glyph(low, high):
    """A square from (low, low) to (high, high) in font units."""
    side = high - low
    return (struct.pack(">hhhhhH", 1, low, low, high, high, 3) + b"\0\0" + b"\x01" * 4
            + struct.pack(">4h", low, side, 0, -side) + struct.pack(">4h", low, 0, side, 0))


def composite_glyph(parts):
    """A composite of the glyphs numbered in parts, each placed at (0, 0)."""
    last = len(parts) - 1
    return struct.pack(">hhhhh", -1, 0, 0, 1, 1) + b"".join(
        struct.pack(">HHbb", 0x0002 | (0x0020 if i < last else 0), part, 0, 0) for i, part in enumerate(parts))


def truetype(glyphs, units=1000, extent=1000):
    """A TrueType font of glyphs (glyf data; glyph 0 is .notdef, glyph 1 the letter T), only tables head, hhea,
    maxp, hmtx, loca, glyf, cmap, name, post and OS/2; its maxp allows any depth and count of components, its
    glyphs lie within +-extent units."""
    count = len(glyphs)
    loca, at = [], 0
    for glyph in glyphs:
        loca.append(at)
        at += len(glyph) + len(glyph) % 2
    glyf = b"".join(g + b"\0" * (len(g) % 2) for g in glyphs)
    cmap = struct.pack(">HHHHI", 0, 1, 3, 1, 12) + struct.pack(
        ">7H2HH2H2H2H", 4, 32, 0, 4, 4, 1, 0, 0x54, 0xFFFF, 0, 0x54, 0xFFFF, (1 - 0x54) & 0xFFFF, 1, 0, 0)
    names = [(n, text.encode("utf-16-be")) for n, text in ((1, "T"), (2, "Regular"), (4, "T"), (6, "T"))]
    name = struct.pack(">HHH", 0, len(names), 6 + 12 * len(names))
    strings = b""
    for n, text in names:
        name += struct.pack(">6H", 3, 1, 0x409, n, len(text), len(strings))
        strings += text
    os2 = (struct.pack(">HhHHHhhhhhhhhhhh", 4, units // 2, 400, 5, 0, *[units // 2] * 10, 0) + b"\0" * 10
           + struct.pack(">4I4sHHHhhhHHIIhhHHH", 0, 0, 0, 0, b"none", 0x40, 0x54, 0x54, units, 0, 0, units, 0, 1, 0,
                         units // 2, units // 2, 0, 0x20, 1))
    return _sfnt({
        b"head": struct.pack(">IIIIHHqqhhhhHHhhh", 0x10000, 0x10000, 0, 0x5F0F3CF5, 3, units, 0, 0,
                             -extent, -extent, extent, extent, 0, 8, 2, 1, 0),
        b"hhea": struct.pack(">IhhhHhhhhhh4hhH", 0x10000, units, 0, 0, units, 0, 0, units,
                             1, 0, 0, 0, 0, 0, 0, 0, count),
        b"maxp": struct.pack(">IH13H", 0x10000, count, 4, 1, 4, 1, 2, 0, 0, 0, 0, 0, 0, 0xFFFF, 0xFFFF),
        b"hmtx": struct.pack(">HH", units, 0) * count,
        b"loca": struct.pack(">%dI" % (count + 1), *loca, at),
        b"glyf": glyf, b"cmap": cmap, b"name": name + strings, b"OS/2": os2,
        b"post": struct.pack(">IIhhIIIII", 0x30000, 0, -units // 10, units // 20, 0, 0, 0, 0, 0),
    })


def deep_font(depth=20000):
    """Composite glyphs each of the next, depth deep, to a square: the font engine recurses depth times."""
    return truetype([b""] + [composite_glyph([i + 2]) for i in range(depth - 1)] + [simple_glyph(0, 500)])


def huge_glyph_font():
    """16 units per em and a glyph of +-16,000 units: 32,000 x 32,000 pixels at 16 pixels a line."""
    return truetype([b"", simple_glyph(-16000, 16000)], units=16, extent=16000)


def fan_out_font(ways=1000, depth=3):
    """Composite glyphs each of ways copies of the next, depth deep, to an empty glyph: ways ** depth loads."""
    return truetype([b""] + [composite_glyph([i + 2] * ways) for i in range(depth)] + [b""])


def png(inflated=0, empty_chunks=0):
    """A 1 x 1 RGBA PNG with a zTXt that inflates to inflated bytes, or none, and empty_chunks empty private
    chunks before its data."""
    body = _chunk(b"zTXt", b"c\0\0" + zlib.compress(b"\0" * inflated, 9)) if inflated else b""
    body += _chunk(b"prVt", b"") * empty_chunks
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", struct.pack(">IIBBBBB", 1, 1, 8, 6, 0, 0, 0)) + body
            + _chunk(b"IDAT", zlib.compress(b"\0\0\0\0\xff")) + _chunk(b"IEND", b""))


def icon(entries, picture):
    """An ICO whose entries, 1 x 1 each, all point at picture."""
    offset = 6 + 16 * entries
    return (struct.pack("<HHH", 0, 1, entries) + struct.pack("<BBBBHHII", 1, 1, 0, 0, 1, 32, len(picture), offset)
            * entries + picture)


def gif(frames, delay=2):
    """A looping GIF of frames 1 x 1 frames, each shown delay hundredths of a second, black and white in turn."""
    frame = [b"\x21\xf9\x04\x00" + struct.pack("<H", delay) + b"\0\0\x2c\0\0\0\0\x01\0\x01\0\0\x02\x02"
             + bytes([0x44 | i << 3, 0x01]) + b"\0" for i in (0, 1)]
    return (b"GIF89a\x01\0\x01\0\x80\0\0" + b"\0\0\0\xff\xff\xff" + b"\x21\xff\x0bNETSCAPE2.0\x03\x01\0\0\0"
            + (frame[0] + frame[1]) * (frames // 2) + frame[0] * (frames % 2) + b";")


def apng(frames, delay=2):
    """A looping APNG of frames 1 x 1 frames, each shown delay hundredths of a second, black and white in turn."""
    def control(sequence):
        return _chunk(b"fcTL", struct.pack(">IIIIIHHBB", sequence, 1, 1, 0, 0, delay, 100, 0, 0))
    pixels = [zlib.compress(b"\0" + bytes([v, v, v, 255])) for v in (0, 255)]
    data = b"".join(control(2 * i - 1) + _chunk(b"fdAT", struct.pack(">I", 2 * i) + pixels[i % 2])
                    for i in range(1, frames))
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", struct.pack(">IIBBBBB", 1, 1, 8, 6, 0, 0, 0))
            + _chunk(b"acTL", struct.pack(">II", frames, 0)) + control(0) + _chunk(b"IDAT", pixels[0]) + data
            + _chunk(b"IEND", b""))


def webp(frames, delay=20):
    """A looping animated WebP of frames 1 x 1 lossless frames, each shown delay milliseconds."""
    # VP8L: 1 x 1, no transform, cache or meta codes, then five one-symbol codes (symbol 0), 0 bits a pixel.
    bits = "000" + "10100000000" * 5
    lossless = b"\x2f\0\0\0\0" + int(bits[::-1], 2).to_bytes(8, "little")
    frame = struct.pack("<4sI", b"ANMF", 16 + 8 + 14) + b"\0" * 12 + delay.to_bytes(3, "little") + b"\0" + \
        struct.pack("<4sI", b"VP8L", len(lossless)) + lossless + b"\0"
    body = (b"WEBP" + struct.pack("<4sIB3x", b"VP8X", 10, 0x02) + b"\0" * 6
            + struct.pack("<4sIIH", b"ANIM", 6, 0, 0) + frame * frames)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def lossless_webp(side=2048, precision=3):
    """A lossless WebP of side x side pixels whose entropy image names a code group of its own for each square of
    (1 << precision) pixels, up to 65,536 groups (the decoder's tables: about 5 KiB each), each of four 2-symbol
    codes: 4 bits a pixel, all zero."""
    bits = []  # (value, width), written LSB first

    def literals(max_symbol):  # a normal code of 8 bits for each of 256 literals: the code length code holds 8
        bits.extend([(0, 1), (12 - 4, 4)] + [(int(i == 11), 3) for i in range(12)] + [(max_symbol, 1)])
        bits.extend([(3, 3), (256 - 2, 8)] if max_symbol else [])  # 256 lengths, told in 8 bits

    cells = (side + (1 << precision) - 1) >> precision
    groups = min(cells * cells, 1 << 16)
    # Signature, size, alpha and version; no transform or colour cache; an entropy image of its own codes.
    bits.extend([(0x2F, 8), (side - 1, 14), (side - 1, 14), (0, 4), (0, 2), (1, 1), (precision - 2, 3), (0, 1)])
    literals(1)
    literals(0)
    bits.extend([(0b0001, 4)] * 3)  # simple codes of 1 symbol: blue, alpha, distance
    for i in range(cells * cells):  # green, then red: the group's number, each code MSB first
        bits.extend((int(format(byte, "08b")[::-1], 2), 8) for byte in ((i % groups) & 0xFF, (i % groups) >> 8))
    bits.extend(([(0b0011, 4), (1, 8)] * 4 + [(0b0001, 4)]) * groups)  # 2 symbols, the first of 1 bit: 0, then 1
    out, acc, at = bytearray(), 0, 0
    for value, width in bits:
        acc, at = acc | value << at, at + width
        while at >= 8:
            out.append(acc & 0xFF)
            acc, at = acc >> 8, at - 8
    data = bytes(out) + bytes([acc]) + bytes(side * side // 2)
    body = b"WEBP" + struct.pack("<4sI", b"VP8L", len(data)) + data + b"\0" * (len(data) % 2)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def _apng(width, height, frames, delay=(2, 100), declared=None, extra=b""):
    """An APNG of frames black frames of width x height, each shown delay (numerator, denominator) seconds,
    declaring declared frames (default: as many), extra chunks before its end."""
    def control(sequence):
        return _chunk(b"fcTL", struct.pack(">IIIIIHHBB", sequence, width, height, 0, 0, *delay, 0, 0))
    pixels = zlib.compress((b"\0" + b"\0\0\0\xff" * width) * height, 9)
    data = b"".join(control(2 * i - 1) + _chunk(b"fdAT", struct.pack(">I", 2 * i) + pixels) for i in range(1, frames))
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + _chunk(b"acTL", struct.pack(">II", declared or frames, 0)) + control(0) + _chunk(b"IDAT", pixels) + data
            + extra + _chunk(b"IEND", b""))


def most_frames_apng():
    """An APNG of a 1 x 1 frame whose acTL declares 2^31-1 frames."""
    return _apng(1, 1, 1, declared=0x7FFFFFFF)


def fake_control_apng():
    """An APNG of 2 frames of 1672 x 836 at 20 ms with a third fcTL, of 27 bytes, of 65,535 s: a frame control
    only a reader that counts every fcTL chunk sees."""
    fake = _chunk(b"fcTL", struct.pack(">IIIIIHHBB", 3, 1672, 836, 0, 0, 65535, 1, 0, 0) + b"\0")
    return _apng(1672, 836, 2, delay=(2, 100), extra=fake)


def arithmetic_jpeg(scans=55, side=2048):
    """An arithmetic-coded progressive JPEG of side x side grey pixels: a DC scan, then AC scans of a few bytes of
    data each (0xfe: the coder's decisions run long), scans in all; its decoder reads every block of the picture at
    each scan."""
    def segment(marker, data):
        return b"\xff" + bytes([marker]) + struct.pack(">H", len(data) + 2) + data

    def scan(start, end):
        return segment(0xDA, b"\x01\x01\x00" + bytes([start, end, 0])) + b"\xfe" * 20
    return (b"\xff\xd8" + segment(0xDB, b"\x00" + b"\x01" * 64)
            + segment(0xCA, struct.pack(">BHHB", 8, side, side, 1) + b"\x01\x11\x00")
            + scan(0, 0) + scan(1, 63) * (scans - 1) + b"\xff\xd9")


def many_scan_jpeg(width, height, repeats):
    """A progressive JPEG of width x height grey pixels, all of one shade (every coefficient 0): a DC scan, an AC scan
    of the high bits, its refinement scan, then that refinement scan repeated times more. Each scan holds only runs of
    empty blocks, a few bytes, while its decoder walks every coefficient of every block at each scan."""
    def segment(marker, data):
        return b"\xff" + bytes([marker]) + struct.pack(">H", len(data) + 2) + data

    def entropy(codes):  # (code, width) pairs, MSB first, padded with 1 bits, each 0xff byte stuffed
        text = "".join(format(code, "0%db" % width) for code, width in codes if width)
        text += "1" * (-len(text) % 8)
        return bytes(int(text[i:i + 8], 2) for i in range(0, len(text), 8)).replace(b"\xff", b"\xff\x00")

    blocks = ((width + 7) // 8) * ((height + 7) // 8)
    # DC table 0: category 0 alone, code 0. AC table 1: the end-of-band runs EOB0 to EOB14 (symbol r << 4: a run
    # of 2^r blocks and more, told in r bits), codes of 4 bits.
    dc = segment(0xC4, b"\x00" + bytes([1] + [0] * 15) + b"\x00")
    ac = segment(0xC4, b"\x11" + bytes([0, 0, 0, 15] + [0] * 12) + bytes(r << 4 for r in range(15)))
    runs = []
    for left in range(blocks, 0, -32767):
        run = min(left, 32767)
        r = run.bit_length() - 1
        runs += [(r, 4), (run - (1 << r), r)]
    bands = entropy(runs)

    def scan(table, start, end, high, low):
        return segment(0xDA, b"\x01\x01" + bytes([table, start, end, high << 4 | low]))

    refinement = scan(0x01, 1, 63, 1, 0) + bands
    return (b"\xff\xd8" + segment(0xDB, b"\x00" + b"\x01" * 64)
            + segment(0xC2, struct.pack(">BHHB", 8, height, width, 1) + b"\x01\x11\x00") + dc + ac
            + scan(0x00, 0, 0, 0, 0) + entropy([(0, 1)] * blocks) + scan(0x01, 1, 63, 0, 1) + bands
            + refinement * (1 + repeats) + b"\xff\xd9")
