#pragma once
// The program's state for one front end: the host, the open data file, the page
// log, and the selections carried from window to window. The front end creates one
// and passes it by reference to the dispatcher and the report generators; there are
// no globals, so two contexts never interfere.

#include <string>

#include "charts/dsc_tuning.h"
#include "charts/ftc_state.h"
#include "output/page_log.h"
#include "paf/int_list.h"
#include "paf/paf_context.h"

namespace tw {

struct AppContext : PafContext {
    explicit AppContext(Host& h) : PafContext(h), pageLog(h) {}

    PageLog pageLog;
    // The data file's path as the user chose it; reports print it in their headings.
    std::string dataFilePath;
    // The start individual of the individual-based reports.
    int32_t startRin = 0;
    // The Descendant Summary Chart's tuning values and row font, kept from run to run.
    DscTuning dscTuning;
    // The Family Tree Chart as last drawn, for the preview's drags and buttons.
    FamilyTreeChartState familyTree;
};

// What a report generator starts from: the start RIN (individual reports) or the
// list of start MRINs (couple reports; several for a couple married more than once).
struct ReportInput {
    int32_t startRin = 0;
    IntList mrins;
};

using ReportGenerator = void (*)(AppContext& ctx, const ReportInput& input);

}  // namespace tw
