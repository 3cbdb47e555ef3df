// The lists read as a genealogist reads them: the list reader of the page checker
// proved on hand-made pages, then every report run over families of the shapes that
// break lists (entries of many lines at every page position, people with a surname
// only, suffixes, one-partner couples, very large families, very long names, lines
// ninety generations deep) on every paper.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/list_checker.h"
#include "support/page_lines.h"

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
