#include "output/visual_text.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

std::u32string visual(std::string_view utf8) { return visualText(decodeText(utf8)); }

// Names in reading order and as they are drawn from left to right.
struct VisualCase {
    const char* what;
    const char* logical;
    std::u32string drawn;
};

TEST(VisualTextTest, RightToLeftNamesAreReorderedAndArabicIsJoined) {
    const VisualCase cases[] = {
        {"Latin untouched", "Smith, John (1820)", U"Smith, John (1820)"},
        {"Hebrew reversed", "כהן דוד", U"דוד ןהכ"},
        {"Hebrew, then a year", "כהן 1920", U"1920 ןהכ"},
        {"brackets mirrored", "כהן (בן)", U"(ןב) ןהכ"},
        {"brackets take the side before them", "כהן [1920]", U"[1920] ןהכ"},
        {"Hebrew inside Latin", "Cohen (כהן)", U"Cohen (ןהכ)"},
        {"a mark stays after its base", "בּן", U"ןב\u05BC"},
        {"Arabic initial, medial, final", "محمد", U"\uFEAA\uFEE4\uFEA4\uFEE3"},
        {"lam-alef after a joining letter", "علاء", U"\uFE80\uFEFC\uFECB"},
        {"two words, Allah as one ligature", "عبد الله", U"\uFDF2 \uFEAA\uFE92\uFECB"},
        {"alef cuts the joining, no ligature before a letter", "اللهم",
         U"\uFEE2\uFEEC\uFEE0\uFEDF\uFE8D"},
        {"a year after Arabic", "علي 1950", U"1950 \uFEF2\uFEE0\uFECB"},
        {"Arabic after Latin", "Ali علي", U"Ali \uFEF2\uFEE0\uFECB"},
        {"Persian letters from Forms-A", "پیروز",
         U"\uFEAF\uFEED\uFEAE\uFBFF\uFB58"},
        {"controls dropped", "\u200Fכהן\u202B", U"ןהכ"},
    };
    for (const VisualCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(visual(c.logical), c.drawn);
    }
}

TEST(VisualTextTest, DecodesUtf8AndOtherwiseWindows1252) {
    EXPECT_EQ(decodeText("Łukasz"), U"Łukasz");
    EXPECT_EQ(decodeText("Fran\xE7ois \x80"), U"François €");
    EXPECT_EQ(decodeText("\xF0\x9F\x98\x80!"), U"\U0001F600!");
    EXPECT_EQ(decodeText("\xED\xA0\x80"), U"í\u00A0€");       // a surrogate is not UTF-8
    EXPECT_EQ(decodeText("\xE2\x82"), U"â‚");                  // cut short
    EXPECT_EQ(decodeText("\x81\x9D"), U"\u0081\u009D");         // unassigned bytes
    EXPECT_EQ(encodeUtf8(U"Łi 李 \U0001F600"), "Łi 李 \U0001F600");
    EXPECT_FALSE(needsVisualOrder(U"Иван Nguyễn 王"));
    EXPECT_TRUE(needsVisualOrder(U"Li כהן"));
}

}  // namespace
}  // namespace tw
