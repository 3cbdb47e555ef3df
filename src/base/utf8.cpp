#include "base/utf8.h"

#include <cstdint>

namespace tw {

namespace {

bool isContinuation(uint8_t b) { return (b & 0xC0) == 0x80; }

}  // namespace

bool decodeUtf8(std::string_view text, size_t pos, char32_t& c, size_t& length) {
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
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::string terminalSafe(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        char32_t c = 0;
        size_t length = 0;
        const bool wellFormed = decodeUtf8(text, pos, c, length);
        const bool control = (c < 0x20 && c != '\t') || (c >= 0x7F && c <= 0x9F);
        if (wellFormed && !control) out.append(text.substr(pos, length));
        else appendUtf8(out, 0xFFFD);
        pos += length;
    }
    return out;
}

}  // namespace tw
