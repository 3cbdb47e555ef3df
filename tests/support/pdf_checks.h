#pragma once
// Every PDF a test writes is read strictly: qpdf --check finds no error and no
// warning (a reader that repairs a damaged file silently would hide the fault), and
// its text is read by two extractors, poppler's pdftotext and MuPDF's mutool.

#include <string>
#include <string_view>

namespace tw::test {

// qpdf, pdftotext and mutool are all installed (tools/setup.sh installs them).
bool pdfToolsInstalled();
inline constexpr const char* kPdfToolsMissing = "qpdf, poppler-utils and mupdf-tools are not installed (tools/setup.sh)";

// What is wrong with a PDF file the program wrote: what qpdf --check finds (any
// error or warning), else any code space range of its CMaps that is not of two
// bytes, as all its codes are. Empty when the file is sound.
std::string pdfProblems(const std::string& pdf);

enum class PdfExtractor { Poppler, MuPdf };
const char* extractorName(PdfExtractor extractor);
// The file's text as the extractor gives it, in UTF-8.
std::string extractedText(const std::string& pdf, PdfExtractor extractor);
// The text with the bidi marks extractors put around right-to-left words dropped
// and every run of white space one blank, for finding words that may be wrapped or
// spaced apart in the layout.
std::string foldedText(std::string_view text);

// The standard output of a shell command.
std::string commandOutput(const std::string& command);

}  // namespace tw::test
