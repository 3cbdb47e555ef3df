#include "base/windows1252.h"

#include <array>
#include <cstddef>

namespace tw {
namespace {

// The characters of bytes 0x80..0x9F; an unassigned byte holds its own number.
constexpr std::array<char32_t, 32> kHighBytes = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

}  // namespace

char32_t windows1252Char(uint8_t byte) { return byte >= 0x80 && byte <= 0x9F ? kHighBytes[byte - 0x80] : char32_t(byte); }

int windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
    if (c <= 0x9F) return -1;  // a C1 control: the code page has none
    for (std::size_t i = 0; i < kHighBytes.size(); ++i) {
        if (kHighBytes[i] == c) return int(0x80 + i);
    }
    return -1;
}

}  // namespace tw
