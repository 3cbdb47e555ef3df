#pragma once
// Family navigation: one generation at a time, held as IntLists of triples.
//   getChildRins: family triples (MRIN, a, b) -> child triples (child RIN, a, b)
//   getMrins:     individual triples (RIN, a, c) -> marriage triples (MRIN, a, RIN)
// Both stop early, keeping what they gathered, when the user asks to stop. A child or
// marriage chain that loops (a damaged file) is cut where it repeats, with one
// corrupt-data message per run; so is a marriage that ctx.loopCuts marks as closing
// a loop of descendants (getMrins and DLgetmrins leave it out).

#include <array>
#include <cstdint>

#include "paf/int_list.h"
#include "paf/paf_context.h"

namespace tw {

IntList getChildRins(PafContext& ctx, const IntList& families);
IntList getMrins(PafContext& ctx, const IntList& individuals);

// One individual's spouses and marriages, for the Family Date Chart.
struct FamilySlot {
    static constexpr int kMaxMarriages = 50;
    int32_t rin = 0;
    int32_t x = 0;
    int32_t row = 0;
    int32_t count = 0;          // marriages recorded (at most kMaxMarriages)
    int32_t totalMarriages = 0; // marriages in the chain, also beyond the cap
    std::array<int32_t, kMaxMarriages> spouses{};
    std::array<int32_t, kMaxMarriages> mrins{};
};

// The parents of an individual, as its child link and the parents' marriage record
// them. An individual that cannot be read or is marked deleted, or a child link or
// marriage on the way that cannot be read or is marked deleted, shows the corrupt-
// data message (once per run) and gives no parents; damaged then says so. A parent
// that ctx.loopCuts marks as closing a loop of ancestors is left out (0), with the
// corrupt-data message, and damaged stays false: the walk goes on past the cut.
struct Parents {
    bool personReadable = false;  // the individual itself could be read
    bool damaged = false;         // a record on the way was damaged (and reported)
    int32_t father = 0;
    int32_t mother = 0;
};
Parents parentsOf(PafContext& ctx, int32_t rin);

// Collects the spouses and marriages of individual rin into slot. Every sex other
// than 'M' follows the wife's chain.
void DLgetmrins(PafContext& ctx, int32_t rin, int32_t x, int32_t row, FamilySlot& slot);

}  // namespace tw
