// The print box: all pages, a range, the page on view, refused ranges, Back, and
// printing through QPrinter into a PDF file.

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "gui/preview_window.h"
#include "gui/print_naming.h"
#include "gui/print_window.h"
#include "gui/start_window.h"
#include "wizard/dispatcher.h"
#include "gui_test_support.h"
#include "support/paf_fixture.h"

namespace tw::gui::test {

namespace {

// The pages of a PDF file and the text on each (when pdftotext is installed).
struct PdfPages {
    int count = 0;
    QStringList texts;
};

PdfPages readPdf(const QString& path) {
    PdfPages pdf;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return pdf;
    const QByteArray bytes = file.readAll();
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    pdf.count = int(QString::fromLatin1(bytes).count(page));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return pdf;
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    text.waitForFinished(-1);
    pdf.texts = QString::fromUtf8(text.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    for (QString& t : pdf.texts) t = t.simplified();
    pdf.texts.removeAll(QString());
    return pdf;
}

struct BoxState {
    QString all;
    bool allChecked = false;
    QString start, end;
    bool currentShown = false;
};

}  // namespace

class PrintBoxTest : public QObject {
    Q_OBJECT

private slots:
    void printsAllARangeOrTheCurrentPage_data();
    void printsAllARangeOrTheCurrentPage();
    void backReturnsToThePreviewOnTheSamePage();
    void cancelledFileNameKeepsTheBoxOpen();
    void cancelledPrintLeavesNoPartOfTheFile();
    void theFileAndItsTitleAreNamedForTheReport();
    void unwritablePdfSaysWhyAndKeepsThePreview();
    void longFileNamesAreCutToWhatFileSystemsTake();

private:
    tw::test::TempDir dir_;
};

void PrintBoxTest::printsAllARangeOrTheCurrentPage_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QStringList>("printed");  // empty: the range is refused
    const auto sheets = [](std::initializer_list<int> pages) {
        QStringList out;
        for (int p : pages) out << QStringLiteral("Sheet number %1").arg(p);
        return out;
    };
    QTest::newRow("all") << "all" << "" << "" << sheets({1, 2, 3, 4, 5});
    QTest::newRow("3 to 3") << "range" << "3" << "3" << sheets({3});
    QTest::newRow("2 to 4") << "range" << "2" << "4" << sheets({2, 3, 4});
    QTest::newRow("current page (4)") << "current" << "" << "" << sheets({4});
    QTest::newRow("5 to 2") << "range" << "5" << "2" << QStringList();
    QTest::newRow("0 to 3") << "range" << "0" << "3" << QStringList();
    QTest::newRow("letters refused as typed") << "range" << "x" << "3" << sheets({1, 2, 3});
    QTest::newRow("beyond the last") << "range" << "4" << "6" << QStringList();
    QTest::newRow("huge") << "range" << "1" << "9999999" << QStringList();
}

void PrintBoxTest::printsAllARangeOrTheCurrentPage() {
    QFETCH(QString, choice);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QStringList, printed);
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 5, "Sheet number");
    const QString pdf = QString::fromStdString(dir_.file(std::string(QTest::currentDataTag()) + ".pdf"));
    t.dialogs.pdfFileAnswer = pdf;
    TPagePreview& preview = t.app.pagePreview();
    TPB& box = t.app.printBox();
    BoxState state;
    bool boxStayed = false;
    bool previewStayed = false;
    QString typedStart;
    Driver driver;
    driver
        .onWindow(&preview,
                  [&] {
                      click(preview.BtnPrev);  // page 4 on view
                      click(preview.BtnPrint);
                  })
        .onWindow(&box, [&] {
            state = {box.rbAll->text(), box.rbAll->isChecked(), box.edtStartPage->text(), box.edtEndPage->text(),
                     box.rbCurrentPage->isVisible() && box.rbCurrentPage->isEnabled()};
            if (choice == QStringLiteral("range")) {
                // Entering a page field chooses the range.
                box.edtStartPage->setFocus();
                QTest::keyClick(box.edtStartPage, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(box.edtStartPage, first);
                typedStart = box.edtStartPage->text();
                box.edtEndPage->setText(last);
            } else if (choice == QStringLiteral("current")) {
                click(box.rbCurrentPage);
            }
            click(box.btnPrint);
            if (!printed.isEmpty()) return;
            // A refused range keeps the box, and Cancel goes back to the preview.
            boxStayed = box.isVisible() && box.isShowingModal();
            click(box.btnCancel);
        });
    if (printed.isEmpty())
        driver.onWindow(&preview, [&] {
            previewStayed = true;
            click(preview.BtnCancel);
        });
    preview.open();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QCOMPARE(state.all, QStringLiteral("All 5 pages"));
    QVERIFY(state.allChecked);
    QCOMPARE(state.start, QStringLiteral("1"));
    QCOMPARE(state.end, QStringLiteral("5"));
    QVERIFY(state.currentShown);
    // Print closes the box and the preview.
    QVERIFY(!box.isVisible());
    QVERIFY(!preview.isVisible());
    QVERIFY(!t.app.context().pageLog.printing());
    // The page fields take digits only.
    if (choice == QStringLiteral("range")) QCOMPARE(typedStart, first == QStringLiteral("x") ? QStringLiteral("1") : first);
    if (printed.isEmpty()) {
        QVERIFY(boxStayed);
        QVERIFY(previewStayed);
        QCOMPARE(t.dialogs.all(), QStringLiteral("Whoops!: Invalid page range.\n"));
        QCOMPARE(t.dialogs.pdfFileAsked, 0);
        QVERIFY(!QFile::exists(pdf));
        return;
    }
    // The one message says where the PDF file went, by its whole path.
    QCOMPARE(t.dialogs.all(), QStringLiteral("Notice: The report was written to\n%1\n").arg(QFileInfo(pdf).absoluteFilePath()));
    QCOMPARE(t.dialogs.pdfFileAsked, 1);
    const PdfPages pages = readPdf(pdf);
    QCOMPARE(pdfProblems(pdf), QString());
    QCOMPARE(pages.count, int(printed.size()));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed: the pages were counted, not read");
    QCOMPARE(pages.texts, printed);
}

