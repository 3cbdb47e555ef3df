// A person recorded as his own ancestor or descendant: every report, run as the
// start window runs it, cuts the loop where it closes with one corrupt-data message
// and stays a few pages long; pedigree collapse that is no loop prints in full,
// without a message.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "paf/records.h"
#include "support/paf_fixture.h"
#include "wizard/dispatcher.h"

namespace tw::test {
namespace {

// Adam (1) and Eva (2), married (MRIN 1), with a child Cain (3).
WriterFamily adamAndEva() {
    WriterFamily f;
    f.addPerson(person("Adam /Loop/", 'M'));
    f.addPerson(person("Eva /Loop/", 'F'));
    f.addPerson(person("Cain /Loop/", 'M'));
    WriterMarriage m;
    m.husband = 1;
    m.wife = 2;
    m.children = {3};
    f.addMarriage(m);
    return f;
}

WriterFamily manIsChildOfHisOwnMarriage() {
    WriterFamily f = adamAndEva();
    f.marriage(1).children = {1, 3};
    return f;
}

WriterFamily coupleAreTheirOwnChildren() {
    WriterFamily f = adamAndEva();
    f.marriage(1).children = {1, 2};
    return f;
}

// Cain marries Lilith (4); their son is Adam: Adam is his own grandfather.
WriterFamily manIsHisOwnGrandfather() {
    WriterFamily f = adamAndEva();
    f.addPerson(person("Lilith /Loop/", 'F'));
    WriterMarriage m;
    m.husband = 3;
    m.wife = 4;
    m.children = {1};
    f.addMarriage(m);
    return f;
}

// Cousins who married: Adam and Eva's children Cain (3) and Abel (4) marry Ada (5)
// and Zillah (6); their children Enoch (7) and Naamah (8) marry and have Seth (9).
WriterFamily cousinsWhoMarried() {
    WriterFamily f = adamAndEva();
    f.marriage(1).children = {3, 4};
    for (const auto& [name, sex] : {std::pair{"Abel /Loop/", 'M'}, {"Ada /Other/", 'F'}, {"Zillah /Other/", 'F'},
                                    {"Enoch /Loop/", 'M'}, {"Naamah /Loop/", 'F'}, {"Seth /Loop/", 'M'}})
        f.addPerson(person(name, sex));
    auto marry = [&](int32_t husband, int32_t wife, std::vector<int32_t> children) {
        WriterMarriage m;
        m.husband = husband;
        m.wife = wife;
        m.children = std::move(children);
        return f.addMarriage(m);
    };
    marry(3, 5, {7});  // MRIN 2
    marry(4, 6, {8});  // MRIN 3
    marry(7, 8, {9});  // MRIN 4
    return f;
}

int corruptMessages(const RecordingHost& host) {
    int n = 0;
    for (const RecordedMessage& m : host.messages) n += m.text == corruptDataMessage() ? 1 : 0;
    return n;
}

TEST(FamilyLoops, EveryReportCutsALoopOnceAndCollapseIsNoLoop) {
    struct Case {
        const char* shape;
        WriterFamily family;
        const char* rin;   // start of the individual reports
        const char* mrin;  // start of the couple reports
        bool loops;
    };
    const Case cases[] = {
        {"a man recorded as a child of his own marriage", manIsChildOfHisOwnMarriage(), "1", "1", true},
        {"a couple recorded as their own children", coupleAreTheirOwnChildren(), "1", "1", true},
        {"a man who is his own grandfather", manIsHisOwnGrandfather(), "3", "1", true},
        {"cousins who married", cousinsWhoMarried(), "9", "1", false},
    };
    for (const Case& c : cases) {
        for (const ReportInfo& info : allReports()) {
            if (info.generator == nullptr) continue;
            auto opened = openFamily(c.family);
            ASSERT_NE(opened, nullptr);
            AppContext ctx(opened->host);
            ASSERT_EQ(ctx.file.openImage(opened->image), PafFile::kOpened);
            const char* start = info.start == StartKind::Rin ? c.rin : c.mrin;
            SCOPED_TRACE(std::string(c.shape) + ", " + std::string(info.commandName));
            EXPECT_EQ(dispatchReports(ctx, flagsFor(info.kind), start), DispatchOutcome::Ran);
            EXPECT_GE(ctx.pageLog.storedPageCount(), 1);
            EXPECT_LE(ctx.pageLog.lastPageIndex() + 1, 3) << "the loop is cut, not walked to the entry limit";
            // These walk through every loop of the shapes here; others may pass by it.
            const bool meetsLoop = info.kind == ReportKind::DescendantsList ||
                                   info.kind == ReportKind::AncestorsListWithRepeats ||
                                   info.kind == ReportKind::ResearchStatusList;
            if (meetsLoop) {
                EXPECT_EQ(corruptMessages(opened->host), c.loops ? 1 : 0);
            } else {
                EXPECT_LE(corruptMessages(opened->host), c.loops ? 1 : 0);
            }
            EXPECT_EQ(opened->host.startWindowClosed, 0) << "a cut loop still gives the pages";
        }
    }
}

TEST(FamilyLoops, RingsLongerThanTheWalksGoAreCutWithTheMessage) {
    for (const int n : {297, 298, 299, 300, 10000}) {
        auto opened = openFamily(ringOf(n));
        ASSERT_NE(opened, nullptr);
        for (const ReportInfo& info : allReports()) {
            if (info.generator == nullptr) continue;
            RecordingHost host;
            AppContext ctx(host);
            ASSERT_EQ(ctx.file.openImage(opened->image), PafFile::kOpened);
            SCOPED_TRACE("a ring of " + std::to_string(n) + ", " + std::string(info.commandName));
            EXPECT_EQ(dispatchReports(ctx, flagsFor(info.kind), "1"), DispatchOutcome::Ran);
            // Every report says it once, those whose walks stop short of the loop too.
            EXPECT_EQ(corruptMessages(host), 1);
            EXPECT_EQ(host.startWindowClosed, 0) << "a cut loop still gives the pages";
        }
    }
}

}  // namespace
}  // namespace tw::test
