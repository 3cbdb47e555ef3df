#pragma once
// ZeroedBytes: a large zero-filled byte buffer, such as a PAF image built in memory.
// The system hands out pages of zeros as they are first touched, so the buffer is
// not cleared once more before it is written, and its pages take memory only as
// they are written.

#include <cstddef>
#include <cstdint>
#include <span>

namespace tw {

class ZeroedBytes {
public:
    ZeroedBytes() = default;
    // Throws std::bad_alloc when there is no room.
    explicit ZeroedBytes(size_t size);
    ZeroedBytes(ZeroedBytes&& other) noexcept;
    ZeroedBytes& operator=(ZeroedBytes&& other) noexcept;
    ZeroedBytes(const ZeroedBytes&) = delete;
    ZeroedBytes& operator=(const ZeroedBytes&) = delete;
    ~ZeroedBytes();

    uint8_t* data() { return data_; }
    const uint8_t* data() const { return data_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::span<uint8_t> span() { return {data_, size_}; }
    std::span<const uint8_t> span() const { return {data_, size_}; }

    // Hands the whole pages before offset back to the system, for a buffer read once
    // from front to back: nothing before offset may be read again. Only a large
    // buffer gives its pages back; a small one keeps them until it goes.
    void releaseFront(size_t offset);

private:
    void release();
    uint8_t* data_ = nullptr;
    size_t size_ = 0;
    size_t released_ = 0;  // the front already handed back
};

}  // namespace tw
