// Letters no installed font draws are said once per report, with their script, the
// font they need and how many texts they touched; the pages are written all the same.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "run/app_context.h"
#include "support/paf_fixture.h"
#include "wizard/dispatcher.h"

namespace tw::test {
namespace {

// A couple and their child, in UTF-8; the husband's name holds U+10FFFD, a character
// of the private use planes that no font has.
std::unique_ptr<OpenedFamily> familyNamed(const std::string& husband) {
    WriterFamily family;
    WriterMarriage m;
    m.husband = family.addPerson(person(husband));
    m.wife = family.addPerson(person("Beatrix /Lind/", 'F'));
    m.children.push_back(family.addPerson(person("Carl /Lind/")));
    family.addMarriage(m);
    return openFamily(family);
}

TEST(MissingFonts, EveryReportSaysOnceWhatNoInstalledFontDraws) {
    struct Case {
        const char* husband;
        ReportKind kind;
        const char* start;
        const char* said;  // nullptr: nothing
    };
    const Case cases[] = {
        {"Adam\U0010FFFD /Lind/", ReportKind::DescendantsList, "1",
         "No installed font has the symbol characters of 1 name or place: they print as empty boxes."},
        {"Adam\U0010FFFD /Lind/", ReportKind::FamilyDateChart, "1",
         "No installed font has the symbol characters of 2 names and places: they print as empty boxes."},
        {"Adam\U0010FFFD /Lind/", ReportKind::AncestorsListWithRepeats, "2", nullptr},  // the husband is not in it
        {"Adam /Lind/", ReportKind::DescendantsList, "1", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.husband) + " " + c.start);
        auto opened = familyNamed(c.husband);
        ASSERT_NE(opened, nullptr);
        AppContext ctx(opened->host);
        ASSERT_EQ(ctx.file.openImage(opened->image, TextEncoding::Utf8), PafFile::kOpened);
        ASSERT_EQ(dispatchReports(ctx, flagsFor(c.kind), c.start), DispatchOutcome::Ran);
        std::vector<RecordedMessage> said;
        for (const RecordedMessage& m : opened->host.messages)
            if (m.caption == "Fonts") said.push_back(m);
        if (c.said == nullptr) {
            EXPECT_TRUE(said.empty()) << said.front().text;
            continue;
        }
        ASSERT_EQ(said.size(), 1u);
        EXPECT_EQ(said.front().text, c.said);
    }
}

#if TAMBLEWIN_HAS_FILE_OUTPUT
size_t occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// A font configuration of Liberation and the Noto fonts of one script a file, without
// Noto Sans CJK: the command writes the PDF and says once which font Chinese names
// need and how many texts they are.
TEST(MissingFonts, TheCommandSaysWhichFontAndHowManyNamesAndStillWritesThePages) {
    const char* const fontDirs[] = {"/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/noto"};
    for (const char* folder : fontDirs)
        if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << folder << " is missing (tools/setup.sh installs it)";
    TempDir dir;
    const std::string config = dir.file("fonts.conf");
    std::ofstream(config) << "<?xml version=\"1.0\"?>\n<fontconfig><dir>" << fontDirs[0] << "</dir><dir>" << fontDirs[1]
                          << "</dir><cachedir>" << dir.file("cache") << "</cachedir></fontconfig>\n";
    const std::string ged = dir.file("wang.ged");
    std::ofstream(ged, std::ios::binary)
        << "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n"
           "0 @I1@ INDI\n1 NAME 伟 /王/\n1 SEX M\n1 BIRT\n2 DATE 1950\n2 PLAC 北京\n1 FAMS @F1@\n"
           "0 @I2@ INDI\n1 NAME Anna /Lind/\n1 SEX F\n1 FAMS @F1@\n"
           "0 @I3@ INDI\n1 NAME 明 /王/\n1 SEX M\n1 BIRT\n2 DATE 1980\n1 FAMC @F1@\n"
           "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n0 TRLR\n";
    const std::string pdf = dir.file("wang.pdf");
    const std::vector<std::string> args{"report", "descendants-list", "--paf", ged, "--start", "1", "-o", pdf};

    const CommandResult r = runTamblewin(args, {{"FONTCONFIG_FILE", config}});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(occurrences(r.err, "Fonts: "), 1u) << r.err;
    // The title with both parents, and the child's name.
    EXPECT_NE(r.err.find("Fonts: Noto Sans CJK SC is not installed: the Han characters of 2 names and places print "
                         "as empty boxes (Debian's fonts-noto-cjk has it).\n"),
              std::string::npos)
        << r.err;

    const CommandResult installed = runTamblewin(args);
    EXPECT_EQ(installed.status, 0) << installed.err;
    EXPECT_EQ(installed.err.find("Fonts: "), std::string::npos) << installed.err;
}

// Scripts beyond the built-in fallback, each in the installed font found for it:
// the PDF embeds those fonts, and neither a PDF nor a PNG run prints a warning.
TEST(MissingFonts, ScriptsBeyondTheFallbackDrawInTheirOwnFontsWithoutAWord) {
    TempDir dir;
    const std::string ged = dir.file("scripts.ged");
    std::ofstream(ged, std::ios::binary)
        << "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n"
           "0 @I1@ INDI\n1 NAME ସୁଭାଷ /ପଟ୍ଟନାୟକ/\n1 SEX M\n1 FAMS @F1@\n"
           "0 @I2@ INDI\n1 NAME ཚེ་རིང /རྡོ་རྗེ/\n1 SEX F\n1 FAMS @F1@\n"
           "0 @I3@ INDI\n1 NAME ܐܦܪܝܡ /ܣܘܪܝܝܐ/\n1 SEX M\n1 FAMC @F1@\n"
           "0 @I4@ INDI\n1 NAME އަހުމަދު /ނަޝީދު/\n1 SEX M\n1 FAMC @F1@\n"
           "0 @I5@ INDI\n1 NAME ߡߊߡߊߘߎ /ߞߊߣߕߍ/\n1 SEX M\n1 FAMC @F1@\n"
           "0 @I6@ INDI\n1 NAME ᏌᏊ /ᎠᏂᏴᏫᏯ/\n1 SEX F\n1 FAMC @F1@\n"
           "0 @I7@ INDI\n1 NAME ᠲᠡᠮᠦᠵᠢᠨ /ᠪᠣᠷᠵᠢᠭᠢᠨ/\n1 SEX M\n1 FAMC @F1@\n"
           "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 CHIL @I4@\n1 CHIL @I5@\n1 CHIL @I6@\n"
           "1 CHIL @I7@\n0 TRLR\n";
    for (const char* format : {"pdf", "png"}) {
        SCOPED_TRACE(format);
        const std::string out = dir.file(std::string("list.") + format);
        const CommandResult r =
            runTamblewin({"report", "descendants-list", "--paf", ged, "--start", "1", "-o", out});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
    }
    std::string fonts;
    if (FILE* pipe = popen(("pdffonts '" + dir.file("list.pdf") + "' 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) fonts.append(buffer, n);
        pclose(pipe);
    }
    if (fonts.empty()) GTEST_SKIP() << "pdffonts (poppler-utils) is not installed";
    for (const char* font : {"NotoSansOriya", "NotoSerifTibetan", "NotoSansSyriac", "NotoSansThaana", "NotoSansNKo",
                             "NotoSansCherokee", "NotoSansMongolian"})
        EXPECT_NE(fonts.find(font), std::string::npos) << font << "\n" << fonts;
}
#endif

}  // namespace
}  // namespace tw::test
