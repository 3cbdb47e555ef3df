#include "charts/ftc_chart.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "base/translation.h"
#include "charts/ftc_draw.h"
#include "charts/ftc_labels.h"
#include "charts/ftc_positions.h"
#include "paf/codepage.h"
#include "paf/dates.h"
#include "paf/navigation.h"
#include "paf/records.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

constexpr std::array<int32_t, 6> kTrunkNameSizes{16, 14, 12, 10, 9, 0};
constexpr double kWidestTrunkName = 0.19;
// What initials keep from the sides of their plates, in inches.
constexpr double kInitialsInset = 0.02;
// What the trunk names keep between them and from the plates, in inches.
constexpr double kTrunkGap = 0.02;
constexpr int32_t kPedigreeSlots = 34;  // slots 1..33
constexpr int32_t kLastParentSlot = 16;
// What the background's plates hold, as fractions of the page width: a little less
// than the plates themselves.
constexpr double kMarriagePlateWidth = 0.63 - 0.37 - 0.02;
constexpr double kNamePlateWidth = 0.62 - 0.38 - 0.02;

struct SplitName {
    std::string given;
    std::string surname;
};

std::string nameOf(PafContext& ctx, int32_t rin) {
    // A couple without one partner: no name, and no message about RIN 0.
    return rin == 0 ? std::string() : individualName(ctx, rin).str();
}

std::string withoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

SplitName splitName(std::string_view name) {
    const size_t slash = name.find('/');
    if (slash == std::string_view::npos) return {withoutTrailingBlanks(std::string(name)), {}};
    const std::string_view rest = name.substr(slash + 1);
    return {withoutTrailingBlanks(std::string(name.substr(0, slash))), std::string(rest.substr(0, rest.find('/')))};
}

// A trunk name as drawn: its text, size and cell.
struct TrunkText {
    std::string text;
    int32_t size = 0;
    TextCell cell;
};

// The ways a trunk name may be written, best first: the sizes of the table from
// index first on in which it is narrow enough (at least the last), then shorter and
// shorter in the last size.
std::vector<std::pair<std::string, int32_t>> trunkWordings(FtcPage& page, const std::string& text, size_t first) {
    std::vector<std::pair<std::string, int32_t>> all;
    size_t last = first;
    while (kTrunkNameSizes[last + 1] != 0) ++last;
    for (size_t index = first; index <= last; ++index) {
        const int32_t size = page.points(kTrunkNameSizes[index]);
        if (page.log.textWidthInFont(text, "Times", size) <= kWidestTrunkName) all.emplace_back(text, size);
    }
    // Too long even in the smallest size, or meeting a neighbour in it: shortened.
    const int32_t smallest = page.points(kTrunkNameSizes[last]);
    for (const double share : {1.0, 0.8, 0.65, 0.5, 0.35}) {
        const std::string shortened =
            shortenToWidth(text, share * kWidestTrunkName * page.W, "Times", smallest, page.log.pixelsPerInch());
        if (all.empty() || all.back().first != shortened) all.emplace_back(shortened, smallest);
    }
    return all;
}

// The first wording of a trunk name that keeps clear of the plates and of the trunk
// names placed before it (the last one when none does).
TrunkText placeTrunkText(FtcPage& page, const std::string& text, size_t first, double x, double y, int32_t angle,
                         const std::vector<TextCell>& taken) {
    TrunkText chosen;
    for (const auto& [wording, size] : trunkWordings(page, text, first)) {
        const double width = page.log.textWidthInFont(wording, "Times", size) * page.W;
        chosen = {wording, size, turnedCentredCell(x, y, width, size, angle)};
        if (wording.empty()) break;
        const bool clear = std::none_of(taken.begin(), taken.end(),
                                        [&](const TextCell& c) { return cellsMeet(c, chosen.cell, kTrunkGap); });
        if (clear) break;
    }
    return chosen;
}

// The couple's names on the trunk's foot: the given names and the surname of each
// along the foot's two legs.
void drawTrunkNames(FtcPage& page, const std::string& husband, const std::string& wife) {
    std::vector<TextCell> taken = {ftcAreaCell(page, kFtcMarriagePlate), ftcAreaCell(page, kFtcTitlePlate)};
    const auto draw = [&](const std::string& text, size_t first, double x, double y, int32_t angle) {
        const TrunkText t = placeTrunkText(page, text, first, x * page.W, y * page.H, angle, taken);
        page.log.textAngledCentered(x * page.W, y * page.H, t.text, "Times", t.size, angle);
        taken.push_back(t.cell);
    };
    const SplitName his = splitName(husband), hers = splitName(wife);
    draw(his.given, 1, 0.43, 0.75, 600);
    draw(his.surname, 0, 0.457, 0.76, 600);
    draw(hers.given, 1, 0.57, 0.751, -620);
    draw(hers.surname, 0, 0.542, 0.7605, -620);
}

