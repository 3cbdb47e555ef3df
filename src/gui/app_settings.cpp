#include "gui/app_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

#include "base/translation.h"
#include "paf/file_bytes.h"

namespace tw::gui {

namespace {

const QString kPaperKey = QStringLiteral("Paper");
const QString kLargeSheetsKey = QStringLiteral("LargeSheets");
const QString kLanguageKey = QStringLiteral("Language");

QString configHomeOr(const QString& configHome) {
    return configHome.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : configHome;
}

QString settingsFile(const QString& configHome) {
    return settingsFolder(configHome) + QStringLiteral("/tamblewin.conf");
}

// A settings file is a few lines; anything much larger is no settings file.
constexpr uint64_t kLargestSettingsFile = uint64_t(1) << 20;

// Why the settings file at path may not be read or written (a named pipe, a device,
// a folder or a huge file in its place); empty when it may.
std::string settingsFileRefusal(const QString& path) {
    return inputFileRefusal(QFile::encodeName(path).toStdString(), kLargestSettingsFile);
}

// Where the settings of a run go whose settings file may not be used: a file of
// this run's own, removed when it ends. Said once.
QString runOnlySettingsFile(const QString& refused, const std::string& refusal) {
    static QTemporaryDir folder;
    static bool said = false;
    if (!said) {
        said = true;
        std::fprintf(stderr, "tamblewin: the settings file %s is passed over: %s; settings are kept until the program ends\n",
                     QFile::encodeName(refused).constData(), refusal.c_str());
    }
    return folder.isValid() ? folder.filePath(QStringLiteral("tamblewin.conf")) : QString();
}

// Copies every value of the old file into the new one, then removes the old file
// (and its folder, when nothing else is left in it).
void moveOldSettings(const QString& configHome) {
    const QString newFile = settingsFile(configHome);
    const QString oldFolder = configHomeOr(configHome) + QStringLiteral("/Tamblewin");
    const QString oldFile = oldFolder + QStringLiteral("/Tamblewin.conf");
    // On a file system that ignores case the two names are one file.
    if (QFileInfo::exists(newFile) || !QFileInfo::exists(oldFile) ||
        QFileInfo(oldFile).canonicalFilePath() == QFileInfo(newFile).canonicalFilePath() ||
        !settingsFileRefusal(oldFile).empty())
        return;
    {
        QSettings from(oldFile, QSettings::IniFormat);
        QSettings to(newFile, QSettings::IniFormat);
        for (const QString& key : from.allKeys()) to.setValue(key, from.value(key));
        to.sync();
        if (to.status() != QSettings::NoError) return;
    }
    QFile::remove(oldFile);
    QDir().rmdir(oldFolder);
}

}  // namespace

QString settingsFolder(const QString& configHome) { return configHomeOr(configHome) + QStringLiteral("/tamblewin"); }

std::unique_ptr<QSettings> openSettings(const QString& configHome) {
    const QString file = settingsFile(configHome);
    if (const std::string refusal = settingsFileRefusal(file); !refusal.empty())
        return std::make_unique<QSettings>(runOnlySettingsFile(file, refusal), QSettings::IniFormat);
    moveOldSettings(configHome);
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

PaperChoice loadPaperChoice(const QSettings& settings, Paper systemDefault) {
    PaperChoice choice;
    const QByteArray name = settings.value(kPaperKey).toString().toUtf8();
    choice.paper = paperNamed(std::string_view(name.constData(), size_t(name.size()))).value_or(systemDefault);
    choice.largeSheets = settings.value(kLargeSheetsKey, false).toBool();
    return choice;
}

void savePaperChoice(QSettings& settings, const PaperChoice& choice) {
    const std::string_view name = paperName(choice.paper);
    settings.setValue(kPaperKey, QString::fromUtf8(name.data(), qsizetype(name.size())));
    settings.setValue(kLargeSheetsKey, choice.largeSheets);
}

QString loadLanguageChoice(const QSettings& settings) {
    const QString code = settings.value(kLanguageKey).toString();
    if (code == QLatin1String("en")) return code;
    for (const std::string_view shipped : shippedLanguages())
        if (code == QLatin1String(shipped.data(), qsizetype(shipped.size()))) return code;
    return {};
}

void saveLanguageChoice(QSettings& settings, const QString& code) {
    if (code.isEmpty())
        settings.remove(kLanguageKey);
    else
        settings.setValue(kLanguageKey, code);
}

std::string startLanguage(const std::string& commandLineCode, const QSettings& settings) {
    return commandLineCode.empty() ? loadLanguageChoice(settings).toStdString() : commandLineCode;
}

}  // namespace tw::gui
