#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "base/exit_status.h"
#include "base/translation.h"
#include "cli/commands.h"
#include "cli/qt_module.h"
#include "cli/report_command.h"

namespace tw::cli {

namespace {

// The module beside the executable (the build folder), else where it is installed
// relative to the executable's folder.
std::vector<std::filesystem::path> moduleCandidates() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const std::filesystem::path folder = self.parent_path();
    return {folder / kQtModuleFile, folder / TAMBLEWIN_QT_MODULE_FROM_BIN / kQtModuleFile};
}

// The loader says a library could not be mapped (the address space is used up) in
// these words.
bool isLackOfMemory(const std::string& problem) {
    return problem.find("failed to map segment") != std::string::npos ||
           problem.find("Cannot allocate memory") != std::string::npos;
}

}  // namespace

bool needsQtModule(const std::vector<std::string>& args) {
    if (args.empty() || isDataFileArgument(args)) return true;
    return args[0] == "report" && reportWritesPageFiles({args.begin() + 1, args.end()});
}

int runInQtModule(int argc, char** argv) {
    const std::vector<std::filesystem::path> candidates = moduleCandidates();
    std::string problem(TW_TR("CommandLine", "the program's own folder is not known"));
    for (const std::filesystem::path& path : candidates) {
        if (!std::filesystem::exists(path)) {
            problem = fillIn(TW_TR("CommandLine", "%1 is missing"), {path.string()});
            continue;
        }
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            problem = dlerror();
            if (isLackOfMemory(problem)) {
                const std::string_view text = TW_TR("CommandLine", "Out of memory");
                std::fprintf(stderr, "tamblewin: %.*s\n", int(text.size()), text.data());
                return kExitOutOfMemory;
            }
            break;
        }
        auto* entry = reinterpret_cast<QtModuleMain*>(dlsym(module, kQtModuleEntry));
        if (entry == nullptr) {
            problem = fillIn(TW_TR("CommandLine", "%1 has no %2"), {path.string(), kQtModuleEntry});
            break;
        }
        return entry(argc, argv);
    }
    const std::string said =
        fillIn(TW_TR("CommandLine", "the windows and PNG and SVG pages need Qt's module: %1"), {problem});
    std::fprintf(stderr, "tamblewin: %s\n", said.c_str());
    return kExitFailure;
}

}  // namespace tw::cli
