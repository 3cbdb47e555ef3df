#pragma once
// The commands of the command line. Each returns the process exit status.

#include <string>
#include <vector>

namespace tw::cli {

int runCommandLine(const std::vector<std::string>& args);

// A lone argument that names an existing data file (".paf" or ".ged", in any case):
// "tamblewin FILE" opens the windows with that file chosen, as a desktop's "Open
// with" starts the program.
bool isDataFileArgument(const std::vector<std::string>& args);

}  // namespace tw::cli
