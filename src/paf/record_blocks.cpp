#include "paf/record_blocks.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace tw {

namespace {

// Blocks of 1 MiB (a longer record gets a block of its own size): mapped from the
// system and unmapped again, so that a block handed back is at once the system's.
constexpr size_t kBlockBytes = size_t(1) << 20;

uint8_t* mapBlock(size_t size) {
    void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    return static_cast<uint8_t*>(p);
}

// A record's length before it: 7 bits a byte, low bits first, the top bit set on
// every byte but the last.
size_t putLength(uint8_t* at, size_t length) {
    size_t n = 0;
    while (length >= 0x80) {
        at[n++] = uint8_t(length | 0x80);
        length >>= 7;
    }
    at[n++] = uint8_t(length);
    return n;
}

constexpr size_t kMaxLengthBytes = 10;

}  // namespace

RecordBlocks::RecordBlocks(RecordBlocks&& other) noexcept
    : blocks_(std::move(other.blocks_)), count_(std::exchange(other.count_, 0)) {
    other.blocks_.clear();
}

RecordBlocks& RecordBlocks::operator=(RecordBlocks&& other) noexcept {
    if (this != &other) {
        releaseAll();
        blocks_ = std::move(other.blocks_);
        other.blocks_.clear();
        count_ = std::exchange(other.count_, 0);
    }
    return *this;
}

RecordBlocks::~RecordBlocks() { releaseAll(); }

void RecordBlocks::release(Block& block) {
    if (block.data != nullptr) ::munmap(block.data, block.capacity);
    block = Block{};
}

void RecordBlocks::releaseAll() {
    for (Block& block : blocks_) release(block);
    blocks_.clear();
    count_ = 0;
}

void RecordBlocks::append(std::string_view record) {
    const size_t need = record.size() + kMaxLengthBytes;
    if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < need) {
        Block block;
        block.capacity = std::max(kBlockBytes, need);
        block.data = mapBlock(block.capacity);
        try {
            blocks_.push_back(block);
        } catch (...) {
            ::munmap(block.data, block.capacity);
            throw;
        }
    }
    Block& block = blocks_.back();
    block.used += putLength(block.data + block.used, record.size());
    if (!record.empty()) std::memcpy(block.data + block.used, record.data(), record.size());
    block.used += record.size();
    ++count_;
}

size_t RecordBlocks::bytes() const {
    size_t total = 0;
    for (const Block& block : blocks_) total += block.used;
    return total;
}

bool RecordBlocks::Reader::next(std::string_view& record) {
    const std::vector<Block>& blocks = blocks_.blocks_;
    while (block_ < blocks.size() && at_ >= blocks[block_].used) {
        if (owner_ != nullptr) owner_->release(owner_->blocks_[block_]);
        ++block_;
        at_ = 0;
    }
    if (block_ >= blocks.size()) {
        if (owner_ != nullptr) owner_->releaseAll();
        return false;
    }
    const Block& block = blocks[block_];
    size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const uint8_t b = block.data[at_++];
        length |= size_t(b & 0x7F) << shift;
        if ((b & 0x80) == 0) break;
    }
    record = std::string_view(reinterpret_cast<const char*>(block.data + at_), length);
    at_ += length;
    return true;
}

}  // namespace tw
