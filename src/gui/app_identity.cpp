#include "gui/app_identity.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "base/build_info.h"

namespace tw::gui {

namespace {

// The built-in icon drawn at the sizes desktops ask for: drawn here rather than left
// to Qt's SVG icon plugin, so that it is there even without that plugin.
QIcon builtInIcon() {
    QIcon icon;
    QSvgRenderer svg(QStringLiteral(":/icons/tamblewin.svg"));
    if (!svg.isValid()) return icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        svg.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QIcon applicationIcon() { return QIcon::fromTheme(QLatin1String(kIconName), builtInIcon()); }

void setApplicationIdentity() {
    // The name is also the window class (WM_CLASS "tamblewin", "Tamblewin") that the
    // desktop entry's StartupWMClass names, and the folder of the settings.
    QApplication::setApplicationName(QStringLiteral("Tamblewin"));
    QApplication::setOrganizationName(QStringLiteral("Tamblewin"));
    QApplication::setApplicationVersion(QLatin1String(kProgramVersion));
    QGuiApplication::setDesktopFileName(QLatin1String(kDesktopEntryId));
    QApplication::setWindowIcon(applicationIcon());
}

}  // namespace tw::gui
