#include "files/system_paper.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "paf/file_bytes.h"

namespace tw {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\f\v";
constexpr const char* kDefaultConfigFile = "/etc/papersize";

// The territories whose paper is letter; every other one uses A4.
constexpr std::array<std::string_view, 7> kLetterTerritories = {"US", "CA", "MX", "PH", "CL", "CO", "VE"};

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::string_view firstWord(std::string_view line) {
    line = trimmed(line);
    return line.substr(0, line.find_first_of(kBlanks));
}

char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

}  // namespace

PaperSources paperSourcesOfEnvironment() {
    PaperSources sources;
    sources.papersize = environment("PAPERSIZE");
    sources.configFile = environment("PAPERCONF");
    if (sources.configFile.empty()) sources.configFile = kDefaultConfigFile;
    sources.lcAll = environment("LC_ALL");
    sources.lcPaper = environment("LC_PAPER");
    sources.lang = environment("LANG");
    return sources;
}

std::optional<Paper> paperOfConfigFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    // Opened and checked as the data file is: a pipe there would block the run.
    constexpr uint64_t kLargestConfigFile = 64 << 10;
    std::vector<uint8_t> bytes;
    if (!readFileStart(path, kLargestConfigFile, bytes).ok()) return std::nullopt;
    std::istringstream file(std::string(bytes.begin(), bytes.end()));
    std::string line;
    while (std::getline(file, line)) {
        const std::string_view word = firstWord(line);
        if (word.empty() || word.front() == '#') continue;
        return paperNamed(word);
    }
    return std::nullopt;
}

std::optional<Paper> paperOfLocale(std::string_view locale) {
    // language[_territory][.codeset][@modifier]
    const size_t underscore = locale.find('_');
    if (underscore == std::string_view::npos) return std::nullopt;
    std::string_view territory = locale.substr(underscore + 1);
    territory = territory.substr(0, territory.find_first_of(".@"));
    if (territory.empty()) return std::nullopt;
    std::string code(territory);
    std::transform(code.begin(), code.end(), code.begin(), upper);
    const bool letter = std::ranges::find(kLetterTerritories, code) != kLetterTerritories.end();
    return letter ? Paper::Letter : Paper::A4;
}

std::string_view paperLocale(const PaperSources& sources) {
    for (const std::string* variable : {&sources.lcAll, &sources.lcPaper, &sources.lang})
        if (!variable->empty()) return *variable;
    return {};
}

SystemPaper systemPaper(const PaperSources& sources) {
    if (const auto named = paperNamed(trimmed(sources.papersize))) return {*named, PaperSource::PapersizeVariable};
    if (const auto configured = paperOfConfigFile(sources.configFile)) return {*configured, PaperSource::ConfigFile};
    if (const auto local = paperOfLocale(paperLocale(sources))) return {*local, PaperSource::Locale};
    return {Paper::Letter, PaperSource::Fallback};
}

}  // namespace tw
