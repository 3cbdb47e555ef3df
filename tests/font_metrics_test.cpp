#include "output/font_metrics.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace tw {
namespace {

// At a pixel height of 2048 (the units per em of both fonts) a width is the sum of
// the advances in font units, so the tables can be checked against the published
// Times New Roman and Arial metrics.
int32_t fontUnits(std::string_view text, std::string_view face) {
    return textWidthForPixelHeight(text, face, 2048);
}

TEST(FontMetricsTest, AdvancesMatchTimesNewRomanAndArial) {
    EXPECT_EQ(fontUnits(" ", "Times"), 512);
    EXPECT_EQ(fontUnits("W", "Times"), 1933);
    EXPECT_EQ(fontUnits("M", "Times"), 1821);
    EXPECT_EQ(fontUnits("a", "Times"), 909);
    EXPECT_EQ(fontUnits("0123456789", "Times"), 10240);  // tabular figures, half an em

    EXPECT_EQ(fontUnits(" ", "Arial"), 569);
    EXPECT_EQ(fontUnits("A", "Arial"), 1366);
    EXPECT_EQ(fontUnits("i", "Arial"), 455);
    EXPECT_EQ(fontUnits("W", "Arial"), 1933);
    EXPECT_EQ(fontUnits("0123456789", "Arial"), 11390);
}

TEST(FontMetricsTest, HighBytesAreWindows1252) {
    // Read as Latin-1 or as signed chars these would be other characters or out of the table.
    EXPECT_EQ(fontUnits("\xE9", "Times"), 909);    // e acute, as wide as e
    EXPECT_EQ(fontUnits("\xE9", "Arial"), 1139);
    EXPECT_EQ(fontUnits("\x80", "Times"), 1024);   // euro sign
    EXPECT_EQ(fontUnits("\x80", "Arial"), 1139);
    EXPECT_EQ(fontUnits("\x97", "Times"), 2048);   // em dash
    EXPECT_EQ(fontUnits("\xDF", "Arial"), 1251);   // sharp s
    EXPECT_EQ(fontUnits("\xFF", "Times"), 1024);   // y diaeresis, the last byte

    // Control bytes take no room; unassigned bytes measure as the missing-glyph box.
    EXPECT_EQ(fontUnits(std::string("A\0\t\x7F", 4), "Times"), 1479);
    EXPECT_EQ(fontUnits("\x81", "Times"), 1593);
    EXPECT_EQ(fontUnits("\x9D", "Arial"), 1536);
}

TEST(FontMetricsTest, FaceSelection) {
    EXPECT_EQ(metricFaceFor("Arial"), MetricFace::Arial);
    EXPECT_EQ(metricFaceFor("ARIAL"), MetricFace::Arial);
    EXPECT_EQ(metricFaceFor("liberation sans"), MetricFace::Arial);
    EXPECT_EQ(metricFaceFor("Times"), MetricFace::Times);
    EXPECT_EQ(metricFaceFor("Arial Black"), MetricFace::Times);
    EXPECT_EQ(metricFaceFor("Aria"), MetricFace::Times);
    EXPECT_EQ(metricFaceFor(""), MetricFace::Times);

    // Any face not measured as Arial measures exactly as Times.
    EXPECT_EQ(textWidthPixels("Smith, John", "Courier New", 12, 600),
              textWidthPixels("Smith, John", "Times", 12, 600));
    EXPECT_NE(textWidthPixels("Smith, John", "arial", 12, 600),
              textWidthPixels("Smith, John", "Times", 12, 600));
}

TEST(FontMetricsTest, WidthInPixelsScalesBySizeAndResolution) {
    EXPECT_EQ(textWidthPixels("Totals", "Times", 10, 300), 104);             // 104.15
    EXPECT_EQ(textWidthPixels("Totals", "Arial", 10, 96), 36);               // 36.31
    EXPECT_EQ(textWidthPixels("Smith, John", "Times", 12, 600), 478);        // 477.88
    EXPECT_EQ(textWidthPixels("Smith, John", "Arial", 12, 300), 264);        // 264.01
    EXPECT_EQ(textWidthPixels("Ancestors of Jos\xE9 Mu\xF1oz", "Arial", 12, 300), 561);  // 561.38
    EXPECT_EQ(textWidthPixels("W", "Times", 72, 2048), 1933);                // one unit per pixel

    // The whole text is rounded once, not each character: one "i" in Times at 10 points
    // and 96 dpi is 3.70 pixels, ten are 37.04.
    EXPECT_EQ(textWidthPixels("i", "Times", 10, 96), 4);
    EXPECT_EQ(textWidthPixels("iiiiiiiiii", "Times", 10, 96), 37);
}

TEST(FontMetricsTest, HalvesRoundUp) {
    // A Times space is a quarter of an em: 12.5 pixels at 12 points and 300 dpi.
    EXPECT_EQ(textWidthPixels(" ", "Times", 12, 300), 13);
    EXPECT_EQ(textWidthPixels("  ", "Times", 12, 300), 25);
    EXPECT_EQ(textWidthForPixelHeight(" ", "Times", 2), 1);    // 0.5
    EXPECT_EQ(textWidthForPixelHeight(" ", "Times", 10), 3);   // 2.5
    EXPECT_EQ(textWidthForPixelHeight(" ", "Times", 1), 0);    // 0.25
    EXPECT_EQ(textWidthForPixelHeight("Totals", "Arial", 40), 109);  // 108.93
}

TEST(FontMetricsTest, NothingToMeasureAndHugeSizes) {
    EXPECT_EQ(textWidthPixels("", "Times", 12, 600), 0);
    EXPECT_EQ(textWidthForPixelHeight("", "Arial", 50), 0);
    EXPECT_EQ(textWidthPixels("Totals", "Times", 0, 600), 0);
    EXPECT_EQ(textWidthPixels("Totals", "Times", -12, 600), 0);
    EXPECT_EQ(textWidthForPixelHeight("Totals", "Times", -50), 0);

    // Products beyond 64 bits saturate instead of wrapping to small widths.
    std::string longText(100000, 'W');
    EXPECT_EQ(textWidthPixels(longText, "Times", INT_MAX, INT_MAX), INT32_MAX);
    EXPECT_EQ(textWidthForPixelHeight(longText, "Arial", INT_MAX), INT32_MAX);
    EXPECT_EQ(textWidthPixels(longText, "Times", 12, 600), 9438477);  // 9438476.56
}

// Texts beyond Windows-1252, as UTF-8, with their advances from the font files: in
// Liberation units (2048 per em) and in fallback units (Noto, 1000 per em). At a
// pixel height of 2,048,000 a width is exactly face units x 1000 + fallback units x
// 2048. The drawing font of each text's first run says which table measured it.
struct ScriptSample {
    const char* script;
    const char* text;
    const char* face;
    int64_t faceUnits;
    int64_t fallbackUnits;
    const char* fallbackFamily;  // nullptr: all of it in the Liberation face
};

TEST(FontMetricsTest, EveryScriptMeasuresFromTheFaceOrTheFallback) {
    const ScriptSample samples[] = {
        {"Cyrillic", "Иван Петров", "Times", 11261, 0, nullptr},
        {"Polish", "Łukasz Wałęsa", "Times", 12452, 0, nullptr},
        {"Vietnamese", "Nguyễn Thị Minh Khai", "Arial", 20149, 0, nullptr},
        {"Greek", "Γεώργιος Παπαδόπουλος", "Times", 20765, 0, nullptr},
        {"Hebrew", "דוד כהן", "Times", 5707, 0, nullptr},
        {"Chinese", "王秀英", "Times", 0, 3000, "Noto Sans CJK SC"},
        {"Arabic, joined", "محمد", "Times", 0, 2009, "Noto Naskh Arabic"},
        {"Devanagari", "राम", "Arial", 0, 1266, "Noto Sans Devanagari"},
        {"Latin and Han", "李 Li", "Times", 2332, 1000, "Noto Sans CJK SC"},
    };
    for (const ScriptSample& s : samples) {
        SCOPED_TRACE(s.script);
        EXPECT_EQ(textWidthForPixelHeight(s.text, s.face, 2048000), s.faceUnits * 1000 + s.fallbackUnits * 2048);
        const std::vector<FontRun> runs = fontRuns(s.text, s.face, 2048000);
        ASSERT_FALSE(runs.empty());
        EXPECT_EQ(fallbackFamily(runs.front().font), s.fallbackFamily ? s.fallbackFamily : "");
    }
    // Points and dots: a 12-point ideograph at 600 dpi is 100 pixels, as is one em.
    EXPECT_EQ(textWidthPixels("王", "Times", 12, 600), 100);
    EXPECT_EQ(textWidthPixels("王秀英 Wang", "Times", 12, 600), 300 + textWidthPixels(" Wang", "Times", 12, 600));
}

TEST(FontMetricsTest, BytesThatAreNotUtf8MeasureAsWindows1252) {
    // "José Muñoz" in Windows-1252 and in UTF-8; a stray continuation byte, a cut
    // sequence and the unassigned bytes measure as the Windows-1252 table always did.
    EXPECT_EQ(fontUnits("Jos\xE9 Mu\xF1oz", "Arial"), 11042);
    EXPECT_EQ(fontUnits("José Muñoz", "Arial"), 11042);
    EXPECT_EQ(fontUnits("\xA9\xE9", "Times"), 1556 + 909);    // (c), e acute
    EXPECT_EQ(fontUnits("\xC3(", "Times"), 1479 + 682);       // A tilde, parenthesis
    EXPECT_EQ(fontUnits("\xE2\x80", "Times"), 909 + 1024);   // a circumflex, euro sign
    EXPECT_EQ(fontUnits("\xE2\x82\xAC", "Times"), 1024);     // the euro sign in UTF-8
    EXPECT_EQ(fontUnits("\x8D\x90", "Arial"), 2 * 1536);      // unassigned: missing-glyph box
    // Every byte alone is its Windows-1252 character, as before.
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string single(1, char(b));
        EXPECT_EQ(fontUnits(single, "Times") * 2, fontUnits(single + single, "Times")) << b;
    }
}

TEST(FontMetricsTest, RunsStartWhereTheTextBeforeThemEnds) {
    // Latin, Han, Latin at 100 pixels per em: each run starts at the rounded width of
    // what comes before it, so a drawn run lands where the measured text puts it.
    const std::vector<FontRun> runs = fontRuns("Li 李 Wang", "Times", 100);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].font, 0);
    EXPECT_EQ(runs[0].offsetPixels, 0);
    EXPECT_EQ(runs[1].text, U"李");
    EXPECT_EQ(runs[1].offsetPixels, textWidthForPixelHeight("Li ", "Times", 100));
    EXPECT_EQ(runs[2].offsetPixels, textWidthForPixelHeight("Li 李", "Times", 100));
    EXPECT_EQ(runs[2].text, U" Wang");
    // Right to left: drawn in visual order.
    const std::vector<FontRun> arabic = fontRuns("Ali علي", "Times", 100);
    ASSERT_EQ(arabic.size(), 2u);
    EXPECT_EQ(arabic[1].text, U"\uFEF2\uFEE0\uFECB");
    EXPECT_EQ(fallbackFamily(0), "");
    EXPECT_EQ(fallbackFamily(fallbackFamilyCount() + 1), "");
}

}  // namespace
}  // namespace tw
