#pragma once
// Little-endian field access on byte spans. Every field of the data file is read
// and written through these helpers, never by casting bytes to a structure.

#include <cstddef>
#include <cstdint>
#include <span>

namespace tw {

inline uint32_t readUint32le(std::span<const uint8_t> bytes, size_t offset) {
    return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8 | uint32_t(bytes[offset + 2]) << 16 |
           uint32_t(bytes[offset + 3]) << 24;
}

inline int32_t readInt32le(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<int32_t>(readUint32le(bytes, offset));
}

inline int16_t readInt16le(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<int16_t>(uint16_t(bytes[offset]) | uint16_t(bytes[offset + 1]) << 8);
}

inline uint32_t readUint24le(std::span<const uint8_t> bytes, size_t offset) {
    return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8 | uint32_t(bytes[offset + 2]) << 16;
}

inline void writeInt32le(std::span<uint8_t> bytes, size_t offset, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    bytes[offset] = uint8_t(v);
    bytes[offset + 1] = uint8_t(v >> 8);
    bytes[offset + 2] = uint8_t(v >> 16);
    bytes[offset + 3] = uint8_t(v >> 24);
}

inline void writeInt16le(std::span<uint8_t> bytes, size_t offset, int16_t value) {
    const auto v = static_cast<uint16_t>(value);
    bytes[offset] = uint8_t(v);
    bytes[offset + 1] = uint8_t(v >> 8);
}

inline void writeUint24le(std::span<uint8_t> bytes, size_t offset, uint32_t value) {
    bytes[offset] = uint8_t(value);
    bytes[offset + 1] = uint8_t(value >> 8);
    bytes[offset + 2] = uint8_t(value >> 16);
}

}  // namespace tw
