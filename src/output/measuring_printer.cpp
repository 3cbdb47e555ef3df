#include "output/measuring_printer.h"

namespace tw {

PrinterGeometry MeasuringPrinter::geometry() const { return sheetGeometry(paper_, landscape_, kPixelsPerInch); }

}  // namespace tw
