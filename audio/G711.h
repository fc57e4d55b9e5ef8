#pragma once

#include <array>
#include <cstdint>

namespace tonvexa {

// ITU-T G.711 expansion of one companded byte to a 16-bit linear value, in the classic
// bit-manipulation form. The readers use the tables below, built from these at compile time.
constexpr std::int32_t ALawToLinear(std::uint8_t code) {
    const unsigned a = code ^ 0x55u;
    std::int32_t magnitude = static_cast<std::int32_t>(a & 0x0Fu);
    const unsigned segment = (a & 0x70u) >> 4;
    if (segment != 0)
        magnitude = (magnitude * 2 + 1 + 32) << (segment + 2);
    else
        magnitude = (magnitude * 2 + 1) << 3;
    return (a & 0x80u) ? magnitude : -magnitude;
}

constexpr std::int32_t MuLawToLinear(std::uint8_t code) {
    constexpr std::int32_t kBias = 0x84;
    const unsigned u = ~unsigned{code} & 0xFFu;
    std::int32_t magnitude = (static_cast<std::int32_t>(u & 0x0Fu) << 3) + kBias;
    magnitude <<= (u & 0x70u) >> 4;
    return (u & 0x80u) ? kBias - magnitude : magnitude - kBias;
}

namespace g711 {

template <std::int32_t (*Expand)(std::uint8_t)>
constexpr std::array<std::int16_t, 256> MakeTable() {
    std::array<std::int16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i)
        table[i] = static_cast<std::int16_t>(Expand(static_cast<std::uint8_t>(i)));
    return table;
}

inline constexpr std::array<std::int16_t, 256> kALawTable = MakeTable<ALawToLinear>();
inline constexpr std::array<std::int16_t, 256> kMuLawTable = MakeTable<MuLawToLinear>();

}  // namespace g711

// The expanders the WAV reader calls per byte.
inline std::int32_t ExpandALaw(std::uint8_t code) {
    return g711::kALawTable[code];
}
inline std::int32_t ExpandMuLaw(std::uint8_t code) {
    return g711::kMuLawTable[code];
}

}  // namespace tonvexa
