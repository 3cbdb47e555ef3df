// The lists read as a genealogist reads them: the list reader of the page checker
// proved on hand-made pages, then every report run over families of the shapes that
// break lists (entries of many lines at every page position, people with a surname
// only, suffixes, one-partner couples, very large families, very long names, lines
// ninety generations deep) on every paper.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/ancestor_list.h"
#include "reports/descendants_list.h"
#include "reports/family_summary_list.h"
#include "reports/grouped_descendants_list.h"
#include "reports/list_page.h"
#include "reports/repeat_ancestors_list.h"
#include "reports/repeat_descendant_list.h"
#include "reports/rsl.h"
#include "run/app_context.h"
#include "support/list_checker.h"
#include "support/page_lines.h"
#include "support/pedigree.h"
#include "support/stress_families.h"

namespace tw::test {
namespace {

// A Descendants List page on letter: its title, frame foot, headings and body.
std::string descendantsPage(std::initializer_list<std::string_view> body, std::string_view title = "Ann Ray and Bob Ray") {
    std::string text = page({"FN,Times", "TOC,4.25,0.9,Descendants of"});
    text += page({"TOC,4.25,1.1," + std::string(title)});
    text += page({"M,1.,9.8", "L,7.5,9.8", "TO,1.55,1.75,NAME", "TOC,4.975,1.75,LINE", "TO,1.1,1.75,GEN",
                  "TOC,4.25,10.05,Page 1"});
    text += page(body);
    return text + page({"ED"});
}

std::string repeatDescendantsPage(std::initializer_list<std::string_view> body) {
    return page({"TOC,4.25,0.9,Descendants of", "TOC,4.25,1.1,Ann Ray and Bob Ray", "TOC,4.25,1.4,Repeat Descendants",
                 "M,1.,9.8", "L,7.5,9.8", "TOC,1.25,2.1,GEN", "TO,1.5,2.1,RELATION", "TOR,3.,2.1,RIN",
                 "TO,3.3,2.1,NAME"}) +
           page(body) + page({"ED"});
}

std::string ancestorsPage(std::initializer_list<std::string_view> body) {
    return page({"TOC,4.25,0.7,Ancestor List (with repeats)", "M,1.25,10.", "L,7.25,10.", "TO,1.5,1.7,GEN",
                 "TOC,2.6,1.7,Number", "TO,3.6,1.7,RIN", "TO,4.3,1.7,Name"}) +
           page(body) + page({"ED"});
}

std::string summaryPage(std::initializer_list<std::string_view> body) {
    return page({"TOC,4.25,1.,Descendants Summary List", "TOC,4.25,1.3,Ann Ray / Bob Ray", "M,.75,9.5", "L,7.75,9.5",
                 "TO,.9,2.05,Child and Spouse(s)", "TOC,3.575,2.05,ch"}) +
           page(body) + page({"ED"});
}

struct ListCase {
    const char* name;
    std::vector<std::string> pages;
    std::vector<std::string> problems;  // the start of each finding's problem, in order
};

TEST(ListChecker, FindsEachKindOfFault) {
    ListExpectations named;
    named.everyoneNamed = true;
    named.couple = {{"Ann Ray", "Bob Ray"}};
    const std::vector<ListCase> cases = {
        {"whole entries, a generation going on",
         {descendantsPage({"TOC,1.25,2.0818,2", "TOR,4.65,2.0818,1850", "TOC,4.975,2.0818,1", "TO,1.55,2.0818,Cy Ray"}),
          descendantsPage({"TOC,1.25,2.0818,2", "TOC,1.25,2.2636,cont'd", "TOC,4.975,2.0818,2",
                           "TO,1.55,2.0818,Di Ray", "TO,1.55,2.2636,Smith"})},
         {}},
        {"the tail of a name heads a page",
         {descendantsPage({"TOC,1.25,2.0818,2", "TOC,4.975,2.0818,1", "TO,1.55,2.0818,Cy"}),
          descendantsPage({"TOC,1.25,2.0818,2", "TOC,1.25,2.2636,cont'd", "TO,1.55,2.0818,Ray",
                           "TOC,4.975,2.2636,2", "TO,1.55,2.2636,Di Ray"})},
         {"begins the page"}},
        {"a wrapped date's tail heads a page",
         {descendantsPage({"TOC,1.25,2.0818,2", "TOC,4.975,2.0818,1", "TO,1.55,2.0818,Cy Ray"}),
          descendantsPage({"TOR,4.65,2.0818,1851", "TOC,4.975,2.2636,2", "TO,1.55,2.2636,Di Ray"})},
         {"begins the page"}},
        {"cont'd under a generation that starts on the page",
         {descendantsPage({"TOC,1.25,2.0818,2", "TOC,4.975,2.0818,1", "TO,1.55,2.0818,Cy Ray"}),
          descendantsPage({"TOC,1.25,2.0818,3", "TOC,1.25,2.2636,cont'd", "TOC,4.975,2.0818,1",
                           "TO,1.55,2.0818,Di Ray"})},
         {"does not go on"}},
        {"cont'd after a generation label left alone at the foot",
         {descendantsPage({"TOC,1.25,2.0818,2", "TOC,4.975,2.0818,1", "TO,1.55,2.0818,Cy Ray", "TOC,1.25,2.4455,3"}),
          descendantsPage({"TOC,1.25,2.0818,3", "TOC,1.25,2.2636,cont'd", "TOC,4.975,2.0818,1",
                           "TO,1.55,2.0818,Di Ray"})},
         {"does not go on"}},
        {"cont'd on the first page",
         {descendantsPage({"TOC,1.25,2.0818,2", "TOC,1.25,2.2636,cont'd", "TOC,4.975,2.0818,1", "TO,1.55,2.0818,Cy"})},
         {"stands on the first page"}},
        {"a person with a name printed without it",
         {descendantsPage({"TOC,1.25,2.0818,2", "TOC,4.975,2.0818,1", "TO,1.55,2.0818,"})},
         {"is an entry with no name"}},
        {"separators with nothing between them",
         {descendantsPage({"TOC,4.975,2.0818,1", "TO,1.55,2.0818,Cy Ray", "TO,5.3,2.0818,born: , Genesis 1:27"})},
         {"has separators with nothing between them"}},
        {"a blank before a comma, two blanks between words",
         {descendantsPage({"TOC,4.975,2.0818,1", "TO,1.55,2.0818,Abu Talib , Caliph", "TO,5.3,2.0818,Adam  Ray"})},
         {"has a blank before a comma", "has two blanks between words"}},
        {"a title with a dangling and",
         {descendantsPage({"TOC,4.975,2.0818,1", "TO,1.55,2.0818,Cy Ray"}, "Gofraid of Lochlan and")},
         {"has an \"and\"", "does not name both partners"}},
        {"a title shortened across both partners",
         {descendantsPage({"TOC,4.975,2.0818,1", "TO,1.55,2.0818,Cy Ray"}, "An...ay")},
         {"does not name both partners"}},
        {"repeat descendants: an entry or a generation's heading begins a page",
         {repeatDescendantsPage({"TOC,1.25,2.325,3", "TO,1.5,2.325,grandchild", "TOR,3.,2.325,17",
                                 "TO,3.3,2.325,Cy Ray"}),
          repeatDescendantsPage({"TOR,3.,2.325,18", "TO,3.3,2.325,Di Ray"})},
         {}},
        {"repeat descendants: a name's tail begins a page",
         {repeatDescendantsPage({"TOC,1.25,2.325,3", "TOR,3.,2.325,17", "TO,3.3,2.325,Cy"}),
          repeatDescendantsPage({"TO,3.3,2.325,Ray", "TOR,3.,2.5068,18", "TO,3.3,2.5068,Di Ray"})},
         {"begins the page"}},
        {"ancestors: a name's tail begins a page",
         {ancestorsPage({"TO,1.5,2.,1", "TOC,2.6,2.,1", "TOC,3.7,2.,1", "TO,4.3,2.,Cy"}),
          ancestorsPage({"TO,4.3,2.,Ray", "TOC,2.6,2.1818,2", "TOC,3.7,2.1818,2", "TO,4.3,2.1818,Di Ray"})},
         {"begins the page"}},
        {"ancestors: cont'd under the generation of the page before",
         {ancestorsPage({"TO,1.5,2.,1", "TOC,2.6,2.,1", "TOC,3.7,2.,1", "TO,4.3,2.,Cy"}),
          ancestorsPage({"TO,1.5,2.,1", "TOC,1.5,2.2,cont'd", "TOC,2.6,2.,2", "TOC,3.7,2.,2", "TO,4.3,2.,Di Ray"})},
         {}},
        {"summary list: (cont'd) beside another child than the page before's",
         {summaryPage({"TOR,1.,2.3318,2.", "TO,1.05,2.3318,Cy Ray"}),
          summaryPage({"TOR,1.,2.3318,3.", "TO,1.1,2.3318,(cont'd)", "TOR,1.13,2.5136,-", "TO,1.15,2.5136,Di Ray"})},
         {"does not go on"}},
        {"summary list: a child without a name",
         {summaryPage({"TOR,1.,2.3318,2.", "TO,1.05,2.3318,"})},
         {"is an entry with no name"}},
    };
    for (const ListCase& c : cases) {
        const auto found = checkListPages(c.pages, named);
        bool asExpected = found.size() == c.problems.size();
        for (size_t i = 0; asExpected && i < found.size(); ++i) asExpected = found[i].problem.starts_with(c.problems[i]);
        std::string seen;
        for (const PageFinding& f : found) seen += "\n  " + describe(f);
        EXPECT_TRUE(asExpected) << c.name << seen;
    }
}

TEST(ListChecker, CoupleTitles) {
    struct TitleCase {
        const char* title;
        const char* husband;
        const char* wife;
        bool names;
    };
    const TitleCase cases[] = {
        {"Ann Ray and Bob Ray", "Ann Ray", "Bob Ray", true},
        {"Ann Ray", "Ann Ray", "", true},
        {"Bob Ray", "", "Bob Ray", true},
        {"", "", "", true},
        {"Ann Ray and", "Ann Ray", "", false},
        {" and Bob Ray", "", "Bob Ray", false},
        {"A...ay and Bob Ray", "Ann Ray", "Bob Ray", true},
        {"A...ay and B...ay", "Ann Ray", "Bob Ray", true},
        {"Ann R...ob Ray", "Ann Ray", "Bob Ray", false},
        {"Ann and Eve and Bob", "Ann and Eve", "Bob", true},
        {"Ann Ray and Cy Ray", "Ann Ray", "Bob Ray", false},
    };
    for (const TitleCase& c : cases)
        EXPECT_EQ(namesCouple(c.title, c.husband, c.wife, " and "), c.names) << '"' << c.title << '"';
}

}  // namespace
}  // namespace tw::test

