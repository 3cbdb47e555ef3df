// rsl_bench: the Research Status List of a deep pedigree that collapses heavily.
//
//   rsl_bench [--generations G] [--pool N] [--known PERCENT] [--seed S] [--rounds R] [--dir DIR]
//
// Writes with PafWriter a pedigree of G generations (default 30) above one start
// person: every generation above the first has N people (default 100), paired into
// N/2 couples, and each person of the generation below is a child of a random couple
// with probability PERCENT/100 (default 84; the rest have no parents recorded). A few
// thousand people thus fill millions of pedigree positions: every person is reached
// again and again, through ever more lines. Then, in the same run:
//   - the Research Status List from the start person: time, the growth of the peak
//     resident memory (VmHWM) while it ran, and the process's peak (getrusage);
//   - the visits it counts: pedigree positions filled, one per (person, generation)
//     visit of a walk that follows every line, against the entries the walk
//     actually examined (one per person and generation);
//   - for comparison, the same walk position by position, as the Repeat Ancestors
//     List runs it to list every repeat in order: time and visits per second.
// Each is run R times (default 3); the fastest run counts.

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <random>

#include "bench_support.h"
#include "paf/date_encoding.h"
#include "reports/ancestor_generation.h"
#include "reports/rsl.h"
#include "run/app_context.h"

namespace {

using namespace bench;

struct Shape {
    int generations = 30;
    int pool = 100;
    int knownPercent = 84;
    unsigned seed = 1;
};

tw::WriterFamily collapsedPedigree(const Shape& shape) {
    std::mt19937 random(shape.seed);
    tw::WriterFamily family;
    tw::WriterPerson start;
    start.name = "Start /Pool/";
    start.birth = tw::makeDate({1, 1, 2000});
    std::vector<int32_t> below{family.addPerson(start)};
    for (int k = 1; k < shape.generations; ++k) {
        std::vector<int32_t> above;
        for (int i = 0; i < shape.pool; ++i) {
            tw::WriterPerson p;
            p.name = "Given" + std::to_string(i) + " /Gen" + std::to_string(k) + "/";
            p.sex = i % 2 == 0 ? 'M' : 'F';
            p.birth = tw::makeDate({1 + i % 28, 1 + i % 12, 2000 - 25 * k - i % 9});
            above.push_back(family.addPerson(std::move(p)));
        }
        std::vector<tw::WriterMarriage> couples(size_t(shape.pool / 2));
        for (size_t c = 0; c < couples.size(); ++c) {
            couples[c].husband = above[2 * c];
            couples[c].wife = above[2 * c + 1];
        }
        for (const int32_t child : below)  // the start person always has parents
            if (k == 1 || int(random() % 100) < shape.knownPercent)
                couples[random() % couples.size()].children.push_back(child);
        for (tw::WriterMarriage& m : couples) family.addMarriage(std::move(m));
        below = std::move(above);
    }
    return family;
}

struct Walked {
    int64_t visits = 0;    // positions filled over all generations
    int64_t examined = 0;  // entries the walk examined
    int generations = 0;
};

Walked walk(tw::AppContext& ctx, bool positionByPosition) {
    Walked result;
    tw::AncestorWalk walk(ctx, 1, positionByPosition);
    for (int g = 1; g < 300; ++g) {
        const tw::GenerationCounts counts = tw::ancestorGenerationStep(walk);
        if (counts.filled == 0) break;
        result.visits += counts.filled;
        result.generations = g;
    }
    result.examined = walk.entriesExamined();
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    Shape shape;
    int rounds = 3;
    std::string dir = std::filesystem::temp_directory_path().string();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--generations") shape.generations = std::atoi(argv[i + 1]);
        else if (arg == "--pool") shape.pool = std::atoi(argv[i + 1]);
        else if (arg == "--known") shape.knownPercent = std::atoi(argv[i + 1]);
        else if (arg == "--seed") shape.seed = unsigned(std::atol(argv[i + 1]));
        else if (arg == "--rounds") rounds = std::atoi(argv[i + 1]);
        else if (arg == "--dir") dir = argv[i + 1];
    }
    if (shape.generations < 1 || shape.generations > 299 || shape.pool < 2 || shape.knownPercent < 0 ||
        shape.knownPercent > 100 || rounds < 1) {
        std::fprintf(stderr, "usage: rsl_bench [--generations 1..299] [--pool N>=2] [--known 0..100] [--seed S] "
                             "[--rounds R] [--dir DIR]\n");
        return 2;
    }
    std::string folder = dir + "/rsl_bench.XXXXXX";
    if (!mkdtemp(folder.data())) return 1;
    const std::string path = folder + "/collapsed.paf";
    double writeSeconds = 0;
    if (!writeInChild([&] { return collapsedPedigree(shape); }, path, writeSeconds)) {
        std::fprintf(stderr, "rsl_bench: could not write %s\n", path.c_str());
        return 1;
    }

