#include "cli/cli_host.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "cli/progress_line.h"
#include "cli/stop_signals.h"
#include "files/input_guard.h"
#include "files/user_files.h"

namespace tw::cli {

void CliHost::message(std::string_view text, std::string_view caption) {
    if (progress_ != nullptr) progress_->finish();
    std::fprintf(stderr, "%.*s: %.*s\n", int(caption.size()), caption.data(), int(text.size()), text.data());
}

void CliHost::messageDetail(std::string_view detail) {
    std::fprintf(stderr, "%.*s\n", int(detail.size()), detail.data());
}

bool CliHost::cancelRequested() { return stopRequested(); }

void CliHost::showProgress(int generation) {
    if (progress_ != nullptr) progress_->generation(generation);
}

bool CliHost::writeFile(const std::string& path, std::string_view text) {
    if (isProtectedInput(path)) {
        std::fprintf(stderr, "tamblewin: will not write %s: it is the data file being read\n", path.c_str());
        refusedOutput_ = true;
        return false;
    }
    return writeWholeFile(path, text);
}

void CliHost::removeFile(const std::string& path) { removeFileIfPresent(path); }

void CliHost::showFatal(const FatalStop& stop) {
    removeTemporaryFiles();
    Host::showFatal(stop);
    std::fflush(stdout);
}

CalendarDate CliHost::today() {
    if (fixedToday_) return *fixedToday_;
    std::time_t now = std::time(nullptr);
    bool utc = false;
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        char* end = nullptr;
        const long long value = std::strtoll(epoch, &end, 10);
        if (end != epoch && *end == '\0') {
            now = std::time_t(value);
            utc = true;
        }
    }
    std::tm parts{};
    if (utc) gmtime_r(&now, &parts);
    else localtime_r(&now, &parts);
    return CalendarDate{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

}  // namespace tw::cli
