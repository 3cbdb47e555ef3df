// import_bench: a report straight from a GEDCOM file, stage by stage, as whole
// processes of the program itself.
//
//   import_bench [--tamblewin PATH]... [--people N]... [--rounds R] [--dir DIR] [--demo FILE.paf]
//                (--people 0: the start-up figures alone)
//   import_bench --write N FILE.ged      (only writes the family of N people)
//
// Writes the benchmarks' family of N people (default 200,000 and 1,000,000; the
// family of descendants_bench and output_bench, with birth places and marriages) as
// a GEDCOM file, then measures, each in a process of its own so that every stage has
// its own peak memory:
//   - the bare read: the whole file read into memory and every byte scanned for line
//     ends, the least any import can do;
//   - the import: `tamblewin info FILE.ged` (the file imported into a PAF image in
//     memory and opened);
//   - the first report: `report ancestors-list-with-repeats --start LAST_RIN` as a
//     page log (--format log), then as PDF; the layout is the page log's run less the
//     import, the PDF the PDF's run less the page log's;
//   - the whole family's Descendants List (MRIN 1, every page) to PDF, for scale.
// Then the start-up figures: a 10,000-person GEDCOM file to the PDF of three reports,
// and a report of the demo family's .paf file to PDF.
//
// Every program given with --tamblewin (default: the one built beside this benchmark)
// is run in turn, A B A B, R times (default 3); the least processor time (user and
// system, from the child's own rusage) counts, with the peak resident memory of that
// run. Give the program built from an earlier commit as a second --tamblewin to
// compare the two in one run.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "descendant_family.h"
#include "family_gedcom.h"
#include "paf/file_bytes.h"

namespace {

using namespace bench;

struct Usage {
    double cpu = 1e9;  // seconds, user and system
    long peakKib = 0;
    int status = -1;
};

double seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; }

// Runs the command with its output thrown away.
// What a child process used, once it has ended.
Usage childUsage(pid_t child) {
    Usage usage;
    int status = 0;
    rusage r{};
    if (wait4(child, &status, 0, &r) != child) return usage;
    usage.cpu = seconds(r.ru_utime) + seconds(r.ru_stime);
    usage.peakKib = r.ru_maxrss;
    usage.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    return usage;
}

Usage runProcess(const std::vector<std::string>& args) {
    Usage usage;
    const pid_t child = fork();
    if (child < 0) return usage;
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return childUsage(child);
}

// The bare read in a child process: the file read whole, and its line ends counted.
Usage bareRead(const std::string& path, size_t& lines) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        std::vector<uint8_t> bytes;
        size_t count = 0;
        if (tw::readWholeFile(path, uint64_t(1) << 32, bytes).ok()) {
            const auto* p = bytes.data();
            const auto* end = p + bytes.size();
            while ((p = static_cast<const uint8_t*>(std::memchr(p, '\n', size_t(end - p)))) != nullptr) {
                ++count;
                ++p;
            }
        }
        if (write(pipeEnds[1], &count, sizeof count) != ssize_t(sizeof count)) _exit(1);
        _exit(0);
    }
    close(pipeEnds[1]);
    if (read(pipeEnds[0], &lines, sizeof lines) != ssize_t(sizeof lines)) lines = 0;
    close(pipeEnds[0]);
    return childUsage(child);
}

