#pragma once
// What the window tests share: dialogs that answer without a user and record what
// they were asked, a driver that acts on the windows as they come up modally, the
// registry of test classes, and the families the tests open.

#include <QAbstractButton>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QSize>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gui/tamblewin_app.h"
#include "gui/ui_dialogs.h"
#include "paf/paf_writer.h"

class QWidget;

namespace tw::gui::test {

struct ShownMessage {
    QString text;
    QString caption;
};

class RecordingDialogs : public UiDialogs {
public:
    std::vector<ShownMessage> messages;
    // Called for every message box, after it was recorded.
    std::function<void(const ShownMessage&)> onMessage;
    // The answers of the file dialogs (none: the user cancelled).
    std::optional<QString> openFileAnswer;
    std::optional<QString> pdfFileAnswer;
    QStringList openFileFolders;
    int pdfFileAsked = 0;
    QString pdfFileSuggested;
    int printerSetups = 0;

    void message(QWidget*, const QString& text, const QString& caption) override;
    std::optional<QString> openDataFile(QWidget*, const QString& folder) override;
    std::optional<QString> savePdfFile(QWidget*, const QString&) override;
    bool printerSetup(QWidget*, QPrinter&) override;

    bool shown(const QString& text, const QString& caption) const;
    QString all() const;  // every message, for failure output
    // Every message but the notices that say where a PDF file was written.
    QString allButPdfNotices() const;
};

// Runs steps one after another, each when its window is the one the user works in.
// A step's action runs on its own turn of the event loop, so it may open further
// modal windows while the driver goes on with the next steps.
class Driver : public QObject {
public:
    using Ready = std::function<bool()>;
    using Action = std::function<void()>;

    Driver();
    // The action runs once window is the top modal window and visible.
    Driver& onWindow(QWidget* window, Action action);
    Driver& when(QString what, Ready ready, Action action);
    bool finished() const { return steps_.empty() && !pending_; }
    QString waitingFor() const;

private:
    struct Step {
        QString what;
        Ready ready;
        Action action;
    };
    void poll();

    std::deque<Step> steps_;
    std::vector<int> runningLevels_;  // the loop depth each running action started at
    QTimer timer_;
    bool pending_ = false;
};

// A real mouse click on a button.
void click(QAbstractButton* button);

// The first page's size in points, rounded, from a PDF file's MediaBox.
QSize pdfPageSize(const QString& path);
// What a strict reader finds wrong with a PDF file (tw::test::pdfProblems); empty
// when it is sound, or when qpdf, poppler and MuPDF are not all installed.
QString pdfProblems(const QString& path);

// One application object with recording dialogs.
struct AppUnderTest {
    RecordingDialogs dialogs;
    TamblewinApp app{dialogs};
};

// --- Families -------------------------------------------------------------------

// Adam (RIN 1) married Berta (MRIN 1) and then Clara (MRIN 2); Dora (RIN 4) has no
// marriage; Emil (RIN 5) has one (MRIN 3, to Frieda, RIN 6); then couples up to
// MRIN 25.
WriterFamily wizardFamily();
// A pedigree of the given number of generations above RIN 1.
WriterFamily longPedigree(int generations);
// Writes a family to a file in dir and returns its path.
std::string writeFamily(const WriterFamily& family, const std::string& path);

// --- Test classes -----------------------------------------------------------------

using TestFactory = std::function<std::unique_ptr<QObject>()>;
struct TestRegistration {
    TestRegistration(const char* name, TestFactory factory);
};
std::vector<std::pair<std::string, TestFactory>>& registeredTests();

#define TW_GUI_TEST(Class) \
    static const ::tw::gui::test::TestRegistration registration##Class(#Class, [] { return std::make_unique<Class>(); })

// A page log of the given number of pages, each with "<word> n" at (1 in, 1 in) in
// Times 24 pt; with rules, a line under it and one near the foot of the page.
void writeNumberedPages(PageLog& log, int pages, std::string_view word = "Page", bool rules = false);

}  // namespace tw::gui::test
