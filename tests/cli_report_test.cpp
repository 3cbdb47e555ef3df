// tamblewin report: options, refusals, the page log as text, and real PDF and PNG
// files of the demo family.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "files/paf_image_file.h"
#include "support/paf_fixture.h"
#include "support/pdf_checks.h"

namespace tw::test {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Standard output of a shell command.
[[maybe_unused]] std::string capture(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

struct ReportCommand : testing::Test {
    TempDir dir;
    std::string paf = dir.file("family.paf");
    void SetUp() override { ASSERT_TRUE(writePafFile(coupleWithChildren(2), paf)); }
};

TEST_F(ReportCommand, RefusesBadOptionsBeforeTouchingTheFile) {
    const CommandResult unknown = runTamblewin({"report", "family-tree", "--paf", paf});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown report kind 'family-tree'"), std::string::npos);
    EXPECT_NE(unknown.err.find("family-tree-chart"), std::string::npos) << "the kinds are listed";
    EXPECT_EQ(runTamblewin({"report", "descendants-list"}).status, 2) << "no --paf";
    EXPECT_EQ(runTamblewin({"report", "descendants-list", "--paf"}).status, 2);
    EXPECT_EQ(runTamblewin({"report", "descendants-list", "--paf", paf, "--format", "doc"}).status, 2);
    // February has 29 days in leap years only.
    for (const auto& [date, status] : {std::pair{"2026-02-30", 2}, {"2025-02-29", 2}, {"1900-02-29", 2},
                                       {"2000-02-29", 0}, {"2024-02-29", 0}})
        EXPECT_EQ(runTamblewin({"report", "descendants-list", "--paf", paf, "--date", date, "--format", "log", "-o",
                                dir.file("d.log")})
                      .status,
                  status)
            << date;
    const CommandResult letters = runTamblewin({"report", "ancestors-list-with-repeats", "--paf", paf, "--start", "abc"});
    EXPECT_EQ(letters.status, 2);
    EXPECT_NE(letters.err.find("--start 'abc'"), std::string::npos);
}

TEST_F(ReportCommand, AStartNumberBeyondTheFileWritesNothing) {
    const std::string out = dir.file("out.log");
    const CommandResult r = runTamblewin(
        {"report", "ancestors-list-with-repeats", "--paf", paf, "--start", "99999999999999999999", "-o", out});
    EXPECT_EQ(r.status, 2) << "a start field the file cannot serve";
    EXPECT_NE(r.err.find("Error: This Rin is out of range\n"), std::string::npos) << r.err;
    EXPECT_FALSE(std::ifstream(out).good());
}

TEST_F(ReportCommand, MissingFileFailsAndTheLastReportsAreBuilt) {
    const CommandResult missing =
        runTamblewin({"report", "ancestors-list-with-repeats", "--paf", dir.file("none.paf"), "--format", "log"});
    EXPECT_NE(missing.status, 0);
    EXPECT_NE(missing.err.find("Alert!: Open failed.  Error code: 2"), std::string::npos);
    // The Family Tree Chart was the last report to be built; it runs like the others
    // (its listing goes to the run's own home).
    const CommandResult tree =
        runTamblewin({"report", "family-tree-chart", "--paf", paf, "-o", dir.file("tree.log")});
    EXPECT_EQ(tree.status, 0) << tree.err;
    EXPECT_EQ(tree.err.find("not available"), std::string::npos) << tree.err;
}

TEST_F(ReportCommand, WritesThePageLogAsOneCommandPerLine) {
    const std::string out = dir.file("child.log");
    // RIN 3 is a child of the couple: generations 1 and 2.
    const CommandResult r = runTamblewin({"report", "ancestors-list-without-repeats", "--paf", paf, "--start", "3",
                                          "--date", "2026-12-07", "-o", out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Wrote the page log of 1 page to " + out + "\n");
    const std::string log = readFile(out);
    EXPECT_EQ(log.find('\x02'), std::string::npos);
    for (const char* line : {"FN,Times\n", "TOC,4.25,0.7,Ancestor List (without repeats)\n",
                             "TOC,4.25,1.05,Child1 Tamble\n", "TOR,7.25,1.25,7 December 2026\n",
                             "TO,1.25,1.25," , "TO,4.3,2.,Child1 Tamble\n", "TO,4.3,2.4,Adam Tamble\n",
                             "TO,4.3,2.6,Berta Kessling\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
    EXPECT_EQ(log.substr(log.size() - 3), "ED\n");
    // Writing to standard output gives the same text.
    const CommandResult toStdout = runTamblewin({"report", "ancestors-list-without-repeats", "--paf", paf, "--start",
                                                 "3", "--date", "2026-12-07", "--format", "log", "-o", "-"});
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_EQ(toStdout.out, log);
}

TEST_F(ReportCommand, AnUnknownPaperIsABadCommandLine) {
    const CommandResult r = runTamblewin({"report", "family-tree-chart", "--paf", paf, "--paper", "b5"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("unknown paper 'b5'; the papers are letter, legal, tabloid, a5, a4, a3"), std::string::npos)
        << r.err;
    EXPECT_EQ(runTamblewin({"report", "family-tree-chart", "--paf", paf, "--paper"}).status, 2);
}

// The Family Tree Chart fills its page, so its page log tells the papers apart.
TEST_F(ReportCommand, ThePaperIsTheOptionsElseTheSystemsDefault) {
    using Environment = std::vector<std::pair<std::string, std::string>>;
    const auto chartLog = [&](std::vector<std::string> options, const Environment& environment) {
        std::vector<std::string> args = {"report", "family-tree-chart", "--paf", paf, "--format", "log", "-o", "-"};
        args.insert(args.end(), options.begin(), options.end());
        const CommandResult r = runTamblewin(args, environment);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    };
    const std::string letter = chartLog({"--paper", "letter"}, {});
    const std::string a4 = chartLog({"--paper", "A4"}, {});
    ASSERT_NE(letter, a4);

    // Which source wins is tested where the default is found; here, that the command
    // line takes it and that the option wins over it (the words stay English: only
    // the paper follows the German locale here).
    const Environment german = {{"PAPERSIZE", ""}, {"PAPERCONF", dir.file("none")}, {"LC_ALL", ""},
                                {"LC_PAPER", ""}, {"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "C"}};
    struct Case {
        const char* what;
        std::vector<std::string> options;
        Environment environment;
        const std::string* expected;
    };
    const Case cases[] = {
        {"letter from the test's PAPERSIZE", {}, {}, &letter},
        {"PAPERSIZE", {}, {{"PAPERSIZE", "a4"}}, &a4},
        {"a German locale", {}, german, &a4},
        {"the option over PAPERSIZE", {"--paper", "letter"}, {{"PAPERSIZE", "a4"}}, &letter},
    };
    for (const Case& c : cases) EXPECT_TRUE(chartLog(c.options, c.environment) == *c.expected) << c.what;
}

#if TAMBLEWIN_HAS_FILE_OUTPUT
// pdfinfo's "Page size" of every page, rounded to whole points: "595 x 842".
std::string pdfPageSizes(const std::string& pdf) {
    std::istringstream info(capture("pdfinfo -f 1 -l 999 '" + pdf + "'"));
    std::string sizes;
    for (std::string line; std::getline(info, line);) {
        double width = 0, height = 0;
        const size_t at = line.find(" size: ");
        if (line.starts_with("Page") && at != std::string::npos &&
            std::sscanf(line.c_str() + at + 7, "%lf x %lf", &width, &height) == 2)
            sizes += (sizes.empty() ? "" : ", ") + std::to_string(std::lround(width)) + " x " +
                     std::to_string(std::lround(height));
    }
    return sizes;
}

TEST(ReportFiles, PdfPagesHaveTheSheetOfThePaperAsTheReportLiesOnIt) {
    if (capture("command -v pdfinfo").empty()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    struct Case {
        const char* kind;
        const char* start;
        std::vector<std::string> options;
        const char* sizes;
    };
    const Case cases[] = {
        {"ancestors-list-with-repeats", "300", {"--paper", "a4"}, "595 x 842"},
        {"ancestors-list-with-repeats", "300", {"--paper", "A5"}, "420 x 595"},
        {"ancestors-list-with-repeats", "300", {"--paper", "tabloid"}, "792 x 1224"},
        {"family-date-chart", "1", {"--paper", "a4"}, "842 x 595"},
        {"family-date-chart", "1", {"--paper", "a3"}, "1191 x 842"},
        // The summary chart's widest form: legal on letter paper, A3 on A4 when large
        // sheets are allowed, else A4 itself.
        {"descendant-summary-chart", "1", {"--paper", "letter"}, "1008 x 612"},
        {"descendant-summary-chart", "1", {"--paper", "a4", "--large-sheets"}, "1191 x 842"},
        {"descendant-summary-chart", "1", {"--paper", "a4"}, "842 x 595"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::string pdf = dir.file("report.pdf");
        std::vector<std::string> args = {"report", c.kind, "--paf", TAMBLEWIN_DEMO_PAF, "--start", c.start, "-o", pdf};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CommandResult r = runTamblewin(args);
        ASSERT_EQ(r.status, 0) << r.err;
        if (pdfToolsInstalled()) { EXPECT_EQ(pdfProblems(pdf), ""); }
        // Every page has the one size (how many pages there are depends on the sheet).
        std::string sizes = pdfPageSizes(pdf);
        for (size_t at; (at = sizes.find(", ")) != std::string::npos;) {
            const std::string first = sizes.substr(0, at), rest = sizes.substr(at + 2);
            if (!rest.starts_with(first)) break;
            sizes = rest;
        }
        EXPECT_EQ(sizes, c.sizes) << c.kind << " " << c.options[1];
    }
}

TEST(ReportFiles, TheDemoFamilysAncestorListAsPdfHoldsItsPages) {
    if (capture("command -v pdftotext").empty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TempDir dir;
    const std::string pdf = dir.file("ancestors.pdf");
    const CommandResult r = runTamblewin({"report", "ancestors-list-with-repeats", "--paf", TAMBLEWIN_DEMO_PAF,
                                          "--start", "300", "--date", "2026-12-07", "-o", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    if (pdfToolsInstalled()) { EXPECT_EQ(pdfProblems(pdf), ""); }
    const std::string info = capture("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("Page size:       612 x 792 pts (letter)"), std::string::npos) << info;
    const int pages = std::stoi(info.substr(info.find("Pages:") + 6));
    ASSERT_GE(pages, 2) << "the demo list spans pages";
    const std::string first = capture("pdftotext -f 1 -l 1 -layout '" + pdf + "' -");
    EXPECT_NE(first.find("Ancestor List (with repeats)"), std::string::npos);
    EXPECT_NE(first.find("7 December 2026"), std::string::npos);
    EXPECT_NE(first.find("Pedigree Position"), std::string::npos);
    EXPECT_NE(first.find("Dorothy LaRae Verrall"), std::string::npos);
    const std::string second = capture("pdftotext -f 2 -l 2 -layout '" + pdf + "' -");
    EXPECT_NE(second.find("cont'd"), std::string::npos) << second;
    EXPECT_EQ(second.find("Dorothy LaRae Verrall     "), std::string::npos) << "the start person is on page 1 only";
}

// Without the fonts the PDF embeds (a font configuration that knows no fonts), no
// PDF is written and the command names the font.
TEST(ReportFiles, APdfWithoutItsFontIsNotWritten) {
    TempDir dir;
    const std::string config = dir.file("fonts.conf");
    std::ofstream(config) << ("<?xml version=\"1.0\"?>\n<fontconfig><dir>" + dir.file("no-fonts") + "</dir><cachedir>" +
                              dir.file("cache") + "</cachedir></fontconfig>\n");
    const std::string pdf = dir.file("list.pdf");
    const CommandResult r = runTamblewin({"report", "research-status-list", "--paf", TAMBLEWIN_DEMO_PAF, "--start",
                                          "300", "-o", pdf},
                                         {{"FONTCONFIG_FILE", config}});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("the font Liberation Serif is not installed"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(pdf));
    for (const auto& entry : std::filesystem::directory_iterator(dir.file(".")))
        EXPECT_EQ(entry.path().filename().string().find(".list.pdf"), std::string::npos) << "no temporary file is left";
}

// The executable loads Qt's module only for the windows and for PNG and SVG pages: a
// copy of it without the module still writes PDF and page logs, and says what is
// missing for the others, leaving no page behind.
TEST(ReportFiles, OnlyTheWindowsAndPngAndSvgPagesNeedTheQtModule) {
    TempDir dir;
    RunShape alone;
    alone.program = dir.file("tamblewin");
    std::filesystem::copy_file(TAMBLEWIN_EXE, alone.program);
    std::filesystem::permissions(alone.program, std::filesystem::perms::owner_all);
    struct Case {
        std::vector<std::string> args;
        std::string written;  // the file a run that needs no module writes; empty: needs the module
    };
    const auto report = [&](std::vector<std::string> tail) {
        std::vector<std::string> args{"report", "descendants-list", "--paf", TAMBLEWIN_DEMO_PAF};
        args.insert(args.end(), tail.begin(), tail.end());
        return args;
    };
    const Case cases[] = {
        {report({"-o", dir.file("list.pdf")}), dir.file("list.pdf")},
        {report({"--format", "log", "-o", dir.file("list.log")}), dir.file("list.log")},
        {report({"--format", "pdf", "-o", dir.file("pages.png")}), dir.file("pages.png")},
        {report({"-o", dir.file("list.png")}), ""},
        {report({"--format", "svg", "-o", dir.file("list.pdf.out")}), ""},
        {{}, ""},
        {{TAMBLEWIN_DEMO_PAF}, ""},
    };
    for (const Case& c : cases) {
        const std::string shown = c.args.empty() ? "(no arguments)" : c.args.back();
        const CommandResult r = runTamblewinShaped(c.args, alone);
        if (!c.written.empty()) {
            EXPECT_EQ(r.status, 0) << shown << ": " << r.err;
            EXPECT_TRUE(std::filesystem::exists(c.written)) << shown;
            continue;
        }
        EXPECT_EQ(r.status, 1) << shown;
        EXPECT_NE(r.err.find("need Qt's module"), std::string::npos) << shown << ": " << r.err;
    }
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.file(".")))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files, (std::set<std::string>{"tamblewin", "list.pdf", "list.log", "pages.png"}));
}

TEST(ReportFiles, PngPagesAreSheetsOfThePaperOneFilePerPage) {
    struct Case {
        const char* paper;
        uint32_t width, height;  // at 150 pixels per inch
    };
    for (const Case& c : {Case{"letter", 1275, 1650}, Case{"a4", 1240, 1754}}) {
        TempDir dir;
        const std::string png = dir.file("list.png");
        const CommandResult r = runTamblewin({"report", "ancestors-list-with-repeats", "--paf", TAMBLEWIN_DEMO_PAF,
                                              "--start", "300", "--paper", c.paper, "-o", png});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("list-1.png .. "), std::string::npos) << r.out;
        const std::string bytes = readFile(dir.file("list-2.png"));
        ASSERT_GT(bytes.size(), 24u);
        EXPECT_EQ(bytes.substr(1, 3), "PNG");
        auto be32 = [&](size_t at) {
            return (uint32_t(uint8_t(bytes[at])) << 24) | (uint32_t(uint8_t(bytes[at + 1])) << 16) |
                   (uint32_t(uint8_t(bytes[at + 2])) << 8) | uint32_t(uint8_t(bytes[at + 3]));
        };
        EXPECT_EQ(be32(16), c.width) << c.paper;
        EXPECT_EQ(be32(20), c.height) << c.paper;
    }
}
#endif

}  // namespace
}  // namespace tw::test
