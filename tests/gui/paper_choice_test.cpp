// The paper of the windows: the system's default on first start, then the one chosen
// in the print box, kept in the settings; a change of paper lays the report on view
// out again, the preview shows the new pages and names their paper, and the PDF
// file is printed on it.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "gui/app_settings.h"
#include "gui/preview_window.h"
#include "gui/print_window.h"
#include "gui/start_window.h"
#include "gui_test_support.h"
#include "support/paf_fixture.h"
#include "support/scoped_env.h"

namespace tw::gui::test {

namespace {

using tw::test::ScopedEnv;

// A couple whose son's line goes down the given number of generations: the Descendant
// Summary Chart needs its widest form for it.
WriterFamily deepLine(int generations) {
    WriterFamily f = tw::test::coupleWithChildren(1);
    int32_t rin = 3;
    for (int g = 0; g < generations; ++g) {
        WriterMarriage m;
        m.husband = rin;
        m.wife = f.addPerson(tw::test::person("Wife /Other/", 'F'));
        rin = f.addPerson(tw::test::person("Son" + std::to_string(g + 1) + " /Tamble/"));
        m.children = {rin};
        f.addMarriage(m);
    }
    return f;
}

// Runs a report from the start window's Next, from "1".
void runReport(AppUnderTest& t, ReportKind kind) {
    t.app.settings().reportFlags = flagsFor(kind);
    TChooseRin& start = t.app.chooseRin();
    start.edtStart->setText(QStringLiteral("1"));
    start.btnNextClick();
    QVERIFY(t.app.context().pageLog.storedPageCount() > 0);
    // The field changed after the run does not change the report laid out again.
    start.edtStart->setText(QStringLiteral("2"));
}

void forgetPaperChoice() {
    auto settings = openSettings();
    settings->remove(QStringLiteral("Paper"));
    settings->remove(QStringLiteral("LargeSheets"));
}

}  // namespace

class PaperChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        listPath_ = writeFamily(wizardFamily(), dir_.file("family.paf"));
        linePath_ = writeFamily(deepLine(25), dir_.file("line.paf"));
    }
    void init() { forgetPaperChoice(); }
    void cleanupTestCase() { forgetPaperChoice(); }
    void firstStartTakesTheSystemsPaperThenTheChosenOne_data();
    void firstStartTakesTheSystemsPaperThenTheChosenOne();
    void anotherPaperLaysTheReportOutAgainAndPrintsOnIt();
    void largeSheetsGiveTheSummaryChartAnA3Sheet();

private:
    tw::test::TempDir dir_;
    std::string listPath_;
    std::string linePath_;
};

void PaperChoiceTest::firstStartTakesTheSystemsPaperThenTheChosenOne_data() {
    QTest::addColumn<QString>("kept");       // the settings' Paper, empty for none
    QTest::addColumn<QString>("papersize");  // the system's paper
    QTest::addColumn<int>("paper");
    QTest::newRow("first start, A4 system") << "" << "a4" << int(Paper::A4);
    QTest::newRow("first start, letter system") << "" << "letter" << int(Paper::Letter);
    QTest::newRow("chosen A5 over the system's A4") << "a5" << "a4" << int(Paper::A5);
    QTest::newRow("an unknown kept paper") << "b5" << "a3" << int(Paper::A3);
}

void PaperChoiceTest::firstStartTakesTheSystemsPaperThenTheChosenOne() {
    QFETCH(QString, kept);
    QFETCH(QString, papersize);
    QFETCH(int, paper);
    if (!kept.isEmpty()) openSettings()->setValue(QStringLiteral("Paper"), kept);
    ScopedEnv system("PAPERSIZE", papersize.toStdString());
    AppUnderTest t;
    QCOMPARE(int(t.app.context().paper), paper);
    QVERIFY(!t.app.context().largeSheets);
}

