#pragma once
// tamblewin report KIND --paf FILE [--start TEXT] [-o OUT] [--format pdf|png|svg|log]
//                [--date YYYY-MM-DD]

#include <string>
#include <vector>

namespace tw::cli {

// args holds everything after "report". Returns the exit status.
int reportCommand(const std::vector<std::string>& args);

// Whether the options are sound and ask for PNG or SVG pages (which only the Qt
// module writes).
bool reportWritesPageFiles(const std::vector<std::string>& args);

}  // namespace tw::cli
