#include "base/translation.h"
#include "cli/file_output.h"
#include "output/pdf/pdf_file_printer.h"

// The executable without Qt: Tamblewin's own PDF writer. PNG and SVG pages are
// written by the Qt module (cli/qt_module.h), which main hands those runs.

namespace tw::cli {

std::string pageFilePath(OutputFormat, const std::string& path, int) { return path; }

std::unique_ptr<FileOutput> makeFileOutput(OutputFormat format, const std::string& path, std::string& error) {
    if (format == OutputFormat::Pdf) return std::make_unique<PrinterFileOutput<PdfFilePrinter>>(path);
    error = TW_TR("CommandLine", "PNG and SVG pages are written by the Qt module");
    return nullptr;
}

}  // namespace tw::cli
