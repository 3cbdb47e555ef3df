// GEDCOM files that other people wrote (fetched by tools/fetch_gedcom_samples.sh from
// Debian packages): imported, written as PAF and read back, and checked against a
// plain count of the source text made here without the importer.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "gedcom/gedcom_import.h"
#include "paf/dates.h"
#include "paf/records.h"
#include "support/paf_fixture.h"

namespace tw {
namespace {

std::filesystem::path samplesFolder() {
    if (const char* env = std::getenv("TAMBLEWIN_GEDCOM_SAMPLES")) return env;
    return TAMBLEWIN_GEDCOM_SAMPLES_DIR;
}

// What a reader who knows only the outline of GEDCOM finds in the text.
struct SourceCount {
    std::vector<std::string> people;                    // INDI ids in file order
    std::vector<std::string> families;                  // FAM ids in file order
    std::map<std::string, std::string> husband, wife;   // by family id
    std::map<std::string, std::vector<std::string>> children;
    size_t dates = 0;  // the first dated BIRT, CHR, DEAT, BURI, BAPL, ENDL, MARR, SLGS of a record; every dated SLGC
};

SourceCount countSource(const std::string& text) {
    SourceCount c;
    std::istringstream in(text);
    std::string line, record, family, event;
    std::set<std::string> datedInRecord;
    bool eventDated = false;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string level, second, third;
        words >> level >> second >> third;
        if (level == "0") {
            record = third.empty() ? second : third;
            datedInRecord.clear();
            if (record == "INDI") c.people.push_back(second);
            if (record == "FAM") c.families.push_back(family = second);
        } else if (level == "1") {
            event = second;
            eventDated = false;
            if (record == "FAM" && second == "HUSB") c.husband[family] = third;
            if (record == "FAM" && second == "WIFE") c.wife[family] = third;
            if (record == "FAM" && second == "CHIL") c.children[family].push_back(third);
        } else if (level == "2" && second == "DATE" && !third.empty() && !eventDated) {
            static const std::set<std::string> kEvents = {"BIRT", "CHR", "DEAT", "BURI", "BAPL", "ENDL", "MARR", "SLGS"};
            eventDated = true;
            if (event == "SLGC") ++c.dates;
            else if (kEvents.count(event) && datedInRecord.insert(event).second) ++c.dates;
        }
    }
    return c;
}

size_t datesInPaf(PafContext& ctx) {
    size_t n = 0;
    auto count = [&](const PafDate& d) { n += isEmptyDate(decodeDate(ctx, d)) ? 0 : 1; };
    for (int32_t rin = 1; rin <= ctx.file.highestRin(); ++rin) {
        IndividualRecord p;
        if (!readIndividual(ctx.file, rin, p)) continue;
        for (const PafDate* d : {&p.birth, &p.christening, &p.death, &p.burial, &p.baptism, &p.endowment}) count(*d);
    }
    for (int32_t mrin = 1; mrin <= ctx.file.highestMrin(); ++mrin) {
        MarriageRecord m;
        if (!readMarriage(ctx.file, mrin, m)) continue;
        count(m.date);
        count(m.sealing);
        ChildLinkRecord link;
        for (int32_t l = m.firstChildLink, steps = 0; l != 0 && readChildLink(ctx.file, l, link) && steps < 1000; ++steps) {
            count(link.sealing);
            l = link.next == m.firstChildLink ? 0 : link.next;
        }
    }
    return n;
}

class GedcomRealData : public ::testing::TestWithParam<const char*> {};

TEST_P(GedcomRealData, ImportsEveryPersonFamilyChildAndDate) {
    const std::filesystem::path path = samplesFolder() / GetParam();
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << path << " is missing: run tools/fetch_gedcom_samples.sh (needs apt-get download)";
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    const SourceCount source = countSource(text);
    ASSERT_GT(source.people.size(), 10u);

    const gedcom::ImportResult imported = gedcom::importGedcom(text);
    ASSERT_TRUE(imported.ok()) << imported.error;
    for (const std::string& w : imported.warnings) ADD_FAILURE() << "unexpected warning: " << w;
    auto f = test::openFamily(unpackFamily(imported.family));
    PafContext& ctx = f->ctx;
    ASSERT_EQ(size_t(ctx.file.highestRin()), source.people.size());
    ASSERT_EQ(size_t(ctx.file.highestMrin()), source.families.size());

    std::map<std::string, int32_t> rinOf;
    for (size_t i = 0; i < source.people.size(); ++i) rinOf[source.people[i]] = int32_t(i + 1);
    size_t childLinks = 0, sourceChildren = 0;
    for (size_t i = 0; i < source.families.size(); ++i) {
        const std::string& id = source.families[i];
        SCOPED_TRACE(id);
        MarriageRecord m;
        ASSERT_TRUE(readMarriage(ctx.file, int32_t(i + 1), m));
        EXPECT_EQ(m.husband, source.husband.count(id) ? rinOf.at(source.husband.at(id)) : 0);
        EXPECT_EQ(m.wife, source.wife.count(id) ? rinOf.at(source.wife.at(id)) : 0);
        std::vector<int32_t> expected, found;
        if (source.children.count(id)) {
            for (const std::string& child : source.children.at(id)) expected.push_back(rinOf.at(child));
        }
        ChildLinkRecord link;
        for (int32_t l = m.firstChildLink; l != 0 && found.size() <= expected.size();) {
            ASSERT_TRUE(readChildLink(ctx.file, l, link));
            found.push_back(link.child);
            l = link.next == m.firstChildLink ? 0 : link.next;
        }
        EXPECT_EQ(found, expected);
        childLinks += found.size();
        sourceChildren += expected.size();
    }
    EXPECT_EQ(childLinks, sourceChildren);
    EXPECT_EQ(imported.counts.children, sourceChildren);
    EXPECT_EQ(datesInPaf(ctx), source.dates);
    EXPECT_EQ(imported.counts.dates, source.dates);
    EXPECT_EQ(imported.counts.textDates, 0u);  // every date in these files is one PAF can encode
    for (int32_t rin = 1; rin <= ctx.file.highestRin(); ++rin) EXPECT_NE(individualName(ctx, rin), "") << rin;
    std::printf("%s: %zu people, %zu families, %zu children, %zu dates (%zu kept as text)\n", GetParam(),
                source.people.size(), source.families.size(), sourceChildren, source.dates, imported.counts.textDates);
}

INSTANTIATE_TEST_SUITE_P(Debian, GedcomRealData, ::testing::Values("sample.ged", "royal.ged"),
                         [](const auto& info) { return std::string(info.param).substr(0, std::string(info.param).find('.')); });

}  // namespace
}  // namespace tw
