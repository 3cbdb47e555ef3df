#pragma once
// RecordBlocks: records of varying length appended one after another in blocks of
// memory taken straight from the system, and read back in the order written. A
// reader that consumes them hands every block back to the system as soon as it has
// read past it, so that a large family gives up its memory while its image is
// written. A record never straddles two blocks.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tw {

class RecordBlocks {
public:
    RecordBlocks() = default;
    RecordBlocks(RecordBlocks&& other) noexcept;
    RecordBlocks& operator=(RecordBlocks&& other) noexcept;
    RecordBlocks(const RecordBlocks&) = delete;
    RecordBlocks& operator=(const RecordBlocks&) = delete;
    ~RecordBlocks();

    // Throws std::bad_alloc when there is no room.
    void append(std::string_view record);
    size_t count() const { return count_; }
    // The bytes the blocks hold (records and their lengths).
    size_t bytes() const;

    // Reads the records in order; each record's view lasts until the blocks are
    // released (by a consuming reader, once it has read past the record's block).
    class Reader {
    public:
        // consume: hand each block back once read past (the blocks may then only
        // be read by this reader, and are empty at its end).
        explicit Reader(const RecordBlocks& blocks) : blocks_(blocks) {}
        static Reader consuming(RecordBlocks& blocks) { return Reader(blocks, &blocks); }
        // The next record; false after the last.
        bool next(std::string_view& record);

    private:
        Reader(const RecordBlocks& blocks, RecordBlocks* owner) : blocks_(blocks), owner_(owner) {}
        const RecordBlocks& blocks_;
        RecordBlocks* owner_ = nullptr;  // set when consuming
        size_t block_ = 0;
        size_t at_ = 0;
    };

private:
    struct Block {
        uint8_t* data = nullptr;
        size_t capacity = 0;
        size_t used = 0;
    };
    std::vector<Block> blocks_;
    size_t count_ = 0;

    void release(Block& block);
    void releaseAll();
};

}  // namespace tw
