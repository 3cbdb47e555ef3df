// GEDCOM import: the mapping onto PAF records, read back through PafFile; dates;
// encodings and line endings; and what happens to bad input.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gedcom/gedcom_date.h"
#include "gedcom/gedcom_import.h"
#include "gedcom/gedcom_text.h"
#include "paf/byte_order.h"
#include "paf/dates.h"
#include "paf/records.h"
#include "support/paf_fixture.h"

namespace tw {
namespace {

using gedcom::importGedcom;
using gedcom::ImportResult;

// Opened as the program opens an imported file: its text is UTF-8.
std::unique_ptr<test::OpenedFamily> openImported(ImportResult&& r) {
    EXPECT_TRUE(r.ok()) << r.error;
    auto opened = std::make_unique<test::OpenedFamily>();
    opened->image = buildPafImage(std::move(r.family)).flatten();
    EXPECT_EQ(opened->ctx.file.openImage(opened->image, TextEncoding::Utf8), PafFile::kOpened);
    return opened;
}

std::string shownDate(PafContext& ctx, const PafDate& d) { return formatDate(decodeDate(ctx, d)).str(); }

// Lines joined with LF, the usual form in these tests.
std::string ged(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* l : lines) text += std::string(l) + "\n";
    return text;
}

const std::string kFamily = ged({
    "0 HEAD", "1 GEDC", "2 VERS 5.5.1", "1 CHAR UTF-8",
    "0 @F2@ FAM", "1 HUSB @I1@", "1 WIFE @I3@", "1 MARR", "2 DATE 3 MAR 1880", "2 PLAC Lund,", "3 CONC  Sk\xC3\xA5ne",
    "0 @I1@ INDI", "1 NAME Tobias /Quillfeather/", "1 SEX M", "1 BIRT", "2 DATE 12 JAN 1850",
    "2 PLAC Harrowmere", "1 DEAT", "2 DATE ABT 1920", "1 _CUSTOM whatever", "2 DATE 1 JAN 1800",
    "1 FAMS @F1@", "1 FAMS @F2@", "1 BAPL", "2 STAT BIC", "1 ENDL", "2 DATE 4 APR 1990",
    "0 @I2@ INDI", "1 NAME /Brightwater/ Ada", "1 SEX F", "1 CHR", "2 DATE 5 MAY 1852", "1 FAMS @F1@",
    "0 @I3@ INDI", "1 NAME Ruth", "1 SEX F", "1 FAMS @F2@",
    "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "1 CHIL @I5@", "1 CHIL @I4@", "1 SLGS", "2 DATE 1 JUN 1995",
    "0 @I4@ INDI", "1 NAME Alma /Quillfeather/", "1 FAMC @F1@", "1 SLGC", "2 DATE 2 FEB 1996", "2 FAMC @F1@",
    "0 @I5@ INDI", "1 NAME", "2 GIVN Otto", "2 SURN Quillfeather", "1 SEX X", "1 FAMC @F1@",
    "0 @S1@ SOUR", "1 TITL A source the import passes over",
    "0 TRLR",
});

TEST(GedcomImport, RecordsNumberedInFileOrderWithLinksAndOrders) {
    ImportResult r = importGedcom(kFamily);
    EXPECT_EQ(r.warnings, std::vector<std::string>{});
    auto f = openImported(std::move(r));
    PafContext& ctx = f->ctx;
    ASSERT_EQ(ctx.file.highestRin(), 5);
    ASSERT_EQ(ctx.file.highestMrin(), 2);
    EXPECT_EQ(individualName(ctx, 1), "Tobias /Quillfeather/");
    EXPECT_EQ(individualName(ctx, 2), "/Brightwater/ Ada");  // in the order written
    EXPECT_EQ(individualName(ctx, 3), "Ruth");
    EXPECT_EQ(individualName(ctx, 5), "Otto /Quillfeather/");  // from GIVN and SURN

    IndividualRecord tobias, ada, otto;
    ASSERT_TRUE(readIndividual(ctx.file, 1, tobias));
    ASSERT_TRUE(readIndividual(ctx.file, 2, ada));
    ASSERT_TRUE(readIndividual(ctx.file, 5, otto));
    EXPECT_EQ(tobias.sex, 'M');
    EXPECT_EQ(ada.sex, 'F');
    EXPECT_EQ(otto.sex, 'U');
    EXPECT_EQ(shownDate(ctx, tobias.birth), "12 Jan 1850");
    EXPECT_EQ(ctx.file.readText(tobias.birthPlaceOffset), std::optional<std::string>("Harrowmere"));
    EXPECT_EQ(shownDate(ctx, tobias.death), "Abt 1920");
    EXPECT_EQ(formatOrdinanceDate(decodeDate(ctx, tobias.baptism)), "BIC");
    EXPECT_EQ(shownDate(ctx, tobias.endowment), "4 Apr 1990");
    EXPECT_EQ(shownDate(ctx, ada.christening), "5 May 1852");
    EXPECT_TRUE(isEmptyDate(decodeDate(ctx, ada.birth)));

    // Tobias's marriages in the order of his FAMS lines: F1 (MRIN 2), then F2 (MRIN 1).
    MarriageRecord first, second;
    ASSERT_TRUE(readMarriage(ctx.file, 1, second));
    ASSERT_TRUE(readMarriage(ctx.file, 2, first));
    EXPECT_EQ(tobias.firstMrin, 2);
    EXPECT_EQ(first.husbandNext, 1);
    EXPECT_EQ(second.husbandNext, 0);
    EXPECT_EQ(second.wife, 3);
    EXPECT_EQ(shownDate(ctx, second.date), "3 Mar 1880");
    EXPECT_EQ(ctx.file.readText(second.placeOffset), std::optional<std::string>("Lund, Skåne"));
    EXPECT_EQ(shownDate(ctx, first.sealing), "1 Jun 1995");

    // Children in CHIL order (Otto, then Alma), Alma's sealing on her link.
    ChildLinkRecord link1, link2;
    ASSERT_TRUE(readChildLink(ctx.file, first.firstChildLink, link1));
    ASSERT_TRUE(readChildLink(ctx.file, link1.next, link2));
    EXPECT_EQ(link1.child, 5);
    EXPECT_EQ(link2.child, 4);
    EXPECT_EQ(link2.next, first.firstChildLink);
    EXPECT_TRUE(isEmptyDate(decodeDate(ctx, link1.sealing)));
    EXPECT_EQ(shownDate(ctx, link2.sealing), "2 Feb 1996");
    EXPECT_EQ(r.counts.children, 2u);
    EXPECT_EQ(r.counts.dates, 8u);  // the custom tag's DATE is not one of them
}

TEST(GedcomImport, Gedcom7WithoutCharsetVoidLinksAndCalendarWords) {
    const ImportResult r = importGedcom(ged({
        "0 HEAD", "1 GEDC", "2 VERS 7.0",
        "0 @I1@ INDI", "1 NAME J\xC3\xBCrgen /Vo\xC3\x9F/", "1 SEX X", "1 BIRT", "2 DATE JULIAN 1 MAR 1550",
        "3 PHRASE first of March, old style", "1 FAMC @VOID@", "1 FAMS @F1@",
        "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @VOID@", "1 CHIL @VOID@", "1 MARR", "2 DATE BET 1575 AND 1577",
        "0 TRLR",
    }));
    EXPECT_EQ(r.warnings, std::vector<std::string>{});
    ASSERT_EQ(unpackFamily(r.family).people.size(), 1u);
    EXPECT_EQ(unpackFamily(r.family).people[0].name, "Jürgen /Voß/");
    EXPECT_EQ(unpackFamily(r.family).people[0].sex, 'U');
    EXPECT_EQ(unpackFamily(r.family).people[0].birth.value, makeDate({1, 3, 1550}, kQualNone, CenturyTable::B));
    EXPECT_EQ(unpackFamily(r.family).marriages[0].husband, 1);
    EXPECT_EQ(unpackFamily(r.family).marriages[0].wife, 0);
    EXPECT_EQ(unpackFamily(r.family).marriages[0].date.value, makeDateRange({0, 0, 1575}, {0, 0, 1577}, 4));
}

TEST(GedcomImport, NamesAsPafStoresThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"John /Smith/", "John /Smith/"},
        {"John /Smith/ Jr.", "John /Smith/ Jr."},
        {"  John   Henry  /Smith/ ", "John Henry /Smith/"},
        {"John / Smith /Jr", "John /Smith/ Jr"},
        {"/Smith/ John", "/Smith/ John"},
        {"/William Pitt Leleiohoku/ I", "/William Pitt Leleiohoku/ I"},
        {"Abu /Talib/, Caliph", "Abu /Talib/, Caliph"},
        {"Abu /Talib/ , Caliph", "Abu /Talib/, Caliph"},
        {"/Smith/", "/Smith/"},
        {"John /Smith", "John /Smith/"},
        {"Mary", "Mary"},
    };
    for (const auto& [gedcomName, stored] : cases) {
        const ImportResult r = importGedcom("0 HEAD\n0 @I1@ INDI\n1 NAME " + std::string(gedcomName) + "\n0 TRLR\n");
        ASSERT_EQ(unpackFamily(r.family).people.size(), 1u);
        EXPECT_EQ(unpackFamily(r.family).people[0].name, stored) << gedcomName;
    }
}

