#!/usr/bin/env python3
"""Writes src/output/font_metrics_tables.inc: the advance widths of the 256
Windows-1252 bytes in Liberation Serif and Liberation Sans (regular), the
metric-compatible twins of Times New Roman and Arial.

    tools/make_font_metrics.py [FONT_DIR]

FONT_DIR defaults to /usr/share/fonts/truetype/liberation2 (Debian's
fonts-liberation2). The output is committed, so building the program needs
neither the fonts nor Python; run this again only to change the fonts.

Standard library only. It reads just the TrueType tables it needs: head
(unitsPerEm), hhea (numberOfHMetrics), hmtx (advance widths), cmap (a Unicode
subtable, format 4 or 12) and name (the version string for the header comment).

Bytes without a printable character:
  - C0 control bytes 0x00..0x1F and DEL 0x7F measure 0: nothing is drawn for them.
  - The five bytes Windows-1252 leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D)
    measure as glyph 0 (.notdef), the box a font draws for a missing character.
Any assigned character the font lacks also measures as glyph 0; the script says so
on stderr.
"""

import os
import struct
import sys

DEFAULT_FONT_DIR = "/usr/share/fonts/truetype/liberation2"
OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                      "src", "output", "font_metrics_tables.inc")

# (C++ name prefix, file name, the face it stands in for)
FACES = [
    ("Times", "LiberationSerif-Regular.ttf", "Times New Roman"),
    ("Arial", "LiberationSans-Regular.ttf", "Arial"),
]

UNASSIGNED_1252 = (0x81, 0x8D, 0x8F, 0x90, 0x9D)


class FontError(Exception):
    pass


def u16(data, offset):
    return struct.unpack_from(">H", data, offset)[0]


def i16(data, offset):
    return struct.unpack_from(">h", data, offset)[0]


def u32(data, offset):
    return struct.unpack_from(">I", data, offset)[0]


class TrueTypeFont:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        self.path = path
        self.tables = self._read_table_directory()

    def _read_table_directory(self):
        data = self.data
        if len(data) < 12:
            raise FontError("too short for a font header")
        sfnt_version = u32(data, 0)
        if sfnt_version not in (0x00010000, 0x74727565):  # 1.0 or 'true'
            raise FontError("not a TrueType font (version 0x%08x)" % sfnt_version)
        num_tables = u16(data, 4)
        tables = {}
        for i in range(num_tables):
            entry = 12 + 16 * i
            if entry + 16 > len(data):
                raise FontError("table directory runs past the end of the file")
            tag = data[entry:entry + 4].decode("latin-1")
            offset = u32(data, entry + 8)
            length = u32(data, entry + 12)
            if offset + length > len(data):
                raise FontError("table %r runs past the end of the file" % tag)
            tables[tag] = (offset, length)
        return tables

    def table(self, tag):
        if tag not in self.tables:
            raise FontError("no %r table" % tag)
        offset, length = self.tables[tag]
        return self.data[offset:offset + length]

    def units_per_em(self):
        head = self.table("head")
        if u32(head, 12) != 0x5F0F3CF5:
            raise FontError("head table has a bad magic number")
        units = u16(head, 18)
        if not 16 <= units <= 16384:
            raise FontError("unitsPerEm %d is out of range" % units)
        return units

    def font_revision(self):
        return u32(self.table("head"), 4) / 65536.0

    def advance_widths(self):
        """The advance width of every glyph, indexed by glyph id."""
        num_glyphs = u16(self.table("maxp"), 4)
        num_h_metrics = u16(self.table("hhea"), 34)
        if num_h_metrics == 0 or num_h_metrics > num_glyphs:
            raise FontError("numberOfHMetrics %d with %d glyphs" % (num_h_metrics, num_glyphs))
        hmtx = self.table("hmtx")
        if len(hmtx) < 4 * num_h_metrics:
            raise FontError("hmtx is shorter than numberOfHMetrics")
        widths = [u16(hmtx, 4 * i) for i in range(num_h_metrics)]
        # Glyphs after the last long metric repeat its advance.
        widths.extend([widths[-1]] * (num_glyphs - num_h_metrics))
        return widths

    def unicode_map(self):
        """Code point -> glyph id from the best Unicode cmap subtable."""
        cmap = self.table("cmap")
        num_subtables = u16(cmap, 2)
        candidates = {}
        for i in range(num_subtables):
            record = 4 + 8 * i
            platform, encoding = u16(cmap, record), u16(cmap, record + 2)
            offset = u32(cmap, record + 4)
            fmt = u16(cmap, offset)
            candidates[(platform, encoding, fmt)] = offset
        # Full-repertoire subtables first, then the BMP ones.
        for key in ((3, 10, 12), (0, 4, 12), (3, 1, 4), (0, 3, 4)):
            if key in candidates:
                offset = candidates[key]
                return self._cmap12(cmap, offset) if key[2] == 12 else self._cmap4(cmap, offset)
        raise FontError("no Unicode cmap subtable of format 4 or 12")

    @staticmethod
    def _cmap4(cmap, offset):
        seg_count = u16(cmap, offset + 6) // 2
        ends = offset + 14
        starts = ends + 2 * seg_count + 2  # after reservedPad
        deltas = starts + 2 * seg_count
        range_offsets = deltas + 2 * seg_count
        mapping = {}
        for s in range(seg_count):
            end = u16(cmap, ends + 2 * s)
            start = u16(cmap, starts + 2 * s)
            delta = i16(cmap, deltas + 2 * s)
            range_offset_at = range_offsets + 2 * s
            range_offset = u16(cmap, range_offset_at)
            if start > end:
                continue
            for code in range(start, end + 1):
                if code == 0xFFFF and end == 0xFFFF and start == 0xFFFF:
                    break  # the closing segment
                if range_offset == 0:
                    glyph = (code + delta) & 0xFFFF
                else:
                    at = range_offset_at + range_offset + 2 * (code - start)
                    glyph = u16(cmap, at)
                    if glyph != 0:
                        glyph = (glyph + delta) & 0xFFFF
                if glyph != 0:
                    mapping[code] = glyph
        return mapping

    @staticmethod
    def _cmap12(cmap, offset):
        num_groups = u32(cmap, offset + 12)
        mapping = {}
        for g in range(num_groups):
            group = offset + 16 + 12 * g
            start, end, first_glyph = u32(cmap, group), u32(cmap, group + 4), u32(cmap, group + 8)
            for code in range(start, min(end, 0x10FFFF) + 1):
                mapping[code] = first_glyph + (code - start)
        return mapping

    def version_string(self):
        """The name table's version string (name id 5), or the head revision."""
        name = self.table("name")
        count, strings = u16(name, 2), u16(name, 4)
        found = {}
        for i in range(count):
            record = 6 + 12 * i
            platform, encoding, language, name_id, length, offset = struct.unpack_from(
                ">HHHHHH", name, record)
            if name_id != 5:
                continue
            raw = name[strings + offset:strings + offset + length]
            if platform == 3 and encoding in (0, 1, 10):
                found.setdefault(0 if language == 0x409 else 1, raw.decode("utf-16-be"))
            elif platform == 1 and encoding == 0:
                found.setdefault(2, raw.decode("latin-1"))
        if found:
            return found[min(found)]
        return "Version %.5f" % self.font_revision()