void PrintBoxTest::backReturnsToThePreviewOnTheSamePage() {
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 5, "Sheet number");
    TPagePreview& preview = t.app.pagePreview();
    TPB& box = t.app.printBox();
    QString pageAfterBack;
    bool previewUp = false;
    Driver driver;
    driver.onWindow(&preview, [&] { click(preview.BtnPrint); })
        .onWindow(&box, [&] { click(box.btnBack); })
        .onWindow(&preview, [&] {
            previewUp = true;
            pageAfterBack = preview.EdtGotoPage->text();
            click(preview.BtnCancel);
        });
    preview.open();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY(previewUp);
    QCOMPARE(pageAfterBack, QStringLiteral("5"));
    // Cancel in the preview gives up the print job; the pages stay.
    QVERIFY(!t.app.context().pageLog.printing());
    QCOMPARE(t.app.context().pageLog.storedPageCount(), 5);
    QCOMPARE(t.dialogs.pdfFileAsked, 0);
}

void PrintBoxTest::cancelledFileNameKeepsTheBoxOpen() {
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 2, "Sheet number");
    TPagePreview& preview = t.app.pagePreview();
    TPB& box = t.app.printBox();
    bool boxStillUp = false;
    bool previewJobOpen = false;
    Driver driver;
    driver.onWindow(&preview, [&] { click(preview.BtnPrint); })
        .onWindow(&box, [&] {
            click(box.btnPrint);  // no file named
            boxStillUp = box.isVisible();
            click(box.btnCancel);
        })
        .onWindow(&preview, [&] {
            // Cancel in the box returns to the preview, without ending the job.
            previewJobOpen = t.app.context().pageLog.printing();
            click(preview.BtnCancel);
        });
    preview.open();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY(boxStillUp);
    QCOMPARE(t.dialogs.pdfFileAsked, 1);
    QVERIFY(previewJobOpen);
}

