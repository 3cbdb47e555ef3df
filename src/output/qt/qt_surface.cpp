#include "output/qt/qt_surface.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <string>

#include "output/font_metrics.h"
#include "paf/codepage.h"

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
    static constexpr std::array<const char*, 3> kSerif{"Liberation Serif", "Times New Roman", "Times"};
    static constexpr std::array<const char*, 2> kSans{"Liberation Sans", "Arial"};
    const std::span<const char* const> candidates =
        metricFaceFor(face) == MetricFace::Arial ? std::span<const char* const>(kSans) : kSerif;
    for (const char* family : candidates)
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) return QString::fromLatin1(family);
    return QString::fromLatin1(candidates.front());  // let the font system substitute
}

QColor QtSurface::toQColor(Colour colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QString QtSurface::fromWindows1252(std::string_view text) {
    const std::string utf8 = windows1252ToUtf8(text);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
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
    qfont_ = QFont(familyFor(face));
    qfont_.setPixelSize(std::clamp(pixelHeight, 1, kLargestPixelHeight));
    // Widths come from the metric tables: no kerning, and no hinting that would round
    // the advances.
    qfont_.setKerning(false);
    qfont_.setHintingPreference(QFont::PreferNoHinting);
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

void QtSurface::text(DevicePoint p, std::string_view text) {
    if (painter_ == nullptr || text.empty()) return;
    const QString string = fromWindows1252(text);
    const qreal ascent = QFontMetricsF(painter_->font(), painter_->device()).ascent();
    const int angle = font_ ? font_->angleTenths : 0;

    painter_->save();
    painter_->setPen(QPen(Qt::black));
    if (angle == 0) {
        painter_->drawText(QPointF(p.x, p.y + ascent), string);
    } else {
        // The angle turns the baseline counter-clockwise; Qt's y runs down the page.
        painter_->translate(p.x, p.y);
        painter_->rotate(-angle / 10.0);
        painter_->drawText(QPointF(0, ascent), string);
    }
    painter_->restore();
}

}  // namespace tw
