#pragma once
// The family text format: a readable, line-based description of a family, from which
// famtext2paf builds a PAF file (the demo family in samples/ is written in it).
//
//   # a comment, to the end of the line
//   person 1 sex M name "Tobias /Quillfeather/" birth "12 JAN 1850" place "Harrowmere"
//       chr "ABT 1850" death "BET 1901 AND 1903" burial "TEXT:Abt 1903"
//       baptism "3 MAR 1990" endowment "STATUS:CHILD" sealing-to-parents "STATUS:BIC"
//       marriages 4 7
//   person 2 deleted
//   family 1 husband 1 wife 3 children 5 6 7 date "JUN 1875" place "..." sealing "..."
//   family 2 deleted
//
// A record starts at the beginning of a line; an indented line continues the record
// above it. Values are bare words or "quoted" strings (\" and \\ inside quotes).
// People and families are numbered 1, 2, 3... without gaps, in any order; the numbers
// become the RINs and MRINs of the file. Text is UTF-8 and is stored in Windows-1252
// (characters without a Windows-1252 form become "?").
//
// Person fields: sex M, F or U (unknown); name (surname between slashes); the events
// birth, chr, death and burial; place (the birth place); the ordinances baptism,
// endowment and sealing-to-parents; marriages (the person's families in the order of
// the marriage chain, when it is not the order of the family numbers); deleted.
// Family fields: husband, wife, children (in birth order), date and place of the
// marriage, sealing (to spouse), deleted.
//
// Date phrases:
//   12 JAN 1850   JAN 1850   1850   12 JAN        full, month and year, year, no year
//   ABT / AFT / BEF / EST / CAL + a date          qualified (also DNS, STILLBORN, UNCLEARED)
//   12 FEB 1750/51                                dual year
//   FROM 1850 TO 1851     BET 1850 AND 1852       two dates
//   @#DJULIAN@ 3 MAR 1580                         counted in the Julian century table
//   TEXT:Abt 1750                                 stored as text, exactly as written
//   STATUS:BIC                                    a status without a date (BIC, AFT,
//                                                 CHILD, CLEARED, CAL, DNS, STILLBORN,
//                                                 UNCLEARED, or a code 0..22)

#include <string>
#include <string_view>
#include <vector>

#include "paf/date_phrase.h"
#include "paf/paf_writer.h"

namespace tw {

struct FamilyTextError {
    int line = 0;  // 1-based; 0 for a problem of the file as a whole
    std::string message;
    bool operator==(const FamilyTextError&) const = default;
};

struct FamilyText {
    WriterFamily family;
    std::vector<FamilyTextError> errors;  // empty when the whole text was read
    bool ok() const { return errors.empty(); }
};

// Reads a family text. On errors the family is incomplete and must not be written.
FamilyText parseFamilyText(std::string_view text);

}  // namespace tw
