#pragma once
// The commands of the command line. Each returns the process exit status.

#include <string>
#include <vector>

namespace tw::cli {

int runCommandLine(const std::vector<std::string>& args);
// The problem, then the usage text, on standard error: the status of a bad command line.
int usageError(const std::string& problem);

// A lone argument that names an existing file, whatever its name: "tamblewin FILE"
// opens the windows, as a desktop's "Open with" starts the program, with the file
// chosen when it holds PAF or GEDCOM, else with a message that says why not.
bool isDataFileArgument(const std::vector<std::string>& args);

}  // namespace tw::cli
