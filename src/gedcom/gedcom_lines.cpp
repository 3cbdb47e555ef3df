#include "gedcom/gedcom_lines.h"

#include <array>
#include <bit>
#include <cstring>

namespace tw::gedcom {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Letters, digits and '_'.
constexpr auto kTagChars = [] {
    std::array<bool, 256> is{};
    for (int c = 0; c < 256; ++c)
        is[size_t(c)] = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    return is;
}();

bool isTagChar(char c) { return kTagChars[uint8_t(c)]; }

// Bytes of a word equal to CR or LF get their top bit set; the lowest such byte is
// always right (a borrow can only mark bytes above a true one).
inline uint64_t lineEndBytes(uint64_t word) {
    constexpr uint64_t kOnes = 0x0101010101010101ull, kTops = 0x8080808080808080ull;
    const uint64_t lf = word ^ (kOnes * '\n'), cr = word ^ (kOnes * '\r');
    return ((lf - kOnes) & ~lf & kTops) | ((cr - kOnes) & ~cr & kTops);
}

}  // namespace

size_t lineEnd(std::string_view text, size_t from) {
    const char* p = text.data();
    const size_t n = text.size();
    size_t i = from;
    if constexpr (std::endian::native == std::endian::little) {
        // Eight bytes at a time.
        for (; i + 8 <= n; i += 8) {
            uint64_t word;
            std::memcpy(&word, p + i, 8);
            if (const uint64_t found = lineEndBytes(word); found != 0) return i + size_t(std::countr_zero(found)) / 8;
        }
    }
    while (i < n && p[i] != '\n' && p[i] != '\r') ++i;
    return i;
}

LineShape parseGedcomLine(std::string_view text, GedcomLine& line) {
    // Most lines are a one-digit level, one blank and a tag: read those at once.
    const size_t n = text.size();
    if (n >= 3 && uint8_t(text[0] - '0') <= 9 && text[1] == ' ' && isTagChar(text[2])) {
        size_t i = 2;
        uint32_t code = 0;
        while (i < n && isTagChar(text[i])) code = code << 8 | uint8_t(text[i++]);
        if (i == n || isBlank(text[i])) {
            line.level = text[0] - '0';
            line.xref = {};
            line.tag = text.substr(2, i - 2);
            line.code = i - 2 <= 4 ? code : 0;
            line.value = i < n ? text.substr(i + 1) : std::string_view();
            return LineShape::Good;
        }
    }
    line = GedcomLine();
    size_t i = 0;
    while (i < n && isBlank(text[i])) ++i;
    if (i == n) return LineShape::Blank;
    if (text[i] < '0' || text[i] > '9') return LineShape::NotALine;
    int level = 0;
    size_t digits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        if (++digits > 3) return LineShape::NotALine;
        level = level * 10 + (text[i++] - '0');
    }
    line.level = level;
    if (i < n && !isBlank(text[i])) return LineShape::NoTag;  // "1BIRT"
    while (i < n && isBlank(text[i])) ++i;
    if (i < n && text[i] == '@') {
        const size_t close = text.find('@', i + 1);
        if (close == std::string_view::npos || close == i + 1) return LineShape::NoTag;
        line.xref = text.substr(i, close + 1 - i);
        i = close + 1;
        if (i == n || !isBlank(text[i])) return LineShape::NoTag;
        while (i < n && isBlank(text[i])) ++i;
    }
    const size_t tagStart = i;
    while (i < n && isTagChar(text[i])) ++i;
    if (i == tagStart || (i < n && !isBlank(text[i]))) return LineShape::NoTag;
    line.tag = text.substr(tagStart, i - tagStart);
    line.code = tagCode(line.tag);
    if (i < n) line.value = text.substr(i + 1);
    return LineShape::Good;
}

}  // namespace tw::gedcom
