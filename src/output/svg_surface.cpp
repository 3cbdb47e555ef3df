#include "output/svg_surface.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "base/utf8.h"
#include "output/visual_text.h"

namespace tw {

namespace {

// As the Qt surface: fonts larger than this are drawn at this size.
constexpr int kLargestPixelHeight = 20000;

// The ascenders of the Liberation faces (as of Times New Roman and Arial) in font
// units; both have 2048 units per em.
constexpr int64_t kSerifAscender = 1825;
constexpr int64_t kSansAscender = 1854;
constexpr int64_t kUnitsPerEm = 2048;

void appendColour(std::string& out, Colour colour) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '#';
    for (const int shift : {0, 8, 16}) {  // 0x00BBGGRR: red first
        const unsigned byte = (colour >> shift) & 0xFF;
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    }
}

// A character XML 1.0 can hold.
bool xmlCharacter(char32_t c) {
    if (c < 0x20) return c == 0x09 || c == 0x0A || c == 0x0D;
    if (c >= 0xD800 && c <= 0xDFFF) return false;
    return c != 0xFFFE && c != 0xFFFF && c <= 0x10FFFF;
}

// Spaces that XML would otherwise fold: leading, trailing or doubled, or any
// other white space.
bool needsPreservedSpace(std::u32string_view text) {
    if (text.empty()) return false;
    if (text.front() == U' ' || text.back() == U' ') return true;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\t' || text[i] == U'\n' || text[i] == U'\r') return true;
        if (text[i] == U' ' && i + 1 < text.size() && text[i + 1] == U' ') return true;
    }
    return false;
}

}  // namespace

SvgSurface::SvgSurface(SvgFamilies families) : families_(std::move(families)) {}

double SvgSurface::ascentPixels(MetricFace face, int pixelHeight) {
    const int64_t ascender = face == MetricFace::Arial ? kSansAscender : kSerifAscender;
    const int64_t size = std::clamp(pixelHeight, 1, kLargestPixelHeight);
    // Rounded to 1/64 pixel, halves up.
    const int64_t sixtyFourths = (2 * ascender * size * 64 + kUnitsPerEm) / (2 * kUnitsPerEm);
    return double(sixtyFourths) / 64.0;
}

void SvgSurface::appendEscaped(std::string& out, std::u32string_view text, bool quoted) {
    for (const char32_t c : text) {
        switch (c) {
        case U'&': out += "&amp;"; break;
        case U'<': out += "&lt;"; break;
        case U'>': out += "&gt;"; break;
        case U'"':
            if (quoted)
                out += "&quot;";
            else
                out += '"';
            break;
        default:
            if (xmlCharacter(c)) appendUtf8(out, c);
        }
    }
}

void SvgSurface::number(int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out_.append(buffer, result.ptr);
}

void SvgSurface::number(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out_.append(buffer, result.ptr);
}

void SvgSurface::beginPage(int width, int height, int dpi, std::string_view title) {
    out_.clear();
    pageOpen_ = true;
    dpi_ = dpi;
    group_ = Group::None;
    char size[96];
    std::snprintf(size, sizeof size, "width=\"%gmm\" height=\"%gmm\"", width * 25.4 / std::max(dpi, 1),
                  height * 25.4 / std::max(dpi, 1));
    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg ";
    out_ += size;
    out_ += " viewBox=\"0 0 ";
    number(width);
    out_ += ' ';
    number(height);
    out_ += "\" xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\">\n<title>";
    appendEscaped(out_, decodeText(title), false);
    out_ += "</title>\n<desc>Drawn by Tamblewin</desc>\n"
            "<g fill=\"none\" stroke=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\" fill-rule=\"evenodd\">\n";
}

std::string SvgSurface::endPage() {
    if (!pageOpen_) return {};
    closeGroup();
    out_ += "</g>\n</svg>\n";
    pageOpen_ = false;
    std::string page = std::move(out_);
    out_.clear();
    return page;
}

void SvgSurface::dropPage() {
    pageOpen_ = false;
    group_ = Group::None;
    out_.clear();
}

void SvgSurface::closeGroup() {
    if (group_ != Group::None) out_ += "</g>\n";
    group_ = Group::None;
}

void SvgSurface::shapeGroup() {
    if (group_ == Group::Shapes && groupPenWidth_ == penWidth_ && groupPenColour_ == penColour_ && groupFill_ == fill_)
        return;
    closeGroup();
    group_ = Group::Shapes;
    groupPenWidth_ = penWidth_;
    groupPenColour_ = penColour_;
    groupFill_ = fill_;
    out_ += "<g stroke=\"";
    appendColour(out_, penColour_);
    out_ += "\" stroke-width=\"";
    number(std::max(penWidth_, 1));
    out_ += '"';
    if (fill_.solid) {
        out_ += " fill=\"";
        appendColour(out_, fill_.colour);
        out_ += '"';
    }
    out_ += ">\n";
}

