#include "output/measuring_printer.h"

#include <utility>

namespace tw {

PrinterGeometry sheetGeometry(PaperSize paper, bool landscape, int dpi) {
    PrinterGeometry g;
    g.physicalWidth = int32_t(8.5 * dpi);
    g.physicalHeight = (paper == PaperSize::Legal ? 14 : 11) * dpi;
    if (landscape) std::swap(g.physicalWidth, g.physicalHeight);
    g.pixelsPerInchX = dpi;
    g.pixelsPerInchY = dpi;
    return g;
}

PrinterGeometry MeasuringPrinter::geometry() const { return sheetGeometry(paper_, landscape_, kPixelsPerInch); }

}  // namespace tw
