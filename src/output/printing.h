#pragma once
// Sends stored pages of the page log to the printer through the renderer, and ends
// the print job.

#include "output/page_log.h"
#include "base/host.h"

namespace tw {

// Told after every page sent to the printer, so that a long print can show how far it
// has come; answers false to stop it.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    virtual bool pagePrinted(int printed, int total) = 0;
};

// Prints pages first to last, counted from 1, on the log's open print job (or, when
// none is open, on the host's current printer, set up for the log's paper), then ends
// the job. A range that starts below 1, ends before it starts or ends beyond the last
// page is refused with "Invalid page range." and prints nothing. With positionsChanged
// (a Family Tree Chart moved by hand and not saved) every page printed is the current
// text, the chart as edited on the screen. When progress asks to stop, the job is
// abandoned: the printer drops what it was given. Returns true when the pages were
// printed.
bool printPages(PageLog& log, Host& host, int first, int last, bool positionsChanged = false,
                PrintProgress* progress = nullptr);

}  // namespace tw
