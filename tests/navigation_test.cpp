// Expanding generations: children in the order of the family's child chain,
// marriages in the order of each partner's chain, the stop request, and chains
// that loop in a damaged file.

#include <gtest/gtest.h>

#include "paf/byte_order.h"
#include "paf/navigation.h"
#include "support/paf_fixture.h"

namespace tw::test {
namespace {

IntList triples(std::initializer_list<int32_t> values) {
    IntList list;
    for (int32_t v : values) list.push(v);
    return list;
}

std::vector<int32_t> items(const IntList& list) {
    std::vector<int32_t> out;
    for (int32_t i = 0; i < list.size(); ++i) out.push_back(list.fetch(i));
    return out;
}

// A man (1) with three wives (2, 3, 4); the second marriage has two children.
WriterFamily manWithThreeWives(char sexOfMan = 'M') {
    WriterFamily family;
    family.addPerson(person("Otto /Brandt/", sexOfMan));
    for (const char* wife : {"Ida /Wolf/", "Lene /Kraus/", "Rosa /Maier/"}) family.addPerson(person(wife, 'F'));
    const int32_t c1 = family.addPerson(person("Paul /Brandt/"));
    const int32_t c2 = family.addPerson(person("Grete /Brandt/", 'F'));
    for (int32_t wife = 2; wife <= 4; ++wife) {
        WriterMarriage m;
        m.husband = 1;
        m.wife = wife;
        if (wife == 3) m.children = {c1, c2};
        family.addMarriage(m);
    }
    family.person(1).marriageOrder = {3, 1, 2};
    return family;
}

TEST(GetChildRins, ChildrenComeInChainOrderCarryingTheirTags) {
    WriterFamily family = coupleWithChildren(3);  // children RIN 3, 4, 5
    WriterMarriage childless;
    childless.husband = 3;
    family.addMarriage(childless);
    auto opened = openFamily(family);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(items(getChildRins(opened->ctx, triples({1, 7, 8}))),
              (std::vector<int32_t>{3, 7, 8, 4, 7, 8, 5, 7, 8}));
    EXPECT_EQ(items(getChildRins(opened->ctx, triples({2, 0, 0}))), std::vector<int32_t>{});
    EXPECT_EQ(getChildRins(opened->ctx, IntList{}).size(), 0);
}

TEST(GetMrins, MarriagesFollowThePartnersChain) {
    auto opened = openFamily(manWithThreeWives());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(items(getMrins(opened->ctx, triples({1, 5, 0, 0, 9, 9, 3, 6, 0}))),
              (std::vector<int32_t>{3, 5, 1, 1, 5, 1, 2, 5, 1, 2, 6, 3}));
}

TEST(GetMrins, UnknownSexStopsAfterTheFirstMarriage) {
    auto opened = openFamily(manWithThreeWives('U'));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(items(getMrins(opened->ctx, triples({1, 0, 0}))), (std::vector<int32_t>{3, 0, 1}));
}

TEST(Navigation, StopRequestEndsBeforeTheNextTriple) {
    auto opened = openFamily(manWithThreeWives());
    ASSERT_NE(opened, nullptr);
    opened->host.cancelAfterPolls = 1;
    EXPECT_EQ(items(getMrins(opened->ctx, triples({2, 0, 0, 1, 0, 0}))), (std::vector<int32_t>{1, 0, 2}));
    opened->host.cancelPolls = 0;
    EXPECT_EQ(items(getChildRins(opened->ctx, triples({2, 1, 1, 2, 2, 2}))), (std::vector<int32_t>{5, 1, 1, 6, 1, 1}));
}

TEST(DLgetmrinsTest, CollectsSpousesOfEitherSex) {
    auto opened = openFamily(manWithThreeWives());
    ASSERT_NE(opened, nullptr);
    FamilySlot slot;
    DLgetmrins(opened->ctx, 1, 120, 4, slot);
    EXPECT_EQ(slot.count, 3);
    EXPECT_EQ(slot.x, 120);
    EXPECT_EQ(slot.row, 4);
    EXPECT_EQ((std::vector<int32_t>(slot.mrins.begin(), slot.mrins.begin() + 3)), (std::vector<int32_t>{3, 1, 2}));
    EXPECT_EQ((std::vector<int32_t>(slot.spouses.begin(), slot.spouses.begin() + 3)), (std::vector<int32_t>{4, 2, 3}));
    DLgetmrins(opened->ctx, 3, 0, 0, slot);
    EXPECT_EQ(slot.count, 1);
    EXPECT_EQ(slot.spouses[0], 1);
}

TEST(DLgetmrinsTest, MoreThanFiftyMarriagesAreCappedButCounted) {
    WriterFamily family;
    family.addPerson(person("Much /Married/"));
    for (int i = 0; i < 60; ++i) {
        WriterMarriage m;
        m.husband = 1;
        m.wife = family.addPerson(person("Wife" + std::to_string(i) + " /X/", 'F'));
        family.addMarriage(m);
    }
    auto opened = openFamily(family);
    ASSERT_NE(opened, nullptr);
    FamilySlot slot;
    DLgetmrins(opened->ctx, 1, 0, 0, slot);
    EXPECT_EQ(slot.count, FamilySlot::kMaxMarriages);
    EXPECT_EQ(slot.totalMarriages, 60);
    EXPECT_EQ(slot.mrins[49], 50);
}

// --- Damaged chains ------------------------------------------------------------

// Rewrites one int32 field of a record in an opened family's image and reopens it.
std::unique_ptr<OpenedFamily> patched(const OpenedFamily& opened, const paf::TableLayout& table, int n, int field,
                                      int32_t value) {
    std::vector<uint8_t> bytes = opened.image;
    const int64_t at = opened.ctx.file.recordAddress(table.pageType, n, table.recordSize, table.recordsPerPage);
    writeInt32le(bytes, size_t(at + field), value);
    return openBytes(std::move(bytes));
}

TEST(NavigationDamage, ChildChainLoopingIntoItsMiddleIsCutWithOneMessage) {
    auto good = openFamily(coupleWithChildren(3));  // child links 1 -> 2 -> 3 -> 1
    ASSERT_NE(good, nullptr);
    auto looping = patched(*good, paf::kChildLinks, 3, paf::childlink::kNext, 2);
    const IntList result = getChildRins(looping->ctx, triples({1, 0, 0, 1, 0, 0}));
    EXPECT_EQ(items(result), (std::vector<int32_t>{3, 0, 0, 4, 0, 0, 5, 0, 0, 3, 0, 0, 4, 0, 0, 5, 0, 0}));
    EXPECT_EQ(looping->host.messages,
              (std::vector<RecordedMessage>{{std::string(corruptDataMessage()), "Abort"}}));
}

TEST(NavigationDamage, MarriageChainLoopIsCut) {
    auto good = openFamily(manWithThreeWives());
    ASSERT_NE(good, nullptr);
    // Marriage 2 (the last in the man's chain) points back to marriage 3 (the first).
    auto looping = patched(*good, paf::kMarriages, 2, paf::marriage::kHusbandNext, 3);
    EXPECT_EQ(items(getMrins(looping->ctx, triples({1, 0, 0}))), (std::vector<int32_t>{3, 0, 1, 1, 0, 1, 2, 0, 1}));
    FamilySlot slot;
    DLgetmrins(looping->ctx, 1, 0, 0, slot);
    EXPECT_EQ(slot.count, 3);
    EXPECT_EQ(looping->host.messages.size(), 1u);
}

TEST(NavigationDamage, LinksToUnreadableRecordsEndTheRun) {
    auto good = openFamily(coupleWithChildren(2));
    ASSERT_NE(good, nullptr);
    auto badLink = patched(*good, paf::kMarriages, 1, paf::marriage::kFirstChildLink, 5000);
    auto badMarriage = patched(*good, paf::kIndividuals, 1, paf::individual::kFirstMrin, 900);
    // A marriage page holds 77 records: MRIN 78 is the first beyond the table.
    const struct {
        std::optional<FatalStop> stop;
        std::string caption, text, detail;
    } cases[] = {
        {fatalStopOf([&] { getChildRins(badLink->ctx, triples({1, 0, 0})); }), "myABORT 5000 -1", "DLgetchildrins a",
         "marriage 1: child link 5000 cannot be read"},
        {fatalStopOf([&] { getChildRins(good->ctx, triples({78, 0, 0})); }), "myABORT 78 -1", "DLgetchildrins b",
         "marriage 78: record 78 cannot be read (the last is 1)"},
        {fatalStopOf([&] { getMrins(badMarriage->ctx, triples({1, 0, 0})); }), "myABORT 900 1",
         "Invalid MRin in DLgetmrins", "individual 1: marriage 900 cannot be read (the last is 1)"},
        {fatalStopOf([&] {
             FamilySlot slot;
             DLgetmrins(badMarriage->ctx, 1, 0, 0, slot);
         }),
         "myABORT 900 -1", "DLgetchildrins b", "marriage 900: record 900 cannot be read (the last is 1)"},
        {fatalStopOf([&] { getMrins(good->ctx, triples({40, 0, 0})); }), "myABORT 40 -1", "Invalid Rin  in DLgetmrins",
         "individual 40: record 40 cannot be read (the last is 4)"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.stop) << c.text;
        EXPECT_EQ(c.stop->caption, c.caption);
        EXPECT_EQ(c.stop->text, c.text);
        EXPECT_EQ(c.stop->status, kExitCorruptData);
        EXPECT_EQ(c.stop->detail, c.detail);
    }
}

}  // namespace
}  // namespace tw::test
