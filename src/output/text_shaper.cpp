#include "output/text_shaper.h"

#include <hb.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <unordered_map>

#include "output/installed_fonts.h"

namespace tw {

namespace {

// The runs kept: a report repeats its names, a document of a million names must
// not keep them all.
constexpr size_t kMostRunsKept = 100000;

struct OpenFont {
    hb_blob_t* blob = nullptr;
    hb_face_t* face = nullptr;
    hb_font_t* font = nullptr;
    int unitsPerEm = 1000;
    std::unordered_map<std::u32string, std::shared_ptr<const ShapedText>> runs;

    OpenFont() = default;
    OpenFont(const OpenFont&) = delete;
    OpenFont& operator=(const OpenFont&) = delete;
    ~OpenFont() {
        hb_font_destroy(font);
        hb_face_destroy(face);
        hb_blob_destroy(blob);
    }
};

struct ShaperState {
    std::mutex mutex;
    std::map<std::string, std::unique_ptr<OpenFont>, std::less<>> fonts;  // null: not installed
    size_t runsKept = 0;
};

ShaperState& state() {
    static ShaperState instance;
    return instance;
}

std::unique_ptr<OpenFont> openFont(std::string_view family) {
    const std::optional<FontFileName> file = findFontFile(family);
    if (!file) return nullptr;
    hb_blob_t* blob = hb_blob_create_from_file_or_fail(file->path.c_str());
    if (blob == nullptr) return nullptr;
    auto font = std::make_unique<OpenFont>();
    font->blob = blob;
    font->face = hb_face_create(blob, unsigned(std::max(file->index, 0)));
    if (hb_face_get_glyph_count(font->face) == 0) return nullptr;
    font->font = hb_font_create(font->face);
    font->unitsPerEm = int(std::max(1u, hb_face_get_upem(font->face)));
    return font;
}

OpenFont* fontOf(ShaperState& s, std::string_view family) {
    auto it = s.fonts.find(family);
    if (it == s.fonts.end()) it = s.fonts.emplace(std::string(family), openFont(family)).first;
    return it->second.get();
}

// One run of its script, direction and language as HarfBuzz guesses them, kerning
// off (the metric tables measure without it, and every output draws without it).
std::shared_ptr<const ShapedText> shape(const OpenFont& font, std::u32string_view text) {
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf32(buffer, reinterpret_cast<const uint32_t*>(text.data()), int(text.size()), 0, int(text.size()));
    hb_buffer_guess_segment_properties(buffer);
    const hb_feature_t noKerning{HB_TAG('k', 'e', 'r', 'n'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END};
    hb_shape(font.font, buffer, &noKerning, 1);
    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, nullptr);
    auto shaped = std::make_shared<ShapedText>();
    shaped->unitsPerEm = font.unitsPerEm;
    shaped->glyphs.reserve(count);
    int32_t x = 0, y = 0;
    for (unsigned i = 0; i < count; ++i) {
        shaped->glyphs.push_back({infos[i].codepoint, x + positions[i].x_offset, y + positions[i].y_offset});
        x += positions[i].x_advance;
        y += positions[i].y_advance;
    }
    shaped->advance = x;
    hb_buffer_destroy(buffer);
    return shaped;
}

}  // namespace

std::shared_ptr<const ShapedText> shapeText(std::string_view family, std::u32string_view text) {
    ShaperState& s = state();
    const std::lock_guard lock(s.mutex);
    OpenFont* font = fontOf(s, family);
    if (font == nullptr) return nullptr;
    const std::u32string key(text);
    if (const auto it = font->runs.find(key); it != font->runs.end()) return it->second;
    if (s.runsKept >= kMostRunsKept) {
        for (auto& [name, open] : s.fonts)
            if (open) open->runs.clear();
        s.runsKept = 0;
    }
    std::shared_ptr<const ShapedText> shaped = shape(*font, text);
    font->runs.emplace(key, shaped);
    ++s.runsKept;
    return shaped;
}

}  // namespace tw
