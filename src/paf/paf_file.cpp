#include "paf/paf_file.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "base/translation.h"
#include "paf/byte_order.h"
#include "paf/codepage.h"
#include "paf/file_bytes.h"

namespace tw {

namespace {

// PAF offsets are 32-bit.
constexpr uint64_t kMaxFileBytes = uint64_t(1) << 31;

// Why a file with this start (its first kHeaderSize bytes, or all of a shorter
// file) is no PAF file; empty when its header may be one.
std::string headerProblem(std::span<const uint8_t> start) {
    if (start.size() < size_t(paf::kHeaderSize))
        return fillIn(TW_TR("Messages", "the file is too short for a PAF header: bytes %1"), {std::to_string(start.size())});
    if (std::memcmp(start.data() + paf::header::kSignature, "PAF", 4) != 0) return std::string(TW_TR("Messages", "the file has no PAF signature"));
    const int32_t spaces = readInt32le(start, size_t(paf::header::kSpaceCount));
    if (spaces < 1 || spaces > paf::kMaxPageSpaces)
        return fillIn(TW_TR("Messages", "the header announces an impossible number of page spaces: %1"), {std::to_string(spaces)});
    return {};
}

}  // namespace

PafFile::~PafFile() { close(); }

int PafFile::open(const std::string& path) {
    close();
    notAFile_ = false;
    systemError_ = 0;
    openProblem_.clear();
    if (path.empty() || path.find('\0') != std::string::npos) {
        openProblem_ = TW_TR("Messages", "the path cannot be used");
        return kNotPafFile;
    }
    // The header is read on its own first: a file that is no PAF file (a large one
    // above all) is refused by it, without reading the rest.
    std::vector<uint8_t> start;
    if (readFileStart(path, paf::kHeaderSize, start).ok()) {
        openProblem_ = headerProblem(start);
        if (!openProblem_.empty()) return kNotPafFile;
    }
    ZeroedBytes bytes;
    const FileRead read = readWholeFile(path, kMaxFileBytes, bytes);
    openProblem_ = read.problem;
    systemError_ = read.systemError;
    notAFile_ = read.result == FileReadResult::NotAFile;
    switch (read.result) {
    case FileReadResult::Read: return openImage(std::move(bytes));
    case FileReadResult::CannotOpen:
    case FileReadResult::NotAFile: return kCannotOpen;
    case FileReadResult::TooLarge:
    case FileReadResult::Changed: break;
    }
    return kNotPafFile;
}

int PafFile::openImage(std::vector<uint8_t> image, TextEncoding encoding) {
    close();
    image_ = std::move(image);
    return openBytes(image_, encoding);
}

int PafFile::openImage(ZeroedBytes image, TextEncoding encoding) {
    close();
    built_ = std::move(image);
    return openBytes(built_.span(), encoding);
}

int PafFile::openBytes(std::span<const uint8_t> bytes, TextEncoding encoding) {
    textEncoding_ = encoding;
    systemError_ = 0;
    openProblem_.clear();
    openProblem_ = headerProblem(bytes.first(std::min(bytes.size(), size_t(paf::kHeaderSize))));
    if (!openProblem_.empty()) {
        close();
        return kNotPafFile;
    }
    data_ = bytes;
    const int result = openData(openProblem_);
    if (result != kOpened) close();
    return result;
}

// Checks the header, builds the page lists of every space and reads the page counts.
int PafFile::openData(std::string& problem) {
    std::copy_n(data_.begin(), paf::kHeaderSize, header_.begin());
    const int32_t spaces = headerInt(paf::header::kSpaceCount);  // checked by headerProblem
    for (int s = 0; s < spaces; ++s) {
        if (!buildPageTypeMap(s, problem)) return kNotPafFile;
    }
    if (readAt(paf::kPageCountTableOffset, pageCounts_) < pageCounts_.size()) {
        problem = TW_TR("Messages", "the page-count table is cut short");
        return kNotPafFile;
    }
    if (!checkPageCounts(problem)) return kNotPafFile;
    highestRin_ = std::min(headerInt(paf::header::kHighestRin), recordCapacity(paf::kIndividuals));
    highestMrin_ = std::min(headerInt(paf::header::kHighestMrin), recordCapacity(paf::kMarriages));
    return kOpened;
}

bool PafFile::buildPageTypeMap(int space, std::string& problem) {
    std::array<uint8_t, paf::kPageSize> map{};
    if (readAt(paf::spaceStart(space), map) < map.size()) {
        problem = fillIn(TW_TR("Messages", "the page-type map of page space %1 is cut short"), {std::to_string(space)});
        return false;
    }
    if (map[0] != paf::kMapPageType) {
        problem = fillIn(TW_TR("Messages", "the page-type map of page space %1 does not start with its own type"),
                         {std::to_string(space)});
        return false;
    }
    PageTypeMap& list = pageLists_.emplace_back();
    std::array<int, paf::kPageTypes> counted{};
    for (int p = 0; p < paf::kPageSize; ++p) {
        const auto v = static_cast<int8_t>(map[size_t(p)]);
        if (v >= 1 && v <= paf::kPageTypes) ++counted[size_t(v - 1)];
    }
    int running = 0;
    for (int t = 0; t < paf::kPageTypes; ++t) {
        list.entries[size_t(t)] = int16_t(running + paf::kPageTypes);
        running += counted[size_t(t)];
    }
    for (int p = 1; p < paf::kPageSize; ++p) {
        const auto v = static_cast<int8_t>(map[size_t(p)]);
        if (v < 1 || v > paf::kPageTypes) continue;
        const size_t at = size_t(list.entries[size_t(v - 1)] + list.listed[size_t(v - 1)]);
        list.entries[at] = int16_t(p);
        ++list.listed[size_t(v - 1)];
    }
    return true;
}

// A page count larger than the pages the map lists would address pages of another
// table; such a file is damaged.
bool PafFile::checkPageCounts(std::string& problem) const {
    for (const auto& table : paf::kAllTables) {
        for (int s = 0; s < int(pageLists_.size()); ++s) {
            const int counted = pageCount(s, table.pageType);
            const int listed = pageLists_[size_t(s)].listed[size_t(table.pageType - 1)];
            if (counted < 0 || counted > listed) {
                problem = fillIn(TW_TR("Messages", "the page-count table gives %1 pages of type %2 in page space %3, but its map lists %4"),
                                 {std::to_string(counted), std::to_string(table.pageType), std::to_string(s),
                                  std::to_string(listed)});
                return false;
            }
        }
    }
    return true;
}

// The records of a table that the page counts provide, and that fit in the file.
int32_t PafFile::recordCapacity(const paf::TableLayout& table) const {
    int64_t records = 0;
    for (int s = 0; s < int(pageLists_.size()); ++s) records += int64_t(pageCount(s, table.pageType)) * table.recordsPerPage;
    return int32_t(std::min({records, int64_t(data_.size() / size_t(table.recordSize)),
                             int64_t(std::numeric_limits<int32_t>::max())}));
}

void PafFile::close() {
    image_.clear();
    image_.shrink_to_fit();
    built_ = ZeroedBytes();
    data_ = {};
    pageLists_.clear();
    header_.fill(0);
    pageCounts_.fill(0);
    highestRin_ = 0;
    highestMrin_ = 0;
    textEncoding_ = TextEncoding::Windows1252;
}

int32_t PafFile::headerInt(int offset) const { return readInt32le(header_, size_t(offset)); }

int32_t PafFile::pageCount(int space, int pageType) const {
    if (space < 0 || space >= paf::kPageCountRows || pageType < 1 || pageType > paf::kPageTypes) return 0;
    return readInt16le(pageCounts_, size_t(space * paf::kPageTypes + pageType - 1) * 2);
}

// Copies what the file holds at offset into buffer; returns the bytes copied.
size_t PafFile::readAt(int64_t offset, std::span<uint8_t> buffer) const {
    if (offset < 0 || uint64_t(offset) >= data_.size()) return 0;
    const size_t n = std::min(buffer.size(), data_.size() - size_t(offset));
    std::memcpy(buffer.data(), data_.data() + offset, n);
    return n;
}

int64_t PafFile::recordAddress(int pageType, int n, int recordSize, int recordsPerPage) const {
    if (n < 1 || pageType < 1 || pageType > paf::kPageTypes || recordsPerPage < 1 || recordSize < 1) return 0;
    int64_t before = 0;
    for (int s = 0; s < paf::kMaxPageSpaces; ++s) {
        const int64_t capacity = int64_t(pageCount(s, pageType)) * recordsPerPage;
        if (before + capacity < n) {
            before += capacity;
            continue;
        }
        if (s >= int(pageLists_.size())) return 0;
        const PageTypeMap& list = pageLists_[size_t(s)];
        const int64_t local = n - before;
        const int64_t k = (local - 1) / recordsPerPage;
        if (k >= list.listed[size_t(pageType - 1)]) return 0;
        const int page = list.entries[size_t(list.entries[size_t(pageType - 1)] + k)];
        if (page < 1 || page > paf::kPagesPerSpace) return 0;
        const int64_t slot = (local - 1) % recordsPerPage;
        return paf::pageOffset(s, page) + slot * recordSize;
    }
    return 0;
}

bool PafFile::readRecord(int pageType, int n, int recordSize, int recordsPerPage, std::span<uint8_t> buffer) const {
    std::fill(buffer.begin(), buffer.end(), uint8_t(0));
    const int64_t address = recordAddress(pageType, n, recordSize, recordsPerPage);
    if (address == 0 || buffer.size() < size_t(recordSize)) return false;
    if (readAt(address, buffer.first(size_t(recordSize))) == size_t(recordSize)) return true;
    std::fill(buffer.begin(), buffer.end(), uint8_t(0));
    return false;
}

bool PafFile::readRecord(const paf::TableLayout& table, int n, std::span<uint8_t> buffer) const {
    return readRecord(table.pageType, n, table.recordSize, table.recordsPerPage, buffer);
}

std::optional<std::string> PafFile::readText(int64_t offset) const {
    TextWindow window;
    const auto text = readStoredText(offset, window);
    if (!text) return std::nullopt;
    std::string converted;
    return std::string(utf8Text(*text, converted));
}

std::string_view PafFile::utf8Text(std::string_view stored, std::string& converted) const {
    if (textEncoding_ == TextEncoding::Utf8) return stored;
    const bool ascii = std::all_of(stored.begin(), stored.end(), [](char c) { return uint8_t(c) < 0x80; });
    if (ascii) return stored;
    converted = windows1252ToUtf8(stored);
    return converted;
}

std::optional<std::string_view> PafFile::readStoredText(int64_t offset, TextWindow& window) const {
    if (offset < 1) return std::nullopt;
    window.fill(0);
    if (readAt(offset, window) < size_t(paf::text::kTextStart)) return std::nullopt;
    window.back() = 0;
    const auto* start = reinterpret_cast<const char*>(window.data()) + paf::text::kTextStart;
    return std::string_view(start, strnlen(start, window.size() - paf::text::kTextStart));
}

bool PafFile::readNameEntry(int64_t offset, std::string& name, uint8_t& flag) const {
    name.clear();
    if (offset < 1) return false;
    std::array<uint8_t, paf::nameentry::kWindow> window{};
    if (readAt(offset, window) < size_t(paf::nameentry::kNameStart)) return false;
    const int32_t rin = readInt32le(window, paf::nameentry::kRin);
    if (rin < 1 || rin > highestRin_) return false;
    const int32_t low = headerInt(paf::header::kNameLinkLow);
    const int32_t high = headerInt(paf::header::kNameLinkHigh);
    for (const int link : {paf::nameentry::kLinkB, paf::nameentry::kLinkA}) {
        const int32_t value = readInt32le(window, size_t(link));
        if (value != 0 && (value < low || value > high)) return false;
    }
    window.back() = 0;
    const auto* start = reinterpret_cast<const char*>(window.data()) + paf::nameentry::kNameStart;
    std::string converted;
    name.assign(utf8Text(std::string_view(start, strnlen(start, 255)), converted));
    flag = window[paf::nameentry::kFlag];
    return true;
}

bool PafFile::isDeleted(int tableId, int n) const {
    for (const auto& table : paf::kAllTables) {
        if (table.deletedTableId == 0 || table.deletedTableId != tableId) continue;
        std::array<uint8_t, 512> buffer;
        const auto record = std::span<uint8_t>(buffer).first(size_t(table.recordSize));
        readRecord(table, n, record);
        return record[size_t(table.statusOffset)] == uint8_t(table.deletedMark);
    }
    return false;
}

}  // namespace tw
