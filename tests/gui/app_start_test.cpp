// How the windows start: the file the program is started with (as the desktop's
// "Open with" hands it over, under any name), the name, icon and version the
// desktop knows them by, and the display check made before Qt starts.

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <fstream>

#include "base/build_info.h"
#include "gui/app_identity.h"
#include "gui/data_file_window.h"
#include "gui/display_check.h"
#include "gui/title_window.h"
#include "gui_test_support.h"
#include "support/paf_fixture.h"

namespace tw::gui::test {

namespace {

const std::string kGedcom = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Anna /Berg/\n0 TRLR\n";

// A local stream socket that takes connections (they wait in its queue).
class ListeningSocket {
public:
    explicit ListeningSocket(const std::string& path) {
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        ok_ = bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd_, 8) == 0;
    }
    ~ListeningSocket() { close(fd_); }
    bool ok() const { return ok_; }

private:
    int fd_ = -1;
    bool ok_ = false;
};

}  // namespace

class AppStartTest : public QObject {
    Q_OBJECT

private slots:
    void theStartingFileIsOfferedWhenItHoldsAFamily_data();
    void theStartingFileIsOfferedWhenItHoldsAFamily();
    void theDesktopKnowsTheWindowsByNameIconAndVersion();
    void xDisplayNamesGiveWhereTheServerListens_data();
    void xDisplayNamesGiveWhereTheServerListens();
    void theWindowsStartOnlyWhereADisplayAnswers_data();
    void theWindowsStartOnlyWhereADisplayAnswers();
};

void AppStartTest::theStartingFileIsOfferedWhenItHoldsAFamily_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");  // empty: the test family's PAF file
    QTest::addColumn<bool>("offered");
    QTest::newRow("PAF file") << "family.paf" << QByteArray() << true;
    QTest::newRow("PAF file named as GEDCOM") << "family.ged" << QByteArray() << true;
    QTest::newRow("GEDCOM file") << "tree.gedcom" << QByteArray::fromStdString(kGedcom) << true;
    QTest::newRow("GEDCOM named as text, with a byte-order mark")
        << "tree.txt" << QByteArray::fromStdString("\xEF\xBB\xBF" + kGedcom) << true;
    QTest::newRow("text") << "notes.txt" << QByteArray("notes on the family\n") << false;
    QTest::newRow("text named as PAF") << "notes.paf" << QByteArray("notes on the family\n") << false;
}

// A file that holds a family is offered in the data-file window; any other file
// brings a message that says why it cannot be opened, and is not offered.
void AppStartTest::theStartingFileIsOfferedWhenItHoldsAFamily() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, offered);
    tw::test::TempDir dir;
    const std::string path = dir.file(name.toStdString());
    if (bytes.isEmpty()) writeFamily(wizardFamily(), path);
    else std::ofstream(path, std::ios::binary) << bytes.toStdString();
    AppUnderTest t;
    TChooseFile& file = t.app.chooseFile();
    file.startWith(QString::fromStdString(path));
    QString shown;
    Driver driver;
    driver.onWindow(&file, [&] {
        shown = file.cbFileName->currentText();
        click(file.btnCancel);
    });
    file.showModal();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    if (offered) {
        QCOMPARE(shown, QString::fromStdString(path));
        QVERIFY2(t.dialogs.messages.empty(), qPrintable(t.dialogs.all()));
    } else {
        QVERIFY(shown != QString::fromStdString(path));
        QCOMPARE(t.dialogs.all(),
                 QStringLiteral("Alert!: %1\n\nis neither a PAF 5 data file nor a GEDCOM file, so it cannot be opened.\n")
                     .arg(QString::fromStdString(path)));
    }
}

// Every window carries the application's icon (the one built in, where the icon
// theme has none), the desktop entry's name goes to the desktop, and the title
// window names the version the build gives.
void AppStartTest::theDesktopKnowsTheWindowsByNameIconAndVersion() {
    setApplicationIdentity();
    QCOMPARE(QGuiApplication::desktopFileName(), QLatin1String(kDesktopEntryId));
    QCOMPARE(QApplication::applicationVersion(), QLatin1String(kProgramVersion));
    const QImage icon = QApplication::windowIcon().pixmap(32, 32).toImage();
    QVERIFY(!icon.isNull());
    int drawn = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) drawn += qAlpha(icon.pixel(x, y)) > 0 ? 1 : 0;
    QVERIFY2(drawn > icon.width() * icon.height() / 4, qPrintable(QString::number(drawn)));
    AppUnderTest t;
    QCOMPARE(t.app.titleScreen().windowTitle(), QStringLiteral("Tamblewin V ") + QLatin1String(kProgramVersion));
}

