// descendants_bench: the Descendants List and the Grouped Descendants List of a
// large family.
//
//   descendants_bench [--people N] [--rounds R] [--dir DIR]
//
// Writes with PafWriter the descendants of one root couple, N people in all
// (default 200,000) with their spouses: every couple has two to five children, so
// the last generations hold tens of thousands each. Birth dates are mostly full
// dates, some month-and-year, year-only, "Abt", christening-only or missing. Then
// measures in the same run:
//   - the bare reads of the same individuals and their names (readIndividual and
//     individualName in RIN order), the data layer's own speed, and the same with
//     every marriage and child link, the other records the lists read;
//   - each list from the root couple: time, and the growth of the peak resident
//     memory while it is written.
// Each is run R times (default 5), alternating; the fastest run counts. The ratio
// compares processor times, which other programs on the machine disturb less.

#include <algorithm>
#include <ctime>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "bench_support.h"
#include "descendant_family.h"
#include "paf/date_encoding.h"
#include "reports/descendants_list.h"
#include "reports/grouped_descendants_list.h"
#include "run/app_context.h"

namespace {

using namespace bench;

// Reads every record the lists read, each once and in record order: individuals
// and their names, marriages, and child links; returns a checksum.
uint64_t readAllRecords(tw::PafContext& ctx) {
    uint64_t sum = readAllIndividuals(ctx);
    tw::MarriageRecord marriage;
    for (int32_t mrin = 1; mrin <= ctx.file.highestMrin(); ++mrin)
        if (tw::readMarriage(ctx.file, mrin, marriage)) sum += uint32_t(marriage.firstChildLink);
    tw::ChildLinkRecord link;
    for (int32_t n = 1; tw::readChildLink(ctx.file, n, link); ++n) sum += uint32_t(link.child);
    return sum;
}

}  // namespace

int main(int argc, char** argv) {
    int32_t people = 200000;
    int rounds = 5;
    std::string dir = std::filesystem::temp_directory_path().string();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--people") people = std::atoi(argv[i + 1]);
        else if (arg == "--rounds") rounds = std::atoi(argv[i + 1]);
        else if (arg == "--dir") dir = argv[i + 1];
    }
    if (people < 2 || rounds < 1) {
        std::fprintf(stderr, "usage: descendants_bench [--people N] [--rounds R] [--dir DIR]\n");
        return 2;
    }
    std::string folder = dir + "/descendants_bench.XXXXXX";
    if (!mkdtemp(folder.data())) return 1;
    const std::string path = folder + "/descendants.paf";
    double writeSeconds = 0;
    std::fflush(stdout);
    const auto generate = [&] {
        // In the child process: its memory does not count against the lists'.
        std::vector<int> sizes;
        tw::WriterFamily family = descendantsOfOneCouple(people, &sizes);
        std::printf("generations:    ");
        for (const int n : sizes) std::printf(" %d", n);
        std::printf("\n");
        std::fflush(stdout);
        return family;
    };
    if (!writeInChild(generate, path, writeSeconds)) {
        std::fprintf(stderr, "descendants_bench: could not write %s\n", path.c_str());
        return 1;
    }

    BenchHost host;
    tw::AppContext ctx(host);
    if (ctx.file.open(path) != tw::PafFile::kOpened) return 1;
    ctx.dataFilePath = path;
    std::printf("family:          %" PRId32 " people (written in %.2f s)\n", ctx.file.highestRin(), writeSeconds);

    struct List {
        const char* name;
        tw::ReportGenerator generate;
        double best = 1e9, bestCpu = 1e9;
        long peak = 0;
        int pages = 0;
    };
    List lists[] = {{"descendants list", tw::generateDescendantsList},
                    {"grouped list", tw::generateGroupedDescendantsList}};
    tw::ReportInput input;
    input.mrins.push(1);
    double bestRead = 1e9, bestReadCpu = 1e9, bestAllCpu = 1e9;
    uint64_t checksum = 0;
    for (int round = 0; round < rounds; ++round) {
        auto start = Clock::now();
        double cpu = threadSeconds();
        checksum += readAllIndividuals(ctx);
        bestRead = std::min(bestRead, secondsSince(start));
        bestReadCpu = std::min(bestReadCpu, threadSeconds() - cpu);
        cpu = threadSeconds();
        checksum += readAllRecords(ctx);
        bestAllCpu = std::min(bestAllCpu, threadSeconds() - cpu);
        for (List& list : lists) {
            ctx.pageLog.begin("reset");  // drops the previous run's pages before measuring
            ctx.pageLog.end();
            ctx.pageLog.finishPrinting();
            const long rssBefore = statusKib("VmRSS");
            resetPeakMemory();
            start = Clock::now();
            cpu = threadSeconds();
            list.generate(ctx, input);
            list.best = std::min(list.best, secondsSince(start));
            list.bestCpu = std::min(list.bestCpu, threadSeconds() - cpu);
            list.peak = std::max(list.peak, statusKib("VmHWM") - rssBefore);
            list.pages = ctx.pageLog.lastPageIndex() + 1;
            ctx.pageLog.finishPrinting();
        }
    }
    std::printf("bare reads:      %.3f s (processor %.3f s) for %" PRId32 " individuals and names\n", bestRead,
                bestReadCpu, ctx.file.highestRin());
    std::printf("all records:     processor %.3f s for the individuals and names, marriages and child links\n",
                bestAllCpu);
    for (const List& list : lists) {
        const double ratio = list.bestCpu / bestReadCpu;
        std::printf("%-16s %.3f s (processor %.3f s), %d pages, peak memory +%ld KiB\n",
                    (std::string(list.name) + ":").c_str(), list.best, list.bestCpu, list.pages, list.peak);
        std::printf("                 %.2fx the bare reads (target at most 4x: %s), %.2fx the reads of all records\n",
                    ratio, ratio <= 4 ? "met" : "missed", list.bestCpu / bestAllCpu);
    }
    std::printf("messages:        %d (checksum %" PRIu64 ")\n", host.messages, checksum);
    std::filesystem::remove_all(folder);
    return 0;
}
