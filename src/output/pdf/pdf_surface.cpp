#include "output/pdf/pdf_surface.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "output/pdf/pdf_numbers.h"

namespace tw {

namespace {

// As on the Qt surfaces: a damaged size must not build a font of a million pixels.
constexpr int kLargestPixelHeight = 20000;
constexpr int kNotLookedUp = -2;

void appendColour(std::string& out, Colour colour, const char* op) {
    for (int shift = 0; shift <= 16; shift += 8) {
        appendPdfNumber(out, double((colour >> shift) & 0xFF) / 255.0);
        out += ' ';
    }
    out += op;
    out += '\n';
}

// Two bytes a glyph, in a literal string: the few bytes a literal string cannot
// hold as they are escaped.
void appendGlyph(std::string& out, uint32_t glyph) {
    for (const char byte : {char(glyph >> 8), char(glyph & 0xFF)}) {
        if (byte == '(' || byte == ')' || byte == '\\') out += '\\';
        if (byte == '\r') {
            out += "\\r";
            continue;
        }
        out += byte;
    }
}

bool printableAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

}  // namespace

void PdfSurface::beginPage(const PrinterGeometry& sheet) {
    if (documentNumber_ != document_.documentNumber()) {  // a new document numbers its fonts anew
        documentNumber_ = document_.documentNumber();
        faceFonts_.clear();
        fallbackFonts_.clear();
        missingFont_.clear();
    }
    sheet_ = sheet;
    content_.clear();
    page_ = PageState{};
    pathOpen_ = false;
    const double scale = 72.0 / std::max(sheet.pixelsPerInchY, 1);
    sheetWidthPoints_ = sheet.physicalWidth * scale;
    sheetHeightPoints_ = sheet.physicalHeight * scale;
    // A sheet of a named paper is that paper exactly: its pixels only round it (an
    // A4 sheet of 4961 pixels at 600 per inch would be 595.32 points wide, not 595.28).
    if (const auto paper = paperOfSheet(sheetWidthPoints_ / 72, sheetHeightPoints_ / 72)) {
        const PageGeometry exact = pageOf(*paper, sheetWidthPoints_ > sheetHeightPoints_);
        sheetWidthPoints_ = exact.width * 72;
        sheetHeightPoints_ = exact.height * 72;
    }
    // Pixels with y down from the sheet's top, scaled to points; wide lines end and
    // join round.
    content_ +=
        pdfNumber(scale) + " 0 0 " + pdfNumber(-scale) + " 0 " + pdfNumber(sheetHeightPoints_) + " cm 1 J 1 j\n";
}

void PdfSurface::finishPage() {
    endPath();
    document_.addPage(sheetWidthPoints_, sheetHeightPoints_, content_);
}

void PdfSurface::setFont(std::string_view face, int pixelHeight, int angleTenths) {
    font_ = SurfaceFont{std::string(face), pixelHeight, angleTenths};
    const double radians = angleTenths / 10.0 * 3.14159265358979323846 / 180.0;
    cos_ = angleTenths == 0 ? 1.0 : std::cos(radians);
    sin_ = angleTenths == 0 ? 0.0 : std::sin(radians);
}

void PdfSurface::endPath() {
    if (!pathOpen_) return;
    content_ += "S\n";
    pathOpen_ = false;
}

void PdfSurface::useStroke() {
    if (page_.penWidth != penWidth_ || page_.stroke != penColour_) endPath();
    if (page_.penWidth != penWidth_) {
        appendPdfInteger(content_, penWidth_);  // 0: the thinnest line the device draws
        content_ += " w\n";
        page_.penWidth = penWidth_;
    }
    if (page_.stroke != penColour_) {
        appendColour(content_, penColour_, "RG");
        page_.stroke = penColour_;
    }
}

void PdfSurface::useFill(Colour colour) {
    if (page_.fill == colour) return;
    appendColour(content_, colour, "rg");
    page_.fill = colour;
}

void PdfSurface::point(DevicePoint p, const char* op) {
    appendPdfInteger(content_, p.x);
    content_ += ' ';
    appendPdfInteger(content_, p.y);
    content_ += op;
}

void PdfSurface::moveTo(DevicePoint p) {
    if (pathOpen_ && !(p == current_)) endPath();
    current_ = p;
}

void PdfSurface::lineTo(DevicePoint p) {
    useStroke();
    if (!pathOpen_) point(current_, " m ");
    point(p, " l\n");
    pathOpen_ = true;
    current_ = p;
}

void PdfSurface::polygon(std::span<const DevicePoint> points) {
    if (points.empty()) return;
    useStroke();
    endPath();
    if (fill_.solid) useFill(fill_.colour);
    point(points[0], " m ");
    for (size_t i = 1; i < points.size(); ++i) point(points[i], " l ");
    content_ += fill_.solid ? "b*\n" : "s\n";  // filled even-odd, as Qt fills polygons
}

void PdfSurface::polyline(std::span<const DevicePoint> points) {
    if (points.empty()) return;
    useStroke();
    endPath();
    point(points[0], " m ");
    for (size_t i = 1; i < points.size(); ++i) point(points[i], " l ");
    content_ += "S\n";
}

// Four Bézier quarters through the box's edge midpoints.
void PdfSurface::ellipse(DevicePoint corner1, DevicePoint corner2) {
    useStroke();
    endPath();
    if (fill_.solid) useFill(fill_.colour);
    const double cx = (corner1.x + corner2.x) / 2.0, cy = (corner1.y + corner2.y) / 2.0;
    const double rx = std::abs(corner2.x - corner1.x) / 2.0, ry = std::abs(corner2.y - corner1.y) / 2.0;
    constexpr double k = 0.5522847498;
    auto pair = [&](double x, double y) {
        appendPdfNumber(content_, x);
        content_ += ' ';
        appendPdfNumber(content_, y);
        content_ += ' ';
    };
    pair(cx + rx, cy);
    content_ += "m\n";
    const std::array<std::array<double, 6>, 4> quarters{{
        {cx + rx, cy + k * ry, cx + k * rx, cy + ry, cx, cy + ry},
        {cx - k * rx, cy + ry, cx - rx, cy + k * ry, cx - rx, cy},
        {cx - rx, cy - k * ry, cx - k * rx, cy - ry, cx, cy - ry},
        {cx + k * rx, cy - ry, cx + rx, cy - k * ry, cx + rx, cy},
    }};
    for (const auto& q : quarters) {
        pair(q[0], q[1]);
        pair(q[2], q[3]);
        pair(q[4], q[5]);
        content_ += "c\n";
    }
    content_ += fill_.solid ? "b\n" : "s\n";
}

// The installed font of a face, as QtSurface chooses it.
int PdfSurface::faceFont(std::string_view face) {
    for (const auto& [name, font] : faceFonts_)
        if (name == face) return font;
    const std::span<const char* const> candidates = familiesDrawing(face);
    int font = -1;
    for (const char* family : candidates)
        if ((font = document_.fontFor(family)) >= 0) break;
    if (font < 0 && missingFont_.empty()) missingFont_ = candidates.front();
    faceFonts_.emplace_back(std::string(face), font);
    return font;
}

// A fallback font; the face's font (and its missing-glyph box) where it is not installed.
int PdfSurface::fallbackFont(int fallback, int faceFont) {
    if (fallbackFonts_.size() < size_t(fallback)) fallbackFonts_.resize(size_t(fallback), kNotLookedUp);
    int& font = fallbackFonts_[size_t(fallback) - 1];
    if (font == kNotLookedUp) font = document_.fontFor(fallbackFamily(fallback));
    return font >= 0 ? font : faceFont;
}

void PdfSurface::text(DevicePoint p, std::string_view text) {
    if (text.empty()) return;
    if (!font_) setFont("Times", 10 * 600 / 72, 0);
    const int size = std::clamp(font_->pixelHeight, 1, kLargestPixelHeight);
    const int face = faceFont(font_->face);
    if (face < 0) return;
    endPath();
    useFill(0);  // text is black whatever the pen and fill
    const PdfFont& faceMetrics = document_.font(face);
    const double ascent = double(faceMetrics.ascender()) * size / faceMetrics.unitsPerEm();
    content_ += "BT\n";
    if (printableAscii(text)) {
        // Most names and dates: the face's font draws every character, in one run
        // from the start, as fontRuns would give it.
        asciiRun_.text.assign(text.begin(), text.end());
        drawRun(asciiRun_, face, p, ascent);
    } else {
        for (const FontRun& run : fontRuns(text, font_->face, size)) {
            const int font = run.font == 0 ? face : fallbackFont(run.font, face);
            drawRun(run, font, p, ascent);
        }
    }
    content_ += "ET\n";
}

// The run's glyphs from its start on the baseline: the text matrix turns the
// baseline by the font's angle (counter-clockwise on the page, whose y runs down).
void PdfSurface::drawRun(const FontRun& run, int font, DevicePoint origin, double ascent) {
    PdfFont& pdfFont = document_.font(font);
    pdfFont.layOut(run.text, run.shaped, glyphs_);
    if (glyphs_.glyphs.empty()) return;
    const int size = std::clamp(font_->pixelHeight, 1, kLargestPixelHeight);
    if (page_.font != font || page_.fontSize != size) {
        content_ += "/F";
        appendPdfInteger(content_, font);
        content_ += ' ';
        appendPdfInteger(content_, size);
        content_ += " Tf\n";
        page_.font = font;
        page_.fontSize = size;
    }
    // Along the baseline (cos, -sin) and up the glyphs (-sin, -cos), in pixels.
    auto place = [&](double along, double up) {
        const double x = origin.x + along * cos_ + ascent * sin_ - up * sin_;
        const double y = origin.y - along * sin_ + ascent * cos_ - up * cos_;
        if (cos_ == 1.0) {
            content_ += "1 0 0 -1 ";
        } else {
            appendPdfNumber(content_, cos_);
            content_ += ' ';
            appendPdfNumber(content_, -sin_);
            content_ += ' ';
            appendPdfNumber(content_, -sin_);
            content_ += ' ';
            appendPdfNumber(content_, -cos_);
            content_ += ' ';
        }
        appendPdfNumber(content_, x);
        content_ += ' ';
        appendPdfNumber(content_, y);
        content_ += " Tm";
    };
    if (!glyphs_.placed) {
        place(run.offsetPixels, 0);
        content_ += '(';
        for (const PlacedGlyph& g : glyphs_.glyphs) appendGlyph(content_, g.glyph);
        content_ += ")Tj\n";
        return;
    }
    // Shaped glyphs: one text object still, so that the run reads back as one word.
    // A glyph away from where the last one's advance leaves off is moved there in
    // thousandths of an em; a mark above or below is raised for itself.
    place(run.offsetPixels, 0);
    content_ += '[';
    int32_t pen = 0;  // font units from the run's start
    const double unitsToRise = double(size) / pdfFont.unitsPerEm();
    for (const PlacedGlyph& g : glyphs_.glyphs) {
        if (g.x != pen) {
            appendPdfNumber(content_, -(g.x - pen) * 1000.0 / pdfFont.unitsPerEm());
            pen = g.x;
        }
        if (g.y != 0) {
            content_ += "]TJ ";
            appendPdfNumber(content_, g.y * unitsToRise);
            content_ += " Ts(";
            appendGlyph(content_, g.glyph);
            content_ += ")Tj 0 Ts[";
        } else {
            content_ += '(';
            appendGlyph(content_, g.glyph);
            content_ += ')';
        }
        pen += pdfFont.advance(g.glyph);
    }
    content_ += "]TJ\n";
}

}  // namespace tw
