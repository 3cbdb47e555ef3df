// Opening a large GEDCOM file in the data-file window: the busy cursor while it is
// read, the box with Cancel, and Cancel that leaves the user in the window with no
// file open and the cursor as it was.

#include <QApplication>
#include <QComboBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "gui/data_file_window.h"
#include "gui_test_support.h"
#include "support/paf_fixture.h"

namespace tw::gui::test {

namespace {

// Couples with two children each, enough people that reading them takes a while.
std::string writeLargeGedcom(const std::string& path, int couples) {
    std::ofstream out(path, std::ios::binary);
    out << "0 HEAD\n1 CHAR UTF-8\n";
    for (int c = 0; c < couples; ++c) {
        const int first = 4 * c + 1;
        for (int k = 0; k < 4; ++k)
            out << "0 @I" << first + k << "@ INDI\n1 NAME Person" << first + k << " /Family" << c << "/\n1 SEX "
                << (k % 2 == 0 ? 'M' : 'F') << "\n1 BIRT\n2 DATE 1 JAN " << 1800 + c % 200 << '\n'
                << (k < 2 ? "1 FAMS @F" : "1 FAMC @F") << c << "@\n";
        out << "0 @F" << c << "@ FAM\n1 HUSB @I" << first << "@\n1 WIFE @I" << first + 1 << "@\n1 CHIL @I" << first + 2
            << "@\n1 CHIL @I" << first + 3 << "@\n";
    }
    out << "0 TRLR\n";
    return path;
}

}  // namespace

class ImportCancelTest : public QObject {
    Q_OBJECT

private slots:
    void cancelWhileOpeningStaysInTheWindow();
};

void ImportCancelTest::cancelWhileOpeningStaysInTheWindow() {
    tw::test::TempDir dir;
    const std::string path = writeLargeGedcom(dir.file("large.ged"), 100000);
    AppUnderTest t;
    TChooseFile& file = t.app.chooseFile();
    bool boxSeen = false, busyWhileReading = false, stayed = false, cursorBack = false, fileOpen = true;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        // The box is there from the start of the reading (it shows itself after a
        // moment); cancelling it at once keeps the test apart from how fast the
        // import is.
        auto* box = file.findChild<QProgressDialog*>(QStringLiteral("OpeningProgress"));
        if (box == nullptr || boxSeen) return;
        boxSeen = true;
        const QCursor* cursor = QApplication::overrideCursor();
        busyWhileReading = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
        box->cancel();
    });
    Driver driver;
    driver.onWindow(&file, [&] {
        file.cbFileName->setEditText(QString::fromStdString(path));
        watch.start();
        click(file.btnNext);
        watch.stop();
        stayed = file.isVisible() && file.isShowingModal();
        cursorBack = QApplication::overrideCursor() == nullptr;
        fileOpen = t.app.context().file.isOpen();
        click(file.btnCancel);
    });
    file.showModal();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY2(boxSeen, "the box with Cancel was there while the file was read");
    QVERIFY(busyWhileReading);
    QVERIFY(stayed);
    QVERIFY(cursorBack);
    QVERIFY(!fileOpen);
    QCOMPARE(t.dialogs.all(), QString());
}

TW_GUI_TEST(ImportCancelTest);

}  // namespace tw::gui::test

#include "import_cancel_test.moc"
