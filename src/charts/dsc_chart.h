#pragma once
// What the Descendant Summary Chart's walk, layout and drawing share: the rows (one
// per child of the couple) with their generation cells, and the state of one run.

#include <cstdint>
#include <string>
#include <vector>

#include "charts/dsc_tuning.h"
#include "reports/descent.h"
#include "run/app_context.h"

namespace tw::dsc {

// The descendants that lie one depth below a row's child in that child's line.
struct GenerationCell {
    int32_t count = 0;        // met here, repeats included
    int32_t distinct = 0;     // met here for the first time in the whole walk
    int32_t spouseCount = 0;  // marriages of the distinct ones
    bool repeat = false;      // someone met here had been met before
    std::string label;        // composed once, then kept by later formats
    double x = 0, y = 0, width = 0;
};

// One child of the couple, or the one empty row that stands for a childless couple.
struct ChildRow {
    bool empty = false;
    int32_t rin = 0;
    int32_t marriageCount = 0;
    double y = 0, x = 0, width = 0;
    std::vector<GenerationCell> cells;  // cells[d - 1] is depth d
    std::string fullName;  // the given names, or the surname where there are none
    std::string nameText;  // as the row shows it: whole, or shortened in a compact form
};

struct Chart {
    explicit Chart(AppContext& c) : ctx(c), log(c.pageLog), tuning(dscTuning(c)) {}

    AppContext& ctx;
    PageLog& log;
    DscTuning& tuning;
    std::vector<ChildRow> rows;
    bool repeatSeen = false;
    CoupleNames couple;  // empty for a partner not recorded
    int32_t firstMrin = 0;
    int format = 1;
    std::string today;
    double coupleLineX = 0;
    double headerMid = 0;
    // The format's page: the tuning values are inches of the sheet the format was
    // drawn for (letter, legal for format 4), those of the right and bottom margins
    // measured from its right and bottom edges; shift is how much wider and taller the
    // page is than that sheet, and right and bottom are the margins on the page.
    SheetDifference shift;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    // The width of format 3's page, which format 4 compares its own with.
    double turnedWidth = 0;
    // Columns that do not fit across are left off (with a note) instead of failing
    // the format: the last resort, format 4 at its smallest type.
    bool cutsGenerations = false;
    // The generations shown and in all when columns were left off, the couple's
    // and the children's included; 0 when none were.
    size_t shownGenerations = 0;
    size_t allGenerations = 0;

    // The compact forms, tried when none of the four formats fits: narrower margins,
    // a lower banner, header row and totals box, and rows as close as their type
    // allows, their names shortened to widestName (0: never).
    bool compact = false;
    double furniture = 1;  // the header row's and totals box's heights, as a share of the formats'
    double widestName = 0;

    // What the walk left out, said at the chart's foot.
    std::vector<std::string> footNotes;
    // Why the last form tried did not fit.
    std::string whyNot;
};

// Texts keep this far from the sides of the box they stand in.
inline constexpr double kTextClearance = 0.05;
// The share of the chart's width that the children's names take at most where the
// chart would otherwise leave generations off.
inline constexpr double kLongestNameShare = 0.3;

// Places the margins of the current format on the page being written.
void fitMarginsToPage(Chart& chart);

// Layout pass: places the rows from (x0, y0) and the generation columns to their
// right, spreads the spare width and draws the rows. 0 when the chart fits across,
// 1 when it does not (unless the chart cuts generations: then it shows those that
// fit, after a note).
int layoutPass(Chart& chart, double x0, double y0);

// "children" (depth 1, format 1), "ch", "g'ch", "G g'ch", "2G g'ch", ...
std::string generationLabel(int index, int format);

// The formats: 0 when drawn, 1 when the chart does not fit.
int drawFormat1(Chart& chart);
int drawBannerFormat(Chart& chart, int format);  // formats 2, 3 and 4
// A compact form on the page of format 2, 3 or 4; cut: generations that do not fit
// across are left off; shorten: the couple's names and dates are shortened to fit.
int drawCompactForm(Chart& chart, int format, bool cut, bool shorten);

// Drawing pieces used by the layout pass.
void drawRows(Chart& chart);

// A font size in points from a computed value: truncated, and held to sizes that
// can be drawn and measured (a zero or absurd box spacing must not make it overflow).
int32_t fontPoints(double value, int32_t fallback);

}  // namespace tw::dsc
