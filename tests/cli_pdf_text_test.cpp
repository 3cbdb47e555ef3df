// PDF files of the command line, read strictly: every report of a family named in
// fourteen scripts gives its names back, as written, to two extractors; qpdf finds
// nothing wrong; the same run gives the same bytes; damage that lenient readers
// repair is caught.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "support/paf_fixture.h"
#include "support/pdf_checks.h"
#include "wizard/report_kind.h"

namespace tw::test {
namespace {

#if TAMBLEWIN_HAS_FILE_OUTPUT

// Fifteen people named in fourteen scripts (Latin twice: Czech and Vietnamese).
// Cousins marry twice over, so everyone is an ancestor of はるみ 豊臣 (RIN 15) and a
// descendant of the first couple (MRIN 1) or married to one:
// F1 Ondřej + Thị Hằng -> Ελένη, Борис, יעל; F2 Արամ + Ελένη -> செல்வம்;
// F3 Борис + ნინო -> इंदिरा; F4 محمد + יעל -> فرشته; F5 செல்வம் + इंदिरा -> 高見;
// F6 สมชาย + فرشته -> 서연; F7 高見 + 서연 -> はるみ.
const char* const kFamily =
    "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Ondřej /Dvořák/\n1 SEX M\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Thị Hằng /Nguyễn/\n1 SEX F\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Ελένη /Μαυρίδη/\n1 SEX F\n1 FAMC @F1@\n1 FAMS @F2@\n"
    "0 @I4@ INDI\n1 NAME Արամ /Սարգսյան/\n1 SEX M\n1 FAMS @F2@\n"
    "0 @I5@ INDI\n1 NAME Борис /Орлов/\n1 SEX M\n1 FAMC @F1@\n1 FAMS @F3@\n"
    "0 @I6@ INDI\n1 NAME ნინო /ბერიძე/\n1 SEX F\n1 FAMS @F3@\n"
    "0 @I7@ INDI\n1 NAME יעל /לוי/\n1 SEX F\n1 FAMC @F1@\n1 FAMS @F4@\n"
    "0 @I8@ INDI\n1 NAME محمد /الحسيني/\n1 SEX M\n1 FAMS @F4@\n"
    "0 @I9@ INDI\n1 NAME செல்வம் /கண்ணன்/\n1 SEX M\n1 FAMC @F2@\n1 FAMS @F5@\n"
    "0 @I10@ INDI\n1 NAME इंदिरा /शर्मा/\n1 SEX F\n1 FAMC @F3@\n1 FAMS @F5@\n"
    "0 @I11@ INDI\n1 NAME فرشته /رضایی/\n1 SEX F\n1 FAMC @F4@\n1 FAMS @F6@\n"
    "0 @I12@ INDI\n1 NAME สมชาย /ใจดี/\n1 SEX M\n1 FAMS @F6@\n"
    "0 @I13@ INDI\n1 NAME 高見 /王/\n1 SEX M\n1 FAMC @F5@\n1 FAMS @F7@\n"
    "0 @I14@ INDI\n1 NAME 서연 /김/\n1 SEX F\n1 FAMC @F6@\n1 FAMS @F7@\n"
    "0 @I15@ INDI\n1 NAME はるみ /豊臣/\n1 SEX F\n1 FAMC @F7@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 CHIL @I5@\n1 CHIL @I7@\n"
    "0 @F2@ FAM\n1 HUSB @I4@\n1 WIFE @I3@\n1 CHIL @I9@\n"
    "0 @F3@ FAM\n1 HUSB @I5@\n1 WIFE @I6@\n1 CHIL @I10@\n"
    "0 @F4@ FAM\n1 HUSB @I8@\n1 WIFE @I7@\n1 CHIL @I11@\n"
    "0 @F5@ FAM\n1 HUSB @I9@\n1 WIFE @I10@\n1 CHIL @I13@\n"
    "0 @F6@ FAM\n1 HUSB @I12@\n1 WIFE @I11@\n1 CHIL @I14@\n"
    "0 @F7@ FAM\n1 HUSB @I13@\n1 WIFE @I14@\n1 CHIL @I15@\n"
    "0 TRLR\n";

// Every word of every name: the unit a name is found by, wherever a report wraps it.
const char* const kWords[] = {
    "Ondřej", "Dvořák", "Thị", "Hằng", "Nguyễn", "Ελένη", "Μαυρίδη", "Արամ", "Սարգսյան", "Борис", "Орлов",
    "ნინო", "ბერიძე", "יעל", "לוי", "محمد", "الحسيني", "செல்வம்", "கண்ணன்", "इंदिरा", "शर्मा", "فرشته",
    "رضایی", "สมชาย", "ใจดี", "高見", "王", "서연", "김", "はるみ", "豊臣",
};
constexpr size_t kWordCount = std::size(kWords);

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string startOf(const ReportInfo& report) { return report.start == StartKind::Rin ? "15" : "1"; }

class EveryScriptPdf : public testing::TestWithParam<ReportKind> {
protected:
    static void SetUpTestSuite() {
        dir = new TempDir;
        writeFile(ged(), kFamily);
    }
    static void TearDownTestSuite() {
        delete dir;
        dir = nullptr;
    }
    static std::string ged() { return dir->file("scripts.ged"); }