TEST(GedcomImport, PlacesWithoutTheirEmptyJurisdictions) {
    const std::pair<const char*, const char*> cases[] = {
        {"Lund, Sk\xC3\xA5ne", "Lund, Sk\xC3\xA5ne"},
        {",,London,England", "London,England"},
        {"Clarence House,St. James,,England", "Clarence House,St. James,England"},
        {"Coppins, , England", "Coppins, England"},
        {"Ely,", "Ely"},
        {" , ", ""},
    };
    for (const auto& [gedcomPlace, stored] : cases) {
        const ImportResult r =
            importGedcom("0 HEAD\n0 @I1@ INDI\n1 NAME Jo /Ray/\n1 BIRT\n2 PLAC " + std::string(gedcomPlace) + "\n0 TRLR\n");
        const WriterFamily family = unpackFamily(r.family);
        ASSERT_EQ(family.people.size(), 1u);
        EXPECT_EQ(family.people[0].birthPlace, stored) << gedcomPlace;
    }
}

struct DateCase {
    const char* gedcom;
    const char* shown;  // formatDate of the PAF date; for text dates the stored text
    int kind;           // 0 for a date stored as text
};

TEST(GedcomImport, DatesOntoPafDates) {
    const DateCase cases[] = {
        {"12 JAN 1850", "12 Jan 1850", 2},
        {"JAN 1850", "Jan 1850", 2},
        {" 1850 ", "1850", 2},
        {"12 jan 1850", "12 Jan 1850", 2},
        {"ABT 1850", "Abt 1850", 2},
        {"AFT 3 MAR 1850", "Aft 3 Mar 1850", 2},
        {"BEF 1850", "Bef 1850", 2},
        {"EST 1850", "Est 1850", 2},
        {"CAL DEC 1850", "Cal Dec 1850", 2},
        {"FROM 1850 TO 1851", "1850/1851", 3},
        {"BET 12 JAN 1850 AND FEB 1851", "12 Jan 1850/Feb 1851", 4},
        {"12 FEB 1750/51", "12 Feb 1750/1751", 3},
        {"@#DGREGORIAN@ 1 JUL 1900", "1 Jul 1900", 2},
        {"@#DJULIAN@ 3 MAR 1580", "3 Mar 1580", 2},
        {"JULIAN 3 MAR 1580", "3 Mar 1580", 2},
        {"Tuesday, 9th November 1841", "9 Nov 1841", 2},
        {"1st December 1844", "1 Dec 1844", 2},
        {"November 1841", "Nov 1841", 2},
        {"Someday, 9th November 1841", "Someday, 9th November 1841", 0},
        {"32nd November 1841", "32nd November 1841", 0},
        {"INT 1850 (about then)", "INT 1850 (about then)", 0},
        {"(in the spring)", "(in the spring)", 0},
        {"@#DHEBREW@ 1 TSH 5600", "@#DHEBREW@ 1 TSH 5600", 0},
        {"31 FEB 1850", "31 FEB 1850", 0},
        {"BET 1852 AND 1850", "BET 1852 AND 1850", 0},
        {"FROM 1850", "FROM 1850", 0},
        {"44 BC", "44 BC", 0},
        {"TEXT:Abt 1750", "TEXT:Abt 1750", 0},
        {"1 JAN 3000", "1 JAN 3000", 0},
        {"Sp\xC3\xA4t 1850", "Spät 1850", 0},
        {"28 JAN 1456-1457", "28 Jan 1456/1457", 3},  // a dual year as some programs write it
        {"1456-1460", "1456-1460", 0},
    };
    auto f = test::openFamily(test::coupleWithChildren(0));
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.gedcom);
        const WriterDate d = gedcom::gedcomDate(c.gedcom);
        if (c.kind == 0) {
            EXPECT_EQ(d.text, c.shown);
            continue;
        }
        ASSERT_EQ(d.text, "");
        EXPECT_EQ(d.value.bytes[0] & 15, c.kind);
        EXPECT_EQ(shownDate(f->ctx, d.value), c.shown);
    }
    // Julian dates are counted in table B, which differs from A in the 1500s.
    EXPECT_EQ(gedcom::gedcomDate("@#DJULIAN@ 3 MAR 1580").value.bytes[2], 2);
    EXPECT_EQ(gedcom::gedcomDate("3 MAR 1580").value.bytes[2], 0);
    EXPECT_NE(readUint24le(gedcom::gedcomDate("@#DJULIAN@ 3 MAR 1580").value.bytes, 4),
              readUint24le(gedcom::gedcomDate("3 MAR 1580").value.bytes, 4));
    EXPECT_EQ(gedcom::gedcomDate("").value, PafDate{});
    EXPECT_EQ(gedcom::gedcomDate(std::string(400, 'x')).text.size(), 255u);
}

