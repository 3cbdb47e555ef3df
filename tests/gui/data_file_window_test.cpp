// The data-file window: the recent-file lists, Browse, and what happens with a
// missing, unreadable or corrupt file. The data file is never written.

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "gui/app_settings.h"
#include "gui/data_file_window.h"
#include "gui/recent_files.h"
#include "gui/report_choice_window.h"
#include "gui/start_window.h"
#include "gui/title_window.h"
#include "gui_test_support.h"
#include "support/paf_fixture.h"

namespace tw::gui::test {

namespace {

QByteArray fileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QString winePrefix() { return qEnvironmentVariable("WINEPREFIX"); }

void forgetOwnRecentFiles() {
    openSettings()->remove(QStringLiteral("RecentFiles"));
}

// What a run of the data-file window's Next in a child process showed and how the
// child ended. The child drops to an ordinary user first when asked to (root reads
// every file whatever its permissions).
struct ChildOutcome {
    int status = -1;
    QString messages;
};

ChildOutcome nextInChild(const std::string& path, bool asOrdinaryUser) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeFds[0]);
        if (asOrdinaryUser && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(120);
        AppUnderTest t;
        t.dialogs.onMessage = [fd = pipeFds[1]](const ShownMessage& m) {
            const QByteArray line = (m.caption + QStringLiteral(": ") + m.text + u'\n').toUtf8();
            if (write(fd, line.constData(), size_t(line.size())) < 0) _exit(121);
        };
        TChooseFile& file = t.app.chooseFile();
        file.cbFileName->setEditText(QString::fromStdString(path));
        file.btnNextClick();
        _exit(0);
    }
    close(pipeFds[1]);
    QByteArray text;
    char buffer[256];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), QString::fromUtf8(text)};
}

}  // namespace

class DataFileTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QFile::remove(winePrefix() + QStringLiteral("/user.reg"));
        forgetOwnRecentFiles();
    }
    void wineRegistryValuesAreReadWithTheirEscapes();
    void recentFilesOfPafComeFirstThenThisProgramsOwn();
    void withoutPafTheLastFileOpenedIsOffered();
    void emptyPathStaysWithAMessage();
    void browseStartsInTheDocumentsFolder();
    void corruptFileKeepsTheDataFileWindow();
    void gedcomFileIsImportedAndNeverWritten_data();
    void gedcomFileIsImportedAndNeverWritten();
    void mistypedPathStaysWithTheSystemsWords_data();
    void mistypedPathStaysWithTheSystemsWords();
    void unreadableFileStaysWithTheSystemsWords();
    void oneEnterPressesNextDuringCompletion();
    void theFileTheProgramStartedWithIsOffered();
    void oldSettingsMoveIntoTheOneFolder();
    void specialFilesInPlaceOfSettingsAreNeitherWaitedOnNorReplaced_data();
    void specialFilesInPlaceOfSettingsAreNeitherWaitedOnNorReplaced();
};

void DataFileTest::wineRegistryValuesAreReadWithTheirEscapes() {
    const QString key = QStringLiteral("Software\\LDS Church\\FamilySearch\\Personal Ancestral File 5\\Recent File List");
    const QString text = QStringLiteral(
        "WINE REGISTRY Version 2\n"
        "[Software\\\\Other\\\\Recent File List] 1700000000\n"
        "\"File1\"=\"C:\\\\wrong.paf\"\n"
        "\n"
        "[Software\\\\LDS Church\\\\FamilySearch\\\\Personal Ancestral File 5\\\\Recent File List] 1700000000\n"
        "#time=1d9a0b0c0d0e0f0\n"
        "\"File1\"=\"C:\\\\My Documents\\\\F\\x00e4mily \\\"one\\\".paf\"\n"
        "\"File3\"=\"D:\\\\Archive\\\\old.paf\"\n"
        "\"Count\"=dword:00000004\n"
        "[Software\\\\Next] 1700000000\n"
        "\"File2\"=\"C:\\\\not-this.paf\"\n");
    const auto values = parseWineRecentFiles(text, key);
    QCOMPARE(values[0], QString::fromUtf8("C:\\My Documents\\F\u00e4mily \"one\".paf"));
    QCOMPARE(values[1], QString());
    QCOMPARE(values[2], QStringLiteral("D:\\Archive\\old.paf"));
    QCOMPARE(values[3], QString());

    // Drive letters map through dosdevices; an unmapped drive gives no path.
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath(QStringLiteral("drive_c"));
    QDir(prefix.path()).mkpath(QStringLiteral("dosdevices"));
    QVERIFY(QFile::link(prefix.path() + QStringLiteral("/drive_c"), prefix.path() + QStringLiteral("/dosdevices/c:")));
    QCOMPARE(wineToUnixPath(prefix.path(), QStringLiteral("C:\\Users\\me\\a.paf")),
             prefix.path() + QStringLiteral("/dosdevices/c:/Users/me/a.paf"));
    QCOMPARE(wineToUnixPath(prefix.path(), QStringLiteral("Q:\\a.paf")), QString());
    QCOMPARE(wineToUnixPath(prefix.path(), QStringLiteral("a.paf")), QString());
}

