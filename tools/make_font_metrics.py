#!/usr/bin/env python3
"""Writes the tables that text is measured and shaped with:

src/output/font_metrics_tables.inc: the advance widths of every character that
Liberation Serif and Liberation Sans (regular) hold, the metric-compatible twins
of Times New Roman and Arial: Latin with all its extensions (Vietnamese too),
Greek, Cyrillic, Hebrew and more; and of the characters they lack, from the
fallback: Noto (regular; Debian's fonts-noto-core and fonts-noto-cjk).

src/output/visual_text_tables.inc: the bidi class of every code point and the
Arabic presentation forms of each Arabic letter, from Python's own Unicode
database, for the bidi reordering and Arabic joining that both measuring and
drawing apply (src/output/visual_text.cpp).

    tools/make_font_metrics.py [LIBERATION_DIR [NOTO_DIR [NOTO_CJK_DIR]]]

The directories default to Debian's: /usr/share/fonts/truetype/liberation2,
/usr/share/fonts/truetype/noto and /usr/share/fonts/opentype/noto. The output is
committed, so building the program needs neither the fonts nor Python, and layout
never depends on the fonts a machine has; run this again only to change the fonts.

Why Noto for the fallback: no single font in Debian covers Chinese, Japanese,
Korean, Arabic and the Indic scripts with outlines fit for print (GNU Unifont
does, as 16-pixel bitmaps; DejaVu has Arabic but no CJK or Indic; Droid Sans
Fallback has CJK but no Hangul or Arabic). Noto is one family designed to be
used together, split into one file per script, every file 1000 units per em,
and Noto Sans CJK covers all of Han, kana and Hangul. The tables stay small even
so: runs of equal advances (some 30,000 Han ideographs are one run) take about
as many entries as there are distinct widths. Noto Naskh Arabic is the Arabic
face because it maps every Arabic Presentation Form-B (the shaped letters are
measured and drawn as those), in the book style names are printed in.

Standard library only. It reads just the TrueType/OpenType tables it needs: head
(unitsPerEm), maxp, hhea (numberOfHMetrics), hmtx (advance widths), cmap (a
Unicode subtable, format 4 or 12) and name (family and version), from a font
file or one face of a collection (.ttc).

Characters without a printable glyph:
  - C0 controls U+0000..U+001F and DEL measure 0: nothing is drawn for them.
  - The C1 controls U+0080..U+009F measure as glyph 0 (.notdef), the box a font
    draws for a missing character; the five bytes Windows-1252 leaves unassigned
    (0x81, 0x8D, 0x8F, 0x90, 0x9D) are read as these, so they measure as before.
  - Above U+00FF, marks (Mn, Me) and format characters (Cf) measure 0: the shaper
    puts marks on their base and hides format characters.
Anything no font maps measures as the Liberation face's .notdef.
"""

import os
import struct
import sys
import unicodedata

DEFAULT_FONT_DIR = "/usr/share/fonts/truetype/liberation2"
DEFAULT_NOTO_DIR = "/usr/share/fonts/truetype/noto"
DEFAULT_CJK_DIR = "/usr/share/fonts/opentype/noto"
SOURCE_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "output")
OUTPUT = os.path.join(SOURCE_DIR, "font_metrics_tables.inc")
VISUAL_OUTPUT = os.path.join(SOURCE_DIR, "visual_text_tables.inc")

# (C++ name prefix, file name, the face it stands in for)
FACES = [
    ("Times", "LiberationSerif-Regular.ttf", "Times New Roman"),
    ("Arial", "LiberationSans-Regular.ttf", "Arial"),
]

