#include "output/pdf/pdf_font.h"

#include <fontconfig/fontconfig.h>
#include <hb-ot.h>
#include <hb-subset.h>
#include <hb.h>

#include <algorithm>
#include <cstring>

#include "output/pdf/pdf_numbers.h"
#include "output/pdf/text_reading.h"

namespace tw {

namespace {

constexpr uint32_t kUnknownGlyph = 0xFFFFFFFF;
constexpr char32_t kBasicLimit = 0x3000;
// Two-byte codes from 1: 0 is left out, as readers take CID 0 for the missing glyph.
constexpr size_t kMostCodes = 0xFFFF;

// Characters that only a shaper places right: combining marks, joiners, and the
// scripts whose letters reorder, join into conjuncts or stack.
bool needsShaping(char32_t c) {
    struct Range {
        char32_t first, last;
    };
    static constexpr Range kRanges[] = {
        {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05C7}, {0x0610, 0x061A}, {0x064B, 0x065F},
        {0x0670, 0x0670}, {0x06D6, 0x06ED}, {0x0900, 0x0DFF}, {0x0E00, 0x0FFF}, {0x1000, 0x109F},
        {0x1780, 0x17FF}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x200C, 0x200D}, {0x20D0, 0x20FF},
        {0xA8E0, 0xA8FF}, {0xFE20, 0xFE2F},
    };
    if (c < 0x0300) return false;
    return std::any_of(std::begin(kRanges), std::end(kRanges),
                       [c](const Range& r) { return c >= r.first && c <= r.last; });
}

std::string postScriptNameOf(hb_face_t* face) {
    char name[128] = {};
    unsigned size = sizeof name;
    hb_ot_name_get_utf8(face, HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &size, name);
    std::string result;
    for (const char* p = name; *p != '\0'; ++p)  // a PDF name: no blanks or delimiters
        if (*p > ' ' && *p < 127 && std::strchr("()<>[]{}/%#", *p) == nullptr) result += *p;
    return result.empty() ? std::string("Font") : result;
}

bool hasTable(hb_face_t* face, hb_tag_t tag) {
    hb_blob_t* table = hb_face_reference_table(face, tag);
    const bool present = hb_blob_get_length(table) > 0;
    hb_blob_destroy(table);
    return present;
}

int16_t bigEndian16(const char* p) { return int16_t(uint16_t(uint8_t(p[0])) << 8 | uint8_t(p[1])); }

}  // namespace

std::optional<FontFileName> findFontFile(std::string_view family) {
    // The process's own font configuration, which Qt shares: loaded once.
    static const bool ready = FcInit() == FcTrue;
    if (!ready) return std::nullopt;
    FcConfig* config = nullptr;
    const std::string name(family);
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) return std::nullopt;
    // The match is the family asked for when any of its names (a font may have
    // several, some in other languages) is that family.
    bool sameFamily = false;
    FcChar8* matchedFamily = nullptr;
    for (int n = 0; !sameFamily && FcPatternGetString(match, FC_FAMILY, n, &matchedFamily) == FcResultMatch; ++n)
        sameFamily = FcStrCmpIgnoreCase(matchedFamily, reinterpret_cast<const FcChar8*>(name.c_str())) == 0;
    std::optional<FontFileName> found;
    FcChar8* file = nullptr;
    int index = 0;
    if (sameFamily && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        found = FontFileName{reinterpret_cast<const char*>(file), index & 0xFFFF};  // above: a variable instance
    }
    FcPatternDestroy(match);
    return found;
}

std::unique_ptr<PdfFont> PdfFont::open(const FontFileName& file) {
    hb_blob_t* blob = hb_blob_create_from_file_or_fail(file.path.c_str());
    if (blob == nullptr) return nullptr;
    std::unique_ptr<PdfFont> font(new PdfFont());
    font->blob_ = blob;
    font->face_ = hb_face_create(blob, unsigned(std::max(file.index, 0)));
    const unsigned glyphCount = hb_face_get_glyph_count(font->face_);
    if (glyphCount == 0) return nullptr;
    font->font_ = hb_font_create(font->face_);
    font->unitsPerEm_ = int(std::max(1u, hb_face_get_upem(font->face_)));
    hb_font_extents_t extents{};
    hb_font_get_h_extents(font->font_, &extents);
    font->ascender_ = extents.ascender;
    font->cff_ = hasTable(font->face_, HB_TAG('C', 'F', 'F', ' '));
    font->postScriptName_ = postScriptNameOf(font->face_);
    font->basicGlyphs_.assign(kBasicLimit, kUnknownGlyph);
    font->advances_.assign(glyphCount, -1);
    font->basicCodes_.assign(kBasicLimit, 0);
    return font;
}

