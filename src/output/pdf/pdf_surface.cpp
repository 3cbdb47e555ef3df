#include "output/pdf/pdf_surface.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "output/pdf/pdf_numbers.h"
#include "output/pdf/text_reading.h"
#include "output/visual_text.h"

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

// Two bytes a code, in a literal string: the few bytes a literal string cannot
// hold as they are escaped.
void appendCode(std::string& out, uint16_t code) {
    for (const char byte : {char(code >> 8), char(code & 0xFF)}) {
        if (byte == '(' || byte == ')' || byte == '\\') out += '\\';
        if (byte == '\r') {
            out += "\\r";
            continue;
        }
        out += byte;
    }
}

// The clusters of a text in the order they come in it.
std::vector<uint32_t> textOrder(size_t count) {
    std::vector<uint32_t> order(count);
    std::iota(order.begin(), order.end(), 0u);
    return order;
}

std::u32string concatenated(const std::vector<std::u32string>& parts) {
    std::u32string whole;
    for (const std::u32string& part : parts) whole += part;
    return whole;
}

bool hasRightToLeft(std::u32string_view text) { return std::any_of(text.begin(), text.end(), isRightToLeft); }

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
    if (printableAscii(text)) {
        drawAscii(text, face, p, ascent);
        return;
    }
    const std::u32string logical = decodeText(text);
    if (std::all_of(logical.begin(), logical.end(), readsAsDrawn))
        drawPlainText(text, face, p, ascent);
    else
        drawText(text, logical, face, p, ascent);
}

// Most names and dates: the face's font draws every character, each glyph its own
// character, in one run from the start, as fontRuns would give it.
void PdfSurface::drawAscii(std::string_view text, int face, DevicePoint origin, double ascent) {
    const bool actualText = turned();
    if (actualText) beginActualText(decodeText(text));
    content_ += "BT\n";
    selectFont(face, std::clamp(font_->pixelHeight, 1, kLargestPixelHeight));
    moveAlongBaseline(origin, 0, ascent);
    content_ += '(';
    PdfFont& font = document_.font(face);
    for (const char c : text) appendCode(content_, font.codeOfCharacter(char32_t(c)));
    content_ += ")Tj\nET\n";
    if (actualText) content_ += "EMC\n";
}

// Text in scripts drawn as written, a glyph for each character (Latin, Greek,
// Cyrillic, CJK, ...): each run of one font in one piece, each glyph its own character.
void PdfSurface::drawPlainText(std::string_view text, int face, DevicePoint origin, double ascent) {
    const int size = std::clamp(font_->pixelHeight, 1, kLargestPixelHeight);
    const bool actualText = turned();
    if (actualText) beginActualText(decodeText(text));
    content_ += "BT\n";
    for (const FontRun& run : fontRuns(text, font_->face, size)) {
        const int fontNumber = run.font == 0 ? face : fallbackFont(run.font, face);
        PdfFont& font = document_.font(fontNumber);
        selectFont(fontNumber, size);
        moveAlongBaseline(origin, run.offsetPixels, ascent);
        content_ += '(';
        for (const char32_t c : run.text) appendCode(content_, font.codeOfCharacter(c));
        content_ += ")Tj\n";
    }
    content_ += "ET\n";
    if (actualText) content_ += "EMC\n";
}

void PdfSurface::layOut(std::string_view text, int face) {
    glyphs_.clear();
    clusters_.clear();
    drawn_.clear();
    const int size = std::clamp(font_->pixelHeight, 1, kLargestPixelHeight);
    const std::vector<FontRun> runs = fontRuns(text, font_->face, size);
    for (size_t r = 0; r < runs.size(); ++r) {
        const int font = runs[r].font == 0 ? face : fallbackFont(runs[r].font, face);
        document_.font(font).layOut(runs[r].text, runs[r].shaped, run_);
        for (const PdfFont::Cluster& cluster : run_.clusters) {
            clusters_.push_back(DrawnCluster{font, uint32_t(r), runs[r].offsetPixels,
                                             uint32_t(glyphs_.size() + cluster.firstGlyph), cluster.glyphCount});
            drawn_.push_back(runs[r].text.substr(cluster.textBegin, cluster.textEnd - cluster.textBegin));
        }
        glyphs_.insert(glyphs_.end(), run_.glyphs.begin(), run_.glyphs.end());
    }
}

