#pragma once
// A Surface that writes each page as SVG text, as the Qt surface would draw it:
// lines, polylines, polygons and ellipses stroked with round ends and joins (width
// 0 is the thinnest line the viewer draws) and filled as the fill says, polygons
// even-odd; text in black, each run of one font (fontRuns) at its offset on the
// face's baseline, one ascent below the text's y, in the family that draws the
// face or the fallback font, at the size in pixels, turned counter-clockwise about
// its top-left corner. Coordinates are device pixels; the viewer lays out each run
// anew, in the fonts the page names.
//
// Consecutive shapes of the same pen and fill share one group, as do consecutive
// texts of one family and size.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "output/font_metrics.h"
#include "output/surface.h"

namespace tw {

// The families that draw the faces (the Qt printer passes the installed ones).
struct SvgFamilies {
    std::string serif = "Liberation Serif";  // "Times" and any face the metric tables do not know
    std::string sans = "Liberation Sans";    // "Arial"
};

class SvgSurface : public Surface {
public:
    explicit SvgSurface(SvgFamilies families = {});

    // Starts a page of width x height device pixels at dpi pixels per inch (its size
    // is given in millimetres), titled title (UTF-8 or Windows-1252).
    void beginPage(int width, int height, int dpi, std::string_view title);
    // The whole SVG document of the page begun last; the surface then holds no page.
    std::string endPage();
    // Forgets the page begun last (taking no memory, so also when memory ran out).
    void dropPage();

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

    // The distance from the top of a face's character cell to its baseline at a
    // size in pixels per em: the face's ascender in 1/64 pixel, as the font engine
    // gives it.
    static double ascentPixels(MetricFace face, int pixelHeight);
    // Appends text to out with &, < and > (and " when quoted) escaped as XML needs;
    // characters XML cannot hold are left out.
    static void appendEscaped(std::string& out, std::u32string_view text, bool quoted);

private:
    enum class Group { None, Shapes, Text };
    void shapeGroup();
    void textGroup(const std::string& family, int pixelHeight);
    void closeGroup();
    void strokeEffect();  // what each element of a thinnest-line group needs
    void number(double value);
    void number(int value);
    void points(std::span<const DevicePoint> points);

    SvgFamilies families_;
    std::string out_;
    bool pageOpen_ = false;
    int dpi_ = 0;
    int penWidth_ = 0;
    Colour penColour_ = 0;
    SurfaceFill fill_;
    std::optional<SurfaceFont> font_;
    DevicePoint current_;
    Group group_ = Group::None;
    // What the open group was made for.
    int groupPenWidth_ = 0;
    Colour groupPenColour_ = 0;
    SurfaceFill groupFill_;
    std::string groupFamily_;
    int groupPixelHeight_ = 0;
};

}  // namespace tw
