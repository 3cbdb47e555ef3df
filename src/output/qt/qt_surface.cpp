#include "output/qt/qt_surface.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <string>

#include "output/font_metrics.h"
#include "output/visual_text.h"

namespace tw {

namespace {

// Fonts larger than this are drawn at this size: a damaged size must not make the
// font engine build glyphs of a million pixels.
constexpr int kLargestPixelHeight = 20000;

QPolygon toQPolygon(std::span<const DevicePoint> points) {
    QPolygon polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const DevicePoint& p : points) polygon << QPoint(p.x, p.y);
    return polygon;
}

}  // namespace

QString QtSurface::familyFor(std::string_view face) {
    const std::span<const char* const> candidates = familiesDrawing(face);
    for (const char* family : candidates)
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) return QString::fromLatin1(family);
    return QString::fromLatin1(candidates.front());  // let the font system substitute
}

QColor QtSurface::toQColor(Colour colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QString QtSurface::fromText(std::string_view text) {
    const std::u32string decoded = decodeText(text);
    return QString::fromUcs4(decoded.data(), qsizetype(decoded.size()));
}

// The font of a face or of a fallback font (see fontRuns) at the surface's size.
QFont QtSurface::runFont(int font) {
    if (font <= 0) return qfont_;
    std::vector<std::optional<QFont>>& fallbacks = faceFonts_->fallbacks;
    if (fallbacks.size() < size_t(font)) fallbacks.resize(size_t(font));
    std::optional<QFont>& cached = fallbacks[size_t(font) - 1];
    if (!cached) {
        const std::string_view family = fallbackFamily(font);
        cached = qfont_;
        cached->setFamilies({QString::fromUtf8(family.data(), qsizetype(family.size()))});
    }
    return *cached;
}

// The font file of a run's font at the surface's size, as Qt's font database finds
// it from the same configuration as the shaper; invalid when Qt finds another family.
const QRawFont& QtSurface::rawFont(int font) {
    std::vector<std::optional<QRawFont>>& raws = faceFonts_->rawFonts;
    if (raws.size() <= size_t(font)) raws.resize(size_t(font) + 1);
    std::optional<QRawFont>& cached = raws[size_t(font)];
    if (!cached) {
        const QFont qfont = runFont(font);
        cached = QRawFont::fromFont(qfont);
        if (cached->familyName().compare(qfont.family(), Qt::CaseInsensitive) != 0)
            cached = QRawFont();
    }
    return *cached;
}

// The glyphs of a shaped run where the shaper put them, from the baseline at the
// run's offset; false when the font cannot be had as the shaper had it.
bool QtSurface::drawShaped(const FontRun& run, const ShapedText& shaped, qreal ascent) {
    const QRawFont& raw = rawFont(run.font);
    if (!raw.isValid()) return false;
    const qreal scale = raw.pixelSize() / shaped.unitsPerEm;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(qsizetype(shaped.glyphs.size()));
    positions.reserve(qsizetype(shaped.glyphs.size()));
    for (const ShapedGlyph& g : shaped.glyphs) {
        glyphs << g.glyph;
        positions << QPointF(run.offsetPixels + g.x * scale, ascent - g.y * scale);
    }
    QGlyphRun glyphRun;
    glyphRun.setRawFont(raw);
    glyphRun.setGlyphIndexes(glyphs);
    glyphRun.setPositions(positions);
    painter_->drawGlyphRun(QPointF(0, 0), glyphRun);
    return true;
}

void QtSurface::begin(QPainter& painter) {
    painter_ = &painter;
    applyPen();
    applyBrush();
    if (font_) applyFont();
}

void QtSurface::applyPen() {
    if (painter_ == nullptr) return;
    // Width 0 is Qt's cosmetic pen: the thinnest line the device draws. Wide pens
    // end and join round.
    QPen pen(toQColor(penColour_), std::max(penWidth_, 0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter_->setPen(pen);
}

void QtSurface::applyBrush() {
    if (painter_ == nullptr) return;
    painter_->setBrush(fill_.solid ? QBrush(toQColor(fill_.colour)) : QBrush(Qt::NoBrush));
}

void QtSurface::applyFont() {
    if (painter_ != nullptr) painter_->setFont(qfont_);
}

void QtSurface::setPenWidth(int pixels) {
    penWidth_ = pixels;
    applyPen();
}

void QtSurface::setPenColour(Colour colour) {
    penColour_ = colour;
    applyPen();
}

void QtSurface::setFillColour(Colour colour) {
    fill_ = SurfaceFill{true, colour};
    applyBrush();
}

void QtSurface::setFillClear() {
    fill_ = SurfaceFill{false, 0};
    applyBrush();
}

void QtSurface::setFont(std::string_view face, int pixelHeight, int angleTenths) {
    font_ = SurfaceFont{std::string(face), pixelHeight, angleTenths};
    const int size = std::clamp(pixelHeight, 1, kLargestPixelHeight);
    auto [entry, added] = fonts_.try_emplace({std::string(face), size});
    if (added) {
        QFont& font = entry->second.font;
        font = QFont(familyFor(face));
        font.setPixelSize(size);
        // Widths come from the metric tables: no kerning, and no hinting that would
        // round the advances.
        font.setKerning(false);
        font.setHintingPreference(QFont::PreferNoHinting);
    }
    faceFonts_ = &entry->second;
    qfont_ = faceFonts_->font;
    applyFont();
}

void QtSurface::moveTo(DevicePoint p) { current_ = p; }

void QtSurface::lineTo(DevicePoint p) {
    if (painter_ != nullptr) painter_->drawLine(QPoint(current_.x, current_.y), QPoint(p.x, p.y));
    current_ = p;
}

void QtSurface::polygon(std::span<const DevicePoint> points) {
    if (painter_ != nullptr && !points.empty()) painter_->drawPolygon(toQPolygon(points));
}

void QtSurface::polyline(std::span<const DevicePoint> points) {
    if (painter_ != nullptr && !points.empty()) painter_->drawPolyline(toQPolygon(points));
}

void QtSurface::ellipse(DevicePoint corner1, DevicePoint corner2) {
    if (painter_ == nullptr) return;
    painter_->drawEllipse(QRectF(corner1.x, corner1.y, corner2.x - corner1.x, corner2.y - corner1.y).normalized());
}

// The text is drawn as it was measured: in visual order with Arabic letters joined
// (so Qt must neither reorder nor reshape it: a run holds no more than one
// right-to-left letter, and the presentation forms join no further), each run of
// one font starting where the metric tables put it, on the face's baseline; shaped
// runs as the glyphs they were measured in.
void QtSurface::text(DevicePoint p, std::string_view text) {
    if (painter_ == nullptr || text.empty()) return;
    // Before any font is set, text is Times in the size the painter has.
    if (!font_) setFont("Times", QFontInfo(painter_->font()).pixelSize(), 0);
    const std::vector<FontRun> runs = fontRuns(text, font_->face, std::clamp(font_->pixelHeight, 1, kLargestPixelHeight));
    QPaintDevice* device = painter_->device();
    if (faceFonts_->ascentDpi != device->logicalDpiY()) {
        faceFonts_->ascentDpi = device->logicalDpiY();
        faceFonts_->ascent = QFontMetricsF(qfont_, device).ascent();
    }
    const qreal ascent = faceFonts_->ascent;

    painter_->save();
    painter_->setPen(QPen(Qt::black));
    // The angle turns the baseline counter-clockwise; Qt's y runs down the page.
    painter_->translate(p.x, p.y);
    if (font_->angleTenths != 0) painter_->rotate(-font_->angleTenths / 10.0);
    for (const FontRun& run : runs) {
        if (const auto shaped = shapedRun(run, font_->face); shaped && drawShaped(run, *shaped, ascent)) continue;
        painter_->setFont(runFont(run.font));
        painter_->drawText(QPointF(run.offsetPixels, ascent), QString::fromUcs4(run.text.data(), qsizetype(run.text.size())));
    }
    painter_->restore();
}

}  // namespace tw
