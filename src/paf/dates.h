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

#include <array>
#include <cstdint>
#include <string_view>

#include "base/text_buffer.h"
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
    bool operator==(const DatePartValue&) const = default;
};

// Century tables: entry i is the day number of 1 January of the year 1101 + 100 * i
// (Julian calendar for 1101 to 1401, Gregorian for 1601 to 1901); the last entry only
// bounds the range. The tables differ only for 1501: Gregorian in A, Julian in B.
inline constexpr int kCenturyCount = 9;
inline constexpr int32_t kFirstCenturyYear = 1101;
inline constexpr int32_t kDaysPerJulianCentury = 36525;
inline constexpr int32_t kDayNumberLimit = 2555904;
inline constexpr int32_t kLastYearlessDayNumber = 365;
using CenturyStarts = std::array<int32_t, kCenturyCount + 1>;
inline constexpr CenturyStarts kCenturyStartsA{2123199, 2159724, 2196249, 2232774, 2269289,
                                               2305814, 2342338, 2378862, 2415386, kDayNumberLimit};
inline constexpr CenturyStarts kCenturyStartsB{2123199, 2159724, 2196249, 2232774, 2269299,
                                               2305814, 2342338, 2378862, 2415386, kDayNumberLimit};
// Selector 2 picks table B; every other value (0, 1, and damaged values) table A.
inline constexpr uint8_t kTableBSelector = 2;
inline const CenturyStarts& centuryStarts(uint8_t tableSelector) {
    return tableSelector == kTableBSelector ? kCenturyStartsB : kCenturyStartsA;
}

// Gregorian leap years; the day numbers use this rule in every century.
inline constexpr bool isLeapYear(int32_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}
inline constexpr std::array<int32_t, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The PafDate's bytes as the comment at the top of this file lays them out; the one
// place the decoder, the encoder and the GEDCOM import take them from.
namespace date_bytes {
inline constexpr uint8_t kKindMask = 0x0f;  // byte 0, bits 0-3
inline constexpr int kTextFlagShift = 4;    // byte 0, bits 4-5
inline constexpr uint8_t kTextFlagMask = 3;
inline constexpr size_t kCodeByte = 1;       // qualifier or status code
inline constexpr size_t kFirstPart = 2;
inline constexpr size_t kSecondPart = 7;
inline constexpr size_t kTextOffset = 2;     // of a date kept as text
inline constexpr size_t kPartFlags = 1;      // within a date part
inline constexpr size_t kPartDayNumber = 2;  // within a date part, 24 bits
inline constexpr uint8_t kKindStatus = 1;
inline constexpr uint8_t kKindSingle = 2;
inline constexpr uint8_t kKindRange = 3;
inline constexpr uint8_t kKindBetween = 4;
}  // namespace date_bytes
inline constexpr int32_t kDaysPer4Years = 4 * 365 + 1;

inline constexpr uint8_t kMonthUnknown = 0x40;
inline constexpr uint8_t kDayUnknown = 0x20;
inline constexpr uint8_t kDateStoredAsText = 2;

// Decodes a date. A kind above 4 shows "Unknown date type" and ends the program.
DecodedDate decodeDate(PafContext& ctx, const PafDate& date);
bool isEmptyDate(const DecodedDate& decoded);
// Day, month and year of one date part (table selector, flags, day number).
DatePartValue dayNumberToDate(uint8_t tableSelector, uint8_t flags, int32_t dayNumber);

// The month (1 to 12) as dates show it ("Jan"), and its whole name ("January"), in
// the language in use; empty for any other number.
std::string_view monthAbbreviation(int32_t month);
std::string_view monthName(int32_t month);

TextBuffer formatDate(const DecodedDate& decoded);
TextBuffer formatOrdinanceDate(const DecodedDate& decoded);
TextBuffer formatDateText(PafContext& ctx, const PafDate& date);
int compareDates(const DecodedDate& a, const DecodedDate& b);
int birthYear(PafContext& ctx, const IndividualRecord& person);
// The last year a date names, as the browse list shows it beside a name: the second
// year of a range or a dual date ("600/601" gives 601), else the first; for a date
// stored as text, the last number of three or four digits in the text ("Abt 1850");
// 0 when the date names no year.
int32_t lastYearOf(PafContext& ctx, const PafDate& date);
TextBuffer todayText(PafContext& ctx);
void setTextDateYears(PafContext& ctx, bool on);

}  // namespace tw
