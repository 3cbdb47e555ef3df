#include "cli/language.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/translation.h"

namespace tw::cli {

std::optional<std::string> takeLanguageOption(std::vector<std::string>& args) {
    std::string code;
    for (size_t i = 0; i < args.size();) {
        if (args[i].rfind("--language=", 0) == 0) {
            code = args[i].substr(11);
            if (code.empty()) return std::nullopt;
            args.erase(args.begin() + long(i));
        } else if (args[i] == "--language") {
            if (i + 1 >= args.size() || args[i + 1].empty()) return std::nullopt;
            code = args[i + 1];
            args.erase(args.begin() + long(i), args.begin() + long(i) + 2);
        } else {
            ++i;
        }
    }
    return code;
}

void setUpLanguage(const std::string& code) {
    const std::string language = chooseLanguage(code, [](const char* name) { return std::getenv(name); });
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return;
    const std::filesystem::path folder = self.parent_path();
    const std::vector<std::string> folders = {(folder / "translations").string(),
                                              (folder / ".." / "share" / "tamblewin" / "translations").string()};
    // A damaged catalogue leaves the words in English.
    useLanguage(language, folders);
}

}  // namespace tw::cli
