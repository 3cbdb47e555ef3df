#include "paf/codepage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

#include "base/windows1252.h"

namespace tw {
namespace {

// The Windows-1252 byte of a character, or '?' when it has none.
char toWindows1252(char32_t c) {
    const int byte = windows1252Byte(c);
    return byte < 0 ? '?' : char(byte);
}

// A byte Windows-1252 leaves unassigned reads as U+FFFD.
char32_t fromWindows1252(uint8_t b) { return isWindows1252Unassigned(b) ? U'\uFFFD' : windows1252Char(b); }

// The place of a character in the order of names.
uint32_t nameOrderKey(char32_t c) {
    const char b = toWindows1252(c);
    if (b != '?' || c == '?') return uint8_t(b);
    return 0x100 + uint32_t(c);
}

struct LatinLetter {
    uint16_t code;
    char plain;       // the ASCII letter it reduces to, '?' when none
    uint16_t letter;  // with mark, the pair Unicode composes it of (0 when none)
    uint16_t mark;
};

constexpr LatinLetter kLatinLetters[] = {
#include "paf/latin_letters.inc"
};

const LatinLetter* findLatinLetter(char32_t c) {
    const auto* end = std::end(kLatinLetters);
    const auto* at = std::lower_bound(std::begin(kLatinLetters), end, c,
                                      [](const LatinLetter& l, char32_t code) { return l.code < code; });
    return at != end && at->code == c ? at : nullptr;
}

bool isCombiningMark(char32_t c) { return (c >= 0x0300 && c <= 0x036F) || (c >= 0xFE20 && c <= 0xFE2F); }

// Blanks and dashes Windows-1252 lacks.
char plainPunctuation(char32_t c) {
    if ((c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000) return ' ';
    if (c >= 0x2010 && c <= 0x2015) return '-';
    return 0;
}

}  // namespace

Utf8Char utf8CharAt(std::string_view text, size_t pos) {
    Utf8Char ch;
    if (!decodeUtf8(text, pos, ch.code, ch.length)) {
        ch = Utf8Char{fromWindows1252(uint8_t(text[pos])), 1, false};
    }
    return ch;
}

std::string_view clipUtf8(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return text;  // every character fits
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = end + utf8CharAt(text, end).length;
        if (next > maxBytes) break;
        end = next;
    }
    return text.substr(0, end);
}

int compareNameText(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const Utf8Char ca = utf8CharAt(a, i), cb = utf8CharAt(b, j);
        const uint32_t ka = nameOrderKey(ca.code), kb = nameOrderKey(cb.code);
        if (ka != kb) return ka < kb ? -1 : 1;
        i += ca.length;
        j += cb.length;
    }
    if (i < a.size()) return 1;
    return j < b.size() ? -1 : 0;
}

void appendNameOrderKey(std::string_view text, std::string& key) {
    for (size_t i = 0; i < text.size();) {
        size_t ascii = i;  // ASCII: the bytes themselves
        while (ascii < text.size() && uint8_t(text[ascii]) < 0x80) ++ascii;
        key.append(text.data() + i, ascii - i);
        i = ascii;
        if (i == text.size()) break;
        const Utf8Char c = utf8CharAt(text, i);
        i += c.length;
        const uint32_t k = nameOrderKey(c.code);
        if (k < 0xFF) {
            key += char(k);
        } else {
            key += char(0xFF);
            key += char(k >> 16);
            key += char(k >> 8);
            key += char(k);
        }
    }
}

std::string utf8ToPlainWindows1252(std::string_view utf8, bool* changed) {
    std::string out;
    out.reserve(utf8.size());
    bool any = false;
    for (size_t pos = 0; pos < utf8.size();) {
        const Utf8Char ch = utf8CharAt(utf8, pos);
        pos += ch.length;
        const char b = ch.valid ? toWindows1252(ch.code) : '?';
        if (b != '?' || ch.code == '?') {
            out += b;
            continue;
        }
        any = true;
        if (isCombiningMark(ch.code)) continue;
        const LatinLetter* letter = findLatinLetter(ch.code);
        const char punctuation = plainPunctuation(ch.code);
        out += letter != nullptr ? letter->plain : punctuation != 0 ? punctuation : '?';
    }
    if (changed != nullptr) *changed = any;
    return out;
}

char32_t composeLetter(char32_t letter, char32_t mark) {
    for (const LatinLetter& l : kLatinLetters) {
        if (l.letter == letter && l.mark == mark && l.mark != 0) return l.code;
    }
    return 0;
}

std::string utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        size_t length = 0;
        out += decodeUtf8(utf8, pos, c, length) ? toWindows1252(c) : '?';
        pos += length;
    }
    return out;
}

bool isValidUtf8(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        char32_t c = 0;
        size_t length = 0;
        if (!decodeUtf8(text, pos, c, length)) return false;
        pos += length;
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char ch : text) appendUtf8(out, fromWindows1252(uint8_t(ch)));
    return out;
}

}  // namespace tw
