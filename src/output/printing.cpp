#include "output/printing.h"

#include "output/page_render.h"
#include "output/printer.h"

namespace tw {

bool printPages(PageLog& log, Host& host, int first, int last, bool positionsChanged, PrintProgress* progress) {
    const int pageCount = log.lastPageIndex() + 1;
    if (first <= 0 || last < first || last > pageCount) {
        host.message("Invalid page range.", "Whoops!");
        return false;
    }

    // Normally the job that the report's log opened is still open; after it was
    // ended or abandoned, a new document is started on the current printer, with the
    // paper and orientation the report was laid out for.
    Printer* printer = log.printing() ? log.printer() : nullptr;
    bool ownDocument = false;
    if (printer == nullptr) {
        printer = host.printer();
        if (printer != nullptr) {
            printer->setLandscape(log.request().landscape);
            printer->requestPaper(log.page().paper.value_or(log.request().paper));
        }
        if (printer == nullptr || !printer->startDocument("Tamblewin")) {
            host.message("The printer could not start printing.", "Whoops!");
            return false;
        }
        ownDocument = true;
    }

    const PrinterGeometry geometry = printer->geometry();
    RenderView view;
    view.scale = geometry.pixelsPerInchX;
    view.offsetX = geometry.offsetX;
    view.offsetY = geometry.offsetY;
    view.onScreen = false;
    log.scaleOverride = geometry.pixelsPerInchX;

    const int total = last - first + 1;
    for (int index = first - 1; index <= last - 1; ++index) {
        log.setViewedPageIndex(index);
        if (!positionsChanged) log.setCurrentText(log.pagelogg(index));
        if (index != first - 1) printer->newPage();
        renderPage(log.currentText(), printer->surface(), view, host);
        if (progress != nullptr && !progress->pagePrinted(index - first + 2, total)) {
            if (ownDocument) printer->abortDocument();
            log.abandonPrinting();
            return false;
        }
    }

    if (ownDocument) printer->endDocument();
    log.finishPrinting();
    return true;
}

}  // namespace tw
