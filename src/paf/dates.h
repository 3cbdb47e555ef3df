#pragma once
// Event dates: decoding the 12-byte PafDate, the display texts of events and of LDS
// ordinances, the order of two dates, the birth year beside a name, and today's
// date for page headings. Encoding (the inverse, for PafWriter and GEDCOM import)
// is in date_encoding.h.
//
// PafDate byte 0: bits 0-3 the kind (0 none, 1 status only, 2 one date, 3 and 4 two
// dates), bits 4-5 the text flag (2: bytes 2-5 are the offset of a text record
// holding the date as entered). Byte 1: qualifier or status code 0..22. Bytes 2-6
// and 7-11: the first and second date parts: byte 0 the century table (0 or 1 table
// A, 2 table B), byte 1 flags (0x40 month unknown, 0x20 day unknown), bytes 2-4 the
// day number (24-bit; 1 January 1901 is 2415386; 1..365 carry no year).

#include <cstdint>

#include "output/text_buffer.h"
#include "paf/paf_context.h"
#include "paf/records.h"

namespace tw {

struct DecodedDate {
    uint8_t kind = 0;
    PafDate raw;
    uint8_t textFlag = 0;
    uint8_t statusCode = 0;   // byte 1 for kind 1
    int32_t dayNumber = 0;    // the first part's day number
    TextBuffer qualifier;     // table A word for kinds 2..4
    int32_t day1 = 0, month1 = 0, year1 = 0;
    int32_t day2 = 0, month2 = 0, year2 = 0;
};

struct DatePartValue {
    int32_t day = 0, month = 0, year = 0;
};

inline constexpr uint8_t kMonthUnknown = 0x40;
inline constexpr uint8_t kDayUnknown = 0x20;
inline constexpr uint8_t kDateStoredAsText = 2;

// Decodes a date. A kind above 4 shows "Unknown date type" and ends the program.
DecodedDate decodeDate(PafContext& ctx, const PafDate& date);
bool isEmptyDate(const DecodedDate& decoded);
// Day, month and year of one date part (table selector, flags, day number).
DatePartValue dayNumberToDate(uint8_t tableSelector, uint8_t flags, int32_t dayNumber);

TextBuffer formatDate(const DecodedDate& decoded);
TextBuffer formatOrdinanceDate(const DecodedDate& decoded);
TextBuffer formatDateText(PafContext& ctx, const PafDate& date);
int compareDates(const DecodedDate& a, const DecodedDate& b);
int birthYear(PafContext& ctx, const IndividualRecord& person);
TextBuffer todayText(PafContext& ctx);
void setTextDateYears(PafContext& ctx, bool on);

}  // namespace tw
