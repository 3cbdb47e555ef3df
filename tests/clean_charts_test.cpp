// The three charts read back as a reader of the sheet would, on families made to find
// their limits: couples of 21 and 40 children, names of 180 characters, people
// recorded by a surname alone or with no name at all, couples with one partner, a
// line 90 generations deep, ancestors with long names. Every chart on every paper
// prints a page, and the page checker finds nothing on it.

#include <gtest/gtest.h>

#include <filesystem>

#include "gedcom/gedcom_import.h"

#include <string>
#include <vector>

#include "charts/dsc.h"
#include "charts/fdc.h"
#include "charts/ftc_chart.h"
#include "support/page_checker.h"
#include "support/paf_fixture.h"
#include "support/stress_families.h"
#include "run/app_context.h"

namespace tw::test {
namespace {

// A name of about length characters: given names from the stress run, then a surname.
std::string nameOfLength(size_t length, const std::string& surnameText) {
    std::string given;
    for (int n = 0; given.size() + surnameText.size() + 3 < length; ++n) given += (given.empty() ? "" : " ") + givenNames(n * 13);
    given.resize(length - surnameText.size() - 3);
    while (!given.empty() && given.back() == ' ') given.pop_back();
    return given + " /" + surnameText + "/";
}

// Children's names of every awkward kind, in turn.
std::string childName(int n) {
    switch (n % 9) {
    case 0: return "/Zaynab/";  // a surname alone
    case 1: return "";          // no name at all
    case 2: return "Al Hasan ibn Ali /Talib/";
    case 3: return "the Elder /Gofraid/";
    case 4: return nameOfLength(180, "Tamble");
    case 5: return givenNames(n) + " /" + surname(n) + "/";
    case 6: return "Jo /Ng/";
    case 7: return "/William Pitt Leleiohoku/ I";
    default: return "Konstantinopolous Bartholomew Maximilian /Featherstonehaugh/";
    }
}

struct StressFamilies {
    WriterFamily f;
    int32_t twentyOne = 0, forty = 0, longNames = 0, husbandOnly = 0, wifeOnly = 0, deepLine = 0, midLine = 0;
    int next = 0;

    int32_t child(WriterMarriage& m) {
        const int n = next++;
        const int32_t rin = f.addPerson(person(childName(n), n % 2 ? 'F' : 'M'));
        m.children.push_back(rin);
        return rin;
    }
    // A couple of the given partners (0: none) with children, each of whom has up to
    // three children of their own, some with children again.
    int32_t couple(int32_t husband, int32_t wife, int children) {
        WriterMarriage m;
        m.husband = husband;
        m.wife = wife;
        m.date = dateForm(children);
        m.place = place(children);
        std::vector<int32_t> kids;
        for (int c = 0; c < children; ++c) kids.push_back(child(m));
        const int32_t mrin = f.addMarriage(m);
        for (size_t c = 0; c < kids.size(); ++c) {
            if (c % 4 == 3) continue;
            WriterMarriage below;
            (f.person(kids[c]).sex == 'M' ? below.husband : below.wife) = kids[c];
            std::vector<int32_t> grandchildren;
            for (size_t g = 0; g <= c % 3; ++g) grandchildren.push_back(child(below));
            f.addMarriage(below);
            if (c % 5 == 0) {
                WriterMarriage further;
                further.husband = grandchildren.front();
                f.person(grandchildren.front()).sex = 'M';
                child(further);
                child(further);
                f.addMarriage(further);
            }
        }
        return mrin;
    }
    // Parents for rin, with long names, for the given number of generations.
    void ancestors(int32_t rin, int generations) {
        if (generations == 0) return;
        WriterMarriage m;
        m.husband = f.addPerson(person(nameOfLength(60 + 10 * generations, "Featherstonehaugh"), 'M'));
        m.wife = f.addPerson(person(nameOfLength(70 + 10 * generations, "de la Tour d'Auvergne-Lauraguais"), 'F'));
        m.children.push_back(rin);
        f.addMarriage(m);
        ancestors(m.husband, generations - 1);
        ancestors(m.wife, generations - 1);
    }

