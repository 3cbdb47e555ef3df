#pragma once
// The Qt module (tamblewin-qt.so): the whole program again, with the windows and
// the PNG and SVG printers. The executable leaves Qt's libraries unloaded, which
// saves their loading on every start, and hands the module the runs that need Qt:
// without a command (the windows), with a lone data file (the windows with that
// file), and reports written as PNG or SVG pages.

#include <string>
#include <vector>

namespace tw::cli {

// The entry point the module exports, called as main is.
extern "C" {
using QtModuleMain = int(int argc, char** argv);
}
inline constexpr const char* kQtModuleEntry = "tamblewin_qt_main";
inline constexpr const char* kQtModuleFile = "tamblewin-qt.so";

// Whether a run with these arguments (after the program's name) needs Qt.
bool needsQtModule(const std::vector<std::string>& args);

// Loads the module and runs main's arguments in it; its exit status, or a message
// and status 1 when the module cannot be loaded.
int runInQtModule(int argc, char** argv);

}  // namespace tw::cli
