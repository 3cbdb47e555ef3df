#pragma once
// Numbers as PDF writes them: integers as they are, other numbers with at most three
// decimals and no trailing zeros.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

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

inline std::string pdfNumber(double value) {
    std::string out;
    appendPdfNumber(out, value);
    return out;
}

}  // namespace tw
