#include "output/page_log.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "output/font_metrics.h"
#include "output/measuring_printer.h"

namespace tw {

namespace {

// printf into a string of whatever length the numbers need.
std::string formatted(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string formatted(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, fmt, args);
    va_end(args);
    std::string out(size_t(std::max(n, 0)), '\0');
    std::vsnprintf(out.data(), out.size() + 1, fmt, again);
    va_end(again);
    return out;
}

// Removes every "0" directly before a comma, repeatedly: 1.5000, becomes 1.5,
void compact(std::string& command) {
    size_t at;
    while ((at = command.find("0,")) != std::string::npos) {
        size_t first = at;
        while (first > 0 && command[first - 1] == '0') --first;
        command.erase(first, at + 1 - first);
    }
}

// A text field runs to the next command mark, so it cannot hold one (nor a NUL).
std::string textField(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), kCommandMark, '?');
    std::replace(out.begin(), out.end(), '\0', '?');
    return out;
}

}  // namespace

PageLog::PageLog(Host& host) : host_(host) {}
PageLog::~PageLog() = default;

Printer& PageLog::measuringPrinter() {
    if (Printer* chosen = host_.printer()) return *chosen;
    if (!fallbackPrinter_) fallbackPrinter_ = std::make_unique<MeasuringPrinter>();
    return *fallbackPrinter_;
}

int PageLog::begin(std::string_view title) {
    current_.clear();
    blocks_.clear();
    currentPage_ = 0;
    viewedPage_ = 0;
    commitPage_ = 0;
    commitLength_ = 0;
    scaleOverride = 0;
    open_ = true;
    if (printing_) return 0;

    Printer& printer = measuringPrinter();
    printer.setLandscape(pageMode > 0);
    printer.requestPaper(pageMode == 3 ? PaperSize::Legal : PaperSize::Letter);
    printer.startDocument(title);
    printing_ = true;
    printer_ = &printer;
    geometry_ = printer.geometry();
    const int32_t dpiX = std::max(geometry_.pixelsPerInchX, 1);
    const int32_t dpiY = std::max(geometry_.pixelsPerInchY, 1);
    pageWidth_ = double(geometry_.physicalWidth) / dpiX;
    pageHeight_ = double(geometry_.physicalHeight) / dpiY;

    if (pageMode > 0) {
        const int32_t inches = geometry_.physicalWidth / dpiX;
        const char* problem = nullptr;
        if (pageMode == 3 && inches != 14) problem = "Please set printer to\nLegal size paper.";
        if (pageMode != 3 && inches == 14) problem = "Please set printer to\nLetter size paper.";
        if (problem != nullptr) {
            printer.abortDocument();
            printing_ = false;
            printer_ = nullptr;
            host_.message(problem, "Note");
            printer.setupDialog();
            return 1;
        }
    }
    measureFace_ = "Times";
    measureSize_ = 10;
    return 0;
}

void PageLog::newPage() {
    current_ += kCommandMark;
    current_ += "NP";
    pagelogs(currentPage_, current_);
    viewedPage_ = currentPage_;
    ++currentPage_;
    current_.clear();
}

void PageLog::commit() {
    commitPage_ = currentPage_;
    commitLength_ = current_.size();
}

void PageLog::rollback() {
    currentPage_ = commitPage_;
    current_.resize(std::min(commitLength_, current_.size()));
}

int PageLog::end() {
    if (commitPage_ == currentPage_) {
        current_.resize(std::min(commitLength_, current_.size()));
    } else if (commitPage_ < currentPage_ && (commitPage_ != 0 || commitLength_ != 0)) {
        currentPage_ = commitPage_;
        std::string page = pagelogg(commitPage_);
        page.resize(std::min(commitLength_, page.size()));
        pagelogs(commitPage_, page);
        current_ = std::move(page);
    }
    commitPage_ = 0;
    commitLength_ = 0;
    if (open_) {
        current_ += kCommandMark;
        current_ += "ED";
        pagelogs(currentPage_, current_);
        open_ = false;
    }
    return printing_ ? 1 : 0;
}

void PageLog::internalError(const std::string& text, std::string_view caption, int status) const {
    host_.fatal(text, caption, status);
}

void PageLog::pagelogs(int32_t page, std::string_view text) {
    if (blocks_.empty()) {
        if (page < 0 || page > 9) internalError(formatted("pagelogs(%d,..) on first call", page + 1), "Bad", 13);
        blocks_.emplace_back();
        blocks_.back().pages[size_t(page)] = std::string(text);
        blocks_.back().filled = page + 1;
        return;
    }
    const auto lastFirst = int32_t(blocks_.size() - 1) * 10;
    if (page == lastFirst + 10 || blocks_.back().filled == 10) blocks_.emplace_back();
    Block& last = blocks_.back();
    const auto newLastFirst = int32_t(blocks_.size() - 1) * 10;
    if (page >= newLastFirst && page == newLastFirst + last.filled) {
        last.pages[size_t(last.filled)] = std::string(text);
        ++last.filled;
        return;
    }
    if (page < 0 || size_t(page / 10) >= blocks_.size())
        internalError("in pagelogs() g went null", "Whoops!", kExitInternalError);
    blocks_[size_t(page / 10)].pages[size_t(page % 10)] = std::string(text);
}

std::string PageLog::pagelogg(int32_t page) const {
    if (page < 0 || size_t(page / 10) >= blocks_.size())
        internalError("in pagelogg() g went null", "Whoops!", kExitInternalError);
    return blocks_[size_t(page / 10)].pages[size_t(page % 10)];
}

