#include <gtest/gtest.h>

#include <string>

#include "paf/date_encoding.h"
#include "paf/dates.h"
#include "support/recording_host.h"

namespace tw {
namespace {

// Julian day numbers computed independently of the century tables.
int32_t julianCalendarDay(int32_t d, int32_t m, int32_t y) {
    const int32_t a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - 32083;
}
int32_t gregorianCalendarDay(int32_t d, int32_t m, int32_t y) {
    const int32_t a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}
int32_t daysIn(int32_t month, int32_t year) { return kMonthLengths[size_t(month - 1)] + (month == 2 && isLeapYear(year)); }

// Every day of the years first..last, Gregorian leap rule; stops after a failed assertion.
template <typename F>
void forEachDay(int32_t first, int32_t last, F f) {
    for (int32_t y = first; y <= last && !::testing::Test::HasFatalFailure(); ++y)
        for (int32_t m = 1; m <= 12; ++m)
            for (int32_t d = 1; d <= daysIn(m, y); ++d) f(DateValue{d, m, y});
}

PafDate withCode(PafDate date, uint8_t code) { date.bytes[1] = code; return date; }

class DatesTest : public ::testing::Test {
protected:
    test::RecordingHost host;
    PafContext ctx{host};
    std::string text(const PafDate& date) { return formatDateText(ctx, date).str(); }
    std::string ordinance(const PafDate& date) { return formatOrdinanceDate(decodeDate(ctx, date)).str(); }
};

TEST(DayNumbers, DecodeCalendarEdges) {
    EXPECT_EQ(dayNumberToDate(0, 0, 2415386), (DatePartValue{1, 1, 1901}));
    EXPECT_EQ(dayNumberToDate(0, 0, 2416846), (DatePartValue{31, 12, 1904}));
    EXPECT_EQ(dayNumberToDate(0, 0, 2416847), (DatePartValue{1, 1, 1905}));
    EXPECT_EQ(dayNumberToDate(0, 0, 2415445), (DatePartValue{1, 3, 1901}));
    EXPECT_EQ(dayNumberToDate(0, 0, 2415386 + 3 * 365 + 59), (DatePartValue{29, 2, 1904}));
    EXPECT_EQ(dayNumberToDate(0, 0, 2415386 + 3 * 365 + 60), (DatePartValue{1, 3, 1904}));
    EXPECT_EQ(dayNumberToDate(0, 0, 1721424), (DatePartValue{1, 1, 1}));  // before the first century
    EXPECT_EQ(dayNumberToDate(0, kMonthUnknown | kDayUnknown, 2415445), (DatePartValue{0, 0, 1901}));
    EXPECT_EQ(dayNumberToDate(7, 0, 2269289), (DatePartValue{1, 1, 1501}));  // unknown selector: table A
    EXPECT_EQ(dayNumberToDate(2, 0, 2269289), (DatePartValue{23, 12, 1500}));
    EXPECT_EQ(dayNumberToDate(2, 0, 2269299), (DatePartValue{1, 1, 1501}));
    // Year-less day numbers count from 1 January in a common year.
    EXPECT_EQ(dayNumberToDate(0, 0, 1), (DatePartValue{2, 1, 0}));
    EXPECT_EQ(dayNumberToDate(0, 0, 59), (DatePartValue{1, 3, 0}));
    EXPECT_EQ(dayNumberToDate(0, 0, 365), (DatePartValue{31, 12, 0}));
    EXPECT_EQ(dayNumberToDate(0, 0, 0), DatePartValue{});
    EXPECT_EQ(dayNumberToDate(0, 0, kDayNumberLimit), DatePartValue{});
}

TEST(DayNumbers, MatchTheCalendarsTheTablesFollow) {
    // Table A: Julian until 1500, Gregorian from 1501; table B: Julian until 1600.
    // Day numbers use the Gregorian leap rule throughout, so the Julian years 1300,
    // 1400 and 1500 are labelled differently from March on; skip them.
    for (const CenturyTable table : {CenturyTable::A, CenturyTable::B}) {
        const int32_t lastJulian = table == CenturyTable::A ? 1499 : 1599;
        forEachDay(1101, lastJulian, [&](DateValue v) {
            if (v.year % 100 == 0 && !isLeapYear(v.year)) return;
            ASSERT_EQ(dateToDayNumber(v, table), julianCalendarDay(v.day, v.month, v.year));
        });
        forEachDay(lastJulian + 2, 2099, [&](DateValue v) {
            ASSERT_EQ(dateToDayNumber(v, table), gregorianCalendarDay(v.day, v.month, v.year));
        });
    }
}

TEST(DayNumbers, EncodingIsTheExactInverseOfDecoding) {
    for (const CenturyTable table : {CenturyTable::A, CenturyTable::B}) {
        const auto selector = uint8_t(table);
        // Every day number from 1 January of year 1 to the upper limit.
        for (int32_t n = 1721424; n < kDayNumberLimit; ++n) {
            const DatePartValue v = dayNumberToDate(selector, 0, n);
            // The one extra day of a Julian leap year the Gregorian rule calls common
            // repeats 31 December.
            if (v == dayNumberToDate(selector, 0, n - 1)) {
                ASSERT_EQ(v.month * 100 + v.day, 1231) << n;
                continue;
            }
            ASSERT_EQ(dateToDayNumber({v.day, v.month, v.year}, table), n) << v.day << "." << v.month << "." << v.year;
        }
        // Every calendar day encodes, except the days the tables cut from 1500 (A) or 1600 (B).
        int unencodable = 0;
        forEachDay(1, 2284, [&](DateValue v) {
            const int32_t n = dateToDayNumber(v, table);
            if (n == 0) {
                ++unencodable;
                ASSERT_EQ(v.year, table == CenturyTable::A ? 1500 : 1600);
            } else {
                ASSERT_EQ(dayNumberToDate(selector, 0, n), (DatePartValue{v.day, v.month, v.year}));
            }
        });
        EXPECT_EQ(unencodable, table == CenturyTable::A ? 9 : 10);
    }
    forEachDay(2001, 2001, [](DateValue v) {  // year-less: 2 January is 1, 1 January has no number
        const int32_t n = dateToDayNumber({v.day, v.month, 0});
        EXPECT_EQ(n, dateToDayNumber(v) - dateToDayNumber({1, 1, 2001}));
        if (n != 0) {
            EXPECT_EQ(dayNumberToDate(0, 0, n), (DatePartValue{v.day, v.month, 0}));
        }
    });
    EXPECT_EQ(dateToDayNumber({29, 2, 0}), 0);
    EXPECT_EQ(dateToDayNumber({30, 2, 2000}), 0);
    EXPECT_EQ(dateToDayNumber({0, 0, 1850}), dateToDayNumber({1, 1, 1850}));
    EXPECT_EQ(dateToDayNumber({1, 1, 9999}), 0);
}

TEST_F(DatesTest, EventTexts) {
    EXPECT_EQ(text(makeDate({12, 1, 1850})), "12 Jan 1850");
    EXPECT_EQ(text(makeDate({0, 0, 1850})), "1850");
    EXPECT_EQ(text(makeDate({0, 5, 1850}, kQualAbout)), "Abt May 1850");
    EXPECT_EQ(text(makeDate({1, 1, 1850}, kQualAfter)), "mAft 1 Jan 1850");
    EXPECT_EQ(text(makeDate({}, kQualStillborn)), "Stillborn");
    EXPECT_EQ(text(withCode(makeDate({1, 1, 1850}), 23)), "1 Jan 1850");
    EXPECT_EQ(text(makeDate({15, 3, 0})), "15 Mar ");
    EXPECT_EQ(text(makeDateRange({12, 1, 1850}, {3, 2, 1851})), "12 Jan 1850/3 Feb 1851");
    EXPECT_EQ(text(makeDateRange({12, 1, 1850}, {0, 2, 1851}, 4, kQualBefore)), "Bef 12 Jan 1850/Feb 1851");
    EXPECT_EQ(text(makeDateRange({0, 0, 1750}, {0, 0, 1751})), "1750/1751");
    EXPECT_EQ(text(makeStatusDate(kOrdBic)), "");
    EXPECT_EQ(text(PafDate{}), "");

    DecodedDate bad = decodeDate(ctx, makeDate({1, 1, 1850}, kQualAbout));
    bad.month1 = 13;
    EXPECT_EQ(formatDate(bad), "Abt Out of range month");
    bad.month1 = 1;
    bad.month2 = -1;
    EXPECT_EQ(formatOrdinanceDate(bad), "BICOut of range month");
}

TEST_F(DatesTest, OrdinanceTexts) {
    EXPECT_EQ(ordinance(makeStatusDate(kOrdBic)), "BIC");
    EXPECT_EQ(ordinance(makeStatusDate(kOrdCleared)), "Cleared");
    EXPECT_EQ(ordinance(makeDate({3, 4, 1900}, kOrdChild)), "Child3 Apr 1900");
    EXPECT_EQ(ordinance(makeDate({3, 4, 1900}, kQualUncleared)), "Uncleared3 Apr 1900");
    EXPECT_EQ(ordinance(makeStatusDate(200)), "");
}

TEST_F(DatesTest, DecodedFields) {
    const PafDate range = makeDateRange({12, 1, 1850}, {0, 0, 1851}, 4, kQualEstimated, CenturyTable::B);
    const DecodedDate d = decodeDate(ctx, range);
    EXPECT_EQ(d.raw, range);
    EXPECT_EQ(d.kind, 4);
    EXPECT_EQ(d.qualifier, "Est");
    EXPECT_EQ(d.dayNumber, gregorianCalendarDay(12, 1, 1850));
    EXPECT_EQ((DatePartValue{d.day2, d.month2, d.year2}), (DatePartValue{0, 0, 1851}));
    EXPECT_FALSE(isEmptyDate(d));
    const DecodedDate status = decodeDate(ctx, makeStatusDate(kOrdChild));
    EXPECT_EQ(status.statusCode, kOrdChild);
    EXPECT_TRUE(status.qualifier.empty());
    EXPECT_TRUE(isEmptyDate(decodeDate(ctx, PafDate{})));
}

TEST_F(DatesTest, UnknownKindEndsTheProgram) {
    PafDate date = makeDate({1, 1, 1850});
    date.bytes[0] = 5;
    EXPECT_EXIT(decodeDate(ctx, date), ::testing::ExitedWithCode(kExitUnknownDateType), "Error: Unknown date type");
    date.bytes[0] = 0xcf;  // bits 6-7 are not part of the kind
    EXPECT_EXIT(decodeDate(ctx, date), ::testing::ExitedWithCode(kExitUnknownDateType), "Unknown date type");
}

TEST_F(DatesTest, CompareDates) {
    const auto cmp = [&](const PafDate& a, const PafDate& b) {
        return compareDates(decodeDate(ctx, a), decodeDate(ctx, b));
    };
    EXPECT_EQ(cmp(makeDate({2, 1, 1850}), makeDate({1, 1, 1850})), 1);
    EXPECT_EQ(cmp(makeDate({1, 1, 1850}), makeDate({1, 2, 1850})), -31);
    EXPECT_LT(cmp(makeDate({0, 0, 1850}), makeDate({1, 1, 1850})), 0);  // a bare year sorts first
    EXPECT_EQ(cmp(makeDate({5, 5, 1850}, kQualAbout), makeDate({5, 5, 1850})), 0);
    // Any other pair compares as text.
    EXPECT_LT(cmp(makeDateRange({12, 1, 1850}, {0, 0, 1851}), makeDate({3, 2, 1849})), 0);
    EXPECT_GT(cmp(makeDate({3, 2, 1849}), PafDate{}), 0);
    EXPECT_EQ(cmp(makeStatusDate(kOrdBic), PafDate{}), 0);
}

TEST_F(DatesTest, BirthYearAndToday) {
    IndividualRecord person;
    EXPECT_EQ(birthYear(ctx, person), 0);
    person.christening = makeDate({4, 7, 1776});
    person.birth.bytes[4] = 1;  // only the first four bytes say whether a birth date exists
    EXPECT_EQ(birthYear(ctx, person), 1776);
    person.birth = makeDate({0, 0, 1775}, kQualAbout);
    EXPECT_EQ(birthYear(ctx, person), 1775);

    EXPECT_EQ(todayText(ctx), "7 December 2026");
    host.date = {2024, 1, 31};
    EXPECT_EQ(todayText(ctx), "31 January 2024");
}

}  // namespace
}  // namespace tw
