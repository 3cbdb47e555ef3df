#include "output/page_render.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "output/font_metrics.h"
#include "output/page_command.h"
#include "output/page_log.h"

namespace tw {

namespace {

constexpr size_t kMaxVertices = 10;

// Exit statuses of a page text this program did not write (a malformed command has
// kExitPageLogError).
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

// One page's playback: the commands of the page text drawn in order, and the
// drawing state that they change.
class PagePlayer {
public:
    PagePlayer(std::string_view text, Surface& surface, const RenderView& view, Host& host)
        : reader_(text), surface_(surface), view_(view), host_(host) {
        if (auto font = surface.currentFont()) {
            face_ = drawFace_ = font->face;
            pixelHeight_ = drawHeight_ = font->pixelHeight;
        } else {
            pixelHeight_ = drawHeight_ = emPixels(10, view.scale);
        }
    }

    void play();

private:
    [[noreturn]] void fault() const;

    DevicePoint point(double x, double y) const { return {toDeviceX(x, view_), toDeviceY(y, view_)}; }
    int32_t length(double inches) const {
        return std::max(0, clampToInt32(static_cast<long double>(view_.scale) * inches));
    }
    void buildFont() {
        drawFace_ = face_;
        drawHeight_ = pixelHeight_;
        surface_.setFont(drawFace_, drawHeight_, 0);
    }

    void draw(const PageCommand& c);
    void shape(const PageCommand& c);
    void vertex(double x, double y);
    void polygonEnd();
    void arrow(const PageCommand& c);
    void text(const PageCommand& c);
    void selectionOutline();

    PageCommandReader reader_;
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

// The page log is this program's own: a command it cannot read is an internal error.
void PagePlayer::fault() const {
    switch (reader_.fault()) {
    case PageCommandFault::NoCommaAfterX:
        host_.fatal("Internal error: page text command with no comma after x", "Error", kNoCommaAfterX);
    case PageCommandFault::NoCommaBeforeText:
        host_.fatal("Internal error: page text command with no comma before the text", "Error", kNoCommaBeforeText);
    case PageCommandFault::TextNotEnded:
        host_.fatal("Internal error: page text command with no command mark after the text", "Error", kTextNotEnded);
    default:
        host_.fatal("Internal error: malformed page command \"" + reader_.faultExcerpt() + "\"", "Error",
                    kExitPageLogError);
    }
}

void PagePlayer::play() {
    while (const auto command = reader_.next()) {
        if (command->op == PageOp::NewPage) return;
        if (command->op == PageOp::EndPage) {
            if (view_.onScreen && view_.selection.left != 0) selectionOutline();
            return;
        }
        draw(*command);
    }
    if (reader_.fault() != PageCommandFault::None) fault();
}

void PagePlayer::draw(const PageCommand& c) {
    const auto& n = c.numbers;
    switch (c.op) {
    case PageOp::PenWidth: surface_.setPenWidth(length(n[0])); break;
    case PageOp::FontSize:
        pixelHeight_ = emPixels(c.integer, view_.scale);
        buildFont();
        break;
    case PageOp::FontName:
        face_ = std::string(c.face);
        buildFont();
        break;
    case PageOp::FillColour: surface_.setFillColour(c.colour); break;
    case PageOp::PenColour: surface_.setPenColour(c.colour); break;
    case PageOp::Ellipse:
    case PageOp::Rectangle: shape(c); break;
    case PageOp::Vertex: vertex(n[0], n[1]); break;
    case PageOp::PolygonEnd: polygonEnd(); break;
    case PageOp::Move: surface_.moveTo(point(n[0], n[1])); break;
    case PageOp::Line: surface_.lineTo(point(n[0], n[1])); break;
    case PageOp::Arrow: arrow(c); break;
    default: text(c); break;
    }
}

void PagePlayer::shape(const PageCommand& c) {
    const DevicePoint a = point(c.numbers[0], c.numbers[1]);
    const DevicePoint b = point(c.numbers[2], c.numbers[3]);
    if (c.op == PageOp::Ellipse) {
        surface_.ellipse(a, b);
    } else {
        const std::array<DevicePoint, 4> corners{a, DevicePoint{b.x, a.y}, b, DevicePoint{a.x, b.y}};
        surface_.polygon(corners);
    }
}

void PagePlayer::vertex(double x, double y) {
    // No report collects more than 10 vertices; any more are dropped.
    if (vertexCount_ < kMaxVertices) vertices_[vertexCount_++] = point(x, y);
}

void PagePlayer::polygonEnd() {
    if (vertexCount_ > 0) surface_.polygon(std::span<const DevicePoint>(vertices_.data(), vertexCount_));
    vertexCount_ = 0;
}

// A horizontal or vertical arrow with its tip at the second point. The head's size
// follows the pen: a = p on the screen, p / 2 on the printer; the shaft stops 10a
// before the tip and the head is 6a wide. Any arrow that is not vertical is drawn as
// a horizontal one.
void PagePlayer::arrow(const PageCommand& c) {
    const auto& [x1, y1, x2, y2, w] = c.numbers;
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
void PagePlayer::text(const PageCommand& c) {
    const bool angled = c.op == PageOp::TextAngled || c.op == PageOp::TextAngledCentred;
    if (angled) {
        drawFace_ = std::string(c.face);
        drawHeight_ = emPixels(c.size, view_.scale);
        surface_.setFont(drawFace_, drawHeight_, c.integer);
    }
    const std::string_view body = c.text;
    surface_.setFillClear();

    const long double X = static_cast<long double>(view_.scale) * c.numbers[0] - view_.offsetX;
    const long double Y = static_cast<long double>(view_.scale) * c.numbers[1] - view_.offsetY;
    auto width = [&] { return body.empty() ? 0 : textWidthForPixelHeight(body, drawFace_, drawHeight_); };

    DevicePoint at{clampToInt32(X), clampToInt32(Y)};
    switch (c.op) {
    case PageOp::TextRight: at.x = clampToInt32(X - width()); break;
    case PageOp::TextCentred: at.x = clampToInt32(X - width() / 2); break;
    case PageOp::TextAngledCentred: {
        // Centred on (x, y): back along the baseline by half the width and up by two
        // thirds of the character height.
        const long double theta = c.integer * 0.00174533L;
        const long double halfWidth = width() / 2.0L;
        const long double h = static_cast<long double>(c.size) * view_.scale * 0.009259259259259259L;
        at.x = clampToInt32(X - std::cos(theta) * halfWidth - std::sin(theta) * h);
        at.y = clampToInt32(Y + std::sin(theta) * halfWidth - std::cos(theta) * h);
        break;
    }
    default: break;
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
    text += kCommandMark;
    text += "NP";
    PagePlayer(text, surface, view, host).play();
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
