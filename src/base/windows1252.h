#pragma once
// Windows-1252, the code page of PAF files and of older texts: the one table of its
// bytes 0x80..0x9F (the rest of the code page is Latin-1).

#include <cstdint>

namespace tw {

// The character of a Windows-1252 byte. The five bytes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) give the C1 control of the same number;
// callers that want U+FFFD for them say so (isWindows1252Unassigned).
char32_t windows1252Char(uint8_t byte);

// True for the five bytes Windows-1252 leaves unassigned.
constexpr bool isWindows1252Unassigned(uint8_t byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// The Windows-1252 byte of a character, or -1 when the code page has none (C1
// controls included).
int windows1252Byte(char32_t c);

}  // namespace tw
