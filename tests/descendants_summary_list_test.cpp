// The Descendants Summary List read back from its page log.

#include <gtest/gtest.h>

#include "reports/descendants_summary_list.h"
#include "support/descendant_lists.h"

namespace tw::test {
namespace {

int32_t marry(WriterFamily& f, int32_t husband, int32_t wife, std::vector<int32_t> children) {
    WriterMarriage m;
    m.husband = husband;
    m.wife = wife;
    m.children = std::move(children);
    return f.addMarriage(m);
}

constexpr double kBodyTop = 2.3, kBodyBottom = 9.6;

std::vector<std::string> body(ReportRun& run) { return lines(placedTexts(run.ctx.pageLog), kBodyTop, kBodyBottom); }

// Carl married twice; his son Dirk married Dora, daughter of his sister Cora: their
// son Emil is a grandchild along both lines. Nils never married.
TEST(DescendantsSummaryList, CountsPerMarriageSubTotalsAndGrandTotalsCountingCousinsOnce) {
    WriterFamily f;
    for (const char* name : {"Adam /Tamble/", "Berta /Kessling/", "Carl /Tamble/", "Cora /Tamble/",
                             "Nils /Tamble/", "Sina /Lorn/", "Tina /Lorn/", "Dirk /Tamble/", "Gert /Tamble/",
                             "Otto /Ober/", "Dora /Ober/", "Emil /Tamble/"})
        f.addPerson(person(name, 'M'));
    for (const int32_t woman : {2, 4, 6, 7, 11}) f.person(woman).sex = 'F';
    marry(f, 1, 2, {3, 4, 5});
    marry(f, 3, 6, {8});
    marry(f, 3, 7, {9});
    marry(f, 10, 4, {11});
    marry(f, 8, 11, {12});
    auto run = openRun(f);
    generate(*run, generateDescendantsSummaryList);
    const std::vector<std::string> lines = body(*run);
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 9),
              (std::vector<std::string>{"1.|Carl Tamble", "-|Sina Lorn|1|1", "-|Tina Lorn|1", "sub-totals:|2|1",
                                        "2.|Cora Tamble", "-|Otto Ober|1|1", "3.|Nils Tamble",
                                        "Grand totals:|3|1", "Descendants of this couple"}));
    EXPECT_EQ(column(placedTexts(run->ctx.pageLog), 4.25).at(1), "Adam Tamble / Berta Kessling");
}

TEST(DescendantsSummaryList, TenGenerationsAreCountedAndLoopsStayBounded) {
    // Twelve generations below Carl: the counts stop after the tenth column.
    WriterFamily line;
    for (int g = 0; g < 14; ++g) line.addPerson(person("G" + std::to_string(g) + " /Line/"));
    for (int g = 1; g < 14; ++g) marry(line, g, 0, {g + 1});
    auto run = openRun(line);
    generate(*run, generateDescendantsSummaryList);
    EXPECT_EQ(body(*run)[1], "-||1|1|1|1|1|1|1|1|1|1");  // "-", the empty spouse, ten counts
    EXPECT_TRUE(run->host.messages.empty());            // a marriage without a wife is no error

    // Adam and Eva are children of their own marriage: each generation doubles.
    WriterFamily both;
    both.addPerson(person("Adam /Loop/", 'M'));
    both.addPerson(person("Eva /Loop/", 'F'));
    marry(both, 1, 2, {1, 2});
    run = openRun(both);
    generate(*run, generateDescendantsSummaryList);
    const std::vector<std::string> lines = body(*run);
    EXPECT_EQ(lines[1], "-|Eva Loop|2|4|8|16|32|64|128|256|512|1024");
    EXPECT_EQ(lines[4], "Grand totals:|2");  // everyone counted once: only the two of them
}

// Eighteen children of one line each, then one whose name takes three lines and
// would reach past the page foot: the whole block moves to the next page.
TEST(DescendantsSummaryList, ANameBlockIsNeverSplitAcrossPages) {
    WriterFamily f = coupleWithChildren(19);
    f.person(21).name = "Maximiliane Friederike Charlotte Wilhelmine Augusta Ottilie Henriette Luise /Tamble/";
    auto run = openRun(f);
    generate(*run, generateDescendantsSummaryList);
    const std::vector<Placed> texts = placedTexts(run->ctx.pageLog);
    ASSERT_EQ(run->ctx.pageLog.lastPageIndex(), 1);
    std::vector<std::string> secondPage;
    for (const Placed& t : texts)
        if (t.page == 1 && t.y > kBodyTop && t.y < kBodyBottom) secondPage.push_back(t.text);
    ASSERT_GE(secondPage.size(), 4u);
    EXPECT_EQ(secondPage[0], "19.");
    EXPECT_EQ(secondPage[1], "Maximiliane Friederike Charlotte");
    EXPECT_EQ(secondPage[3], "Henriette Luise Tamble");  // three lines, all on this page
    for (const Placed& t : texts) {
        if (t.page == 0) {
            EXPECT_EQ(t.text.find("Maximiliane"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace tw::test
