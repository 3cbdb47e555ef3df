// What the windows say, and where they leave the user, when something goes wrong:
// the one message a run's damaged data comes to, the icons of the messages, a
// report refused until one is chosen, and finding a name whatever its accents.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "base/host.h"
#include "gui/browse_window.h"
#include "gui/data_file_window.h"
#include "gui/gui_host.h"
#include "gui/report_choice_window.h"
#include "gui/start_window.h"
#include "gui/title_window.h"
#include "gui/ui_dialogs.h"
#include "gui_test_support.h"
#include "paf/byte_order.h"
#include "paf/records.h"
#include "support/paf_fixture.h"

namespace tw::gui::test {

namespace {

// A couple with two children whose marriage links its first child to a child-link
// record that is not in the file.
std::string writeDamagedFamily(const tw::test::TempDir& dir) {
    auto good = tw::test::openFamily(tw::test::coupleWithChildren(2));
    std::vector<uint8_t> bytes = good->image;
    const paf::TableLayout& table = paf::kMarriages;
    const int64_t at = good->ctx.file.recordAddress(table.pageType, 1, table.recordSize, table.recordsPerPage);
    writeInt32le(bytes, size_t(at + paf::marriage::kFirstChildLink), 5000);
    const std::string path = dir.file("damaged.paf");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

}  // namespace

class WindowMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void heldMessagesComeToOne();
    void captionsChooseTheIcon();
    void namesAreFoundWhateverTheirCaseAndAccents();
    void damagedDataShowsOneMessageAndKeepsTheStartWindow();
    void nextWithoutAReportIsRefused();
    void startsAreKeptPerKindOfReport();
    void typingAnotherStartAsksForNextAgain();
};

void WindowMessagesTest::heldMessagesComeToOne() {
    const std::string corrupt(corruptDataMessage());
    const FatalStop damaged{"DLgetchildrins a", "myABORT 5000 -1", kExitCorruptData,
                            "marriage 1: child link 5000 cannot be read"};
    const FatalStop internal{"The page log is damaged", "Error", kExitFailure, ""};
    const struct {
        const char* what;
        HeldMessages held;
        std::optional<HeldMessage> expected;
    } cases[] = {
        {"nothing held", {}, std::nullopt},
        {"refusals, each once, in one box",
         {{{"This Rin is out of range", "Error"}, {"This Rin is out of range", "Error"}, {"Invalid start RIN", "Error"}},
          {},
          std::nullopt,
          false},
         HeldMessage{"This Rin is out of range\n\nThis Rin is out of range\n\nInvalid start RIN", "Error"}},
        {"readers that met damage, then the stop: one box saying where",
         {{{"The RIN is invalid", "Error"}, {"Invalid start RIN", "Error"}}, {}, damaged, true},
         HeldMessage{corrupt + "\n\nmarriage 1: child link 5000 cannot be read", "Abort"}},
        {"damage without a place: what the readers said",
         {{{"The RIN is invalid", "Error"}}, {}, std::nullopt, true},
         HeldMessage{corrupt + "\n\nThe RIN is invalid", "Abort"}},
        {"every place said",
         {{}, {"individual 3: record 300 cannot be read", "marriage 2: child link 9 cannot be read"}, std::nullopt, true},
         HeldMessage{corrupt + "\n\nindividual 3: record 300 cannot be read\nmarriage 2: child link 9 cannot be read",
                     "Abort"}},
        {"an internal error is not blamed on the data",
         {{{"The RIN is invalid", "Error"}}, {}, internal, true},
         HeldMessage{"The page log is damaged", "Error"}},
    };
    for (const auto& c : cases) {
        const std::optional<HeldMessage> got = combinedMessage(c.held);
        QVERIFY2(got.has_value() == c.expected.has_value(), c.what);
        if (got) {
            QCOMPARE(QString::fromStdString(got->caption), QString::fromStdString(c.expected->caption));
            QCOMPARE(QString::fromStdString(got->text), QString::fromStdString(c.expected->text));
        }
    }
}

void WindowMessagesTest::captionsChooseTheIcon() {
    const struct {
        const char* caption;
        MessageKind kind;
    } cases[] = {
        {"Abort", MessageKind::Warning},     // damaged data: to be mended in the family file
        {"Error", MessageKind::Warning},     // a start to correct
        {"Whoops", MessageKind::Warning},    // a report or a file to choose
        {"Whoops!", MessageKind::Warning},
        {"Alert!", MessageKind::Problem},    // a file that cannot be opened
        {"Notice", MessageKind::Information},
        {"GEDCOM import", MessageKind::Information},
    };
    for (const auto& c : cases)
        QVERIFY2(messageKindFor(QString::fromLatin1(c.caption)) == c.kind, c.caption);
}

void WindowMessagesTest::namesAreFoundWhateverTheirCaseAndAccents() {
    const struct {
        QString text, folded;
    } cases[] = {
        {QStringLiteral("Łukasz /Wójcik/"), QStringLiteral("lukasz /wojcik/")},
        {QStringLiteral("ÉMILE"), QStringLiteral("emile")},
        {QStringLiteral("Straße"), QStringLiteral("strasse")},
        {QStringLiteral("Søren Ærø"), QStringLiteral("soren aero")},
        {QStringLiteral("Þóra Guðrún"), QStringLiteral("thora gudrun")},
    };
    for (const auto& c : cases) QCOMPARE(TchooseRinBrowse::foldedForFinding(c.text), c.folded);
}

// A link to a record that is not in the file: the run ends with one box that says
// where, the program goes on, and the user is still in the start window.
void WindowMessagesTest::damagedDataShowsOneMessageAndKeepsTheStartWindow() {
    tw::test::TempDir dir;
    const std::string path = writeDamagedFamily(dir);
    AppUnderTest t;
    TChooseRin& start = t.app.chooseRin();
    bool stayed = false;
    QStringList titles;
    Driver driver;
    driver.onWindow(&t.app.titleScreen(), [&] { click(t.app.titleScreen().btnNext); })
        .onWindow(&t.app.chooseList(), [&] {
            click(t.app.chooseList().radioButton(ReportKind::DescendantsList));
            click(t.app.chooseList().btnNext);
        })
        .onWindow(&t.app.chooseFile(), [&] {
            titles << t.app.chooseFile().windowTitle();
            t.app.chooseFile().cbFileName->setEditText(QString::fromStdString(path));
            click(t.app.chooseFile().btnNext);
        })
        .onWindow(&start, [&] {
            titles << start.windowTitle();
            start.edtStart->setText(QStringLiteral("1"));
            click(start.btnNext);
            stayed = start.isVisible() && start.isShowingModal() && !start.btnPreview->isVisible() &&
                     start.btnNext->isEnabled() && t.app.context().file.isOpen();
            click(start.btnCancel);
        })
        .onWindow(&t.app.chooseList(), [&] { click(t.app.chooseList().btnExit); });
    t.app.run();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY(stayed);
    QCOMPARE(titles, (QStringList{QStringLiteral("Data file - Descendants List"),
                                  QStringLiteral("Start couple - Descendants List")}));
    QCOMPARE(t.dialogs.messages.size(), size_t(1));
    QCOMPARE(t.dialogs.messages[0].caption, QStringLiteral("Abort"));
    QVERIFY2(t.dialogs.messages[0].text.startsWith(QString::fromLatin1(corruptDataMessage().data(),
                                                                       qsizetype(corruptDataMessage().size()))) &&
                 t.dialogs.messages[0].text.contains(QStringLiteral("cannot be read")),
             qPrintable(t.dialogs.all()));
    QCOMPARE(t.app.context().pageLog.storedPageCount(), 0);
}

void WindowMessagesTest::nextWithoutAReportIsRefused() {
    AppUnderTest t;
    TChooseList& list = t.app.chooseList();
    list.uncheckAll();
    Driver driver;
    driver.onWindow(&list, [&] {
        click(list.btnNext);
        QVERIFY(!t.app.chooseFile().isVisible());
        click(list.btnExit);
    });
    list.showModal();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QCOMPARE(t.dialogs.all(), QStringLiteral("Whoops: Choose a report\n"));
}

// Back through the windows and forward again: the report, the file and the start
// typed for each kind of report are still there.
void WindowMessagesTest::startsAreKeptPerKindOfReport() {
    tw::test::TempDir dir;
    const std::string path = writeFamily(wizardFamily(), dir.file("family.paf"));
    AppUnderTest t;
    TChooseList& list = t.app.chooseList();
    TChooseFile& file = t.app.chooseFile();
    TChooseRin& start = t.app.chooseRin();
    QStringList shown;
    bool reportKept = false;
    QString pathKept;
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
            start.edtStart->setText(QStringLiteral("4"));
            click(start.btnBack);
        })
        .onWindow(&file, [&] { click(file.btnBack); })
        .onWindow(&list, [&] {
            reportKept = list.radioButton(ReportKind::AncestorsListWithRepeats)->isChecked();
            click(list.radioButton(ReportKind::DescendantsList));
            click(list.btnNext);
        })
        .onWindow(&file, [&] {
            pathKept = file.cbFileName->currentText();
            click(file.btnNext);
        })
        .onWindow(&start, [&] {
            shown << start.edtStart->text();
            start.edtStart->setText(QStringLiteral("3"));
            click(start.btnBack);
        })
        .onWindow(&file, [&] { click(file.btnBack); })
        .onWindow(&list, [&] {
            click(list.radioButton(ReportKind::AncestorsListWithoutRepeats));
            click(list.btnNext);
        })
        .onWindow(&file, [&] { click(file.btnNext); })
        .onWindow(&start, [&] {
            shown << start.edtStart->text();
            click(start.btnBack);
        })
        .onWindow(&file, [&] { click(file.btnBack); })
        .onWindow(&list, [&] {
            click(list.radioButton(ReportKind::DescendantsList));
            click(list.btnNext);
        })
        .onWindow(&file, [&] { click(file.btnNext); })
        .onWindow(&start, [&] {
            shown << start.edtStart->text();
            click(start.btnCancel);
        })
        .onWindow(&list, [&] { click(list.btnExit); });
    t.app.run();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY(reportKept);
    QCOMPARE(pathKept, QString::fromStdString(path));
    // A couple's start is its own; the individual's 4 comes back for the next list
    // that starts from an individual, and the couple's 3 for the next couple report.
    QCOMPARE(shown, (QStringList{QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("3")}));
    QVERIFY2(t.dialogs.messages.empty(), qPrintable(t.dialogs.all()));
}

