#pragma once
// Text laid out as the outputs draw it: HarfBuzz shapes a run of text in the
// installed font of a family (found as findFontFile finds it), without kerning, in
// the font's own units, as the PDF writer shapes it. Measuring takes the width of
// the scripts whose letters join, reorder or stack from here, and the Qt surface
// draws the glyphs, so that what is measured is what is drawn.
//
// Each family and text is shaped once and kept (up to a bound); any thread may ask.

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tw {

// A glyph of a shaped run: its index in the font and where it goes, in font units
// from the run's start (x to the right, y up).
struct ShapedGlyph {
    uint32_t glyph = 0;
    int32_t x = 0;
    int32_t y = 0;
};

struct ShapedText {
    std::vector<ShapedGlyph> glyphs;  // left to right
    int32_t advance = 0;              // the run's width in font units
    int unitsPerEm = 1000;
};

// Nothing when no font of the family is installed or its file cannot be read.
std::shared_ptr<const ShapedText> shapeText(std::string_view family, std::u32string_view text);

}  // namespace tw
