#pragma once
// The command line's progress display: one line on standard error, rewritten in
// place, shown only when standard error is a terminal and only once a run has taken
// more than about a second (a quick run prints nothing extra).

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "output/printing.h"

namespace tw::cli {

class ProgressLine : public PrintProgress {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // Shows on out when it is a terminal (or when forced, for tests), after delay.
    explicit ProgressLine(std::FILE* out, bool shown, std::chrono::milliseconds delay = std::chrono::seconds(1),
                          Clock clock = [] { return std::chrono::steady_clock::now(); });
    ~ProgressLine() override { finish(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // The generation being laid out; -1 when the layout is done.
    void generation(int number);
    // Pages written of pages; false when the run was asked to stop.
    bool pagePrinted(int printed, int total) override;
    // Clears the line, so that what follows starts at the left.
    void finish();

private:
    void show(const std::string& text);

    std::FILE* out_;
    bool shown_;
    std::chrono::milliseconds delay_;
    Clock clock_;
    std::chrono::steady_clock::time_point start_;
    size_t lastLength_ = 0;
};

// True when standard error is a terminal.
bool standardErrorIsTerminal();

}  // namespace tw::cli