    StressFamilies() {
        const auto partner = [&](char sex) { return f.addPerson(stressedPerson(next++, sex)); };
        twentyOne = couple(partner('M'), partner('F'), 21);
        forty = couple(partner('M'), partner('F'), 40);
        const int32_t husband = f.addPerson(person(nameOfLength(180, "Wolfeschlegelsteinhausenbergerdorff"), 'M'));
        const int32_t wife = f.addPerson(person(nameOfLength(179, "Wolfeschlegelsteinhausenbergerdorff"), 'F'));
        longNames = couple(husband, wife, 5);
        ancestors(husband, 5);
        ancestors(wife, 4);
        husbandOnly = couple(partner('M'), 0, 3);
        wifeOnly = couple(0, partner('F'), 3);
        // A line 90 generations deep below a couple of four children.
        deepLine = couple(partner('M'), partner('F'), 3);
        int32_t parent = f.addPerson(person("Anton /Line/"));
        f.marriage(deepLine).children.push_back(parent);
        for (int g = 0; g < 90; ++g) {
            WriterMarriage m;
            m.husband = parent;
            parent = f.addPerson(person("Son" + std::to_string(g) + " /Line/"));
            m.children.push_back(parent);
            const int32_t mrin = f.addMarriage(m);
            if (g == 45) midLine = mrin;
        }
    }
    std::vector<int32_t> couples() const { return {twentyOne, forty, longNames, husbandOnly, wifeOnly, deepLine, midLine}; }
};

struct ChartKind {
    const char* name;
    ReportGenerator generator;
};
const ChartKind kCharts[] = {{"descendant-summary-chart", generateDescendantSummaryChart},
                             {"family-tree-chart", generateFamilyTreeChart},
                             {"family-date-chart", generateFamilyDateChart}};

class CleanCharts : public ::testing::TestWithParam<Paper> {};

TEST_P(CleanCharts, EveryCoupleOfTheStressFamiliesPrintsClean) {
    const StressFamilies stress;
    const std::vector<uint8_t> image = buildPafImage(stress.f).flatten();
    std::vector<std::string> faults;
    for (const int32_t mrin : stress.couples())
        for (const ChartKind& chart : kCharts) {
            RecordingHost host;
            AppContext ctx(host);
            ASSERT_EQ(ctx.file.openImage(image), PafFile::kOpened);
            ctx.dataFilePath = deepPath();
            ctx.paper = GetParam();
            ReportInput input;
            input.mrins.push(mrin);
            chart.generator(ctx, input);
            const std::string where = std::string(chart.name) + ", MRIN " + std::to_string(mrin) + ", ";
            if (ctx.pageLog.storedPageCount() == 0) faults.push_back(where + "no page");
            for (const RecordedMessage& m : host.messages)
                if (m.caption == "Problem!" || m.caption == "Error") faults.push_back(where + m.caption + ": " + m.text);
            for (const PageFinding& finding : checkPageLog(ctx.pageLog)) faults.push_back(where + describe(finding));
        }
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults:\n" << joined(faults);
}

// The summary chart prints for every couple of the GEDCOM files other people wrote,
// on every paper.
TEST_P(CleanCharts, EverySummaryChartOfTheFetchedFilesPrints) {
    for (const char* name : {"sample.ged", "royal.ged", "ti.ged"}) {
        const std::filesystem::path path = gedcomSamples() / name;
        if (!std::filesystem::exists(path))
            GTEST_SKIP() << path << " is missing: run tools/fetch_gedcom_samples.sh (needs apt-get download)";
        const std::vector<uint8_t> bytes = fileBytes(path);
        const gedcom::ImportResult imported = gedcom::importGedcom(std::string(bytes.begin(), bytes.end()));
        ASSERT_TRUE(imported.ok()) << imported.error;
        const std::vector<uint8_t> image = buildPafImage(imported.family).flatten();
        std::vector<std::string> faults;
        for (int32_t mrin = 1; mrin <= int32_t(imported.family.marriages.size()); ++mrin) {
            RecordingHost host;
            AppContext ctx(host);
            ASSERT_EQ(ctx.file.openImage(image), PafFile::kOpened);
            ctx.paper = GetParam();
            ReportInput input;
            input.mrins.push(mrin);
            generateDescendantSummaryChart(ctx, input);
            const std::string where = std::string(name) + ", MRIN " + std::to_string(mrin) + ": ";
            if (ctx.pageLog.storedPageCount() == 0) faults.push_back(where + "no page");
            for (const RecordedMessage& m : host.messages)
                if (m.caption == "Problem!") faults.push_back(where + m.text);
        }
        EXPECT_TRUE(faults.empty()) << faults.size() << " refused:\n" << joined(faults);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPaper, CleanCharts, ::testing::ValuesIn(kAllPapers),
                         [](const auto& info) { return std::string(paperTitle(info.param)); });

}  // namespace
}  // namespace tw::test
