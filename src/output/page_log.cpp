#include "output/page_log.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "output/font_metrics.h"
#include "output/measuring_printer.h"

namespace tw {

namespace {

// A text field runs to the next command mark, so it cannot hold one (nor a NUL).
void appendTextField(std::string& out, std::string_view text) {
    bool clean = true;
    for (const char c : text) clean &= c != kCommandMark && c != '\0';
    if (clean) {
        out += text;
        return;
    }
    const size_t start = out.size();
    out += text;
    for (size_t i = start; i < out.size(); ++i)
        if (out[i] == kCommandMark || out[i] == '\0') out[i] = '?';
}

}  // namespace

PageLog::PageLog(Host& host) : host_(host) {}
PageLog::~PageLog() = default;

Printer& PageLog::measuringPrinter() {
    if (Printer* chosen = host_.printer()) return *chosen;
    if (!fallbackPrinter_) fallbackPrinter_ = std::make_unique<MeasuringPrinter>();
    return *fallbackPrinter_;
}

int PageLog::begin(std::string_view title, const PageRequest& request) {
    clearPages();
    scaleOverride = 0;
    missingFonts_.clear();
    open_ = true;
    request_ = request;
    // A job left open by the previous report (closed by the window frame, or by Esc)
    // was laid out for that report's paper; this report starts its own.
    dropOpenJob();

    Printer& printer = measuringPrinter();
    printer.setLandscape(request.landscape);
    printer.requestPaper(request.paper);
    printer.startDocument(title);
    printing_ = true;
    printer_ = &printer;
    geometry_ = printer.geometry();
    page_ = pageOfPrinter(geometry_, request.landscape);

    if (request.exact && page_.paper != request.paper) {
        printer.abortDocument();
        printing_ = false;
        printer_ = nullptr;
        host_.message(setPaperMessage(request.paper), "Note");
        printer.setupDialog();
        return 1;
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
        if (page < 0 || page > 9) internalError("pagelogs(" + std::to_string(page + 1) + ",..) on first call", "Bad", 13);
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
//
// Each writer appends its command straight onto the current text: the mark, the code
// and the fields, numbers written exactly as printf's "%6.4f", "%f", "%d" and "%x"
// would (std::to_chars gives the same digits without printf's cost, which matters
// for lists of a million entries). Compaction then works on the appended command
// only, and text fields follow it untouched.

namespace {

// The usual case, page coordinates: value × 10^precision computed in doubles is
// within far less than 0.001 of the exact product, so unless the exact product lies
// near a rounding tie, rounding it gives printf's digits. Returns false otherwise.
bool appendFixedQuickly(std::string& out, double value, int precision, size_t width) {
    static constexpr double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    if (precision < 0 || precision > 6) return false;
    const double scaled = std::fabs(value) * kScale[precision];
    if (!(scaled < 1e12)) return false;  // also NaN
    const double fraction = scaled - std::floor(scaled);
    if (std::fabs(fraction - 0.5) < 1e-3) return false;
    const auto units = int64_t(std::floor(scaled + 0.5));
    char digits[40];
    char* end = digits + sizeof digits;
    char* at = end;
    int64_t rest = units;
    for (int i = 0; i < precision; ++i, rest /= 10) *--at = char('0' + rest % 10);
    if (precision > 0) *--at = '.';
    do {
        *--at = char('0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    if (std::signbit(value)) *--at = '-';
    const auto length = size_t(end - at);
    if (length < width) out.append(width - length, ' ');
    out.append(at, length);
    return true;
}

void appendFixedDigits(std::string& out, double value, int precision, size_t width) {
    if (appendFixedQuickly(out, value, precision, width)) return;
    char digits[400];
    const auto result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, precision);
    const size_t length = result.ec == std::errc() ? size_t(result.ptr - digits) : 0;
    if (length < width) out.append(width - length, ' ');
    out.append(digits, length);
}

// A number written with "%.<precision>f"; when a comma follows it in the command,
// its trailing zeros go, as the compaction of the command would take them.
void appendFixed(std::string& out, double value, int precision, size_t width, bool commaFollows) {
    const size_t start = out.size();
    appendFixedDigits(out, value, precision, width);
    if (!commaFollows || out.find('.', start) == std::string::npos) return;
    size_t end = out.size();
    while (end > start && out[end - 1] == '0') --end;
    out.resize(end);
}

void appendInteger(std::string& out, int64_t value, int base = 10) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value, base);
    out.append(digits, size_t(result.ptr - digits));
}

// Removes every "0" directly before a comma in out from position from on,
// repeatedly: "1.5000," becomes "1.5," and "2.0000," becomes "2.,". One pass: at
// each comma the run of zeros written just before it is taken back.
void compactFrom(std::string& out, size_t from) {
    size_t kept = from;
    for (size_t i = from; i < out.size(); ++i) {
        const char c = out[i];
        if (c == ',')
            while (kept > from && out[kept - 1] == '0') --kept;
        out[kept++] = c;
    }
    out.resize(kept);
}

}  // namespace

size_t PageLog::startCommand(std::string_view code) {
    const size_t start = current_.size();
    current_ += kCommandMark;
    current_ += code;
    return start;
}

// Writes the numbers separated by commas (and after one when leadingComma), already
// compacted where compact is set: trailing zeros before a comma are left out.
void PageLog::appendPoints(std::initializer_list<double> values, int precision, size_t width, bool compact,
                           bool commaAfterLast, bool leadingComma) {
    size_t i = 0;
    for (const double v : values) {
        if (i > 0 || leadingComma) current_ += ',';
        const bool commaFollows = ++i < values.size() || commaAfterLast;
        if (precision == 4 && width == 6) {
            appendCoordinate(v, compact && commaFollows);
        } else {
            appendFixed(current_, v, precision, width, compact && commaFollows);
        }
    }
    if (commaAfterLast) current_ += ',';
}

// A number written with "%6.4f", and without the fraction's trailing zeros when
// trimZeros is set.
void PageLog::appendCoordinate(double value, bool trimZeros) {
    char text[sizeof(CoordinateText::text)];
    if (char* end = putCoordinate(text, value, trimZeros)) {
        current_.append(text, end);
    } else {
        appendFixed(current_, value, 4, 6, trimZeros);
    }
}

// Fills slot with the text of value; false for a value too large to keep. Kept out
// of line: the lists find almost every coordinate kept already.
[[gnu::noinline]] bool PageLog::keepCoordinate(CoordinateText& slot, double value) {
    std::string text;
    appendFixedDigits(text, value, 4, 6);
    if (text.size() > sizeof slot.text) return false;
    size_t trimmed = text.size();
    if (text.find('.') != std::string::npos)
        while (trimmed > 0 && text[trimmed - 1] == '0') --trimmed;
    slot.bits = std::bit_cast<uint64_t>(value);
    slot.length = uint8_t(text.size());
    slot.trimmed = uint8_t(trimmed);
    text.copy(slot.text, text.size());
    return true;
}

// The same written at out, which has room for a CoordinateText's text, from the text
// kept for the same value when there is one; returns the end, or nullptr for a value
// too large to keep (nothing written).
char* PageLog::putCoordinate(char* out, double value, bool trimZeros) {
    const auto bits = std::bit_cast<uint64_t>(value);
    CoordinateText& slot = coordinates_[size_t((bits * 0x9E3779B97F4A7C15ULL) >> 56)];
    if ((slot.length == 0 || slot.bits != bits) && !keepCoordinate(slot, value)) return nullptr;
    std::memcpy(out, slot.text, sizeof slot.text);
    return out + (trimZeros ? slot.trimmed : slot.length);
}

void PageLog::penWidth(double inches) {
    startCommand("PW");
    appendPoints({inches}, 4, 6, true);
    measurePen_ = int32_t(inches * geometry_.pixelsPerInchX);
}

void PageLog::fontSize(int32_t points) {
    startCommand("FS,");
    appendInteger(current_, points);
    measureSize_ = points;
}

void PageLog::fontName(std::string_view face) {
    const size_t start = startCommand("FN,");
    appendTextField(current_, face);
    compactFrom(current_, start);
    measureFace_ = std::string(face);
}

void PageLog::brushColor(uint32_t colour) {
    startCommand("BC,");
    appendInteger(current_, colour, 16);
}

void PageLog::penColor(uint32_t colour) {
    startCommand("PC,");
    appendInteger(current_, colour, 16);
}

void PageLog::ellipse(double x1, double y1, double x2, double y2) {
    startCommand("DE");
    appendPoints({x1, y1, x2, y2}, 6, 0, true);
}

void PageLog::rectangle(double x1, double y1, double x2, double y2) {
    startCommand("DR");
    appendPoints({x1, y1, x2, y2}, 6, 0, true);
}

void PageLog::polygonVertex(double x, double y) {
    startCommand("PV");
    appendPoints({x, y}, 6, 0, true);
}

void PageLog::polygonEnd() { startCommand("PG"); }

// The mark, the code and both coordinates go in one piece: the lists write
// millions of these.
void PageLog::appendTextCommand(std::string_view code, double x, double y, std::string_view text) {
    char head[4 + 3 * sizeof(CoordinateText::text)];
    char* at = head;
    *at++ = kCommandMark;
    at = std::copy_n(code.data(), std::min<size_t>(code.size(), 3), at);
    *at++ = ',';
    at = putCoordinate(at, x, true);
    if (at != nullptr) {
        *at++ = ',';
        at = putCoordinate(at, y, true);
    }
    if (at != nullptr) {
        *at++ = ',';
        current_.append(head, at);
    } else {
        startCommand(code);
        appendPoints({x, y}, 4, 6, true, true);
    }
    appendTextField(current_, text);
    missingFonts_.note(text, measureFace_);
}

void PageLog::text(double x, double y, std::string_view text) { appendTextCommand("TO", x, y, text); }
void PageLog::textCentered(double x, double y, std::string_view text) { appendTextCommand("TOC", x, y, text); }
void PageLog::textRight(double x, double y, std::string_view text) { appendTextCommand("TOR", x, y, text); }

void PageLog::appendAngledText(std::string_view code, double x, double y, std::string_view text,
                               std::string_view face, int32_t size, int32_t angle) {
    startCommand(code);
    appendPoints({x, y}, 4, 6, false, true);
    appendInteger(current_, angle);
    current_ += ',';
    appendTextField(current_, face);
    current_ += ',';
    appendInteger(current_, size);
    current_ += ',';
    appendTextField(current_, text);
    missingFonts_.note(text, face);
}

void PageLog::textAngled(double x, double y, std::string_view text, std::string_view face, int32_t size,
                         int32_t angle) {
    appendAngledText("TOA", x, y, text, face, size, angle);
}

void PageLog::textAngledCentered(double x, double y, std::string_view text, std::string_view face, int32_t size,
                                 int32_t angle) {
    appendAngledText("TOD", x, y, text, face, size, angle);
}

void PageLog::lineTo(double x, double y) {
    startCommand("L");
    appendPoints({x, y}, 4, 6, true);
}

void PageLog::moveTo(double x, double y) {
    startCommand("M");
    appendPoints({x, y}, 4, 6, true);
}

void PageLog::arrow(double x1, double y1, double x2, double y2, double width) {
    startCommand("AHL");
    appendPoints({x1, y1, x2, y2, width}, 4, 6, false, false, false);
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


// --- The print job --------------------------------------------------------------

void PageLog::finishPrinting() {
    if (printer_ != nullptr) printer_->endDocument();
    printer_ = nullptr;
    printing_ = false;
}

// The pages written so far stay as they are: a report stopped by the user keeps
// what it committed.
void PageLog::abandonPrinting() {
    Printer* printer = printer_;
    if (printer == nullptr) return;
    dropOpenJob();
    printer->setLandscape(false);
}

void PageLog::discard() {
    abandonPrinting();
    clearPages();
    open_ = false;
}

void PageLog::clearPages() {
    current_.clear();
    blocks_.clear();
    currentPage_ = 0;
    viewedPage_ = 0;
    commitPage_ = 0;
    commitLength_ = 0;
}

void PageLog::dropOpenJob() {
    if (printer_ != nullptr) printer_->abortDocument();
    printer_ = nullptr;
    printing_ = false;
}

}  // namespace tw
