#pragma once
// Remembers the links a chain walk has visited, so that a chain that loops in a
// damaged file is cut where it repeats. Small chains (the usual case) are searched
// linearly; long ones switch to a hash set.

#include <algorithm>
#include <cstdint>
#include <unordered_set>
#include <vector>

namespace tw {

class LoopGuard {
public:
    // True when link was seen before; otherwise remembers it.
    bool repeats(int32_t link) {
        if (large_.empty()) {
            if (std::find(small_.begin(), small_.end(), link) != small_.end()) return true;
            small_.push_back(link);
            if (small_.size() > kSmallLimit) large_.insert(small_.begin(), small_.end());
            return false;
        }
        return !large_.insert(link).second;
    }

private:
    static constexpr size_t kSmallLimit = 32;
    std::vector<int32_t> small_;
    std::unordered_set<int32_t> large_;
};

}  // namespace tw
