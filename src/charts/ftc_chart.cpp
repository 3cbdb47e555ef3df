#include "charts/ftc_chart.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "charts/ftc_draw.h"
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

// The first size, from table index first on, in which the text is narrow enough;
// the last size when none is.
int32_t trunkNameSize(FtcPage& page, const std::string& text, size_t first) {
    size_t index = first;
    while (kTrunkNameSizes[index + 1] != 0 &&
           page.log.textWidthInFont(text, "Times", page.points(kTrunkNameSizes[index])) > kWidestTrunkName)
        ++index;
    return page.points(kTrunkNameSizes[index]);
}

void drawTrunkName(FtcPage& page, const std::string& name, double givenX, double givenY, double surnameX,
                   double surnameY, int32_t angle) {
    const SplitName split = splitName(name);
    // Too long even in the smallest size: shortened.
    const auto fitted = [&](const std::string& text, int32_t size) {
        return shortenToWidth(text, kWidestTrunkName * page.W, "Times", size, page.log.pixelsPerInch());
    };
    const int32_t givenSize = trunkNameSize(page, split.given, 1);
    page.log.textAngledCentered(givenX * page.W, givenY * page.H, fitted(split.given, givenSize), "Times", givenSize,
                                angle);
    const int32_t surnameSize = trunkNameSize(page, split.surname, 0);
    page.log.textAngledCentered(surnameX * page.W, surnameY * page.H, fitted(split.surname, surnameSize), "Times",
                                surnameSize, angle);
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

void drawRoots(AppContext& ctx, FtcPage& page, int32_t rin, int side) {
    const std::array<int32_t, kPedigreeSlots> slots = fillPedigree(ctx, rin);
    for (const FtcRootRow& row : kFtcRootRows) {
        page.log.fontSize(page.points(row.fontSize));
        for (int32_t j = 0; j < row.count; ++j) {
            const int32_t slotRin = slots[size_t(row.firstSlot + j)];
            const std::string initials = ftcInitials(ftcNameOf(ctx, slotRin));
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
    static constexpr std::string_view kMonths =
        " January February March April May June July August September October November December ";
    const size_t blank = dateText.find(' ');
    if (blank == std::string_view::npos || dateText.size() < blank + 4) return std::string(dateText);
    // Only a word of three letters is a month ("Junk" stays as it is).
    if (dateText.size() > blank + 4 && dateText[blank + 4] != ' ') return std::string(dateText);
    const std::string_view abbreviation = dateText.substr(blank + 1, 3);
    const size_t match = kMonths.find(std::string(" ") + std::string(abbreviation));
    if (match == std::string_view::npos) return std::string(dateText);
    const std::string_view month = kMonths.substr(match + 1, kMonths.find(' ', match + 1) - match - 1);
    return std::string(dateText.substr(0, blank + 1)) + std::string(month) + std::string(dateText.substr(blank + 4));
}

std::string ftcInitials(std::string_view name) {
    std::string text(name);
    const size_t open = text.find('(');
    if (open != std::string::npos) {
        const size_t close = text.find(')', open);
        text.erase(open, close == std::string::npos ? std::string::npos : close - open + 1);
    }
    if (!text.empty() && text.front() != '/') {
        const size_t slash = text.find('/');
        if (slash != std::string::npos) {
            text.erase(slash, 1);
            text.resize(std::min(text.size(), text.find('/', slash)));
        }
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

    PageLog& log = ctx.pageLog;
    log.begin("Family Tree Chart", runPage(ctx));
    FtcPage page(log);
    drawFtcBackground(page, ctx.detailedFoliage, leafSeed(mrin));

    // A start field typed as letters passes the checks as MRIN 0: the run ends with
    // the message and no pages, and the program goes on.
    MarriageRecord couple;
    if (!readMarriage(ctx.file, mrin, couple)) {
        ctx.host.message("The RIN is invalid", "Error");
        log.abandonPrinting();
        return;
    }

    log.fontSize(page.points(12));
    log.fontName("Times");
    // The marriage and the surname stand on the background's two plates.
    const std::string married = "married  " + ftcMarriageDate(formatDate(decodeDate(ctx, couple.date)).view());
    log.textCentered(0.5 * page.W, 0.665 * page.H, shortenToWidth(log, married, kMarriagePlateWidth * page.W));
    drawRoots(ctx, page, couple.husband, -1);
    drawRoots(ctx, page, couple.wife, 1);

    const std::string husband = nameOf(ctx, couple.husband);
    const std::string wife = nameOf(ctx, couple.wife);
    log.fontSize(page.points(14));
    log.textCentered(0.5 * page.W, 0.855 * page.H, shortenToWidth(log, splitName(husband).surname, kNamePlateWidth * page.W));
    log.textCentered(0.5 * page.W, 0.875 * page.H, "Family Tree");
    log.textCentered(0.5 * page.W, 0.895 * page.H, todayText(ctx).view());
    drawTrunkName(page, husband, 0.43, 0.75, 0.457, 0.76, 600);
    drawTrunkName(page, wife, 0.57, 0.751, 0.542, 0.7605, -620);

    log.snapshot();
    chart.branches = buildFamilyBranches(ctx, input.mrins);
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
