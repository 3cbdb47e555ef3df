#pragma once
// Text as it is measured and drawn. Text reaches measuring and drawing as UTF-8,
// or, from files and page logs written before text was UTF-8, as Windows-1252:
// decodeText reads both. visualText turns a text in reading order into the order
// and letter forms it is drawn in, from left to right: right-to-left runs (Hebrew,
// Arabic) reversed as the Unicode bidi algorithm orders them within a left-to-right
// line, and Arabic letters joined into their presentation forms (isolated, initial,
// medial, final; lam-alef ligatures). Measuring and drawing both call it, so a name
// is measured in exactly the glyphs that are drawn, and the drawing side must lay
// the result out left to right without reordering or shaping it again.
//
// The bidi step is the algorithm's rules for one line of a left-to-right paragraph
// (weak types, neutrals, implicit levels, reordering, mirrored brackets); explicit
// embeddings, overrides and isolates are not applied (their controls and the marks
// LRM, RLM and ALM are dropped after they have counted as strong characters). Marks
// stay after their base in reversed runs, so the shaper still puts them on it.

#include <string>
#include <string_view>

namespace tw {

// UTF-8 where the bytes are well-formed UTF-8; every byte of a stretch that is not
// is read as Windows-1252 (the five bytes it leaves unassigned as U+0081, U+008D,
// U+008F, U+0090, U+009D), so text kept in Windows-1252 decodes as it always did.
std::u32string decodeText(std::string_view text);

std::string encodeUtf8(std::u32string_view text);

// The text in drawing order, left to right, with Arabic presentation forms. Text
// without right-to-left characters comes back unchanged.
std::u32string visualText(std::u32string_view logical);

// True when visualText can change the text: it holds a right-to-left character, an
// Arabic number or letter, or a bidi control.
bool needsVisualOrder(std::u32string_view text);

}  // namespace tw
