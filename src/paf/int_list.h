#pragma once
// IntList: the growable list of int32 values in which generations travel as
// triples (RIN or MRIN, and two values carried along). It grows to 16 slots on the
// first push and doubles after that; fetch and store outside the list do nothing
// harmful (fetch gives -1).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw {

class IntList {
public:
    static constexpr int32_t kNoStorage = -5;

    int32_t push(int32_t value) {
        if (size() >= capacity_) grow();
        items_.push_back(value);
        return size();
    }
    int32_t fetch(int32_t index) const {
        return index < 0 || index >= size() ? -1 : items_[size_t(index)];
    }
    void store(int32_t index, int32_t value);
    int32_t size() const { return int32_t(items_.size()); }
    int32_t capacity() const { return capacity_; }
    void clear() { items_.clear(); }

    // Appends a triple.
    void pushTriple(int32_t a, int32_t b, int32_t c) { push(a); push(b); push(c); }

private:
    void grow();

    std::vector<int32_t> items_;
    int32_t capacity_ = kNoStorage;
};

}  // namespace tw
