#pragma once
// A Surface for tests: every call becomes one readable line, for example
//   penWidth 6   penColour 882233   fill 8fd57b   fill clear   font Times 13 0
//   moveTo 96,96   lineTo 144,192   polygon 1,2 3,4 5,6   polyline 1,2 3,4
//   ellipse 1,2 3,4   text 10,20 Totals
// (colours in lower-case hexadecimal, points as x,y). It keeps the fill and font
// it was given, as a real surface does.

#include <optional>
#include <string>
#include <vector>

#include "output/surface.h"

namespace tw::test {

class RecordingSurface : public Surface {
public:
    std::vector<std::string> calls;

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

    // The recorded lines that start with the given word ("text", "lineTo", ...).
    std::vector<std::string> callsOf(std::string_view word) const;

private:
    std::optional<SurfaceFill> fill_;
    std::optional<SurfaceFont> font_;
};

}  // namespace tw::test
