#include "output/pdf/pdf_file_printer.h"
#include "output/qt/file_printers.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "output/page_log.h"
#include "output/page_render.h"
#include "output/printing.h"
#include "output/qt/png_encoder.h"
#include "output/qt/qt_surface.h"
#include "support/pdf_checks.h"
#include "support/recording_host.h"
#include "support/page_lines.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

using test::page;

// A letter page: a frame half an inch inside the sheet, text at the top left, text
// ending at 7 inches, an arrow, and text turned to run up the page.
const std::string kFirstPage = page({"PW,.02", "FN,Times", "FS,12", "DR,.5,.5,8.,10.500000",
                                     "TO,1.,1.,Tamblewin Totals", "TOR,7.,1.,Right",
                                     "AHL1.0000,5.0000,3.0000,5.0000,0.0200",
                                     "TOA,6.0000,8.0000,900,Arial,14,Upwards", "ED"});
const std::string kSecondPage = page({"FN,Times", "FS,12", "TO,1.,1.,Second page", "ED"});

class PrinterHost : public test::RecordingHost {
public:
    Printer* current = nullptr;
    Printer* printer() override { return current; }
};

class FilePrintersTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tamblewin-qt-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }

    // Draws the pages on the printer as one document.
    static void print(Printer& printer, const std::vector<std::string>& pages) {
        ASSERT_TRUE(printer.startDocument("Test"));
        const PrinterGeometry sheet = printer.geometry();
        RenderView view;
        view.scale = sheet.pixelsPerInchX;
        view.offsetX = sheet.offsetX;
        view.offsetY = sheet.offsetY;
        test::RecordingHost host;
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0) printer.newPage();
            renderPage(pages[i], printer.surface(), view, host);
        }
        printer.endDocument();
    }

    std::string file(const std::string& name) const { return (dir / name).string(); }

    fs::path dir;
};

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool haveTool(const char* name) { return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0; }

std::string commandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

// The box of dark pixels within a region of an image (empty when there are none).
struct InkBox {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
};

