// The Research Status Chart: its columns' texts, how a band shares out its width,
// and whole charts read back from the page log.

#include <gtest/gtest.h>

#include "reports/rsl.h"
#include "support/pedigree.h"

namespace tw::test {
namespace {

using namespace pedigree;

std::vector<std::string> generate(ReportRun& run, int32_t startRin = 1) {
    ReportInput input;
    input.startRin = startRin;
    clearRunMessages(run.ctx);
    generateResearchStatusChart(run.ctx, input);
    EXPECT_EQ(run.ctx.pageLog.lastPageIndex(), 0);
    return run.pages()[0];
}

// The texts of every column drawn, top to bottom, one column after another: the
// centred texts below the heading come eleven to a column.
std::vector<std::vector<std::string>> columnsOf(const std::vector<std::string>& page) {
    std::vector<std::vector<std::string>> columns;
    size_t count = 0;
    for (const std::string& command : page) {
        const auto t = textCommand(command);
        if (!t || t->code != "TOC" || t->y < 1.45) continue;
        if (count++ % GenerationColumn::kTextCount == 0) columns.emplace_back();
        columns.back().push_back(t->text);
    }
    return columns;
}

TEST(ResearchStatusChart, StartWithoutParentsIsOneColumnAcrossTheFirstBand) {
    auto run = openRun(coupleWithChildren(0));  // Adam Tamble, born 1820
    EXPECT_EQ(generate(*run),
              (std::vector<std::string>{
                  "PW,0.0800", "FS,20", "FN,Times", "TOC,4.25,0.7,Research Status Chart", "FS,14",
                  "TOC,4.25,1.05,Adam Tamble", "FS,10", "TOR,7.5,1.25,7 December 2026",
                  "TO,1.,1.25,/home/ann/Tamble family.paf",
                  // The band's frame and the label column.
                  "PW,0.0400", "M,1.,1.4500", "L,7.5,1.4500", "L,7.5,4.2333", "L,1.,4.2333", "L,1.,1.4500", "PW,0.0100",
                  "M,2.25,1.4500", "L,2.25,4.2333", "TO,1.15,1.5335,GENERATION", "TO,1.15,1.9232,RELATIONSHIP",
                  "TO,1.15,2.1737,PEDIGREE", "TO,1.15,2.3128,POSITIONS", "TO,1.15,2.5633,ANCESTORS",
                  "TO,1.15,2.7025,IDENTIFIED", "TO,1.15,2.953,REPEATS", "TO,1.15,3.2313,TOTALS",
                  "TO,1.15,3.5097,PERCENT", "TO,1.15,3.6488,COMPLETED", "TO,1.15,3.8715,BIRTH YEARS",
                  "TO,1.15,4.0107,INVOLVED", "M,1.,1.7283", "L,7.5,1.7283", "M,1.,2.1458", "L,7.5,2.1458",
                  "M,1.,2.5077", "L,7.5,2.5077", "M,1.,2.8973", "L,7.5,2.8973", "M,1.,3.1478", "L,7.5,3.1478",
                  "M,1.,3.4540", "L,7.5,3.4540", "M,1.,3.8437", "L,7.5,3.8437",
                  // The one column takes the band's whole width.
                  "TOC,4.875,1.5335,1", "TOC,4.875,1.784,", "TOC,4.875,1.9232,self", "TOC,4.875,2.1737,",
                  "TOC,4.875,2.3128,1", "TOC,4.875,2.7025,1", "TOC,4.875,2.953,", "TOC,4.875,3.2313,1",
                  "TOC,4.875,3.6488,100", "TOC,4.875,3.8715,1820", "TOC,4.875,4.0107,1820", "M,7.5,1.4500",
                  "L,7.5,4.2333", "ED"}));
    EXPECT_EQ(run->host.progress, (std::vector<int>{1, -1}));
}

TEST(ResearchStatusChart, ColumnTextsNameTheRelationshipAndShowMillions) {
    RecordingHost host;
    PageLog log(host);
    log.begin("RSC");  // Times 10 at 600 pixels per inch
    struct Case {
        int generation;
        std::vector<std::string> texts;
    };
    const std::vector<Case> cases{
        {1, {"1", "", "self", "", "1", "1", "", "1", "100", "", ""}},
        {2, {"2", "", "par", "", "2", "1", "", "1", "50", "", ""}},
        {3, {"3", "", "g'par", "", "4", "1", "", "1", "25", "", ""}},
        {4, {"4", "G.", "g'par", "", "8", "1", "", "1", "13", "", ""}},
        {5, {"5", "2 G.", "g'par", "", "16", "1", "", "1", "6", "", ""}},
        {21, {"21", "18 G.", "g'par", "", "1048576", "1", "", "1", "0", "", ""}},
        {22, {"22", "19 G.", "g'par", "2.10", "M", "1", "", "1", "0", "", ""}},
        {23, {"23", "20 G.", "g'par", "4.19", "M", "1", "", "1", "0", "", ""}},
        {25, {"25", "22 G.", "g'par", "16.7", "M", "1", "", "1", "0", "", ""}},
        {28, {"28", "25 G.", "g'par", "134", "M", "1", "", "1", "0", "", ""}},
        {34, {"34", "31 G.", "g'par", "8589", "M", "1", "", "1", "0", "", ""}},
    };
    for (const Case& c : cases) {
        GenerationColumn column;
        column.generation = c.generation;
        column.filled = 1;
        fillGenerationColumn(log, column);
        EXPECT_EQ(std::vector<std::string>(column.texts.begin(), column.texts.end()), c.texts) << c.generation;
    }

    GenerationColumn collapsed;
    collapsed.generation = 6;
    collapsed.filled = 31;
    collapsed.repeats = 9;
    collapsed.years.include(1799);
    collapsed.years.include(1745);
    fillGenerationColumn(log, collapsed);
    EXPECT_EQ(std::vector<std::string>(collapsed.texts.begin(), collapsed.texts.end()),
              (std::vector<std::string>{"6", "3 G.", "g'par", "", "32", "22", "9", "31", "97", "1745", "1799"}));
    EXPECT_FLOAT_EQ(collapsed.width, float(log.textWidth("1745")) / 600);  // the years are widest
}

TEST(ResearchStatusChart, BandsTakeTwelveNarrowColumnsAndShareTheSpareWidth) {
    RecordingHost host;
    PageLog log(host);
    log.begin("RSC");
    std::vector<GenerationColumn> columns(20);
    for (size_t i = 0; i < columns.size(); ++i) {
        columns[i].generation = int(i) + 1;
        columns[i].width = 0.3f;
    }
    // The thirteenth column would end at 7.58: the band holds twelve, with gaps of
    // 0.11 + 0.33 / 12 = 0.1375, so that the last rule falls on the frame at 7.5.
    EXPECT_EQ(drawChartBand(log, columns, 0, 1), 13);
    std::vector<std::string> rules;
    for (const std::string& command : pageCommands(log.currentText()))
        if (command.starts_with("M,") && command.ends_with(",1.4500") && command != "M,1.,1.4500") rules.push_back(command);
    EXPECT_EQ(rules, (std::vector<std::string>{"M,2.25,1.4500", "M,2.6875,1.4500", "M,3.125,1.4500", "M,3.5625,1.4500",
                                               "M,4.,1.4500", "M,4.4375,1.4500", "M,4.875,1.4500", "M,5.3125,1.4500",
                                               "M,5.75,1.4500", "M,6.1875,1.4500", "M,6.625,1.4500",
                                               "M,7.0625,1.4500", "M,7.5,1.4500"}));

    // The second band, one pitch lower, takes the other eight; nothing is left for
    // the third.
    const size_t before = log.currentText().size();
    EXPECT_EQ(drawChartBand(log, columns, 1, 13), 21);
    EXPECT_NE(log.currentText().find("M,1.,4.3333"), std::string::npos);
    const size_t second = log.currentText().size();
    EXPECT_GT(second, before);
    EXPECT_EQ(drawChartBand(log, columns, 2, 21), 21);
    EXPECT_EQ(log.currentText().size(), second);
}

TEST(ResearchStatusChart, KeepsThirtyThreeGenerationsAndThoseCompleteBeforeAStop) {
    // 40 generations: the chart shows 33 and says that the rest are left out.
    auto run = openRun(lineOfFathers(40));
    auto page = generate(*run);
    auto columns = columnsOf(page);
    ASSERT_EQ(columns.size(), 33u);  // in the three bands
    EXPECT_EQ(columns[32][GenerationColumn::kGeneration], "33");
    EXPECT_EQ(std::count(page.begin(), page.end(), "PW,0.0400"), 3);
    EXPECT_EQ(run->host.progress.size(), 34u);
    EXPECT_EQ(page.end()[-2], "TO,1.,10.1,Generations 34 and later are not shown.");

    // Exactly 33: all shown, no note.
    run = openRun(lineOfFathers(33));
    page = generate(*run);
    EXPECT_EQ(columnsOf(page).size(), 33u);
    EXPECT_EQ(page.end()[-2].find("Generations"), std::string::npos);

    // Two polls a generation: its entry, then after the step. The stop comes while
    // generation 6 is examined; generations 1 to 5 are complete.
    run = openRun(lineOfFathers(40));
    run->host.cancelAfterPolls = 10;
    EXPECT_EQ(columnsOf(generate(*run)).size(), 5u);
}

}  // namespace
}  // namespace tw::test