void DataFileTest::recentFilesOfPafComeFirstThenThisProgramsOwn() {
    const QString prefix = winePrefix();
    QDir(prefix).mkpath(QStringLiteral("drive_c/Users/me"));
    QDir(prefix).mkpath(QStringLiteral("dosdevices"));
    QFile::link(prefix + QStringLiteral("/drive_c"), prefix + QStringLiteral("/dosdevices/c:"));
    writeText(prefix + QStringLiteral("/user.reg"),
              "WINE REGISTRY Version 2\n"
              "[Software\\\\LDS Church\\\\FamilySearch\\\\Personal Ancestral File 5\\\\Recent File List] 1\n"
              "\"File1\"=\"C:\\\\Users\\\\me\\\\first.paf\"\n"
              "\"File3\"=\"C:\\\\Users\\\\me\\\\third.paf\"\n");
    OwnRecentFiles own;
    own.remember(QStringLiteral("/data/older.paf"));
    own.remember(prefix + QStringLiteral("/dosdevices/c:/Users/me/third.paf"));
    own.remember(QStringLiteral("/data/newest.paf"));

    AppUnderTest t;
    TChooseFile& file = t.app.chooseFile();
    QStringList items;
    QString text;
    Driver driver;
    driver.onWindow(&file, [&] {
        for (int i = 0; i < file.cbFileName->count(); ++i) items << file.cbFileName->itemText(i);
        text = file.cbFileName->currentText();
        click(file.btnCancel);
    });
    file.showModal();
    const QString c = prefix + QStringLiteral("/dosdevices/c:/Users/me/");
    QCOMPARE(items, (QStringList{c + QStringLiteral("first.paf"), c + QStringLiteral("third.paf"),
                                 QStringLiteral("/data/newest.paf"), QStringLiteral("/data/older.paf")}));
    QCOMPARE(text, c + QStringLiteral("first.paf"));
}

void DataFileTest::withoutPafTheLastFileOpenedIsOffered() {
    tw::test::TempDir dir;
    const std::string path = writeFamily(wizardFamily(), dir.file("family.paf"));
    const QByteArray before = fileBytes(path);
    {
        // Opened once, through the windows.
        AppUnderTest t;
        TChooseFile& file = t.app.chooseFile();
        Driver driver;
        driver
            .onWindow(&file,
                      [&] {
                          file.cbFileName->setEditText(QString::fromStdString(path));
                          click(file.btnNext);
                      })
            .onWindow(&t.app.chooseRin(), [&] { click(t.app.chooseRin().btnCancel); });
        file.showModal();
        QVERIFY(driver.finished());
        QVERIFY(t.app.context().file.isOpen());
        QCOMPARE(t.app.context().dataFilePath, path);
    }
    AppUnderTest t;
    TChooseFile& file = t.app.chooseFile();
    QString offered;
    int items = 0;
    Driver driver;
    driver.onWindow(&file, [&] {
        offered = file.cbFileName->currentText();
        items = file.cbFileName->count();
        click(file.btnBack);
    });
    file.showModal();
    QCOMPARE(offered, QString::fromStdString(path));
    QCOMPARE(items, 1);
    QVERIFY(t.app.settings().wentBack);
    QCOMPARE(fileBytes(path), before);
}

