#include "files/paf_image_file.h"
#include "gui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QWidget>

#include "gui/modal_window.h"
#include "paf/date_encoding.h"
#include "support/paf_fixture.h"
#include "support/pdf_checks.h"

namespace tw::gui::test {

void RecordingDialogs::message(QWidget*, const QString& text, const QString& caption) {
    messages.push_back({text, caption});
    if (onMessage) onMessage(messages.back());
}

std::optional<QString> RecordingDialogs::openDataFile(QWidget*, const QString& folder) {
    openFileFolders << folder;
    return openFileAnswer;
}

std::optional<QString> RecordingDialogs::savePdfFile(QWidget*, const QString& suggested) {
    ++pdfFileAsked;
    pdfFileSuggested = suggested;
    return pdfFileAnswer;
}

bool RecordingDialogs::printerSetup(QWidget*, QPrinter&) {
    ++printerSetups;
    return false;
}

bool RecordingDialogs::shown(const QString& text, const QString& caption) const {
    for (const ShownMessage& m : messages)
        if (m.text == text && m.caption == caption) return true;
    return false;
}

QString RecordingDialogs::all() const {
    QString out;
    for (const ShownMessage& m : messages) out += m.caption + QStringLiteral(": ") + m.text + u'\n';
    return out;
}

QString RecordingDialogs::allButPdfNotices() const {
    QString out;
    for (const ShownMessage& m : messages)
        if (m.caption != QStringLiteral("Notice") || !m.text.startsWith(QStringLiteral("The report was written to\n")))
            out += m.caption + QStringLiteral(": ") + m.text + u'\n';
    return out;
}

Driver::Driver() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start();
}

Driver& Driver::onWindow(QWidget* window, Action action) {
    // A window told to close may still have its loop running for a moment; the step
    // waits until the window's own loop is the innermost one.
    return when(window->objectName(),
                [window] {
                    if (!window->isVisible() || QApplication::activeModalWidget() != window) return false;
                    const auto* modal = dynamic_cast<const ModalWindow*>(window);
                    return modal == nullptr || modal->modalLoopLevel() == QThread::currentThread()->loopLevel();
                },
                std::move(action));
}

Driver& Driver::when(QString what, Ready ready, Action action) {
    steps_.push_back({std::move(what), std::move(ready), std::move(action)});
    return *this;
}

QString Driver::waitingFor() const { return steps_.empty() ? QString() : steps_.front().what; }

void Driver::poll() {
    if (qEnvironmentVariableIsSet("TAMBLEWIN_DRIVER_TRACE") && !steps_.empty()) {
        static int polls = 0;
        if (++polls % 400 == 0) {
            QWidget* modal = QApplication::activeModalWidget();
            qInfo("driver waits for %s; top modal window: %s", qPrintable(steps_.front().what),
                  modal ? qPrintable(modal->objectName()) : "none");
        }
    }
    if (pending_ || steps_.empty()) return;
    // While an action runs (a report, say, that lets the windows handle input), the
    // next step waits, unless the action opened a window with a loop of its own.
    const int level = QThread::currentThread()->loopLevel();
    if (!runningLevels_.empty() && level <= runningLevels_.back()) return;
    if (!steps_.front().ready()) return;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    if (qEnvironmentVariableIsSet("TAMBLEWIN_DRIVER_TRACE")) qInfo("driver: %s", qPrintable(step.what));
    pending_ = true;
    QTimer::singleShot(0, this, [this, action = std::move(step.action)] {
        pending_ = false;
        runningLevels_.push_back(QThread::currentThread()->loopLevel());
        action();
        runningLevels_.pop_back();
    });
}

QString pdfProblems(const QString& path) {
    if (!tw::test::pdfToolsInstalled()) return {};
    return QString::fromStdString(tw::test::pdfProblems(QFile::encodeName(path).toStdString()));
}

QSize pdfPageSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    static const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"));
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(file.readAll()));
    return m.hasMatch() ? QSize(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble())) : QSize();
}

