#pragma once
// Date phrases as people write them ("12 JAN 1850", "ABT 1850", "TEXT:Abt 1750",
// "STATUS:BIC", ...), read into the dates PafWriter stores: the demo family's text
// format and the GEDCOM import both read their dates through them.

#include <string>
#include <string_view>

#include "paf/paf_writer.h"

namespace tw {

// Reads one date phrase. False, with the reason in error, when it is not one.
bool parseDatePhrase(std::string_view phrase, WriterDate& date, std::string& error);

}  // namespace tw
