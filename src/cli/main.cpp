#include <string>
#include <vector>

#include "cli/commands.h"
#ifdef TAMBLEWIN_HAS_QT_MODULE
#include "cli/qt_module.h"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
#ifdef TAMBLEWIN_HAS_QT_MODULE
    // The windows, and PNG and SVG pages, run in the Qt module.
    if (tw::cli::needsQtModule(args)) return tw::cli::runInQtModule(argc, argv);
#endif
    return tw::cli::runCommandLine(args);
}
