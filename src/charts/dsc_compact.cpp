// The Descendant Summary Chart's compact forms, for a family that none of the four
// formats takes: narrower margins, a lower banner, header row and totals box, rows as
// close as their type allows, and long names shortened.

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "charts/dsc_parts.h"
#include "reports/list_page.h"

namespace tw::dsc {

namespace {

// The compact forms: half an inch from the sheet's edges (a little more at the foot,
// for the notes of what is left out), the header row and totals box this share of
// the formats' heights, rows at most this far apart with boxes this share of it,
// and their type no larger than the furniture holds; names take at most
// kLongestNameShare of the width.
constexpr double kCompactMargin = 0.5;
constexpr double kCompactFoot = 0.6;
constexpr double kCompactFurniture = 0.65;
constexpr double kCompactRowPitch = 0.35;
constexpr double kCompactBoxShare = 0.85;
constexpr int32_t kCompactLargestRowFont = 8;
constexpr float kCompactGap = 0.2F;
constexpr float kCompactBoxPen = 0.02F;
constexpr float kCompactLinePen = 0.01F;
constexpr std::array<int32_t, 4> kCompactTitleSizes{18, 14, 12, 10};
// How far a text's ink reaches below the middle of its box, per point of its type:
// rows drop their text rowFont / 140 in above the middle.
constexpr double kInkBelowMiddle = 1.12 / 72 - 1.0 / 140;

// A pen width of the tuning where it is sensible, else the compact forms' own.
float sensiblePen(float pen, float own) { return pen > 0 && pen <= own ? pen : own; }

// The title left of today's date, in the largest size that fits there; the bottom of
// the title, or none when no size fits.
std::optional<double> drawCompactTitle(Chart& chart) {
    PageLog& log = chart.log;
    const double dateStart = chart.right - log.textWidthInFont(chart.today, "Times", 12) * log.pageWidth();
    log.fontName("Times");
    for (const int32_t size : kCompactTitleSizes) {
        log.fontSize(size);
        const double titleX = (chart.left + dateStart) / 2;
        if (!centredWithin(log, chartTitle(), titleX, chart.left, dateStart)) continue;
        log.textCentered(titleX, chart.top, chartTitle());
        log.fontSize(12);
        log.textRight(chart.right, chart.top + 0.1, chart.today);
        return chart.top + double(std::max(size, 12)) * kCellHeight / 72;
    }
    chart.whyNot = TW_TR("DescendantSummaryChart", "its title does not fit across the page.");
    return std::nullopt;
}

// Rows as close as the room between the banner and the header row asks, their type
// as large as their boxes hold; the top of the first row, or none when the type
// would be smaller than kSmallestRowFont.
std::optional<double> sizeCompactRows(Chart& chart, double bannerBottom) {
    DscTuning& t = chart.tuning;
    const size_t n = chart.rows.size();
    const double room = (headerRowTop(chart) - kRowClearance) - (bannerBottom + kRowClearance);
    const double pitch = std::min(kCompactRowPitch, room / double(n));
    t.boxcc = float(pitch);
    t.boxheight = float(pitch * kCompactBoxShare);
    const double holds = (double(t.boxheight) - double(t.dlinew)) / 2 / kInkBelowMiddle;
    t.rowFont = int32_t(std::min(double(kCompactLargestRowFont), std::max(0.0, holds)));
    if (t.rowFont < kSmallestRowFont) {
        char apart[32];
        std::snprintf(apart, sizeof apart, "%.2f", pitch);
        chart.whyNot = fillIn(TW_TR("DescendantSummaryChart",
                                    "the rows of its %1 children would stand %2 in apart, too close for the smallest "
                                    "type (%3 points)."),
                              {std::to_string(n), apart, std::to_string(kSmallestRowFont)});
        return std::nullopt;
    }
    const double rowsHeight = double(n - 1) * double(t.boxcc) + double(t.boxheight);
    return bannerBottom + kRowClearance + (room - rowsHeight) / 2;
}

// One attempt of a compact form with a banner of the given type: 0 when drawn.
int drawCompactAttempt(Chart& chart, BannerType type, bool shorten) {
    DscTuning& t = chart.tuning;
    PageLog& log = chart.log;
    const std::optional<double> titleBottom = drawCompactTitle(chart);
    if (!titleBottom) return 1;
    const double y1 = *titleBottom + kRowClearance;
    const double y3 = y1 + double(type.names) / double(kBannerType.names);
    log.penWidth(t.dlinew);
    drawBox(log, chart.left, y1, chart.right, y3);
    if (!drawBanner(chart, y1, y3, type, shorten)) {
        chart.whyNot = TW_TR("DescendantSummaryChart", "the couple's names and dates do not fit across the page.");
        return 1;
    }
    chart.coupleLineX = chart.left + 0.1;
    ensureOneRow(chart);
    const std::optional<double> y0 = sizeCompactRows(chart, y3);
    if (!y0) return 1;
    if (!totalsFit(chart)) {
        chart.whyNot = TW_TR("DescendantSummaryChart", "its totals do not fit across the page.");
        return 1;
    }
    if (layoutPass(chart, chart.coupleLineX + t.inter_column_space, *y0) == 1) return 1;
    drawHeaderArrowAndNotes(chart, y3);
    return 0;
}

}  // namespace

int drawCompactForm(Chart& chart, int format, bool cut, bool shorten) {
    applyFormatSettings(chart, format);
    DscTuning& t = chart.tuning;
    PageLog& log = chart.log;
    fitMarginsToPage(chart);
    chart.compact = true;
    chart.cutsGenerations = cut;
    chart.left = kCompactMargin;
    chart.top = kCompactMargin;
    chart.right = log.pageWidth() - kCompactMargin;
    chart.bottom = log.pageHeight() - kCompactFoot;
    chart.furniture = kCompactFurniture;
    chart.widestName = kLongestNameShare * (chart.right - chart.left);
    t.inter_column_space = kCompactGap;
    t.dlinew = sensiblePen(t.dlinew, kCompactBoxPen);
    t.slinew = sensiblePen(t.slinew, kCompactLinePen);
    // The banner in its own type and then smaller, its texts whole; or in the
    // smallest type, shortened.
    std::vector<BannerType> banners = {kSmallerBannerTypes.back()};
    if (!shorten) {
        banners.assign(1, kBannerType);
        banners.insert(banners.end(), kSmallerBannerTypes.begin(), kSmallerBannerTypes.end());
    }
    log.snapshot();
    for (const BannerType& type : banners) {
        log.restoreSnapshot();
        if (drawCompactAttempt(chart, type, shorten) == 0) return 0;
    }
    return 1;
}

}  // namespace tw::dsc