void DataFileTest::emptyPathStaysWithAMessage() {
    AppUnderTest t;
    TChooseFile& file = t.app.chooseFile();
    bool stillUp = false;
    Driver driver;
    driver.onWindow(&file, [&] {
        file.cbFileName->setEditText(QString());
        click(file.btnNext);
        stillUp = file.isVisible() && file.isShowingModal();
        click(file.btnCancel);
    });
    file.showModal();
    QVERIFY(stillUp);
    QCOMPARE(t.dialogs.messages.size(), size_t(1));
    QVERIFY(t.dialogs.shown(QStringLiteral("There must be a valid PAF file name."), QStringLiteral("Whoops")));
    QVERIFY(!t.app.context().file.isOpen());
}

void DataFileTest::browseStartsInTheDocumentsFolder() {
    AppUnderTest t;
    TChooseFile& file = t.app.chooseFile();
    file.show();
    t.dialogs.openFileAnswer = QStringLiteral("/somewhere/chosen.paf");
    click(file.btnBrowse);
    QCOMPARE(file.cbFileName->currentText(), QStringLiteral("/somewhere/chosen.paf"));
    t.dialogs.openFileAnswer.reset();
    click(file.btnBrowse);  // cancelled: the path stays
    QCOMPARE(file.cbFileName->currentText(), QStringLiteral("/somewhere/chosen.paf"));
    QCOMPARE(t.dialogs.openFileFolders.size(), 2);
    QCOMPARE(t.dialogs.openFileFolders.first(), TChooseFile::documentsFolder());
    QVERIFY(QDir(t.dialogs.openFileFolders.first()).exists());
    file.hide();
}

// A file that is no family file is said so, and the window stays for another.
void DataFileTest::corruptFileKeepsTheDataFileWindow() {
    tw::test::TempDir dir;
    const std::string path = dir.file("notes.paf");
    std::ofstream(path) << "These are my notes, not a PAF file.\n";
    const QByteArray before = fileBytes(path);
    AppUnderTest t;
    TChooseList& list = t.app.chooseList();
    TChooseFile& file = t.app.chooseFile();
    bool stayed = false;
    bool reportKept = false;
    Driver driver;
    driver.onWindow(&t.app.titleScreen(), [&] { click(t.app.titleScreen().btnNext); })
        .onWindow(&list, [&] {
            click(list.radioButton(ReportKind::DescendantsList));
            click(list.btnNext);
        })
        .onWindow(&file, [&] {
            file.cbFileName->setEditText(QString::fromStdString(path));
            click(file.btnNext);
            stayed = file.isVisible() && file.isShowingModal() &&
                     file.cbFileName->currentText() == QString::fromStdString(path);
            click(file.btnBack);
        })
        .onWindow(&list, [&] {
            reportKept = list.radioButton(ReportKind::DescendantsList)->isChecked();
            click(list.btnExit);
        });
    t.app.run();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY(stayed);
    QVERIFY(reportKept);
    QCOMPARE(t.dialogs.all(), QStringLiteral("Alert!: PAF file is corrupted.  Open failed.\n"));
    QVERIFY(!t.app.context().file.isOpen());
    QCOMPARE(fileBytes(path), before);
    QVERIFY(OwnRecentFiles().list().isEmpty());
}

void DataFileTest::gedcomFileIsImportedAndNeverWritten_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");  // what comes before the text
    QTest::addColumn<bool>("utf16");
    QTest::newRow(".GED") << "tree.GED" << QByteArray() << false;
    QTest::newRow(".gedcom") << "tree.gedcom" << QByteArray() << false;
    QTest::newRow(".txt, with a byte-order mark") << "tree.txt" << QByteArray("\xEF\xBB\xBF") << false;
    QTest::newRow("no extension, UTF-16") << "tree" << QByteArray("\xFF\xFE") << true;
}

