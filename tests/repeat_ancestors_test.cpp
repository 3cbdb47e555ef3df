// The Repeat Ancestors List read back from its page log, and the three ancestor
// reports run by the command line on the demo family.

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

#include "paf/dates.h"
#include "reports/repeat_ancestors_list.h"
#include "support/page_lines.h"
#include "support/pedigree.h"

namespace tw::test {
namespace {

using namespace pedigree;

std::vector<std::vector<std::string>> generate(ReportRun& run, int32_t startRin = 1) {
    ReportInput input;
    input.startRin = startRin;
    clearRunMessages(run.ctx);
    generateRepeatAncestorsList(run.ctx, input);
    return run.pages();
}

const std::vector<std::string> kHeader{
    "PW,0.0800",     "FS,20",         "FN,Times",       "TOC,4.25,0.7,Repeat Ancestor List",
    "FS,14",         "TOC,4.25,1.05,Sam Tamble",        "FS,10",
    "TOR,7.25,1.25,7 December 2026",  "TO,1.25,1.25,/home/ann/Tamble family.paf",
    "M,1.25,1.5000", "PW,0.0278",     "L,7.25,1.5000",  "L,7.25,1.7500",
    "L,1.25,1.7500", "M,1.25,1.5000", "L,1.25,10.0000", "L,7.25,10.0000",
    "L,7.25,1.5000", "TOC,4.25,10.2,1", "TO,1.5,1.55,GEN", "TO,2.,1.55,RIN",
    "TO,2.75,1.55,Name", "TO,6.6,1.55,Birth Year"};

TEST(RepeatAncestorsList, CousinsWhoMarriedListTheSharedAncestryAtEverySecondAppearance) {
    auto run = openRun(cousinsMarried());
    const auto pages = generate(*run);
    ASSERT_EQ(pages.size(), 1u);
    std::vector<std::string> expected = kHeader;
    for (const char* command :
         {"TO,1.65,1.8,1", "TO,1.65,2.,2", "TO,1.65,2.2,3",  // generations without repeats before the first
          "TO,1.65,2.4,4", "TO,2.,2.4,8", "TOC,6.9,2.4,1860", "TO,2.75,2.4,Peter Tamble", "TO,2.,2.6,9",
          "TOC,6.9,2.6,1862", "TO,2.75,2.6,Quinta Ober", "TO,1.65,3.,5", "TO,2.,3.,10", "TO,2.75,3.,Rolf Tamble",
          "TO,2.,3.2,11", "TO,2.75,3.2,Toni Esch", "TO,1.65,3.6,6", "TO,2.,3.6,14", "TO,2.75,3.6,Hans Tamble", "ED"})
        expected.push_back(command);
    EXPECT_EQ(pages[0], expected);  // generation 7, empty, is dropped
    EXPECT_EQ(run->host.progress, (std::vector<int>{1, 2, 3, 4, 5, 6, -1}));
}

TEST(RepeatAncestorsList, NothingRepeatedIsOnePageThatSaysSo) {
    // From a child without grandparents, and along 45 generations whose bare numbers
    // fill more than a page.
    const std::vector<std::pair<WriterFamily, int32_t>> starts = {{coupleWithChildren(2), 3}, {lineOfFathers(45), 1}};
    for (const auto& [family, start] : starts) {
        auto run = openRun(family);
        const auto pages = generate(*run, start);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages[0].end()[-2], "TO,2.,1.8,No ancestor appears more than once.");
        EXPECT_NE(std::find(pages[0].begin(), pages[0].end(), "TO,1.5,1.55,GEN"), pages[0].end());  // the heading
    }
}

TEST(RepeatAncestorsList, ARepeatedGenerationContinuesOnTheNextPageAndTheListStopsAtTheEntryLimit) {
    auto run = openRun(adamAndEva());
    run->ctx.listEntryLimit = 256;  // generations 1 to 8 hold 255 positions
    const auto pages = generate(*run);
    ASSERT_EQ(pages.size(), 7u);
    size_t repeats = 0;
    for (const auto& page : pages)
        for (const std::string& command : textsOf(page, 1.8)) {
            const auto text = textCommand(command);
            repeats += text && text->x == 2.0 && std::isdigit(static_cast<unsigned char>(text->text[0]));
        }
    EXPECT_EQ(repeats, 1u + 4 + 8 + 16 + 32 + 64 + 128);  // all but Adam's and Eva's first positions
    // The last page says where the list stops and why, a blank line under the last repeat.
    const std::vector<std::string> texts = textsOf(pages.back(), 1.8);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts.end()[-2], "TO,2.75,4.4,Eva Loop");
    EXPECT_EQ(texts.end()[-1], "TO,2.,4.8,The list stops after generation 8: the next generation would take it past "
                               "256 entries.");
    // Generation 6 starts at 8.6: seven of its 32 repeats fit on the first page.
    const std::vector<std::string> second(pages[1].begin() + std::ssize(kHeader), pages[1].begin() + std::ssize(kHeader) + 5);
    EXPECT_EQ(second, (std::vector<std::string>{"TO,1.65,1.8,6", "TOC,1.65,2.,Cont'd", "TO,2.,1.8,2",
                                                "TOC,6.9,1.8,1801", "TO,2.75,1.8,Eva Loop"}));
    EXPECT_EQ(run->host.messages,
              (std::vector<RecordedMessage>{
                  {"The list stops after generation 8:\nthe next generation would take it past 256 entries.", "Note"}}));
}

