#pragma once
// GEDCOM import: reads a lineage-linked GEDCOM file (5.5, 5.5.1 or 7.0) into a
// family for PafWriter. Every INDI record becomes one individual and every FAM
// record one marriage, numbered in file order (RIN 1 is the first INDI, MRIN 1 the
// first FAM). What the file holds beyond what a PAF record keeps (notes, sources,
// other events, custom tags) is passed over.
//
// Problems that leave the rest of the file readable (a malformed line, a link to a
// record that does not exist, a child listed twice) are dropped with a warning that
// names the line; only a file that is not GEDCOM at all is refused.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/gedcom_limits.h"  // the limits of the import
#include "paf/paf_writer.h"

namespace tw::gedcom {

// Asked now and then while the records are read (every few thousand lines): false
// stops the import, which then fails with the error kImportStopped.
using KeepImporting = std::function<bool()>;
inline constexpr std::string_view kImportStopped = "the import was stopped";

struct ImportOptions {
    // The family's text in Windows-1252, as a PAF file on disk holds it: letters it
    // lacks become their plain letters (utf8ToPlainWindows1252).
    bool windows1252 = false;
    KeepImporting keepGoing;  // empty: the import runs to the end
};

struct ImportCounts {
    size_t lines = 0;
    size_t children = 0;  // child links written (CHIL, and FAMC lines no CHIL matched)
    size_t dates = 0;     // event and ordinance dates kept
    size_t textDates = 0; // of those, dates kept as text
    size_t reducedTexts = 0;  // names and places that Windows-1252 text changed
};

struct ImportResult {
    PackedFamily family;
    // "line N: ..." for every problem that was passed over (at most kMaxWarnings,
    // then one line that says how many more there were).
    std::vector<std::string> warnings;
    size_t problems = 0;  // every problem passed over, listed in warnings or not
    // Why nothing could be imported (the file is not GEDCOM, cannot be read); empty
    // when the family holds the file's data.
    std::string error;
    // With an error: true when the file could not be read at all (it is missing, may
    // not be read, or is no regular file), false when what it holds is no GEDCOM data.
    bool unreadable = false;
    ImportCounts counts;
    bool ok() const { return error.empty(); }
};

// Imports GEDCOM from the bytes of a file, in any of the encodings GEDCOM allows.
// The family's text (names, places, dates kept as text) is UTF-8 (or Windows-1252
// when the options ask for it), each at most the 255 bytes PAF holds.
ImportResult importGedcom(std::string_view bytes, const ImportOptions& options = {});
// Reads the file (only reads it) and imports it. The file's bytes are let go before
// it returns (a file converted to UTF-8, as soon as it is converted).
ImportResult importGedcomFile(const std::string& path, const ImportOptions& options = {});

}  // namespace tw::gedcom
