// Name accessors, the start-number checks with their messages, abortRun, IntList.

#include <gtest/gtest.h>

#include "base/translation.h"
#include "paf/int_list.h"
#include "paf/records.h"
#include "support/paf_fixture.h"

namespace tw::test {
namespace {

TEST(StartNumberChecks, RinAndMrinBoundsAndDeletedRecords) {
    WriterFamily family = coupleWithChildren(2);  // RINs 1..4, MRIN 1
    family.person(4).deleted = true;
    WriterMarriage gone;
    gone.deleted = true;
    family.addMarriage(gone);
    auto opened = openFamily(family);
    ASSERT_NE(opened, nullptr);
    PafContext& ctx = opened->ctx;
    auto& messages = opened->host.messages;

    EXPECT_FALSE(validateRin(ctx, 3));
    EXPECT_FALSE(validateRin(ctx, 0)) << "no lower bound";
    EXPECT_FALSE(validateRin(ctx, -7));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(validateRin(ctx, 5));
    EXPECT_TRUE(validateRin(ctx, 4));
    EXPECT_FALSE(validateMrin(ctx, 1));
    EXPECT_TRUE(validateMrin(ctx, 3));
    EXPECT_TRUE(validateMrin(ctx, 2));
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{
                            {"This Rin is out of range\n(RINs in this file run from 1 to 4)", "Error"},
                            {"This Rin references a record\nwhich has been deleted.", "Error"},
                            {"This MRin is out of range\n(MRINs in this file run from 1 to 2)", "Error"},
                            {"This MRin references a record\nwhich has been deleted.", "Error"},
                        }));
}

// In another language the messages are translated, while their captions stay the
// English words the hosts compare to decide which messages they hold back.
TEST(StartNumberChecks, MessagesFollowTheLanguageWhileCaptionsStayEnglish) {
    WriterFamily family = coupleWithChildren(2);
    auto opened = openFamily(family);
    ASSERT_NE(opened, nullptr);
    PafContext& ctx = opened->ctx;
    auto& messages = opened->host.messages;
    for (const std::string language : {"de", "fr", "nb"}) {
        SCOPED_TRACE(language);
        useLanguage(language, std::vector<std::string>{TAMBLEWIN_TRANSLATIONS_DIR});
        if (languageInUse() != language) GTEST_SKIP() << "this build has no catalogues (they are built with Qt's lrelease)";
        messages.clear();
        clearRunMessages(ctx);
        EXPECT_TRUE(validateRin(ctx, 9));
        reportCorruptData(ctx, {"individual", 9, "record", 9, 4});
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[0].caption, "Error");
        EXPECT_EQ(messages[0].text.find("This Rin"), std::string::npos) << messages[0].text;
        EXPECT_EQ(messages[1].caption, "Abort");
        EXPECT_EQ(messages[1].text, corruptDataMessage());
        EXPECT_EQ(messages[1].text.find("Corrupt Data"), std::string::npos) << messages[1].text;
        EXPECT_EQ(describeCorruptDetail({"individual", 9, "record", 9, 4}).find("individual"), std::string::npos);
    }
    useLanguage("en", {});
}

TEST(NameAccessors, NamesSurnamesAndAnUnreadableRin) {
    WriterFamily family;
    family.addPerson(person("Anna Maria /von Holt/ Jr."));
    family.addPerson(person("NoSurname"));
    auto opened = openFamily(family);
    ASSERT_NE(opened, nullptr);
    PafContext& ctx = opened->ctx;
    EXPECT_EQ(individualName(ctx, 1), "Anna Maria /von Holt/ Jr.");
    EXPECT_EQ(individualNameNoSlashes(ctx, 1), "Anna Maria von Holt Jr.");
    EXPECT_EQ(surnameOf(individualName(ctx, 1)), "von Holt");
    EXPECT_EQ(surnameOf(individualName(ctx, 2)), "");
    EXPECT_TRUE(opened->host.messages.empty());
    EXPECT_EQ(individualName(ctx, 99), "Invalid Rin");
    EXPECT_EQ(opened->host.messages, (std::vector<RecordedMessage>{{"The RIN is invalid", "Error"}}));
}

TEST(NameAccessors, NamesAsTheReportsPrintThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"John /Smith/ Jr.", "John Smith Jr."},
        {"/William Pitt Leleiohoku/ I", "William Pitt Leleiohoku I"},  // the suffix stays after the surname
        {"/Zaynab/", "Zaynab"},
        {"Abu /Talib/ , Caliph", "Abu Talib, Caliph"},
        {"Abu /Talib/, Caliph", "Abu Talib, Caliph"},
        {"Adam //", "Adam"},
        {"  Mary  Ann   /Lee/ ", "Mary Ann Lee"},
        {"//", ""},
    };
    WriterFamily family;
    for (const auto& [stored, printed] : cases) family.addPerson(person(stored));
    auto opened = openFamily(family);
    ASSERT_NE(opened, nullptr);
    for (int32_t rin = 1; rin <= int32_t(std::size(cases)); ++rin) {
        const char* printed = cases[rin - 1].second;
        EXPECT_EQ(individualNameNoSlashes(opened->ctx, rin), printed) << cases[rin - 1].first;
        IndividualRecord record;
        ASSERT_TRUE(readIndividual(opened->ctx.file, rin, record));
        std::string reused = "a longer name left from before";
        recordNameNoSlashes(opened->ctx.file, record, reused);
        EXPECT_EQ(reused, printed) << cases[rin - 1].first;
    }
}

TEST(AbortRun, UnwindsWithItsCaptionStatusAndDetail) {
    auto opened = openFamily(coupleWithChildren(0));
    ASSERT_NE(opened, nullptr);
    const auto stop =
        fatalStopOf([&] { abortRun(opened->ctx, "DLgetchildrins a", 17, -1, {"marriage", 3, "child link", 17}); });
    ASSERT_TRUE(stop);
    EXPECT_EQ(stop->caption + ": " + stop->text, "myABORT 17 -1: DLgetchildrins a");
    EXPECT_EQ(stop->status, kExitCorruptData);
    EXPECT_EQ(stop->detail, "marriage 3: child link 17 cannot be read");
    EXPECT_TRUE(opened->host.messages.empty()) << "the front end shows it";
}

TEST(IntListTest, GrowsTo16ThenDoublesAndIgnoresOutOfRangeAccess) {
    IntList list;
    EXPECT_EQ(list.capacity(), IntList::kNoStorage);
    EXPECT_EQ(list.push(10), 1);
    EXPECT_EQ(list.capacity(), 16);
    for (int i = 1; i < 16; ++i) list.push(10 + i);
    EXPECT_EQ(list.capacity(), 16);
    EXPECT_EQ(list.push(99), 17);
    EXPECT_EQ(list.capacity(), 32);

    EXPECT_EQ(list.fetch(-1), -1);
    EXPECT_EQ(list.fetch(17), -1);
    list.store(17, 5);
    list.store(-1, 5);
    EXPECT_EQ(list.size(), 17);
    list.store(3, 42);
    EXPECT_EQ(list.fetch(3), 42);
    EXPECT_EQ(list.fetch(16), 99);

    IntList copy = list;
    copy.store(0, -8);
    EXPECT_EQ(list.fetch(0), 10) << "a copy has its own storage";
    EXPECT_EQ(copy.capacity(), 32);
}

}  // namespace
}  // namespace tw::test
