// The PDF writer draws the pages the Qt surface draws for the preview, the printers
// and PNG: the same page written by the writer and by Qt's own PDF engine through
// the Qt surface, both rasterised by poppler, agree in every dark pixel up to one
// pixel of anti-aliasing. Every report on the demo family, and a page of names in
// every script.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "output/pdf/pdf_file_printer.h"
#include "output/page_log.h"
#include "output/page_render.h"
#include "output/qt/qt_surface.h"
#include "support/pdf_checks.h"
#include "support/recording_host.h"
#include "run/app_context.h"
#include "wizard/report_kind.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

constexpr int kDpi = 100;

bool haveTool(const char* name) { return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0; }

bool run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

// Dark pixels (and light ones) of one image with no pixel of the same kind within
// one pixel in the other; "page size" when the sizes differ.
struct Mismatch {
    int pixels = 0;
    int ink = 0;
    bool sizesDiffer = false;
};

Mismatch compare(const QImage& a, const QImage& b) {
    Mismatch m;
    if (a.size() != b.size()) {
        m.sizesDiffer = true;
        return m;
    }
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8), gb = b.convertToFormat(QImage::Format_Grayscale8);
    auto dark = [](const QImage& image, int x, int y) { return image.constScanLine(y)[x] < 128; };
    auto nearby = [&](const QImage& image, int x, int y, bool wanted) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < image.width() && ny < image.height() && dark(image, nx, ny) == wanted)
                    return true;
            }
        return false;
    };
    for (int y = 0; y < ga.height(); ++y)
        for (int x = 0; x < ga.width(); ++x) {
            const bool inkA = dark(ga, x, y);
            m.ink += inkA;
            if (inkA != dark(gb, x, y) && (!nearby(gb, x, y, inkA) || !nearby(ga, x, y, dark(gb, x, y)))) ++m.pixels;
        }
    return m;
}

class PdfMatchesPreview : public testing::Test {
protected:
    void SetUp() override {
        if (!haveTool("pdftoppm") || !test::pdfToolsInstalled()) GTEST_SKIP() << test::kPdfToolsMissing;
        if (!QFontDatabase::hasFamily("Liberation Serif") || !QFontDatabase::hasFamily("Noto Sans CJK SC"))
            GTEST_SKIP() << "Liberation and Noto fonts are not installed (tools/setup.sh installs them)";
        std::string pattern = (fs::temp_directory_path() / "tamblewin-pdfcmp-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        if (!dir.empty()) fs::remove_all(dir);
    }
    // Page n (from 1) of a PDF as poppler draws it at kDpi.
    QImage pdfPage(const std::string& pdf, int n) {
        const std::string out = (dir / ("poppler-" + std::to_string(n))).string();
        const std::string page = std::to_string(n);
        EXPECT_TRUE(run("pdftoppm -r " + std::to_string(kDpi) + " -f " + page + " -l " + page + " -singlefile -png '" +
                        pdf + "' '" + out + "'"));
        return QImage(QString::fromStdString(out + ".png"));
    }
    fs::path dir;
};

// Pages as Qt's PDF engine writes them through the Qt surface, and as the writer
// writes them, on the given paper.
void writeQtPdf(const std::string& path, const std::vector<std::string>& pages, bool landscape, bool legal) {
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(PdfFilePrinter::kPixelsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(legal ? QPageSize::Legal : QPageSize::Letter),
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&writer);
    QtSurface surface(painter);
    RenderView view;
    view.scale = PdfFilePrinter::kPixelsPerInch;
    test::RecordingHost host;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) writer.newPage();
        renderPage(pages[i], surface, view, host);
    }
}

bool writeOwnPdf(const std::string& path, const std::vector<std::string>& pages, bool landscape, bool legal) {
    PdfFilePrinter printer(path);
    printer.setLandscape(landscape);
    printer.requestPaper(legal ? Paper::Legal : Paper::Letter);
    if (!printer.startDocument("Pages")) return false;
    RenderView view;
    view.scale = printer.geometry().pixelsPerInchX;
    test::RecordingHost host;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) printer.newPage();
        renderPage(pages[i], printer.surface(), view, host);
    }
    printer.endDocument();
    EXPECT_EQ(test::pdfProblems(path), "");
    return printer.ok();
}

// A page of text in many scripts (marks, conjuncts, right to left, CJK from a CFF
// font), rotated text, lines, boxes and ellipses.
TEST_F(PdfMatchesPreview, NamesInEveryScript) {
    std::string page = "\x02" "FN,Times\x02" "FS,12";
    const char* names[] = {"Иван Петров", "Łukasz Wałęsa", "Nguyễn Thị Minh Khai", "Γεώργιος Παπαδόπουλος",
                           "王秀英 李明華", "김민준", "राम कृष्ण शर्मा", "כהן דוד", "محمد علي الحسيني", "สมชาย ใจดี",
                           "Ə̃ combining", "Fran\xE7ois \x80 M\xFCller"};
    double y = 1;
    for (const char* name : names) {
        page += "\x02TO,1.,";
        page += std::to_string(y) + "," + name;
        y += 0.6;
    }
    page += "\x02TOA,6.,8.,900,Arial,14,Upwards 王 राम\x02PW,.02\x02DR,.5,.5,8.,10.5"
            "\x02" "AHL1.0000,9.5000,3.0000,9.5000,0.0200\x02" "ED";

    const std::string own = (dir / "own.pdf").string(), qt = (dir / "qt.pdf").string();
    ASSERT_TRUE(writeOwnPdf(own, {page}, false, false));
    writeQtPdf(qt, {page}, false, false);
    const Mismatch m = compare(pdfPage(qt, 1), pdfPage(own, 1));
    ASSERT_FALSE(m.sizesDiffer);
    EXPECT_GT(m.ink, 1000);
    EXPECT_LE(m.pixels, m.ink / 1000) << "of " << m.ink << " dark pixels";
}

TEST_F(PdfMatchesPreview, EveryReportOnTheDemoFamily) {
    test::RecordingHost host;
    AppContext ctx(host);
    ASSERT_EQ(ctx.file.open(TAMBLEWIN_DEMO_PAF), PafFile::kOpened);
    for (const ReportInfo& info : allReports()) {
        SCOPED_TRACE(info.commandName);
        ReportInput input;
        input.startRin = 300;
        input.mrins.push(1);
        info.generator(ctx, input);
        std::vector<std::string> pages;
        for (int32_t i = 0; i <= ctx.pageLog.lastPageIndex(); ++i) pages.push_back(ctx.pageLog.pagelogg(i));
        const bool landscape = ctx.pageLog.page().landscape, legal = ctx.pageLog.page().paper == Paper::Legal;
        const std::string own = (dir / "own.pdf").string(), qt = (dir / "qt.pdf").string();
        ASSERT_TRUE(writeOwnPdf(own, pages, landscape, legal));
        writeQtPdf(qt, pages, landscape, legal);
        for (size_t n = 1; n <= std::min<size_t>(pages.size(), 2); ++n) {  // the first two pages keep the test short
            SCOPED_TRACE("page " + std::to_string(n));
            const Mismatch m = compare(pdfPage(qt, int(n)), pdfPage(own, int(n)));
            ASSERT_FALSE(m.sizesDiffer);
            EXPECT_GT(m.ink, 1000);
            EXPECT_LE(m.pixels, m.ink / 1000) << "of " << m.ink << " dark pixels";
        }
    }
}

}  // namespace
}  // namespace tw
