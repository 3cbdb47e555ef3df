// Every report's pages read back as a reader of the sheet would: no text over text,
// over a rule, out of its box or within the printer's margin. Run on the demo
// family, on GEDCOM files that other people wrote, and on families made to stress
// the layout.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "gedcom/gedcom_import.h"
#include "support/page_checker.h"
#include "support/paf_fixture.h"
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

// Every report on one data file, each in a context of its own, from the given
// start individual and couple, on the given paper; the findings of all their pages,
// described.
std::vector<std::string> findingsOfEveryReport(const std::vector<uint8_t>& image, const std::string& dataFilePath,
                                               Paper paper, int32_t startRin = 1, int32_t startMrin = 1) {
    std::vector<std::string> findings;
    for (const ReportInfo& info : allReports()) {
        if (info.generator == nullptr) continue;
        RecordingHost host;
        AppContext ctx(host);
        if (ctx.file.openImage(image) != PafFile::kOpened) {
            findings.push_back(std::string(info.commandName) + ": the image does not open");
            continue;
        }
        ctx.dataFilePath = dataFilePath;
        ctx.paper = paper;
        ReportInput input;
        input.startRin = startRin;
        input.mrins.push(startMrin);
        info.generator(ctx, input);
        for (const PageFinding& f : checkPageLog(ctx.pageLog))
            findings.push_back(std::string(info.commandName) + ", " + describe(f));
    }
    return findings;
}

constexpr size_t kShownFindings = 4000;

std::string joined(const std::vector<std::string>& findings) {
    std::string text;
    for (size_t i = 0; i < findings.size() && i < kShownFindings; ++i) text += findings[i] + "\n";
    if (findings.size() > kShownFindings) text += "... and " + std::to_string(findings.size() - kShownFindings) + " more\n";
    return text;
}

std::vector<uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every test below runs on every paper.
class CleanPages : public ::testing::TestWithParam<Paper> {};

std::string paperTestName(Paper paper) { return std::string(paperTitle(paper)); }

TEST_P(CleanPages, DemoFamily) {
    const std::vector<uint8_t> image = fileBytes(TAMBLEWIN_DEMO_PAF);
    ASSERT_FALSE(image.empty()) << TAMBLEWIN_DEMO_PAF;
    const auto findings = findingsOfEveryReport(image, TAMBLEWIN_DEMO_PAF, GetParam());
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << joined(findings);
}

std::filesystem::path gedcomSamples() {
    if (const char* env = std::getenv("TAMBLEWIN_GEDCOM_SAMPLES")) return env;
    return TAMBLEWIN_GEDCOM_SAMPLES_DIR;
}

constexpr int32_t kStartsPerFile = 12;

class CleanPagesOnGedcom : public ::testing::TestWithParam<std::tuple<const char*, Paper>> {};

TEST_P(CleanPagesOnGedcom, EveryReport) {
    const std::filesystem::path path = gedcomSamples() / std::get<0>(GetParam());
    const Paper paper = std::get<1>(GetParam());
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << path << " is missing: run tools/fetch_gedcom_samples.sh (needs apt-get download)";
    const std::vector<uint8_t> bytes = fileBytes(path);
    const gedcom::ImportResult imported = gedcom::importGedcom(std::string(bytes.begin(), bytes.end()));
    ASSERT_TRUE(imported.ok()) << imported.error;
    const std::vector<uint8_t> image = buildPafImage(imported.family).flatten();
    // From the first individual and couple, and from a spread of others.
    std::vector<std::string> findings;
    const auto people = int32_t(imported.family.people.size());
    const auto families = int32_t(imported.family.marriages.size());
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
                                            ::testing::ValuesIn(kAllPapers)),
                         [](const auto& info) {
                             const std::string file = std::get<0>(info.param);
                             return file.substr(0, file.find('.')) + "_" + paperTestName(std::get<1>(info.param));
                         });

// Families made to stress the layout.

