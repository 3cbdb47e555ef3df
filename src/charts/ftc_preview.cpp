#include "charts/ftc_preview.h"

#include <algorithm>
#include <string>

#include "base/translation.h"
#include "charts/ftc_draw.h"
#include "charts/ftc_positions.h"

namespace tw {

namespace {

// The joint's rectangle around the anchor.
constexpr double kJointAbove = 0.018;
constexpr double kJointBelow = 0.028;
// The trunk's half width at its widest, its foot (fraction of the page width): the
// band shown while a joint is dragged starts beside it, so the trunk stays whole.
constexpr double kTrunkHalfWidth = 0.032;

struct Rect {
    int32_t left, right, top, bottom;
    bool holds(int32_t x, int32_t y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

Rect ordered(int32_t x1, int32_t x2, int32_t top, int32_t bottom) {
    return {std::min(x1, x2), std::max(x1, x2), top, bottom};
}

Rect nameBox(const FamilyBranch& branch, const PageLog& log, const RenderView& view) {
    const double left = branch.rhs == 0 ? 0.3 : 0.6;
    const double W = log.pageWidth(), H = log.pageHeight();
    return ordered(toDeviceX(left * W, view), toDeviceX((left + 0.1) * W, view), toDeviceY(branch.t * H, view),
                   toDeviceY(branch.b * H, view));
}

Rect joint(const FamilyBranch& branch, const PageLog& log, const RenderView& view) {
    const double s = 2 * branch.rhs - 1;
    const double W = log.pageWidth(), H = log.pageHeight();
    return ordered(toDeviceX(0.5 * W, view), toDeviceX((0.5 + 0.075 * s) * W, view),
                   toDeviceY((branch.a - kJointAbove) * H, view), toDeviceY((branch.a + kJointBelow) * H, view));
}

void pick(FtcDrag& drag, int32_t index, FtcPick mode, const Rect& rect, int32_t y) {
    drag.branch = index;
    drag.mode = mode;
    drag.pressY = y;
    drag.moved = false;
    // Nothing counts as selected while left is 0.
    drag.box.left = rect.left == 0 ? 1 : rect.left;
    drag.box.right = rect.right;
    drag.box.startTop = drag.box.top = rect.top;
    drag.box.startBottom = drag.box.bottom = rect.bottom;
}

// Finishes the redrawn page as the run did and keeps it as the stored page, so that
// paging and printing show the chart as it is now.
void finishPage(PageLog& log) {
    log.brushColor(0);
    log.penColor(0);
    std::string text = log.currentText();
    text += kCommandMark;
    text += "ED";
    log.setCurrentText(text);
    log.pagelogs(log.lastPageIndex(), text);
}

}  // namespace

bool ftcMousePress(AppContext& ctx, const RenderView& view, int32_t x, int32_t y) {
    FamilyTreeChartState& chart = familyTreeChart(ctx);
    chart.drag = {};
    if (chart.format != 1) return false;
    for (const FamilyBranch& branch : chart.branches) {
        const Rect box = nameBox(branch, ctx.pageLog, view);
        if (box.holds(x, y)) {
            pick(chart.drag, branch.i, FtcPick::Box, box, y);
            return true;
        }
    }
    for (const FamilyBranch& branch : chart.branches) {
        const Rect rect = joint(branch, ctx.pageLog, view);
        if (rect.holds(x, y)) {
            Rect shown = rect;
            const double side = 2 * branch.rhs - 1;
            const int32_t trunkEdge = toDeviceX((0.5 + kTrunkHalfWidth * side) * ctx.pageLog.pageWidth(), view);
            (branch.rhs == 1 ? shown.left : shown.right) = trunkEdge;
            pick(chart.drag, branch.i, FtcPick::Joint, shown, y);
            return true;
        }
    }
    return false;
}

bool ftcMouseMove(AppContext& ctx, const RenderView& view, int32_t y) {
    FamilyTreeChartState& chart = familyTreeChart(ctx);
    FtcDrag& drag = chart.drag;
    if (chart.format != 1 || drag.branch < 0) return false;
    const int32_t highest = toDeviceY(kFtcBoxTopLimit * ctx.pageLog.pageHeight(), view);
    const int32_t lowest = toDeviceY(kFtcBoxBottomLimit * ctx.pageLog.pageHeight(), view);
    const int32_t height = drag.box.startBottom - drag.box.startTop;
    drag.box.top = drag.box.startTop + (y - drag.pressY);
    if (drag.box.top < highest) drag.box.top = highest;
    if (drag.box.top + height > lowest) drag.box.top = lowest - height;
    drag.box.bottom = drag.box.top + height;
    drag.moved = true;
    return true;
}

bool ftcMouseRelease(AppContext& ctx, const RenderView& view) {
    FamilyTreeChartState& chart = familyTreeChart(ctx);
    const FtcDrag drag = chart.drag;
    chart.drag = {};
    if (chart.format != 1 || drag.branch < 0 || size_t(drag.branch) >= chart.branches.size()) return false;
    FamilyBranch& branch = chart.branches[size_t(drag.branch)];
    const double H = ctx.pageLog.pageHeight();
    if (drag.moved && H > 0) {
        const double top = fromDeviceY(drag.box.top, view) / H;
        if (drag.mode == FtcPick::Box) {
            branch.t = top;
            branch.b = fromDeviceY(drag.box.bottom, view) / H;
            branch.a = (branch.t + branch.b) / 2;
        } else {
            branch.a = top + kJointAbove;
        }
    }
    branch.pinned = true;
    ctx.pageLog.restoreSnapshot();
    drawFtcFirstFormat(ctx.pageLog, chart);
    finishPage(ctx.pageLog);
    return true;
}

DragBox ftcSelection(const FamilyTreeChartState& chart) {
    return chart.drag.branch >= 0 ? chart.drag.box : DragBox{};
}

void ftcShowSecondFormat(AppContext& ctx) {
    FamilyTreeChartState& chart = familyTreeChart(ctx);
    chart.drag = {};
    ctx.pageLog.restoreSnapshot();
    for (FamilyBranch& branch : chart.branches) buildDepthTotals(branch);
    drawFtcSecondFormat(ctx.pageLog, chart);
    finishPage(ctx.pageLog);
}

FtcSaved ftcSavePositions(AppContext& ctx) {
    FamilyTreeChartState& chart = familyTreeChart(ctx);
    // The second format places every branch afresh; its places are not the user's.
    if (!chart.positionsChanged || chart.format != 1) return FtcSaved::Nothing;
    if (chart.positionsPath.empty()) return FtcSaved::Nothing;
    if (writeFtcPositionsFile(ctx.host, chart.branches, chart.positionsPath)) {
        chart.positionsChanged = false;
        return FtcSaved::Saved;
    }
    const std::string reason = ctx.host.writeFailure();
    ctx.host.message(reason.empty() ? fillIn(TW_TR("Messages", "The branch positions could not be saved in\n%1"),
                                             {chart.positionsPath})
                                    : fillIn(TW_TR("Messages", "The branch positions could not be saved in\n%1:\n%2"),
                                             {chart.positionsPath, reason}),
                     TW_TR("Messages", "Whoops!"));
    return FtcSaved::Failed;
}

}  // namespace tw
