#pragma once
// The Grouped Descendants List: the descendants of the start couples in groups, one
// per generation (Children, Grandchildren, ...), each group after the first on a
// page of its own, numbered within the group in birth-date order. A person listed
// before is marked "*" (with a "repeated" note under the group) and his or her
// descendants are not followed again.

#include "run/app_context.h"

namespace tw {

void generateGroupedDescendantsList(AppContext& ctx, const ReportInput& input);

}  // namespace tw
