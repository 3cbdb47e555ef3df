#include "output/page_render.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "output/font_metrics.h"
#include "support/recording_host.h"
#include "support/recording_surface.h"
#include "support/page_lines.h"

namespace tw {
namespace {

using test::RecordingHost;
using test::RecordingSurface;
using Calls = std::vector<std::string>;

using test::page;

RenderView printerView(int scale = 600, int offsetX = 0, int offsetY = 0) {
    RenderView view;
    view.scale = scale;
    view.offsetX = offsetX;
    view.offsetY = offsetY;
    view.onScreen = false;
    return view;
}

RenderView screenView(int scale = 96, int offsetX = 0, int offsetY = 0) {
    RenderView view = printerView(scale, offsetX, offsetY);
    view.onScreen = true;
    return view;
}

Calls render(const std::string& text, const RenderView& view) {
    RecordingHost host;
    RecordingSurface surface;
    renderPage(text, surface, view, host);
    return surface.calls;
}

TEST(PageRenderTest, ConvertsInchesWithOneScaleAndTruncatesTowardZero) {
    EXPECT_EQ(render(page({"L,1.5,2.0000"}), screenView()), Calls{"lineTo 144,192"});
    // The preview scrolled to the top shows the page 82 pixels down.
    EXPECT_EQ(render(page({"L,1.5,2.0000"}), screenView(96, 0, -82)), Calls{"lineTo 144,274"});
    EXPECT_EQ(render(page({"M,1.5,2.0000"}), printerView(600, 50, 40)), Calls{"moveTo 850,1160"});
    // 0.0104 x 96 = 0.9984 and -0.9984: truncation, not rounding or flooring.
    EXPECT_EQ(render(page({"L,.0104,-.0104"}), screenView()), Calls{"lineTo 0,0"});
    // 7.07 is stored a little above 7.07, so 7.07 x 600 - 10 stays 4232.
    EXPECT_EQ(render(page({"M,7.07,.5"}), printerView(600, 10, 0)), Calls{"moveTo 4232,300"});

    const RenderView view = screenView(96, 5, -82);
    EXPECT_EQ(toDeviceX(1.5, view), 139);
    EXPECT_EQ(toDeviceY(2.0, view), 274);
    EXPECT_DOUBLE_EQ(fromDeviceY(274, view), 2.0);
}

TEST(PageRenderTest, PenWidthsAndColours) {
    // 0.01 inch: 0 pixels (the thinnest line) on the screen, 6 on the printer.
    EXPECT_EQ(render(page({"PW,.01"}), screenView()), Calls{"penWidth 0"});
    EXPECT_EQ(render(page({"PW,.01"}), printerView()), Calls{"penWidth 6"});
    EXPECT_EQ(render(page({"PC,882233", "BC,ff0000"}), printerView()),
              (Calls{"penColour 882233", "fill ff0000"}));
}

TEST(PageRenderTest, ShapesAndPolygons) {
    EXPECT_EQ(render(page({"DR,1.,2.,3.,4.000000", "DE,1.,2.,3.,4.000000"}), screenView()),
              (Calls{"polygon 96,192 288,192 288,384 96,384", "ellipse 96,192 288,384"}));

    // Vertices collect until PG; an empty list draws nothing; beyond 10 they are dropped.
    const std::string text = page({"PV,1.,1.", "PV,2.,1.", "PV,2.,2.", "PG", "PG"});
    EXPECT_EQ(render(text, screenView()), Calls{"polygon 96,96 192,96 192,192"});
    std::string many;
    for (int i = 1; i <= 12; ++i) many += page({"PV," + std::to_string(i) + ".,0.000000"});
    many += page({"PG", "PV,1.,1.", "PG"});
    EXPECT_EQ(render(many, screenView()),
              (Calls{"polygon 96,0 192,0 288,0 384,0 480,0 576,0 672,0 768,0 864,0 960,0", "polygon 96,96"}));
}

TEST(PageRenderTest, FontsAreBuiltFromFaceAndSizeAtEveryFontCommand) {
    // Character height = size x scale / 72, rounded: 10 points at 96 is 13.3, 11 points 14.7.
    EXPECT_EQ(render(page({"FN,Arial", "FS,10", "FS,11", "FN,Times"}), screenView()),
              (Calls{"font Arial 13 0", "font Arial 13 0", "font Arial 15 0", "font Times 15 0"}));
    EXPECT_EQ(render(page({"FS,12", "FN,Arial"}), printerView()), (Calls{"font Times 100 0", "font Arial 100 0"}));

    // A face runs to the next command and keeps at most 99 characters.
    const std::string longFace(150, 'x');
    const Calls calls = render(page({"FN," + longFace, "FS,9"}), screenView());
    EXPECT_EQ(calls.back(), "font " + std::string(99, 'x') + " 12 0");
}

TEST(PageRenderTest, TextIsPlacedByItsMeasuredWidthWithoutBackground) {
    const int wide = textWidthForPixelHeight("Totals", "Times", 100);
    ASSERT_GT(wide, 0);
    const RenderView view = printerView(600, 10, 20);
    const Calls calls = render(page({"FN,Times", "FS,12", "TO,1.65,2.2,Totals", "TOR,7.07,2.2,Totals",
                                     "TOC,4.,2.2,Totals"}),
                               view);
    // 1.65 is stored a little below 1.65: 1.65 x 600 - 10 is just under 980.
    EXPECT_EQ(calls, (Calls{"font Times 83 0", "font Times 100 0", "fill clear", "text 979,1300 Totals", "fill clear",
                            "text " + std::to_string(4232 - wide) + ",1300 Totals", "fill clear",
                            "text " + std::to_string(2390 - wide / 2) + ",1300 Totals"}));

    // An empty text clears the fill and draws nothing.
    EXPECT_EQ(render(page({"TO,1.,1.,", "TOR,1.,1.,"}), printerView()), (Calls{"fill clear", "fill clear"}));

    // The text runs to the next command and may hold commas.
    EXPECT_EQ(render(page({"TO,1.,1.,Smith, John", "L,1.,1.0000"}), screenView()),
              (Calls{"fill clear", "text 96,96 Smith, John", "lineTo 96,96"}));
}

TEST(PageRenderTest, FillStaysClearAfterTextUntilTheNextBrushColour) {
    RecordingHost host;
    RecordingSurface surface;
    renderPage(page({"BC,ff0000", "TO,1.,1.,A", "DR,1.,1.,2.,2.000000"}), surface, screenView(), host);
    EXPECT_EQ(surface.calls, (Calls{"fill ff0000", "fill clear", "text 96,96 A", "polygon 96,96 192,96 192,192 96,192"}));
    // The clear fill carries over to the next page drawn on the same surface.
    EXPECT_EQ(surface.currentFill(), (SurfaceFill{false, 0}));
    renderPage(page({"DR,1.,1.,2.,2.000000", "BC,c0c0c0", "DR,1.,1.,2.,2.000000"}), surface, screenView(), host);
    EXPECT_EQ(surface.callsOf("fill"), (Calls{"fill ff0000", "fill clear", "fill c0c0c0"}));
    EXPECT_EQ(surface.currentFill(), (SurfaceFill{true, 0xc0c0c0}));
}

TEST(PageRenderTest, ArrowHeadsFollowThePenWidth) {
    const std::string right = page({"BC,ffff", "AHL1.0000,1.0000,3.0000,1.0000,0.0200"});
    // Printer at 600: p = 12, a = 6; the shaft stops 60 pixels short and the head is 36 high.
    EXPECT_EQ(render(right, printerView()),
              (Calls{"fill ffff", "penWidth 12", "moveTo 600,600", "lineTo 1740,600", "fill 0",
                     "polygon 1740,582 1740,618 1800,600", "fill ffff"}));
    // Screen at 96: p = a = 1; the shaft stops 10 pixels short.
    EXPECT_EQ(render(right, screenView()),
              (Calls{"fill ffff", "penWidth 1", "moveTo 96,96", "lineTo 278,96", "fill 0",
                     "polygon 278,93 278,99 288,96", "fill ffff"}));

    // Upwards and leftwards arrows, and an arrow on neither axis drawn as a horizontal
    // one with the tip where it was asked for; a clear fill comes back as clear.
    EXPECT_EQ(render(page({"TO,0.,0.,", "AHL1.0000,3.0000,1.0000,1.0000,0.0200"}), printerView()),
              (Calls{"fill clear", "penWidth 12", "moveTo 600,1800", "lineTo 600,660", "fill 0",
                     "polygon 582,660 618,660 600,600", "fill clear"}));
    EXPECT_EQ(render(page({"AHL3.0000,1.0000,1.0000,1.0000,0.0200"}), printerView())[2], "lineTo 660,600");
    const Calls slanted = render(page({"AHL1.0000,1.0000,3.0000,2.0000,0.0200"}), printerView());
    EXPECT_EQ(slanted[2], "lineTo 1740,600");
    EXPECT_EQ(slanted[4], "polygon 1740,582 1740,618 1800,1200");
}

TEST(PageRenderTest, AngledTextMakesAFontThatLaterTextKeeps) {
    const RenderView view = printerView();
    const int wide = textWidthForPixelHeight("Name", "Arial", 100);
    ASSERT_GT(wide, 0);
    const Calls calls = render(page({"FN,Times", "FS,10", "TOA,1.0000,2.0000,900,Arial,12,Name",
                                     "TOR,3.,2.,Name", "FS,10"}),
                               view);
    EXPECT_EQ(calls, (Calls{"font Times 83 0", "font Times 83 0", "font Arial 100 900", "fill clear",
                            "text 600,1200 Name", "fill clear", "text " + std::to_string(1800 - wide) + ",1200 Name",
                            "font Times 83 0"}));

    // Centred: back by half the width along the baseline and up by two thirds of the
    // character height (12 x 600 / 108 = 66.7 pixels).
    EXPECT_EQ(render(page({"TOD,1.0000,2.0000,0,Arial,12,Name"}), view).back(),
              "text " + std::to_string(600 - (wide + 1) / 2) + ",1133 Name");
    // Turned a quarter: the baseline runs up the page, so the text moves down by half
    // its width and left by the two thirds.
    EXPECT_EQ(render(page({"TOD,1.0000,2.0000,900,Arial,12,Name"}), view).back(),
              "text 533," + std::to_string(1200 + wide / 2) + " Name");
}

TEST(PageRenderTest, PlaybackStopsAtTheEndOfThePageAndSkipsUnknownCommands) {
    EXPECT_TRUE(render("", screenView()).empty());
    EXPECT_EQ(render(page({"L,1.,1.0000", "NP", "L,2.,2.0000"}), screenView()), Calls{"lineTo 96,96"});
    EXPECT_EQ(render(page({"Zebra", "FX,1", "TOX,1", "L,1.,1.0000"}), screenView()), Calls{"lineTo 96,96"});
    // Bytes before the first command and after a command's last field are ignored.
    EXPECT_EQ(render("junk" + page({"L,1.,1.0000 junk"}), screenView()), Calls{"lineTo 96,96"});

    // The selection outline of a dragged box: on the screen only, at the page's end.
    RenderView screen = screenView();
    screen.selection = DragBox{10, 50, 100, 120, 110, 130};
    const Calls outline{"penColour 882233", "penWidth 3", "polyline 10,110 50,110 50,130 10,130 10,110"};
    EXPECT_EQ(render(page({"ED"}), screen), outline);
    RenderView printer = printerView();
    printer.selection = screen.selection;
    EXPECT_TRUE(render(page({"ED"}), printer).empty());
    screen.selection.left = 0;
    EXPECT_TRUE(render(page({"ED"}), screen).empty());
}

TEST(PageRenderTest, DragFeedbackFillsTheBandBetweenOldAndNewPlace) {
    const Calls start{"penColour 8fd57b", "fill 8fd57b", "penWidth 3"};
    RecordingSurface up;
    drawDragFeedback(up, DragBox{10, 50, 200, 260, 100, 160});
    EXPECT_EQ(up.calls, (Calls{start[0], start[1], start[2], "polygon 10,160 50,160 50,260 10,260", "penColour 882233",
                               "polyline 10,100 50,100 50,160 10,160 10,100"}));
    RecordingSurface down;
    drawDragFeedback(down, DragBox{10, 50, 100, 160, 200, 260});
    EXPECT_EQ(down.calls[3], "polygon 10,200 50,200 50,100 10,100");
    RecordingSurface none;
    drawDragFeedback(none, DragBox{0, 50, 100, 160, 200, 260});
    EXPECT_TRUE(none.calls.empty());
}

TEST(PageRenderTest, MalformedCommandsAreFatalStops) {
    const RenderView view = printerView();
    RecordingHost host;
    RecordingSurface surface;
    const auto expectStop = [&](const std::string& text, int status, std::string_view words) {
        const auto stop = test::fatalStopOf([&] { renderPage(text, surface, view, host); });
        ASSERT_TRUE(stop) << text;
        EXPECT_EQ(stop->status, status) << text;
        EXPECT_NE(stop->text.find(words), std::string::npos) << stop->text;
    };
    for (std::string_view bad : {"BX", "BC", "FS10", "FN", "N", "E", "AH", "PX", "PW", "DX,1", "DE,1.,2.,3.",
                                 "L,abc,1", "M", "TOC1,1,x", "Tx", "PV,1.;2."}) {
        SCOPED_TRACE(bad);
        expectStop(page({bad}), kExitPageLogError, "malformed page command");
    }
    expectStop(page({"TO,1.5;2.,x"}), 9, "comma after x");
    expectStop(page({"TO,;2.,x"}), 9, "comma after x");
    expectStop(page({"TOR,1.5,2.;x"}), 10, "comma before the text");
    expectStop(page({"TOA,1.5,2.,900;Arial,12,x"}), 10, "comma before the text");
    expectStop(page({"TOD,1.5,2.,900,Arial", "NP"}), 10, "comma before the text");
}

TEST(PageRenderTest, DamagedPagesEndCleanlyAtAnyCut) {
    // Every prefix of a page, and the page with each byte replaced, either draws or
    // stops with an internal error; nothing reads past the text (the sanitizer build
    // checks that).
    const std::string good = page({"PW,.01", "FN,Times", "FS,10", "BC,ff", "DR,1.,2.,3.,4.000000", "PV,1.,1.",
                                   "PG", "TOA,1.0000,2.0000,900,Arial,12,N", "TOD,1.0000,2.0000,450,Times,9,D",
                                   "AHL1.0000,1.0000,3.0000,2.0000,0.0200", "TOC,4.,2.2,T", "ED"});
    std::vector<std::string> damaged;
    for (size_t cut = 0; cut <= good.size(); ++cut) damaged.push_back(good.substr(0, cut));
    for (size_t at = 0; at < good.size(); ++at) {
        for (char c : {'\0', '\x02', ',', '9', 'e', '-', '\xff'}) {
            std::string text = good;
            text[at] = c;
            damaged.push_back(text);
        }
    }
    RecordingHost host;
    int drawn = 0;
    int stopped = 0;
    for (const std::string& text : damaged) {
        RecordingSurface surface;
        try {
            renderPage(text, surface, screenView(), host);
            renderPage(text, surface, printerView(), host);
            ++drawn;
        } catch (const FatalStop& stop) {
            EXPECT_TRUE(stop.text.starts_with("Internal error: ")) << stop.text;
            ++stopped;
        }
    }
    // The damage reached both outcomes.
    EXPECT_GT(drawn, 100);
    EXPECT_GT(stopped, 100);
}

}  // namespace
}  // namespace tw
