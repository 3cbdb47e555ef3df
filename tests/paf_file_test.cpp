// The data-file reader against images written by PafWriter: every field reads back,
// records are addressed across page spaces, and damaged files are refused cleanly.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>

#include "files/paf_image_file.h"
#include "paf/byte_order.h"
#include "paf/codepage.h"
#include "paf/records.h"
#include "support/paf_fixture.h"

namespace tw::test {
namespace {

std::vector<uint8_t> familyImage(const WriterFamily& family, const WriterOptions& options = {}) {
    return buildPafImage(family, options).flatten();
}

WriterFamily richFamily() {
    WriterFamily family;
    // A PAF file holds Windows-1252; it reads back as UTF-8.
    WriterPerson father = person(utf8ToWindows1252("Jöns Peder /Åkerlund/"), 'M', {12, 1, 1850});
    father.birthPlace = utf8ToWindows1252("Vänersborg, Sweden");
    father.christening = makeDate({0, 2, 1850}, kQualAbout);
    father.death = WriterDate::asText("Abt 1911");
    father.burial = makeDateRange({1, 1, 1911}, {0, 0, 1912}, 4);
    father.baptism = makeStatusDate(kOrdBic);
    father.endowment = makeDate({3, 3, 1899});
    family.addPerson(father);
    family.addPerson(person("Maria /Lind/", 'F', {2, 2, 1852}));
    family.addPerson(person(utf8ToWindows1252("Erik /Åkerlund/"), 'M', {5, 5, 1875}));
    WriterMarriage marriage;
    marriage.husband = 1;
    marriage.wife = 2;
    marriage.children = {3};
    marriage.childSealings = {makeStatusDate(kOrdChild)};
    marriage.date = makeDate({20, 6, 1874});
    marriage.place = utf8ToWindows1252("Göteborg");
    marriage.sealing = WriterDate::asText("before the war");
    family.addMarriage(marriage);
    return family;
}

TEST(PafWriterRoundTrip, EveryWrittenFieldReadsBack) {
    const WriterFamily family = richFamily();
    auto opened = openFamily(family);
    ASSERT_NE(opened, nullptr);
    const PafFile& file = opened->ctx.file;
    EXPECT_EQ(file.highestRin(), 3);
    EXPECT_EQ(file.highestMrin(), 1);
    EXPECT_EQ(file.nameIndexSize(), 3);

    IndividualRecord father;
    ASSERT_TRUE(readIndividual(file, 1, father));
    EXPECT_EQ(father.sex, 'M');
    EXPECT_EQ(father.firstMrin, 1);
    EXPECT_EQ(father.childLink, 0);
    EXPECT_EQ(father.birth, family.people[0].birth.value);
    EXPECT_EQ(father.christening, family.people[0].christening.value);
    EXPECT_EQ(father.burial, family.people[0].burial.value);
    EXPECT_EQ(father.baptism, family.people[0].baptism.value);
    EXPECT_EQ(father.endowment, family.people[0].endowment.value);
    EXPECT_EQ(file.readText(father.birthPlaceOffset), std::optional<std::string>("Vänersborg, Sweden"));
    // A date stored as text points at a text record holding the text as entered.
    EXPECT_EQ((father.death.bytes[0] >> 4) & 3, 2);
    EXPECT_EQ(file.readText(readInt32le(father.death.bytes, 2)), std::optional<std::string>("Abt 1911"));

    EXPECT_EQ(individualName(opened->ctx, 1), "Jöns Peder /Åkerlund/");
    EXPECT_EQ(individualNameNoSlashes(opened->ctx, 1), "Jöns Peder Åkerlund");
    std::string name;
    uint8_t flag = 9;
    ASSERT_TRUE(file.readNameEntry(father.nameOffset, name, flag));
    EXPECT_EQ(name, "Jöns Peder /Åkerlund/");
    EXPECT_EQ(flag, 0);

    MarriageRecord marriage;
    ASSERT_TRUE(readMarriage(file, 1, marriage));
    EXPECT_EQ(marriage.husband, 1);
    EXPECT_EQ(marriage.wife, 2);
    EXPECT_EQ(marriage.date, family.marriages[0].date.value);
    EXPECT_EQ(file.readText(marriage.placeOffset), std::optional<std::string>("Göteborg"));
    EXPECT_EQ(file.readText(readInt32le(marriage.sealing.bytes, 2)), std::optional<std::string>("before the war"));

    IndividualRecord son;
    ASSERT_TRUE(readIndividual(file, 3, son));
    ChildLinkRecord link;
    ASSERT_TRUE(readChildLink(file, son.childLink, link));
    EXPECT_EQ(link.mrin, 1);
    EXPECT_EQ(link.child, 3);
    EXPECT_EQ(link.next, marriage.firstChildLink);
    EXPECT_EQ(link.sealing, family.marriages[0].childSealings[0].value);
}

TEST(PafWriterRoundTrip, AChildsSealingStoredAsTextPointsAtItsText) {
    WriterFamily family = coupleWithChildren(2);
    family.marriage(1).childSealings = {WriterDate::asText("at the old temple"), makeStatusDate(kOrdBic)};
    auto opened = openFamily(family);
    ASSERT_NE(opened, nullptr);
    IndividualRecord child;
    ChildLinkRecord link;
    ASSERT_TRUE(readIndividual(opened->ctx.file, 3, child));
    ASSERT_TRUE(readChildLink(opened->ctx.file, child.childLink, link));
    EXPECT_EQ(opened->ctx.file.readText(readInt32le(link.sealing.bytes, 2)),
              std::optional<std::string>("at the old temple"));
    ASSERT_TRUE(readIndividual(opened->ctx.file, 4, child));
    ASSERT_TRUE(readChildLink(opened->ctx.file, child.childLink, link));
    EXPECT_EQ(link.sealing, makeStatusDate(kOrdBic));
}

TEST(PafWriterRoundTrip, DeletedRecordsAndUnknownSexKeepTheirMarks) {
    WriterFamily family = coupleWithChildren(1);
    family.person(3).deleted = true;
    family.addPerson(person("Kim /Tamble/", 'U'));
    WriterMarriage empty;
    empty.deleted = true;
    family.addMarriage(empty);
    auto opened = openFamily(family);
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->ctx.file.isDeleted(100, 3));
    EXPECT_FALSE(opened->ctx.file.isDeleted(100, 4));
    EXPECT_TRUE(opened->ctx.file.isDeleted(102, 2));
    EXPECT_FALSE(opened->ctx.file.isDeleted(102, 1));
    EXPECT_FALSE(opened->ctx.file.isDeleted(999, 1));
    IndividualRecord kim;
    ASSERT_TRUE(readIndividual(opened->ctx.file, 4, kim));
    EXPECT_EQ(kim.sex, 'U');
    EXPECT_EQ(opened->ctx.file.nameIndexSize(), 3);  // the deleted person is not indexed
}

TEST(PafWriterRoundTrip, NameIndexWalksInSurnameOrder) {
    WriterFamily family;
    for (const char* name : {"Carl /Zeller/", "anna /berg/", "Bo /Berg/", "Ada /Berg/", "Eve /Moss/", "Al /Zeller/"})
        family.addPerson(person(name));
    auto opened = openFamily(family);
    ASSERT_NE(opened, nullptr);
    std::vector<std::string> walked;
    std::function<void(int32_t)> walk = [&](int32_t n) {
        if (n == 0) return;
        NameNode node;
        ASSERT_TRUE(readNameNode(opened->ctx.file, n, node));
        walk(node.left);
        walked.push_back(individualName(opened->ctx, n).str());
        walk(node.right);
    };
    walk(opened->ctx.file.nameIndexRoot());
    EXPECT_EQ(walked, (std::vector<std::string>{"Ada /Berg/", "anna /berg/", "Bo /Berg/", "Eve /Moss/",
                                                "Al /Zeller/", "Carl /Zeller/"}));
}

// Records of one table spread over spaces of at most two pages each: the dense
// numbering runs space by space.
TEST(PafFileAddressing, RecordsContinueInTheNextPageSpace) {
    WriterFamily family;
    for (int i = 1; i <= 150; ++i) family.addPerson(person("P" + std::to_string(i) + " /Many/"));
    TempDir dir;
    const std::string path = dir.file("spaces.paf");
    ASSERT_TRUE(writePafFile(family, path, WriterOptions{2}));
    RecordingHost host;
    PafContext ctx(host);
    ASSERT_EQ(ctx.file.open(path), PafFile::kOpened);
    EXPECT_EQ(ctx.file.pageSpaceCount(), 3);
    EXPECT_EQ(ctx.file.pageCount(0, 2), 2);
    EXPECT_EQ(ctx.file.pageCount(1, 2), 2);
    EXPECT_EQ(ctx.file.pageCount(2, 2), 1);

    const int64_t rin74 = ctx.file.recordAddress(2, 74, 221, 37);
    const int64_t rin75 = ctx.file.recordAddress(2, 75, 221, 37);
    EXPECT_LT(rin74, paf::spaceStart(1));
    EXPECT_GE(rin75, paf::spaceStart(1));
    EXPECT_EQ((rin75 - paf::spaceStart(1)) % paf::kPageSize, 0) << "RIN 75 is slot 0 of a page";
    for (int rin : {1, 37, 38, 74, 75, 111, 148, 149, 150})
        EXPECT_EQ(individualName(ctx, rin), "P" + std::to_string(rin) + " /Many/") << rin;
    EXPECT_EQ(ctx.file.recordAddress(2, 186, 221, 37), 0) << "beyond the last page";
}

TEST(PafFileAddressing, NumbersOutsideTheTableGiveAZeroFilledRecord) {
    auto opened = openFamily(coupleWithChildren(2));
    ASSERT_NE(opened, nullptr);
    const PafFile& file = opened->ctx.file;
    for (int n : {0, -1, -2147483647 - 1, 38, 2147483647}) {
        std::vector<uint8_t> buffer(221, 0xEE);
        EXPECT_FALSE(file.readRecord(2, n, 221, 37, buffer)) << n;
        EXPECT_EQ(std::count(buffer.begin(), buffer.end(), 0), 221) << n;
    }
    // Slots beyond the written records of the last page still lie inside the page.
    IndividualRecord empty;
    EXPECT_TRUE(readIndividual(file, 37, empty));
    EXPECT_EQ(empty.sex, 0);
    EXPECT_FALSE(file.readText(0));
    EXPECT_FALSE(file.readText(-5));
    EXPECT_FALSE(file.readText(int64_t(file.fileSize()) - 12));
    EXPECT_TRUE(file.readText(int64_t(file.fileSize()) - 13)) << "13 bytes are enough for an empty text";
}

// --- Damaged files -----------------------------------------------------------

void expectRefused(std::vector<uint8_t> bytes, const std::string& why) {
    int result = 0;
    auto opened = openBytes(std::move(bytes), &result);
    EXPECT_EQ(result, PafFile::kNotPafFile) << why;
    EXPECT_FALSE(opened->ctx.file.isOpen()) << why;
    EXPECT_FALSE(opened->ctx.file.openProblem().empty()) << why;
}

TEST(PafFileDamage, TruncatedFilesAreRefusedAtEveryPageBoundary) {
    const std::vector<uint8_t> good = familyImage(coupleWithChildren(3));
    std::vector<size_t> cuts = {0, 1, 1684, 1685, 4096, 12287, 12288, 12289, 20479};
    for (size_t cut : cuts) {
        ASSERT_LT(cut, good.size());
        expectRefused(std::vector<uint8_t>(good.begin(), good.begin() + int64_t(cut)), "cut at " + std::to_string(cut));
    }
    // Cut past the map: the file opens and the missing records read as absent.
    for (size_t cut = 20480; cut < good.size(); cut += 4096 + 17) {
        int result = 0;
        auto opened = openBytes(std::vector<uint8_t>(good.begin(), good.begin() + int64_t(cut)), &result);
        ASSERT_EQ(result, PafFile::kOpened) << cut;
        for (int rin = 1; rin <= 5; ++rin) individualName(opened->ctx, rin);
    }
}

TEST(PafFileDamage, HeaderAndMapFaultsAreRefused) {
    const std::vector<uint8_t> good = familyImage(coupleWithChildren(1));
    auto damaged = [&](auto change) {
        std::vector<uint8_t> bytes = good;
        change(std::span<uint8_t>(bytes));
        return bytes;
    };
    expectRefused(damaged([](auto b) { b[8] = 'X'; }), "signature");
    expectRefused(damaged([](auto b) { b[11] = '!'; }), "signature not terminated");
    expectRefused(damaged([](auto b) { writeInt32le(b, 18, 40); }), "more than 31 page spaces");
    expectRefused(damaged([](auto b) { writeInt32le(b, 18, -3); }), "negative page spaces");
    expectRefused(damaged([](auto b) { writeInt32le(b, 18, 2); }), "a second space beyond the end");
    expectRefused(damaged([](auto b) { b[12288] = 2; }), "map without its own type");
    expectRefused(damaged([](auto b) { writeInt16le(b, 4096 + 2 * 1, 5); }), "more individual pages than mapped");
    expectRefused(damaged([](auto b) { writeInt16le(b, 4096 + 2 * 2, -1); }), "negative page count");
}

TEST(PafFileDamage, EveryHeaderAndMapByteFlippedNeverReadsOutOfBounds) {
    const std::vector<uint8_t> good = familyImage(coupleWithChildren(2));
    for (size_t at = 0; at < 12288 + 64; ++at) {
        std::vector<uint8_t> bytes = good;
        bytes[at] ^= 0xFF;
        int result = 0;
        auto opened = openBytes(std::move(bytes), &result);
        if (result != PafFile::kOpened) continue;
        for (int rin = -1; rin <= 5; ++rin) individualName(opened->ctx, rin);
        MarriageRecord marriage;
        readMarriage(opened->ctx.file, 1, marriage);
    }
}

TEST(PafFileDamage, NameEntryChecksRinAndLinkBounds) {
    auto opened = openFamily(coupleWithChildren(1));
    ASSERT_NE(opened, nullptr);
    IndividualRecord father;
    ASSERT_TRUE(readIndividual(opened->ctx.file, 1, father));
    const auto entry = size_t(father.nameOffset);
    const std::vector<uint8_t> good = opened->image;
    const int32_t low = readInt32le(good, 70);
    const int32_t high = readInt32le(good, 74);
    auto readsWith = [&](size_t field, int32_t value) {
        std::vector<uint8_t> bytes = good;
        writeInt32le(bytes, entry + field, value);
        auto reopened = openBytes(std::move(bytes));
        std::string name;
        uint8_t flag = 0;
        return reopened->ctx.file.readNameEntry(father.nameOffset, name, flag);
    };
    EXPECT_TRUE(readsWith(8, 1));
    EXPECT_FALSE(readsWith(8, 0)) << "RIN 0";
    EXPECT_FALSE(readsWith(8, 4)) << "RIN beyond the highest";
    EXPECT_TRUE(readsWith(0, low));
    EXPECT_TRUE(readsWith(4, high));
    EXPECT_FALSE(readsWith(0, low - 1)) << "link A below the bound";
    EXPECT_FALSE(readsWith(4, high + 1)) << "link B above the bound";
}

TEST(PafFileOpen, MissingFilesFoldersAndShortFilesFailWithTheirCodes) {
    TempDir dir;
    PafFile file;
    EXPECT_EQ(file.open(dir.file("missing.paf")), PafFile::kCannotOpen);
    EXPECT_EQ(file.systemError(), ENOENT);
    EXPECT_EQ(file.open(dir.path().string()), PafFile::kCannotOpen);
    EXPECT_EQ(file.systemError(), EISDIR);
    {
        std::ofstream(dir.file("text.paf")) << "this is not a family file\n";
    }
    EXPECT_EQ(file.open(dir.file("text.paf")), PafFile::kNotPafFile);
    EXPECT_EQ(file.open(dir.file("text.paf") + "/inner"), PafFile::kCannotOpen);
    EXPECT_EQ(file.systemError(), ENOTDIR);
    EXPECT_EQ(file.open(""), PafFile::kNotPafFile);
    EXPECT_FALSE(file.isOpen());
}

TEST(PafFileOpen, ReadingNeverChangesTheFile) {
    TempDir dir;
    const std::string path = dir.file("family.paf");
    ASSERT_TRUE(writePafFile(coupleWithChildren(4), path));
    chmod(path.c_str(), 0444);
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytesBefore((std::istreambuf_iterator<char>(in)), {});
    {
        RecordingHost host;
        PafContext ctx(host);
        ASSERT_EQ(ctx.file.open(path), PafFile::kOpened);
        for (int rin = 1; rin <= 6; ++rin) individualName(ctx, rin);
        ctx.file.close();
        ASSERT_EQ(ctx.file.open(path), PafFile::kOpened);
    }
    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    std::ifstream again(path, std::ios::binary);
    const std::vector<char> bytesAfter((std::istreambuf_iterator<char>(again)), {});
    EXPECT_EQ(bytesBefore, bytesAfter);
    EXPECT_EQ(before.st_mtim.tv_sec, after.st_mtim.tv_sec);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
}

// Another program may shorten or rewrite the file during a run: the run keeps reading
// what it read at open, and no signal ends it.
TEST(PafFileOpen, AFileChangedAfterOpenReadsAsItWasOpened) {
    TempDir dir;
    const std::string path = dir.file("family.paf");
    ASSERT_TRUE(writePafFile(coupleWithChildren(4), path));
    RecordingHost host;
    PafContext ctx(host);
    ASSERT_EQ(ctx.file.open(path), PafFile::kOpened);
    const std::string before = individualName(ctx, 6).str();
    ASSERT_EQ(truncate(path.c_str(), 0), 0);
    EXPECT_EQ(individualName(ctx, 6).str(), before);
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace tw::test
