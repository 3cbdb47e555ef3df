// The family text format: date phrases, records and their checks, the way through
// PafWriter into a PAF file, and the demo family built from samples/.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "famtext/family_text.h"
#include "paf/byte_order.h"
#include "paf/date_encoding.h"
#include "paf/records.h"
#include "support/paf_fixture.h"

namespace tw {
namespace {

WriterDate phrase(const std::string& text) {
    WriterDate date;
    std::string error;
    EXPECT_TRUE(parseDatePhrase(text, date, error)) << text << ": " << error;
    return date;
}

std::string phraseError(const std::string& text) {
    WriterDate date;
    std::string error;
    EXPECT_FALSE(parseDatePhrase(text, date, error)) << text;
    return error;
}

// "LINE: message" for each problem.
std::vector<std::string> problems(const std::string& text) {
    std::vector<std::string> out;
    for (const auto& e : parseFamilyText(text).errors) out.push_back(std::to_string(e.line) + ": " + e.message);
    return out;
}

using Problems = std::vector<std::string>;

TEST(DatePhrases, CalendarDatesAndQualifiers) {
    EXPECT_EQ(phrase("12 JAN 1850").value, makeDate({12, 1, 1850}));
    EXPECT_EQ(phrase("  jan   1850 ").value, makeDate({0, 1, 1850}));
    EXPECT_EQ(phrase("1850").value, makeDate({0, 0, 1850}));
    EXPECT_EQ(phrase("24 AUG").value, makeDate({24, 8, 0}));
    EXPECT_EQ(phrase("29 February 1904").value, makeDate({29, 2, 1904}));
    EXPECT_EQ(phrase("ABT 1850").value, makeDate({0, 0, 1850}, kQualAbout));
    EXPECT_EQ(phrase("AFT 3 MAR 1850").value, makeDate({3, 3, 1850}, kQualAfter));
    EXPECT_EQ(phrase("BEF MAR 1850").value, makeDate({0, 3, 1850}, kQualBefore));
    EXPECT_EQ(phrase("EST 1850").value, makeDate({0, 0, 1850}, kQualEstimated));
    EXPECT_EQ(phrase("CAL 1850").value, makeDate({0, 0, 1850}, kQualCalculated));
    EXPECT_EQ(phrase("STILLBORN 12 MAR 1918").value, makeDate({12, 3, 1918}, kQualStillborn));
    EXPECT_EQ(phrase("@#DJULIAN@ 14 MAR 1588").value, makeDate({14, 3, 1588}, kQualNone, CenturyTable::B));
    EXPECT_EQ(phrase("@#DGREGORIAN@ 14 MAR 1588").value, makeDate({14, 3, 1588}));
    EXPECT_TRUE(phrase("12 JAN 1850").text.empty());
}

TEST(DatePhrases, DualYearsAndRanges) {
    EXPECT_EQ(phrase("2 FEB 1590/91").value, makeDateRange({2, 2, 1590}, {0, 0, 1591}, 3));
    EXPECT_EQ(phrase("1699/00").value, makeDateRange({0, 0, 1699}, {0, 0, 1700}, 3));
    EXPECT_EQ(phrase("1699/1700").value, makeDateRange({0, 0, 1699}, {0, 0, 1700}, 3));
    EXPECT_EQ(phrase("ABT 1750/1").value, makeDateRange({0, 0, 1750}, {0, 0, 1751}, 3, kQualAbout));
    EXPECT_EQ(phrase("FROM 1709 TO 3 JUN 1711").value, makeDateRange({0, 0, 1709}, {3, 6, 1711}, 3));
    EXPECT_EQ(phrase("BET 1680 AND 1685").value, makeDateRange({0, 0, 1680}, {0, 0, 1685}, 4));
    EXPECT_EQ(phrase("BET MAR 1850 AND 1850").value, makeDateRange({0, 3, 1850}, {0, 0, 1850}, 4));
}

TEST(DatePhrases, StatusesAndTexts) {
    EXPECT_EQ(phrase("STATUS:BIC").value, makeStatusDate(kOrdBic));
    EXPECT_EQ(phrase("status: cleared").value, makeStatusDate(kOrdCleared));
    EXPECT_EQ(phrase("STATUS:CHILD").value, makeStatusDate(kOrdChild));
    EXPECT_EQ(phrase("STATUS:AFT").value, makeStatusDate(kOrdAfter));
    EXPECT_EQ(phrase("STATUS:STILLBORN").value, makeStatusDate(kQualStillborn));
    EXPECT_EQ(phrase("STATUS:22").value, makeStatusDate(22));
    // Text is kept exactly as written (after the prefix), in Windows-1252.
    const WriterDate text = phrase("TEXT:Abt 1750");
    EXPECT_EQ(text.text, "Abt 1750");
    EXPECT_EQ(text.value, PafDate{});
    EXPECT_EQ(phrase("TEXT: Michaelmas, Ærø ").text, " Michaelmas, \xC6r\xF8 ");
}

TEST(DatePhrases, MistakesAreNamed) {
    EXPECT_EQ(phraseError(""), "the date is empty (leave the field out for no date)");
    EXPECT_EQ(phraseError("12 JNA 1850"), "unknown month 'JNA'");
    EXPECT_EQ(phraseError("30 FEB 1850"), "day '30' is not a day of FEB 1850");
    EXPECT_EQ(phraseError("29 FEB 1900"), "day '29' is not a day of FEB 1900");
    EXPECT_EQ(phraseError("29 FEB"), "day '29' is not a day of FEB");
    EXPECT_EQ(phraseError("1 JAN"), "a date without a year cannot be 1 JAN");
    EXPECT_EQ(phraseError("185O"), "'185O' is not a year");
    EXPECT_EQ(phraseError("3000"), "the year 3000 is outside what a PAF date can hold");
    EXPECT_EQ(phraseError("1750/52"), "the dual year 1750/52 does not name the year after 1750");
    EXPECT_EQ(phraseError("1 2 JAN 1850"), "expected a date like 12 JAN 1850");
    EXPECT_EQ(phraseError("ABT"), "a date is missing");
    EXPECT_EQ(phraseError("ABT BET 1850 AND 1851"), "expected a date like 12 JAN 1850");
    EXPECT_EQ(phraseError("BET 1850 1852"), "BET needs AND and a second date");
    EXPECT_EQ(phraseError("FROM 1852 TO 1850"), "the second date comes before the first");
    EXPECT_EQ(phraseError("BET 2 MAR 1850 AND 1 MAR 1850"), "the second date comes before the first");
    EXPECT_EQ(phraseError("BET 12 JAN AND 1852"), "both dates of a range need a year");
    EXPECT_EQ(phraseError("FROM 1750/51 TO 1760"), "a dual year cannot be part of a range");
    EXPECT_EQ(phraseError("TEXT:"), "a date stored as text needs its text after TEXT:");
    EXPECT_EQ(phraseError("TEXT:" + std::string(256, 'x')), "the date text is longer than 255 characters");
    EXPECT_EQ(phraseError("STATUS:23"),
              "unknown status '23' (BIC, AFT, CHILD, CLEARED, CAL, DNS, STILLBORN, UNCLEARED or a code 0 to 22)");
}

TEST(FamilyTextRecords, FieldsBecomeTheWriterFamily) {
    const FamilyText parsed = parseFamilyText(
        "# a comment line\n"
        "family 2 husband 1 wife 4 date \"1901\"  # Almira's second marriage\n"
        "family 1 husband 3 wife 4 children 2 5 date \"12 JUN 1890\" place \"Kærby\"\r\n"
        "    sealing \"STATUS:CLEARED\"\n"
        "\n"
        "person 1 sex M name \"Levi /Callister/\"\n"
        "person 2 sex U name \"Infant /O\\\"Dea\\\\/\" death \"STILLBORN 1891\"\n"
        "person 3 sex M name \"Jens /Bøgh/\" place \"Ravnsholt\" birth \"1 OCT 1850\" chr \"ABT 1850\"\n"
        "  death \"BET 1901 AND 1903\" burial \"TEXT:Abt 1903\" baptism \"3 MAR 1990\"\n"
        "\tendowment \"STATUS:CHILD\"\n"
        "person 4 sex F name \"Almira /Ibbotson/\" marriages 1 2\n"
        "person 5 sex f name Zoë sealing-to-parents \"STATUS:BIC\"\n"
        "person 6 deleted\n"
        "family 3 deleted\n");
    ASSERT_TRUE(parsed.ok()) << parsed.errors.front().line << ": " << parsed.errors.front().message;
    const WriterFamily& family = parsed.family;
    ASSERT_EQ(family.people.size(), 6u);
    ASSERT_EQ(family.marriages.size(), 3u);

    const WriterPerson& jens = family.people[2];
    EXPECT_EQ(jens.name, "Jens /B\xF8gh/");
    EXPECT_EQ(jens.sex, 'M');
    EXPECT_EQ(jens.birthPlace, "Ravnsholt");
    EXPECT_EQ(jens.birth.value, makeDate({1, 10, 1850}));
    EXPECT_EQ(jens.christening.value, makeDate({0, 0, 1850}, kQualAbout));
    EXPECT_EQ(jens.death.value, makeDateRange({0, 0, 1901}, {0, 0, 1903}, 4));
    EXPECT_EQ(jens.burial.text, "Abt 1903");
    EXPECT_EQ(jens.baptism.value, makeDate({3, 3, 1990}));
    EXPECT_EQ(jens.endowment.value, makeStatusDate(kOrdChild));
    EXPECT_TRUE(jens.marriageOrder.empty());

    EXPECT_EQ(family.people[1].name, "Infant /O\"Dea\\/");
    EXPECT_EQ(family.people[1].sex, 'U');
    EXPECT_EQ(family.people[3].marriageOrder, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(family.people[4].name, "Zo\xEB");
    EXPECT_EQ(family.people[4].sex, 'F');
    EXPECT_TRUE(family.people[5].deleted);

    const WriterMarriage& first = family.marriages[0];
    EXPECT_EQ(first.husband, 3);
    EXPECT_EQ(first.wife, 4);
    EXPECT_EQ(first.children, (std::vector<int32_t>{2, 5}));
    EXPECT_EQ(first.place, "K\xE6rby");
    EXPECT_EQ(first.date.value, makeDate({12, 6, 1890}));
    EXPECT_EQ(first.sealing.value, makeStatusDate(kOrdCleared));
    // Sealings to parents travel with the family, one per child, blank where none.
    ASSERT_EQ(first.childSealings.size(), 2u);
    EXPECT_EQ(first.childSealings[0].value, PafDate{});
    EXPECT_EQ(first.childSealings[1].value, makeStatusDate(kOrdBic));
    EXPECT_TRUE(family.marriages[1].childSealings.empty());
    EXPECT_TRUE(family.marriages[2].deleted);
}

TEST(FamilyTextRecords, SyntaxMistakesCarryTheirLine) {
    EXPECT_EQ(problems("persn 1 sex M name \"A\"\n"), Problems{"1: unknown record 'persn' (expected person or family)"});
    EXPECT_EQ(problems("\n  person 1 sex M\n"),
              Problems{"2: an indented line continues a record, but no record has begun"});
    EXPECT_EQ(problems("person sex M\n"), Problems{"1: person needs a number from 1 up"});
    EXPECT_EQ(problems("family 0\n"), Problems{"1: family needs a number from 1 up"});
    EXPECT_EQ(problems("person 1 sex M\n  name \"A\" brith \"1850\"\n"), Problems{"2: unknown person field 'brith'"});
    EXPECT_EQ(problems("person 1 sex M name \"A\" name \"B\"\n"), Problems{"1: 'name' is given twice"});
    EXPECT_EQ(problems("person 1 sex M\n name\n"), Problems{"2: 'name' needs a value"});
    EXPECT_EQ(problems("person 1 sex X name \"A\"\n"), Problems{"1: sex must be M, F or U, not 'X'"});
    EXPECT_EQ(problems("person 1 sex M name \"A\" \"B\"\n"), Problems{"1: expected a person field, found \"B\""});
    EXPECT_EQ(problems("person 1 sex M name \"A\nperson 2 sex F name \"B\" \n"),
              Problems{"1: quoted text is not closed"});
    EXPECT_EQ(problems("person 1 sex M name \"A\\n\"\n"),
              Problems{"1: unknown escape in a quoted text (only \\\" and \\\\ are known)"});
    EXPECT_EQ(problems("person 1 sex M name \"A\"\n   birth \"31 APR 1850\"\n"),
              Problems{"2: bad birth date \"31 APR 1850\": day '31' is not a day of APR 1850"});
    EXPECT_EQ(problems("person 1 sex M name \"A\xC3\"\n"), Problems{"1: the name is not valid UTF-8"});
    EXPECT_EQ(problems("person 1 sex M name \"" + std::string(256, 'a') + "\"\n"),
              Problems{"1: the name is longer than 255 characters"});
    EXPECT_EQ(problems("family 1 children\n"), Problems{"1: 'children' needs at least one person number"});
    EXPECT_EQ(problems("family 1 husband \"1\"\n"), Problems{"1: 'husband' needs a person number, not '1'"});
    EXPECT_EQ(problems("person 1 sex M name \"A\"\nperson 1 sex F name \"B\"\n"),
              Problems{"2: person 1 is defined twice (also on line 1)"});
    // Several mistakes at once come in line order.
    EXPECT_EQ(problems("person 1 sex M name \"A\" x\nperson 2 sex M name \"B\" y\n"),
              (Problems{"1: unknown person field 'x'", "2: unknown person field 'y'"}));
}

TEST(FamilyTextRecords, LinksBetweenRecordsAreChecked) {
    const std::string people = "person 1 sex M name \"Father\"\n"   // line 1
                               "person 2 sex F name \"Mother\"\n"   // line 2
                               "person 3 sex U name \"Child\"\n";   // line 3
    EXPECT_EQ(problems(people + "family 1 husband 2 wife 1\n"),
              (Problems{"4: family 1: husband 2 is a woman", "4: family 1: wife 1 is a man"}));
    EXPECT_EQ(problems(people + "family 1 husband 1 wife 9\n"), Problems{"4: family 1: wife 9 is not a person"});
    EXPECT_EQ(problems(people + "family 1 husband 3 wife 3\n"),
              Problems{"4: family 1: the husband and the wife are the same person"});
    EXPECT_EQ(problems(people + "family 1 husband 1 wife 2\n children 3 3\n"),
              Problems{"5: family 1: child 3 is listed twice"});
    EXPECT_EQ(problems(people + "family 1 husband 1 children 1\n"),
              Problems{"4: family 1: child 1 is also a parent of the family"});
    EXPECT_EQ(problems(people + "family 1 husband 1 children 3\nfamily 2 wife 2 children 3\n"),
              Problems{"5: family 2: person 3 is already a child of family 1 (a person has one set of parents)"});
    EXPECT_EQ(problems(people + "person 4 deleted\nfamily 1 husband 4\n"),
              Problems{"5: family 1: husband 4 is a deleted person"});
    EXPECT_EQ(problems(people + "family 1 deleted husband 1\n"), Problems{"4: family 1 is deleted and must not name anyone"});
    EXPECT_EQ(problems("person 1 sex M name \"A\" sealing-to-parents \"STATUS:BIC\"\n"),
              Problems{"1: person 1 has a sealing to parents but is no family's child"});
    EXPECT_EQ(problems("person 1 sex M\nperson 2 name \"B\"\n"),
              (Problems{"1: person 1 needs a name", "2: person 2 needs a sex (M, F or U)"}));
    EXPECT_EQ(problems("person 1 sex M name \"A\"\nperson 3 sex M name \"C\"\nperson 6 sex M name \"F\"\n"
                       "family 2 husband 1\n"),
              (Problems{"0: people must be numbered 1 to 6 without gaps; missing: 2, 4, 5",
                        "0: families must be numbered 1 to 2 without gaps; missing: 1"}));
    EXPECT_EQ(problems("# nothing\n"), Problems{"0: the family has no people"});
}

TEST(FamilyTextRecords, MarriageOrderMustNameExactlyThePersonsFamilies) {
    const std::string spouses = "person 2 sex F name \"B\"\n"
                                "person 3 sex F name \"C\"\n"
                                "family 1 husband 1 wife 2\n"
                                "family 2 husband 1 wife 3\n";
    EXPECT_EQ(problems("person 1 sex M name \"A\" marriages 2 1\n" + spouses), Problems{});
    EXPECT_EQ(problems("person 1 sex M name \"A\" marriages 2\n" + spouses),
              Problems{"1: person 1: 'marriages' leaves out family 1"});
    EXPECT_EQ(problems("person 1 sex M name \"A\" marriages 2 2 1\n" + spouses),
              Problems{"1: person 1: family 2 is listed twice in 'marriages'"});
    EXPECT_EQ(problems("person 1 sex M name \"A\"\n" + spouses + "person 4 sex M name \"D\" marriages 1\n"),
              Problems{"6: person 4: family 1 in 'marriages' does not name person 4 as a spouse"});
}

TEST(FamilyTextRecords, NobodyIsTheirOwnAncestor) {
    EXPECT_EQ(problems("person 1 sex M name \"A\"\n"
                       "person 2 sex M name \"B\"\n"
                       "person 3 sex M name \"C\"\n"
                       "family 1 husband 1 children 2\n"
                       "family 2 husband 2 children 3\n"
                       "family 3 husband 3 children 1\n"),
              Problems{"1: person 1 is among their own ancestors"});
}

TEST(FamilyTextToPaf, TheWrittenFileHoldsWhatTheTextSays) {
    const FamilyText parsed = parseFamilyText(
        "person 1 sex M name \"Orson /Verrall/\" marriages 2 1\n"
        "person 2 sex F name \"Emeline /Krogsgård/\" place \"Kærby, Fyn\"\n"
        "person 3 sex F name \"Almira /Ibbotson/\"\n"
        "person 4 sex U name \"Infant /Verrall/\" sealing-to-parents \"STATUS:BIC\"\n"
        "person 5 deleted\n"
        "family 1 husband 1 wife 2 children 4 sealing \"9 MAR 1881\"\n"
        "family 2 husband 1 wife 3 date \"TEXT:spring 1877\"\n");
    ASSERT_TRUE(parsed.ok()) << parsed.errors.front().message;
    auto opened = test::openFamily(parsed.family);
    ASSERT_NE(opened, nullptr);
    const PafFile& file = opened->ctx.file;
    EXPECT_EQ(file.highestRin(), 5);
    EXPECT_EQ(file.highestMrin(), 2);
    EXPECT_EQ(individualName(opened->ctx, 2), "Emeline /Krogsgård/");

    // The marriage chain follows the order the text gave: family 2 before family 1.
    IndividualRecord orson, emeline, infant, gone;
    ASSERT_TRUE(readIndividual(file, 1, orson));
    ASSERT_TRUE(readIndividual(file, 2, emeline));
    ASSERT_TRUE(readIndividual(file, 4, infant));
    ASSERT_TRUE(readIndividual(file, 5, gone));
    EXPECT_EQ(orson.firstMrin, 2);
    MarriageRecord second, first;
    ASSERT_TRUE(readMarriage(file, 2, second));
    ASSERT_TRUE(readMarriage(file, 1, first));
    EXPECT_EQ(second.husbandNext, 1);
    EXPECT_EQ(first.husbandNext, 0);
    EXPECT_EQ(first.sealing, makeDate({9, 3, 1881}));
    EXPECT_EQ(file.readText(readInt32le(second.date.bytes, 2)), std::optional<std::string>("spring 1877"));
    EXPECT_EQ(file.readText(emeline.birthPlaceOffset), std::optional<std::string>("Kærby, Fyn"));

    EXPECT_EQ(infant.sex, 'U');
    ChildLinkRecord link;
    ASSERT_TRUE(readChildLink(file, infant.childLink, link));
    EXPECT_EQ(link.mrin, 1);
    EXPECT_EQ(link.sealing, makeStatusDate(kOrdBic));
    EXPECT_TRUE(gone.isDeleted());
}

// ---- The demo family -------------------------------------------------------------

class DemoFamily : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ctx.file.open(TAMBLEWIN_DEMO_PAF), PafFile::kOpened) << ctx.file.openProblem();
        for (int32_t rin = 1; rin <= ctx.file.highestRin(); ++rin) {
            ASSERT_TRUE(readIndividual(ctx.file, rin, people[rin]));
        }
        for (int32_t mrin = 1; mrin <= ctx.file.highestMrin(); ++mrin) {
            ASSERT_TRUE(readMarriage(ctx.file, mrin, marriages[mrin]));
        }
    }

