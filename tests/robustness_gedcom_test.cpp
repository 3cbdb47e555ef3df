// GEDCOM files that other people wrote (fetched by tools/fetch_gedcom_samples.sh from
// Debian packages, odd ones included): each is imported and every report is run on
// the imported family, starting from RIN 1 and MRIN 1, and from the last of each.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/harness.h"

namespace tw::test {
namespace {

std::filesystem::path samplesFolder() {
    if (const char* env = std::getenv("TAMBLEWIN_GEDCOM_SAMPLES")) return env;
    return TAMBLEWIN_GEDCOM_SAMPLES_DIR;
}

TEST(GedcomSamples, EveryFetchedFileImportsAndEveryReportRuns) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(samplesFolder(), error))
        if (entry.path().extension() == ".ged") files.push_back(entry.path());
    if (files.empty()) GTEST_SKIP() << "no .ged files in " << samplesFolder() << ": run tools/fetch_gedcom_samples.sh";
    for (const auto& path : files) {
        std::ifstream in(path, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        const fuzz::ImportOutcome outcome = fuzz::importAndRunEverything(text);
        ASSERT_TRUE(outcome.importError.empty()) << path << ": " << outcome.importError;
        ASSERT_TRUE(outcome.run.opened) << path;
        for (const fuzz::ReportRun& run : outcome.run.runs) {
            EXPECT_FALSE(run.fatal) << path << ", " << run.name << ": " << run.fatal->caption << ": " << run.fatal->text;
            EXPECT_LE(run.messageCount, 2u) << path << ", " << run.name << ": "
                                            << (run.messages.empty() ? "" : run.messages[0].text);
        }
    }
}

}  // namespace
}  // namespace tw::test
