#include "gui/preview_layout.h"

#include <algorithm>

namespace tw::gui {

int ToolGroup::width() const {
    int total = 0;
    for (const int w : widths) total += w;
    if (!widths.empty()) total += kToolbarControlGap * int(widths.size() - 1);
    return total;
}

namespace {

// Moves the right-hand groups at the end of a row so that the last ends at `right`.
void pushRight(ToolbarLayout& layout, const std::vector<ToolGroup>& groups, const std::vector<size_t>& row,
               int right) {
    size_t first = row.size();
    while (first > 0 && groups[row[first - 1]].toRight) --first;
    if (first == row.size()) return;
    const std::vector<Box>& last = layout.groups[row.back()];
    if (last.empty()) return;
    const int shift = right - last.back().right();
    if (shift <= 0) return;
    for (size_t i = first; i < row.size(); ++i)
        for (Box& box : layout.groups[row[i]]) box.left += shift;
}

}  // namespace

ToolbarLayout toolbarLayout(int width, const std::vector<ToolGroup>& groups) {
    ToolbarLayout layout;
    layout.groups.resize(groups.size());
    const int right = width - kToolbarMargin;
    int rows = 0;
    int x = kToolbarMargin;
    std::vector<size_t> row;  // the groups on the row being filled
    for (size_t g = 0; g < groups.size(); ++g) {
        const ToolGroup& group = groups[g];
        if (group.widths.empty()) continue;
        const bool full = x + group.width() > right;
        if (rows == 0 || ((group.beginsLine || full) && !row.empty())) {
            if (!row.empty()) pushRight(layout, groups, row, right);
            row.clear();
            ++rows;
            x = kToolbarMargin;
        }
        const int top = kToolbarTop + (rows - 1) * kToolbarRowHeight;
        for (const int w : group.widths) {
            layout.groups[g].push_back({x, top, w, kToolbarControlHeight});
            x += w + kToolbarControlGap;
        }
        x += kToolbarGroupGap - kToolbarControlGap;
        row.push_back(g);
    }
    if (!row.empty()) pushRight(layout, groups, row, right);
    layout.height = kToolbarTop + (rows - 1) * kToolbarRowHeight + kToolbarControlHeight + kToolbarBottom;
    return layout;
}

int toolbarMinimumWidth(const std::vector<ToolGroup>& groups) {
    int widest = 0;
    for (const ToolGroup& group : groups) widest = std::max(widest, group.width());
    return widest + 2 * kToolbarMargin;
}

PreviewLayout previewLayout(int clientWidth, int clientHeight, int toolbarHeight, int hbarHeight, int vbarWidth,
                            const PageSizeFor& pageSizeFor) {
    PreviewLayout l;
    const int roomHeight = std::max(0, clientHeight - toolbarHeight);
    // A bar once needed stays: the room it takes can only make the other one needed,
    // so three rounds settle it.
    bool vertical = false, horizontal = false;
    int shownWidth = clientWidth, shownHeight = roomHeight;
    for (int round = 0; round < 3; ++round) {
        shownWidth = std::max(0, clientWidth - (vertical ? vbarWidth : 0));
        shownHeight = std::max(0, roomHeight - (horizontal ? hbarHeight : 0));
        const auto [w, h] = pageSizeFor(shownWidth - 2 * kBackdropMargin, shownHeight - 2 * kBackdropMargin);
        l.pageWidth = w;
        l.pageHeight = h;
        const bool needsVertical = vertical || h + 2 * kBackdropMargin > shownHeight;
        const bool needsHorizontal = horizontal || w + 2 * kBackdropMargin > shownWidth;
        if (needsVertical == vertical && needsHorizontal == horizontal) break;
        vertical = needsVertical;
        horizontal = needsHorizontal;
    }
    l.verticalBarShown = vertical;
    l.horizontalBarShown = horizontal;
    l.canvas = {0, toolbarHeight, shownWidth, shownHeight};
    l.verticalBar = {shownWidth, toolbarHeight, vertical ? vbarWidth : 0, shownHeight};
    l.horizontalBar = {0, toolbarHeight + shownHeight, shownWidth, horizontal ? hbarHeight : 0};
    const auto range = [](int page, int shown, bool shownBar) {
        if (!shownBar || page <= 0) return ScrollRange{0, shown, shown, 10};
        return ScrollRange{page + 2 * kBackdropMargin, shown, shown, 10};
    };
    l.vertical = range(l.pageHeight, shownHeight, vertical);
    l.horizontal = range(l.pageWidth, shownWidth, horizontal);
    return l;
}

int nextZoomStep(int shownPercent, bool larger) {
    if (larger) {
        for (const int step : kZoomSteps)
            if (step > shownPercent) return step;
        return kZoomSteps.back();
    }
    for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it)
        if (*it < shownPercent) return *it;
    return kZoomSteps.front();
}

}  // namespace tw::gui
