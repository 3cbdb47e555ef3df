// paf_read_bench: how fast PafFile reads a large file.
//
//   paf_read_bench [--people N] [--rounds R] [--dir DIR] [--keep]
//
// Writes a family of N people (default 1,000,000) with PafWriter into a temporary
// folder, then measures in the same run:
//   - opening the file (it is read into memory at open): the time, and the growth of
//     the peak resident memory; beside it, mapping the file and touching each page,
//     as the reader did before it read the file at open;
//   - reading every individual (readIndividual) and its name (individualName) in RIN
//     order, as the reports that scan all RINs do: records per second;
//   - a plain sequential read() of the whole file in 1 MiB blocks, for comparison.
// Each read is timed R times (default 5), alternating, and the fastest run counts.
// The file is written just before, so both reads find it in the page cache.
// The family is generated in a child process so that its memory does not count
// against the reader's.

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench_support.h"
#include "paf/codepage.h"
#include "paf/date_encoding.h"
#include "paf/paf_context.h"
#include "paf/paf_writer.h"
#include "paf/records.h"

namespace {

using namespace bench;

// ---- A family that looks like real data ----------------------------------------------

constexpr const char* kMaleNames[] = {"Tobias", "Ambrose", "Josiah", "Silas", "Caleb", "Orson", "Gideon", "Levi",
                                      "Wilford", "Leland", "Harold", "Søren", "Étienne", "Joaquín", "Pieter",
                                      "Konrad", "Reuben", "Elias", "Hiram", "Amos"};
constexpr const char* kFemaleNames[] = {"Rosamund", "Mercy", "Keziah", "Phoebe", "Harriet", "Clementine", "Emeline",
                                        "Almira", "Ingeborg", "Zina", "Hazel", "Åse", "Geneviève", "Inés",
                                        "Šárka", "Ottilie", "Lavinia", "Mahala", "Lucinda", "Opal"};
constexpr const char* kSurnames[] = {"Quillfeather", "Ashgrove", "Brannock", "Tamsett", "Verrall", "Hollowell",
                                     "Marchbank", "Fenwright", "Gorrell", "Whitlock", "Rasband", "Callister",
                                     "Østerberg", "Krogsgård", "Nuñez", "Haßfurth", "Beaucœur", "Zierenberg",
                                     "van der Wijck", "O'Garrity", "Pettigrew", "Underhill", "Yardley", "Ibbotson"};
constexpr const char* kPlaces[] = {"Harrowmere, Wexleigh, England", "Brackenholt, Dunmoorshire, England",
                                   "Mill Hollow, Lancaster, Pennsylvania", "Cedar Fork, Muskingum, Ohio",
                                   "Sage Flat, Utah", "Kærby, Fyn, Denmark", "Oberwaldau, Hessen, Germany",
                                   "Saint-Aubin-des-Chênes, France"};

template <size_t N>
const char* pick(Random& random, const char* const (&names)[N]) {
    return names[random.below(int(N))];
}

tw::PafDate randomDate(Random& random, int32_t year) {
    const int roll = random.below(100);
    if (roll < 70) return tw::makeDate({1 + random.below(28), 1 + random.below(12), year});
    if (roll < 85) return tw::makeDate({0, 1 + random.below(12), year});
    return tw::makeDate({0, 0, year}, uint8_t(roll < 95 ? tw::kQualAbout : tw::kQualBefore));
}

// People come in families: couples drawn from the unmarried adults of earlier
// families (or new people marrying in), with up to seven children each.
tw::WriterFamily generateFamily(int32_t people) {
    Random random(20240917);
    tw::WriterFamily family;
    family.people.reserve(size_t(people));
    std::vector<int32_t> single[2];  // unmarried men and women, by RIN
    std::vector<int32_t> birthYear(1, 0);  // by RIN
    std::vector<int> surnameOf(1, 0);       // by RIN, index into kSurnames
    birthYear.reserve(size_t(people) + 1);
    surnameOf.reserve(size_t(people) + 1);

    auto addPerson = [&](char sex, int surname, int32_t year) {
        tw::WriterPerson p;
        p.sex = sex;
        p.name = tw::utf8ToWindows1252(std::string(pick(random, sex == 'M' ? kMaleNames : kFemaleNames)) + " /" +
                                       kSurnames[surname] + "/");
        p.birth = randomDate(random, year);
        if (random.chance(30)) p.christening = tw::makeDate({1 + random.below(28), 1 + random.below(12), year});
        if (random.chance(60)) p.birthPlace = tw::utf8ToWindows1252(pick(random, kPlaces));
        if (random.chance(70)) p.death = randomDate(random, year + 1 + random.below(90));
        if (random.chance(20)) p.baptism = tw::makeDate({1 + random.below(28), 1 + random.below(12), 1990});
        birthYear.push_back(year);
        surnameOf.push_back(surname);
        return family.addPerson(std::move(p));
    };
    auto takeSingle = [&](int sexIndex, char sex, int32_t year) {
        auto& pool = single[sexIndex];
        if (!pool.empty() && random.chance(80)) {
            const size_t at = size_t(random.below(int(std::min<size_t>(pool.size(), 64))));
            std::swap(pool[at], pool.back());
            const int32_t rin = pool.back();
            pool.pop_back();
            return rin;
        }
        return addPerson(sex, random.below(int(std::size(kSurnames))), year);
    };

    while (int32_t(family.people.size()) < people) {
        const int32_t year = 1600 + int32_t(family.people.size() * 350 / size_t(people));
        tw::WriterMarriage m;
        m.husband = takeSingle(0, 'M', year);
        if (int32_t(family.people.size()) < people) m.wife = takeSingle(1, 'F', year);
        m.date = randomDate(random, birthYear[size_t(m.husband)] + 22);
        if (random.chance(50)) m.place = tw::utf8ToWindows1252(pick(random, kPlaces));
        const int children = random.below(8);
        for (int c = 0; c < children && int32_t(family.people.size()) < people; ++c) {
            const char sex = random.chance(50) ? 'M' : 'F';
            const int32_t child =
                addPerson(sex, surnameOf[size_t(m.husband)], birthYear[size_t(m.husband)] + 24 + 2 * c);
            m.children.push_back(child);
            if (random.chance(75)) single[sex == 'M' ? 0 : 1].push_back(child);
        }
        // Each spouse's marriages are listed here, so the writer need not look them up.
        const int32_t husband = m.husband, wife = m.wife;
        const int32_t mrin = family.addMarriage(std::move(m));
        family.person(husband).marriageOrder.push_back(mrin);
        if (wife) family.person(wife).marriageOrder.push_back(mrin);
    }
    return family;
}

// ---- Measuring ---------------------------------------------------------------------

// The way the reader used to hold the file: a shared read-only mapping, with every
// page touched once (as a run over all records does). Returns the seconds, or -1;
// residentKib is how much the resident memory grew while the file was mapped.
double mapAndTouch(const std::string& path, uint64_t size, uint64_t& sum, long& residentKib) {
    const long before = statusKib("VmRSS");
    const auto start = Clock::now();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    void* mapping = mmap(nullptr, size_t(size), PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd);
    if (mapping == MAP_FAILED) return -1;
    const auto* bytes = static_cast<const volatile uint8_t*>(mapping);
    for (uint64_t i = 0; i < size; i += 4096) sum += bytes[i];
    const double seconds = secondsSince(start);
    residentKib = statusKib("VmRSS") - before;
    munmap(mapping, size_t(size));
    return seconds;
}

// Reads the whole file with read() in 1 MiB blocks; returns a checksum, or 0 on error.
uint64_t readSequentially(const std::string& path, uint64_t& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    std::vector<uint8_t> block(1 << 20);
    uint64_t sum = 0;
    bytes = 0;
    ssize_t n;
    while ((n = ::read(fd, block.data(), block.size())) > 0) {
        bytes += uint64_t(n);
        for (ssize_t i = 0; i < n; i += 4096) sum += block[size_t(i)];
    }
    ::close(fd);
    return n < 0 ? 0 : sum + 1;
}

struct Options {
    int32_t people = 1000000;
    int rounds = 5;
    std::string dir;
    bool keep = false;
};

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--people" && i + 1 < argc) {
            options.people = std::atoi(argv[++i]);
        } else if (arg == "--rounds" && i + 1 < argc) {
            options.rounds = std::atoi(argv[++i]);
        } else if (arg == "--dir" && i + 1 < argc) {
            options.dir = argv[++i];
        } else if (arg == "--keep") {
            options.keep = true;
        } else {
            return false;
        }
    }
    return options.people > 0 && options.rounds > 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: paf_read_bench [--people N] [--rounds R] [--dir DIR] [--keep]\n");
        return 2;
    }
    namespace fs = std::filesystem;
    std::string base = options.dir.empty() ? fs::temp_directory_path().string() : options.dir;
    std::string pattern = base + "/paf_read_bench.XXXXXX";
    if (!mkdtemp(pattern.data())) {
        std::fprintf(stderr, "paf_read_bench: cannot make a folder in %s: %s\n", base.c_str(), std::strerror(errno));
        return 1;
    }
    const fs::path folder = pattern;
    const std::string path = (folder / "bench.paf").string();

    double writeSeconds = 0;
    if (!writeInChild([&] { return generateFamily(options.people); }, path, writeSeconds)) {
        std::fprintf(stderr, "paf_read_bench: could not write %s\n", path.c_str());
        fs::remove_all(folder);
        return 1;
    }
    std::error_code ec;
    const auto fileBytes = uint64_t(fs::file_size(path, ec));
    std::printf("file:            %s\n", path.c_str());
    std::printf("people:          %" PRId32 "\n", options.people);
    std::printf("file size:       %.1f MiB (written in %.2f s)\n", double(fileBytes) / (1 << 20), writeSeconds);

    // Opening: time and the growth of the peak resident memory.
    BenchHost host;
    tw::PafContext ctx(host);
    const bool peakReset = resetPeakMemory();
    const long rssBefore = statusKib("VmRSS");
    const long maxRssBefore = maxRssKib();
    const auto openStart = Clock::now();
    const int opened = ctx.file.open(path);
    const double openSeconds = secondsSince(openStart);
    const long peakAfter = statusKib("VmHWM");
    const long maxRssAfter = maxRssKib();
    if (opened != tw::PafFile::kOpened) {
        std::fprintf(stderr, "paf_read_bench: open failed (%d): %s\n", opened, ctx.file.openProblem().c_str());
        fs::remove_all(folder);
        return 1;
    }
    std::printf("open:            %.3f ms\n", openSeconds * 1e3);
    if (peakReset && rssBefore >= 0 && peakAfter >= 0) {
        std::printf("open peak memory: +%ld KiB (VmHWM %ld KiB)\n", peakAfter - rssBefore, peakAfter);
    } else {
        std::printf("open peak memory: +%ld KiB (ru_maxrss %ld KiB)\n", maxRssAfter - maxRssBefore, maxRssAfter);
    }

    // The baseline: the file mapped instead of read at open.
    {
        uint64_t sum = 0;
        long resident = 0;
        const double seconds = mapAndTouch(path, fileBytes, sum, resident);
        std::printf("mapped baseline: %.3f ms to map and touch every page (resident +%ld KiB while mapped, "
                    "shared with the page cache; checksum %" PRIu64 ")\n",
                    seconds * 1e3, resident, sum);
    }

    // Reading: records in RIN order against a plain sequential read, alternating.
    double bestRecords = 1e30, bestSequential = 1e30;
    uint64_t recordSum = 0, sequentialSum = 0, sequentialBytes = 0;
    for (int round = 0; round < options.rounds; ++round) {
        auto start = Clock::now();
        sequentialSum = readSequentially(path, sequentialBytes);
        bestSequential = std::min(bestSequential, secondsSince(start));
        start = Clock::now();
        recordSum = readAllIndividuals(ctx);
        bestRecords = std::min(bestRecords, secondsSince(start));
    }
    if (sequentialSum == 0 || sequentialBytes != fileBytes) {
        std::fprintf(stderr, "paf_read_bench: the sequential read failed\n");
        fs::remove_all(folder);
        return 1;
    }
    const int32_t records = ctx.file.highestRin();
    const double ratio = bestRecords / bestSequential;
    std::printf("records:         %" PRId32 " individuals and names in %.3f s: %.0f records/s\n", records,
                bestRecords, records / bestRecords);
    std::printf("sequential read: %.3f s (%.0f MiB/s)\n", bestSequential,
                double(sequentialBytes) / (1 << 20) / bestSequential);
    std::printf("ratio:           %.2fx a sequential read (target at most 3x: %s)\n", ratio,
                ratio <= 3.0 ? "met" : "missed");
    std::printf("peak memory:     %ld KiB after the reads (VmHWM)\n", statusKib("VmHWM"));
    std::printf("checksums:       %" PRIu64 " %" PRIu64 ", %d messages\n", recordSum, sequentialSum, host.messages);

    ctx.file.close();
    if (options.keep) {
        std::printf("kept:            %s\n", path.c_str());
    } else {
        fs::remove_all(folder, ec);
    }
    return host.messages == 0 ? 0 : 1;
}
