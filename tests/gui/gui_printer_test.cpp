// The printer of the windows: the geometry reports are laid out for, and a print job
// that reaches the printer (here a PDF file) only when pages are drawn.

#include <QFile>
#include <QTest>

#include "gui/gui_printer.h"
#include "gui_test_support.h"
#include "output/printing.h"
#include "support/paf_fixture.h"

namespace tw::gui::test {

class GuiPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void aPdfFileTakesThePaperTheReportAsksFor();
    void aJobReachesTheFileOnlyWhenPagesAreDrawn();
    void landscapeLegalOnAPdfFilePassesThePaperCheck();
};

void GuiPrinterTest::aPdfFileTakesThePaperTheReportAsksFor() {
    RecordingDialogs dialogs;
    GuiPrinter printer(dialogs);
    printer.usePdfFile();
    printer.setLandscape(false);
    printer.requestPaper(Paper::Letter);
    PrinterGeometry g = printer.geometry();
    const int dpi = g.pixelsPerInchX;
    QVERIFY(dpi >= 300);
    QCOMPARE(g.pixelsPerInchY, dpi);
    QCOMPARE(g.physicalWidth, dpi * 17 / 2);
    QCOMPARE(g.physicalHeight, dpi * 11);
    QCOMPARE(g.offsetX, 0);
    QCOMPARE(g.offsetY, 0);
    printer.setLandscape(true);
    printer.requestPaper(Paper::Legal);
    g = printer.geometry();
    QCOMPARE(g.physicalWidth, dpi * 14);
    QCOMPARE(g.physicalHeight, dpi * 17 / 2);
}

void GuiPrinterTest::aJobReachesTheFileOnlyWhenPagesAreDrawn() {
    tw::test::TempDir dir;
    const QString path = QString::fromStdString(dir.file("job.pdf"));
    RecordingDialogs dialogs;
    GuiPrinter printer(dialogs);
    printer.usePdfFile(path);
    // Opened and given up (a report previewed and cancelled): nothing is written.
    QVERIFY(printer.startDocument("RAL"));
    printer.abortDocument();
    QVERIFY(!QFile::exists(path));
    QVERIFY(!printer.documentOpen());
    // Opened and printed: the file holds the pages.
    QVERIFY(printer.startDocument("RAL"));
    QVERIFY(!printer.painting());
    printer.surface().text({100, 100}, "First");
    QVERIFY(printer.painting());
    printer.newPage();
    printer.surface().text({100, 100}, "Second");
    printer.endDocument();
    QVERIFY(printer.errorText().isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("/Type/Page/") + 0, 2);
    QCOMPARE(pdfProblems(path), QString());
    // A PDF file with no name cannot be printed into; the job says why.
    printer.usePdfFile();
    QVERIFY(printer.startDocument("RAL"));
    printer.surface().text({1, 1}, "x");
    printer.endDocument();
    QVERIFY(!printer.errorText().isEmpty());
}

void GuiPrinterTest::landscapeLegalOnAPdfFilePassesThePaperCheck() {
    AppUnderTest t;
    PageLog& log = t.app.context().pageLog;
    QCOMPARE(log.begin("DSC", {Paper::Legal, true, true}), 0);
    QCOMPARE(log.pageWidth(), 14.0);
    log.end();
    log.abandonPrinting();
    QCOMPARE(log.begin("FDC", {Paper::Letter, true, false}), 0);
    QCOMPARE(log.pageWidth(), 11.0);
    QCOMPARE(t.dialogs.printerSetups, 0);
    QVERIFY(t.dialogs.messages.empty());
}

TW_GUI_TEST(GuiPrinterTest);

}  // namespace tw::gui::test

#include "gui_printer_test.moc"
