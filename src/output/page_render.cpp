#include "output/page_render.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "output/font_metrics.h"

namespace tw {

namespace {

constexpr char kMark = '\x02';
constexpr size_t kMaxVertices = 10;
constexpr size_t kMaxFaceLength = 99;

// Exit statuses of a page text this program did not write.
constexpr int kMalformedCommand = 3;
constexpr int kNoCommaAfterX = 9;
constexpr int kNoCommaBeforeText = 10;
constexpr int kTextNotEnded = 11;

int32_t clampToInt32(long double v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<long double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    if (v <= static_cast<long double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);  // truncates toward zero
}

int32_t clampToInt32(int64_t v) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// a x b / c rounded to the nearest integer, halves away from zero (as Windows' MulDiv).
int32_t mulDiv(int64_t a, int64_t b, int64_t c) {
    const int64_t product = a * b;  // both are 32-bit values
    const bool negative = (product < 0) != (c < 0);
    const int64_t magnitude = (std::abs(product) + std::abs(c) / 2) / std::abs(c);
    return clampToInt32(negative ? -magnitude : magnitude);
}

// The em height in pixels of a font of the given size in points at scale pixels per inch.
int32_t emPixels(int32_t points, int32_t scale) {
    const int64_t height = mulDiv(points, scale, 72);
    return clampToInt32(height < 0 ? -height : height);
}

// One page's playback: a cursor over the page text and the drawing state that the
// commands change.
class PagePlayer {
public:
    PagePlayer(std::string text, Surface& surface, const RenderView& view, Host& host)
        : text_(std::move(text)), surface_(surface), view_(view), host_(host) {
        if (auto font = surface.currentFont()) {
            face_ = drawFace_ = font->face;
            pixelHeight_ = drawHeight_ = font->pixelHeight;
        } else {
            pixelHeight_ = drawHeight_ = emPixels(10, view.scale);
        }
    }

