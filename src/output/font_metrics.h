#pragma once
// Text widths as the text is drawn. Latin, Greek, Cyrillic, Hebrew, Chinese and
// every other text that needs no shaping measure from advance-width tables built
// into the program, so that their layout is the same on every machine whatever
// fonts it has: "Times" measures as Times New Roman and "Arial" as Arial, through
// their metric-compatible twins Liberation Serif and Liberation Sans, for every
// character those faces hold (Latin with all its extensions, Vietnamese, Greek,
// Cyrillic, Hebrew, ...). Characters they lack (Han, kana, Hangul, Arabic, the Indic
// scripts, Thai, Armenian, Georgian, Ethiopic, ...) measure and draw with the
// fallback, the Noto fonts (tools/make_font_metrics.py says which files and why).
// Regular weight, no kerning. Any other face measures as "Times".
//
// Runs whose letters join into conjuncts, reorder or stack (the Indic scripts,
// Thai, Lao, Khmer, Myanmar, Tibetan, and any text with combining marks or joiners)
// measure as the shaper lays them out in the installed font that draws them
// (text_shaper.h), so that a conjunct takes the room of the one glyph drawn for it;
// where that font is not installed they measure from the tables. Characters that
// neither the faces nor the fallback hold, or whose fallback font is not installed,
// draw and measure with the installed font fontconfig finds for them
// (installed_fonts.h); anything no installed font holds measures as the Liberation
// face's missing-glyph box. So layout is the same wherever the fonts are the same.
//
// Text is UTF-8, or Windows-1252 where it is not well-formed UTF-8 (decodeText),
// and is measured as it is drawn: in visual order with Arabic letters joined
// (visualText). Marks and format characters take no room.
// The tables are generated from the font files by tools/make_font_metrics.py.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "output/text_shaper.h"

namespace tw {

enum class MetricFace { Times, Arial };

MetricFace metricFaceFor(std::string_view faceName);

// Width in device pixels: round(sum of advances x size x dpi / (72 x units per em)),
// the advances of each font taken in its own units per em, the sum rounded once.
int32_t textWidthPixels(std::string_view text, std::string_view faceName, int pointSize, int dpi);
// The same for a size given in device pixels per em (fonts built from a pixel height).
int32_t textWidthForPixelHeight(std::string_view text, std::string_view faceName, int pixelHeight);

// A stretch of a text, in drawing order, that one font draws.
struct FontRun {
    // Visual order, Arabic letters in presentation forms; but the right-to-left
    // letters of a font found for them (Syriac, Thaana, N'Ko, ...) in reading order,
    // which the shaper lays out right to left.
    std::u32string text;
    int font = 0;              // 0: the face's Liberation font; n > 0: fallbackFamily(n)
    int32_t offsetPixels = 0;  // where the run starts: the width of the runs before it
    // Drawn as the shaper lays it out (shapedRun), not character by character
    // through the font's character map.
    bool shaped = false;
};

// The text as drawn at a size in pixels per em, cut where the font changes; each
// right-to-left letter (Hebrew, Arabic) with its marks is a run of its own, so that
// whatever draws a run cannot reorder it again (an SVG viewer lays out each text
// anew); the right-to-left words of a found font, which have no presentation forms
// to join them, are runs of their own in reading order. The runs' offsets are
// measured as textWidthForPixelHeight measures the whole text.
std::vector<FontRun> fontRuns(std::string_view text, std::string_view faceName, int pixelHeight);

// A shaped run's glyphs as the shaper lays them out in the run's font; nothing when
// the run is not shaped or its font is not installed (it is then drawn and measured
// character by character).
std::shared_ptr<const ShapedText> shapedRun(const FontRun& run, std::string_view faceName);

// The font that draws a character of a text in a face: its number as in FontRun,
// its family (empty when no installed font holds the character) and whether that
// family is installed.
struct CharacterFont {
    int font = 0;
    std::string_view family;
    bool installed = false;
};
CharacterFont characterFont(char32_t c, std::string_view faceName);

// The installed families that draw a face, best first: "Arial" is Liberation Sans
// or Arial, any other face Liberation Serif, Times New Roman or Times.
std::span<const char* const> familiesDrawing(std::string_view faceName);

// The family name of fallback font n (1 and up), as fontconfig knows it: the Noto
// fonts of the tables up to fallbackFamilyCount(), then the fonts found for other
// characters (foundFontFamily); empty for any other n.
std::string_view fallbackFamily(int font);
int fallbackFamilyCount();

}  // namespace tw
