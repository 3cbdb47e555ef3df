#include "output/pdf/pdf_document.h"

#include <algorithm>
#include <charconv>
#include <ctime>

#include "base/build_info.h"
#include "output/pdf/pdf_numbers.h"
#include "output/visual_text.h"

namespace tw {

// --- PdfDocument ---------------------------------------------------------------------

namespace {

// Text for a PDF text string: UTF-16BE with its byte-order mark, in hex.
std::string textString(std::string_view text) {
    std::string out = "<FEFF";
    appendUtf16Hex(out, decodeText(text));
    return out + ">";
}

// Six capital letters naming a subset, different for every font of the document.
std::string subsetTag(int number) {
    std::string tag = "TWAAAA";
    for (int i = 5; i >= 2 && number > 0; --i, number /= 26) tag[size_t(i)] = char('A' + number % 26);
    return tag;
}

std::string reference(int object) { return std::to_string(object) + " 0 R"; }

// Sixteen bytes in hex: two 64-bit FNV-1a hashes of the text, from different bases.
std::string documentId(std::string_view text) {
    std::string out;
    for (uint64_t hash : {uint64_t(0xCBF29CE484222325), uint64_t(0x84222325CBF29CE4)}) {
        for (const char c : text) hash = (hash ^ uint8_t(c)) * 0x100000001B3;
        char digits[17];
        std::snprintf(digits, sizeof digits, "%016llX", static_cast<unsigned long long>(hash));
        out += digits;
    }
    return out;
}

std::string hex16(uint32_t value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out(4, '0');
    for (int i = 3; i >= 0; --i, value >>= 4) out[size_t(i)] = kHex[value & 0xF];
    return out;
}

// The map from codes back to the text each was drawn for.
std::string toUnicodeMap(const std::vector<PdfFont::Code>& codes) {
    std::vector<uint32_t> mapped;
    for (size_t i = 0; i < codes.size(); ++i)
        if (!codes[i].text.empty()) mapped.push_back(uint32_t(i + 1));
    std::string cmap =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    for (size_t start = 0; start < mapped.size(); start += 100) {
        const size_t end = std::min(mapped.size(), start + 100);
        cmap += std::to_string(end - start) + " beginbfchar\n";
        for (size_t i = start; i < end; ++i) {
            cmap += '<';
            cmap += hex16(mapped[i]);
            cmap += "> <";
            appendUtf16Hex(cmap, codes[mapped[i] - 1].text);
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
    }
    return cmap + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

// The map from codes to the CIDs of a CFF font, which are its glyphs' numbers.
std::string encodingMap(const std::vector<PdfFont::Code>& codes, const std::string& name) {
    std::string cmap =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> def\n"
        "/CMapName /" + name + " def\n/CMapType 1 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    for (size_t start = 0; start < codes.size(); start += 100) {
        const size_t end = std::min(codes.size(), start + 100);
        cmap += std::to_string(end - start) + " begincidchar\n";
        for (size_t i = start; i < end; ++i) {
            cmap += '<';
            cmap += hex16(uint32_t(i + 1));
            cmap += "> ";
            cmap += std::to_string(codes[i].glyph);
            cmap += '\n';
        }
        cmap += "endcidchar\n";
    }
    return cmap + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

// The widths of the CIDs drawn, in thousandths of an em, as runs of consecutive CIDs.
std::string widthArray(const PdfFont& font, const std::map<uint32_t, int32_t>& widthOfCid) {
    std::string out = "[";
    uint32_t next = 0;
    bool open = false;
    for (const auto& [cid, width] : widthOfCid) {
        if (!open || cid != next) {
            if (open) out += "]";
            out += std::to_string(cid) + "[";
            open = true;
        } else {
            out += ' ';
        }
        appendPdfNumber(out, width * 1000.0 / font.unitsPerEm());
        next = cid + 1;
    }
    if (open) out += "]";
    return out + "]";
}

// A PDF date: "D:" and the moment in UTC, to the second.
std::string pdfDate(int64_t secondsSince1970) {
    const auto time = std::time_t(secondsSince1970);
    std::tm utc{};
    char date[32] = "D:19700101000000Z";
    if (gmtime_r(&time, &utc) != nullptr && utc.tm_year >= -1900 && utc.tm_year <= 9999 - 1900)
        std::strftime(date, sizeof date, "D:%Y%m%d%H%M%SZ", &utc);
    return date;
}

}  // namespace

PdfDocument::~PdfDocument() { abandon(); }

bool PdfDocument::open(const std::string& path, const DocumentDescription& description) {
    abandon();
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr) return false;
    ++documentNumber_;
    failed_ = false;
    written_ = 0;
    objectCount_ = 0;
    offsets_.clear();
    pages_.clear();
    fonts_.clear();
    description_ = description;
    pagesObject_ = newObject();
    resourcesObject_ = newObject();
    infoObject_ = newObject();
    write("%PDF-1.6\n%\xE2\xE3\xCF\xD3\n");
    return true;
}

void PdfDocument::abandon() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

void PdfDocument::write(std::string_view text) {
    if (file_ == nullptr || failed_) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
    written_ += text.size();
}

void PdfDocument::beginObject(int object) {
    if (offsets_.size() < size_t(object)) offsets_.resize(size_t(object), 0);
    offsets_[size_t(object) - 1] = written_;
    write(std::to_string(object) + " 0 obj\n");
}

void PdfDocument::writeStream(int object, std::string_view dictionary, std::string_view data, bool compress) {
    const std::string_view body = compress ? deflater_.compress(data) : data;
    if (body.empty() && !data.empty()) failed_ = true;  // it could not be compressed
    beginObject(object);
    write("<<");
    write(dictionary);
    if (compress) write("/Filter/FlateDecode");
    write("/Length " + std::to_string(body.size()) + ">>\nstream\n");
    write(body);
    write("\nendstream\nendobj\n");
}

void PdfDocument::addPage(double widthPoints, double heightPoints, std::string_view content) {
    const int contentObject = newObject();
    writeStream(contentObject, "", content, true);
    const int page = newObject();
    beginObject(page);
    write("<</Type/Page/Parent " + reference(pagesObject_) + "/MediaBox[0 0 " + pdfNumber(widthPoints) + " " +
          pdfNumber(heightPoints) + "]/Resources " + reference(resourcesObject_) + "/Contents " +
          reference(contentObject) + ">>\nendobj\n");
    pages_.push_back(page);
}

int PdfDocument::fontFor(std::string_view family) {
    for (size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i].family == family) return fonts_[i].font ? int(i) : -1;
    EmbeddedFont embedded{std::string(family), nullptr, 0};
    if (const auto file = findFontFile(family)) embedded.font = PdfFont::open(*file);
    const bool found = embedded.font != nullptr;
    fonts_.push_back(std::move(embedded));
    return found ? int(fonts_.size()) - 1 : -1;
}

// A Type 0 font, its subset embedded. The page content draws by code (PdfFont): a
// TrueType font's codes are its CIDs, which a map takes to the glyphs of the subset;
// a CFF subset keeps the glyphs' numbers as CIDs, to which an encoding takes the codes.
void PdfDocument::writeFont(const EmbeddedFont& embedded, int tag) {
    PdfFont& font = *embedded.font;
    const PdfFont::Subset subset = font.subset();
    const std::string name = subsetTag(tag) + "+" + font.postScriptName();
    const double toThousandths = 1000.0 / font.unitsPerEm();
    const std::vector<PdfFont::Code>& codes = font.codes();

    int programObject = 0;
    if (!subset.program.empty()) {
        programObject = newObject();
        if (font.isCff())
            writeStream(programObject, "/Subtype/OpenType", subset.program, true);
        else
            writeStream(programObject, "/Length1 " + std::to_string(subset.program.size()), subset.program, true);
    }
    std::map<uint32_t, int32_t> widthOfCid;
    for (size_t i = 0; i < codes.size(); ++i) widthOfCid[font.isCff() ? codes[i].glyph : uint32_t(i + 1)] = codes[i].advance;
    int glyphMapObject = 0;
    if (!subset.program.empty() && !font.isCff()) {
        std::string map(size_t(codes.size() + 1) * 2, '\0');
        for (size_t i = 0; i < codes.size(); ++i) {
            const auto found = subset.newGlyph.find(codes[i].glyph);
            const uint32_t newGlyph = found == subset.newGlyph.end() ? 0 : found->second;
            map[(i + 1) * 2] = char(newGlyph >> 8);
            map[(i + 1) * 2 + 1] = char(newGlyph & 0xFF);
        }
        glyphMapObject = newObject();
        writeStream(glyphMapObject, "", map, true);
    }
    int encodingObject = 0;
    const std::string encodingName = "TW" + std::to_string(tag) + "-Codes-H";
    if (font.isCff()) {
        encodingObject = newObject();
        writeStream(encodingObject,
                    "/Type/CMap/CMapName/" + encodingName +
                        "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>",
                    encodingMap(codes, encodingName), true);
    }
    const std::vector<int> box = font.boundingBox();
    const int descriptor = newObject();
    beginObject(descriptor);
    std::string text = "<</Type/FontDescriptor/FontName/" + name + "/Flags 4/FontBBox[";
    for (size_t i = 0; i < box.size(); ++i) {
        if (i > 0) text += ' ';
        appendPdfNumber(text, box[i] * toThousandths);
    }
    text += "]/ItalicAngle 0/Ascent " + pdfNumber(font.ascender() * toThousandths) + "/Descent " +
            pdfNumber(box[1] * toThousandths) + "/CapHeight " + pdfNumber(font.ascender() * toThousandths) +
            "/StemV 80";
    if (programObject != 0) {
        text += font.isCff() ? "/FontFile3 " : "/FontFile2 ";
        text += reference(programObject);
    }
    write(text + ">>\nendobj\n");

    const int descendant = newObject();
    beginObject(descendant);
    text = std::string("<</Type/Font/Subtype/") + (font.isCff() ? "CIDFontType0" : "CIDFontType2") + "/BaseFont/" +
           name + "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor " +
           reference(descriptor) + "/DW 0/W " + widthArray(font, widthOfCid);
    if (glyphMapObject != 0) text += "/CIDToGIDMap " + reference(glyphMapObject);
    write(text + ">>\nendobj\n");

    const int toUnicode = newObject();
    writeStream(toUnicode, "", toUnicodeMap(codes), true);
    beginObject(embedded.object);
    write("<</Type/Font/Subtype/Type0/BaseFont/" + name + "/Encoding " +
          (encodingObject != 0 ? reference(encodingObject) : std::string("/Identity-H")) + "/DescendantFonts[" +
          reference(descendant) + "]/ToUnicode " + reference(toUnicode) + ">>\nendobj\n");
}

void PdfDocument::writeInfo(int object) {
    const std::string date = pdfDate(description_.madeAt ? *description_.madeAt : int64_t(std::time(nullptr)));
    beginObject(object);
    info_ = "<</Title " + textString(description_.title) + "/Creator(Tamblewin)/Producer(Tamblewin " +
            std::string(kProgramVersion) + ")/CreationDate(" + date + ")/ModDate(" + date + ")>>";
    write(info_ + "\nendobj\n");
}

bool PdfDocument::finish() {
    if (file_ == nullptr) return false;
    std::string resources = "<</Font<<";
    int tag = 0;
    for (EmbeddedFont& embedded : fonts_) {
        if (!embedded.font || embedded.font->codes().empty()) continue;
        embedded.object = newObject();
        resources += "/F" + std::to_string(&embedded - fonts_.data()) + " " + reference(embedded.object);
        writeFont(embedded, tag++);
    }
    beginObject(resourcesObject_);
    write(resources + ">>>>\nendobj\n");

    beginObject(pagesObject_);
    std::string kids;
    for (int page : pages_) kids += reference(page) + " ";
    write("<</Type/Pages/Kids[" + kids + "]/Count " + std::to_string(pages_.size()) + ">>\nendobj\n");
    writeInfo(infoObject_);
    const int catalog = newObject();
    beginObject(catalog);
    write("<</Type/Catalog/Pages " + reference(pagesObject_) + ">>\nendobj\n");

    const uint64_t xref = written_;
    offsets_.resize(size_t(objectCount_), 0);
    std::string table = "xref\n0 " + std::to_string(objectCount_ + 1) + "\n0000000000 65535 f \n";
    for (uint64_t offset : offsets_) {
        char line[32];
        std::snprintf(line, sizeof line, "%010llu 00000 n \n", static_cast<unsigned long long>(offset));
        table += line;
    }
    write(table);
    // The file's identifier, from what it says about itself and where each of its
    // objects lies: the same document gives the same bytes.
    const std::string id = documentId(info_ + table);
    write("trailer\n<</Size " + std::to_string(objectCount_ + 1) + "/Root " + reference(catalog) + "/Info " +
          reference(infoObject_) + "/ID[<" + id + "><" + id + ">]>>\nstartxref\n" + std::to_string(xref) +
          "\n%%EOF\n");
    const bool ok = !failed_ && std::fflush(file_) == 0 && std::ferror(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok && closed;
}

}  // namespace tw
