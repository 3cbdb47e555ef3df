// Text in every script drawn by the Qt surface: where the metric tables measured it,
// in the fonts they measured it in, and extractable from the PDF.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <vector>
#include <string>

#include "output/font_metrics.h"
#include "output/page_render.h"
#include "output/pdf/pdf_file_printer.h"
#include "output/qt/file_printers.h"
#include "output/qt/qt_surface.h"
#include "support/pdf_checks.h"
#include "support/recording_host.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

bool haveTool(const char* name) { return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0; }

// The rightmost dark column in rows y1..y2, or -1.
int inkRight(const QImage& image, int y1, int y2) {
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = y1; y <= y2; ++y)
            if (qGray(image.pixel(x, y)) < 128) return x;
    return -1;
}

bool haveFonts() {
    return QFontDatabase::hasFamily("Liberation Serif") && QFontDatabase::hasFamily("Noto Sans CJK SC");
}

// At 600 dpi (12 points = 100 pixels per em) a text drawn with a mark after it puts
// the mark where the metric tables say the text ends: the mark drawn on its own at
// the measured width lands on the same column. The mark is in the text's own font,
// so the text and the mark are laid out by Qt as one run.
TEST(UnicodeTextTest, DrawnWidthIsTheMeasuredWidth) {
    if (!haveFonts()) GTEST_SKIP() << "Liberation and Noto fonts are not installed (tools/setup.sh installs them)";
    struct Sample {
        const char* script;
        const char* text;
        const char* mark;
    };
    const Sample samples[] = {
        {"Latin", "Tamblewin Totals, Jos\xE9 Mu\xF1oz", "|"},
        {"Cyrillic", "Иван Петрович Сидоров", "|"},
        {"Hebrew, reordered", "כהן דוד", "|"},
        {"CJK", "王秀英李明華김민준", "王"},
    };
    constexpr int kPixelHeight = 100;
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.script);
        QImage image(3000, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtSurface surface(painter);
        surface.setFont("Times", kPixelHeight, 0);
        const int measured = textWidthForPixelHeight(s.text, "Times", kPixelHeight);
        surface.text({20, 10}, std::string(s.text) + s.mark);
        surface.text({20 + measured, 160}, s.mark);
        painter.end();
        const int together = inkRight(image, 0, 149);
        const int alone = inkRight(image, 150, 299);
        ASSERT_GT(alone, 20);
        EXPECT_NEAR(together, alone, 2) << "measured " << measured;
    }
}

// A mixed-script page through the PDF printer: every name comes back out of the PDF
// as text to both extractors, and every font it uses is embedded.
TEST(UnicodeTextTest, PdfHoldsEveryScriptAsTextInEmbeddedFonts) {
    if (!haveFonts()) GTEST_SKIP() << "Liberation and Noto fonts are not installed (tools/setup.sh installs them)";
    if (!test::pdfToolsInstalled() || !haveTool("pdffonts")) GTEST_SKIP() << test::kPdfToolsMissing;
    std::string pattern = (fs::temp_directory_path() / "tamblewin-unicode-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    const std::string pdf = (dir / "names.pdf").string();

    const std::string names[] = {"Иван Петров", "Łukasz Wałęsa", "Nguyễn Thị Minh Khai", "Γεώργιος Παπαδόπουλος",
                                 "王秀英", "김민준", "राम", "כהן דוד"};
    std::string page = "\x02" "FN,Times\x02" "FS,12";
    double y = 1;
    for (const std::string& name : names) {
        page += "\x02TO,1.,";
        page += std::to_string(y) + "," + name;
        y += 0.5;
    }
    page += "\x02" "TO,1.,5.,محمد علي\x02" "FN,Arial\x02" "TO,1.,6.,Fran\xE7ois \x80 M\xFCller\x02" "ED";

    PdfFilePrinter printer(pdf);
    ASSERT_TRUE(printer.startDocument("Names"));
    RenderView view;
    view.scale = printer.geometry().pixelsPerInchX;
    test::RecordingHost host;
    renderPage(page, printer.surface(), view, host);
    printer.endDocument();
    ASSERT_TRUE(printer.ok()) << printer.errorText();

    EXPECT_EQ(test::pdfProblems(pdf), "");
    for (const test::PdfExtractor extractor : {test::PdfExtractor::Poppler, test::PdfExtractor::MuPdf}) {
        SCOPED_TRACE(test::extractorName(extractor));
        const std::string text = test::foldedText(test::extractedText(pdf, extractor));
        for (const std::string& name : names) EXPECT_NE(text.find(name), std::string::npos) << name << "\n" << text;
        EXPECT_NE(text.find("François € Müller"), std::string::npos) << text;
        // Arabic reads as its letters in the order written, not as the presentation
        // forms drawn.
        EXPECT_NE(text.find("محمد علي"), std::string::npos) << text;
    }

    const std::string fonts = test::commandOutput("pdffonts '" + pdf + "'");
    for (const char* family : {"LiberationSerif", "LiberationSans", "NotoSansCJK", "NotoSansDevanagari", "NotoNaskhArabic"})
        EXPECT_NE(fonts.find(family), std::string::npos) << family << "\n" << fonts;
    // pdffonts: a line per font, ending "emb sub uni object-id generation". Every
    // font is embedded with a map back to Unicode; Qt embeds only the glyphs used
    // (the whole Noto Sans CJK is 19 MB; the PDF stays small).
    std::istringstream lines(fonts);
    std::string line;
    int listed = 0;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::vector<std::string> f{std::istream_iterator<std::string>(fields), std::istream_iterator<std::string>()};
        if (f.size() < 6 || (f[f.size() - 5] != "yes" && f[f.size() - 5] != "no")) continue;
        ++listed;
        EXPECT_EQ(f[f.size() - 5], "yes") << "not embedded: " << line;
        EXPECT_EQ(f[f.size() - 3], "yes") << "no map to Unicode: " << line;
    }
    EXPECT_GE(listed, 4);
    EXPECT_LT(fs::file_size(pdf), 300000u);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace tw
