#pragma once
// Text arrives in UTF-8 (the demo family's source, GEDCOM files) but PAF files and
// the whole core hold Windows-1252 bytes. These are the conversions between them.

#include <string>
#include <string_view>

namespace tw {

// UTF-8 to Windows-1252. A character without a Windows-1252 form becomes "?", and so
// does each malformed stretch of the input (a stray continuation byte, a sequence cut
// short, an overlong form, a surrogate, anything above U+10FFFF): one "?" for every
// maximal run that could have begun a valid sequence, as Unicode recommends for
// replacement characters.
std::string utf8ToWindows1252(std::string_view utf8);

// True when the whole text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

// Windows-1252 to UTF-8. The five bytes that Windows-1252 leaves unassigned (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string windows1252ToUtf8(std::string_view text);

}  // namespace tw