// ---- Encodings and line endings ---------------------------------------------------

std::string utf16(std::string_view utf8ascii, bool bigEndian, bool bom) {
    // The test texts are ASCII apart from the characters added below as code units.
    std::string out;
    auto unit = [&](uint16_t u) {
        out += char(bigEndian ? u >> 8 : u & 0xFF);
        out += char(bigEndian ? u & 0xFF : u >> 8);
    };
    if (bom) unit(0xFEFF);
    for (const char c : utf8ascii) {
        if (c == '\x01') unit(0x00E9);        // é
        else if (c == '\x02') unit(0x00FC);   // ü
        else if (c == '\x03') unit(0x0141);   // Ł: no Windows-1252 form
        else if (c == '\x04') { unit(0xD83D); unit(0xDE00); }  // an emoji, as a surrogate pair
        else unit(uint8_t(c));
    }
    return out;
}

std::string withEnding(std::string text, const std::string& ending) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') out += ending;
        else out += c;
    }
    return out;
}

TEST(GedcomImport, EveryEncodingAndLineEndingGivesTheSameText) {
    // \x01 é, \x02 ü, \x03 Ł, \x04 an emoji; each variant spells them its own way.
    const std::string base = "0 HEAD\n1 CHAR %\n0 @I1@ INDI\n1 NAME Jos\x01 /M\x02ller/\n1 BIRT\n2 PLAC \x03\x04 Town\n"
                             "0 @I2@ INDI\n1 NAME Second\n2 CONT  Line\n0 TRLR\n";
    auto spelled = [&](const char* charset, const std::string& e, const std::string& u, const std::string& l,
                       const std::string& emoji) {
        std::string t;
        for (const char c : base) {
            if (c == '%') t += charset;
            else if (c == '\x01') t += e;
            else if (c == '\x02') t += u;
            else if (c == '\x03') t += l;
            else if (c == '\x04') t += emoji;
            else t += c;
        }
        return t;
    };
    struct Variant {
        const char* label;
        std::string bytes;
        const char* place;  // what the encoding can spell of it
    };
    const std::string utf8 = spelled("UTF-8", "\xC3\xA9", "\xC3\xBC", "\xC5\x81", "\xF0\x9F\x98\x80");
    std::vector<Variant> variants = {
        {"UTF-8", utf8, "Ł😀 Town"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + utf8, "Ł😀 Town"},
        {"UTF-16LE with BOM", utf16(spelled("UNICODE", "\x01", "\x02", "\x03", "\x04"), false, true), "Ł😀 Town"},
        {"UTF-16BE with BOM", utf16(spelled("UNICODE", "\x01", "\x02", "\x03", "\x04"), true, true), "Ł😀 Town"},
        {"UTF-16LE without BOM", utf16(spelled("UNICODE", "\x01", "\x02", "\x03", "\x04"), false, false), "Ł😀 Town"},
        {"ANSEL", spelled("ANSEL", "\xE2" "e", "\xE8" "u", "\xA1", "?"), "Ł? Town"},
        {"ANSI", spelled("ANSI", "\xE9", "\xFC", "?", "?"), "?? Town"},
        {"UTF-8 header, Windows-1252 bytes", spelled("UTF-8", "\xE9", "\xFC", "?", "?"), "?? Town"},
        {"ANSEL header, UTF-8 bytes", spelled("ANSEL", "\xC3\xA9", "\xC3\xBC", "\xC5\x81", "\xF0\x9F\x98\x80"),
         "Ł😀 Town"},
    };
    for (const Variant& v : variants) {
        for (const std::string ending : {"\n", "\r\n", "\r"}) {
            const bool wide = std::string(v.label).find("16") != std::string::npos;
            std::string bytes = v.bytes;
            if (!wide) {
                bytes = withEnding(bytes, ending);
            } else if (ending != "\n") {
                bytes = utf16(withEnding(spelled("UNICODE", "\x01", "\x02", "\x03", "\x04"), ending),
                              std::string(v.label).find("BE") != std::string::npos,
                              std::string(v.label).find("BOM") != std::string::npos);
            }
            SCOPED_TRACE(std::string(v.label) + (ending == "\n" ? " LF" : ending == "\r" ? " CR" : " CRLF"));
            const ImportResult r = importGedcom(bytes);
            ASSERT_TRUE(r.ok()) << r.error;
            ASSERT_EQ(unpackFamily(r.family).people.size(), 2u);
            EXPECT_EQ(unpackFamily(r.family).people[0].name, "José /Müller/");
            EXPECT_EQ(unpackFamily(r.family).people[0].birthPlace, v.place);
            EXPECT_EQ(unpackFamily(r.family).people[1].name, "Second Line");  // CONT: a new line, one blank in PAF
            const bool misdeclared = std::string(v.label).find(" header, ") != std::string::npos;
            ASSERT_EQ(r.warnings.size(), misdeclared ? 1u : 0u);
            if (misdeclared) {
                EXPECT_NE(r.warnings[0].find("the header says"), std::string::npos) << r.warnings[0];
            }
        }
    }
}

