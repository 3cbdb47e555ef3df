#pragma once
// The Family Date Chart: a landscape table of one family. The husband and wife of
// the first start couple, then each child of the start couples with his or her
// spouses, one row a person: birth, christening, death and burial dates, the age at
// death, the LDS ordinance dates, and for rows that belong to a marriage the
// marriage date and the sealing to the spouse.
//
// Each child's block (the child and the spouses) is given a page before anything is
// drawn, so that no block is split; only a block taller than a whole page continues
// on the next page. A child with more marriages than a block holds shows the first
// ones and a row that says how many are left out.

#include "run/app_context.h"

namespace tw {

void generateFamilyDateChart(AppContext& ctx, const ReportInput& input);

}  // namespace tw
