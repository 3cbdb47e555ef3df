#include "output/pdf/pdf_file_printer.h"

#include <cstdio>

#include "output/measuring_printer.h"

namespace tw {

PdfFilePrinter::~PdfFilePrinter() { abortDocument(); }

PrinterGeometry PdfFilePrinter::geometry() const { return sheetGeometry(paper_, landscape_, kPixelsPerInch); }

void PdfFilePrinter::fail(const std::string& text) {
    if (error_.empty()) error_ = text;
}

bool PdfFilePrinter::startDocument(std::string_view title) {
    abortDocument();
    error_.clear();
    written_.clear();
    DocumentDescription description = description_;
    if (description.title.empty()) description.title = std::string(title);
    if (!document_.open(path_, description)) {
        fail("Cannot write " + path_);
        return false;
    }
    surface_.beginPage(geometry());
    return true;
}

void PdfFilePrinter::newPage() {
    if (!document_.isOpen()) return;
    surface_.finishPage();
    surface_.beginPage(geometry());
}

void PdfFilePrinter::endDocument() {
    if (!document_.isOpen()) return;
    surface_.finishPage();
    if (!surface_.missingFont().empty()) {
        fail("the font " + surface_.missingFont() + " is not installed, and the PDF cannot be drawn without it");
        abortDocument();
        return;
    }
    if (document_.finish()) {
        written_.push_back(path_);
        return;
    }
    fail("Cannot write " + path_);
    std::remove(path_.c_str());
}

void PdfFilePrinter::abortDocument() {
    if (!document_.isOpen()) return;
    document_.abandon();
    std::remove(path_.c_str());
}

}  // namespace tw
