#pragma once
// Splits a name into lines that fit a column: each line is cut at its last space
// that makes it fit. A word wider than the column on its own is split after its
// last character that fits (at least one character per line, so the split always
// advances). Nothing is dropped: a name gets as many lines as it needs; with the
// column widths the lists use, real names need one to three, and the longest name
// a data file can hold stays well within a page.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "output/page_log.h"

namespace tw {

using NameLines = std::vector<std::string>;

// The lines of text at widthInches in the page log's measuring font. An empty name
// gives one empty line.
NameLines wrapName(const PageLog& log, std::string_view text, double widthInches);
// The same into lines, whose strings are reused (for a list that wraps every entry);
// text must not point into lines.
void wrapName(const PageLog& log, std::string_view text, double widthInches, NameLines& lines);

// The length of the longest start of text no wider than limit (device pixels), and
// at least 1 for a text that is not empty, so that a split always advances.
size_t fittingPrefix(const PageLog& log, std::string_view text, int32_t limit);

// The text as it is when it fits widthInches in the measuring font; else its longest
// start that fits with "..." after it.
std::string shortenToWidth(const PageLog& log, std::string_view text, double widthInches);
// The same in the given face and size at dpi pixels per inch.
std::string shortenToWidth(std::string_view text, double widthInches, std::string_view face, int32_t size,
                           int32_t dpi);

// The same, with "..." in the middle: the start and the end of the text kept, as
// much of each as fits (for paths, whose folder and file name both matter).
std::string shortenInMiddle(const PageLog& log, std::string_view text, double widthInches);

// Two names joined by separator, fitted to widthInches in the measuring font: when
// they are too wide, each name is shortened in its middle on its own (the longer one
// first, down to the width of the shorter), so that both partners and the word
// between them stay readable. Where one name is empty, the other alone.
std::string fitCouple(const PageLog& log, std::string_view husband, std::string_view wife, std::string_view separator,
                      double widthInches);

}  // namespace tw
