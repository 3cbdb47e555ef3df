#pragma once

#include <string>

#include "paf/paf_context.h"

namespace tw::cli {

// Opens the data file read-only; a GEDCOM file (".ged") is imported into a PAF image
// in memory, with one line on standard error that counts the problems it passed over. On failure it says on standard error what exactly
// is wrong with the file, then shows the message the windows would show.
bool openForCommand(PafContext& ctx, const std::string& path);

}  // namespace tw::cli
