#pragma once
// The program's own settings (the files opened lately, the paper, the language): one file in the program's
// configuration folder, beside the Descendant Summary Chart's tuning file:
// $XDG_CONFIG_HOME/tamblewin/tamblewin.conf, else ~/.config/tamblewin/tamblewin.conf.
// Earlier versions kept them in ~/.config/Tamblewin/Tamblewin.conf; the first use
// moves them over.

#include <QSettings>
#include <QString>
#include <memory>
#include <string>

#include "output/paper.h"

namespace tw::gui {

// The configuration folder under configHome (the user's XDG configuration folder
// when empty).
QString settingsFolder(const QString& configHome = QString());

// The settings, with those of the old place moved in first when there are any and
// the new file does not exist yet.
std::unique_ptr<QSettings> openSettings(const QString& configHome = QString());

// The paper the windows lay reports out on when they print into a PDF file, and
// whether the Descendant Summary Chart may take an A3 sheet on the A series.
struct PaperChoice {
    Paper paper = Paper::Letter;
    bool largeSheets = false;
    bool operator==(const PaperChoice&) const = default;
};

// The choice kept in the settings; systemDefault until the user has chosen a paper
// (or when the one kept is no paper this program knows).
PaperChoice loadPaperChoice(const QSettings& settings, Paper systemDefault);
void savePaperChoice(QSettings& settings, const PaperChoice& choice);

// The language the windows speak, chosen in the title window: the code of English
// or of a shipped language, or empty for the environment's (Automatic, also for a
// code this program does not ship). It takes effect when the windows next start.
QString loadLanguageChoice(const QSettings& settings);
void saveLanguageChoice(QSettings& settings, const QString& code);

// The language the windows start in: the command line's code when it gave one, else
// the one chosen in the settings (empty: the environment's).
std::string startLanguage(const std::string& commandLineCode, const QSettings& settings);

}  // namespace tw::gui
