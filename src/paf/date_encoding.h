#pragma once
// Building PafDate values: the inverse of decodeDate, used by PafWriter and by
// GEDCOM import.

#include <cstdint>

#include "paf/records.h"

namespace tw {

enum class CenturyTable : uint8_t { A = 0, B = 2 };

// Qualifier codes of byte 1 (event words of table A).
enum DateQualifier : uint8_t {
    kQualNone = 0,
    kQualAbout = 1,
    kQualAfter = 2,
    kQualBefore = 3,
    kQualEstimated = 4,
    kQualCalculated = 5,
    kQualDns = 9,
    kQualStillborn = 14,
    kQualUncleared = 16,
};

// Ordinance status codes of byte 1 (table B words of a status-only date).
enum OrdinanceStatus : uint8_t {
    kOrdBic = 1,
    kOrdAfter = 2,   // "Aft"
    kOrdChild = 3,
    kOrdCleared = 4,
};

// A calendar date to encode; 0 marks an unknown day or month. year 0 with a day and
// month gives a year-less day number (1..365).
struct DateValue {
    int32_t day = 0;
    int32_t month = 0;
    int32_t year = 0;
};

// The day number that dayNumberToDate decodes back to the date's year, month and day
// (an unknown day or month encodes as the first day or month). 0 when the year is
// outside what the tables can hold.
int32_t dateToDayNumber(DateValue date, CenturyTable table = CenturyTable::A);

PafDate makeDate(DateValue date, uint8_t qualifier = kQualNone, CenturyTable table = CenturyTable::A);
// Two dates: kind 3 ("from/to" and dual years) or kind 4 ("between/and").
PafDate makeDateRange(DateValue first, DateValue second, uint8_t kind = 3, uint8_t qualifier = kQualNone,
                      CenturyTable table = CenturyTable::A);
// Kind 1: a status code only (ordinances: BIC, Child, Cleared...).
PafDate makeStatusDate(uint8_t statusCode);
// A date stored as text: the text record at the given file offset.
PafDate makeTextDate(int32_t textRecordOffset);

}  // namespace tw
