#pragma once
// What the core asks of the user interface: message boxes, the progress display,
// the stop request and the end of the program after a fatal message. The windows,
// the command line and the tests each implement it.

#include <string>
#include <string_view>

#include "base/exit_status.h"

namespace tw {

class Printer;

// A fatal stop: damaged data a run cannot go past (a link to a record that cannot be
// read), or an internal error. It unwinds the run to the front end, which shows the
// message (Host::showFatal) and decides what follows: the command line ends with
// the status, the windows return to the start window.
struct FatalStop {
    std::string text;
    std::string caption;
    int status = kExitFailure;
    // What exactly is damaged ("marriage 78: record 78 cannot be read"); may be empty.
    std::string detail;
};

struct CalendarDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

class Host {
public:
    virtual ~Host() = default;

    // A modal message box with one OK button.
    virtual void message(std::string_view text, std::string_view caption) = 0;

    // What exactly is wrong, after a message about damaged data ("marriage 12: husband
    // 9999 is beyond the last individual (812)"). The command line prints it as a line
    // of its own; the windows keep the message as it is and show nothing more.
    virtual void messageDetail(std::string_view detail) { (void)detail; }

    // Shows the progress of a report: the generation number, or -1 for "done".
    virtual void showProgress(int generation) = 0;

    // True while the user has asked the running report to stop.
    virtual bool cancelRequested() = 0;

    // The start-selection window is closed (a report that was stopped).
    virtual void closeStartWindow() = 0;

    // Ends the run with a fatal stop: throws FatalStop with the given (non-zero) status.
    [[noreturn]] void fatal(std::string_view text, std::string_view caption, int exitStatus,
                            std::string_view detail = {}) {
        throw FatalStop{std::string(text), std::string(caption), exitStatus == 0 ? int(kExitFailure) : exitStatus,
                        std::string(detail)};
    }

    // Shows the message of a fatal stop that ended a run: its text under its caption,
    // then its detail as messageDetail does.
    virtual void showFatal(const FatalStop& stop) {
        message(stop.text, stop.caption);
        if (!stop.detail.empty()) messageDetail(stop.detail);
    }

    // The date printed in page headings.
    virtual CalendarDate today() = 0;

    // Writes a whole file for the core (the Family Tree Chart's listing and branch
    // positions): the core itself never touches the file system. False when the file
    // could not be written; a host that keeps no files writes nothing.
    virtual bool writeFile(const std::string& path, std::string_view text) {
        (void)path;
        (void)text;
        return false;
    }
    // Why the last writeFile failed, as the system says it ("Permission denied");
    // empty when the host does not know.
    virtual std::string writeFailure() const { return {}; }
    // Removes a file the core wrote before; a missing file is no failure.
    virtual void removeFile(const std::string& path) { (void)path; }

    // The current printer: page logs are laid out for it and printed on it. None
    // means a letter-size page at 600 pixels per inch, for measuring only.
    virtual Printer* printer() { return nullptr; }
};

}  // namespace tw