// Pedigree slots from the person in slot 1: the father of slot k in 2k, the mother
// in 2k+1. A record that cannot be read stops the filling, with a message.
std::array<int32_t, kPedigreeSlots> fillPedigree(PafContext& ctx, int32_t rin) {
    std::array<int32_t, kPedigreeSlots> slots{};
    slots[1] = rin;
    for (int32_t k = 1; k <= kLastParentSlot; ++k) {
        if (slots[size_t(k)] == 0) continue;
        const Parents parents = parentsOf(ctx, slots[size_t(k)]);
        if (parents.damaged) break;
        slots[size_t(2 * k)] = parents.father;
        slots[size_t(2 * k + 1)] = parents.mother;
    }
    return slots;
}

// The initials of a name that stay on their plate: all of them, else the first of
// the given names and of the surname.
std::string initialsWithin(FtcPage& page, const std::string& name, int32_t size, double width) {
    const auto fitsPlate = [&](const std::string& text) {
        return page.log.textWidthInFont(text, "Times", size) * page.W <= width;
    };
    const std::string all = ftcInitials(name);
    if (fitsPlate(all)) return all;
    const std::string two = ftcShortInitials(name);
    return fitsPlate(two) ? two : shortenToWidth(two, width, "Times", size, page.log.pixelsPerInch());
}

void drawRoots(AppContext& ctx, FtcPage& page, int32_t rin, int side) {
    const std::array<int32_t, kPedigreeSlots> slots = fillPedigree(ctx, rin);
    for (size_t r = 0; r < kFtcRootRows.size(); ++r) {
        const FtcRootRow& row = kFtcRootRows[r];
        const int32_t size = page.points(row.fontSize);
        const double width = kFtcPlateWidth[r] * page.W - 2 * kInitialsInset;
        page.log.fontSize(size);
        for (int32_t j = 0; j < row.count; ++j) {
            const int32_t slotRin = slots[size_t(row.firstSlot + j)];
            const std::string initials = initialsWithin(page, ftcNameOf(ctx, slotRin), size, width);
            page.log.textCentered((0.5 + side * row.xOffset) * page.W, (row.firstY + j * row.yStep) * page.H,
                                  initials);
        }
    }
}

// The text cut or filled with blanks to width characters.
std::string padded(const std::string& text, size_t width) {
    size_t end = 0, count = 0;
    for (; end < text.size() && count < width; ++count) end += utf8CharAt(text, end).length;
    return text.substr(0, end) + std::string(width - count, ' ');
}

// Tries the three units in turn; when the boxes fit in none of them, the second
// format. Branches placed by hand come from the positions file after relaxation.
void layOutAndDraw(PageLog& log, FamilyTreeChartState& chart) {
    if (chart.branches.empty()) {
        drawFtcFirstFormat(log, chart);
        return;
    }
    const FtcPage page(log);
    for (const double unit : kFtcUnits) {
        // Too small to read on this sheet: neither is a smaller unit.
        if (ftcBoxFontSize(unit, page.boxScale) < kFtcSmallestType) break;
        if (!layoutBranches(chart.branches, unit)) continue;
        if (!chart.positionsPath.empty()) readFtcPositionsFile(chart.branches, chart.positionsPath);
        drawFtcFirstFormat(log, chart);
        return;
    }
    for (FamilyBranch& branch : chart.branches) buildDepthTotals(branch);
    drawFtcSecondFormat(log, chart);
}

uint32_t leafSeed(int32_t mrin) { return 0x7A3B1EAFU ^ (uint32_t(mrin) * 2654435761U); }

}  // namespace

std::string ftcListingText(const std::vector<FamilyBranch>& branches) {
    std::string text;
    for (const FamilyBranch& branch : branches) {
        text += padded(branch.firstName, 15) + " ===\n";
        for (const GrandchildLine& line : branch.lines) {
            text += padded(std::string(10, ' ') + line.firstName, 30);
            char number[32];
            std::snprintf(number, sizeof number, " (%3d) ", line.length());
            text += number;
            for (const int32_t count : line.counts) {
                std::snprintf(number, sizeof number, " %3d,", count);
                text += number;
            }
            text += '\n';
        }
    }
    return text;
}

std::string ftcMarriageDate(std::string_view dateText) {
    const size_t blank = dateText.find(' ');
    if (blank == std::string_view::npos) return std::string(dateText);
    // Only a whole word is a month ("Junk" stays as it is).
    const size_t end = std::min(dateText.find(' ', blank + 1), dateText.size());
    const std::string_view word = dateText.substr(blank + 1, end - blank - 1);
    for (int32_t month = 1; month <= 12; ++month) {
        if (word != monthAbbreviation(month)) continue;
        return std::string(dateText.substr(0, blank + 1)) + std::string(monthName(month)) +
               std::string(dateText.substr(end));
    }
    return std::string(dateText);
}

