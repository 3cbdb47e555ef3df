#pragma once
// The Family Tree Chart: a couple drawn as a tree on one page. The trunk carries
// the couple's names, the roots their ancestors' initials, and one branch per child
// (alternately left and right) a box with the grandchildren's first names and
// columns of their descendants per generation. When the boxes do not fit even in
// the smallest unit, the chart falls back to a second format with only the totals
// per generation. Branches the user placed by hand come from the positions file.

#include <string>

#include "charts/ftc_layout.h"
#include "charts/ftc_state.h"
#include "run/app_context.h"

namespace tw {

void generateFamilyTreeChart(AppContext& ctx, const ReportInput& input);

// The chart's listing of each branch and its grandchildren's counts.
std::string ftcListingText(const std::vector<FamilyBranch>& branches);

// The month abbreviation after the first blank written out ("3 Jan 1900" becomes
// "3 January 1900"); other texts are left as they are.
std::string ftcMarriageDate(std::string_view dateText);

// Initials of a name as entered: the first letter of each word of the given names
// and the surname, without a "(...)" part.
std::string ftcInitials(std::string_view name);
// Fewer initials, for a plate too narrow for all: the first letter of the given names
// and of the surname.
std::string ftcShortInitials(std::string_view name);

}  // namespace tw
