#pragma once
// The data files offered in the data-file window: the recent-file list of PAF 5
// itself, and the last four files this program opened.
//
// PAF keeps its list in the registry, under the current user's key
// "Software\LDS Church\FamilySearch\Personal Ancestral File 5\Recent File List",
// string values File1 to File4. On Windows the key is read through QSettings; on
// Linux, where PAF runs under Wine, from Wine's copy of that registry (user.reg in
// $WINEPREFIX, else ~/.wine), with drive letters mapped through its dosdevices
// folder. The list is read only, never written. Missing means empty.

#include <QString>
#include <QStringList>
#include <array>

namespace tw::gui {

// File1..File4 as stored (empty where a value is missing), for the Windows registry
// or a Wine prefix.
std::array<QString, 4> pafRecentFileValues();
std::array<QString, 4> wineRecentFileValues(const QString& winePrefix);
// A Windows path ("C:\Users\me\family.paf") as a path under the Wine prefix, through
// dosdevices ("<prefix>/dosdevices/c:/Users/me/family.paf"); empty when the drive is
// not mapped.
QString wineToUnixPath(const QString& winePrefix, const QString& windowsPath);
// The values of one registry key from the text of a Wine registry file.
// keyPath uses single backslashes.
std::array<QString, 4> parseWineRecentFiles(const QString& registryText, const QString& keyPath);

// The non-empty values in order: PAF's list.
QStringList pafRecentFiles();

// This program's own list of the last four files it opened, most recent first,
// kept in its settings (gui/app_settings.h, key RecentFiles).
class OwnRecentFiles {
public:
    static constexpr int kKept = 4;
    QStringList list() const;
    void remember(const QString& path);
};

}  // namespace tw::gui
