#include "cli/cli_host.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "base/translation.h"
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
        const std::string problem =
            fillIn(TW_TR("CommandLine", "will not write %1: it is the data file being read"), {path});
        std::fprintf(stderr, "tamblewin: %s\n", problem.c_str());
        refusedOutput_ = true;
        return false;
    }
    if (const std::string refusal = outputRefusal(path); !refusal.empty()) {
        const std::string problem = fillIn(TW_TR("CommandLine", "will not write %1"), {refusal});
        std::fprintf(stderr, "tamblewin: %s\n", problem.c_str());
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

namespace {

// SOURCE_DATE_EPOCH as a number of seconds; nothing when it is unset or refused.
std::optional<int64_t> sourceDateEpoch() { return sourceDateEpochSeconds(std::getenv("SOURCE_DATE_EPOCH")); }

// Days from 1970-01-01 to a date of the Gregorian calendar.
int64_t daysSince1970(CalendarDate date) {
    const int64_t y = date.year - (date.month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

std::optional<int64_t> sourceDateEpochSeconds(const char* value) {
    // 0001-01-01T00:00:00Z and 9999-12-31T23:59:59Z: the years a date heading can show.
    constexpr long long kFirst = -62135596800LL, kLast = 253402300799LL;
    if (value == nullptr || *value == '\0') return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long long seconds = std::strtoll(value, &end, 10);
    if (end == value || *end != '\0' || errno == ERANGE || seconds < kFirst || seconds > kLast) return std::nullopt;
    return int64_t(seconds);
}

CalendarDate CliHost::today() {
    if (fixedToday_) return *fixedToday_;
    std::time_t now = std::time(nullptr);
    const std::optional<int64_t> epoch = sourceDateEpoch();
    if (epoch) now = std::time_t(*epoch);
    std::tm parts{};
    if (epoch) gmtime_r(&now, &parts);
    else localtime_r(&now, &parts);
    return CalendarDate{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

std::optional<int64_t> CliHost::documentTime() const {
    if (fixedToday_) return daysSince1970(*fixedToday_) * 86400;
    return sourceDateEpoch();
}

}  // namespace tw::cli
