#include "paf/date_encoding.h"

#include <algorithm>
#include <span>

#include "paf/byte_order.h"
#include "paf/dates.h"

namespace tw {

namespace {

using namespace date_bytes;

// Days from 1 January to the date in a common or a leap year.
int32_t dayOfYear(int32_t day, int32_t month, bool leap) {
    int32_t days = day - 1;
    for (int32_t m = 1; m < month; ++m) days += kMonthLengths[size_t(m - 1)];
    if (leap && month > 2) ++days;
    return days;
}

void writePart(PafDate& date, size_t at, DateValue value, CenturyTable table) {
    if (value.day == 0 && value.month == 0 && value.year == 0) return;  // no date: all zeros
    const std::span<uint8_t> bytes(date.bytes);
    bytes[at] = uint8_t(table);
    bytes[at + 1] = uint8_t((value.month == 0 ? kMonthUnknown : 0) | (value.day == 0 ? kDayUnknown : 0));
    writeUint24le(bytes, at + 2, uint32_t(dateToDayNumber(value, table)));
}

}  // namespace

int32_t dateToDayNumber(DateValue date, CenturyTable table) {
    const int32_t day = date.day == 0 ? 1 : date.day;
    const int32_t month = date.month == 0 ? 1 : date.month;
    const int32_t year = date.year;
    if (month < 1 || month > 12 || day < 1) return 0;
    const bool leap = year != 0 && isLeapYear(year);  // a year-less date counts in a common year
    const int32_t monthLength = kMonthLengths[size_t(month - 1)] + (leap && month == 2 ? 1 : 0);
    if (day > monthLength) return 0;

    int64_t number = dayOfYear(day, month, leap);
    if (year != 0) {
        // The century the decoder counts the year in, and where that century starts.
        const CenturyStarts& starts = centuryStarts(uint8_t(table));
        int64_t baseYear = 0;
        int64_t start = 0;
        if (year >= kFirstCenturyYear) {
            const int64_t index = std::min<int64_t>((int64_t(year) - kFirstCenturyYear) / 100, kCenturyCount - 1);
            baseYear = kFirstCenturyYear + 100 * index;
            start = starts[size_t(index)];
        } else {
            const int64_t centuriesBack = (int64_t(kFirstCenturyYear) - year + 99) / 100;
            baseYear = kFirstCenturyYear - 100 * centuriesBack;
            start = starts[0] - kDaysPerJulianCentury * centuriesBack;
        }
        const int64_t yearsIn = year - baseYear;
        number += start + int64_t(kDaysPer4Years) * (yearsIn / 4) + 365 * (yearsIn % 4);
        if (number <= kLastYearlessDayNumber) return 0;
    }
    if (number <= 0 || number >= kDayNumberLimit) return 0;

    // Some dates have no day number: the last days of a century that the tables make
    // short (1500 in table A, 1600 in table B) fall into the next century, and a
    // year-less 1 January or 29 February has none. Only a number that decodes back to
    // the same date is returned.
    const DatePartValue back = dayNumberToDate(uint8_t(table), 0, int32_t(number));
    if (back != DatePartValue{day, month, year}) return 0;
    return int32_t(number);
}

PafDate makeDate(DateValue date, uint8_t qualifier, CenturyTable table) {
    PafDate result;
    result.bytes[0] = kKindSingle;
    result.bytes[1] = qualifier;
    writePart(result, kFirstPart, date, table);
    return result;
}

PafDate makeDateRange(DateValue first, DateValue second, uint8_t kind, uint8_t qualifier, CenturyTable table) {
    PafDate result;
    result.bytes[0] = kind == kKindBetween ? kKindBetween : kKindRange;
    result.bytes[1] = qualifier;
    writePart(result, kFirstPart, first, table);
    writePart(result, kSecondPart, second, table);
    return result;
}

PafDate makeStatusDate(uint8_t statusCode) {
    PafDate result;
    result.bytes[0] = kKindStatus;
    result.bytes[1] = statusCode;
    return result;
}

PafDate makeTextDate(int32_t textRecordOffset) {
    PafDate result;
    result.bytes[0] = uint8_t(kKindSingle | kDateStoredAsText << kTextFlagShift);
    writeInt32le(std::span<uint8_t>(result.bytes), kTextOffset, textRecordOffset);
    return result;
}

}  // namespace tw