void PaperChoiceTest::anotherPaperLaysTheReportOutAgainAndPrintsOnIt() {
    AppUnderTest t;
    AppContext& ctx = t.app.context();
    QCOMPARE(ctx.file.open(listPath_), PafFile::kOpened);
    runReport(t, ReportKind::FamilyDateChart);
    TPagePreview& preview = t.app.pagePreview();
    TPB& box = t.app.printBox();
    const QString pdf = QString::fromStdString(dir_.file("chart.pdf"));
    t.dialogs.pdfFileAnswer = pdf;
    QString labelBefore, labelAfter, pagesAfter;
    bool paperShown = false;
    int widthAfter = 0;
    Driver driver;
    driver
        .onWindow(&preview,
                  [&] {
                      labelBefore = preview.LabelPaper->text();
                      click(preview.BtnPrint);
                  })
        .onWindow(&box,
                  [&] {
                      paperShown = box.cbPaper->isVisible() && box.cbLargeSheets->isVisible() &&
                                   !box.lblPrinterPaper->isVisible() && box.cbPaper->currentText() == "Letter";
                      // Letter, Legal, Tabloid, A5, A4: each step is laid out.
                      for (int step = 0; step < 4; ++step) QTest::keyClick(box.cbPaper, Qt::Key_Down);
                      click(box.btnBack);
                  })
        .onWindow(&preview,
                  [&] {
                      labelAfter = preview.LabelPaper->text();
                      widthAfter = preview.pageWidthPixels();
                      click(preview.BtnPrint);
                  })
        .onWindow(&box, [&] {
            pagesAfter = box.rbAll->text();
            click(box.btnPrint);
        });
    preview.prepare();
    preview.open();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QCOMPARE(t.dialogs.allButPdfNotices(), QString());
    QVERIFY(paperShown);
    QCOMPARE(labelBefore, QStringLiteral("Letter landscape"));
    QCOMPARE(labelAfter, QStringLiteral("A4 landscape"));
    QCOMPARE(widthAfter, int(preview.pixelsPerInch() * 297 / 25.4));
    QCOMPARE(pagesAfter, QStringLiteral("All 1 pages"));
    QCOMPARE(pdfPageSize(pdf), QSize(842, 595));
    QCOMPARE(pdfProblems(pdf), QString());
    QVERIFY2(t.app.settings().reportTitle.endsWith(QStringLiteral("Berta Kessling")),
             qPrintable(t.app.settings().reportTitle));
    // Kept for the next start, whatever the system's paper.
    QCOMPARE(openSettings()->value(QStringLiteral("Paper")).toString(), QStringLiteral("a4"));
    QCOMPARE(int(AppUnderTest().app.context().paper), int(Paper::A4));
}

void PaperChoiceTest::largeSheetsGiveTheSummaryChartAnA3Sheet() {
    openSettings()->setValue(QStringLiteral("Paper"), QStringLiteral("a4"));
    AppUnderTest t;
    AppContext& ctx = t.app.context();
    QCOMPARE(ctx.file.open(linePath_), PafFile::kOpened);
    runReport(t, ReportKind::DescendantSummaryChart);
    QCOMPARE(sheetName(ctx.pageLog.page()), QStringLiteral("A4 landscape"));
    TPagePreview& preview = t.app.pagePreview();
    TPB& box = t.app.printBox();
    QString labelAfter;
    Driver driver;
    driver.onWindow(&preview, [&] { click(preview.BtnPrint); })
        .onWindow(&box,
                  [&] {
                      click(box.cbLargeSheets);
                      click(box.btnBack);
                  })
        .onWindow(&preview, [&] {
            labelAfter = preview.LabelPaper->text();
            click(preview.BtnCancel);
        });
    preview.prepare();
    preview.open();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QCOMPARE(labelAfter, QStringLiteral("A3 landscape"));
    QVERIFY(ctx.largeSheets);
    QCOMPARE(openSettings()->value(QStringLiteral("LargeSheets")).toBool(), true);
}

TW_GUI_TEST(PaperChoiceTest);

}  // namespace tw::gui::test

#include "paper_choice_test.moc"