TEST(GedcomImport, DeclaredAnsiWinsOverBytesThatLookLikeUtf8) {
    const ImportResult r = importGedcom("0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME \xC3\xA9mile\n0 TRLR\n");
    ASSERT_EQ(unpackFamily(r.family).people.size(), 1u);
    EXPECT_EQ(unpackFamily(r.family).people[0].name, "Ã©mile");  // as an ANSI file spells it
}

TEST(GedcomImport, AnselDiacriticsJoinTheirLetterWhereUnicodeHasOne) {
    EXPECT_EQ(gedcom::anselToUtf8("\xE1" "a\xE3" "o\xF0" "c\xE9" "s\xE8" "y\xEA" "A"),
              "\xC3\xA0\xC3\xB4\xC3\xA7\xC5\xA1\xC3\xBF\xC3\x85");  // à ô ç š ÿ Å
    EXPECT_EQ(gedcom::anselToUtf8("\xE5" "a\xF1" "e"), "āę");
    // Two marks (Vietnamese): joined as far as Unicode goes, in the order written.
    EXPECT_EQ(gedcom::anselToUtf8("\xF2\xE3" "e"), "ệ");
    // A mark without a precomposed form stays a combining character after its letter.
    EXPECT_EQ(gedcom::anselToUtf8("\xE5" "q"), "q\xCC\x84");
    EXPECT_EQ(gedcom::anselToUtf8("\xB5\xCF\xA5"), "\xC3\xA6\xC3\x9F\xC3\x86");  // æ ß Æ
    EXPECT_EQ(gedcom::anselToUtf8("x\xE2"), "x\xCC\x81");  // a mark at the very end is kept
}

