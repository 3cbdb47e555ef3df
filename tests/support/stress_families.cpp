#include "support/stress_families.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "paf/records.h"
#include "reports/descent.h"
#include "support/list_checker.h"
#include "support/page_checker.h"
#include "run/app_context.h"
#include "wizard/report_kind.h"

namespace tw::test {

ListExpectations expectationsOf(const std::vector<uint8_t>& image, int32_t startMrin) {
    ListExpectations expect;
    RecordingHost host;
    PafContext ctx(host);
    if (ctx.file.openImage(image) != PafFile::kOpened) return expect;
    expect.everyoneNamed = true;
    for (int32_t rin = 1; rin <= ctx.file.highestRin() && expect.everyoneNamed; ++rin) {
        IndividualRecord person;
        expect.everyoneNamed = readIndividual(ctx.file, rin, person) && !recordNameNoSlashes(ctx.file, person).empty();
    }
    MarriageRecord couple;
    if (readMarriage(ctx.file, startMrin, couple)) {
        ListNames names(ctx);
        expect.couple = {{names.of(couple.husband), names.of(couple.wife)}};
    }
    return expect;
}

// Every report on one data file, each in a context of its own, from the given
// start individual and couple, on the given paper; the findings of all their pages,
// described.
std::vector<std::string> findingsOfEveryReport(const std::vector<uint8_t>& image, const std::string& dataFilePath,
                                               Paper paper, int32_t startRin, int32_t startMrin) {
    std::vector<std::string> findings;
    const ListExpectations expect = expectationsOf(image, startMrin);
    for (const ReportInfo& info : allReports()) {
        if (info.generator == nullptr) continue;
        RecordingHost host;
        AppContext ctx(host);
        if (ctx.file.openImage(image) != PafFile::kOpened) {
            findings.push_back(std::string(info.commandName) + ": the image does not open");
            continue;
        }
        ctx.dataFilePath = dataFilePath;
        ctx.paper = paper;
        ReportInput input;
        input.startRin = startRin;
        input.mrins.push(startMrin);
        info.generator(ctx, input);
        for (const PageFinding& f : checkPageLog(ctx.pageLog))
            findings.push_back(std::string(info.commandName) + ", " + describe(f));
        // Every report is also read as a genealogist reads it: whole entries, names, separators.
        for (const PageFinding& f : checkListPages(ctx.pageLog, expect))
                findings.push_back(std::string(info.commandName) + ", " + describe(f));
    }
    return findings;
}

namespace {
constexpr size_t kShownFindings = 4000;

}  // namespace

std::string joined(const std::vector<std::string>& findings) {
    std::string text;
    for (size_t i = 0; i < findings.size() && i < kShownFindings; ++i) text += findings[i] + "\n";
    if (findings.size() > kShownFindings) text += "... and " + std::to_string(findings.size() - kShownFindings) + " more\n";
    return text;
}

std::vector<uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path gedcomSamples() {
    if (const char* env = std::getenv("TAMBLEWIN_GEDCOM_SAMPLES")) return env;
    return TAMBLEWIN_GEDCOM_SAMPLES_DIR;
}

// A data file 200 characters deep in folders.
std::string deepPath() {
    std::string path;
    while (path.size() < 200) path += "/Genealogy research " + std::to_string(path.size());
    return path + "/Tamble family.paf";
}

// The n-th of a run of names of growing length: one to twelve words.
std::string givenNames(int n) {
    static const char* const kWords[] = {"Maximilian", "Wilhelmina", "Jo", "Bartholomew", "Anne-Marie", "Ulrich",
                                         "Konstantinopolous", "Eve", "Theodora", "Friedrich", "Mary", "Christabel"};
    std::string names;
    for (int w = 0; w <= n % 12; ++w) names += std::string(names.empty() ? "" : " ") + kWords[(n + w) % 12];
    return names;
}

std::string surname(int n) {
    static const char* const kSurnames[] = {"Ng", "Smith", "BOULOGNE (of FLANDERS; LORRAINE)", "Featherstonehaugh",
                                            "de la Tour d'Auvergne-Lauraguais", "Wolfeschlegelsteinhausenbergerdorff",
                                            "O", "van der Merwe-Oppenheimer"};
    return kSurnames[n % 8];
}

std::string place(int n) {
    static const char* const kPlaces[] = {"", "Ely", "Lindenau, Sachsen",
                                          "Saint-Germain-en-Laye, Yvelines, Ile-de-France, France",
                                          "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch, Anglesey, Wales"};
    return kPlaces[n % 5];
}

// Every form a date takes: day, month and year, parts missing, qualifiers, ranges,
// dual years, status codes and text.
WriterDate dateForm(int n) {
    const DateValue day{28, 11, 1800 + n % 150};
    switch (n % 10) {
    case 0: return makeDate(day);
    case 1: return makeDate({0, 11, day.year}, kQualAbout);
    case 2: return makeDate({0, 0, day.year}, kQualBefore);
    case 3: return makeDateRange(day, {12, 12, day.year + 1}, 3, kQualAfter);
    case 4: return makeDateRange(day, {14, 9, day.year + 3}, 4, kQualEstimated);
    case 5: return makeDateRange({11, 2, day.year}, {0, 0, day.year + 1}, 3);
    case 6: return makeStatusDate(3);
    case 7: return WriterDate::asText("about the time of the great flood of the valley");
    case 8: return makeDate(day, kQualCalculated, CenturyTable::B);
    default: return {};
    }
}

WriterPerson stressedPerson(int n, char sex) {
    WriterPerson p = person(givenNames(n) + " /" + surname(n) + "/", sex);
    p.birth = dateForm(n);
    p.christening = dateForm(n + 3);
    p.death = dateForm(n + 5);
    p.burial = dateForm(n + 7);
    p.baptism = dateForm(n + 1);
    p.endowment = dateForm(n + 2);
    p.birthPlace = place(n);
    return p;
}

}  // namespace tw::test