// A print stopped with the progress box's Cancel leaves neither a part of the new
// file nor a change to the file it would have replaced; printing again works.
void PrintBoxTest::cancelledPrintLeavesNoPartOfTheFile() {
    tw::test::TempDir folder;
    const QString pdf = QString::fromStdString(folder.file("report.pdf"));
    {
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older report");
    }
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 30, "Sheet number");
    t.dialogs.pdfFileAnswer = pdf;
    TPagePreview& preview = t.app.pagePreview();
    TPB& box = t.app.printBox();
    int progressSeen = 0;
    QString progressText;
    QStringList filesAfterCancel;
    bool boxStillUp = false;
    // Presses the progress box's Cancel once three pages are out.
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* progress = box.findChild<QProgressDialog*>(QStringLiteral("PrintProgress"));
        if (progress == nullptr || progress->value() < 3 || progress->wasCanceled()) return;
        progressSeen = progress->value();
        progressText = progress->labelText();
        progress->cancel();
    });
    Driver driver;
    driver.onWindow(&preview, [&] { click(preview.BtnPrint); }).onWindow(&box, [&] {
        watcher.start();
        click(box.btnPrint);
        watcher.stop();
        boxStillUp = box.isVisible();
        filesAfterCancel = QDir(QFileInfo(pdf).absolutePath()).entryList(QDir::Files | QDir::Hidden);
        click(box.btnPrint);  // again, to the end
    });
    preview.open();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY(progressSeen >= 3 && progressSeen < 30);
    QCOMPARE(progressText, QStringLiteral("%1 of 30 pages printed").arg(progressSeen));
    QVERIFY(boxStillUp);
    QCOMPARE(filesAfterCancel, QStringList{QStringLiteral("report.pdf")});
    QCOMPARE(t.dialogs.allButPdfNotices(), QString());
    QCOMPARE(readPdf(pdf).count, 30);
    QCOMPARE(pdfProblems(pdf), QString());
    QCOMPARE(QDir(QFileInfo(pdf).absolutePath()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("report.pdf")});
    QVERIFY(!t.app.context().pageLog.printing());
}

void PrintBoxTest::theFileAndItsTitleAreNamedForTheReport() {
    const std::string path = writeFamily(wizardFamily(), dir_.file("named.paf"));
    AppUnderTest t;
    AppContext& ctx = t.app.context();
    QCOMPARE(ctx.file.open(path), PafFile::kOpened);
    struct Case {
        ReportKind kind;
        const char* start;
        QString title;
    };
    for (const Case& c : {Case{ReportKind::AncestorsListWithRepeats, "5", "Ancestors List (with repeats) - Emil Rauch"},
                          Case{ReportKind::DescendantSummaryChart, "1",
                               "Descendant Summary Chart - Adam Tamble and Berta Kessling"},
                          Case{ReportKind::SurnameDistributionList, "1", "Surname Distribution List"},
                          Case{ReportKind::ResearchStatusList, "999", "Research Status List"}})
        QCOMPARE(reportTitle(ctx, flagsFor(c.kind), c.start), c.title);
    QCOMPARE(pdfFileNameFor(QStringLiteral("A/B: \"C\"")), QStringLiteral("A-B- -C-.pdf"));

    // Through the windows: the report just run names the file and the PDF's title.
    t.app.settings().reportFlags = flagsFor(ReportKind::AncestorsListWithRepeats);
    TChooseRin& start = t.app.chooseRin();
    start.edtStart->setText(QStringLiteral("5"));
    start.show();
    click(start.btnNext);
    start.hide();
    const QString pdf = QString::fromStdString(dir_.file("Emil.pdf"));
    t.dialogs.pdfFileAnswer = pdf;
    TPagePreview& preview = t.app.pagePreview();
    Driver driver;
    driver.onWindow(&preview, [&] { click(preview.BtnPrint); }).onWindow(&t.app.printBox(), [&] {
        click(t.app.printBox().btnPrint);
    });
    preview.open();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QCOMPARE(QFileInfo(t.dialogs.pdfFileSuggested).fileName(),
             QStringLiteral("Ancestors List (with repeats) - Emil Rauch.pdf"));
    QCOMPARE(pdfProblems(pdf), QString());
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("pdfinfo is not installed: the PDF's title was not read");
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(-1);
    static const QRegularExpression title(QStringLiteral("^Title:\\s+(.*)$"), QRegularExpression::MultilineOption);
    QCOMPARE(title.match(QString::fromUtf8(info.readAllStandardOutput())).captured(1),
             QStringLiteral("Ancestors List (with repeats) - Emil Rauch"));
}

