#include "base/text_buffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace tw {
namespace {

TEST(TextBufferTest, CapacityGrowsByTheRoundingRule) {
    TextBuffer empty;
    EXPECT_EQ(empty.length(), 0);
    EXPECT_STREQ(empty.c_str(), "");
    EXPECT_EQ(empty.find('a'), -1);

    // Appending one character at a time grows exactly when the length reaches the capacity.
    TextBuffer text;
    std::vector<std::pair<int, int>> growths;  // (length before the append, new capacity)
    for (int i = 0; i < 124; ++i) {
        int before = text.capacity();
        text.append(char('a' + i % 26));
        if (text.capacity() != before) growths.emplace_back(i, text.capacity());
    }
    EXPECT_EQ(growths, (std::vector<std::pair<int, int>>{{0, 11}, {11, 27}, {27, 59}, {59, 123}, {123, 251}}));
    EXPECT_EQ(text.length(), 124);

    EXPECT_EQ(TextBuffer::roundSize(0), 12);
    EXPECT_EQ(TextBuffer::roundSize(13), 28);
    EXPECT_EQ(TextBuffer::roundSize(252), 252);
    EXPECT_EQ(TextBuffer::roundSize(253), 508);
    EXPECT_EQ(TextBuffer('x', 1).capacity(), 3);
    EXPECT_EQ(TextBuffer('x', 12).capacity(), 27);
    EXPECT_EQ(TextBuffer("abcdefghijk").capacity(), 11);
    EXPECT_EQ(TextBuffer("abcdefghijkl").capacity(), 27);
}

TEST(TextBufferTest, AssigningShorterTextGivesStorageBack) {
    TextBuffer big(std::string(200, 'x'));
    ASSERT_EQ(big.capacity(), 251);
    big.assign("");
    EXPECT_EQ(big.capacity(), 11);

    TextBuffer mid(std::string(40, 'x'));
    ASSERT_EQ(mid.capacity(), 59);
    const char* block = mid.data();
    mid.assign("twenty characters!!!");
    EXPECT_EQ(mid.capacity(), 59);
    EXPECT_EQ(mid.data(), block);  // copied into the same block
    mid.assign("ten chars!");
    EXPECT_EQ(mid.capacity(), 11);
    EXPECT_EQ(mid, "ten chars!");

    // Assigning a buffer takes its capacity exactly, larger or smaller.
    TextBuffer small("abc");
    small.assign(TextBuffer(std::string(200, 'y')));
    EXPECT_EQ(small.capacity(), 251);
    small = TextBuffer("z");
    EXPECT_EQ(small.capacity(), 11);
    EXPECT_EQ(small, "z");
    EXPECT_EQ(TextBuffer(TextBuffer()).capacity(), 0);
}

TEST(TextBufferTest, OwnTextAsSourceSurvivesGrowth) {
    TextBuffer text("abcdefghij");
    text.append(text.c_str());  // grows from 11 to 27 while reading its own block
    EXPECT_EQ(text, "abcdefghijabcdefghij");
    text.append(text);
    EXPECT_EQ(text, "abcdefghijabcdefghijabcdefghijabcdefghij");
    text.assign(text.c_str() + 35);  // shrinks while reading its own block
    EXPECT_EQ(text, "fghij");
}

TEST(TextBufferTest, SubstringAndFind) {
    TextBuffer text("abcdef");
    EXPECT_EQ(text.substring(3, 10), "def");
    EXPECT_EQ(text.substring(7, 1), "");
    EXPECT_EQ(text.substring(-2, 2), "ab");
    EXPECT_EQ(text.substring(1, 2), "bc");
    EXPECT_EQ(text.substring(6, 0), "");
    EXPECT_EQ(text.substring(2, INT_MAX), "cdef");
    EXPECT_EQ(text.substring(4), "ef");
    EXPECT_EQ(text.substring(9), "");

    EXPECT_EQ(text.find('z'), -1);
    EXPECT_EQ(text.find('c'), 2);
    EXPECT_EQ(TextBuffer("a / b").find(" / "), 1);
    EXPECT_EQ(TextBuffer("a / b").find("//"), -1);
    EXPECT_LT(text.compare("abd"), 0);
    EXPECT_EQ(TextBuffer().compare(""), 0);
}

TEST(TextBufferTest, FormatConversions) {
    TextBuffer text("old content that must go");
    EXPECT_EQ(text.format("%-20s|", "abc"), "abc                 |");
    EXPECT_EQ(text.format("%dG g'ch", 3), "3G g'ch");
    EXPECT_EQ(text.format("%9.7f", 1.5), "1.5000000");
    EXPECT_EQ(text.format("%x %X %o %u %c %5.1e|%05d", 255, 255, 8, 7, 'q', 12345.0, -42),
              "ff FF 10 7 q 1.2e+04|-0042");
    EXPECT_EQ(text.format("no conversions"), "no conversions");
    // A number reserves 60 free characters first; a text only what it needs.
    EXPECT_EQ(TextBuffer().format("%d", 1).capacity(), 123);
    EXPECT_EQ(TextBuffer().format("%s", "ab").capacity(), 11);
}

TEST(TextBufferTest, FormatNeverOverrunsItsStorage) {
    std::string longText(300, 'n');
    TextBuffer text;
    EXPECT_EQ(text.format("<%s>", longText.c_str()), "<" + longText + ">");
    EXPECT_EQ(text.format("%.5s", longText.c_str()), "nnnnn");
    EXPECT_EQ(text.format("%400s", "r").length(), 400);
    // Output longer than the room ensured for a number.
    EXPECT_EQ(text.format("%f", 1e300).length(), 308);
    EXPECT_EQ(text.format("%70d", 1).length(), 70);
    EXPECT_EQ(text.format("%s%s%s", longText.c_str(), "-", longText.c_str()).length(), 601);
}

TEST(TextBufferTest, ConcatenationStopsAtEmbeddedNul) {
    TextBuffer withNul("ab\0cd", 5);
    ASSERT_EQ(withNul.length(), 5);
    EXPECT_EQ(withNul + "xy", "ab");
    EXPECT_EQ("xy" + withNul, "xyab");
    EXPECT_EQ('x' + withNul, "xab");
    EXPECT_EQ(TextBuffer("12") + TextBuffer("34"), "1234");
    EXPECT_EQ(TextBuffer() + TextBuffer(), "");
    EXPECT_EQ(withNul.length(), 5);  // operands unchanged
}

TEST(TextBufferTest, DirectStorageAccess) {
    TextBuffer text("abc");
    char* out = text.reserve(30);
    EXPECT_EQ(text.capacity(), 59);
    std::memcpy(out + 3, "defg", 4);
    text.setLength(-1);
    EXPECT_EQ(text, "abcdefg");
    text.setLength(2);
    EXPECT_EQ(text, "ab");

    text.resize(100);  // grows, length unchanged
    EXPECT_EQ(text.capacity(), 123);
    EXPECT_EQ(text.length(), 2);
    text.resize(40);  // longer than a quarter: padded with NULs in place
    EXPECT_EQ(text.capacity(), 123);
    EXPECT_EQ(text.view(), std::string("ab") + std::string(38, '\0'));
    text.resize(30);  // at most a quarter: moves to a smaller block
    EXPECT_EQ(text.capacity(), 59);
    EXPECT_EQ(text.length(), 30);
    EXPECT_STREQ(text.c_str(), "ab");

    TextBuffer moved(std::move(text));
    EXPECT_EQ(text.capacity(), 0);
    EXPECT_EQ(moved.capacity(), 59);
}

TEST(TextBufferDeathTest, ImpossibleSizeEndsTheProgram) {
    EXPECT_EXIT(TextBuffer("x").resize(INT_MAX), testing::ExitedWithCode(5), "out of memory");
}

}  // namespace
}  // namespace tw
