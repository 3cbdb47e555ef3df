// Where the front ends put the program's own files, and whole-file writing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/system_paper.h"
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

TEST(SystemPaper, TheLocalesTerritoryGivesLetterOrA4) {
    const std::pair<const char*, std::optional<Paper>> cases[] = {
        {"en_US.UTF-8", Paper::Letter}, {"fr_CA", Paper::Letter},         {"es_MX.UTF-8", Paper::Letter},
        {"fil_PH", Paper::Letter},      {"es_CL.UTF-8", Paper::Letter},   {"es_CO", Paper::Letter},
        {"es_VE@euro", Paper::Letter},  {"en_us.utf8", Paper::Letter},    {"de_DE.UTF-8", Paper::A4},
        {"en_GB.UTF-8", Paper::A4},     {"en_AU", Paper::A4},             {"pt_BR.UTF-8", Paper::A4},
        {"sr_RS@latin", Paper::A4},     {"ja_JP.eucJP", Paper::A4},       {"C", std::nullopt},
        {"POSIX", std::nullopt},        {"C.UTF-8", std::nullopt},        {"en", std::nullopt},
        {"de_.UTF-8", std::nullopt},    {"", std::nullopt},
    };
    for (const auto& [locale, paper] : cases) EXPECT_EQ(paperOfLocale(locale), paper) << locale;
}

TEST(SystemPaper, TheConfigurationFileNamesItsPaperInTheFirstWordThatIsNoComment) {
    test::TempDir dir;
    const std::pair<const char*, std::optional<Paper>> cases[] = {
        {"a4\n", Paper::A4},
        {"# the system's paper\n\n   Letter   # set by hand\nA3\n", Paper::Letter},
        {"\tlegal", Paper::Legal},
        {"executive\na4\n", std::nullopt},  // the first word decides, even one no paper has
        {"# only a comment\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, paper] : cases) {
        const std::string path = dir.file("papersize");
        std::ofstream(path) << text;
        EXPECT_EQ(paperOfConfigFile(path), paper) << text;
    }
    EXPECT_EQ(paperOfConfigFile(dir.file("missing")), std::nullopt);
}

TEST(SystemPaper, TheFirstSourceThatNamesAKnownPaperDecides) {
    test::TempDir dir;
    const std::string a5File = dir.file("a5"), unknownFile = dir.file("b5"), missing = dir.file("missing");
    std::ofstream(a5File) << "a5\n";
    std::ofstream(unknownFile) << "b5\n";
    struct Case {
        const char* papersize;
        std::string configFile;
        const char* lcAll;
        const char* lcPaper;
        const char* lang;
        Paper paper;
        PaperSource source;
    };
    const Case cases[] = {
        {"a4", a5File, "en_US", "", "", Paper::A4, PaperSource::PapersizeVariable},
        {" Tabloid\n", missing, "", "", "de_DE", Paper::Tabloid, PaperSource::PapersizeVariable},
        {"b5", a5File, "", "", "", Paper::A5, PaperSource::ConfigFile},  // an unknown name is passed over
        {"", a5File, "en_US.UTF-8", "", "", Paper::A5, PaperSource::ConfigFile},
        {"", unknownFile, "", "", "de_DE.UTF-8", Paper::A4, PaperSource::Locale},
        {"", missing, "", "", "de_DE.UTF-8", Paper::A4, PaperSource::Locale},
        {"", missing, "", "", "en_US.UTF-8", Paper::Letter, PaperSource::Locale},
        {"", missing, "", "en_US.UTF-8", "de_DE.UTF-8", Paper::Letter, PaperSource::Locale},
        {"", missing, "fr_FR.UTF-8", "en_US.UTF-8", "en_US.UTF-8", Paper::A4, PaperSource::Locale},
        // LC_ALL overrides the others even when it names no territory.
        {"", missing, "C", "", "de_DE.UTF-8", Paper::Letter, PaperSource::Fallback},
        {"", missing, "", "C.UTF-8", "de_DE.UTF-8", Paper::Letter, PaperSource::Fallback},
        {"", "", "", "", "", Paper::Letter, PaperSource::Fallback},
    };
    for (const Case& c : cases) {
        const SystemPaper found = systemPaper({c.papersize, c.configFile, c.lcAll, c.lcPaper, c.lang});
        EXPECT_EQ(found.paper, c.paper) << c.papersize << "|" << c.configFile << "|" << c.lcAll << "|" << c.lcPaper
                                        << "|" << c.lang;
        EXPECT_EQ(found.source, c.source) << c.papersize << "|" << c.configFile;
    }
}

TEST(SystemPaper, PaperconfNamesTheConfigurationFileElseItIsEtcPapersize) {
    {
        ScopedEnv conf("PAPERCONF", "/tmp/own-papersize"), size("PAPERSIZE", "A3"), all("LC_ALL", "de_AT");
        const PaperSources sources = paperSourcesOfEnvironment();
        EXPECT_EQ(sources.configFile, "/tmp/own-papersize");
        EXPECT_EQ(sources.papersize, "A3");
        EXPECT_EQ(sources.lcAll, "de_AT");
    }
    ScopedEnv conf("PAPERCONF", "");
    EXPECT_EQ(paperSourcesOfEnvironment().configFile, "/etc/papersize");
}

}  // namespace
}  // namespace tw
