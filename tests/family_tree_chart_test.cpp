// The Family Tree Chart: the branches gathered from a small family, their placement
// and relaxation, and the page read back from its log: background, roots, names,
// name boxes and count columns, the second format, the positions file, and the run
// from the command line.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/paf_image_file.h"
#include "charts/ftc_chart.h"
#include "charts/ftc_draw.h"
#include "charts/ftc_positions.h"
#include "paf/navigation.h"
#include "support/descendant_lists.h"
#include "support/page_checker.h"

namespace tw::test {
namespace {

constexpr double W = 8.5;
constexpr double H = 11.0;

class FtcTest : public ::testing::Test {};

int32_t addCouple(WriterFamily& family, int32_t husband, int32_t wife, std::vector<int32_t> children = {}) {
    WriterMarriage m;
    m.husband = husband;
    m.wife = wife;
    m.children = std::move(children);
    return family.addMarriage(m);
}

int32_t addChildWith(WriterFamily& family, int32_t parentMrin, const std::string& name, char sex = 'M') {
    const int32_t rin = family.addPerson(person(name, sex));
    family.marriage(parentMrin).children.push_back(rin);
    return rin;
}

// A couple (MRIN 1, married 3 Jan 1900) whose husband has parents and a father's
// father; the wife's parents are unknown. Children, in order:
//   Anna: Ben, Cora, Dirk (Ben has 2 children, one of whom has 1)
//   Emil: Fay (alone)
//   Gus:  Hal, Ida
//   Jon:  none
struct SmallFamily {
    WriterFamily family;
    SmallFamily() {
        const int32_t husband = family.addPerson(person("Adam Karl /Tamble/"));
        const int32_t wife = family.addPerson(person("Berta /Kessling/", 'F'));
        WriterMarriage couple;
        couple.husband = husband;
        couple.wife = wife;
        couple.date = makeDate({3, 1, 1900});
        family.addMarriage(couple);
        const int32_t father = family.addPerson(person("Otto Emil /Tamble/"));
        const int32_t mother = family.addPerson(person("Rosa (Rosie) /Marsh/", 'F'));
        addCouple(family, father, mother, {husband});
        const int32_t grandfather = family.addPerson(person("Ulf /Tamble/"));
        addCouple(family, grandfather, 0, {father});

        const int32_t anna = childOf(1, "Anna Maria /Tamble/", 'F');
        const int32_t ben = childOf(spouseFamily(anna, 'F'), "Ben /Ross/");
        childOf(spouseFamily(anna, 'F', false), "Cora /Ross/", 'F');
        childOf(spouseFamily(anna, 'F', false), "Dirk /Ross/");
        const int32_t benKid = childOf(spouseFamily(ben, 'M'), "Ella /Ross/", 'F');
        childOf(spouseFamily(ben, 'M', false), "Finn /Ross/");
        childOf(spouseFamily(benKid, 'F'), "Gina /Lund/", 'F');
        const int32_t emil = childOf(1, "Emil /Tamble/");
        childOf(spouseFamily(emil, 'M'), "Fay /Tamble/", 'F');
        const int32_t gus = childOf(1, "Gus /Tamble/");
        childOf(spouseFamily(gus, 'M'), "Hal /Tamble/");
        childOf(spouseFamily(gus, 'M', false), "Ida /Tamble/", 'F');
        childOf(1, "Jon /Tamble/");
    }

    int32_t childOf(int32_t mrin, const std::string& name, char sex = 'M') { return addChildWith(family, mrin, name, sex); }

    // The person's marriage (made with an unnamed spouse on first use).
    int32_t spouseFamily(int32_t rin, char sex, bool create = true) {
        auto found = marriageOf.find(rin);
        if (found != marriageOf.end()) return found->second;
        EXPECT_TRUE(create);
        const int32_t spouse = family.addPerson(person("Spouse /Other/", sex == 'M' ? 'F' : 'M'));
        WriterMarriage m;
        m.husband = sex == 'M' ? rin : spouse;
        m.wife = sex == 'M' ? spouse : rin;
        const int32_t mrin = family.addMarriage(m);
        marriageOf[rin] = mrin;
        return mrin;
    }
    std::map<int32_t, int32_t> marriageOf;
};

std::vector<FamilyBranch> branchesOf(const WriterFamily& family) {
    auto run = openRun(family);
    IntList mrins;
    mrins.push(1);
    return buildFamilyBranches(run->ctx, mrins);
}

struct Chart {
    std::unique_ptr<ReportRun> run;
    std::vector<std::string> commands;
    std::vector<Placed> texts;

