// The Qt module's entry: the program's main with the windows and Qt's printers.

#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/language.h"
#include "cli/qt_module.h"
#include "gui/app_settings.h"
#include "gui/gui_main.h"

extern "C" __attribute__((visibility("default"))) int tamblewin_qt_main(int argc, char** argv) {
    static_assert(std::is_same_v<decltype(tamblewin_qt_main), tw::cli::QtModuleMain>);
    std::vector<std::string> args(argv + 1, argv + argc);
    // The executable has checked the option; the module takes it out again.
    const std::optional<std::string> language = tw::cli::takeLanguageOption(args);
    // Without a command the windows open (with a lone data file, with that file
    // chosen), in the language chosen in them unless the option names one; commands
    // work without a display.
    const bool windows = args.empty() || tw::cli::isDataFileArgument(args);
    tw::cli::setUpLanguage(windows ? tw::gui::startLanguage(language.value_or(""), *tw::gui::openSettings())
                                   : language.value_or(""));
    if (args.empty()) return tw::gui::runGui(argc, argv);
    if (windows) return tw::gui::runGui(argc, argv, args[0]);
    return tw::cli::runCommandLine(args);
}