def windows1252_code_point(byte):
    """The Unicode code point of a Windows-1252 byte, or None where none is assigned."""
    if byte in UNASSIGNED_1252:
        return None
    return ord(bytes([byte]).decode("cp1252"))


def byte_advances(font, face):
    widths = font.advance_widths()
    cmap = font.unicode_map()
    advances = []
    for byte in range(256):
        if byte < 0x20 or byte == 0x7F:
            advances.append(0)
            continue
        code = windows1252_code_point(byte)
        if code is None:
            glyph = 0
        else:
            glyph = cmap.get(code, 0)
            if glyph == 0:
                print("%s: no glyph for byte 0x%02X (U+%04X); using .notdef"
                      % (face, byte, code), file=sys.stderr)
        if glyph >= len(widths):
            raise FontError("cmap maps byte 0x%02X to glyph %d of %d" % (byte, glyph, len(widths)))
        advances.append(widths[glyph])
    return advances


def format_table(name, advances):
    lines = ["constexpr uint16_t %s[256] = {" % name]
    for row in range(0, 256, 16):
        cells = ", ".join("%4d" % a for a in advances[row:row + 16])
        lines.append("    %s,  // 0x%02X" % (cells, row))
    lines.append("};")
    return "\n".join(lines)


def main(argv):
    if len(argv) > 2:
        print(__doc__, file=sys.stderr)
        return 2
    font_dir = argv[1] if len(argv) == 2 else DEFAULT_FONT_DIR

    header = [
        "// Generated by tools/make_font_metrics.py; do not edit. Run the script again",
        "// to change the fonts.",
        "//",
        "// Advance widths in font units of the Windows-1252 bytes 0x00..0xFF (regular",
        "// weight, no kerning), from:",
    ]
    blocks = []
    for prefix, file_name, stands_for in FACES:
        path = os.path.join(font_dir, file_name)
        try:
            font = TrueTypeFont(path)
            units = font.units_per_em()
            advances = byte_advances(font, file_name)
            version = font.version_string()
        except (OSError, FontError, struct.error) as e:
            print("make_font_metrics: %s: %s" % (path, e), file=sys.stderr)
            return 1
        header.append("//   %s (%s, %d bytes) for %s" % (file_name, version, len(font.data), stands_for))
        blocks.append("constexpr int32_t k%sUnitsPerEm = %d;\n%s"
                      % (prefix, units, format_table("k%sAdvances" % prefix, advances)))
    header += [
        "// Control bytes 0x00..0x1F and 0x7F measure 0. The bytes Windows-1252 leaves",
        "// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) measure as glyph 0 (.notdef).",
    ]

    text = "\n".join(header) + "\n\n" + "\n\n".join(blocks) + "\n"
    with open(OUTPUT, "w", encoding="ascii", newline="\n") as f:
        f.write(text)
    print("wrote %s" % os.path.normpath(OUTPUT))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
