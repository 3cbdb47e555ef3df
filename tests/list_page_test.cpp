// How the lists' letter layout moves onto other sheets: the shifts of the frame's
// edges, centre and foot, and the columns' share of the difference in width.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "reports/ancestor_list.h"
#include "reports/descendants_list.h"
#include "reports/descendants_summary_list.h"
#include "reports/family_summary_list.h"
#include "reports/grouped_descendants_list.h"
#include "reports/list_page.h"
#include "reports/repeat_ancestors_list.h"
#include "reports/repeat_descendant_list.h"
#include "reports/rsl.h"
#include "reports/surname_distribution_list.h"
#include "support/descendant_lists.h"

namespace tw::test {
namespace {

TEST(SheetShift, MovesTheFrameWithTheSheetAndNarrowsTheMarginsOnlyBelowA4) {
    struct Case {
        Paper paper;
        double margin;
        double left, right, centre, down;
    };
    constexpr double mm = 1 / 25.4;
    const double a4 = 210 * mm - 8.5, a5 = 148 * mm - 8.5;
    const std::vector<Case> cases = {
        {Paper::Letter, 1.25, 0, 0, 0, 0},
        {Paper::Legal, 1.0, 0, 0, 0, 3},
        {Paper::Tabloid, 1.25, 0, 2.5, 1.25, 6},
        {Paper::A4, 1.25, 0, a4, a4 / 2, 297 * mm - 11},           // the names give A4's 0.23 in
        {Paper::A5, 1.25, -0.75, a5 + 0.75, a5 / 2, 210 * mm - 11},  // margins down to half an inch
        {Paper::A5, 0.75, -0.25, a5 + 0.25, a5 / 2, 210 * mm - 11},
        {Paper::A5, 0.4, 0, a5, a5 / 2, 210 * mm - 11},  // a margin already below the floor keeps it
    };
    for (const Case& c : cases) {
        const SheetShift shift = sheetShift(pageOf(c.paper, false), c.margin);
        EXPECT_NEAR(shift.left, c.left, 1e-9) << paperName(c.paper) << " " << c.margin;
        EXPECT_NEAR(shift.right, c.right, 1e-9) << paperName(c.paper) << " " << c.margin;
        EXPECT_NEAR(shift.centre, c.centre, 1e-9) << paperName(c.paper);
        EXPECT_NEAR(shift.down, c.down, 1e-9) << paperName(c.paper);
    }
    // On letter every shift is exactly nothing, so that the letter positions stay to
    // the last digit.
    const SheetShift letter = sheetShift(pageOf(Paper::Letter, false), 1.25);
    EXPECT_TRUE(letter.left == 0 && letter.right == 0 && letter.centre == 0 && letter.down == 0 &&
                letter.wider() == 0);
}

TEST(ColumnChanges, NamesTakeTheDifferenceThenTheOthersGiveWhatTheyCanSpare) {
    struct Case {
        const char* what;
        std::vector<ListColumn> columns;
        double wider;
        std::vector<double> change;
    };
    const std::vector<Case> cases = {
        {"wider: all to the names", {{1, 0.5}, {2, 1, true}, {1, 0.6}}, 2.5, {0, 2.5, 0}},
        {"two name columns share", {{2, 1, true}, {1, 0.6}, {2, 1, true}}, -1, {-0.5, 0, -0.5}},
        {"names down to their least, the rest by spare", {{1, 0.5}, {2, 1.5, true}, {1, 0.8}}, -1.2,
         {-0.5, -0.5, -0.2}},
        {"spare used up: the rest by width", {{1, 0.5}, {2, 1.5, true}, {1, 0.5}}, -2.5,
         {-0.5 - 0.5, -0.5, -0.5 - 0.5}},
        {"no names: growing by width", {{1, 0.5}, {3, 1}}, 2, {0.5, 1.5}},
        {"no names: shrinking by spare", {{1, 0.5}, {3, 1}}, -1, {-0.2, -0.8}},
        {"a column below its least spares nothing", {{0.35, 0.36}, {0.45, 0.36}, {2, 1.6, true}}, -0.5,
         {-0.01 * 0.35 / 0.8, -0.09 - 0.01 * 0.45 / 0.8, -0.4}},
    };
    for (const Case& c : cases) {
        const std::vector<double> change = columnChanges(c.columns, c.wider);
        ASSERT_EQ(change.size(), c.change.size()) << c.what;
        for (size_t i = 0; i < change.size(); ++i) EXPECT_NEAR(change[i], c.change[i], 1e-9) << c.what << " " << i;
        EXPECT_NEAR(std::accumulate(change.begin(), change.end(), 0.0), c.wider, 1e-9) << c.what;
    }
    for (const double change : columnChanges(cases[2].columns, 0.0)) EXPECT_TRUE(change == 0);
}

TEST(TableTypeSize, SmallerTypeOnlyWhereTheColumnsDoNotFit) {
    std::vector<ListColumn> columns = {{1, 0.6}, {2, 1.2, true}};
    EXPECT_EQ(tableTypeSize(columns, 1.8, 12, 10), 12);
    EXPECT_DOUBLE_EQ(columns[0].least, 0.6);
    EXPECT_EQ(tableTypeSize(columns, 1.7, 12, 10), 10);
    EXPECT_DOUBLE_EQ(columns[0].least, 0.5);
    EXPECT_DOUBLE_EQ(columns[1].least, 1.0);
}

// What a reader sees of a list's first page on a sheet: the sheet's size, the side
// margins outside the rules, where the rules end at the foot, and the titles at the
// top and the page number at the foot (centred texts).
struct FirstPage {
    double width = 0, height = 0;
    double leftMargin = 1e9, rightMargin = 1e9, lowestRule = 0;
    std::optional<Placed> top, foot;
};

FirstPage firstPageOf(ReportGenerator generator, Paper paper) {
    WriterFamily family = coupleWithChildren(4);
    auto run = openRun(family);
    run->ctx.paper = paper;
    generate(*run, generator, {1}, 3);
    const PageLog& log = run->ctx.pageLog;
    FirstPage page;
    page.width = log.pageWidth();
    page.height = log.pageHeight();
    double right = 0;
    for (const std::string& command : pageCommands(log.pagelogg(0))) {
        if (!command.starts_with("M,") && !command.starts_with("L,")) continue;
        const double x = std::atof(command.c_str() + 2);
        const double y = std::atof(command.c_str() + command.rfind(',') + 1);
        page.leftMargin = std::min(page.leftMargin, x);
        right = std::max(right, x);
        page.lowestRule = std::max(page.lowestRule, y);
    }
    page.rightMargin = page.width - right;
    for (const Placed& t : placedTexts(log)) {
        if (t.page != 0 || t.code != "TOC") continue;
        if (!page.top || t.y < page.top->y) page.top = t;
        if (!page.foot || t.y > page.foot->y) page.foot = t;
    }
    return page;
}

// Every list on every paper: equal side margins of at least half an inch, the
// titles on the sheet's centre, and the frame's foot and the page number as far
// from the sheet's foot as on letter. (The chart has no page number, and a short
// pedigree fills only its first band.)
TEST(ListsOnEveryPaper, KeepTheirMarginsCentreAndFootWithTheSheet) {
    struct List {
        const char* name;
        ReportGenerator generator;
        bool foot = true;
    };
    const std::vector<List> lists = {
        {"research status list", generateResearchStatusList},
        {"research status chart", generateResearchStatusChart, false},
        {"ancestors list", generateAncestorListWithRepeats},
        {"ancestors list without repeats", generateAncestorListWithoutRepeats},
        {"repeat ancestors list", generateRepeatAncestorsList},
        {"descendants list", generateDescendantsList},
        {"grouped descendants list", generateGroupedDescendantsList},
        {"descendants summary list", generateDescendantsSummaryList},
        {"family summary list", generateFamilySummaryList},
        {"repeat descendant list", generateRepeatDescendantList},
        {"surname distribution list", generateSurnameDistributionList},
    };
    constexpr double kPrinted = 1e-4;  // positions are written to four decimals
    for (const List& list : lists) {
        const FirstPage letter = firstPageOf(list.generator, Paper::Letter);
        ASSERT_TRUE(letter.top && letter.foot) << list.name;
        for (const Paper paper : kAllPapers) {
            const FirstPage page = firstPageOf(list.generator, paper);
            const std::string what = std::string(list.name) + " on " + std::string(paperName(paper));
            ASSERT_TRUE(page.top && page.foot) << what;
            EXPECT_NEAR(page.leftMargin, page.rightMargin, 2 * kPrinted) << what;
            EXPECT_GE(page.leftMargin, 0.5 - kPrinted) << what;
            EXPECT_NEAR(page.top->x, page.width / 2, kPrinted) << what << ": " << page.top->text;
            if (!list.foot) continue;
            EXPECT_NEAR(page.height - page.lowestRule, letter.height - letter.lowestRule, 2 * kPrinted) << what;
            EXPECT_NEAR(page.foot->x, page.width / 2, kPrinted) << what << ": " << page.foot->text;
            EXPECT_NEAR(page.height - page.foot->y, letter.height - letter.foot->y, 2 * kPrinted) << what;
        }
    }
}

}  // namespace
}  // namespace tw::test
