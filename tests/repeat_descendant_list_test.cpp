// The Repeat Descendants List read back from its page log.

#include <gtest/gtest.h>

#include "reports/repeat_descendant_list.h"
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

std::vector<std::string> body(ReportRun& run) { return lines(placedTexts(run.ctx.pageLog), 2.3, 9.7); }

TEST(RepeatDescendantList, WithoutIntermarriageTheHeadingLinesAndANote) {
    auto run = openRun(coupleWithChildren(3));
    generate(*run, generateRepeatDescendantList);
    EXPECT_EQ(body(*run), (std::vector<std::string>{"1|self", "2|child", "No descendant appears more than once."}));
    run = openRun(coupleWithChildren(0));
    generate(*run, generateRepeatDescendantList);
    EXPECT_EQ(body(*run), (std::vector<std::string>{"No children are recorded."}));
}

// Carl's son Dirk married Dora, daughter of Carl's sister Cora: their children Emil
// and Ella descend along both lines; Emil's son Finn only through Emil.
TEST(RepeatDescendantList, RepeatsAtTheirSecondAppearanceAndNotFollowedAgain) {
    WriterFamily f;
    for (const char* name : {"Adam", "Berta", "Carl", "Cora", "Sina", "Otto", "Dirk", "Dora", "Emil", "Ella", "Finn"})
        f.addPerson(person(std::string(name) + " /T/", 'M', {1, 1, 1800 + 2 * int(f.people.size())}));
    marry(f, 1, 2, {3, 4});
    marry(f, 3, 5, {7});
    marry(f, 6, 4, {8});
    marry(f, 7, 8, {9, 10});
    marry(f, 9, 0, {11});
    auto run = openRun(f);
    generate(*run, generateRepeatDescendantList);
    // Two repeats in generation 4: the first on the heading line.
    EXPECT_EQ(body(*run), (std::vector<std::string>{"1|self", "2|child", "3|grandchild", "4|G g'child|9|Emil T|Dora T",
                                                    "10|Ella T|Dora T", "5|2 G g'child"}));
    EXPECT_EQ(column(placedTexts(run->ctx.pageLog), 4.25).at(2), "Repeat Descendants");
}

}  // namespace
}  // namespace tw::test
