#include "output/printing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "output/printer.h"
#include "support/fake_printer.h"
#include "support/recording_host.h"
#include "support/recording_surface.h"

namespace tw {
namespace {

using test::FakePrinter;
using test::RecordedMessage;
using test::RecordingHost;
using test::RecordingSurface;
using Lines = std::vector<std::string>;

// A page surface that also writes its text calls into the printer's list of calls,
// so that pages, text and the document's end are seen in order.
class EventSurface : public RecordingSurface {
public:
    explicit EventSurface(std::vector<std::string>& printerCalls) : events_(printerCalls) {}
    void text(DevicePoint p, std::string_view text) override {
        RecordingSurface::text(p, text);
        events_.push_back(calls.back());
    }

private:
    std::vector<std::string>& events_;
};

class PrinterHost : public RecordingHost {
public:
    Printer* current = nullptr;
    Printer* printer() override { return current; }
};

class PrintingTest : public testing::Test {
protected:
    void SetUp() override {
        printer.dpi = 300;
        printer.offsetX = 30;
        printer.offsetY = 40;
        printer.pageSurface = &surface;
        host.current = &printer;
        // Pages with one text each, "Page 1" at (1, 1) inch and so on.
        ASSERT_EQ(log.begin("TEST"), 0);
        for (int page = 1; page <= 25; ++page) {
            if (page > 1) log.newPage();
            log.text(1.0, 1.0, "Page " + std::to_string(page));
            log.commit();
        }
        log.end();
        printer.calls.clear();
    }

    PrinterHost host;
    FakePrinter printer;
    EventSurface surface{printer.calls};
    PageLog log{host};
};

TEST_F(PrintingTest, PrintsTheRangeWithANewPageBetweenPagesAndEndsTheJob) {
    ASSERT_TRUE(log.printing());
    EXPECT_TRUE(printPages(log, host, 1, 25));
    Lines expected;
    for (int page = 1; page <= 25; ++page) {
        if (page > 1) expected.push_back("newPage");
        // 1 inch at 300 pixels per inch, less the printable area's offsets.
        expected.push_back("text 270,260 Page " + std::to_string(page));
    }
    expected.push_back("end");
    EXPECT_EQ(printer.calls, expected);
    EXPECT_FALSE(log.printing());
    EXPECT_EQ(log.scaleOverride, 300);
    EXPECT_EQ(log.viewedPageNumber(), 25);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(PrintingTest, PrintsOnePageOfARange) {
    EXPECT_TRUE(printPages(log, host, 3, 3));
    EXPECT_EQ(printer.calls, (Lines{"text 270,260 Page 3", "end"}));
    EXPECT_EQ(log.currentText(), log.pagelogg(2));
}

TEST_F(PrintingTest, RefusesRangesOutsideThePages) {
    for (auto [first, last] : {std::pair{5, 2}, {0, 3}, {-1, 3}, {1, 26}, {0, 0}}) {
        SCOPED_TRACE(std::to_string(first) + " to " + std::to_string(last));
        host.messages.clear();
        EXPECT_FALSE(printPages(log, host, first, last));
        EXPECT_EQ(host.messages, (std::vector<RecordedMessage>{{"Invalid page range.", "Whoops!"}}));
    }
    // Nothing printed, and the job is still open for a better range.
    EXPECT_TRUE(printer.calls.empty());
    EXPECT_TRUE(log.printing());
}

TEST_F(PrintingTest, UnsavedChartMovesPrintTheEditedPage) {
    log.setCurrentText("\x02TO,2.,2.,Moved");
    EXPECT_TRUE(printPages(log, host, 2, 3, true));
    EXPECT_EQ(printer.calls, (Lines{"text 570,560 Moved", "newPage", "text 570,560 Moved", "end"}));
}

TEST_F(PrintingTest, StartsADocumentWhenNoJobIsOpen) {
    log.finishPrinting();
    printer.calls.clear();
    EXPECT_TRUE(printPages(log, host, 25, 25));
    EXPECT_EQ(printer.calls, (Lines{"portrait", "start Tamblewin", "text 270,260 Page 25", "end"}));

    // A landscape report printed again after its job was given up keeps its orientation.
    log.end();
    log.begin("TEST", {Paper::Letter, true, false});
    log.commit();
    log.end();
    log.finishPrinting();
    printer.calls.clear();
    EXPECT_TRUE(printPages(log, host, 1, 1));
    EXPECT_EQ(printer.calls.front(), "landscape");

    // Without a printer there is nothing to print on.
    host.current = nullptr;
    EXPECT_FALSE(printPages(log, host, 1, 1));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Whoops!");
}

// Counts the pages it is told of and asks to stop after a given number.
struct StoppingProgress : PrintProgress {
    int stopAfter = 0;
    std::vector<std::pair<int, int>> seen;
    bool pagePrinted(int printed, int total) override {
        seen.emplace_back(printed, total);
        return printed < stopAfter;
    }
};

TEST_F(PrintingTest, ProgressCountsThePagesAndAStopAbandonsTheJob) {
    struct Case {
        bool jobOpen;
        int stopAfter;
    };
    for (const Case c : {Case{true, 2}, Case{false, 2}, Case{true, 100}}) {
        SCOPED_TRACE(testing::Message() << "job open " << c.jobOpen << ", stop after " << c.stopAfter);
        if (!c.jobOpen) log.finishPrinting();
        printer.calls.clear();
        StoppingProgress progress;
        progress.stopAfter = c.stopAfter;
        const bool printed = printPages(log, host, 3, 6, false, &progress);
        EXPECT_FALSE(log.printing());
        if (c.stopAfter < 4) {
            EXPECT_FALSE(printed);
            EXPECT_EQ(progress.seen, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}}));
            EXPECT_EQ(printer.calls.back(), c.jobOpen ? "portrait" : "abort");
            EXPECT_EQ(std::count(printer.calls.begin(), printer.calls.end(), "end"), 0);
        } else {
            EXPECT_TRUE(printed);
            EXPECT_EQ(progress.seen.size(), 4u);
            EXPECT_EQ(printer.calls.back(), "end");
        }
        ASSERT_EQ(log.begin("TEST"), 0);
        for (int page = 1; page <= 25; ++page) {
            if (page > 1) log.newPage();
            log.text(1.0, 1.0, "Page " + std::to_string(page));
            log.commit();
        }
        log.end();
    }
}

}  // namespace
}  // namespace tw
