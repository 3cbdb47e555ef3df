#include "gui/app_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tw::gui {

namespace {

const QString kPaperKey = QStringLiteral("Paper");
const QString kLargeSheetsKey = QStringLiteral("LargeSheets");

QString configHomeOr(const QString& configHome) {
    return configHome.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : configHome;
}

QString settingsFile(const QString& configHome) {
    return settingsFolder(configHome) + QStringLiteral("/tamblewin.conf");
}

// Copies every value of the old file into the new one, then removes the old file
// (and its folder, when nothing else is left in it).
void moveOldSettings(const QString& configHome) {
    const QString newFile = settingsFile(configHome);
    const QString oldFolder = configHomeOr(configHome) + QStringLiteral("/Tamblewin");
    const QString oldFile = oldFolder + QStringLiteral("/Tamblewin.conf");
    // On a file system that ignores case the two names are one file.
    if (QFileInfo::exists(newFile) || !QFileInfo::exists(oldFile) ||
        QFileInfo(oldFile).canonicalFilePath() == QFileInfo(newFile).canonicalFilePath())
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
    moveOldSettings(configHome);
    return std::make_unique<QSettings>(settingsFile(configHome), QSettings::IniFormat);
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

}  // namespace tw::gui
