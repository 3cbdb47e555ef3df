// The Ancestor Lists read back from their page logs, and the two pieces other lists
// reuse: decimal-text addition and wrapName.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>

#include "paf/byte_order.h"
#include "paf/codepage.h"
#include "reports/ancestor_list.h"
#include "reports/decimal_text.h"
#include "reports/descent.h"
#include "reports/wrap_name.h"
#include "support/page_lines.h"
#include "support/paf_fixture.h"

namespace tw::test {
namespace {

struct ReportRun {
    RecordingHost host;
    AppContext ctx{host};
};

std::unique_ptr<ReportRun> openRun(std::vector<uint8_t> image) {
    auto run = std::make_unique<ReportRun>();
    EXPECT_EQ(run->ctx.file.openImage(std::move(image)), PafFile::kOpened);
    run->ctx.dataFilePath = "/home/ann/Tamble family.paf";
    return run;
}

std::unique_ptr<ReportRun> openRun(const WriterFamily& family) { return openRun(buildPafImage(family).flatten()); }

void addParents(WriterFamily& family, int32_t father, int32_t mother, std::vector<int32_t> children) {
    WriterMarriage marriage;
    marriage.husband = father;
    marriage.wife = mother;
    marriage.children = std::move(children);
    family.addMarriage(marriage);
}

// One line of the list body: what stands in each column at one y of one page.
struct Row {
    int page = 0;
    double y = 0;
    std::string gen, ppn, rin, mark, name, year;
    std::string shown() const { return gen + "|" + ppn + "|" + rin + "|" + mark + "|" + name + "|" + year; }
};

bool near(double a, double b) { return std::fabs(a - b) < 1e-6; }

// Generates a list and reads its body back, one row per line, in page order.
std::vector<Row> generate(ReportRun& run, bool withRepeats, int32_t startRin = 1) {
    ReportInput input;
    input.startRin = startRin;
    clearRunMessages(run.ctx);
    (withRepeats ? generateAncestorListWithRepeats : generateAncestorListWithoutRepeats)(run.ctx, input);
    std::map<std::pair<int, long>, Row> rows;
    for (int p = 0; p <= run.ctx.pageLog.lastPageIndex(); ++p) {
        for (const std::string& command : pageCommands(run.ctx.pageLog.pagelogg(p))) {
            const auto t = textCommand(command);
            if (!t || t->y < 1.99 || (near(t->x, 4.25) && near(t->y, 10.2))) continue;  // heading, page number
            Row& row = rows[{p, std::lround(t->y * 1000)}];
            row.page = p;
            row.y = t->y;
            for (auto [x, field] : {std::pair{1.5, &row.gen}, {2.6, &row.ppn}, {3.7, &row.rin},
                                    {4.1, withRepeats ? &row.mark : &row.rin}, {4.3, &row.name}, {6.75, &row.year}})
                if (near(t->x, x)) *field = t->text;
        }
    }
    std::vector<Row> result;
    for (auto& [key, row] : rows) result.push_back(row);
    return result;
}

std::vector<std::string> shown(const std::vector<Row>& rows, bool entriesOnly = false) {
    std::vector<std::string> lines;
    for (const Row& row : rows)
        if (!entriesOnly || !row.rin.empty()) lines.push_back(row.shown());
    return lines;
}

TEST(AncestorList, PageOfAStartWithoutParentsIsHeaderAndOneEntry) {
    auto run = openRun(coupleWithChildren(0));  // Adam Tamble, born 1820, no parents
    generate(*run, true);
    ASSERT_EQ(run->ctx.pageLog.lastPageIndex(), 0);
    // The empty generations 2 and 3 that the walk goes on to print are dropped.
    EXPECT_EQ(pageCommands(run->ctx.pageLog.pagelogg(0)),
              (std::vector<std::string>{
                  "PW,0.0800", "FS,20", "FN,Times", "TOC,4.25,0.7,Ancestor List (with repeats)", "FS,14",
                  "TOC,4.25,1.05,Adam Tamble", "FS,10", "TOR,7.25,1.25,7 December 2026",
                  "TO,1.25,1.25,/home/ann/Tamble family.paf", "M,1.25,1.5000", "PW,0.0278", "L,7.25,1.5000",
                  "L,7.25,1.9000", "L,1.25,1.9000", "M,1.25,1.5000", "L,1.25,10.0000", "L,7.25,10.0000",
                  "L,7.25,1.5000", "TOC,4.25,10.2,1", "TO,1.5,1.7,GEN", "TOC,2.6,1.55,Pedigree Position",
                  "TOC,2.6,1.7,Number", "TO,3.6,1.7,RIN", "TO,4.,1.7,R'P", "TO,4.3,1.7,Name",
                  "TOC,6.75,1.55,Birth", "TOC,6.75,1.7,Year", "TO,1.5,2.,1", "TOC,2.6,2.,1", "TOC,3.7,2.,1",
                  "TOC,6.75,2.,1820", "TO,4.3,2.,Adam Tamble", "ED"}));
}

// Sam's parents are first cousins: Albert and Carl are children of Peter and Quinta.
// In generation 4 the repeated Peter and Quinta come before Egon, whose father follows.
WriterFamily cousinsMarried() {
    WriterFamily f;
    for (const char* name : {"Sam", "Frank", "Mary", "Albert", "Bertha /Voss/", "Carl", "Dora /Lorn/", "Peter",
                             "Quinta /Ober/", "Rolf", "Toni /Esch/", "Egon /Lorn/", "Fritz /Lorn/"})
        f.addPerson(person(std::string(name).find('/') == std::string::npos ? std::string(name) + " /Tamble/" : name));
    addParents(f, 2, 3, {1});
    addParents(f, 4, 5, {2});
    addParents(f, 6, 7, {3});
    addParents(f, 8, 9, {4, 6});
    addParents(f, 10, 11, {8});
    addParents(f, 12, 0, {7});
    addParents(f, 13, 0, {12});
    return f;
}

TEST(AncestorList, CousinsWhoMarriedAreRepeatedWithTheirAncestorsOrLeftOut) {
    auto run = openRun(cousinsMarried());
    const std::vector<std::string> withRepeats = shown(generate(*run, true));
    EXPECT_EQ(withRepeats, (std::vector<std::string>{
                               "1|1|1||Sam Tamble|", "2|2|2||Frank Tamble|", "|3|3||Mary Tamble|",
                               "3|4|4||Albert Tamble|", "|5|5||Bertha Voss|", "|6|6||Carl Tamble|",
                               "|7|7||Dora Lorn|", "4|8|8||Peter Tamble|", "|9|9||Quinta Ober|",
                               "|12|8|*|Peter Tamble|", "|13|9|*|Quinta Ober|", "|14|12||Egon Lorn|",
                               "5|16|10||Rolf Tamble|", "|17|11||Toni Esch|", "|24|10|*|Rolf Tamble|",
                               "|25|11|*|Toni Esch|", "|28|13||Fritz Lorn|"}));
    // Without repeats: the same list without the marked lines.
    std::vector<std::string> unmarked;
    for (const std::string& line : withRepeats)
        if (line.find("|*|") == std::string::npos) unmarked.push_back(line);
    EXPECT_EQ(shown(generate(*run, false)), unmarked);
}

// Six full generations, PPN n being RIN n; PPNs 5 and 33 have three-line names.
TEST(AncestorList, PageBreakRepeatsTheGenerationAndNeverSplitsAName) {
    const std::string longName = "Maximiliane Friederike Charlotte Wilhelmine Augusta Ottilie Henriette Luise";
    WriterFamily f;
    for (int n = 1; n < 64; ++n) f.addPerson(person((n == 5 || n == 33 ? longName : "P" + std::to_string(n)) + " /T/"));
    for (int n = 1; n < 32; ++n) addParents(f, 2 * n, 2 * n + 1, {n});
    auto run = openRun(f);
    const std::vector<Row> rows = generate(*run, true);
    ASSERT_GE(run->ctx.pageLog.lastPageIndex(), 1);  // the fixture does cross a page

    std::vector<Row> listed;
    for (const Row& row : rows)
        if (!row.rin.empty()) listed.push_back(row);
    ASSERT_EQ(listed.size(), 63u);
    for (size_t i = 0; i < listed.size(); ++i) EXPECT_EQ(listed[i].ppn, std::to_string(i + 1));  // ascending
    EXPECT_NEAR(listed[5].y - listed[4].y, 0.6, 1e-9);  // PPN 5's name takes three lines
    // PPN 32 is the last line of page 1, at 9.6; PPN 33 would start at 9.8 and run
    // past the frame, so its three lines open page 2.
    EXPECT_EQ(listed[31].page, 0);
    EXPECT_NEAR(listed[31].y, 9.6, 1e-9);
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const Row& r) { return r.page == 0 && r.y > 9.7; }), 0);
    const auto next = std::find_if(rows.begin(), rows.end(), [](const Row& r) { return r.page == 1; });
    ASSERT_LT(next + 3, rows.end());
    EXPECT_EQ(next[0].shown(), "6|33|33||Maximiliane Friederike Charlotte|");
    EXPECT_NEAR(next[0].y, 2.0, 1e-9);
    EXPECT_EQ(next[1].shown(), "cont'd||||Wilhelmine Augusta Ottilie Henriette|");
    EXPECT_EQ(next[3].shown(), "|34|34||P34 T|");
}

