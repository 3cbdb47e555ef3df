#pragma once
// Text is UTF-8 inside the program; PAF files on disk hold Windows-1252. These are
// the conversions between the two, the character steps that keep a cut text whole,
// the order of names, and the letters of the Latin scripts beyond Windows-1252.

#include <string>
#include <string_view>

#include "base/utf8.h"

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

// One character of UTF-8 text: its code point and its length in bytes. A byte that
// begins no well-formed sequence is a character of its own (valid false, length 1,
// code the byte read as Windows-1252), so text that is not UTF-8 still steps and
// orders sensibly.
struct Utf8Char {
    char32_t code = 0;
    size_t length = 1;
    bool valid = true;
};
Utf8Char utf8CharAt(std::string_view text, size_t pos);

// The longest start of text of at most maxBytes bytes that ends between characters.
std::string_view clipUtf8(std::string_view text, size_t maxBytes);

// The order of names: characters that Windows-1252 holds in the order of their
// Windows-1252 bytes (so Windows-1252 text sorts as its bytes do), every other
// character after them in code point order. Negative, zero or positive.
int compareNameText(std::string_view a, std::string_view b);

// A key of the text in that order: byte strings that compare as plain bytes do
// (shorter first) as their texts compare by compareNameText. Each character is one
// byte below 0xFF (its Windows-1252 byte), or 0xFF and three bytes of its place in
// the order. Sorting many names is faster by keys built once than by comparing
// the texts themselves. The key is appended to key.
void appendNameOrderKey(std::string_view text, std::string& key);

// UTF-8 to Windows-1252 for a file PAF reads: a letter Windows-1252 lacks becomes
// its plain letter (Ł to L, ő to o, ş to s, ệ to e), a combining mark is dropped, a
// dash or blank becomes "-" or " ", anything else "?". changed (when given) tells
// whether anything was not kept as it was.
std::string utf8ToPlainWindows1252(std::string_view utf8, bool* changed = nullptr);

// The one character that a letter and a combining mark make together, or 0 when
// Unicode composes none (a with U+0328 is ą).
char32_t composeLetter(char32_t letter, char32_t mark);

}  // namespace tw
