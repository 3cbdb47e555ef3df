#include "paf/dates.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <string>
#include <string_view>

#include "base/translation.h"
#include "paf/byte_order.h"

namespace tw {

namespace {

using namespace date_bytes;

// The codes 0 to 22 that name no word show as "Mod" and their number; a code byte
// of 23 or more shows nothing. The named codes are translated below.
constexpr std::array<const char*, 23> kCodeNames{
    "",      "",      "",      "",      "",          "",      "Mod6",      "Mod7",
    "Mod8",  "",      "Mod10", "Mod11", "Mod12",     "Mod13", "",          "Mod15",
    "",      "Mod17", "Mod18", "Mod19", "Mod20", "Mod21", "Mod22"};

// The words an event date and an ordinance date share for a code.
std::string_view sharedCodeWord(uint8_t code) {
    switch (code) {
    case 2: return TW_TR("Dates", "Aft");
    case 5: return TW_TR("Dates", "Cal");
    case 9: return TW_TR("Dates", "DNS");
    case 14: return TW_TR("Dates", "Stillborn");
    case 16: return TW_TR("Dates", "Uncleared");
    default: return code < kCodeNames.size() ? kCodeNames[code] : "";
    }
}

// The qualifier of an event date ("Abt"), empty for none.
std::string_view eventQualifier(uint8_t code) {
    switch (code) {
    case 1: return TW_TR("Dates", "Abt");
    case 3: return TW_TR("Dates", "Bef");
    case 4: return TW_TR("Dates", "Est");
    default: return sharedCodeWord(code);
    }
}

// The status of an ordinance ("BIC", "Child"), empty for none.
std::string_view ordinanceWord(uint8_t code) {
    switch (code) {
    case 1: return TW_TR("Dates", "BIC");
    case 3: return TW_TR("Dates", "Child");
    case 4: return TW_TR("Dates", "Cleared");
    default: return sharedCodeWord(code);
    }
}

DatePartValue decodePart(const PafDate& date, size_t at) {
    const std::span<const uint8_t> bytes(date.bytes);
    return dayNumberToDate(bytes[at], bytes[at + kPartFlags], int32_t(readUint24le(bytes, at + kPartDayNumber)));
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The year of a date stored as text such as "Abt 1850": the last four characters when
// they are digits and the text starts with "Abt ", "Bfr " or "Aft "; 0 otherwise.
int32_t yearOfTextDate(std::string_view text) {
    if (text.size() < 4) return 0;
    const std::string_view prefix = text.substr(0, 4);
    if (prefix != "Abt " && prefix != "Bfr " && prefix != "Aft ") return 0;
    const std::string_view digits = text.substr(text.size() - 4);
    if (!std::all_of(digits.begin(), digits.end(), isDigit)) return 0;
    int32_t year = 0;
    for (char c : digits) year = year * 10 + (c - '0');
    return year;
}

// The date without its qualifier: "12 Jan 1850", "1850/1851", "12 Jan 1850/Feb 1851", or
// "Out of range month" when a month or day cannot be printed.
TextBuffer dateText(const DecodedDate& d) {
    const bool monthsPrintable = d.month1 >= 0 && d.month1 <= 12 && d.month2 >= 0 && d.month2 <= 12;
    if (!monthsPrintable || d.day1 > 31) return TextBuffer(TW_TR("Dates", "Out of range month"));

    // Built in place: lists format a date for every line they print.
    std::array<char, 96> text;
    char* at = text.data();
    const auto number = [&](int32_t value) { at = std::to_chars(at, text.data() + text.size(), value).ptr; };
    // A month's word and the space after it; nothing for month 0.
    const auto month = [&](int32_t m) {
        if (m == 0) return;
        for (const char c : monthAbbreviation(m))
            if (at < text.data() + text.size() - 1) *at++ = c;
        *at++ = ' ';
    };
    if (d.day1 != 0) {
        number(d.day1);
        *at++ = ' ';
    }
    month(d.month1);
    if (d.year1 != 0) number(d.year1);
    if (d.year2 != 0) {
        *at++ = '/';
        if (d.day2 != 0) {
            number(d.day2);
            *at++ = ' ';
        }
    }
    month(d.month2);
    if (d.year2 != 0) number(d.year2);
    return TextBuffer(std::string_view(text.data(), size_t(at - text.data())));
}

bool leadingBytesZero(const PafDate& date) {
    return std::all_of(date.bytes.begin(), date.bytes.begin() + 4, [](uint8_t b) { return b == 0; });
}

}  // namespace

DecodedDate decodeDate(PafContext& ctx, const PafDate& date) {
    DecodedDate d;
    d.raw = date;
    const std::span<const uint8_t> bytes(date.bytes);
    d.kind = uint8_t(bytes[0] & kKindMask);
    d.textFlag = uint8_t((bytes[0] >> kTextFlagShift) & kTextFlagMask);

    if (d.textFlag == kDateStoredAsText) {
        // The date as the user typed it. Only its year is ever used, and only once
        // a report has asked for it; a missing text gives no year.
        if (ctx.textDateYears) {
            if (const auto text = ctx.file.readText(readInt32le(bytes, kTextOffset))) d.year1 = yearOfTextDate(*text);
        }
        return d;
    }

    switch (d.kind) {
    case 0:
        break;
    case kKindStatus:
        d.statusCode = bytes[kCodeByte];
        break;
    case kKindSingle:
    case kKindRange:
    case kKindBetween: {
        if (d.kind != kKindSingle) {
            const DatePartValue second = decodePart(date, kSecondPart);
            d.day2 = second.day;
            d.month2 = second.month;
            d.year2 = second.year;
        }
        const DatePartValue first = decodePart(date, kFirstPart);
        d.day1 = first.day;
        d.month1 = first.month;
        d.year1 = first.year;
        d.dayNumber = int32_t(readUint24le(bytes, kFirstPart + kPartDayNumber));
        const std::string_view qualifier = eventQualifier(bytes[kCodeByte]);
        if (!qualifier.empty()) d.qualifier = TextBuffer(qualifier);  // most dates have none: no storage for it
        break;
    }
    default:
        ctx.host.fatal(TW_TR("Messages", "Unknown date type"), "Error", kExitUnknownDateType);
    }
    return d;
}

bool isEmptyDate(const DecodedDate& decoded) {
    return std::all_of(decoded.raw.bytes.begin(), decoded.raw.bytes.end(), [](uint8_t b) { return b == 0; });
}

DatePartValue dayNumberToDate(uint8_t tableSelector, uint8_t flags, int32_t dayNumber) {
    DatePartValue v;
    const CenturyStarts& starts = centuryStarts(tableSelector);
    const auto beyond = std::upper_bound(starts.begin(), starts.end(), dayNumber);
    if (dayNumber <= 0 || beyond == starts.end()) return v;
    const auto b = beyond - starts.begin();

    int32_t r = dayNumber;
    int32_t year = 0;
    if (r > kLastYearlessDayNumber) {
        if (b == 0) {
            // Before the first table entry: whole Julian centuries back from 1101.
            int32_t start = starts[0];
            year = kFirstCenturyYear;
            while (r < start) {
                start -= kDaysPerJulianCentury;
                year -= 100;
            }
            r -= start;
        } else {
            year = kFirstCenturyYear + 100 * int32_t(b - 1);
            r -= starts[size_t(b - 1)];
        }
        year += 4 * (r / kDaysPer4Years);
        r %= kDaysPer4Years;
        const int32_t wholeYears = std::min(r / 365, 3);
        year += wholeYears;
        r -= 365 * wholeYears;
        if (isLeapYear(year) && r > 58) {
            // The leap day is returned as it is: the unknown-day and unknown-month
            // flags are not applied to it.
            if (r == 59) return {29, 2, year};
            r -= 1;
        }
    }
    // A year-less day number counts in a common year.
    int32_t month = 1;
    while (month <= 12 && r >= kMonthLengths[size_t(month - 1)]) {
        r -= kMonthLengths[size_t(month - 1)];
        ++month;
    }
    if (month > 12) {
        // Past December: the year-less 365, and the 366th day that a Julian leap year
        // such as 1300 gives in a year the Gregorian rule calls common.
        v = {31, 12, year};
    } else {
        v = {r + 1, month, year};
    }
    if (flags & kMonthUnknown) v.month = 0;
    if (flags & kDayUnknown) v.day = 0;
    return v;
}

std::string_view monthAbbreviation(int32_t month) {
    switch (month) {
    case 1: return TW_TR("Dates", "Jan");
    case 2: return TW_TR("Dates", "Feb");
    case 3: return TW_TR("Dates", "Mar");
    case 4: return TW_TR("Dates", "Apr");
    case 5: return TW_TR("Dates", "May");
    case 6: return TW_TR("Dates", "Jun");
    case 7: return TW_TR("Dates", "Jul");
    case 8: return TW_TR("Dates", "Aug");
    case 9: return TW_TR("Dates", "Sep");
    case 10: return TW_TR("Dates", "Oct");
    case 11: return TW_TR("Dates", "Nov");
    case 12: return TW_TR("Dates", "Dec");
    default: return {};
    }
}

std::string_view monthName(int32_t month) {
    switch (month) {
    case 1: return TW_TR("Dates", "January");
    case 2: return TW_TR("Dates", "February");
    case 3: return TW_TR("Dates", "March");
    case 4: return TW_TR("Dates", "April");
    case 5: return TW_TR("Dates", "May");
    case 6: return TW_TR("Dates", "June");
    case 7: return TW_TR("Dates", "July");
    case 8: return TW_TR("Dates", "August");
    case 9: return TW_TR("Dates", "September");
    case 10: return TW_TR("Dates", "October");
    case 11: return TW_TR("Dates", "November");
    case 12: return TW_TR("Dates", "December");
    default: return {};
    }
}

TextBuffer formatDate(const DecodedDate& decoded) {
    if (decoded.textFlag != kDateStoredAsText && decoded.kind < kKindSingle) return TextBuffer();
    const TextBuffer date = dateText(decoded);
    if (decoded.qualifier.empty()) return date;
    if (date.empty()) return decoded.qualifier;
    return decoded.qualifier + " " + date;
}

TextBuffer formatOrdinanceDate(const DecodedDate& decoded) {
    return TextBuffer(ordinanceWord(decoded.raw.bytes[kCodeByte])) + dateText(decoded);
}

TextBuffer formatDateText(PafContext& ctx, const PafDate& date) { return formatDate(decodeDate(ctx, date)); }

int compareDates(const DecodedDate& a, const DecodedDate& b) {
    if (a.kind == 2 && b.kind == 2) {
        return (a.year1 * 12 + a.month1) * 31 + a.day1 - (b.year1 * 12 + b.month1) * 31 - b.day1;
    }
    // Byte by byte, as unsigned bytes, of the English words: the order is the same
    // in every language.
    const EnglishWords english;
    return formatDate(a).view().compare(formatDate(b).view());
}

namespace {

// decodeDate's year1 without the rest of the decoding for the common kinds: lists
// take the birth year of every entry.
int firstYear(PafContext& ctx, const PafDate& date) {
    const uint8_t kind = uint8_t(date.bytes[0] & kKindMask);
    const auto textFlag = uint8_t((date.bytes[0] >> kTextFlagShift) & kTextFlagMask);
    if (textFlag == kDateStoredAsText || kind < kKindSingle || kind > kKindBetween) return decodeDate(ctx, date).year1;
    return decodePart(date, kFirstPart).year;
}

}  // namespace

int birthYear(PafContext& ctx, const IndividualRecord& person) {
    if (!leadingBytesZero(person.birth)) return firstYear(ctx, person.birth);
    if (!leadingBytesZero(person.christening)) return firstYear(ctx, person.christening);
    return 0;
}

int32_t lastYearOf(PafContext& ctx, const PafDate& date) {
    const DecodedDate d = decodeDate(ctx, date);
    if (d.textFlag != kDateStoredAsText) return d.kind < kKindSingle ? 0 : d.year2 != 0 ? d.year2 : d.year1;
    const auto text = ctx.file.readText(readInt32le(std::span<const uint8_t>(date.bytes), kTextOffset));
    if (!text) return 0;
    const std::string_view t = *text;
    for (size_t end = t.size(); end > 0; --end) {
        if (!isDigit(t[end - 1])) continue;
        size_t begin = end;
        while (begin > 0 && isDigit(t[begin - 1])) --begin;
        if (end - begin == 3 || end - begin == 4) {
            int32_t year = 0;
            for (size_t i = begin; i < end; ++i) year = year * 10 + (t[i] - '0');
            return year;
        }
        end = begin + 1;  // the loop steps over the number
    }
    return 0;
}

TextBuffer todayText(PafContext& ctx) {
    const CalendarDate today = ctx.host.today();
    // Day, month, year in every language.
    return TextBuffer(std::to_string(today.day) + " " + std::string(monthName(today.month)) + " " +
                      std::to_string(today.year));
}

void setTextDateYears(PafContext& ctx, bool on) { ctx.textDateYears = on; }

}  // namespace tw
