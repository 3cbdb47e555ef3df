#pragma once
// The printers that write a report to files: PDF, PNG or SVG. Builds without the
// Qt backends can only write page logs, and say so.

#include <memory>
#include <string>
#include <vector>

#include "output/printer.h"

namespace tw::cli {

enum class OutputFormat { Pdf, Png, Svg, Log };

class FileOutput {
public:
    virtual ~FileOutput() = default;
    virtual Printer& printer() = 0;
    virtual bool ok() const = 0;
    virtual std::string errorText() const = 0;
    virtual std::vector<std::string> writtenFiles() const = 0;
};

// A file printer (PdfFilePrinter, the PNG and SVG printers) as a FileOutput.
template <typename P>
class PrinterFileOutput : public FileOutput {
public:
    explicit PrinterFileOutput(const std::string& path) : printer_(path) {}
    Printer& printer() override { return printer_; }
    bool ok() const override { return printer_.ok(); }
    std::string errorText() const override { return printer_.errorText(); }
    std::vector<std::string> writtenFiles() const override { return printer_.writtenFiles(); }

private:
    P printer_;
};

// The file of page n (from 1) of a PNG or SVG document written to path ("out/tree.png"
// and 2 give "out/tree-2.png"); path itself for the other formats.
std::string pageFilePath(OutputFormat format, const std::string& path, int page);

// A printer writing format to path; nullptr (with error set) when this build cannot.
std::unique_ptr<FileOutput> makeFileOutput(OutputFormat format, const std::string& path, std::string& error);

}  // namespace tw::cli
