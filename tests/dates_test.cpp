#include <gtest/gtest.h>

#include <string>

#include "paf/date_encoding.h"
#include "paf/dates.h"
#include "paf/paf_writer.h"
#include "support/recording_host.h"

namespace tw {
namespace {

// Julian day numbers computed independently of the century tables.
int32_t calendarDay(DateValue v, bool gregorian) {
    const int32_t a = (14 - v.month) / 12, y = v.year + 4800 - a, m = v.month + 12 * a - 3;
    const int32_t days = v.day + (153 * m + 2) / 5 + 365 * y + y / 4;
    return gregorian ? days - y / 100 + y / 400 - 32045 : days - 32083;
}

// Every day of the years first..last (Gregorian leap rule); stops after a failed assertion.
template <typename F>
void forEachDay(int32_t first, int32_t last, F f) {
    for (int32_t y = first; y <= last && !::testing::Test::HasFatalFailure(); ++y)
        for (int32_t m = 1; m <= 12; ++m)
            for (int32_t d = 1; d <= kMonthLengths[size_t(m - 1)] + (m == 2 && isLeapYear(y)); ++d) f(DateValue{d, m, y});
}

class DatesTest : public ::testing::Test {
protected:
    test::RecordingHost host;
    PafContext ctx{host};
    std::string text(const PafDate& date) { return formatDateText(ctx, date).str(); }
    std::string ordinance(const PafDate& date) { return formatOrdinanceDate(decodeDate(ctx, date)).str(); }
    int compare(const PafDate& a, const PafDate& b) { return compareDates(decodeDate(ctx, a), decodeDate(ctx, b)); }
};

TEST(DayNumbers, DecodeEdges) {
    EXPECT_EQ(dayNumberToDate(0, 0, 2415386), (DatePartValue{1, 1, 1901}));
    EXPECT_EQ(dayNumberToDate(0, 0, 2416846), (DatePartValue{31, 12, 1904}));
    EXPECT_EQ(dayNumberToDate(0, 0, 2416847), (DatePartValue{1, 1, 1905}));
    EXPECT_EQ(dayNumberToDate(0, 0, 2415445), (DatePartValue{1, 3, 1901}));
    EXPECT_EQ(dayNumberToDate(0, 0, 2415386 + 3 * 365 + 59), (DatePartValue{29, 2, 1904}));
    EXPECT_EQ(dayNumberToDate(0, kMonthUnknown | kDayUnknown, 2415445), (DatePartValue{0, 0, 1901}));
    EXPECT_EQ(dayNumberToDate(2, 0, 2269289), (DatePartValue{23, 12, 1500}));  // table B: 1501 is Julian
    EXPECT_EQ(dayNumberToDate(7, 0, 2269289), (DatePartValue{1, 1, 1501}));    // unknown selector: table A
    EXPECT_EQ(dayNumberToDate(0, 0, 1), (DatePartValue{2, 1, 0}));             // year-less, a common year
    EXPECT_EQ(dayNumberToDate(0, 0, 59), (DatePartValue{1, 3, 0}));
    EXPECT_EQ(dayNumberToDate(0, 0, 365), (DatePartValue{31, 12, 0}));
    EXPECT_EQ(dayNumberToDate(0, 0, kDayNumberLimit), DatePartValue{});
}

TEST(DayNumbers, FollowTheJulianAndGregorianCalendars) {
    // Table A is Julian to 1500 and Gregorian from 1501, table B Julian to 1600. The
    // Gregorian leap rule relabels March to December of the Julian 1300, 1400 and 1500.
    for (const CenturyTable table : {CenturyTable::A, CenturyTable::B}) {
        const int32_t lastJulian = table == CenturyTable::A ? 1499 : 1599;
        forEachDay(1, 2099, [&](DateValue v) {
            const bool gregorian = v.year > lastJulian + 1;
            const bool julian = v.year >= 1101 && v.year <= lastJulian && (v.year % 100 != 0 || isLeapYear(v.year));
            if (!julian && !gregorian) return;
            ASSERT_EQ(dateToDayNumber(v, table), calendarDay(v, gregorian)) << v.day << "." << v.month << "." << v.year;
        });
    }
    EXPECT_EQ(dateToDayNumber({1, 1, 1}), calendarDay({1, 1, 1}, false));
}

TEST(DayNumbers, EncodingIsTheExactInverseOfDecoding) {
    for (const CenturyTable table : {CenturyTable::A, CenturyTable::B}) {
        const auto selector = uint8_t(table);
        for (int32_t n = 1721424; n < kDayNumberLimit; ++n) {  // 1 January of year 1 to the limit
            const DatePartValue v = dayNumberToDate(selector, 0, n);
            // The 366th day of a Julian leap year that the Gregorian rule calls common
            // repeats 31 December.
            if (v == dayNumberToDate(selector, 0, n - 1) && v.month * 100 + v.day == 1231) continue;
            ASSERT_EQ(dateToDayNumber({v.day, v.month, v.year}, table), n) << v.day << "." << v.month << "." << v.year;
        }
        // Every calendar day encodes except those the tables cut from 1500 (A) or 1600 (B).
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
    forEachDay(2001, 2001, [](DateValue v) {  // year-less: 2 January is 1; 1 January has no number
        EXPECT_EQ(dateToDayNumber({v.day, v.month, 0}), dateToDayNumber(v) - dateToDayNumber({1, 1, 2001}));
    });
    EXPECT_EQ(dateToDayNumber({29, 2, 0}), 0);
    EXPECT_EQ(dateToDayNumber({30, 2, 2000}), 0);
    EXPECT_EQ(dateToDayNumber({0, 0, 1850}), dateToDayNumber({1, 1, 1850}));
}

TEST_F(DatesTest, EventAndOrdinanceTexts) {
    EXPECT_EQ(text(makeDate({12, 1, 1850})), "12 Jan 1850");
    EXPECT_EQ(text(makeDate({0, 0, 1850})), "1850");
    EXPECT_EQ(text(makeDate({0, 3, 1850}, kQualAfter)), "Aft Mar 1850");  // the word of code 2, as ordinances spell it
    EXPECT_EQ(text(makeDate({}, kQualStillborn)), "Stillborn");
    EXPECT_EQ(text(makeDateRange({12, 1, 1850}, {3, 2, 1851})), "12 Jan 1850/3 Feb 1851");
    EXPECT_EQ(text(makeDateRange({12, 1, 1850}, {0, 2, 1851}, 4, kQualBefore)), "Bef 12 Jan 1850/Feb 1851");
    EXPECT_EQ(text(makeDateRange({0, 0, 1750}, {0, 0, 1751})), "1750/1751");
    EXPECT_EQ(text(makeStatusDate(kOrdBic)), "");
    PafDate damaged = makeDate({1, 1, 1850});
    damaged.bytes[1] = 23;  // no word for this code
    EXPECT_EQ(text(damaged), "1 Jan 1850");

    EXPECT_EQ(ordinance(makeStatusDate(kOrdBic)), "BIC");
    EXPECT_EQ(ordinance(makeStatusDate(kOrdCleared)), "Cleared");
    EXPECT_EQ(ordinance(makeDate({3, 4, 1900}, kOrdChild)), "Child3 Apr 1900");

    DecodedDate bad = decodeDate(ctx, makeDate({1, 1, 1850}, kQualAbout));
    bad.month1 = 13;
    EXPECT_EQ(formatDate(bad), "Abt Out of range month");
    bad.month1 = 1;
    bad.month2 = -1;
    EXPECT_EQ(formatOrdinanceDate(bad), "BICOut of range month");
}

TEST_F(DatesTest, DecodedFieldsAndUnknownKind) {
    const PafDate range = makeDateRange({12, 1, 1850}, {0, 0, 1851}, 4, kQualEstimated, CenturyTable::B);
    const DecodedDate d = decodeDate(ctx, range);
    EXPECT_EQ(d.kind, 4);
    EXPECT_EQ(d.qualifier, "Est");
    EXPECT_EQ(d.dayNumber, calendarDay({12, 1, 1850}, true));
    EXPECT_EQ((DatePartValue{d.day2, d.month2, d.year2}), (DatePartValue{0, 0, 1851}));
    EXPECT_EQ(decodeDate(ctx, makeStatusDate(kOrdChild)).statusCode, kOrdChild);
    EXPECT_TRUE(isEmptyDate(decodeDate(ctx, PafDate{})));

    PafDate unknown = range;
    unknown.bytes[0] = 0xc5;  // bits 6-7 are not part of the kind
    const auto stop = test::fatalStopOf([&] { decodeDate(ctx, unknown); });
    ASSERT_TRUE(stop);
    EXPECT_EQ(stop->caption + ": " + stop->text, "Error: Unknown date type");
    EXPECT_EQ(stop->status, kExitUnknownDateType);
}

TEST_F(DatesTest, CompareDates) {
    EXPECT_EQ(compare(makeDate({2, 1, 1850}), makeDate({1, 1, 1850})), 1);
    EXPECT_EQ(compare(makeDate({1, 1, 1850}), makeDate({1, 2, 1850})), -31);
    EXPECT_LT(compare(makeDate({0, 0, 1850}), makeDate({1, 1, 1850})), 0);  // a bare year sorts first
    EXPECT_EQ(compare(makeDate({5, 5, 1850}, kQualAbout), makeDate({5, 5, 1850})), 0);
    // Any other pair compares as text: "12 Jan 1850/1851" before "3 Feb 1849".
    EXPECT_LT(compare(makeDateRange({12, 1, 1850}, {0, 0, 1851}), makeDate({3, 2, 1849})), 0);
    EXPECT_GT(compare(makeDate({3, 2, 1849}), PafDate{}), 0);
}

TEST_F(DatesTest, BirthYearAndToday) {
    IndividualRecord person;
    EXPECT_EQ(birthYear(ctx, person), 0);
    person.christening = makeDate({4, 7, 1776});
    person.birth.bytes[4] = 1;  // only the first four bytes say whether there is a birth date
    EXPECT_EQ(birthYear(ctx, person), 1776);
    person.birth = makeDate({0, 0, 1775}, kQualAbout);
    EXPECT_EQ(birthYear(ctx, person), 1775);
    EXPECT_EQ(todayText(ctx), "7 December 2026");
}

// birthYear takes the year without decoding the whole date: it must be the first
// year decodeDate gives, for a birth date and for a christening date alone.
TEST_F(DatesTest, BirthYearIsTheDecodedFirstYearOfEveryKind) {
    const PafDate dates[] = {
        makeDate({12, 1, 1850}),
        makeDate({0, 0, 1600}, kQualAbout),
        makeDate({0, 5, 1999}, kQualBefore),
        makeDate({25, 12, 1501}, kQualNone, CenturyTable::A),
        makeDate({3, 9, 1501}, kQualNone, CenturyTable::B),
        makeDate({1, 1, 1101}),
        makeDate({14, 2, 0}),  // a day without a year
        makeDateRange({12, 1, 1850}, {3, 2, 1851}),
        makeDateRange({0, 0, 1750}, {0, 0, 1751}, 4, kQualEstimated, CenturyTable::B),
        makeStatusDate(kOrdChild),
        makeDate({}, kQualStillborn),
    };
    for (const PafDate& date : dates) {
        const int expected = decodeDate(ctx, date).year1;
        IndividualRecord born;
        born.birth = date;
        IndividualRecord christened;
        christened.christening = date;
        const bool dated = date.bytes[0] != 0 || date.bytes[1] != 0 || date.bytes[2] != 0 || date.bytes[3] != 0;
        EXPECT_EQ(birthYear(ctx, born), dated ? expected : 0) << text(date);
        EXPECT_EQ(birthYear(ctx, christened), dated ? expected : 0) << text(date);
    }
}

TEST_F(DatesTest, YearsOfDatesStoredAsText) {
    WriterFamily family;
    WriterPerson ann;
    ann.name = "Ann /Lee/";
    ann.birth = WriterDate::asText("Abt 1850");
    ann.christening = WriterDate::asText("Bfr 1799");
    ann.death = WriterDate::asText("Aft 12 Mar 1901");
    ann.burial = WriterDate::asText("about 1850");
    ann.baptism = WriterDate::asText("Abt 18x0");
    family.addPerson(ann);
    ASSERT_EQ(ctx.file.openImage(buildPafImage(family).flatten()), PafFile::kOpened);
    IndividualRecord r;
    ASSERT_TRUE(readIndividual(ctx.file, 1, r));

    EXPECT_EQ(birthYear(ctx, r), 0);  // no year is taken until a report asks for it
    setTextDateYears(ctx, true);
    EXPECT_EQ(birthYear(ctx, r), 1850);
    EXPECT_EQ(text(r.birth), "1850");
    EXPECT_EQ(text(r.christening), "1799");
    EXPECT_EQ(text(r.death), "1901");
    EXPECT_EQ(text(r.burial), "");
    EXPECT_EQ(text(r.baptism), "");
    EXPECT_EQ(text(makeTextDate(int32_t(ctx.file.fileSize()) + 100)), "");  // no text record there
}

}  // namespace
}  // namespace tw
