#include "gui/gui_main.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

#include "gui/data_file_window.h"
#include "gui/tamblewin_app.h"
#include "gui/ui_dialogs.h"
#include "base/host.h"

namespace tw::gui {

namespace {

// Without a display Qt would abort; say what is wrong instead.
bool displayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_UNIX)
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
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
    if (!displayAvailable()) {
        std::fputs("tamblewin: there is no display to show the windows on.\n"
                   "Run it in a desktop session, or use a command: tamblewin --help\n",
                   stderr);
        return kExitFailure;
    }
    // A data file named on the command line is the program's, not Qt's.
    int argumentCount = std::min(argc, 1);
    SafeApplication application(argumentCount, argv);
    QApplication::setApplicationName(QStringLiteral("Tamblewin"));
    QApplication::setOrganizationName(QStringLiteral("Tamblewin"));
    QApplication::setQuitOnLastWindowClosed(false);
    QtUiDialogs dialogs;
    try {
        TamblewinApp app(dialogs);
        if (!dataFile.empty())
            app.chooseFile().presetPath(QFileInfo(QFile::decodeName(dataFile.c_str())).absoluteFilePath());
        return app.run();
    } catch (const std::exception& e) {
        dialogs.message(nullptr, QString::fromLocal8Bit(e.what()), QStringLiteral("Error"));
        return kExitFailure;
    }
}

}  // namespace tw::gui
