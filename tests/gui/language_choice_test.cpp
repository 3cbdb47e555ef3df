// The language of the windows: chosen in the title window, kept in the settings and
// shown again at the next start, which speaks it (a language named on the command
// line wins), with Qt's own texts in it too.

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTest>
#include <QTranslator>
#include <string>
#include <vector>

#include "base/ordinal.h"
#include "base/translation.h"
#include "gui/app_settings.h"
#include "gui/language_choice.h"
#include "gui/title_window.h"
#include "gui_test_support.h"

namespace tw::gui::test {

namespace {

const QString kLanguageKey = QStringLiteral("Language");

void forgetLanguageChoice() { openSettings()->remove(kLanguageKey); }

// Chooses the language named name in the title window's list, as a click would.
void chooseLanguage(TTitleScreen& title, const QString& name) {
    const int index = title.cbLanguage->findText(name);
    QVERIFY2(index >= 0, qPrintable(name));
    title.cbLanguage->setCurrentIndex(index);
    emit title.cbLanguage->activated(index);
}

}  // namespace

class LanguageChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void init() { forgetLanguageChoice(); }
    void cleanup() { useLanguage("en", {}); }
    void cleanupTestCase() { forgetLanguageChoice(); }
    void aChoiceIsKeptAndShownAtTheNextStart_data();
    void aChoiceIsKeptAndShownAtTheNextStart();
    void theStartTakesTheCommandLineOverTheChoice_data();
    void theStartTakesTheCommandLineOverTheChoice();
    void theStartSpeaksTheChosenLanguageWithQtsOwnTexts();
};

void LanguageChoiceTest::aChoiceIsKeptAndShownAtTheNextStart_data() {
    QTest::addColumn<QString>("before");  // kept before, empty for none
    QTest::addColumn<QString>("name");    // chosen in the list
    QTest::addColumn<QString>("code");    // kept after, empty for none
    QTest::newRow("German") << "" << "Deutsch" << "de";
    QTest::newRow("Norwegian Bokmål") << "" << "Norsk bokmål" << "nb";
    QTest::newRow("English over the environment's") << "" << "English" << "en";
    QTest::newRow("French over German") << "de" << "Français" << "fr";
    QTest::newRow("Automatic again") << "sv" << "Automatic" << "";
}

void LanguageChoiceTest::aChoiceIsKeptAndShownAtTheNextStart() {
    QFETCH(QString, before);
    QFETCH(QString, name);
    QFETCH(QString, code);
    if (!before.isEmpty()) saveLanguageChoice(*openSettings(), before);
    {
        AppUnderTest t;
        QCOMPARE(t.app.titleScreen().cbLanguage->currentData().toString(), before);
        chooseLanguage(t.app.titleScreen(), name);
    }
    const auto settings = openSettings();
    QCOMPARE(settings->contains(kLanguageKey), !code.isEmpty());
    QCOMPARE(loadLanguageChoice(*settings), code);
    AppUnderTest next;
    QCOMPARE(next.app.titleScreen().cbLanguage->currentText(), name);
    // The words of the windows change only when they start again.
    QCOMPARE(languageInUse(), std::string("en"));
}

void LanguageChoiceTest::theStartTakesTheCommandLineOverTheChoice_data() {
    QTest::addColumn<QString>("kept");  // in the settings, empty for none
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("language");  // empty: the environment's
    QTest::newRow("the choice") << "de" << "" << "de";
    QTest::newRow("English chosen") << "en" << "" << "en";
    QTest::newRow("the option over the choice") << "de" << "fr" << "fr";
    QTest::newRow("the option without a choice") << "" << "sv" << "sv";
    QTest::newRow("neither: the environment's") << "" << "" << "";
    QTest::newRow("a kept language not shipped") << "xx" << "" << "";
}

void LanguageChoiceTest::theStartTakesTheCommandLineOverTheChoice() {
    QFETCH(QString, kept);
    QFETCH(QString, option);
    QFETCH(QString, language);
    if (!kept.isEmpty()) openSettings()->setValue(kLanguageKey, kept);
    QCOMPARE(QString::fromStdString(startLanguage(option.toStdString(), *openSettings())), language);
}

void LanguageChoiceTest::theStartSpeaksTheChosenLanguageWithQtsOwnTexts() {
    const std::vector<std::string> folders{TAMBLEWIN_TRANSLATIONS_DIR};
    if (!QFile::exists(QStringLiteral(TAMBLEWIN_TRANSLATIONS_DIR "/tamblewin_de.qm")))
        QSKIP("this build has no catalogues (they are built with Qt's lrelease)");
    // English, as chosen, has no translator for Qt's texts.
    saveLanguageChoice(*openSettings(), QStringLiteral("en"));
    useLanguage(startLanguage("", *openSettings()), folders);
    QVERIFY(installQtTranslations() == nullptr);

    saveLanguageChoice(*openSettings(), QStringLiteral("de"));
    useLanguage(startLanguage("", *openSettings()), folders);
    QCOMPARE(languageInUse(), std::string("de"));
    QCOMPARE(ordinal(2), std::string("2."));
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(qtTranslations + QStringLiteral("/qtbase_de.qm"))) QSKIP("Qt's German texts are not installed");
    QTranslator* translator = installQtTranslations();
    QVERIFY(translator != nullptr);
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    QCoreApplication::removeTranslator(translator);
    delete translator;
    QCOMPARE(cancel, QStringLiteral("Abbrechen"));
}

TW_GUI_TEST(LanguageChoiceTest);

}  // namespace tw::gui::test

#include "language_choice_test.moc"
