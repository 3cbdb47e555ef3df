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
//
// And it reads back as it was written. Each glyph's code stands for the characters
// it was drawn for (PdfFont), and the glyphs are drawn in the order of the text:
// right-to-left letters from the right, so that a reader that takes glyphs in the
// order drawn gets the letters in the order written. Where the glyphs do not stand
// one by one for their own characters (reordered, joined into presentation forms,
// a vowel sign before its consonant) or the text is turned at an angle that is not
// a quarter turn, the text object also carries the text as written (/ActualText),
// which readers take instead of the glyphs.

#include <algorithm>
#include <optional>
#include <span>
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
    // A cluster of glyphs (PdfFont::Cluster) of one of the text's runs, as drawn.
    struct DrawnCluster {
        int font = 0;
        uint32_t run = 0;
        int32_t runOffset = 0;  // pixels from the text's start to its run's start
        uint32_t firstGlyph = 0;  // in glyphs_
        uint32_t glyphCount = 0;
    };
    void drawAscii(std::string_view text, int face, DevicePoint origin, double ascent);
    void drawPlainText(std::string_view text, int face, DevicePoint origin, double ascent);
    void drawText(std::string_view text, std::u32string_view logical, int face, DevicePoint origin, double ascent);
    // Lays the text's runs out into clusters_, glyphs_ and drawn_ (each cluster's characters).
    void layOut(std::string_view text, int face);
    void shareOutLigature(DrawnCluster& cluster, std::u32string_view letters);
    void drawClusters(std::span<const uint32_t> order, DevicePoint origin, double ascent);
    void drawGlyphs(const DrawnCluster& cluster, size_t begin, size_t end, uint32_t clusterIndex, DevicePoint origin,
                    double ascent, int size);
    void drawOutlines(DevicePoint origin, double ascent);
    void selectFont(int font, int size);
    // The text matrix at `along` pixels along the baseline from origin.
    void moveAlongBaseline(DevicePoint origin, double along, double ascent);
    void appendTurnedAxes();
    void beginActualText(std::u32string_view text);
    bool turned() const { return font_ && font_->angleTenths % 900 != 0; }

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
    // The text being drawn, reused from text to text.
    PdfFont::Run run_;
    std::vector<PlacedGlyph> glyphs_;
    std::vector<DrawnCluster> clusters_;
    std::vector<std::u32string> drawn_;
    std::vector<std::pair<size_t, size_t>> outlines_;  // cluster and glyph drawn as outlines
    double cos_ = 1, sin_ = 0;  // of the font's angle
};

}  // namespace tw