PdfFont::~PdfFont() {
    hb_font_destroy(font_);
    hb_face_destroy(face_);
    hb_blob_destroy(blob_);
}

uint32_t PdfFont::glyphOf(char32_t c) {
    if (c < kBasicLimit && basicGlyphs_[c] != kUnknownGlyph) return basicGlyphs_[c];
    hb_codepoint_t glyph = 0;
    if (!hb_font_get_nominal_glyph(font_, c, &glyph) || glyph >= advances_.size()) glyph = 0;
    if (c < kBasicLimit) basicGlyphs_[c] = glyph;
    return glyph;
}

int32_t PdfFont::advanceOf(uint32_t glyph) {
    int32_t& advance = advances_[glyph];
    if (advance < 0) advance = std::max<int32_t>(0, hb_font_get_glyph_h_advance(font_, glyph));
    return advance;
}

uint16_t PdfFont::codeFor(uint32_t glyph, std::u32string_view text, std::optional<int32_t> width) {
    const int32_t advance = width && !cff_ ? *width : advanceOf(glyph);
    uint16_t* found = nullptr;
    if (text.size() == 1 && advance == advanceOf(glyph))
        found = &characterCodes_[uint64_t(glyph) << 32 | text[0]];
    else
        found = &otherCodes_[{glyph, advance, std::u32string(text)}];
    if (*found != 0) return *found;
    if (codes_.size() >= kMostCodes) return 0;
    codes_.push_back(Code{glyph, advance, std::u32string(text)});
    *found = uint16_t(codes_.size());
    return *found;
}

uint16_t PdfFont::codeOfCharacter(char32_t c) {
    if (c < kBasicLimit && basicCodes_[c] != 0) return basicCodes_[c];
    const uint16_t code = codeFor(glyphOf(c), std::u32string_view(&c, 1), std::nullopt);
    if (c < kBasicLimit) basicCodes_[c] = code;
    return code;
}

bool PdfFont::giveCodes(std::span<PlacedGlyph> glyphs, std::u32string_view reading) {
    const size_t count = glyphs.size();
    if (count == 0) return true;
    if (count == 1) {
        glyphs[0].code = codeFor(glyphs[0].glyph, reading, std::nullopt);
        return true;
    }
    bool own = count == reading.size();
    for (size_t i = 0; own && i < count; ++i) own = glyphOf(reading[i]) == glyphs[i].glyph;
    // A vowel drawn in two parts (Tamil, Bengali, Malayalam o) has a glyph for each
    // part of its decomposition: the glyphs read back decomposed rather than leave
    // one glyph that stands for nothing.
    std::u32string decomposed;
    if (count > reading.size()) {
        decomposed = decomposedText(reading);
        if (decomposed.size() > reading.size()) reading = decomposed;
    }
    const size_t coded = std::min(count, reading.size());
    for (size_t i = 0; i < coded; ++i) {
        const size_t length = i + 1 == coded ? reading.size() - i : 1;
        std::optional<int32_t> width;
        // The last glyph with a code reaches over those without, so that readers
        // that go by the codes' widths see no gap between words there.
        if (i + 1 == coded && coded < count)
            width = std::max(advanceOf(glyphs[i].glyph), glyphs[count - 1].x + advanceOf(glyphs[count - 1].glyph) - glyphs[i].x);
        glyphs[i].code = codeFor(glyphs[i].glyph, reading.substr(i, length), width);
    }
    for (size_t i = coded; i < count; ++i) glyphs[i].code = 0;
    return own;
}

void PdfFont::layOut(std::u32string_view text, Run& out) {
    out.glyphs.clear();
    out.clusters.clear();
    out.placed = std::any_of(text.begin(), text.end(), needsShaping);
    if (out.placed) {
        shape(text, out);
        return;
    }
    int32_t x = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const uint32_t glyph = glyphOf(text[i]);
        out.clusters.push_back({uint32_t(i), 1, uint32_t(i), uint32_t(i + 1)});
        out.glyphs.push_back({glyph, x, 0, 0});
        x += advanceOf(glyph);
    }
}

