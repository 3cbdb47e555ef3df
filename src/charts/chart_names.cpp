#include "charts/chart_names.h"

#include "base/translation.h"

namespace tw {

namespace {

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string noName() { return std::string(TW_TR("Reports", "(no name)")); }

}  // namespace

std::string givenNamesOrSurname(std::string_view name) {
    const size_t slash = name.find('/');
    const std::string_view given = trimmed(name.substr(0, slash));
    if (!given.empty() || slash == std::string_view::npos) return given.empty() ? noName() : std::string(given);
    const std::string_view rest = name.substr(slash + 1);
    const std::string_view surname = trimmed(rest.substr(0, rest.find('/')));
    return surname.empty() ? noName() : std::string(surname);
}

std::string firstWordOfName(std::string_view name) {
    const std::string_view given = trimmed(name.substr(0, name.find('/')));
    if (given.empty()) return givenNamesOrSurname(name);
    return std::string(given.substr(0, given.find(' ')));
}

}  // namespace tw
