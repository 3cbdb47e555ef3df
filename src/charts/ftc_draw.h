#pragma once
// Drawing the Family Tree Chart's branches: the branch shapes and the trunk over
// them, and the boxes of the first format (grandchildren's names and columns of
// descendant counts) or of the second (totals per generation).

#include "charts/ftc_background.h"
#include "charts/ftc_state.h"

namespace tw {

// The font size of a box's names for a unit: 9, 8 and 6 points for the three units
// on a sheet at least as tall as letter; scale: the page's height to letter's when
// it is lower.
int32_t ftcBoxFontSize(double unit, double scale = 1);

// The smallest type the chart prints: count columns shrink their numbers down to it,
// and a unit whose box type would be smaller is not tried.
inline constexpr int32_t kFtcSmallestType = 5;

void drawFtcBranchShape(FtcPage& page, const FamilyBranch& branch, double& trunkBottom);
void drawFtcTrunk(FtcPage& page, double trunkBottom);

// Both draw onto the page being written and leave the branches as drawn.
void drawFtcFirstFormat(PageLog& log, FamilyTreeChartState& chart);
void drawFtcSecondFormat(PageLog& log, FamilyTreeChartState& chart);

}  // namespace tw
