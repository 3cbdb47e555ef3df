// The command line with mistakes and hostile files: outputs that would land on an
// input, special files given as input, earlier outputs a failed run must leave
// alone, and the exit status of each outcome.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
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
    std::ofstream(dir.file("notes.ged")) << "just some notes, long enough to be read as a header or two\n";
    const std::string log = dir.file("out.log");
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"info", dir.file("missing.paf")}, 1, "Open failed"},
        {{"info", dir.file("notes.paf")}, 3, "PAF file is corrupted"},
        {{"info", dir.file("missing.ged")}, 1, "cannot be read"},
        {{"info", dir.file("notes.ged")}, 3, "not a GEDCOM file"},
        {{"people", dir.file("notes.ged")}, 3, "not a GEDCOM file"},
        {{"report", "descendants-list", "--paf", dir.file("notes.ged"), "-o", log}, 3, "not a GEDCOM file"},
        {{"import", dir.file("notes.ged"), "-o", dir.file("notes-imported.paf")}, 3, "not a GEDCOM file"},
        {{"import", dir.file("missing.ged"), "-o", dir.file("missing-imported.paf")}, 1, "cannot be read"},
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

// The kind of file at path (links not followed), to show a special file stayed one.
mode_t kindAt(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

// Binds a socket at path (kept open by the caller).
int socketAt(const std::string& path) {
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return -1;
    std::copy(path.begin(), path.end(), address.sun_path);
    return bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 ? sock : -1;
}

TEST_F(SafetyFiles, SpecialFilesAsOutputsAreRefusedAndStaySpecial) {
    const fs::path outs = dir.path() / "outs";
    fs::create_directory(outs);
    std::vector<std::string> specials;
    for (const char* name : {"fifo", "fifo-1"}) {
        ASSERT_EQ(mkfifo((outs / name).c_str(), 0600), 0);
        specials.push_back((outs / name).string());
    }
    const int sock = socketAt((outs / "sock").string());
    ASSERT_GE(sock, 0);
    specials.push_back((outs / "sock").string());
    if (geteuid() == 0) {
        // A copy of /dev/null, made in the test's own folder: a device is never replaced.
        ASSERT_EQ(mknod((outs / "null").c_str(), S_IFCHR | 0600, makedev(1, 3)), 0);
        specials.push_back((outs / "null").string());
    } else {
        std::printf("the device row is skipped: making a device needs root\n");
    }
    fs::create_symlink(outs / "fifo", outs / "link");
    specials.push_back((outs / "link").string());
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::string special;
    };
    std::vector<Case> cases;
    for (const std::string& special : specials) {
        if (special.ends_with("-1")) continue;
        cases.push_back({"log", {"report", "descendants-list", "--paf", paf, "--format", "log", "-o", special}, special});
        cases.push_back({"import", {"import", ged, "-o", special}, special});
#if TAMBLEWIN_HAS_FILE_OUTPUT
        cases.push_back({"pdf", {"report", "descendants-list", "--paf", paf, "--format", "pdf", "-o", special}, special});
#endif
    }
#if TAMBLEWIN_HAS_FILE_OUTPUT
    // A page file that is a FIFO: "fifo" names pages fifo-1.png and fifo-1.svg.
    for (const char* format : {"png", "svg"}) {
        const std::string page = (outs / (std::string("fifo-1.") + format)).string();
        ASSERT_EQ(mkfifo(page.c_str(), 0600), 0);
        cases.push_back({format, {"report", "descendants-list", "--paf", paf, "--format", format, "-o",
                                  (outs / (std::string("fifo.") + format)).string()}, page});
    }
#endif
    for (const Case& c : cases) {
        const mode_t kind = kindAt(c.special);
        const auto names = namesIn(outs);
        const CommandResult r = runTamblewin(c.args);
        SCOPED_TRACE(std::string(c.what) + " into " + c.special + "\n" + r.err);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("will not write"), std::string::npos);
        EXPECT_EQ(kindAt(c.special), kind) << "still the special file it was";
        EXPECT_EQ(namesIn(outs), names) << "no file made, no temporary file left";
    }
    close(sock);
}

#if TAMBLEWIN_HAS_FILE_OUTPUT
// Some 3,000 children: a report that writes for long enough to be stopped.
std::string largeFamily(TempDir& dir) {
    const std::string path = dir.file("large.paf");
    EXPECT_TRUE(writePafFile(coupleWithChildren(3000), path));
    return path;
}