int32_t PageLog::storedPageCount() const {
    if (blocks_.empty()) return 0;
    return int32_t(blocks_.size() - 1) * 10 + blocks_.back().filled;
}

void PageLog::restoreSnapshot() { current_.resize(std::min(snapshotLength_, current_.size())); }

// --- Writers -------------------------------------------------------------------

void PageLog::appendCommand(const char* command, bool compacted) {
    std::string text(command);
    if (compacted) compact(text);
    current_ += text;
}

void PageLog::penWidth(double inches) {
    appendCommand(formatted("%cPW,%6.4f", kCommandMark, inches).c_str(), true);
    measurePen_ = int32_t(inches * geometry_.pixelsPerInchX);
}

void PageLog::fontSize(int32_t points) {
    appendCommand(formatted("%cFS,%d", kCommandMark, points).c_str(), true);
    measureSize_ = points;
}

void PageLog::fontName(std::string_view face) {
    appendCommand(formatted("%cFN,%s", kCommandMark, textField(face).c_str()).c_str(), true);
    measureFace_ = std::string(face);
}

void PageLog::brushColor(uint32_t colour) {
    appendCommand(formatted("%cBC,%x", kCommandMark, colour).c_str(), true);
}

void PageLog::penColor(uint32_t colour) { appendCommand(formatted("%cPC,%x", kCommandMark, colour).c_str(), true); }

void PageLog::ellipse(double x1, double y1, double x2, double y2) {
    appendCommand(formatted("%cDE,%f,%f,%f,%f", kCommandMark, x1, y1, x2, y2).c_str(), true);
}

void PageLog::rectangle(double x1, double y1, double x2, double y2) {
    appendCommand(formatted("%cDR,%f,%f,%f,%f", kCommandMark, x1, y1, x2, y2).c_str(), true);
}

void PageLog::polygonVertex(double x, double y) {
    appendCommand(formatted("%cPV,%f,%f", kCommandMark, x, y).c_str(), true);
}

void PageLog::polygonEnd() { appendCommand(formatted("%cPG", kCommandMark).c_str(), false); }

void PageLog::appendTextCommand(const char* code, double x, double y, std::string_view text) {
    std::string command = formatted("%c%s,%6.4f,%6.4f,", kCommandMark, code, x, y);
    compact(command);
    current_ += command + textField(text);
}

void PageLog::text(double x, double y, std::string_view text) { appendTextCommand("TO", x, y, text); }
void PageLog::textCentered(double x, double y, std::string_view text) { appendTextCommand("TOC", x, y, text); }
void PageLog::textRight(double x, double y, std::string_view text) { appendTextCommand("TOR", x, y, text); }

void PageLog::textAngled(double x, double y, std::string_view text, std::string_view face, int32_t size,
                         int32_t angle) {
    current_ += formatted("%cTOA,%6.4f,%6.4f,%d,%s,%d,", kCommandMark, x, y, angle, textField(face).c_str(), size) +
                textField(text);
}

void PageLog::textAngledCentered(double x, double y, std::string_view text, std::string_view face, int32_t size,
                                 int32_t angle) {
    current_ += formatted("%cTOD,%6.4f,%6.4f,%d,%s,%d,", kCommandMark, x, y, angle, textField(face).c_str(), size) +
                textField(text);
}

void PageLog::lineTo(double x, double y) { appendCommand(formatted("%cL,%6.4f,%6.4f", kCommandMark, x, y).c_str(), true); }
void PageLog::moveTo(double x, double y) { appendCommand(formatted("%cM,%6.4f,%6.4f", kCommandMark, x, y).c_str(), true); }

void PageLog::arrow(double x1, double y1, double x2, double y2, double width) {
    appendCommand(formatted("%cAHL%6.4f,%6.4f,%6.4f,%6.4f,%6.4f", kCommandMark, x1, y1, x2, y2, width).c_str(), false);
}

// --- Measuring -----------------------------------------------------------------

int32_t PageLog::textWidth(std::string_view text) const {
    if (text.empty()) return 0;
    return textWidthPixels(text, measureFace_, measureSize_, geometry_.pixelsPerInchX);
}

double PageLog::textWidthFraction(std::string_view text) const {
    if (geometry_.physicalWidth <= 0) return 0;
    return double(textWidth(text)) / geometry_.physicalWidth;
}

double PageLog::textWidthInFont(std::string_view text, std::string_view face, int32_t size) {
    const std::string savedFace = measureFace_;
    const int32_t savedSize = measureSize_;
    measureFace_ = std::string(face);
    measureSize_ = size;
    const double fraction = textWidthFraction(text);
    measureFace_ = savedFace;
    measureSize_ = savedSize;
    return fraction;
}

int32_t PageLog::pixelsPerInch() const { return scaleOverride != 0 ? scaleOverride : geometry_.pixelsPerInchX; }

// --- The print job --------------------------------------------------------------

void PageLog::finishPrinting() {
    if (printer_ != nullptr) printer_->endDocument();
    printer_ = nullptr;
    printing_ = false;
}

// The pages written so far stay as they are: a report stopped by the user keeps
// what it committed.
void PageLog::abandonPrinting() {
    if (printer_ == nullptr) return;
    printer_->abortDocument();
    printer_->setLandscape(false);
    printer_ = nullptr;
    printing_ = false;
}

}  // namespace tw
