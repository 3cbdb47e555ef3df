// UTF-8 to Windows-1252 and back: the Latin-1 range, the characters Windows-1252
// puts at 0x80..0x9F, characters it lacks, and malformed UTF-8.

#include <gtest/gtest.h>

#include <string>

#include "base/utf8.h"
#include "paf/codepage.h"

namespace tw {
namespace {

std::string utf8Of(char32_t c) {
    std::string out;
    appendUtf8(out, c);
    return out;
}

TEST(Utf8ToWindows1252, AsciiAndTheLatin1RangeKeepTheirCodes) {
    EXPECT_EQ(utf8ToWindows1252("Anna Maria /Vollrath/"), "Anna Maria /Vollrath/");
    EXPECT_EQ(utf8ToWindows1252(""), "");
    EXPECT_EQ(utf8ToWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(utf8ToWindows1252("Søren /Østergård/"), "S\xF8ren /\xD8sterg\xE5rd/");
    for (char32_t c = 0xA0; c <= 0xFF; ++c) {
        EXPECT_EQ(utf8ToWindows1252(utf8Of(c)), std::string(1, char(c))) << "U+" << std::hex << unsigned(c);
    }
}

TEST(Utf8ToWindows1252, TheCharactersAt0x80To0x9F) {
    EXPECT_EQ(utf8ToWindows1252("€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž"),
              "\x80 \x82 \x83 \x84 \x85 \x86 \x87 \x88 \x89 \x8A \x8B \x8C \x8E");
    EXPECT_EQ(utf8ToWindows1252("‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ"),
              "\x91 \x92 \x93 \x94 \x95 \x96 \x97 \x98 \x99 \x9A \x9B \x9C \x9E \x9F");
    // Every assigned byte survives the way to UTF-8 and back.
    for (int b = 1; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
        const std::string byte(1, char(b));
        EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(byte)), byte) << "byte " << b;
    }
}

TEST(Utf8ToWindows1252, CharactersWithoutAWindows1252FormBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToWindows1252("Bedřich /Dvořáček/"), "Bed?ich /Dvo?\xE1?ek/");
    EXPECT_EQ(utf8ToWindows1252("\xC2\x80\xC2\x81\xC2\x9F"), "???");   // C1 controls U+0080, U+0081, U+009F
    EXPECT_EQ(utf8ToWindows1252("漢字"), "??");                        // three-byte characters
    EXPECT_EQ(utf8ToWindows1252("a\xF0\x9F\x98\x80z"), "a?z");          // a four-byte character: one "?"
    EXPECT_EQ(utf8ToWindows1252("\xEF\xBF\xBD"), "?");                  // U+FFFD is not the unassigned 0x81
}

TEST(Utf8ToWindows1252, MalformedInputGivesOneQuestionMarkPerMaximalSubpart) {
    struct Case {
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {"\x80", "?"},                      // a lone continuation byte
        {"a\xBF\xBFz", "a??z"},
        {"\xC3", "?"},                      // cut short at the end
        {"\xC3" "A", "?A"},                 // cut short by an ASCII byte
        {"\xE2\x82", "?"},                  // two bytes of a three-byte sequence: one subpart
        {"\xE2\x82" "A", "?A"},
        {"\xF0\x9F\x98", "?"},
        {"\xC0\x80", "??"},                 // overlong: C0 and C1 never start a sequence
        {"\xC1\xBF", "??"},
        {"\xE0\x80\x80", "???"},            // overlong three-byte form
        {"\xF0\x80\x80\x80", "????"},       // overlong four-byte form
        {"\xED\xA0\x80", "???"},            // a surrogate
        {"\xF4\x90\x80\x80", "????"},       // above U+10FFFF
        {"\xF5\x80", "??"},
        {"\xFF\xFE", "??"},
        {"\xC3\xA9\xC3", "\xE9?"},          // a good character, then a cut one
        {"\xE2\x82\xAC\xE2\x82", "\x80?"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8ToWindows1252(c.input), c.expected) << testing::PrintToString(std::string(c.input));
        EXPECT_FALSE(isValidUtf8(c.input)) << testing::PrintToString(std::string(c.input));
    }
}

TEST(Utf8Validity, WellFormedTextAtTheEdgesOfEachLength) {
    for (const char32_t c : {char32_t(0), char32_t(0x7F), char32_t(0x80), char32_t(0x7FF), char32_t(0x800),
                             char32_t(0xD7FF), char32_t(0xE000), char32_t(0xFFFF), char32_t(0x10000),
                             char32_t(0x10FFFF)}) {
        EXPECT_TRUE(isValidUtf8(utf8Of(c))) << "U+" << std::hex << unsigned(c);
    }
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("Zoë /Ashby-Fénelon/ ’ €"));
}

TEST(Windows1252ToUtf8, UnassignedBytesBecomeTheReplacementCharacter) {
    EXPECT_EQ(windows1252ToUtf8("M\xFCller \x80 \x9F"), "Müller € Ÿ");
    EXPECT_EQ(windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
}

}  // namespace
}  // namespace tw
