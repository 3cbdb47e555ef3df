#pragma once
// One font file as a PDF embeds it: found by family through fontconfig, read with
// HarfBuzz, its glyphs looked up as text is drawn, and at the end only the glyphs
// drawn written out (a subset), with their widths and a map back to the text.
//
// Text is drawn without kerning at the fonts' own advances, as it is measured. Runs
// of simple scripts map character by character through the font's character map;
// the runs measuring shapes (FontRun::shaped: combining marks, the scripts whose
// letters change shape or order, the fonts found for other scripts) are shaped.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/installed_fonts.h"

struct hb_blob_t;
struct hb_face_t;
struct hb_font_t;
struct hb_glyph_info_t;

namespace tw {

// A glyph of a run: its index in the font and where it goes, in font units from the
// run's start (x to the right, y up).
struct PlacedGlyph {
    uint32_t glyph = 0;
    int32_t x = 0;
    int32_t y = 0;
};

class PdfFont {
public:
    // Nothing when the file cannot be read as a font.
    static std::unique_ptr<PdfFont> open(const FontFileName& file);
    ~PdfFont();
    PdfFont(const PdfFont&) = delete;
    PdfFont& operator=(const PdfFont&) = delete;

    int unitsPerEm() const { return unitsPerEm_; }
    int ascender() const { return ascender_; }  // font units above the baseline
    const std::string& postScriptName() const { return postScriptName_; }
    bool isCff() const { return cff_; }

    // The glyphs of one run of text, shaped or character by character. When placed is
    // false, the glyphs follow each other at their advances (the common case, no
    // shaping); otherwise their places are in `out`.
    struct Run {
        std::vector<PlacedGlyph> glyphs;
        bool placed = false;
        int32_t advance = 0;  // the run's width in font units: where the pen stands after it
    };
    void layOut(std::u32string_view text, bool shaped, Run& out);

    // Glyphs drawn so far: their advance (font units) and the text each stands for.
    struct UsedGlyph {
        int32_t advance = 0;
        std::u32string text;
    };
    const std::map<uint32_t, UsedGlyph>& usedGlyphs() const { return used_; }
    // Each glyph drawn for one character stands, in the map back to the text, for
    // the lowest character the font draws with it (as text in other PDFs does: the
    // plain letter rather than a presentation form).
    void preferLowestCharacters();
    // A glyph's advance in font units.
    int32_t advance(uint32_t glyph) { return advanceOf(glyph); }

    // The font program holding only the glyphs drawn (and what they are built from),
    // and each drawn glyph's index in it. Empty when the font could not be cut down.
    struct Subset {
        std::string program;
        std::map<uint32_t, uint32_t> newGlyph;  // by the glyph's index in the whole font
    };
    Subset subset() const;
    // The font's bounding box, in font units: x min, y min, x max, y max.
    std::vector<int> boundingBox() const;

private:
    PdfFont() = default;
    uint32_t glyphOf(char32_t c);
    int32_t advanceOf(uint32_t glyph);
    void use(uint32_t glyph, std::u32string_view text);
    void shape(std::u32string_view text, Run& out);
    void mapCluster(const hb_glyph_info_t* infos, unsigned count, std::u32string_view text);

    hb_blob_t* blob_ = nullptr;
    hb_face_t* face_ = nullptr;
    hb_font_t* font_ = nullptr;
    int unitsPerEm_ = 1000;
    int ascender_ = 0;
    bool cff_ = false;
    std::string postScriptName_;
    std::vector<uint32_t> basicGlyphs_;  // glyph of each character below 0x3000, kUnknownGlyph until looked up
    std::vector<int32_t> advances_;      // by glyph, -1 until looked up
    std::map<uint32_t, UsedGlyph> used_;
    std::vector<uint8_t> usedFlags_;      // by glyph: 1 once in used_
};

}  // namespace tw
