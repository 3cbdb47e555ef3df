#pragma once
// The Repeat Descendants List: walks the descendants of the start couples like the
// Grouped Descendants List but prints only those reached a second time (descendants
// of two lines who married each other), under a heading line per generation.

#include "run/app_context.h"

namespace tw {

void generateRepeatDescendantList(AppContext& ctx, const ReportInput& input);

}  // namespace tw