// ---- Bad input ----------------------------------------------------------------------

TEST(GedcomImport, BrokenLinksAreDroppedWithTheLineNamed) {
    ImportResult r = importGedcom(ged({
        "0 HEAD",                                         // 1
        "0 @I1@ INDI", "1 FAMS @F1@", "1 FAMC @F9@",      // 2-4
        "0 @I2@ INDI", "1 FAMC @F1@",                     // 5-6
        "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I7@",       // 7-9
        "1 CHIL @I2@", "1 CHIL @I2@", "1 CHIL @I1@",      // 10-12
        "1 CHIL I2", "1 HUSB @I2@",                       // 13-14
        "0 @F2@ FAM",                                     // 15: no spouse at all
        "0 @F3@ FAM", "1 WIFE @I2@", "1 CHIL @I3@",       // 16-18: one spouse
        "0 @I3@ INDI", "1 FAMS @F1@", "1 FAMC @F3@",      // 19-21
        "0 @I1@ INDI",                                    // 22: an id used twice
        "0 TRLR",
    }));
    EXPECT_EQ(r.warnings, (std::vector<std::string>{
                              "line 13: CHIL \"I2\" is not a link to a record; ignored",
                              "line 22: @I1@ is also the id of the INDI record of line 2; links to it go to that one",
                              "line 9: WIFE @I7@ names no INDI record; dropped",
                              "line 11: CHIL @I2@ is already a child of this family; dropped",
                              "line 14: a second HUSB in the family; dropped",
                              "line 7: @I1@ is a spouse and a child of the same family; the child link dropped",
                              "line 4: FAMC @F9@ names no FAM record; dropped",
                              "line 20: FAMS @F1@: the family does not name @I3@ as husband or wife; dropped",
                          }));
    ASSERT_EQ(unpackFamily(r.family).people.size(), 4u);
    ASSERT_EQ(unpackFamily(r.family).marriages.size(), 3u);
    EXPECT_EQ(unpackFamily(r.family).marriages[0].husband, 1);
    EXPECT_EQ(unpackFamily(r.family).marriages[0].wife, 0);
    EXPECT_EQ(unpackFamily(r.family).marriages[0].children, std::vector<int32_t>{2});
    EXPECT_EQ(unpackFamily(r.family).marriages[2].children, std::vector<int32_t>{3});
    auto f = openImported(std::move(r));
    MarriageRecord none;
    ASSERT_TRUE(readMarriage(f->ctx.file, 2, none));
    EXPECT_EQ(none.husband, 0);
    EXPECT_EQ(none.wife, 0);
}