    // The family a person is a child of, 0 when none.
    int32_t parentsOf(int32_t rin) {
        ChildLinkRecord link;
        const auto it = people.find(rin);
        const int32_t n = it == people.end() ? 0 : it->second.childLink;
        return n != 0 && readChildLink(ctx.file, n, link) ? link.mrin : 0;
    }

    // Every event and ordinance date of the file.
    std::vector<PafDate> allDates() {
        std::vector<PafDate> dates;
        for (const auto& [rin, p] : people) {
            for (const PafDate& d : {p.birth, p.christening, p.death, p.burial, p.baptism, p.endowment}) {
                dates.push_back(d);
            }
        }
        for (const auto& [mrin, m] : marriages) {
            dates.push_back(m.date);
            dates.push_back(m.sealing);
        }
        for (const auto& [rin, p] : people) {
            ChildLinkRecord link;
            if (p.childLink && readChildLink(ctx.file, p.childLink, link)) dates.push_back(link.sealing);
        }
        return dates;
    }

    test::RecordingHost host;
    PafContext ctx{host};
    std::map<int32_t, IndividualRecord> people;
    std::map<int32_t, MarriageRecord> marriages;
};

TEST_F(DemoFamily, SizeAndDepth) {
    EXPECT_GE(people.size(), 200u);
    EXPECT_LE(people.size(), 400u);
    // The longest line of ancestors, counted in generations.
    std::map<int32_t, int> depth;
    std::function<int(int32_t)> generations = [&](int32_t rin) -> int {
        if (rin == 0) return 0;
        if (auto it = depth.find(rin); it != depth.end()) return it->second;
        const int32_t mrin = parentsOf(rin);
        const int d = 1 + (mrin ? std::max(generations(marriages[mrin].husband), generations(marriages[mrin].wife)) : 0);
        return depth[rin] = d;
    };
    int deepest = 0;
    for (const auto& [rin, p] : people) deepest = std::max(deepest, generations(rin));
    EXPECT_GE(deepest, 10);
    EXPECT_GE(generations(1), 10) << "person 1 starts the ancestor reports";
}

