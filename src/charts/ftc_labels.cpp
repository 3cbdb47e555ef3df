#include "charts/ftc_labels.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "charts/ftc_draw.h"
#include "output/font_metrics.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

// The widest a name on a branch may be, as a fraction of the page width.
constexpr double kWidestChildName = 65.88 / 600;
constexpr int32_t kChildNameSize = 15;
// Below this size (on letter) a name takes two lines rather than one.
constexpr int32_t kSmallestOneLineSize = 10;
constexpr int32_t kRightAngle = 65;
constexpr int32_t kLeftAngle = -65;
// A joint this far (fraction of the page height) from its box's middle was moved; less
// is the rounding of a positions file's six decimals.
constexpr double kMovedJoint = 1e-5;
// What names keep between them and from the plate, in inches.
constexpr double kLabelGap = 0.02;
// Shortened names, as shares of the widest, tried when even the smallest type meets
// a neighbour.
constexpr double kShortenedShares[] = {1.0, 0.8, 0.6, 0.45, 0.3};

// A way of writing a branch's name: its lines and their type.
struct Wording {
    std::vector<std::string> lines;
    int32_t size = 0;
};

// One line of a name as drawn: where its cell starts, and its text.
struct DrawnLine {
    double x = 0, y = 0;
    std::string text;
};

struct Placement {
    std::vector<DrawnLine> lines;
    std::vector<TextCell> cells;
    TextCell bounds;
};

double inchesWide(FtcPage& page, const std::string& text, int32_t size) {
    return page.log.textWidthInFont(text, "Times", size) * page.W;
}

int32_t angleOf(const FamilyBranch& branch) { return branch.rhs == 1 ? kRightAngle : kLeftAngle; }

// The height (fraction of the page) the name stands at: the branch's arm, which the
// layout puts at the box's middle. A joint the user moved takes the arm, and the
// name with it, away from the middle.
double nameMiddle(const FamilyBranch& branch) {
    const double middle = (branch.t + branch.b) / 2;
    return std::abs(branch.a - middle) > kMovedJoint ? branch.a : middle;
}

// Where the lines stand. One line: on the right, ending near the box and rising
// towards it; on the left, starting near the box. Two lines lie either side of where
// one would, aligned on the end near the box.
Placement place(FtcPage& page, const FamilyBranch& branch, const Wording& wording) {
    Placement p;
    const int32_t angle = angleOf(branch);
    const CellPoint down = downText(angle), along = alongText(angle);
    const double lineHeight = lineHeightInches(wording.size);
    const size_t count = wording.lines.size();
    double longest = 0;
    for (const std::string& line : wording.lines) longest = std::max(longest, inchesWide(page, line, wording.size));
    for (size_t k = 0; k < count; ++k) {
        const std::string& text = wording.lines[k];
        const double across = count == 1 ? 0 : (double(k) - 0.5) * lineHeight;
        DrawnLine line;
        line.text = text;
        if (branch.rhs == 1) {
            const double y = nameMiddle(branch) - 0.005;  // of the page height
            const double l = inchesWide(page, text, wording.size);
            if (count == 1) {
                line.x = (0.588 - page.log.textWidthInFont(text, "Times", wording.size) * 0.993572) * page.W;
                line.y = (y - l / page.H * 0.113203) * page.H;
            } else {
                // The end the longest line would have, and this line back from it.
                const double endX = 0.588 * page.W, endY = y * page.H - 2 * 0.113203 * longest;
                line.x = endX - along.x * l + down.x * across;
                line.y = endY - along.y * l + down.y * across;
            }
        } else {
            line.x = 0.41 * page.W + down.x * across;
            line.y = (nameMiddle(branch) - 0.015) * page.H + down.y * across;
        }
        p.cells.push_back(turnedCell(line.x, line.y, inchesWide(page, text, wording.size), wording.size, angle));
        p.lines.push_back(std::move(line));
    }
    TextCell all = p.cells.front();
    for (const TextCell& cell : p.cells) {
        const TextCell b = boundsOf(cell);
        const TextCell a = boundsOf(all);
        all = uprightCell(std::min(a.corners[0].x, b.corners[0].x), std::min(a.corners[0].y, b.corners[0].y),
                          std::max(a.corners[2].x, b.corners[2].x), std::max(a.corners[2].y, b.corners[2].y));
    }
    p.bounds = boundsOf(all);
    return p;
}

bool fits(FtcPage& page, const std::vector<std::string>& lines, int32_t size) {
    return std::all_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return inchesWide(page, line, size) <= kWidestChildName * page.W; });
}

// The wordings of a name from the best to the last resort: the whole name in one
// line down to kSmallestOneLineSize, then in one or two lines in ever smaller type,
// then shortened in the smallest type.
std::vector<Wording> wordings(FtcPage& page, const std::string& name) {
    const int32_t largest = page.points(kChildNameSize);
    const int32_t oneLineDown = std::min(largest, page.points(kSmallestOneLineSize));
    std::vector<Wording> all;
    for (int32_t size = largest; size >= oneLineDown; --size)
        if (fits(page, {name}, size)) all.push_back({{name}, size});
    for (int32_t size = largest; size >= kFtcSmallestType; --size) {
        if (size < oneLineDown && fits(page, {name}, size)) all.push_back({{name}, size});
        const std::vector<std::string> two = ftcTwoLines(page.log, name, size);
        if (two.size() == 2 && fits(page, two, size)) all.push_back({two, size});
    }
    for (const double share : kShortenedShares) {
        const std::string shortened =
            shortenToWidth(name, share * kWidestChildName * page.W, "Times", kFtcSmallestType, page.log.pixelsPerInch());
        if (all.empty() || all.back().lines != std::vector<std::string>{shortened})
            all.push_back({{shortened}, kFtcSmallestType});
    }
    return all;
}

