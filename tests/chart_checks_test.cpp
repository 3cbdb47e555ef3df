// The page checker's reading of charts, each kind of fault proved on a small page
// made by hand: turned labels over other labels or across an outline, and names
// missing from the boxes and branches that show them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/page_command.h"
#include "support/page_checker.h"

namespace tw::test {
namespace {

std::string pageOf(const std::vector<std::string>& commands) {
    std::string text;
    for (const std::string& c : commands) text += kCommandMark + c;
    return text + kCommandMark + "ED";
}

struct ChartCase {
    const char* name;
    std::vector<std::string> commands;
    std::vector<std::string> problems;  // the start of each finding's problem, in order
};

// A box drawn as a path from (1, 1) to (2, 1.3), and an arrow into its left side.
const std::vector<std::string> kArrowedBox = {"PW,0.04", "M,1.,1.", "L,2.,1.", "L,2.,1.3", "L,1.,1.3", "L,1.,1.",
                                              "AHL0.75,1.15,1.,1.15,0.02"};

std::vector<std::string> with(std::vector<std::string> first, const std::vector<std::string>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

TEST(ChartChecks, FindEachKindOfFault) {
    const std::vector<ChartCase> cases = {
        {"branch names apart", {"TOA,1.,1.,65,Times,15,Bartholomew", "TOA,1.,2.,65,Times,15,Wilhelmina"}, {}},
        {"branch names over each other",
         {"TOA,1.,1.,65,Times,15,Bartholomew", "TOA,1.1,1.05,65,Times,15,Wilhelmina"},
         {"lies over"}},
        {"branch name over a name in a box", {"FN,Arial", "FS,9", "TO,1.1,1.05,Konstantin", "TOA,1.,1.,-65,Times,15,Al"},
         {"lies over"}},
        {"trunk name across the marriage plate",
         {"PC,0", "BC,ffffff", "DR,3.,7.,5.,7.3", "TOD,4.,7.6,-620,Times,9,Wilhelmina Christabel Theodora"},
         {"crosses the outline", "crosses the outline"}},
        {"the same over a plate with no outline",
         {"PC,699dcd", "BC,699dcd", "DR,3.,7.,5.,7.3", "TOD,4.,7.6,-620,Times,9,Wilhelmina Christabel Theodora"},
         {}},
        {"a row with its name", with(kArrowedBox, {"FS,8", "TO,1.1,1.1,Zaynab"}), {}},
        {"a row with no name", kArrowedBox, {"is all there is in the box"}},
        {"a row whose name is empty", with(kArrowedBox, {"TO,1.1,1.1,"}), {"is all there is in the box"}},
        {"a box no arrow leads into may be empty", {"M,1.,1.", "L,2.,1.", "L,2.,1.3", "L,1.,1.3", "L,1.,1."}, {}},
        {"an empty line of names in a box",
         {"PC,24b5fb", "BC,24b5fb", "DR,2.55,5.,3.4,5.4", "FN,Arial", "TO,2.6,5.1,Anna", "TOR,3.3,5.2,"},
         {"is an empty name in a box"}},
        {"an unknown ancestor's empty initials", {"DR,1.,9.,1.5,9.2", "TOC,1.25,9.01,"}, {}},
        {"an empty name along a branch", {"TOA,4.,3.,-65,Times,15,"}, {"is an empty name along a branch"}},
    };
    for (const ChartCase& c : cases) {
        const auto found = checkPage(pageOf(c.commands), 1, SheetSize{}, 600);
        bool asExpected = found.size() == c.problems.size();
        for (size_t i = 0; asExpected && i < found.size(); ++i) asExpected = found[i].problem.starts_with(c.problems[i]);
        std::string seen;
        for (const PageFinding& f : found) seen += "\n  " + describe(f);
        EXPECT_TRUE(asExpected) << c.name << seen;
    }
}

}  // namespace
}  // namespace tw::test