void click(QAbstractButton* button) {
    // A radio button or check box reacts on its indicator and caption, which need not
    // reach the middle of a stretched button.
    const bool indicator = qobject_cast<QRadioButton*>(button) != nullptr || button->inherits("QCheckBox");
    const QPoint at = indicator ? QPoint(std::min(8, button->width() / 2), button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

WriterFamily wizardFamily() {
    using tw::test::person;
    WriterFamily f;
    const int32_t adam = f.addPerson(person("Adam /Tamble/", 'M', {3, 4, 1820}));
    const int32_t berta = f.addPerson(person("Berta /Kessling/", 'F', {9, 11, 1822}));
    const int32_t clara = f.addPerson(person("Clara /Voss/", 'F'));
    f.person(clara).christening = makeDate({0, 0, 1830});
    f.addPerson(person("Dora /Tamble/", 'F', {1, 1, 1850}));
    const int32_t emil = f.addPerson(person("Emil /Rauch/", 'M', {2, 2, 1851}));
    const int32_t frieda = f.addPerson(person("Frieda /Lenz/", 'F', {5, 5, 1853}));
    WriterMarriage first;
    first.husband = adam;
    first.wife = berta;
    first.children = {4};
    f.addMarriage(first);
    WriterMarriage second;
    second.husband = adam;
    second.wife = clara;
    f.addMarriage(second);
    WriterMarriage third;
    third.husband = emil;
    third.wife = frieda;
    f.addMarriage(third);
    for (int i = 4; i <= 25; ++i) {
        WriterMarriage m;
        m.husband = f.addPerson(person("Husband" + std::to_string(i) + " /Couple/", 'M', {1, 1, 1800 + i}));
        m.wife = f.addPerson(person("Wife" + std::to_string(i) + " /Couple/", 'F', {1, 1, 1801 + i}));
        m.children = {f.addPerson(person("Child" + std::to_string(i) + " /Couple/", 'M', {1, 1, 1830 + i}))};
        f.addMarriage(m);
    }
    return f;
}

WriterFamily longPedigree(int generations) {
    using tw::test::person;
    WriterFamily f;
    int32_t child = f.addPerson(person("Start /Line/", 'M', {1, 1, 2000}));
    for (int g = 1; g <= generations; ++g) {
        const int32_t father = f.addPerson(person("Father" + std::to_string(g) + " /Line/", 'M', {1, 1, 2000 - 25 * g}));
        const int32_t mother = f.addPerson(person("Mother" + std::to_string(g) + " /Other/", 'F', {1, 1, 2000 - 25 * g}));
        WriterMarriage m;
        m.husband = father;
        m.wife = mother;
        m.children = {child};
        f.addMarriage(m);
        child = father;
    }
    return f;
}

std::string writeFamily(const WriterFamily& family, const std::string& path) {
    writePafFile(family, path);
    return path;
}

TestRegistration::TestRegistration(const char* name, TestFactory factory) {
    registeredTests().emplace_back(name, std::move(factory));
}

std::vector<std::pair<std::string, TestFactory>>& registeredTests() {
    static std::vector<std::pair<std::string, TestFactory>> tests;
    return tests;
}

void writeNumberedPages(PageLog& log, int pages, std::string_view word, bool rules) {
    QCOMPARE(log.begin("Test"), 0);
    for (int p = 1; p <= pages; ++p) {
        log.fontName("Times");
        log.fontSize(24);
        log.text(1.0, 1.0, std::string(word) + " " + std::to_string(p));
        if (rules) {
            log.penWidth(0.02);
            log.moveTo(1.0, 1.6);
            log.lineTo(7.5, 1.6);
            log.moveTo(1.0, 10.0);
            log.lineTo(7.5, 10.0);
        }
        log.commit();
        if (p < pages) log.newPage();
    }
    log.commit();
    log.end();
}

}  // namespace tw::gui::test
