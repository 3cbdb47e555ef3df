#pragma once
// The Family Tree Chart's branches: one per child of the couple, alternately left
// and right of the trunk, each carrying a box with the child's children (the
// couple's grandchildren) and columns of descendant counts. Positions are fractions
// of the page height from the top of the page (0 top, 1 bottom).
//
// The branches are placed evenly up the trunk and then relaxed: neighbours on the
// other side push the anchors apart, boxes on the same side push each other away.
// When the boxes of one side need more than 0.58 of the page, the attempt fails and
// the chart tries a smaller unit (0.011, 0.009, 0.007) and finally the compact
// second format, in which every branch shows only totals per generation.

#include <cstdint>
#include <string>
#include <vector>

#include "paf/int_list.h"
#include "paf/paf_context.h"

namespace tw {

// Where boxes may stand on the page.
inline constexpr double kFtcBoxTopLimit = 0.06863;
inline constexpr double kFtcBoxBottomLimit = 0.62874;
// The units tried in turn, in fractions of the page height a text line.
inline constexpr double kFtcUnits[3] = {0.011, 0.009, 0.007};
// More branches than this are not drawn: the trunk has no room for them, and a
// damaged file must not make the chart unbounded.
inline constexpr int32_t kFtcMaxBranches = 1000;
// A grandchild's descendants are counted for at most this many generations.
inline constexpr int32_t kFtcMaxDepth = 300;

struct GrandchildLine {
    // counts[k]: descendants k+1 generations below the grandchild, repeats included.
    std::vector<int32_t> counts;
    int32_t rin = 0;
    std::string firstName;   // the first given name (for the listing)
    std::string givenNames;  // all of them, or the surname where there are none
    double y = 0;  // inches; where drawing put the line's text
    // Counting stopped before the line's descendants ran out (the chart's limits on
    // generations and entries).
    bool countsCut = false;

    int32_t length() const { return int32_t(counts.size()); }
};

struct FamilyBranch {
    int32_t rin = 0;
    int32_t grandchildCount = 0;
    int32_t depthCount = 0;  // largest line length + 1; 0 without grandchildren
    // Second format only: [0] the number of lines, [k] the sum of counts[k-1].
    std::vector<int32_t> depthTotals;
    std::string firstName;   // the first given name (for the listing)
    std::string givenNames;  // all of them, or the surname where there are none
    std::vector<GrandchildLine> lines;
    double D = 0;  // the unit: one text line of the box
    double t = 0;  // top of the box
    double b = 0;  // bottom of the box
    double a = 0;  // anchor: where the branch meets the trunk
    double proposedT = 0, proposedB = 0, proposedA = 0;
    int32_t rhs = 0;  // 0 left of the trunk, 1 right
    int32_t i = 0;    // index in the branch array
    bool collapsed = false;  // depth totals built
    bool pinned = false;     // placed by the user; relaxation leaves it alone
};

// The individual's name as entered; empty, without a message, when the record
// cannot be read (a damaged link), so that a damaged family gives no message per
// person.
std::string ftcNameOf(PafContext& ctx, int32_t rin);

// Reads the children of every marriage in mrins and their descendants. cut is set
// when there are more children than the chart draws.
std::vector<FamilyBranch> buildFamilyBranches(PafContext& ctx, const IntList& mrins, bool* cut = nullptr);

void placeBranch(FamilyBranch& branch, double anchor, int32_t side, int32_t index, double unit);

// One relaxation step for branch i (its proposal), and the commit that takes it;
// the commit returns the height that the branch now covers (0 when pinned).
void relaxBranch(std::vector<FamilyBranch>& branches, size_t i, double stepFactor);
double commitBranch(FamilyBranch& branch);

// Places and relaxes every branch with the unit; false when one side's boxes need
// more room than the trunk has. The positions file is applied by the caller.
bool layoutBranches(std::vector<FamilyBranch>& branches, double unit);

void buildDepthTotals(FamilyBranch& branch);
void placeSecondFormat(std::vector<FamilyBranch>& branches);

// The largest number of decimal digits of any count on the chart (at least 1).
int32_t maxCountDigits(const std::vector<FamilyBranch>& branches);

}  // namespace tw
