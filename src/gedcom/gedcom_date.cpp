#include "gedcom/gedcom_date.h"

#include <string>
#include <vector>

#include "paf/date_phrase.h"
#include "paf/byte_order.h"
#include "paf/codepage.h"
#include "paf/date_encoding.h"
#include "paf/dates.h"

namespace tw::gedcom {

namespace {

constexpr size_t kMaxTextDate = 255;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return out;
}

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

WriterDate asText(std::string_view value) { return WriterDate::asText(std::string(clipUtf8(value, kMaxTextDate))); }

// A dual year written with a hyphen ("28 JAN 1456-1457", as some programs export
// it) in the form the date phrases read ("28 JAN 1456/1457"); other values as they are.
std::string withDualYearSlash(std::string_view value) {
    const size_t blank = value.rfind(' ');
    const std::string_view last = value.substr(blank == std::string_view::npos ? 0 : blank + 1);
    const size_t dash = last.find('-');
    const auto digits = [](std::string_view w) {
        return !w.empty() && w.size() <= 4 && w.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (dash == std::string_view::npos || last.size() - dash - 1 > dash || !digits(last.substr(0, dash)) ||
        !digits(last.substr(dash + 1)) || dash < 3)
        return std::string(value);
    std::string out(value);
    out[out.size() - last.size() + dash] = '/';
    return out;
}

int monthOf(std::string_view w) {
    static constexpr std::string_view kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                   "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    if (w.size() != 3) return 0;
    const char u[3] = {char(w[0] & ~0x20), char(w[1] & ~0x20), char(w[2] & ~0x20)};
    for (int m = 0; m < 12; ++m) {
        if (kMonths[m] == std::string_view(u, 3)) return m + 1;
    }
    return 0;
}

int32_t number(std::string_view w, size_t maxDigits) {
    if (w.empty() || w.size() > maxDigits) return -1;
    int32_t n = 0;
    for (const char c : w) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

uint8_t qualifierOf(std::string_view w) {
    using namespace std::literals;  // views on both sides: nothing to build for a comparison
    if (w.size() != 3) return kQualNone;
    const char u[3] = {char(w[0] & ~0x20), char(w[1] & ~0x20), char(w[2] & ~0x20)};
    const std::string_view word(u, 3);
    if (word == "ABT"sv) return kQualAbout;
    if (word == "AFT"sv) return kQualAfter;
    if (word == "BEF"sv) return kQualBefore;
    if (word == "EST"sv) return kQualEstimated;
    if (word == "CAL"sv) return kQualCalculated;
    return kQualNone;
}

// The common case without building words: YEAR, MON YEAR or DAY MON YEAR, perhaps
// after one of the qualifiers ABT, AFT, BEF, EST and CAL.
bool plainDate(std::string_view value, WriterDate& date) {
    const uint8_t qualifier = qualifierOf(value.substr(0, 3));
    if (qualifier != kQualNone) {
        if (value.size() < 5 || value[3] != ' ') return false;
        value.remove_prefix(4);
    }
    std::string_view words[3];
    size_t count = 0;
    size_t pos = 0;
    while (pos < value.size()) {
        while (pos < value.size() && value[pos] == ' ') ++pos;
        const size_t start = pos;
        while (pos < value.size() && value[pos] != ' ') ++pos;
        if (pos == start) break;
        if (count == 3) return false;
        words[count++] = value.substr(start, pos - start);
    }
    if (count == 0) return false;
    DateValue v;
    v.year = number(words[count - 1], 4);
    if (v.year <= 0) return false;
    if (count >= 2 && (v.month = monthOf(words[count - 2])) == 0) return false;
    if (count == 3 && (v.day = number(words[0], 2)) <= 0) return false;
    const PafDate made = makeDate(v, qualifier);
    if (readUint24le(made.bytes, date_bytes::kFirstPart + date_bytes::kPartDayNumber) == 0) return false;  // no day number: a date PAF cannot hold
    date = WriterDate(made);
    return true;
}

int fullMonthOf(std::string_view w) {
    static constexpr std::string_view kNames[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                                                  "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
    const std::string word = upper(w);
    for (int m = 0; m < 12; ++m) {
        if (kNames[m] == word) return m + 1;
    }
    return monthOf(w);
}

bool isWeekday(std::string_view w) {
    static constexpr std::string_view kDays[] = {"MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY",
                                                 "FRIDAY", "SATURDAY", "SUNDAY"};
    const std::string word = upper(w);
    for (const std::string_view d : kDays) {
        if (d == word) return true;
    }
    return false;
}

// Dates some programs write instead of GEDCOM's: "Tuesday, 9th November 1841",
// "9 November 1841", "November 1841". Only an exact date is taken.
bool spelledOutDate(std::string_view value, WriterDate& date) {
    std::vector<std::string_view> words;
    size_t pos = 0;
    while (pos < value.size() && words.size() < 5) {
        while (pos < value.size() && (value[pos] == ' ' || value[pos] == ',')) ++pos;
        const size_t start = pos;
        while (pos < value.size() && value[pos] != ' ' && value[pos] != ',') ++pos;
        if (pos > start) words.push_back(value.substr(start, pos - start));
    }
    if (pos < value.size()) return false;
    if (!words.empty() && isWeekday(words.front())) words.erase(words.begin());
    if (words.size() < 2 || words.size() > 3) return false;
    DateValue v;
    v.year = number(words.back(), 4);
    v.month = fullMonthOf(words[words.size() - 2]);
    if (v.year <= 0 || v.month == 0) return false;
    if (words.size() == 3) {
        std::string_view day = words[0];
        const std::string suffix = upper(day.substr(day.size() > 2 ? day.size() - 2 : day.size()));
        if (suffix == "ST" || suffix == "ND" || suffix == "RD" || suffix == "TH") day.remove_suffix(2);
        if ((v.day = number(day, 2)) <= 0) return false;
    }
    if (dateToDayNumber(v) == 0) return false;
    date = WriterDate(makeDate(v));
    return true;
}

}  // namespace

WriterDate gedcomDate(std::string_view original) {
    // Most dates are plain: read at once, without copying them.
    if (const std::string_view value = trimmed(original); value.find('-') == std::string_view::npos) {
        if (WriterDate fast; plainDate(value, fast)) return fast;
    }
    const std::string dual = withDualYearSlash(trimmed(original));
    const std::string_view value = dual;
    if (value.empty()) return {};
    if (WriterDate fast; plainDate(value, fast)) return fast;
    const std::string word = upper(value);
    std::string phrase = word;
    // GEDCOM 7 writes the calendar as a plain word; 5.5 as an escape.
    if (startsWith(word, "JULIAN ")) phrase = "@#DJULIAN@ " + word.substr(7);
    else if (startsWith(word, "GREGORIAN ")) phrase = word.substr(10);
    else if (startsWith(word, "@#DGREGORIAN@ ")) phrase = word.substr(14);
    // What the date phrases of our own family text accept, and GEDCOM does not mean.
    const bool foreign = startsWith(phrase, "TEXT:") || startsWith(phrase, "STATUS:") ||
                         phrase.find_first_of("()") != std::string::npos ||
                         (startsWith(phrase, "@#") && !startsWith(phrase, "@#DJULIAN@ ")) ||
                         phrase.find("B.C") != std::string::npos || phrase.find("BCE") != std::string::npos ||
                         phrase.find(" BC") != std::string::npos;
    if (!foreign) {
        WriterDate date;
        std::string why;
        if (parseDatePhrase(phrase, date, why) && date.text.empty()) return date;
    }
    if (WriterDate spelled; spelledOutDate(value, spelled)) return spelled;
    return asText(trimmed(original));
}

bool gedcomOrdinanceStatus(std::string_view stat, WriterDate& date) {
    const std::string word = upper(trimmed(stat));
    uint8_t code = 0;
    if (word == "BIC") code = kOrdBic;
    else if (word == "CHILD") code = kOrdChild;
    else if (word == "CLEARED") code = kOrdCleared;
    else if (word == "DNS") code = kQualDns;
    else if (word == "STILLBORN") code = kQualStillborn;
    else if (word == "UNCLEARED") code = kQualUncleared;
    if (code == 0) return false;
    date = WriterDate(makeStatusDate(code));
    return true;
}

}  // namespace tw::gedcom
