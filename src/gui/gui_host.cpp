#include "gui/gui_host.h"

#include <QCoreApplication>
#include <QDate>

#include "files/user_files.h"
#include "gui/gui_printer.h"
#include "gui/ui_dialogs.h"
#include "output/qt/qt_surface.h"

namespace tw::gui {

namespace {

// How often a running report lets the windows handle input, at most.
constexpr qint64 kEventIntervalMs = 40;

QString captionText(std::string_view caption) { return QtSurface::fromText(caption); }

}  // namespace

GuiHost::GuiHost(UiDialogs& dialogs, GuiPrinter& printer) : dialogs_(dialogs), printer_(printer) {
    sinceEvents_.start();
}

void GuiHost::message(std::string_view text, std::string_view caption) {
    dialogs_.message(nullptr, QtSurface::fromText(text), captionText(caption));
}

void GuiHost::showFatal(std::string_view text, std::string_view caption) {
    dialogs_.message(nullptr, QtSurface::fromText(text), captionText(caption));
}

void GuiHost::showProgress(int generation) {
    if (startWindow_ != nullptr) startWindow_->showProgress(generation);
    sinceEvents_.restart();
}

bool GuiHost::cancelRequested() {
    if (!stopRequested_ && sinceEvents_.elapsed() >= kEventIntervalMs) {
        QCoreApplication::processEvents();
        sinceEvents_.restart();
    }
    return stopRequested_;
}

void GuiHost::closeStartWindow() {
    if (startWindow_ != nullptr) startWindow_->closeStartWindow();
}

CalendarDate GuiHost::today() {
    const QDate date = QDate::currentDate();
    return CalendarDate{date.year(), date.month(), date.day()};
}

Printer* GuiHost::printer() { return &printer_; }

bool GuiHost::writeFile(const std::string& path, std::string_view text) { return writeWholeFile(path, text); }

void GuiHost::removeFile(const std::string& path) { removeFileIfPresent(path); }

}  // namespace tw::gui
