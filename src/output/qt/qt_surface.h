#pragma once
// The Surface of every Qt device: the preview widget, a system printer, and the PDF,
// PNG and SVG files. Fonts need a QGuiApplication.
//
// "Times" (and any face the metric tables do not know) draws with the first of
// Liberation Serif, Times New Roman and Times that is installed, "Arial" with
// Liberation Sans or Arial, and the characters those faces lack with the fallback
// font the metric tables name for them (Noto) or the font found for them, at the
// same size, so that text measures as the page log laid it out. Shaped runs are
// drawn as the glyphs the measuring shaper laid out, in the same font file; Qt
// shapes nothing of them again. Text is UTF-8 (Windows-1252 where it is not
// well-formed UTF-8), drawn in black whatever the pen, with its y at the top of the
// character cell.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "output/surface.h"

namespace tw {

struct FontRun;
struct ShapedText;

class QtSurface : public Surface {
public:
    QtSurface() = default;
    explicit QtSurface(QPainter& painter) { begin(painter); }

    // Draws with painter from now on, in the pen, fill and font this surface holds
    // (they outlive a page, also when each page has its own painter).
    void begin(QPainter& painter);
    // Stops drawing; the state is kept for the next begin.
    void end() { painter_ = nullptr; }

    void setPenWidth(int pixels) override;
    void setPenColour(Colour colour) override;
    void setFillColour(Colour colour) override;
    void setFillClear() override;
    void setFont(std::string_view face, int pixelHeight, int angleTenths) override;
    void moveTo(DevicePoint p) override;
    void lineTo(DevicePoint p) override;
    void polygon(std::span<const DevicePoint> points) override;
    void polyline(std::span<const DevicePoint> points) override;
    void ellipse(DevicePoint corner1, DevicePoint corner2) override;
    void text(DevicePoint p, std::string_view text) override;

    std::optional<SurfaceFill> currentFill() const override { return fill_; }
    std::optional<SurfaceFont> currentFont() const override { return font_; }

    // The installed family that draws a face name.
    static QString familyFor(std::string_view face);
    static QColor toQColor(Colour colour);
    // Text as a QString: UTF-8, or Windows-1252 where it is not well-formed UTF-8.
    static QString fromText(std::string_view text);

private:
    void applyPen();
    void applyBrush();
    void applyFont();
    QFont runFont(int font);
    const QRawFont& rawFont(int font);
    bool drawShaped(const FontRun& run, const ShapedText& shaped, qreal ascent);

    QPainter* painter_ = nullptr;
    int penWidth_ = 0;
    Colour penColour_ = 0;
    SurfaceFill fill_;
    std::optional<SurfaceFont> font_;
    // The fonts of one face and size, built when first used: looking a family up
    // in the font system costs more than drawing the text.
    struct FaceFonts {
        QFont font;
        std::vector<std::optional<QFont>> fallbacks;  // by fallback font
        std::vector<std::optional<QRawFont>> rawFonts;  // by run font; invalid: not the family asked for
        int ascentDpi = 0;                            // the resolution ascent was measured at
        qreal ascent = 0;
    };
    std::map<std::pair<std::string, int>, FaceFonts> fonts_;
    FaceFonts* faceFonts_ = nullptr;  // of font_
    QFont qfont_;
    DevicePoint current_;
};

}  // namespace tw
