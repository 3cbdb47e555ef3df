#pragma once
// The languages the title window offers, and Qt's own words (the buttons and texts
// of its file and message boxes) in the language in use.

#include <QString>
#include <vector>

class QTranslator;

namespace tw::gui {

struct LanguageOption {
    QString code;  // empty: the environment's language
    QString name;
};

// Automatic (the environment's language) first, then English and the shipped
// languages, each by its own name for itself.
std::vector<LanguageOption> languageOptions();

// Makes Qt's own texts those of the language in use (qtbase_LL.qm from Qt's
// translations folder) when it is not English and Qt has them there: the translator,
// owned by the application object, or nullptr.
QTranslator* installQtTranslations();

}  // namespace tw::gui