TEST_F(SafetyFiles, EverySignalThatEndsTheRunLeavesNoTemporaryFile) {
    const std::string large = largeFamily(dir);
    const fs::path outs = dir.path() / "outs";
    fs::create_directory(outs);
    const std::string out = (outs / "r.pdf").string();
    std::ofstream(out) << "an earlier run\n";
    const int signals[] = {SIGINT,  SIGTERM,   SIGHUP,  SIGQUIT, SIGUSR1, SIGUSR2,
                           SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU, SIGXFSZ, SIGPWR};
    for (const int signal : signals) {
        for (const int delay : {30, 150, 600}) {  // early, midway and late in the run
            const std::string before = readFile(out);
            RunShape shape;
            shape.signal = signal;
            shape.signalAfter = std::chrono::milliseconds(delay);
            const CommandResult r = runTamblewinShaped({"report", "descendants-list", "--paf", large, "-o", out}, shape);
            SCOPED_TRACE(std::string(strsignal(signal)) + " after " + std::to_string(delay) + " ms\n" + r.err);
            EXPECT_EQ(namesIn(outs), std::vector<std::string>{"r.pdf"}) << "no temporary file left";
            if (r.status == 0) {
                EXPECT_EQ(readFile(out).substr(0, 5), "%PDF-") << "a run that ended well wrote the whole file";
            } else {
                EXPECT_TRUE(r.status == 1 || r.status == 128 + signal) << r.status;
                EXPECT_TRUE(readFile(out) == before) << "the earlier file as it was";
            }
        }
    }
}

TEST_F(SafetyFiles, TemporaryFilesOfAKilledRunAreRemovedByTheNext) {
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const fs::path outs = dir.path() / "outs";
    fs::create_directory(outs);
    const std::string dead = std::to_string(ended), alive = std::to_string(getpid());
    for (const std::string& name : {".r.pdf.tmp" + dead + "-1", ".r.tmp" + dead + "-1-2.png", ".r.pdf.tmp" + alive + "-1",
                                   ".other.pdf.tmp" + dead + "-1", std::string(".r.pdf.tmpnotes")})
        std::ofstream(outs / name) << "left\n";
    const CommandResult r =
        runTamblewin({"report", "descendants-list", "--paf", paf, "--format", "pdf", "-o", (outs / "r.pdf").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(namesIn(outs), (std::vector<std::string>{".other.pdf.tmp" + dead + "-1", ".r.pdf.tmp" + alive + "-1",
                                                        ".r.pdf.tmpnotes", "r.pdf"}))
        << "only the files of an ended run for this output go";
}

TEST_F(SafetyFiles, AFullDiskIsAFailedRunThatLeavesTheEarlierOutput) {
    const fs::path outs = dir.path() / "outs";
    fs::create_directory(outs);
    const std::string large = largeFamily(dir);
    for (const char* format : {"pdf", "png", "svg", "log"}) {
        const std::string out = (outs / (std::string("r.") + format)).string();
        const std::string page = std::string(format) == "png" || std::string(format) == "svg"
                                     ? (outs / (std::string("r-1.") + format)).string()
                                     : out;
        std::ofstream(page) << "an earlier run\n";
        const auto names = namesIn(outs);
        RunShape shape;
        shape.largestFile = 4096;  // the disk is full after 4 KB
        const CommandResult r = runTamblewinShaped(
            {"report", "descendants-list", "--paf", large, "--format", format, "-o", out}, shape);
        SCOPED_TRACE(std::string(format) + "\n" + r.err);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("cannot write"), std::string::npos);
        EXPECT_EQ(readFile(page), "an earlier run\n");
        EXPECT_EQ(namesIn(outs), names) << "no temporary file left";
    }
    RunShape shape;
    shape.largestFile = 4096;
    const CommandResult imported = runTamblewinShaped({"import", ged, "-o", (outs / "big.paf").string()}, shape);
    EXPECT_EQ(imported.status, 1) << imported.err;
    EXPECT_FALSE(fs::exists(outs / "big.paf"));
}
// A small file system of its own, mounted while the object lives (root only, and
// only where mounting is allowed).
class SmallDisk {
public:
    SmallDisk(const fs::path& at, const char* size) : at_(at) {
        fs::create_directory(at_);
        mounted_ = geteuid() == 0 && mount("tmpfs", at_.c_str(), "tmpfs", 0, (std::string("size=") + size).c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) umount2(at_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return mounted_; }

private:
    fs::path at_;
    bool mounted_ = false;
};

// A disk that fills up during the run: every format and the import fail, say so,
// leave the earlier output and no temporary file. (Without root, AFailedWriteTo-
// StandardOutputFails has the full device.)
TEST_F(SafetyFiles, ADiskThatFillsUpFailsEveryFormatAndKeepsTheEarlierOutput) {
    const std::string large = largeFamily(dir);
    const fs::path outs = dir.path() / "small";
    SmallDisk disk(outs, "96k");
    if (!disk.mounted()) GTEST_SKIP() << "no file system of its own can be mounted here";
    struct Case {
        std::vector<std::string> args;
        std::string earlier;  // a file of an earlier run, kept as it was
    };
    const std::string out = outs.string() + "/r";
    const Case cases[] = {
        {{"report", "descendants-list", "--paf", large, "--format", "pdf", "-o", out + ".pdf"}, out + ".pdf"},
        {{"report", "descendants-list", "--paf", large, "--format", "png", "-o", out + ".png"}, out + "-1.png"},
        {{"report", "descendants-list", "--paf", large, "--format", "svg", "-o", out + ".svg"}, out + "-1.svg"},
        {{"report", "descendants-list", "--paf", large, "--format", "log", "-o", out + ".log"}, out + ".log"},
        {{"import", ged, "-o", out + ".paf"}, out + ".paf"},
    };
    for (const Case& c : cases) {
        std::ofstream(c.earlier) << "an earlier run\n";
        // The import's family is small: the disk is nearly full before it starts.
        const bool import = c.args[0] == "import";
        if (import) std::ofstream(outs / "filler") << std::string(90 << 10, 'x');
        const auto names = namesIn(outs);
        const CommandResult r = runTamblewin(c.args);
        SCOPED_TRACE(c.args.back() + "\n" + r.err);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.find("cannot write") != std::string::npos || r.err.find("cannot be written") != std::string::npos);
        EXPECT_EQ(readFile(c.earlier), "an earlier run\n");
        EXPECT_EQ(namesIn(outs), names) << "no temporary file left";
        for (const std::string& name : names) fs::remove(outs / name);
    }
}

TEST_F(SafetyFiles, OutOfMemoryInEveryFormatExitsFiveWithTheMessage) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "an address-space limit stops the sanitizer's own start";
#endif
    const std::string large = largeFamily(dir);
    const fs::path outs = dir.path() / "outs";
    fs::create_directory(outs);
    for (const char* format : {"pdf", "png", "svg", "log"}) {
        // Limits on both sides of where the page images start to fit.
        for (const unsigned long long megabytes : {120ULL, 150ULL, 180ULL, 210ULL, 250ULL}) {
            RunShape shape;
            shape.addressSpace = megabytes << 20;
            const CommandResult r = runTamblewinShaped(
                {"report", "descendants-list", "--paf", large, "--format", format, "-o", (outs / "r").string() + "." + format},
                shape);
            SCOPED_TRACE(std::string(format) + " within " + std::to_string(megabytes) + " MB\n" + r.err);
            // Done, or said: never an abort from a helper thread, never a half-written file.
            EXPECT_TRUE(r.status == 0 || r.status == 5) << r.status;
            if (r.status == 5) {
                EXPECT_NE(r.err.find("Out of memory"), std::string::npos);
            }
            for (const std::string& name : namesIn(outs)) EXPECT_NE(name[0], '.') << name;
            fs::remove_all(outs);
            fs::create_directory(outs);
        }
    }
}

