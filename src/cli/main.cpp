#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/language.h"
#ifdef TAMBLEWIN_HAS_QT_MODULE
#include "cli/qt_module.h"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::optional<std::string> language = tw::cli::takeLanguageOption(args);
    if (!language) return tw::cli::usageError("--language takes a language code (de, fr, es, nl, sv, nb, en)");
    // Also before the Qt module is loaded, whose messages say why it could not be.
    tw::cli::setUpLanguage(*language);
#ifdef TAMBLEWIN_HAS_QT_MODULE
    // The windows, and PNG and SVG pages, run in the Qt module.
    if (tw::cli::needsQtModule(args)) return tw::cli::runInQtModule(argc, argv);
#endif
    return tw::cli::runCommandLine(args);
}