// The branches whose names meet: each pair once, found among those whose bounds
// overlap in height.
std::vector<std::pair<size_t, size_t>> meetingPairs(const std::vector<Placement>& placed) {
    std::vector<size_t> order(placed.size());
    std::iota(order.begin(), order.end(), size_t(0));
    const auto top = [&](size_t i) { return placed[i].bounds.corners[0].y; };
    const auto bottom = [&](size_t i) { return placed[i].bounds.corners[2].y; };
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return top(a) < top(b); });
    std::vector<std::pair<size_t, size_t>> pairs;
    for (size_t m = 0; m < order.size(); ++m)
        for (size_t n = m + 1; n < order.size() && top(order[n]) < bottom(order[m]) + kLabelGap; ++n) {
            const Placement& a = placed[order[m]];
            const Placement& b = placed[order[n]];
            bool meet = false;
            for (const TextCell& x : a.cells)
                for (const TextCell& y : b.cells) meet = meet || cellsMeet(x, y, kLabelGap);
            if (meet) pairs.emplace_back(order[m], order[n]);
        }
    return pairs;
}

bool meetsArea(const Placement& p, const TextCell& area) {
    return std::any_of(p.cells.begin(), p.cells.end(), [&](const TextCell& c) { return cellsMeet(c, area, kLabelGap); });
}

void draw(FtcPage& page, const FamilyBranch& branch, const Wording& wording, const Placement& placement) {
    // The type steps down from 15 points as far as the name's width asks.
    for (int32_t size = page.points(kChildNameSize) - 1; size >= wording.size; --size) page.log.fontSize(size);
    if (branch.rhs == 1) {
        page.log.fontName("Times");
        page.log.fontSize(wording.size);
    }
    for (const DrawnLine& line : placement.lines)
        page.log.textAngled(line.x, line.y, line.text, "Times", wording.size, angleOf(branch));
}

}  // namespace

TextCell ftcAreaCell(const FtcPage& page, const FtcArea& area) {
    return uprightCell(area.x1 * page.W, area.y1 * page.H, area.x2 * page.W, area.y2 * page.H);
}

std::vector<std::string> ftcTwoLines(const PageLog& log, const std::string& text, int32_t points) {
    const auto wide = [&](std::string_view t) { return textWidthPixels(t, "Times", points, log.pixelsPerInch()); };
    size_t best = std::string::npos;
    int32_t bestWidth = 0;
    for (size_t blank = text.find(' '); blank != std::string::npos; blank = text.find(' ', blank + 1)) {
        const int32_t widest = std::max(wide(std::string_view(text).substr(0, blank)),
                                        wide(std::string_view(text).substr(blank + 1)));
        if (best == std::string::npos || widest < bestWidth) {
            best = blank;
            bestWidth = widest;
        }
    }
    if (best == std::string::npos) return {text};
    return {text.substr(0, best), text.substr(best + 1)};
}

void drawBranchNames(FtcPage& page, const std::vector<FamilyBranch>& branches) {
    const size_t n = branches.size();
    std::vector<std::vector<Wording>> ladders(n);
    std::vector<size_t> step(n, 0);
    for (size_t i = 0; i < n; ++i) ladders[i] = wordings(page, branches[i].givenNames);
    const auto current = [&](size_t i) -> const Wording& { return ladders[i][step[i]]; };
    const TextCell plate = ftcAreaCell(page, kFtcMarriagePlate);
    std::vector<Placement> placed(n);
    for (size_t i = 0; i < n; ++i) placed[i] = place(page, branches[i], current(i));
    // Step down the larger name of every pair that meets, and every name that meets
    // the plate, until none meet or none can step further.
    for (;;) {
        std::vector<bool> down(n, false);
        for (const auto& [a, b] : meetingPairs(placed)) {
            const bool aCan = step[a] + 1 < ladders[a].size(), bCan = step[b] + 1 < ladders[b].size();
            const int32_t aSize = current(a).size, bSize = current(b).size;
            if (aCan && (aSize >= bSize || !bCan)) down[a] = true;
            if (bCan && (bSize >= aSize || !aCan)) down[b] = true;
        }
        for (size_t i = 0; i < n; ++i)
            if (meetsArea(placed[i], plate) && step[i] + 1 < ladders[i].size()) down[i] = true;
        bool stepped = false;
        for (size_t i = 0; i < n; ++i) {
            if (!down[i]) continue;
            ++step[i];
            placed[i] = place(page, branches[i], current(i));
            stepped = true;
        }
        if (!stepped) break;
    }
    for (size_t i = 0; i < n; ++i) draw(page, branches[i], current(i), placed[i]);
}

}  // namespace tw