// A pen of width 0 draws the thinnest line: one pixel of the viewer however the
// page is scaled (the effect is not inherited, so each element says it).
void SvgSurface::strokeEffect() {
    if (penWidth_ <= 0) out_ += " vector-effect=\"non-scaling-stroke\"";
}

void SvgSurface::textGroup(const std::string& family, int pixelHeight) {
    if (group_ == Group::Text && groupFamily_ == family && groupPixelHeight_ == pixelHeight) return;
    closeGroup();
    group_ = Group::Text;
    groupFamily_ = family;
    groupPixelHeight_ = pixelHeight;
    out_ += "<g fill=\"#000000\" font-family=\"";
    appendEscaped(out_, decodeText(family), true);
    out_ += "\" font-size=\"";
    number(pixelHeight);
    out_ += "\">\n";
}

void SvgSurface::points(std::span<const DevicePoint> points) {
    out_ += " points=\"";
    for (size_t i = 0; i < points.size(); ++i) {
        if (i > 0) out_ += ' ';
        number(points[i].x);
        out_ += ',';
        number(points[i].y);
    }
    out_ += '"';
}

void SvgSurface::setPenWidth(int pixels) { penWidth_ = pixels; }
void SvgSurface::setPenColour(Colour colour) { penColour_ = colour; }
void SvgSurface::setFillColour(Colour colour) { fill_ = SurfaceFill{true, colour}; }
void SvgSurface::setFillClear() { fill_ = SurfaceFill{false, 0}; }

void SvgSurface::setFont(std::string_view face, int pixelHeight, int angleTenths) {
    font_ = SurfaceFont{std::string(face), pixelHeight, angleTenths};
}

void SvgSurface::moveTo(DevicePoint p) { current_ = p; }

void SvgSurface::lineTo(DevicePoint p) {
    if (pageOpen_) {
        shapeGroup();
        out_ += "<line x1=\"";
        number(current_.x);
        out_ += "\" y1=\"";
        number(current_.y);
        out_ += "\" x2=\"";
        number(p.x);
        out_ += "\" y2=\"";
        number(p.y);
        out_ += '"';
        strokeEffect();
        out_ += "/>\n";
    }
    current_ = p;
}

void SvgSurface::polygon(std::span<const DevicePoint> pointList) {
    if (!pageOpen_ || pointList.empty()) return;
    shapeGroup();
    out_ += "<polygon";
    points(pointList);
    strokeEffect();
    out_ += "/>\n";
}

void SvgSurface::polyline(std::span<const DevicePoint> pointList) {
    if (!pageOpen_ || pointList.empty()) return;
    shapeGroup();
    out_ += "<polyline";
    if (fill_.solid) out_ += " fill=\"none\"";
    points(pointList);
    strokeEffect();
    out_ += "/>\n";
}

void SvgSurface::ellipse(DevicePoint corner1, DevicePoint corner2) {
    if (!pageOpen_) return;
    shapeGroup();
    out_ += "<ellipse cx=\"";
    number((corner1.x + corner2.x) / 2.0);
    out_ += "\" cy=\"";
    number((corner1.y + corner2.y) / 2.0);
    out_ += "\" rx=\"";
    number(std::abs(corner2.x - corner1.x) / 2.0);
    out_ += "\" ry=\"";
    number(std::abs(corner2.y - corner1.y) / 2.0);
    out_ += '"';
    strokeEffect();
    out_ += "/>\n";
}

void SvgSurface::text(DevicePoint p, std::string_view text) {
    if (!pageOpen_ || text.empty()) return;
    // Before any font is set, text is Times at 9 points, as Qt's default font.
    if (!font_) setFont("Times", (9 * dpi_ + 36) / 72, 0);
    const int size = std::clamp(font_->pixelHeight, 1, kLargestPixelHeight);
    const MetricFace face = metricFaceFor(font_->face);
    const std::string& family = face == MetricFace::Arial ? families_.sans : families_.serif;
    const double baseline = p.y + ascentPixels(face, size);
    textGroup(family, size);
    for (const FontRun& run : fontRuns(text, font_->face, size)) {
        out_ += "<text x=\"";
        number(p.x + run.offsetPixels);
        out_ += "\" y=\"";
        number(baseline);
        out_ += '"';
        if (run.font > 0) {
            out_ += " font-family=\"";
            const std::string_view fallback = fallbackFamily(run.font);
            appendEscaped(out_, std::u32string(fallback.begin(), fallback.end()), true);
            out_ += '"';
        }
        if (font_->angleTenths != 0) {
            // The angle turns the baseline counter-clockwise; SVG's y runs down the page.
            out_ += " transform=\"rotate(";
            number(-font_->angleTenths / 10.0);
            out_ += ' ';
            number(p.x);
            out_ += ' ';
            number(p.y);
            out_ += ")\"";
        }
        if (needsPreservedSpace(run.text)) out_ += " xml:space=\"preserve\"";
        out_ += '>';
        appendEscaped(out_, run.text, false);
        out_ += "</text>\n";
    }
}

}  // namespace tw
