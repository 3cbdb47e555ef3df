#include "cli/progress_line.h"

#include <unistd.h>

#include "base/translation.h"
#include "cli/stop_signals.h"

namespace tw::cli {

ProgressLine::ProgressLine(std::FILE* out, bool shown, std::chrono::milliseconds delay, Clock clock)
    : out_(out), shown_(shown), delay_(delay), clock_(std::move(clock)), start_(clock_()) {}

void ProgressLine::show(const std::string& text) {
    if (!shown_ || clock_() - start_ < delay_) return;
    // Blanks over what is left of a longer line before.
    const std::string padding(lastLength_ > text.size() ? lastLength_ - text.size() : 0, ' ');
    std::fprintf(out_, "\r%s%s", text.c_str(), padding.c_str());
    std::fflush(out_);
    lastLength_ = text.size();
}

void ProgressLine::generation(int number) {
    if (number < 0) return;
    show(fillIn(TW_TR("CommandLine", "Laying out generation %1"), {std::to_string(number)}));
}

bool ProgressLine::pagePrinted(int printed, int total) {
    show(fillIn(TW_TR("CommandLine", "Writing page %1 of %2"), {std::to_string(printed), std::to_string(total)}));
    return !stopRequested();
}

void ProgressLine::finish() {
    if (lastLength_ == 0) return;
    std::fprintf(out_, "\r%s\r", std::string(lastLength_, ' ').c_str());
    std::fflush(out_);
    lastLength_ = 0;
}

bool standardErrorIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

}  // namespace tw::cli