// A GEDCOM file is known by its content, whatever its name.
void DataFileTest::gedcomFileIsImportedAndNeverWritten() {
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QFETCH(bool, utf16);
    tw::test::TempDir dir;
    const std::string path = dir.file(name.toStdString());
    const std::string text = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Anna /Berg/\n1 FAMS @F1@\n"
                             "0 @I2@ INDI\n1 NAME Olof /Berg/\n1 FAMS @F1@\n0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I1@\n0 TRLR\n";
    std::string bytes = start.toStdString();
    for (const char c : text) bytes += utf16 ? std::string{c, '\0'} : std::string{c};
    std::ofstream(path, std::ios::binary) << bytes;
    const QByteArray before = fileBytes(path);
    AppUnderTest t;
    TChooseFile& file = t.app.chooseFile();
    bool startShown = false;
    Driver driver;
    driver
        .onWindow(&file,
                  [&] {
                      file.cbFileName->setEditText(QString::fromStdString(path));
                      click(file.btnNext);
                  })
        .onWindow(&t.app.chooseRin(), [&] {
            startShown = true;
            click(t.app.chooseRin().btnCancel);
        });
    file.showModal();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY(startShown);
    QVERIFY(t.app.context().file.isOpen());
    QCOMPARE(t.app.context().file.highestRin(), 2);
    QCOMPARE(t.app.context().file.highestMrin(), 1);
    QVERIFY2(t.dialogs.messages.empty(), qPrintable(t.dialogs.all()));
    QCOMPARE(fileBytes(path), before);
}

void DataFileTest::mistypedPathStaysWithTheSystemsWords_data() {
    QTest::addColumn<QString>("name");  // in the test's folder; empty: the folder itself
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing PAF file") << "missing.paf"
                                      << "Open failed.  Error code: 2\n\n%1: No such file or directory";
    QTest::newRow("missing GEDCOM file") << "missing.ged"
                                         << "Open failed.  Error code: 2\n\n%1: No such file or directory";
    // A folder: the user looks for his file there, in the open dialog.
    QTest::newRow("a folder") << "" << "";
    QTest::newRow("a folder named .ged") << "folder.ged" << "";
}

// A path that cannot be opened no longer ends the program: the message (with the
// system's words added) is shown and the window stays for another path.
void DataFileTest::mistypedPathStaysWithTheSystemsWords() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    tw::test::TempDir dir;
    QDir(QString::fromStdString(dir.path().string())).mkdir(QStringLiteral("folder.ged"));
    const QString path = name.isEmpty() ? QString::fromStdString(dir.path().string())
                                        : QString::fromStdString(dir.file(name.toStdString()));
    const std::string good = writeFamily(wizardFamily(), dir.file("family.paf"));
    AppUnderTest t;
    TChooseFile& file = t.app.chooseFile();
    bool stillUp = false;
    bool startShown = false;
    Driver driver;
    driver
        .onWindow(&file,
                  [&] {
                      file.cbFileName->setEditText(path);
                      click(file.btnNext);
                      stillUp = file.isVisible() && file.isShowingModal() && file.cbFileName->currentText() == path;
                      file.cbFileName->setEditText(QString::fromStdString(good));
                      click(file.btnNext);
                  })
        .onWindow(&t.app.chooseRin(), [&] {
            startShown = true;
            click(t.app.chooseRin().btnCancel);
        });
    file.showModal();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY(stillUp);
    QVERIFY(startShown);
    if (expected.isEmpty()) {
        QVERIFY2(t.dialogs.messages.empty(), qPrintable(t.dialogs.all()));
        QCOMPARE(t.dialogs.openFileFolders, QStringList{path});
    } else {
        QCOMPARE(t.dialogs.all(), QStringLiteral("Alert!: ") + expected.arg(path) + u'\n');
    }
}