TEST(GedcomImport, ChildrenOnlyTheirOwnRecordLinksAreAddedAndLoopsReported) {
    ImportResult r = importGedcom(ged({
        "0 HEAD",
        "0 @I1@ INDI", "1 FAMS @F1@", "1 FAMC @F2@",       // 2-4
        "0 @I2@ INDI", "1 FAMC @F1@", "1 FAMS @F2@",       // 5-7
        "0 @I3@ INDI", "1 FAMC @F1@", "1 SLGC", "2 DATE 1990",  // 8-11
        "0 @F1@ FAM", "1 HUSB @I1@", "1 CHIL @I2@",        // 12-14
        "0 @F2@ FAM", "1 HUSB @I2@", "1 CHIL @I1@",        // 15-17
        "0 TRLR",
    }));
    EXPECT_EQ(r.warnings, (std::vector<std::string>{
                              "line 9: FAMC @F1@: the family does not list @I3@ as a child; added as its last child",
                              "line 2: @I1@ is his or her own ancestor",
                          }));
    EXPECT_EQ(unpackFamily(r.family).marriages[0].children, (std::vector<int32_t>{2, 3}));
    ASSERT_EQ(unpackFamily(r.family).marriages[0].childSealings.size(), 2u);
    EXPECT_EQ(unpackFamily(r.family).marriages[0].childSealings[1].value, makeDate({0, 0, 1990}));
    auto f = openImported(std::move(r));  // the loop is written as the file has it; readers cut it
    EXPECT_EQ(individualName(f->ctx, 3), "");
}

