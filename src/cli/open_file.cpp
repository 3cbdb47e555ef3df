#include "cli/open_file.h"

#include <cstdio>

#include "files/input_guard.h"
#include "wizard/data_file.h"

namespace tw::cli {

int openForCommand(PafContext& ctx, const std::string& path) {
    protectInput(path);
    if (readsAsGedcom(path)) {  // imported into a PAF image in memory
        GedcomOpening opening;
        const bool opened = openGedcomOrPaf(ctx, path, &opening);
        if (const size_t problems = opening.problems; problems > 0) {
            const bool one = problems == 1;
            std::fprintf(stderr,
                         "tamblewin: %s: %zu %s in the GEDCOM file %s passed over; `tamblewin import %s -o X.paf` lists "
                         "%s\n",
                         path.c_str(), problems, one ? "problem" : "problems", one ? "was" : "were", path.c_str(),
                         one ? "it" : "them");
        }
        if (opened) return 0;
        return opening.damaged ? kExitCorruptData : kExitFailure;
    }
    const int result = ctx.file.open(path);
    if (result == PafFile::kOpened) return 0;
    std::fprintf(stderr, "tamblewin: %s: %s\n", path.c_str(), ctx.file.openProblem().c_str());
    ctx.file.close();
    openDataFile(ctx, path);  // shows the user's message (and ends the program on -2)
    return result == PafFile::kNotPafFile ? kExitCorruptData : kExitFailure;
}

}  // namespace tw::cli