# The fallback, in the order it is searched: (file name, family). Noto Sans first,
# for the few Latin, Greek and Cyrillic letters the Liberation faces lack.
FALLBACK = [
    ("NotoSans-Regular.ttf", "Noto Sans"),
    ("NotoSansCJK-Regular.ttc", "Noto Sans CJK SC"),
    ("NotoNaskhArabic-Regular.ttf", "Noto Naskh Arabic"),
    ("NotoSansHebrew-Regular.ttf", "Noto Sans Hebrew"),
    ("NotoSansArmenian-Regular.ttf", "Noto Sans Armenian"),
    ("NotoSansGeorgian-Regular.ttf", "Noto Sans Georgian"),
    ("NotoSansDevanagari-Regular.ttf", "Noto Sans Devanagari"),
    ("NotoSansBengali-Regular.ttf", "Noto Sans Bengali"),
    ("NotoSansGurmukhi-Regular.ttf", "Noto Sans Gurmukhi"),
    ("NotoSansGujarati-Regular.ttf", "Noto Sans Gujarati"),
    ("NotoSansTamil-Regular.ttf", "Noto Sans Tamil"),
    ("NotoSansTelugu-Regular.ttf", "Noto Sans Telugu"),
    ("NotoSansKannada-Regular.ttf", "Noto Sans Kannada"),
    ("NotoSansMalayalam-Regular.ttf", "Noto Sans Malayalam"),
    ("NotoSansSinhala-Regular.ttf", "Noto Sans Sinhala"),
    ("NotoSansThai-Regular.ttf", "Noto Sans Thai"),
    ("NotoSansLao-Regular.ttf", "Noto Sans Lao"),
    ("NotoSansKhmer-Regular.ttf", "Noto Sans Khmer"),
    ("NotoSansMyanmar-Regular.ttf", "Noto Sans Myanmar"),
    ("NotoSansEthiopic-Regular.ttf", "Noto Sans Ethiopic"),
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
    def __init__(self, path, face_index=0):
        with open(path, "rb") as f:
            self.data = f.read()
        self.path = path
        self.tables = self._read_table_directory(self._face_offset(face_index))

    def _face_offset(self, face_index):
        """Where the face's table directory starts: 0, or its entry in a collection."""
        data = self.data
        if data[:4] != b"ttcf":
            return 0
        num_fonts = u32(data, 8)
        if not 0 <= face_index < num_fonts:
            raise FontError("no face %d in a collection of %d" % (face_index, num_fonts))
        return u32(data, 12 + 4 * face_index)

    @staticmethod
    def face_count(path):
        with open(path, "rb") as f:
            head = f.read(12)
        return u32(head, 8) if head[:4] == b"ttcf" else 1

    def _read_table_directory(self, start):
        data = self.data
        if len(data) < start + 12:
            raise FontError("too short for a font header")
        sfnt_version = u32(data, start)
        # TrueType 1.0 or 'true', or OpenType with CFF outlines ('OTTO'): the metrics
        # tables are the same.
        if sfnt_version not in (0x00010000, 0x74727565, 0x4F54544F):
            raise FontError("not a TrueType or OpenType font (version 0x%08x)" % sfnt_version)
        num_tables = u16(data, start + 4)
        tables = {}
        for i in range(num_tables):
            entry = start + 12 + 16 * i
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
        return self.name_string(5) or "Version %.5f" % self.font_revision()

    def family_name(self):
        """The name table's family name (name id 1)."""
        return self.name_string(1)

    def name_string(self, wanted_id):
        name = self.table("name")
        count, strings = u16(name, 2), u16(name, 4)
        found = {}
        for i in range(count):
            record = 6 + 12 * i
            platform, encoding, language, name_id, length, offset = struct.unpack_from(
                ">HHHHHH", name, record)
            if name_id != wanted_id:
                continue
            raw = name[strings + offset:strings + offset + length]
            if platform == 3 and encoding in (0, 1, 10):
                found.setdefault(0 if language == 0x409 else 1, raw.decode("utf-16-be"))
            elif platform == 1 and encoding == 0:
                found.setdefault(2, raw.decode("latin-1"))
        if found:
            return found[min(found)]
        return None


def windows1252_code_point(byte):
    """The Unicode code point of a Windows-1252 byte, or None where none is assigned."""
    if byte in UNASSIGNED_1252:
        return None
    return ord(bytes([byte]).decode("cp1252"))


def takes_no_room(code):
    """Marks and format characters above U+00FF: the shaper puts marks on their base
    and hides format characters, so neither advances the pen."""
    return code > 0xFF and unicodedata.category(chr(code)) in ("Mn", "Me", "Cf")


class FaceMetrics:
    """One font's advance for each code point it maps."""

    def __init__(self, path, face_index=0):
        self.font = TrueTypeFont(path, face_index)
        self.path = path
        self.units = self.font.units_per_em()
        self.widths = self.font.advance_widths()
        self.cmap = self.font.unicode_map()
        for code, glyph in self.cmap.items():
            if glyph >= len(self.widths):
                raise FontError("cmap maps U+%04X to glyph %d of %d" % (code, glyph, len(self.widths)))
        self.notdef = self.widths[0]
        self.family = self.font.family_name()
        # "Version 2.004; ttfautohint (...)": the version without the build details.
        self.version = self.font.version_string().split(";")[0]

    def advance(self, code):
        """The advance of a code point the font maps, else None."""
        glyph = self.cmap.get(code)
        if glyph is None:
            return None
        return 0 if takes_no_room(code) else self.widths[glyph]

    def describe(self):
        return "%s (%s, %s, %d bytes, %d units per em)" % (
            os.path.basename(self.path), self.family, self.version, len(self.font.data), self.units)


def latin1_advances(face):
    """U+0000..U+00FF as the old Windows-1252 table measured them: controls 0, and the
    C1 controls (where the five unassigned Windows-1252 bytes land) as .notdef."""
    advances = []
    for code in range(256):
        if code < 0x20 or code == 0x7F:
            advances.append(0)
        elif 0x80 <= code <= 0x9F:
            advances.append(face.notdef)
        else:
            advance = face.advance(code)
            if advance is None:
                print("%s: no glyph for U+%04X; using .notdef" % (face.path, code), file=sys.stderr)
                advance = face.notdef
            advances.append(advance)
    return advances


def runs_of(entries):
    """(code, value...) sorted by code -> [first, last, value...] for stretches of
    consecutive code points with equal values."""
    runs = []
    for code, *value in entries:
        if runs and runs[-1][1] == code - 1 and runs[-1][2:] == value:
            runs[-1][1] = code
        else:
            runs.append([code, code] + value)
    return runs


def face_runs(face):
    """Every code point above U+00FF the face maps, plus format characters it lacks
    (they take no room wherever they are)."""
    entries = {code: face.advance(code) for code in face.cmap if code > 0xFF}
    for code in range(0x100, 0x110000):
        if code not in entries and unicodedata.category(chr(code)) == "Cf":
            entries[code] = 0
    return runs_of(sorted((code, advance) for code, advance in entries.items()))


def fallback_runs(fallbacks, faces):
    """Code points above U+00FF that some Liberation face lacks, from the first fallback
    font that maps them, with that font's index."""
    entries = []
    held_by_all = set.intersection(*(set(f.cmap) for f in faces))
    codes = sorted(set().union(*(f.cmap for f in fallbacks)))
    for code in codes:
        if code <= 0xFF or code in held_by_all or unicodedata.category(chr(code)) == "Cf":
            continue
        for index, font in enumerate(fallbacks):
            advance = font.advance(code)
            if advance is not None:
                entries.append((code, advance, index))
                break
    return runs_of(entries)


def format_latin1(name, advances):
    lines = ["constexpr uint16_t %s[256] = {" % name]
    for row in range(0, 256, 16):
        cells = ", ".join("%4d" % a for a in advances[row:row + 16])
        lines.append("    %s,  // U+%04X" % (cells, row))
    lines.append("};")
    return "\n".join(lines)


def format_runs(type_name, name, runs):
    lines = ["constexpr %s %s[] = {" % (type_name, name)]
    for run in runs:
        lines.append("    {0x%04X, 0x%04X, %s}," % (run[0], run[1], ", ".join(str(v) for v in run[2:])))
    lines.append("};")
    return "\n".join(lines)


def write(path, text):
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write(text)
    print("wrote %s" % os.path.normpath(path))


def metrics_tables(font_dir, noto_dir, cjk_dir):
    faces = []
    for prefix, file_name, stands_for in FACES:
        faces.append((prefix, stands_for, FaceMetrics(os.path.join(font_dir, file_name))))
    fallbacks = []
    for file_name, family in FALLBACK:
        directory = cjk_dir if file_name.endswith(".ttc") else noto_dir
        path = os.path.join(directory, file_name)
        index = next((i for i in range(TrueTypeFont.face_count(path))
                      if TrueTypeFont(path, i).family_name() == family), None)
        if index is None:
            raise FontError("%s holds no face of the family %s" % (path, family))
        fallbacks.append(FaceMetrics(path, index))
    units = {f.units for f in fallbacks}
    if len(units) != 1:
        raise FontError("the fallback fonts differ in units per em: %s" % sorted(units))

    header = [
        "// Generated by tools/make_font_metrics.py; do not edit. Run the script again",
        "// to change the fonts.",
        "//",
        "// Advance widths in font units (regular weight, no kerning). For each Liberation",
        "// face: U+0000..U+00FF as a plain array (controls 0; the C1 controls, where the",
        "// five bytes Windows-1252 leaves unassigned are decoded, as .notdef), then every",
        "// other code point the face maps, as sorted runs of consecutive code points of",
        "// one advance. Marks (Mn, Me) and format characters (Cf) above U+00FF measure 0,",
        "// as the shaper draws them. From:",
    ]
    blocks = []
    for prefix, stands_for, face in faces:
        header.append("//   %s for %s" % (face.describe(), stands_for))
        runs = face_runs(face)
        blocks.append("constexpr int32_t k%sUnitsPerEm = %d;\nconstexpr uint16_t k%sNotdef = %d;\n%s\n%s"
                      % (prefix, face.units, prefix, face.notdef,
                         format_latin1("k%sLatin1" % prefix, latin1_advances(face)),
                         format_runs("MetricRun", "k%sRuns" % prefix, runs)))
    header += [
        "// Code points a Liberation face lacks measure from the fallback, the Noto fonts",
        "// below in this order (the first that maps a code point draws it; its index in",
        "// kFallbackFamilies is the run's last field):",
    ]
    for font in fallbacks:
        header.append("//   %s" % font.describe())
    header.append("// Anything no font maps measures as the Liberation face's .notdef.")
    runs = fallback_runs(fallbacks, [face for _, _, face in faces])
    families = ",\n".join('    "%s"' % f.family for f in fallbacks)
    blocks.append("constexpr int32_t kFallbackUnitsPerEm = %d;\nconstexpr const char* kFallbackFamilies[] = {\n%s,\n};\n%s"
                  % (fallbacks[0].units, families, format_runs("FallbackRun", "kFallbackRuns", runs)))
    return "\n".join(header) + "\n\n" + "\n\n".join(blocks) + "\n"


# Bidi classes in the order of the BidiClass enumeration in src/output/visual_text.cpp.
BIDI_CLASSES = ["L", "R", "AL", "EN", "ES", "ET", "AN", "CS", "NSM", "BN", "B", "S", "WS", "ON",
                "LRE", "LRO", "RLE", "RLO", "PDF", "LRI", "RLI", "FSI", "PDI"]
ARABIC_FORMS = {"<isolated>": 0, "<final>": 1, "<initial>": 2, "<medial>": 3}


def visual_tables():
    """Bidi classes, and the Arabic presentation forms by letter, from Python's Unicode
    database."""
    entries = []
    for code in range(0x110000):
        bidi = unicodedata.bidirectional(chr(code))
        if bidi and bidi != "L":
            entries.append((code, BIDI_CLASSES.index(bidi)))
    bidi_runs = runs_of(entries)

    letters = {}
    lam_alef = {}
    for code in list(range(0xFB50, 0xFE00)) + list(range(0xFE70, 0xFF00)):
        parts = unicodedata.decomposition(chr(code)).split()
        if not parts or parts[0] not in ARABIC_FORMS:
            continue
        bases = [int(p, 16) for p in parts[1:]]
        form = ARABIC_FORMS[parts[0]]
        if len(bases) == 1 and unicodedata.category(chr(bases[0])) == "Lo":
            letters.setdefault(bases[0], [0, 0, 0, 0])
            if letters[bases[0]][form] == 0:
                letters[bases[0]][form] = code
        elif len(bases) == 2 and bases[0] == 0x0644 and code >= 0xFEF5 and form in (0, 1):
            lam_alef.setdefault(bases[1], [0, 0])[form] = code
    forms = ["    {0x%04X, {0x%04X, 0x%04X, 0x%04X, 0x%04X}}," % (base, *letters[base]) for base in sorted(letters)]
    ligatures = ["    {0x%04X, 0x%04X, 0x%04X}," % (alef, *lam_alef[alef]) for alef in sorted(lam_alef)]
    return "\n".join([
        "// Generated by tools/make_font_metrics.py; do not edit. From Python's Unicode",
        "// database, Unicode %s." % unicodedata.unidata_version,
        "//",
        "// kBidiRuns: the bidi class of every code point that is not L, as sorted runs",
        "// (the class is an index into BidiClass). kArabicForms: each Arabic letter with",
        "// its presentation forms, isolated, final, initial, medial (0 where it has none).",
        "// kLamAlef: each alef with the isolated and final forms of lam followed by it.",
        "",
        format_runs("BidiRun", "kBidiRuns", bidi_runs),
        "",
        "constexpr ArabicForms kArabicForms[] = {",
        *forms,
        "};",
        "",
        "constexpr LamAlef kLamAlef[] = {",
        *ligatures,
        "};",
        "",
    ])


def main(argv):
    if len(argv) > 4:
        print(__doc__, file=sys.stderr)
        return 2
    font_dir = argv[1] if len(argv) > 1 else DEFAULT_FONT_DIR
    noto_dir = argv[2] if len(argv) > 2 else DEFAULT_NOTO_DIR
    cjk_dir = argv[3] if len(argv) > 3 else DEFAULT_CJK_DIR
    try:
        metrics = metrics_tables(font_dir, noto_dir, cjk_dir)
    except (OSError, FontError, struct.error) as e:
        print("make_font_metrics: %s" % e, file=sys.stderr)
        return 1
    write(OUTPUT, metrics)
    write(VISUAL_OUTPUT, visual_tables())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
