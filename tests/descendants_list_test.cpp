// The Descendants List read back from its page log.

#include <gtest/gtest.h>

#include "reports/descendants_list.h"
#include "reports/grouped_descendants_list.h"
#include "support/descendant_lists.h"

namespace tw::test {
namespace {

int32_t marry(WriterFamily& f, int32_t husband, int32_t wife, std::vector<int32_t> children) {
    WriterMarriage m;
    m.husband = husband;
    m.wife = wife;
    m.children = std::move(children);
    return f.addMarriage(m);
}

// Adam married Berta (MRIN 1) and then Clara (MRIN 2). Berta's son Carl and Clara's
// daughter Cora each have a child, Dirk and Dora, who married: their son Emil
// descends along lines 1 and 3. Bert (line 2) married Sina, who is no descendant.
WriterFamily twoMarriages() {
    WriterFamily f;
    f.addPerson(person("Adam /Tamble/", 'M', {1, 1, 1800}));   // 1
    f.addPerson(person("Berta /Kessling/", 'F', {1, 1, 1802}));  // 2
    f.addPerson(person("Clara /Voss/", 'F', {1, 1, 1810}));      // 3
    f.addPerson(person("Carl /Tamble/", 'M', {5, 6, 1830}));     // 4, line 1
    f.addPerson(person("Bert /Tamble/", 'M', {5, 6, 1825}));     // 5, line 2
    f.addPerson(person("Cora /Tamble/", 'F', {5, 6, 1828}));     // 6, line 3
    f.addPerson(person("Sina /Lorn/", 'F'));                     // 7
    f.addPerson(person("Gerd /Tamble/", 'M', {1, 2, 1850}));     // 8
    f.addPerson(person("Dirk /Tamble/", 'M', {1, 3, 1855}));     // 9
    f.addPerson(person("Dora /Ober/", 'F', {1, 4, 1856}));       // 10
    f.addPerson(person("Emil /Tamble/", 'M', {1, 1, 1880}));     // 11
    f.addPerson(person("Otto /Ober/", 'M'));                     // 12
    marry(f, 1, 2, {4, 5});
    marry(f, 1, 3, {6});
    marry(f, 5, 7, {8});
    marry(f, 4, 0, {9});
    marry(f, 12, 6, {10});
    marry(f, 9, 10, {11});
    return f;
}

constexpr double kBodyTop = 2.05, kBodyBottom = 9.9;

TEST(DescendantsList, GenerationsInBirthOrderWithChildLinesAndDescendantParents) {
    auto run = openRun(twoMarriages());
    generate(*run, generateDescendantsList, {1, 2});
    const std::vector<Placed> texts = placedTexts(run->ctx.pageLog);
    // Generation 2 numbers the child lines across both marriages and prints in birth
    // order; Gerd's parent is Bert, never Sina; Emil comes once along each line.
    EXPECT_EQ(lines(texts, kBodyTop, kBodyBottom),
              (std::vector<std::string>{"2|Bert Tamble|5 Jun 1825|2|",  // the label once, from the page's header
                                        "Cora Tamble|5 Jun 1828|3|", "Carl Tamble|5 Jun 1830|1|",
                                        "3|Gerd Tamble|1 Feb 1850|2|Bert Tamble",
                                        "Dirk Tamble|1 Mar 1855|1|Carl Tamble",
                                        "Dora Ober|1 Apr 1856|3|Cora Tamble",
                                        "4|Emil Tamble|1 Jan 1880|1|Dirk Tamble",
                                        "Emil Tamble|1 Jan 1880|3|Dora Ober"}));
    // The title names the first couple only.
    EXPECT_EQ(column(texts, 4.25, 1.0).front(), "Adam Tamble and Berta Kessling");
    EXPECT_EQ(run->ctx.pageLog.lastPageIndex(), 0);
    EXPECT_TRUE(run->host.messages.empty());
}

// Forty-five children: 42 lines fit a page (the last at y 9.536). Child 3 has a
// name that takes three lines, with a word wider than the column; child 44's name
// is longer than 128 bytes.
TEST(DescendantsList, PageBreaksRepeatTheLabelAndLongNamesPrintInFull) {
    WriterFamily f = coupleWithChildren(45);
    const std::string wide = "Wolfeschlegelsteinhausenbergerdorffvoralternwarengewissenhaftschaferswessen";
    f.person(5).name = "Anna Maria " + wide + " /Tamble/";
    std::string longName;
    for (int i = 0; i < 14; ++i) longName += "Friedrich ";
    f.person(46).name = longName + "/Tamble/";
    auto run = openRun(f);
    generate(*run, generateDescendantsList);
    const std::vector<Placed> texts = placedTexts(run->ctx.pageLog);
    ASSERT_EQ(run->ctx.pageLog.lastPageIndex(), 1);

    // Every piece of a name stands at x 1.55; together they give the whole name.
    std::string joined;
    for (const std::string& piece : column(texts, 1.55, kBodyTop)) joined += piece;
    EXPECT_NE(joined.find("Anna Maria " + wide + " Tamble"), std::string::npos);
    EXPECT_NE(joined.find(longName + "Tamble"), std::string::npos);
    for (const Placed& t : texts)
        if (near(t.x, 1.55) && t.y > kBodyTop) {
            run->ctx.pageLog.fontSize(12);
            EXPECT_LE(run->ctx.pageLog.textWidth(t.text), 600 * 2.1) << t.text;  // clear of the rule at 3.7
        }

    const std::vector<std::string> body = lines(texts, kBodyTop, kBodyBottom);
    // The cut keeps the space at the start of the next line's piece; the word too
    // wide for the column is split inside.
    EXPECT_EQ(body[2], "Anna Maria|1 Mar 1847|3");
    EXPECT_EQ(body[3].substr(0, 12), " " + wide.substr(0, 11));
    EXPECT_EQ(body[5], "haftschaferswessen Tamble|");  // the rests: name, and the empty parent text
    EXPECT_EQ(body[6], "Child4 Tamble|1 Apr 1848|4|");
    // Page 2 opens with the label, "cont'd" under it, beside the first entries.
    size_t page2 = 0;
    while (texts[page2].page == 0) ++page2;
    std::vector<std::string> second;
    for (size_t i = page2; i < texts.size(); ++i)
        if (near(texts[i].x, 1.25) && texts[i].y > kBodyTop) second.push_back(texts[i].text);
    EXPECT_EQ(second, (std::vector<std::string>{"2", "cont'd"}));
    const auto pageLabel = [](const Placed& t) { return t.text == "Page 2"; };
    EXPECT_NE(std::find_if(texts.begin(), texts.end(), pageLabel), texts.end());
}

// A date too wide for its column goes on over the next line.
TEST(DescendantsList, AWideDateWrapsInItsColumn) {
    WriterFamily f = coupleWithChildren(2);
    f.person(3).birth = makeDateRange({1, 1, 1730}, {31, 12, 1732}, 4, kQualEstimated);
    auto run = openRun(f);
    generate(*run, generateDescendantsList);
    const std::vector<Placed> texts = placedTexts(run->ctx.pageLog);
    std::vector<const Placed*> dates;
    for (const Placed& t : texts)
        if (near(t.x, 4.65)) dates.push_back(&t);
    // The second child sorts first (by the dates' texts); then the first one's lines.
    ASSERT_GE(dates.size(), 3u);
    EXPECT_EQ(dates[0]->text, "1 Feb 1846");
    std::string wrapped = dates[1]->text;
    for (size_t k = 2; k < dates.size(); ++k) wrapped += " " + dates[k]->text;
    EXPECT_EQ(wrapped, "Est 1 Jan 1730/31 Dec 1732");
    for (size_t k = 1; k < dates.size(); ++k) EXPECT_NEAR(dates[k]->y - dates[k - 1]->y, 2.0 / 11, 1e-4) << k;
}

TEST(DescendantsList, AChildlessCoupleGetsAPageThatSaysSo) {
    for (const ReportGenerator generator : {generateDescendantsList, generateGroupedDescendantsList}) {
        auto run = openRun(coupleWithChildren(0));
        generate(*run, generator);
        ASSERT_EQ(run->ctx.pageLog.lastPageIndex(), 0);
        const std::vector<std::string> names = column(placedTexts(run->ctx.pageLog), 1.55);
        ASSERT_EQ(names.size(), 2u);  // the heading, then the body's one line
        EXPECT_EQ(names[1], "No children are recorded.");
    }
}

TEST(DescendantsList, FamiliesThatLoopEnd) {
    // Ouro is his own son: one entry per generation, labels 2 to 298.
    WriterFamily self;
    self.addPerson(person("Ouro /Boros/"));
    marry(self, 1, 0, {1});
    auto run = openRun(self);
    generate(*run, generateDescendantsList);
    const std::vector<Placed> texts = placedTexts(run->ctx.pageLog);
    const std::vector<std::string> names = column(texts, 1.55, kBodyTop);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Ouro Boros"), 297);
    const std::vector<std::string> labels = column(texts, 1.25, kBodyTop);
    EXPECT_EQ(std::count(labels.begin(), labels.end(), "298"), 1);
    EXPECT_EQ(std::count(labels.begin(), labels.end(), "299"), 0);

    // Adam and Eva are children of their own marriage: every generation doubles
    // until the next would pass the entry limit.
    WriterFamily both;
    both.addPerson(person("Adam /Loop/", 'M'));
    both.addPerson(person("Eva /Loop/", 'F'));
    marry(both, 1, 2, {1, 2});
    run = openRun(both);
    run->ctx.listEntryLimit = 1000;
    generate(*run, generateDescendantsList);
    EXPECT_EQ(run->host.messages,
              (std::vector<RecordedMessage>{{"The list stops after generation 9:\nthe next generation would take it "
                                             "past 1000 entries.",
                                             "Note"}}));
}

}  // namespace
}  // namespace tw::test
