#include "charts/ftc_draw.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/translation.h"
#include "charts/ftc_labels.h"
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
// The note of what the chart leaves out: its type, and where it stands (fractions
// of the page) below the title plate and between the roots.
constexpr int32_t kFootSize = 8;
constexpr double kFootTop = 0.925;
constexpr double kFootWidth = 0.28;
constexpr double kHalfLetterHeight = 0.55;  // em, from the cell's top to the letters' middle
// The first names in a name box keep this far (fraction of the page width) from
// its sides.
constexpr double kNameInset = 0.01;

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

// Count columns that did not fit beside their boxes: the fewest shown of a branch
// that lost some, and the most it had.
struct ColumnsLeftOut {
    int32_t shown = 0;
    int32_t of = 0;
    void note(int32_t shownHere, int32_t columns) {
        if (shownHere >= columns) return;
        shown = of == 0 ? shownHere : std::min(shown, shownHere);
        of = std::max(of, columns);
    }
};

// What the chart leaves out, said at its foot (under the title plate, between the
// roots).
std::string leftOutText(const FamilyTreeChartState& chart, const ColumnsLeftOut& columns) {
    std::string text;
    const auto add = [&](const std::string& sentence) { text += (text.empty() ? "" : " ") + sentence; };
    if (chart.branchesCut)
        add(fillIn(TW_TR("FamilyTreeChart",
                         "Only the first %1 children have branches: the trunk has no room for more."),
                   {std::to_string(kFtcMaxBranches)}));
    if (columns.of > 0)
        add(fillIn(TW_TR("FamilyTreeChart",
                         "Counts of only %1 of %2 generations fit beside the boxes: the deeper ones are left out."),
                   {std::to_string(columns.shown), std::to_string(columns.of)}));
    const bool countsCut = std::any_of(chart.branches.begin(), chart.branches.end(), [](const FamilyBranch& b) {
        return std::any_of(b.lines.begin(), b.lines.end(), [](const GrandchildLine& l) { return l.countsCut; });
    });
    if (countsCut)
        add(std::string(TW_TR("FamilyTreeChart",
                              "Some lines are counted only in part: the chart stops counting at its limit of "
                              "generations and people.")));
    return text;
}

void drawFootNote(FtcPage& page, const std::string& text) {
    if (text.empty()) return;
    const int32_t size = page.points(kFootSize);
    page.log.fontName("Times");
    page.log.fontSize(size);
    double y = kFootTop * page.H;
    for (const std::string& line : wrapName(page.log, text, kFootWidth * page.W)) {
        page.log.textCentered(0.5 * page.W, y, line);
        y += lineHeightInches(size);
    }
}

void useColumnColour(PageLog& log, int32_t depth) {
    const uint32_t colour = depth % 2 == 0 ? kEvenColumn : kOddColumn;
    log.penColor(colour);
    log.brushColor(colour);
}

// As many whole words from the start of a name as fit the width, at least the first
// (shortened when even it is too wide).
std::string leadingWords(const PageLog& log, const std::string& name, double width) {
    const auto fitsWidth = [&](const std::string& text) { return shortenToWidth(log, text, width) == text; };
    size_t end = name.find(' ');
    if (!fitsWidth(name.substr(0, end))) return shortenToWidth(log, name.substr(0, end), width);
    while (end != std::string::npos) {
        const size_t next = name.find(' ', end + 1);
        if (!fitsWidth(name.substr(0, next))) break;
        end = next;
    }
    return name.substr(0, end);
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
        const std::string name = leadingWords(page.log, line.givenNames, (0.1 - 2 * kNameInset) * page.W);
        if (branch.rhs == 0) {
            page.log.text((0.3 + kNameInset) * page.W, line.y, name);
        } else {
            page.log.textRight((0.7 - kNameInset) * page.W, line.y, name);
        }
    }
}

void drawCountColumns(FtcPage& page, const FamilyBranch& branch, int32_t digits, ColumnsLeftOut& leftOut) {
    const double x0 = branch.rhs == 0 ? 0.3 : 0.7;
    const int32_t boxSize = ftcBoxFontSize(branch.D, page.boxScale);
    const CountColumns columns = countColumns(page, branch, digits, x0, deepestLength(branch), boxSize);
    leftOut.note(columns.shown, deepestLength(branch));
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

void drawTotalColumns(FtcPage& page, const FamilyBranch& branch, int32_t digits, ColumnsLeftOut& leftOut) {
    page.colours(kSecondFormatStart, kSecondFormatStart);
    const double x0 = branch.rhs == 0 ? 0.4 : 0.6;
    // The totals stand in boxes that a large family makes low: their type shrinks with them.
    const auto boxPoints = int32_t((branch.b - branch.t) * page.H * 72 * kTotalsToBoxHeight);
    const int32_t totalsSize = page.points(kTotalsSize);
    const int32_t size = std::clamp(boxPoints, std::min(kFtcSmallestType, totalsSize), totalsSize);
    const CountColumns columns = countColumns(page, branch, digits, x0, deepestLength(branch) + 1, size);
    leftOut.note(columns.shown, deepestLength(branch) + 1);
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
    ColumnsLeftOut leftOut;
    drawShapesAndTrunk(page, chart);
    for (FamilyBranch& branch : chart.branches) {
        if (branch.lines.empty()) continue;
        drawNameBox(page, branch);
        drawCountColumns(page, branch, chart.maxDigits, leftOut);
    }
    drawBranchNames(page, chart.branches);
    drawFootNote(page, leftOutText(chart, leftOut));
}

void drawFtcSecondFormat(PageLog& log, FamilyTreeChartState& chart) {
    FtcPage page(log);
    chart.format = 2;
    chart.maxDigits = maxCountDigits(chart.branches);
    placeSecondFormat(chart.branches);
    ColumnsLeftOut leftOut;
    drawShapesAndTrunk(page, chart);
    for (const FamilyBranch& branch : chart.branches)
        if (!branch.lines.empty()) drawTotalColumns(page, branch, chart.maxDigits, leftOut);
    drawBranchNames(page, chart.branches);
    drawFootNote(page, leftOutText(chart, leftOut));
}

}  // namespace tw
