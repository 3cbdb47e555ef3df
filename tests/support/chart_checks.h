#pragma once
// What a reader of a chart sees beyond the page checker's upright texts and rules:
// - a label drawn at an angle (the Family Tree Chart's branch and trunk names) that
//   lies over another label, upright or turned, or across a drawn outline (a rule,
//   or the edge of a box whose pen differs from its fill);
// - a name missing from its place: a box that an arrow leads into holding no text
//   (the Descendant Summary Chart's rows), an empty line of names inside a filled
//   box, an empty name along a branch.

#include <string_view>
#include <vector>

#include "support/page_checker.h"

namespace tw::test {

// found with the chart findings of the page added after it.
std::vector<PageFinding> withChartFindings(std::vector<PageFinding> found, std::string_view page, int pageNumber,
                                           int dpi);

}  // namespace tw::test