// Memory that runs out for certain: the smallest limit (in steps of 8 MB) at which
// a small family's report is written, then a family whose data file alone is larger
// than the 16 MB more the second run is given. Every format then ends with status
// 5 and the message, the earlier output kept and no temporary file left.
TEST_F(SafetyFiles, MemoryThatRunsOutForCertainExitsFiveInEveryFormat) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "an address-space limit stops the sanitizer's own start";
#endif
    const std::string huge = dir.file("huge.paf");
    ASSERT_TRUE(writePafFile(coupleWithChildren(100000), huge));
    ASSERT_GT(fs::file_size(huge), uintmax_t(24) << 20);
    const fs::path outs = dir.path() / "outs";
    fs::create_directory(outs);
    for (const char* format : {"pdf", "png", "svg", "log"}) {
        const std::string out = (outs / "r").string() + "." + format;
        unsigned long long enough = 0;
        for (unsigned long long megabytes = 8; megabytes <= 512 && enough == 0; megabytes += 8) {
            RunShape shape;
            shape.addressSpace = megabytes << 20;
            if (runTamblewinShaped({"report", "descendants-list", "--paf", paf, "--format", format, "-o", out}, shape)
                    .status == 0)
                enough = megabytes;
        }
        ASSERT_NE(enough, 0u) << format;
        fs::remove_all(outs);
        fs::create_directory(outs);
        std::ofstream(out) << "an earlier run\n";
        RunShape shape;
        shape.addressSpace = (enough + 16) << 20;
        const CommandResult r =
            runTamblewinShaped({"report", "descendants-list", "--paf", huge, "--format", format, "-o", out}, shape);
        SCOPED_TRACE(std::string(format) + " within " + std::to_string(enough + 16) + " MB\n" + r.err);
        EXPECT_EQ(r.status, 5);
        EXPECT_NE(r.err.find("Out of memory"), std::string::npos);
        EXPECT_EQ(readFile(out), "an earlier run\n");
        EXPECT_EQ(namesIn(outs), std::vector<std::string>{"r." + std::string(format)}) << "no temporary file left";
    }
}
#endif

