#pragma once
// The records of the PAF data file that reports read (individuals, marriages,
// child links, name-index nodes), their typed readers, the name accessors, the
// checks of a typed RIN or MRIN, and the fatal stop for unreadable links.

#include <array>
#include <cstdint>
#include <string_view>

#include "base/text_buffer.h"
#include "paf/paf_context.h"
#include "paf/paf_layout.h"

namespace tw {

// An event date as stored in a record (12 bytes; decoded by decodeDate).
struct PafDate {
    std::array<uint8_t, paf::kDateSize> bytes{};
    bool operator==(const PafDate&) const = default;
};

struct IndividualRecord {
    int32_t nameOffset = 0;   // file offset of the name entry
    int32_t firstMrin = 0;    // first own marriage; the rest chain through the marriages
    int32_t childLink = 0;    // child link that makes this person a child of a family
    PafDate birth;
    int32_t birthPlaceOffset = 0;
    PafDate christening;
    PafDate death;
    PafDate burial;
    PafDate baptism;          // ordinance
    PafDate endowment;        // ordinance
    char sex = 0;             // 'M', 'F', 'D' (deleted record), anything else unknown

    bool isDeleted() const { return sex == 'D'; }
};

struct MarriageRecord {
    int32_t husband = 0;
    int32_t wife = 0;
    int32_t firstChildLink = 0;
    int32_t husbandNext = 0;  // the husband's next marriage
    int32_t wifeNext = 0;     // the wife's next marriage
    PafDate date;
    int32_t placeOffset = 0;
    PafDate sealing;          // ordinance: sealing to spouse
    char status = 0;          // 'D' deleted

    bool isDeleted() const { return status == 'D'; }
    // The next marriage in the chain of the partner with this sex ('M' husband, else wife).
    int32_t nextFor(char sex) const { return sex == 'M' ? husbandNext : wifeNext; }
};

struct ChildLinkRecord {
    int32_t mrin = 0;         // the parents' marriage
    int32_t next = 0;         // next child link of the same family (circular)
    int32_t child = 0;        // RIN of the child
    PafDate sealing;          // ordinance: sealing to parents
    char status = 0;
};

struct NameNode {
    int32_t right = 0;        // names after this one
    int32_t left = 0;         // names before this one
    int32_t nameEntry = 0;    // file offset of the name entry
};

// Typed readers: true on success; on failure the record is all zeros.
bool readIndividual(const PafFile& file, int32_t rin, IndividualRecord& record);
bool readMarriage(const PafFile& file, int32_t mrin, MarriageRecord& record);
bool readChildLink(const PafFile& file, int32_t n, ChildLinkRecord& record);
bool readNameNode(const PafFile& file, int32_t n, NameNode& record);

// The corrupt-data message (once per run) for a report that then counts as stopped
// on bad data: the start-selection window is closed.
void reportCorruptDataAndCloseStart(PafContext& ctx, const CorruptDetail& detail);

// The individual's name as entered (surname between slashes). When the individual
// cannot be read: the message "The RIN is invalid" and the text "Invalid Rin".
TextBuffer individualName(PafContext& ctx, int32_t rin);
// "Invalid Rin" in the language in use: the name shown for an individual whose
// record cannot be read.
std::string_view invalidRinName();
// The same as the reports print it: without the slashes around the surname, the
// parts in the order entered with one blank between words, none at either end or
// before a comma ("Abu /Talib/ , Caliph" prints "Abu Talib, Caliph", "Adam //"
// prints "Adam").
TextBuffer individualNameNoSlashes(PafContext& ctx, int32_t rin);
// The names of an individual record just read (no second read of the record).
TextBuffer recordName(const PafFile& file, const IndividualRecord& person);
TextBuffer recordNameNoSlashes(const PafFile& file, const IndividualRecord& person);
// The same written into name, whose storage is reused.
void recordNameNoSlashes(const PafFile& file, const IndividualRecord& person, std::string& name);
// The text between the first "/" and the next one ("" when there is none).
TextBuffer surnameOf(const TextBuffer& name);

// Checks of a typed start number: true (after one message box) when it is unusable.
bool validateRin(PafContext& ctx, int32_t rin);
bool validateMrin(PafContext& ctx, int32_t mrin);

// Fatal stop for a link that points at a record that cannot be read: the message
// with the caption "myABORT a b" and the status kExitCorruptData, with what exactly
// is damaged as its detail. The run unwinds (Host::fatal).
[[noreturn]] void abortRun(PafContext& ctx, std::string_view message, int a, int b, const CorruptDetail& detail);

// The message for damaged data, in the language in use.
std::string_view corruptDataMessage();

}  // namespace tw
