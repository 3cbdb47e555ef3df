// The start window: what it asks for, the checks of the start field, the browse
// window with its list of spouses, and Cancel while a report runs.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "gui/browse_window.h"
#include "gui/data_file_window.h"
#include "gui/preview_window.h"
#include "gui/report_choice_window.h"
#include "gui/start_window.h"
#include "gui/title_window.h"
#include "gui_test_support.h"
#include "support/paf_fixture.h"

namespace tw::gui::test {

namespace {

// The steps from the title window to the start window for one report and file.
void walkToStartWindow(AppUnderTest& t, Driver& driver, ReportKind kind, const std::string& path) {
    TChooseList& list = t.app.chooseList();
    TChooseFile& file = t.app.chooseFile();
    driver.onWindow(&t.app.titleScreen(), [&t] { click(t.app.titleScreen().btnNext); })
        .onWindow(&list, [&list, kind] {
            click(list.radioButton(kind));
            click(list.btnNext);
        })
        .onWindow(&file, [&file, path] {
            file.cbFileName->setEditText(QString::fromStdString(path));
            click(file.btnNext);
        });
}

// From the start window (no report running) out of the program.
void leaveFromStartWindow(AppUnderTest& t, Driver& driver) {
    driver.onWindow(&t.app.chooseRin(), [&t] { click(t.app.chooseRin().btnCancel); })
        .onWindow(&t.app.chooseList(), [&t] { click(t.app.chooseList().btnExit); });
}

struct StartState {
    bool backEnabled = false;
    bool nextEnabled = false;
    bool nextVisible = false;
    bool previewVisible = false;
    size_t messages = 0;
};

StartState stateOf(AppUnderTest& t) {
    TChooseRin& start = t.app.chooseRin();
    return {start.btnBack->isEnabled(), start.btnNext->isEnabled(), start.btnNext->isVisible(),
            start.btnPreview->isVisible(), t.dialogs.messages.size()};
}

int lineOf(QListWidget* list, const QString& prefix) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(prefix)) return i;
    return -1;
}

void clickLine(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// A double click chooses a line: the press, release, press, release and double-click
// events a real mouse sends.
void doubleClickLine(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class StartWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { path_ = writeFamily(wizardFamily(), dir_.file("family.paf")); }
    void coupleReportChecksEveryMrin();
    void individualReportChecksTheRin();
    void browseChoosesAPersonOrAMarriage();
    void cancelStopsARunningReportAndTheNextRunStartsClear();
    void startFieldTakesDigitsCommasAndBlanks();
    void browseNamesTheNamelessAndFindsAName();

private:
    tw::test::TempDir dir_;
    std::string path_;
};

void StartWindowTest::coupleReportChecksEveryMrin() {
    AppUnderTest t;
    TChooseRin& start = t.app.chooseRin();
    QString question, field, note;
    bool foliageShown = false;
    StartState outOfRange, huge, listOk;
    int lettersErrors = -1;
    QStringList afterOutOfRange;
    Driver driver;
    walkToStartWindow(t, driver, ReportKind::FamilyTreeChart, path_);
    driver.onWindow(&start, [&] {
        question = start.lblQuestion->text();
        field = start.lblField->text();
        note = start.lblNote->text();
        foliageShown = start.cbFoliage->isVisible() && start.cbFoliage->isEnabled() && start.cbFoliage->isChecked();
        start.edtStart->setText(QStringLiteral("23,99999"));
        click(start.btnNext);
        outOfRange = stateOf(t);
        for (const ShownMessage& m : t.dialogs.messages) afterOutOfRange << m.caption + u':' + m.text;
        start.edtStart->setText(QStringLiteral("99999999999999999999"));
        click(start.btnNext);
        huge = stateOf(t);
        t.dialogs.messages.clear();
        // Letters read as MRIN 0, which passes the checks (the chart then decides).
        start.edtStart->setText(QStringLiteral("abc,"));
        click(start.btnNext);
        lettersErrors = 0;
        for (const ShownMessage& m : t.dialogs.messages) lettersErrors += m.caption == QStringLiteral("Error") ? 1 : 0;
        if (start.btnPreview->isVisible()) start.activate();
        t.dialogs.messages.clear();
        start.edtStart->setText(QStringLiteral("23, 24"));
        click(start.btnNext);
        listOk = stateOf(t);
    });
    leaveFromStartWindow(t, driver);
    t.app.run();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));

    QCOMPARE(question, QStringLiteral("Which couple do you want to start with?"));
    QCOMPARE(field, QStringLiteral("&MRIN:"));
    QCOMPARE(note, QStringLiteral("Note: If the same couple married more\n     than once, include both MRINs \n"
                                  "separated by a comma. example: 23,24"));
    QVERIFY(foliageShown);
    // The range comes with the refusal, in the same box.
    QCOMPARE(afterOutOfRange,
             QStringList{QStringLiteral("Error:This MRin is out of range\n(MRINs in this file run from 1 to 25)")});
    QVERIFY(outOfRange.backEnabled && outOfRange.nextEnabled && outOfRange.nextVisible && !outOfRange.previewVisible);
    QCOMPARE(huge.messages, size_t(2));
    QVERIFY(huge.backEnabled && huge.nextEnabled && !huge.previewVisible);
    // MRIN 0 passes the checks; the chart finds no couple, says so and writes nothing.
    QCOMPARE(lettersErrors, 1);
    // Both numbers pass their checks: the chart runs, or says it is not built yet.
    for (const ShownMessage& m : t.dialogs.messages) QVERIFY2(m.caption != QStringLiteral("Error"), qPrintable(m.text));
    QVERIFY(listOk.previewVisible || (listOk.messages == 1 && t.dialogs.messages[0].text.contains(u"not available")));
}