// A line of fathers, RIN g in generation g with PPN 2^(g-1); generation 74 also has
// a mother (RIN 77), so generation 75 holds two entries.
TEST(AncestorList, PpnsBeyondSixtyFourBitsAreExactUntilTheyGrowTooLong) {
    WriterFamily f;
    for (int g = 1; g <= 77; ++g) f.addPerson(person("G" + std::to_string(g) + " /Line/"));
    for (int g = 1; g < 76; ++g) addParents(f, g + 1, g == 74 ? 77 : 0, {g});
    auto run = openRun(f);
    const std::vector<std::string> listed = shown(generate(*run, true), true);
    ASSERT_EQ(listed.size(), 77u);
    EXPECT_EQ(listed[65], "66|36893488147419103232|66||G66 Line|");  // 2^65
    EXPECT_EQ(listed[73], "74|9444732965739290427392|74||G74 Line|");  // 2^73: 22 digits still print
    EXPECT_EQ(listed[74], "75|PPN too large to display.|75||G75 Line|");
    EXPECT_EQ(listed[75], "||77||G77 Line|");  // PPNs stay off for the rest of the run
    EXPECT_EQ(listed[76], "76||76||G76 Line|");

    EXPECT_EQ(addDecimalTexts("5", "99995"), "100000");  // operands of different lengths
}

