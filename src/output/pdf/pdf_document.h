#pragma once
// A PDF file written as it goes: each page's content when the page is done, the
// fonts (cut down to the glyphs drawn) and the page tree at the end. Pages hold
// the drawing operators a PdfSurface makes; the fonts are the installed fonts of
// the families they name, embedded with their widths and a map back to Unicode so
// that the text can be selected and searched.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "output/pdf/deflater.h"
#include "output/pdf/pdf_font.h"
#include "output/printer.h"

namespace tw {

// Deflates one stream after another (a PDF stream's /FlateDecode).
class PdfDocument {
public:
    PdfDocument() = default;
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Starts the file, which says what the description says of it; false when it
    // cannot be created.
    bool open(const std::string& path, const DocumentDescription& description);
    bool isOpen() const { return file_ != nullptr; }
    // Adds a page of the given size in points whose content is `content`.
    void addPage(double widthPoints, double heightPoints, std::string_view content);
    // Writes the fonts, the page tree and the cross-reference table and closes the
    // file; false when any of it could not be written.
    bool finish();
    // Closes the file without finishing it (the caller removes it).
    void abandon();

    // The font resource (its number, for "/F<n>") drawing a family; -1 when no font
    // of the family is installed or its file cannot be read.
    int fontFor(std::string_view family);
    PdfFont& font(int number) { return *fonts_[size_t(number)].font; }
    int pageCount() const { return int(pages_.size()); }
    // Counts the documents opened: fonts are numbered anew in each.
    int documentNumber() const { return documentNumber_; }

private:
    struct EmbeddedFont {
        std::string family;
        std::unique_ptr<PdfFont> font;  // null: not installed
        int object = 0;                 // the Type0 font's object
    };
    int newObject() { return ++objectCount_; }
    void beginObject(int object);
    void write(std::string_view text);
    void writeStream(int object, std::string_view dictionary, std::string_view data, bool compress);
    void writeFont(const EmbeddedFont& embedded, int tag);
    void writeInfo(int object);

    FILE* file_ = nullptr;
    bool failed_ = false;
    uint64_t written_ = 0;
    int objectCount_ = 0;
    int documentNumber_ = 0;
    std::vector<uint64_t> offsets_;  // by object number - 1
    int pagesObject_ = 0, resourcesObject_ = 0, infoObject_ = 0;
    std::vector<int> pages_;
    std::vector<EmbeddedFont> fonts_;
    DocumentDescription description_;
    std::string info_;  // the information dictionary as written
    Deflater deflater_;
};

}  // namespace tw