// A PDF file in a folder that is not there: the message says why, after the
// progress box has gone; the box stays, and Cancel returns to the preview.
void PrintBoxTest::unwritablePdfSaysWhyAndKeepsThePreview() {
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 2, "Sheet number");
    const QString pdf = QString::fromStdString(dir_.file("no-such-folder")) + QStringLiteral("/out.pdf");
    t.dialogs.pdfFileAnswer = pdf;
    TPagePreview& preview = t.app.pagePreview();
    TPB& box = t.app.printBox();
    bool boxStayed = false;
    bool previewStayed = false;
    bool progressGone = false;
    t.dialogs.onMessage = [&](const ShownMessage&) {
        progressGone = box.findChildren<QProgressDialog*>().isEmpty() ||
                       !box.findChildren<QProgressDialog*>().constFirst()->isVisible();
    };
    Driver driver;
    driver.onWindow(&preview, [&] { click(preview.BtnPrint); })
        .onWindow(&box, [&] {
            click(box.btnPrint);
            boxStayed = box.isVisible() && box.isShowingModal();
            QTest::keyClick(&box, Qt::Key_Escape);
        })
        .onWindow(&preview, [&] {
            previewStayed = true;
            click(preview.BtnCancel);
        });
    preview.open();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY(boxStayed);
    QVERIFY(previewStayed);
    QVERIFY(progressGone);
    QCOMPARE(t.dialogs.all(), QStringLiteral("Whoops!: Cannot write ") + pdf + QStringLiteral(": No such file or directory\n"));
    QVERIFY(!QFile::exists(pdf));
}

void PrintBoxTest::longFileNamesAreCutToWhatFileSystemsTake() {
    const QString longName = QString(300, u'a') + QStringLiteral(".pdf");
    const QString accented = QString(126, QChar(0x00E9)) + QStringLiteral(".pdf");        // 2 bytes each
    const QString emoji = QString(70, u'x') + QString::fromUtf8("\xF0\x9F\x8C\xB3").repeated(50) + ".pdf";
    const struct {
        QString name, expected;
    } cases[] = {
        {QStringLiteral("Ancestors List of Anna Berg.pdf"), QStringLiteral("Ancestors List of Anna Berg.pdf")},
        {longName, QString(251, u'a') + QStringLiteral(".pdf")},
        {accented, QString(125, QChar(0x00E9)) + QStringLiteral(".pdf")},
        // Four-byte letters come off whole.
        {emoji, QString(70, u'x') + QString::fromUtf8("\xF0\x9F\x8C\xB3").repeated(45) + ".pdf"},
    };
    for (const auto& c : cases) {
        const QString fitted = fittedFileName(c.name);
        QCOMPARE(fitted, c.expected);
        QVERIFY(fitted.toUtf8().size() <= 255);
    }
}

TW_GUI_TEST(PrintBoxTest);

}  // namespace tw::gui::test

#include "print_window_test.moc"
