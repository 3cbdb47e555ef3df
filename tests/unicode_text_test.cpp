// Names in every script: UTF-8 from the GEDCOM file (or the Windows-1252 PAF file)
// to the browse list and the page logs; the reduction to Windows-1252 of import -o;
// the order of names; the gaps of real GEDCOM files.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/utf8.h"
#include "files/paf_image_file.h"
#include "gedcom/gedcom_import.h"
#include "paf/codepage.h"
#include "paf/records.h"
#include "run/app_context.h"
#include "support/page_lines.h"
#include "support/paf_fixture.h"
#include "support/pdf_checks.h"
#include "wizard/browse_list.h"
#include "wizard/dispatcher.h"
#include "wizard/report_kind.h"

namespace tw::test {
namespace {

// ---- Reducing to Windows-1252, the order of names, cutting between characters ------

TEST(PlainWindows1252, LettersBeyondItBecomeTheirPlainLetters) {
    struct Case {
        const char* utf8;
        std::string stored;
        bool changed;
    };
    const Case cases[] = {
        {"Łukasz /Wałęsa/", "Lukasz /Walesa/", true},                  // Polish
        {"Věra /Čermáková/", "Vera /Cerm\xE1kov\xE1/", true},              // Czech
        {"Ödön /Győri/", "\xD6" "d\xF6n /Gyori/", true},                 // Hungarian
        {"Ayşe /Yılmaz/, İstanbul", "Ayse /Yilmaz/, Istanbul", true},    // Turkish
        {"Ștefan /Popescu/, București", "Stefan /Popescu/, Bucuresti", true},  // Romanian
        {"Thị Hương /Nguyễn/", "Thi Huong /Nguyen/", true},              // Vietnamese
        {"Иван /Петров/", "???? /??????" "/", true},                         // no plain letters
        {"王伟", "??", true},
        {"e\xCC\x81", "e", true},                                         // a combining mark is dropped
        {"Jean\xE2\x80\x90Luc", "Jean-Luc", true},                        // U+2010 hyphen
        {"Søren /Østergård/ € ‚ Ž", "S\xF8ren /\xD8sterg\xE5rd/ \x80 \x82 \x8E", false},
        {"What? /Who?/", "What? /Who?/", false},
    };
    for (const Case& c : cases) {
        bool changed = !c.changed;
        EXPECT_EQ(utf8ToPlainWindows1252(c.utf8, &changed), c.stored) << c.utf8;
        EXPECT_EQ(changed, c.changed) << c.utf8;
    }
}

TEST(NameOrder, Windows1252TextKeepsItsByteOrderAndOtherScriptsComeAfter) {
    // In Windows-1252 bytes: Š (8A) < Ž (8E) < É (C9) < é (E9) < ÿ (FF); code points
    // would put É and é before Š.
    const char* ascending[] = {"ADAM",  "Adam", "Zeta", "Šimon", "Žofie", "Émile", "émile",
                               "ÿ",     "Łukasz", "Ωmega", "Иван", "王"};
    for (size_t i = 0; i + 1 < std::size(ascending); ++i) {
        EXPECT_LT(compareNameText(ascending[i], ascending[i + 1]), 0) << ascending[i] << " < " << ascending[i + 1];
        EXPECT_GT(compareNameText(ascending[i + 1], ascending[i]), 0);
    }
    EXPECT_EQ(compareNameText("Wałęsa", "Wałęsa"), 0);
    EXPECT_LT(compareNameText("Wa", "Wał"), 0) << "a start sorts first";
}

TEST(TerminalText, ControlBytesAndBrokenUtf8BecomeTheReplacementCharacter) {
    const std::string bad = "\xEF\xBF\xBD";
    struct Case {
        std::string in, shown;
    };
    const Case cases[] = {
        {"Jos\xC3\xA9 /Tamble/", "Jos\xC3\xA9 /Tamble/"},
        {"Ann\x1b[2J /Smith/", "Ann" + bad + "[2J /Smith/"},
        {"a\tb", "a\tb"},
        {std::string("nul\0x", 5), "nul" + bad + "x"},
        {"del\x7f", "del" + bad},
        {"c1\xC2\x9B" "31m", "c1" + bad + "31m"},
        {"cut\xE2\x82", "cut" + bad},
        {"\xE6\x9D\x8E \xF0\x9F\x98\x80", "\xE6\x9D\x8E \xF0\x9F\x98\x80"},
    };
    for (const Case& c : cases) EXPECT_EQ(terminalSafe(c.in), c.shown);
}

TEST(NameOrder, KeysCompareAsTheirTextsDo) {
    // Every pair, both ways: ASCII, Windows-1252 letters and the bytes it leaves
    // unassigned, ÿ (the last byte) against the first character beyond it, other
    // scripts, bytes that are not UTF-8, control bytes and starts of each other.
    const std::string texts[] = {"",          "A",          "a",          "AB",           "A\x01" "B",
                                 "A\x01",     std::string("A\0B", 3),      "Šimon",        "Émile",
                                 "ÿ",         "ÿa",         "\xC4\x80",   "Łukasz",       "王",
                                 "\xF0\x9F\x98\x80",        "\xE9mile",   "\xC3",         "\x81",
                                 "\x8D" "a",  "\xFF",       "\xED\xA0\x80", "?",          "\x7F",
                                 "Wał",       "Wa",         "Wałęsa",     "e\xCC\x81",    "\xE2\x82\xAC"};
    auto keyOf = [](const std::string& text) {
        std::string key;
        appendNameOrderKey(text, key);
        return key;
    };
    for (const std::string& a : texts) {
        for (const std::string& b : texts) {
            const int byText = compareNameText(a, b);
            const int byKey = keyOf(a).compare(keyOf(b));
            EXPECT_EQ(byText < 0, byKey < 0) << "'" << a << "' and '" << b << "'";
            EXPECT_EQ(byText == 0, byKey == 0) << "'" << a << "' and '" << b << "'";
        }
    }
}

TEST(Utf8Steps, CutsFallBetweenCharacters) {
    EXPECT_EQ(clipUtf8("Wałęsa", 3), "Wa");   // ł is two bytes: 2..3
    EXPECT_EQ(clipUtf8("Wałęsa", 4), "Wał");
    EXPECT_EQ(clipUtf8("王伟", 5), "王");
    EXPECT_EQ(clipUtf8("abc", 10), "abc");
    EXPECT_EQ(clipUtf8("ab\xE9" "c", 3), "ab\xE9") << "a byte that is not UTF-8 is a character of its own";
    EXPECT_EQ(composeLetter('a', 0x0328), U'ą');
    EXPECT_EQ(composeLetter(U'ẹ', 0x0302), U'ệ');
    EXPECT_EQ(composeLetter('q', 0x0301), 0u);
}

// ---- The reader hands out UTF-8 ------------------------------------------------------

TEST(PafText, WindowsFilesAreConvertedAndImportedImagesKeepTheirText) {
    WriterFamily family;
    family.addPerson(person("Jos\xE9 /Nu\xF1" "ez/"));
    family.people[0].birthPlace = "M\xE9rida";
    const std::vector<uint8_t> image = buildPafImage(family).flatten();

    RecordingHost host;
    PafContext windows(host);
    ASSERT_EQ(windows.file.openImage(image), PafFile::kOpened);
    EXPECT_EQ(individualName(windows, 1).str(), "José /Nuñez/");
    EXPECT_EQ(individualNameNoSlashes(windows, 1).str(), "José Nuñez");
    IndividualRecord record;
    ASSERT_TRUE(readIndividual(windows.file, 1, record));
    EXPECT_EQ(windows.file.readText(record.birthPlaceOffset), "Mérida");
    EXPECT_EQ(buildBrowseList(windows).at(0).text, "José /Nuñez/");

    WriterFamily utf8Family;
    utf8Family.addPerson(person("Иван /Петров/"));
    PafContext utf8(host);
    ASSERT_EQ(utf8.file.openImage(buildPafImage(utf8Family).flatten(), TextEncoding::Utf8), PafFile::kOpened);
    EXPECT_EQ(individualName(utf8, 1).str(), "Иван /Петров/");
    EXPECT_EQ(buildBrowseList(utf8).at(0).text, "Иван /Петров/");
    utf8.file.close();
    ASSERT_EQ(utf8.file.openImage(image), PafFile::kOpened);
    EXPECT_EQ(utf8.file.textEncoding(), TextEncoding::Windows1252) << "each open says what it holds";
}

// ---- GEDCOM ---------------------------------------------------------------------------

std::string gedcom(const std::string& records) {
    return "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n" + records + "0 TRLR\n";
}

TEST(GedcomText, NamesLongerThanPafHoldsKeepTheirSurname) {
    const std::string given(300, 'G');
    const std::string longGiven = "Ágnes " + given;
    const gedcom::ImportResult r = gedcom::importGedcom(gedcom(
        "0 @I1@ INDI\n1 NAME " + longGiven + " /Győri/ Jr.\n"
        "0 @I2@ INDI\n1 NAME Anna /Kovács/\n"
        "0 @I3@ INDI\n1 NAME /" + std::string(400, 'S') + "/\n"
        "0 @I4@ INDI\n1 NAME " + std::string(253, 'a') + "ő /X/\n"));
    ASSERT_TRUE(r.ok()) << r.error;
    const WriterFamily family = unpackFamily(r.family);
    const std::string& first = family.people[0].name;
    EXPECT_EQ(first.size(), 255u);
    EXPECT_TRUE(first.ends_with(" /Győri/ Jr.")) << first;
    EXPECT_TRUE(first.starts_with("Ágnes GGG")) << first;
    const std::string& third = family.people[2].name;
    EXPECT_EQ(third, "/" + std::string(253, 'S') + "/");
    const std::string& fourth = family.people[3].name;
    EXPECT_TRUE(isValidUtf8(fourth));
    EXPECT_TRUE(fourth.ends_with(" /X/")) << fourth;
}

// A name of exactly `bytes` bytes: the letter repeated as the given names, topped
// up with "a", then " /" surname "/".
std::string nameOfBytes(const std::string& letter, const std::string& surname, size_t bytes) {
    const std::string tail = " /" + surname + "/";
    std::string given;
    while (given.size() + letter.size() + tail.size() <= bytes) given += letter;
    given.append(bytes - tail.size() - given.size(), 'a');
    return given + tail;
}

TEST(LongNames, EveryByteOfTheStoredNameReachesTheReports) {
    // Letters of one to four bytes, in Latin, Cyrillic, Greek, Hebrew, Arabic,
    // Devanagari, Thai, Han and a letter beyond the first plane.
    const char* const letters[] = {"a", "ł", "Ж", "λ", "ש", "م", "ह", "ก", "王", "𠀀"};
    for (const char* letter : letters) {
        for (const size_t bytes : {253u, 254u, 255u, 400u}) {
            const std::string written = nameOfBytes(letter, "Ende", bytes);
            gedcom::ImportResult imported = gedcom::importGedcom(gedcom(
                "0 @I1@ INDI\n1 NAME " + written + "\n1 SEX M\n1 FAMS @F1@\n"
                "0 @I2@ INDI\n1 NAME Eve /Ende/\n1 SEX F\n1 FAMS @F1@\n0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n"));
            ASSERT_TRUE(imported.ok()) << imported.error;
            const std::string stored = unpackFamily(imported.family).people[0].name;
            if (bytes <= 255) {
                EXPECT_EQ(stored, written) << letter << " " << bytes;
            }
            EXPECT_TRUE(stored.ends_with(" /Ende/")) << stored;
            RecordingHost host;
            PafContext ctx(host);
            ASSERT_EQ(ctx.file.openImage(buildPafImage(std::move(imported.family)).flatten(), TextEncoding::Utf8), PafFile::kOpened);
            EXPECT_EQ(individualName(ctx, 1).view(), stored) << letter << " " << bytes;
            const std::vector<CoupleLine> couples = buildCoupleList(ctx);
            ASSERT_EQ(couples.size(), 1u);
            EXPECT_EQ(couples[0].husband, stored) << letter << " " << bytes;
            const std::vector<BrowseLine> browse = buildBrowseList(ctx);
            ASSERT_EQ(browse.size(), 2u);
            EXPECT_TRUE(browse[0].text.starts_with(stored) || browse[1].text.starts_with(stored)) << letter << " " << bytes;
        }
    }
    // A Windows-1252 file: 255 one-byte letters, the last of them outside ASCII.
    WriterFamily family = coupleWithChildren(0);
    family.people[0].name = std::string(247, 'a') + " /Lind\xE9/";
    ASSERT_EQ(family.people[0].name.size(), 255u);
    const auto opened = openFamily(family);
    ASSERT_TRUE(opened);
    EXPECT_EQ(individualName(opened->ctx, 1).view(), std::string(247, 'a') + " /Lindé/");
}

TEST(GedcomText, ImportOfEveryProblemIsCountedBeyondTheListedOnes) {
    std::string records;
    for (size_t i = 0; i < gedcom::kMaxWarnings + 5; ++i) records += "0 @F" + std::to_string(i) + "@ FAM\n1 HUSB @NONE@\n";
    const gedcom::ImportResult r = gedcom::importGedcom(gedcom(records));
    EXPECT_EQ(r.problems, gedcom::kMaxWarnings + 5);
    EXPECT_EQ(r.warnings.size(), gedcom::kMaxWarnings + 1);
}

// Twelve people, names and places in eleven scripts, over three generations:
// F1 Łukasz + Věra -> Ödön, Ștefan; F2 Ödön + Ayşe -> Иван, Γεώργιος;
// F3 Иван + Nguyễn -> 王伟, דוד, محمد.
const char* const kScripts =
    "0 @I1@ INDI\n1 NAME Łukasz /Wałęsa/\n1 SEX M\n1 BIRT\n2 DATE 1901\n2 PLAC Gdańsk\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Věra /Čermáková/\n1 SEX F\n1 BIRT\n2 DATE 1903\n2 PLAC Plzeň\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Ödön /Győri/\n1 SEX M\n1 BIRT\n2 DATE 1925\n2 PLAC Győr\n1 FAMC @F1@\n1 FAMS @F2@\n"
    "0 @I4@ INDI\n1 NAME Ștefan /Popescu/\n1 SEX M\n1 BIRT\n2 DATE 1927\n2 PLAC București\n1 FAMC @F1@\n"
    "0 @I5@ INDI\n1 NAME Ayşe /Yılmaz/\n1 SEX F\n1 BIRT\n2 DATE 1928\n2 PLAC İstanbul\n1 FAMS @F2@\n"
    "0 @I6@ INDI\n1 NAME Иван /Петров/\n1 SEX M\n1 BIRT\n2 DATE 1950\n2 PLAC Москва\n1 FAMC @F2@\n1 FAMS @F3@\n"
    "0 @I7@ INDI\n1 NAME Γεώργιος /Παπαδόπουλος/\n1 SEX M\n1 BIRT\n2 DATE 1952\n2 PLAC Αθήνα\n1 FAMC @F2@\n"
    "0 @I8@ INDI\n1 NAME Thị Hương /Nguyễn/\n1 SEX F\n1 BIRT\n2 DATE 1953\n2 PLAC Hà Nội\n1 FAMS @F3@\n"
    "0 @I9@ INDI\n1 NAME 伟 /王/\n1 SEX M\n1 BIRT\n2 DATE 1980\n2 PLAC 北京\n1 FAMC @F3@\n"
    "0 @I10@ INDI\n1 NAME דוד /כהן/\n1 SEX M\n1 BIRT\n2 DATE 1982\n2 PLAC ירושלים\n1 FAMC @F3@\n"
    "0 @I11@ INDI\n1 NAME محمد /الحسيني/\n1 SEX M\n1 BIRT\n2 DATE 1984\n2 PLAC القاهرة\n1 FAMC @F3@\n"
    "0 @I12@ INDI\n1 NAME Søren /Østergård/\n1 SEX M\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 CHIL @I4@\n1 MARR\n2 DATE 1924\n2 PLAC Kraków\n"
    "0 @F2@ FAM\n1 HUSB @I3@\n1 WIFE @I5@\n1 CHIL @I6@\n1 CHIL @I7@\n1 MARR\n2 DATE 1949\n2 PLAC Eger\n"
    "0 @F3@ FAM\n1 HUSB @I6@\n1 WIFE @I8@\n1 CHIL @I9@\n1 CHIL @I10@\n1 CHIL @I11@\n";

const char* const kSurnames[] = {"Wałęsa", "Čermáková", "Győri",  "Popescu", "Yılmaz", "Петров",
                                 "Παπαδόπουλος", "Nguyễn", "王", "כהן", "الحسيني"};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct EveryScript : testing::Test {
    TempDir dir;
    std::string ged = dir.file("scripts.ged");
    void SetUp() override { std::ofstream(ged, std::ios::binary) << gedcom(kScripts); }

    // Every report's page log, from 王伟 (RIN 9) or from F1; all their texts.
    std::string allReportTexts() {
        std::string texts;
        for (const ReportInfo& info : allReports()) {
            const std::string log = dir.file(std::string(info.commandName) + ".log");
            const CommandResult r = runTamblewin({"report", std::string(info.commandName), "--paf", ged, "--start",
                                                  info.start == StartKind::Rin ? "9" : "1", "--date", "2026-12-07",
                                                  "--format", "log", "-o", log});
            EXPECT_EQ(r.status, 0) << info.commandName << ": " << r.err;
            const std::string text = readFile(log);
            EXPECT_TRUE(isValidUtf8(text)) << info.commandName;
            std::istringstream lines(text);
            // TO, TOC and TOR by their text; the charts' angled texts as the whole command.
            for (std::string line; std::getline(lines, line);) {
                if (const auto command = textCommand(line)) texts += command->text + "\n";
                else if (line.starts_with("TOA,") || line.starts_with("TOD,")) texts += line + "\n";
            }
        }
        return texts;
    }
};

TEST_F(EveryScript, PeopleFamiliesAndEveryReportPrintTheNamesAsWritten) {
    const CommandResult people = runTamblewin({"people", ged});
    ASSERT_EQ(people.status, 0) << people.err;
    EXPECT_NE(people.out.find("1\tŁukasz /Wałęsa/    (b. 1901)\n"), std::string::npos) << people.out;
    EXPECT_NE(people.out.find("6\tИван /Петров/    (b. 1950)\n"), std::string::npos);
    EXPECT_NE(people.out.find("11\tمحمد /الحسيني/    (b. 1984)\n"), std::string::npos);
    // Surnames that begin with a Windows-1252 letter in its byte order, the others
    // after them in code point order.
    const char* order[] = {"/Győri/", "/Nguyễn/", "/Popescu/", "/Wałęsa/", "/Yılmaz/", "/Østergård/", "/Čermáková/",
                           "/Παπαδόπουλος/", "/Петров/", "/כהן/", "/الحسيني/", "/王/"};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_LT(people.out.find(order[i]), people.out.find(order[i + 1])) << order[i] << " before " << order[i + 1];

    const CommandResult families = runTamblewin({"families", ged});
    ASSERT_EQ(families.status, 0) << families.err;
    EXPECT_EQ(families.out,
              "1\tŁukasz /Wałęsa/\tVěra /Čermáková/\t1924\n"
              "2\tÖdön /Győri/\tAyşe /Yılmaz/\t1949\n"
              "3\tИван /Петров/\tThị Hương /Nguyễn/\t\n");

    const std::string texts = allReportTexts();
    for (const char* surname : kSurnames) EXPECT_NE(texts.find(surname), std::string::npos) << surname;
    EXPECT_EQ(texts.find("\xEF\xBF\xBD"), std::string::npos) << "no replacement character";
}

#if TAMBLEWIN_HAS_FILE_OUTPUT
TEST_F(EveryScript, EveryReportAsPdfHoldsTheNamesAsText) {
    if (!pdfToolsInstalled()) GTEST_SKIP() << kPdfToolsMissing;
    std::string popplerText, mupdfText;
    for (const ReportInfo& info : allReports()) {
        const std::string pdf = dir.file(std::string(info.commandName) + ".pdf");
        const CommandResult r = runTamblewin({"report", std::string(info.commandName), "--paf", ged, "--start",
                                              info.start == StartKind::Rin ? "9" : "1", "-o", pdf});
        ASSERT_EQ(r.status, 0) << info.commandName << ": " << r.err;
        EXPECT_EQ(pdfProblems(pdf), "") << info.commandName;
        popplerText += extractedText(pdf, PdfExtractor::Poppler);
        mupdfText += extractedText(pdf, PdfExtractor::MuPdf);
    }
    for (const std::string& text : {popplerText, mupdfText}) {
        for (const char* surname : kSurnames) EXPECT_NE(text.find(surname), std::string::npos) << surname;
        EXPECT_NE(text.find("Łukasz"), std::string::npos);
        EXPECT_NE(text.find("Иван"), std::string::npos);
    }
}
#endif

TEST_F(EveryScript, ImportWritesWindows1252WithPlainLettersAndSaysHowManyChanged) {
    const std::string paf = dir.file("scripts.paf");
    const CommandResult r = runTamblewin({"import", ged, "-o", paf});
    ASSERT_EQ(r.status, 0) << r.err;
    // Every name but Søren's, every place but Kraków's and Eger (Hà Nội: à is in
    // Windows-1252, ộ is not).
    EXPECT_NE(r.err.find(": 22 names and places hold letters a PAF file cannot;"), std::string::npos) << r.err;
    const CommandResult people = runTamblewin({"people", paf});
    EXPECT_NE(people.out.find("1\tLukasz /Walesa/    (b. 1901)\n"), std::string::npos) << people.out;
    EXPECT_NE(people.out.find("6\t???? /??????" "/    (b. 1950)\n"), std::string::npos) << people.out;
    EXPECT_NE(people.out.find("12\tSøren /Østergård/\n"), std::string::npos) << people.out;
}

TEST_F(EveryScript, ReportsOnTheGedcomCountItsProblemsInOneLine) {
    std::ofstream(ged, std::ios::binary) << gedcom(std::string(kScripts) + "0 @F9@ FAM\n1 HUSB @I99@\n1 WIFE @I98@\n");
    for (const char* command : {"info", "people", "families"}) {
        const CommandResult r = runTamblewin({command, ged});
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_EQ(r.err, "tamblewin: " + ged + ": 2 problems in the GEDCOM file were passed over; `tamblewin import " +
                             ged + " -o X.paf` lists them\n")
            << command;
    }
    const CommandResult import = runTamblewin({"import", ged, "-o", dir.file("x.paf")});
    EXPECT_NE(import.err.find("HUSB @I99@ names no INDI record"), std::string::npos) << import.err;
    EXPECT_NE(import.err.find("WIFE @I98@ names no INDI record"), std::string::npos) << import.err;
}

// ---- The demo family: only the encoding of its accented letters changes ---------------

// Every report's pages, one command a line.
std::string allPages(const std::vector<uint8_t>& image, TextEncoding encoding, int32_t mrin) {
    RecordingHost host;
    AppContext ctx(host);
    EXPECT_EQ(ctx.file.openImage(image, encoding), PafFile::kOpened);
    ctx.dataFilePath = "demo-family.paf";
    std::string text;
    for (const ReportInfo& info : allReports()) {
        const std::string start = info.start == StartKind::Rin ? "1" : std::to_string(mrin);
        EXPECT_EQ(dispatchReports(ctx, flagsFor(info.kind), start), DispatchOutcome::Ran) << info.commandName;
        for (int32_t page = 0; page <= ctx.pageLog.lastPageIndex() && page < ctx.pageLog.storedPageCount(); ++page)
            for (const std::string& command : pageCommands(ctx.pageLog.pagelogg(page))) text += command + "\n";
    }
    return text;
}

TEST(DemoFamilyText, PageLogsDifferOnlyInTheEncodingOfAccentedLetters) {
    const std::string bytes = readFile(TAMBLEWIN_DEMO_PAF);
    const std::vector<uint8_t> image(bytes.begin(), bytes.end());
    RecordingHost host;
    PafContext demo(host);
    ASSERT_EQ(demo.file.openImage(image), PafFile::kOpened);
    IndividualRecord andres;  // Andrés /Nuñez/: his descendants lead to person 1
    ASSERT_TRUE(readIndividual(demo.file, 12, andres));
    ASSERT_EQ(individualName(demo, 12).str(), "Andrés /Nuñez/");

    // Opened as UTF-8 the stored bytes pass unconverted: the Windows-1252 text of
    // before. Opened as the PAF file it is, the text is UTF-8.
    const std::string stored = allPages(image, TextEncoding::Utf8, andres.firstMrin);
    const std::string utf8 = allPages(image, TextEncoding::Windows1252, andres.firstMrin);
    ASSERT_NE(stored.find("Nu\xF1" "ez"), std::string::npos);
    EXPECT_TRUE(isValidUtf8(utf8));
    // Windows-1252 bytes measure as the letters they stand for, so nothing else differs.
    std::istringstream a(windows1252ToUtf8(stored)), b(utf8);
    std::string lineA, lineB;
    int line = 0;
    while (std::getline(a, lineA) && std::getline(b, lineB)) {
        ++line;
        ASSERT_EQ(lineA, lineB) << "command " << line;
    }
    EXPECT_FALSE(std::getline(b, lineB)) << "as many commands";
}

}  // namespace
}  // namespace tw::test
