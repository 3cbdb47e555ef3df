#pragma once
// UTF-8, the program's text inside: reading one character and writing one.

#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

// Decodes the well-formed UTF-8 sequence at text[pos] (no overlong forms, no
// surrogates, nothing above U+10FFFF). On success returns true, the character in c
// and its bytes in length. On failure returns false with length the maximal
// subpart: the lead byte and the continuation bytes that were still acceptable
// before the sequence went wrong (at least 1).
bool decodeUtf8(std::string_view text, size_t pos, char32_t& c, size_t& length);

// The character's UTF-8 bytes appended to out; a surrogate or a value above
// U+10FFFF is written as U+FFFD.
void appendUtf8(std::string& out, char32_t c);

// The text as a terminal may show it: every control character (C0 but the tab,
// DEL, C1) and every byte that is no well-formed UTF-8 becomes U+FFFD, so that an
// escape sequence in a name cannot work the terminal.
std::string terminalSafe(std::string_view text);

}  // namespace tw
