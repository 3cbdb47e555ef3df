#include "gedcom/gedcom_lines.h"

namespace tw::gedcom {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isTagChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

LineShape parseGedcomLine(std::string_view text, GedcomLine& line) {
    line = GedcomLine();
    size_t i = 0;
    const size_t n = text.size();
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
