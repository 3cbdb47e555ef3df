#pragma once

#include <chrono>
// Families for tests: built in code with PafWriter, opened from memory or from a
// temporary file, with a recording host.

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "paf/date_encoding.h"
#include "paf/paf_context.h"
#include "paf/paf_writer.h"
#include "support/recording_host.h"

namespace tw::test {

// A folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A host and a context with a family's image opened from memory.
struct OpenedFamily {
    RecordingHost host;
    PafContext ctx{host};
    std::vector<uint8_t> image;  // the bytes that were opened
};

std::unique_ptr<OpenedFamily> openFamily(const WriterFamily& family, const WriterOptions& options = {});
// Opens bytes as they are (damaged images); result is PafFile::open's.
std::unique_ptr<OpenedFamily> openBytes(std::vector<uint8_t> bytes, int* result = nullptr);

WriterPerson person(const std::string& name, char sex = 'M', DateValue birth = {});

// A couple with the given number of children: husband RIN 1, wife RIN 2, children
// RIN 3.., MRIN 1.
WriterFamily coupleWithChildren(int children);

// A ring of n generations: person i (1..n) is the son of marriage i, whose husband
// is person i + 1, and person n the son of person 1's marriage (MRIN n).
WriterFamily ringOf(int n);

// The result of running the tamblewin executable: exit status and all it printed.
struct CommandResult {
    int status = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};
// Runs the program with a home of its own (no XDG folders, no tuning file), on letter
// paper (PAPERSIZE=letter), and the given variables set on top.
CommandResult runTamblewin(const std::vector<std::string>& args,
                           const std::vector<std::pair<std::string, std::string>>& environment = {});

// How runTamblewinShaped runs the program beyond what runTamblewin does.
struct RunShape {
    std::string standardOutput;               // a file to write into (/dev/full); empty: captured
    int signal = 0;                           // sent after signalAfter, when not 0
    std::chrono::milliseconds signalAfter{0};
    unsigned long long addressSpace = 0;      // bytes (setrlimit in the child); 0: no limit
    unsigned long long largestFile = 0;       // bytes a file may grow to; 0: no limit
    std::string program;                      // another copy of the program; empty: the one built
};
CommandResult runTamblewinShaped(const std::vector<std::string>& args, const RunShape& shape,
                                 const std::vector<std::pair<std::string, std::string>>& environment = {});

}  // namespace tw::test
