#include "paf/zeroed_bytes.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

namespace tw {

namespace {

// Blocks of at least this size come straight from the system, already zero, and go
// back to it as soon as they are freed.
constexpr size_t kMappedBytes = size_t(4) << 20;

bool mapped(size_t size) { return size >= kMappedBytes; }

}  // namespace

ZeroedBytes::ZeroedBytes(size_t size) : size_(size) {
    if (size == 0) return;
    if (mapped(size)) {
        void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        data_ = static_cast<uint8_t*>(p);
        return;
    }
    data_ = static_cast<uint8_t*>(std::calloc(size, 1));
    if (data_ == nullptr) throw std::bad_alloc();
}

ZeroedBytes::ZeroedBytes(ZeroedBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      released_(std::exchange(other.released_, 0)) {}

ZeroedBytes& ZeroedBytes::operator=(ZeroedBytes&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        released_ = std::exchange(other.released_, 0);
    }
    return *this;
}

ZeroedBytes::~ZeroedBytes() { release(); }

void ZeroedBytes::releaseFront(size_t offset) {
    if (data_ == nullptr || !mapped(size_)) return;
    const auto page = size_t(::sysconf(_SC_PAGESIZE));
    const size_t end = std::min(offset, size_) / page * page;
    if (end <= released_) return;
    ::munmap(data_ + released_, end - released_);
    released_ = end;
}

void ZeroedBytes::release() {
    if (data_ == nullptr) return;
    if (!mapped(size_)) std::free(data_);
    else if (released_ < size_) ::munmap(data_ + released_, size_ - released_);
    data_ = nullptr;
    size_ = 0;
    released_ = 0;
}

}  // namespace tw
