// The Descendant Summary Chart read back from its page log: counts per line and
// generation with repeats, the header row and totals, the four formats and the
// choice among them, tuning values from the file, damaged families, and the run
// from the command line.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "charts/dsc.h"
#include "charts/dsc_tuning.h"
#include "files/paf_image_file.h"
#include "output/font_metrics.h"
#include "support/descendant_lists.h"
#include "support/page_checker.h"
#include "support/pdf_checks.h"

namespace tw::test {
namespace {

const std::string kProblem = "This information could not\nbe formatted into any of\nthe 4 forms of this chart";

int32_t marry(WriterFamily& f, int32_t husband, int32_t wife) {
    WriterMarriage m;
    m.husband = husband;
    m.wife = wife;
    return f.addMarriage(m);
}

int32_t addChild(WriterFamily& f, int32_t mrin, const std::string& name, char sex = 'M') {
    const int32_t rin = f.addPerson(person(name, sex));
    f.marriage(mrin).children.push_back(rin);
    return rin;
}

// A wife from outside the family for rin; returns the marriage.
int32_t marryOutside(WriterFamily& f, int32_t rin) { return marry(f, rin, f.addPerson(person("Wife /Other/", 'F'))); }

// Below rin, a line of the given number of generations, one son each.
void lineBelow(WriterFamily& f, int32_t rin, int generations) {
    for (int g = 0; g < generations; ++g) rin = addChild(f, marryOutside(f, rin), "Son" + std::to_string(g + 1) + " /Tamble/");
}

// Each run reads the tuning file: tests point it at a file of their own, so that
// nothing on the machine changes what they see.
struct DscChart : testing::Test {
    TempDir dir;
    std::unique_ptr<ReportRun> run;
    std::vector<Placed> texts;

