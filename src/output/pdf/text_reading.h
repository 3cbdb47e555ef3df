#pragma once
// How drawn text reads back. A text is drawn in visual order, right-to-left letters
// reversed and Arabic letters in their joined presentation forms (visualText), then
// shaped into glyphs; whoever extracts it from the PDF (a search, a copy, an index)
// must get the text as it was written: in logical order, in Unicode's composed
// normal form (NFC), the letters rather than their presentation forms.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// The canonical composition (NFC) of a text, and its full canonical decomposition
// (NFD).
std::u32string composedText(std::u32string_view text);
std::u32string decomposedText(std::u32string_view text);

// A character drawn as its own glyph in the order written reads back as it is: a
// letter of a script that needs no shaping and no reordering (Latin, Greek, Cyrillic,
// Armenian, Georgian, CJK, Hangul syllables, punctuation), composed already.
bool readsAsDrawn(char32_t c);

// What a text written in logical order reads back as: composed, without the bidi
// controls that are dropped when it is drawn in visual order.
std::u32string readingText(std::u32string_view logical);

// The letters a stretch of drawn text stands for: Arabic presentation forms (as
// visualText makes them, ligatures included) back to their letters, composed.
std::u32string lettersOfDrawnText(std::u32string_view drawn);

// The order in which stretches of drawn text, in visual order, spell `reading` (a
// bracket drawn mirrored matching the bracket written): for each step the stretch
// read next. Where several stretches read the same, the one that continues the
// longest straight walk through the line is taken, so that right-to-left stretches
// are read from right to left. Empty when the stretches do not spell the reading.
std::vector<uint32_t> readingOrder(std::span<const std::u32string> stretches, std::u32string_view reading);

}  // namespace tw
