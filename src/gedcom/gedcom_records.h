#pragma once
// GEDCOM records: the lines of a GEDCOM text read into INDI and FAM records, their
// links to each other, and the structures of them that a PAF record keeps (NAME,
// the events and the ordinances). The reader hands each of these to a RecordSink in
// file order, as soon as it has read it; what the file holds besides (HEAD, notes,
// sources, other records and tags) is passed over here.
//
// Lines that are not well formed are dropped with a warning that names the line.
// The views handed to the sink (ids and link targets) point into the text read and
// last only as long as the call; the reader itself keeps no view of a line once it
// has passed it, and tells the sink how far it is.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/gedcom_limits.h"

namespace tw::gedcom {

// The warnings of one import: "line N: ..." (or the text alone for line 0), at most
// kMaxWarnings of them; the rest are counted.
class Warnings {
public:
    explicit Warnings(std::vector<std::string>& list) : list_(list) {}
    void add(size_t line, const std::string& text);
    // After the last warning: one more line that says how many were left out, if any.
    void finish();
    // Every problem added, kept or not.
    size_t count() const { return count_; }

private:
    std::vector<std::string>& list_;
    size_t suppressed_ = 0;
    size_t count_ = 0;
};

enum class LinkKind : uint8_t { Husb, Wife, Chil, Famc, Fams };

// FAMC and FAMS of an INDI record, HUSB, WIFE and CHIL of a FAM record.
struct Link {
    int32_t owner;            // the record's number among the records of its kind, from 1
    uint32_t line;
    std::string_view target;  // "@I1@": a well-formed pointer, not yet looked up; during the call only
    LinkKind kind;
};

// The structures of INDI records (NAME to SLGC) and FAM records (MARR, SLGS) that
// fill fields of PAF records.
enum class Field : uint8_t { None, Name, Birth, Christening, Death, Burial, Baptism, Endowment, ChildSealing,
                             Marriage, Sealing };

// A level-1 structure with what its subordinate lines gave; the first DATE and PLAC
// count.
struct Structure {
    Field field = Field::None;
    uint32_t line = 0;
    std::string date;
    std::string value;  // NAME (with CONC/CONT)
    std::string place;  // PLAC (with CONC/CONT)
    std::string givn, surn, stat, famc;

    // Ready for the next structure (the strings keep their memory).
    void clear() {
        field = Field::None;
        line = 0;
        for (std::string* s : {&date, &value, &place, &givn, &surn, &stat, &famc}) s->clear();
    }
};

// Receives the records in file order. A record's lines come after it is started and
// before the next one is.
class RecordSink {
public:
    virtual ~RecordSink() = default;
    virtual void startPerson(std::string_view xref, uint32_t line) = 0;  // INDI
    virtual void startFamily(std::string_view xref, uint32_t line) = 0;  // FAM
    virtual void sex(char sex) = 0;                                      // 'M', 'F' or 'U'
    virtual void link(const Link& link) = 0;
    virtual void structure(const Structure& structure) = 0;
    // Now and then: nothing before this offset of the text is looked at again.
    virtual void passed(size_t /*offset*/) {}
    // Asked every few thousand lines: true ends the reading there.
    virtual bool stopped() { return false; }
};

// Why the UTF-8 text is not GEDCOM (its first line is not "0 HEAD"); empty when it is.
std::string headError(std::string_view text);
// The same judged from the start of a longer text, when the start alone shows it:
// empty when the text may be GEDCOM or only the rest can tell.
std::string headErrorOfStart(std::string_view start);

// Reads the records of a UTF-8 GEDCOM text (at most kMaxRecords of each kind) into
// the sink and returns the number of lines.
size_t readRecords(std::string_view text, RecordSink& sink, Warnings& warnings);

// Without blanks and tabs at either end.
std::string_view trimmed(std::string_view s);
// The start of a text for a warning, control characters shown as '?'.
std::string shown(std::string_view text);

}  // namespace tw::gedcom
