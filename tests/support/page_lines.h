#pragma once
// Pages in tests: a page text from its commands, a stored page as its commands
// (each without the leading 0x02), and the position and text of a TO, TOC or TOR
// command.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/page_command.h"
#include "output/page_log.h"

namespace tw::test {

// A page text from commands written without their leading 0x02.
inline std::string page(std::initializer_list<std::string_view> commands) {
    std::string text;
    for (std::string_view command : commands) {
        text += kCommandMark;
        text += command;
    }
    return text;
}

inline std::vector<std::string> pageCommands(std::string_view page) {
    std::vector<std::string> commands;
    for (const std::string_view command : splitPageCommands(page)) commands.emplace_back(command);
    return commands;
}

struct TextCommand {
    std::string code;  // TO, TOC or TOR
    double x = 0, y = 0;
    std::string text;  // may hold commas
};

inline std::optional<TextCommand> textCommand(const std::string& command) {
    const std::string page = kCommandMark + command + kCommandMark;
    PageCommandReader reader(page);
    const auto read = reader.next();
    if (!read) return std::nullopt;
    const char* code = read->op == PageOp::Text          ? "TO"
                       : read->op == PageOp::TextCentred ? "TOC"
                       : read->op == PageOp::TextRight   ? "TOR"
                                                         : nullptr;
    if (code == nullptr) return std::nullopt;
    return TextCommand{code, read->numbers[0], read->numbers[1], std::string(read->text)};
}

}  // namespace tw::test