// A data file 200 characters deep in folders.
std::string deepPath() {
    std::string path;
    while (path.size() < 200) path += "/Genealogy research " + std::to_string(path.size());
    return path + "/Tamble family.paf";
}

// The n-th of a run of names of growing length: one to twelve words.
std::string givenNames(int n) {
    static const char* const kWords[] = {"Maximilian", "Wilhelmina", "Jo", "Bartholomew", "Anne-Marie", "Ulrich",
                                         "Konstantinopolous", "Eve", "Theodora", "Friedrich", "Mary", "Christabel"};
    std::string names;
    for (int w = 0; w <= n % 12; ++w) names += std::string(names.empty() ? "" : " ") + kWords[(n + w) % 12];
    return names;
}

std::string surname(int n) {
    static const char* const kSurnames[] = {"Ng", "Smith", "BOULOGNE (of FLANDERS; LORRAINE)", "Featherstonehaugh",
                                            "de la Tour d'Auvergne-Lauraguais", "Wolfeschlegelsteinhausenbergerdorff",
                                            "O", "van der Merwe-Oppenheimer"};
    return kSurnames[n % 8];
}

std::string place(int n) {
    static const char* const kPlaces[] = {"", "Ely", "Lindenau, Sachsen",
                                          "Saint-Germain-en-Laye, Yvelines, Ile-de-France, France",
                                          "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch, Anglesey, Wales"};
    return kPlaces[n % 5];
}

// Every form a date takes: day, month and year, parts missing, qualifiers, ranges,
// dual years, status codes and text.
WriterDate dateForm(int n) {
    const DateValue day{28, 11, 1800 + n % 150};
    switch (n % 10) {
    case 0: return makeDate(day);
    case 1: return makeDate({0, 11, day.year}, kQualAbout);
    case 2: return makeDate({0, 0, day.year}, kQualBefore);
    case 3: return makeDateRange(day, {12, 12, day.year + 1}, 3, kQualAfter);
    case 4: return makeDateRange(day, {14, 9, day.year + 3}, 4, kQualEstimated);
    case 5: return makeDateRange({11, 2, day.year}, {0, 0, day.year + 1}, 3);
    case 6: return makeStatusDate(3);
    case 7: return WriterDate::asText("about the time of the great flood of the valley");
    case 8: return makeDate(day, kQualCalculated, CenturyTable::B);
    default: return {};
    }
}

WriterPerson stressedPerson(int n, char sex) {
    WriterPerson p = person(givenNames(n) + " /" + surname(n) + "/", sex);
    p.birth = dateForm(n);
    p.christening = dateForm(n + 3);
    p.death = dateForm(n + 5);
    p.burial = dateForm(n + 7);
    p.baptism = dateForm(n + 1);
    p.endowment = dateForm(n + 2);
    p.birthPlace = place(n);
    return p;
}

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
        const auto found = findingsOfEveryReport(image, deepPath(), GetParam(), 1 + mrin, mrin);
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
            for (const std::string& found : findingsOfEveryReport(buildPafImage(f).flatten(), deepPath(), GetParam()))
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
        for (const std::string& found : findingsOfEveryReport(buildPafImage(f).flatten(), deepPath(), GetParam()))
            if (found.starts_with("family-tree-chart"))
                findings.push_back(std::to_string(children) + " children: " + found);
    }
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << joined(findings);
}

TEST_P(CleanPages, LineThirtyGenerationsDeepWithFourDigitCounts) {
    const std::vector<uint8_t> image = buildPafImage(deepAndWideLine()).flatten();
    const auto findings = findingsOfEveryReport(image, deepPath(), GetParam(), 1, 1);
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << joined(findings);
}

INSTANTIATE_TEST_SUITE_P(EveryPaper, CleanPages, ::testing::ValuesIn(kAllPapers),
                         [](const auto& info) { return paperTestName(info.param); });

}  // namespace
}  // namespace tw::test
