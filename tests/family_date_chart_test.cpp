// The Family Date Chart read back from its page log: the couple rows, the child
// blocks with their marriages, ages at death, blocks kept whole across a page break,
// long marriage chains, and the run from the command line.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

#include "files/paf_image_file.h"
#include "charts/fdc.h"
#include "support/descendant_lists.h"
#include "support/pdf_checks.h"

namespace tw::test {
namespace {

constexpr double kLine = 2.0 / 11.0;
constexpr double kFrameBottom = 7.75;

// The non-empty texts of one row, keyed by their x as "%.2f".
using Cells = std::map<std::string, std::string>;

std::string xKey(double x) {
    char key[16];
    std::snprintf(key, sizeof key, "%.2f", x);
    return key;
}

struct Chart {
    std::unique_ptr<ReportRun> run;
    std::vector<Placed> texts;

    explicit Chart(const WriterFamily& family, std::vector<int32_t> mrins = {1}) : run(openRun(family)) {
        generate(*run, generateFamilyDateChart, std::move(mrins));
        texts = placedTexts(run->ctx.pageLog);
    }

    // The name cell holding text (the first one, in page order).
    const Placed& name(const std::string& text) const {
        for (const Placed& t : texts)
            if (near(t.x, 1.10) && t.text == text) return t;
        ADD_FAILURE() << "no row for " << text;
        return texts.front();
    }
    Cells row(int page, double y) const {
        Cells cells;
        for (const Placed& t : texts)
            if (t.page == page && near(t.y, y) && !t.text.empty()) cells[xKey(t.x)] = t.text;
        return cells;
    }
    Cells row(const std::string& nameText) const {
        const Placed& n = name(nameText);
        return row(n.page, n.y);
    }
    std::vector<std::string> commands(int page) const { return pageCommands(run->ctx.pageLog.pagelogg(page)); }
    bool hasCommand(int page, const std::string& command) const {
        const auto all = commands(page);
        return std::find(all.begin(), all.end(), command) != all.end();
    }
    // A rule across the table starts at (0.75, y); y within the rounding of the log.
    bool hasRule(int page, double y) const {
        const std::string text = run->ctx.pageLog.pagelogg(page);
        PageCommandReader reader(text);
        while (const auto c = reader.next())
            if (c->op == PageOp::Move && near(c->numbers[0], 0.75) && std::fabs(c->numbers[1] - y) < 2e-4) return true;
        return false;
    }
    int lastPage() const { return run->ctx.pageLog.lastPageIndex(); }
};


int32_t marry(WriterFamily& f, int32_t husband, int32_t wife, PafDate date = {}, PafDate sealing = {}) {
    WriterMarriage m;
    m.husband = husband;
    m.wife = wife;
    m.date = date;
    m.sealing = sealing;
    return f.addMarriage(m);
}

// Adam and Berta (MRIN 1) with Carl (one marriage, to Sina), Dora (married Otto,
// then Paul), Emil (never married) and Fritz (a marriage without a wife).
WriterFamily marriagesFamily() {
    WriterFamily f;
    f.addPerson(person("Adam /Tamble/", 'M', {3, 4, 1820}));
    f.addPerson(person("Berta /Kessling/", 'F', {9, 11, 1822}));
    for (const char* name : {"Carl", "Dora", "Emil", "Fritz"})
        f.addPerson(person(std::string(name) + " /Tamble/", 'M', {1, 2, 1845}));
    f.person(4).sex = 'F';
    f.addPerson(person("Sina /Lorr/", 'F'));  // 7
    f.addPerson(person("Otto /Brand/"));      // 8
    f.addPerson(person("Paul /Wend/"));       // 9
    f.person(3).baptism = makeDate({5, 5, 1855});
    f.person(3).endowment = makeDate({6, 6, 1866});
    f.person(3).death = makeDate({1, 3, 1900});
    f.person(3).burial = makeDate({4, 3, 1900});
    marry(f, 1, 2, makeDate({5, 5, 1844}), makeDate({6, 6, 1850}));
    f.marriage(1).children = {3, 4, 5, 6};
    f.marriage(1).childSealings = {makeDate({7, 7, 1860}), {}, {}, {}};
    marry(f, 3, 7, makeDate({1, 1, 1870}), makeDate({2, 2, 1880}));
    marry(f, 8, 4, makeDate({3, 3, 1871}));
    marry(f, 9, 4, makeDate({4, 4, 1875}));
    marry(f, 6, 0, makeDate({5, 5, 1880}));
    return f;
}

TEST(FamilyDateChart, CoupleRowsAndPageHeader) {
    const Chart chart(marriagesFamily());
    ASSERT_EQ(chart.lastPage(), 0);
    EXPECT_TRUE(chart.run->ctx.pageLog.page().landscape);
    EXPECT_EQ(chart.run->ctx.pageLog.page().paper, Paper::Letter);
    EXPECT_EQ(chart.row(0, 2.4), (Cells{{"0.90", "H"},
                                       {"1.10", "Adam Tamble"},
                                       {"4.23", "3 Apr 1820"},
                                       {"9.50", "5 May 1844"},
                                       {"10.23", "6 Jun 1850"}}));
    EXPECT_EQ(chart.row(0, 2.6).at("1.10"), "Berta Kessling");
    EXPECT_EQ(chart.row(0, 2.6).at("9.50"), "5 May 1844");
    EXPECT_TRUE(chart.hasCommand(0, "TOC,5.5,1.,Family Date Chart"));
    EXPECT_TRUE(chart.hasCommand(0, "TOC,5.5,1.4,Adam Tamble and Berta Kessling"));
    EXPECT_TRUE(chart.hasCommand(0, "TOR,10.15,1.85,7 December 2026"));
    EXPECT_TRUE(chart.hasCommand(0, "TO,0.85,1.85,tamble.paf"));
    EXPECT_TRUE(chart.hasCommand(0, "TOC,5.5,1.85,MRIN: 1"));
    EXPECT_TRUE(chart.hasCommand(0, "TOC,5.5,8.,Page 1"));
    EXPECT_EQ(chart.row(0, 2.135), (Cells{{"1.15", "Name"},
                                         {"3.90", "Born"},
                                         {"4.62", "Christened"},
                                         {"5.33", "Died"},
                                         {"5.83", "Age"},
                                         {"6.33", "Buried"},
                                         {"7.04", "Baptized"},
                                         {"7.75", "Endowed"},
                                         {"8.46", "Sealed Par"},
                                         {"9.18", "Married"},
                                         {"9.89", "Sealed Sp"}}));
    EXPECT_TRUE(chart.hasRule(0, 2.85)) << "the rule under the couple";
}

// The frame's corners: the first closed box of a page.
struct Frame {
    double left = 0, top = 0, right = 0, bottom = 0;
};

Frame frameOf(const std::string& pageText) {
    PageCommandReader reader(pageText);
    std::vector<std::array<double, 2>> corners;
    while (const auto c = reader.next()) {
        if (c->op == PageOp::Move) corners = {{c->numbers[0], c->numbers[1]}};
        if (c->op == PageOp::Line) corners.push_back({c->numbers[0], c->numbers[1]});
        if (corners.size() == 5 && corners[4] == corners[0]) return {corners[0][0], corners[0][1], corners[2][0], corners[2][1]};
    }
    return {};
}

// The x of the rules that run down from y top on a page, left to right.
std::vector<double> rulesDown(const std::string& pageText, double top) {
    PageCommandReader reader(pageText);
    std::vector<double> rules;
    double x = 0, y = 0;
    while (const auto c = reader.next()) {
        if (c->op == PageOp::Line && std::fabs(c->numbers[0] - x) < 1e-9 && std::fabs(y - top) < 2e-4) rules.push_back(x);
        x = c->numbers[0];
        y = c->numbers[1];
    }
    return rules;
}

// The table on every paper, turned: the frame at the page's margins, the name column
// taking the width the page gives or takes, smaller margins and then a smaller table
// only on a sheet narrower than letter turned, and the page break at the frame's foot.
// A couple with one partner recorded is titled by that one alone; a title too wide
// for the page is shortened in each partner's name, never across the "and".
TEST(FamilyDateChart, TheCouplesTitleNamesEachPartnerRecorded) {
    const std::string longName = "Theuderic Maximilian Konstantinopolous Bartholomew Friedrich Wilhelm Leopold";
    struct Case {
        const char* name;
        int32_t husband, wife;
        std::string husbandName, title;
    };
    const std::vector<Case> cases = {
        {"both", 1, 2, "Adam /Tamble/", "Adam Tamble and Berta Kessling"},
        {"husband alone", 1, 0, "Adam /Tamble/", "Adam Tamble"},
        {"wife alone", 0, 2, "Adam /Tamble/", "Berta Kessling"},
        {"a long husband's name", 1, 2, longName + " " + longName + " /Martel/", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriterFamily f = coupleWithChildren(1);
        f.person(1).name = c.husbandName;
        f.marriage(1).husband = c.husband;
        f.marriage(1).wife = c.wife;
        const Chart chart(f);
        std::string title;
        for (const Placed& t : chart.texts)
            if (t.code == "TOC" && near(t.y, 1.4)) title = t.text;
        if (!c.title.empty()) {
            EXPECT_EQ(title, c.title);
            continue;
        }
        // Shortened in the husband's name; the wife's stays whole after the "and".
        EXPECT_TRUE(title.ends_with(" and Berta Kessling")) << title;
        EXPECT_NE(title.find("..."), std::string::npos) << title;
        EXPECT_TRUE(title.starts_with("Theuderic")) << title;
    }
}

TEST(FamilyDateChart, TheTableFollowsThePaper) {
    constexpr double kMm = 1 / 25.4;
    // A5 turned: a 0.4 in margin at the sides, the letter table smaller by the ratio
    // of the widths between them.
    const double a5 = (210 * kMm - 0.8) / 9.5;
    struct Case {
        Paper paper;
        Frame frame;
        double born;  // the rule between the name and the birth date
        int rowSize;
        double bandTop;
    };
    const std::vector<Case> cases = {
        {Paper::Letter, {0.75, 0.75, 10.25, 7.75}, 3.55, 8, 2.1},
        {Paper::A4, {0.75, 0.75, 297 * kMm - 0.75, 210 * kMm - 0.75}, 3.55 + (297 * kMm - 11), 8, 2.1},
        {Paper::Legal, {0.75, 0.75, 13.25, 7.75}, 6.55, 8, 2.1},
        {Paper::A5,
         {0.4, 0.75 * a5, 210 * kMm - 0.4, 148 * kMm - 0.75 * a5},
         210 * kMm - 0.4 - 6.7 * a5,
         6,
         0.75 * a5 + 1.35 * a5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(paperTitle(c.paper));
        WriterFamily f = coupleWithChildren(60);
        auto run = openRun(f);
        run->ctx.paper = c.paper;
        generate(*run, generateFamilyDateChart);
        const PageLog& log = run->ctx.pageLog;
        EXPECT_EQ(log.request().paper, c.paper);
        EXPECT_TRUE(log.page().landscape);
        EXPECT_EQ(log.page().paper, c.paper);

        const std::string first = log.pagelogg(0);
        const Frame frame = frameOf(first);
        EXPECT_NEAR(frame.left, c.frame.left, 1e-3);
        EXPECT_NEAR(frame.top, c.frame.top, 1e-3);
        EXPECT_NEAR(frame.right, c.frame.right, 1e-3);
        EXPECT_NEAR(frame.bottom, c.frame.bottom, 1e-3);
        const std::vector<double> rules = rulesDown(first, c.bandTop);
        ASSERT_EQ(rules.size(), 11u);
        EXPECT_NEAR(rules[1], c.born, 1e-3);
        // The date columns keep their width (times the scale) from the right edge.
        const double scale = c.paper == Paper::A5 ? a5 : 1;
        EXPECT_NEAR(frame.right - rules[10], 0.72 * scale, 1e-3);
        EXPECT_NE(first.find(std::string(1, kCommandMark) + "FS," + std::to_string(c.rowSize) + kCommandMark),
                  std::string::npos);

        // Page breaks: each page's last child stands within the frame, and the next
        // one, a block further down, would not have.
        const std::vector<Placed> texts = placedTexts(log);
        const double line = 2.0 / 11.0 * scale;
        ASSERT_GE(log.lastPageIndex(), 1);
        for (int page = 0; page < log.lastPageIndex(); ++page) {
            double last = 0;
            for (const Placed& t : texts)
                if (t.page == page && t.text.starts_with("Child")) last = std::max(last, t.y);
            EXPECT_LE(last + line, frame.bottom + 1e-4) << "page " << page + 1;
            EXPECT_GT(last + 1.6 * line + line, frame.bottom) << "page " << page + 1;
        }
    }
}

TEST(FamilyDateChart, ChildBlocksShowTheirMarriages) {
    const Chart chart(marriagesFamily());

    // One marriage: its date and sealing on the child's row and on the spouse's.
    const Placed& carl = chart.name("Carl Tamble");
    EXPECT_NEAR(carl.y, 2.87, 1e-4);
    EXPECT_EQ(chart.row(carl.page, carl.y), (Cells{{"0.85", "1"},
                                                   {"1.10", "Carl Tamble"},
                                                   {"4.23", "1 Feb 1845"},
                                                   {"5.65", "1 Mar 1900"},
                                                   {"5.83", "55"},
                                                   {"6.66", "4 Mar 1900"},
                                                   {"7.37", "5 May 1855"},
                                                   {"8.08", "6 Jun 1866"},
                                                   {"8.79", "7 Jul 1860"},
                                                   {"9.50", "1 Jan 1870"},
                                                   {"10.23", "2 Feb 1880"}}));
    EXPECT_EQ(chart.row(carl.page, carl.y + kLine),
              (Cells{{"0.95", "S"}, {"1.10", "Sina Lorr"}, {"9.50", "1 Jan 1870"}, {"10.23", "2 Feb 1880"}}));
    EXPECT_TRUE(chart.hasRule(0, carl.y + kLine + 1.3 * kLine));

    // Several marriages: "-----  " on the child's row, each spouse's own marriage below.
    const Placed& dora = chart.name("Dora Tamble");
    EXPECT_NEAR(dora.y, carl.y + kLine + 1.6 * kLine, 1e-4) << "0.6 of a line between blocks";
    const Cells doraRow = chart.row(dora.page, dora.y);
    EXPECT_EQ(doraRow.at("9.48"), "-----  ");
    EXPECT_EQ(doraRow.at("10.20"), "-----  ");
    EXPECT_EQ(doraRow.count("9.50"), 0u);
    EXPECT_EQ(chart.row(dora.page, dora.y + kLine),
              (Cells{{"0.95", "S"}, {"1.10", "Otto Brand"}, {"9.50", "3 Mar 1871"}}));
    EXPECT_EQ(chart.row(dora.page, dora.y + 2 * kLine),
              (Cells{{"0.95", "S"}, {"1.10", "Paul Wend"}, {"9.50", "4 Apr 1875"}}));

    // No marriage: a one-row block, its rule 1.3 lines below the row.
    const Placed& emil = chart.name("Emil Tamble");
    EXPECT_EQ(chart.row(emil.page, emil.y),
              (Cells{{"0.85", "3"}, {"1.10", "Emil Tamble"}, {"4.23", "1 Feb 1845"}}));
    EXPECT_TRUE(chart.hasRule(0, emil.y + 1.3 * kLine));

    // A marriage without a wife: the row of the missing partner has an empty name and
    // the marriage, and no message.
    const Placed& fritz = chart.name("Fritz Tamble");
    EXPECT_EQ(chart.row(fritz.page, fritz.y).at("9.50"), "5 May 1880");
    EXPECT_EQ(chart.row(fritz.page, fritz.y + kLine),
              (Cells{{"0.95", "S"}, {"9.50", "5 May 1880"}}));
    EXPECT_TRUE(chart.run->host.messages.empty());
}

TEST(FamilyDateChart, AgeAtDeath) {
    WriterFamily f = coupleWithChildren(0);
    struct Case {
        const char* name;
        PafDate birth, christening, death, burial;
        const char* age;  // "" for an empty Age column
    };
    const std::vector<Case> cases = {
        {"Ninetynine", makeDate({2, 1, 1800}), {}, makeDate({1, 1, 1900}), {}, "99"},
        {"Hundredten", makeDate({1, 1, 1901}), {}, makeDate({2, 1, 2011}), {}, ""},
        {"Hundrednine", makeDate({1, 1, 1902}), {}, makeDate({2, 1, 2011}), {}, "109"},
        {"Infant", makeDate({1, 1, 1850}), {}, makeDate({30, 12, 1850}), {}, "0"},
        {"Dayearly", makeDate({2, 1, 1850}), {}, makeDate({1, 1, 1850}), {}, ""},
        {"Living", makeDate({1, 1, 1850}), {}, {}, {}, ""},
        {"Noyears", {}, {}, makeDate({1, 1, 1850}), {}, ""},
        {"Christenedburied", {}, makeDate({1, 1, 1852}), {}, makeDate({1, 1, 1862}), "10"},
        // Whole calendar years: a death on the birthday completes the year.
        {"Birthday", makeDate({10, 5, 1900}), {}, makeDate({10, 5, 1950}), {}, "50"},
        {"Daybefore", makeDate({10, 5, 1900}), {}, makeDate({9, 5, 1950}), {}, "49"},
        {"Leapday", makeDate({29, 2, 1904}), {}, makeDate({28, 2, 1905}), {}, "0"},
        {"Leapdaymarch", makeDate({29, 2, 1904}), {}, makeDate({1, 3, 1905}), {}, "1"},
        {"Yearsonly", makeDate({0, 0, 1900}), {}, makeDate({0, 0, 1950}), {}, "50"},
    };
    for (const Case& c : cases) {
        WriterPerson p = person(std::string(c.name) + " /Tamble/");
        p.birth = c.birth;
        p.christening = c.christening;
        p.death = c.death;
        p.burial = c.burial;
        f.marriage(1).children.push_back(f.addPerson(p));
    }
    const Chart chart(f);
    for (const Case& c : cases) {
        const Cells row = chart.row(std::string(c.name) + " Tamble");
        EXPECT_EQ(row.count("5.83") ? row.at("5.83") : "", c.age) << c.name;
    }
}

// Twenty children without marriages, but the seventeenth has one: the child's row
// alone would still fit on the first page, the block with the spouse does not.
TEST(FamilyDateChart, ABlockThatDoesNotFitMovesWholeToTheNextPage) {
    WriterFamily f = coupleWithChildren(20);
    const int32_t child17 = 3 + 16;
    marry(f, child17, f.addPerson(person("Wilma /Sped/", 'F')), makeDate({1, 6, 1870}));
    const Chart chart(f);

    const Placed& before = chart.name("Child16 Tamble");
    ASSERT_EQ(before.page, 0);
    const double wouldStand = before.y + kLine + 0.6 * kLine;
    ASSERT_LE(wouldStand + kLine, kFrameBottom) << "the child's row alone would fit";
    ASSERT_GT(wouldStand + 2 * kLine, kFrameBottom) << "the block with its spouse does not";
    ASSERT_EQ(chart.lastPage(), 1);

    const Placed& moved = chart.name("Child17 Tamble");
    EXPECT_EQ(moved.page, 1);
    EXPECT_NEAR(moved.y, 2.4, 1e-4);
    EXPECT_EQ(chart.row(1, 2.4).at("0.85"), "17");
    EXPECT_EQ(chart.row(1, 2.4 + kLine).at("1.10"), "Wilma Sped");
    EXPECT_EQ(chart.name("Child18 Tamble").page, 1);

    // The couple on the first page only; every page has its header and number.
    EXPECT_TRUE(chart.row(1, 2.6).empty());
    EXPECT_EQ(chart.name("Adam Tamble").page, 0);
    EXPECT_TRUE(chart.hasCommand(1, "TOC,5.5,1.,Family Date Chart"));
    EXPECT_TRUE(chart.hasCommand(1, "TOC,5.5,8.,Page 2"));
    EXPECT_EQ(chart.commands(0).back(), "NP");
    EXPECT_EQ(chart.commands(1).back(), "ED");
}

// Ivo married 35 times (a block taller than a page), Jan 60 times (more than a
// block holds); Karl, never married, comes after them.
TEST(FamilyDateChart, LongMarriageChainsStayInsideTheFrame) {
    WriterFamily f = coupleWithChildren(0);
    const int32_t ivo = f.addPerson(person("Ivo /Tamble/"));
    const int32_t jan = f.addPerson(person("Jan /Tamble/"));
    const int32_t karl = f.addPerson(person("Karl /Tamble/"));
    f.marriage(1).children = {ivo, jan, karl};
    for (int i = 1; i <= 35; ++i) marry(f, ivo, f.addPerson(person("Iwife" + std::to_string(i) + " /X/", 'F')));
    for (int i = 1; i <= 60; ++i) marry(f, jan, f.addPerson(person("Jwife" + std::to_string(i) + " /Y/", 'F')));
    const Chart chart(f);

    // Nothing below the frame's foot on any page: every row ends above it.
    for (const Placed& t : chart.texts) {
        if (t.y > 2.35 && t.y < 7.9) {
            EXPECT_LE(t.y + kLine, kFrameBottom) << t.text << " on page " << t.page + 1;
        }
    }

    auto spouses = [&](const std::string& prefix) {
        std::vector<std::string> found;
        int lastPage = -1;
        for (const Placed& t : chart.texts)
            if (near(t.x, 1.10) && t.text.rfind(prefix, 0) == 0) {
                found.push_back(t.text);
                lastPage = t.page;
            }
        return std::pair(found, lastPage);
    };
    // The tall block starts on a new page and goes on over the next one.
    const Placed& ivoRow = chart.name("Ivo Tamble");
    EXPECT_EQ(ivoRow.page, 1);
    EXPECT_NEAR(ivoRow.y, 2.4, 1e-4);
    const auto [ivoWives, ivoLastPage] = spouses("Iwife");
    ASSERT_EQ(ivoWives.size(), 35u);
    EXPECT_EQ(ivoWives.front(), "Iwife1 X");
    EXPECT_EQ(ivoWives.back(), "Iwife35 X");
    EXPECT_EQ(ivoLastPage, 2);
    EXPECT_EQ(chart.row(2, 2.4).at("0.95"), "S") << "the spouse rows go on at the top of the next page";

    // The first fifty of Jan's marriages, then a row that counts the rest.
    const auto [janWives, janLastPage] = spouses("Jwife");
    ASSERT_EQ(janWives.size(), 50u);
    EXPECT_EQ(janWives.back(), "Jwife50 Y");
    const Placed& more = chart.name("(10 more marriages not shown)");
    EXPECT_EQ(more.page, janLastPage);
    EXPECT_EQ(chart.row("Jan Tamble").at("9.48"), "-----  ");

    const Placed& karlRow = chart.name("Karl Tamble");
    EXPECT_EQ(karlRow.page, chart.lastPage());
    EXPECT_GT(karlRow.page * 100 + karlRow.y, more.page * 100 + more.y);
}

TEST(FamilyDateChart, AStopRequestEndsTheLayoutWithAWholeChart) {
    auto run = openRun(coupleWithChildren(3));
    run->host.cancelAfterPolls = 2;  // the child list, then the first child
    generate(*run, generateFamilyDateChart);
    const std::vector<Placed> texts = placedTexts(run->ctx.pageLog);
    EXPECT_EQ(column(texts, 1.10), (std::vector<std::string>{"Adam Tamble", "Berta Kessling", "Child1 Tamble"}));
    EXPECT_EQ(pageCommands(run->ctx.pageLog.pagelogg(0)).back(), "ED");
    EXPECT_EQ(run->host.progress.back(), -1);
}

TEST(FamilyDateChart, FromTheCommandLine) {
    TempDir dir;
    const std::string paf = dir.file("family.paf");
    ASSERT_TRUE(writePafFile(marriagesFamily(), paf));
    const CommandResult r = runTamblewin({"report", "family-date-chart", "--paf", paf, "--start", "1", "--date",
                                          "2026-12-07", "--format", "log", "-o", "-"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("TOC,5.5,1.,Family Date Chart\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("TO,1.1,2.87,Carl Tamble\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.err.find("The RIN is invalid"), std::string::npos) << "Fritz's missing wife is no invalid RIN";
#if TAMBLEWIN_HAS_FILE_OUTPUT
    const std::string pdf = dir.file("chart.pdf");
    ASSERT_EQ(runTamblewin({"report", "family-date-chart", "--paf", paf, "-o", pdf}).status, 0);
    if (std::system("command -v pdfinfo >/dev/null 2>&1") == 0) {
        const std::string infoFile = dir.file("info.txt");
        ASSERT_EQ(std::system(("pdfinfo '" + pdf + "' > '" + infoFile + "'").c_str()), 0);
        std::ifstream in(infoFile);
        const std::string info((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_NE(info.find("792 x 612 pts (letter)"), std::string::npos) << info;
    }
    if (pdfToolsInstalled()) { EXPECT_EQ(pdfProblems(pdf), ""); }
#endif
}

}  // namespace
}  // namespace tw::test
