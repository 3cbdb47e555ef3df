#pragma once
// Reading stored pages back in tests: a page as its commands (each without the
// leading 0x02), and the position and text of a TO, TOC or TOR command.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/page_log.h"

namespace tw::test {

inline std::vector<std::string> pageCommands(std::string_view page) {
    std::vector<std::string> commands;
    for (size_t at = page.find(kCommandMark); at != std::string_view::npos;) {
        const size_t next = page.find(kCommandMark, at + 1);
        commands.emplace_back(page.substr(at + 1, next == std::string_view::npos ? next : next - at - 1));
        at = next;
    }
    return commands;
}

struct TextCommand {
    std::string code;  // TO, TOC or TOR
    double x = 0, y = 0;
    std::string text;  // may hold commas
};

inline std::optional<TextCommand> textCommand(const std::string& command) {
    char code[4] = {};
    double x = 0, y = 0;
    int textStart = 0;
    if (std::sscanf(command.c_str(), "%3[A-Z],%lf,%lf,%n", code, &x, &y, &textStart) != 3 || textStart == 0)
        return std::nullopt;
    const std::string c = code;
    if (c != "TO" && c != "TOC" && c != "TOR") return std::nullopt;
    return TextCommand{c, x, y, command.substr(size_t(textStart))};
}

}  // namespace tw::test