// One Enter in the path presses Next, also while the path's completion is offered.
void DataFileTest::oneEnterPressesNextDuringCompletion() {
    tw::test::TempDir dir;
    const std::string path = writeFamily(wizardFamily(), dir.file("family.paf"));
    OwnRecentFiles().remember(QString::fromStdString(path));
    AppUnderTest t;
    TChooseFile& file = t.app.chooseFile();
    QString typed;
    bool offered = false;
    bool startShown = false;
    Driver driver;
    driver
        .onWindow(&file,
                  [&] {
                      QLineEdit* line = file.cbFileName->lineEdit();
                      line->clear();
                      // Typing the start of the recent path offers it in a list and
                      // leaves the path as typed; Down picks it, one Enter goes on.
                      QTest::keyClicks(line, QString::fromStdString(path).chopped(5));
                      typed = line->text();
                      QAbstractItemView* popup = file.cbFileName->completer()->popup();
                      offered = popup->isVisible();
                      QTest::keyClick(popup->isVisible() ? static_cast<QWidget*>(popup) : line, Qt::Key_Down);
                      QTest::keyClick(popup->isVisible() ? static_cast<QWidget*>(popup) : line, Qt::Key_Return);
                  })
        .onWindow(&t.app.chooseRin(), [&] {
            startShown = true;
            click(t.app.chooseRin().btnCancel);
        });
    file.showModal();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QCOMPARE(typed, QString::fromStdString(path).chopped(5));
    QVERIFY(offered);
    QVERIFY(startShown);
    QVERIFY2(t.dialogs.messages.empty(), qPrintable(t.dialogs.all()));
    QCOMPARE(t.app.context().dataFilePath, path);
}

// "tamblewin FILE.paf": the file is offered first until another one is opened.
void DataFileTest::theFileTheProgramStartedWithIsOffered() {
    tw::test::TempDir dir;
    const std::string started = writeFamily(wizardFamily(), dir.file("started.paf"));
    const std::string other = writeFamily(wizardFamily(), dir.file("other.paf"));
    OwnRecentFiles().remember(QString::fromStdString(other));
    AppUnderTest t;
    TChooseFile& file = t.app.chooseFile();
    file.presetPath(QString::fromStdString(started));
    QStringList offered;
    Driver driver;
    driver
        .onWindow(&file,
                  [&] {
                      offered << file.cbFileName->currentText();
                      click(file.btnNext);
                  })
        .onWindow(&t.app.chooseRin(), [&] { click(t.app.chooseRin().btnBack); })
        .onWindow(&file, [&] {
            offered << file.cbFileName->currentText();
            file.cbFileName->setEditText(QString::fromStdString(other));
            click(file.btnNext);
        })
        .onWindow(&t.app.chooseRin(), [&] { click(t.app.chooseRin().btnCancel); });
    file.showModal();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    // Shown again after another file was opened: that one, the newest of the recent files.
    Driver again;
    again.onWindow(&file, [&] {
        offered << file.cbFileName->currentText();
        click(file.btnCancel);
    });
    file.showModal();
    QCOMPARE(offered, (QStringList{QString::fromStdString(started), QString::fromStdString(started),
                                   QString::fromStdString(other)}));
}

// A file the user may not read: the window stays, whoever runs the tests (root
// reads every file, so the child drops to an ordinary user).
void DataFileTest::unreadableFileStaysWithTheSystemsWords() {
    tw::test::TempDir dir;
    const std::string locked = writeFamily(wizardFamily(), dir.file("locked.paf"));
    const QByteArray before = fileBytes(locked);
    QVERIFY(chmod(locked.c_str(), 0) == 0);
    QVERIFY(chmod(dir.path().c_str(), 0755) == 0);
    const ChildOutcome unreadable = nextInChild(locked, true);
    chmod(locked.c_str(), 0600);
    QCOMPARE(unreadable.status, 0);
    QCOMPARE(unreadable.messages, QStringLiteral("Alert!: Open failed.  Error code: 13\n\n") +
                                      QString::fromStdString(locked) + QStringLiteral(": Permission denied\n"));
    QCOMPARE(fileBytes(locked), before);
}

