#pragma once
// Whole-buffer zlib compression, for the streams of a PDF file and the image data of
// a PNG file, and the CRC-32 that PNG chunks carry.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tw {

class Deflater {
public:
    // level: 1 (fastest) to 12 (smallest).
    explicit Deflater(int level = 1);
    ~Deflater();
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;
    // data compressed as a zlib stream; valid until the next call. Empty when the
    // compressor could not be made (no memory).
    std::string_view compress(std::string_view data);

private:
    struct Stream;
    std::unique_ptr<Stream> stream_;
    std::string buffer_;
};

// The CRC-32 of data continued from crc (0 to start).
std::uint32_t crc32(std::uint32_t crc, std::string_view data);

}  // namespace tw
