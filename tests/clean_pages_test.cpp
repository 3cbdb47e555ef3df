// Every report's pages read back as a reader of the sheet would: no text over text,
// over a rule, out of its box or within the printer's margin. Run on the demo
// family, on GEDCOM files that other people wrote, and on families made to stress
// the layout.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "base/translation.h"
#include "gedcom/gedcom_import.h"
#include "support/page_checker.h"
#include "support/paf_fixture.h"
#include "support/stress_families.h"
#include "run/app_context.h"
#include "wizard/report_kind.h"

namespace tw::test {
namespace {

constexpr char kMark = '\x02';

std::string page(const std::vector<std::string>& commands) {
    std::string text;
    for (const std::string& c : commands) text += kMark + c;
    return text + kMark + "ED";
}

struct CheckerCase {
    const char* name;
    std::vector<std::string> commands;
    std::vector<std::string> problems;  // the start of each finding's problem, in order
};

TEST(PageChecker, FindsEachKindOfFault) {
    const std::vector<CheckerCase> cases = {
        {"clean", {"FN,Times", "FS,10", "TO,1.,1.,Ann", "TO,2.,1.,Bob", "M,1.,1.2", "L,3.,1.2"}, {}},
        {"text over text", {"TO,1.,1.,Annabelle Smithson", "TO,1.5,1.05,Bob"}, {"overprints"}},
        {"right-aligned into the left text", {"TO,1.,1.,Annabelle", "TOR,1.7,1.,12 Nov 1901"}, {"overprints"}},
        {"over a column rule", {"M,1.5,.5", "L,1.5,3.", "TO,1.,1.,Annabelle Smithson"}, {"crosses the rule"}},
        {"out of its box", {"DR,1.,1.,2.,1.5", "TO,1.1,1.4,Ann"}, {"crosses the rule"}},
        {"centred past the edge", {"TOC,.3,5.,Annabelle"}, {"is within 0.25 in"}},
        {"rule in the margin", {"M,.1,5.", "L,1.,5."}, {"is within 0.25 in"}},
        {"rotated past the foot", {"TOA,4.,10.9,900,Times,12,Annabelle"}, {"is within 0.25 in"}},
    };
    for (const CheckerCase& c : cases) {
        const auto found = checkPage(page(c.commands), 1, SheetSize{}, 600);
        bool asExpected = found.size() == c.problems.size();
        for (size_t i = 0; asExpected && i < found.size(); ++i) asExpected = found[i].problem.starts_with(c.problems[i]);
        EXPECT_TRUE(asExpected) << c.name << (found.empty() ? "" : ": " + describe(found[0]));
    }
}

TEST(PageChecker, NamesThePageTheTextAndTheOverflow) {
    const auto found = checkPage(page({"M,2.,1.", "L,2.,2.", "TO,1.9,1.2,Ann"}), 3, SheetSize{}, 600);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].page, 3);
    EXPECT_EQ(found[0].text, "Ann");
    EXPECT_NEAR(found[0].overflow, 0.1, 1e-9);  // the part left of the rule is the smaller
}

// Every test below runs on every paper in every language: longer words (German
// column titles, Spanish group titles) must fit as English ones do.
struct Sheet {
    Paper paper;
    std::string_view language;
};

std::vector<Sheet> everySheet() {
    std::vector<Sheet> sheets;
    for (const Paper paper : kAllPapers) sheets.push_back({paper, "en"});
    for (const std::string_view language : shippedLanguages())
        for (const Paper paper : kAllPapers) sheets.push_back({paper, language});
    return sheets;
}

std::string paperTestName(Paper paper) { return std::string(paperTitle(paper)); }
std::string sheetTestName(const Sheet& sheet) {
    return paperTestName(sheet.paper) + (sheet.language == "en" ? "" : "_" + std::string(sheet.language));
}

// Makes the sheet's language the one in use for the test; skipped (with the reason)
// in builds without the translations.
bool useSheetLanguage(const Sheet& sheet) {
    useLanguage(std::string(sheet.language), std::vector<std::string>{TAMBLEWIN_TRANSLATIONS_DIR});
    return languageInUse() == sheet.language;
}

