#pragma once
// Finding the links that close loops in the family of a report's start (see
// loop_cuts.h). Both read the file quietly: damaged records are the walks' own to
// report; here they simply end the way. A loop that closes further from the start
// than the walks go (they stop after generation 299) is reported here, with the
// message a walk gives where it cuts a loop, since no walk would meet it.

#include <cstdint>
#include <string_view>

#include "paf/int_list.h"
#include "paf/paf_context.h"

namespace tw {

// The parent links that close a loop among the ancestors of rin, into ctx.loopCuts.
void findAncestorLoops(PafContext& ctx, int32_t rin);

// The marriage links that close a loop among the descendants of the marriages, into
// ctx.loopCuts: a child whose own marriage is one of the families above him.
void findDescendantLoops(PafContext& ctx, const IntList& mrins);

// The corrupt-data message for the individual's link (field: "father", "mother",
// "own marriage") to other, which closes a loop and is cut.
void reportLoopCut(PafContext& ctx, int32_t rin, std::string_view field, int32_t other);

// Links from the start to where a loop closes beyond which the finder reports the
// loop itself. The walks meet a loop that closes up to 296 links (descendants) or
// 298 links (ancestors) from the start; at this depth and beyond either might not,
// and a walk that does meet it gives the same one message.
inline constexpr size_t kLoopDepthBeyondWalks = 296;

}  // namespace tw
