#pragma once
// What the core asks of the user interface: message boxes, the progress display,
// the stop request and the end of the program after a fatal message. The windows,
// the command line and the tests each implement it.

#include <cstdlib>
#include <string_view>

namespace tw {

class Printer;

struct CalendarDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

// Exit statuses of the fatal stops. Every fatal stop ends with a non-zero status.
enum ExitStatus : int {
    kExitFailure = 1,         // the command line could not do what was asked
    kExitUsage = 2,           // bad command-line arguments
    kExitCorruptData = 3,     // abortRun: a link points at a record that cannot be read
    kExitOutOfMemory = 5,     // a text buffer could not be allocated
    kExitInternalError = 7,   // a state ordinary use does not reach
    kExitUnknownDateType = 9  // a date whose kind is not 0..4
};

class Host {
public:
    virtual ~Host() = default;

    // A modal message box with one OK button.
    virtual void message(std::string_view text, std::string_view caption) = 0;

    // Shows the progress of a report: the generation number, or -1 for "done".
    virtual void showProgress(int generation) = 0;

    // True while the user has asked the running report to stop.
    virtual bool cancelRequested() = 0;

    // The start-selection window is closed (a report that was stopped).
    virtual void closeStartWindow() = 0;

    // Shows a fatal message and ends the program with the given (non-zero) status.
    [[noreturn]] void fatal(std::string_view text, std::string_view caption, int exitStatus) {
        showFatal(text, caption);
        std::exit(exitStatus == 0 ? int(kExitFailure) : exitStatus);
    }

    // The date printed in page headings.
    virtual CalendarDate today() = 0;

    // The current printer: page logs are laid out for it and printed on it. None
    // means a letter-size page at 600 pixels per inch, for measuring only.
    virtual Printer* printer() { return nullptr; }

protected:
    // Shows the message of a fatal stop; the program ends when it returns.
    virtual void showFatal(std::string_view text, std::string_view caption) = 0;
};

}  // namespace tw