namespace tw::test {
namespace {

// A name of the given number of words (a word is about a third of a list's name
// column), with a surname.
std::string nameOfWords(int words, int n, const std::string& surname = "Ashgrove") {
    static const char* const kWords[] = {"Ermengarde", "Wilhelmina", "Bartholomew", "Konstantin", "Theodora",
                                         "Friedrich", "Christabel", "Maximilian", "Gwenllian", "Aurelius"};
    std::string name;
    for (int w = 0; w < words; ++w) name += std::string(kWords[(n + w) % 10]) + " ";
    return name + "/" + surname + "/";
}

// Entries of one to seven lines: the word counts of the children's names in turn.
constexpr int kWordsByLines[] = {1, 5, 8, 11, 14, 17, 2};

WriterPerson bornIn(std::string name, char sex, int year) {
    WriterPerson p = person(std::move(name), sex);
    p.birth = makeDate({1 + year % 28, 1 + year % 12, year});
    return p;
}

// Couples whose children's names take one to seven lines, with a few one-line
// children first (none for MRIN 1, one for MRIN 2, ... five for MRIN 6), so that
// every length of entry meets the page foot at every position. Each child marries a
// spouse of a long name; their children, cousins, marry each other in pairs, so that
// the great-grandchildren are reached twice and the repeat lists have entries of
// every length too.
WriterFamily wrappedEntriesAtEveryPosition() {
    WriterFamily f;
    for (int pad = 0; pad < 6; ++pad) {
        WriterMarriage top;
        top.husband = f.addPerson(bornIn("Padding" + std::to_string(pad) + " /Ashgrove/", 'M', 1700));
        top.wife = f.addPerson(bornIn("Rosamund /Fenwright/", 'F', 1702));
        f.addMarriage(top);  // its children are added below
        const int32_t mrin = int32_t(f.marriages.size());
        for (int k = 0; k < pad; ++k)
            f.marriages[size_t(mrin - 1)].children.push_back(f.addPerson(bornIn("Jo /Ashgrove/", 'F', 1730 + k)));
        std::vector<int32_t> grandchildren;
        for (int c = 0; c < 28; ++c) {
            const int words = kWordsByLines[c % 7];
            const int32_t child = f.addPerson(bornIn(nameOfWords(words, c), 'M', 1740 + c));
            f.marriages[size_t(mrin - 1)].children.push_back(child);
            WriterMarriage m;
            m.husband = child;
            m.wife = f.addPerson(bornIn(nameOfWords(kWordsByLines[(c + 3) % 7], c + 1, "Verrall"), 'F', 1741 + c));
            for (int g = 0; g <= c % 2; ++g)
                m.children.push_back(
                    f.addPerson(bornIn(nameOfWords(kWordsByLines[(c + g) % 7], c + g, "Ashgrove"), g ? 'F' : 'M', 1770 + c)));
            grandchildren.insert(grandchildren.end(), m.children.begin(), m.children.end());
            f.addMarriage(m);
        }
        for (size_t g = 0; g + 1 < grandchildren.size(); g += 2) {
            WriterMarriage cousins;
            cousins.husband = grandchildren[g];
            cousins.wife = grandchildren[g + 1];
            f.person(cousins.husband).sex = 'M';
            f.person(cousins.wife).sex = 'F';
            cousins.children.push_back(
                f.addPerson(bornIn(nameOfWords(kWordsByLines[g % 7], int(g), "Quillfeather"), 'M', 1800 + int(g))));
            f.addMarriage(cousins);
        }
    }
    return f;
}

const std::string kLongName = nameOfWords(16, 3, "de la Tour d'Auvergne-Lauraguais");  // about 180 characters

// The names that lists have mangled, in one-partner and two-partner couples and in
// couples of 21 and 40 children.
WriterFamily namesOfEveryShape() {
    static const char* const kNames[] = {"/Zaynab/", "Zaynab", "/William Pitt Leleiohoku/ I", "Abu /Talib/, Caliph",
                                         "Adam //", "Gofraid of Lochlan", "Eve", "John /Smith/ Jr."};
    WriterFamily f;
    const auto child = [&](int n) {
        const std::string name = n % 9 == 8 ? kLongName : kNames[n % 8];
        return f.addPerson(bornIn(name, n % 2 ? 'F' : 'M', 1800 + n));
    };
    const struct {
        const char* husband;
        const char* wife;
        int children;
    } couples[] = {{"Gofraid of Lochlan", nullptr, 3}, {nullptr, "/Zaynab/", 3}, {"Adam //", "Eve", 21},
                   {"/William Pitt Leleiohoku/ I", "Abu /Talib/, Caliph", 40}, {"", "", 2}};
    int n = 0;
    for (const auto& c : couples) {
        WriterMarriage m;
        if (c.husband != nullptr) m.husband = f.addPerson(bornIn(c.husband, 'M', 1770));
        if (c.wife != nullptr) m.wife = f.addPerson(bornIn(c.wife, 'F', 1772));
        for (int k = 0; k < c.children; ++k) m.children.push_back(child(n++));
        f.addMarriage(m);
    }
    WriterMarriage longNames;
    longNames.husband = f.addPerson(bornIn(kLongName, 'M', 1770));
    longNames.wife = f.addPerson(bornIn(nameOfWords(15, 7, "Wolfeschlegelsteinhausenbergerdorff"), 'F', 1771));
    for (int k = 0; k < 5; ++k) longNames.children.push_back(child(n++));
    f.addMarriage(longNames);
    return f;
}

// A line ninety generations deep, every fifth person with a long name: RIN 1 is the
// last of the line; MRIN 1 is the couple at its top.
WriterFamily ninetyGenerationLine() {
    WriterFamily f;
    f.addPerson(bornIn("Last /Ashgrove/", 'M', 1990));
    std::vector<int32_t> line;
    for (int g = 0; g < 90; ++g)
        line.push_back(g == 89 ? 1 : f.addPerson(bornIn(nameOfWords(g % 5 == 0 ? 9 : 1, g), 'M', 100 + 20 * g)));
    for (int g = 0; g + 1 < 90; ++g) {
        WriterMarriage m;
        m.husband = line[size_t(g)];
        m.wife = f.addPerson(bornIn(nameOfWords(g % 3 == 0 ? 6 : 1, g + 4, "Verrall"), 'F', 102 + 20 * g));
        m.children.push_back(line[size_t(g + 1)]);
        f.addMarriage(m);
    }
    return f;
}

bool isList(const std::string& finding) { return finding.find("-chart,") == std::string::npos; }

// The findings of the lists (the charts are read by their own tests) from each start.
std::vector<std::string> listFindings(const WriterFamily& family, Paper paper,
                                      const std::vector<std::pair<int32_t, int32_t>>& starts) {
    const std::vector<uint8_t> image = buildPafImage(family).flatten();
    std::vector<std::string> findings;
    for (const auto& [rin, mrin] : starts)
        for (const std::string& found : findingsOfEveryReport(image, deepPath(), paper, rin, mrin))
            if (isList(found))
                findings.push_back("from RIN " + std::to_string(rin) + ", MRIN " + std::to_string(mrin) + ": " + found);
    return findings;
}

class CleanLists : public ::testing::TestWithParam<Paper> {};

TEST_P(CleanLists, EntriesOfOneToSevenLinesAtEveryPageFoot) {
    const WriterFamily family = wrappedEntriesAtEveryPosition();
    std::vector<std::pair<int32_t, int32_t>> starts;
    // From each couple at the top, and for the ancestor lists from great-grandchildren.
    for (int32_t mrin = 1; mrin <= int32_t(family.marriages.size()); ++mrin)
        if (family.people[size_t(family.marriages[size_t(mrin - 1)].husband - 1)].name.starts_with("Padding"))
            starts.push_back({int32_t(family.people.size()) - int32_t(starts.size()), mrin});
    const auto findings = listFindings(family, GetParam(), starts);
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << joined(findings);
}

TEST_P(CleanLists, NamesOfEveryShapeAndOnePartnerCouples) {
    const WriterFamily family = namesOfEveryShape();
    std::vector<std::pair<int32_t, int32_t>> starts;
    for (int32_t mrin = 1; mrin <= int32_t(family.marriages.size()); ++mrin) starts.push_back({mrin * 7, mrin});
    const auto findings = listFindings(family, GetParam(), starts);
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << joined(findings);
}

TEST_P(CleanLists, LineNinetyGenerationsDeep) {
    const auto findings = listFindings(ninetyGenerationLine(), GetParam(), {{1, 1}, {1, 45}});
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << joined(findings);
}

INSTANTIATE_TEST_SUITE_P(EveryPaper, CleanLists, ::testing::ValuesIn(kAllPapers),
                         [](const auto& info) { return std::string(paperTitle(info.param)); });

}  // namespace
}  // namespace tw::test

