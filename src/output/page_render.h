#pragma once
// Replays one page of the page log onto a drawing surface: parses the commands,
// converts inches to device pixels (x_device = trunc(scale * x - offsetX)) and
// draws. The preview and every printer use it.

#include <cstdint>
#include <string_view>

#include "output/surface.h"
#include "base/host.h"

namespace tw {

// The box of the Family Tree Chart being dragged in the preview, in device pixels;
// nothing is selected while left is 0.
struct DragBox {
    int left = 0, right = 0;
    int startTop = 0, startBottom = 0;
    int top = 0, bottom = 0;
};

struct RenderView {
    int32_t scale = 96;       // device pixels per inch, both axes
    int32_t offsetX = 0;      // subtracted from every converted coordinate
    int32_t offsetY = 0;
    bool onScreen = false;    // screen: full-size arrow heads and the selection outline
    DragBox selection;
};

// Draws one page. A malformed command (a log this program did not write) ends the
// program through the host with the described internal-error status.
void renderPage(std::string_view pageText, Surface& surface, const RenderView& view, Host& host);

int32_t toDeviceX(double x, const RenderView& view);
int32_t toDeviceY(double y, const RenderView& view);
double fromDeviceY(int32_t py, const RenderView& view);

// The feedback of a box being dragged vertically in the preview.
void drawDragFeedback(Surface& surface, const DragBox& box);

}  // namespace tw
