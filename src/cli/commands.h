#pragma once
// The commands of the command line. Each returns the process exit status.

#include <string>
#include <vector>

namespace tw::cli {

int runCommandLine(const std::vector<std::string>& args);

}  // namespace tw::cli
