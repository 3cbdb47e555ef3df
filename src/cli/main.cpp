#include <string>
#include <vector>

#include "cli/commands.h"
#ifdef TAMBLEWIN_HAS_GUI
#include "gui/gui_main.h"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
#ifdef TAMBLEWIN_HAS_GUI
    // Without a command the windows open (with a lone data file, with that file
    // chosen); commands work without a display.
    if (args.empty()) return tw::gui::runGui(argc, argv);
    if (tw::cli::isDataFileArgument(args)) return tw::gui::runGui(argc, argv, args[0]);
#endif
    return tw::cli::runCommandLine(args);
}
