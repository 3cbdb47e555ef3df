#pragma once
// The date phrases of the family text format ("12 JAN 1850", "ABT 1850",
// "TEXT:Abt 1750", "STATUS:BIC", ...; the list is in famtext/family_text.h). The
// GEDCOM import reads the dates it can through them as well.

#include <string>
#include <string_view>

#include "paf/paf_writer.h"

namespace tw {

// Reads one date phrase. False, with the reason in error, when it is not one.
bool parseDatePhrase(std::string_view phrase, WriterDate& date, std::string& error);

}  // namespace tw