namespace {

std::string withoutParenthesis(std::string_view name) {
    std::string text(name);
    const size_t open = text.find('(');
    if (open != std::string::npos) {
        const size_t close = text.find(')', open);
        text.erase(open, close == std::string::npos ? std::string::npos : close - open + 1);
    }
    return text;
}

// The first character of the first word of a text, empty when it has none.
std::string firstInitial(std::string_view text) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    return std::string(text.substr(start, utf8CharAt(text, start).length));
}

}  // namespace

std::string ftcShortInitials(std::string_view name) {
    const std::string text = withoutParenthesis(name);
    const size_t slash = text.find('/');
    if (slash == std::string::npos) return firstInitial(text);
    const std::string_view rest = std::string_view(text).substr(slash + 1);
    return firstInitial(std::string_view(text).substr(0, slash)) + firstInitial(rest.substr(0, rest.find('/')));
}

std::string ftcInitials(std::string_view name) {
    // The given names and the surname, without what follows it; someone recorded by a
    // surname alone has its initials (not a "/").
    std::string text = withoutParenthesis(name);
    const size_t slash = text.find('/');
    if (slash != std::string::npos) {
        text.erase(slash, 1);
        text.resize(std::min(text.size(), text.find('/', slash)));
    }
    // The first character of every word; a run of blanks (left where "(...)" was
    // removed) separates two words like one blank.
    std::string initials;
    for (size_t k = 0; k < text.size();) {
        const size_t length = utf8CharAt(text, k).length;
        if (text[k] != ' ' && (k == 0 || text[k - 1] == ' ')) initials += text.substr(k, length);
        k += length;
    }
    return initials;
}

void generateFamilyTreeChart(AppContext& ctx, const ReportInput& input) {
    FamilyTreeChartState& chart = familyTreeChart(ctx);
    const int32_t mrin = input.mrins.fetch(0);
    chart.positionsPath =
        ctx.paths.ftcPositionsStem.empty() ? std::string() : ftcPositionsFileName(ctx.paths.ftcPositionsStem, mrin);
    chart.branches.clear();
    chart.drag = {};
    chart.format = 0;
    // A chart drawn afresh has no moves of its own to save.
    chart.positionsChanged = false;

    PageLog& log = ctx.pageLog;
    log.begin("Family Tree Chart", runPage(ctx));
    FtcPage page(log);
    drawFtcBackground(page, ctx.detailedFoliage, leafSeed(mrin));

    // A start field typed as letters passes the checks as MRIN 0: the run ends with
    // the message and no pages, and the program goes on.
    MarriageRecord couple;
    if (!readMarriage(ctx.file, mrin, couple)) {
        ctx.host.message(TW_TR("Messages", "The RIN is invalid"), "Error");
        log.abandonPrinting();
        return;
    }

    log.fontSize(page.points(12));
    log.fontName("Times");
    // The marriage and the surname stand on the background's two plates.
    const std::string married = fillIn(TW_TR("FamilyTreeChart", "married  %1"),
                                       {ftcMarriageDate(formatDate(decodeDate(ctx, couple.date)).view())});
    log.textCentered(0.5 * page.W, 0.665 * page.H, shortenToWidth(log, married, kMarriagePlateWidth * page.W));
    drawRoots(ctx, page, couple.husband, -1);
    drawRoots(ctx, page, couple.wife, 1);

    const std::string husband = nameOf(ctx, couple.husband);
    const std::string wife = nameOf(ctx, couple.wife);
    log.fontSize(page.points(14));
    // The family's surname: the husband's, or the wife's where he is not recorded.
    const std::string surname = husband.empty() ? splitName(wife).surname : splitName(husband).surname;
    log.textCentered(0.5 * page.W, 0.855 * page.H, shortenToWidth(log, surname, kNamePlateWidth * page.W));
    log.textCentered(0.5 * page.W, 0.875 * page.H, TW_TR("FamilyTreeChart", "Family Tree"));
    log.textCentered(0.5 * page.W, 0.895 * page.H, todayText(ctx).view());
    drawTrunkNames(page, husband, wife);

    log.snapshot();
    chart.branches = buildFamilyBranches(ctx, input.mrins, &chart.branchesCut);
    layOutAndDraw(log, chart);
    chart.listing = ftcListingText(chart.branches);
    if (!ctx.paths.ftcListingFile.empty()) ctx.host.writeFile(ctx.paths.ftcListingFile, chart.listing);

    log.brushColor(0);
    log.penColor(0);
    log.commit();
    ctx.host.showProgress(-1);
    log.newPage();
    log.end();
}

FamilyTreeChartState& familyTreeChart(AppContext& ctx) {
    if (!ctx.familyTree) ctx.familyTree = std::make_shared<FamilyTreeChartState>();
    return *ctx.familyTree;
}

}  // namespace tw
