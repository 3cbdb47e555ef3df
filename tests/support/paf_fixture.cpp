#include "support/paf_fixture.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <thread>
#include <random>
#include <sstream>

namespace tw::test {

TempDir::TempDir() {
    std::random_device seed;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = base / ("tamblewin-test-" + std::to_string(seed()));
        if (std::filesystem::create_directory(path_)) return;
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::unique_ptr<OpenedFamily> openFamily(const WriterFamily& family, const WriterOptions& options) {
    const PafImage image = buildPafImage(family, options);
    if (!image.error().empty()) return nullptr;
    int result = 0;
    auto opened = openBytes(image.flatten(), &result);
    return result == PafFile::kOpened ? std::move(opened) : nullptr;
}

std::unique_ptr<OpenedFamily> openBytes(std::vector<uint8_t> bytes, int* result) {
    auto opened = std::make_unique<OpenedFamily>();
    opened->image = bytes;
    const int r = opened->ctx.file.openImage(std::move(bytes));
    if (result != nullptr) *result = r;
    return opened;
}

WriterPerson person(const std::string& name, char sex, DateValue birth) {
    WriterPerson p;
    p.name = name;
    p.sex = sex;
    if (birth.year != 0 || birth.month != 0 || birth.day != 0) p.birth = makeDate(birth);
    return p;
}

WriterFamily coupleWithChildren(int children) {
    WriterFamily family;
    const int32_t husband = family.addPerson(person("Adam /Tamble/", 'M', {3, 4, 1820}));
    const int32_t wife = family.addPerson(person("Berta /Kessling/", 'F', {9, 11, 1822}));
    WriterMarriage marriage;
    marriage.husband = husband;
    marriage.wife = wife;
    for (int i = 0; i < children; ++i) {
        const char sex = i % 2 == 0 ? 'M' : 'F';
        marriage.children.push_back(
            family.addPerson(person("Child" + std::to_string(i + 1) + " /Tamble/", sex, {1, 1 + i % 12, 1845 + i})));
    }
    family.addMarriage(marriage);
    return family;
}

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

// A ring of n generations: person i (1..n) is the son of marriage i, whose husband
// is person i + 1, and person n the son of person 1's marriage (MRIN n).
WriterFamily ringOf(int n) {
    WriterFamily f;
    for (int i = 1; i <= n; ++i) f.addPerson(person("Ring" + std::to_string(i) + " /Loop/", 'M'));
    for (int i = 1; i <= n; ++i) {
        WriterMarriage m;
        m.husband = i % n + 1;
        m.children = {i};
        f.addMarriage(m);
    }
    return f;
}

CommandResult runTamblewin(const std::vector<std::string>& args,
                           const std::vector<std::pair<std::string, std::string>>& environment) {
    return runTamblewinShaped(args, RunShape{}, environment);
}

CommandResult runTamblewinShaped(const std::vector<std::string>& args, const RunShape& shape,
                                 const std::vector<std::pair<std::string, std::string>>& environment) {
    TempDir dir;
    const std::string out = dir.file("out.txt");
    const std::string err = dir.file("err.txt");
    CommandResult result;
    const pid_t pid = fork();
    if (pid == 0) {
        const std::string& into = shape.standardOutput.empty() ? out : shape.standardOutput;
        if (!freopen(into.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr)) _exit(127);
        if (shape.addressSpace != 0) {
            const rlimit limit{rlim_t(shape.addressSpace), rlim_t(shape.addressSpace)};
            setrlimit(RLIMIT_AS, &limit);
        }
        if (shape.largestFile != 0) {
            const rlimit limit{rlim_t(shape.largestFile), rlim_t(shape.largestFile)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        // The program's own files (tuning file, listing, settings) go to a home of the
        // run's own, never the user's.
        setenv("HOME", dir.path().c_str(), 1);
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "TAMBLEWIN_DSC_TUNING"}) unsetenv(name);
        // Letter paper whatever the machine's locale and paper configuration say.
        setenv("PAPERSIZE", "letter", 1);
        for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
        std::vector<char*> argv;
        std::string exe = shape.program.empty() ? std::string(TAMBLEWIN_EXE) : shape.program;
        argv.push_back(exe.data());
        std::vector<std::string> copies = args;
        for (auto& a : copies) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(exe.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (shape.signal != 0) {
        std::this_thread::sleep_for(shape.signalAfter);
        kill(pid, shape.signal);
    }
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readAll(out);
    result.err = readAll(err);
    return result;
}

}  // namespace tw::test