void AppStartTest::xDisplayNamesGiveWhereTheServerListens_data() {
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("socketPath");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("local") << ":0" << true << "/tmp/.X11-unix/X0" << "" << 0;
    QTest::newRow("local, a screen") << ":12.1" << true << "/tmp/.X11-unix/X12" << "" << 0;
    QTest::newRow("unix host") << "unix:3" << true << "/tmp/.X11-unix/X3" << "" << 0;
    QTest::newRow("unix protocol") << "unix/:4" << true << "/tmp/.X11-unix/X4" << "" << 0;
    QTest::newRow("socket path") << "/run/user/1000/x11:0" << true << "/run/user/1000/x11" << "" << 0;
    QTest::newRow("forwarded by ssh") << "localhost:10.0" << true << "" << "localhost" << 6010;
    QTest::newRow("tcp protocol, no host") << "tcp/:5" << true << "" << "localhost" << 6005;
    QTest::newRow("network host") << "example.org:2" << true << "" << "example.org" << 6002;
    QTest::newRow("IPv6 host") << "[::1]:1" << true << "" << "::1" << 6001;
    QTest::newRow("no number") << "host:" << false << "" << "" << 0;
    QTest::newRow("not a number") << ":x" << false << "" << "" << 0;
    QTest::newRow("no colon") << "display" << false << "" << "" << 0;
    QTest::newRow("empty") << "" << false << "" << "" << 0;
}

void AppStartTest::xDisplayNamesGiveWhereTheServerListens() {
    QFETCH(QString, display);
    QFETCH(bool, valid);
    QFETCH(QString, socketPath);
    QFETCH(QString, host);
    QFETCH(int, port);
    const std::optional<XDisplayAddress> address = xDisplayAddress(display.toStdString());
    QCOMPARE(address.has_value(), valid);
    if (!address) return;
    QCOMPARE(QString::fromStdString(address->socketPath), socketPath);
    QCOMPARE(QString::fromStdString(address->host), host);
    QCOMPARE(address->port, port);
}

void AppStartTest::theWindowsStartOnlyWhereADisplayAnswers_data() {
    // In the test's folder: "x11" and "wayland-1" answer, nothing else does.
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("problem");  // %1: the test's folder
    const QString none = QStringLiteral("there is no display to show the windows on.");
    QTest::newRow("nothing") << "" << "" << "" << none;
    QTest::newRow("an X server") << "%1/x11:0" << "" << "" << "";
    QTest::newRow("no X server")
        << "%1/gone:0" << "" << ""
        << "no display can be reached to show the windows on (DISPLAY is \"%1/gone:0\", and nothing answers there).";
    QTest::newRow("a Wayland display") << "" << "wayland-1" << "" << "";
    QTest::newRow("a Wayland display by its path") << "" << "%1/wayland-1" << "" << "";
    QTest::newRow("neither")
        << "%1/gone:0" << "wayland-9" << ""
        << "no display can be reached to show the windows on (DISPLAY is \"%1/gone:0\", WAYLAND_DISPLAY is "
           "\"wayland-9\", and nothing answers there).";
    QTest::newRow("X only, where only Wayland answers") << "" << "wayland-1" << "xcb" << none;
    QTest::newRow("Wayland only, without its name")
        << "%1/x11:0" << "" << "wayland"
        << "no display can be reached to show the windows on (WAYLAND_DISPLAY is \"wayland-0\", and nothing "
           "answers there).";
    QTest::newRow("Wayland, else X") << "%1/x11:0" << "wayland-9" << "wayland;xcb" << "";
    QTest::newRow("a platform without a display server") << "%1/gone:0" << "" << "offscreen" << "";
    QTest::newRow("X with options, else offscreen") << "%1/gone:0" << "" << "xcb:nograb;offscreen" << "";
}

void AppStartTest::theWindowsStartOnlyWhereADisplayAnswers() {
    QFETCH(QString, display);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, platform);
    QFETCH(QString, problem);
    tw::test::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    const ListeningSocket x11(dir.file("x11"));
    const ListeningSocket wayland(dir.file("wayland-1"));
    QVERIFY(x11.ok() && wayland.ok());
    const auto inFolder = [&folder](const QString& text) { return QString(text).replace(QStringLiteral("%1"), folder); };
    DisplayEnvironment env;
    env.display = inFolder(display).toStdString();
    env.waylandDisplay = inFolder(waylandDisplay).toStdString();
    env.runtimeDir = folder.toStdString();
    env.platform = platform.toStdString();
    QCOMPARE(QString::fromStdString(displayProblem(env)), inFolder(problem));
}

TW_GUI_TEST(AppStartTest);

}  // namespace tw::gui::test

#include "app_start_test.moc"
