#pragma once
// The Surface of a PDF page: the drawing calls become PDF content operators, in the
// device pixels of the page (y down), which the page's first operator scales to
// points. Pen, fill and font outlive a page, as on every surface; the PDF's own
// graphics state starts afresh on each page and is set again where it is needed.
//
// Text is drawn as QtSurface draws it: in the face's installed font ("Times" as
// Liberation Serif, Times New Roman or Times, "Arial" as Liberation Sans or Arial),
// the characters it lacks in the fallback font the metric tables name, each run
// where the tables put it, on the face's baseline, in black.

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "output/font_metrics.h"
#include "output/pdf/pdf_document.h"
#include "output/printer.h"
#include "output/surface.h"

namespace tw {

class PdfSurface : public Surface {
public:
    explicit PdfSurface(PdfDocument& document) : document_(document) {}

    // Starts the content of a page of the given sheet (size and resolution).
    void beginPage(const PrinterGeometry& sheet);
    // Adds the page drawn since beginPage to the document.
    void finishPage();
    // The first face or fallback family that had to be drawn and is not installed.
    const std::string& missingFont() const { return missingFont_; }

    void setPenWidth(int pixels) override { penWidth_ = std::max(pixels, 0); }
    void setPenColour(Colour colour) override { penColour_ = colour; }
    void setFillColour(Colour colour) override { fill_ = SurfaceFill{true, colour}; }
    void setFillClear() override { fill_ = SurfaceFill{false, 0}; }
    void setFont(std::string_view face, int pixelHeight, int angleTenths) override;
    void moveTo(DevicePoint p) override;
    void lineTo(DevicePoint p) override;
    void polygon(std::span<const DevicePoint> points) override;
    void polyline(std::span<const DevicePoint> points) override;
    void ellipse(DevicePoint corner1, DevicePoint corner2) override;
    void text(DevicePoint p, std::string_view text) override;

    std::optional<SurfaceFill> currentFill() const override { return fill_; }
    std::optional<SurfaceFont> currentFont() const override { return font_; }

private:
    // What the page's content has set so far; nothing at the start of a page.
    struct PageState {
        std::optional<int> penWidth;
        std::optional<Colour> stroke;
        std::optional<Colour> fill;
        int font = -1;
        int fontSize = 0;
    };
    void endPath();
    void useStroke();
    void useFill(Colour colour);
    void point(DevicePoint p, const char* op);
    int faceFont(std::string_view face);
    int fallbackFont(int fallback, int faceFont);
    void drawRun(const FontRun& run, int font, DevicePoint origin, double ascent);

    PdfDocument& document_;
    std::string content_;
    PrinterGeometry sheet_;  // of the page being drawn
    double sheetWidthPoints_ = 0;
    double sheetHeightPoints_ = 0;
    PageState page_;
    bool pathOpen_ = false;  // a line path is being built (lines joined end to start)
    DevicePoint current_;
    int penWidth_ = 0;
    Colour penColour_ = 0;
    SurfaceFill fill_;
    std::optional<SurfaceFont> font_;
    std::vector<std::pair<std::string, int>> faceFonts_;  // face name, font (-1: none installed)
    std::vector<int> fallbackFonts_;                       // by fallback number - 1; -2 until looked up
    std::string missingFont_;
    int documentNumber_ = 0;  // the document the fonts above belong to
    PdfFont::Run glyphs_;
    FontRun asciiRun_;  // reused for texts of printable ASCII
    double cos_ = 1, sin_ = 0;  // of the font's angle
};

}  // namespace tw
