#pragma once
// GEDCOM dates onto PAF dates.

#include <string_view>

#include "paf/paf_writer.h"

namespace tw::gedcom {

// A GEDCOM date value (UTF-8) as a PAF date: exact dates with or without day and
// month; ABT, AFT, BEF, EST and CAL as qualifiers; BET..AND and FROM..TO as the two
// kinds of two-date values; dual years (1750/51, and 1456-1457 as some programs
// write them) as the first kind of two dates;
// Julian dates (@#DJULIAN@, or JULIAN in GEDCOM 7) counted in the Julian century
// table; exact dates spelled out the way some programs write them ("Tuesday, 9th
// November 1841") read as the date they name. Anything else (other calendars, INT and date phrases, B.C. years, dates a
// PAF date cannot hold) is kept as a date stored as text, in UTF-8.
WriterDate gedcomDate(std::string_view value);

// An ordinance's STAT value without a date (BIC, CHILD, CLEARED, DNS, STILLBORN,
// UNCLEARED) as a status date; false for any other status.
bool gedcomOrdinanceStatus(std::string_view stat, WriterDate& date);

}  // namespace tw::gedcom
