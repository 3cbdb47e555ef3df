#include "paf/loop_finder.h"

#include <array>
#include <vector>

#include "paf/loop_guard.h"
#include "paf/marriage_chain.h"
#include "paf/records.h"

namespace tw {

namespace {

enum : uint8_t { kNew = 0, kOnPath = 1, kDone = 2 };

bool inRange(int32_t n, size_t size) { return n > 0 && size_t(n) < size; }

// The father and mother of rin as parentsOf finds them; 0 where the way is damaged.
std::array<int32_t, 2> recordedParents(const PafFile& file, int32_t rin) {
    IndividualRecord person;
    ChildLinkRecord link;
    MarriageRecord parents;
    if (!readIndividual(file, rin, person) || person.isDeleted() || person.childLink == 0) return {0, 0};
    if (!readChildLink(file, person.childLink, link) || link.status == 'D' || link.mrin == 0) return {0, 0};
    if (!readMarriage(file, link.mrin, parents) || parents.isDeleted()) return {0, 0};
    return {parents.husband, parents.wife};
}

// The children of a family, in the order of its child chain (a looping chain ends
// where it repeats).
std::vector<int32_t> recordedChildren(const PafFile& file, int32_t mrin) {
    std::vector<int32_t> children;
    MarriageRecord family;
    if (!readMarriage(file, mrin, family)) return children;
    LoopGuard guard;
    for (int32_t link = family.firstChildLink; link != 0 && !guard.repeats(link);) {
        ChildLinkRecord child;
        if (!readChildLink(file, link, child)) break;
        children.push_back(child.child);
        link = child.next;
        if (link == family.firstChildLink) break;
    }
    return children;
}

// The marriages of an individual as the walks meet them (a looping chain ends where
// it repeats, an unreadable marriage ends it).
std::vector<int32_t> recordedMarriages(const PafFile& file, int32_t rin) {
    std::vector<int32_t> marriages;
    IndividualRecord person;
    if (!readIndividual(file, rin, person)) return marriages;
    walkMarriageChain(file, person, [&](int32_t mrin, const MarriageRecord&) {
        marriages.push_back(mrin);
        return true;
    });
    return marriages;
}

}  // namespace

void reportLoopCut(PafContext& ctx, int32_t rin, std::string_view field, int32_t other) {
    reportCorruptData(ctx, {"individual", rin, field, other, 0, "closes a loop (someone is his own ancestor); cut there"});
}

void findAncestorLoops(PafContext& ctx, int32_t start) {
    const size_t size = size_t(std::max(ctx.file.highestRin(), 0)) + 1;
    if (!inRange(start, size)) return;
    std::vector<uint8_t> state(size, kNew);
    struct Step {
        int32_t rin;
        std::array<int32_t, 2> parents;
        int next;
    };
    std::vector<Step> path{{start, recordedParents(ctx.file, start), 0}};
    state[size_t(start)] = kOnPath;
    while (!path.empty()) {
        Step& step = path.back();
        if (step.next == 2) {
            state[size_t(step.rin)] = kDone;
            path.pop_back();
            continue;
        }
        const int which = step.next++;
        const int32_t parent = step.parents[size_t(which)];
        if (!inRange(parent, size)) continue;
        if (state[size_t(parent)] == kOnPath) {
            ctx.loopCuts.addParentLink(step.rin, parent);
            if (path.size() - 1 >= kLoopDepthBeyondWalks) reportLoopCut(ctx, step.rin, which == 0 ? "father" : "mother", parent);
        } else if (state[size_t(parent)] == kNew) {
            state[size_t(parent)] = kOnPath;
            path.push_back({parent, recordedParents(ctx.file, parent), 0});
        }
    }
}

void findDescendantLoops(PafContext& ctx, const IntList& mrins) {
    const size_t size = size_t(std::max(ctx.file.highestMrin(), 0)) + 1;
    std::vector<uint8_t> state(size, kNew);
    // One step per family on the path: the (child, marriage) links out of it, and
    // which of them comes next.
    struct Step {
        int32_t mrin;
        std::vector<std::pair<int32_t, int32_t>> links;
        size_t next;
    };
    auto linksOf = [&](int32_t mrin) {
        std::vector<std::pair<int32_t, int32_t>> links;
        for (const int32_t child : recordedChildren(ctx.file, mrin))
            for (const int32_t marriage : recordedMarriages(ctx.file, child)) links.emplace_back(child, marriage);
        return links;
    };
    for (int32_t i = 0; i < mrins.size(); ++i) {
        const int32_t start = mrins.fetch(i);
        if (!inRange(start, size) || state[size_t(start)] != kNew) continue;
        std::vector<Step> path{{start, linksOf(start), 0}};
        state[size_t(start)] = kOnPath;
        while (!path.empty()) {
            Step& step = path.back();
            if (step.next == step.links.size()) {
                state[size_t(step.mrin)] = kDone;
                path.pop_back();
                continue;
            }
            const auto [child, marriage] = step.links[step.next++];
            if (!inRange(marriage, size)) continue;
            if (state[size_t(marriage)] == kOnPath) {
                ctx.loopCuts.addMarriageLink(child, marriage);
                if (path.size() - 1 >= kLoopDepthBeyondWalks) reportLoopCut(ctx, child, "own marriage", marriage);
            } else if (state[size_t(marriage)] == kNew) {
                state[size_t(marriage)] = kOnPath;
                path.push_back({marriage, linksOf(marriage), 0});
            }
        }
    }
}

}  // namespace tw
