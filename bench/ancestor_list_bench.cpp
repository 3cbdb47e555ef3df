// ancestor_list_bench: the Ancestors List (with repeats) of a complete pedigree.
//
//   ancestor_list_bench [--generations G] [--rounds R] [--dir DIR]
//
// Writes a complete pedigree of G generations (default 20: 2^20 - 1 = 1,048,575
// people, every one an entry of the list) with PafWriter, then measures in the same
// run:
//   - the bare reads of the same individuals and their names (readIndividual and
//     individualName in RIN order), the data layer's own speed;
//   - the Ancestors List (with repeats) from the youngest person: time, the growth of
//     the peak resident memory, and the page-log bytes per entry.
// Each is run R times (default 3), alternating; the fastest run counts.

#include <cinttypes>
#include <cstdio>
#include <filesystem>

#include "bench_support.h"
#include "paf/date_encoding.h"
#include "reports/ancestor_list.h"
#include "run/app_context.h"

namespace {

using namespace bench;

// Person n (1-based) has the father 2n and the mother 2n + 1; the marriage of the
// parents of n is MRIN n.
tw::WriterFamily completePedigree(int generations) {
    const int32_t people = (int32_t(1) << generations) - 1;
    tw::WriterFamily family;
    family.people.reserve(size_t(people));
    for (int32_t n = 1; n <= people; ++n) {
        tw::WriterPerson p;
        p.name = "Given" + std::to_string(n % 977) + " /Surname" + std::to_string(n % 1531) + "/";
        p.sex = n % 2 == 0 || n == 1 ? 'M' : 'F';
        p.birth = tw::makeDate({1 + n % 28, 1 + n % 12, 2000 - 25 * (31 - __builtin_clz(uint32_t(n)))});
        family.people.push_back(std::move(p));
    }
    for (int32_t n = 1; 2 * n + 1 <= people; ++n) {
        tw::WriterMarriage m;
        m.husband = 2 * n;
        m.wife = 2 * n + 1;
        m.children = {n};
        family.marriages.push_back(std::move(m));
        family.people[size_t(2 * n - 1)].marriageOrder = {n};
        family.people[size_t(2 * n)].marriageOrder = {n};
    }
    return family;
}

uint64_t pageLogBytes(const tw::PageLog& log) {
    uint64_t bytes = 0;
    for (int32_t page = 0; page <= log.lastPageIndex(); ++page) bytes += log.pagelogg(page).size();
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    int generations = 20;
    int rounds = 3;
    std::string dir = std::filesystem::temp_directory_path().string();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--generations") generations = std::atoi(argv[i + 1]);
        else if (arg == "--rounds") rounds = std::atoi(argv[i + 1]);
        else if (arg == "--dir") dir = argv[i + 1];
    }
    if (generations < 1 || generations > 24 || rounds < 1) {
        std::fprintf(stderr, "usage: ancestor_list_bench [--generations 1..24] [--rounds R] [--dir DIR]\n");
        return 2;
    }
    std::string folder = dir + "/ancestor_list_bench.XXXXXX";
    if (!mkdtemp(folder.data())) return 1;
    const std::string path = folder + "/pedigree.paf";
    double writeSeconds = 0;
    if (!writeInChild([&] { return completePedigree(generations); }, path, writeSeconds)) {
        std::fprintf(stderr, "ancestor_list_bench: could not write %s\n", path.c_str());
        return 1;
    }

    BenchHost host;
    tw::AppContext ctx(host);
    if (ctx.file.open(path) != tw::PafFile::kOpened) return 1;
    ctx.dataFilePath = path;
    const int32_t entries = ctx.file.highestRin();
    std::printf("pedigree:        %d generations, %" PRId32 " people (written in %.2f s)\n", generations, entries,
                writeSeconds);

    double bestRead = 1e9, bestList = 1e9;
    long peakGrowth = 0;
    uint64_t checksum = 0;
    tw::ReportInput input;
    input.startRin = 1;
    for (int round = 0; round < rounds; ++round) {
        auto start = Clock::now();
        checksum += readAllIndividuals(ctx);
        bestRead = std::min(bestRead, secondsSince(start));

        ctx.pageLog.begin("reset");  // drops the previous run's pages before measuring
        ctx.pageLog.end();
        ctx.pageLog.finishPrinting();
        const long rssBefore = statusKib("VmRSS");
        resetPeakMemory();
        start = Clock::now();
        tw::generateAncestorListWithRepeats(ctx, input);
        bestList = std::min(bestList, secondsSince(start));
        peakGrowth = std::max(peakGrowth, statusKib("VmHWM") - rssBefore);
        ctx.pageLog.finishPrinting();
    }
    const uint64_t bytes = pageLogBytes(ctx.pageLog);
    std::printf("bare reads:      %.3f s for %" PRId32 " individuals and names\n", bestRead, entries);
    std::printf("ancestors list:  %.3f s, %d pages, %.1f page-log bytes per entry\n", bestList,
                ctx.pageLog.lastPageIndex() + 1, double(bytes) / entries);
    std::printf("ratio:           %.2fx the bare reads (target at most 3x: %s)\n", bestList / bestRead,
                bestList <= 3 * bestRead ? "met" : "missed");
    std::printf("peak memory:     +%ld KiB while the list was written (page log %.1f MiB, largest generation "
                "%" PRId32 " entries)\n",
                peakGrowth, double(bytes) / (1 << 20), (entries + 1) / 2);
    std::printf("messages:        %d (checksum %" PRIu64 ")\n", host.messages, checksum);
    std::filesystem::remove_all(folder);
    return 0;
}
