#pragma once
// What the Family Tree Chart does for the page preview: picking a branch by its
// name box or its joint with the trunk, dragging it up or down, dropping it where
// it now stays (pinned), the second format, and saving the pinned positions.
// Coordinates are device pixels of the preview, converted with its view.

#include "output/page_render.h"
#include "run/app_context.h"

namespace tw {

// Left button pressed at (x, y): picks the first branch whose name box, else whose
// joint, holds the point. False when nothing was picked (or the chart is not in
// its first format).
bool ftcMousePress(AppContext& ctx, const RenderView& view, int32_t x, int32_t y);

// The mouse moved to y with the left button held: the picked rectangle follows,
// kept between the top and bottom limits. False when nothing is picked.
bool ftcMouseMove(AppContext& ctx, const RenderView& view, int32_t y);

// Left button released: the picked branch takes its new place and is pinned, and
// the chart is drawn again. False when nothing was picked.
bool ftcMouseRelease(AppContext& ctx, const RenderView& view);

// The rectangle to outline while a branch is being dragged (left 0 when none).
DragBox ftcSelection(const FamilyTreeChartState& chart);

// The compact second format in place of the first. Drags do nothing afterwards.
void ftcShowSecondFormat(AppContext& ctx);

// Writes the positions file when branches were moved since the chart was drawn or
// last saved (for Save, and before printing); a file that cannot be written is
// reported with the system's reason.
enum class FtcSaved { Nothing, Saved, Failed };
FtcSaved ftcSavePositions(AppContext& ctx);

}  // namespace tw
