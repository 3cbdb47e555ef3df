#include "paf/int_list.h"

namespace tw {

void IntList::grow() {
    capacity_ = capacity_ < 16 ? 16 : capacity_ * 2;
    items_.reserve(size_t(capacity_));
}

void IntList::store(int32_t index, int32_t value) {
    if (index < 0 || index >= size()) return;
    items_[size_t(index)] = value;
}

}  // namespace tw