InkBox inkIn(const QImage& image, int x1, int y1, int x2, int y2) {
    InkBox box;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

TEST(QtSurfaceTest, FacesColoursAndText) {
    if (QFontDatabase::hasFamily("Liberation Serif")) {
        EXPECT_EQ(QtSurface::familyFor("Times"), "Liberation Serif");
        EXPECT_EQ(QtSurface::familyFor("Courier"), "Liberation Serif");  // measured as Times, so drawn so
    }
    if (QFontDatabase::hasFamily("Liberation Sans")) {
        EXPECT_EQ(QtSurface::familyFor("Arial"), "Liberation Sans");
    }
    EXPECT_EQ(QtSurface::toQColor(0x8FD57B), QColor(0x7B, 0xD5, 0x8F));
    EXPECT_EQ(QtSurface::fromText("Fran\xe7ois \x80"), QString::fromUtf8("François €"));
}

TEST_F(FilePrintersTest, PngPagesShowLinesTextAndArrowsWhereTheLogPutsThem) {
    PngFilePrinter printer(file("chart.png"));
    print(printer, {kFirstPage, kSecondPage});
    ASSERT_TRUE(printer.ok()) << printer.errorText();
    EXPECT_EQ(printer.writtenFiles(), (std::vector<std::string>{file("chart-1.png"), file("chart-2.png")}));

    QImage image(QString::fromStdString(file("chart-1.png")));
    ASSERT_EQ(image.size(), QSize(1275, 1650));  // letter at 150 pixels per inch
    const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    // The frame's left edge at 75 with a 3-pixel pen; white inside and outside.
    EXPECT_TRUE(dark(75, 800));
    EXPECT_TRUE(dark(600, 75));
    EXPECT_FALSE(dark(70, 800));
    EXPECT_FALSE(dark(600, 800));
    // The arrow: shaft at y 750 from x 150, head (filled) ending at 450.
    EXPECT_TRUE(dark(300, 750));
    EXPECT_TRUE(dark(445, 751));
    EXPECT_FALSE(dark(300, 760));
    EXPECT_FALSE(dark(455, 750));

    // Text hangs from its y: the top of "T" lies a little below the top of the cell
    // (ascent less cap height, about a fifth of the 25-pixel em).
    const InkBox topLeft = inkIn(image, 140, 140, 600, 200);
    ASSERT_FALSE(topLeft.empty());
    EXPECT_GE(topLeft.top, 152);
    EXPECT_LE(topLeft.top, 160);
    EXPECT_GE(topLeft.left, 150);
    EXPECT_LE(topLeft.left, 154);
    // Right-aligned text ends at 7 inches (1050) as the metric tables measured it.
    const InkBox right = inkIn(image, 900, 140, 1150, 200);
    ASSERT_FALSE(right.empty());
    EXPECT_GE(right.right, 1044);
    EXPECT_LE(right.right, 1051);
    // Turned text runs up the page from (900, 1200), its top towards the left.
    const InkBox upwards = inkIn(image, 850, 1000, 1000, 1300);
    ASSERT_FALSE(upwards.empty());
    EXPECT_GE(upwards.left, 899);
    EXPECT_LE(upwards.right, 940);
    EXPECT_LE(upwards.bottom, 1201);
    EXPECT_LT(upwards.top, 1150);

    QImage second(QString::fromStdString(file("chart-2.png")));
    EXPECT_FALSE(inkIn(second, 140, 140, 600, 200).empty());
    EXPECT_TRUE(inkIn(second, 60, 60, 90, 900).empty());  // no frame on page 2
}

// The pages of a document painted straight onto images, as the PNG printer paints
// them: on one surface, whose pen, fill and font outlive a page.
std::vector<QImage> paintedDirectly(const std::vector<std::string>& pages) {
    std::vector<QImage> images;
    QtSurface surface;
    RenderView view;
    view.scale = 150;
    test::RecordingHost host;
    for (const std::string& pageText : pages) {
        QImage image(1275, 1650, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        surface.begin(painter);
        renderPage(pageText, surface, view, host);
        surface.end();
        painter.end();
        images.push_back(image);
    }
    return images;
}

TEST_F(FilePrintersTest, PngPagesHoldExactlyThePixelsPaintedInPageOrder) {
    // Grey pages (stored as greyscale), coloured ones (stored as RGB) and text in
    // other scripts, in a document long enough that several pages wait for the
    // encoder at once.
    const std::vector<std::string> kinds = {
        kFirstPage,
        page({"PW,.02", "PC,2233cc", "BC,8fd57b", "DE,1.,1.,3.,2.", "PV,4.,4.", "PV,6.,4.", "PV,5.,6.", "PG",
              "FN,Arial", "FS,10", "TO,1.,7.,Coloured page", "ED"}),
        page({"FN,Times", "FS,14", "TO,1.,1.,ÐÐ²Ð°Ð½ çç§è±",
              "TOA,4.,8.,450,Times,12,Slanted", "ED"}),
        kSecondPage,
    };
    std::vector<std::string> pages;
    for (int i = 0; i < 2 * PngFilePrinter::kMostPagesInFlight + 1; ++i) pages.push_back(kinds[size_t(i) % kinds.size()]);

    const std::vector<QImage> expected = paintedDirectly(pages);
    PngFilePrinter printer(file("doc.png"));
    print(printer, pages);
    ASSERT_TRUE(printer.ok()) << printer.errorText();
    ASSERT_EQ(printer.writtenFiles().size(), pages.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        const std::string name = file("doc-" + std::to_string(i + 1) + ".png");
        EXPECT_EQ(printer.writtenFiles()[i], name);
        QImage written(QString::fromStdString(name));
        ASSERT_FALSE(written.isNull()) << name;
        EXPECT_EQ(written.dotsPerMeterX(), 5906) << name;  // 150 pixels per inch
        EXPECT_TRUE(written.convertToFormat(QImage::Format_RGB32) == expected[i]) << name;
    }
}

// Every image comes back with exactly its pixels and density: grey ones stored as
// greyscale, any colour as RGB, a pixel that is not opaque with alpha.
TEST(PngEncoderTest, ImagesComeBackExactlyInTheSmallestFittingKind) {
    QImage grey(40, 30, QImage::Format_RGB32);
    grey.fill(Qt::white);
    grey.setPixel(3, 4, qRgb(0, 0, 0));
    grey.setPixel(39, 29, qRgb(128, 128, 128));
    grey.setDotsPerMeterX(5906);
    grey.setDotsPerMeterY(5906);
    struct Case {
        QRgb corner;
        QImage::Format format;
        QImage::Format stored;
    };
    const Case cases[] = {
        {qRgb(128, 128, 128), QImage::Format_RGB32, QImage::Format_Grayscale8},
        {qRgb(128, 128, 129), QImage::Format_RGB32, QImage::Format_RGB32},
        {qRgb(129, 128, 128), QImage::Format_RGB32, QImage::Format_RGB32},
        {qRgb(128, 129, 128), QImage::Format_RGB32, QImage::Format_RGB32},
        {qRgb(12, 200, 77), QImage::Format_ARGB32, QImage::Format_RGB32},
        {qRgba(12, 200, 77, 100), QImage::Format_ARGB32, QImage::Format_ARGB32},
        {qRgb(128, 128, 128), QImage::Format_Indexed8, QImage::Format_Grayscale8},
    };
    for (const Case& c : cases) {
        QImage image = grey.convertToFormat(c.format == QImage::Format_Indexed8 ? QImage::Format_RGB32 : c.format);
        image.setPixel(39, 29, c.corner);
        if (c.format == QImage::Format_Indexed8) image = image.convertToFormat(c.format);
        const std::string png = PngEncoder::encode(image);
        QImage decoded;
        ASSERT_TRUE(decoded.loadFromData(reinterpret_cast<const uchar*>(png.data()), int(png.size()), "PNG"));
        SCOPED_TRACE(std::to_string(c.corner) + " " + std::to_string(int(c.format)));
        EXPECT_EQ(decoded.format(), c.stored);
        EXPECT_TRUE(decoded.convertToFormat(QImage::Format_ARGB32) == image.convertToFormat(QImage::Format_ARGB32));
        EXPECT_EQ(decoded.dotsPerMeterX(), 5906);
    }
    EXPECT_EQ(PngEncoder::encode(QImage()), "");
}

TEST_F(FilePrintersTest, PdfIsOneDocumentOnTheRequestedPaper) {
    if (!test::pdfToolsInstalled() || !haveTool("pdfinfo")) GTEST_SKIP() << test::kPdfToolsMissing;

    PdfFilePrinter letter(file("list.pdf"));
    EXPECT_EQ(letter.geometry().physicalWidth, 5100);
    EXPECT_EQ(letter.geometry().offsetX, 0);
    print(letter, {kFirstPage, kSecondPage});
    ASSERT_TRUE(letter.ok()) << letter.errorText();
    EXPECT_EQ(test::pdfProblems(file("list.pdf")), "");
    const std::string info = commandOutput("pdfinfo '" + file("list.pdf") + "'");
    EXPECT_NE(info.find("Title:           Test\n"), std::string::npos) << "the job's title, without a description";
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("612 x 792 pts"), std::string::npos) << info;
    const std::string text = commandOutput("pdftotext '" + file("list.pdf") + "' -");
    EXPECT_NE(text.find("Tamblewin Totals"), std::string::npos) << text;
    EXPECT_NE(text.find("Second page"), std::string::npos) << text;
    // The same printer again: a new document with fonts of its own.
    print(letter, {kSecondPage});
    ASSERT_TRUE(letter.ok()) << letter.errorText();
    EXPECT_EQ(test::pdfProblems(file("list.pdf")), "");
    EXPECT_NE(commandOutput("pdftotext '" + file("list.pdf") + "' -").find("Second page"), std::string::npos);

    // A landscape legal chart through the page log and the print loop, as the command
    // line does it: the paper check passes and the pages land on legal paper.
    PrinterHost host;
    PdfFilePrinter legal(file("chart.pdf"));
    host.current = &legal;
    PageLog log(host);
    ASSERT_EQ(log.begin("DSC", {Paper::Legal, true, true}), 0);
    EXPECT_DOUBLE_EQ(log.pageWidth(), 14.0);
    log.setCurrentText(page({"FN,Times", "FS,10", "TO,12.,7.,Far corner"}));
    log.commit();
    log.end();
    ASSERT_TRUE(printPages(log, host, 1, 1));
    ASSERT_TRUE(legal.ok()) << legal.errorText();
    EXPECT_EQ(test::pdfProblems(file("chart.pdf")), "");
    EXPECT_NE(commandOutput("pdfinfo '" + file("chart.pdf") + "'").find("1008 x 612 pts"), std::string::npos);
    EXPECT_NE(commandOutput("pdftotext '" + file("chart.pdf") + "' -").find("Far corner"), std::string::npos);
}

TEST_F(FilePrintersTest, SvgWritesAFilePerPageHoldingItsText) {
    SvgFilePrinter printer(file("tree"));
    print(printer, {kFirstPage, kSecondPage});
    ASSERT_TRUE(printer.ok()) << printer.errorText();
    ASSERT_EQ(printer.writtenFiles(), (std::vector<std::string>{file("tree-1.svg"), file("tree-2.svg")}));
    const std::string first = slurp(file("tree-1.svg"));
    EXPECT_NE(first.find("Tamblewin Totals"), std::string::npos);
    EXPECT_NE(first.find("viewBox=\"0 0 5100 6600\""), std::string::npos);
    EXPECT_NE(slurp(file("tree-2.svg")).find("Second page"), std::string::npos);
}

TEST_F(FilePrintersTest, FilesThatCannotBeWrittenAreReportedAndAbortedOnesRemoved) {
    const std::string nowhere = file("missing/folder/out");
    PdfFilePrinter pdf(nowhere + ".pdf");
    EXPECT_FALSE(pdf.startDocument("T"));
    EXPECT_FALSE(pdf.ok());
    EXPECT_NE(pdf.errorText().find(nowhere + ".pdf"), std::string::npos);

    SvgFilePrinter svg(nowhere + ".svg");
    EXPECT_FALSE(svg.startDocument("T"));
    EXPECT_FALSE(svg.ok());

    PngFilePrinter png(nowhere + ".png");
    ASSERT_TRUE(png.startDocument("T"));  // the image is in memory until the page ends
    png.endDocument();
    EXPECT_FALSE(png.ok());
    EXPECT_NE(png.errorText().find(nowhere + "-1.png"), std::string::npos);

    // A job given up leaves no files behind: neither those written nor those still
    // being encoded (the first page is written once more pages than may wait for
    // the encoder have been finished after it).
    PngFilePrinter aborted(file("gone.png"));
    ASSERT_TRUE(aborted.startDocument("T"));
    const int pages = PngFilePrinter::kMostPagesInFlight + 2;
    for (int page = 1; page < pages; ++page) aborted.newPage();
    ASSERT_TRUE(fs::exists(file("gone-1.png")));
    aborted.abortDocument();
    for (int page = 1; page <= pages; ++page) EXPECT_FALSE(fs::exists(file("gone-" + std::to_string(page) + ".png"))) << page;
    EXPECT_TRUE(aborted.writtenFiles().empty());
    PdfFilePrinter abortedPdf(file("gone.pdf"));
    ASSERT_TRUE(abortedPdf.startDocument("T"));
    abortedPdf.abortDocument();
    EXPECT_FALSE(fs::exists(file("gone.pdf")));
}

TEST(FilePrinterNamesTest, PageNumberGoesBeforeTheExtension) {
    EXPECT_EQ(FilePrinter::pageFilePath("out/tree.png", 2, ".png"), "out/tree-2.png");
    EXPECT_EQ(FilePrinter::pageFilePath("tree", 1, ".svg"), "tree-1.svg");
    EXPECT_EQ(FilePrinter::pageFilePath("a.b/list.v2.png", 12, ".png"), "a.b/list.v2-12.png");
}

}  // namespace
}  // namespace tw