// Shaped as one run of its script, without kerning. A cluster's characters run from
// its own start to the next larger start of any cluster (the glyphs of a right-to-
// left run come with their clusters in falling order).
void PdfFont::shape(std::u32string_view text, Run& out) {
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf32(buffer, reinterpret_cast<const uint32_t*>(text.data()), int(text.size()), 0, int(text.size()));
    hb_buffer_guess_segment_properties(buffer);
    const hb_feature_t noKerning{HB_TAG('k', 'e', 'r', 'n'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END};
    hb_shape(font_, buffer, &noKerning, 1);
    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, nullptr);
    std::vector<uint32_t> starts;
    starts.reserve(count + 1);
    for (unsigned i = 0; i < count; ++i) starts.push_back(infos[i].cluster);
    starts.push_back(uint32_t(text.size()));
    std::sort(starts.begin(), starts.end());
    int32_t x = 0, y = 0;
    for (unsigned i = 0; i < count;) {
        unsigned next = i + 1;
        while (next < count && infos[next].cluster == infos[i].cluster) ++next;
        const uint32_t start = std::min(infos[i].cluster, uint32_t(text.size()));
        const auto later = std::upper_bound(starts.begin(), starts.end(), start);
        const uint32_t end = later == starts.end() ? start : *later;
        out.clusters.push_back({uint32_t(out.glyphs.size()), next - i, start, end});
        for (; i < next; ++i) {
            const uint32_t glyph = infos[i].codepoint < advances_.size() ? infos[i].codepoint : 0;
            out.glyphs.push_back({glyph, x + positions[i].x_offset, y + positions[i].y_offset, 0});
            x += positions[i].x_advance;
            y += positions[i].y_advance;
        }
    }
    hb_buffer_destroy(buffer);
}

namespace {

// Path operators of an outline in font units, the quadratic curves of TrueType
// outlines raised to cubic ones.
struct OutlineWriter {
    std::string* out;
    double scale = 1;
    float x = 0, y = 0;
    void point(float px, float py) {
        appendPdfNumber(*out, px * scale);
        *out += ' ';
        appendPdfNumber(*out, py * scale);
        *out += ' ';
    }
};

void outlineMoveTo(hb_draw_funcs_t*, void* data, hb_draw_state_t*, float x, float y, void*) {
    auto& w = *static_cast<OutlineWriter*>(data);
    w.point(x, y);
    *w.out += "m\n";
    w.x = x;
    w.y = y;
}

void outlineLineTo(hb_draw_funcs_t*, void* data, hb_draw_state_t*, float x, float y, void*) {
    auto& w = *static_cast<OutlineWriter*>(data);
    w.point(x, y);
    *w.out += "l\n";
    w.x = x;
    w.y = y;
}

void outlineCubicTo(hb_draw_funcs_t*, void* data, hb_draw_state_t*, float x1, float y1, float x2, float y2, float x,
                    float y, void*) {
    auto& w = *static_cast<OutlineWriter*>(data);
    w.point(x1, y1);
    w.point(x2, y2);
    w.point(x, y);
    *w.out += "c\n";
    w.x = x;
    w.y = y;
}

void outlineQuadraticTo(hb_draw_funcs_t* funcs, void* data, hb_draw_state_t* state, float cx, float cy, float x,
                        float y, void* user) {
    auto& w = *static_cast<OutlineWriter*>(data);
    outlineCubicTo(funcs, data, state, w.x + 2 * (cx - w.x) / 3, w.y + 2 * (cy - w.y) / 3, x + 2 * (cx - x) / 3,
                   y + 2 * (cy - y) / 3, x, y, user);
}

void outlineClose(hb_draw_funcs_t*, void* data, hb_draw_state_t*, void*) { *static_cast<OutlineWriter*>(data)->out += "h\n"; }

}  // namespace

