#pragma once
// The program's state for one front end: the host, the open data file, the page
// log, the selections carried from window to window, the places of the files the
// front end chose for the run, and the charts' state kept between runs. The front
// end creates one and passes it by reference to the dispatcher and the report
// generators; there are no globals, so two contexts never interfere.

#include <memory>
#include <string>

#include "output/page_log.h"
#include "paf/int_list.h"
#include "paf/paf_context.h"

namespace tw {

// Kept by the charts themselves; the context only holds them between runs.
struct DscTuning;
struct FamilyTreeChartState;

// The files a run may read or write, resolved by the front end (from the environment,
// the data file's place and the user's choices). Empty: the run reads or writes
// no such file. The core never chooses a path of its own.
struct RunPaths {
    // The Descendant Summary Chart's tuning file, read at each run.
    std::string dscTuningFile;
    // The Family Tree Chart's listing of branches, rewritten at each run.
    std::string ftcListingFile;
    // The Family Tree Chart's positions files are this text, "m", the MRIN and ".twft".
    std::string ftcPositionsStem;
};

struct AppContext : PafContext {
    explicit AppContext(Host& h) : PafContext(h), pageLog(h) {}

    PageLog pageLog;
    // The data file's path as the user chose it; reports print it in their headings.
    std::string dataFilePath;
    // The start individual of the individual-based reports.
    int32_t startRin = 0;
    // The status of the fatal stop that ended the last run (0: none).
    int failedStatus = 0;
    RunPaths paths;
    // The paper the run's reports are laid out on (a system printer in the windows
    // keeps its own), and whether a chart that does not fit it may ask for a larger
    // sheet of the A series (A3); the North American papers always may (legal).
    Paper paper = Paper::Letter;
    bool largeSheets = false;
    // The start window's "detailed foliage background" of the Family Tree Chart; the
    // command line's default.
    bool detailedFoliage = true;
    // The Descendant Summary Chart's tuning values and row font, kept from run to run
    // (charts/dsc_tuning.h reaches them).
    std::shared_ptr<DscTuning> dscTuning;
    // The Family Tree Chart as last drawn, for the preview's drags and buttons
    // (charts/ftc_state.h reaches it).
    std::shared_ptr<FamilyTreeChartState> familyTree;
};

// The page a report asks for: the run's paper, upright or turned.
inline PageRequest runPage(const AppContext& ctx, bool landscape = false) { return {ctx.paper, landscape, false}; }

// What a report generator starts from: the start RIN (individual reports) or the
// list of start MRINs (couple reports; several for a couple married more than once).
struct ReportInput {
    int32_t startRin = 0;
    IntList mrins;
};

using ReportGenerator = void (*)(AppContext& ctx, const ReportInput& input);

}  // namespace tw
