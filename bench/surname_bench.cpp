// surname_bench: the Surname Distribution List of a large file.
//
//   surname_bench [--people N] [--surnames S] [--rounds R] [--dir DIR]
//
// Writes with PafWriter N individuals (default 1,000,000) bearing S distinct
// surnames (default 50,000; mixed letter case, some with accented letters), a few
// without a surname. Then measures in the same run:
//   - the bare reads of the same individuals and their names (readIndividual and
//     individualName in RIN order), the data layer's own speed;
//   - the Surname Distribution List: time, and the growth of the peak resident
//     memory while it is written.
// Each is run R times (default 3), alternating; the fastest run counts. The ratio
// compares processor times, which other programs on the machine disturb less.

#include <algorithm>
#include <ctime>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_support.h"
#include "reports/surname_distribution_list.h"
#include "run/app_context.h"

namespace {

using namespace bench;

// Surname number k as text: syllables picked by its digits in base 24, a capital
// or small first letter, some with an accented letter (Windows-1252).
std::string surname(int k) {
    static constexpr const char* kSyllables[] = {"quill", "ash", "bran", "tam", "ver", "hol", "marc", "fen",
                                                 "gor", "whit", "ras", "cal", "\xF8st", "kro", "nu\xF1", "ha\xDF",
                                                 "beau", "zier", "lor", "ober", "vo", "ess", "ing", "dal"};
    std::string text;
    for (int n = k; text.empty() || n > 0; n /= 24) text += kSyllables[n % 24];
    if (k % 5 != 0 && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
    return text;
}

tw::WriterFamily people(int32_t count, int surnames) {
    tw::WriterFamily f;
    f.people.reserve(size_t(count));
    uint64_t state = 977;
    for (int32_t rin = 1; rin <= count; ++rin) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        tw::WriterPerson p;
        p.sex = rin % 2 == 0 ? 'M' : 'F';
        // Every surname at least once, the rest drawn at random.
        const int k = rin <= surnames ? rin - 1 : int((state >> 33) % uint64_t(surnames));
        p.name = rin % 1000 == 0 ? "Nameless" : "Given /" + surname(k) + "/";
        f.people.push_back(std::move(p));
    }
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    int32_t count = 1000000;
    int surnames = 50000;
    int rounds = 3;
    std::string dir = std::filesystem::temp_directory_path().string();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--people") count = std::atoi(argv[i + 1]);
        else if (arg == "--surnames") surnames = std::atoi(argv[i + 1]);
        else if (arg == "--rounds") rounds = std::atoi(argv[i + 1]);
        else if (arg == "--dir") dir = argv[i + 1];
    }
    if (count < 1 || surnames < 1 || surnames > count || rounds < 1) {
        std::fprintf(stderr, "usage: surname_bench [--people N] [--surnames S <= N] [--rounds R] [--dir DIR]\n");
        return 2;
    }
    std::string folder = dir + "/surname_bench.XXXXXX";
    if (!mkdtemp(folder.data())) return 1;
    const std::string path = folder + "/surnames.paf";
    double writeSeconds = 0;
    if (!writeInChild([&] { return people(count, surnames); }, path, writeSeconds)) {
        std::fprintf(stderr, "surname_bench: could not write %s\n", path.c_str());
        return 1;
    }

    BenchHost host;
    tw::AppContext ctx(host);
    if (ctx.file.open(path) != tw::PafFile::kOpened) return 1;
    ctx.dataFilePath = path;
    std::printf("file:            %" PRId32 " individuals, %d surnames (written in %.2f s)\n", ctx.file.highestRin(),
                surnames, writeSeconds);

    tw::ReportInput input;
    input.startRin = 1;
    double bestRead = 1e9, bestList = 1e9, bestReadCpu = 1e9, bestListCpu = 1e9;
    long peak = 0;
    uint64_t checksum = 0;
    for (int round = 0; round < rounds; ++round) {
        auto start = Clock::now();
        double cpu = threadSeconds();
        checksum += readAllIndividuals(ctx);
        bestRead = std::min(bestRead, secondsSince(start));
        bestReadCpu = std::min(bestReadCpu, threadSeconds() - cpu);

        ctx.pageLog.begin("reset");  // drops the previous run's pages before measuring
        ctx.pageLog.end();
        ctx.pageLog.finishPrinting();
        const long rssBefore = statusKib("VmRSS");
        resetPeakMemory();
        start = Clock::now();
        cpu = threadSeconds();
        tw::generateSurnameDistributionList(ctx, input);
        bestList = std::min(bestList, secondsSince(start));
        bestListCpu = std::min(bestListCpu, threadSeconds() - cpu);
        peak = std::max(peak, statusKib("VmHWM") - rssBefore);
        ctx.pageLog.finishPrinting();
    }
    const double ratio = bestListCpu / bestReadCpu;
    std::printf("bare reads:      %.3f s (processor %.3f s) for %" PRId32 " individuals and names\n", bestRead,
                bestReadCpu, ctx.file.highestRin());
    std::printf("surname list:    %.3f s (processor %.3f s), %d pages: %.2fx the bare reads (target at most 4x: %s), "
                "peak memory +%ld KiB\n",
                bestList, bestListCpu, ctx.pageLog.lastPageIndex() + 1, ratio, ratio <= 4 ? "met" : "missed", peak);
    std::printf("messages:        %d (checksum %" PRIu64 ")\n", host.messages, checksum);
    std::filesystem::remove_all(folder);
    return 0;
}