void PdfFont::appendOutline(uint32_t glyph, double scale, std::string& out) {
    static hb_draw_funcs_t* const funcs = [] {
        hb_draw_funcs_t* f = hb_draw_funcs_create();
        hb_draw_funcs_set_move_to_func(f, outlineMoveTo, nullptr, nullptr);
        hb_draw_funcs_set_line_to_func(f, outlineLineTo, nullptr, nullptr);
        hb_draw_funcs_set_quadratic_to_func(f, outlineQuadraticTo, nullptr, nullptr);
        hb_draw_funcs_set_cubic_to_func(f, outlineCubicTo, nullptr, nullptr);
        hb_draw_funcs_set_close_path_func(f, outlineClose, nullptr, nullptr);
        hb_draw_funcs_make_immutable(f);
        return f;
    }();
    OutlineWriter writer{&out, scale};
    const size_t before = out.size();
#if HB_VERSION_ATLEAST(7, 0, 0)
    hb_font_draw_glyph(font_, glyph, funcs, &writer);
#else
    hb_font_get_glyph_shape(font_, glyph, funcs, &writer);
#endif
    if (out.size() > before) out += "f\n";
}

PdfFont::Subset PdfFont::subset() const {
    Subset result;
    hb_subset_input_t* input = hb_subset_input_create_or_fail();
    if (input == nullptr) return result;
    // CFF glyphs keep their numbers, which the page content uses as they are.
    if (cff_) hb_subset_input_set_flags(input, HB_SUBSET_FLAGS_RETAIN_GIDS);
    hb_set_t* glyphs = hb_subset_input_glyph_set(input);
    hb_set_add(glyphs, 0);
    for (const Code& code : codes_) hb_set_add(glyphs, code.glyph);
    // The PDF reaches glyphs by index: no character map, layout or names needed.
    hb_set_t* dropped = hb_subset_input_set(input, HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (hb_tag_t tag : {HB_TAG('G', 'S', 'U', 'B'), HB_TAG('G', 'P', 'O', 'S'), HB_TAG('G', 'D', 'E', 'F'),
                         HB_TAG('k', 'e', 'r', 'n'), HB_TAG('B', 'A', 'S', 'E'), HB_TAG('J', 'S', 'T', 'F'),
                         HB_TAG('D', 'S', 'I', 'G'), HB_TAG('V', 'O', 'R', 'G'), HB_TAG('v', 'h', 'e', 'a'),
                         HB_TAG('v', 'm', 't', 'x'), HB_TAG('M', 'A', 'T', 'H')})
        hb_set_add(dropped, tag);
    hb_set_clear(hb_subset_input_set(input, HB_SUBSET_SETS_NAME_ID));
    hb_set_add(hb_subset_input_set(input, HB_SUBSET_SETS_NAME_ID), HB_OT_NAME_ID_POSTSCRIPT_NAME);
    hb_subset_plan_t* plan = hb_subset_plan_create_or_fail(face_, input);
    hb_subset_input_destroy(input);
    if (plan == nullptr) return result;
    const hb_map_t* oldToNew = hb_subset_plan_old_to_new_glyph_mapping(plan);
    for (const Code& code : codes_) {
        const hb_codepoint_t mapped = hb_map_get(oldToNew, code.glyph);
        if (mapped != HB_MAP_VALUE_INVALID) result.newGlyph[code.glyph] = mapped;
    }
    if (hb_face_t* cut = hb_subset_plan_execute_or_fail(plan)) {
        hb_blob_t* program = hb_face_reference_blob(cut);
        unsigned length = 0;
        const char* data = hb_blob_get_data(program, &length);
        result.program.assign(data, length);
        hb_blob_destroy(program);
        hb_face_destroy(cut);
    }
    hb_subset_plan_destroy(plan);
    if (result.program.empty()) result.newGlyph.clear();
    return result;
}

std::vector<int> PdfFont::boundingBox() const {
    hb_blob_t* head = hb_face_reference_table(face_, HB_TAG('h', 'e', 'a', 'd'));
    unsigned length = 0;
    const char* data = hb_blob_get_data(head, &length);
    std::vector<int> box{0, -unitsPerEm_ / 4, unitsPerEm_, unitsPerEm_};
    if (length >= 44) box = {bigEndian16(data + 36), bigEndian16(data + 38), bigEndian16(data + 40), bigEndian16(data + 42)};
    hb_blob_destroy(head);
    return box;
}

}  // namespace tw
