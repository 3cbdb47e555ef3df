#pragma once
// The Host of the windows: message boxes through UiDialogs, the progress display
// and the stop request of the start window, and the printer of the print box.
//
// While a report runs (or the browse list is read), the messages about damaged data
// are held and shown as one box when it ends: "Corrupt Data ..." with what exactly
// is damaged, instead of a box for every reader that met the damage.

#include <QElapsedTimer>
#include <optional>
#include <string>
#include <vector>

#include "base/host.h"

namespace tw::gui {

class GuiPrinter;
class UiDialogs;

// What the host asks of the start window while a report runs.
class StartWindowLink {
public:
    virtual ~StartWindowLink() = default;
    virtual void showProgress(int generation) = 0;
    virtual void closeStartWindow() = 0;
};

// The one message a run's held messages come to: none when nothing was held.
struct HeldMessage {
    std::string text;
    std::string caption;
    bool operator==(const HeldMessage&) const = default;
};
struct HeldMessages {
    std::vector<HeldMessage> messages;  // in the order they came, each once
    std::vector<std::string> details;   // what exactly is damaged, each once
    std::optional<FatalStop> fatal;
    bool corruptData = false;           // the corrupt-data message came
};
std::optional<HeldMessage> combinedMessage(const HeldMessages& held);

class GuiHost : public Host {
public:
    GuiHost(UiDialogs& dialogs, GuiPrinter& printer);

    void message(std::string_view text, std::string_view caption) override;
    void messageDetail(std::string_view detail) override;
    void showFatal(const FatalStop& stop) override;
    void showProgress(int generation) override;
    // Also lets the windows handle pending input now and then, so that the program
    // answers (and Cancel can be pressed) between two progress steps of a long report.
    bool cancelRequested() override;
    void closeStartWindow() override;
    CalendarDate today() override;
    bool writeFile(const std::string& path, std::string_view text) override;
    std::string writeFailure() const override { return writeFailure_; }
    void removeFile(const std::string& path) override;
    Printer* printer() override;

    // A run begins: messages about damaged data are held from now on.
    void beginRun();
    // The run ended: the held messages are shown as one. True when the run met
    // damaged data or an internal error.
    bool endRun();

    void requestStop() { stopRequested_ = true; }
    void clearStopRequest() { stopRequested_ = false; }
    bool stopRequested() const { return stopRequested_; }

    void setStartWindow(StartWindowLink* window) { startWindow_ = window; }
    UiDialogs& dialogs() { return dialogs_; }

private:
    void show(const HeldMessage& message);

    UiDialogs& dialogs_;
    std::string writeFailure_;
    GuiPrinter& printer_;
    StartWindowLink* startWindow_ = nullptr;
    bool stopRequested_ = false;
    QElapsedTimer sinceEvents_;
    int runs_ = 0;  // runs begun and not ended (a run may start another: the print box's layout)
    HeldMessages held_;
};

// Runs a window action that reads the data file or replays pages outside a report's
// run; a fatal stop in it is shown as one message and the action ends there. False
// when it did.
template <class Action>
bool runGuarded(GuiHost& host, Action&& action) {
    host.beginRun();
    bool completed = true;
    try {
        action();
    } catch (const FatalStop& stop) {
        host.showFatal(stop);
        completed = false;
    }
    host.endRun();
    return completed;
}

}  // namespace tw::gui
