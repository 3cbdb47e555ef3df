#pragma once
// A printer that prints nothing: any paper at 600 pixels per inch with
// no unprintable margins. Page logs are laid out for it when no real printer is
// chosen (tests, and page logs written out as text).

#include "output/printer.h"

namespace tw {

class NullSurface : public Surface {
public:
    void setPenWidth(int) override {}
    void setPenColour(Colour) override {}
    void setFillColour(Colour) override {}
    void setFillClear() override {}
    void setFont(std::string_view, int, int) override {}
    void moveTo(DevicePoint) override {}
    void lineTo(DevicePoint) override {}
    void polygon(std::span<const DevicePoint>) override {}
    void polyline(std::span<const DevicePoint>) override {}
    void ellipse(DevicePoint, DevicePoint) override {}
    void text(DevicePoint, std::string_view) override {}
};

class MeasuringPrinter : public Printer {
public:
    static constexpr int kPixelsPerInch = 600;

    void setLandscape(bool landscape) override { landscape_ = landscape; }
    void requestPaper(Paper paper) override { paper_ = paper; }
    bool startDocument(std::string_view) override { return true; }
    void newPage() override {}
    void endDocument() override {}
    void abortDocument() override {}
    PrinterGeometry geometry() const override;
    Surface& surface() override { return surface_; }

private:
    bool landscape_ = false;
    Paper paper_ = Paper::Letter;
    NullSurface surface_;
};

}  // namespace tw
