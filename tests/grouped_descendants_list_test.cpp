// The Grouped Descendants List read back from its page log.

#include <gtest/gtest.h>

#include "base/ordinal.h"
#include "reports/grouped_descendants_list.h"
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

constexpr double kBodyTop = 2.45, kBodyBottom = 10.0;

// The body lines of each page, and the group title of each page.
std::vector<std::vector<std::string>> pages(const std::vector<Placed>& texts, std::vector<std::string>* titles) {
    std::vector<std::vector<std::string>> result;
    for (const Placed& t : texts) {
        if (size_t(t.page) >= result.size()) result.resize(size_t(t.page) + 1);
        if (titles && near(t.x, 4.25) && near(t.y, 1.3)) titles->push_back(t.text);
    }
    for (size_t p = 0; p < result.size(); ++p) {
        std::vector<Placed> page;
        for (const Placed& t : texts)
            if (size_t(t.page) == p) page.push_back(t);
        result[p] = lines(page, kBodyTop, kBodyBottom);
    }
    return result;
}

// Adam and Berta's son Carl and daughter Cora each have a child, Dirk and Dora, who
// married: their son Emil is reached through both; Emil's son Finn once.
TEST(GroupedDescendantsList, RepeatsAreStarredAndNotFollowedAndEachGroupHasItsPage) {
    WriterFamily f;
    for (const char* name : {"Adam", "Berta", "Carl", "Cora", "Dirk", "Dora", "Emil", "Finn", "Sina", "Otto"})
        f.addPerson(person(std::string(name) + " /Tamble/", 'M', {1, 1, 1800 + 20 * int(f.people.size() / 2)}));
    f.person(4).birth = makeDate({1, 1, 1819});  // Cora before Carl
    marry(f, 1, 2, {3, 4});
    marry(f, 3, 9, {5});
    marry(f, 10, 4, {6});
    marry(f, 5, 6, {7});
    marry(f, 7, 0, {8});
    auto run = openRun(f);
    generate(*run, generateGroupedDescendantsList);
    const std::vector<Placed> texts = placedTexts(run->ctx.pageLog);
    std::vector<std::string> titles;
    EXPECT_EQ(pages(texts, &titles),
              (std::vector<std::vector<std::string>>{
                  {"1|Cora Tamble|1 Jan 1819|2|", "2|Carl Tamble|1 Jan 1820|1|"},
                  // Equal dates keep the order of their parents in the group before:
                  // Cora's daughter first.
                  {"1|Dora Tamble|1 Jan 1840|2|Cora Tamble", "2|Dirk Tamble|1 Jan 1840|1|Carl Tamble"},
                  // Emil once per line: numbered where first reached, then "*".
                  {"1|Emil Tamble|1 Jan 1860|2|Dora Tamble", "*|Emil Tamble|1 Jan 1860|1|Dirk Tamble", "*|repeated"},
                  {"1|Finn Tamble|1 Jan 1860|2|Emil Tamble"}}));
    EXPECT_EQ(titles, (std::vector<std::string>{"Children", "Grandchildren", "Great Grandchildren",
                                                "2nd Great Grandchildren"}));
    // The children's page has no DESCENDANT PARENT heading; the others have it.
    std::vector<int> parentHeadings;
    for (const Placed& t : texts)
        if (t.text == "DESCENDANT PARENT") parentHeadings.push_back(t.page);
    EXPECT_EQ(parentHeadings, (std::vector<int>{1, 2, 3}));
}

TEST(GroupedDescendantsList, GroupTitlesDownTheGenerations) {
    WriterFamily f;
    for (int g = 0; g < 25; ++g) f.addPerson(person("G" + std::to_string(g) + " /Line/"));
    for (int g = 1; g < 25; ++g) marry(f, g, 0, {g + 1});
    auto run = openRun(f);
    generate(*run, generateGroupedDescendantsList);
    std::vector<std::string> titles;
    pages(placedTexts(run->ctx.pageLog), &titles);
    ASSERT_EQ(titles.size(), 24u);
    EXPECT_EQ(titles[4], "3rd Great Grandchildren");
    EXPECT_EQ(titles[5], "4th Great Grandchildren");
    EXPECT_EQ(titles[22], "21st Great Grandchildren");
    EXPECT_EQ(titles[23], "22nd Great Grandchildren");
}

TEST(Ordinal, EnglishSuffixes) {
    const std::pair<int, const char*> cases[] = {{1, "1st"},     {2, "2nd"},     {3, "3rd"},     {4, "4th"},
                                                 {11, "11th"},   {12, "12th"},   {13, "13th"},   {21, "21st"},
                                                 {22, "22nd"},   {23, "23rd"},   {101, "101st"}, {111, "111th"},
                                                 {112, "112th"}, {113, "113th"}, {293, "293rd"}, {0, "0th"}};
    for (const auto& [n, text] : cases) EXPECT_EQ(ordinal(n), text);
}

}  // namespace
}  // namespace tw::test
