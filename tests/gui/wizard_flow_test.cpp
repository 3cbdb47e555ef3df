// The wizard's paths: Back, Next, Cancel and Exit through the title, report
// selection, data-file and start windows, driven through the real windows.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui/data_file_window.h"
#include "gui/report_choice_window.h"
#include "gui/start_window.h"
#include "gui/title_window.h"
#include "gui_test_support.h"
#include "support/paf_fixture.h"

namespace tw::gui::test {

class WizardFlowTest : public QObject {
    Q_OBJECT

private slots:
    void backFromReportSelectionShowsTheTitleAgainAndExitEnds();
    void startWindowBackKeepsThePathAndCancelKeepsTheReport();
    void listAndChartButtonsExcludeEachOther();
};

void WizardFlowTest::backFromReportSelectionShowsTheTitleAgainAndExitEnds() {
    AppUnderTest t;
    TTitleScreen& title = t.app.titleScreen();
    TChooseList& list = t.app.chooseList();
    bool titleHiddenDuringList = false;
    bool titleBackAfterBack = false;
    Driver driver;
    driver.onWindow(&title, [&] { click(title.btnNext); })
        .onWindow(&list, [&] {
            titleHiddenDuringList = !title.isVisible();
            click(list.btnBack);
        })
        .onWindow(&title, [&] {
            titleBackAfterBack = true;
            click(title.btnNext);
        })
        .onWindow(&list, [&] { click(list.btnExit); });
    QCOMPARE(t.app.run(), 0);
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY(titleHiddenDuringList);
    QVERIFY(titleBackAfterBack);
    // Exit closed the report selection and, with it, the title window.
    QVERIFY(!title.isVisible());
    QVERIFY(!list.isVisible());
    QVERIFY(!t.app.settings().wentBack);
}

void WizardFlowTest::startWindowBackKeepsThePathAndCancelKeepsTheReport() {
    tw::test::TempDir dir;
    const std::string path = writeFamily(wizardFamily(), dir.file("family.paf"));
    AppUnderTest t;
    TChooseList& list = t.app.chooseList();
    TChooseFile& file = t.app.chooseFile();
    TChooseRin& start = t.app.chooseRin();
    QString pathAfterBack;
    QString question;
    QString field;
    bool fileHiddenUnderStart = false;
    int checkedAfterCancel = -1;
    Driver driver;
    driver.onWindow(&t.app.titleScreen(), [&] { click(t.app.titleScreen().btnNext); })
        .onWindow(&list, [&] {
            click(list.radioButton(ReportKind::AncestorsListWithRepeats));
            click(list.btnNext);
        })
        .onWindow(&file, [&] {
            file.cbFileName->setEditText(QString::fromStdString(path));
            click(file.btnNext);
        })
        .onWindow(&start, [&] {
            fileHiddenUnderStart = !file.isVisible();
            question = start.lblQuestion->text();
            field = start.lblField->text();
            click(start.btnBack);
        })
        .onWindow(&file, [&] {
            pathAfterBack = file.cbFileName->currentText();
            click(file.btnNext);
        })
        .onWindow(&start, [&] { click(start.btnCancel); })
        .onWindow(&list, [&] {
            checkedAfterCancel = 0;
            for (QRadioButton* b : list.radioButtons) checkedAfterCancel += b->isChecked() ? 1 : 0;
            click(list.btnExit);
        });
    t.app.run();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY(fileHiddenUnderStart);
    QCOMPARE(question, QStringLiteral("Which individual do you want to start with?"));
    QCOMPARE(field, QStringLiteral("&RIN:"));
    QCOMPARE(pathAfterBack, QString::fromStdString(path));
    // The report stays chosen for the next run.
    QCOMPARE(checkedAfterCancel, 1);
    QVERIFY(!file.isVisible());
    QCOMPARE(t.app.settings().reportFlags[size_t(ReportKind::AncestorsListWithRepeats)], 1);
    QCOMPARE(t.dialogs.messages.size(), size_t(0));
}

void WizardFlowTest::listAndChartButtonsExcludeEachOther() {
    AppUnderTest t;
    TChooseList& list = t.app.chooseList();
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    click(list.radioButton(ReportKind::DescendantsList));
    click(list.radioButton(ReportKind::FamilyTreeChart));
    QVERIFY(!list.radioButton(ReportKind::DescendantsList)->isChecked());
    click(list.radioButton(ReportKind::AncestorsListWithoutRepeats));
    QVERIFY(!list.radioButton(ReportKind::FamilyTreeChart)->isChecked());
    click(list.radioButton(ReportKind::FamilyTreeChart));

    // Next stores one flag per report; the data-file window follows, and after it
    // the report stays chosen.
    Driver driver;
    driver.onWindow(&t.app.chooseFile(), [&] { click(t.app.chooseFile().btnCancel); });
    click(list.btnNext);
    QVERIFY(driver.finished());
    ReportFlags expected{};
    expected[size_t(ReportKind::FamilyTreeChart)] = 1;
    QCOMPARE(t.app.settings().reportFlags, expected);
    for (QRadioButton* b : list.radioButtons)
        QVERIFY2(b->isChecked() == (b == list.radioButton(ReportKind::FamilyTreeChart)), qPrintable(b->objectName()));
    list.hide();
}

TW_GUI_TEST(WizardFlowTest);

}  // namespace tw::gui::test

#include "wizard_flow_test.moc"
