// output_bench: what writing pages costs beside laying them out, for the Descendants
// List of a large family.
//
//   output_bench [--people N] [--png-pages P] [--pdf-only] [--qt-pdf] [--rounds R] [--dir DIR] [--keep]
//
// Writes the same family as descendants_bench (N people, default 200,000, the
// descendants of one root couple with their spouses), then measures once, in the
// same run:
//   - the bare reads of every individual and its name (readIndividual and
//     individualName in RIN order);
//   - the Descendants List laid out to a page log, for the PDF printer (600 dpi),
//     and written as PDF, R times in turn (default 3), the fastest of each counting;
//   - the same pages written as one PDF (time and size), with --qt-pdf also through
//     Qt's own PDF engine as they were before the program wrote PDF itself, as SVG files (600 dpi)
//     and as PNG images at 150 dpi (laid out again for that resolution), the
//     first P pages only (default 200), given as pages per second.
// With --pdf-only (for a profiler) no SVG or PNG is written. With --keep the files stay in the temporary folder, which is then named.
// Needs Qt; without a display it runs on the offscreen platform.

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench_support.h"
#include "descendant_family.h"
#include "output/page_render.h"
#include "output/printing.h"
#include "output/pdf/pdf_file_printer.h"
#include "output/qt/file_printers.h"
#include "output/qt/qt_surface.h"
#include "paf/date_encoding.h"
#include "reports/descendants_list.h"
#include "run/app_context.h"

