// The Family Summary List read back from its page log.

#include <gtest/gtest.h>

#include "reports/family_summary_list.h"
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

std::vector<std::string> body(ReportRun& run) { return lines(placedTexts(run.ctx.pageLog), 2.3, 9.6); }

TEST(FamilySummaryList, ACoupleWithoutChildren) {
    auto run = openRun(coupleWithChildren(0));
    generate(*run, generateFamilySummaryList);
    EXPECT_EQ(body(*run), (std::vector<std::string>{"1|Themselves|-|-|2|1820|1822", "Totals:|0|0|2"}));
    EXPECT_EQ(run->ctx.pageLog.lastPageIndex(), 0);
}

// Carl (three marriages, twice to Sina) and Cora are children; Carl's son Dirk
// married Cora's daughter Dora (a marriage for each of them), so their son Emil is
// reached twice in generation 4 and counted once. Nobody below generation 3 has a year.
TEST(FamilySummaryList, GenerationsCountEveryoneOnceAndEveryMarriage) {
    WriterFamily f;
    for (const char* name : {"Adam", "Berta", "Carl", "Cora", "Sina", "Tina", "Dirk", "Otto", "Dora", "Emil", "Finn"})
        f.addPerson(person(std::string(name) + " /T/", 'M', {1, 1, 1800 + 25 * int(f.people.size() / 3)}));
    for (const int32_t woman : {2, 4, 5, 6, 9}) f.person(woman).sex = 'F';
    for (const int32_t unknown : {10, 11}) f.person(unknown).birth = PafDate{};
    marry(f, 1, 2, {3, 4});
    marry(f, 3, 5, {7});
    marry(f, 3, 6, {});
    marry(f, 3, 5, {});
    marry(f, 8, 4, {9});
    marry(f, 7, 9, {10});
    marry(f, 10, 0, {11});
    auto run = openRun(f);
    generate(*run, generateFamilySummaryList);
    EXPECT_EQ(body(*run), (std::vector<std::string>{"1|Themselves|-|-|2|1800|1800",
                                                    "2|Children|2|4|6|1800|1825",
                                                    "3|Grandchildren|2|2|4|1850|1850",
                                                    "4|G. Grandchildren|1|1|2",
                                                    "5|2G. Grandchildren|1|0|1",
                                                    "Totals:|6|7|15"}));
    EXPECT_EQ(column(placedTexts(run->ctx.pageLog), 4.25).at(1), "Adam T / Berta T");
}

}  // namespace
}  // namespace tw::test
