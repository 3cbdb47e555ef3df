// Find in the browse window: what is typed chooses the line it finds, or nobody, and
// says when nothing holds it; Enter then chooses that line, or nobody.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "gui/browse_window.h"
#include "gui_test_support.h"
#include "support/paf_fixture.h"

namespace tw::gui::test {

namespace {

WriterFamily findFamily() {
    WriterFamily family = wizardFamily();
    family.addPerson(tw::test::person("Łukasz /Wójcik/", 'M', {1, 1, 1901}));
    family.addPerson(tw::test::person("Zacharias /Zimmer/", 'M', {1, 1, 1902}));
    return family;
}

}  // namespace

class BrowseFindTest : public QObject {
    Q_OBJECT

private slots:
    void typedTextChoosesTheLineItFindsOrNobody_data();
    void typedTextChoosesTheLineItFindsOrNobody();
};

void BrowseFindTest::typedTextChoosesTheLineItFindsOrNobody_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");  // the start of the line found; empty: none
    QTest::newRow("the start of a name") << QStringLiteral("emil") << QStringLiteral("Emil");
    QTest::newRow("a surname inside the line") << QStringLiteral("LENZ") << QStringLiteral("Frieda");
    QTest::newRow("without its accents") << QStringLiteral("lukasz") << QStringLiteral("Łukasz");
    QTest::newRow("with accents, other case") << QStringLiteral("WÓJCIK") << QStringLiteral("Łukasz");
    QTest::newRow("z, then letters nobody has") << QStringLiteral("zzz") << QString();
    QTest::newRow("a surname nobody has") << QStringLiteral("smith") << QString();
}

void BrowseFindTest::typedTextChoosesTheLineItFindsOrNobody() {
    QFETCH(QString, typed);
    QFETCH(QString, found);
    AppUnderTest t;
    // Names in UTF-8, as a GEDCOM file's import keeps them.
    QCOMPARE(t.app.context().file.openImage(buildPafImage(findFamily()).flatten(), TextEncoding::Utf8), PafFile::kOpened);
    t.app.settings().startMode = 0;
    TchooseRinBrowse& browse = t.app.browse();
    QString current, sign;
    int selected = -1;
    int32_t lineRin = 0;  // the RIN of the line found
    bool stayedAfterEnter = false;
    Driver driver;
    driver.onWindow(&browse, [&] {
        // A line chosen first by hand does not survive text that it does not hold.
        browse.ListBox1->setCurrentRow(0);
        QTest::keyClicks(browse.edtFind, typed);
        current = browse.ListBox1->currentItem() != nullptr ? browse.ListBox1->currentItem()->text() : QString();
        selected = int(browse.ListBox1->selectedItems().size());
        sign = browse.lblNotFound->text();
        const int row = browse.ListBox1->currentRow();
        if (row >= 0) lineRin = browse.lineNumbers()[size_t(row)];
        QTest::keyClick(browse.edtFind, Qt::Key_Return);
        stayedAfterEnter = browse.isVisible();
        if (stayedAfterEnter) click(browse.btnCancel);
    });
    const int32_t rin = browse.choose();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    if (found.isEmpty()) {
        QVERIFY2(current.isEmpty(), qPrintable(current));
        QCOMPARE(selected, 0);
        QCOMPARE(sign, QStringLiteral("No name holds \"%1\"").arg(typed));
        QVERIFY(!browse.btnChoose->isEnabled());
        QVERIFY(stayedAfterEnter);
    } else {
        QVERIFY2(current.startsWith(found), qPrintable(current));
        QCOMPARE(selected, 1);
        QCOMPARE(sign, QString());
    }
    // Enter chose the line found, or nobody.
    QCOMPARE(rin, found.isEmpty() ? 0 : lineRin);
    if (typed == QStringLiteral("emil")) QCOMPARE(rin, 5);
}

TW_GUI_TEST(BrowseFindTest);

}  // namespace tw::gui::test

#include "browse_find_test.moc"
