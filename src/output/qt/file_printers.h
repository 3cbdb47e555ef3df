#pragma once
// Printers that write files, for the command line: PNG and SVG, one file per page
// (PDF has a writer of its own, output/pdf/pdf_file_printer.h). Each takes the
// paper and orientation the report asks for, has no unprintable margins (physical
// offsets 0), and reports a file it could not write through ok() and errorText()
// instead of stopping. They draw text, so they
// need a QGuiApplication (on a machine without a display, QT_QPA_PLATFORM=offscreen).
//
// PNG and SVG pages go to files named after the given path with "-" and the page
// number (from 1, not zero-padded) before the extension: "tree.png" gives
// "tree-1.png", "tree-2.png", ...; see pageFilePath.

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "output/printer.h"
#include "output/qt/png_encoder.h"
#include "output/qt/qt_surface.h"
#include "output/svg_surface.h"


namespace tw {

class FilePrinter : public Printer {
public:
    ~FilePrinter() override;

    void setLandscape(bool landscape) override { landscape_ = landscape; }
    void requestPaper(Paper paper) override { paper_ = paper; }
    PrinterGeometry geometry() const override;
    Surface& surface() override { return surface_; }

    // False once a file could not be written; errorText() then says which.
    bool ok() const { return error_.empty(); }
    const std::string& errorText() const { return error_; }
    // The files written so far, in page order.
    const std::vector<std::string>& writtenFiles() const { return written_; }
    int pixelsPerInch() const { return dpi_; }

    // The file of page n (from 1) of a document written to path, one file per page:
    // "out/tree.png" and 2 give "out/tree-2.png"; a path without an extension gets
    // defaultExtension (".png").
    static std::string pageFilePath(const std::string& path, int page, const std::string& defaultExtension);

protected:
    FilePrinter(std::string path, int dpi) : path_(std::move(path)), dpi_(dpi) {}
    void fail(const std::string& text);
    // Ends the painter of the page being drawn, if any.
    void stopPainting();

    std::string path_;
    int dpi_;
    bool landscape_ = false;
    Paper paper_ = Paper::Letter;
    std::string title_;
    std::string error_;
    std::vector<std::string> written_;
    QPainter painter_;
    QtSurface surface_;
};

// Printers that write one file per page: starting, turning and ending pages is the
// same for every such format; each format says how a page begins and is saved.
class PageFilePrinter : public FilePrinter {
public:
    bool startDocument(std::string_view title) override;
    void newPage() override;
    void endDocument() override { finishPage(); }
    void abortDocument() override;

protected:
    using FilePrinter::FilePrinter;
    virtual bool startPage() = 0;   // the next page, numbered page_
    virtual void finishPage() = 0;  // saves the page being drawn, if any
    virtual bool pageOpen() const = 0;
    virtual void discardPage() = 0; // drops the page being drawn without saving it

    int page_ = 0;
};

// One PNG image per page on a white background, at 150 pixels per inch unless told
// otherwise (a letter page is then 1275 x 1650 pixels).
//
// A finished page is encoded on helper threads while the next one is painted; its
// file is written, in page order, once it is encoded and at the latest when
// kMostPagesInFlight more pages have been finished, and every file by the end of
// the document. Errors and writtenFiles() follow the files as they are written.
class PngFilePrinter : public PageFilePrinter {
public:
    static constexpr int kDefaultPixelsPerInch = 150;
    static constexpr int kMostPagesInFlight = 4;

    explicit PngFilePrinter(std::string path, int dpi = kDefaultPixelsPerInch);
    ~PngFilePrinter() override;

    bool startDocument(std::string_view title) override;
    void endDocument() override;
    void abortDocument() override;

private:
    bool startPage() override;
    void finishPage() override;
    bool pageOpen() const override { return painter_.isActive(); }
    void discardPage() override;
    // Writes the files of the pages encoded so far (waiting for all of them when
    // told to), in page order.
    void writeEncodedPages(bool waitForAll);

    QImage image_;
    std::unique_ptr<PngEncoder> encoder_;
    int firstPageInFlight_ = 1;  // the page of the oldest image with the encoder
    int mostInFlight_ = 1;
};

// One SVG file per page, written as text by an SvgSurface. Coordinates are device
// pixels at 600 pixels per inch unless told otherwise; the page's width and height
// are given in millimetres. Text names the installed families that draw the faces.
class SvgFilePrinter : public PageFilePrinter {
public:
    static constexpr int kDefaultPixelsPerInch = 600;

    explicit SvgFilePrinter(std::string path, int dpi = kDefaultPixelsPerInch);
    ~SvgFilePrinter() override;

    Surface& surface() override { return svg_; }

private:
    bool startPage() override;
    void finishPage() override;
    bool pageOpen() const override { return file_ != nullptr; }
    void discardPage() override;

    SvgSurface svg_;
    std::FILE* file_ = nullptr;  // of the page being drawn
};

}  // namespace tw
