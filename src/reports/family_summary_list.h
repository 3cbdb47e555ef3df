#pragma once
// The Family Summary List: one line per generation below the start couples with the
// number of new descendants, the marriages they made, the family total and the
// range of birth years; a descendant is counted once, in the first generation that
// reaches him or her. A totals line ends the list.

#include "run/app_context.h"

namespace tw {

void generateFamilySummaryList(AppContext& ctx, const ReportInput& input);

}  // namespace tw