TEST(GedcomImport, MalformedLinesNeverLendTheirDataToOtherStructures) {
    const ImportResult r = importGedcom(ged({
        "0 HEAD",                        // 1
        "0 @I1@ INDI",                   // 2
        "1 NAME Kept /Name/",            // 3
        "1BIRT",                         // 4: no blank after the level
        "2 DATE 1 JAN 1801",             // 5: under the broken line: ignored
        "1 DEAT",                        // 6
        "3 DATE 2 FEB 1802",             // 7: a level skipped
        "4 NOTE deeper still",           // 8
        "2 PLAC Ignored",                // 9: back at a level that fits
        "a stray continuation",          // 10
        "1 @X@",                         // 11: an id but no tag
        "2 DATE 1803",                   // 12
        "1 BURI",                        // 13
        "2 DATE 4 APR 1804",             // 14
        "0 @I2@ INDI",                   // 15
        "1 NAME Other",                  // 16
    }));
    EXPECT_EQ(r.warnings, (std::vector<std::string>{
                              "line 4: malformed line, ignored with the lines under it: \"1BIRT\"",
                              "line 7: level 3 follows level 1; the line and the lines under it ignored",
                              "line 10: not a GEDCOM line (no level number), ignored: \"a stray continuation\"",
                              "line 11: malformed line, ignored with the lines under it: \"1 @X@\"",
                              "line 16: the file ends without \"0 TRLR\"; it may have been cut short",
                          }));
    const WriterFamily family = unpackFamily(r.family);
    ASSERT_EQ(family.people.size(), 2u);
    const WriterPerson& p = family.people[0];
    EXPECT_EQ(p.name, "Kept /Name/");
    EXPECT_EQ(p.birth.value, PafDate{});    // line 5 belonged to the broken line 4...
    EXPECT_EQ(p.death.value, PafDate{});    // ...line 7 was too deep...
    EXPECT_EQ(p.burial.value, makeDate({4, 4, 1804}));
    EXPECT_EQ(family.people[1].name, "Other");
}

TEST(GedcomImport, FilesThatAreNotGedcomAreRefused) {
    const struct {
        std::string bytes;
        std::string error;
    } cases[] = {
        {"<!DOCTYPE html>\n<html><body>Not found</body></html>\n",
         "not a GEDCOM file: it does not begin with \"0 HEAD\" (line 1: \"<!DOCTYPE html>\")"},
        {"\n\n0 @I1@ INDI\n", "not a GEDCOM file: it does not begin with \"0 HEAD\" (line 3: \"0 @I1@ INDI\")"},
        {"", "not a GEDCOM file: it holds no lines"},
        {std::string(3, '\0'), "not a GEDCOM file: it does not begin with \"0 HEAD\" (line 1: \"???\")"},
    };
    for (const auto& c : cases) {
        const ImportResult r = importGedcom(c.bytes);
        EXPECT_EQ(r.error, c.error);
        EXPECT_EQ(r.family.personCount(), 0u);
    }
    EXPECT_EQ(gedcom::importGedcomFile("/nonexistent/x.ged").error, "cannot be read: No such file or directory");
}

