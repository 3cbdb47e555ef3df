// The Research Status List read back from its page log, and the ancestor walk it
// shares with the Research Status Chart and the Repeat Ancestors List.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <set>

#include "paf/byte_order.h"
#include "reports/ancestor_generation.h"
#include "reports/rsl.h"
#include "support/pedigree.h"

namespace tw::test {
namespace {

using namespace pedigree;

bool near(double a, double b) { return std::fabs(a - b) < 1e-6; }

// One line of the list: the texts of its columns joined by "|", with the page.
struct Line {
    int page = 0;
    double y = 0;
    std::string text;
};

std::vector<Line> generate(ReportRun& run, int32_t startRin = 1) {
    ReportInput input;
    input.startRin = startRin;
    clearRunMessages(run.ctx);
    generateResearchStatusList(run.ctx, input);
    const std::vector<double> columns{1.6, 1.65, 2.75, 3.5, 4.2, 5.0, 5.8, 6.67, 7.07};
    std::map<std::pair<int, long>, std::vector<std::string>> rows;
    const auto pages = run.pages();
    for (int p = 0; p < int(pages.size()); ++p) {
        for (const std::string& command : pages[size_t(p)]) {
            const auto t = textCommand(command);
            if (!t || t->y < 2.39 || t->y > 9.8) continue;  // headings, page number
            auto& row = rows[{p, std::lround(t->y * 1000)}];
            row.resize(columns.size() - 1);
            for (size_t c = 0; c < columns.size(); ++c)
                if (near(t->x, columns[c])) row[c == 0 ? 0 : c - 1] = t->text;
        }
    }
    std::vector<Line> lines;
    for (const auto& [key, row] : rows) {
        Line line{key.first, double(key.second) / 1000, row[0]};
        for (size_t c = 1; c < row.size(); ++c) line.text += "|" + row[c];
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> texts(const std::vector<Line>& lines) {
    std::vector<std::string> result;
    for (const Line& line : lines) result.push_back(line.text);
    return result;
}

TEST(FormatPositionCount, WholeNumbersThenBillionsTrillionsAndExponents) {
    EXPECT_EQ(formatPositionCount(1), "     1");
    EXPECT_EQ(formatPositionCount(std::ldexp(1, 35)), "34359738368");
    EXPECT_EQ(formatPositionCount(34'400'000'000), "34400000000");
    EXPECT_EQ(formatPositionCount(std::ldexp(1, 36)), "68.719476 B");
    EXPECT_EQ(formatPositionCount(999'999'999'999), "1.0000000 T");  // rounds up into trillions
    EXPECT_EQ(formatPositionCount(std::ldexp(1, 40)), "1.0995116 T");
    EXPECT_EQ(formatPositionCount(std::ldexp(1, 66)), "73786976. T");
    // From 10^20 on the trillions would not fit nine characters.
    EXPECT_EQ(formatPositionCount(1e20), "1.00000e+20");
    EXPECT_EQ(formatPositionCount(std::ldexp(1, 299) - 1), "1.01852e+90");
    EXPECT_EQ(formatPositionCount(1e300), "1.00000e+300");
}

TEST(ResearchStatusList, StartWithoutParentsIsOneLineABlankLineAndTheTotals) {
    auto run = openRun(coupleWithChildren(0));  // Adam Tamble, born 1820
    generate(*run);
    ASSERT_EQ(run->ctx.pageLog.lastPageIndex(), 0);
    EXPECT_EQ(
        run->pages()[0],
        (std::vector<std::string>{
            "PW,0.0800", "FS,20", "FN,Times", "TO,3.1,0.7,Research Status List", "FS,14", "TOC,4.25,1.05,Adam Tamble",
            "FS,10", "TOR,7.25,1.25,7 December 2026", "TO,1.25,1.25,/home/ann/Tamble family.paf", "M,1.25,1.5000",
            "PW,0.0278", "L,7.25,1.5000", "L,7.25,2.2500", "L,1.25,2.2500", "M,1.25,1.5000", "L,1.25,9.7500",
            "L,7.25,9.7500", "L,7.25,1.5000", "TOC,4.25,9.85,Page 1", "TO,4.6,1.55,Pedigree", "TO,2.25,1.7,Pedigree",
            "TO,2.95,1.7,Ancestors", "TO,3.7,1.7,Ancestor", "TO,4.6,1.7,positions", "TO,5.5,1.7,Percent",
            "TO,6.4,1.7,  Birth Year", "TO,1.5,1.9,GEN", "TO,2.25,1.9,positions", "TO,2.95,1.9,Identified",
            "TO,3.7,1.9,Repeats", "TO,4.68,1.9,filled", "TO,5.55,1.9,filled", "TO,6.4,1.9,Low", "TO,6.8,1.9,High",
            "TO,1.65,2.4,1", "TOR,2.75,2.4,     1", "TOR,3.5,2.4,1", "TOR,4.2,2.4,0", "TOR,5.,2.4,1", "TOR,5.8,2.4,100",
            "TOR,6.67,2.4,1820", "TOR,7.07,2.4,1820", "TO,1.6,2.8,Totals", "TOR,2.75,2.8,     1", "TOR,3.5,2.8,1",
            "TOR,4.2,2.8,0", "TOR,5.,2.8,1", "TOR,5.8,2.8,100", "ED"}));
    EXPECT_EQ(run->host.progress, (std::vector<int>{1, -1}));
    EXPECT_TRUE(run->host.messages.empty());
}

TEST(ResearchStatusList, CousinsWhoMarriedCountTheirSharedAncestryInEveryLaterGeneration) {
    auto run = openRun(cousinsMarried());
    EXPECT_EQ(texts(generate(*run)), (std::vector<std::string>{
                                          "1|     1|1|0|1|100|1950|1950",
                                          "2|     2|2|0|2|100|1921|1923",
                                          "3|     4|4|0|4|100|1888|1895",
                                          "4|     8|3|2|5|63|1860|1866",  // Peter and Quinta twice
                                          "5|    16|3|2|5|31|1840|1840",  // Rolf and Toni twice; no year
                                          "6|    32|1|1|2|6||",           // Hans twice
                                          "Totals|    63|14|5|19|30||",
                                      }));
}

TEST(ResearchStatusList, GenerationThirtySevenOpensPageTwoAndPositionsGrowIntoTrillions) {
    auto run = openRun(lineOfFathers(41));
    const std::vector<Line> lines = generate(*run);
    ASSERT_EQ(lines.size(), 42u);
    ASSERT_EQ(run->ctx.pageLog.lastPageIndex(), 1);
    EXPECT_EQ(lines[35].page, 0);
    EXPECT_EQ(lines[35].text, "36|34359738368|1|0|1|0||");
    EXPECT_EQ(lines[36].page, 1);
    EXPECT_NEAR(lines[36].y, 2.4, 1e-9);
    EXPECT_EQ(lines[36].text, "37|68.719476 B|1|0|1|0||");
    EXPECT_EQ(lines[40].text, "41|1.0995116 T|1|0|1|0||");
    EXPECT_NEAR(lines[41].y, 3.6, 1e-9);  // after a blank line
    EXPECT_EQ(lines[41].text, "Totals|2.1990233 T|41|0|41|0||");
    const auto pages = run->pages();
    EXPECT_NE(std::find(pages[1].begin(), pages[1].end(), "TOC,4.25,9.85,Page 2"), pages[1].end());
}

// A pedigree of small generations that marry among themselves: each person of
// generation k has parents among generation k+1 (or none recorded).
WriterFamily collapsedPedigree(int generations, int pool, unsigned seed) {
    std::mt19937 random(seed);
    WriterFamily f;
    std::vector<int32_t> current{f.addPerson(person("Start /Pool/", 'M', {1, 1, 2000}))};
    for (int k = 1; k < generations; ++k) {
        std::vector<int32_t> next;
        for (int i = 0; i < pool; ++i) {
            const int year = i % 5 == 0 ? 0 : 2000 - 25 * k - i % 7;
            next.push_back(f.addPerson(person("P" + std::to_string(k) + "." + std::to_string(i) + " /Pool/",
                                              i % 2 == 0 ? 'M' : 'F', year ? DateValue{1, 1, year} : DateValue{})));
        }
        std::vector<WriterMarriage> couples(size_t(pool / 2));
        for (size_t c = 0; c < couples.size(); ++c) {
            couples[c].husband = next[2 * c];
            couples[c].wife = c % 4 == 3 ? 0 : next[2 * c + 1];  // some mothers unknown
        }
        for (const int32_t child : current)
            if (random() % 8 != 0) couples[random() % couples.size()].children.push_back(child);
        for (WriterMarriage& m : couples) f.addMarriage(m);
        current = next;
    }
    return f;
}

TEST(AncestorWalk, FoldedCountsEqualAPositionByPositionWalk) {
    const WriterFamily family = collapsedPedigree(14, 12, 7);
    // The reference: every position of the pedigree, straight from the family.
    std::map<int32_t, std::pair<int32_t, int32_t>> parents;
    for (const WriterMarriage& m : family.marriages)
        for (const int32_t child : m.children) parents[child] = {m.husband, m.wife};

    auto folded = openRun(family);
    auto positions = openRun(family);
    positions->ctx.listEntryLimit = int64_t(1) << 40;
    AncestorWalk foldedWalk(folded->ctx, 1, false);
    AncestorWalk positionWalk(positions->ctx, 1, true);

    std::vector<int32_t> generation{1};
    std::set<int32_t> met;
    int64_t deepest = 0;
    for (int g = 1; g <= 15; ++g) {
        int64_t repeats = 0;
        std::vector<int32_t> repeated, next;
        for (const int32_t rin : generation) {
            if (!met.insert(rin).second) {
                ++repeats;
                repeated.push_back(rin);
            }
            const auto found = parents.find(rin);
            if (found == parents.end()) continue;
            if (found->second.first != 0) next.push_back(found->second.first);
            if (found->second.second != 0) next.push_back(found->second.second);
        }
        const GenerationCounts a = ancestorGenerationStep(foldedWalk);
        const GenerationCounts b = ancestorGenerationStep(positionWalk);
        EXPECT_EQ(a.filled, int64_t(generation.size())) << g;
        EXPECT_EQ(a.repeats, repeats) << g;
        EXPECT_EQ(b.filled, a.filled) << g;
        EXPECT_EQ(b.repeats, a.repeats) << g;
        EXPECT_EQ(positionWalk.repeats(), repeated) << g;
        EXPECT_EQ(std::pair(b.years.low, b.years.high), std::pair(a.years.low, a.years.high)) << g;
        deepest = std::max(deepest, int64_t(generation.size()));
        generation = next;
    }
    ASSERT_TRUE(generation.empty());
    EXPECT_GT(deepest, 400);  // the fixture does collapse: far more positions than people
    EXPECT_LT(foldedWalk.entriesExamined() * 10, positionWalk.entriesExamined());
}

TEST(ResearchStatusList, PedigreeLoopsEnd) {
    // Ouro is his own father: one position a generation, up to generation 299.
    WriterFamily self;
    self.addPerson(person("Ouro /Boros/"));
    addParents(self, 1, 0, {1});
    auto run = openRun(self);
    const std::vector<Line> lines = generate(*run);
    ASSERT_EQ(lines.size(), 301u);
    EXPECT_EQ(lines[1].text, "2|     2|0|1|1|50||");
    EXPECT_EQ(lines[298].text, "299|5.09259e+89|0|1|1|0||");
    EXPECT_EQ(lines[298].page, 8);  // 36 lines a page
    EXPECT_EQ(lines[299].text, "Totals|1.01852e+90|1|298|299|0||");
    // The walk goes on past the last generation listed: a note under the totals says so.
    EXPECT_EQ(lines[300].text, "The list stops after generation 299: no list goes further than 299 generations.|||||||");
    EXPECT_NEAR(lines[300].y - lines[299].y, 0.4, 1e-9);
    EXPECT_EQ(run->host.messages, (std::vector<RecordedMessage>{{"The list stops after generation 299:\nno list goes "
                                                                 "further than 299 generations.",
                                                                 "Note"}}));

    // Adam and Eva fill every position: 2^53 positions in generation 54, and the
    // walk stops before a generation of more.
    run = openRun(adamAndEva());
    const std::vector<Line> full = generate(*run);
    ASSERT_EQ(full.size(), 57u);
    EXPECT_EQ(full[53].text, "54|9007.1992 T|0|9007199254740992|9007199254740992|100|1800|1801");
    EXPECT_EQ(full[54].text, "Totals|18014.398 T|2|18014398509481981|18014398509481983|100||");
    EXPECT_EQ(full[55].text.substr(0, 37), "The list stops after generation 54: t");  // the note, over two lines
    EXPECT_EQ(full[56].page, full[55].page);
    EXPECT_EQ(run->host.messages,
              (std::vector<RecordedMessage>{
                  {"The list stops after generation 54:\nthe next generation would fill more than 9007199254740992 "
                   "positions.",
                   "Note"}}));
}

TEST(ResearchStatusList, DamagedRecordsGiveEachMessageOncePerRun) {
    // Ouro is his own father; his mother Mara is a deleted record, and in a second
    // file a RIN far beyond the file.
    WriterFamily f;
    f.addPerson(person("Ouro /Boros/"));
    WriterPerson mara = person("Mara /Boros/", 'F', {1, 1, 1700});
    mara.deleted = true;
    f.addPerson(mara);
    addParents(f, 1, 2, {1});
    auto good = openFamily(f);
    ASSERT_NE(good, nullptr);
    auto run = openRun(good->image);
    const RecordedMessage stops{"The list stops after generation 299:\nno list goes further than 299 generations.",
                                "Note"};
    std::vector<Line> lines = generate(*run);
    ASSERT_EQ(lines.size(), 301u);
    EXPECT_EQ(lines[2].text, "3|     4|0|2|2|50||");  // Mara counts, with no year and no parents
    EXPECT_EQ(run->host.messages, (std::vector<RecordedMessage>{{std::string(corruptDataMessage()), "Abort"}, stops}));
    EXPECT_EQ(run->host.startWindowClosed, 1);

    std::vector<uint8_t> bytes = good->image;
    const auto& table = paf::kMarriages;
    const int64_t at = good->ctx.file.recordAddress(table.pageType, 1, table.recordSize, table.recordsPerPage);
    writeInt32le(bytes, size_t(at + paf::marriage::kWife), 5000);
    run = openRun(bytes);
    lines = generate(*run);
    ASSERT_EQ(lines.size(), 301u);
    EXPECT_EQ(run->host.messages, (std::vector<RecordedMessage>{{std::string(corruptDataMessage()), "Abort"},
                                                                {"RinX access out of range", "kk"}, stops}));
    EXPECT_EQ(run->host.startWindowClosed, 2);
}

TEST(ResearchStatusList, CancelEndsWithTheTotalsOfThePrintedLines) {
    auto run = openRun(lineOfFathers(10));
    // Two polls a generation: one for its entry, one after the step.
    run->host.cancelAfterPolls = 6;
    EXPECT_EQ(texts(generate(*run)), (std::vector<std::string>{"1|     1|1|0|1|100||", "2|     2|1|0|1|50||",
                                                               "3|     4|1|0|1|25||", "Totals|     7|3|0|3|43||"}));
}

}  // namespace
}  // namespace tw::test
