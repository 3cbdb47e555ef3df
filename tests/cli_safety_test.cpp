// The command line with mistakes and hostile files: outputs that would land on an
// input, special files given as input, earlier outputs a failed run must leave
// alone, and the exit status of each outcome.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "files/paf_image_file.h"
#include "support/paf_fixture.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The bytes and modification time of a file, to show it was not touched.
struct FileState {
    std::string bytes;
    timespec modified{};
    explicit FileState(const std::string& path) : bytes(readFile(path)) {
        struct stat info {};
        stat(path.c_str(), &info);
        modified = info.st_mtim;
    }
    bool operator==(const FileState& o) const {
        return bytes == o.bytes && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

// The names in a folder, to show no temporary file was left.
std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct SafetyFiles : testing::Test {
    TempDir dir;
    std::string paf = dir.file("family.paf");
    std::string ged = dir.file("family.ged");
    void SetUp() override {
        ASSERT_TRUE(writePafFile(coupleWithChildren(2), paf));
        std::ofstream(ged) << "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Ann /Tamble/\n0 TRLR\n";
    }
};

TEST_F(SafetyFiles, NoOutputMayBeAnInput) {
    fs::create_symlink(paf, dir.file("link.log"));
    fs::create_hard_link(paf, dir.file("hard.log"));
    fs::create_symlink(ged, dir.file("gedlink.paf"));
    struct Case {
        const char* what;
        std::vector<std::string> args;
        const std::string* input;
    };
    std::vector<Case> cases = {
        {"-o the data file", {"report", "descendants-list", "--paf", paf, "--format", "log", "-o", paf}, &paf},
        {"-o a link to it", {"report", "descendants-list", "--paf", paf, "-o", dir.file("link.log")}, &paf},
        {"-o a hard link to it", {"report", "descendants-list", "--paf", paf, "-o", dir.file("hard.log")}, &paf},
        {"-o the GEDCOM read", {"report", "ancestors-list-with-repeats", "--paf", ged, "--format", "log", "-o", ged},
         &ged},
        {"import onto a link to the GEDCOM", {"import", ged, "-o", dir.file("gedlink.paf")}, &ged},
    };
#if TAMBLEWIN_HAS_FILE_OUTPUT
    fs::create_symlink(paf, dir.file("out.pdf"));
    fs::create_symlink(paf, dir.file("pages-1.png"));
    cases.push_back({"PDF onto the data file", {"report", "descendants-list", "--paf", paf, "--format", "pdf", "-o", paf},
                     &paf});
    cases.push_back({"PDF onto a link", {"report", "descendants-list", "--paf", paf, "-o", dir.file("out.pdf")}, &paf});
    cases.push_back({"a PNG page onto a link", {"report", "descendants-list", "--paf", paf, "-o", dir.file("pages.png")},
                     &paf});
#endif
    for (const Case& c : cases) {
        const FileState before(*c.input);
        const auto names = namesIn(dir.path());
        const CommandResult r = runTamblewin(c.args);
        EXPECT_EQ(r.status, 2) << c.what << "\n" << r.err;
        EXPECT_TRUE(r.err.find("will not write") != std::string::npos || r.err.find("must not be") != std::string::npos)
            << c.what << "\n" << r.err;
        EXPECT_TRUE(FileState(*c.input) == before) << c.what;
        EXPECT_EQ(namesIn(dir.path()), names) << c.what << ": nothing new in the folder";
    }
}

TEST_F(SafetyFiles, AFailedRunLeavesTheEarlierOutputAndNoTemporaryFile) {
    const std::string out = dir.file("out.log");
    std::ofstream(out) << "an earlier run\n";
    const auto names = namesIn(dir.path());
    const CommandResult refused =
        runTamblewin({"report", "descendants-list", "--paf", paf, "--start", "99", "-o", out});
    EXPECT_EQ(refused.status, 2) << refused.err;
    EXPECT_EQ(readFile(out), "an earlier run\n");
    EXPECT_EQ(namesIn(dir.path()), names);
    const CommandResult written = runTamblewin({"report", "descendants-list", "--paf", paf, "-o", out});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "Wrote the page log of 1 page to " + out + "\n");
    EXPECT_EQ(namesIn(dir.path()), names) << "replaced in place, no temporary file left";
}

TEST_F(SafetyFiles, SpecialFilesAreRefusedWithoutWaiting) {
    ASSERT_EQ(mkfifo(dir.file("pipe.paf").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(dir.file("pipe.ged").c_str(), 0600), 0);
    fs::create_directory(dir.file("folder.ged"));
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = dir.file("socket.paf");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    struct Case {
        std::string path;
        const char* kind;
    };
    const Case cases[] = {{dir.file("pipe.paf"), "named pipe"}, {dir.file("pipe.ged"), "named pipe"},
                          {dir.file("folder.ged"), "folder"},   {dir.path().string(), "folder"},
                          {socketPath, "socket"},               {"/dev/null", "device"}};
    for (const Case& c : cases) {
        for (const char* command : {"info", "people"}) {
            const CommandResult r = runTamblewin({command, c.path});
            EXPECT_EQ(r.status, 1) << c.path << "\n" << r.err;
            EXPECT_NE(r.err.find(c.kind), std::string::npos) << c.path << "\n" << r.err;
        }
    }
    close(sock);
}

WriterFamily manIsChildOfHisOwnMarriage() {
    WriterFamily f = coupleWithChildren(1);
    f.marriage(1).children.push_back(1);
    return f;
}

TEST_F(SafetyFiles, ExitStatusesSayWhatHappened) {
    const std::string loop = dir.file("loop.paf");
    ASSERT_TRUE(writePafFile(manIsChildOfHisOwnMarriage(), loop));
    const std::string ring = dir.file("ring.paf");
    ASSERT_TRUE(writePafFile(ringOf(300), ring));
    std::ofstream(dir.file("notes.paf")) << "just some notes, long enough to be read as a header or two\n";
    const std::string log = dir.file("out.log");
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"info", dir.file("missing.paf")}, 1, "Open failed"},
        {{"info", dir.file("notes.paf")}, 3, "PAF file is corrupted"},
        {{"report", "descendants-list", "--paf", paf, "--start", "0", "-o", log}, 2,
         "The start number must be 1 or more"},
        {{"report", "ancestors-list-with-repeats", "--paf", paf, "--start", "-2", "-o", log}, 2,
         "The start number must be 1 or more"},
        {{"report", "descendants-list", "--paf", loop, "-o", log}, 4, "Corrupt Data"},
        {{"report", "ancestors-list-with-repeats", "--paf", loop, "-o", log}, 4, "Corrupt Data"},
        {{"report", "ancestors-list-with-repeats", "--paf", ring, "-o", log}, 4, "Corrupt Data"},
        {{"report", "descendants-list", "--paf", paf, "-o", log}, 0, ""},
    };
    for (const Case& c : cases) {
        const CommandResult r = runTamblewin(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args[1] << "\n" << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        if (c.status == 2) {
            EXPECT_EQ(r.err.find("Corrupt"), std::string::npos) << "the user's typing, not the file";
        }
    }
}

#if TAMBLEWIN_HAS_FILE_OUTPUT
TEST_F(SafetyFiles, PageFilesGoIntoAFolderAndEarlierExtraPagesAreRemoved) {
    const fs::path pages = dir.path() / "pages";
    fs::create_directory(pages);
    for (const char* stale : {"descendants-list-2.png", "descendants-list-3.png", "descendants-list-5.png"})
        std::ofstream(pages / stale) << "an earlier run\n";
    const CommandResult r =
        runTamblewin({"report", "descendants-list", "--paf", paf, "--format", "png", "-o", pages.string() + "/"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Wrote 1 page to"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Removed 2 page files"), std::string::npos) << r.out;
    EXPECT_EQ(namesIn(pages), (std::vector<std::string>{"descendants-list-1.png", "descendants-list-5.png"}))
        << "the numbers after a gap are not this document's";
    EXPECT_EQ(runTamblewin({"report", "descendants-list", "--paf", paf, "--format", "pdf", "-o", pages.string()}).status,
              2);
}
#endif

}  // namespace
}  // namespace tw::test
