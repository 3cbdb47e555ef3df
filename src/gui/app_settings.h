#pragma once
// The program's own settings (the files opened lately): one file in the program's
// configuration folder, beside the Descendant Summary Chart's tuning file:
// $XDG_CONFIG_HOME/tamblewin/tamblewin.conf, else ~/.config/tamblewin/tamblewin.conf.
// Earlier versions kept them in ~/.config/Tamblewin/Tamblewin.conf; the first use
// moves them over.

#include <QSettings>
#include <QString>
#include <memory>

namespace tw::gui {

// The configuration folder under configHome (the user's XDG configuration folder
// when empty).
QString settingsFolder(const QString& configHome = QString());

// The settings, with those of the old place moved in first when there are any and
// the new file does not exist yet.
std::unique_ptr<QSettings> openSettings(const QString& configHome = QString());

}  // namespace tw::gui
