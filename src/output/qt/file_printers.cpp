#include "output/qt/file_printers.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <new>
#include <string_view>
#include <system_error>
#include <thread>

#include "base/address_space.h"
#include "output/measuring_printer.h"

namespace tw {

namespace {

std::filesystem::path toPath(const std::string& path) { return std::filesystem::path(path); }

void removeFile(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(toPath(path), ignored);
}

// Writes data to a new file at path; a file that could not be written whole is
// removed again.
bool writeWholeFile(const std::string& path, std::string_view data) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    bool ok = std::fwrite(data.data(), 1, data.size(), file) == data.size();
    ok = std::fclose(file) == 0 && ok;
    if (!ok) removeFile(path);
    return ok;
}

// A file that exists and holds something.
bool written(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(toPath(path), error);
    return !error && size > 0;
}

// Room Qt needs to paint a page (its glyph caches, its paths): asked for before a
// page starts, since Qt does not survive memory that runs out while it paints.
constexpr size_t kPaintingRoom = 16 << 20;

}  // namespace

// --- FilePrinter -------------------------------------------------------------------

FilePrinter::~FilePrinter() { stopPainting(); }

PrinterGeometry FilePrinter::geometry() const { return sheetGeometry(paper_, landscape_, dpi_); }

void FilePrinter::fail(const std::string& text) {
    if (error_.empty()) error_ = text;
}

void FilePrinter::stopPainting() {
    surface_.end();
    if (painter_.isActive()) painter_.end();
}

std::string FilePrinter::pageFilePath(const std::string& path, int page, const std::string& defaultExtension) {
    const std::filesystem::path whole(path);
    std::string extension = whole.extension().string();
    if (extension.empty()) extension = defaultExtension;
    const std::string name = whole.stem().string() + "-" + std::to_string(page) + extension;
    return (whole.parent_path() / name).string();
}

// --- One file per page ----------------------------------------------------------------

bool PageFilePrinter::startDocument(std::string_view title) {
    stopPainting();
    error_.clear();
    written_.clear();
    title_ = std::string(title);
    page_ = 0;
    return startPage();
}

void PageFilePrinter::newPage() {
    if (!pageOpen()) return;
    finishPage();
    startPage();
}

void PageFilePrinter::abortDocument() {
    discardPage();
    for (const std::string& file : written_) removeFile(file);
    written_.clear();
}

// --- PNG -----------------------------------------------------------------------------

namespace {

// Pages waiting for the encoder hold at most about this much memory (at least one
// page always waits).
constexpr qsizetype kPagesInFlightBytes = 64 << 20;

int encoderThreads() {
    return std::clamp(int(std::thread::hardware_concurrency()), 1, PngFilePrinter::kMostPagesInFlight);
}

}  // namespace

PngFilePrinter::PngFilePrinter(std::string path, int dpi)
    : PageFilePrinter(std::move(path), dpi), encoder_(std::make_unique<PngEncoder>(encoderThreads())) {}

PngFilePrinter::~PngFilePrinter() {
    stopPainting();
    try {
        writeEncodedPages(true);
    } catch (const std::bad_alloc&) {
        encoder_->clear();  // memory ran out before: the run is failing already
    }
}

bool PngFilePrinter::startDocument(std::string_view title) {
    writeEncodedPages(true);  // the pages an earlier document finished
    return PageFilePrinter::startDocument(title);
}

void PngFilePrinter::endDocument() {
    finishPage();
    writeEncodedPages(true);
}

void PngFilePrinter::abortDocument() {
    encoder_->clear();
    PageFilePrinter::abortDocument();
}

bool PngFilePrinter::startPage() {
    ++page_;
    const PrinterGeometry sheet = geometry();
    requireAddressSpace(size_t(sheet.physicalWidth) * size_t(sheet.physicalHeight) * 4 + kPaintingRoom);
    image_ = QImage(sheet.physicalWidth, sheet.physicalHeight, QImage::Format_RGB32);
    // A sheet is at most some 20 MB of pixels: an image that cannot be made is the
    // end of memory.
    if (image_.isNull()) throw std::bad_alloc();
    mostInFlight_ = int(std::clamp<qsizetype>(kPagesInFlightBytes / std::max<qsizetype>(image_.sizeInBytes(), 1), 1,
                                              kMostPagesInFlight));
    const int dotsPerMetre = int(dpi_ / 0.0254 + 0.5);
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    image_.fill(Qt::white);
    if (!painter_.begin(&image_)) {
        fail("Cannot draw on the image of page " + std::to_string(page_));
        return false;
    }
    // Lines stay sharp on the pixel grid; text is smoothed.
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    surface_.begin(painter_);
    return true;
}

void PngFilePrinter::finishPage() {
    if (!painter_.isActive()) return;
    stopPainting();
    encoder_->add(std::move(image_));
    image_ = QImage();
    writeEncodedPages(false);
}

void PngFilePrinter::writeEncodedPages(bool waitForAll) {
    for (int pending = encoder_->pending();
         pending > 0 && (waitForAll || pending > mostInFlight_ || encoder_->oldestReady()); --pending) {
        // The pages with the encoder are the last ones finished, up to page_.
        const std::string file = pageFilePath(path_, page_ - pending + 1, ".png");
        const std::string png = encoder_->takeOldest();
        if (writeWholeFile(file, png))
            written_.push_back(file);
        else
            fail("Cannot write " + file);
    }
}

void PngFilePrinter::discardPage() {
    stopPainting();
    image_ = QImage();
}

// --- SVG -----------------------------------------------------------------------------

namespace {

SvgFamilies installedFamilies() {
    SvgFamilies families;
    families.serif = QtSurface::familyFor("Times").toStdString();
    families.sans = QtSurface::familyFor("Arial").toStdString();
    return families;
}

}  // namespace

SvgFilePrinter::SvgFilePrinter(std::string path, int dpi)
    : PageFilePrinter(std::move(path), dpi), svg_(installedFamilies()) {}

// A page still open is one that was never finished (the run failed or ran out of
// memory): its file is not left behind.
SvgFilePrinter::~SvgFilePrinter() { discardPage(); }

bool SvgFilePrinter::startPage() {
    requireAddressSpace(kPaintingRoom);
    ++page_;
    const std::string file = pageFilePath(path_, page_, ".svg");
    file_ = std::fopen(file.c_str(), "wb");
    if (file_ == nullptr) {
        fail("Cannot write " + file);
        return false;
    }
    const PrinterGeometry sheet = geometry();
    svg_.beginPage(sheet.physicalWidth, sheet.physicalHeight, dpi_, title_);
    return true;
}

void SvgFilePrinter::finishPage() {
    if (file_ == nullptr) return;
    const std::string text = svg_.endPage();
    bool ok = std::fwrite(text.data(), 1, text.size(), file_) == text.size();
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    const std::string file = pageFilePath(path_, page_, ".svg");
    if (ok && written(file)) {
        written_.push_back(file);
    } else {
        removeFile(file);
        fail("Cannot write " + file);
    }
}

void SvgFilePrinter::discardPage() {
    if (file_ == nullptr) return;
    svg_.dropPage();
    std::fclose(file_);
    file_ = nullptr;
    removeFile(pageFilePath(path_, page_, ".svg"));
}

}  // namespace tw
