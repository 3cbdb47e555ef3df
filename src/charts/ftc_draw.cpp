#include "charts/ftc_draw.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "reports/wrap_name.h"

namespace tw {

namespace {

constexpr uint32_t kNameBox = 0x24B5FB;
constexpr uint32_t kEvenColumn = 0x80FFFF;
constexpr uint32_t kOddColumn = 0x8ACCF9;
constexpr uint32_t kSecondFormatStart = 0x0080FF;
constexpr double kBranchPen = 0.004;
// Count columns stop at the page's limits (FtcPage); more columns are narrowed, but
// never below their widest number: then their numbers get smaller type, down to
// kFtcSmallestType, and then the deepest columns are left off.
constexpr double kCountPad = 0.02;
constexpr int32_t kTotalsSize = 10;
constexpr double kTotalsToBoxHeight = 0.7;
constexpr double kHalfLetterHeight = 0.55;  // em, from the cell's top to the letters' middle
// The first names in a name box keep this far (fraction of the page width) from
// its sides.
constexpr double kNameInset = 0.01;
// The widest a child's name on a branch may be, as a fraction of the page width.
constexpr double kWidestChildName = 65.88 / 600;
constexpr int32_t kChildNameSize = 15;

int32_t side(const FamilyBranch& branch) { return 2 * branch.rhs - 1; }

int32_t deepestLength(const FamilyBranch& branch) {
    int32_t deepest = 0;
    for (const GrandchildLine& line : branch.lines) deepest = std::max(deepest, line.length());
    return deepest;
}

// The count columns of a branch: the width of one in inches (negative on the left,
// so that the columns grow outwards), how many are drawn, and their numbers' size.
struct CountColumns {
    double width = 0;
    int32_t shown = 0;
    int32_t fontSize = 0;
};

CountColumns countColumns(FtcPage& page, const FamilyBranch& branch, int32_t digits, double x0, int32_t columns,
                          int32_t fontSize) {
    CountColumns c{branch.D * page.W * (digits + 0.5), columns, fontSize};
    const double room = std::max(0.0, (branch.rhs == 0 ? x0 : 1 - x0) * page.W - page.edgeRoom(branch.rhs == 1));
    if (columns > 0 && c.width * columns > room) c.width = room / columns;
    const std::string widest(size_t(std::max(digits, 1)), '8');
    const auto needed = [&](int32_t size) { return page.log.textWidthInFont(widest, "Arial", size) * page.W + kCountPad; };
    while (c.fontSize > kFtcSmallestType && needed(c.fontSize) > c.width) --c.fontSize;
    if (needed(c.fontSize) > c.width) {
        c.width = needed(c.fontSize);
        c.shown = std::min(columns, int32_t(room / c.width));
    }
    c.width *= side(branch);
    return c;
}

void useColumnColour(PageLog& log, int32_t depth) {
    const uint32_t colour = depth % 2 == 0 ? kEvenColumn : kOddColumn;
    log.penColor(colour);
    log.brushColor(colour);
}

double lineY(const FamilyBranch& branch, int32_t k, int32_t lines) {
    const double first = lines < 3 ? (3 - lines) * 0.5 * branch.D : 0;
    return branch.t + first + k * branch.D + 0.4 * branch.D;
}

void drawNameBox(FtcPage& page, FamilyBranch& branch) {
    page.colours(kNameBox, kNameBox);
    const double left = branch.rhs == 0 ? 0.3 : 0.6;
    page.rectangle(left, branch.t, left + 0.1, branch.b);
    page.log.fontSize(ftcBoxFontSize(branch.D, page.boxScale));
    page.log.fontName("Arial");
    const auto lines = int32_t(branch.lines.size());
    for (int32_t k = 0; k < lines; ++k) {
        GrandchildLine& line = branch.lines[size_t(k)];
        line.y = lineY(branch, k, lines) * page.H;
        const std::string name = shortenToWidth(page.log, line.firstName, (0.1 - 2 * kNameInset) * page.W);
        if (branch.rhs == 0) {
            page.log.text((0.3 + kNameInset) * page.W, line.y, name);
        } else {
            page.log.textRight((0.7 - kNameInset) * page.W, line.y, name);
        }
    }
}

void drawCountColumns(FtcPage& page, const FamilyBranch& branch, int32_t digits) {
    const double x0 = branch.rhs == 0 ? 0.3 : 0.7;
    const int32_t boxSize = ftcBoxFontSize(branch.D, page.boxScale);
    const CountColumns columns = countColumns(page, branch, digits, x0, deepestLength(branch), boxSize);
    const double w = columns.width;
    page.log.fontSize(columns.fontSize);
    for (int32_t d = columns.shown - 1; d >= 0; --d) {
        useColumnColour(page.log, d);
        const double left = x0 * page.W + d * w;
        page.log.rectangle(left, branch.t * page.H, left + w, branch.b * page.H);
        for (const GrandchildLine& line : branch.lines)
            if (d < line.length())
                page.log.textCentered(left + w / 2, line.y, std::to_string(line.counts[size_t(d)]));
    }
}

void drawTotalColumns(FtcPage& page, const FamilyBranch& branch, int32_t digits) {
    page.colours(kSecondFormatStart, kSecondFormatStart);
    const double x0 = branch.rhs == 0 ? 0.4 : 0.6;
    // The totals stand in boxes that a large family makes low: their type shrinks with them.
    const auto boxPoints = int32_t((branch.b - branch.t) * page.H * 72 * kTotalsToBoxHeight);
    const int32_t totalsSize = page.points(kTotalsSize);
    const int32_t size = std::clamp(boxPoints, std::min(kFtcSmallestType, totalsSize), totalsSize);
    const CountColumns columns = countColumns(page, branch, digits, x0, deepestLength(branch) + 1, size);
    const double w = columns.width;
    const double middle = (branch.t + branch.b) / 2 * page.H;
    // Type smaller than usual is centred on the box's middle by its letters' height.
    const double textY = size < kTotalsSize ? middle - kHalfLetterHeight * size / 72.0 : middle - 0.4 * branch.D * page.H;
    for (int32_t d = columns.shown - 1; d >= 0; --d) {
        useColumnColour(page.log, d);
        const double left = x0 * page.W + d * w;
        page.log.rectangle(left, branch.t * page.H, left + w, branch.b * page.H);
        page.log.fontSize(columns.fontSize);
        page.log.fontName("Arial");
        const int32_t total = size_t(d) < branch.depthTotals.size() ? branch.depthTotals[size_t(d)] : 0;
        page.log.textCentered(left + w / 2, textY, std::to_string(total));
    }
}

// The child's first name along the branch, in the largest size up to 15 points
// that keeps it on the branch.
void drawChildName(FtcPage& page, const FamilyBranch& branch) {
    const std::string& name = branch.firstName;
    int32_t size = page.points(kChildNameSize);
    while (size > 1 && page.log.textWidthInFont(name, "Times", size) > kWidestChildName) {
        --size;
        page.log.fontSize(size);
    }
    if (branch.rhs == 1) {
        const double y = (branch.t + branch.b) / 2 - 0.005;
        page.log.fontName("Times");
        page.log.fontSize(size);
        const double widthFraction = page.log.textWidthInFont(name, "Times", size);
        const double length = widthFraction * page.W;
        page.log.textAngled((0.588 - widthFraction * 0.993572) * page.W, (y - length / page.H * 0.113203) * page.H,
                            name, "Times", size, 65);
    } else {
        const double y = (branch.t + branch.b) / 2 - 0.015;
        page.log.textAngled(0.41 * page.W, y * page.H, name, "Times", size, -65);
    }
}

void drawShapesAndTrunk(FtcPage& page, FamilyTreeChartState& chart) {
    for (const FamilyBranch& branch : chart.branches) drawFtcBranchShape(page, branch, chart.trunkBottom);
    drawFtcTrunk(page, chart.trunkBottom);
}

}  // namespace

int32_t ftcBoxFontSize(double unit, double scale) {
    // In extended precision the product for 0.011 stays just below 10.
    return int32_t(static_cast<long double>(unit) * (10000.0L / 11.0L) * static_cast<long double>(scale));
}

void drawFtcBranchShape(FtcPage& page, const FamilyBranch& branch, double& trunkBottom) {
    const double s = side(branch);
    page.colours(kFtcBarkOutline, kFtcBark);
    page.pen(kBranchPen);
    page.vertex(0.5 + 0.1 * s, branch.t);
    page.vertex(0.5 + 0.075 * s, branch.a - 0.018);
    page.vertex(0.5, branch.a - 0.011);
    page.vertex(0.5, branch.a + 0.028);
    page.vertex(0.5 + 0.075 * s, branch.a + 0.018);
    page.vertex(0.5 + 0.1 * s, branch.b);
    page.log.polygonEnd();
    trunkBottom = std::max(trunkBottom, branch.a + 0.028);
}

void drawFtcTrunk(FtcPage& page, double trunkBottom) {
    page.colours(kFtcBark, kFtcBark);
    page.vertex(0.468, trunkBottom);
    page.vertex(0.485, 0.08);
    page.vertex(0.5, 0.055);
    page.vertex(0.515, 0.08);
    page.vertex(0.532, trunkBottom);
    page.log.polygonEnd();
}

void drawFtcFirstFormat(PageLog& log, FamilyTreeChartState& chart) {
    FtcPage page(log);
    chart.format = 1;
    chart.maxDigits = maxCountDigits(chart.branches);
    chart.trunkBottom = 0.05;
    drawShapesAndTrunk(page, chart);
    for (FamilyBranch& branch : chart.branches) {
        if (branch.lines.empty()) continue;
        drawNameBox(page, branch);
        drawCountColumns(page, branch, chart.maxDigits);
    }
    for (const FamilyBranch& branch : chart.branches) drawChildName(page, branch);
}

void drawFtcSecondFormat(PageLog& log, FamilyTreeChartState& chart) {
    FtcPage page(log);
    chart.format = 2;
    chart.maxDigits = maxCountDigits(chart.branches);
    placeSecondFormat(chart.branches);
    drawShapesAndTrunk(page, chart);
    for (const FamilyBranch& branch : chart.branches)
        if (!branch.lines.empty()) drawTotalColumns(page, branch, chart.maxDigits);
    for (const FamilyBranch& branch : chart.branches) drawChildName(page, branch);
}

}  // namespace tw