// A run from one start, then another start typed: Preview would show the pages of
// the first, so Next takes its place again.
void WindowMessagesTest::typingAnotherStartAsksForNextAgain() {
    tw::test::TempDir dir;
    const std::string path = writeFamily(wizardFamily(), dir.file("family.paf"));
    AppUnderTest t;
    TChooseRin& start = t.app.chooseRin();
    bool previewAfterRun = false;
    bool nextAfterTyping = false;
    Driver driver;
    driver.onWindow(&t.app.titleScreen(), [&] { click(t.app.titleScreen().btnNext); })
        .onWindow(&t.app.chooseList(), [&] {
            click(t.app.chooseList().radioButton(ReportKind::AncestorsListWithRepeats));
            click(t.app.chooseList().btnNext);
        })
        .onWindow(&t.app.chooseFile(), [&] {
            t.app.chooseFile().cbFileName->setEditText(QString::fromStdString(path));
            click(t.app.chooseFile().btnNext);
        })
        .onWindow(&start, [&] {
            start.edtStart->setText(QStringLiteral("1"));
            click(start.btnNext);
            previewAfterRun = start.btnPreview->isVisible() && !start.btnNext->isVisible();
            start.edtStart->setFocus();
            start.edtStart->selectAll();
            QTest::keyClicks(start.edtStart, QStringLiteral("5"));
            nextAfterTyping = !start.btnPreview->isVisible() && start.btnNext->isVisible() && start.btnNext->isDefault();
            click(start.btnCancel);
        })
        .onWindow(&t.app.chooseList(), [&] { click(t.app.chooseList().btnExit); });
    t.app.run();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    QVERIFY(previewAfterRun);
    QVERIFY(nextAfterTyping);
}

TW_GUI_TEST(WindowMessagesTest);

}  // namespace tw::gui::test

#include "window_messages_test.moc"
