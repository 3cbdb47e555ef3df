#include "gui/gui_host.h"

#include <QCoreApplication>
#include <QDate>
#include <algorithm>

#include "files/user_files.h"
#include "gui/gui_printer.h"
#include "gui/ui_dialogs.h"
#include "output/qt/qt_surface.h"
#include "paf/records.h"

namespace tw::gui {

namespace {

// How often a running report lets the windows handle input, at most.
constexpr qint64 kEventIntervalMs = 40;

// The captions of the messages a reader shows when it meets damaged data (and of the
// start-number checks, which come before any damage and are shown as they are).
bool heldCaption(std::string_view caption) { return caption == "Error" || caption == "Abort" || caption == "kk"; }

// A fatal stop caused by the data file rather than by the program itself.
bool dataFault(const FatalStop& stop) { return stop.status == kExitCorruptData || stop.status == kExitUnknownDateType; }

template <class T>
void addOnce(std::vector<T>& list, T item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(std::move(item));
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

}  // namespace

std::optional<HeldMessage> combinedMessage(const HeldMessages& held) {
    // An internal error is said as it is: the data file is not to blame.
    if (held.fatal && !dataFault(*held.fatal))
        return HeldMessage{held.fatal->text, held.fatal->caption.empty() ? "Error" : held.fatal->caption};
    if (!held.corruptData && !held.fatal) {
        if (held.messages.empty()) return std::nullopt;
        std::string text;
        for (const HeldMessage& m : held.messages) text += (text.empty() ? "" : "\n\n") + m.text;
        return HeldMessage{text, held.messages.front().caption};
    }
    // Damaged data: the one message that says so, and where, or failing that what the
    // readers said about it.
    std::vector<std::string> where = held.details;
    if (held.fatal && !held.fatal->detail.empty()) addOnce(where, held.fatal->detail);
    if (where.empty()) {
        for (const HeldMessage& m : held.messages) addOnce(where, m.text);
        if (held.fatal) addOnce(where, held.fatal->text);
    }
    std::string text(corruptDataMessage());
    if (!where.empty()) text += "\n\n" + joined(where);
    return HeldMessage{text, "Abort"};
}

GuiHost::GuiHost(UiDialogs& dialogs, GuiPrinter& printer) : dialogs_(dialogs), printer_(printer) {
    sinceEvents_.start();
}

void GuiHost::show(const HeldMessage& m) {
    dialogs_.message(nullptr, QtSurface::fromText(m.text), QtSurface::fromText(m.caption));
}

void GuiHost::message(std::string_view text, std::string_view caption) {
    if (runs_ == 0 || !heldCaption(caption)) {
        show({std::string(text), std::string(caption)});
        return;
    }
    if (text == corruptDataMessage())
        held_.corruptData = true;
    else
        addOnce(held_.messages, HeldMessage{std::string(text), std::string(caption)});
}

void GuiHost::messageDetail(std::string_view detail) {
    if (runs_ > 0) addOnce(held_.details, std::string(detail));
}

void GuiHost::showFatal(const FatalStop& stop) {
    beginRun();
    if (!held_.fatal) held_.fatal = stop;
    endRun();
}

void GuiHost::beginRun() { ++runs_; }

bool GuiHost::endRun() {
    if (runs_ == 0 || --runs_ > 0) return false;
    const HeldMessages held = std::move(held_);
    held_ = {};
    if (const auto combined = combinedMessage(held)) show(*combined);
    return held.corruptData || held.fatal.has_value();
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

bool GuiHost::writeFile(const std::string& path, std::string_view text) {
    writeFailure_.clear();
    return writeWholeFile(path, text, &writeFailure_);
}

void GuiHost::removeFile(const std::string& path) { removeFileIfPresent(path); }

}  // namespace tw::gui