    void play();

private:
    // --- Reading the page text (never past its end) ---------------------------
    char peek(size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    bool accept(char c) {
        if (peek() != c) return false;
        ++pos_;
        return true;
    }
    void skipBlanks() {
        while (peek() == ' ') ++pos_;
        if (peek() == '+' && (std::isdigit(static_cast<unsigned char>(peek(1))) || peek(1) == '.')) ++pos_;
    }
    std::optional<double> number() {
        skipBlanks();
        double value = 0;
        auto [end, error] = std::from_chars(text_.data() + pos_, text_.data() + text_.size(), value);
        if (error == std::errc::invalid_argument) return std::nullopt;
        if (error == std::errc::result_out_of_range) value = 0;  // beyond a double's range
        pos_ = size_t(end - text_.data());
        return value;
    }
    std::optional<int32_t> integer() {
        skipBlanks();
        long long value = 0;
        auto [end, error] = std::from_chars(text_.data() + pos_, text_.data() + text_.size(), value);
        if (error == std::errc::invalid_argument) return std::nullopt;
        if (error == std::errc::result_out_of_range)
            value = peek() == '-' ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
        pos_ = size_t(end - text_.data());
        return clampToInt32(static_cast<int64_t>(value));
    }
    std::optional<uint32_t> hex() {
        skipBlanks();
        uint64_t value = 0;
        auto [end, error] = std::from_chars(text_.data() + pos_, text_.data() + text_.size(), value, 16);
        if (error == std::errc::invalid_argument) return std::nullopt;
        if (error == std::errc::result_out_of_range || value > 0xFFFFFFFFu) value = 0xFFFFFFFFu;
        pos_ = size_t(end - text_.data());
        return static_cast<uint32_t>(value);
    }
    // Everything up to the next command mark (or the end of the text).
    std::string_view toMark() {
        const size_t start = pos_;
        const size_t mark = text_.find(kMark, pos_);
        pos_ = mark == std::string::npos ? text_.size() : mark;
        return std::string_view(text_).substr(start, pos_ - start);
    }

    // Reads n numbers, each after a comma (the first one too unless firstHasComma is false).
    template <size_t N>
    std::array<double, N> numbers(bool firstHasComma = true) {
        std::array<double, N> values{};
        for (size_t i = 0; i < N; ++i) {
            if ((i > 0 || firstHasComma) && !accept(',')) malformed();
            auto value = number();
            if (!value) malformed();
            values[i] = *value;
        }
        return values;
    }

    [[noreturn]] void malformed() const;
    [[noreturn]] void textError(int status) const;

    // --- Drawing ---------------------------------------------------------------
    DevicePoint point(double x, double y) const { return {toDeviceX(x, view_), toDeviceY(y, view_)}; }
    int32_t length(double inches) const {
        return std::max(0, clampToInt32(static_cast<long double>(view_.scale) * inches));
    }
    void buildFont() {
        drawFace_ = face_;
        drawHeight_ = pixelHeight_;
        surface_.setFont(drawFace_, drawHeight_, 0);
    }

    void penWidth();
    void fontSize();
    void fontName();
    void colour(bool fill);
    void shape(char kind);
    void vertex();
    void polygonEnd();
    void moveOrLine(bool line);
    void arrow();
    void text(char kind);
    void selectionOutline();

    std::string text_;
    size_t pos_ = 0;
    size_t commandStart_ = 0;
    Surface& surface_;
    const RenderView& view_;
    Host& host_;

    std::array<DevicePoint, kMaxVertices> vertices_{};
    size_t vertexCount_ = 0;

    // The face and size that FN and FS set (every FN and FS builds an unrotated
    // font from both), and the font the surface actually holds, which TOA and TOD
    // replace; text is measured in the latter.
    std::string face_ = "Times";
    int32_t pixelHeight_ = 0;
    std::string drawFace_ = "Times";
    int32_t drawHeight_ = 0;
};

void PagePlayer::malformed() const {
    // Name the command in the message: its first bytes, with anything unprintable as '?'.
    std::string excerpt;
    for (size_t i = commandStart_; i < text_.size() && text_[i] != kMark && excerpt.size() < 24; ++i) {
        const auto c = static_cast<unsigned char>(text_[i]);
        excerpt += c >= 0x20 && c < 0x7F ? char(c) : '?';
    }
    host_.fatal("Internal error: malformed page command \"" + excerpt + "\"", "Error", kMalformedCommand);
}

void PagePlayer::textError(int status) const {
    const char* what = status == kNoCommaAfterX       ? "no comma after x"
                       : status == kNoCommaBeforeText ? "no comma before the text"
                                                      : "no command mark after the text";
    host_.fatal(std::string("Internal error: page text command with ") + what, "Error", status);
}

void PagePlayer::play() {
    while (true) {
        const size_t mark = text_.find(kMark, pos_);
        if (mark == std::string::npos) return;
        commandStart_ = mark + 1;
        pos_ = mark + 1;
        const char first = peek();
        ++pos_;
        switch (first) {
        case 'A':
            if (!accept('H') || !accept('L')) malformed();
            arrow();
            break;
        case 'B':
            if (!accept('C') || peek() != ',') malformed();
            colour(true);
            break;
        case 'D':
            if ((peek() != 'E' && peek() != 'R') || peek(1) != ',') malformed();
            shape(text_[pos_++]);
            break;
        case 'E':
            if (!accept('D')) malformed();
            if (view_.onScreen && view_.selection.left != 0) selectionOutline();
            return;
        case 'F':
            if (peek() != 'N' && peek() != 'S') break;  // not a font command: skipped
            if (peek(1) != ',') malformed();
            if (text_[pos_++] == 'N')
                fontName();
            else
                fontSize();
            break;
        case 'L':
        case 'M':
            if (peek() != ',') malformed();
            moveOrLine(first == 'L');
            break;
        case 'N':
            if (!accept('P')) malformed();
            return;
        case 'P': {
            const char second = peek();
            ++pos_;
            if (second == 'G') {
                polygonEnd();
                break;
            }
            if ((second != 'W' && second != 'C' && second != 'V') || peek() != ',') malformed();
            if (second == 'W')
                penWidth();
            else if (second == 'C')
                colour(false);
            else
                vertex();
            break;
        }
        case 'T':
            if (!accept('O')) malformed();
            if (peek() == ',') {
                text('O');
            } else if (peek() == 'A' || peek() == 'C' || peek() == 'D' || peek() == 'R') {
                const char kind = text_[pos_++];
                if (peek() != ',') malformed();
                text(kind);
            }  // any other TO... is skipped
            break;
        default:
            break;  // not a command letter: skipped
        }
    }
}

void PagePlayer::penWidth() {
    const auto [w] = numbers<1>();
    surface_.setPenWidth(length(w));
}

void PagePlayer::fontSize() {
    ++pos_;  // the comma
    auto size = integer();
    if (!size) malformed();
    pixelHeight_ = emPixels(*size, view_.scale);
    buildFont();
}

void PagePlayer::fontName() {
    ++pos_;  // the comma
    face_ = std::string(toMark().substr(0, kMaxFaceLength));
    buildFont();
}

void PagePlayer::colour(bool fill) {
    ++pos_;  // the comma
    auto value = hex();
    if (!value) malformed();
    if (fill)
        surface_.setFillColour(*value);
    else
        surface_.setPenColour(*value);
}

void PagePlayer::shape(char kind) {
    const auto [x1, y1, x2, y2] = numbers<4>();
    const DevicePoint a = point(x1, y1);
    const DevicePoint b = point(x2, y2);
    if (kind == 'E') {
        surface_.ellipse(a, b);
    } else {
        const std::array<DevicePoint, 4> corners{a, DevicePoint{b.x, a.y}, b, DevicePoint{a.x, b.y}};
        surface_.polygon(corners);
    }
}

void PagePlayer::vertex() {
    const auto [x, y] = numbers<2>();
    // No report collects more than 10 vertices; any more are dropped.
    if (vertexCount_ < kMaxVertices) vertices_[vertexCount_++] = point(x, y);
}

void PagePlayer::polygonEnd() {
    if (vertexCount_ > 0) surface_.polygon(std::span<const DevicePoint>(vertices_.data(), vertexCount_));
    vertexCount_ = 0;
}

void PagePlayer::moveOrLine(bool line) {
    const auto [x, y] = numbers<2>();
    if (line)
        surface_.lineTo(point(x, y));
    else
        surface_.moveTo(point(x, y));
}

// A horizontal or vertical arrow with its tip at the second point. The head's size
// follows the pen: a = p on the screen, p / 2 on the printer; the shaft stops 10a
// before the tip and the head is 6a wide. Any arrow that is not vertical is drawn as
// a horizontal one.
void PagePlayer::arrow() {
    const auto [x1, y1, x2, y2, w] = numbers<5>(false);
    const DevicePoint from = point(x1, y1);
    const DevicePoint tip = point(x2, y2);
    const int32_t p = length(w);
    const int64_t a = view_.onScreen ? p : p / 2;

    surface_.setPenWidth(p);
    surface_.moveTo(from);
    std::array<DevicePoint, 3> head;
    if (from.x == tip.x) {
        const int64_t d = from.y < tip.y ? 1 : -1;
        const int32_t baseY = clampToInt32(tip.y - d * 10 * a);
        surface_.lineTo({from.x, baseY});
        head = {DevicePoint{clampToInt32(from.x - 3 * a), baseY}, DevicePoint{clampToInt32(from.x + 3 * a), baseY}, tip};
    } else {
        const int64_t d = from.x < tip.x ? 1 : -1;
        const int32_t baseX = clampToInt32(tip.x - d * 10 * a);
        surface_.lineTo({baseX, from.y});
        head = {DevicePoint{baseX, clampToInt32(from.y - 3 * a)}, DevicePoint{baseX, clampToInt32(from.y + 3 * a)}, tip};
    }

    const std::optional<SurfaceFill> before = surface_.currentFill();
    surface_.setFillColour(0x000000);
    surface_.polygon(head);
    if (before && before->solid)
        surface_.setFillColour(before->colour);
    else
        surface_.setFillClear();
}

// TO, TOC, TOR: x, y, text in the surface font. TOA, TOD: x, y, angle, face, size,
// text, in a new rotated font that stays the surface font.
void PagePlayer::text(char kind) {
    ++pos_;  // the comma after the code
    const auto x = number();
    if (!x || !accept(',')) textError(kNoCommaAfterX);
    const auto y = number();
    if (!y || !accept(',')) textError(kNoCommaBeforeText);

    int32_t angle = 0;
    int32_t size = 0;
    if (kind == 'A' || kind == 'D') {
        const auto angleField = integer();
        if (!angleField || !accept(',')) textError(kNoCommaBeforeText);
        angle = *angleField;
        const size_t faceStart = pos_;
        while (peek() != ',' && peek() != kMark && pos_ < text_.size()) ++pos_;
        const std::string face = text_.substr(faceStart, std::min(pos_ - faceStart, kMaxFaceLength));
        if (!accept(',')) textError(kNoCommaBeforeText);
        const auto sizeField = integer();
        if (!sizeField || !accept(',')) textError(kNoCommaBeforeText);
        size = *sizeField;

        drawFace_ = face;
        drawHeight_ = emPixels(size, view_.scale);
        surface_.setFont(drawFace_, drawHeight_, angle);
    }

    const std::string_view body = toMark();
    if (pos_ >= text_.size()) textError(kTextNotEnded);

    surface_.setFillClear();

    const long double X = static_cast<long double>(view_.scale) * *x - view_.offsetX;
    const long double Y = static_cast<long double>(view_.scale) * *y - view_.offsetY;
    auto width = [&] { return body.empty() ? 0 : textWidthForPixelHeight(body, drawFace_, drawHeight_); };

    DevicePoint at{clampToInt32(X), clampToInt32(Y)};
    switch (kind) {
    case 'R':
        at.x = clampToInt32(X - width());
        break;
    case 'C':
        at.x = clampToInt32(X - width() / 2);
        break;
    case 'D': {
        // Centred on (x, y): back along the baseline by half the width and up by two
        // thirds of the character height.
        const long double theta = angle * 0.00174533L;
        const long double halfWidth = width() / 2.0L;
        const long double h = static_cast<long double>(size) * view_.scale * 0.009259259259259259L;
        at.x = clampToInt32(X - std::cos(theta) * halfWidth - std::sin(theta) * h);
        at.y = clampToInt32(Y + std::sin(theta) * halfWidth - std::cos(theta) * h);
        break;
    }
    default:
        break;
    }
    if (!body.empty()) surface_.text(at, body);
}

void PagePlayer::selectionOutline() {
    const DragBox& box = view_.selection;
    const std::array<DevicePoint, 5> outline{DevicePoint{box.left, box.top}, DevicePoint{box.right, box.top},
                                             DevicePoint{box.right, box.bottom}, DevicePoint{box.left, box.bottom},
                                             DevicePoint{box.left, box.top}};
    surface_.setPenColour(0x882233);
    surface_.setPenWidth(3);
    surface_.polyline(outline);
}

}  // namespace

void renderPage(std::string_view pageText, Surface& surface, const RenderView& view, Host& host) {
    if (pageText.empty()) return;
    // The copy always ends a page, also one stored without an end.
    std::string text;
    text.reserve(pageText.size() + 3);
    text.append(pageText);
    text += kMark;
    text += "NP";
    PagePlayer(std::move(text), surface, view, host).play();
}

int32_t toDeviceX(double x, const RenderView& view) {
    return clampToInt32(static_cast<long double>(view.scale) * x - view.offsetX);
}

int32_t toDeviceY(double y, const RenderView& view) {
    return clampToInt32(static_cast<long double>(view.scale) * y - view.offsetY);
}

double fromDeviceY(int32_t py, const RenderView& view) {
    if (view.scale == 0) return 0;
    return (double(py) + view.offsetY) / view.scale;
}

void drawDragFeedback(Surface& surface, const DragBox& box) {
    if (box.left == 0) return;
    // The band between where the box was and where it is now.
    const int bandTop = box.top < box.startTop ? box.bottom : box.top;
    const int bandBottom = box.top < box.startTop ? box.startBottom : box.startTop;
    surface.setPenColour(0x8FD57B);
    surface.setFillColour(0x8FD57B);
    surface.setPenWidth(3);
    const std::array<DevicePoint, 4> band{DevicePoint{box.left, bandTop}, DevicePoint{box.right, bandTop},
                                          DevicePoint{box.right, bandBottom}, DevicePoint{box.left, bandBottom}};
    surface.polygon(band);

    const std::array<DevicePoint, 5> outline{DevicePoint{box.left, box.top}, DevicePoint{box.right, box.top},
                                             DevicePoint{box.right, box.bottom}, DevicePoint{box.left, box.bottom},
                                             DevicePoint{box.left, box.top}};
    surface.setPenColour(0x882233);
    surface.polyline(outline);
}

}  // namespace tw