    void tune(const std::string& text) { std::ofstream(dir.file("DSCtest.txt")) << text; }
    void chart(const WriterFamily& family, std::vector<int32_t> mrins = {1}, Paper paper = Paper::Letter,
               bool largeSheets = false) {
        run = openRun(family);
        run->ctx.paper = paper;
        run->ctx.largeSheets = largeSheets;
        run->ctx.paths.dscTuningFile = dir.file("DSCtest.txt");
        again(std::move(mrins));
    }
    void again(std::vector<int32_t> mrins = {1}) {
        run->host.messages.clear();
        generate(*run, generateDescendantSummaryChart, std::move(mrins));
        texts = run->ctx.pageLog.storedPageCount() > 0 ? placedTexts(run->ctx.pageLog) : std::vector<Placed>{};
    }
    // 0 upright letter, 1 turned letter, 3 turned legal: the chart's four forms.
    int pageMode() const {
        const PageGeometry& page = run->ctx.pageLog.page();
        return !page.landscape ? 0 : page.paper == Paper::Legal ? 3 : 1;
    }
    std::vector<std::string> commands() const { return pageCommands(run->ctx.pageLog.pagelogg(0)); }
    bool hasCommand(const std::string& command) const {
        const auto all = commands();
        return std::find(all.begin(), all.end(), command) != all.end();
    }
    std::optional<Placed> find(const std::string& text) const {
        for (const Placed& t : texts)
            if (t.text == text) return t;
        return std::nullopt;
    }
    std::vector<Placed> rowsStartingWith(const std::string& start) const {
        std::vector<Placed> found;
        for (const Placed& t : texts)
            if (t.code == "TO" && t.text.starts_with(start)) found.push_back(t);
        return found;
    }
    // The texts right-aligned at x, top to bottom.
    std::vector<std::string> rightAlignedAt(double x) const {
        std::vector<std::string> found;
        for (const Placed& t : texts)
            if (t.code == "TOR" && near(t.x, x)) found.push_back(t.text);
        return found;
    }
    // The family figures of the totals box: total descendants and family total.
    std::pair<std::string, std::string> totals(double rightMargin, double bottomMargin) const {
        std::pair<std::string, std::string> found;
        for (const Placed& t : texts) {
            if (t.code != "TOR" || !near(t.x, rightMargin - 0.15)) continue;
            if (near(t.y, bottomMargin - 0.5 + 0.09)) found.first = t.text;
            if (near(t.y, bottomMargin - 0.5 + 0.26)) found.second = t.text;
        }
        return found;
    }
};

TEST_F(DscChart, ChildlessCoupleGetsAnEmptyRowAndAFamilyOfTwo) {
    chart(coupleWithChildren(0));
    ASSERT_EQ(run->ctx.pageLog.storedPageCount(), 1);
    EXPECT_TRUE(run->host.messages.empty());
    EXPECT_EQ(pageMode(), 0);
    ASSERT_TRUE(find("DESCENDANTS SUMMARY CHART"));
    EXPECT_TRUE(near(find("DESCENDANTS SUMMARY CHART")->x, 4.5));
    EXPECT_TRUE(find("7 December 2026"));
    // The couple stacked in the box at the left: two words each side of "and".
    ASSERT_TRUE(find("and"));
    EXPECT_TRUE(near(find("and")->y, 5.25));
    EXPECT_TRUE(near(find("Adam")->y, 3.65));
    EXPECT_TRUE(near(find("Tamble")->y, 4.05));
    EXPECT_TRUE(near(find("Berta")->y, 6.45));
    EXPECT_TRUE(near(find("Kessling")->y, 6.85));
    // The children header says "children" over "0"; nothing else is counted.
    const auto header = find("children");
    ASSERT_TRUE(header);
    EXPECT_EQ(header->code, "TOC");
    const auto count = find("0");
    ASSERT_TRUE(count);
    EXPECT_TRUE(near(count->x, header->x));
    EXPECT_EQ(totals(7.75, 10.25), std::make_pair(std::string("0"), std::string("2")));
    EXPECT_FALSE(find("*repeat descendants involved"));
}

// Two cousins marry: their son is a descendant along both children's lines.
WriterFamily cousinsMarry() {
    WriterFamily f = coupleWithChildren(0);
    const int32_t a = addChild(f, 1, "Anton /Tamble/");
    const int32_t b = addChild(f, 1, "Bettina /Tamble/", 'F');
    const int32_t s = addChild(f, marryOutside(f, a), "Sepp /Tamble/");
    const int32_t d = addChild(f, marry(f, f.addPerson(person("Hugo /Other/")), b), "Dora /Mair/", 'F');
    addChild(f, marry(f, s, d), "Gustl /Tamble/");
    return f;
}

TEST_F(DscChart, ADescendantAlongTwoLinesCountsOnceAndIsMarkedWhereMetAgain) {
    chart(cousinsMarry());
    ASSERT_EQ(run->ctx.pageLog.storedPageCount(), 1);
    EXPECT_EQ(pageMode(), 0);
    // Rows hold the given names; cells per depth, right-aligned so that the boxes of
    // one column end together and the last column ends at the right margin.
    EXPECT_TRUE(find("Anton "));
    EXPECT_TRUE(find("Bettina "));
    const Placed oneChild = *find("1 child");
    EXPECT_EQ(rightAlignedAt(oneChild.x), (std::vector<std::string>{"1 child", "1 child"}));
    EXPECT_EQ(rightAlignedAt(7.75 - 0.1), (std::vector<std::string>{" 1  g'ch*", " 1  g'ch"}))
        << "cells are drawn from the last row up";
    // Header: children 2, grandchildren 2, great-grandchildren 1 (not 2).
    EXPECT_TRUE(find("g'ch"));
    EXPECT_TRUE(find("G g'ch"));
    const double headerCounts = 10.25 - 0.5 - 0.2 - 0.5 + 0.08;
    std::vector<std::string> counts;
    for (const Placed& t : texts)
        if (t.code == "TOC" && near(t.y, headerCounts)) counts.push_back(t.text);
    EXPECT_EQ(counts, (std::vector<std::string>{"2", "2", "1"}));
    // 5 descendants; spouses: Anton's, Bettina's, Sepp's and Dora's marriages.
    EXPECT_EQ(totals(7.75, 10.25), std::make_pair(std::string("5"), std::string("11")));
    const auto note = find("*repeat descendants involved");
    ASSERT_TRUE(note);
    EXPECT_TRUE(near(note->x, 0.75) && near(note->y, 9.95));
}

TEST_F(DscChart, FormatOneTakesUpToSeventeenRowsSmallerFromFourteen) {
    chart(coupleWithChildren(3));
    EXPECT_EQ(pageMode(), 0);
    EXPECT_TRUE(hasCommand("FS,12"));
    // Three rows 0.5 apart, centred on 5.46; a name stands 12/140 above the box middle.
    const double drop = double(12.0F / 140.0F);
    EXPECT_NEAR(find("Child1 ")->y, 5.46 - 0.75 + 0.2 - drop, 1e-4);
    EXPECT_NEAR(find("Child3 ")->y, 5.46 + 0.25 + 0.2 - drop, 1e-4);

    chart(coupleWithChildren(14));
    ASSERT_EQ(run->ctx.pageLog.storedPageCount(), 1);
    EXPECT_EQ(pageMode(), 0);
    EXPECT_TRUE(hasCommand("FS,10"));
    EXPECT_TRUE(find("and")) << "still the stacked couple of format 1";
    const double smallDrop = double(10.0F / 140.0F);
    EXPECT_NEAR(find("Child1 ")->y, 5.46 - 0.4 * 7 + 0.15 - smallDrop, 1e-4);
    EXPECT_NEAR(find("Child2 ")->y - find("Child1 ")->y, 0.4, 1e-4);
    // The smaller boxes stay for later runs until the tuning file or a format changes them.
    EXPECT_FLOAT_EQ(dscTuning(run->ctx).boxcc, 0.4F);
    EXPECT_FLOAT_EQ(dscTuning(run->ctx).boxheight, 0.3F);
}

TEST_F(DscChart, EighteenRowsGoToTheBannerFormatShrunkToFit) {
    chart(coupleWithChildren(18));
    ASSERT_EQ(run->ctx.pageLog.storedPageCount(), 1);
    EXPECT_TRUE(run->host.messages.empty());
    EXPECT_EQ(pageMode(), 0);
    EXPECT_FALSE(find("Adam")) << "no stacked couple of format 1";
    ASSERT_TRUE(find("Adam Tamble"));
    EXPECT_TRUE(find("Berta Kessling"));
    EXPECT_TRUE(find("married: "));
    EXPECT_EQ(find("born: ")->code, "TOR");
    EXPECT_TRUE(find("3 Apr 1820") || find("3 April 1820")) << "the husband's birth, with no comma where the place is not recorded";
    // 18 rows fill 2.4 .. 8.85: 0.3583 apart, font 12 scaled by 0.3583 / 0.5 -> 8.
    EXPECT_TRUE(hasCommand("FS,8"));
    const double boxcc = (10.25 - 1.4 - 2.4) / 18;
    EXPECT_NEAR(find("Child2 ")->y - find("Child1 ")->y, boxcc, 2e-4);
    EXPECT_EQ(totals(7.75, 10.25).first, "18");
}

TEST_F(DscChart, LongLinesMoveToLandscapeKeepingTheTextsComposedInFormatOne) {
    WriterFamily f = coupleWithChildren(0);
    const int32_t a = addChild(f, 1, "Anton /Tamble/");
    addChild(f, 1, "Bettina /Tamble/", 'F');
    const int32_t wife = marryOutside(f, a);
    const int32_t first = addChild(f, wife, "Carl /Tamble/");
    addChild(f, wife, "Clara /Tamble/", 'F');
    lineBelow(f, first, 7);
    chart(f);
    ASSERT_EQ(run->ctx.pageLog.storedPageCount(), 1);
    EXPECT_EQ(pageMode(), 1) << "landscape letter";
    EXPECT_TRUE(find(" 2  children")) << "composed by format 1, kept";
    EXPECT_TRUE(find(" 1  6G g'ch"));
    // The last column ends at format 3's right margin.
    EXPECT_EQ(rightAlignedAt(10.25 - 0.05), (std::vector<std::string>{" 1  6G g'ch"}));
    EXPECT_EQ(totals(10.25, 7.75).first, "11");
}

TEST_F(DscChart, LegalLandscapeCutsGenerationsAfterANoteButCountsThemAll) {
    WriterFamily f = coupleWithChildren(0);
    lineBelow(f, addChild(f, 1, "Anton /Tamble/"), 25);
    chart(f);
    ASSERT_EQ(run->ctx.pageLog.storedPageCount(), 1);
    EXPECT_EQ(pageMode(), 3);
    ASSERT_EQ(run->host.messages.size(), 1u);
    const RecordedMessage& note = run->host.messages[0];
    EXPECT_EQ(note.caption, "Note");
    const std::string lead =
        "This couple has more generations of data than\nwill fit on this report.  Be advised that the report\nwill "
        "show only the first ";
    ASSERT_EQ(note.text.substr(0, lead.size()), lead);
    const int shown = std::stoi(note.text.substr(lead.size()));
    EXPECT_EQ(note.text, lead + std::to_string(shown) + " generations of data.");
    // The couple and the child's column, then shown - 2 generations of cells.
    int cells = 0;
    for (const Placed& t : texts) {
        EXPECT_LE(t.x, 13.25 + 0.05) << t.text;
        if (t.code == "TOR" && (t.text == "1 child" || t.text.starts_with(" 1  "))) ++cells;
    }
    EXPECT_GT(shown, 4);
    EXPECT_EQ(cells, shown - 2);
    // 26 descendants, each but the last married once.
    EXPECT_EQ(totals(13.25, 7.75), std::make_pair(std::string("26"), std::string("53")));
    // The chart's foot says it too.
    const auto foot = find("Only the first " + std::to_string(shown) +
                           " of 27 generations fit across the page; the totals count them all.");
    ASSERT_TRUE(foot);
    EXPECT_TRUE(near(foot->x, 0.75) && near(foot->y, 7.75 + 0.06));
}

// Where generations would be left off, a long name in a row gives way first: it
// takes at most 0.3 of the chart's width, and the chart shows nearly as many
// generations as with a short one (without giving way it would show 5).
TEST_F(DscChart, LongNamesGiveWayBeforeGenerationsAreLeftOff) {
    const auto shownWith = [&](const std::string& name) {
        WriterFamily f = coupleWithChildren(0);
        lineBelow(f, addChild(f, 1, "Anton /Tamble/"), 25);
        addChild(f, 1, name + " /Tamble/");
        chart(f);
        EXPECT_EQ(pageMode(), 3);
        EXPECT_EQ(run->host.messages.size(), 1u);
        const std::string note = run->host.messages.empty() ? "" : run->host.messages[0].text;
        return std::stoi(note.substr(note.find("first ") + 6));
    };
    std::string longName;
    while (longName.size() < 170) longName += "Bartholomew ";
    const int shown = shownWith("Bertl");
    EXPECT_GE(shownWith(longName), shown - 4);
    const auto row = std::find_if(texts.begin(), texts.end(), [](const Placed& t) { return t.text.starts_with("Bartholomew"); });
    ASSERT_NE(row, texts.end());
    EXPECT_TRUE(row->text.ends_with("...")) << row->text;
    EXPECT_LE(textWidthPixels(row->text, "Times", 8, 600) / 600.0, 0.3 * (13.25 - 0.75));
}

// The four formats on other papers: the first two upright and the third turned on
// the run's paper, the fourth turned on the larger sheet; the margins keep their
// distances from the sheet's right and bottom edges. On the paper of format 3, format
// 4 takes smaller type before it leaves generations off.
TEST_F(DscChart, TheFormatsFollowThePaperOfTheRun) {
    WriterFamily longLines = coupleWithChildren(0);
    {
        const int32_t a = addChild(longLines, 1, "Anton /Tamble/");
        addChild(longLines, 1, "Bettina /Tamble/", 'F');
        const int32_t wife = marryOutside(longLines, a);
        lineBelow(longLines, addChild(longLines, wife, "Carl /Tamble/"), 7);
    }
    WriterFamily deepLine = coupleWithChildren(0);
    lineBelow(deepLine, addChild(deepLine, 1, "Anton /Tamble/"), 14);
    WriterFamily deeperLine = coupleWithChildren(0);
    lineBelow(deeperLine, addChild(deeperLine, 1, "Anton /Tamble/"), 25);

    struct Case {
        const char* name;
        const WriterFamily& family;
        Paper paper;
        bool largeSheets;
        int format;         // 1 the stacked couple, 2 to 4 the banner
        PageRequest asked;  // the page the chart asked for last
        int32_t rowSize;    // the type of the rows
        bool note;          // generations were left off
    };
    const WriterFamily three = coupleWithChildren(3);
    const std::vector<Case> cases = {
        {"upright A4", three, Paper::A4, false, 1, {Paper::A4, false, false}, 12, false},
        {"turned A4", longLines, Paper::A4, false, 3, {Paper::A4, true, false}, 8, false},
        {"A4 again, smaller type", deepLine, Paper::A4, false, 4, {Paper::A4, true, true}, 6, false},
        {"A4 again, cut", deeperLine, Paper::A4, false, 4, {Paper::A4, true, true}, 5, true},
        {"A3 allowed", deepLine, Paper::A4, true, 4, {Paper::A3, true, true}, 8, false},
        {"legal for letter", deepLine, Paper::Letter, false, 4, {Paper::Legal, true, true}, 8, false},
        {"turned A5", three, Paper::A5, false, 3, {Paper::A5, true, false}, 8, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        chart(c.family, {1}, c.paper, c.largeSheets);
        ASSERT_EQ(run->ctx.pageLog.storedPageCount(), 1);
        const PageLog& log = run->ctx.pageLog;
        EXPECT_EQ(log.request().paper, c.asked.paper);
        EXPECT_EQ(log.request().landscape, c.asked.landscape);
        EXPECT_EQ(log.request().exact, c.asked.exact);
        EXPECT_EQ(log.page().paper, c.asked.paper);
        EXPECT_EQ(log.page().landscape, c.asked.landscape);
        const bool stacked = find("and") && !find("married: ");
        EXPECT_EQ(stacked, c.format == 1);
        if (c.format == 1) {
            EXPECT_NEAR(find("DESCENDANTS SUMMARY CHART")->x, 4.5 + (log.page().width - 8.5) / 2, 1e-3);
        }
        // Every format's margins are three quarters of an inch from the right and
        // bottom edges: the totals box stands in that corner.
        EXPECT_FALSE(totals(log.page().width - 0.75, log.page().height - 0.75).first.empty());
        EXPECT_EQ(!run->host.messages.empty() && run->host.messages[0].caption == "Note", c.note);
        int32_t rowSize = 0;
        for (const std::string& command : commands()) {
            if (command.starts_with("FS,")) rowSize = std::stoi(command.substr(3));
            if (command.find(",Anton ") != std::string::npos || command.find(",Child1 ") != std::string::npos) break;
        }
        EXPECT_EQ(rowSize, c.rowSize);
    }
}

TEST_F(DscChart, BannerTooNarrowForTheNamesTriesTheWiderPaper) {
    WriterFamily f = coupleWithChildren(18);
    f.person(1).name = "Adalbert Maximilian Friedrich Ferdinand Leopold Hieronymus Bonifatius /Tamblewinkelsteiner/";
    chart(f);
    ASSERT_EQ(run->ctx.pageLog.storedPageCount(), 1);
    EXPECT_EQ(pageMode(), 3);
    EXPECT_TRUE(find("Adalbert Maximilian Friedrich Ferdinand Leopold Hieronymus Bonifatius Tamblewinkelsteiner"));
}

TEST_F(DscChart, TuningFileIsReadAtEachRunAndItsLimitsBindTheFourFormats) {
    tune("# = limits\nDSC1mk=2\n");
    chart(coupleWithChildren(3));
    EXPECT_TRUE(find("married: ")) << "three rows are too many for format 1 now";

    // No format takes a row: the compact form does, with the rows' type no larger
    // than its furniture holds.
    tune("DSC1mk=0\nDSC2mk=0\nDSC3mk=0\nDSC4mk=0\n");
    again();
    ASSERT_EQ(run->ctx.pageLog.storedPageCount(), 1);
    EXPECT_TRUE(run->host.messages.empty());
    EXPECT_TRUE(find("Child3 "));
    EXPECT_TRUE(hasCommand("FS,8"));
    EXPECT_EQ(pageMode(), 0);
    // The compact form's sizes are not kept for later runs.
    EXPECT_FLOAT_EQ(dscTuning(run->ctx).inter_column_space, 0.2F) << "as format 3 left it";
}

TEST_F(DscChart, ChildrenTooManyForTheSmallestTypeEndWithoutAPageSayingWhy) {
    chart(coupleWithChildren(300));
    EXPECT_EQ(run->ctx.pageLog.storedPageCount(), 0);
    const std::string why =
        ":\nthe rows of its 300 children would stand 0.03 in apart, too close for the smallest type (5 points).";
    ASSERT_EQ(run->host.messages.size(), 1u);
    EXPECT_EQ(run->host.messages[0].caption, "Problem!");
    EXPECT_EQ(run->host.messages[0].text, kProblem + why);
}

// Families that no format took, printed in a compact form on every paper: narrower
// margins, a lower banner and header row, rows as close as their type allows, names
// shortened where they would leave no room.
TEST_F(DscChart, FamiliesThatNoFormatTakesPrintInACompactForm) {
    WriterFamily twentyOne = coupleWithChildren(21);
    WriterFamily forty = coupleWithChildren(40);
    WriterFamily deepAndWide = coupleWithChildren(21);
    lineBelow(deepAndWide, 3, 30);
    // A husband's name of 180 characters, and a child's given names of 170.
    const auto words = [](size_t length) {
        std::string text;
        while (text.size() < length) text += text.empty() ? "Maximilian" : " Maximilian";
        return text.substr(0, length);
    };
    WriterFamily longNames = coupleWithChildren(2);
    longNames.person(1).name = words(157) + " /Tamblewinkelsteiner/";
    longNames.person(3).name = "Child" + words(165) + " /Tamble/";
    struct Case {
        const char* name;
        const WriterFamily& family;
        Paper paper;
        bool landscape;
        size_t rows;
    };
    const std::vector<Case> cases = {
        {"21 children on letter", twentyOne, Paper::Letter, false, 21},
        {"40 children on A5", forty, Paper::A5, false, 40},
        {"21 children on A5, 30 generations", deepAndWide, Paper::A5, true, 21},
        {"180 characters on letter", longNames, Paper::Letter, true, 2},
        {"180 characters on A5", longNames, Paper::A5, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        chart(c.family, {1}, c.paper);
        ASSERT_EQ(run->ctx.pageLog.storedPageCount(), 1);
        EXPECT_EQ(run->ctx.pageLog.page().landscape, c.landscape);
        size_t rows = 0;
        int32_t rowSize = 0;
        for (const std::string& command : commands()) {
            if (command.starts_with("FS,")) rowSize = std::stoi(command.substr(3));
            if (command.starts_with("TO,") && command.find(",Child") != std::string::npos) {
                ++rows;
                EXPECT_GE(rowSize, 5);
                EXPECT_LE(rowSize, 8);
            }
        }
        EXPECT_EQ(rows, c.rows);
        const auto findings = checkPageLog(run->ctx.pageLog);
        EXPECT_TRUE(findings.empty()) << describe(findings.front());
    }
    // The turned sheet shows the husband's name whole; the rows' names take at most
    // a share of the width.
    chart(longNames, {1}, Paper::Letter);
    EXPECT_TRUE(find(words(157) + " Tamblewinkelsteiner"));
    const std::vector<Placed> shortened = rowsStartingWith("ChildMaximilian");
    ASSERT_EQ(shortened.size(), 1u);
    EXPECT_TRUE(shortened[0].text.ends_with("...")) << shortened[0].text;
    // On A5 even the smallest banner shortens the name, in its middle.
    chart(longNames, {1}, Paper::A5);
    EXPECT_FALSE(find(words(157) + " Tamblewinkelsteiner"));
    bool middle = false;
    for (const Placed& t : texts) middle = middle || (t.text.starts_with("Maximilian") && t.text.ends_with("Tamblewinkelsteiner") && t.text.find("...") != std::string::npos);
    EXPECT_TRUE(middle);
}

TEST_F(DscChart, AbsurdTuningValuesEndTheChartWithFiniteNumbers) {
    const std::vector<std::string> files = {
        "boxcc=0\nboxheight=nan\ninter_column_space=-3\nright_margin=1e30\nleft_margin=-1e9\n",
        "DSC1mk=0\nboxcc=0\nDSC2childFont=-40\nDSC2fontRndShift=inf\nDSC4boxCc=-1\n",
        "DSC1mk=-5\nDSC2mk=0\nDSC4rightMargin=0\nDSC4bottomMargin=-1e300\ndlinew=1e308\nslinew=-0\n" +
            std::string(100000, '9'),
        "DSC1mk=0\nDSC2_childcnt_proportion=-1\nbottom_margin=2.4\nDSC3childFont=2000000000\n",
    };
    WriterFamily f = cousinsMarry();
    for (int i = 0; i < 14; ++i) addChild(f, 1, "Child /Tamble/");
    for (const std::string& text : files) {
        SCOPED_TRACE(text.substr(0, 80));
        tune(text);
        chart(f);
        if (run->ctx.pageLog.storedPageCount() == 0) {
            ASSERT_FALSE(run->host.messages.empty());
            EXPECT_EQ(run->host.messages.back().caption, "Problem!");
            continue;
        }
        for (const std::string& command : commands()) {
            EXPECT_EQ(command.find("nan"), std::string::npos) << command;
            EXPECT_EQ(command.find("inf"), std::string::npos) << command;
        }
    }
}

TEST_F(DscChart, AFamilyThatLoopsStopsAfter299Generations) {
    // Anton is recorded as a child of his own marriage.
    WriterFamily f = coupleWithChildren(0);
    const int32_t a = addChild(f, 1, "Anton /Tamble/");
    f.marriage(marryOutside(f, a)).children.push_back(a);
    chart(f);
    const std::vector<int>& progress = run->host.progress;
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(*std::max_element(progress.begin(), progress.end()), 299);
    EXPECT_EQ(progress.back(), -1);
    ASSERT_EQ(run->ctx.pageLog.storedPageCount(), 1);
    EXPECT_EQ(pageMode(), 3);
    EXPECT_TRUE(find("*repeat descendants involved"));
    // Below the first depth Anton is met again and again: no one new, so the header
    // row ends after "g'ch" although the row has deeper cells.
    EXPECT_TRUE(find("g'ch"));
    EXPECT_FALSE(find("G g'ch"));
    EXPECT_TRUE(find(" 1  G g'ch*"));
    EXPECT_EQ(totals(13.25, 7.75), std::make_pair(std::string("2"), std::string("6")));
    EXPECT_TRUE(find("Only the first 299 generations below the couple are counted: the chart counts no further. Only "
                     "the first 16 of 300 generations fit across the page; the totals count them all."));
}

TEST_F(DscChart, ALoopThatBranchesStopsAtTheEntryLimit) {
    // Both children of Anton's marriage are Anton: the walk doubles each generation.
    WriterFamily f = coupleWithChildren(0);
    const int32_t a = addChild(f, 1, "Anton /Tamble/");
    const int32_t m = marryOutside(f, a);
    f.marriage(m).children = {a, a};
    run = openRun(f);
    run->ctx.listEntryLimit = 1000;
    again();
    ASSERT_FALSE(run->host.messages.empty());
    EXPECT_EQ(run->host.messages[0].caption, "Note");
    EXPECT_EQ(run->host.messages[0].text,
              "The chart counts the first 9 generations:\nthe next generation would take the count past 1000 entries.");
    EXPECT_EQ(run->ctx.pageLog.storedPageCount(), 1);
    EXPECT_TRUE(find("Only the first 9 generations below the couple are counted: the next would take the count past "
                     "1000 people."));
}

// A child recorded by a surname alone, or with no name, is named in its row; a
// couple with one partner recorded shows that one alone, without "and".
TEST_F(DscChart, EveryChildNamedAndCouplesWithOnePartnerWithoutAnd) {
    WriterFamily f = coupleWithChildren(3);
    f.person(3).name = "/Zaynab/";
    f.person(4).name = "";
    f.person(5).name = "  /  /";
    WriterFamily husbandOnly = f;
    husbandOnly.marriage(1).wife = 0;
    WriterFamily wifeOnly = f;
    wifeOnly.marriage(1).husband = 0;
    struct Case {
        const char* name;
        const WriterFamily& family;
        const char* tuning;
        std::vector<std::string> present, absent;
    };
    const std::vector<Case> cases = {
        {"both, stacked", f, "", {"Zaynab", "(no name)", "and", "Adam", "Kessling"}, {""}},
        {"husband, stacked", husbandOnly, "", {"Adam", "Tamble"}, {"and", "Berta", ""}},
        {"wife, stacked", wifeOnly, "", {"Berta", "Kessling"}, {"and", "Adam", ""}},
        {"husband, banner", husbandOnly, "DSC1mk=0\n", {"Adam Tamble", "born: ", "married: "}, {"and", ""}},
        {"wife, banner", wifeOnly, "DSC1mk=0\n", {"Berta Kessling", "born: "}, {"and", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tune(c.tuning);
        chart(c.family);
        ASSERT_EQ(run->ctx.pageLog.storedPageCount(), 1);
        for (const std::string& text : c.present) EXPECT_TRUE(find(text)) << text;
        for (const std::string& text : c.absent) EXPECT_FALSE(find(text)) << '"' << text << '"';
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const Placed& t) { return t.text == "(no name)"; }), 2);
        if (std::string(c.tuning).empty()) continue;
        // One partner, one birth.
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const Placed& t) { return t.text == "born: "; }), 1);
    }
}