void StartWindowTest::individualReportChecksTheRin() {
    AppUnderTest t;
    TChooseRin& start = t.app.chooseRin();
    QString question, field, note;
    bool foliageHidden = false;
    StartState letters, ran;
    Driver driver;
    walkToStartWindow(t, driver, ReportKind::AncestorsListWithRepeats, path_);
    driver.onWindow(&start, [&] {
        question = start.lblQuestion->text();
        field = start.lblField->text();
        note = start.lblNote->text();
        foliageHidden = !start.cbFoliage->isVisible() && !start.cbFoliage->isEnabled();
        start.edtStart->setText(QStringLiteral("12345678901"));
        click(start.btnNext);
        letters = stateOf(t);
        start.edtStart->setText(QStringLiteral("4"));
        click(start.btnNext);
        ran = stateOf(t);
    });
    leaveFromStartWindow(t, driver);
    t.app.run();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QCOMPARE(question, QStringLiteral("Which individual do you want to start with?"));
    QCOMPARE(field, QStringLiteral("&RIN:"));
    QCOMPARE(note, QStringLiteral(" "));
    QVERIFY(foliageHidden);
    QVERIFY(letters.backEnabled && letters.nextEnabled && !letters.previewVisible);
    QVERIFY2(t.dialogs.all().startsWith(QStringLiteral("Error: This Rin is out of range\n(RINs in this file run from 1 to ")),
             qPrintable(t.dialogs.all()));
    // After a run Preview takes Next's place.
    QVERIFY(ran.previewVisible && !ran.nextVisible && ran.backEnabled);
    QCOMPARE(ran.messages, size_t(1));
    QCOMPARE(t.app.context().startRin, 4);
    QVERIFY(t.app.context().pageLog.storedPageCount() >= 1);
}

