#include "reports/wrap_name.h"

#include <algorithm>
#include <cstdint>

#include "output/font_metrics.h"
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

namespace {

constexpr std::string_view kEllipsis = "...";

// A column narrower than nothing (a sheet too small for the layout) is taken as no
// width at all: every character then gets a line of its own.
int32_t pixelsFor(int32_t pixelsPerInch, double widthInches) {
    return std::max(int32_t(double(pixelsPerInch) * widthInches), 0);
}
int32_t pixelsFor(const PageLog& log, double widthInches) { return pixelsFor(log.pixelsPerInch(), widthInches); }

// Cuts fall between characters: never before a UTF-8 continuation byte.
bool isCharacterStart(std::string_view text, size_t at) {
    return at == 0 || at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
}

}  // namespace

template <typename Measure>
std::string shortenAtEnd(const Measure& width, std::string_view text, int32_t limit) {
    if (width(text) <= limit) return std::string(text);
    size_t keep = text.size();
    std::string shortened;
    do {
        do --keep;
        while (keep > 0 && !isCharacterStart(text, keep));
        shortened = std::string(text.substr(0, keep)) + std::string(kEllipsis);
    } while (keep > 0 && width(shortened) > limit);
    return shortened;
}

std::string shortenToWidth(const PageLog& log, std::string_view text, double widthInches) {
    return shortenAtEnd([&](std::string_view t) { return log.textWidth(t); }, text, pixelsFor(log, widthInches));
}

std::string shortenToWidth(std::string_view text, double widthInches, std::string_view face, int32_t size,
                           int32_t dpi) {
    const auto width = [&](std::string_view t) { return textWidthPixels(t, face, size, dpi); };
    return shortenAtEnd(width, text, pixelsFor(dpi, widthInches));
}

std::string shortenInMiddle(const PageLog& log, std::string_view text, double widthInches) {
    const int32_t limit = pixelsFor(log, widthInches);
    if (log.textWidth(text) <= limit) return std::string(text);
    // Drop characters from the middle outwards, one side and then the other.
    size_t head = text.size() / 2, tail = text.size() / 2;
    std::string shortened;
    bool fromHead = true;
    do {
        if ((fromHead && head > 0) || tail >= text.size()) {
            do --head;
            while (head > 0 && !isCharacterStart(text, head));
        } else {
            do ++tail;
            while (tail < text.size() && !isCharacterStart(text, tail));
        }
        fromHead = !fromHead;
        shortened = std::string(text.substr(0, head)) + std::string(kEllipsis) + std::string(text.substr(tail));
    } while ((head > 0 || tail < text.size()) && log.textWidth(shortened) > limit);
    return shortened;
}

NameLines wrapName(const PageLog& log, std::string_view text, double widthInches) {
    NameLines lines;
    wrapName(log, text, widthInches, lines);
    return lines;
}

void wrapName(const PageLog& log, std::string_view text, double widthInches, NameLines& lines) {
    const int32_t limit = pixelsFor(log, widthInches);
    size_t count = 0;
    const auto add = [&](std::string_view line) {
        if (count < lines.size()) {
            lines[count].assign(line);
        } else {
            lines.emplace_back(line);
        }
        ++count;
    };
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
        add(line);
        rest = rest.substr(next);
    }
    // No empty last line after a name that ended at a cut.
    if (!rest.empty() || count == 0) add(rest);
    lines.resize(count);
}

}  // namespace tw

namespace tw {

std::string fitCouple(const PageLog& log, std::string_view husband, std::string_view wife, std::string_view separator,
                      double widthInches) {
    if (husband.empty() || wife.empty()) return shortenInMiddle(log, husband.empty() ? wife : husband, widthInches);
    std::string whole = std::string(husband) + std::string(separator) + std::string(wife);
    const int32_t limit = pixelsFor(log, widthInches);
    if (log.textWidth(whole) <= limit) return whole;
    const double perInch = log.pixelsPerInch();
    const double room = widthInches - log.textWidth(separator) / perInch;
    const double husbandWidth = log.textWidth(husband) / perInch, wifeWidth = log.textWidth(wife) / perInch;
    // The shorter name keeps its width where it needs no more than half the room.
    double husbandRoom = room / 2, wifeRoom = room / 2;
    if (husbandWidth <= room / 2) {
        husbandRoom = husbandWidth;
        wifeRoom = room - husbandWidth;
    } else if (wifeWidth <= room / 2) {
        wifeRoom = wifeWidth;
        husbandRoom = room - wifeWidth;
    }
    whole = shortenInMiddle(log, husband, husbandRoom) + std::string(separator) + shortenInMiddle(log, wife, wifeRoom);
    // Widths of the parts are rounded on their own: the joined text may be a pixel over.
    return log.textWidth(whole) <= limit ? whole : shortenInMiddle(log, whole, widthInches);
}

}  // namespace tw
