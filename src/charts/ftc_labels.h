#pragma once
// The names along the Family Tree Chart's branches. Each child's given names (or
// the surname of someone recorded by a surname alone) stand on the branch between
// the trunk and the child's box: in one line in the largest type up to 15 points
// that keeps the name on its branch, or in two lines where one would have to be
// small. Where the names of neighbouring branches would meet, or meet the plate
// under the marriage line, the larger one steps down (smaller type, then two lines,
// then shortened) until they are apart.

#include <string>
#include <vector>

#include "charts/ftc_background.h"
#include "charts/ftc_layout.h"
#include "charts/text_cells.h"

namespace tw {

void drawBranchNames(FtcPage& page, const std::vector<FamilyBranch>& branches);

// An area of the page as a cell in inches.
TextCell ftcAreaCell(const FtcPage& page, const FtcArea& area);

// The given names split into two lines of about equal width (at the first blank
// that makes the wider line narrowest); one line when there is no blank.
std::vector<std::string> ftcTwoLines(const PageLog& log, const std::string& text, int32_t points);

}  // namespace tw