TEST(GedcomImport, LimitsHoldOnHugeLinesAndTooManyWarnings) {
    std::string text = "0 HEAD\n0 @I1@ INDI\n1 NAME " + std::string(100000, 'a') + "\n";
    for (int i = 0; i < 1500; ++i) text += "1 FAMC @F" + std::to_string(i) + "@\n";
    text += "0 TRLR\n";
    const ImportResult r = importGedcom(text);
    ASSERT_EQ(r.warnings.size(), gedcom::kMaxWarnings + 1);
    EXPECT_EQ(r.warnings.front(), "line 3: the line is longer than 32768 bytes; cut there");
    EXPECT_EQ(r.warnings.back(), "... and 501 more warnings");
    EXPECT_EQ(unpackFamily(r.family).people[0].name.size(), 255u) << "what PAF holds";
}

// Every prefix of a valid file imports without a crash, never finds more than the
// whole file holds, and always builds a PAF image that opens.
TEST(GedcomImport, EveryCutOfAFileImportsCleanly) {
    for (size_t cut = 0; cut <= kFamily.size(); ++cut) {
        ImportResult r = importGedcom(std::string_view(kFamily).substr(0, cut));
        ASSERT_LE(r.family.personCount(), 5u);
        ASSERT_LE(r.family.marriageCount(), 2u);
        if (!r.ok()) continue;
        if (cut + 1 < kFamily.size()) {
            ASSERT_FALSE(r.warnings.empty()) << cut;
        }
        const PafImage image = buildPafImage(std::move(r.family));
        ASSERT_EQ(image.error(), "") << cut;
        PafFile file;
        ASSERT_EQ(file.openImage(image.flatten()), PafFile::kOpened) << cut;
    }
}

// ---- The command line -----------------------------------------------------------------

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(GedcomImport, CommandLineImportsAndOpensGedcomDirectly) {
    test::TempDir dir;
    const std::string gedPath = dir.file("family.GED");
    {
        std::ofstream out(gedPath, std::ios::binary);
        out << kFamily << "1 CHIL @I99@\n";  // after TRLR: warned about
    }
    const std::string before = readAll(gedPath);

    const auto imported = test::runTamblewin({"import", gedPath, "-o", dir.file("family.paf")});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "Wrote 5 individuals and 2 marriages to " + dir.file("family.paf") + "\n");
    const auto trailing = std::count(kFamily.begin(), kFamily.end(), '\n') + 1;
    EXPECT_EQ(imported.err,
              "tamblewin: " + gedPath + ": line " + std::to_string(trailing) + ": text after \"0 TRLR\" ignored\n");

    const auto fromPaf = test::runTamblewin({"people", dir.file("family.paf")});
    const auto fromGed = test::runTamblewin({"people", gedPath});
    EXPECT_EQ(fromPaf.status, 0);
    EXPECT_EQ(fromGed.status, 0);
    EXPECT_NE(fromPaf.out.find("Tobias"), std::string::npos) << fromPaf.out;
    EXPECT_EQ(fromGed.out, fromPaf.out);
    EXPECT_EQ(fromGed.err, "tamblewin: " + gedPath + ": 1 problem in the GEDCOM file was passed over; `tamblewin import " +
                               gedPath + " -o X.paf` lists it\n");

    const auto report = test::runTamblewin(
        {"report", "descendants-list", "--paf", gedPath, "--start", "2", "-o", dir.file("d.log"), "--format", "log"});
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_NE(readAll(dir.file("d.log")).find("Alma"), std::string::npos);
    EXPECT_EQ(readAll(gedPath), before);  // the GEDCOM file is only read

    {
        std::ofstream out(dir.file("page.ged"));
        out << "<html><body>404</body></html>\n";
    }
    const auto html = test::runTamblewin({"import", dir.file("page.ged"), "-o", dir.file("page.paf")});
    EXPECT_NE(html.status, 0);
    EXPECT_EQ(html.err, "tamblewin: " + dir.file("page.ged") +
                            ": not a GEDCOM file: it does not begin with \"0 HEAD\" (line 1: \"<html><body>404</body></html>\")\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("page.paf")));
    EXPECT_NE(test::runTamblewin({"people", dir.file("page.ged")}).status, 0);
    EXPECT_NE(test::runTamblewin({"import", gedPath, "-o", gedPath}).status, 0);
    EXPECT_EQ(readAll(gedPath), before);
}

}  // namespace
}  // namespace tw
