#pragma once
// What the desktop knows the windows by: the application's name and version, the
// desktop entry they belong to (docks match the windows to their launcher by it,
// and by the window class, which Qt takes from the application's name), and the
// icon every window carries.

#include <QIcon>

namespace tw::gui {

// The name of the application's icon in the icon theme, as its desktop entry names it.
inline constexpr const char* kIconName = "tamblewin";

// Sets the application's name, version, desktop entry and window icon. Call once
// the application object exists.
void setApplicationIdentity();

// The icon of the installed icon theme, else the one built into the program.
QIcon applicationIcon();

}  // namespace tw::gui