// The clusters are drawn in the order that spells the text as written, each
// cluster's glyphs given codes for its part of it. Where no order spells it (the
// drawing lost or changed what the reading cannot account for), they are drawn in
// visual order reading as their own letters, and the text as written goes with them.
void PdfSurface::drawText(std::string_view text, std::u32string_view logical, int face, DevicePoint origin,
                          double ascent) {
    layOut(text, face);
    if (clusters_.empty()) return;
    const std::u32string reading = readingText(logical);
    std::vector<std::u32string> letters;
    letters.reserve(drawn_.size());
    for (const std::u32string& drawn : drawn_) letters.push_back(lettersOfDrawnText(drawn));

    std::vector<uint32_t> order;
    if (needsVisualOrder(logical))
        order = readingOrder(letters, reading);
    else if (concatenated(letters) == reading)
        order = textOrder(letters.size());
    const bool asWritten = !order.empty();
    if (!asWritten) order = textOrder(letters.size());
    bool ownGlyphs = asWritten;
    for (size_t k = 0, at = 0; k < order.size(); ++k) {
        DrawnCluster& cluster = clusters_[order[k]];
        const std::u32string& part = letters[order[k]];
        const std::u32string_view piece = asWritten ? std::u32string_view(reading).substr(at, part.size()) : part;
        at += part.size();
        PdfFont& font = document_.font(cluster.font);
        if (cluster.glyphCount == 1 && piece.size() > 1 && hasRightToLeft(piece) && font.codesHaveOwnWidths()) {
            shareOutLigature(cluster, piece);
            continue;
        }
        const auto glyphs = std::span(glyphs_).subspan(cluster.firstGlyph, cluster.glyphCount);
        ownGlyphs = font.giveCodes(glyphs, piece) && ownGlyphs;
        ownGlyphs = ownGlyphs && std::none_of(glyphs.begin(), glyphs.end(), [](const PlacedGlyph& g) { return g.code == 0; });
    }
    // Right-to-left letters drawn from the right need nothing more: readers that take
    // glyphs by their place on the line find the order for themselves, and reverse a
    // text given as written (poppler does).
    const bool actualText = (!ownGlyphs || turned()) && !hasRightToLeft(logical);
    if (actualText) beginActualText(reading);
    content_ += "BT\n";
    drawClusters(order, origin, ascent);
    content_ += "ET\n";
    drawOutlines(origin, ascent);
    if (actualText) content_ += "EMC\n";
}

// One glyph for several right-to-left letters (lam-alef, the word Allah): readers
// that put the letters in order by their place on the line would read a ligature's
// letters backwards. Each letter gets its own slice of the glyph's width, from the
// right: the glyph itself, drawn on the leftmost slice, stands for the last letter,
// and invisible copies on the slices to its right for the others.
void PdfSurface::shareOutLigature(DrawnCluster& cluster, std::u32string_view letters) {
    const PlacedGlyph ligature = glyphs_[cluster.firstGlyph];
    PdfFont& font = document_.font(cluster.font);
    const int64_t width = font.advance(ligature.glyph);
    const auto count = int64_t(letters.size());
    cluster.firstGlyph = uint32_t(glyphs_.size());
    cluster.glyphCount = uint32_t(count);
    for (int64_t i = 0; i < count; ++i) {
        const auto left = int32_t(width * (count - 1 - i) / count), right = int32_t(width * (count - i) / count);
        PlacedGlyph slice = ligature;
        slice.x = ligature.x + left;
        slice.code = font.codeFor(ligature.glyph, letters.substr(size_t(i), 1), right - left);
        slice.hidden = i + 1 < count;
        glyphs_.push_back(slice);
    }
}

void PdfSurface::selectFont(int font, int size) {
    if (page_.font == font && page_.fontSize == size) return;
    content_ += "/F";
    appendPdfInteger(content_, font);
    content_ += ' ';
    appendPdfInteger(content_, size);
    content_ += " Tf\n";
    page_.font = font;
    page_.fontSize = size;
}

// The first four numbers of a matrix along the font's angle, on a page whose y
// runs down: the baseline (cos, -sin), up the glyphs (-sin, -cos).
void PdfSurface::appendTurnedAxes() {
    appendPdfNumber(content_, cos_);
    content_ += ' ';
    appendPdfNumber(content_, -sin_);
    content_ += ' ';
    appendPdfNumber(content_, -sin_);
    content_ += ' ';
    appendPdfNumber(content_, -cos_);
    content_ += ' ';
}

// The text matrix turns the baseline by the font's angle (counter-clockwise on the
// page, whose y runs down): along the baseline is (cos, -sin), up the glyphs
// (-sin, -cos), in pixels.
void PdfSurface::moveAlongBaseline(DevicePoint origin, double along, double ascent) {
    const double x = origin.x + along * cos_ + ascent * sin_;
    const double y = origin.y - along * sin_ + ascent * cos_;
    if (cos_ == 1.0) {
        content_ += "1 0 0 -1 ";
    } else {
        appendTurnedAxes();
    }
    appendPdfNumber(content_, x);
    content_ += ' ';
    appendPdfNumber(content_, y);
    content_ += " Tm";
}

