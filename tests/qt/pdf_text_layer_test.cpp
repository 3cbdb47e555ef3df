// The text of the program's PDF files reads back as it was written, whatever the
// drawing did to it: right-to-left letters reversed and joined, vowel signs drawn
// before their consonants or in two parts, ligatures, marks, one CJK glyph for two
// characters, text turned at an angle.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "output/page_render.h"
#include "output/pdf/pdf_file_printer.h"
#include "output/pdf/text_reading.h"
#include "output/visual_text.h"
#include "support/pdf_checks.h"
#include "support/recording_host.h"

namespace tw {
namespace {

namespace fs = std::filesystem;
using test::PdfExtractor;

TEST(TextReading, ComposedAndDecomposedForms) {
    struct Case {
        std::u32string text, composed, decomposed;
    };
    const Case cases[] = {
        {U"Jose\u0301", U"Jos\u00E9", U"Jose\u0301"},
        {U"q\u0307\u0323", U"q\u0323\u0307", U"q\u0323\u0307"},          // marks in canonical order
        {U"\u212B", U"\u00C5", U"A\u030A"},                               // a singleton
        {U"\u0915\u093C", U"\u0915\u093C", U"\u0915\u093C"},              // excluded from composition
        {U"\u0B95\u0BC6\u0BBE", U"\u0B95\u0BCA", U"\u0B95\u0BC6\u0BBE"},  // a Tamil vowel in two parts
        {U"\u1100\u1161\u11A8", U"\uAC01", U"\u1100\u1161\u11A8"},        // Hangul
        {U"\u05DB\u05BC\u05B9", U"\u05DB\u05B9\u05BC", U"\u05DB\u05B9\u05BC"},
        {U"Ωmega \u9AD8", U"Ωmega \u9AD8", U"Ωmega \u9AD8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(encodeUtf8(c.text));
        EXPECT_EQ(composedText(c.text), c.composed);
        EXPECT_EQ(decomposedText(c.text), c.decomposed);
    }
}

// Characters the writer draws one glyph each, in the order written, without asking
// how they were shaped: only those that read back unchanged that way.
TEST(TextReading, CharactersThatReadAsDrawn) {
    struct Case {
        const char* what;
        char32_t c;
        bool asDrawn;
    };
    const Case cases[] = {
        {"Latin with a diacritic", U'\u0159', true},
        {"Vietnamese, composed", U'\u1EC5', true},
        {"Greek", U'\u03B5', true},
        {"Cyrillic", U'\u0411', true},
        {"Armenian", U'\u0531', true},
        {"Georgian", U'\u10DC', true},
        {"an ideograph", U'\u9AD8', true},
        {"Hiragana", U'\u306F', true},
        {"a Hangul syllable", U'\uC11C', true},
        {"a combining acute", U'\u0301', false},
        {"a Greek letter with oxia, a singleton", U'\u1F71', false},
        {"the ohm sign, a singleton", U'\u2126', false},
        {"a Kangxi radical", U'\u2FBC', false},
        {"a compatibility ideograph", U'\uF900', false},
        {"Hebrew", U'\u05D9', false},
        {"Arabic", U'\u0645', false},
        {"an Arabic presentation form", U'\uFEE3', false},
        {"a Devanagari vowel sign", U'\u093F', false},
        {"Tamil", U'\u0B9A', false},
        {"Thai", U'\u0E2A', false},
        {"a right-to-left mark", U'\u200F', false},
        {"a conjoining Hangul vowel", U'\u1161', false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readsAsDrawn(c.c), c.asDrawn);
        if (readsAsDrawn(c.c)) {
            EXPECT_EQ(composedText(std::u32string(1, c.c)), std::u32string(1, c.c));
        }
    }
}

// The letters of each character of a text as visualText draws it, in visual order.
std::vector<std::u32string> drawnLetters(std::u32string_view text) {
    std::vector<std::u32string> letters;
    for (const char32_t c : visualText(text)) letters.push_back(lettersOfDrawnText(std::u32string(1, c)));
    return letters;
}

TEST(TextReading, PresentationFormsReadAsTheirLetters) {
    for (const std::u32string name : {U"محمد", U"سلام", U"عبد الله", U"فرشته رضایی", U"لأ"}) {
        SCOPED_TRACE(encodeUtf8(name));
        const std::u32string drawn = visualText(name);
        EXPECT_TRUE(std::all_of(drawn.begin(), drawn.end(), [](char32_t c) { return c == U' ' || (c >= 0xFB50 && c <= 0xFEFF); }));
        std::u32string letters;
        for (const std::u32string& drawn : drawnLetters(name)) letters.insert(0, drawn);
        EXPECT_EQ(letters, name);
    }
    EXPECT_EQ(lettersOfDrawnText(U"e\u0301\uFB01"), U"\u00E9\uFB01") << "no other compatibility form is touched";
}

TEST(TextReading, OrderOfDrawnStretchesSpellingTheText) {
    struct Case {
        const char* what;
        std::u32string reading;
        std::vector<uint32_t> order;
    };
    // Stretches of one character each as visualText draws them, in visual order.
    const Case cases[] = {
        {"left to right", U"Abc", {0, 1, 2}},
        {"right to left", U"יעל", {2, 1, 0}},
        // The meem read first is the rightmost, not the first one met.
        {"a number, then Arabic", U"3. محمد", {0, 1, 2, 6, 5, 4, 3}},
        {"Arabic, then a number", U"علي 19", {5, 4, 3, 2, 0, 1}},
        {"brackets drawn mirrored", U"א (ב)", {4, 3, 2, 1, 0}},
        {"a ligature", U"سلام", {2, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readingOrder(drawnLetters(c.reading), c.reading), c.order);
    }
    const std::vector<std::u32string> ab = {U"a", U"b"};
    EXPECT_TRUE(readingOrder(ab, U"a").empty()) << "a stretch too many";
    EXPECT_TRUE(readingOrder(std::span(ab).first(1), U"ab").empty()) << "a letter missing";
    EXPECT_TRUE(readingOrder(ab, U"ax").empty()) << "another letter";
}

bool haveFonts() { return QFontDatabase::hasFamily("Liberation Serif") && QFontDatabase::hasFamily("Noto Sans CJK SC"); }

class PdfTextLayer : public testing::Test {
protected:
    void SetUp() override {
        if (!haveFonts()) GTEST_SKIP() << "Liberation and Noto fonts are not installed (tools/setup.sh installs them)";
        if (!test::pdfToolsInstalled()) GTEST_SKIP() << test::kPdfToolsMissing;
        std::string pattern = (fs::temp_directory_path() / "tamblewin-pdftext-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        if (!dir.empty()) fs::remove_all(dir);
    }

    // One page of texts, one under another; the file's path.
    std::string write(const std::vector<std::string>& texts, int angleTenths = 0) {
        const std::string pdf = (dir / "texts.pdf").string();
        std::string page = "\x02" "FN,Times\x02" "FS,12";
        double y = 0.7;
        for (const std::string& text : texts) {
            page += angleTenths == 0 ? "\x02TO,1.," + std::to_string(y) + "," + text
                                     : "\x02TOA,1.," + std::to_string(y) + "," + std::to_string(angleTenths) +
                                           ",Times,12," + text;
            y += 0.45;
        }
        page += "\x02" "ED";
        PdfFilePrinter printer(pdf);
        printer.describeDocument({"Texts", 0});
        EXPECT_TRUE(printer.startDocument("T"));
        RenderView view;
        view.scale = printer.geometry().pixelsPerInchX;
        test::RecordingHost host;
        renderPage(page, printer.surface(), view, host);
        printer.endDocument();
        EXPECT_TRUE(printer.ok()) << printer.errorText();
        EXPECT_EQ(test::pdfProblems(pdf), "");
        return pdf;
    }

    fs::path dir;
};

// Each text, written in any form, comes back in its composed form: from poppler
// whole, from MuPDF (which does not read /ActualText) in the order of the glyphs'
// codes, a vowel in two parts read as its two parts.
TEST_F(PdfTextLayer, EveryShapingReadsBackAsWritten) {
    struct Case {
        const char* what;
        std::string written;
        bool mupdfDecomposed;  // MuPDF reads a vowel in two parts as its two parts
    };
    const std::vector<Case> cases = {
        {"Latin, composed as it is drawn", "Jose\xCC\x81 Garci\xCC\x81" "a", false},
        {"Vietnamese", "Nguyễn Thị Hằng", false},
        {"Devanagari: a vowel sign before its consonant, a conjunct, a reph", "इंदिरा क्षिति शर्मा", false},
        {"Tamil: a vowel sign before its consonant", "செல்வம் கண்ணன்", false},
        {"Tamil: vowels in two parts", "பொன்னம்பலம் கோபால்", true},
        {"Bengali: vowels in two parts", "শোভা সৌমিত্র", true},
        {"Thai", "สมชาย ใจดี น้ำ", false},
        {"Hebrew", "יעל לוי", false},
        {"Arabic joined, lam-alef, the word Allah", "عبد الله سلام", false},
        {"Persian", "فرشته رضایی", false},
        {"ideographs their font draws with Kangxi radicals' glyphs", "高見 豊臣", false},
        {"Korean", "서연 김", false},
        {"Greek and Cyrillic", "Ελένη Борис", false},
    };
    std::vector<std::string> texts;
    for (const Case& c : cases) texts.push_back(c.written);
    const std::string pdf = write(texts);
    for (const PdfExtractor extractor : {PdfExtractor::Poppler, PdfExtractor::MuPdf}) {
        SCOPED_TRACE(test::extractorName(extractor));
        const std::string text = test::foldedText(test::extractedText(pdf, extractor));
        for (const Case& c : cases) {
            const std::u32string written = decodeText(c.written);
            const std::string expected = encodeUtf8(extractor == PdfExtractor::MuPdf && c.mupdfDecomposed
                                                        ? decomposedText(written)
                                                        : composedText(written));
            EXPECT_NE(text.find(expected), std::string::npos) << c.what << "\n" << text;
        }
    }
}

// A radical and the ideograph drawn with the same glyph in one document each read
// as the character written, whichever came first.
TEST_F(PdfTextLayer, OneGlyphDrawnForTwoCharactersReadsAsEach) {
    const std::string pdf = write({"\u9AD8\u898B", "\u2FBC\u2F92", "\u9AD8\u898B"});
    const std::string text = test::foldedText(test::extractedText(pdf, PdfExtractor::Poppler));
    EXPECT_EQ(text, "\u9AD8\u898B \u2FBC\u2F92 \u9AD8\u898B");
}

// Text turned at an angle that is not a quarter turn reads as one word.
TEST_F(PdfTextLayer, TurnedTextReadsAsWritten) {
    for (const int angle : {600, -620, 450}) {
        SCOPED_TRACE(angle);
        const std::string pdf = write({"Ondřej", "Dvořák"}, angle);
        for (const PdfExtractor extractor : {PdfExtractor::Poppler, PdfExtractor::MuPdf}) {
            const std::string text = test::foldedText(test::extractedText(pdf, extractor));
            for (const char* word : {"Ondřej", "Dvořák"})
                EXPECT_NE(text.find(word), std::string::npos) << test::extractorName(extractor) << "\n" << text;
        }
    }
}

}  // namespace
}  // namespace tw
