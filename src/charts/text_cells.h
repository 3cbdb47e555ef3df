#pragma once
// The room that texts take on a page, upright or turned, in inches: what a chart
// keeps apart when it places labels along its branches and trunk. A turned text is
// drawn as the renderer draws it: turned counter-clockwise by its angle (tenths of a
// degree) about the top-left corner of its cell.

#include <array>
#include <cstdint>

namespace tw {

struct CellPoint {
    double x = 0, y = 0;
};

struct TextCell {
    std::array<CellPoint, 4> corners;  // in order around the cell
};

// The height of a line of text of the given size: the cell and the room between lines.
double lineHeightInches(int32_t points);

// The direction a text at an angle runs in, and the direction down across it.
CellPoint alongText(int32_t angle);
CellPoint downText(int32_t angle);

TextCell uprightCell(double left, double top, double right, double bottom);
// The ink of a text of the given width whose cell's top-left corner is at (x, y):
// from the top of its tallest letters to the bottom of its descenders.
TextCell turnedCell(double x, double y, double width, int32_t points, int32_t angle);
// A text centred on (x, y) as the renderer centres it: back along the text by half
// its width, and up across it by two thirds of its size.
TextCell turnedCentredCell(double x, double y, double width, int32_t points, int32_t angle);

// Whether two cells come nearer each other than gap.
bool cellsMeet(const TextCell& a, const TextCell& b, double gap);

// The smallest upright box around a cell.
TextCell boundsOf(const TextCell& cell);

}  // namespace tw
