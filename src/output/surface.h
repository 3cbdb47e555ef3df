#pragma once
// A drawing surface in device pixels: the preview window, a printer page, a PDF,
// PNG or SVG page, or a recording surface in tests. The page renderer is its only
// caller; it converts inches to pixels and keeps track of fonts itself.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tw {

struct DevicePoint {
    int x = 0;
    int y = 0;
    bool operator==(const DevicePoint&) const = default;
};

// Colours are Windows colour values: 0x00BBGGRR.
using Colour = uint32_t;

struct SurfaceFill {
    bool solid = false;  // false: clear (shapes are outlined only)
    Colour colour = 0;
    bool operator==(const SurfaceFill&) const = default;
};

struct SurfaceFont {
    std::string face;
    int pixelHeight = 0;
    int angleTenths = 0;
    bool operator==(const SurfaceFont&) const = default;
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual void setPenWidth(int pixels) = 0;  // 0 draws the thinnest line
    virtual void setPenColour(Colour colour) = 0;
    virtual void setFillColour(Colour colour) = 0;  // and makes the fill solid
    virtual void setFillClear() = 0;
    // The font of later text: face ("Times", "Arial", ...), character height in pixels
    // (the em height), and the angle of the text's baseline in tenths of a degree,
    // counter-clockwise.
    virtual void setFont(std::string_view face, int pixelHeight, int angleTenths) = 0;

    virtual void moveTo(DevicePoint p) = 0;
    virtual void lineTo(DevicePoint p) = 0;
    virtual void polygon(std::span<const DevicePoint> points) = 0;   // closed, outlined and filled
    virtual void polyline(std::span<const DevicePoint> points) = 0;  // open, outlined only
    virtual void ellipse(DevicePoint corner1, DevicePoint corner2) = 0;  // outlined and filled
    // Text (UTF-8; Windows-1252 where it is not well-formed UTF-8) whose top-left
    // corner, before rotation, is at p.
    virtual void text(DevicePoint p, std::string_view text) = 0;

    // Pen, fill and font outlive a page: the next page drawn on the same surface
    // starts with them. Surfaces that keep them report them here, so the renderer
    // can restore the fill after an arrow head and measure text drawn before a page
    // sets its own font. A surface that cannot tell returns nothing.
    virtual std::optional<SurfaceFill> currentFill() const { return std::nullopt; }
    virtual std::optional<SurfaceFont> currentFont() const { return std::nullopt; }
};

}  // namespace tw
