// The pieces the descendant lists share: the date order of the entries and its
// sort, the two-column name printing, the year range, and the file-order walk.

#include <gtest/gtest.h>

#include <random>

#include "paf/navigation.h"
#include "reports/descendant_entry.h"
#include "reports/descent.h"
#include "reports/year_range.h"
#include "support/descendant_lists.h"

namespace tw::test {
namespace {

int sign(int v) { return (v > 0) - (v < 0); }

// Dates of every kind a birth can hold: one date (plain, qualified, partial),
// two dates, status only, empty.
std::vector<PafDate> sampleDates() {
    return {PafDate{},
            makeDate({12, 1, 1850}),
            makeDate({3, 2, 1700}),
            makeDate({0, 5, 1850}),
            makeDate({0, 0, 1850}),
            makeDate({0, 0, 1850}, kQualAbout),
            makeDate({12, 1, 1850}, kQualBefore),
            makeDate({2, 1, 1800}),
            makeDateRange({2, 1, 1800}, {0, 0, 1801}),
            makeDateRange({0, 0, 1709}, {0, 0, 1711}, 4),
            makeStatusDate(kOrdChild)};
}

// The sort as described: neighbours are exchanged while the left one's date is
// later, stepping back after each exchange.
void exchangeSort(PafContext& ctx, std::vector<DecodedDate>& dates, std::vector<int>& ids) {
    for (size_t i = 0; i + 1 < dates.size();) {
        if (compareDates(dates[i], dates[i + 1]) <= 0) {
            ++i;
        } else {
            std::swap(dates[i], dates[i + 1]);
            std::swap(ids[i], ids[i + 1]);
            i = i == 0 ? 1 : i - 1;
        }
    }
    (void)ctx;
}

// Sorts n entries drawn from pool with sortEntries and with the exchange sort.
void expectSameOrder(PafContext& ctx, const std::vector<PafDate>& pool, size_t n, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<DescendantEntry> entries(n);
    std::vector<DecodedDate> dates;
    std::vector<int> ids;
    for (size_t k = 0; k < n; ++k) {
        const DecodedDate date = decodeDate(ctx, pool[random() % pool.size()]);
        entries[k].date = DateKey::of(date);
        entries[k].rin = int32_t(k);
        dates.push_back(date);
        ids.push_back(int(k));
    }
    sortEntries(ctx.host, entries);
    exchangeSort(ctx, dates, ids);
    std::vector<int> sorted;
    for (const DescendantEntry& e : entries) sorted.push_back(e.rin);
    EXPECT_EQ(sorted, ids) << n << " entries, seed " << seed;
}

TEST(DescendantEntry, SortGivesTheExchangeSortsOrder) {
    auto family = openFamily(coupleWithChildren(0));
    PafContext& ctx = family->ctx;
    const std::vector<PafDate> all = sampleDates();
    for (const PafDate& a : all)
        for (const PafDate& b : all) {
            const DecodedDate da = decodeDate(ctx, a), db = decodeDate(ctx, b);
            EXPECT_EQ(sign(compareDateKeys(DateKey::of(da), DateKey::of(db))), sign(compareDates(da, db)));
        }
    // Up to kExactSortLimit entries: the same order whatever the dates, also where
    // day order and text order disagree (12 Jan 1850 > 3 Feb 1700 by day, < by text).
    for (uint32_t seed = 1; seed <= 20; ++seed) expectSameOrder(ctx, all, 300, seed);
    // Larger generations are merged: the same order where the dates are consistently
    // ordered (one-date dates and empty ones), with many equal dates.
    std::vector<PafDate> consistent{PafDate{}};
    for (int year = 1800; year < 1830; ++year) consistent.push_back(makeDate({0, 0, year}));
    for (int day = 1; day < 20; ++day) consistent.push_back(makeDate({day, 6, 1815}, kQualAbout));
    expectSameOrder(ctx, consistent, 2500, 7);
}

TEST(DescendantEntry, NameColumnsPrintEverythingAndAlwaysAdvance) {
    RecordingHost host;
    PageLog log(host);
    log.begin("test");
    log.fontName("Times");
    log.fontSize(12);
    const int32_t limit = int32_t(600 * 2.2);
    const std::string word(60, 'W');  // far wider than the column, no space to cut at
    std::string name = "Karl " + word + " von";
    for (int i = 0; i < 20; ++i) name += " Hohenzollern";  // longer than 128 bytes
    const std::string parent = "  Lead Spaces " + std::string(40, 'm');
    int checks = 0;
    const double end = printNameColumns(log, 2.0, name, parent, {1.55, 5.3, limit, int32_t(600 * 2.25), 0.2},
                                        [&](double y) {
                                            ++checks;
                                            return y;
                                        });
    std::string names, parents;
    int lines = 0;
    for (const std::string& command : pageCommands(log.currentText())) {
        const auto t = textCommand(command);
        if (!t) continue;
        EXPECT_LE(log.textWidth(t->text), limit) << t->text;
        (near(t->x, 1.55) ? names : parents) += t->text;
        if (near(t->x, 1.55)) ++lines;
    }
    EXPECT_EQ(names, name);
    EXPECT_EQ(parents, parent);
    EXPECT_NEAR(end, 2.0 + 0.2 * lines, 1e-9);  // one name piece per line
    EXPECT_EQ(checks, lines);                  // every line, the last one too, is checked
}

TEST(YearRange, BirthOrChristeningYearsDoubleDatesAndUnreadableRecords) {
    WriterFamily f;
    f.addPerson(person("A /T/", 'M', {1, 1, 1850}));
    f.addPerson(person("B /T/", 'F'));
    f.person(2).christening = makeDate({0, 0, 1790});
    f.addPerson(person("C /T/"));                                            // no year
    // birthYear's 4444, the mark of a double-dated year, from a year kept as text:
    // the years are then taken from the christening's "1750/1751", or are missing.
    f.addPerson(person("D /T/"));
    f.person(4).birth = WriterDate::asText("Abt 4444");
    f.person(4).christening = makeDateRange({0, 0, 1750}, {0, 0, 1751});
    f.addPerson(person("E /T/"));
    f.person(5).birth = WriterDate::asText("Abt 4444");
    f.addPerson(person("F /T/"));
    f.person(6).deleted = true;
    auto family = openFamily(f);
    PafContext& ctx = family->ctx;
    setTextDateYears(ctx, true);

    YearRange range;
    for (const int32_t rin : {0, 3}) updateYearRange(ctx, rin, range);
    EXPECT_FALSE(range.any());
    for (const int32_t rin : {1, 2}) updateYearRange(ctx, rin, range);
    EXPECT_EQ(range.low, 1790);
    EXPECT_EQ(range.high, 1850);
    range.reset();
    updateYearRange(ctx, 4, range);
    EXPECT_EQ(range.low, 1750);
    EXPECT_EQ(range.high, 1751);
    updateYearRange(ctx, 5, range);
    EXPECT_EQ(range.high, 1751);
    for (const int32_t rin : {6, 99, 6}) updateYearRange(ctx, rin, range);
    EXPECT_EQ(family->host.messages,
              (std::vector<RecordedMessage>{{"4444 but no / on x", "5"}, {std::string(corruptDataMessage()), "Abort"}}));
    EXPECT_GE(family->host.startWindowClosed, 1);
}

TEST(DescentWalk, FileOrderGivesTheNavigationsTriplesInTheirOrder) {
    // Families listed against their numbers; the results must be those of the
    // navigation routines, in their order, with the values carried along.
    WriterFamily f = coupleWithChildren(3);  // MRIN 1: RINs 3, 4, 5
    f.addPerson(person("S /X/", 'F'));        // 6
    f.addPerson(person("G /T/"));             // 7
    WriterMarriage m;
    m.husband = 5;
    m.wife = 6;
    m.children = {7};
    f.addMarriage(m);                         // MRIN 2
    m.husband = 3;
    m.children = {};
    f.addMarriage(m);                         // MRIN 3
    auto family = openFamily(f);
    PafContext& ctx = family->ctx;
    IntList families;
    families.pushTriple(2, 7, 70);
    families.pushTriple(1, 8, 80);
    families.pushTriple(2, 9, 90);
    const IntList children = childrenInFileOrder(ctx, families);
    const IntList expected = getChildRins(ctx, families);
    ASSERT_EQ(children.size(), expected.size());
    for (int32_t i = 0; i < expected.size(); ++i) EXPECT_EQ(children.fetch(i), expected.fetch(i)) << i;

    IntList persons;
    for (const int32_t rin : {5, 0, 3, 5, 4}) persons.pushTriple(rin, rin * 10, 1);
    const IntList marriages = marriagesInFileOrder(ctx, persons);
    const IntList described = getMrins(ctx, persons);
    ASSERT_EQ(marriages.size(), described.size());
    for (int32_t i = 0; i < described.size(); ++i) EXPECT_EQ(marriages.fetch(i), described.fetch(i)) << i;
}

}  // namespace
}  // namespace tw::test