class CleanPages : public ::testing::TestWithParam<Sheet> {
protected:
    void SetUp() override {
        if (!useSheetLanguage(GetParam())) GTEST_SKIP() << "this build has no translations (Qt's lrelease builds them)";
    }
    void TearDown() override { useLanguage("en", {}); }
    Paper paper() const { return GetParam().paper; }
};

TEST_P(CleanPages, DemoFamily) {
    const std::vector<uint8_t> image = fileBytes(TAMBLEWIN_DEMO_PAF);
    ASSERT_FALSE(image.empty()) << TAMBLEWIN_DEMO_PAF;
    const auto findings = findingsOfEveryReport(image, TAMBLEWIN_DEMO_PAF, paper());
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << joined(findings);
}

constexpr int32_t kStartsPerFile = 12;

class CleanPagesOnGedcom : public ::testing::TestWithParam<std::tuple<const char*, Sheet>> {
protected:
    void SetUp() override {
        if (!useSheetLanguage(std::get<1>(GetParam())))
            GTEST_SKIP() << "this build has no translations (Qt's lrelease builds them)";
    }
    void TearDown() override { useLanguage("en", {}); }
};

TEST_P(CleanPagesOnGedcom, EveryReport) {
    const std::filesystem::path path = gedcomSamples() / std::get<0>(GetParam());
    const Paper paper = std::get<1>(GetParam()).paper;
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << path << " is missing: run tools/fetch_gedcom_samples.sh (needs apt-get download)";
    const std::vector<uint8_t> bytes = fileBytes(path);
    gedcom::ImportResult imported = gedcom::importGedcom(std::string(bytes.begin(), bytes.end()));
    ASSERT_TRUE(imported.ok()) << imported.error;
    const auto people = int32_t(imported.family.personCount());
    const auto families = int32_t(imported.family.marriageCount());
    const std::vector<uint8_t> image = buildPafImage(std::move(imported.family)).flatten();
    // From the first individual and couple, and from a spread of others.
    std::vector<std::string> findings;
    for (int32_t k = 0; k < kStartsPerFile; ++k) {
        const int32_t rin = 1 + k * std::max(people / kStartsPerFile, 1);
        const int32_t mrin = 1 + k * std::max(families / kStartsPerFile, 1);
        if (rin > people || mrin > families) break;
        const auto found = findingsOfEveryReport(image, path.string(), paper, rin, mrin);
        findings.insert(findings.end(), found.begin(), found.end());
    }
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << joined(findings);
}

INSTANTIATE_TEST_SUITE_P(Debian, CleanPagesOnGedcom,
                         ::testing::Combine(::testing::Values("sample.ged", "royal.ged", "ti.ged"),
                                            ::testing::ValuesIn(everySheet())),
                         [](const auto& info) {
                             const std::string file = std::get<0>(info.param);
                             return file.substr(0, file.find('.')) + "_" + sheetTestName(std::get<1>(info.param));
                         });

// Families made to stress the layout.

// Couples with 1 to 40 children (MRIN n has n children; every third couple has one
// partner only), the children's own families giving every count column something.
WriterFamily familiesOfEverySize() {
    WriterFamily f;
    int n = 0;
    for (int children = 1; children <= 40; ++children) {
        WriterMarriage m;
        m.husband = f.addPerson(stressedPerson(++n, 'M'));
        if (children % 3 != 0) m.wife = f.addPerson(stressedPerson(++n, 'F'));
        m.date = dateForm(n);
        m.place = place(n);
        for (int c = 0; c < children; ++c) m.children.push_back(f.addPerson(stressedPerson(++n, c % 2 ? 'F' : 'M')));
        f.addMarriage(m);
    }
    return f;
}

