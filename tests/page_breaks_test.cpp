// Where each list's pages break on letter and on A4: a family that fills the first
// page, the last body line on it and the first on the next. A change that moves a page break by one line
// fails here, though the page count stays the same.

#include <gtest/gtest.h>

#include <functional>

#include "charts/fdc.h"
#include "reports/ancestor_list.h"
#include "reports/descendants_list.h"
#include "reports/descendants_summary_list.h"
#include "reports/family_summary_list.h"
#include "reports/grouped_descendants_list.h"
#include "reports/repeat_ancestors_list.h"
#include "reports/repeat_descendant_list.h"
#include "reports/rsl.h"
#include "reports/surname_distribution_list.h"
#include "support/descendant_lists.h"

namespace tw::test {
namespace {

// A line of fathers: RIN g is the father of RIN g - 1.
WriterFamily lineOfFathers(int generations) {
    WriterFamily f;
    for (int g = 1; g <= generations; ++g) f.addPerson(person("G" + std::to_string(g) + " /Line/"));
    for (int g = 1; g < generations; ++g) {
        WriterMarriage m;
        m.husband = g + 1;
        m.children = {g};
        f.addMarriage(m);
    }
    return f;
}

// Every child of MRIN 1 is also a child of MRIN 2, whose husband is MRIN 1's first
// child: the grandchildren are all repeats.
WriterFamily childrenTwice(int children) {
    WriterFamily f = coupleWithChildren(children + 1);
    WriterMarriage again;
    again.husband = 3;
    again.wife = f.addPerson(person("Wilma /Kessling/", 'F'));
    for (int c = 1; c <= children; ++c) again.children.push_back(3 + c);
    f.addMarriage(again);
    return f;
}

// Adam (1) and Eva (2) are the parents of each other: every ancestor repeats.
WriterFamily adamAndEva() {
    WriterFamily f;
    f.addPerson(person("Adam /Eden/", 'M'));
    f.addPerson(person("Eva /Eden/", 'F'));
    WriterMarriage m;
    m.husband = 1;
    m.wife = 2;
    m.children = {1, 2};
    f.addMarriage(m);
    return f;
}

WriterFamily surnames(int count) {
    WriterFamily f;
    for (int i = 0; i < count; ++i) f.addPerson(person("P /S" + std::to_string(1000 + i) + "/"));
    return f;
}

struct BreakCase {
    const char* report;
    std::function<WriterFamily()> family;
    ReportGenerator generator;
    double bodyTop, bodyBottom;  // the lines between the heading and the page foot
    std::string lastOnFirstPage, firstOnSecondPage;
    int32_t startMrin = 1;
    Paper paper = Paper::Letter;
};

// The body lines of one page, top to bottom, each its texts left to right joined with "|".
std::vector<std::string> bodyLines(const std::vector<Placed>& texts, int page, double top, double bottom) {
    std::vector<Placed> onPage;
    for (const Placed& t : texts)
        if (t.page == page) onPage.push_back(t);
    return lines(onPage, top, bottom);
}

TEST(PageBreaks, EachListBreaksWhereItsPageIsFull) {
    const std::vector<BreakCase> cases = {
        {"research status list", [] { return lineOfFathers(45); }, generateResearchStatusList, 1.95, 9.8,
         "36|34359738368|1|0|1|0", "37|68.719476 B|1|0|1|0"},
        {"ancestors list", [] { return lineOfFathers(45); }, generateAncestorListWithRepeats, 1.95, 10.0,
         "20|524288|20|G20 Line", "21|1048576|21|G21 Line"},
        {"ancestors list without repeats", [] { return lineOfFathers(45); }, generateAncestorListWithoutRepeats, 1.95,
         10.0, "20|524288|20|G20 Line", "21|1048576|21|G21 Line"},
        {"repeat ancestors list", adamAndEva, generateRepeatAncestorsList, 1.75, 10.0, "1|Adam Eden", "6|2|Eva Eden"},
        {"descendants list", [] { return coupleWithChildren(60); }, generateDescendantsList, 2.0, 9.8,
         "Child42 Tamble|1 Jun 1886|42|", "2|Child43 Tamble|1 Jul 1887|43|"},
        {"grouped descendants list", [] { return coupleWithChildren(60); }, generateGroupedDescendantsList, 2.4, 9.8,
         "40|Child40 Tamble|1 Apr 1884|40|", "41|Child41 Tamble|1 May 1885|41|"},
        {"descendants summary list", [] { return coupleWithChildren(60); }, generateDescendantsSummaryList, 2.3, 9.5,
         "19.|Child19 Tamble", "20.|Child20 Tamble"},
        {"family summary list", [] { return lineOfFathers(60); }, generateFamilySummaryList, 2.3, 9.5,
         "39|36G. Grandchildren|1|1|2", "40|37G. Grandchildren|1|1|2", 59},
        {"repeat descendant list", [] { return childrenTwice(60); }, generateRepeatDescendantList, 2.3, 9.8,
         "42|Child40 Tamble|Child1 Tamble", "3|43|Child41 Tamble|Child1 Tamble"},  // the generation named again
        {"surname distribution list", [] { return surnames(200); }, generateSurnameDistributionList, 1.55, 10.0,
         "1|S1062|1|S1126|1|S1190", "1|S1191"},
        {"family date chart", [] { return coupleWithChildren(40); }, generateFamilyDateChart, 2.4, 7.75,
         "17|Child17 Tamble|1 May 1861||||||", "18|Child18 Tamble|1 Jun 1862||||||"},
        // A4 is 0.69 in taller than letter: the page foot moves down by that much.
        {"research status list on A4", [] { return lineOfFathers(45); }, generateResearchStatusList, 1.95, 10.49,
         "39|274.87790 B|1|0|1|0", "40|549.75581 B|1|0|1|0", 1, Paper::A4},
        {"ancestors list on A4", [] { return lineOfFathers(45); }, generateAncestorListWithRepeats, 1.95, 10.69,
         "22|2097152|22|G22 Line", "23|4194304|23|G23 Line", 1, Paper::A4},
        {"ancestors list without repeats on A4", [] { return lineOfFathers(45); }, generateAncestorListWithoutRepeats, 1.95,
         10.69, "22|2097152|22|G22 Line", "23|4194304|23|G23 Line", 1, Paper::A4},
        {"repeat ancestors list on A4", adamAndEva, generateRepeatAncestorsList, 1.75, 10.69, "2|Eva Eden", "6|1|Adam Eden", 1, Paper::A4},
        {"descendants list on A4", [] { return coupleWithChildren(60); }, generateDescendantsList, 2.0, 10.49,
         "Child46 Tamble|1 Oct 1890|46|", "2|Child47 Tamble|1 Nov 1891|47|", 1, Paper::A4},
        {"grouped descendants list on A4", [] { return coupleWithChildren(60); }, generateGroupedDescendantsList, 2.4,
         10.49, "44|Child44 Tamble|1 Aug 1888|44|", "45|Child45 Tamble|1 Sep 1889|45|", 1, Paper::A4},
        {"descendants summary list on A4", [] { return coupleWithChildren(60); }, generateDescendantsSummaryList, 2.3,
         10.19, "21.|Child21 Tamble", "22.|Child22 Tamble", 1, Paper::A4},
        {"family summary list on A4", [] { return lineOfFathers(60); }, generateFamilySummaryList, 2.3, 10.19,
         "43|40G. Grandchildren|1|1|2", "44|41G. Grandchildren|1|1|2", 59, Paper::A4},
        {"repeat descendant list on A4", [] { return childrenTwice(60); }, generateRepeatDescendantList, 2.3, 10.49,
         "45|Child43 Tamble|Child1 Tamble", "3|46|Child44 Tamble|Child1 Tamble", 1, Paper::A4},
        {"surname distribution list on A4", [] { return surnames(230); }, generateSurnameDistributionList, 1.55, 10.69,
         "1|S1067|1|S1136|1|S1205", "1|S1206", 1, Paper::A4},
    };
    for (const BreakCase& c : cases) {
        auto run = openRun(c.family());
        run->ctx.listEntryLimit = 1000;  // Adam and Eva's pedigree doubles with every generation
        run->ctx.paper = c.paper;
        generate(*run, c.generator, {c.startMrin});
        const std::vector<Placed> texts = placedTexts(run->ctx.pageLog);
        ASSERT_GE(run->ctx.pageLog.lastPageIndex(), 1) << c.report << ": the family does not fill a page";
        const auto first = bodyLines(texts, 0, c.bodyTop, c.bodyBottom);
        const auto second = bodyLines(texts, 1, c.bodyTop, c.bodyBottom);
        ASSERT_FALSE(first.empty() || second.empty()) << c.report;
        EXPECT_EQ(first.back(), c.lastOnFirstPage) << c.report;
        EXPECT_EQ(second.front(), c.firstOnSecondPage) << c.report;
    }
}

}  // namespace
}  // namespace tw::test
