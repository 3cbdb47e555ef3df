#include "charts/ftc_layout.h"

#include <algorithm>
#include <limits>

#include "charts/chart_names.h"
#include "paf/navigation.h"
#include "paf/records.h"

namespace tw {

namespace {

constexpr double kTrunkSpan = 0.59;
constexpr double kLowestAnchor = 0.66;
constexpr double kSideRoom = 0.58;
constexpr int kRelaxationPasses = 15;
constexpr double kNearAnchors = 0.03;
constexpr double kStepScale = 0.005;
constexpr double kLargestStep = 0.01;
// A generation with more people than this is not walked further: a damaged file
// whose families loop must not make the counts unbounded.
constexpr int32_t kLargestGeneration = 3 << 21;
constexpr double kOverlapTolerance = 1e-9;
constexpr double kSecondFormatUnit = 0.011;
constexpr double kBoxGap = 0.002;
constexpr double kSmallestSecondFormatBox = 0.009;  // between two boxes of one side, as a fraction of the page height

int32_t saturatingAdd(int32_t x, int32_t y) {
    const int64_t sum = int64_t(x) + int64_t(y);
    return int32_t(std::min<int64_t>(sum, std::numeric_limits<int32_t>::max()));
}

IntList personTriple(int32_t rin) {
    IntList list;
    list.pushTriple(rin, 0, 0);
    return list;
}

IntList nextGeneration(PafContext& ctx, const IntList& people) { return getChildRins(ctx, getMrins(ctx, people)); }

// budget: the entries the whole chart may still walk. In a family whose descent
// loops back on itself every line doubles with each generation; without one budget
// for all lines, each of many lines would walk millions of entries.
void countDescendants(PafContext& ctx, GrandchildLine& line, int64_t& budget) {
    IntList generation = nextGeneration(ctx, personTriple(line.rin));
    while (generation.size() > 0) {
        if (line.length() >= kFtcMaxDepth) {
            line.countsCut = true;
            break;
        }
        line.counts.push_back(generation.size() / 3);
        budget -= generation.size();
        if (generation.size() > kLargestGeneration || budget < 0 || ctx.host.cancelRequested()) {
            line.countsCut = true;
            break;
        }
        generation = nextGeneration(ctx, generation);
    }
}

FamilyBranch buildBranch(PafContext& ctx, int32_t rin, int32_t index, int64_t& budget) {
    FamilyBranch branch;
    branch.rin = rin;
    branch.i = index;
    branch.rhs = index % 2;
    const std::string name = ftcNameOf(ctx, rin);
    branch.firstName = firstWordOfName(name);
    branch.givenNames = givenNamesOrSurname(name);
    const IntList grandchildren = nextGeneration(ctx, personTriple(rin));
    for (int32_t g = 0; g + 2 < grandchildren.size(); g += 3) {
        GrandchildLine& line = branch.lines.emplace_back();
        line.rin = grandchildren.fetch(g);
        const std::string lineName = ftcNameOf(ctx, line.rin);
        line.firstName = firstWordOfName(lineName);
        line.givenNames = givenNamesOrSurname(lineName);
        countDescendants(ctx, line, budget);
        branch.depthCount = std::max(branch.depthCount, line.length() + 1);
    }
    branch.grandchildCount = int32_t(branch.lines.size());
    return branch;
}

// Pushes from the neighbours on the other side of the trunk (their anchors) and
// from those on the same side (their boxes).
double anchorForce(const std::vector<FamilyBranch>& branches, size_t i) {
    const double below = branches[i].a - branches[i - 1].a;
    double f = below >= -kNearAnchors ? -1.0 : kNearAnchors / below;
    const double above = branches[i].a - branches[i + 1].a;
    f = above <= kNearAnchors ? double(float(f) + 1.0F) : f + kNearAnchors / above;
    return f;
}

double boxForce(const std::vector<FamilyBranch>& branches, size_t i) {
    const size_t n = branches.size();
    if (i == 1 || i + 2 == n) return 0;
    double gapAbove = branches[i].t - branches[i + 2].b;
    if (gapAbove < 0) gapAbove = 0.01;
    double gapBelow = branches[i].b - branches[i - 2].t;
    if (gapBelow > 0) gapBelow = -0.01;
    double g = 0;
    if (gapAbove != 0) g += kNearAnchors / gapAbove;
    if (gapBelow != 0) g += kNearAnchors / gapBelow;
    return g;
}

// Relaxation moves a box by at most 0.15 in all; near the ends of the trunk that
// could take it off the trunk's part of the page, so it stops at the limits.
void keepOnTrunk(FamilyBranch& branch) {
    double shift = 0;
    if (branch.t < kFtcBoxTopLimit) shift = kFtcBoxTopLimit - branch.t;
    if (branch.b + shift > kFtcBoxBottomLimit) shift = kFtcBoxBottomLimit - branch.b;
    branch.t += shift;
    branch.b += shift;
    branch.a += shift;
}

// A box reaching into the next box above it on the same side.
bool sideBoxesOverlap(const std::vector<FamilyBranch>& branches) {
    for (size_t k = 2; k < branches.size(); ++k)
        if (branches[k].b > branches[k - 2].t + kOverlapTolerance) return true;
    return false;
}

void proposeCurrent(FamilyBranch& branch) {
    branch.proposedT = branch.t;
    branch.proposedB = branch.b;
    branch.proposedA = branch.a;
}

}  // namespace

std::string ftcNameOf(PafContext& ctx, int32_t rin) {
    IndividualRecord person;
    if (rin <= 0 || !readIndividual(ctx.file, rin, person) || person.isDeleted()) return {};
    return recordName(ctx.file, person).str();
}

std::vector<FamilyBranch> buildFamilyBranches(PafContext& ctx, const IntList& mrins, bool* cut) {
    IntList families;
    for (int32_t m = 0; m < mrins.size(); ++m) families.pushTriple(mrins.fetch(m), 0, 0);
    const IntList children = getChildRins(ctx, families);
    std::vector<FamilyBranch> branches;
    int64_t budget = 3 * std::clamp<int64_t>(ctx.listEntryLimit, 0, kLargestGeneration / 3);
    for (int32_t c = 0; c + 2 < children.size() && int32_t(branches.size()) < kFtcMaxBranches; c += 3) {
        if (ctx.host.cancelRequested()) break;
        branches.push_back(buildBranch(ctx, children.fetch(c), int32_t(branches.size()), budget));
    }
    if (cut != nullptr) *cut = int32_t(branches.size()) == kFtcMaxBranches && children.size() / 3 > kFtcMaxBranches;
    return branches;
}

void placeBranch(FamilyBranch& branch, double anchor, int32_t side, int32_t index, double unit) {
    const int32_t lines = branch.collapsed ? 1 : branch.grandchildCount + 1;
    const double height = std::max(lines, 4) * unit;
    double y = anchor;
    branch.b = y + height / 2;
    if (branch.b > kFtcBoxBottomLimit) {
        branch.b = kFtcBoxBottomLimit;
        y = branch.b - height / 2;
    }
    branch.t = y - height / 2;
    if (branch.t < kFtcBoxTopLimit) {
        branch.t = kFtcBoxTopLimit;
        y = branch.t + height / 2;
        branch.b = y + height / 2;
    }
    branch.a = y;
    branch.D = unit;
    branch.rhs = side;
    branch.i = index;
}

void relaxBranch(std::vector<FamilyBranch>& branches, size_t i, double stepFactor) {
    const size_t n = branches.size();
    FamilyBranch& branch = branches[i];
    if (i == 0 || i + 1 == n) {
        proposeCurrent(branch);
        return;
    }
    const double force = anchorForce(branches, i) + boxForce(branches, i);
    const double delta = std::clamp(stepFactor * force * kStepScale, -kLargestStep, kLargestStep);
    branch.proposedT = branch.t + delta;
    branch.proposedB = branch.b + delta;
    if (n >= 4 && i >= 2) {
        FamilyBranch& below = branches[i - 2];
        if (below.proposedT < branch.proposedB) {
            // The two boxes of this side would overlap: neither moves into the other.
            if (branch.b < branch.proposedB) {
                branch.proposedT = branch.t;
                branch.proposedB = branch.b;
            }
            if (below.proposedT < below.t) proposeCurrent(below);
        }
    }
    branch.proposedA = (branch.proposedT + branch.proposedB) / 2;
}

double commitBranch(FamilyBranch& branch) {
    double height = 0;
    if (!branch.pinned) {
        branch.t = branch.proposedT;
        branch.b = branch.proposedB;
        branch.a = branch.proposedA;
        height = branch.b - branch.t;
        keepOnTrunk(branch);
    }
    branch.proposedT = branch.proposedB = branch.proposedA = 0;
    return height;
}

bool layoutBranches(std::vector<FamilyBranch>& branches, double unit) {
    const size_t n = branches.size();
    const double step = kTrunkSpan / double(n + 1);
    for (size_t k = 0; k < n; ++k)
        placeBranch(branches[k], kLowestAnchor - double(k + 1) * step, int32_t(k % 2), int32_t(k), unit);
    const double stepFactor = 1.0;
    for (int pass = 0; pass < kRelaxationPasses; ++pass) {
        for (size_t k = 0; k < n; ++k) relaxBranch(branches, k, stepFactor);
        double sideHeight[2] = {0, 0};
        for (size_t k = 0; k < n; ++k) sideHeight[k % 2] += commitBranch(branches[k]);
        if (sideHeight[0] > kSideRoom || sideHeight[1] > kSideRoom) return false;
    }
    // Boxes of one side that relaxation left overlapping: the unit is too large.
    return !sideBoxesOverlap(branches);
}

void buildDepthTotals(FamilyBranch& branch) {
    branch.depthTotals.assign(size_t(branch.depthCount) + 1, 0);
    for (const GrandchildLine& line : branch.lines) {
        branch.depthTotals[0] = saturatingAdd(branch.depthTotals[0], 1);
        for (size_t k = 0; k < line.counts.size() && k + 1 < branch.depthTotals.size(); ++k)
            branch.depthTotals[k + 1] = saturatingAdd(branch.depthTotals[k + 1], line.counts[k]);
    }
    branch.collapsed = true;
}

void placeSecondFormat(std::vector<FamilyBranch>& branches) {
    const size_t n = branches.size();
    const double step = 0.58 / double(n + 1);
    for (size_t k = 0; k < n; ++k)
        placeBranch(branches[k], 0.61 - double(k) * step, int32_t(k % 2), int32_t(k), kSecondFormatUnit);
    if (!sideBoxesOverlap(branches)) return;
    // A large family: the boxes are spread evenly between the limits, each side's
    // two steps apart, and made low enough to leave a gap between them (down to
    // the height of the smallest totals: up to about a hundred children).
    const double span = kFtcBoxBottomLimit - kFtcBoxTopLimit;
    const double height = std::clamp((2 * span - kBoxGap * double(n - 1)) / double(n + 1), kSmallestSecondFormatBox,
                                     4 * kSecondFormatUnit);
    const double spread = (span - height) / double(n - 1);
    for (size_t k = 0; k < n; ++k)
        placeBranch(branches[k], kFtcBoxBottomLimit - height / 2 - double(k) * spread, int32_t(k % 2), int32_t(k),
                    height / 4);
}

int32_t maxCountDigits(const std::vector<FamilyBranch>& branches) {
    int32_t largest = 0;
    for (const FamilyBranch& branch : branches) {
        for (const GrandchildLine& line : branch.lines)
            for (const int32_t count : line.counts) largest = std::max(largest, count);
        if (branch.collapsed)
            for (const int32_t total : branch.depthTotals) largest = std::max(largest, total);
    }
    return int32_t(std::to_string(largest).size());
}

}  // namespace tw
