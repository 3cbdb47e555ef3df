#include "gui/language_choice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "base/translation.h"
#include "gui/translated.h"

namespace tw::gui {

std::vector<LanguageOption> languageOptions() {
    return {{QString(), TW_QTR("TitleWindow", "Automatic")},
            {QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")},
            {QStringLiteral("fr"), QStringLiteral("Français")},
            {QStringLiteral("es"), QStringLiteral("Español")},
            {QStringLiteral("nl"), QStringLiteral("Nederlands")},
            {QStringLiteral("sv"), QStringLiteral("Svenska")},
            {QStringLiteral("nb"), QStringLiteral("Norsk bokmål")}};
}

QTranslator* installQtTranslations() {
    const QString language = QString::fromStdString(languageInUse());
    if (language == QLatin1String("en") || QCoreApplication::instance() == nullptr) return nullptr;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace tw::gui
