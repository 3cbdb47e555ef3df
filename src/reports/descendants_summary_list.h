#pragma once
// The Descendants Summary List: each child of the start couples with every spouse,
// and how many descendants came of each marriage in each of the next ten
// generations; sub-totals for a child married twice or more, and grand totals that
// count a descendant reached along two lines (an intermarriage) once.

#include "run/app_context.h"

namespace tw {

void generateDescendantsSummaryList(AppContext& ctx, const ReportInput& input);

}  // namespace tw
