#include "paf/codepage.h"

#include <array>
#include <cstdint>

namespace tw {
namespace {

constexpr char32_t kUnassigned = 0xFFFD;

// The characters of bytes 0x80..0x9F; the rest of Windows-1252 is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, kUnassigned, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030,      0x0160, 0x2039, 0x0152, kUnassigned, 0x017D, kUnassigned,  // 88..8F
    kUnassigned, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122,      0x0161, 0x203A, 0x0153, kUnassigned, 0x017E, 0x0178,  // 98..9F
};

// The Windows-1252 byte of a character, or '?' when it has none.
char toWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c && c != kUnassigned) return char(0x80 + i);
    }
    return '?';
}

bool isContinuation(uint8_t b) { return (b & 0xC0) == 0x80; }

// Decodes the sequence at text[pos]. On success returns the character and sets
// length to the bytes it takes. On failure returns nothing and sets length to the
// maximal subpart: the lead byte plus the continuation bytes that were still
// acceptable before the sequence went wrong (at least 1).
bool decodeOne(std::string_view text, size_t pos, char32_t& c, size_t& length) {
    const auto lead = uint8_t(text[pos]);
    length = 1;
    if (lead < 0x80) {
        c = lead;
        return true;
    }
    int more;
    uint8_t low = 0x80, high = 0xBF;  // the range allowed for the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        c = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;       // no overlong forms
        if (lead == 0xED) high = 0x9F;      // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        c = lead & 0x07;
        if (lead == 0xF0) low = 0x90;       // no overlong forms
        if (lead == 0xF4) high = 0x8F;      // nothing above U+10FFFF
    } else {
        return false;  // a continuation byte, C0, C1 or F5..FF
    }
    for (int i = 0; i < more; ++i) {
        if (pos + length >= text.size()) return false;
        const auto b = uint8_t(text[pos + length]);
        const bool ok = i == 0 ? (b >= low && b <= high) : isContinuation(b);
        if (!ok) return false;
        c = (c << 6) | (b & 0x3F);
        ++length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        size_t length = 0;
        out += decodeOne(utf8, pos, c, length) ? toWindows1252(c) : '?';
        pos += length;
    }
    return out;
}

bool isValidUtf8(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        char32_t c = 0;
        size_t length = 0;
        if (!decodeOne(text, pos, c, length)) return false;
        pos += length;
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char ch : text) {
        const auto b = uint8_t(ch);
        appendUtf8(out, b >= 0x80 && b <= 0x9F ? kHighControls[b - 0x80] : char32_t(b));
    }
    return out;
}

}  // namespace tw
