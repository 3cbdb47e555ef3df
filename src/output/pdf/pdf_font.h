#pragma once
// One font file as a PDF embeds it: found by family through fontconfig, read with
// HarfBuzz, its glyphs looked up as text is drawn, and at the end only the glyphs
// drawn written out (a subset), with their widths and a map back to the text.
//
// Text is drawn without kerning at the fonts' own advances, as the metric tables
// measure it. Runs of simple scripts map character by character through the font's
// character map; runs with combining marks or of the scripts whose letters change
// shape or order (the Indic scripts, Thai, Lao, Tibetan, Myanmar, Khmer) are shaped.
//
// The page content draws a glyph by a two-byte code, and each code reads back as the
// text it was drawn for: a code is one glyph standing for one text, given out in the
// order first drawn. A glyph drawn for two texts (a CJK font's one glyph for a Kangxi
// radical and its ideograph, a vowel sign drawn before the consonant it follows) has
// a code for each, so every text reads back as it was written.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

struct hb_blob_t;
struct hb_face_t;
struct hb_font_t;

namespace tw {

// A glyph of a run: its index in the font, where it goes in font units from the
// run's start (x to the right, y up), and the code that draws it (0: none yet, or
// none to be had, when it is drawn as its outline). A hidden glyph is drawn
// invisibly, only to carry text.
struct PlacedGlyph {
    uint32_t glyph = 0;
    int32_t x = 0;
    int32_t y = 0;
    uint16_t code = 0;
    bool hidden = false;
};

// The file and face index of the installed font of a family; nothing when no font
// of that family is installed (fontconfig would substitute another).
struct FontFileName {
    std::string path;
    int index = 0;
};
std::optional<FontFileName> findFontFile(std::string_view family);

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

    // The glyphs of one run of text in visual order, and the clusters they fall
    // into: the glyphs that draw one stretch of the text together (a letter with its
    // marks, a conjunct, a ligature, a vowel sign drawn before its consonant). When
    // placed is false the glyphs follow each other at their advances (no shaping
    // was needed: a cluster is a glyph drawing a character).
    struct Cluster {
        uint32_t firstGlyph = 0;
        uint32_t glyphCount = 0;
        uint32_t textBegin = 0;  // the characters drawn: text[textBegin, textEnd)
        uint32_t textEnd = 0;
    };
    struct Run {
        std::vector<PlacedGlyph> glyphs;
        std::vector<Cluster> clusters;
        bool placed = false;
    };
    void layOut(std::u32string_view text, Run& out);

    // The code of the glyph c is drawn with, standing for c.
    uint16_t codeOfCharacter(char32_t c);
    // Gives the glyphs of one cluster (visual order) codes that read back, one after
    // the other, as `reading` (its characters in logical order): each glyph the
    // character that is its own where glyphs and characters pair off in order, else
    // the characters shared out in order, the last glyph taking those left over.
    // With more glyphs than characters the reading's decomposition is shared out
    // (a vowel drawn in two parts reads as its two parts); a glyph beyond even those
    // (a dotted circle) gets no code and is drawn as its outline. True when each
    // glyph stands for its own character or the cluster is one glyph.
    bool giveCodes(std::span<PlacedGlyph> glyphs, std::u32string_view reading);

    // The code drawing glyph and reading back as text, whose width is the glyph's
    // advance or, where codes have widths of their own (not in CFF fonts), `width`
    // (font units); 0 when all codes are given out.
    uint16_t codeFor(uint32_t glyph, std::u32string_view text, std::optional<int32_t> width);
    bool codesHaveOwnWidths() const { return !cff_; }

    // A code: the glyph it draws, its width in font units and the text it reads back
    // as, by code - 1.
    struct Code {
        uint32_t glyph = 0;
        int32_t advance = 0;
        std::u32string text;
    };
    const std::vector<Code>& codes() const { return codes_; }
    int32_t codeAdvance(uint16_t code) const { return codes_[code - 1u].advance; }
    // A glyph's advance in font units.
    int32_t advance(uint32_t glyph) { return advanceOf(glyph); }
    // The glyph's outline as PDF path operators, filled: font units times scale, y up.
    void appendOutline(uint32_t glyph, double scale, std::string& out);

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
    void shape(std::u32string_view text, Run& out);

    hb_blob_t* blob_ = nullptr;
    hb_face_t* face_ = nullptr;
    hb_font_t* font_ = nullptr;
    int unitsPerEm_ = 1000;
    int ascender_ = 0;
    bool cff_ = false;
    std::string postScriptName_;
    std::vector<uint32_t> basicGlyphs_;  // glyph of each character below 0x3000, kUnknownGlyph until looked up
    std::vector<uint16_t> basicCodes_;   // code of each character below 0x3000 drawn as itself, 0 until given
    std::vector<int32_t> advances_;      // by glyph, -1 until looked up
    std::vector<Code> codes_;
    std::unordered_map<uint64_t, uint16_t> characterCodes_;  // glyph << 32 | character, at the glyph's advance
    std::map<std::tuple<uint32_t, int32_t, std::u32string>, uint16_t> otherCodes_;  // glyph, width, text
};

}  // namespace tw
