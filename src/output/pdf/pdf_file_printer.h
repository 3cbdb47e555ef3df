#pragma once
// The command line's PDF printer: one document at 600 pixels per inch on the paper
// the report asks for, no unprintable margins, written by this program's own PDF writer
// with the fonts drawn embedded as subsets. A file it could not write is reported
// through ok() and errorText() instead of stopping.

#include <string>
#include <vector>

#include "output/pdf/pdf_document.h"
#include "output/pdf/pdf_surface.h"
#include "output/printer.h"

namespace tw {

class PdfFilePrinter : public Printer {
public:
    static constexpr int kPixelsPerInch = 600;

    explicit PdfFilePrinter(std::string path) : path_(std::move(path)), surface_(document_) {}
    ~PdfFilePrinter() override;

    void setLandscape(bool landscape) override { landscape_ = landscape; }
    void requestPaper(Paper paper) override { paper_ = paper; }
    PrinterGeometry geometry() const override;
    void describeDocument(const DocumentDescription& description) override { description_ = description; }
    Surface& surface() override { return surface_; }
    bool startDocument(std::string_view title) override;
    void newPage() override;
    void endDocument() override;
    void abortDocument() override;

    // False once the file could not be written; errorText() then says why.
    bool ok() const { return error_.empty(); }
    const std::string& errorText() const { return error_; }
    // The file, once it is written whole.
    const std::vector<std::string>& writtenFiles() const { return written_; }
    int pixelsPerInch() const { return kPixelsPerInch; }

private:
    void fail(const std::string& text);

    std::string path_;
    bool landscape_ = false;
    Paper paper_ = Paper::Letter;
    DocumentDescription description_;
    std::string error_;
    std::vector<std::string> written_;
    PdfDocument document_;
    PdfSurface surface_;
};

}  // namespace tw
