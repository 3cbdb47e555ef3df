#pragma once
// The Descendant Summary Chart: one page showing a couple, one row per child, and
// for each child's line how many descendants each later generation holds, with
// per-generation totals for the whole family and the family total.
//
// The chart tries four page formats until one fits: portrait letter with the
// couple's names stacked at the left, portrait letter with a couple banner,
// landscape letter, and landscape legal (which cuts generations that do not fit,
// after a note). When none fits, compact forms of the banner formats follow, with
// rows as close as the smallest type allows and long names shortened; only when
// even they cannot be read does a message say why, and no page is written. What the
// chart leaves out is also said at its foot.
//
// The row limits, sizes and margins are tuning values (charts/dsc_tuning.h), read
// from the tuning file at each run and kept in the context between runs.

#include "run/app_context.h"

namespace tw {

void generateDescendantSummaryChart(AppContext& ctx, const ReportInput& input);

}  // namespace tw
