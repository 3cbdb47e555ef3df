#pragma once
// PafWriter: builds PAF 5 images from a family held in memory: the header, the
// page-count table, the page-type maps, the record pages of individuals, marriages,
// child links and name-index nodes, name entries, and text records for places and
// dates stored as text. Everything it writes reads back identically through PafFile.
// Tests build their families with it; GEDCOM import writes through it.

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "paf/records.h"

namespace tw {

// An event date: an encoded PafDate, or (when text is not empty) a date stored as
// text, which the writer puts in a text record and points the date at.
struct WriterDate {
    PafDate value;
    std::string text;
    WriterDate() = default;
    WriterDate(const PafDate& v) : value(v) {}  // NOLINT: implicit on purpose
    static WriterDate asText(std::string t) { WriterDate d; d.text = std::move(t); return d; }
};

struct WriterPerson {
    std::string name;            // as PAF stores it: given names, then "/Surname/"
    char sex = 'M';              // 'M', 'F', or anything else for unknown
    bool deleted = false;        // written with the deleted mark 'D' instead of the sex
    WriterDate birth, christening, death, burial, baptism, endowment;
    std::string birthPlace;
    // The person's own marriages in chain order; empty: every marriage that names
    // the person, in MRIN order.
    std::vector<int32_t> marriageOrder;
};

struct WriterMarriage {
    int32_t husband = 0;
    int32_t wife = 0;
    std::vector<int32_t> children;   // in the family's child order
    std::vector<WriterDate> childSealings;  // optional, parallel to children
    WriterDate date;
    std::string place;
    WriterDate sealing;
    bool deleted = false;
};

// People are RIN 1.., marriages MRIN 1.., in vector order.
struct WriterFamily {
    std::vector<WriterPerson> people;
    std::vector<WriterMarriage> marriages;

    int32_t addPerson(WriterPerson p) { people.push_back(std::move(p)); return int32_t(people.size()); }
    int32_t addMarriage(WriterMarriage m) { marriages.push_back(std::move(m)); return int32_t(marriages.size()); }
    WriterPerson& person(int32_t rin) { return people.at(size_t(rin - 1)); }
    WriterMarriage& marriage(int32_t mrin) { return marriages.at(size_t(mrin - 1)); }
};

struct WriterOptions {
    // At most this many pages of each record table per page space (0: no limit), so
    // that tables spread over several page spaces. Each space is 64 MiB of file.
    int maxTablePagesPerSpace = 0;
};

// A PAF image held sparsely: the pages that hold data, and the size of the file.
class PafImage {
public:
    // Empty when the family was written; otherwise why it could not be.
    const std::string& error() const { return error_; }
    uint64_t size() const { return size_; }
    // The whole image as one byte vector (holes as zeros).
    std::vector<uint8_t> flatten() const;
    // The regions that hold data, by their start in the file (the rest is zeros).
    const std::map<uint64_t, std::vector<uint8_t>>& regions() const { return chunks_; }

    // Used by the writer: the zero-filled region of the given length that starts at
    // start (a page, or the block of header and page counts), created on first use.
    std::span<uint8_t> region(uint64_t start, size_t length);
    void setError(std::string error) { error_ = std::move(error); }

private:
    std::map<uint64_t, std::vector<uint8_t>> chunks_;  // region start -> bytes
    uint64_t size_ = 0;
    std::string error_;
};

PafImage buildPafImage(const WriterFamily& family, const WriterOptions& options = {});

}  // namespace tw
