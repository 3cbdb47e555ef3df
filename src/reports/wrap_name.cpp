#include "reports/wrap_name.h"

#include <algorithm>
#include <cstdint>

#include "paf/codepage.h"

namespace tw {

// At least the first character, so that a column narrower than one letter still
// makes progress. Cuts fall between characters.
size_t fittingPrefix(const PageLog& log, std::string_view word, int32_t limit) {
    if (word.empty()) return 0;
    const size_t first = utf8CharAt(word, 0).length;
    size_t length = word.size();
    while (length > first && log.textWidth(word.substr(0, length)) > limit)
        length = clipUtf8(word, length - 1).size();
    return std::max(length, first);
}

NameLines wrapName(const PageLog& log, std::string_view text, double widthInches) {
    const auto limit = int32_t(double(log.pixelsPerInch()) * widthInches);
    NameLines lines;
    std::string_view rest = text;
    while (log.textWidth(rest) > limit) {
        // Cut at the last space, again and again, until the piece fits.
        std::string_view line = rest;
        bool fits = false;
        while (!fits) {
            const size_t space = line.rfind(' ');
            if (space == std::string_view::npos) break;
            line = line.substr(0, space);
            fits = log.textWidth(line) <= limit;
        }
        size_t next = line.size() + 1;  // the space becomes the line end
        if (!fits) {
            // No space left to cut at: the first word alone is too wide. It goes on
            // in the next line; a space right after the split is its line end.
            line = line.substr(0, fittingPrefix(log, line, limit));
            next = line.size();
            if (next < rest.size() && rest[next] == ' ') ++next;
        }
        lines.emplace_back(line);
        rest = rest.substr(next);
    }
    // No empty last line after a name that ended at a cut.
    if (!rest.empty() || lines.empty()) lines.emplace_back(rest);
    return lines;
}

}  // namespace tw
