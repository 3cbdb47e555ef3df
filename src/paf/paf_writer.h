#pragma once
// PafWriter: builds PAF 5 images from a family held in memory: the header, the
// page-count table, the page-type maps, the record pages of individuals, marriages,
// child links and name-index nodes, name entries, and text records for places and
// dates stored as text. Everything it writes reads back identically through PafFile.
// Tests build their families with it (WriterFamily); GEDCOM import fills the compact
// PackedFamily, which holds a family of millions in a fraction of the memory.

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "paf/record_blocks.h"
#include "paf/records.h"
#include "paf/zeroed_bytes.h"

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

// A family in the compact form the writer builds its images from, some 60 bytes a
// person and 30 a marriage besides their text: the GEDCOM import fills one record by
// record, and a WriterFamily is packed into one. People and marriages are records in
// RIN and MRIN order (appendPerson, appendMarriage); the links between them are
// tables of their own, set once known.
struct PackedFamily {
    struct Couple {
        int32_t husband = 0;
        int32_t wife = 0;
    };
    RecordBlocks people;     // name, sex, deleted mark, birth place and dates of each person
    RecordBlocks marriages;  // date, place, sealing and deleted mark of each marriage
    std::vector<Couple> couples;  // by MRIN - 1
    // The children of MRIN m are children[childStart[m - 1]] .. children[childStart[m] - 1],
    // in the family's child order; childStart holds a last entry after the last
    // marriage (or is empty when no marriage has children).
    std::vector<uint32_t> childStart;
    std::vector<int32_t> children;
    // Sealings to parents by the child's place in children (its child link number - 1),
    // ascending.
    std::vector<std::pair<uint32_t, WriterDate>> childSealings;
    // Each person's own marriages in chain order, for those who have them in another
    // order than by MRIN; by RIN, ascending.
    std::vector<std::pair<int32_t, std::vector<int32_t>>> marriageOrders;

    size_t personCount() const { return people.count(); }
    size_t marriageCount() const { return marriages.count(); }
    std::span<const int32_t> childrenOf(int32_t mrin) const;
};

// Appends the person as RIN personCount() + 1 (without the marriage order).
void appendPerson(PackedFamily& family, const WriterPerson& person);
// Appends the marriage as MRIN marriageCount() + 1 with its couple (without its
// children and their sealings).
void appendMarriage(PackedFamily& family, const WriterMarriage& marriage);
// The whole family, packed.
PackedFamily packFamily(const WriterFamily& family);
// The family as a WriterFamily again, to look at field by field.
WriterFamily unpackFamily(const PackedFamily& family);

struct WriterOptions {
    // At most this many pages of each record table per page space (0: no limit), so
    // that tables spread over several page spaces. Each space is 64 MiB of file.
    int maxTablePagesPerSpace = 0;
};

// A PAF image held in memory as one block of bytes.
class PafImage {
public:
    // Empty when the family was written; otherwise why it could not be.
    const std::string& error() const { return error_; }
    uint64_t size() const { return bytes_.size(); }
    std::span<const uint8_t> bytes() const { return bytes_.span(); }
    // A copy of the whole image.
    std::vector<uint8_t> flatten() const;
    // The bytes themselves, for PafFile::openImage; the image is empty afterwards.
    ZeroedBytes release() { return std::move(bytes_); }

    // Used by the writer.
    void allocate(size_t size) { bytes_ = ZeroedBytes(size); }
    std::span<uint8_t> region(uint64_t start, size_t length) { return bytes_.span().subspan(size_t(start), length); }
    void setError(std::string error) { error_ = std::move(error); }

private:
    ZeroedBytes bytes_;
    std::string error_;
};

// Builds the image of a packed family, handing the family's memory back as its
// records are written: the family is empty afterwards.
PafImage buildPafImage(PackedFamily&& family, const WriterOptions& options = {});
PafImage buildPafImage(const WriterFamily& family, const WriterOptions& options = {});

}  // namespace tw
