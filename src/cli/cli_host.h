#pragma once
// The Host of the command line: messages go to standard error as "caption: text",
// progress goes to a line on a terminal's standard error, Ctrl-C is the stop request, files that are inputs of
// the run are never written, and the date of page headings
// is fixed by --date or SOURCE_DATE_EPOCH so that output can be reproduced.

#include <cstdint>
#include <optional>

#include "base/host.h"

namespace tw::cli {

class ProgressLine;

// SOURCE_DATE_EPOCH's value (seconds since 1970 UTC as a decimal number); none when
// it is missing or empty, no such number, or outside the years 1 to 9999.
std::optional<int64_t> sourceDateEpochSeconds(const char* value);

class CliHost : public Host {
public:
    void message(std::string_view text, std::string_view caption) override;
    void showProgress(int generation) override;
    bool cancelRequested() override;
    void closeStartWindow() override { ++startWindowClosed_; }
    CalendarDate today() override;
    void messageDetail(std::string_view detail) override;
    // The run ends now: nothing half written stays behind.
    void showFatal(const FatalStop& stop) override;
    bool writeFile(const std::string& path, std::string_view text) override;
    void removeFile(const std::string& path) override;

    Printer* printer() override { return printer_; }

    void setToday(CalendarDate date) { fixedToday_ = date; }
    // When the documents written are said to be made, in seconds since 1970 UTC:
    // midnight of --date, else SOURCE_DATE_EPOCH, else nothing (the clock).
    std::optional<int64_t> documentTime() const;
    void setPrinter(Printer* printer) { printer_ = printer; }
    // Where the progress of a run is shown (none: nowhere).
    void setProgress(ProgressLine* progress) { progress_ = progress; }
    // How often a report gave up and closed the start window (bad data, no start).
    int startWindowClosed() const { return startWindowClosed_; }
    // True once the run asked to write a file that is one of its inputs (refused).
    bool refusedOutput() const { return refusedOutput_; }

private:
    std::optional<CalendarDate> fixedToday_;
    Printer* printer_ = nullptr;
    ProgressLine* progress_ = nullptr;
    int startWindowClosed_ = 0;
    bool refusedOutput_ = false;
};

}  // namespace tw::cli