// In the banner forms the children's header box reaches from the left margin to the
// rows' right side: its word and count stand in its middle.
TEST_F(DscChart, TheChildrenHeaderIsCentredInItsBox) {
    WriterFamily f = coupleWithChildren(0);
    addChild(f, 1, "Al /Tamble/");
    lineBelow(f, 3, 8);
    chart(f);
    ASSERT_EQ(pageMode(), 1);
    const double headerTop = 7.75 - 1.2;
    double right = 0;
    const auto all = commands();
    char start[32];
    std::snprintf(start, sizeof start, "M,0.75,%.4f", headerTop);
    const auto box = std::find(all.begin(), all.end(), start);
    ASSERT_NE(box, all.end());
    right = std::stod(box[1].substr(2));
    const auto word = find("child");
    ASSERT_TRUE(word);
    EXPECT_NEAR(word->x, (0.75 + right) / 2, 1e-4);
    EXPECT_NEAR(find("1")->x, word->x, 1e-4);
}

TEST_F(DscChart, RunsFromTheCommandLine) {
    const std::string paf = dir.file("family.paf");
    ASSERT_TRUE(writePafFile(cousinsMarry(), paf));
    const CommandResult log = runTamblewin({"report", "descendant-summary-chart", "--paf", paf, "--start", "1",
                                            "--date", "2026-12-07", "--format", "log", "-o", "-"});
    ASSERT_EQ(log.status, 0) << log.err;
    EXPECT_NE(log.out.find("TOC,4.5,1.15,DESCENDANTS SUMMARY CHART"), std::string::npos) << log.out;
    EXPECT_NE(log.out.find("family totals (parents, descendants, and all spouses):"), std::string::npos);

    const std::string crowded = dir.file("crowded.paf");
    ASSERT_TRUE(writePafFile(coupleWithChildren(300), crowded));
    const CommandResult none = runTamblewin(
        {"report", "descendant-summary-chart", "--paf", crowded, "--format", "log", "-o", dir.file("none.log")});
    EXPECT_NE(none.status, 0);
    EXPECT_NE(none.err.find("Problem!: This information could not"), std::string::npos) << none.err;
    EXPECT_NE(none.err.find("the rows of its 300 children would stand"), std::string::npos) << none.err;
    EXPECT_NE(none.err.find("the report produced no page"), std::string::npos) << none.err;
}

#if TAMBLEWIN_HAS_FILE_OUTPUT
TEST_F(DscChart, PdfPageTakesThePaperOfTheFormatThatFitted) {
    WriterFamily f = coupleWithChildren(0);
    lineBelow(f, addChild(f, 1, "Anton /Tamble/"), 25);
    const std::string paf = dir.file("long.paf");
    ASSERT_TRUE(writePafFile(f, paf));
    const std::string pdf = dir.file("chart.pdf");
    const CommandResult r = runTamblewin({"report", "descendant-summary-chart", "--paf", paf, "-o", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    std::ifstream in(pdf, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(bytes.find("/MediaBox[0 0 1008 612]"), std::string::npos) << "legal landscape";
    if (pdfToolsInstalled()) { EXPECT_EQ(pdfProblems(pdf), ""); }
}
#endif

}  // namespace
}  // namespace tw::test
