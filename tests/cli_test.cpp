// The command line: info and people on families written by the tests, and the
// messages and exit statuses of files that cannot be used.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "files/paf_image_file.h"
#include "paf/codepage.h"
#include "support/paf_fixture.h"

namespace tw::test {
namespace {

TEST(CommandLine, InfoPrintsTheHeaderFigures) {
    TempDir dir;
    const std::string path = dir.file("family.paf");
    ASSERT_TRUE(writePafFile(coupleWithChildren(3), path));
    const CommandResult r = runTamblewin({"info", path});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "highestRin: 5\nhighestMrin: 1\npageSpaces: 1\nnameIndexRoot: " +
                         r.out.substr(r.out.find("nameIndexRoot: ") + 15, 1) + "\nnameIndexSize: 5\n");
}

TEST(CommandLine, PeopleListsNamesInIndexOrderWithBirthOrChristeningYears) {
    WriterFamily family;
    family.addPerson(person(utf8ToWindows1252("Zoë /Åberg/"), 'F', {1, 2, 1901}));
    WriterPerson christened = person("Anton /Berger/");
    christened.christening = makeDate({0, 0, 1799}, kQualAbout);
    family.addPerson(christened);
    family.addPerson(person("Carla /Berger/", 'F'));
    WriterPerson textDate = person("Dora /Berger/", 'F');
    textDate.birth = WriterDate::asText("in the spring");
    family.addPerson(textDate);
    WriterPerson dualYear = person("Ebba /Berger/", 'F');
    dualYear.birth = makeDateRange({0, 0, 600}, {0, 0, 601});
    family.addPerson(dualYear);
    WriterPerson yearInText = person("Frida /Berger/", 'F');
    yearInText.birth = WriterDate::asText("Genesis 1:27, about 1850");
    family.addPerson(yearInText);
    TempDir dir;
    const std::string path = dir.file("family.paf");
    ASSERT_TRUE(writePafFile(family, path));
    const CommandResult r = runTamblewin({"people", path});
    EXPECT_EQ(r.status, 0) << r.err;
    // Upper-case sorting puts the Windows-1252 "Å" after the ASCII letters.
    EXPECT_EQ(r.out,
              "2\tAnton /Berger/    (c. 1799)\n"
              "3\tCarla /Berger/\n"
              "4\tDora /Berger/\n"
              "5\tEbba /Berger/    (b. 601)\n"
              "6\tFrida /Berger/    (b. 1850)\n"
              "1\tZoë /Åberg/    (b. 1901)\n");
}

TEST(CommandLine, UnusableFilesGiveTheirMessageAndAFailureStatus) {
    TempDir dir;
    {
        std::ofstream(dir.file("notes.paf")) << "just some notes\n";
    }
    const CommandResult missing = runTamblewin({"info", dir.file("missing.paf")});
    EXPECT_NE(missing.status, 0);
    EXPECT_NE(missing.err.find("Alert!: Open failed.  Error code: 2\n"), std::string::npos) << missing.err;
    const CommandResult folder = runTamblewin({"people", dir.path().string()});
    EXPECT_NE(folder.status, 0);
    EXPECT_NE(folder.err.find("folder"), std::string::npos) << folder.err;
    const CommandResult corrupted = runTamblewin({"info", dir.file("notes.paf")});
    EXPECT_NE(corrupted.status, 0);
    EXPECT_NE(corrupted.err.find("Alert!: PAF file is corrupted.  Open failed.\n"), std::string::npos)
        << corrupted.err;
    EXPECT_TRUE(corrupted.out.empty());
}

#if TAMBLEWIN_HAS_FILE_OUTPUT
// A lone argument naming an existing data file starts the windows (here without a
// display, which says so); anything else is still an unknown command.
TEST(CommandLine, ALoneDataFileStartsTheWindowsAndOtherWordsAreUnknownCommands) {
    TempDir dir;
    ASSERT_TRUE(writePafFile(coupleWithChildren(1), dir.file("family.PAF")));
    std::ofstream(dir.file("tree.ged")) << "0 HEAD\n0 TRLR\n";
    std::ofstream(dir.file("notes.txt")) << "notes\n";
    ASSERT_EQ(mkdir(dir.file("folder.paf").c_str(), 0700), 0);
    const std::vector<std::pair<std::string, std::string>> noDisplay{
        {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
    struct Case {
        std::string argument;
        int status;
        std::string says;
    };
    for (const Case& c : {Case{dir.file("family.PAF"), 1, "no display"}, Case{dir.file("tree.ged"), 1, "no display"},
                          Case{dir.file("missing.paf"), 2, "unknown command"},
                          Case{dir.file("notes.txt"), 2, "unknown command"},
                          Case{dir.file("folder.paf"), 2, "unknown command"}}) {
        const CommandResult r = runTamblewin({c.argument}, noDisplay);
        EXPECT_EQ(r.status, c.status) << c.argument << "\n" << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.argument << "\n" << r.err;
    }
}
#endif

TEST(CommandLine, UsageErrorsAndVersion) {
    EXPECT_EQ(runTamblewin({"frobnicate"}).status, 2);
    EXPECT_EQ(runTamblewin({"info"}).status, 2);
    EXPECT_EQ(runTamblewin({"info", "a.paf", "b.paf"}).status, 2);
    const CommandResult version = runTamblewin({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("tamblewin ", 0), 0u);
    const CommandResult help = runTamblewin({"--help"});
    EXPECT_NE(help.out.find("tamblewin people FILE.paf"), std::string::npos);
}

TEST(CommandLine, ADamagedNameIndexIsCutWithOneMessage) {
    // Ten people; their name-index nodes are rewritten so that every node's left
    // subtree is the root again: an endless walk in an unguarded reader.
    WriterFamily family;
    for (int i = 0; i < 10; ++i) family.addPerson(person("P" + std::to_string(i) + " /Loop/"));
    std::vector<uint8_t> bytes = buildPafImage(family).flatten();
    int result = 0;
    auto opened = openBytes(bytes, &result);
    ASSERT_EQ(result, PafFile::kOpened);
    const int32_t root = opened->ctx.file.nameIndexRoot();
    for (int n = 1; n <= 10; ++n) {
        const int64_t at = opened->ctx.file.recordAddress(10, n, 16, 512);
        bytes[size_t(at + 4)] = uint8_t(root);
    }
    TempDir dir;
    const std::string path = dir.file("loop.paf");
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    const CommandResult r = runTamblewin({"people", path});
    EXPECT_NE(r.status, 0);
    // The message as the window shows it, then the line that says what is damaged.
    EXPECT_EQ(r.err, "Abort: Corrupt Data.  Run check/repair\nin PAF to repair data.\nname index: node 5 is reached twice\n");
}

TEST(CommandLine, TheDemoFamilyListsEveryone) {
    const CommandResult info = runTamblewin({"info", TAMBLEWIN_DEMO_PAF});
    ASSERT_EQ(info.status, 0) << info.err;
    const CommandResult people = runTamblewin({"people", TAMBLEWIN_DEMO_PAF});
    ASSERT_EQ(people.status, 0) << people.err;
    const auto lines = std::count(people.out.begin(), people.out.end(), '\n');
    EXPECT_GE(lines, 200);
    EXPECT_LE(lines, 400);
    EXPECT_TRUE(people.err.empty()) << people.err;
}

}  // namespace
}  // namespace tw::test
