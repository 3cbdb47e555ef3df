#include "gui/recent_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <vector>

#include "gui/app_settings.h"
#include "paf/file_bytes.h"

namespace tw::gui {

namespace {

// Wine's user registry of a long-used prefix runs to a few MiB.
constexpr uint64_t kLargestRegistryFile = uint64_t(64) << 20;

const QString kPafKey = QStringLiteral("Software\\LDS Church\\FamilySearch\\Personal Ancestral File 5\\Recent File List");

int hexValue(QChar c) {
    const char16_t u = c.toLower().unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    return -1;
}

// A registry file escapes backslashes and quotes with a backslash, and writes other
// characters as \xHHHH.
QString unescape(QStringView text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const QChar next = text[++i];
        if (next == u'x') {
            qsizetype j = i + 1;
            uint code = 0;
            int digits = 0;
            while (j < text.size() && digits < 4) {
                const int d = hexValue(text[j]);
                if (d < 0) break;
                code = code * 16 + uint(d);
                ++digits;
                ++j;
            }
            if (digits > 0) out += QChar(char16_t(code));
            i = j - 1;
        } else if (next == u'n') {
            out += u'\n';
        } else if (next == u't') {
            out += u'\t';
        } else if (next == u'0') {
            break;  // the string ends at a NUL
        } else {
            out += next;
        }
    }
    return out;
}

QString wineHome() {
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : prefix;
}

}  // namespace

std::array<QString, 4> parseWineRecentFiles(const QString& registryText, const QString& keyPath) {
    std::array<QString, 4> values;
    QString wanted = keyPath;
    wanted.replace(u'\\', QStringLiteral("\\\\"));
    bool inKey = false;
    for (QStringView line : QStringView(registryText).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            const qsizetype close = line.lastIndexOf(u']');
            const QStringView name = close > 0 ? line.mid(1, close - 1) : line.mid(1);
            inKey = name.compare(wanted, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inKey || !line.startsWith(u'"')) continue;
        const qsizetype endName = line.indexOf(u'"', 1);
        if (endName < 0 || endName + 2 >= line.size() || line[endName + 1] != u'=') continue;
        const QStringView name = line.mid(1, endName - 1);
        QStringView value = line.mid(endName + 2);
        if (!value.startsWith(u'"')) continue;  // only string values
        value = value.mid(1);
        // The closing quote is the last one on the line.
        const qsizetype endValue = value.lastIndexOf(u'"');
        if (endValue < 0) continue;
        value = value.left(endValue);
        for (int n = 1; n <= 4; ++n)
            if (name.compare(QStringLiteral("File%1").arg(n), Qt::CaseInsensitive) == 0) values[size_t(n - 1)] = unescape(value);
    }
    return values;
}

QString wineToUnixPath(const QString& winePrefix, const QString& windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != u':' || !windowsPath[0].isLetter()) return {};
    const QString drive = winePrefix + QStringLiteral("/dosdevices/") + windowsPath[0].toLower() + u':';
    if (!QFileInfo::exists(drive)) return {};
    QString rest = windowsPath.mid(2);
    rest.replace(u'\\', u'/');
    if (!rest.startsWith(u'/')) rest.prepend(u'/');
    return drive + rest;
}

std::array<QString, 4> wineRecentFileValues(const QString& winePrefix) {
    std::array<QString, 4> values;
    // Read as the data file is: a named pipe or a device there is passed over.
    std::vector<uint8_t> bytes;
    const QString path = winePrefix + QStringLiteral("/user.reg");
    if (!readWholeFile(QFile::encodeName(path).toStdString(), kLargestRegistryFile, bytes).ok()) return values;
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const std::array<QString, 4> stored = parseWineRecentFiles(text, kPafKey);
    for (size_t i = 0; i < stored.size(); ++i)
        if (!stored[i].isEmpty()) values[i] = wineToUnixPath(winePrefix, stored[i]);
    return values;
}

std::array<QString, 4> pafRecentFileValues() {
#ifdef Q_OS_WIN
    std::array<QString, 4> values;
    QSettings registry(QStringLiteral("HKEY_CURRENT_USER\\") + kPafKey, QSettings::NativeFormat);
    for (int n = 1; n <= 4; ++n) values[size_t(n - 1)] = registry.value(QStringLiteral("File%1").arg(n)).toString();
    return values;
#else
    return wineRecentFileValues(wineHome());
#endif
}

QStringList pafRecentFiles() {
    QStringList list;
    for (const QString& value : pafRecentFileValues())
        if (!value.isEmpty()) list << value;
    return list;
}

QStringList OwnRecentFiles::list() const {
    QStringList files = openSettings()->value(QStringLiteral("RecentFiles")).toStringList();
    files.removeAll(QString());
    while (files.size() > kKept) files.removeLast();
    return files;
}

void OwnRecentFiles::remember(const QString& path) {
    QStringList files = list();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kKept) files.removeLast();
    openSettings()->setValue(QStringLiteral("RecentFiles"), files);
}

}  // namespace tw::gui
