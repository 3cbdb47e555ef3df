#include "charts/ftc_background.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace tw {

namespace {

constexpr uint32_t kFoliage = 0x8FD57B;
constexpr uint32_t kFoliageOutline = 0x53AF28;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr double kThickPen = 0.007;
constexpr double kLeafPen = 0.0016;
constexpr double kPlatePen = 0.003;
constexpr double kLeafRadius = 0.1;  // inches on letter
constexpr int32_t kMostLeaves = 800;

struct Box {
    double x1, y1, x2, y2;
};

constexpr std::array<Box, 18> kFoliageAreas{{
    {0.22, 0.05, 0.78, 0.15}, {0.15, 0.07, 0.47, 0.15}, {0.53, 0.07, 0.85, 0.15}, {0.12, 0.1, 0.2, 0.2},
    {0.8, 0.1, 0.88, 0.2},    {0.08, 0.15, 0.22, 0.28}, {0.78, 0.15, 0.92, 0.28}, {0.08, 0.22, 0.22, 0.36},
    {0.78, 0.22, 0.92, 0.36}, {0.08, 0.29, 0.22, 0.42}, {0.78, 0.29, 0.92, 0.42}, {0.08, 0.37, 0.22, 0.5},
    {0.78, 0.37, 0.92, 0.5},  {0.08, 0.45, 0.22, 0.58}, {0.78, 0.45, 0.92, 0.58}, {0.1, 0.53, 0.22, 0.62},
    {0.78, 0.53, 0.9, 0.62},  {0.12, 0.56, 0.88, 0.65},
}};

constexpr std::array<Box, 4> kCrown{{
    {0.12, 0.17, 0.88, 0.59}, {0.15, 0.11, 0.85, 0.18}, {0.22, 0.09, 0.78, 0.11}, {0.34, 0.07, 0.66, 0.11},
}};

// Each plate under initials stands just below its text's top, centred on it.
constexpr double kPlateDrop = 0.001;
constexpr double kBarHalfWidth = 0.005;

struct Leaf {
    double x, y;  // inches
    uint32_t colour;
};

// t in 0..1: how far into its area a leaf stands, counted from the side nearest
// the trunk (or from the crown's edge for the areas across the middle).
double leafPlace(const Box& area, double fx, double fy) {
    double t = 0;
    if (area.x2 <= 0.5) {
        t = (area.x2 - fx) / (area.x2 - area.x1);
    } else if (area.x1 >= 0.5) {
        t = (fx - area.x1) / (area.x2 - area.x1);
    } else if (area.y2 > 0.33) {
        t = (fy - area.y1) / (area.y2 - area.y1);
    } else {
        t = (area.y2 - fy) / (area.y2 - area.y1);
    }
    return std::clamp(t, 0.0, 1.0);
}

uint32_t leafColour(double t) {
    const auto red = uint32_t(123 - 83 * t);
    const auto green = uint32_t(213 - 38 * t);
    const auto blue = uint32_t(143 - 60 * t);
    return red | (green << 8) | (blue << 16);
}

void drawLeaves(FtcPage& page, const Box& area, std::mt19937& random) {
    const double squareInches = (area.x2 - area.x1) * page.W * (area.y2 - area.y1) * page.H;
    const auto count = std::min(kMostLeaves, int32_t(100 * squareInches));
    const double cx = (area.x1 + area.x2) / 2;
    const double cy = (area.y1 + area.y2) / 2;
    std::vector<Leaf> leaves;
    leaves.reserve(size_t(std::max(count, 0)));
    for (int32_t k = 0; k < count; ++k) {
        const double angle = double(random() % 1000) * 0.002 * 3.14159;
        const double reach = double(random() % 1000) * 0.001;
        const double fx = cx + (area.x2 - area.x1) / 2 * reach * std::sin(angle);
        const double fy = cy + (area.y2 - area.y1) / 2 * reach * std::cos(angle);
        leaves.push_back({fx * page.W, fy * page.H, leafColour(leafPlace(area, fx, fy))});
    }
    const double radius = kLeafRadius * page.sizeScale;
    // From the lowest to the highest, so that upper leaves lie over lower ones.
    std::stable_sort(leaves.begin(), leaves.end(), [](const Leaf& p, const Leaf& q) { return p.y > q.y; });
    for (const Leaf& leaf : leaves) {
        page.log.penColor(leaf.colour);
        page.log.ellipse(leaf.x - radius, leaf.y - radius, leaf.x + radius, leaf.y + radius);
    }
}

void drawCrownRectangles(FtcPage& page) {
    for (const Box& box : kCrown) page.rectangle(box.x1, box.y1, box.x2, box.y2);
}

void drawPlainCrown(FtcPage& page) {
    page.pen(kThickPen);
    page.colours(kFoliageOutline, kFoliage);
    for (const Box& area : kFoliageAreas) page.ellipse(area.x1, area.y1, area.x2, area.y2);
    page.log.penColor(kFoliage);
    drawCrownRectangles(page);
}

void drawDetailedCrown(FtcPage& page, uint32_t seed) {
    page.pen(kThickPen);
    page.colours(kFoliage, kFoliage);
    drawCrownRectangles(page);
    page.pen(kLeafPen);
    page.log.penColor(kFoliageOutline);
    std::mt19937 random(seed);
    for (auto area = kFoliageAreas.rbegin(); area != kFoliageAreas.rend(); ++area) drawLeaves(page, *area, random);
    page.pen(kThickPen);
}

// The roots: one bar down each column of initials on either side, one bar across
// joining them under the trunk's foot, and a plate under every ancestor's initials.
void drawRoots(FtcPage& page) {
    const FtcRootRow& outermost = kFtcRootRows.back();
    const double acrossTop = outermost.firstY + 0.012;
    page.rectangle(0.5 - outermost.xOffset, acrossTop, 0.5 + outermost.xOffset, acrossTop + 2 * kBarHalfWidth);
    for (const int side : {-1, 1}) {
        for (size_t r = 0; r < kFtcRootRows.size(); ++r) {
            const FtcRootRow& row = kFtcRootRows[r];
            const double x = 0.5 + side * row.xOffset;
            const double lastTop = row.firstY + (row.count - 1) * row.yStep;
            page.rectangle(x - kBarHalfWidth, acrossTop, x + kBarHalfWidth, lastTop + kFtcPlateHeight[r]);
        }
    }
    for (const int side : {-1, 1}) {
        for (size_t r = 0; r < kFtcRootRows.size(); ++r) {
            const FtcRootRow& row = kFtcRootRows[r];
            const double x = 0.5 + side * row.xOffset;
            for (int32_t j = 0; j < row.count; ++j) {
                const double top = row.firstY + j * row.yStep + kPlateDrop;
                page.rectangle(x - kFtcPlateWidth[r] / 2, top, x + kFtcPlateWidth[r] / 2, top + kFtcPlateHeight[r]);
            }
        }
    }
}

void drawTrunkAndRoots(FtcPage& page) {
    page.colours(kFtcBarkOutline, kFtcBark);
    for (const auto& [x, y] : {std::pair{0.46, 0.72}, {0.48, 0.08}, {0.5, 0.053}, {0.52, 0.08}, {0.54, 0.72}})
        page.vertex(x, y);
    page.log.polygonEnd();
    page.colours(kFtcBark, kFtcBark);
    for (const auto& [x, y] : {std::pair{0.355, 0.825}, {0.46, 0.68}, {0.54, 0.68}, {0.635, 0.825}}) page.vertex(x, y);
    page.log.polygonEnd();
    drawRoots(page);
}

void drawPlates(FtcPage& page) {
    page.log.penColor(0);
    page.pen(kPlatePen);
    page.log.brushColor(kWhite);
    page.rectangle(kFtcMarriagePlate.x1, kFtcMarriagePlate.y1, kFtcMarriagePlate.x2, kFtcMarriagePlate.y2);
    page.colours(kWhite, kWhite);
    for (const auto& [x, y] : {std::pair{0.435, 0.83}, {0.5, 0.735}, {0.565, 0.83}}) page.vertex(x, y);
    page.log.polygonEnd();
    page.log.penColor(0);
    page.rectangle(kFtcTitlePlate.x1, kFtcTitlePlate.y1, kFtcTitlePlate.x2, kFtcTitlePlate.y2);
}

}  // namespace

void drawFtcBackground(FtcPage& page, bool detailed, uint32_t seed) {
    if (detailed) {
        drawDetailedCrown(page, seed);
    } else {
        drawPlainCrown(page);
    }
    drawTrunkAndRoots(page);
    drawPlates(page);
}

}  // namespace tw
