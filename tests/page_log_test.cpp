// The page log: the exact bytes of every command, pages stored in blocks, the trim
// to the last commit, the paper check of the landscape modes, and measuring.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "output/page_log.h"
#include "support/fake_printer.h"
#include "support/recording_host.h"

namespace tw::test {
namespace {

class PrinterHost : public RecordingHost {
public:
    FakePrinter fakePrinter;
    Printer* printer() override { return &fakePrinter; }
};

struct PageLogTest : testing::Test {
    PrinterHost host;
    PageLog log{host};

    std::string written(auto write) {
        log.begin("T");
        write();
        return log.currentText();
    }
};

TEST_F(PageLogTest, CommandsAreFormattedAndCompactedByteForByte) {
    EXPECT_EQ(written([&] { log.text(1.65, 2.2, "Totals"); }), "\x02TO,1.65,2.2,Totals");
    EXPECT_EQ(written([&] { log.lineTo(1.5, 2.0); }), "\x02L,1.5,2.0000");
    EXPECT_EQ(written([&] { log.moveTo(1.0, 0.5); }), "\x02M,1.,0.5000");
    EXPECT_EQ(written([&] { log.ellipse(1, 2, 3, 4); }), "\x02" "DE,1.,2.,3.,4.000000");
    EXPECT_EQ(written([&] { log.rectangle(0.25, 10, 1, 0); }), "\x02" "DR,0.25,10.,1.,0.000000");
    EXPECT_EQ(written([&] { log.brushColor(0xFF0000); }), "\x02" "BC,ff0000");
    EXPECT_EQ(written([&] { log.penColor(0x882233); }), "\x02PC,882233");
    EXPECT_EQ(written([&] { log.penWidth(1.0 / 36); }), "\x02PW,0.0278");
    EXPECT_EQ(written([&] { log.fontSize(10); }), "\x02" "FS,10");
    EXPECT_EQ(written([&] { log.fontName("Times"); }), "\x02" "FN,Times");
    EXPECT_EQ(written([&] { log.polygonVertex(2, 3.5); log.polygonEnd(); }), "\x02PV,2.,3.500000\x02PG");
    EXPECT_EQ(written([&] { log.textCentered(4.25, 0.7, "Title 10,0"); }), "\x02TOC,4.25,0.7,Title 10,0");
    EXPECT_EQ(written([&] { log.textRight(7.25, 1.25, "7 December 2026"); }), "\x02TOR,7.25,1.25,7 December 2026");
    // Rotated text and arrows are not compacted.
    EXPECT_EQ(written([&] { log.textAngled(1.5, 2, "Up", "Arial", 12, 900); }),
              "\x02TOA,1.5000,2.0000,900,Arial,12,Up");
    EXPECT_EQ(written([&] { log.textAngledCentered(1, 1, "C", "Times", 8, -450); }),
              "\x02TOD,1.0000,1.0000,-450,Times,8,C");
    EXPECT_EQ(written([&] { log.arrow(1, 1, 3, 1, 0.02); }), "\x02" "AHL1.0000,1.0000,3.0000,1.0000,0.0200");
}

// The writers format numbers without printf; they must give printf's digits for
// every value, halfway cases and large and negative numbers included.
TEST_F(PageLogTest, NumbersAreWrittenAsPrintfWouldWriteThem) {
    auto reference = [](const char* fmt, double a, double b) {
        char buffer[800];
        std::snprintf(buffer, sizeof buffer, fmt, a, b);
        std::string text = buffer;
        for (size_t at; (at = text.find("0,")) != std::string::npos;) text.erase(at, 1);
        return text;
    };
    std::mt19937_64 random(7);
    std::vector<double> values = {0, -0.0, 0.00005, 0.00015, 1.23455, 2.5, 1e-7, -1e-7, 9.99995, 123456.789,
                                  -3.14159, 1e15, 1e300, 1.0 / 3};
    for (int i = 0; i < 2000; ++i) values.push_back(std::uniform_real_distribution<double>(-20, 20)(random));
    for (int i = 0; i < 200; ++i) values.push_back(double(random() % 200000) / 20000);  // many exact halves
    for (size_t i = 0; i + 1 < values.size(); ++i) {
        const double x = values[i], y = values[i + 1];
        log.begin("T");
        log.lineTo(x, y);
        log.polygonVertex(x, y);
        log.text(x, y, "t");
        EXPECT_EQ(log.currentText(), reference("\x02L,%6.4f,%6.4f", x, y) + reference("\x02PV,%f,%f", x, y) +
                                         reference("\x02TO,%6.4f,%6.4f,", x, y) + "t")
            << x << " " << y;
    }
}

// The text of a coordinate is kept for the next time the same value is written:
// the same value once before a comma (trimmed) and once last (padded), in either
// order, and many values sharing few slots, must each still give printf's digits.
TEST_F(PageLogTest, ARepeatedCoordinateIsWrittenAsItsFirstTime) {
    struct Case {
        double x, y;
        const char* expected;
    };
    const Case cases[] = {
        {2.0, 2.0, "\x02L,2.,2.0000"},         {1.5, 1.5, "\x02L,1.5,1.5000"},
        {0.0, -0.0, "\x02L,0.,-0.0000"},       {-0.0, 0.0, "\x02L,-0.,0.0000"},
        {10.25, 10.25, "\x02L,10.25,10.2500"}, {123456789012.5, 1, "\x02L,123456789012.5,1.0000"},
        {2.0, 2.0, "\x02L,2.,2.0000"},         {2.6, 2.0 + 0.2 + 0.2 + 0.2, "\x02L,2.6,2.6000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(written([&] { log.lineTo(c.x, c.y); }), c.expected) << c.x << " " << c.y;

    auto reference = [](double a, double b) {
        char buffer[100];
        std::snprintf(buffer, sizeof buffer, "\x02M,%6.4f,%6.4f", a, b);
        std::string text = buffer;
        for (size_t at; (at = text.find("0,")) != std::string::npos;) text.erase(at, 1);
        return text;
    };
    std::vector<double> values;
    for (int i = 0; i < 3000; ++i) values.push_back(0.01 * i - 5);
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i + 1 < values.size(); ++i) {
            const double x = values[pass == 0 ? i : values.size() - 1 - i], y = values[pass == 0 ? i + 1 : i];
            EXPECT_EQ(written([&] { log.moveTo(x, y); }), reference(x, y)) << x << " " << y;
        }
    }
}

TEST_F(PageLogTest, ATextCannotSmuggleInACommand) {
    EXPECT_EQ(written([&] { log.text(1, 1, std::string_view("a\x02L,9,9\0b", 9)); }), "\x02TO,1.,1.,a?L,9,9?b");
}

TEST_F(PageLogTest, PagesEndWithNpAndTheLastWithEd) {
    log.begin("T");
    for (int page = 0; page < 3; ++page) {
        log.text(1, 2, "page " + std::to_string(page));
        log.commit();
        if (page < 2) log.newPage();
    }
    EXPECT_EQ(log.end(), 1);
    EXPECT_EQ(log.lastPageIndex(), 2);
    EXPECT_EQ(log.pagelogg(0), "\x02TO,1.,2.,page 0\x02NP");
    EXPECT_EQ(log.pagelogg(1), "\x02TO,1.,2.,page 1\x02NP");
    EXPECT_EQ(log.pagelogg(2), "\x02TO,1.,2.,page 2\x02" "ED");
    EXPECT_FALSE(log.isOpen());
}

TEST_F(PageLogTest, EndDropsWhatFollowsTheLastCommitAlsoAcrossAPageBreak) {
    log.begin("T");
    log.text(1, 2, "kept");
    log.commit();
    log.text(1, 3, "dropped");
    log.newPage();
    log.text(1, 2, "also dropped");
    log.end();
    EXPECT_EQ(log.lastPageIndex(), 0);
    EXPECT_EQ(log.pagelogg(0), "\x02TO,1.,2.,kept\x02" "ED");

    log.begin("T");
    log.text(1, 2, "a");
    log.commit();
    log.text(1, 3, "cut");
    log.end();
    EXPECT_EQ(log.pagelogg(0), "\x02TO,1.,2.,a\x02" "ED");
}

TEST_F(PageLogTest, RollbackAndSnapshotCutTheCurrentText) {
    log.begin("T");
    log.text(1, 1, "a");
    log.commit();
    log.text(1, 2, "b");
    log.rollback();
    EXPECT_EQ(log.currentText(), "\x02TO,1.,1.,a");
    log.snapshot();
    log.lineTo(2, 2);
    log.restoreSnapshot();
    EXPECT_EQ(log.currentText(), "\x02TO,1.,1.,a");
}

TEST_F(PageLogTest, TwentyFivePagesAreStoredInThreeBlocks) {
    log.begin("T");
    for (int page = 0; page < 25; ++page) {
        log.text(1, 1, std::to_string(page + 1));
        log.commit();
        if (page < 24) log.newPage();
    }
    log.end();
    EXPECT_EQ(log.lastPageIndex(), 24);
    EXPECT_EQ(log.storedPageCount(), 25);
    EXPECT_EQ(log.pagelogg(24), "\x02TO,1.,1.,25\x02" "ED");
    EXPECT_EQ(log.pagelogg(9), "\x02TO,1.,1.,10\x02NP");
    EXPECT_EQ(log.pagelogg(10), "\x02TO,1.,1.,11\x02NP");
    EXPECT_EQ(log.pagelogg(29), "") << "a slot never written";
    log.pagelogs(3, "rewritten");
    EXPECT_EQ(log.pagelogg(3), "rewritten");
}

TEST_F(PageLogTest, StoredPageInternalErrorsAreFatalStops) {
    const auto first = fatalStopOf([&] { log.pagelogs(12, "x"); });
    log.begin("T");
    log.end();
    const auto read = fatalStopOf([&] { log.pagelogg(30); });
    const auto written = fatalStopOf([&] { log.pagelogs(35, "x"); });
    ASSERT_TRUE(first && read && written);
    EXPECT_EQ(first->caption + ": " + first->text, "Bad: pagelogs(13,..) on first call");
    EXPECT_EQ(first->status, 13);
    EXPECT_EQ(read->text, "in pagelogg() g went null");
    EXPECT_EQ(written->text, "in pagelogs() g went null");
    EXPECT_EQ(read->status, kExitInternalError);
}

TEST_F(PageLogTest, AnExactPaperIsCheckedAndRetriedAfterSetUp) {
    const PageRequest legal{Paper::Legal, true, true};
    host.fakePrinter.paperAfterSetup = Paper::Legal;
    EXPECT_EQ(log.begin("DSC", legal), 1);
    EXPECT_FALSE(log.printing());
    EXPECT_EQ(host.messages, (std::vector<RecordedMessage>{{"Please set printer to\nLegal size paper.", "Note"}}));
    EXPECT_EQ(host.fakePrinter.calls, (std::vector<std::string>{"landscape", "start DSC", "abort", "setup"}));
    EXPECT_EQ(log.begin("DSC", legal), 0);
    EXPECT_TRUE(log.printing());
    EXPECT_DOUBLE_EQ(log.pageWidth(), 14.0);
    EXPECT_DOUBLE_EQ(log.pageHeight(), 8.5);
    EXPECT_EQ(log.page().paper, Paper::Legal);

    // The check tells the papers apart by their size, not by whole inches: A4 turned
    // is not letter turned, and A3 is asked for by name.
    log.end();
    log.finishPrinting();
    host.messages.clear();
    host.fakePrinter.paper = Paper::A4;
    host.fakePrinter.paperAfterSetup = Paper::A3;
    EXPECT_EQ(log.begin("DSC", {Paper::A3, true, true}), 1);
    EXPECT_EQ(host.messages.back().text, "Please set printer to\nA3 size paper.");
    EXPECT_EQ(log.begin("DSC", {Paper::A3, true, true}), 0);
    EXPECT_NEAR(log.pageWidth(), 16.535, 0.001);
    EXPECT_NEAR(log.pageHeight(), 11.693, 0.001);
}

// A report that asks for the run's paper is laid out on whatever paper the printer
// holds, with no question.
TEST_F(PageLogTest, APrinterKeepsItsOwnPaperForTheRunsPaper) {
    host.fakePrinter.paper = Paper::A4;
    EXPECT_EQ(log.begin("FDC", {Paper::Letter, true, false}), 0);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(log.page().paper, Paper::A4);
    EXPECT_TRUE(log.page().landscape);
    EXPECT_NEAR(log.pageWidth(), 11.693, 0.001);
    EXPECT_NEAR(log.pageHeight(), 8.268, 0.001);
}

// However the previous report's job was left (its preview closed by the frame or by
// Esc), a new report lays out on the paper and orientation it sets up.
TEST_F(PageLogTest, ANewLogDropsTheOpenJobAndTakesItsOwnGeometry) {
    host.fakePrinter.paper = Paper::Legal;
    log.begin("DSC", {Paper::Legal, true, true});
    log.text(1, 1, "x");
    log.newPage();
    log.commit();
    log.end();
    host.fakePrinter.paper = Paper::Letter;
    host.fakePrinter.dpi = 300;
    EXPECT_EQ(log.begin("AL"), 0);
    EXPECT_TRUE(log.isOpen());
    EXPECT_TRUE(log.printing());
    EXPECT_EQ(log.lastPageIndex(), 0);
    EXPECT_EQ(log.devicePixelsPerInch(), 300);
    EXPECT_DOUBLE_EQ(log.pageWidth(), 8.5);
    EXPECT_DOUBLE_EQ(log.pageHeight(), 11.0);
    EXPECT_EQ(host.fakePrinter.calls,
              (std::vector<std::string>{"landscape", "start DSC", "abort", "portrait", "start AL"}));
}

TEST_F(PageLogTest, MeasuresInTheLastFontAtThePrintersResolution) {
    log.begin("T");
    log.fontName("Times");
    log.fontSize(10);
    const int32_t times10 = log.textWidth("Ancestors");
    EXPECT_GT(times10, 0);
    log.fontSize(20);
    EXPECT_NEAR(log.textWidth("Ancestors"), 2 * times10, 1);
    EXPECT_EQ(log.textWidth(""), 0);
    const double arial = log.textWidthInFont("Ancestors", "Arial", 20);
    EXPECT_NE(arial, log.textWidthFraction("Ancestors"));
    EXPECT_NEAR(log.textWidthFraction("Ancestors"), log.textWidth("Ancestors") / 5100.0, 1e-12);
    EXPECT_EQ(log.pixelsPerInch(), 600);
    // A scale left by the preview never changes what layout measures.
    log.scaleOverride = 96;
    EXPECT_EQ(log.replayPixelsPerInch(), 96);
    EXPECT_EQ(log.pixelsPerInch(), 600);
}

TEST_F(PageLogTest, AbandonPrintingReleasesThePrinterAndKeepsCommittedPages) {
    log.begin("T");
    log.text(1, 1, "page 1");
    log.newPage();
    log.text(1, 1, "page 2");
    log.commit();
    log.text(1, 2, "cut short");
    log.abandonPrinting();
    EXPECT_FALSE(log.printing());
    EXPECT_EQ(host.fakePrinter.calls.back(), "portrait");
    EXPECT_EQ(log.end(), 0);
    EXPECT_EQ(log.lastPageIndex(), 1);
    EXPECT_EQ(log.pagelogg(0), "\x02TO,1.,1.,page 1\x02NP");
    EXPECT_EQ(log.pagelogg(1), "\x02TO,1.,1.,page 2\x02" "ED");
}

}  // namespace
}  // namespace tw::test