TEST(AncestorList, PedigreeLoopsEnd) {
    // Ouro is his own father: one entry a generation, up to generation 299.
    WriterFamily self;
    self.addPerson(person("Ouro /Boros/"));
    addParents(self, 1, 0, {1});
    auto run = openRun(self);
    const std::vector<std::string> listed = shown(generate(*run, true), true);
    ASSERT_EQ(listed.size(), 299u);
    EXPECT_EQ(listed[1], "2|2|1|*|Ouro Boros|");
    EXPECT_EQ(listed.back().substr(0, 4), "299|");
    EXPECT_EQ(shown(generate(*run, false)), (std::vector<std::string>{"1|1|1||Ouro Boros|"}));

    // Adam and Eva are each other's parents and their own: generations double until
    // the next would pass the entry limit (2^18 - 1 entries are generations 1 to 18).
    WriterFamily both;
    both.addPerson(person("Adam /Loop/"));
    both.addPerson(person("Eva /Loop/"));
    addParents(both, 1, 2, {1, 2});
    run = openRun(both);
    run->ctx.listEntryLimit = 1 << 18;
    EXPECT_EQ(shown(generate(*run, true), true).size(), (1u << 18) - 1);
    EXPECT_EQ(run->host.messages, (std::vector<RecordedMessage>{{"The list stops after generation 18:\nthe next "
                                                                 "generation would take it past 262144 entries.",
                                                                 "Note"}}));
    EXPECT_EQ(shown(generate(*run, false)), (std::vector<std::string>{"1|1|1||Adam Loop|", "2|3|2||Eva Loop|"}));
}

