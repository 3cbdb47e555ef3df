#include "base/translation.h"
#include "cli/file_output.h"

namespace tw::cli {

std::string pageFilePath(OutputFormat, const std::string& path, int) { return path; }

// This build has no drawing backends (it was built for the core and its tests only).
std::unique_ptr<FileOutput> makeFileOutput(OutputFormat, const std::string&, std::string& error) {
    error = TW_TR("CommandLine",
                  "this build of tamblewin writes page logs only (--format log); PDF, PNG and SVG need the full build");
    return nullptr;
}

}  // namespace tw::cli
