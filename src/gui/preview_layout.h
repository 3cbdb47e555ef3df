#pragma once
// Where the page preview puts its toolbar's controls for a window of a given width,
// which scroll bars it shows and their ranges: plain functions, so the window and its
// tests agree.

#include <functional>
#include <utility>
#include <vector>

namespace tw::gui {

// The toolbar's rows: controls 28 pixels high, a row every 38 pixels, 8 above the
// first and below the last, so two rows make the 82-pixel panel the window was
// designed with.
inline constexpr int kToolbarControlHeight = 28;
inline constexpr int kToolbarRowHeight = 38;
inline constexpr int kToolbarTop = 8;
inline constexpr int kToolbarBottom = 8;
inline constexpr int kToolbarMargin = 16;      // left and right of the rows
inline constexpr int kToolbarGroupGap = 12;    // between two groups on a row
inline constexpr int kToolbarControlGap = 4;   // between two controls of a group
// The grey backdrop shown around the page, so that its edges show.
inline constexpr int kBackdropMargin = 12;

struct Box {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

// Controls kept together on one row, left to right. A group that begins a line starts
// a new row; a group to the right is pushed, with the right-hand groups after it, to
// the row's right end. A group too wide for what is left of its row moves to the next.
struct ToolGroup {
    std::vector<int> widths;
    bool beginsLine = false;
    bool toRight = false;
    int width() const;
};

struct ToolbarLayout {
    // The controls' places, group by group, in the order given; top is the row's top.
    std::vector<std::vector<Box>> groups;
    int height = 0;
};

ToolbarLayout toolbarLayout(int width, const std::vector<ToolGroup>& groups);
// The narrowest window in which no group is cut: the widest group and the margins.
int toolbarMinimumWidth(const std::vector<ToolGroup>& groups);

// A scroll bar as the user sees it: the whole length it stands for, the part shown
// at once (the thumb), and the steps of a click on the arrows and on the trough.
struct ScrollRange {
    int maximum = 0;
    int pageSize = 0;
    int largeStep = 0;
    int smallStep = 0;
    // The largest position: the bar's top (or left) then shows the last page size.
    int lastPosition() const { return maximum > pageSize ? maximum - pageSize : 0; }
};

// The page's size in pixels for the room it is shown in (the zoom decides).
using PageSizeFor = std::function<std::pair<int, int>(int shownWidth, int shownHeight)>;

struct PreviewLayout {
    Box canvas;  // where the page and its backdrop are drawn
    bool verticalBarShown = false;
    bool horizontalBarShown = false;
    Box verticalBar;
    Box horizontalBar;
    int pageWidth = 0;
    int pageHeight = 0;
    ScrollRange vertical;
    ScrollRange horizontal;
};

// clientWidth/Height: the window's client area; toolbarHeight: the panel above the
// page; hbarHeight, vbarWidth: the bars' thickness. A bar is shown only where the page
// with its backdrop margins does not fit beside it.
PreviewLayout previewLayout(int clientWidth, int clientHeight, int toolbarHeight, int hbarHeight, int vbarWidth,
                            const PageSizeFor& pageSizeFor);

// The preview's zoom steps in percent, for Ctrl+wheel and Ctrl+plus/minus.
inline const std::vector<int> kZoomSteps = {25, 50, 75, 100, 125, 150, 200, 300, 400};
// The next step above (or below) a zoom now shown, which may lie between steps.
int nextZoomStep(int shownPercent, bool larger);

}  // namespace tw::gui
