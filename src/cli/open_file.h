#pragma once

#include <string>

#include "paf/paf_context.h"

namespace tw::cli {

// Opens the data file read-only; a GEDCOM file (by its content, else by a name
// ending in ".ged" or ".gedcom") is imported into a PAF image
// in memory, with one line on standard error that counts the problems it passed
// over. The file is protected from every output of the run. Returns 0, or the exit
// status after saying on standard error what exactly is wrong with the file and
// showing the message the windows would show: 3 for a damaged PAF file, 1 for a
// file that cannot be used at all.
int openForCommand(PafContext& ctx, const std::string& path);

}  // namespace tw::cli
