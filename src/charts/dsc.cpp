#include "charts/dsc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "base/translation.h"
#include "charts/chart_names.h"
#include "charts/dsc_parts.h"
#include "paf/dates.h"
#include "paf/navigation.h"
#include "paf/records.h"
#include "reports/descent.h"
#include "reports/wrap_name.h"

namespace tw {

namespace dsc {

namespace {

// Generations below the couple that the walk visits at most.
constexpr int kGenerationLimit = 299;

// The child's name as the row shows it: the name as entered, cut before the surname;
// for someone recorded by a surname alone, the surname, or "(no name)".
std::string rowName(const std::string& name) {
    const std::string given = name.substr(0, name.find('/'));
    return given.find_first_not_of(' ') != std::string::npos ? given : givenNamesOrSurname(name);
}

void addChild(Chart& chart, int32_t rin) {
    ChildRow& row = chart.rows.emplace_back();
    row.rin = rin;
    row.marriageCount = marriageCount(chart.ctx, rin);
    row.fullName = rowName(individualName(chart.ctx, rin).str());
    row.nameText = row.fullName;
}

// A descendant met depth generations below the child of row branch (counted from 1).
void addDescendant(Chart& chart, RinMarks& seen, int32_t branch, size_t depth, int32_t rin) {
    if (branch < 1 || size_t(branch) > chart.rows.size()) return;
    ChildRow& row = chart.rows[size_t(branch) - 1];
    if (row.cells.size() < depth) row.cells.resize(depth);
    GenerationCell& cell = row.cells[depth - 1];
    ++cell.count;
    if (!seen.isSet(rin)) {
        seen.testAndSet(rin);
        ++cell.distinct;
        cell.spouseCount += marriageCount(chart.ctx, rin);
    } else {
        cell.repeat = true;
        chart.repeatSeen = true;
    }
}

std::string walkStopMessage(int lastGeneration, int64_t limit) {
    return fillIn(TW_TR("DescendantSummaryChart",
                        "The chart counts the first %1 generations:\nthe next generation would take the count past %2 "
                        "entries."),
                  {std::to_string(lastGeneration), std::to_string(limit)});
}

std::string walkStopFootNote(int lastGeneration, int64_t limit) {
    return fillIn(TW_TR("DescendantSummaryChart",
                        "Only the first %1 generations below the couple are counted: the next would take the count "
                        "past %2 people."),
                  {std::to_string(lastGeneration), std::to_string(limit)});
}

// Counts the descendants of the start couples, generation by generation. Everyone
// met is counted in every line that reaches him or her, and his or her own
// descendants are walked again, so a family that loops back on itself grows with
// every generation: the walk stops before it would pass the context's entry limit.
void countDescendants(Chart& chart, const IntList& mrins) {
    AppContext& ctx = chart.ctx;
    RinMarks seen;
    seen.reset(ctx.file.highestRin());
    IntList marriages = startCouples(mrins);
    int64_t entries = 0;
    for (int g = 1; g <= kGenerationLimit; ++g) {
        if (marriages.size() == 0 || ctx.host.cancelRequested()) break;
        IntList persons;
        if (!childrenWithin(ctx, marriages, ctx.listEntryLimit - entries, persons)) {
            ctx.host.message(walkStopMessage(g - 1, ctx.listEntryLimit), "Note");
            chart.footNotes.push_back(walkStopFootNote(g - 1, ctx.listEntryLimit));
            break;
        }
        if (persons.size() == 0) break;
        entries += persons.size() / 3;
        if (g == 1) numberChildLines(persons);
        for (int32_t i = 0; i + 2 < persons.size(); i += 3) {
            if (g == 1) addChild(chart, persons.fetch(i));
            else addDescendant(chart, seen, persons.fetch(i + 1), size_t(g - 1), persons.fetch(i));
        }
        ctx.host.showProgress(g);
        marriages = marriagesInFileOrder(ctx, persons);
        if (g == kGenerationLimit && marriages.size() > 0)
            chart.footNotes.push_back(fillIn(TW_TR("DescendantSummaryChart",
                                                   "Only the first %1 generations below the couple are counted: the "
                                                   "chart counts no further."),
                                             {std::to_string(kGenerationLimit)}));
    }
}

double measured(PageLog& log, std::string_view text) {
    return double(log.textWidth(text) + log.textWidth("m")) / std::max(log.pixelsPerInch(), 1);
}

std::string cellLabel(const GenerationCell& cell, size_t depth, int format) {
    std::string label;
    if (cell.count == 1 && depth == 1 && format == 1) {
        label = TW_TR("DescendantSummaryChart", "1 child");
    } else {
        char count[16];
        std::snprintf(count, sizeof count, "%2d  ", cell.count);
        label = count + generationLabel(int(depth), format);
    }
    if (cell.repeat) label += '*';
    return label;
}

// Rows from y0 down, boxcc apart; returns the width of the name column, at least
// narrowest. The empty row of a childless couple is placed but not measured.
double placeRows(Chart& chart, double x0, double y0, double narrowest) {
    PageLog& log = chart.log;
    double y = y0;
    double widest = 0;
    for (ChildRow& row : chart.rows) {
        row.x = x0;
        row.y = y;
        y += double(chart.tuning.boxcc);
        if (row.empty) break;
        log.fontSize(chart.tuning.rowFont);
        row.nameText = chart.widestName > 0 ? shortenToWidth(log, row.fullName, chart.widestName) : row.fullName;
        row.width = measured(log, row.nameText);
        widest = std::max(widest, row.width);
    }
    widest = std::max(widest, narrowest);
    for (ChildRow& row : chart.rows) row.width = widest;
    return widest;
}

// Puts the cells of depth d at x; returns the largest right end (the gap to the next
// column included), none when no row reaches depth d. measure: compose the labels
// still empty and measure the cells not measured yet.
std::optional<double> placeColumn(Chart& chart, size_t d, double x, bool measure) {
    std::optional<double> end;
    for (ChildRow& row : chart.rows) {
        if (row.cells.size() < d) continue;
        GenerationCell& cell = row.cells[d - 1];
        cell.x = x;
        cell.y = row.y;
        if (measure) {
            if (cell.label.empty()) cell.label = cellLabel(cell, d, chart.format);
            if (cell.width == 0) cell.width = measured(chart.log, cell.label);
        }
        const double right = x + cell.width + double(chart.tuning.inter_column_space);
        end = std::max(end.value_or(right), right);
    }
    return end;
}

// Widens the cells of depth d that end short of edge, so that a column ends together.
void alignColumn(Chart& chart, size_t d, double edge) {
    for (ChildRow& row : chart.rows) {
        if (row.cells.size() < d) continue;
        GenerationCell& cell = row.cells[d - 1];
        if (cell.x + cell.width < edge) cell.width = edge - cell.x;
    }
}

// The deepest generation below the children that any row reaches.
size_t deepestDepth(const Chart& chart) {
    size_t deepest = 0;
    for (const ChildRow& row : chart.rows) deepest = std::max(deepest, row.cells.size());
    return deepest;
}

std::string generationsDoNotFit(const Chart& chart) {
    return fillIn(TW_TR("DescendantSummaryChart", "its %1 generations do not fit across the page."),
                  {std::to_string(deepestDepth(chart) + 2)});
}

std::string truncationNote(size_t generations) {
    return fillIn(TW_TR("DescendantSummaryChart",
                        "This couple has more generations of data than\nwill fit on this report.  Be advised that the "
                        "report\nwill show only the first %1 generations of data."),
                  {std::to_string(generations)});
}

void finishPage(Chart& chart) {
    chart.log.commit();
    chart.ctx.host.showProgress(-1);
    chart.log.newPage();
    chart.log.end();
}

// Tries the formats in turn; each new format starts a new print job for its paper.
void runFormats(Chart& chart) {
    PageLog& log = chart.log;
    const PageRequest upright = runPage(chart.ctx);
    if (drawFormat1(chart) == 0) return finishPage(chart);

    log.abandonPrinting();
    log.begin("Descendant Summary Chart (f2)", upright);
    log.begin("Descendant Summary Chart", upright);
    if (drawBannerFormat(chart, 2) == 0) return finishPage(chart);

    log.abandonPrinting();
    const PageRequest turned = runPage(chart.ctx, true);
    if (log.begin("Descendant Summary Chart (f3)", turned) == 1) log.begin("Descendant Summary Chart (f3a)", turned);
    if (log.begin("Descendant Summary Chart", turned) == 1) log.begin("Descendant Summary Chart", turned);
    if (drawBannerFormat(chart, 3) == 0) return finishPage(chart);

    // The larger sheet: the paper the printer was found to hold decides which.
    const PageRequest larger{largerPaper(log.page().paper.value_or(chart.ctx.paper), chart.ctx.largeSheets), true, true};
    log.abandonPrinting();
    if (log.begin("Descendant Summary Chart (f4)", larger) == 1) log.begin("Descendant Summary Chart (f4a)", larger);
    if (drawBannerFormat(chart, 4) == 0) return finishPage(chart);

    // None fits: the compact forms, first showing every generation, then leaving off
    // those that do not fit across (on the wider page, then on the taller); first
    // with the couple's names and dates whole, then shortened.
    const DscTuning formatsLeft = chart.tuning;
    const auto compact = [&](int format, bool cut, bool shorten) {
        log.abandonPrinting();
        const PageRequest page = format == 2 ? upright : format == 3 ? turned : larger;
        if (log.begin("Descendant Summary Chart", page) == 1) log.begin("Descendant Summary Chart", page);
        return drawCompactForm(chart, format, cut, shorten) == 0;
    };
    const auto anyCompact = [&](bool shorten) {
        return compact(2, false, shorten) || compact(3, false, shorten) || compact(4, false, shorten) ||
               compact(4, true, shorten) || compact(2, true, shorten);
    };
    const bool drawn = anyCompact(false) || anyCompact(true);
    // The compact forms' sizes are their own: later runs start from what the formats left.
    chart.tuning = formatsLeft;
    if (drawn) return finishPage(chart);

    chart.ctx.host.message(fillIn(TW_TR("DescendantSummaryChart",
                                        "This information could not\nbe formatted into any of\nthe 4 forms of this "
                                        "chart:\n%1"),
                                  {chart.whyNot}),
                           TW_TR("Messages", "Problem!"));
    log.abandonPrinting();
}

}  // namespace

std::string generationLabel(int index, int format) {
    if (index == 1)
        return std::string(format == 1 ? TW_TR("DescendantSummaryChart", "children")
                                       : TW_TR("DescendantSummaryChart", "ch"));
    if (index == 2) return std::string(TW_TR("DescendantSummaryChart", "g'ch"));
    if (index == 3) return std::string(TW_TR("DescendantSummaryChart", "G g'ch"));
    return fillIn(TW_TR("DescendantSummaryChart", "%1G g'ch"), {std::to_string(index - 2)});
}

void fitMarginsToPage(Chart& chart) {
    const DscTuning& t = chart.tuning;
    chart.shift = differenceFrom(chart.log.page(), chart.format == 4 ? Paper::Legal : Paper::Letter);
    chart.left = t.left_margin;
    chart.top = t.top_margin;
    chart.right = double(t.right_margin) + chart.shift.width;
    chart.bottom = double(t.bottom_margin) + chart.shift.height;
}

int32_t fontPoints(double value, int32_t fallback) {
    constexpr double kLargest = 144;
    if (std::isnan(value)) return fallback;
    return int32_t(std::clamp(std::trunc(value), 1.0, kLargest));
}

namespace {

// The rows, and the columns to their right with the spare width spread over them; 1
// when they do not fit across.
int placeRowsAndColumns(Chart& chart, double x0, double y0, double narrowestRow) {
    const DscTuning& tuning = chart.tuning;
    const double gap = tuning.inter_column_space;
    const double rightMargin = chart.right;
    chart.shownGenerations = chart.allGenerations = 0;
    for (ChildRow& row : chart.rows)
        for (GenerationCell& cell : row.cells) cell.width = 0;
    const double rowWidth = placeRows(chart, x0, y0, narrowestRow);

    // Columns left to right until the deepest generation, or until one reaches the
    // right margin.
    double r = x0 + rowWidth + gap;
    size_t d = 1;
    for (;; ++d) {
        const std::optional<double> end = placeColumn(chart, d, r, true);
        if (!end || *end == r) break;
        if (*end >= rightMargin) {
            if (!chart.cutsGenerations) {
                chart.whyNot = generationsDoNotFit(chart);
                return 1;
            }
            chart.shownGenerations = d + 1;
            chart.allGenerations = deepestDepth(chart) + 2;
            break;
        }
        r = *end;
    }
    if (r > rightMargin && !chart.cutsGenerations) {
        chart.whyNot = generationsDoNotFit(chart);
        return 1;
    }

    // The spare width goes in equal parts to the columns that fit.
    const double extra = (gap + rightMargin - r) / double(d);
    for (ChildRow& row : chart.rows) {
        row.width += extra;
        for (GenerationCell& cell : row.cells) cell.width += extra;
    }
    r = x0 + rowWidth + extra + gap;
    for (d = 1;; ++d) {
        const std::optional<double> end = placeColumn(chart, d, r, false);
        if (!end) break;
        alignColumn(chart, d, *end - gap);
        if (*end == r) break;
        r = *end;
    }
    return 0;
}

// How wide the name column must be for the header box under it to hold its word
// ("child" or "children"): the box is the column's width, in the banner forms from
// the left margin.
double headerWordNeeds(Chart& chart, double x0) {
    const size_t children = chart.rows.front().empty ? 0 : chart.rows.size();
    const double word = chart.log.textWidthInFont(childrenWord(children), "Times", chart.tuning.rowFont) *
                        chart.log.pageWidth();
    const double headerLeft = chart.format == 1 ? x0 : chart.left;
    return word + 2 * kTextClearance - (x0 - headerLeft);
}

}  // namespace

int layoutPass(Chart& chart, double x0, double y0) {
    if (placeRowsAndColumns(chart, x0, y0, 0) == 1) return 1;
    // Generations left off while long names take the width: the names give way first.
    if (chart.shownGenerations > 0 && chart.widestName == 0) {
        chart.widestName = kLongestNameShare * (chart.right - chart.left);
        placeRowsAndColumns(chart, x0, y0, 0);
    }
    // A name column left too narrow for its header's word: again, with it as wide.
    const double needs = headerWordNeeds(chart, x0);
    if (!chart.rows.empty() && chart.rows.front().width < needs && placeRowsAndColumns(chart, x0, y0, needs) == 1)
        return 1;
    if (chart.shownGenerations > 0)
        chart.ctx.host.message(truncationNote(chart.shownGenerations), "Note");
    drawRows(chart);
    return 0;
}

}  // namespace dsc

void generateDescendantSummaryChart(AppContext& ctx, const ReportInput& input) {
    dsc::Chart chart(ctx);
    readDscTuningFile(dscTuning(ctx), ctx.paths.dscTuningFile);
    chart.today = todayText(ctx).str();
    ctx.pageLog.begin("Summary Descendants Chart", runPage(ctx));

    chart.firstMrin = input.mrins.fetch(0);
    chart.couple = startCoupleNames(ctx, input.mrins);
    dsc::countDescendants(chart, input.mrins);
    dsc::runFormats(chart);
}

}  // namespace tw
