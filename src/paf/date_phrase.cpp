#include "paf/date_phrase.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>

#include "paf/text_words.h"
#include "paf/date_encoding.h"
#include "paf/dates.h"

namespace tw {
namespace {

using namespace famtext;

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && upper(s.substr(0, prefix.size())) == prefix;
}

struct QualifierWord {
    const char* word;
    uint8_t code;
};

constexpr QualifierWord kQualifiers[] = {
    {"ABT", kQualAbout},      {"AFT", kQualAfter}, {"BEF", kQualBefore},        {"EST", kQualEstimated},
    {"CAL", kQualCalculated}, {"DNS", kQualDns},   {"STILLBORN", kQualStillborn}, {"UNCLEARED", kQualUncleared},
};

constexpr QualifierWord kStatuses[] = {
    {"BIC", kOrdBic},         {"AFT", kOrdAfter}, {"CHILD", kOrdChild},         {"CLEARED", kOrdCleared},
    {"CAL", kQualCalculated}, {"DNS", kQualDns},  {"STILLBORN", kQualStillborn}, {"UNCLEARED", kQualUncleared},
};

constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr const char* kMonthNames[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                                       "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};

std::optional<uint8_t> lookupWord(std::span<const QualifierWord> table, std::string_view word) {
    for (const auto& q : table) {
        if (word == q.word) return q.code;
    }
    return std::nullopt;
}

int monthNumber(std::string_view word) {
    for (int m = 0; m < 12; ++m) {
        if (word == kMonths[m] || word == kMonthNames[m]) return m + 1;
    }
    return 0;
}

bool isLeapYear(int32_t y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }

int daysInMonth(int month, int32_t year) {
    static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && year != 0 && isLeapYear(year) ? 29 : kLengths[month - 1];
}

struct SingleDate {
    DateValue value;
    int32_t dualYear = 0;  // the second year of a dual year ("1750/51"), else 0
};

// "1850" or "1750/51": the year and the dual year's second year.
bool parseYear(std::string_view word, SingleDate& date, std::string& error) {
    const size_t slash = word.find('/');
    const std::string_view first = word.substr(0, slash);
    if (!allDigits(first) || first.size() > 4) {
        error = "'" + std::string(word) + "' is not a year";
        return false;
    }
    date.value.year = positiveNumber(first);
    if (date.value.year == 0) {
        error = "the year cannot be 0";
        return false;
    }
    if (slash == std::string_view::npos) return true;
    const std::string_view second = word.substr(slash + 1);
    if (!allDigits(second) || second.size() > 4) {
        error = "'" + std::string(word) + "' is not a dual year like 1750/51";
        return false;
    }
    // The second year replaces the last digits of the first: 1750/51, 1699/00, 1699/1700.
    int32_t scale = 1;
    for (size_t i = 0; i < second.size(); ++i) scale *= 10;
    int32_t year2 = date.value.year / scale * scale + std::stoi(std::string(second));
    if (year2 <= date.value.year) year2 += scale;
    if (year2 != date.value.year + 1) {
        error = "the dual year " + std::string(word) + " does not name the year after " +
                std::to_string(date.value.year);
        return false;
    }
    date.dualYear = year2;
    return true;
}

bool inRange(DateValue value, CenturyTable table, std::string& error) {
    if (dateToDayNumber(value, table) != 0) return true;
    error = value.year == 0 ? "a date without a year cannot be 1 JAN"
                            : "the year " + std::to_string(value.year) + " is outside what a PAF date can hold";
    return false;
}

// One calendar date: YEAR, MONTH YEAR, DAY MONTH YEAR or DAY MONTH (no year).
bool parseSingle(std::span<const std::string> words, CenturyTable table, SingleDate& date, std::string& error) {
    std::string_view dayWord, monthWord, yearWord;
    if (words.size() == 1) {
        yearWord = words[0];
    } else if (words.size() == 2 && allDigits(words[0]) && monthNumber(words[1]) != 0) {
        dayWord = words[0];
        monthWord = words[1];
    } else if (words.size() == 2) {
        monthWord = words[0];
        yearWord = words[1];
    } else if (words.size() == 3) {
        dayWord = words[0];
        monthWord = words[1];
        yearWord = words[2];
    } else {
        error = words.empty() ? "a date is missing" : "expected a date like 12 JAN 1850";
        return false;
    }
    if (!monthWord.empty()) {
        date.value.month = monthNumber(monthWord);
        if (date.value.month == 0) {
            error = "unknown month '" + std::string(monthWord) + "'";
            return false;
        }
    }
    if (!yearWord.empty() && !parseYear(yearWord, date, error)) return false;
    if (!dayWord.empty()) {
        date.value.day = positiveNumber(dayWord);
        if (date.value.day == 0 || date.value.day > daysInMonth(date.value.month, date.value.year)) {
            error = "day '" + std::string(dayWord) + "' is not a day of " + std::string(kMonths[date.value.month - 1]);
            if (date.value.year != 0) error += " " + std::to_string(date.value.year);
            return false;
        }
    }
    if (!inRange(date.value, table, error)) return false;
    if (date.dualYear != 0 && !inRange(DateValue{0, 0, date.dualYear}, table, error)) return false;
    return true;
}

// The earliest and the latest day a date with unknown parts can mean, as sortable keys.
int64_t earliestKey(DateValue v) { return (int64_t(v.year) * 13 + std::max(v.month, 1)) * 32 + std::max(v.day, 1); }
int64_t latestKey(DateValue v) { return (int64_t(v.year) * 13 + (v.month ? v.month : 12)) * 32 + (v.day ? v.day : 31); }

bool parseStatus(std::string_view word, WriterDate& date, std::string& error) {
    const std::string w = upper(trim(word));
    std::optional<uint8_t> code = lookupWord(kStatuses, w);
    if (!code && allDigits(w) && w.size() <= 2 && std::stoi(w) <= 22) code = uint8_t(std::stoi(w));
    if (!code) {
        error = "unknown status '" + std::string(trim(word)) +
                "' (BIC, AFT, CHILD, CLEARED, CAL, DNS, STILLBORN, UNCLEARED or a code 0 to 22)";
        return false;
    }
    date = WriterDate(makeStatusDate(*code));
    return true;
}

}  // namespace

bool parseDatePhrase(std::string_view phrase, WriterDate& date, std::string& error) {
    date = WriterDate();
    if (startsWithNoCase(phrase, "TEXT:")) {
        const std::string_view text = phrase.substr(5);
        if (text.empty()) {
            error = "a date stored as text needs its text after TEXT:";
            return false;
        }
        std::string stored, why;
        if (!storedText(text, stored, why)) {
            error = "the date text " + why;
            return false;
        }
        date = WriterDate::asText(std::move(stored));
        return true;
    }
    if (startsWithNoCase(phrase, "STATUS:")) return parseStatus(phrase.substr(7), date, error);

    std::vector<std::string> words;
    {
        const std::string all = upper(phrase);
        size_t pos = 0;
        while (pos < all.size()) {
            while (pos < all.size() && (all[pos] == ' ' || all[pos] == '\t')) ++pos;
            const size_t start = pos;
            while (pos < all.size() && all[pos] != ' ' && all[pos] != '\t') ++pos;
            if (pos > start) words.push_back(all.substr(start, pos - start));
        }
    }
    if (words.empty()) {
        error = "the date is empty (leave the field out for no date)";
        return false;
    }

    std::span<const std::string> rest(words);
    CenturyTable table = CenturyTable::A;
    if (rest.front() == "@#DJULIAN@" || rest.front() == "@#DGREGORIAN@") {
        table = rest.front() == "@#DJULIAN@" ? CenturyTable::B : CenturyTable::A;
        rest = rest.subspan(1);
    }
    if (rest.empty()) {
        error = "a date is missing after the calendar";
        return false;
    }

    if (rest.front() == "BET" || rest.front() == "FROM") {
        const bool between = rest.front() == "BET";
        const char* joinWord = between ? "AND" : "TO";
        const auto join = std::find(rest.begin(), rest.end(), joinWord);
        if (join == rest.end()) {
            error = std::string(between ? "BET" : "FROM") + " needs " + joinWord + " and a second date";
            return false;
        }
        SingleDate first, second;
        const auto joinAt = size_t(join - rest.begin());
        if (!parseSingle(rest.subspan(1, joinAt - 1), table, first, error) ||
            !parseSingle(rest.subspan(joinAt + 1), table, second, error)) {
            return false;
        }
        if (first.dualYear != 0 || second.dualYear != 0) {
            error = "a dual year cannot be part of a range";
            return false;
        }
        if (first.value.year == 0 || second.value.year == 0) {
            error = "both dates of a range need a year";
            return false;
        }
        if (latestKey(second.value) < earliestKey(first.value)) {
            error = "the second date comes before the first";
            return false;
        }
        date = WriterDate(makeDateRange(first.value, second.value, between ? date_bytes::kKindBetween : date_bytes::kKindRange, kQualNone, table));
        return true;
    }

    uint8_t qualifier = kQualNone;
    if (auto q = lookupWord(kQualifiers, rest.front())) {
        qualifier = *q;
        rest = rest.subspan(1);
    }
    SingleDate single;
    if (!parseSingle(rest, table, single, error)) return false;
    if (single.dualYear != 0) {
        date = WriterDate(makeDateRange(single.value, DateValue{0, 0, single.dualYear}, date_bytes::kKindRange, qualifier, table));
    } else {
        date = WriterDate(makeDate(single.value, qualifier, table));
    }
    return true;
}

}  // namespace tw
