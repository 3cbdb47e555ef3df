#include "paf/int_list.h"

namespace tw {

int32_t IntList::push(int32_t value) {
    if (size() >= capacity_) {
        capacity_ = capacity_ < 16 ? 16 : capacity_ * 2;
        items_.reserve(size_t(capacity_));
    }
    items_.push_back(value);
    return size();
}

void IntList::store(int32_t index, int32_t value) {
    if (index < 0 || index >= size()) return;
    items_[size_t(index)] = value;
}

}  // namespace tw