    explicit Chart(const WriterFamily& family, const std::string& pafPath = "tamble.paf", bool detailed = false,
                   Paper paper = Paper::Letter)
        : run(openRun(family)) {
        run->ctx.paper = paper;
        run->ctx.dataFilePath = pafPath;
        run->ctx.paths.ftcPositionsStem = ftcPositionsStem(pafPath);
        run->ctx.paths.ftcListingFile = "listing/ft.log";
        run->ctx.detailedFoliage = detailed;
        generate(*run, generateFamilyTreeChart);
        commands = pageCommands(run->ctx.pageLog.pagelogg(0));
        texts = placedTexts(run->ctx.pageLog);
    }
    FamilyTreeChartState& state() { return familyTreeChart(run->ctx); }
    int count(const std::string& prefix) const {
        return int(std::count_if(commands.begin(), commands.end(),
                                 [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
    }
    bool has(const std::string& command) const {
        return std::find(commands.begin(), commands.end(), command) != commands.end();
    }
    const Placed* text(const std::string& content) const {
        for (const Placed& t : texts)
            if (t.text == content) return &t;
        return nullptr;
    }
    // The type size the first text of that content is written in.
    int32_t sizeOf(const std::string& content) const {
        int32_t size = 0;
        for (const std::string& c : commands) {
            if (c.rfind("FS,", 0) == 0) size = std::stoi(c.substr(3));
            const auto t = textCommand(c);
            if (t && t->text == content) return size;
        }
        return -1;
    }
};

std::vector<double> numbersOf(const std::string& command) {
    std::vector<double> numbers;
    std::stringstream fields(command.substr(command.find(',') + 1));
    std::string field;
    while (std::getline(fields, field, ',')) numbers.push_back(std::strtod(field.c_str(), nullptr));
    return numbers;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(FtcTest, BranchesCarryGrandchildrenAndTheirDescendantsPerGeneration) {
    SmallFamily f;
    const std::vector<FamilyBranch> branches = branchesOf(f.family);
    ASSERT_EQ(branches.size(), 4U);
    EXPECT_EQ(branches[0].firstName, "Anna");
    EXPECT_EQ(branches[0].grandchildCount, 3);
    ASSERT_EQ(branches[0].lines.size(), 3U);
    EXPECT_EQ(branches[0].lines[0].firstName, "Ben");
    EXPECT_EQ(branches[0].lines[0].counts, (std::vector<int32_t>{2, 1}));
    EXPECT_TRUE(branches[0].lines[1].counts.empty());
    EXPECT_EQ(branches[0].depthCount, 3);
    EXPECT_EQ(branches[1].grandchildCount, 1);
    EXPECT_EQ(branches[3].grandchildCount, 0);
    EXPECT_EQ(branches[3].depthCount, 0);

    FamilyBranch anna = branches[0];
    buildDepthTotals(anna);
    EXPECT_TRUE(anna.collapsed);
    EXPECT_EQ(anna.depthTotals, (std::vector<int32_t>{3, 2, 1, 0}));
}

TEST_F(FtcTest, PlacementKeepsBoxesBetweenTheLimitsAndSmallBoxesFourUnitsHigh) {
    FamilyBranch two;
    two.grandchildCount = 2;
    FamilyBranch three;
    three.grandchildCount = 3;
    placeBranch(two, 0.3, 0, 0, 0.011);
    placeBranch(three, 0.3, 1, 1, 0.011);
    EXPECT_NEAR(two.b - two.t, 4 * 0.011, 1e-12);
    EXPECT_NEAR(three.b - three.t, two.b - two.t, 1e-12);
    FamilyBranch big;
    big.grandchildCount = 9;
    placeBranch(big, 0.62, 0, 0, 0.011);
    EXPECT_DOUBLE_EQ(big.b, kFtcBoxBottomLimit);
    EXPECT_DOUBLE_EQ(big.a, kFtcBoxBottomLimit - 0.055);
    placeBranch(big, 0.07, 0, 0, 0.011);
    EXPECT_DOUBLE_EQ(big.t, kFtcBoxTopLimit);
    EXPECT_DOUBLE_EQ(big.a, kFtcBoxTopLimit + 0.055);
    big.collapsed = true;
    placeBranch(big, 0.3, 0, 0, 0.011);
    EXPECT_NEAR(big.b - big.t, 4 * 0.011, 1e-12);
}

TEST_F(FtcTest, SecondFormatKeepsTheBoxesOfOneSideApart) {
    for (const size_t n : {4, 19, 27, 40, 100}) {  // beyond about 100 the boxes are as low as they go
        std::vector<FamilyBranch> branches(n);
        for (FamilyBranch& branch : branches) branch.collapsed = true;
        placeSecondFormat(branches);
        for (size_t k = 2; k < n; ++k) EXPECT_GT(branches[k - 2].t, branches[k].b) << n << " branches, box " << k;
        // Small families keep the full unit.
        if (n == 4) {
            EXPECT_NEAR(branches[0].b - branches[0].t, 4 * 0.011, 1e-12);
        }
    }
}

TEST_F(FtcTest, RelaxationLeavesTheEndBranchesAndSpreadsTheMiddleOnes) {
    for (const int n : {1, 2}) {
        std::vector<FamilyBranch> branches(static_cast<size_t>(n));
        ASSERT_TRUE(layoutBranches(branches, 0.011));
        const double step = 0.59 / (n + 1);
        for (int k = 0; k < n; ++k) EXPECT_DOUBLE_EQ(branches[size_t(k)].a, 0.66 - (k + 1) * step) << n;
    }
    std::vector<FamilyBranch> six(6);
    ASSERT_TRUE(layoutBranches(six, 0.011));
    for (size_t k = 2; k < six.size(); ++k) EXPECT_GE(six[k - 2].t, six[k].b - 1e-12) << "same side overlaps " << k;
    for (const FamilyBranch& branch : six) {
        EXPECT_GE(branch.t, kFtcBoxTopLimit - 1e-12);
        EXPECT_LE(branch.b, kFtcBoxBottomLimit + 1e-12);
        EXPECT_EQ(branch.rhs, branch.i % 2);
    }
    // A pinned branch stays where it is.
    std::vector<FamilyBranch> pinned(5);
    layoutBranches(pinned, 0.011);
    pinned[2].t = 0.2;
    pinned[2].pinned = true;
    for (size_t k = 0; k < pinned.size(); ++k) relaxBranch(pinned, k, 1.0);
    EXPECT_EQ(commitBranch(pinned[2]), 0.0);
    EXPECT_EQ(pinned[2].t, 0.2);
}

TEST_F(FtcTest, TooManyBoxesForTheTrunkFailEveryUnitAndGiveTheSecondFormat) {
    std::vector<FamilyBranch> crowded(40);
    for (FamilyBranch& branch : crowded) branch.grandchildCount = 5;
    for (const double unit : kFtcUnits) EXPECT_FALSE(layoutBranches(crowded, unit)) << unit;
}

TEST_F(FtcTest, CoupleNamesMarriageLineTitleAndRoots) {
    SmallFamily f;
    Chart chart(f.family);
    ASSERT_NE(chart.text("married  3 January 1900"), nullptr);
    EXPECT_TRUE(near(chart.text("married  3 January 1900")->x, 0.5 * W));
    EXPECT_TRUE(near(chart.text("Family Tree")->y, 0.875 * H));
    ASSERT_NE(chart.text("Tamble"), nullptr);
    EXPECT_TRUE(near(chart.text("Tamble")->y, 0.855 * H));
    EXPECT_TRUE(chart.has("TOD,3.6550,8.2500,600,Times,14,Adam Karl"));
    EXPECT_TRUE(chart.has("TOD,3.8845,8.3600,600,Times,16,Tamble"));
    EXPECT_TRUE(chart.has("TOD,4.8450,8.2610,-620,Times,14,Berta"));

    // Husband's roots: father OET at slot 2, mother RM (without "(Rosie)"), father's
    // father UT at slot 4; the wife's parents are unknown and leave blanks.
    const auto at = [&](double fx, double fy) -> std::string {
        for (const Placed& t : chart.texts)
            if (t.code == "TOC" && near(t.x, fx * W) && near(t.y, fy * H)) return t.text;
        return "?";
    };
    EXPECT_EQ(at(0.31, 0.705), "OET");
    EXPECT_EQ(at(0.31, 0.865), "RM");
    EXPECT_EQ(at(0.26, 0.67), "UT");
    EXPECT_EQ(at(0.26, 0.75), "");
    EXPECT_EQ(at(0.69, 0.705), "");
    EXPECT_EQ(at(0.14, 0.639), "");
    EXPECT_TRUE(f.family.people.size() > 3);
}

// The tree on the run's paper, upright: every position a fraction of the page, the
// type as on letter on a sheet at least as large, and as much smaller as a smaller
// sheet (the branch boxes by the page's height alone).
TEST_F(FtcTest, TheTreeFillsThePageOfEveryPaper) {
    struct Case {
        Paper paper;
        int32_t titleSize;  // "Family Tree" on its plate
        int32_t marriageSize;
        int32_t boxSize;  // the grandchildren's names
    };
    const std::vector<Case> cases = {
        {Paper::Letter, 14, 12, 9}, {Paper::A4, 14, 12, 9}, {Paper::Legal, 14, 12, 9}, {Paper::A5, 10, 8, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(paperTitle(c.paper));
        SmallFamily f;
        const Chart chart(f.family, "tamble.paf", false, c.paper);
        const PageGeometry& page = chart.run->ctx.pageLog.page();
        EXPECT_EQ(chart.run->ctx.pageLog.request().paper, c.paper);
        EXPECT_EQ(page.paper, c.paper);
        EXPECT_FALSE(page.landscape);
        const double w = page.width;
        const double h = page.height;
        EXPECT_NEAR(w, paperInfo(c.paper).width, 0.01);

        // The crown's largest rectangle and the plates' texts, in fractions of the page.
        char crown[64];
        std::snprintf(crown, sizeof crown, "DR,%.4f,%.4f,%.4f,%.4f", 0.12 * w, 0.17 * h, 0.88 * w, 0.59 * h);
        bool hasCrown = false;
        for (const std::string& command : chart.commands) {
            const auto n = numbersOf(command);
            hasCrown = hasCrown || (command.rfind("DR,", 0) == 0 && near(n[0], 0.12 * w) && near(n[1], 0.17 * h) &&
                                    near(n[2], 0.88 * w) && near(n[3], 0.59 * h));
        }
        EXPECT_TRUE(hasCrown) << crown;
        ASSERT_NE(chart.text("Family Tree"), nullptr);
        EXPECT_TRUE(near(chart.text("Family Tree")->x, 0.5 * w));
        EXPECT_TRUE(near(chart.text("Family Tree")->y, 0.875 * h));
        EXPECT_EQ(chart.sizeOf("Family Tree"), c.titleSize);
        EXPECT_EQ(chart.sizeOf("married  3 January 1900"), c.marriageSize);
        ASSERT_NE(chart.text("Ben"), nullptr);
        EXPECT_TRUE(near(chart.text("Ben")->x, 0.31 * w));
        EXPECT_EQ(chart.sizeOf("Ben"), c.boxSize);
    }
}

TEST_F(FtcTest, InitialsAndMarriageDatesOfEveryShape) {
    EXPECT_EQ(ftcInitials("John William /Smith/"), "JWS");
    EXPECT_EQ(ftcInitials("Mary (Polly) /Ann/"), "MA");
    EXPECT_EQ(ftcInitials("Cher"), "C");
    EXPECT_EQ(ftcInitials("/Smith/"), "S") << "a surname alone";
    EXPECT_EQ(ftcInitials("/van der Merwe/ III"), "vdM");
    EXPECT_EQ(ftcInitials("Ann  Lee /Ray/ "), "ALR");
    EXPECT_EQ(ftcInitials(""), "");
    EXPECT_EQ(ftcInitials("Иван Ильич /Петров/"), "ИИП");
    // Fewer, for a plate too narrow for all.
    EXPECT_EQ(ftcShortInitials("John William /Smith/"), "JS");
    EXPECT_EQ(ftcShortInitials("Mary (Polly) /de la Tour/"), "Md");
    EXPECT_EQ(ftcShortInitials("/Smith/"), "S");
    EXPECT_EQ(ftcShortInitials("Cher"), "C");
    EXPECT_EQ(ftcShortInitials(""), "");
    EXPECT_EQ(ftcMarriageDate("12 Jun 1936"), "12 June 1936");
    EXPECT_EQ(ftcMarriageDate("Abt 1613"), "Abt 1613");
    EXPECT_EQ(ftcMarriageDate(""), "");
    EXPECT_EQ(ftcMarriageDate("1 May"), "1 May");
    EXPECT_EQ(ftcMarriageDate("Bet 2 Sep 1850 and 1851"), "Bet 2 Sep 1850 and 1851");
    EXPECT_EQ(ftcMarriageDate("1 Junk"), "1 Junk");
}

// The names along the branches: the whole given names in one line where that
// keeps a readable size, in two where it does not, the surname of someone recorded
// by a surname alone, "(no name)" for someone without a name.
TEST_F(FtcTest, BranchesNameEveryChildWithAllTheGivenNames) {
    struct Case {
        std::string name;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"Johan Joseph /Tamble/", {"Johan Joseph"}},
        {"Konstantinopolous Bartholomew /Tamble/", {"Konstantinopolous", "Bartholomew"}},
        {"/Zaynab/", {"Zaynab"}},
        {"", {"(no name)"}},
        {"Al Hasan /Talib/", {"Al Hasan"}},
    };
    WriterFamily family = coupleWithChildren(int(cases.size()));
    for (size_t k = 0; k < cases.size(); ++k) family.person(3 + int32_t(k)).name = cases[k].name;
    Chart chart(family);
    std::vector<std::vector<std::string>> drawn(cases.size());
    size_t branch = 0;
    int32_t lastY = -1;
    for (const std::string& c : chart.commands) {
        if (c.rfind("TOA,", 0) != 0) continue;
        // The lines of one name stand within a line's height of each other.
        const auto y = int32_t(numbersOf(c)[1] * 4);
        if (lastY >= 0 && std::abs(y - lastY) > 1) ++branch;
        lastY = y;
        ASSERT_LT(branch, cases.size());
        drawn[branch].push_back(c.substr(c.rfind(',') + 1));
    }
    // Drawn in branch order, which is the children's order here.
    for (size_t k = 0; k < cases.size(); ++k) EXPECT_EQ(drawn[k], cases[k].lines) << cases[k].name;
    EXPECT_EQ(chart.state().branches[2].firstName, "Zaynab");
    EXPECT_EQ(chart.state().branches[4].firstName, "Al");
}

// Long names on the trunk, in the roots and along the branches of a large family
// keep apart: the trunk's names off the marriage plate and off each other, the
// ancestors' initials on their plates (fewer of them where all would not fit).
TEST_F(FtcTest, LongNamesOfALargeFamilyKeepApart) {
    WriterFamily family = coupleWithChildren(21);
    const std::string many = "Maximilian Wilhelmina Bartholomew Christabel Friedrich Theodora";
    family.person(1).name = many + " /Wolfeschlegelsteinhausenbergerdorff/";
    family.person(2).name = many + " Ulrich /de la Tour d'Auvergne-Lauraguais/";
    const int32_t father = family.addPerson(person(many + " /Featherstonehaugh/"));
    addCouple(family, father, 0, {1});
    for (int c = 0; c < 21; ++c) {
        family.person(3 + c).name = c % 2 ? "Konstantinopolous Bartholomew /Tamble/" : "Wilhelmina Christabel /Tamble/";
        addCouple(family, 3 + c, 0, {family.addPerson(person("Grandchild /Tamble/"))});
    }
    Chart chart(family);
    const auto findings = checkPageLog(chart.run->ctx.pageLog);
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings, the first: " << describe(findings.front());
    const auto at = [&](double fx, double fy) -> std::string {
        for (const Placed& t : chart.texts)
            if (t.code == "TOC" && near(t.x, fx * W) && near(t.y, fy * H)) return t.text;
        return "?";
    };
    EXPECT_EQ(at(0.31, 0.705), "MF") << "the father's seven initials are too wide for his plate";
}

// Count columns that do not fit beside the boxes are left out, and the chart's foot
// says so, under the title plate.
TEST_F(FtcTest, CountsLeftOutAreSaidAtTheFoot) {
    WriterFamily family = coupleWithChildren(1);
    int32_t rin = family.addPerson(person("Grandchild /Tamble/"));
    addCouple(family, 3, 0, {rin});
    for (int g = 0; g < 69; ++g) {
        const int32_t next = family.addPerson(person("Son /Line/"));
        addCouple(family, rin, 0, {next});
        rin = next;
    }
    Chart chart(family);
    std::string foot;
    for (const Placed& t : chart.texts)
        if (t.y >= 0.925 * H - 1e-9 && t.code == "TOC" && near(t.x, 0.5 * W)) foot += (foot.empty() ? "" : " ") + t.text;
    const std::string lead = "Counts of only ";
    ASSERT_EQ(foot.substr(0, lead.size()), lead) << foot;
    const int shown = std::stoi(foot.substr(lead.size()));
    EXPECT_GT(shown, 3);
    EXPECT_LT(shown, 69);
    EXPECT_EQ(foot, lead + std::to_string(shown) + " of 69 generations fit beside the boxes: the deeper ones are left out.");
    EXPECT_TRUE(checkPageLog(chart.run->ctx.pageLog).empty());

    // Nothing left out, nothing said.
    Chart small(SmallFamily().family);
    for (const Placed& t : small.texts) {
        if (near(t.x, 0.5 * W)) {
            EXPECT_LT(t.y, 0.925 * H - 1e-9) << t.text;
        }
    }
}

TEST_F(FtcTest, FirstFormatBoxesLinesAndCountColumns) {
    SmallFamily f;
    Chart chart(f.family);
    FamilyTreeChartState& state = chart.state();
    ASSERT_EQ(state.format, 1);
    const FamilyBranch& anna = state.branches[0];
    const FamilyBranch& emil = state.branches[1];
    EXPECT_DOUBLE_EQ(anna.D, 0.011);
    EXPECT_TRUE(chart.has("FS,9"));
    // Three lines from the top; a single line one unit lower.
    EXPECT_NEAR(anna.lines[0].y, (anna.t + 0.4 * anna.D) * H, 1e-9);
    EXPECT_NEAR(emil.lines[0].y, (emil.t + 1.4 * emil.D) * H, 1e-9);
    ASSERT_NE(chart.text("Ben"), nullptr);
    EXPECT_EQ(chart.text("Ben")->code, "TO");
    EXPECT_TRUE(near(chart.text("Ben")->x, 0.31 * W));
    EXPECT_EQ(chart.text("Fay")->code, "TOR");
    EXPECT_TRUE(near(chart.text("Fay")->x, 0.69 * W));

    // Anna (left): columns grow outwards from 0.3 W, one digit wide plus a half.
    const double w = 0.011 * W * 1.5;
    char box[96];
    std::snprintf(box, sizeof box, "DR,%.4f", 0.3 * W - w);
    bool found = false;
    for (const std::string& c : chart.commands)
        if (c.rfind("DR,", 0) == 0 && std::fabs(numbersOf(c)[0] - (0.3 * W - w)) < 1e-3 &&
            std::fabs(numbersOf(c)[1] - anna.t * H) < 1e-3)
            found = true;
    EXPECT_TRUE(found) << box;
    // Ben's counts 2 and 1 in the first and second column.
    int counts = 0;
    for (const Placed& t : chart.texts)
        if (near(t.y, anna.lines[0].y) && t.code == "TOC" && (t.text == "2" || t.text == "1")) ++counts;
    EXPECT_EQ(counts, 2);
    // The childless child still has its branch and name, but no box.
    EXPECT_EQ(state.branches[3].lines.size(), 0U);
    EXPECT_NE(chart.run->ctx.pageLog.pagelogg(0).find(",Jon"), std::string::npos);

    const std::string listing = chart.run->host.files.at("listing/ft.log");
    EXPECT_EQ(listing.substr(0, 20), "Anna            ===\n");
    EXPECT_NE(listing.find("          Ben                  (  2)    2,   1,\n"), std::string::npos);
}

TEST_F(FtcTest, FourDigitCountsMakeColumnsFourAndAHalfUnitsWide) {
    WriterFamily family = coupleWithChildren(1);
    const int32_t child = 3;
    const int32_t spouse = family.addPerson(person("Sue /Other/", 'F'));
    const int32_t mrin = addCouple(family, child, spouse);
    const int32_t grandchild = addChildWith(family, mrin, "Kai /Tamble/");
    const int32_t wife = family.addPerson(person("Lea /Other/", 'F'));
    const int32_t big = addCouple(family, grandchild, wife);
    for (int k = 0; k < 1234; ++k) addChildWith(family, big, "K /Tamble/");
    Chart chart(family);
    EXPECT_EQ(chart.state().maxDigits, 4);
    const FamilyBranch& branch = chart.state().branches[0];
    const double w = branch.D * W * 4.5;
    bool found = false;
    for (const std::string& c : chart.commands)
        if (c.rfind("DR,", 0) == 0) {
            const std::vector<double> v = numbersOf(c);
            if (std::fabs(v[1] - branch.t * H) < 1e-3 && std::fabs(std::fabs(v[2] - v[0]) - w) < 1e-3) found = true;
        }
    EXPECT_TRUE(found);
    EXPECT_NE(chart.text("1234"), nullptr);
}

TEST_F(FtcTest, BackgroundsArePlainOrLeafyAndTheLeavesRepeat) {
    SmallFamily f;
    Chart plain(f.family);
    EXPECT_EQ(plain.count("DE,"), 18);
    Chart leafy(f.family, "tamble.paf", true);
    EXPECT_GT(leafy.count("DE,"), 2000);
    Chart again(f.family, "tamble.paf", true);
    EXPECT_EQ(leafy.commands, again.commands);
    // Trunk, foot, 69 root rectangles and the three plates under the texts.
    // Crown, root rectangles, the two plates, three name boxes, Anna's two columns.
    EXPECT_EQ(plain.count("DR,"), 4 + 69 + 2 + 3 + 2);
}

// Every coordinate of every drawing command stays on the page.
void expectOnPage(const Chart& chart) {
    for (const std::string& c : chart.commands) {
        const std::string code = c.substr(0, c.find(','));
        if (code != "DR" && code != "DE" && code != "PV" && code != "TO" && code != "TOC" && code != "TOR" &&
            code != "TOA")
            continue;
        const std::vector<double> v = numbersOf(c);
        const size_t coordinates = code == "DR" || code == "DE" ? 4 : 2;
        for (size_t k = 0; k < coordinates && k < v.size(); ++k) {
            const double limit = k % 2 == 0 ? W : H;
            ASSERT_TRUE(std::isfinite(v[k]) && v[k] >= -0.21 && v[k] <= limit + 0.21) << c;
        }
    }
}

TEST_F(FtcTest, HundredsOfChildrenGiveTheSecondFormatOnThePage) {
    WriterFamily family = coupleWithChildren(300);
    for (int32_t child = 3; child < 3 + 40; ++child) {
        const int32_t spouse = family.addPerson(person("Sue Ann Lee /Other/", 'F'));
        const int32_t mrin = addCouple(family, child, spouse);
        addChildWith(family, mrin, "Kai /Tamble/");
    }
    Chart chart(family);
    EXPECT_EQ(chart.state().format, 2);
    EXPECT_EQ(chart.state().branches.size(), 300U);
    // Too many to keep apart: the boxes are as low as the smallest totals allow.
    for (const FamilyBranch& branch : chart.state().branches) EXPECT_NEAR(branch.b - branch.t, 0.009, 1e-12);
    EXPECT_TRUE(chart.has("FS,5"));
    expectOnPage(chart);
}

TEST_F(FtcTest, ChildlessFamiliesAndOddNamesStillDraw) {
    WriterFamily childless = coupleWithChildren(0);
    Chart none(childless);
    EXPECT_TRUE(none.state().branches.empty());
    EXPECT_EQ(none.state().format, 1);
    EXPECT_NE(none.text("Family Tree"), nullptr);

    WriterFamily odd = coupleWithChildren(3);
    odd.person(1).name = "Nobody";
    odd.person(2).name = "/Onlysurname/";
    odd.person(3).name = std::string(300, 'W');
    odd.person(4).name = "";
    odd.person(5).deleted = true;
    Chart chart(odd);
    EXPECT_TRUE(chart.run->host.messages.empty()) << chart.run->host.messages.front().text;
    EXPECT_EQ(chart.state().branches[2].firstName, "(no name)") << "a deleted child has no name";
    EXPECT_GT(chart.state().branches[0].firstName.size(), 100U);
    EXPECT_EQ(chart.state().branches[1].firstName, "(no name)");
    expectOnPage(chart);
    EXPECT_TRUE(chart.has("TOD,3.6550,8.2500,600,Times,14,Nobody"));
    EXPECT_TRUE(chart.has("TOD,4.8450,8.2610,-620,Times,14,"));
}

TEST_F(FtcTest, AnMrinWithoutACoupleEndsTheRunWithoutPages) {
    SmallFamily f;
    auto run = openRun(f.family);
    generate(*run, generateFamilyTreeChart, {0});
    ASSERT_EQ(run->host.messages.size(), 1U);
    EXPECT_EQ(run->host.messages[0].text, "The RIN is invalid");
    EXPECT_EQ(run->host.messages[0].caption, "Error");
    EXPECT_EQ(run->ctx.pageLog.storedPageCount(), 0);
    EXPECT_EQ(familyTreeChart(run->ctx).format, 0);
}

TEST_F(FtcTest, ThePositionsFileBesideTheDataFilePinsItsBranches) {
    SmallFamily f;
    TempDir dir;
    const std::string paf = dir.file("fam.paf");
    const std::string positions = dir.file("famm1.twft");
    {
        std::ofstream out(positions);
        out << "i:2\nt:0.200000\nb:0.244000\na:0.222000\nD:0.011000\nrhs:0\ni:9\nt:0.3\nb:0.4\nrhs:1\n";
    }
    Chart chart(f.family, paf);
    const FamilyTreeChartState& state = familyTreeChart(chart.run->ctx);
    EXPECT_EQ(state.positionsPath, positions);
    EXPECT_TRUE(state.branches[2].pinned);
    EXPECT_FALSE(state.branches[1].pinned);
    EXPECT_DOUBLE_EQ(state.branches[2].t, 0.2);
    EXPECT_EQ(state.branches[2].rhs, 0);
    EXPECT_TRUE(chart.has("DR,2.55,2.2,3.4,2.684000")) << "Gus's name box on the left, where the file puts it";
}

TEST_F(FtcTest, CommandLineDrawsTheChartAndAppliesSavedPositions) {
    SmallFamily f;
    TempDir dir;
    const std::string paf = dir.file("fam.paf");
    ASSERT_TRUE(writePafFile(f.family, paf));
    const std::string out = dir.file("tree.log");
    CommandResult r = runTamblewin({"report", "family-tree-chart", "--paf", paf, "--start", "1", "--plain-background",
                                    "--date", "2026-12-07", "-o", out});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string plain = fileText(out);
    EXPECT_NE(plain.find("TOC,4.25,9.845,7 December 2026\n"), std::string::npos);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), '\n') < 300, true) << "no leaves";
    EXPECT_EQ(plain.find("DR,2.55,2.2,3.4,2.684000\n"), std::string::npos);

    std::ofstream(dir.file("famm1.twft")) << "i:2\nt:0.2\nb:0.244\na:0.222\nD:0.011\nrhs:0\n";
    r = runTamblewin({"report", "family-tree-chart", "--paf", paf, "--start", "1", "-o", out});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string pinned = fileText(out);
    EXPECT_NE(pinned.find("DR,2.55,2.2,3.4,2.684000\n"), std::string::npos);
    EXPECT_GT(std::count(pinned.begin(), pinned.end(), '\n'), 2000) << "leaves by default";
}

}  // namespace
}  // namespace tw::test
