// Runs the window tests with Qt Test on the offscreen platform. The first argument,
// when it names a test class, runs that class alone; the rest go to Qt Test.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "gui_test_support.h"

int main(int argc, char** argv) {
    // Settings, PAF's recent-file list and the documents folder of the tests stay in
    // a folder of their own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", (home.path() + QStringLiteral("/state")).toLocal8Bit());
    qunsetenv("TAMBLEWIN_DSC_TUNING");
    qputenv("WINEPREFIX", (home.path() + QStringLiteral("/wine")).toLocal8Bit());
    qputenv("TAMBLEWIN_TEST_HOME", home.path().toLocal8Bit());
    // Letter paper on first start, whatever the machine's locale and paper
    // configuration say.
    qputenv("PAPERSIZE", "letter");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamblewin"));
    QApplication::setOrganizationName(QStringLiteral("Tamblewin"));

    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> args{argv[0]};
    for (int i = only ? 2 : 1; i < argc; ++i) args.push_back(argv[i]);
    int failures = 0;
    bool ran = false;
    for (auto& [name, factory] : tw::gui::test::registeredTests()) {
        if (only != nullptr && name != only) continue;
        ran = true;
        const std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    if (!ran) {
        std::fprintf(stderr, "no test class named %s\n", only);
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