namespace tw::test {
namespace {

struct StopCase {
    const char* name;
    ReportGenerator generate;
    const WriterFamily* family;
    ReportInput input;
    int64_t entryLimit;
    std::string note;  // as the last page says it
};

ReportInput from(int32_t rin, int32_t mrin) {
    ReportInput input;
    input.startRin = rin;
    input.mrins.push(mrin);
    return input;
}

// Lists that stop before the family's end say so on their last page, where and why,
// besides the message.
TEST(ListStops, TheLastPageSaysWhereAndWhy) {
    // RIN 1 is the last of 302 generations; MRIN 301 is the couple at the top.
    const WriterFamily line = pedigree::lineOfFathers(302);
    const WriterFamily loop = pedigree::adamAndEva();  // parents and children of themselves
    const std::string deepest = "no list goes further than ";
    const std::vector<StopCase> cases = {
        {"descendants", generateDescendantsList, &line, from(1, 301), 1'000'000,
         "The list stops after generation 298: " + deepest + "298 generations."},
        {"grouped descendants", generateGroupedDescendantsList, &line, from(1, 301), 1'000'000,
         "The list stops after generation 298: " + deepest + "298 generations."},
        {"repeat descendants", generateRepeatDescendantList, &line, from(1, 301), 1'000'000,
         "The list stops after generation 298: " + deepest + "298 generations."},
        {"family summary", generateFamilySummaryList, &line, from(1, 301), 1'000'000,
         "The list stops after generation 298: " + deepest + "298 generations."},
        {"ancestors", generateAncestorListWithRepeats, &line, from(1, 1), 1'000'000,
         "The list stops after generation 299: " + deepest + "299 generations."},
        {"ancestors without repeats", generateAncestorListWithoutRepeats, &line, from(1, 1), 1'000'000,
         "The list stops after generation 299: " + deepest + "299 generations."},
        {"repeat ancestors", generateRepeatAncestorsList, &line, from(1, 1), 1'000'000,
         "The list stops after generation 299: " + deepest + "299 generations."},
        {"research status", generateResearchStatusList, &line, from(1, 1), 1'000'000,
         "The list stops after generation 299: " + deepest + "299 generations."},
        {"descendants at the entry limit", generateDescendantsList, &loop, from(1, 1), 1000,
         "The list stops after generation 9: the next generation would take it past 1000 entries."},
        {"ancestors at the entry limit", generateAncestorListWithRepeats, &loop, from(1, 1), 1024,
         "The list stops after generation 10: the next generation would take it past 1024 entries."},
        {"repeat ancestors at the entry limit", generateRepeatAncestorsList, &loop, from(1, 1), 256,
         "The list stops after generation 8: the next generation would take it past 256 entries."},
    };
    for (const StopCase& c : cases) {
        RecordingHost host;
        AppContext ctx(host);
        ASSERT_EQ(ctx.file.openImage(buildPafImage(*c.family).flatten()), PafFile::kOpened);
        ctx.listEntryLimit = c.entryLimit;
        c.generate(ctx, c.input);
        ASSERT_GT(ctx.pageLog.storedPageCount(), 0) << c.name;
        // The note's lines, wrapped to their column, read as one text.
        std::string lastPage;
        for (const std::string& command : pageCommands(ctx.pageLog.pagelogg(ctx.pageLog.storedPageCount() - 1)))
            if (const auto t = textCommand(command); t && t->code == "TO") lastPage += " " + t->text;
        EXPECT_NE(lastPage.find(c.note), std::string::npos) << c.name << ":" << lastPage;
        bool said = false;
        for (const RecordedMessage& m : host.messages) said = said || (onOneLine(m.text) == c.note && m.caption == "Note");
        EXPECT_TRUE(said) << c.name;
        EXPECT_TRUE(checkListPages(ctx.pageLog, {}).empty()) << c.name;
    }
}

}  // namespace
}  // namespace tw::test
