#include "cli/open_file.h"

#include <cstdio>

#include "gedcom/gedcom_import.h"

#include "wizard/data_file.h"

namespace tw::cli {

bool openForCommand(PafContext& ctx, const std::string& path) {
    if (gedcom::isGedcomPath(path)) {  // imported into a PAF image in memory
        size_t problems = 0;
        const bool opened = openGedcomOrPaf(ctx, path, &problems);
        if (problems > 0)
            std::fprintf(stderr,
                         "tamblewin: %s: %zu problems in the GEDCOM file were passed over; "
                         "`tamblewin import %s -o X.paf` lists them\n",
                         path.c_str(), problems, path.c_str());
        return opened;
    }
    const int result = ctx.file.open(path);
    if (result == PafFile::kOpened) return true;
    std::fprintf(stderr, "tamblewin: %s: %s\n", path.c_str(), ctx.file.openProblem().c_str());
    ctx.file.close();
    return openDataFile(ctx, path);  // shows the user's message (and ends the program on -2)
}

}  // namespace tw::cli
