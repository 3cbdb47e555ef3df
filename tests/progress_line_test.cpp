// The command line's progress line: silent when not on a terminal or while a run is
// quick, then rewritten in place and cleared at the end.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "cli/progress_line.h"

namespace tw::cli {
namespace {

using namespace std::chrono_literals;

struct Captured {
    std::FILE* file = std::tmpfile();
    ~Captured() { std::fclose(file); }
    std::string text() {
        std::fflush(file);
        std::rewind(file);
        std::string out;
        for (int c; (c = std::fgetc(file)) != EOF;) out += char(c);
        return out;
    }
};

TEST(ProgressLine, ShowsOnATerminalOnlyAfterTheDelayAndClearsItself) {
    struct Case {
        bool terminal;
        std::chrono::milliseconds elapsed;
        std::string expected;
    };
    const Case cases[] = {
        {false, 5s, ""},
        {true, 500ms, ""},
        {true, 2s, "\rLaying out generation 12\rWriting page 3 of 40    \r" + std::string(20, ' ') + "\r"},
    };
    for (const Case& c : cases) {
        Captured out;
        auto now = std::chrono::steady_clock::time_point{};
        {
            ProgressLine line(out.file, c.terminal, 1s, [&] { return now; });
            now += c.elapsed;
            line.generation(12);
            line.generation(-1);  // the layout is done: nothing to show
            EXPECT_TRUE(line.pagePrinted(3, 40));
        }
        EXPECT_EQ(out.text(), c.expected) << c.terminal << " " << c.elapsed.count();
    }
}

}  // namespace
}  // namespace tw::cli
