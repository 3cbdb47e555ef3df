#pragma once
// A person recorded as his own ancestor (or descendant) is damaged data: an
// ancestor or descendant walk through him would never end by itself. Before a
// report walks, the links that close such a loop are found by a depth-first walk
// from the start: a link to someone who is still on the walk's own path closes a
// loop. The report's walks then do not follow those links (navigation.h), and show
// the corrupt-data message where they cut one. Without those links the family is a
// graph without loops, so pedigree collapse (cousins who married) still prints in
// full, exactly as it did.

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace tw {

class LoopCuts {
public:
    void clear() { *this = LoopCuts(); }
    bool empty() const { return parentLinks_.empty() && marriageLinks_.empty(); }

    // The individual's link to that parent closes a loop of ancestors.
    bool cutsParent(int32_t rin, int32_t parent) const { return contains(parentLinks_, {rin, parent}); }
    // The individual's link to that own marriage closes a loop of descendants.
    bool cutsMarriage(int32_t rin, int32_t mrin) const { return contains(marriageLinks_, {rin, mrin}); }

    void addParentLink(int32_t rin, int32_t parent) { insert(parentLinks_, {rin, parent}); }
    void addMarriageLink(int32_t rin, int32_t mrin) { insert(marriageLinks_, {rin, mrin}); }

private:
    using Link = std::pair<int32_t, int32_t>;
    static bool contains(const std::vector<Link>& links, Link link) {
        return !links.empty() && std::binary_search(links.begin(), links.end(), link);
    }
    static void insert(std::vector<Link>& links, Link link) {
        const auto at = std::lower_bound(links.begin(), links.end(), link);
        if (at == links.end() || *at != link) links.insert(at, link);
    }

    std::vector<Link> parentLinks_;
    std::vector<Link> marriageLinks_;
};

}  // namespace tw
