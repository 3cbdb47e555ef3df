#pragma once
// The character encodings of GEDCOM files. The reader works on UTF-8 text: a file in
// UTF-8 (with or without a byte-order mark) or plain ASCII is read where it lies, and
// every other encoding (UTF-16 in either byte order, ANSEL, ANSI/Windows-1252) is
// converted to UTF-8 first.

#include <string>
#include <string_view>

namespace tw::gedcom {

enum class Encoding { Utf8, Utf16Le, Utf16Be, Ansel, Windows1252 };

const char* encodingName(Encoding encoding);

struct DecodedText {
    std::string converted;   // the text in UTF-8 when it had to be converted
    std::string_view text;   // the text in UTF-8: into converted or into the input
    Encoding encoding = Encoding::Utf8;
    std::string note;        // a remark on the encoding for the warning list, or empty
};

// Finds the encoding (byte-order mark, the zero bytes of UTF-16, else the header's
// CHAR line) and returns the text in UTF-8. The input must outlive the result.
DecodedText decodeGedcomText(std::string_view bytes);

// ANSEL (ANSI Z39.47, with the GEDCOM additions) to UTF-8. A combining diacritic
// comes before its letter in ANSEL and after it in Unicode; letter and mark are
// joined into one character where Unicode has one (a with ogonek is ą).
std::string anselToUtf8(std::string_view ansel);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian);

}  // namespace tw::gedcom