TEST(AncestorList, BrokenRecordsGiveEachMessageOncePerRun) {
    // Ouro is his own father; his mother's RIN is patched to one far beyond the file.
    WriterFamily f;
    f.addPerson(person("Ouro /Boros/"));
    f.addPerson(person("Mara /Boros/"));
    addParents(f, 1, 2, {1});
    auto good = openFamily(f);
    ASSERT_NE(good, nullptr);
    std::vector<uint8_t> bytes = good->image;
    const auto& table = paf::kMarriages;
    const int64_t at = good->ctx.file.recordAddress(table.pageType, 1, table.recordSize, table.recordsPerPage);
    writeInt32le(bytes, size_t(at + paf::marriage::kWife), 5000);
    auto run = openRun(bytes);

    const std::vector<std::string> listed = shown(generate(*run, true), true);
    ASSERT_EQ(listed.size(), 1u + 2 * 298);
    EXPECT_EQ(listed[2], "|3|5000||Invalid Rin|");
    EXPECT_EQ(run->host.messages, (std::vector<RecordedMessage>{{"Invalid start RIN", "Error"},
                                                                {"The RIN is invalid", "Error"},
                                                                {std::string(corruptDataMessage()), "Abort"},
                                                                {"RinX access out of range", "kk"},
                                                                {"The list stops after generation 299:\nno list goes "
                                                                 "further than 299 generations.",
                                                                 "Note"}}));
    EXPECT_EQ(run->host.startWindowClosed, 3);

    // Start RINs that pass the start window's checks but name no one.
    for (const int32_t start : {0, -3}) {
        run->host.messages.clear();
        EXPECT_EQ(shown(generate(*run, false, start)),
                  (std::vector<std::string>{"1|1|" + std::to_string(start) + "||Invalid Rin|"}));
        EXPECT_EQ(run->host.messages.size(), start < 0 ? 4u : 3u) << start;
    }
}

TEST(AncestorList, CancelStopsWhileAGenerationIsBuilt) {
    auto run = openRun(cousinsMarried());
    // Polls: after generation 1; building generation 2 (one entry); after it; building
    // generation 3, whose second entry sees the stop.
    run->host.cancelAfterPolls = 4;
    EXPECT_EQ(shown(generate(*run, true), true).size(), 3u);
    EXPECT_EQ(run->host.progress, (std::vector<int>{1, 2, -1}));
}

class WrapName : public testing::Test {
protected:
    void SetUp() override { log.begin("wrap"); }  // Times 10 at 600 pixels per inch
    bool fits(const std::string& text) const { return log.textWidth(text) <= int32_t(log.pixelsPerInch() * 2.35); }

    RecordingHost host;
    PageLog log{host};
};

TEST_F(WrapName, CutsEachLineAtTheLastSpaceThatFits) {
    EXPECT_EQ(wrapName(log, "", 2.35), NameLines{""});
    EXPECT_EQ(wrapName(log, "Johanna Maria Theresia Walburga von Hohenberg", 2.35),
              (NameLines{"Johanna Maria Theresia Walburga von", "Hohenberg"}));
    EXPECT_FALSE(fits("Johanna Maria Theresia Walburga von Hohenberg"));
}

TEST_F(WrapName, SplitsWordsWiderThanTheColumnAndKeepsEveryCharacter) {
    const std::string word(60, 'W');  // about 7.9 inches
    const NameLines pieces = wrapName(log, "Ann " + word + " Tamble", 2.35);
    ASSERT_GE(pieces.size(), 5u);
    EXPECT_EQ(pieces.front(), "Ann");
    std::string rejoined;
    for (size_t i = 1; i + 1 < pieces.size(); ++i) {
        EXPECT_TRUE(fits(pieces[i]));
        EXPECT_FALSE(fits(pieces[i] + "W"));  // split after the last character that fits
        rejoined += pieces[i];
    }
    EXPECT_EQ(rejoined + pieces.back(), word + " Tamble");

    EXPECT_EQ(wrapName(log, "Ab c", 0.01), (NameLines{"A", "b", "c"}));  // narrower than a letter
    // Narrower than nothing (a sheet too small for the layout): as narrow as can be.
    EXPECT_EQ(wrapName(log, " Ab c", -0.5), (NameLines{"", "A", "b", "c"}));
    EXPECT_EQ(shortenToWidth(log, "", -0.5), "");
    EXPECT_EQ(shortenToWidth(log, "Ann", -0.5), "...");
    // Pieces end between characters, whatever their bytes.
    EXPECT_EQ(wrapName(log, "Łę 王", 0.01), (NameLines{"Ł", "ę", "王"}));
    std::string cyrillic;
    for (int i = 0; i < 40; ++i) cyrillic += "Щ";
    for (const std::string& piece : wrapName(log, cyrillic, 1.0)) EXPECT_TRUE(isValidUtf8(piece)) << piece;

    std::string longName = "Wolfgang";  // more than seven lines: all kept
    for (int i = 0; i < 40; ++i) longName += " Wolfgang";
    const NameLines many = wrapName(log, longName, 2.35);
    EXPECT_GT(many.size(), 7u);
    std::string joined = many[0];
    for (size_t i = 1; i < many.size(); ++i) joined += " " + many[i];
    EXPECT_EQ(joined, longName);
}

