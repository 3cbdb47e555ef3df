#pragma once
// Numbers as PDF writes them: integers as they are, other numbers with at most three
// decimals and no trailing zeros. And text in a hex string, as UTF-16BE.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

inline void appendPdfInteger(std::string& out, int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

inline void appendPdfNumber(std::string& out, double value) {
    const double thousandths = std::round(value * 1000.0);
    if (!std::isfinite(thousandths)) {
        out += '0';
        return;
    }
    const int64_t whole = int64_t(thousandths);
    if (whole % 1000 == 0) {
        appendPdfInteger(out, whole / 1000);
        return;
    }
    if (whole < 0) out += '-';
    const int64_t magnitude = whole < 0 ? -whole : whole;
    appendPdfInteger(out, magnitude / 1000);
    out += '.';
    int64_t fraction = magnitude % 1000;
    int digits = 3;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    const std::string text = std::to_string(fraction);
    out.append(size_t(digits) - text.size(), '0');
    out += text;
}

// The text's UTF-16 code units, big-endian, four hex digits each.
inline void appendUtf16Hex(std::string& out, std::u32string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    auto unit = [&](uint32_t u) {
        for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(u >> shift) & 0xF];
    };
    for (const char32_t c : text) {
        if (c >= 0x10000 && c <= 0x10FFFF) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c <= 0xFFFF ? uint32_t(c) : 0xFFFD);
        }
    }
}

inline std::string pdfNumber(double value) {
    std::string out;
    appendPdfNumber(out, value);
    return out;
}

}  // namespace tw
