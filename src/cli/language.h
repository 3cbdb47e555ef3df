#pragma once
// The language of the program's words: --language CODE, else the environment
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), else English.

#include <optional>
#include <string>
#include <vector>

namespace tw::cli {

// Takes "--language CODE" (or "--language=CODE") out of args, wherever it stands:
// the code; "" when not given; nullopt when it has no code.
std::optional<std::string> takeLanguageOption(std::vector<std::string>& args);

// Chooses the language from code (empty: the environment's) and makes its words the
// program's: from the translations beside the executable in a build, or installed
// with it. An unknown language is English, without a word.
void setUpLanguage(const std::string& code);

}  // namespace tw::cli
