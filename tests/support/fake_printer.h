#pragma once
// A printer for tests: a sheet of chosen paper and resolution, a log of the calls
// made to it, and a set-up dialog that switches to the paper the test chooses.

#include <optional>
#include <string>
#include <vector>

#include "output/measuring_printer.h"

namespace tw::test {

class FakePrinter : public Printer {
public:
    Paper paper = Paper::Letter;
    int dpi = 600;
    int offsetX = 0, offsetY = 0;
    bool landscape = false;
    std::optional<Paper> paperAfterSetup;  // what the set-up dialog changes to
    std::vector<std::string> calls;
    NullSurface nullSurface;
    Surface* pageSurface = &nullSurface;

    void setLandscape(bool on) override {
        landscape = on;
        calls.push_back(on ? "landscape" : "portrait");
    }
    bool startDocument(std::string_view title) override {
        calls.push_back("start " + std::string(title));
        return true;
    }
    void newPage() override { calls.push_back("newPage"); }
    void endDocument() override { calls.push_back("end"); }
    void abortDocument() override { calls.push_back("abort"); }
    PrinterGeometry geometry() const override {
        PrinterGeometry g = sheetGeometry(paper, landscape, dpi);
        g.offsetX = offsetX;
        g.offsetY = offsetY;
        return g;
    }
    Surface& surface() override { return *pageSurface; }
    bool setupDialog() override {
        calls.push_back("setup");
        if (paperAfterSetup) paper = *paperAfterSetup;
        return true;
    }
};

}  // namespace tw::test
