#include "cli/open_file.h"

#include <cstdio>

#include "base/translation.h"
#include "files/input_guard.h"
#include "wizard/data_file.h"

namespace tw::cli {

int openForCommand(PafContext& ctx, const std::string& path) {
    protectInput(path);
    if (readsAsGedcom(path)) {  // imported into a PAF image in memory
        GedcomOpening opening;
        const bool opened = openGedcomOrPaf(ctx, path, &opening);
        if (const size_t problems = opening.problems; problems > 0) {
            const std::string said =
                problems == 1
                    ? fillIn(TW_TR("CommandLine", "1 problem in the GEDCOM file was passed over; "
                                                  "`tamblewin import %1 -o X.paf` lists it"),
                             {path})
                    : fillIn(TW_TR("CommandLine", "%2 problems in the GEDCOM file were passed over; "
                                                  "`tamblewin import %1 -o X.paf` lists them"),
                             {path, std::to_string(problems)});
            std::fprintf(stderr, "tamblewin: %s: %s\n", path.c_str(), said.c_str());
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
