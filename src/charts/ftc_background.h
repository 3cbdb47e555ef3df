#pragma once
// The Family Tree Chart's background: the crown of foliage (plain ovals, or a
// detailed one of leaves), the trunk and its foot, the roots with a plate under
// each ancestor's initials, and the plates behind the marriage line and the title.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "output/page_log.h"
#include "output/paper.h"

namespace tw {

// The sheet the chart's sizes were chosen for: letter, upright.
inline const PaperInfo& ftcDrawnFor() { return paperInfo(Paper::Letter); }
// Inches from the sheet's edge that the count columns keep free at least.
inline constexpr double kFtcEdgeRoom = 0.25;

// Draws in fractions of the page: x of its width, y of its height. Sizes drawn in
// points or inches (type, leaves) are those of the letter sheet on any sheet at least
// as large, and on a smaller one as much smaller as the sheet: sizeScale is the
// smaller of its width's and height's ratios to letter's, at most 1. boxScale is the
// height's ratio alone, for the type of the branch boxes, whose lines are fractions
// of the height.
struct FtcPage {
    PageLog& log;
    double W;
    double H;
    double sizeScale;
    double boxScale;

    explicit FtcPage(PageLog& pageLog)
        : log(pageLog),
          W(pageLog.pageWidth()),
          H(pageLog.pageHeight()),
          sizeScale(std::min({1.0, W / ftcDrawnFor().width, H / ftcDrawnFor().height})),
          boxScale(std::min(1.0, H / ftcDrawnFor().height)) {}
    // A type size of the letter sheet on this page, rounded to whole points.
    int32_t points(int32_t size) const {
        return sizeScale >= 1 ? size : std::max(int32_t(1), int32_t(std::lround(size * sizeScale)));
    }
    // How near the chart draws to the sheet's left or right edge: a quarter inch, or
    // the printer's margin when it is wider.
    double edgeRoom(bool right) const {
        return std::max(kFtcEdgeRoom, right ? log.page().marginRight : log.page().marginLeft);
    }
    void pen(double fractionOfWidth) { log.penWidth(fractionOfWidth * W); }
    void colours(uint32_t pen, uint32_t brush) {
        log.penColor(pen);
        log.brushColor(brush);
    }
    void vertex(double x, double y) { log.polygonVertex(x * W, y * H); }
    void rectangle(double x1, double y1, double x2, double y2) { log.rectangle(x1 * W, y1 * H, x2 * W, y2 * H); }
    void ellipse(double x1, double y1, double x2, double y2) { log.ellipse(x1 * W, y1 * H, x2 * W, y2 * H); }
};

// One generation of ancestors in the roots: pedigree slots first..first+count-1,
// written at 0.5 -/+ xOffset from firstY down by yStep.
struct FtcRootRow {
    int32_t firstSlot;
    int32_t count;
    double xOffset;
    double firstY;
    double yStep;
    int32_t fontSize;
};

inline constexpr std::array<FtcRootRow, 4> kFtcRootRows{{
    {2, 2, 0.19, 0.705, 0.16, 14},
    {4, 4, 0.24, 0.67, 0.08, 14},
    {8, 8, 0.3, 0.648, 0.04, 12},
    {16, 16, 0.36, 0.639, 0.02, 10},
}};

// The plates under the initials, per root row, as fractions of the page: width and
// height.
inline constexpr std::array<double, 4> kFtcPlateWidth{0.08, 0.08, 0.07, 0.06};
inline constexpr std::array<double, 4> kFtcPlateHeight{0.018, 0.018, 0.0155, 0.0125};

// An area of the page in fractions of its width (x) and height (y).
struct FtcArea {
    double x1, y1, x2, y2;
};
// The white plates with a black edge: behind the marriage line, and behind the title
// lines under the trunk.
inline constexpr FtcArea kFtcMarriagePlate{0.37, 0.66, 0.63, 0.69};
inline constexpr FtcArea kFtcTitlePlate{0.38, 0.85, 0.62, 0.92};

inline constexpr uint32_t kFtcBark = 0x699DCD;
inline constexpr uint32_t kFtcBarkOutline = 0x1F5981;

// detailed: the crown of leaves; seed: the start of the leaves' random sequence,
// so that one family always gets the same crown.
void drawFtcBackground(FtcPage& page, bool detailed, uint32_t seed);

}  // namespace tw
