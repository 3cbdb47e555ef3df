#include "gui/gui_main.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <string>

#include "gui/app_identity.h"
#include "gui/data_file_window.h"
#include "gui/display_check.h"
#include "gui/language_choice.h"
#include "gui/tamblewin_app.h"
#include "gui/ui_dialogs.h"
#include "base/host.h"
#include "base/translation.h"

namespace tw::gui {

namespace {

// What to do instead, after the reason the windows cannot be shown.
void sayUseACommand() {
    const std::string text =
        fillIn(TW_TR("Windows", "Run it in a desktop session, or use a command: %1"), {"tamblewin --help"});
    std::fprintf(stderr, "%s\n", text.c_str());
}

// While the application object starts, Qt's fatal message (no platform could start:
// the display refused the connection, a library is missing) ends the program with
// the program's own words and status 1 instead of an abort; Qt's warnings before it,
// written as Qt writes them, say why.
void endOnPlatformFailure(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
        return;
    }
    const std::string_view reason = TW_TR("Windows", "the windows cannot be shown: Qt found no display it could use.");
    std::fprintf(stderr, "tamblewin: %.*s\n", int(reason.size()), reason.data());
    sayUseACommand();
    std::fflush(nullptr);
    std::_Exit(kExitFailure);
}

// Every window action runs from an event; memory that runs out in one of them ends
// the program with its own status instead of an abort.
class SafeApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::bad_alloc&) {
            std::fputs("tamblewin: Out of memory\n", stderr);
            std::fflush(nullptr);
            std::_Exit(kExitOutOfMemory);
        }
    }
};

}  // namespace

int runGui(int argc, char** argv, const std::string& dataFile) {
    if (const std::string problem = displayProblem(displayEnvironment()); !problem.empty()) {
        std::fprintf(stderr, "tamblewin: %s\n", problem.c_str());
        sayUseACommand();
        return kExitFailure;
    }
    // A data file named on the command line is the program's, not Qt's.
    int argumentCount = std::min(argc, 1);
    const QtMessageHandler qtMessages = qInstallMessageHandler(endOnPlatformFailure);
    SafeApplication application(argumentCount, argv);
    qInstallMessageHandler(qtMessages);
    setApplicationIdentity();
    installQtTranslations();
    QApplication::setQuitOnLastWindowClosed(false);
    QtUiDialogs dialogs;
    try {
        TamblewinApp app(dialogs);
        if (!dataFile.empty())
            app.chooseFile().startWith(QFileInfo(QFile::decodeName(dataFile.c_str())).absoluteFilePath());
        return app.run();
    } catch (const std::exception& e) {
        dialogs.message(nullptr, QString::fromLocal8Bit(e.what()), QStringLiteral("Error"));
        return kExitFailure;
    }
}

}  // namespace tw::gui
