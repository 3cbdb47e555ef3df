#include "cli/open_file.h"

#include <cstdio>
#include <vector>

#include "files/input_guard.h"
#include "gedcom/gedcom_import.h"

#include "wizard/data_file.h"

namespace tw::cli {

int openForCommand(PafContext& ctx, const std::string& path) {
    protectInput(path);
    if (gedcom::isGedcomPath(path)) {  // imported into a PAF image in memory
        std::vector<std::string> warnings;
        const bool opened = openGedcomOrPaf(ctx, path, &warnings);
        for (const std::string& w : warnings) std::fprintf(stderr, "tamblewin: %s: %s\n", path.c_str(), w.c_str());
        return opened ? 0 : kExitFailure;
    }
    const int result = ctx.file.open(path);
    if (result == PafFile::kOpened) return 0;
    std::fprintf(stderr, "tamblewin: %s: %s\n", path.c_str(), ctx.file.openProblem().c_str());
    ctx.file.close();
    openDataFile(ctx, path);  // shows the user's message (and ends the program on -2)
    return result == PafFile::kNotPafFile ? kExitCorruptData : kExitFailure;
}

}  // namespace tw::cli
