#pragma once
// The Ancestor Lists: every ancestor of the start individual, generation by
// generation (the start individual is generation 1, the parents generation 2, ...),
// each with pedigree position number (PPN), RIN, name and birth year. "With
// repeats" lists an ancestor at every position he or she fills and marks the second
// and later ones with "*" in the R'P column; "without repeats" lists each person
// once, at the first position met.

#include <cstdint>

#include "run/app_context.h"

namespace tw {

// A run stops, with one message, before a generation that would take its entries
// past AppContext::listEntryLimit: a pedigree that loops back on itself through
// both parents doubles with every generation.

void generateAncestorListWithRepeats(AppContext& ctx, const ReportInput& input);
void generateAncestorListWithoutRepeats(AppContext& ctx, const ReportInput& input);

}  // namespace tw
