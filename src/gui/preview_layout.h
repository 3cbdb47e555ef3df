#pragma once
// Where the page preview puts its scroll bars and its Print and Cancel buttons for a
// client area of a given size, and the ranges of the two bars: one function, so the
// window and its tests agree.

namespace tw::gui {

inline constexpr int kPanelHeight = 82;

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

struct Box {
    int left = 0, top = 0, width = 0, height = 0;
};

struct PreviewLayout {
    Box verticalBar;
    Box horizontalBar;
    int panelWidth = 0;
    int cancelLeft = 0;
    int printLeft = 0;
    ScrollRange vertical;
    ScrollRange horizontal;
};

// clientWidth/Height: the window's client area; hbarHeight, vbarWidth: the bars'
// thickness; pageWidth/Height: the page in screen pixels.
inline PreviewLayout previewLayout(int clientWidth, int clientHeight, int hbarHeight, int vbarWidth,
                                   int cancelWidth, int printWidth, int pageWidth, int pageHeight) {
    PreviewLayout l;
    l.horizontalBar = {0, clientHeight - hbarHeight, clientWidth - vbarWidth, hbarHeight};
    l.verticalBar = {clientWidth - vbarWidth, kPanelHeight, vbarWidth, clientHeight - hbarHeight - kPanelHeight};
    l.panelWidth = clientWidth;
    l.cancelLeft = clientWidth - cancelWidth < 608 ? clientWidth - cancelWidth : 608;
    l.printLeft = l.cancelLeft - printWidth < 384 ? l.cancelLeft - printWidth : 384;
    const int shownHeight = clientHeight - hbarHeight - kPanelHeight;
    if (pageHeight <= 0)
        l.vertical = {10, 10, 1, 1};
    else
        l.vertical = {pageHeight, shownHeight, shownHeight, 10};
    const int shownWidth = clientWidth - vbarWidth;
    if (pageWidth <= 50)
        l.horizontal = {10, 10, 1, 1};
    else
        l.horizontal = {pageWidth, shownWidth, shownWidth, 10};
    return l;
}

}  // namespace tw::gui
