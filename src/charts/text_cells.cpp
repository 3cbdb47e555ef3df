#include "charts/text_cells.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tw {

namespace {

constexpr double kLineSpacing = 1.15;  // em
// The ink of a line in its cell, in em from the cell's top: from the top of the
// tallest letters to the bottom of the descenders (of Times and Arial alike).
constexpr double kInkTop = 0.19;
constexpr double kInkBottom = 1.12;

double radians(int32_t angle) { return double(angle) * std::numbers::pi / 1800; }

CellPoint plus(CellPoint a, CellPoint b, double k) { return {a.x + b.x * k, a.y + b.y * k}; }

// The extent of a cell along an axis.
void project(const TextCell& cell, CellPoint axis, double& low, double& high) {
    low = high = cell.corners[0].x * axis.x + cell.corners[0].y * axis.y;
    for (const CellPoint& p : cell.corners) {
        const double v = p.x * axis.x + p.y * axis.y;
        low = std::min(low, v);
        high = std::max(high, v);
    }
}

// Whether an axis across one of the cell's first two sides keeps the cells gap apart.
bool separates(const TextCell& by, const TextCell& a, const TextCell& b, double gap) {
    for (size_t k = 0; k < 2; ++k) {
        const double dx = by.corners[k + 1].x - by.corners[k].x, dy = by.corners[k + 1].y - by.corners[k].y;
        const double length = std::hypot(dx, dy);
        if (length < 1e-12) continue;
        const CellPoint axis{-dy / length, dx / length};
        double aLow = 0, aHigh = 0, bLow = 0, bHigh = 0;
        project(a, axis, aLow, aHigh);
        project(b, axis, bLow, bHigh);
        if (aHigh + gap <= bLow || bHigh + gap <= aLow) return true;
    }
    return false;
}

}  // namespace

double lineHeightInches(int32_t points) { return double(points) / 72.0 * kLineSpacing; }

CellPoint alongText(int32_t angle) { return {std::cos(radians(angle)), -std::sin(radians(angle))}; }
CellPoint downText(int32_t angle) { return {std::sin(radians(angle)), std::cos(radians(angle))}; }

TextCell uprightCell(double left, double top, double right, double bottom) {
    return {{CellPoint{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
}

TextCell turnedCell(double x, double y, double width, int32_t points, int32_t angle) {
    const CellPoint along = alongText(angle), down = downText(angle);
    const double em = double(points) / 72.0;
    const CellPoint top = plus({x, y}, down, kInkTop * em);
    const CellPoint bottom = plus({x, y}, down, kInkBottom * em);
    return {{top, plus(top, along, width), plus(bottom, along, width), bottom}};
}

TextCell turnedCentredCell(double x, double y, double width, int32_t points, int32_t angle) {
    const CellPoint start = plus(plus({x, y}, alongText(angle), -width / 2), downText(angle), -double(points) / 108.0);
    return turnedCell(start.x, start.y, width, points, angle);
}

bool cellsMeet(const TextCell& a, const TextCell& b, double gap) {
    return !separates(a, a, b, gap) && !separates(b, a, b, gap);
}

TextCell boundsOf(const TextCell& cell) {
    double left = cell.corners[0].x, right = left, top = cell.corners[0].y, bottom = top;
    for (const CellPoint& p : cell.corners) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    return uprightCell(left, top, right, bottom);
}

}  // namespace tw
