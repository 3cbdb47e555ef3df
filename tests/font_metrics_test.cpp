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

}  // namespace
}  // namespace tw
