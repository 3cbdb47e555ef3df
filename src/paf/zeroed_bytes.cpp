#include "paf/zeroed_bytes.h"

#include <cstdlib>
#include <new>
#include <utility>

namespace tw {

ZeroedBytes::ZeroedBytes(size_t size) : size_(size) {
    if (size == 0) return;
    // calloc takes large blocks straight from the system, already zero.
    data_ = static_cast<uint8_t*>(std::calloc(size, 1));
    if (data_ == nullptr) throw std::bad_alloc();
}

ZeroedBytes::ZeroedBytes(ZeroedBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

ZeroedBytes& ZeroedBytes::operator=(ZeroedBytes&& other) noexcept {
    if (this != &other) {
        std::free(data_);
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

ZeroedBytes::~ZeroedBytes() { std::free(data_); }

}  // namespace tw
