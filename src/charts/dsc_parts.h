#pragma once
// The pieces of the Descendant Summary Chart's page that its four formats and its
// compact forms share: the title, the couple banner, the header row with the totals
// box, and the notes under it.

#include <array>
#include <cstdint>
#include <string_view>

#include "base/translation.h"
#include "charts/dsc_chart.h"

namespace tw::dsc {

inline std::string_view chartTitle() { return TW_TR("DescendantSummaryChart", "DESCENDANTS SUMMARY CHART"); }
// The header word over the name column: "child" for one, else "children".
std::string_view childrenWord(size_t children);
// Rows keep this far from the banner (or title box) above them and the header row
// below them.
inline constexpr double kRowClearance = 0.1;
// The smallest type of the rows on a page smaller than the sheet a format was drawn
// for (the size format 3 itself shrinks to with its most rows on letter), and in the
// compact forms.
inline constexpr int32_t kSmallestRowFont = 5;
// A text's cell is this many times its type size high.
inline constexpr double kCellHeight = 1.15;

// The type of the banner: the couple's names, and the event texts with their labels.
struct BannerType {
    int32_t names, events;
};
inline constexpr BannerType kBannerType{16, 12};
// Smaller types, tried in turn where the banner does not fit in its own type.
inline constexpr std::array<BannerType, 5> kSmallerBannerTypes{{{14, 11}, {13, 10}, {12, 9}, {11, 8}, {9, 7}}};

// The settings a banner format starts from.
void applyFormatSettings(Chart& chart, int format);

// Whether a text of the current type centred at x stays within left and right.
bool centredWithin(const PageLog& log, std::string_view text, double x, double left, double right);

// The couple banner from y1 to y3: names at the left, a rule, then the event texts.
// False when they leave less than a quarter inch to spare, unless they may be
// shortened to leave it.
bool drawBanner(Chart& chart, double y1, double y3, BannerType type = kBannerType, bool shorten = false);

// The one empty row that stands for a childless couple.
void ensureOneRow(Chart& chart);

// The header row's top: 1.2 in above the bottom margin (the totals box, a gap, the
// row), less in a compact form.
double headerRowTop(const Chart& chart);
// The texts of the totals box, at the rows' type, and the note beside it stay clear
// of its sides.
bool totalsFit(const Chart& chart);
// The header row under the rows and the totals box; returns the header row's top.
double drawHeaderAndTotals(Chart& chart);

void drawRepeatNote(Chart& chart);
// What the chart leaves out, under its totals box: what the walk did not count, and
// the generations that did not fit across.
void drawFootNotes(Chart& chart);
// The portrait forms' end: the header row and totals, the couple's line from
// coupleLineBottom down to an arrow on the header row, the notes; the page is then
// committed.
void drawHeaderArrowAndNotes(Chart& chart, double coupleLineBottom);

}  // namespace tw::dsc
