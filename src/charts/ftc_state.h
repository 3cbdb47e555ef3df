#pragma once
// The Family Tree Chart's state between its run and the page preview: the branches
// as drawn, the format, and the branch being dragged. The application context owns
// one; the chart's run fills it and the preview's handlers work on it.

#include <cstdint>
#include <string>
#include <vector>

#include "charts/ftc_layout.h"
#include "output/page_render.h"
#include "run/app_context.h"

namespace tw {

// A branch picked in the preview: by its name box, or by its joint with the trunk.
enum class FtcPick { Box, Joint };

struct FtcDrag {
    int32_t branch = -1;  // -1: nothing picked
    FtcPick mode = FtcPick::Box;
    int32_t pressY = 0;   // device pixels of the preview
    bool moved = false;   // the mouse moved since the press
    // The picked rectangle: left and right, where it started, where it is dragged to.
    DragBox box;
};

struct FamilyTreeChartState {
    std::vector<FamilyBranch> branches;
    int32_t format = 0;  // 1 or 2: the format last drawn; 0 before the chart ran
    double trunkBottom = 0.05;
    int32_t maxDigits = 1;
    // More children than the chart draws branches for.
    bool branchesCut = false;
    FtcDrag drag;
    // Set by the first drag after the report was chosen: Save and Print then write
    // the positions file.
    bool positionsChanged = false;
    // The positions file of the family last drawn; empty when none is kept.
    std::string positionsPath;
    // The listing of the branches and their grandchildren's counts, as last written.
    std::string listing;
};

// The context's Family Tree Chart state, made on first use.
FamilyTreeChartState& familyTreeChart(AppContext& ctx);

}  // namespace tw
