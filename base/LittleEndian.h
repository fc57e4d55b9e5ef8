#pragma once

#include <cstdint>

namespace tonvexa {

// Unsigned little-endian fields of file formats (RIFF, ASF, shell links), read from and written
// to bytes whatever the machine's own order. A signed field is the unsigned value cast to its
// signed type, which keeps the two's complement bits.

constexpr std::uint16_t ReadLe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

constexpr std::uint32_t ReadLe32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

constexpr std::uint64_t ReadLe64(const std::uint8_t* p) {
    return std::uint64_t{ReadLe32(p)} | (std::uint64_t{ReadLe32(p + 4)} << 32);
}

constexpr void PutLe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

constexpr void PutLe32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

constexpr void PutLe64(std::uint8_t* p, std::uint64_t v) {
    PutLe32(p, static_cast<std::uint32_t>(v));
    PutLe32(p + 4, static_cast<std::uint32_t>(v >> 32));
}

}  // namespace tonvexa