// A couple's title shortened to fit keeps both partners and the word between them,
// each name shortened on its own; a partner without a name leaves no "and" behind.
TEST_F(WrapName, CoupleTitlesShortenEachPartnerOnItsOwn) {
    const std::string longName = "Theuderic Pippin Grimoald Drogo Carloman Arnulf Martel of the Franks";
    const std::string shortName = "Aldana";
    EXPECT_EQ(joinCouple({"Ann Lee", "Bob Ng"}, " and "), "Ann Lee and Bob Ng");
    EXPECT_EQ(joinCouple({"Gofraid of Lochlan", ""}, " and "), "Gofraid of Lochlan");
    EXPECT_EQ(joinCouple({"", "Ragnhild"}, " and "), "Ragnhild");
    EXPECT_EQ(joinCouple({"", ""}, " and "), "");
    EXPECT_EQ(fitCouple(log, "Ann Lee", "Bob Ng", " and ", 6.0), "Ann Lee and Bob Ng");
    EXPECT_EQ(fitCouple(log, "", "Bob Ng", " and ", 6.0), "Bob Ng");
    const struct {
        std::string husband, wife;
        double width;
    } cases[] = {{longName, shortName, 2.0}, {shortName, longName, 2.0}, {longName, longName, 2.5}, {longName, longName, 0.9}};
    for (const auto& c : cases) {
        const std::string title = fitCouple(log, c.husband, c.wife, " and ", c.width);
        EXPECT_LE(log.textWidth(title), int32_t(log.pixelsPerInch() * c.width)) << title;
        const size_t and_ = title.find(" and ");
        ASSERT_NE(and_, std::string::npos) << title;
        const std::string husband = title.substr(0, and_), wife = title.substr(and_ + 5);
        // Each side begins and ends as its partner's name does.
        EXPECT_EQ(husband.front(), c.husband.front()) << title;
        EXPECT_EQ(wife.front(), c.wife.front()) << title;
        EXPECT_EQ(husband.back(), c.husband.back()) << title;
        EXPECT_EQ(wife.back(), c.wife.back()) << title;
        if (c.husband == shortName) {
            EXPECT_EQ(husband, shortName) << "the shorter name is kept whole";
        }
        if (c.wife == shortName) {
            EXPECT_EQ(wife, shortName) << "the shorter name is kept whole";
        }
    }
}

// A list wraps every entry into the same lines: each wrap must give exactly the lines
// a fresh wrap gives, nothing left over from a longer name before it.
TEST_F(WrapName, ReusedLinesHoldOnlyTheLatestName) {
    const std::string many = "Johanna Maria Theresia Walburga von Hohenberg und Tamble zu Wintersee";
    const std::pair<std::string, double> names[] = {
        {many, 2.35}, {"Ann Lee", 2.35}, {many, 1.0}, {"", 2.35}, {"Ab c", 0.01}, {many, 2.35}, {"Bo", 0.01},
    };
    NameLines lines;
    for (const auto& [name, width] : names) {
        wrapName(log, name, width, lines);
        EXPECT_EQ(lines, wrapName(log, name, width)) << name << " at " << width;
    }
}

}  // namespace
}  // namespace tw::test