TEST_F(SafetyFiles, AFailedWriteToStandardOutputFails) {
    RunShape full;
    full.standardOutput = "/dev/full";
    const std::vector<std::vector<std::string>> commands = {
        {"people", paf}, {"info", paf}, {"families", paf}, {"report", "descendants-list", "--paf", paf, "--format", "log", "-o", "-"}};
    for (const auto& args : commands) {
        const CommandResult r = runTamblewinShaped(args, full);
        EXPECT_EQ(r.status, 1) << args[0] << "\n" << r.err;
        EXPECT_NE(r.err.find("cannot write"), std::string::npos) << args[0] << "\n" << r.err;
    }
}

TEST_F(SafetyFiles, SourceDateEpochOutsideTheYearsOneTo9999IsRefused) {
    const std::string log = dir.file("dated.log");
    struct Case {
        const char* value;
        int status;
    };
    const Case cases[] = {{"0", 0},
                          {"253402300799", 0},   // 9999-12-31T23:59:59Z
                          {"-62135596800", 0},   // 0001-01-01T00:00:00Z
                          {"253402300800", 2},   // year 10000
                          {"-62135596801", 2},   // year 0
                          {"9223372036854775807", 2},
                          {"99999999999999999999", 2},
                          {"12 o'clock", 2}};
    for (const Case& c : cases) {
        const CommandResult r =
            runTamblewin({"report", "descendants-list", "--paf", paf, "-o", log}, {{"SOURCE_DATE_EPOCH", c.value}});
        EXPECT_EQ(r.status, c.status) << c.value << "\n" << r.err;
        if (c.status == 2) {
            EXPECT_NE(r.err.find("SOURCE_DATE_EPOCH"), std::string::npos) << r.err;
        }
    }
}

// No format makes a folder for its output: a missing one is refused before the run.
TEST_F(SafetyFiles, AnOutputInAFolderThatDoesNotExistIsRefused) {
    const fs::path missing = dir.path() / "missing" / "deeper";
    const std::vector<std::vector<std::string>> commands = {
        {"report", "descendants-list", "--paf", paf, "--format", "log", "-o", (missing / "r.log").string()},
        {"report", "descendants-list", "--paf", paf, "--format", "pdf", "-o", (missing / "r.pdf").string()},
        {"report", "descendants-list", "--paf", paf, "--format", "png", "-o", (missing / "r.png").string()},
        {"report", "descendants-list", "--paf", paf, "--format", "svg", "-o", missing.string() + "/"},
        {"report", "descendants-list", "--paf", paf, "-o", (dir.path() / "family.paf" / "r.pdf").string()},
        {"import", ged, "-o", (missing / "r.paf").string()},
    };
    for (const auto& args : commands) {
        const CommandResult r = runTamblewin(args);
        SCOPED_TRACE(args.back() + "\n" + r.err);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.find("does not exist") != std::string::npos || r.err.find("is not a folder") != std::string::npos);
        EXPECT_FALSE(fs::exists(dir.path() / "missing"));
    }
}

TEST_F(SafetyFiles, APipeWhereAFileIsReadIsPassedOver) {
    // The chart's positions file, the tuning file and the paper configuration.
    ASSERT_EQ(mkfifo(dir.file("familym1.twft").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(dir.file("tuning.txt").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(dir.file("papersize").c_str(), 0600), 0);
    const std::vector<std::pair<std::string, std::string>> environment = {
        {"TAMBLEWIN_DSC_TUNING", dir.file("tuning.txt")}, {"PAPERCONF", dir.file("papersize")}, {"PAPERSIZE", ""}};
    for (const char* kind : {"family-tree-chart", "descendant-summary-chart"}) {
        const CommandResult r =
            runTamblewin({"report", kind, "--paf", paf, "--format", "log", "-o", dir.file("chart.log")}, environment);
        EXPECT_EQ(r.status, 0) << kind << "\n" << r.err;
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