TEST_F(DemoFamily, FamilyShapesTheReportsNeed) {
    // First cousins who married: the husband's and the wife's parents share a family.
    int cousinMarriages = 0;
    std::map<int32_t, int> marriagesOf;
    int childless = 0;
    for (const auto& [mrin, m] : marriages) {
        if (m.isDeleted()) continue;
        if (m.firstChildLink == 0) ++childless;
        ++marriagesOf[m.husband];
        ++marriagesOf[m.wife];
        std::set<int32_t> husbandsGrandparents;
        if (const int32_t hp = parentsOf(m.husband)) {
            for (int32_t g : {marriages[hp].husband, marriages[hp].wife}) husbandsGrandparents.insert(parentsOf(g));
        }
        if (const int32_t wp = parentsOf(m.wife); wp && wp != parentsOf(m.husband)) {
            for (int32_t g : {marriages[wp].husband, marriages[wp].wife}) {
                if (g && parentsOf(g) && husbandsGrandparents.count(parentsOf(g))) {
                    ++cousinMarriages;
                    break;
                }
            }
        }
    }
    EXPECT_GE(cousinMarriages, 1);
    EXPECT_GE(childless, 2);
    marriagesOf.erase(0);
    int mostMarriages = 0;
    for (const auto& [rin, count] : marriagesOf) mostMarriages = std::max(mostMarriages, count);
    EXPECT_GE(mostMarriages, 3);

    int unknownSex = 0, deletedPeople = 0, accented = 0;
    for (const auto& [rin, p] : people) {
        if (p.isDeleted()) {
            ++deletedPeople;
            continue;
        }
        if (p.sex != 'M' && p.sex != 'F') ++unknownSex;
        const std::string name = individualName(ctx, rin).str();
        if (std::any_of(name.begin(), name.end(), [](char c) { return uint8_t(c) >= 0x80; })) ++accented;
    }
    EXPECT_GE(unknownSex, 1);
    EXPECT_GE(deletedPeople, 1);
    EXPECT_GE(accented, 5);
    EXPECT_TRUE(std::any_of(marriages.begin(), marriages.end(), [](const auto& m) { return m.second.isDeleted(); }));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DemoFamily, EveryKindOfDate) {
    std::set<int> kinds, qualifiers, statuses;
    int texts = 0, partial = 0;
    for (const PafDate& d : allDates()) {
        const int kind = d.bytes[0] & 15;
        if (((d.bytes[0] >> 4) & 3) == 2) {
            ++texts;
            continue;
        }
        kinds.insert(kind);
        if (kind == 1) statuses.insert(d.bytes[1]);
        if (kind >= 2) qualifiers.insert(d.bytes[1]);
        if (kind == 2 && (d.bytes[3] & 0x60)) ++partial;
    }
    EXPECT_EQ(kinds, (std::set<int>{0, 1, 2, 3, 4}));
    for (int q : {kQualNone, kQualAbout, kQualAfter, kQualBefore, kQualEstimated, kQualCalculated}) {
        EXPECT_TRUE(qualifiers.count(q)) << "qualifier " << q;
    }
    for (int s : {kOrdBic, kOrdChild, kOrdCleared}) EXPECT_TRUE(statuses.count(s)) << "status " << s;
    EXPECT_GE(texts, 3);
    EXPECT_GE(partial, 10);
}

}  // namespace
}  // namespace tw
