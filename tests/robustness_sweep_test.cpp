// Damaged data files: a small sound family written with PafWriter, then cut short,
// its header fields and page maps changed, its links pointed past the end, at
// deleted records and at the wrong table, its chains made to loop. Each damaged
// image is opened and every report (and the browse list) is run on it. Each run must
// end, with at most a few messages and no fatal stop other than the corrupt-data
// stop or the unknown-date stop; a chain that loops gives one corrupt-data message,
// not one per step. The runs share the fuzz targets' harness.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "fuzz/harness.h"
#include "paf/byte_order.h"
#include "paf/date_encoding.h"
#include "paf/paf_file.h"
#include "paf/records.h"
#include "support/paf_fixture.h"

namespace tw::test {
namespace {

using fuzz::couple;
using fuzz::RunOutcome;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

// RIN 1 has parents (MRIN 2) and a grandfather (MRIN 3); he married twice (MRIN 1
// with two children, MRIN 4 with none); his son has a child (MRIN 5). RIN 11 and
// MRIN 6 are deleted. Dates as values and as text, places, names with accents.
WriterFamily soundFamily() {
    WriterFamily f;
    auto add = [&](const char* name, char sex, int year) {
        WriterPerson p = person(name, sex);
        if (year != 0) p.birth = makeDate({12, 5, year});
        return f.addPerson(p);
    };
    const int32_t me = add("Jonas /Weller/", 'M', 1850);
    const int32_t father = add("Anton /Weller/", 'M', 1820);
    const int32_t mother = add("Berta /R\xf6ss/", 'F', 1822);
    const int32_t wife = add("Clara /Linde/", 'F', 1852);
    const int32_t son = add("Emil /Weller/", 'M', 1875);
    const int32_t daughter = add("Frieda /Weller/", 'F', 1877);
    const int32_t grandfather = add("Georg /Weller/", 'M', 1790);
    const int32_t second = add("Hanna /Brandt/", 'F', 0);
    const int32_t daughterInLaw = add("Ida /Stern/", 'F', 0);
    const int32_t grandchild = add("Karl /Weller/", 'M', 1900);
    WriterPerson gone = person("Gone /Away/", 'M');
    gone.deleted = true;
    const int32_t deleted = f.addPerson(gone);
    f.person(mother).death = WriterDate::asText("Abt 1870");
    f.person(me).birthPlace = "Lindenau, Sachsen";
    WriterMarriage first = couple(me, wife, {son, daughter});
    first.date = makeDate({3, 6, 1873});
    first.place = "Lindenau";
    f.addMarriage(first);
    f.addMarriage(couple(father, mother, {me}));
    f.addMarriage(couple(grandfather, 0, {father}));
    f.addMarriage(couple(me, second, {}));
    f.addMarriage(couple(son, daughterInLaw, {grandchild}));
    f.addMarriage(couple(deleted, 0, {}, true));
    return f;
}

struct Sound {
    std::vector<uint8_t> image;
    PafFile file;  // the sound image, for record addresses
};

const Sound& sound() {
    static const Sound* s = [] {
        auto* made = new Sound;
        const PafImage image = buildPafImage(soundFamily());
        made->image = image.flatten();
        made->file.openImage(made->image);
        return made;
    }();
    return *s;
}

int64_t addressOf(const paf::TableLayout& table, int32_t n) {
    return sound().file.recordAddress(table.pageType, n, table.recordSize, table.recordsPerPage);
}

// The records the sound family uses (a table's last page has empty slots after them).
int32_t recordsIn(const paf::TableLayout& table) {
    const WriterFamily family = soundFamily();
    if (table.pageType == paf::kMarriages.pageType) return int32_t(family.marriages.size());
    if (table.pageType != paf::kChildLinks.pageType) return int32_t(family.people.size());  // individuals, name nodes
    int32_t links = 0;
    for (const WriterMarriage& m : family.marriages) links += int32_t(m.children.size());
    return links;
}

void put32(std::vector<uint8_t>& image, int64_t at, int32_t value) {
    for (int i = 0; i < 4; ++i) image[size_t(at + i)] = uint8_t(uint32_t(value) >> (8 * i));
}

// Runs with a small list limit: a pedigree that loops reaches it quickly. One test
// below runs the program's own limit.
fuzz::RunLimits sweepLimits() {
    fuzz::RunLimits limits;
    limits.listEntryLimit = 4000;
    return limits;
}

// What every run on damaged data must show.
void expectEndsCleanly(const RunOutcome& outcome, const std::string& label) {
    if (!outcome.opened) {
        EXPECT_FALSE(outcome.openProblem.empty()) << label;
        return;
    }
    for (const fuzz::ReportRun& run : outcome.runs) {
        const std::string where = label + ", " + run.name;
        if (run.fatal) {
            EXPECT_TRUE(fuzz::isDataFatal(*run.fatal)) << where << ": " << run.fatal->caption << ": " << run.fatal->text;
            EXPECT_FALSE(run.fatal->text.empty()) << where;
        }
        EXPECT_LE(run.messageCount, 4u) << where << ": first message: "
                                        << (run.messages.empty() ? "" : run.messages[0].text);
        int corrupt = 0;
        for (const fuzz::Message& m : run.messages) {
            EXPECT_FALSE(m.text.empty()) << where;
            corrupt += m.text == corruptDataMessage() ? 1 : 0;
        }
        EXPECT_LE(corrupt, 1) << where;
    }
}

RunOutcome runDamaged(std::vector<uint8_t> image) { return fuzz::openAndRunEverything(std::move(image), sweepLimits()); }

TEST(DamagedFile, SoundFamilyRunsEveryReportWithoutMessages) {
    const RunOutcome outcome = runDamaged(sound().image);
    ASSERT_TRUE(outcome.opened) << outcome.openProblem;
    ASSERT_GE(outcome.runs.size(), 11u);  // the browse list and the reports built so far
    for (const fuzz::ReportRun& run : outcome.runs) {
        EXPECT_FALSE(run.fatal) << run.name;
        EXPECT_EQ(run.messageCount, 0u) << run.name << ": " << (run.messages.empty() ? "" : run.messages[0].text);
        EXPECT_GT(run.pages, 0) << run.name;
    }
}

TEST(DamagedFile, CutAtEveryPageBoundaryAndInBetween) {
    const std::vector<uint8_t>& whole = sound().image;
    std::set<size_t> lengths = {0, 1, 11, 12, size_t(paf::kHeaderSize) - 1, size_t(paf::kHeaderSize), 4096,
                                4097};
    for (size_t page = 8192; page <= whole.size() + 8192; page += 8192) {
        for (const size_t near : {page + 4096 - 1, page + 4096, page + 4096 + 1})  // page starts (12288 + k * 8192)
            lengths.insert(near);
    }
    for (size_t at = 0; at < whole.size(); at += 997) lengths.insert(at);
    int opened = 0;
    for (const size_t length : lengths) {
        if (length >= whole.size()) continue;
        const RunOutcome outcome = runDamaged(std::vector<uint8_t>(whole.begin(), whole.begin() + ptrdiff_t(length)));
        opened += outcome.opened ? 1 : 0;
        expectEndsCleanly(outcome, "cut at " + std::to_string(length));
    }
    // The cuts inside the record pages leave the header and the map whole.
    EXPECT_GT(opened, 20);
}

TEST(DamagedFile, HeaderFieldsChanged) {
    const std::vector<int> fields = {paf::header::kVersion,       paf::header::kSignature,     paf::header::kSpaceCount,
                                     paf::header::kHighestRin,    paf::header::kNameIndexSize, paf::header::kNameIndexRoot,
                                     paf::header::kNameLinkLow,   paf::header::kNameLinkHigh,  paf::header::kHighestMrin};
    for (const int field : fields) {
        const int32_t original = readInt32le(sound().image, size_t(field));
        for (const int32_t value : {0, 1, -1, original + 1, original - 1, 1000, 1 << 20, kMax, kMin}) {
            std::vector<uint8_t> image = sound().image;
            put32(image, field, value);
            expectEndsCleanly(runDamaged(std::move(image)),
                              "header " + std::to_string(field) + " = " + std::to_string(value));
        }
    }
}

// Reports size their per-RIN tables by the highest RIN: a header that claims more
// records than the tables hold must not make them allocate or scan for them.
TEST(DamagedFile, HighestNumbersBeyondTheTablesAreCutToThem) {
    std::vector<uint8_t> image = sound().image;
    put32(image, paf::header::kHighestRin, kMax);
    put32(image, paf::header::kHighestMrin, 1 << 30);
    PafFile file;
    ASSERT_EQ(file.openImage(image), PafFile::kOpened);
    EXPECT_EQ(file.highestRin(), paf::kIndividuals.recordsPerPage);  // one page of each
    EXPECT_EQ(file.highestMrin(), paf::kMarriages.recordsPerPage);
    put32(image, paf::header::kHighestRin, 5);
    ASSERT_EQ(file.openImage(image), PafFile::kOpened);
    EXPECT_EQ(file.highestRin(), 5);
}

TEST(DamagedFile, PageMapAndPageCountsChanged) {
    const std::vector<uint8_t>& whole = sound().image;
    const size_t map = size_t(paf::spaceStart(0));
    const int pages = int((whole.size() - map) / paf::kPageSize);
    for (int p = 0; p <= pages + 1; ++p) {
        for (const int type : {0, 2, 3, 4, 5, 10, 11, 32, 33, 0x80, 0xFF}) {
            std::vector<uint8_t> image = whole;
            image[map + size_t(p)] = uint8_t(type);
            expectEndsCleanly(runDamaged(std::move(image)), "map byte " + std::to_string(p) + " = " + std::to_string(type));
        }
    }
    for (const auto& table : paf::kAllTables) {
        for (const int16_t count : {int16_t(0), int16_t(2), int16_t(-1), int16_t(0x7FFF)}) {
            std::vector<uint8_t> image = whole;
            const size_t at = size_t(paf::kPageCountTableOffset) + size_t(table.pageType - 1) * 2;
            image[at] = uint8_t(count);
            image[at + 1] = uint8_t(uint16_t(count) >> 8);
            expectEndsCleanly(runDamaged(std::move(image)),
                              "page count of type " + std::to_string(table.pageType) + " = " + std::to_string(count));
        }
    }
}

// Every link field of every record of a table set to each of the values.
void sweepLinks(const paf::TableLayout& table, const std::vector<int>& offsets, const std::string& what,
                const std::function<std::vector<int32_t>(int32_t n, int field)>& values) {
    const int32_t records = recordsIn(table);
    ASSERT_GT(records, 0) << what;
    for (int32_t n = 1; n <= records; ++n) {
        for (const int field : offsets) {
            for (const int32_t value : values(n, field)) {
                std::vector<uint8_t> image = sound().image;
                put32(image, addressOf(table, n) + field, value);
                expectEndsCleanly(runDamaged(std::move(image)), what + " " + std::to_string(n) + " field " +
                                                                    std::to_string(field) + " = " +
                                                                    std::to_string(value));
            }
        }
    }
}

TEST(DamagedFile, IndividualLinksPastTheEndDeletedAndWrongTable) {
    const int32_t rins = sound().file.highestRin();
    const int32_t mrins = sound().file.highestMrin();
    const int32_t childLinks = recordsIn(paf::kChildLinks);
    sweepLinks(paf::kIndividuals,
               {paf::individual::kNameOffset, paf::individual::kFirstMrin, paf::individual::kChildLink,
                paf::individual::kBirthPlace},
               "individual", [&](int32_t n, int field) -> std::vector<int32_t> {
                   if (field == paf::individual::kNameOffset || field == paf::individual::kBirthPlace)
                       return {1, int32_t(sound().image.size()) - 5, kMax, -1};
                   if (field == paf::individual::kFirstMrin) return {mrins + 1, mrins, kMax, -7, childLinks, n};
                   return {childLinks + 1, kMax, -1, rins, mrins};
               });
}

TEST(DamagedFile, MarriageLinksPastTheEndLoopingAndWrongTable) {
    const int32_t rins = sound().file.highestRin();
    const int32_t mrins = sound().file.highestMrin();
    const int32_t childLinks = recordsIn(paf::kChildLinks);
    sweepLinks(paf::kMarriages,
               {paf::marriage::kHusband, paf::marriage::kWife, paf::marriage::kFirstChildLink,
                paf::marriage::kHusbandNext, paf::marriage::kWifeNext, paf::marriage::kPlace},
               "marriage", [&](int32_t n, int field) -> std::vector<int32_t> {
                   switch (field) {
                   case paf::marriage::kHusband:
                   case paf::marriage::kWife: return {0, rins + 1, rins, -1, kMax, 1};
                   case paf::marriage::kFirstChildLink: return {childLinks + 1, kMax, -1, 1, mrins};
                   case paf::marriage::kPlace: return {1, kMax, -3};
                   default: return {n, 1, mrins, mrins + 1, -1, kMax};  // next marriage: itself, back, past
                   }
               });
}

TEST(DamagedFile, ChildChainsLoopingIntoTheMiddleAndPastTheEnd) {
    const int32_t rins = sound().file.highestRin();
    const int32_t mrins = sound().file.highestMrin();
    const int32_t childLinks = recordsIn(paf::kChildLinks);
    sweepLinks(paf::kChildLinks, {paf::childlink::kMrin, paf::childlink::kNext, paf::childlink::kChild}, "child link",
               [&](int32_t n, int field) -> std::vector<int32_t> {
                   if (field == paf::childlink::kNext) return {n, 1, childLinks, childLinks + 1, 0, -1, kMax};
                   if (field == paf::childlink::kChild) return {0, 1, rins + 1, -1, kMax};
                   return {0, mrins + 1, n, -1};
               });
}

TEST(DamagedFile, NameIndexTreesThatLoop) {
    const int32_t nodes = recordsIn(paf::kNameNodes);
    const int32_t root = sound().file.nameIndexRoot();
    sweepLinks(paf::kNameNodes, {paf::namenode::kRight, paf::namenode::kLeft, paf::namenode::kNameEntry}, "name node",
               [&](int32_t n, int field) -> std::vector<int32_t> {
                   if (field == paf::namenode::kNameEntry) return {0, 1, kMax, -1};
                   return {n, root, 1, nodes + 1, -1, kMax};
               });
}

// A marriage chain that loops back to its start, a child chain that loops into its
// middle, a man who is his own great-great-grandfather, a couple who are their own
// children: every report ends, without a fatal stop; a chain that loops gives the
// corrupt-data message once; a pedigree that loops ends at the generation or list
// limits.
TEST(LoopingFamily, EveryReportEndsWithOneMessage) {
    struct Case {
        std::string label;
        std::vector<uint8_t> image;
        std::string mrinStart;
        bool chainLoops;
    };
    std::vector<Case> cases;
    {
        // RIN 1's marriages: 1 -> 4 -> 1 ...; walked from his parents' marriage, MRIN 2.
        std::vector<uint8_t> image = sound().image;
        put32(image, addressOf(paf::kMarriages, 4) + paf::marriage::kHusbandNext, 1);
        cases.push_back({"marriage chain back to the first", std::move(image), "2", true});
    }
    {
        // MRIN 1's children: the second child's link leads back to itself.
        std::vector<uint8_t> image = sound().image;
        MarriageRecord m;
        ASSERT_TRUE(readMarriage(sound().file, 1, m));
        ChildLinkRecord first;
        ASSERT_TRUE(readChildLink(sound().file, m.firstChildLink, first));
        put32(image, addressOf(paf::kChildLinks, first.next) + paf::childlink::kNext, first.next);
        cases.push_back({"child chain into its middle", std::move(image), "1", true});
    }
    {
        // The grandson (RIN 10) is the husband of his great-great-grandparents' marriage.
        WriterFamily f = soundFamily();
        f.marriage(3).husband = 10;
        f.person(10).marriageOrder = {3};
        cases.push_back({"own ancestor", buildPafImage(f).flatten(), "1", false});
    }
    {
        WriterFamily f;
        const int32_t a = f.addPerson(person("Adam /Kreis/", 'M'));
        const int32_t b = f.addPerson(person("Eva /Kreis/", 'F'));
        f.addMarriage(couple(a, b, {a, b}));
        cases.push_back({"own children", buildPafImage(f).flatten(), "1", false});
    }
    for (const Case& c : cases) {
        fuzz::RunLimits limits;
        limits.listEntryLimit = 50000;
        const RunOutcome outcome = fuzz::openAndRunEverything(c.image, limits, "1", c.mrinStart);
        ASSERT_TRUE(outcome.opened) << c.label;
        expectEndsCleanly(outcome, c.label);
        int corruptReported = 0;
        for (const fuzz::ReportRun& run : outcome.runs) {
            EXPECT_FALSE(run.fatal) << c.label << ", " << run.name;
            for (const fuzz::Message& m : run.messages) corruptReported += m.text == corruptDataMessage() ? 1 : 0;
        }
        if (c.chainLoops) {
            EXPECT_GT(corruptReported, 0) << c.label << ": no report walked the loop";
        }
    }
}

}  // namespace
}  // namespace tw::test
