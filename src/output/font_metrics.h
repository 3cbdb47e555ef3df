#pragma once
// Text widths from advance-width tables built into the program, so that layout is
// the same on every machine whatever fonts it has. "Times" measures as Times New
// Roman and "Arial" as Arial, through their metric-compatible twins Liberation Serif
// and Liberation Sans, for every character those faces hold (Latin with all its
// extensions, Vietnamese, Greek, Cyrillic, Hebrew, ...). Characters they lack (Han,
// kana, Hangul, Arabic, the Indic scripts, Thai, Armenian, Georgian, Ethiopic, ...)
// measure and draw with the fallback, the Noto fonts (tools/make_font_metrics.py
// says which files and why). Regular weight, no kerning. Any other face measures as
// "Times".
//
// Text is UTF-8, or Windows-1252 where it is not well-formed UTF-8 (decodeText),
// and is measured as it is drawn: in visual order with Arabic letters joined
// (visualText). Marks and format characters take no room; anything no font holds
// measures as the Liberation face's missing-glyph box. Indic conjuncts, which the
// shaper builds from several characters, are measured as their characters.
// The tables are generated from the font files by tools/make_font_metrics.py.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
    std::u32string text;       // visual order, Arabic letters in presentation forms
    int font = 0;              // 0: the face's Liberation font; n > 0: fallbackFamily(n)
    int32_t offsetPixels = 0;  // where the run starts: the width of the runs before it
};

// The text as drawn at a size in pixels per em, cut where the font changes; each
// right-to-left letter (Hebrew, Arabic) with its marks is a run of its own, so that
// whatever draws a run cannot reorder it again (an SVG viewer lays out each text
// anew). The runs' offsets are measured as textWidthForPixelHeight measures the
// whole text.
std::vector<FontRun> fontRuns(std::string_view text, std::string_view faceName, int pixelHeight);

// The installed families that draw a face, best first: "Arial" is Liberation Sans
// or Arial, any other face Liberation Serif, Times New Roman or Times.
std::span<const char* const> familiesDrawing(std::string_view faceName);

// The family name of fallback font n (1 and up), as fontconfig knows it; empty for
// any other n.
std::string_view fallbackFamily(int font);
int fallbackFamilyCount();

}  // namespace tw
