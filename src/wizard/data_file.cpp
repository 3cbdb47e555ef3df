#include "wizard/data_file.h"

namespace tw {

std::string openFailureText(int result, int systemError) {
    if (result == PafFile::kNotPafFile) return "PAF file is corrupted.  Open failed.";
    if (systemError == kSharingViolation)
        return "Open failed.  If PAF is running,\neven if it is minimized,\nTamblewin can't get access\nto the data "
               "file.  Please\nclose PAF and try again.";
    return "Open failed.  Error code: " + std::to_string(systemError);
}

bool openDataFile(PafContext& ctx, const std::string& path) {
    const int result = ctx.file.open(path);
    if (result == PafFile::kOpened) return true;
    const std::string text = openFailureText(result, ctx.file.systemError());
    if (result == PafFile::kNotPafFile) {
        ctx.host.message(text, "Alert!");
        return false;
    }
    ctx.host.fatal(text, "Alert!", kExitFailure);
}

}  // namespace tw