void StartWindowTest::browseChoosesAPersonOrAMarriage() {
    AppUnderTest t;
    TChooseRin& start = t.app.chooseRin();
    TchooseRinBrowse& browse = t.app.browse();
    QStringList firstLines;
    QString label;
    QString afterPerson, afterNoMarriage, afterOneMarriage, afterSpouse, afterCancel;
    bool stayedOnNoMarriage = false;
    bool oneClickSelects = false;
    QStringList spouses;
    Driver driver;
    // An individual wanted: a double click chooses the person.
    walkToStartWindow(t, driver, ReportKind::AncestorsListWithRepeats, path_);
    driver.onWindow(&start, [&] { click(start.btnBrowse); })
        .onWindow(&browse, [&] {
            label = browse.Label1->text();
            for (int i = 0; i < browse.ListBox1->count(); ++i) firstLines << browse.ListBox1->item(i)->text();
            // One click only selects: the window stays under a second click.
            clickLine(browse.ListBox1, lineOf(browse.ListBox1, QStringLiteral("Adam")));
            oneClickSelects = browse.isVisible() && browse.ListBox1->currentItem() != nullptr &&
                              browse.ListBox1->currentItem()->text().startsWith(u"Adam") && browse.btnChoose->isEnabled();
            doubleClickLine(browse.ListBox1, lineOf(browse.ListBox1, QStringLiteral("Dora")));
        })
        .onWindow(&start, [&] {
            afterPerson = start.edtStart->text();
            click(start.btnBack);
        })
        .onWindow(&t.app.chooseFile(), [&] { click(t.app.chooseFile().btnBack); });
    // A couple wanted: the person's marriage, through a list of spouses when several.
    driver.onWindow(&t.app.chooseList(), [&] {
            click(t.app.chooseList().radioButton(ReportKind::DescendantsList));
            click(t.app.chooseList().btnNext);
        })
        .onWindow(&t.app.chooseFile(), [&] { click(t.app.chooseFile().btnNext); })
        .onWindow(&start, [&] { click(start.btnBrowse); })
        .onWindow(&browse, [&] {
            doubleClickLine(browse.ListBox1, lineOf(browse.ListBox1, QStringLiteral("Dora")));
            stayedOnNoMarriage = browse.isVisible();
            doubleClickLine(browse.ListBox1, lineOf(browse.ListBox1, QStringLiteral("Emil")));
        })
        .onWindow(&start, [&] {
            afterNoMarriage = t.dialogs.messages.empty() ? QString() : t.dialogs.messages.back().text;
            afterOneMarriage = start.edtStart->text();
            click(start.btnBrowse);
        })
        .onWindow(&browse, [&] {
            doubleClickLine(browse.ListBox1, lineOf(browse.ListBox1, QStringLiteral("Adam")));
            for (int i = 0; i < browse.ListBox1->count(); ++i) spouses << browse.ListBox1->item(i)->text();
            doubleClickLine(browse.ListBox1, lineOf(browse.ListBox1, QStringLiteral("Clara")));
        })
        .onWindow(&start, [&] {
            afterSpouse = start.edtStart->text();
            start.edtStart->setText(QStringLiteral("17"));
            click(start.btnBrowse);
        })
        .onWindow(&browse, [&] { click(browse.btnCancel); })
        .onWindow(&start, [&] {
            afterCancel = start.edtStart->text();
            click(start.btnCancel);
        })
        .onWindow(&t.app.chooseList(), [&] { click(t.app.chooseList().btnExit); });
    t.app.run();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));

    QCOMPARE(label, QStringLiteral("Loading ... Done"));
    QCOMPARE(firstLines.size(), 6 + 3 * 22);
    QVERIFY(firstLines.contains(QStringLiteral("Adam /Tamble/    (b. 1820)")));
    QVERIFY(firstLines.contains(QStringLiteral("Clara /Voss/    (c. 1830)")));
    QVERIFY(oneClickSelects);
    QCOMPARE(afterPerson, QStringLiteral("4"));
    QVERIFY(stayedOnNoMarriage);
    QCOMPARE(afterNoMarriage, QStringLiteral("There is no marriage record for this person."));
    QCOMPARE(t.dialogs.all(), QStringLiteral("Notice: There is no marriage record for this person.\n"
                                             "Multiple marriages: Next you will see a list of spouses for \n\n"
                                             "Adam /Tamble/    (b. 1820)\n\n Please choose one.\n"));
    QCOMPARE(afterOneMarriage, QStringLiteral("3"));
    QCOMPARE(spouses, (QStringList{QStringLiteral("Berta /Kessling/"), QStringLiteral("Clara /Voss/")}));
    QCOMPARE(afterSpouse, QStringLiteral("2"));
    // Cancel in the browse window leaves the start typed.
    QCOMPARE(afterCancel, QStringLiteral("17"));
}