    BenchHost host;
    tw::AppContext ctx(host);
    if (ctx.file.open(path) != tw::PafFile::kOpened) return 1;
    ctx.dataFilePath = path;
    ctx.listEntryLimit = int64_t(1) << 40;  // the position-by-position walk follows every line
    std::printf("pedigree:        %d generations of %d people, %d%% with parents; %" PRId32
                " people (written in %.2f s)\n",
                shape.generations, shape.pool, shape.knownPercent, ctx.file.highestRin(), writeSeconds);

    tw::ReportInput input;
    input.startRin = 1;
    double bestList = 1e9, bestWalk = 1e9;
    long peakGrowth = 0;
    for (int round = 0; round < rounds; ++round) {
        ctx.pageLog.begin("reset");  // drops the previous run's pages before measuring
        ctx.pageLog.end();
        ctx.pageLog.finishPrinting();
        const long rssBefore = statusKib("VmRSS");
        resetPeakMemory();
        const auto start = Clock::now();
        tw::generateResearchStatusList(ctx, input);
        bestList = std::min(bestList, secondsSince(start));
        peakGrowth = std::max(peakGrowth, statusKib("VmHWM") - rssBefore);
        ctx.pageLog.finishPrinting();
    }
    const long peakAfterList = maxRssKib();
    const Walked folded = walk(ctx, false);

    // Position by position, the walk holds every position of a generation: leave
    // it out where that would not fit in memory.
    constexpr int64_t kMostPositions = 400'000'000;
    const bool comparable = folded.visits <= kMostPositions;
    Walked positions;
    long positionsGrowth = 0;
    for (int round = 0; comparable && round < rounds; ++round) {
        const long rssBefore = statusKib("VmRSS");
        resetPeakMemory();
        const auto start = Clock::now();
        positions = walk(ctx, true);
        bestWalk = std::min(bestWalk, secondsSince(start));
        positionsGrowth = std::max(positionsGrowth, statusKib("VmHWM") - rssBefore);
    }

    std::printf("visits:          %" PRId64 " (person, generation) visits = positions filled, in %d generations\n",
                folded.visits, folded.generations);
    std::printf("research status list: %.4f s, %.4f ns per visit (target: under 1 s for 10,000,000 visits: %s)\n",
                bestList, bestList * 1e9 / double(folded.visits),
                bestList * 1e7 / double(folded.visits) < 1 ? "met" : "missed");
    std::printf("  entries examined: %" PRId64 " (one per person and generation; %.0f visits each)\n",
                folded.examined, double(folded.visits) / double(folded.examined));
    std::printf("  peak memory:      +%ld KiB while the list ran; process peak %ld KiB (getrusage)\n", peakGrowth,
                peakAfterList);
    if (comparable) {
        std::printf("position by position: %.3f s for %" PRId64 " visits, %.1f ns per visit, +%ld KiB peak\n",
                    bestWalk, positions.examined, bestWalk * 1e9 / double(positions.examined), positionsGrowth);
        std::printf("  (the same walk with repeat collection on; visits %s)\n",
                    positions.visits == folded.visits ? "agree" : "DISAGREE");
    } else {
        std::printf("position by position: left out, more than %" PRId64 " visits\n", kMostPositions);
    }
    std::printf("messages:        %d\n", host.messages);
    std::filesystem::remove_all(folder);
    return !comparable || positions.visits == folded.visits ? 0 : 1;
}
