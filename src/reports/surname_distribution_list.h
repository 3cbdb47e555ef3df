#pragma once
// The Surname Distribution List: how many individuals of the whole file bear each
// surname, in byte order of the surnames (capitals before small letters), three
// columns a page, after the number of individuals without a surname.

#include "run/app_context.h"

namespace tw {

void generateSurnameDistributionList(AppContext& ctx, const ReportInput& input);

}  // namespace tw
