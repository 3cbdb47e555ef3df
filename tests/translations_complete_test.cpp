// The translations are complete: every text marked in the sources has a finished,
// non-empty entry in every language's .ts file, with the same %1, %2 ... as its
// English source, and no .ts file holds texts the program no longer shows.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "base/translation.h"

namespace tw {
namespace {

#ifndef TAMBLEWIN_LUPDATE
TEST(Translations, EveryMarkedTextIsTranslatedInEveryLanguage) {
    GTEST_SKIP() << "this build has no Qt translation tools (lupdate)";
}
#else
namespace fs = std::filesystem;

struct Entry {
    std::string translation;
    bool finished = true;
};
using Entries = std::map<std::pair<std::string, std::string>, Entry>;  // (context, source)

std::string unescaped(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&apos;", "'"}, {"&quot;", "\""}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities)
        for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::string_view(entity).size(), character);
    return text;
}

// The text between <tag...> and </tag> after from; "" when there is none before limit.
std::string element(const std::string& xml, const std::string& tag, size_t from, size_t limit, size_t* openEnd = nullptr) {
    const size_t open = xml.find("<" + tag, from);
    if (open == std::string::npos || open >= limit) return {};
    const size_t start = xml.find('>', open);
    if (openEnd != nullptr) *openEnd = start;
    if (xml[start - 1] == '/') return {};
    const size_t end = xml.find("</" + tag + ">", start);
    return unescaped(xml.substr(start + 1, end - start - 1));
}

Entries readTs(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string xml{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    Entries entries;
    for (size_t context = xml.find("<context>"); context != std::string::npos; context = xml.find("<context>", context + 1)) {
        const size_t contextEnd = xml.find("</context>", context);
        const std::string name = element(xml, "name", context, contextEnd);
        for (size_t message = xml.find("<message", context); message != std::string::npos && message < contextEnd;
             message = xml.find("<message", message + 1)) {
            const size_t messageEnd = xml.find("</message>", message);
            Entry entry;
            size_t openEnd = 0;
            entry.translation = element(xml, "translation", message, messageEnd, &openEnd);
            const size_t translationOpen = xml.find("<translation", message);
            entry.finished = xml.substr(translationOpen, openEnd - translationOpen).find("type=") == std::string::npos;
            entries[{name, element(xml, "source", message, messageEnd)}] = entry;
        }
    }
    return entries;
}

std::set<std::string> placeholders(const std::string& text) {
    std::set<std::string> found;
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') found.insert(text.substr(i, 2));
    return found;
}

TEST(Translations, EveryMarkedTextIsTranslatedInEveryLanguage) {
    const fs::path scratch = fs::temp_directory_path() / ("tamblewin-ts-" + std::to_string(::getpid()));
    fs::create_directories(scratch);
    const fs::path marked = scratch / "marked.ts";
    const std::string command = std::string("'") + TAMBLEWIN_LUPDATE +
                                "' -silent -tr-function-alias QT_TRANSLATE_NOOP+=TW_TR,QT_TRANSLATE_NOOP+=TW_QTR "
                                "-locations none -no-obsolete '" TAMBLEWIN_SOURCE_DIR "/src' -ts '" +
                                marked.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const Entries sources = readTs(marked);
    fs::remove_all(scratch);
    ASSERT_FALSE(sources.empty());

    for (const std::string_view language : shippedLanguages()) {
        const fs::path ts = fs::path(TAMBLEWIN_SOURCE_DIR) / "translations" / ("tamblewin_" + std::string(language) + ".ts");
        const Entries entries = readTs(ts);
        SCOPED_TRACE(ts.string());
        for (const auto& [key, unused] : sources) {
            const auto found = entries.find(key);
            if (found == entries.end()) {
                ADD_FAILURE() << "no entry for " << key.first << ": \"" << key.second << "\"";
                continue;
            }
            EXPECT_TRUE(found->second.finished) << "unfinished: " << key.first << ": \"" << key.second << "\"";
            EXPECT_FALSE(found->second.translation.empty()) << "empty: " << key.first << ": \"" << key.second << "\"";
            EXPECT_EQ(placeholders(found->second.translation), placeholders(key.second))
                << key.first << ": \"" << key.second << "\" -> \"" << found->second.translation << "\"";
        }
        for (const auto& [key, unused] : entries)
            EXPECT_TRUE(sources.count(key)) << "no longer shown: " << key.first << ": \"" << key.second << "\"";
    }
}
#endif

}  // namespace
}  // namespace tw
