// Where the front ends put the program's own files, and whole-file writing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/user_files.h"
#include "support/paf_fixture.h"
#include "support/scoped_env.h"

namespace tw {
namespace {

using test::ScopedEnv;

TEST(UserFiles, PathsComeFromTheEnvironmentInTheirOrder) {
    struct Case {
        const char* own;
        const char* config;
        const char* state;
        const char* home;
        std::string tuning;
        std::string listing;
    };
    const Case cases[] = {
        {"/t/own.txt", "/cfg", "/st", "/h", "/t/own.txt", "/st/tamblewin/ft.log"},
        {"", "/cfg", "", "/h", "/cfg/tamblewin/DSCtest.txt", "/h/.local/state/tamblewin/ft.log"},
        {"", "", "relative", "/h", "/h/.config/tamblewin/DSCtest.txt", "/h/.local/state/tamblewin/ft.log"},
        {"", "", "", "", "", "./.local/state/tamblewin/ft.log"},
    };
    for (const Case& c : cases) {
        ScopedEnv own("TAMBLEWIN_DSC_TUNING", c.own), config("XDG_CONFIG_HOME", c.config),
            state("XDG_STATE_HOME", c.state), home("HOME", c.home);
        const RunPaths paths = runPathsFor("/data/Family.paf");
        EXPECT_EQ(paths.dscTuningFile, c.tuning) << c.own << c.config << c.home;
        EXPECT_EQ(paths.ftcListingFile, c.listing) << c.state << c.home;
        EXPECT_EQ(paths.ftcPositionsStem, "/data/Family");
    }
}

std::string contents(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

TEST(UserFiles, WholeFilesReplaceTheOldOneOrLeaveItUntouched) {
    test::TempDir dir;
    const std::string path = dir.file("deep/er/ft.log");
    ASSERT_TRUE(writeWholeFile(path, "first"));
    ASSERT_TRUE(writeWholeFile(path, "second"));
    EXPECT_EQ(contents(path), "second");
    // A folder in the way: the write fails and leaves no temporary file behind.
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_FALSE(writeWholeFile(dir.file("folder"), "x"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
    removeFileIfPresent(path);
    removeFileIfPresent(path);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace tw
