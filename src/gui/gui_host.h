#pragma once
// The Host of the windows: message boxes through UiDialogs, the progress display
// and the stop request of the start window, and the printer of the print box.

#include <QElapsedTimer>

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

class GuiHost : public Host {
public:
    GuiHost(UiDialogs& dialogs, GuiPrinter& printer);

    void message(std::string_view text, std::string_view caption) override;
    void showProgress(int generation) override;
    // Also lets the windows handle pending input now and then, so that the program
    // answers (and Cancel can be pressed) between two progress steps of a long report.
    bool cancelRequested() override;
    void closeStartWindow() override;
    CalendarDate today() override;
    bool writeFile(const std::string& path, std::string_view text) override;
    void removeFile(const std::string& path) override;
    Printer* printer() override;

    void requestStop() { stopRequested_ = true; }
    void clearStopRequest() { stopRequested_ = false; }
    bool stopRequested() const { return stopRequested_; }

    void setStartWindow(StartWindowLink* window) { startWindow_ = window; }
    UiDialogs& dialogs() { return dialogs_; }

protected:
    void showFatal(std::string_view text, std::string_view caption) override;

private:
    UiDialogs& dialogs_;
    GuiPrinter& printer_;
    StartWindowLink* startWindow_ = nullptr;
    bool stopRequested_ = false;
    QElapsedTimer sinceEvents_;
};

}  // namespace tw::gui
