#pragma once
// The Descendants List: every descendant of the start couples, generation by generation,
// sorted by birth date within a generation, with birth date, child line (which child
// of the start couples the descendant comes down from) and descendant parent. A
// descendant reached along two lines (cousins who married) is listed once per line.

#include "run/app_context.h"

namespace tw {

void generateDescendantsList(AppContext& ctx, const ReportInput& input);

}  // namespace tw
