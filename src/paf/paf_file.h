#pragma once
// PafFile: the program's own reader of a PAF 5 data file. It reads the whole file
// into memory at open (so that another program changing the file cannot disturb a
// run), checks the header, builds the list of pages of every page type once, and
// then reads fixed-size records by number and text records by file offset. The file
// is only ever opened for reading and never written.
//
// Text comes out as UTF-8. A PAF file holds Windows-1252 and is converted as it is
// read; an image built in memory from a GEDCOM file holds the GEDCOM's UTF-8 as it is.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "paf/paf_layout.h"
#include "paf/zeroed_bytes.h"

namespace tw {

// The pages of each page type in one page space. Entries 0..31 hold, for type t at
// entry t-1, where the list of type t's pages begins in this same array; the entries
// from 32 on hold the page numbers, grouped by type, ascending within a type.
// The encoding of the text a PAF file or image holds.
enum class TextEncoding { Windows1252, Utf8 };

struct PageTypeMap {
    std::array<int16_t, paf::kPageTypeMapEntries> entries{};
    std::array<int16_t, paf::kPageTypes> listed{};  // pages actually listed per type
};

class PafFile {
public:
    // Results of open.
    static constexpr int kOpened = 1;
    static constexpr int kNotPafFile = -1;
    static constexpr int kCannotOpen = -2;

    PafFile() = default;
    ~PafFile();
    PafFile(const PafFile&) = delete;
    PafFile& operator=(const PafFile&) = delete;

    // Opens an existing file for reading: 1, -1 (not a readable PAF file, or one that
    // changed while it was read) or -2 (cannot be opened, or not a regular file: a
    // folder, named pipe, socket or device, checked without blocking; systemError()
    // then holds errno).
    int open(const std::string& path);
    // Opens an image held in memory (tests, fuzzing, imported GEDCOM): 1 or -1. An
    // imported GEDCOM file's image holds UTF-8; everything else holds Windows-1252.
    int openImage(std::vector<uint8_t> image, TextEncoding encoding = TextEncoding::Windows1252);
    int openImage(ZeroedBytes image, TextEncoding encoding = TextEncoding::Windows1252);
    void close();
    bool isOpen() const { return !data_.empty(); }

    int systemError() const { return systemError_; }
    // True when the last open gave -2 because the path is no regular file.
    bool notAFile() const { return notAFile_; }
    // Why the last open gave -1 or -2, in words, for the command line and logs.
    const std::string& openProblem() const { return openProblem_; }

    // File offset of record n of a table, or 0 when n is below 1 or outside the table.
    int64_t recordAddress(int pageType, int n, int recordSize, int recordsPerPage) const;
    // Reads record n into buffer (recordSize bytes). False, with the buffer zero-filled,
    // when the record has no address or cannot be read in full.
    bool readRecord(int pageType, int n, int recordSize, int recordsPerPage, std::span<uint8_t> buffer) const;
    bool readRecord(const paf::TableLayout& table, int n, std::span<uint8_t> buffer) const;

    // The text of the text record at offset, in UTF-8: at most 255 bytes as stored,
    // up to the NUL. No text for an offset below 1 or when fewer than 13 bytes can
    // be read.
    std::optional<std::string> readText(int64_t offset) const;
    // The same as stored (not converted), without copying: it points into window.
    using TextWindow = std::array<uint8_t, paf::text::kTextWindow>;
    std::optional<std::string_view> readStoredText(int64_t offset, TextWindow& window) const;
    // Stored text in UTF-8: the text itself when it needs no conversion, else its
    // conversion, kept in converted.
    std::string_view utf8Text(std::string_view stored, std::string& converted) const;
    // The name (UTF-8) of the name entry at offset, after checking its RIN and links.
    bool readNameEntry(int64_t offset, std::string& name, uint8_t& flag) const;
    TextEncoding textEncoding() const { return textEncoding_; }
    // True when record n of the table with that id is marked deleted.
    bool isDeleted(int tableId, int n) const;

    // The header's highest RIN and MRIN, but never more than the records the file can
    // hold (its table pages, and its size): a damaged header must not make the
    // reports size their per-RIN tables, or scan, beyond what the file holds.
    int32_t highestRin() const { return highestRin_; }
    int32_t highestMrin() const { return highestMrin_; }
    int32_t nameIndexRoot() const { return headerInt(paf::header::kNameIndexRoot); }
    int32_t nameIndexSize() const { return headerInt(paf::header::kNameIndexSize); }
    int32_t pageSpaceCount() const { return headerInt(paf::header::kSpaceCount); }
    int32_t pageCount(int space, int pageType) const;
    std::span<const uint8_t> header() const { return header_; }
    uint64_t fileSize() const { return data_.size(); }

private:
    int openBytes(std::span<const uint8_t> bytes, TextEncoding encoding);
    int openData(std::string& problem);
    bool buildPageTypeMap(int space, std::string& problem);
    bool checkPageCounts(std::string& problem) const;
    int32_t headerInt(int offset) const;
    int32_t recordCapacity(const paf::TableLayout& table) const;
    size_t readAt(int64_t offset, std::span<uint8_t> buffer) const;

    std::span<const uint8_t> data_;        // the whole file, as held in image_
    std::vector<uint8_t> image_;           // the file's bytes, read at open
    ZeroedBytes built_;                    // or an image built in memory
    std::array<uint8_t, paf::kHeaderSize> header_{};
    std::array<uint8_t, paf::kPageCountTableSize> pageCounts_{};
    std::vector<PageTypeMap> pageLists_;
    TextEncoding textEncoding_ = TextEncoding::Windows1252;
    int32_t highestRin_ = 0;
    int32_t highestMrin_ = 0;
    int systemError_ = 0;
    bool notAFile_ = false;
    std::string openProblem_;
};

}  // namespace tw
