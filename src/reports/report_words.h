#pragma once
// Words several reports print, each one text for the translator (mostly "Reports"), in the
// language in use.

#include <string>
#include <string_view>

namespace tw::report_words {

std::string_view gen();          // "GEN", the generation column's heading
std::string_view rin();          // "RIN"
std::string_view name();         // "Name"
std::string_view nameCapitals(); // "NAME"
std::string_view birthYear();    // "Birth Year"
std::string_view low();          // "Low", the earliest birth year
std::string_view high();         // "High", the latest birth year
std::string_view totals();       // "Totals"
std::string_view self();         // "self", the start person's relationship
std::string_view continued();    // "cont'd" under a generation that goes on from the page before
std::string_view descendantsOf();     // "Descendants of", over the couple
std::string_view coupleSeparator();   // " and " between the partners of a couple
std::string_view descendantParent();  // "DESCENDANT PARENT", split at its first blank when too wide
std::string_view children();
std::string_view grandchildren();
// "Page 3"
std::string pageLabel(int page);

}  // namespace tw::report_words