// A line 30 generations deep whose middle generations hold thousands: from the
// start couple a binary tree of one-partner families 11 generations deep, then one
// line on from its first leaf. RIN 1 is the last of the line.
WriterFamily deepAndWideLine() {
    WriterFamily f;
    f.addPerson(stressedPerson(0, 'M'));  // RIN 1, the end of the line
    std::vector<int32_t> generation = {f.addPerson(stressedPerson(1, 'M'))};
    WriterMarriage top;
    top.husband = generation[0];
    top.wife = f.addPerson(stressedPerson(2, 'F'));
    for (int depth = 1; depth < 30; ++depth) {
        std::vector<int32_t> next;
        const size_t parents = depth < 12 ? generation.size() : 1;
        for (size_t i = 0; i < parents; ++i) {
            WriterMarriage m = depth == 1 ? top : WriterMarriage{};
            m.husband = generation[i];
            const int kids = depth < 12 ? 2 : 1;
            for (int k = 0; k < kids; ++k) {
                const bool last = depth == 29 && k == 0 && i == 0;
                const int32_t child = last ? 1 : f.addPerson(person("Child " + std::to_string(depth) + " /Line/"));
                m.children.push_back(child);
                next.push_back(child);
            }
            f.addMarriage(m);
        }
        generation = std::move(next);
    }
    return f;
}

TEST_P(CleanPages, FamiliesOfEverySizeWithLongNamesAndEveryDateForm) {
    const std::vector<uint8_t> image = buildPafImage(familiesOfEverySize()).flatten();
    std::vector<std::string> findings;
    for (const int32_t mrin : {1, 2, 3, 7, 12, 13, 14, 19, 20, 25, 31, 40}) {
        const auto found = findingsOfEveryReport(image, deepPath(), paper(), 1 + mrin, mrin);
        findings.insert(findings.end(), found.begin(), found.end());
    }
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << joined(findings);
}

// The Descendant Summary Chart's couple box and rows: couples of one to twelve
// words each, with 1 to 15 children.
TEST_P(CleanPages, SummaryChartCouplesOfEveryLengthAndSize) {
    std::vector<std::string> findings;
    for (const int words : {1, 4, 7, 8, 12})
        for (const int children : {1, 11, 12, 13, 14, 15}) {
            WriterFamily f = coupleWithChildren(children);
            f.person(1).name = givenNames(words - 1 + 12 * 7) + " /Quillfeather/";
            f.person(2).name = givenNames(words - 1 + 12 * 5) + " /" + surname(words) + "/";
            for (const std::string& found : findingsOfEveryReport(buildPafImage(f).flatten(), deepPath(), paper()))
                if (found.starts_with("descendant-summary-chart"))
                    findings.push_back(std::to_string(words) + " words, " + std::to_string(children) +
                                       " children: " + found);
        }
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << joined(findings);
}

// The Family Tree Chart's branches: 1 to 40 children, each with one to three
// children of their own, so that every branch has its box of names and counts.
TEST_P(CleanPages, TreeChartBranchesOfLargeFamilies) {
    std::vector<std::string> findings;
    for (const int children : {1, 5, 12, 18, 19, 20, 25, 31, 40}) {
        WriterFamily f = coupleWithChildren(children);
        for (int c = 0; c < children; ++c) {
            WriterMarriage m;
            m.husband = 3 + c;
            f.person(3 + c).sex = 'M';
            for (int g = 0; g <= c % 3; ++g) m.children.push_back(f.addPerson(stressedPerson(c + g, 'F')));
            f.addMarriage(m);
        }
        for (const std::string& found : findingsOfEveryReport(buildPafImage(f).flatten(), deepPath(), paper()))
            if (found.starts_with("family-tree-chart"))
                findings.push_back(std::to_string(children) + " children: " + found);
    }
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << joined(findings);
}

TEST_P(CleanPages, LineThirtyGenerationsDeepWithFourDigitCounts) {
    const std::vector<uint8_t> image = buildPafImage(deepAndWideLine()).flatten();
    const auto findings = findingsOfEveryReport(image, deepPath(), paper(), 1, 1);
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << joined(findings);
}

INSTANTIATE_TEST_SUITE_P(EveryPaper, CleanPages, ::testing::ValuesIn(everySheet()),
                         [](const auto& info) { return sheetTestName(info.param); });

}  // namespace
}  // namespace tw::test
