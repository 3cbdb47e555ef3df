#pragma once
// The birth year that the ancestor lists print beside a name.

#include <string>

#include "paf/paf_context.h"
#include "paf/records.h"

namespace tw {

// The year of birth, else of christening, as "%d"; empty when there is none. A
// double-dated year (birthYear's 4444) shows the end of the birth date text (else
// the christening date text), at most its last 9 characters, which hold the two
// years around the "/".
std::string birthYearText(PafContext& ctx, const IndividualRecord& person);

}  // namespace tw