    // The report as a page log and as PDF; the PDF's path.
    static std::string writeReport(const ReportInfo& report, std::string& log) {
        const std::string name(report.commandName);
        const std::string logFile = dir->file(name + ".log"), pdf = dir->file(name + ".pdf");
        for (const auto& [format, out] : {std::pair{"log", logFile}, {"pdf", pdf}}) {
            const CommandResult r = runTamblewin({"report", name, "--paf", ged(), "--start", startOf(report), "--date",
                                                  "2026-12-07", "--format", format, "-o", out});
            EXPECT_EQ(r.status, 0) << name << ": " << r.err;
        }
        log = readFile(logFile);
        return pdf;
    }

    static TempDir* dir;
};

TempDir* EveryScriptPdf::dir = nullptr;

// Each word of a name that the report prints is found, as written, in the text both
// extractors give back. The lists of ancestors print every name; every report
// prints some.
TEST_P(EveryScriptPdf, EveryNamePrintedReadsBackAsWritten) {
    if (!pdfToolsInstalled()) GTEST_SKIP() << kPdfToolsMissing;
    const ReportInfo& report = reportInfo(GetParam());
    std::string log;
    const std::string pdf = writeReport(report, log);
    EXPECT_EQ(pdfProblems(pdf), "");

    std::vector<std::string> printed;
    for (const char* word : kWords)
        if (log.find(word) != std::string::npos) printed.emplace_back(word);
    const bool everyone = report.kind == ReportKind::AncestorsListWithRepeats ||
                          report.kind == ReportKind::AncestorsListWithoutRepeats;
    EXPECT_GE(printed.size(), everyone ? kWordCount : 2u);

    for (const PdfExtractor extractor : {PdfExtractor::Poppler, PdfExtractor::MuPdf}) {
        SCOPED_TRACE(extractorName(extractor));
        const std::string text = foldedText(extractedText(pdf, extractor));
        for (const std::string& word : printed) EXPECT_NE(text.find(word), std::string::npos) << word << "\n" << text;
    }
}

std::string paramName(const testing::TestParamInfo<ReportKind>& info) {
    std::string name;
    bool upper = true;
    for (const char c : reportInfo(info.param).commandName) {
        if (c == '-') {
            upper = true;
            continue;
        }
        name += upper ? char(c - 'a' + 'A') : c;
        upper = false;
    }
    return name;
}

std::vector<ReportKind> allKinds() {
    std::vector<ReportKind> kinds;
    for (const ReportInfo& report : allReports()) kinds.push_back(report.kind);
    return kinds;
}

INSTANTIATE_TEST_SUITE_P(AllReports, EveryScriptPdf, testing::ValuesIn(allKinds()), paramName);

// The scripts beyond the built-in families, drawn from the fonts found for them: a
// line of ancestors, one person a script, read back from the Ancestors List.
TEST(FoundFontPdf, NamesInScriptsOfFoundFontsReadBackAsWritten) {
    if (!pdfToolsInstalled()) GTEST_SKIP() << kPdfToolsMissing;
    struct Script {
        const char* name;
        const char* given;
        const char* surname;
        bool poppler;  // poppler gives the letters back in order (it orders Thaana and N'Ko as left to right)
    };
    const Script scripts[] = {
        {"Odia", "ସୁଭାଷ", "ପଟ୍ଟନାୟକ", true},        {"Tibetan", "ཚེ་རིང", "རྡོ་རྗེ", true},
        {"Syriac", "ܐܦܪܝܡ", "ܣܘܪܝܝܐ", true},       {"Thaana", "އަހުމަދު", "ނަޝީދު", false},
        {"N'Ko", "ߡߊߡߊߘߎ", "ߞߊߣߕߍ", false},        {"Cherokee", "ᏌᏊ", "ᎠᏂᏴᏫᏯ", true},
    };
    // The extractors put blanks of their own between glyphs that overlap (marks,
    // vowel signs): the letters are compared without them.
    auto letters = [](const std::string& text) {
        std::string out;
        for (const char c : text)
            if (c != ' ' && c != '\n') out += c;
        return out;
    };
    std::string gedcom = "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";
    const size_t count = std::size(scripts);
    for (size_t i = 0; i < count; ++i) {  // person i is the child of family i + 1, whose husband is person i + 1
        const std::string n = std::to_string(i + 1);
        gedcom += "0 @I" + n + "@ INDI\n1 NAME " + scripts[i].given + " /" + scripts[i].surname + "/\n1 SEX M\n";
        if (i > 0) gedcom += "1 FAMS @F" + std::to_string(i) + "@\n";
        if (i + 1 < count) gedcom += "1 FAMC @F" + n + "@\n";
    }
    for (size_t i = 1; i < count; ++i)
        gedcom += "0 @F" + std::to_string(i) + "@ FAM\n1 HUSB @I" + std::to_string(i + 1) + "@\n1 CHIL @I" +
                  std::to_string(i) + "@\n";
    TempDir dir;
    writeFile(dir.file("found.ged"), gedcom + "0 TRLR\n");
    const std::string pdf = dir.file("found.pdf");
    const CommandResult r = runTamblewin({"report", "ancestors-list-with-repeats", "--paf", dir.file("found.ged"),
                                          "--start", "1", "--date", "2026-12-07", "-o", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "") << "no font is missing";
    EXPECT_EQ(pdfProblems(pdf), "");
    for (const PdfExtractor extractor : {PdfExtractor::Poppler, PdfExtractor::MuPdf}) {
        const std::string text = letters(foldedText(extractedText(pdf, extractor)));
        for (const Script& script : scripts) {
            if (extractor == PdfExtractor::Poppler && !script.poppler) continue;
            EXPECT_NE(text.find(letters(foldedText(script.given))), std::string::npos)
                << script.name << " in " << extractorName(extractor) << "\n" << text;
            EXPECT_NE(text.find(letters(foldedText(script.surname))), std::string::npos)
                << script.name << " in " << extractorName(extractor) << "\n" << text;
        }
    }
}

// ---- Same input, same bytes; the title, the producer and the dates -----------------

struct PdfFileInfo : testing::Test {
    TempDir dir;
    std::string ged = dir.file("scripts.ged");
    void SetUp() override { writeFile(ged, kFamily); }

    CommandResult report(const std::string& kind, const std::string& start, const std::string& out,
                         std::vector<std::string> options = {},
                         const std::vector<std::pair<std::string, std::string>>& environment = {}) {
        std::vector<std::string> args = {"report", kind, "--paf", ged, "--start", start, "-o", out};
        args.insert(args.end(), options.begin(), options.end());
        return runTamblewin(args, environment);
    }
};

TEST_F(PdfFileInfo, TwoRunsGiveTheSameBytesWithTheDateGivenOrFromTheEnvironment) {
    const std::vector<std::pair<std::string, std::string>> epoch = {{"SOURCE_DATE_EPOCH", "1765065600"}};
    struct Case {
        const char* what;
        std::vector<std::string> options;
        std::vector<std::pair<std::string, std::string>> environment;
    };
    const Case cases[] = {
        {"--date", {"--date", "2026-12-07"}, {}},
        {"SOURCE_DATE_EPOCH", {}, epoch},
        {"--date over SOURCE_DATE_EPOCH", {"--date", "2026-12-07"}, epoch},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* name : {"first.pdf", "second.pdf"})
            ASSERT_EQ(report("family-tree-chart", "1", dir.file(name), c.options, c.environment).status, 0);
        const std::string first = readFile(dir.file("first.pdf"));
        EXPECT_GT(first.size(), 1000u);
        EXPECT_TRUE(first == readFile(dir.file("second.pdf")));
    }
}

TEST_F(PdfFileInfo, TitledWithTheReportAndItsStartMadeByThisVersionOnTheDateGiven) {
    if (commandOutput("command -v pdfinfo").empty()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    const CommandResult version = runTamblewin({"--version"});
    ASSERT_TRUE(version.out.starts_with("tamblewin ")) << version.out;
    const std::string producer = "Tamblewin " + version.out.substr(10, version.out.size() - 11);
    struct Case {
        const char* kind;
        const char* start;
        std::vector<std::string> options;
        std::vector<std::pair<std::string, std::string>> environment;
        const char* title;
        const char* date;
    };
    const Case cases[] = {
        // Both ancestors lists and the Repeat Ancestors List began their jobs as "RAL".
        {"ancestors-list-with-repeats", "15", {"--date", "2026-12-07"}, {},
         "Ancestors List (with repeats) - はるみ 豊臣", "Mon Dec  7 00:00:00 2026 UTC"},
        {"repeat-ancestors-list", "13", {"--date", "2024-02-29"}, {}, "Repeat Ancestors List - 高見 王",
         "Thu Feb 29 00:00:00 2024 UTC"},
        // Its job: "Descendant Summary Chart (f4)".
        {"descendant-summary-chart", "5", {}, {{"SOURCE_DATE_EPOCH", "1765110896"}},
         "Descendant Summary Chart - செல்வம் கண்ணன் and इंदिरा शर्मा", "Sun Dec  7 12:34:56 2025 UTC"},
        {"surname-distribution-list", "1", {}, {{"SOURCE_DATE_EPOCH", "0"}}, "Surname Distribution List",
         "Thu Jan  1 00:00:00 1970 UTC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const std::string pdf = dir.file(std::string(c.kind) + ".pdf");
        const CommandResult r = report(c.kind, c.start, pdf, c.options, c.environment);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string info = commandOutput("TZ=UTC pdfinfo '" + pdf + "'");
        EXPECT_NE(info.find("Title:           " + std::string(c.title) + "\n"), std::string::npos) << info;
        EXPECT_NE(info.find("Producer:        " + producer + "\n"), std::string::npos) << info;
        EXPECT_NE(info.find("CreationDate:    " + std::string(c.date) + "\n"), std::string::npos) << info;
        EXPECT_NE(info.find("ModDate:         " + std::string(c.date) + "\n"), std::string::npos) << info;
        EXPECT_EQ(info.find("Author:"), std::string::npos) << info;
    }
}

// ---- Damage that lenient readers repair is caught -------------------------------------

// The first position of `what` after `after`; fails the test when there is none.
size_t findAfter(const std::string& bytes, const std::string& what, size_t after = 0) {
    const size_t at = bytes.find(what, after);
    EXPECT_NE(at, std::string::npos) << what;
    return at;
}

TEST_F(PdfFileInfo, ObjectOffsetsOneLineLateAreCaught) {
    if (!pdfToolsInstalled()) GTEST_SKIP() << kPdfToolsMissing;
    const std::string pdf = dir.file("list.pdf");
    ASSERT_EQ(report("descendants-list", "1", pdf).status, 0);
    ASSERT_EQ(pdfProblems(pdf), "");
    std::string bytes = readFile(pdf);
    // Every object's offset moved on by the length of its first line ("12 0 obj\n").
    const size_t table = findAfter(bytes, "\n0000000000 65535 f \n", findAfter(bytes, "\nxref\n")) + 21;
    for (size_t line = table; bytes.compare(line + 10, 9, " 00000 n ") == 0; line += 20) {
        const unsigned long long offset = std::stoull(bytes.substr(line, 10));
        const size_t objectLine = bytes.find('\n', offset) + 1 - offset;
        char shifted[11];
        std::snprintf(shifted, sizeof shifted, "%010llu", offset + objectLine);
        bytes.replace(line, 10, shifted);
    }
    const std::string damaged = dir.file("damaged.pdf");
    writeFile(damaged, bytes);
    EXPECT_NE(pdfProblems(damaged), "");
}

// Readers differ over a ToUnicode map whose code space is one byte where the codes
// are two: poppler does not mind, MuPDF reads every code above 255 as U+FFFD.
TEST_F(PdfFileInfo, AToUnicodeCodeSpaceOfOneByteIsCaught) {
    if (!pdfToolsInstalled()) GTEST_SKIP() << kPdfToolsMissing;
    const std::string pdf = dir.file("list.pdf"), open = dir.file("open.pdf"), damaged = dir.file("damaged.pdf");
    ASSERT_EQ(report("ancestors-list-with-repeats", "15", pdf).status, 0);
    // The same file with its streams uncompressed, to be edited.
    ASSERT_EQ(commandOutput("qpdf --qdf --object-streams=disable '" + pdf + "' '" + open + "'; echo $?"), "0\n");
    EXPECT_EQ(pdfProblems(open), "");
    std::string bytes = readFile(open);
    const size_t map = findAfter(bytes, "/CMapName /Adobe-Identity-UCS def");
    const size_t range = findAfter(bytes, "begincodespacerange\n<0000> <FFFF>\n", map) + 20;
    bytes.replace(range, 13, "<00> <FF>    ");  // the same length: the offsets stay right
    writeFile(damaged, bytes);
    EXPECT_EQ(pdfProblems(damaged), "a code space range of 1 bytes: <00>\na code space range of 1 bytes: <FF>\n");
}

#endif

}  // namespace
}  // namespace tw::test
