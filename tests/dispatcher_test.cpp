// The start field and the dispatch of the chosen report.

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

#include "support/paf_fixture.h"
#include "wizard/dispatcher.h"

namespace tw::test {
namespace {

TEST(StartNumber, ConvertsLikeTheStartFieldWithoutOverflow) {
    EXPECT_EQ(parseStartNumber("23"), 23);
    EXPECT_EQ(parseStartNumber("  23abc"), 23);
    EXPECT_EQ(parseStartNumber("-5"), -5);
    EXPECT_EQ(parseStartNumber("+7"), 7);
    EXPECT_EQ(parseStartNumber("abc"), 0);
    EXPECT_EQ(parseStartNumber(""), 0);
    EXPECT_EQ(parseStartNumber("12345678901234567890"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(parseStartNumber("-99999999999"), std::numeric_limits<int32_t>::min());
}

// 30 couples: MRINs 1..30.
std::unique_ptr<OpenedFamily> thirtyCouples() {
    WriterFamily family;
    for (int i = 0; i < 30; ++i) {
        WriterMarriage m;
        m.husband = family.addPerson(person("H" + std::to_string(i) + " /A/"));
        m.wife = family.addPerson(person("W" + std::to_string(i) + " /B/", 'F'));
        family.addMarriage(m);
    }
    return openFamily(family);
}

std::vector<int32_t> mrinsOf(const ReportInput& input) {
    std::vector<int32_t> out;
    for (int32_t i = 0; i < input.mrins.size(); ++i) out.push_back(input.mrins.fetch(i));
    return out;
}

TEST(StartField, CoupleReportsTakeEveryCommaSeparatedMrin) {
    auto opened = thirtyCouples();
    ASSERT_NE(opened, nullptr);
    RecordingHost& host = opened->host;
    AppContext ctx(host);
    ASSERT_EQ(ctx.file.openImage(opened->image), PafFile::kOpened);

    auto both = checkStartField(ctx, StartKind::Mrin, "23,24");
    ASSERT_TRUE(both);
    EXPECT_EQ(mrinsOf(*both), (std::vector<int32_t>{23, 24}));
    EXPECT_EQ(mrinsOf(*checkStartField(ctx, StartKind::Mrin, "23, 24")), (std::vector<int32_t>{23, 24}));
    EXPECT_EQ(mrinsOf(*checkStartField(ctx, StartKind::Mrin, "7")), (std::vector<int32_t>{7}));
    EXPECT_TRUE(host.messages.empty());

    EXPECT_FALSE(checkStartField(ctx, StartKind::Mrin, "23,99999"));
    EXPECT_EQ(host.messages, (std::vector<RecordedMessage>{{"This MRin is out of range\n(MRINs in this file run from 1 to 30)", "Error"}}));
}

TEST(StartField, IndividualReportsCheckOneRin) {
    auto opened = thirtyCouples();
    ASSERT_NE(opened, nullptr);
    AppContext ctx(opened->host);
    ASSERT_EQ(ctx.file.openImage(opened->image), PafFile::kOpened);
    EXPECT_EQ(checkStartField(ctx, StartKind::Rin, "60")->startRin, 60);
    EXPECT_FALSE(checkStartField(ctx, StartKind::Rin, "61"));
    EXPECT_FALSE(checkStartField(ctx, StartKind::Rin, "99999999999999"));
    EXPECT_EQ(opened->host.messages.size(), 2u);
}

// What the user typed is judged before the file is asked: a number below 1 is a
// typing mistake, and a couple given twice is walked once.
TEST(StartField, NumbersBelowOneAreRefusedAndRepeatedMrinsCountOnce) {
    auto opened = thirtyCouples();
    ASSERT_NE(opened, nullptr);
    RecordingHost& host = opened->host;
    AppContext ctx(host);
    ASSERT_EQ(ctx.file.openImage(opened->image), PafFile::kOpened);
    struct Case {
        StartKind kind;
        const char* field;
        std::vector<int32_t> mrins;  // empty: refused as below 1
    };
    const Case cases[] = {
        {StartKind::Rin, "0", {}},          {StartKind::Rin, "-3", {}},         {StartKind::Rin, "abc", {}},
        {StartKind::Mrin, "0", {}},         {StartKind::Mrin, "23,", {}},       {StartKind::Mrin, "23,-1", {}},
        {StartKind::Mrin, "1,1,1", {1}},    {StartKind::Mrin, "23, 24,23", {23, 24}},
    };
    for (const Case& c : cases) {
        host.messages.clear();
        const auto input = checkStartField(ctx, c.kind, c.field);
        if (c.mrins.empty()) {
            EXPECT_FALSE(input) << c.field;
            EXPECT_EQ(host.messages, (std::vector<RecordedMessage>{{std::string(startNumberBelowOne()), "Error"}}))
                << c.field;
        } else {
            ASSERT_TRUE(input) << c.field;
            EXPECT_EQ(mrinsOf(*input), c.mrins) << c.field;
            EXPECT_TRUE(host.messages.empty()) << c.field;
        }
    }
    std::string many = "1";
    for (int i = 0; i < 60000; ++i) many += ",1";
    EXPECT_EQ(mrinsOf(*checkStartField(ctx, StartKind::Mrin, many)), (std::vector<int32_t>{1}));
}

TEST(ReportKinds, TableNamesEveryReportOnce) {
    EXPECT_EQ(allReports().size(), 14u);
    std::set<int> orders;
    for (const ReportInfo& info : allReports()) {
        EXPECT_EQ(reportByCommandName(info.commandName), info.kind);
        EXPECT_EQ(&reportInfo(info.kind), &info);
        orders.insert(info.dispatchOrder);
    }
    EXPECT_EQ(orders.size(), 14u);
    EXPECT_FALSE(reportByCommandName("family-tree"));
    EXPECT_EQ(startKindFor(flagsFor(ReportKind::FamilyDateChart)), StartKind::Mrin);
    EXPECT_EQ(startKindFor(flagsFor(ReportKind::SurnameDistributionList)), StartKind::Rin);
    EXPECT_EQ(startKindFor(ReportFlags{}), StartKind::Rin);
}

// The translatable names the titles use are the table's captions, letter for letter
// in English, for every report.
TEST(ReportKinds, NamesInEnglishAreTheCaptionsWithoutTheirMark) {
    for (const ReportInfo& info : allReports()) {
        std::string caption(info.caption);
        std::erase(caption, '&');
        EXPECT_EQ(reportName(info.kind), caption);
    }
}

TEST(Dispatch, RejectedStartsAndUnbuiltReportsRunNothing) {
    auto opened = thirtyCouples();
    ASSERT_NE(opened, nullptr);
    AppContext ctx(opened->host);
    ASSERT_EQ(ctx.file.openImage(opened->image), PafFile::kOpened);
    EXPECT_EQ(dispatchReports(ctx, flagsFor(ReportKind::AncestorsListWithRepeats), "999"),
              DispatchOutcome::StartRejected);
    EXPECT_EQ(ctx.pageLog.storedPageCount(), 0);
    for (const ReportInfo& info : allReports()) {
        if (info.generator != nullptr) continue;
        opened->host.messages.clear();
        EXPECT_EQ(dispatchReports(ctx, flagsFor(info.kind), "1"), DispatchOutcome::NotAvailable);
        ASSERT_EQ(opened->host.messages.size(), 1u);
        EXPECT_EQ(opened->host.messages[0].text.find('&'), std::string::npos);
    }
    EXPECT_EQ(dispatchReports(ctx, ReportFlags{}, "1"), DispatchOutcome::Ran) << "no report chosen";
}

TEST(Dispatch, RunsTheChosenGeneratorAndClosesTheStartWindowWhenStopped) {
    auto opened = thirtyCouples();
    ASSERT_NE(opened, nullptr);
    AppContext ctx(opened->host);
    ASSERT_EQ(ctx.file.openImage(opened->image), PafFile::kOpened);
    EXPECT_EQ(dispatchReports(ctx, flagsFor(ReportKind::AncestorsListWithRepeats), "1"), DispatchOutcome::Ran);
    EXPECT_GE(ctx.pageLog.storedPageCount(), 1);
    opened->host.cancelAfterPolls = 0;
    EXPECT_EQ(dispatchReports(ctx, flagsFor(ReportKind::AncestorsListWithRepeats), "1"), DispatchOutcome::Stopped);
    EXPECT_EQ(opened->host.startWindowClosed, 1);
}

}  // namespace
}  // namespace tw::test
