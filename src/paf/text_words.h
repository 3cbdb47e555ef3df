#pragma once
// Words and texts of the family text format, shared by the record reader and the
// date phrases.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "paf/codepage.h"

namespace tw::famtext {

inline constexpr size_t kMaxTextBytes = 255;  // names, places and text dates, as PAF stores them

inline std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return out;
}

inline bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A positive number of at most nine digits, else 0.
inline int32_t positiveNumber(std::string_view s) {
    if (!allDigits(s) || s.size() > 9) return 0;
    int32_t n = 0;
    for (char c : s) n = n * 10 + (c - '0');
    return n;
}

// Text as stored in the file: Windows-1252, at most 255 bytes.
inline bool storedText(std::string_view utf8, std::string& out, std::string& error) {
    if (!isValidUtf8(utf8)) {
        error = "is not valid UTF-8";
        return false;
    }
    out = utf8ToWindows1252(utf8);
    if (out.size() > kMaxTextBytes) {
        error = "is longer than 255 characters";
        return false;
    }
    return true;
}

}  // namespace tw::famtext