void StartWindowTest::cancelStopsARunningReportAndTheNextRunStartsClear() {
    constexpr int kGenerations = 40;
    const std::string path = writeFamily(longPedigree(kGenerations), dir_.file("pedigree.paf"));
    AppUnderTest t;
    TChooseRin& start = t.app.chooseRin();
    std::vector<int> progress;
    bool cancelPressed = false;
    bool labelsShownWhileRunning = false;
    // While a report runs only Cancel works, and the progress bar shows.
    bool onlyCancelWhileRunning = false;
    connect(&start, &TChooseRin::progressShown, this, [&](int generation) {
        progress.push_back(generation);
        labelsShownWhileRunning = labelsShownWhileRunning || (generation > 0 && start.lblComputing->isVisible() &&
                                                              start.lblGeneration->text() == QString::number(generation));
        if (generation == 3 && !cancelPressed) {
            onlyCancelWhileRunning = !start.btnBack->isEnabled() && !start.btnNext->isEnabled() &&
                                     !start.btnBrowse->isEnabled() && start.btnCancel->isEnabled() &&
                                     start.progressBar->isVisible() && !start.btnPreview->isVisible();
            cancelPressed = true;
            click(start.btnCancel);
        }
    });
    std::vector<int> firstRun;
    bool stayedAfterStop = false;
    bool stopClearAtSecondRun = false;
    QString previewPage;
    int lastPage = -1;
    bool previewIsTheDefault = false;
    StartState afterPreview;
    Driver driver;
    walkToStartWindow(t, driver, ReportKind::AncestorsListWithRepeats, path);
    driver.onWindow(&start, [&] { click(start.btnNext); })
        .onWindow(&start, [&] {
            firstRun = progress;
            progress.clear();
            stayedAfterStop = start.isVisible() && t.app.context().file.isOpen() && !t.app.chooseList().isActiveWindow() &&
                              start.edtStart->text() == QStringLiteral("1") && !start.btnPreview->isVisible();
        })
        .onWindow(&start, [&] {
            stopClearAtSecondRun = !t.app.host().stopRequested();
            click(start.btnNext);
            previewIsTheDefault = start.btnPreview->isDefault() && !start.btnNext->isDefault() &&
                                  !start.progressBar->isVisible() && start.btnBrowse->isEnabled();
            click(start.btnPreview);
            // Back from the preview: Next again, for another run.
            afterPreview = stateOf(t);
        })
        .onWindow(&t.app.pagePreview(), [&] {
            previewPage = t.app.pagePreview().EdtGotoPage->text();
            lastPage = t.app.context().pageLog.lastPageIndex();
            click(t.app.pagePreview().BtnCancel);
        });
    leaveFromStartWindow(t, driver);
    t.app.run();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));

    // The first run stopped soon after Cancel; the start window stays, with the file
    // open and nothing to preview.
    QVERIFY(cancelPressed);
    QVERIFY(labelsShownWhileRunning);
    QVERIFY(onlyCancelWhileRunning);
    QVERIFY(!firstRun.empty());
    QVERIFY2(*std::max_element(firstRun.begin(), firstRun.end()) <= 4, qPrintable(QString::number(firstRun.size())));
    QVERIFY(stayedAfterStop);
    // The second run went through every generation to "done".
    QVERIFY(stopClearAtSecondRun);
    QCOMPARE(progress.back(), -1);
    QVERIFY(*std::max_element(progress.begin(), progress.end()) >= kGenerations);
    QCOMPARE(start.lblGeneration->text(), QStringLiteral("done"));
    QVERIFY(lastPage >= 0);
    QCOMPARE(previewPage, QString::number(lastPage + 1));
    QVERIFY(previewIsTheDefault);
    QVERIFY(afterPreview.backEnabled && afterPreview.nextEnabled && afterPreview.nextVisible &&
            !afterPreview.previewVisible);
    QVERIFY2(t.dialogs.messages.empty(), qPrintable(t.dialogs.all()));
}

void StartWindowTest::startFieldTakesDigitsCommasAndBlanks() {
    AppUnderTest t;
    QLineEdit* field = t.app.chooseRin().edtStart;
    field->clear();
    QTest::keyClicks(field, QStringLiteral("2a3, 2-4;x 5+"));
    QCOMPARE(field->text(), QStringLiteral("23, 24 5"));
}

void StartWindowTest::browseNamesTheNamelessAndFindsAName() {
    tw::test::TempDir dir;
    WriterFamily family = wizardFamily();
    family.addPerson(tw::test::person("", 'F', {1, 1, 1901}));
    const std::string path = writeFamily(family, dir.file("nameless.paf"));
    AppUnderTest t;
    QCOMPARE(t.app.context().file.open(path), PafFile::kOpened);
    t.app.settings().startMode = 0;
    TchooseRinBrowse& browse = t.app.browse();
    QString nameless, byStart, byPart;
    Driver driver;
    driver.onWindow(&browse, [&] {
        const int row = lineOf(browse.ListBox1, QStringLiteral("(no name)"));
        if (row >= 0) nameless = browse.ListBox1->item(row)->text();
        QTest::keyClicks(browse.edtFind, QStringLiteral("EMI"));
        byStart = browse.ListBox1->currentItem()->text();
        browse.edtFind->clear();
        QTest::keyClicks(browse.edtFind, QStringLiteral("lenz"));
        byPart = browse.ListBox1->currentItem()->text();
        QTest::keyClick(browse.edtFind, Qt::Key_Return);  // chooses the line found
    });
    const int32_t chosen = browse.choose();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QCOMPARE(nameless, QStringLiteral("(no name)    (b. 1901)"));
    QVERIFY2(byStart.startsWith(QStringLiteral("Emil")), qPrintable(byStart));
    QVERIFY2(byPart.startsWith(QStringLiteral("Frieda")), qPrintable(byPart));
    QCOMPARE(chosen, 6);
}

TW_GUI_TEST(StartWindowTest);

}  // namespace tw::gui::test

#include "start_window_test.moc"
