#include "output/page_command.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <string>

#include "output/page_log.h"

namespace tw {

namespace {

constexpr size_t kMaxFaceLength = 99;

int32_t clampToInt32(long long v) {
    return static_cast<int32_t>(std::clamp<long long>(v, std::numeric_limits<int32_t>::min(),
                                                      std::numeric_limits<int32_t>::max()));
}

}  // namespace

std::vector<std::string_view> splitPageCommands(std::string_view page) {
    std::vector<std::string_view> commands;
    for (size_t at = page.find(kCommandMark); at != std::string_view::npos;) {
        const size_t next = page.find(kCommandMark, at + 1);
        commands.push_back(page.substr(at + 1, next == std::string_view::npos ? next : next - at - 1));
        at = next;
    }
    return commands;
}

bool PageCommandReader::accept(char c) {
    if (peek() != c) return false;
    ++pos_;
    return true;
}

void PageCommandReader::skipBlanks() {
    while (peek() == ' ') ++pos_;
    if (peek() == '+' && (std::isdigit(static_cast<unsigned char>(peek(1))) || peek(1) == '.')) ++pos_;
}

std::optional<double> PageCommandReader::number() {
    skipBlanks();
    double value = 0;
    auto [end, error] = std::from_chars(text_.data() + pos_, text_.data() + text_.size(), value);
    if (error == std::errc::invalid_argument) return std::nullopt;
    if (error == std::errc::result_out_of_range) value = 0;  // beyond a double's range
    pos_ = size_t(end - text_.data());
    return value;
}

std::optional<int32_t> PageCommandReader::integer() {
    skipBlanks();
    long long value = 0;
    auto [end, error] = std::from_chars(text_.data() + pos_, text_.data() + text_.size(), value);
    if (error == std::errc::invalid_argument) return std::nullopt;
    if (error == std::errc::result_out_of_range)
        value = peek() == '-' ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    pos_ = size_t(end - text_.data());
    return clampToInt32(value);
}

std::optional<uint32_t> PageCommandReader::hex() {
    skipBlanks();
    uint64_t value = 0;
    auto [end, error] = std::from_chars(text_.data() + pos_, text_.data() + text_.size(), value, 16);
    if (error == std::errc::invalid_argument) return std::nullopt;
    if (error == std::errc::result_out_of_range || value > 0xFFFFFFFFu) value = 0xFFFFFFFFu;
    pos_ = size_t(end - text_.data());
    return static_cast<uint32_t>(value);
}

std::string_view PageCommandReader::toMark() {
    const size_t start = pos_;
    const size_t mark = text_.find(kCommandMark, pos_);
    pos_ = mark == std::string_view::npos ? text_.size() : mark;
    return text_.substr(start, pos_ - start);
}

// Reads count numbers, each after a comma (the first one too unless firstHasComma is false).
bool PageCommandReader::numbers(PageCommand& command, size_t count, bool firstHasComma) {
    for (size_t i = 0; i < count; ++i) {
        if ((i > 0 || firstHasComma) && !accept(',')) return false;
        const auto value = number();
        if (!value) return false;
        command.numbers[i] = *value;
    }
    return true;
}

std::optional<PageCommand> PageCommandReader::fail(PageCommandFault fault) {
    fault_ = fault;
    pos_ = text_.size();
    return std::nullopt;
}

std::string PageCommandReader::faultExcerpt() const {
    std::string excerpt;
    for (size_t i = commandStart_; i < text_.size() && text_[i] != kCommandMark && excerpt.size() < 24; ++i) {
        const auto c = static_cast<unsigned char>(text_[i]);
        excerpt += c >= 0x20 && c < 0x7F ? char(c) : '?';
    }
    return excerpt;
}

std::optional<PageCommand> PageCommandReader::next() {
    while (fault_ == PageCommandFault::None) {
        const size_t mark = text_.find(kCommandMark, pos_);
        if (mark == std::string_view::npos) {
            pos_ = text_.size();
            return std::nullopt;
        }
        commandStart_ = mark + 1;
        pos_ = mark + 1;
        if (auto command = readAt()) return command;
    }
    return std::nullopt;
}

// The command after a mark; none when its bytes start no command (or at a fault).
std::optional<PageCommand> PageCommandReader::readAt() {
    using F = PageCommandFault;
    PageCommand c;
    const char first = peek();
    ++pos_;
    switch (first) {
    case 'A':
        if (!accept('H') || !accept('L')) return fail(F::Malformed);
        c.op = PageOp::Arrow;
        if (!numbers(c, 5, false)) return fail(F::Malformed);
        return c;
    case 'B':
    case 'P': {
        const char second = peek();
        ++pos_;
        if (first == 'P' && second == 'G') {
            c.op = PageOp::PolygonEnd;
            return c;
        }
        const bool known = first == 'B' ? second == 'C' : (second == 'W' || second == 'C' || second == 'V');
        if (!known || peek() != ',') return fail(F::Malformed);
        if (second == 'W' || second == 'V') {
            c.op = second == 'W' ? PageOp::PenWidth : PageOp::Vertex;
            if (!numbers(c, second == 'W' ? 1 : 2)) return fail(F::Malformed);
            return c;
        }
        ++pos_;  // the comma
        c.op = first == 'B' ? PageOp::FillColour : PageOp::PenColour;
        const auto colour = hex();
        if (!colour) return fail(F::Malformed);
        c.colour = *colour;
        return c;
    }
    case 'D':
        if ((peek() != 'E' && peek() != 'R') || peek(1) != ',') return fail(F::Malformed);
        c.op = text_[pos_++] == 'E' ? PageOp::Ellipse : PageOp::Rectangle;
        if (!numbers(c, 4)) return fail(F::Malformed);
        return c;
    case 'E':
        if (!accept('D')) return fail(F::Malformed);
        c.op = PageOp::EndPage;
        return c;
    case 'F':
        if (peek() != 'N' && peek() != 'S') return std::nullopt;  // not a font command: passed over
        if (peek(1) != ',') return fail(F::Malformed);
        if (text_[pos_] == 'N') {
            pos_ += 2;
            c.op = PageOp::FontName;
            c.face = toMark().substr(0, kMaxFaceLength);
            return c;
        }
        pos_ += 2;
        c.op = PageOp::FontSize;
        if (const auto size = integer()) {
            c.integer = *size;
            return c;
        }
        return fail(F::Malformed);
    case 'L':
    case 'M':
        if (peek() != ',') return fail(F::Malformed);
        c.op = first == 'L' ? PageOp::Line : PageOp::Move;
        if (!numbers(c, 2)) return fail(F::Malformed);
        return c;
    case 'N':
        if (!accept('P')) return fail(F::Malformed);
        c.op = PageOp::NewPage;
        return c;
    case 'T':
        if (!accept('O')) return fail(F::Malformed);
        if (peek() == ',') return readText(PageOp::Text);
        if (peek() == 'A' || peek() == 'C' || peek() == 'D' || peek() == 'R') {
            const char kind = text_[pos_++];
            if (peek() != ',') return fail(F::Malformed);
            return readText(kind == 'A'   ? PageOp::TextAngled
                            : kind == 'C' ? PageOp::TextCentred
                            : kind == 'D' ? PageOp::TextAngledCentred
                                          : PageOp::TextRight);
        }
        return std::nullopt;  // any other TO... is passed over
    default:
        return std::nullopt;  // not a command letter: passed over
    }
}

// TO, TOC, TOR: x, y, text. TOA, TOD: x, y, angle, face, size, text. The text runs to
// the next command mark, which must follow.
std::optional<PageCommand> PageCommandReader::readText(PageOp op) {
    using F = PageCommandFault;
    PageCommand c;
    c.op = op;
    ++pos_;  // the comma after the code
    const auto x = number();
    if (!x || !accept(',')) return fail(F::NoCommaAfterX);
    const auto y = number();
    if (!y || !accept(',')) return fail(F::NoCommaBeforeText);
    c.numbers[0] = *x;
    c.numbers[1] = *y;
    if (op == PageOp::TextAngled || op == PageOp::TextAngledCentred) {
        const auto angle = integer();
        if (!angle || !accept(',')) return fail(F::NoCommaBeforeText);
        c.integer = *angle;
        const size_t faceStart = pos_;
        while (pos_ < text_.size() && peek() != ',' && peek() != kCommandMark) ++pos_;
        c.face = text_.substr(faceStart, std::min(pos_ - faceStart, kMaxFaceLength));
        if (!accept(',')) return fail(F::NoCommaBeforeText);
        const auto size = integer();
        if (!size || !accept(',')) return fail(F::NoCommaBeforeText);
        c.size = *size;
    }
    c.text = toMark();
    if (pos_ >= text_.size()) return fail(F::TextNotEnded);
    return c;
}

}  // namespace tw
