#include "output/svg_surface.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tw {
namespace {

std::string pageOf(const std::function<void(SvgSurface&)>& draw) {
    SvgSurface surface;
    surface.beginPage(1275, 1650, 150, "T");
    draw(surface);
    return surface.endPage();
}

TEST(SvgSurfaceTest, DrawingsBecomeTheElementsTheyShouldBe) {
    const std::vector<DevicePoint> triangle{{10, 20}, {30, 20}, {20, 40}};
    struct Case {
        const char* what;
        std::function<void(SvgSurface&)> draw;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"a line in the pen's colour, red first",
         [](SvgSurface& s) {
             s.setPenColour(0x00332211);
             s.setPenWidth(3);
             s.moveTo({1, 2});
             s.lineTo({5, 6});
         },
         {"<g stroke=\"#112233\" stroke-width=\"3\">", "<line x1=\"1\" y1=\"2\" x2=\"5\" y2=\"6\"/>"}},
        {"width 0 is the thinnest line, on every element",
         [&](SvgSurface& s) {
             s.setPenWidth(0);
             s.polyline(triangle);
             s.ellipse({0, 0}, {4, 4});
         },
         {"stroke-width=\"1\"", "<polyline points=\"10,20 30,20 20,40\" vector-effect=\"non-scaling-stroke\"/>",
          "<ellipse cx=\"2\" cy=\"2\" rx=\"2\" ry=\"2\" vector-effect=\"non-scaling-stroke\"/>"}},
        {"a filled polygon and ellipse; the polyline stays unfilled",
         [&](SvgSurface& s) {
             s.setPenWidth(2);
             s.setFillColour(0x007bd58f);
             s.polygon(triangle);
             s.ellipse({9, 1}, {2, 4});
             s.polyline(triangle);
         },
         {"fill=\"#8fd57b\">\n<polygon points=\"10,20 30,20 20,40\"/>",
          "<ellipse cx=\"5.5\" cy=\"2.5\" rx=\"3.5\" ry=\"1.5\"/>", "<polyline fill=\"none\" points="}},
        {"text hangs from its y on the face's baseline, in the face's family and size",
         [](SvgSurface& s) {
             s.setFont("Times", 100, 0);
             s.text({50, 60}, "Name");
             s.setFont("Arial", 100, 0);
             s.text({50, 200}, "Name");
         },
         {"<g fill=\"#000000\" font-family=\"Liberation Serif\" font-size=\"100\">\n<text x=\"50\" y=\"149.109375\">Name</text>",
          "font-family=\"Liberation Sans\" font-size=\"100\">\n<text x=\"50\" y=\"290.53125\">Name</text>"}},
        {"turned text rotates about its corner; spaces XML would fold are kept",
         [](SvgSurface& s) {
             s.setFont("Times", 20, 900);
             s.text({7, 8}, "married  1613");
         },
         {"transform=\"rotate(-90 7 8)\" xml:space=\"preserve\">married  1613</text>"}},
        {"markup and characters XML cannot hold",
         [](SvgSurface& s) {
             s.setFont("Times", 20, 0);
             s.text({0, 0}, "A & B <c>\x01\"");
         },
         {">A &amp; B &lt;c&gt;\"</text>"}},
        {"characters the face lacks in the fallback family, at their offset",
         [](SvgSurface& s) {
             s.setFont("Times", 40, 0);
             s.text({100, 0}, "Li \xE7\x8E\x8B");
         },
         {"<text x=\"100\" y=\"35.640625\" xml:space=\"preserve\">Li </text>", "font-family=\"Noto Sans CJK SC\">\xE7\x8E\x8B</text>"}},
    };
    for (const Case& c : cases) {
        const std::string svg = pageOf(c.draw);
        for (const std::string& expected : c.expected) EXPECT_NE(svg.find(expected), std::string::npos) << c.what << "\n" << expected << "\n" << svg;
    }
}

TEST(SvgSurfaceTest, PagesAreWholeDocumentsAndStateOutlivesThem) {
    SvgSurface surface({"Serif Family", "Sans Family"});
    surface.beginPage(5100, 6600, 600, "Fran\xE7ois & <Co>");
    surface.setFillColour(0x000000FF);
    surface.setFont("Arial", 50, 0);
    surface.text({0, 0}, "x");
    const std::string first = surface.endPage();
    EXPECT_EQ(first.rfind("<?xml", 0), 0u);
    EXPECT_NE(first.find("width=\"215.9mm\" height=\"279.4mm\" viewBox=\"0 0 5100 6600\""), std::string::npos);
    EXPECT_NE(first.find("<title>François &amp; &lt;Co&gt;</title>"), std::string::npos);
    EXPECT_NE(first.find("font-family=\"Sans Family\""), std::string::npos);
    EXPECT_TRUE(first.ends_with("</g>\n</g>\n</svg>\n"));

    surface.beginPage(100, 100, 600, "T");
    EXPECT_EQ(surface.currentFill(), (SurfaceFill{true, 0x000000FF}));
    EXPECT_EQ(surface.currentFont()->face, "Arial");
    surface.ellipse({0, 0}, {2, 2});
    const std::string second = surface.endPage();
    EXPECT_NE(second.find("fill=\"#ff0000\""), std::string::npos);
    // Every group opened is closed.
    size_t opened = 0, closed = 0;
    for (size_t at = 0; (at = second.find("<g ", at)) != std::string::npos; ++at) ++opened;
    for (size_t at = 0; (at = second.find("</g>", at)) != std::string::npos; ++at) ++closed;
    EXPECT_EQ(opened, closed);
}

}  // namespace
}  // namespace tw
