#pragma once
// The Repeat Ancestors List: where the pedigree of the start individual collapses.
// Walking the ancestors generation by generation (the start individual is
// generation 1), it lists under each generation number the ancestors who fill a
// position there after having been met before, in an earlier generation or earlier
// in the same one, with RIN, name and birth year, once per repeated position. A
// repeated individual's ancestors are met again too, so they are listed in every
// later generation. A pedigree without repeats gives one empty page.

#include "run/app_context.h"

namespace tw {

void generateRepeatAncestorsList(AppContext& ctx, const ReportInput& input);

}  // namespace tw
