// Each report prints on the paper and orientation it lays out for, whatever report
// ran before it and however that report's windows were left: the preview closed by
// Esc or by its frame, or never opened (Cancel in the start window).

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "gui/preview_window.h"
#include "gui/print_window.h"
#include "gui_test_support.h"
#include "support/paf_fixture.h"
#include "wizard/dispatcher.h"

namespace tw::gui::test {

namespace {

// Runs a report as the start window's Next does, after the report selection has
// set the paper mode.
void runReport(AppUnderTest& t, ReportKind kind, const char* start) {
    t.app.settings().reportFlags = flagsFor(kind);
    QCOMPARE(dispatchReports(t.app.context(), t.app.settings().reportFlags, start), DispatchOutcome::Ran);
}

// A report on legal paper in landscape, as the Descendant Summary Chart's widest
// format lays out.
void writeLegalLandscapePages(PageLog& log) {
    QCOMPARE(log.begin("Descendant Summary Chart", {Paper::Legal, true, true}), 0);
    log.text(1.0, 1.0, "Wide");
    log.commit();
    log.end();
}

// Leaves the preview of the report just written as the user did.
void leavePreview(AppUnderTest& t, const QString& how) {
    TPagePreview& preview = t.app.pagePreview();
    if (how == QStringLiteral("never opened")) return;
    Driver driver;
    driver.onWindow(&preview, [&] {
        if (how == QStringLiteral("Esc"))
            QTest::keyClick(preview.canvas, Qt::Key_Escape);
        else
            preview.close();
    });
    preview.open();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
}

void printAllInto(AppUnderTest& t, const QString& pdf) {
    t.dialogs.pdfFileAnswer = pdf;
    TPagePreview& preview = t.app.pagePreview();
    Driver driver;
    driver.onWindow(&preview, [&] { click(preview.BtnPrint); }).onWindow(&t.app.printBox(), [&] {
        click(t.app.printBox().btnPrint);
    });
    preview.open();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
}

}  // namespace

class ReportPaperTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { path_ = writeFamily(wizardFamily(), dir_.file("family.paf")); }
    void eachReportPrintsOnItsOwnPaper_data();
    void eachReportPrintsOnItsOwnPaper();

private:
    tw::test::TempDir dir_;
    std::string path_;
};

void ReportPaperTest::eachReportPrintsOnItsOwnPaper_data() {
    QTest::addColumn<QString>("before");  // the report run first
    QTest::addColumn<QString>("left");    // how its preview was left
    QTest::addColumn<int>("report");      // the ReportKind printed then
    QTest::addColumn<QSize>("points");    // its paper in PDF points
    const QSize letterPortrait(612, 792);
    const QSize letterLandscape(792, 612);
    const int ancestors = int(ReportKind::AncestorsListWithRepeats);
    const int dateChart = int(ReportKind::FamilyDateChart);
    for (const char* left : {"Esc", "frame", "never opened"}) {
        QTest::addRow("legal landscape, %s, then Ancestors List", left)
            << "legal landscape" << left << ancestors << letterPortrait;
        QTest::addRow("Ancestors List, %s, then Family Date Chart", left)
            << "Ancestors List" << left << dateChart << letterLandscape;
    }
}

void ReportPaperTest::eachReportPrintsOnItsOwnPaper() {
    QFETCH(QString, before);
    QFETCH(QString, left);
    QFETCH(int, report);
    QFETCH(QSize, points);
    AppUnderTest t;
    AppContext& ctx = t.app.context();
    QCOMPARE(ctx.file.open(path_), PafFile::kOpened);
    if (before == QStringLiteral("legal landscape"))
        writeLegalLandscapePages(ctx.pageLog);
    else
        runReport(t, ReportKind::AncestorsListWithRepeats, "1");
    leavePreview(t, left);

    runReport(t, ReportKind(report), "1");
    // The preview shows the new report's page, not the old paper.
    TPagePreview& preview = t.app.pagePreview();
    preview.prepare();
    const int ppi = preview.pixelsPerInch();
    QCOMPARE(preview.pageWidthPixels(), int(ppi * points.width() / 72.0));
    QCOMPARE(preview.pageHeightPixels(), int(ppi * points.height() / 72.0));

    const QString pdf = QString::fromStdString(dir_.file(std::string(QTest::currentDataTag()) + ".pdf"));
    printAllInto(t, pdf);
    QCOMPARE(t.dialogs.allButPdfNotices(), QString());
    QCOMPARE(pdfPageSize(pdf), points);
    QCOMPARE(pdfProblems(pdf), QString());
}

TW_GUI_TEST(ReportPaperTest);

}  // namespace tw::gui::test

#include "report_paper_test.moc"