namespace {

using namespace bench;

// A quiet host whose printer is the file printer being measured.
class OutputHost : public BenchHost {
public:
    tw::Printer* printer() override { return printer_; }
    tw::Printer* printer_ = nullptr;
};

struct Timing {
    double seconds = 0, cpu = 0, allThreads = 0;
};

template <typename F>
Timing timed(F&& f) {
    const auto start = Clock::now();
    const double cpu = threadSeconds();
    const double all = processSeconds();
    f();
    return {secondsSince(start), threadSeconds() - cpu, processSeconds() - all};
}

// The pages written by Qt's own PDF engine through the Qt surface, as PDF files were
// written before the program had a PDF writer of its own: the baseline of that writer.
void writeWithQtPdfEngine(const tw::PageLog& log, const std::string& path, tw::Host& host) {
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(tw::PdfFilePrinter::kPixelsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(log.page().paper == tw::Paper::Legal ? QPageSize::Legal : QPageSize::Letter),
                                     log.page().landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
    QPainter painter(&writer);
    tw::QtSurface surface(painter);
    tw::RenderView view;
    view.scale = tw::PdfFilePrinter::kPixelsPerInch;
    for (int32_t i = 0; i <= log.lastPageIndex(); ++i) {
        if (i > 0) writer.newPage();
        tw::renderPage(log.pagelogg(i), surface, view, host);
    }
}

uint64_t filesSize(const std::vector<std::string>& files) {
    uint64_t total = 0;
    for (const std::string& file : files) {
        std::error_code error;
        const auto size = std::filesystem::file_size(file, error);
        if (!error) total += size;
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    int32_t people = 200000;
    int pngPages = 200;
    int rounds = 3;
    bool keep = false, pdfOnly = false, qtPdf = false;
    std::string dir = std::filesystem::temp_directory_path().string();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--keep") keep = true;
        else if (arg == "--pdf-only") pdfOnly = true;
        else if (arg == "--qt-pdf") qtPdf = true;
        else if (arg == "--people" && hasValue) people = std::atoi(argv[++i]);
        else if (arg == "--png-pages" && hasValue) pngPages = std::atoi(argv[++i]);
        else if (arg == "--rounds" && hasValue) rounds = std::atoi(argv[++i]);
        else if (arg == "--dir" && hasValue) dir = argv[++i];
        else people = 0;
    }
    if (people < 2 || pngPages < 1 || rounds < 1) {
        std::fprintf(stderr, "usage: output_bench [--people N] [--png-pages P] [--pdf-only] [--qt-pdf] [--rounds R] [--dir DIR] [--keep]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    std::string folder = dir + "/output_bench.XXXXXX";
    if (!mkdtemp(folder.data())) return 1;
    const std::string path = folder + "/descendants.paf";
    double writeSeconds = 0;
    if (!writeInChild([&] { return descendantsOfOneCouple(people); }, path, writeSeconds)) {
        std::fprintf(stderr, "output_bench: could not write %s\n", path.c_str());
        return 1;
    }

    OutputHost host;
    tw::AppContext ctx(host);
    if (ctx.file.open(path) != tw::PafFile::kOpened) return 1;
    ctx.dataFilePath = "descendants.paf";  // the same on every page of every run, wherever the folder
    std::printf("family:          %" PRId32 " people (written in %.2f s)\n", ctx.file.highestRin(), writeSeconds);

    uint64_t checksum = 0;
    const Timing reads = timed([&] { checksum += readAllIndividuals(ctx); });
    std::printf("bare reads:      %.3f s (processor %.3f s)\n", reads.seconds, reads.cpu);

    tw::ReportInput input;
    input.mrins.push(1);
    bool ok = true;

    // Lays the list out for printer, then writes its first `limit` pages (all when 0).
    auto run = [&](auto& printer, int limit, Timing& layout, Timing& write) {
        host.printer_ = &printer;
        layout = timed([&] { tw::generateDescendantsList(ctx, input); });
        const int pages = ctx.pageLog.lastPageIndex() + 1;
        const int last = limit > 0 && limit < pages ? limit : pages;
        write = timed([&] { ok = tw::printPages(ctx.pageLog, host, 1, last) && printer.ok() && ok; });
        host.printer_ = nullptr;
        return std::pair{pages, last};
    };

    Timing layout, pdf;
    const std::string pdfPath = folder + "/descendants.pdf";
    int pages = 0;
    // The page log and the PDF, rounds times in turn; the fastest of each counts.
    for (int round = 0; round < rounds; ++round) {
        tw::PdfFilePrinter printer(pdfPath);
        Timing roundLayout, roundPdf;
        pages = run(printer, 0, roundLayout, roundPdf).first;
        if (round == 0 || roundLayout.cpu < layout.cpu) layout = roundLayout;
        if (round == 0 || roundPdf.cpu < pdf.cpu) pdf = roundPdf;
    }
    const uint64_t pdfSize = filesSize({pdfPath});
    std::printf("page log:        %.3f s (processor %.3f s), %d pages, %.2fx the bare reads\n", layout.seconds,
                layout.cpu, pages, layout.cpu / reads.cpu);
    std::printf("PDF:             %.3f s (processor %.3f s), %.2fx the page log (target at most 3x), %.2f MB\n",
                pdf.seconds, pdf.cpu, pdf.cpu / layout.cpu, double(pdfSize) / 1e6);
    if (qtPdf) {
        const std::string qtPath = folder + "/descendants-qt.pdf";
        const Timing before = timed([&] { writeWithQtPdfEngine(ctx.pageLog, qtPath, host); });
        std::printf("PDF, Qt engine:  %.3f s (processor %.3f s), %.2fx the page log, %.2f MB (the writer before)\n",
                    before.seconds, before.cpu, before.cpu / layout.cpu, double(filesSize({qtPath})) / 1e6);
    }

    Timing svgLayout, svg;
    if (!pdfOnly) {
        tw::SvgFilePrinter printer(folder + "/descendants.svg");
        run(printer, 0, svgLayout, svg);
        std::printf("SVG:             %.3f s (processor %.3f s, all threads %.3f s), %.2fx the page log, %.1f MB in %zu files\n",
                    svg.seconds, svg.cpu, svg.allThreads, svg.cpu / layout.cpu, double(filesSize(printer.writtenFiles())) / 1e6,
                    printer.writtenFiles().size());
    }

    Timing pngLayout, png;
    if (!pdfOnly) {
        tw::PngFilePrinter printer(folder + "/descendants.png");
        const int written = run(printer, pngPages, pngLayout, png).second;
        std::printf("PNG at %d dpi:  %.1f pages/s (%d pages in %.3f s, processor %.3f s, all threads %.3f s), %.1f MB\n",
                    tw::PngFilePrinter::kDefaultPixelsPerInch, written / png.seconds, written, png.seconds, png.cpu,
                    png.allThreads, double(filesSize(printer.writtenFiles())) / 1e6);
    }

    std::printf("messages:        %d (checksum %" PRIu64 ")%s\n", host.messages, checksum,
                ok ? "" : "; a printer failed");
    if (keep) std::printf("files kept in    %s\n", folder.c_str());
    else std::filesystem::remove_all(folder);
    return ok ? 0 : 1;
}
