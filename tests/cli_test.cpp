// The command line: info and people on families written by the tests, and the
// messages and exit statuses of files that cannot be used.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

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
    // Years below 1000, as the reports' dates write them.
    family.addPerson(person("Gerd /Berger/", 'M', {1, 1, 1}));
    WriterPerson early = person("Hanna /Berger/", 'F');
    early.birth = makeDate({0, 0, 45}, kQualAbout);
    family.addPerson(early);
    family.addPerson(person("Ida /Berger/", 'F', {15, 3, 999}));
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
              "7\tGerd /Berger/    (b. 1)\n"
              "8\tHanna /Berger/    (b. 45)\n"
              "9\tIda /Berger/    (b. 999)\n"
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

// A GEDCOM file is known by its first line whatever its name, in UTF-8 with or
// without a byte-order mark or in UTF-16; a PAF file by its header.
TEST(CommandLine, DataFilesAreKnownByTheirContentWhateverTheirNames) {
    const std::string gedcom =
        "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Anna /Berg/\n1 FAMS @F1@\n0 @I2@ INDI\n1 NAME Olof /Berg/\n"
        "1 FAMS @F1@\n0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I1@\n1 MARR\n2 DATE 1901\n0 TRLR\n";
    std::string utf16 = "\xFF\xFE";
    for (const char c : gedcom) utf16 += std::string{c, '\0'};
    TempDir dir;
    std::ofstream(dir.file("tree.ged"), std::ios::binary) << gedcom;
    std::ofstream(dir.file("tree.gedcom"), std::ios::binary) << gedcom;
    std::ofstream(dir.file("tree.txt"), std::ios::binary) << "\xEF\xBB\xBF" << gedcom;
    std::ofstream(dir.file("tree"), std::ios::binary) << utf16;
    ASSERT_TRUE(writePafFile(coupleWithChildren(1), dir.file("family.ged")));
    const CommandResult expected = runTamblewin({"families", dir.file("tree.ged")});
    ASSERT_EQ(expected.status, 0) << expected.err;
    ASSERT_EQ(expected.out, "1\tOlof /Berg/\tAnna /Berg/\t1901\n");
    for (const char* name : {"tree.gedcom", "tree.txt", "tree"}) {
        const CommandResult families = runTamblewin({"families", dir.file(name)});
        EXPECT_EQ(families.status, 0) << name << "\n" << families.err;
        EXPECT_EQ(families.out, expected.out) << name;
        const CommandResult info = runTamblewin({"info", dir.file(name)});
        EXPECT_EQ(info.status, 0) << name << "\n" << info.err;
        EXPECT_NE(info.out.find("highestRin: 2\n"), std::string::npos) << name << "\n" << info.out;
    }
    const CommandResult report = runTamblewin(
        {"report", "descendants-list", "--paf", dir.file("tree.gedcom"), "--format", "log", "-o", dir.file("d.log")});
    EXPECT_EQ(report.status, 0) << report.err;
    const CommandResult paf = runTamblewin({"info", dir.file("family.ged")});
    EXPECT_EQ(paf.status, 0) << paf.err;
    EXPECT_NE(paf.out.find("highestRin: 3\n"), std::string::npos) << paf.out;
}

#if TAMBLEWIN_HAS_FILE_OUTPUT
// A lone argument naming an existing file, whatever its name, starts the windows
// (here without a display, which says so): the desktop's "Open with" hands over any
// file. Anything else is still an unknown command.
TEST(CommandLine, ALoneExistingFileStartsTheWindowsAndOtherWordsAreUnknownCommands) {
    TempDir dir;
    ASSERT_TRUE(writePafFile(coupleWithChildren(1), dir.file("family.PAF")));
    std::ofstream(dir.file("tree.ged")) << "0 HEAD\n0 TRLR\n";
    std::ofstream(dir.file("tree.gedcom")) << "0 HEAD\n0 TRLR\n";
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
                          Case{dir.file("tree.gedcom"), 1, "no display"}, Case{dir.file("notes.txt"), 1, "no display"},
                          Case{dir.file("missing.paf"), 2, "unknown command"},
                          Case{dir.file("folder.paf"), 2, "unknown command"}, Case{"frobnicate", 2, "unknown command"}}) {
        const CommandResult r = runTamblewin({c.argument}, noDisplay);
        EXPECT_EQ(r.status, c.status) << c.argument << "\n" << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.argument << "\n" << r.err;
    }
}

// An X server on the local machine that takes connections and hangs up at once.
class HangingUpServer {
public:
    HangingUpServer() {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(fd_, 8) != 0 ||
            getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([fd = fd_] {
            for (int client; (client = accept(fd, nullptr, nullptr)) >= 0;) close(client);
        });
    }
    ~HangingUpServer() {
        shutdown(fd_, SHUT_RDWR);
        if (thread_.joinable()) thread_.join();
        close(fd_);
    }
    // The display's name: X servers listen on port 6000 + the display number.
    std::string display() const { return "127.0.0.1:" + std::to_string(port_ - 6000); }
    bool listening() const { return port_ > 6000; }

private:
    int fd_ = -1;
    int port_ = 0;
    std::thread thread_;
};

// A display that cannot be reached is said, and the program ends with status 1,
// never with Qt's abort (134); so does one that takes the connection and then fails.
TEST(CommandLine, ADisplayThatCannotBeReachedIsSaidWithAFailureStatus) {
    int number = 90;
    while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number))) ++number;
    const CommandResult nothing = runTamblewin(
        {}, {{"DISPLAY", ":" + std::to_string(number)}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
    EXPECT_EQ(nothing.status, 1) << nothing.err;
    EXPECT_NE(nothing.err.find("tamblewin: no display can be reached to show the windows on (DISPLAY is \":" +
                               std::to_string(number) + "\""),
              std::string::npos)
        << nothing.err;

    HangingUpServer server;
    ASSERT_TRUE(server.listening());
    const CommandResult refused =
        runTamblewin({}, {{"DISPLAY", server.display()}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", "xcb"}});
    EXPECT_EQ(refused.status, 1) << refused.err;
    EXPECT_NE(refused.err.find("tamblewin: the windows cannot be shown"), std::string::npos) << refused.err;
    EXPECT_EQ(refused.err.find("Reinstalling"), std::string::npos) << refused.err;
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
