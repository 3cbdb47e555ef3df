#pragma once
// What the benchmark programs share: a quiet host, the clock, peak-memory readings,
// writing a family in a child process (so that its memory does not count against
// the reader's), and the bare read of every individual and name that the report
// benchmarks compare themselves with.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "files/paf_image_file.h"
#include "base/host.h"
#include "paf/paf_context.h"
#include "paf/paf_writer.h"
#include "paf/records.h"

namespace bench {

using Clock = std::chrono::steady_clock;

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor time of this thread: less disturbed than the clock by other programs
// on a busy machine.
inline double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The processor time of every thread of the process.
inline double processSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A small fixed generator, so that every run writes the same family.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint32_t next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return uint32_t(state_ >> 33);
    }
    int below(int n) { return int(next() % uint32_t(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    uint64_t state_;
};

// Shows the first few messages on standard error and counts the rest.
class BenchHost : public tw::Host {
public:
    int messages = 0;
    void message(std::string_view text, std::string_view caption) override {
        if (messages++ < 5)
            std::fprintf(stderr, "%.*s: %.*s\n", int(caption.size()), caption.data(), int(text.size()), text.data());
    }
    void showProgress(int) override {}
    bool cancelRequested() override { return false; }
    void closeStartWindow() override {}
    tw::CalendarDate today() override { return {2024, 1, 1}; }
};

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM"), or -1.
inline long statusKib(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return std::strtol(line.c_str() + length + 1, nullptr, 10);
    }
    return -1;
}

// Sets the peak resident size back to the current one (Linux 4.0 and later).
inline bool resetPeakMemory() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return bool(clear);
}

inline long maxRssKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Builds a family in a child process and writes it to path; true when written.
inline bool writeInChild(const std::function<tw::WriterFamily()>& generate, const std::string& path,
                         double& seconds) {
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) _exit(tw::writePafFile(generate(), path) ? 0 : 1);
    int status = 0;
    if (waitpid(child, &status, 0) != child) return false;
    seconds = secondsSince(start);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Reads every individual and its name in RIN order; returns a checksum.
inline uint64_t readAllIndividuals(tw::PafContext& ctx) {
    uint64_t sum = 0;
    tw::IndividualRecord record;
    const int32_t highest = ctx.file.highestRin();
    for (int32_t rin = 1; rin <= highest; ++rin) {
        if (!tw::readIndividual(ctx.file, rin, record)) continue;
        const tw::TextBuffer name = tw::individualName(ctx, rin);
        sum += uint64_t(name.length()) + uint8_t(record.sex) + uint32_t(record.birth.bytes[4]);
    }
    return sum;
}

}  // namespace bench