// Writes the benchmark family of that many people as GEDCOM, in a child process.
bool writeGedcom(int32_t people, const std::string& path) {
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        const std::string text = familyGedcom(descendantsOfOneCouple(people));
        FILE* f = std::fopen(path.c_str(), "wb");
        const bool ok = f != nullptr && std::fwrite(text.data(), 1, text.size(), f) == text.size();
        _exit(f != nullptr && std::fclose(f) == 0 && ok ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// One measured command for each program, its best run.
struct Stage {
    std::string name;
    std::vector<std::string> args;  // after the program's path
    std::vector<Usage> best;        // by program
};

void measure(std::vector<Stage>& stages, const std::vector<std::string>& programs, int rounds) {
    for (Stage& s : stages) s.best.assign(programs.size(), Usage{});
    for (int round = 0; round < rounds; ++round) {
        for (Stage& s : stages) {
            for (size_t p = 0; p < programs.size(); ++p) {
                std::vector<std::string> args{programs[p]};
                args.insert(args.end(), s.args.begin(), s.args.end());
                const Usage u = runProcess(args);
                if (u.status != 0 && u.status != 4) std::fprintf(stderr, "import_bench: status %d: %s %s\n", u.status,
                                                                 programs[p].c_str(), s.args[0].c_str());
                if (u.cpu < s.best[p].cpu) s.best[p] = u;
            }
        }
    }
}

std::string mib(long kib) {
    char text[32];
    std::snprintf(text, sizeof text, "%7.1f MiB", double(kib) / 1024.0);
    return text;
}

void printRow(const char* label, double cpu, long peakKib, double fileKib) {
    std::printf("  %-44s %8.3f s  %s  %4.2f x file\n", label, cpu, mib(peakKib).c_str(), double(peakKib) / fileKib);
}

int32_t highestRinOf(const std::string& program, const std::string& gedcom) {
    const std::string command = "'" + program + "' info '" + gedcom + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return 1;
    char line[256];
    int32_t rin = 1;
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        if (std::strncmp(line, "highestRin: ", 12) == 0) rin = int32_t(std::atol(line + 12));
    }
    pclose(pipe);
    return rin;
}

void largeFile(int32_t people, const std::vector<std::string>& programs, int rounds, const std::string& folder) {
    const std::string ged = folder + "/family-" + std::to_string(people) + ".ged";
    const auto start = Clock::now();
    if (!writeGedcom(people, ged)) {
        std::fprintf(stderr, "import_bench: could not write %s\n", ged.c_str());
        return;
    }
    struct stat info {};
    stat(ged.c_str(), &info);
    const double fileKib = double(info.st_size) / 1024.0;
    const std::string last = std::to_string(highestRinOf(programs.front(), ged));
    const std::string out = folder + "/out";
    std::printf("\n%d people: %s of GEDCOM (%lld bytes, written in %.1f s)\n", people, mib(long(fileKib)).c_str(),
                static_cast<long long>(info.st_size), secondsSince(start));

    size_t lines = 0;
    Usage read;
    for (int round = 0; round < rounds; ++round) {
        const Usage u = bareRead(ged, lines);
        if (u.cpu < read.cpu) read = u;
    }
    std::printf("  bare read (%zu lines)\n", lines);
    printRow("read whole, line ends scanned", read.cpu, read.peakKib, fileKib);

    const std::vector<std::string> firstReport{"report", "ancestors-list-with-repeats", "--paf", ged, "--start", last,
                                               "--date", "2026-01-01"};
    std::vector<Stage> stages = {
        {"import", {"info", ged}, {}},
        {"log", [&] { auto a = firstReport; a.insert(a.end(), {"--format", "log", "-o", out + ".log"}); return a; }(), {}},
        {"pdf", [&] { auto a = firstReport; a.insert(a.end(), {"-o", out + ".pdf"}); return a; }(), {}},
        {"all", {"report", "descendants-list", "--paf", ged, "--date", "2026-01-01", "-o", out + "-all.pdf"}, {}},
    };
    measure(stages, programs, rounds);
    for (size_t p = 0; p < programs.size(); ++p) {
        std::printf("  %s\n", programs[p].c_str());
        const Usage& import = stages[0].best[p];
        const Usage& log = stages[1].best[p];
        const Usage& pdf = stages[2].best[p];
        const Usage& all = stages[3].best[p];
        printRow("import (info FILE.ged)", import.cpu, import.peakKib, fileKib);
        printRow(("first report's layout (RIN " + last + ", log)").c_str(), log.cpu - import.cpu, log.peakKib, fileKib);
        printRow("its PDF", pdf.cpu - log.cpu, pdf.peakKib, fileKib);
        printRow("GEDCOM to the first report's PDF, in all", pdf.cpu, pdf.peakKib, fileKib);
        printRow("GEDCOM to the whole Descendants List's PDF", all.cpu, all.peakKib, fileKib);
    }
}

void startUp(const std::vector<std::string>& programs, int rounds, const std::string& folder, const std::string& demo) {
    const std::string ged = folder + "/family-10000.ged";
    if (!writeGedcom(10000, ged)) return;
    const std::string last = std::to_string(highestRinOf(programs.front(), ged));
    const std::string out = folder + "/small.pdf";
    std::vector<Stage> stages = {
        {"--version", {"--version"}, {}},
        {"10,000-person GEDCOM: info", {"info", ged}, {}},
        {"10,000-person GEDCOM: descendants-list PDF", {"report", "descendants-list", "--paf", ged, "-o", out}, {}},
        {"10,000-person GEDCOM: ancestors-list PDF",
         {"report", "ancestors-list-with-repeats", "--paf", ged, "--start", last, "-o", out}, {}},
        {"10,000-person GEDCOM: surname-distribution PDF",
         {"report", "surname-distribution-list", "--paf", ged, "-o", out}, {}},
    };
    if (!demo.empty()) {
        stages.push_back({"demo family .paf: ancestors-list PDF",
                          {"report", "ancestors-list-with-repeats", "--paf", demo, "-o", out}, {}});
        stages.push_back({"demo family .paf: descendants-list PDF",
                          {"report", "descendants-list", "--paf", demo, "-o", out}, {}});
    }
    measure(stages, programs, rounds * 3);
    std::printf("\nstart-up: whole processes, processor time (best of %d)\n", rounds * 3);
    for (size_t p = 0; p < programs.size(); ++p) {
        std::printf("  %s\n", programs[p].c_str());
        for (const Stage& s : stages)
            std::printf("  %-50s %7.1f ms  %s\n", s.name.c_str(), s.best[p].cpu * 1000, mib(s.best[p].peakKib).c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> programs;
    std::vector<int32_t> sizes;
    int rounds = 3;
    std::string dir = std::filesystem::temp_directory_path().string();
#ifdef TAMBLEWIN_DEMO_PAF
    std::string demo = TAMBLEWIN_DEMO_PAF;
#else
    std::string demo;
#endif
    // --write N FILE: only writes the benchmark family of N people as GEDCOM.
    if (argc == 4 && std::strcmp(argv[1], "--write") == 0) return writeGedcom(int32_t(std::atol(argv[2])), argv[3]) ? 0 : 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--tamblewin") programs.push_back(argv[i + 1]);
        else if (arg == "--people") sizes.push_back(int32_t(std::atol(argv[i + 1])));
        else if (arg == "--rounds") rounds = std::atoi(argv[i + 1]);
        else if (arg == "--dir") dir = argv[i + 1];
        else if (arg == "--demo") demo = argv[i + 1];
    }
#ifdef TAMBLEWIN_EXE
    if (programs.empty()) programs.push_back(TAMBLEWIN_EXE);
#endif
    if (programs.empty() || rounds < 1) {
        std::fprintf(stderr, "usage: import_bench --tamblewin PATH [--tamblewin PATH]... [--people N]... [--rounds R] "
                             "[--dir DIR] [--demo FILE.paf]\n");
        return 2;
    }
    if (sizes.empty()) sizes = {200000, 1000000};
    if (!demo.empty() && !std::filesystem::exists(demo)) demo.clear();
    std::string folder = dir + "/import_bench.XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) return 1;
    startUp(programs, rounds, folder, demo);
    for (const int32_t people : sizes)
        if (people > 0) largeFile(people, programs, rounds, folder);  // --people 0: the start-up figures only
    std::filesystem::remove_all(folder);
    return 0;
}
