// Names in the scripts that need shaping and in the scripts only a found font draws:
// the layout measures them as the PDF's shaper draws them, every letter in an
// installed font that holds it; the Qt surface draws them without shaping them again.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QtGlobal>
#include <string>
#include <vector>

#include "output/font_metrics.h"
#include "output/installed_fonts.h"
#include "output/pdf/pdf_font.h"
#include "output/qt/qt_surface.h"

namespace tw {
namespace {

struct ShapedName {
    const char* script;
    const char* text;
    const char* face;
};

// Conjuncts, vowel signs before their consonant, stacked marks, joiners, and the
// right-to-left scripts without presentation forms.
const ShapedName kNames[] = {
    {"Devanagari, a title", "इंदिरा नेहरू and लक्ष्मी कृष्णन", "Times"},
    {"Devanagari in Arial", "प्रियंका गांधी (1972)", "Arial"},
    {"Bengali", "অমর্ত্য সেন", "Times"},
    {"Gurmukhi", "ਗੁਰਪ੍ਰੀਤ ਸਿੰਘ", "Times"},
    {"Gujarati", "નરેન્દ્ર મોદી", "Times"},
    {"Tamil", "முத்து கிருஷ்ணன்", "Times"},
    {"Telugu", "వెంకటేశ్వర్లు", "Times"},
    {"Kannada", "ಕೃಷ್ಣಪ್ಪ", "Times"},
    {"Malayalam", "ശ്രീകൃഷ്ണൻ", "Times"},
    {"Sinhala, with a joiner", "ශ්\u200Dරී ලංකා", "Times"},
    {"Thai", "ลักษมี ศรีสุข", "Times"},
    {"Lao", "ສົມ ພົມມະ", "Times"},
    {"Khmer", "សុខ ចាន់", "Times"},
    {"Myanmar", "မောင် ထွန်း", "Times"},
    {"Tibetan", "ཚེ་རིང རྡོ་རྗེ", "Times"},
    {"Odia", "ସୁଭାଷ ପଟ୍ଟନାୟକ", "Times"},
    {"Syriac", "ܐܦܪܝܡ ܣܘܪܝܝܐ", "Times"},
    {"Thaana", "އަހުމަދު ނަޝީދު", "Times"},
    {"N'Ko", "ߡߊߡߊߘߎ ߞߊߣߕߍ", "Times"},
    {"Cherokee", "ᏌᏊ ᎠᏂᏴᏫᏯ", "Arial"},
    {"Mongolian", "ᠲᠡᠮᠦᠵᠢᠨ", "Times"},
    {"Arabic with vowel marks", "عَلِيّ بن أَبِي", "Times"},
    {"Hebrew with points", "דָּוִד כֹּהֵן", "Times"},
    {"Latin with combining marks", "Nguye\u0302\u0303n Vie\u0302\u0323t", "Times"},
};

// 12 points at 600 pixels per inch; half a point is 100 / 24 pixels.
constexpr int kPixelsPerEm = 100;
constexpr double kHalfPoint = kPixelsPerEm / 24.0;

std::string familyOfRun(const FontRun& run, const char* face) {
    if (run.font != 0) return std::string(fallbackFamily(run.font));
    for (const char* family : familiesDrawing(face))
        if (isInstalled(family)) return family;
    return {};
}

bool haveNoto() { return isInstalled("Liberation Serif") && isInstalled("Noto Sans Devanagari"); }

// Each run starts where the PDF's shaper ends the runs before it, and the measured
// width is where it ends the last, within half a point; no letter is drawn as a
// missing glyph.
TEST(ShapedText, MeasuredAsThePdfDrawsItInFontsThatHoldEveryLetter) {
    if (!haveNoto()) GTEST_SKIP() << "Liberation and Noto fonts are not installed (tools/setup.sh installs them)";
    for (const ShapedName& name : kNames) {
        SCOPED_TRACE(name.script);
        double drawnEnd = 0;
        for (const FontRun& run : fontRuns(name.text, name.face, kPixelsPerEm)) {
            const std::string family = familyOfRun(run, name.face);
            ASSERT_FALSE(family.empty()) << "no installed font draws run " << run.font;
            const auto file = findFontFile(family);
            ASSERT_TRUE(file) << family;
            const auto font = PdfFont::open(*file);
            ASSERT_NE(font, nullptr) << family;
            PdfFont::Run drawn;
            font->layOut(run.text, run.shaped, drawn);
            for (const PlacedGlyph& g : drawn.glyphs) EXPECT_NE(g.glyph, 0u) << family << " lacks a letter";
            EXPECT_NEAR(run.offsetPixels, drawnEnd, kHalfPoint) << family;
            drawnEnd = run.offsetPixels + double(drawn.advance) * kPixelsPerEm / font->unitsPerEm();
        }
        EXPECT_NEAR(textWidthForPixelHeight(name.text, name.face, kPixelsPerEm), drawnEnd, kHalfPoint);
    }
}

TEST(ShapedText, RightToLeftWordsOfAFoundFontAreOneRunInReadingOrder) {
    if (!haveNoto()) GTEST_SKIP() << "Liberation and Noto fonts are not installed (tools/setup.sh installs them)";
    // Syriac letters join: the word is shaped whole, right to left, not letter by letter.
    const std::vector<FontRun> syriac = fontRuns("ܐܦܪܝܡ ܣܘܪܝܝܐ", "Times", kPixelsPerEm);
    ASSERT_EQ(syriac.size(), 3u);
    EXPECT_EQ(syriac[0].text, U"ܣܘܪܝܝܐ");  // the second word, on the left
    EXPECT_EQ(syriac[2].text, U"ܐܦܪܝܡ");
    EXPECT_TRUE(syriac[0].shaped);
    EXPECT_GT(syriac[0].font, fallbackFamilyCount());
    // Hebrew keeps a run a letter: its letters do not join, and SVG viewers would
    // reorder a run of several.
    EXPECT_EQ(fontRuns("דוד", "Times", kPixelsPerEm).size(), 3u);
}

// Qt draws the glyphs the layout shaped, in the same fonts: no "OpenType support
// missing" for fonts without that script's tables (Thaana) or that Qt does not
// know for it (N'Ko), and the ink lies within the measured width.
TEST(ShapedText, TheQtSurfaceDrawsShapedRunsWithoutShapingThemAgain) {
    if (!haveNoto()) GTEST_SKIP() << "Liberation and Noto fonts are not installed (tools/setup.sh installs them)";
    static std::vector<std::string> warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings.push_back(text.toStdString()); });
    for (const ShapedName& name : kNames) {
        SCOPED_TRACE(name.script);
        QImage image(2000, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtSurface surface(painter);
        surface.setFont(name.face, kPixelsPerEm, 0);
        constexpr int kLeft = 100;
        surface.text({kLeft, 20}, name.text);
        painter.end();
        int left = image.width(), right = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) left = std::min(left, x), right = std::max(right, x);
        ASSERT_GE(right, 0) << "nothing drawn";
        const int measured = textWidthForPixelHeight(name.text, name.face, kPixelsPerEm);
        EXPECT_GE(left, kLeft - 2 * kHalfPoint);
        EXPECT_LE(right, kLeft + measured + 2 * kHalfPoint);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
}

}  // namespace
}  // namespace tw
