#include "output/pdf/pdf_font.h"

#include <hb-ot.h>
#include <hb-subset.h>
#include <hb.h>

#include <algorithm>
#include <cstring>

namespace tw {

namespace {

constexpr uint32_t kUnknownGlyph = 0xFFFFFFFF;
constexpr char32_t kBasicLimit = 0x3000;

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
    font->usedFlags_.assign(glyphCount, 0);
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

void PdfFont::use(uint32_t glyph, std::u32string_view text) {
    if (usedFlags_[glyph] != 0) return;
    usedFlags_[glyph] = 1;
    used_.emplace(glyph, UsedGlyph{advanceOf(glyph), std::u32string(text)});
}

void PdfFont::layOut(std::u32string_view text, bool shaped, Run& out) {
    out.glyphs.clear();
    out.placed = shaped;
    out.advance = 0;
    if (out.placed) {
        shape(text, out);
        return;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        const uint32_t glyph = glyphOf(text[i]);
        use(glyph, text.substr(i, 1));
        out.glyphs.push_back({glyph, 0, 0});
        out.advance += advanceOf(glyph);
    }
}

// The characters a cluster's glyphs stand for: a glyph that is a character's own
// glyph stands for that character; the first of the others (a conjunct, a
// ligature) stands for the characters left.
void PdfFont::mapCluster(const hb_glyph_info_t* infos, unsigned count, std::u32string_view text) {
    std::u32string left(text);
    std::vector<uint32_t> others;
    for (unsigned i = 0; i < count; ++i) {
        const uint32_t glyph = infos[i].codepoint < advances_.size() ? infos[i].codepoint : 0;
        const auto own = std::find_if(left.begin(), left.end(), [&](char32_t c) { return glyphOf(c) == glyph; });
        if (own != left.end()) {
            use(glyph, std::u32string_view(&*own, 1));
            left.erase(own);
        } else {
            others.push_back(glyph);
        }
    }
    for (size_t i = 0; i < others.size(); ++i) use(others[i], i == 0 ? std::u32string_view(left) : std::u32string_view());
}

// Shaped as one run of its script, without kerning.
void PdfFont::shape(std::u32string_view text, Run& out) {
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf32(buffer, reinterpret_cast<const uint32_t*>(text.data()), int(text.size()), 0, int(text.size()));
    hb_buffer_guess_segment_properties(buffer);
    const hb_feature_t noKerning{HB_TAG('k', 'e', 'r', 'n'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END};
    hb_shape(font_, buffer, &noKerning, 1);
    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, nullptr);
    int32_t x = 0, y = 0;
    for (unsigned i = 0; i < count;) {
        // One cluster: glyphs i..next-1 drawing the characters start..end-1.
        unsigned next = i + 1;
        while (next < count && infos[next].cluster == infos[i].cluster) ++next;
        const uint32_t start = infos[i].cluster;
        uint32_t end = uint32_t(text.size());
        for (unsigned j = 0; j < count; ++j)
            if (infos[j].cluster > start) end = std::min(end, infos[j].cluster);
        mapCluster(infos + i, next - i, start < end ? text.substr(start, end - start) : std::u32string_view());
        for (; i < next; ++i) {
            const uint32_t glyph = infos[i].codepoint < advances_.size() ? infos[i].codepoint : 0;
            out.glyphs.push_back({glyph, x + positions[i].x_offset, y + positions[i].y_offset});
            x += positions[i].x_advance;
            y += positions[i].y_advance;
        }
    }
    out.advance = x;
    hb_buffer_destroy(buffer);
}

void PdfFont::preferLowestCharacters() {
    hb_set_t* characters = hb_set_create();
    hb_face_collect_unicodes(face_, characters);
    hb_codepoint_t c = HB_SET_VALUE_INVALID;
    while (hb_set_next(characters, &c)) {
        hb_codepoint_t glyph = 0;
        if (!hb_font_get_nominal_glyph(font_, c, &glyph) || glyph >= usedFlags_.size() || usedFlags_[glyph] == 0) continue;
        std::u32string& text = used_[glyph].text;
        if (text.size() == 1 && c < text[0]) text = std::u32string(1, char32_t(c));
    }
    hb_set_destroy(characters);
}

PdfFont::Subset PdfFont::subset() const {
    Subset result;
    hb_subset_input_t* input = hb_subset_input_create_or_fail();
    if (input == nullptr) return result;
    // CFF glyphs keep their numbers, which the page content uses as they are.
    if (cff_) hb_subset_input_set_flags(input, HB_SUBSET_FLAGS_RETAIN_GIDS);
    hb_set_t* glyphs = hb_subset_input_glyph_set(input);
    hb_set_add(glyphs, 0);
    for (const auto& [glyph, used] : used_) hb_set_add(glyphs, glyph);
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
    for (const auto& [glyph, used] : used_) {
        const hb_codepoint_t mapped = hb_map_get(oldToNew, glyph);
        if (mapped != HB_MAP_VALUE_INVALID) result.newGlyph[glyph] = mapped;
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
