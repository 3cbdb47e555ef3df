// The SVG surface against the Qt surface: the same baseline as the font engine
// gives, and pages that a viewer (Qt's own) renders as the Qt surface paints them.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "output/page_render.h"
#include "output/qt/file_printers.h"
#include "output/qt/qt_surface.h"
#include "output/svg_surface.h"
#include "support/recording_host.h"
#include "support/page_lines.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

TEST(SvgOutputTest, AscentsAreThoseOfTheFontEngine) {
    for (const auto& [face, metricFace] : {std::pair{"Times", MetricFace::Times}, std::pair{"Arial", MetricFace::Arial}}) {
        const QString family = QtSurface::familyFor(face);
        if (!family.startsWith("Liberation")) GTEST_SKIP() << "the Liberation fonts are not installed";
        for (const int size : {1, 7, 12, 25, 75, 100, 117, 333, 1000, 4321}) {
            QFont font(family);
            font.setPixelSize(size);
            font.setKerning(false);
            font.setHintingPreference(QFont::PreferNoHinting);
            EXPECT_DOUBLE_EQ(SvgSurface::ascentPixels(metricFace, size), QFontMetricsF(font).ascent()) << face << " " << size;
        }
    }
}

using test::page;

TEST(SvgOutputTest, PagesRenderAsTheQtSurfacePaintsThem) {
    if (!QFontDatabase::hasFamily("Liberation Serif")) GTEST_SKIP() << "the Liberation fonts are not installed";
    const std::vector<std::string> pages = {
        page({"PW,.02", "FN,Times", "FS,12", "DR,.5,.5,8.,10.500000", "TO,1.,1.,Tamblewin  Totals & <more>",
              "TOR,7.,1.,Right", "AHL1.0000,5.0000,3.0000,5.0000,0.0200", "TOA,6.0000,8.0000,900,Arial,14,Upwards",
              "TOA,3.0000,8.0000,300,Times,10,Slanted", "ED"}),
        page({"PW,.01", "PC,2233cc", "BC,8fd57b", "DE,1.,1.,3.,2.", "PV,4.,4.", "PV,6.,4.", "PV,5.,6.", "PG",
              "PW,0", "M,1.,9.", "L,7.,9.5", "FN,Arial", "FS,10", "TO,1.,7.,Coloured page", "ED"}),
        page({"FN,Times", "FS,12", "TO,1.,1.,\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD \xCE\x93\xCE\xB5\xCF\x8E\xCF\x81\xCE\xB3\xCE\xB9\xCE\xBF\xCF\x82",
              "TO,1.,1.5,\xE7\x8E\x8B\xE7\xA7\x80\xE8\x8B\xB1 Wang", "TO,1.,2.,\xD7\x9B\xD7\x94\xD7\x9F \xD7\x93\xD7\x95\xD7\x93",
              "TO,1.,2.5,\xD9\x85\xD8\xAD\xD9\x85\xD8\xAF \xD8\xB9\xD9\x84\xD9\x8A", "TO,1.,3.,Fran\xE7ois \x80", "ED"}),
    };

    std::string pattern = (fs::temp_directory_path() / "tamblewin-svg-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    // At 150 pixels per inch the SVG's coordinates are the pixels of a PNG page.
    SvgFilePrinter printer((dir / "page.svg").string(), 150);
    ASSERT_TRUE(printer.startDocument("Pages"));
    QtSurface painted;
    RenderView view;
    view.scale = 150;
    test::RecordingHost host;
    std::vector<QImage> expected;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) printer.newPage();
        renderPage(pages[i], printer.surface(), view, host);
        QImage image(1275, 1650, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);  // as the viewer draws
        painted.begin(painter);
        renderPage(pages[i], painted, view, host);
        painted.end();
        painter.end();
        expected.push_back(image);
    }
    printer.endDocument();
    ASSERT_TRUE(printer.ok()) << printer.errorText();
    ASSERT_EQ(printer.writtenFiles().size(), pages.size());

    for (size_t i = 0; i < pages.size(); ++i) {
        QSvgRenderer renderer(QString::fromStdString(printer.writtenFiles()[i]));
        ASSERT_TRUE(renderer.isValid()) << printer.writtenFiles()[i];
        QImage rendered(1275, 1650, QImage::Format_RGB32);
        rendered.fill(Qt::white);
        QPainter painter(&rendered);
        renderer.render(&painter);
        painter.end();
        // The viewer smooths the edges of glyphs and lines its own way, and kerns and
        // shapes each run itself (after "To" the rest of a run moves by a pixel):
        // compared at a third of the size, those differences stay few, while a shape
        // or a line of text out of place, or in another font, differs in most of its
        // pixels.
        const auto reduced = [](const QImage& image) {
            return image.scaled(image.width() / 3, image.height() / 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        };
        const QImage want = reduced(expected[i]), got = reduced(rendered);
        int ink = 0, differing = 0;
        for (int y = 0; y < want.height(); ++y)
            for (int x = 0; x < want.width(); ++x) {
                const int wanted = qGray(want.pixel(x, y));
                if (wanted < 160) ++ink;
                if (std::abs(qGray(got.pixel(x, y)) - wanted) > 48) ++differing;
            }
        EXPECT_GT(ink, 100) << "page " << i + 1;
        EXPECT_LT(differing, ink / 6) << "page " << i + 1 << ": " << differing << " of " << ink << " ink pixels differ";
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace tw
