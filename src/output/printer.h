#pragma once
// The printer a report's page log is written for: its paper, resolution and
// printable area, the print document, and the surface of the page being printed.
// The windows use the system's printers; the command line writes PDF, PNG or SVG
// files through printers of the same shape.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "output/paper.h"
#include "output/surface.h"

namespace tw {

struct PrinterGeometry {
    int32_t physicalWidth = 0;   // device pixels
    int32_t physicalHeight = 0;  // device pixels
    int32_t pixelsPerInchX = 0;
    int32_t pixelsPerInchY = 0;
    int32_t offsetX = 0;         // from the sheet's corner to the printable area
    int32_t offsetY = 0;
};

// What a document says about itself beside its pages: its title (the report and
// whom it starts from) and when it was made, in seconds since 1970 UTC (nothing:
// when it is written).
struct DocumentDescription {
    std::string title;
    std::optional<int64_t> madeAt;
};

class Printer {
public:
    virtual ~Printer() = default;

    virtual void setLandscape(bool landscape) = 0;
    // The paper a report's layout asks for. Printers whose paper the user chooses
    // ignore it (the page log checks the paper and asks the user to change it);
    // file printers take it.
    virtual void requestPaper(Paper) {}
    // Describes the documents started from now on. Printers whose files carry no
    // title or date ignore it; without it a document takes the job's short title.
    virtual void describeDocument(const DocumentDescription&) {}
    virtual bool startDocument(std::string_view title) = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
    virtual void abortDocument() = 0;
    virtual PrinterGeometry geometry() const = 0;
    // The surface of the page being printed (valid between start and end).
    virtual Surface& surface() = 0;
    // Lets the user change the printer's set-up; false when nothing can be changed.
    virtual bool setupDialog() { return false; }
};

}  // namespace tw
