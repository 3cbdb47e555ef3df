#include <QFontDatabase>
#include <QGuiApplication>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "base/address_space.h"
#include "base/translation.h"
#include "cli/file_output.h"
#include "output/pdf/pdf_file_printer.h"
#include "output/qt/file_printers.h"

namespace tw::cli {

namespace {

// Qt's notes about the machine (a missing runtime folder and the like) say nothing
// about the report; real warnings still reach standard error.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtDebugMsg || type == QtInfoMsg || text.startsWith("QStandardPaths:")) return;
    std::fprintf(stderr, "tamblewin: %s\n", text.toLocal8Bit().constData());
}

// Room for Qt to start on the offscreen platform and fill its font database (some
// 2 MB) several times over.
constexpr std::size_t kQtStartRoom = 32 << 20;

// Text is drawn with Qt's fonts, which need an application object; without a
// display it runs on the offscreen platform.
void ensureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    qInstallMessageHandler(quietQtMessages);
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt does not survive running out of memory while it starts either.
    requireAddressSpace(kQtStartRoom);
    static int argc = 1;
    static char name[] = "tamblewin";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    // The font database is filled now, before the report takes its memory: Qt and
    // fontconfig do not survive running out of memory while they fill it (a crash
    // instead of "Out of memory" under a memory limit).
    QFontDatabase::hasFamily(QStringLiteral("Liberation Serif"));
}

}  // namespace

std::string pageFilePath(OutputFormat format, const std::string& path, int page) {
    if (format == OutputFormat::Png) return FilePrinter::pageFilePath(path, page, ".png");
    if (format == OutputFormat::Svg) return FilePrinter::pageFilePath(path, page, ".svg");
    return path;
}

std::unique_ptr<FileOutput> makeFileOutput(OutputFormat format, const std::string& path, std::string& error) {
    // Tamblewin's own PDF writer finds and embeds its fonts itself; only the pages
    // painted through Qt (PNG, SVG) need its application object.
    if (format == OutputFormat::Pdf) return std::make_unique<PrinterFileOutput<PdfFilePrinter>>(path);
    ensureGuiApplication();
    switch (format) {
    case OutputFormat::Pdf: break;
    case OutputFormat::Png: return std::make_unique<PrinterFileOutput<PngFilePrinter>>(path);
    case OutputFormat::Svg: return std::make_unique<PrinterFileOutput<SvgFilePrinter>>(path);
    case OutputFormat::Log: break;
    }
    error = TW_TR("CommandLine", "page logs are not written through a printer");
    return nullptr;
}

}  // namespace tw::cli
