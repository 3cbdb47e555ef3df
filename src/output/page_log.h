#pragma once
// The page log: every report writes its pages here as text strings of drawing
// commands in inches; the preview and printing replay them through the renderer.
//
// A command is the byte 0x02, a code of one to three capital letters and its
// fields separated by commas (no terminator):
//   PW,w  FS,n  FN,face  BC,hex  PC,hex  DE,x1,y1,x2,y2  DR,x1,y1,x2,y2  PV,x,y  PG
//   TO,x,y,text  TOC,x,y,text  TOR,x,y,text  TOA,x,y,angle,face,size,text
//   TOD,x,y,angle,face,size,text  L,x,y  M,x,y  AHLx1,y1,x2,y2,w  NP  ED
// After formatting, every "0" directly before a comma is removed, repeatedly
// (except in PG, TOA, TOD, AHL, NP and ED), so 1.5000, becomes 1.5, and 2.0000,
// becomes 2.,; the text of TO, TOC and TOR is appended after that step.
// Text is UTF-8. A text field cannot hold the command mark 0x02 or NUL: either
// becomes "?".
//
// Opening a log opens a print job on the current printer, whose paper, resolution
// and fonts are those that the report lays out for: the report asks for a paper and
// orientation, and lays its pages out on the page it is given (page()).

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "output/missing_fonts.h"
#include "output/printer.h"
#include "base/host.h"

namespace tw {

inline constexpr char kCommandMark = '\x02';

class PageLog {
public:
    explicit PageLog(Host& host);
    ~PageLog();
    PageLog(const PageLog&) = delete;
    PageLog& operator=(const PageLog&) = delete;

    // Opening and closing.
    // Starts a new log and a new print job for the requested paper and orientation;
    // a job still open from an earlier report is dropped first.
    int begin(std::string_view title, const PageRequest& request = {});  // 0 ready; 1 the printer's paper is not the exact one asked for
    void newPage();
    void commit();
    void rollback();
    int end();  // 1 when a print job is open
    bool isOpen() const { return open_; }
    // Drops every page and the print job: a run that ended on a fatal stop leaves
    // nothing to preview or print.
    void discard();

    // Writers: each appends one command to the page being written.
    void penWidth(double inches);
    void fontSize(int32_t points);
    void fontName(std::string_view face);
    void brushColor(uint32_t colour);
    void penColor(uint32_t colour);
    void ellipse(double x1, double y1, double x2, double y2);
    void rectangle(double x1, double y1, double x2, double y2);
    void polygonVertex(double x, double y);
    void polygonEnd();
    void text(double x, double y, std::string_view text);
    void textCentered(double x, double y, std::string_view text);
    void textRight(double x, double y, std::string_view text);
    void textAngled(double x, double y, std::string_view text, std::string_view face, int32_t size, int32_t angle);
    void textAngledCentered(double x, double y, std::string_view text, std::string_view face, int32_t size,
                            int32_t angle);
    void lineTo(double x, double y);
    void moveTo(double x, double y);
    void arrow(double x1, double y1, double x2, double y2, double penWidth);

    // Stored pages, 0-based.
    void pagelogs(int32_t page, std::string_view text);
    std::string pagelogg(int32_t page) const;
    int32_t storedPageCount() const;

    // The current text: the page being written, or the page on view or being printed.
    const std::string& currentText() const { return current_; }
    void setCurrentText(std::string text) { current_ = std::move(text); }
    void snapshot() { snapshotLength_ = current_.size(); }
    void restoreSnapshot();

    // Measuring, in the measuring font (the last FN and FS) at the printer's resolution.
    int32_t textWidth(std::string_view text) const;
    double textWidthFraction(std::string_view text) const;
    double textWidthInFont(std::string_view text, std::string_view face, int32_t size);
    // The resolution layout measures at: always the printer's, whatever scale the
    // preview or a print last replayed the pages at.
    int32_t pixelsPerInch() const { return geometry_.pixelsPerInchX; }
    int32_t devicePixelsPerInch() const { return geometry_.pixelsPerInchX; }
    // The scale pages are replayed at: the preview's or the printer's while they draw.
    int32_t replayPixelsPerInch() const { return scaleOverride != 0 ? scaleOverride : geometry_.pixelsPerInchX; }
    // The page the report lays out on: the printer's sheet as it lies, in inches.
    const PageGeometry& page() const { return page_; }
    double pageWidth() const { return page_.width; }
    double pageHeight() const { return page_.height; }
    // What the report asked for when it opened the log.
    const PageRequest& request() const { return request_; }
    const PrinterGeometry& geometry() const { return geometry_; }
    int32_t lastPageIndex() const { return currentPage_; }
    int32_t viewedPageNumber() const { return viewedPage_ + 1; }
    void setViewedPageIndex(int32_t index) { viewedPage_ = index; }
    int32_t viewedPageIndex() const { return viewedPage_; }

    // Pixels per inch used instead of the printer's while previewing or printing.
    int32_t scaleOverride = 0;

    // The letters of the texts written since begin that no installed font draws.
    const MissingFonts& missingFonts() const { return missingFonts_; }

    // The print job.
    bool printing() const { return printing_; }
    Printer* printer() const { return printer_; }
    void finishPrinting();
    void abandonPrinting();

private:
    struct Block {
        int32_t filled = 0;
        std::array<std::string, 10> pages;
    };

    size_t startCommand(std::string_view code);
    void appendPoints(std::initializer_list<double> values, int precision, size_t width, bool compact,
                      bool commaAfterLast = false, bool leadingComma = true);
    void appendCoordinate(double value, bool trimZeros);
    char* putCoordinate(char* out, double value, bool trimZeros);
    struct CoordinateText;
    static bool keepCoordinate(CoordinateText& slot, double value);
    void appendTextCommand(std::string_view code, double x, double y, std::string_view text);
    void appendAngledText(std::string_view code, double x, double y, std::string_view text, std::string_view face,
                          int32_t size, int32_t angle);
    void internalError(const std::string& text, std::string_view caption, int status) const;
    Printer& measuringPrinter();
    void dropOpenJob();
    void clearPages();  // no page and nothing committed

    Host& host_;
    std::vector<Block> blocks_;
    std::string current_;
    int32_t currentPage_ = 0;
    int32_t viewedPage_ = 0;
    int32_t commitPage_ = 0;
    size_t commitLength_ = 0;
    size_t snapshotLength_ = 0;
    bool open_ = false;
    bool printing_ = false;
    Printer* printer_ = nullptr;
    std::unique_ptr<Printer> fallbackPrinter_;
    PrinterGeometry geometry_;
    PageRequest request_;
    PageGeometry page_;
    // The texts of page coordinates ("%6.4f"), by the bits of the value: a list
    // writes the same few x and y again on every line and page.
    struct CoordinateText {
        uint64_t bits = 0;
        uint8_t length = 0;   // 0: an empty slot
        uint8_t trimmed = 0;  // the length without the trailing zeros of the fraction
        char text[14] = {};
    };
    std::array<CoordinateText, 256> coordinates_{};
    MissingFonts missingFonts_;
    std::string measureFace_ = "Times";
    int32_t measureSize_ = 10;
    int32_t measurePen_ = 0;
};

}  // namespace tw
