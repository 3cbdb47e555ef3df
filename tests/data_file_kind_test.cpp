// What a data file holds, known by its content whatever its name: the windows and
// the commands open a GEDCOM or PAF file the desktop hands over under any name.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "gedcom/gedcom_import.h"
#include "gedcom/gedcom_records.h"

#include "paf/paf_writer.h"
#include "support/paf_fixture.h"
#include "wizard/data_file.h"

namespace tw::test {
namespace {

const std::string kGedcomStart = "0 HEAD\r\n1 GEDC\r\n2 VERS 5.5.1\r\n1 CHAR UTF-8\r\n";

std::string pafStart() {
    const std::vector<uint8_t> image = buildPafImage(coupleWithChildren(1)).flatten();
    return std::string(image.begin(), image.begin() + std::ptrdiff_t(kDataFileKindBytes));
}

std::string utf16WithMark(std::string_view ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii) {
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return out;
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(DataFileKind, TheFirstBytesSayWhatAFileHolds) {
    struct Case {
        const char* what;
        std::string bytes;
        DataFileKind kind;
    };
    const Case cases[] = {
        {"a PAF 5 file", pafStart(), DataFileKind::Paf},
        {"GEDCOM", kGedcomStart, DataFileKind::Gedcom},
        {"GEDCOM that is one line", "0 HEAD", DataFileKind::Gedcom},
        {"GEDCOM with a UTF-8 byte-order mark", "\xEF\xBB\xBF" + kGedcomStart, DataFileKind::Gedcom},
        {"GEDCOM in UTF-16, little-endian", utf16WithMark(kGedcomStart, false), DataFileKind::Gedcom},
        {"GEDCOM in UTF-16, big-endian", utf16WithMark(kGedcomStart, true), DataFileKind::Gedcom},
        {"GEDCOM after blank lines, as the import takes it", "\n \r\n" + kGedcomStart, DataFileKind::Gedcom},
        {"a record before the header", "0 @I1@ INDI\n" + kGedcomStart, DataFileKind::Neither},
        {"a header one level down", "1 HEAD\n", DataFileKind::Neither},
        {"a longer tag", "0 HEADER\n", DataFileKind::Neither},
        {"text", "notes on the family\n0 HEAD\n", DataFileKind::Neither},
        {"the PAF signature at the start", std::string("PAF\0 and more bytes", 19), DataFileKind::Neither},
        {"a PAF file cut inside its signature", pafStart().substr(0, 10), DataFileKind::Neither},
        {"nothing", "", DataFileKind::Neither},
    };
    for (const Case& c : cases) EXPECT_EQ(dataFileKindOf(c.bytes), c.kind) << c.what;
}

// The content decides; the name only where the content says neither, so that a
// file named as GEDCOM that is not gets the GEDCOM import's words for it.
TEST(DataFileKind, GedcomIsKnownByContentAndByNameOnlyWhereTheContentSaysNeither) {
    TempDir dir;
    struct Case {
        std::string name;
        std::optional<std::string> bytes;  // none: no such file
        bool gedcom;
    };
    const Case cases[] = {
        {"tree.ged", kGedcomStart, true},
        {"tree.gedcom", kGedcomStart, true},
        {"tree.txt", "\xEF\xBB\xBF" + kGedcomStart, true},
        {"tree", utf16WithMark(kGedcomStart, false), true},
        {"family.GED", pafStart(), false},
        {"notes.GEDCOM", "notes\n", true},
        {"notes.txt", "notes\n", false},
        {"missing.Ged", std::nullopt, true},
        {"missing.paf", std::nullopt, false},
    };
    for (const Case& c : cases) {
        const std::string path = dir.file(c.name);
        if (c.bytes) writeBytes(path, *c.bytes);
        EXPECT_EQ(readsAsGedcom(path), c.gedcom) << c.name;
    }
    ASSERT_EQ(mkdir(dir.file("folder.ged").c_str(), 0700), 0);
    std::string problem;
    EXPECT_EQ(dataFileKind(dir.file("folder.ged"), &problem), DataFileKind::Neither);
    EXPECT_EQ(problem, "it is a folder, not a file");
    EXPECT_TRUE(readsAsGedcom(dir.file("folder.ged")));
}

// A start of a text refuses it only where no rest could make it GEDCOM: its first
// line that is not blank ends inside the start, or is cut after a first byte that
// is no level number.
TEST(DataFileKind, TheStartOfALongTextRefusesItOnlyWhereTheRestCannotHelp) {
    struct Case {
        const char* what;
        std::string start;
        bool refused;
    };
    const Case cases[] = {
        {"zeros", std::string(4096, '\0'), true},
        {"binary after blank lines", "\n\n  \x7F" + std::string(100, 'x'), true},
        {"a whole first line that is not the header", "0 @I1@ INDI\n1 NAME", true},
        {"the header", "0 HEAD\n1 CHAR UTF-8\n1 SO", false},
        {"the header cut in its tag", "0 HE", false},
        {"the header cut after its level", "\n\n0", false},
        {"a long value cut", "0 HEAD " + std::string(4000, 'v'), false},
        {"only blank lines so far", "\n \r\n\t", false},
        {"blanks cut before the first line", "\n   ", false},
        {"nothing", "", false},
    };
    const std::string rests[] = {"", "\n", "AD\n", " HEAD\n0 TRLR\n", "\n0 HEAD\n"};
    for (const Case& c : cases) {
        const std::string error = gedcom::headErrorOfStart(c.start);
        EXPECT_EQ(!error.empty(), c.refused) << c.what << ": " << error;
        if (error.empty()) continue;
        // Whatever follows, the whole text is refused as well.
        for (const std::string& rest : rests) EXPECT_NE(gedcom::headError(c.start + rest), "") << c.what << rest;
    }
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A file of 2 GiB of zeros (sparse: it takes no disk) is no data file, known by its
// first bytes: its size, and what the whole of it would cost, never come into it.
TEST(DataFileKind, AHugeFileThatIsNeitherIsRefusedByItsStartAlone) {
    TempDir dir;
    constexpr uintmax_t kTwoGiB = uintmax_t(1) << 31;
    for (const uintmax_t size : {kTwoGiB, kTwoGiB + 1}) {
        for (const char* name : {"zeros.paf", "zeros.ged"}) {
            const std::string path = dir.file(name);
            std::ofstream(path, std::ios::binary).close();
            std::filesystem::resize_file(path, size);
            SCOPED_TRACE(std::string(name) + " of " + std::to_string(size) + " bytes");
            const long peakBefore = peakKilobytes();
            std::string problem;
            if (readsAsGedcom(path)) {
                problem = gedcom::importGedcomFile(path).error;
                EXPECT_EQ(problem.rfind("not a GEDCOM file", 0), 0u) << problem;
            } else {
                PafFile file;
                EXPECT_EQ(file.open(path), PafFile::kNotPafFile);
                problem = file.openProblem();
                EXPECT_EQ(problem, "the file has no PAF signature");
            }
            EXPECT_LT(peakKilobytes() - peakBefore, 64 * 1024) << "read whole for: " << problem;
            std::filesystem::remove(path);
        }
    }
}

}  // namespace
}  // namespace tw::test
