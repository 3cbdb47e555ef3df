#include "support/pdf_checks.h"

#include <cstdio>
#include <cstdlib>

namespace tw::test {

namespace {

bool haveTool(const char* name) { return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0; }

std::string quoted(const std::string& path) {
    std::string out = "'";
    for (const char c : path) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Each code space range of the file's CMaps (its fonts' encodings and their maps
// back to Unicode) that is not of two bytes, the length of every code the program
// writes: a reader takes codes a byte at a time by a code space of one byte.
std::string codeSpaceProblems(const std::string& pdf) {
    const std::string open = commandOutput("qpdf --qdf --object-streams=disable " + quoted(pdf) + " - 2>/dev/null");
    std::string problems;
    for (size_t at = open.find("begincodespacerange"); at != std::string::npos;
         at = open.find("begincodespacerange", at + 1)) {
        const size_t end = open.find("endcodespacerange", at);
        for (size_t code = open.find('<', at); code < end; code = open.find('<', code + 1)) {
            const size_t close = open.find('>', code);
            if (close - code - 1 != 4)
                problems += "a code space range of " + std::to_string((close - code - 1) / 2) + " bytes: " +
                            open.substr(code, close - code + 1) + "\n";
        }
    }
    return problems;
}

}  // namespace

bool pdfToolsInstalled() {
    static const bool installed = haveTool("qpdf") && haveTool("pdftotext") && haveTool("mutool");
    return installed;
}

std::string commandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

std::string pdfProblems(const std::string& pdf) {
    // qpdf's status: 0 sound, 2 errors, 3 warnings only.
    const std::string report = commandOutput("qpdf --check " + quoted(pdf) + " 2>&1; echo \"status $?\"");
    if (!report.ends_with("status 0\n") || report.find("WARNING") != std::string::npos ||
        report.find("No syntax or stream encoding errors found") == std::string::npos)
        return report;
    return codeSpaceProblems(pdf);
}

const char* extractorName(PdfExtractor extractor) {
    return extractor == PdfExtractor::Poppler ? "pdftotext" : "mutool draw -F txt";
}

std::string extractedText(const std::string& pdf, PdfExtractor extractor) {
    if (extractor == PdfExtractor::Poppler) return commandOutput("pdftotext -enc UTF-8 " + quoted(pdf) + " - 2>/dev/null");
    return commandOutput("mutool draw -q -F txt -o - " + quoted(pdf) + " 2>/dev/null");
}

std::string foldedText(std::string_view text) {
    // U+200E, U+200F and U+202A..U+202E in UTF-8: E2 80 8E/8F, E2 80 AA..AE.
    std::string out;
    bool blank = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80) {
            const auto last = static_cast<unsigned char>(text[i + 2]);
            if (last == 0x8E || last == 0x8F || (last >= 0xAA && last <= 0xAE)) {
                i += 2;
                continue;
            }
        }
        if (byte == ' ' || byte == '\n' || byte == '\t' || byte == '\r' || byte == '\f') {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) out += ' ';
        blank = false;
        out += text[i];
    }
    return out;
}

}  // namespace tw::test
