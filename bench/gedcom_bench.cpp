// gedcom_bench: how fast GEDCOM import is, and how much memory it takes.
//
//   gedcom_bench [--people N]
//
// Generates a GEDCOM 5.5.1 text of N people (default 1,000,000) in memory: every
// person with a name, sex, birth date and place, FAMC and FAMS links, half of them
// with a death date; couples of two consecutive people, three children to a family.
// Then measures, with the text already in memory:
//   - import: reading the text into the family PafWriter takes (persons per second,
//     and the growth of the peak resident memory per person);
//   - the whole way to a PAF image: import and buildPafImage together.
// Targets: at least 500,000 persons per second and under 1 KiB per person for import.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench_support.h"
#include "gedcom/gedcom_import.h"
#include "paf/paf_writer.h"

namespace {

using namespace bench;

constexpr const char* kGiven[] = {"Tobias", "Ada", "Josiah", "Mercy", "Silas", "Ruth", "Caleb", "Hester"};
constexpr const char* kSurnames[] = {"Quillfeather", "Brightwater", "Harrowgate", "Mossbank", "Thistlewood"};
constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr const char* kPlaces[] = {"Harrowmere, Westshire", "Lund, Sk\xC3\xA5ne", "Kettlebury", "Oakhollow, Fenmark"};

void appendf(std::string& out, const char* format, auto... args) {
    char line[256];
    const int n = std::snprintf(line, sizeof line, format, args...);
    out.append(line, size_t(n));
}

// Person p (1..n) is the child of family p / 3 (for p >= 3); family k is the couple
// 2k-1 and 2k, so every parent comes before the child.
std::string generate(int people) {
    std::string text;
    text.reserve(size_t(people) * 190);
    text += "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n";
    for (int p = 1; p <= people; ++p) {
        const int year = 1500 + (people - p) % 400;
        appendf(text, "0 @I%d@ INDI\n1 NAME %s /%s/\n1 SEX %c\n1 BIRT\n2 DATE %d %s %d\n2 PLAC %s\n", p,
                kGiven[p % 8], kSurnames[p % 5], p % 2 ? 'M' : 'F', 1 + p % 28, kMonths[p % 12], year,
                kPlaces[p % 4]);
        if (p % 2 == 0) appendf(text, "1 DEAT\n2 DATE ABT %d\n", year + 60);
        if (p >= 3) appendf(text, "1 FAMC @F%d@\n", p / 3);
        appendf(text, "1 FAMS @F%d@\n", (p + 1) / 2);
    }
    for (int k = 1; k <= people / 2; ++k) {
        appendf(text, "0 @F%d@ FAM\n1 HUSB @I%d@\n1 WIFE @I%d@\n1 MARR\n2 DATE %s %d\n", k, 2 * k - 1, 2 * k,
                kMonths[k % 12], 1520 + k % 380);
        for (int c = 3 * k; c < 3 * k + 3 && c <= people; ++c) appendf(text, "1 CHIL @I%d@\n", c);
    }
    text += "0 TRLR\n";
    return text;
}

// Processor time of this process (user and system), which a busy machine does not
// stretch the way it stretches the wall clock.
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void report(const char* what, int people, double seconds, double cpu, long baseKib, long peakKib) {
    const double perPerson = double(peakKib - baseKib) * 1024.0 / people;
    std::printf("%-20s wall %7.3f s (%9.0f persons/s)  cpu %7.3f s (%9.0f persons/s)  peak +%ld KiB = %4.0f "
                "bytes/person\n",
                what, seconds, people / seconds, cpu, people / cpu, peakKib - baseKib, perPerson);
}

}  // namespace

int main(int argc, char** argv) {
    int people = 1'000'000;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--people") == 0) people = std::atoi(argv[++i]);
    }
    if (people < 3) people = 3;

    auto start = Clock::now();
    const std::string text = generate(people);
    std::printf("generated %d people: %.1f MiB of GEDCOM in %.2f s\n", people, double(text.size()) / 1048576.0,
                secondsSince(start));

    {
        const bool reset = resetPeakMemory();
        const long base = statusKib("VmRSS");
        start = Clock::now();
        const double cpuStart = cpuSeconds();
        tw::gedcom::ImportResult imported = tw::gedcom::importGedcom(text);
        const double seconds = secondsSince(start);
        const double cpu = cpuSeconds() - cpuStart;
        const long peak = statusKib("VmHWM");
        if (!imported.ok() || imported.family.personCount() != size_t(people) || !imported.warnings.empty()) {
            std::fprintf(stderr, "gedcom_bench: the import failed: %s %s\n", imported.error.c_str(),
                         imported.warnings.empty() ? "" : imported.warnings.front().c_str());
            return 1;
        }
        report("import", people, seconds, cpu, base, peak);
        if (!reset) std::printf("(the peak could not be reset; the memory figure includes generation)\n");
    }
    {
        resetPeakMemory();
        const long base = statusKib("VmRSS");
        start = Clock::now();
        const double cpuStart = cpuSeconds();
        tw::gedcom::ImportResult imported = tw::gedcom::importGedcom(text);
        const tw::PafImage image = tw::buildPafImage(std::move(imported.family));
        const double seconds = secondsSince(start);
        const double cpu = cpuSeconds() - cpuStart;
        const long peak = statusKib("VmHWM");
        if (!image.error().empty()) {
            std::fprintf(stderr, "gedcom_bench: no PAF image: %s\n", image.error().c_str());
            return 1;
        }
        report("import + PAF image", people, seconds, cpu, base, peak);
        std::printf("PAF image: %.1f MiB\n", double(image.size()) / 1048576.0);
    }
    return 0;
}
