// The Surname Distribution List read back from its page log, and the descendant
// lists from the command line.

#include <gtest/gtest.h>

#include <cstdio>

#include "files/paf_image_file.h"
#include "reports/surname_distribution_list.h"
#include "support/descendant_lists.h"

namespace tw::test {
namespace {

TEST(SurnameDistributionList, CountsInByteOrderWithTheNoneCountFirst) {
    WriterFamily f;
    for (const char* name : {"Ann /Smith/", "Bob /smith/", "Cy /Smith/", "Dee", "Eve //", "Fay /Half", "Gus /Brown/",
                             "Hal /\xD6stlund/", "Ida /Adams/ Jr"})
        f.addPerson(person(name));
    f.person(7).deleted = true;
    auto run = openRun(f);
    generate(*run, generateSurnameDistributionList, {}, 9);
    const std::vector<Placed> texts = placedTexts(run->ctx.pageLog);
    EXPECT_EQ(lines(texts, 1.55, 9.9),
              (std::vector<std::string>{"   2 none count", "1|Adams", "2|Smith", "1|smith", "1|Östlund"}));
    EXPECT_EQ(column(texts, 4.25).at(1), "Ida Adams Jr");  // the individual typed in the start window
    EXPECT_TRUE(run->host.messages.empty());
}

TEST(SurnameDistributionList, ThreeColumnsOf191OnTheFirstPage) {
    WriterFamily f;
    for (int i = 0; i < 200; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "P /S%03d/", i);
        f.addPerson(person(name));
    }
    auto run = openRun(f);
    generate(*run, generateSurnameDistributionList, {});
    std::vector<std::pair<int, double>> firstOnPage;
    int onFirstPage = 0;
    double lastColumn = 0;
    for (const Placed& t : placedTexts(run->ctx.pageLog)) {
        if (t.text.size() != 4 || t.text[0] != 'S') continue;
        if (t.page == 0) ++onFirstPage;
        if (t.page == 0) lastColumn = std::max(lastColumn, t.x);
        if (t.text == "S191") firstOnPage.emplace_back(t.page, t.y);
    }
    EXPECT_EQ(onFirstPage, 191);
    EXPECT_NEAR(lastColumn, 0.85 + 2 * 7.0 / 3 + 0.35, 1e-4);
    ASSERT_EQ(firstOnPage.size(), 1u);
    EXPECT_EQ(firstOnPage[0].first, 1);
    EXPECT_NEAR(firstOnPage[0].second, 1.6, 1e-9);
}

// Every descendant list through the command line, from two start couples.
TEST(DescendantListsCommand, EachListWritesItsPageLog) {
    TempDir dir;
    WriterFamily f = coupleWithChildren(2);
    WriterMarriage second;
    second.husband = 1;
    f.addMarriage(second);
    ASSERT_TRUE(writePafFile(f, dir.file("t.paf")));
    for (const char* kind : {"descendants-list", "grouped-descendants-list", "descendants-summary-list",
                             "family-summary-list", "repeat-descendant-list", "surname-distribution-list"}) {
        const bool couples = std::string(kind) != "surname-distribution-list";
        const CommandResult result = runTamblewin({"report", kind, "--paf", dir.file("t.paf"), "--start",
                                                   couples ? "1,2" : "1", "--format", "log", "-o", "-"});
        EXPECT_EQ(result.status, 0) << kind << ": " << result.err;
        EXPECT_NE(result.out.find("Adam Tamble"), std::string::npos) << kind;
        EXPECT_EQ(result.out.substr(result.out.size() - 3), "ED\n") << kind;
    }
}

}  // namespace
}  // namespace tw::test
