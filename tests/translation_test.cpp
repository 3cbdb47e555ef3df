// The reader's language: which one the options and the environment choose, the
// catalogues lrelease builds, and the command line's pages in it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "base/ordinal.h"
#include "base/translation.h"
#include "support/paf_fixture.h"

namespace tw {
namespace {

std::string readBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(Language, TheOptionThenLanguageThenTheLocaleChooseAShippedLanguage) {
    struct Case {
        std::string option;
        std::map<std::string, std::string> environment;
        std::string chosen;
    };
    const Case cases[] = {
        {"", {}, "en"},
        {"de", {{"LANG", "fr_FR.UTF-8"}}, "de"},
        {"DE_at", {}, "de"},
        {"no", {}, "nb"},
        {"pt", {{"LANG", "de_DE.UTF-8"}}, "en"},  // an unknown language is English, not the locale's
        {"", {{"LANG", "nl_NL.UTF-8"}}, "nl"},
        {"", {{"LANG", "nl_NL.UTF-8"}, {"LC_MESSAGES", "sv_SE.UTF-8"}}, "sv"},
        {"", {{"LC_MESSAGES", "sv_SE.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}}, "es"},
        {"", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt_BR:fr:de"}}, "fr"},
        {"", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en:fr"}}, "en"},
        {"", {{"LANG", "C.UTF-8"}, {"LANGUAGE", "fr"}}, "en"},  // the C locale ignores LANGUAGE
        {"", {{"LANGUAGE", "fr"}}, "en"},
        {"", {{"LANG", "pt_BR.UTF-8"}}, "en"},
        {"", {{"LANG", "nb_NO.UTF-8@euro"}}, "nb"},
    };
    for (const Case& c : cases) {
        const auto environment = [&](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(chooseLanguage(c.option, environment), c.chosen) << c.option << " " << c.environment.size();
    }
}

TEST(Language, CataloguesBuiltByLreleaseAreReadAndDamagedOnesRefused) {
    const std::string qm = readBytes(std::string(TAMBLEWIN_TRANSLATIONS_DIR) + "/tamblewin_de.qm");
    if (qm.empty()) GTEST_SKIP() << "this build has no catalogues (they are built with Qt's lrelease)";
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.load(qm));
    ASSERT_NE(catalogue.find("DescendantsList", "Descendants of"), nullptr);
    EXPECT_EQ(*catalogue.find("DescendantsList", "Descendants of"), "Nachkommen von");
    EXPECT_EQ(catalogue.find("Other", "Descendants of"), nullptr);

    // Every cut of the file is refused whole or read whole, never read in part.
    for (size_t length = 0; length < qm.size(); ++length) {
        Catalogue cut;
        if (cut.load(qm.substr(0, length))) {
            EXPECT_LE(cut.size(), catalogue.size());
        }
    }
    std::string damaged = qm;
    damaged[3] = char(damaged[3] ^ 0x40);
    EXPECT_FALSE(catalogue.load(damaged));
    EXPECT_TRUE(catalogue.empty());
}

TEST(Language, ValuesAreFilledInWhereverTheTranslationPutsThem) {
    EXPECT_EQ(fillIn("Page %1", {"3"}), "Page 3");
    EXPECT_EQ(fillIn("%2 und %1", {"Ann", "Bo"}), "Bo und Ann");
    EXPECT_EQ(fillIn("100% of %1%", {"x"}), "100% of x%");
    EXPECT_EQ(fillIn("%3 %1", {"a"}), "%3 a");  // a value not given stays as written
}

TEST(Language, OrdinalsFollowTheLanguageInUse) {
    const std::string qmFolder = TAMBLEWIN_TRANSLATIONS_DIR;
    if (readBytes(qmFolder + "/tamblewin_de.qm").empty()) GTEST_SKIP() << "this build has no catalogues";
    const std::map<std::string, std::vector<std::string>> expected = {
        {"en", {"1st", "2nd", "3rd", "4th", "11th", "12th", "13th", "21st", "22nd", "111th"}},
        {"de", {"1.", "2.", "3.", "4.", "11.", "12.", "13.", "21.", "22.", "111."}},
        {"fr", {"1er", "2e", "3e", "4e", "11e", "12e", "13e", "21e", "22e", "111e"}},
        {"sv", {"1:a", "2:a", "3:e", "4:e", "11:e", "12:e", "13:e", "21:a", "22:a", "111:e"}},
        {"nl", {"1e", "2e", "3e", "4e", "11e", "12e", "13e", "21e", "22e", "111e"}},
    };
    const int numbers[] = {1, 2, 3, 4, 11, 12, 13, 21, 22, 111};
    for (const auto& [language, texts] : expected) {
        useLanguage(language, std::vector<std::string>{qmFolder});
        for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(ordinal(numbers[i]), texts[i]) << language;
    }
    useLanguage("en", {});
}

TEST(Language, TranslateFallsBackToEnglishWithoutACatalogue) {
    useCatalogue({});
    EXPECT_EQ(translate("DescendantsList", "Descendants of"), "Descendants of");
}

#if TAMBLEWIN_HAS_FILE_OUTPUT
TEST(Language, TheCommandLineWritesPagesInTheChosenLanguage) {
    struct Case {
        std::vector<std::string> language;
        std::string lang;
        std::string heading;
    };
    const Case cases[] = {
        {{}, "C.UTF-8", "Descendants of"},
        {{"--language", "de"}, "C.UTF-8", "Nachkommen von"},
        {{"--language=fr"}, "de_DE.UTF-8", "Descendants de"},
        {{}, "sv_SE.UTF-8", "Ättlingar till"},
        {{"--language", "xx"}, "de_DE.UTF-8", "Descendants of"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"report", "descendants-list", "--paf", TAMBLEWIN_DEMO_PAF, "--format", "log", "-o", "-"};
        args.insert(args.end(), c.language.begin(), c.language.end());
        const test::CommandResult r =
            test::runTamblewin(args, {{"LANG", c.lang}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANGUAGE", ""}});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("," + c.heading + "\n"), std::string::npos) << c.heading;
    }
    EXPECT_EQ(test::runTamblewin({"--language"}).status, 2);
}

// The command line's own messages come in the chosen language, as its catalogue has them.
TEST(Language, CommandLineMessagesComeInTheChosenLanguage) {
    struct Case {
        std::vector<std::string> args;
        const char* source;  // the English text, as marked in the program
        std::string value;   // what %1 stands for, if the text has it
        bool onStandardOutput;
    };
    const Case cases[] = {
        {{"frobnicate"}, "unknown command '%1'", "frobnicate", false},
        {{"info"}, "'%1' takes one data file", "info", false},
        {{"report", "descendants-list"}, "'report' needs the data file: --paf FILE.paf", "", false},
        {{"--help"}, "Usage:", "", true},
    };
    for (const std::string language : {"en", "de", "fr"}) {
        Catalogue catalogue;
        const bool loaded =
            catalogue.load(readBytes(std::string(TAMBLEWIN_TRANSLATIONS_DIR) + "/tamblewin_" + language + ".qm"));
        if (language != "en" && !loaded) GTEST_SKIP() << "this build has no catalogues (they are built with Qt's lrelease)";
        for (const Case& c : cases) {
            const std::string* translation = catalogue.find("CommandLine", c.source);
            ASSERT_TRUE(language == "en" || translation != nullptr) << language << ": " << c.source;
            const std::string expected = fillIn(translation != nullptr ? std::string_view(*translation) : c.source, {c.value});
            std::vector<std::string> args = c.args;
            args.insert(args.end(), {"--language", language});
            const test::CommandResult r = test::runTamblewin(args);
            if (c.onStandardOutput) {
                EXPECT_EQ(r.status, 0) << r.err;
                EXPECT_EQ(r.out.substr(0, expected.size() + 1), expected + "\n") << language;
            } else {
                EXPECT_EQ(r.status, 2) << r.err;
                EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "tamblewin: " + expected) << language;
            }
        }
    }
}
#endif

}  // namespace
}  // namespace tw