// The settings of earlier versions (~/.config/Tamblewin/Tamblewin.conf) move once
// into the program's one folder, where the tuning file lives too.
void DataFileTest::oldSettingsMoveIntoTheOneFolder() {
    QTemporaryDir home;
    const QString oldFile = home.path() + QStringLiteral("/Tamblewin/Tamblewin.conf");
    {
        QSettings old(oldFile, QSettings::IniFormat);
        old.setValue(QStringLiteral("RecentFiles"), QStringList{QStringLiteral("/data/a.paf")});
    }
    QVERIFY(QFile::exists(oldFile));
    QCOMPARE(openSettings(home.path())->value(QStringLiteral("RecentFiles")).toStringList(),
             QStringList{QStringLiteral("/data/a.paf")});
    QCOMPARE(settingsFolder(home.path()), home.path() + QStringLiteral("/tamblewin"));
    QVERIFY(QFile::exists(home.path() + QStringLiteral("/tamblewin/tamblewin.conf")));
    QVERIFY(!QFile::exists(oldFile));
    QVERIFY(!QDir(home.path() + QStringLiteral("/Tamblewin")).exists());
    // Later values are kept where they are; an old file that reappears is not read.
    openSettings(home.path())->setValue(QStringLiteral("RecentFiles"), QStringList{QStringLiteral("/data/b.paf")});
    QSettings(oldFile, QSettings::IniFormat).setValue(QStringLiteral("RecentFiles"), QStringLiteral("/data/old.paf"));
    QCOMPARE(openSettings(home.path())->value(QStringLiteral("RecentFiles")).toStringList(),
             QStringList{QStringLiteral("/data/b.paf")});
}

void DataFileTest::specialFilesInPlaceOfSettingsAreNeitherWaitedOnNorReplaced_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"named pipe", "folder", "huge file", "device"}) QTest::newRow(kind) << QString(kind);
}

// A named pipe, a folder, a device or a huge file where the settings file or Wine's
// registry should be: never waited on, read or replaced; the settings of the run
// are kept for the run.
void DataFileTest::specialFilesInPlaceOfSettingsAreNeitherWaitedOnNorReplaced() {
    QFETCH(QString, kind);
    if (kind == QStringLiteral("device") && geteuid() != 0) QSKIP("only root makes device files");
    QTemporaryDir home;
    const QString settings = home.path() + QStringLiteral("/tamblewin/tamblewin.conf");
    const QString registry = home.path() + QStringLiteral("/wine/user.reg");
    const QByteArray registryText =
        "WINE REGISTRY Version 2\n[Software\\\\LDS Church\\\\FamilySearch\\\\Personal Ancestral File 5\\\\Recent File "
        "List] 1700000000\n\"File1\"=\"C:\\\\a.paf\"\n";
    QDir(home.path()).mkpath(QStringLiteral("wine/dosdevices"));
    QVERIFY(QFile::link(home.path(), home.path() + QStringLiteral("/wine/dosdevices/c:")));
    for (const QString& path : {settings, registry}) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        const QByteArray name = QFile::encodeName(path);
        if (kind == QStringLiteral("named pipe")) QCOMPARE(mkfifo(name.constData(), 0600), 0);
        if (kind == QStringLiteral("folder")) QVERIFY(QDir().mkdir(path));
        if (kind == QStringLiteral("device")) QCOMPARE(mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        if (kind == QStringLiteral("huge file")) {  // readable at its start, then a hole of zeros
            writeText(path, path == registry ? registryText : QByteArray("[General]\nPaper=letter\n"));
            std::filesystem::resize_file(name.constData(), uintmax_t(100) << 20);
        }
    }
    struct stat before {};
    QCOMPARE(stat(QFile::encodeName(settings).constData(), &before), 0);

    openSettings(home.path())->setValue(QStringLiteral("Paper"), QStringLiteral("a5"));
    QCOMPARE(openSettings(home.path())->value(QStringLiteral("Paper")).toString(), QStringLiteral("a5"));
    QCOMPARE(wineRecentFileValues(home.path() + QStringLiteral("/wine")), (std::array<QString, 4>{}));

    struct stat after {};
    QCOMPARE(stat(QFile::encodeName(settings).constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_size, before.st_size);
    QCOMPARE(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TW_GUI_TEST(DataFileTest);

}  // namespace tw::gui::test

#include "data_file_window_test.moc"
