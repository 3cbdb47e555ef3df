#pragma once
// Finding the links that close loops in the family of a report's start (see
// loop_cuts.h). Both read the file quietly: damaged records are the walks' own to
// report; here they simply end the way.

#include <cstdint>

#include "paf/int_list.h"
#include "paf/paf_context.h"

namespace tw {

// The parent links that close a loop among the ancestors of rin, into ctx.loopCuts.
void findAncestorLoops(PafContext& ctx, int32_t rin);

// The marriage links that close a loop among the descendants of the marriages, into
// ctx.loopCuts: a child whose own marriage is one of the families above him.
void findDescendantLoops(PafContext& ctx, const IntList& mrins);

}  // namespace tw