TEST(RepeatAncestorsList, DoubleDatedYearsShowTheirDateText) {
    // Sam's parents are brother and sister; their father's birth and their mother's
    // christening are dates kept as text.
    WriterFamily f;
    for (const char* name : {"Sam /Sib/", "Frank /Sib/", "Mary /Sib/", "Old /Sib/", "Olga /Sib/"})
        f.addPerson(person(name));
    f.person(4).birth = WriterDate::asText("Abt 4444");
    f.person(5).christening = WriterDate::asText("Bfr 4444");
    addParents(f, 2, 3, {1});
    addParents(f, 4, 5, {2, 3});
    auto run = openRun(f);
    setTextDateYears(run->ctx, true);  // as after a Research Status List
    const auto pages = generate(*run);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<std::string> body = textsOf(pages[0], 1.8);
    EXPECT_EQ(std::vector<std::string>(body.end() - 6, body.end()),
              (std::vector<std::string>{"TO,2.,2.2,4", "TOC,6.9,2.2,4444", "TO,2.75,2.2,Old Sib", "TO,2.,2.4,5",
                                        "TOC,6.9,2.4,4444", "TO,2.75,2.4,Olga Sib"}));
    EXPECT_EQ(run->host.messages, (std::vector<RecordedMessage>{{"4444 but no / on x", "4"}, {"4444 but no / on x", "5"}}));
}

#ifdef TAMBLEWIN_DEMO_PAF
// The "*" marks of the Ancestors List with repeats, the entries of the Repeat
// Ancestors List and the repeats total of the Research Status List (its last TOR at
// 4.2) are one figure reached three ways; the chart runs too.
TEST(AncestorReports, AgreeOnTheRepeatsOfTheDemoFamily) {
    auto count = [](const std::string& kind, auto counts) {
        const CommandResult r =
            runTamblewin({"report", kind, "--paf", TAMBLEWIN_DEMO_PAF, "--start", "300", "--format", "log", "-o", "-"});
        EXPECT_EQ(r.status, 0) << kind << r.err;
        std::istringstream in(r.out);
        std::string last;
        for (std::string line; std::getline(in, line);) last = counts(line, last);
        return last;
    };
    size_t marks = 0, listed = 0;
    count("ancestors-list-with-repeats", [&](const std::string& line, const std::string&) {
        marks += line.starts_with("TOC,4.1,") && line.ends_with(",*");
        return std::string();
    });
    count("repeat-ancestors-list", [&](const std::string& line, const std::string&) {
        const auto t = textCommand(line);
        listed += t && t->code == "TO" && t->x == 2.0 && t->y > 1.6;
        return std::string();
    });
    const std::string total = count("research-status-list", [](const std::string& line, const std::string& last) {
        return line.starts_with("TOR,4.2,") ? textCommand(line)->text : last;
    });
    EXPECT_EQ(count("research-status-chart", [](const std::string& line, const std::string&) { return line; }), "ED");
    EXPECT_GT(marks, 10u);  // the demo family does collapse
    EXPECT_EQ(listed, marks);
    EXPECT_EQ(total, std::to_string(marks));
}
#endif

}  // namespace
}  // namespace tw::test
