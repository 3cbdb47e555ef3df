#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "paf/record_blocks.h"
#include "paf/zeroed_bytes.h"

namespace tw {
namespace {

// Records whose lengths cross each boundary of the stored length (one, two and
// three bytes), empty ones, one larger than a whole block, and enough of them to
// fill several blocks, each with bytes of its own so that a shifted record shows.
std::vector<std::string> recordsOfEveryLength() {
    std::vector<std::string> records;
    const size_t lengths[] = {0, 1, 127, 128, 129, 16383, 16384, 16385, 0, 3u << 20, 5};
    for (size_t i = 0; i < std::size(lengths); ++i) records.push_back(std::string(lengths[i], char('a' + i)));
    for (int i = 0; i < 40000; ++i) records.push_back("R" + std::to_string(i) + std::string(size_t(i % 97), char(i)));
    return records;
}

std::vector<std::string> readAll(RecordBlocks::Reader reader) {
    std::vector<std::string> read;
    for (std::string_view record; reader.next(record);) read.emplace_back(record);
    return read;
}

TEST(RecordBlocks, RecordsComeBackInOrderAcrossBlocks) {
    const std::vector<std::string> records = recordsOfEveryLength();
    RecordBlocks blocks;
    for (const std::string& r : records) blocks.append(r);
    ASSERT_EQ(blocks.count(), records.size());
    EXPECT_GT(blocks.bytes(), size_t(4) << 20) << "the records fill several blocks";

    EXPECT_EQ(readAll(RecordBlocks::Reader(blocks)), records) << "a plain reader";
    EXPECT_EQ(readAll(RecordBlocks::Reader(blocks)), records) << "read again: nothing was given back";
    EXPECT_EQ(readAll(RecordBlocks::Reader::consuming(blocks)), records) << "a consuming reader";
    EXPECT_EQ(blocks.count(), 0u);
    EXPECT_EQ(blocks.bytes(), 0u);
    EXPECT_TRUE(readAll(RecordBlocks::Reader(blocks)).empty());
}

TEST(RecordBlocks, MovedBlocksKeepTheirRecords) {
    RecordBlocks blocks;
    blocks.append("Adam /Tamble/");
    blocks.append("");
    RecordBlocks moved = std::move(blocks);
    EXPECT_EQ(readAll(RecordBlocks::Reader(moved)), (std::vector<std::string>{"Adam /Tamble/", ""}));
    blocks = std::move(moved);
    EXPECT_EQ(blocks.count(), 2u);
}

TEST(ZeroedBytes, TheRestStaysReadableAfterTheFrontIsGivenBack) {
    for (const size_t size : {size_t(100), size_t(64) << 20}) {  // kept in the heap, and mapped
        ZeroedBytes bytes(size);
        ASSERT_EQ(bytes.size(), size);
        for (size_t i = 0; i < size; i += 4099) EXPECT_EQ(bytes.data()[i], 0) << i;
        for (size_t i = 0; i < size; ++i) bytes.data()[i] = uint8_t(i * 7);
        const size_t front = size / 2 + 3;
        bytes.releaseFront(front);
        bytes.releaseFront(front / 2);  // an earlier point again changes nothing
        size_t wrong = 0;
        for (size_t i = front; i < size; ++i) wrong += bytes.data()[i] != uint8_t(i * 7);
        EXPECT_EQ(wrong, 0u) << size;
    }
}

}  // namespace
}  // namespace tw