void PdfSurface::beginActualText(std::u32string_view text) {
    content_ += "/Span<</ActualText<FEFF";
    appendUtf16Hex(content_, text);
    content_ += ">>>BDC\n";
}

// The clusters in the given order; those that follow each other in their run are
// drawn from one text position.
void PdfSurface::drawClusters(std::span<const uint32_t> order, DevicePoint origin, double ascent) {
    outlines_.clear();
    const int size = std::clamp(font_->pixelHeight, 1, kLargestPixelHeight);
    for (size_t k = 0; k < order.size();) {
        size_t end = k + 1;
        while (end < order.size() && order[end] == order[end - 1] + 1 &&
               clusters_[order[end]].run == clusters_[order[k]].run &&
               clusters_[order[end]].firstGlyph ==
                   clusters_[order[end - 1]].firstGlyph + clusters_[order[end - 1]].glyphCount)
            ++end;
        const DrawnCluster& first = clusters_[order[k]];
        const size_t glyphBegin = first.firstGlyph;
        const size_t glyphEnd = clusters_[order[end - 1]].firstGlyph + clusters_[order[end - 1]].glyphCount;
        if (glyphBegin < glyphEnd) drawGlyphs(first, glyphBegin, glyphEnd, order[k], origin, ascent, size);
        k = end;
    }
}

// Glyphs [begin, end) of one run from one text position: each glyph moved from where
// the last one's width leaves off in thousandths of an em, a mark above or below
// raised for itself, a hidden one drawn invisibly. A glyph without a code is left
// for drawOutlines.
void PdfSurface::drawGlyphs(const DrawnCluster& cluster, size_t begin, size_t end, uint32_t clusterIndex,
                            DevicePoint origin, double ascent, int size) {
    PdfFont& font = document_.font(cluster.font);
    selectFont(cluster.font, size);
    const double unitsToPixels = double(size) / font.unitsPerEm();
    int32_t pen = glyphs_[begin].x;
    moveAlongBaseline(origin, cluster.runOffset + pen * unitsToPixels, ascent);
    bool plain = true;  // each glyph where the last one's width leaves off
    for (size_t i = begin; i < end && plain; ++i) {
        const PlacedGlyph& g = glyphs_[i];
        plain = g.x == pen && g.y == 0 && g.code != 0 && !g.hidden;
        if (plain) pen += font.codeAdvance(g.code);
    }
    pen = glyphs_[begin].x;
    content_ += plain ? "(" : "[(";
    bool inString = true, hidden = false;
    auto leaveString = [&] {
        if (inString) content_ += ')';
        inString = false;
    };
    for (size_t i = begin; i < end; ++i) {
        const PlacedGlyph& g = glyphs_[i];
        if (g.code == 0) {
            outlines_.emplace_back(clusterIndex, i);
            continue;
        }
        if (g.hidden != hidden) {
            leaveString();
            content_ += g.hidden ? "]TJ 3 Tr[" : "]TJ 0 Tr[";
            hidden = g.hidden;
        }
        if (g.x != pen) {
            leaveString();
            appendPdfNumber(content_, -(g.x - pen) * 1000.0 / font.unitsPerEm());
            pen = g.x;
        }
        if (g.y != 0) {
            leaveString();
            content_ += "]TJ ";
            appendPdfNumber(content_, g.y * unitsToPixels);
            content_ += " Ts(";
            appendCode(content_, g.code);
            content_ += ")Tj 0 Ts[";
        } else {
            if (!inString) content_ += '(';
            inString = true;
            appendCode(content_, g.code);
        }
        pen += font.codeAdvance(g.code);
    }
    if (inString) content_ += ')';
    content_ += plain ? "Tj\n" : hidden ? "]TJ 0 Tr\n" : "]TJ\n";
}

// Glyphs no code can stand for, filled as their outlines where they are drawn.
void PdfSurface::drawOutlines(DevicePoint origin, double ascent) {
    const int size = std::clamp(font_->pixelHeight, 1, kLargestPixelHeight);
    for (const auto& [clusterIndex, glyphIndex] : outlines_) {
        const DrawnCluster& cluster = clusters_[clusterIndex];
        PdfFont& font = document_.font(cluster.font);
        const double unitsToPixels = double(size) / font.unitsPerEm();
        const PlacedGlyph& g = glyphs_[glyphIndex];
        const double along = cluster.runOffset + g.x * unitsToPixels;
        const double up = g.y * unitsToPixels;
        content_ += "q ";
        appendTurnedAxes();
        appendPdfNumber(content_, origin.x + along * cos_ + ascent * sin_ - up * sin_);
        content_ += ' ';
        appendPdfNumber(content_, origin.y - along * sin_ + ascent * cos_ - up * cos_);
        content_ += " cm\n";
        font.appendOutline(g.glyph, unitsToPixels, content_);
        content_ += "Q\n";
    }
}

}  // namespace tw
