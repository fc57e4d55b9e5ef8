#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tonvexa::adpcm {

// IMA ADPCM: how the step index moves after each 4-bit code.
inline constexpr std::array<std::int8_t, 16> kImaIndexAdjust{-1, -1, -1, -1, 2, 4, 6, 8,
                                                             -1, -1, -1, -1, 2, 4, 6, 8};

inline constexpr int kImaMaxStepIndex = 88;

// IMA ADPCM: the 89 quantiser step sizes of the IMA standard.
inline constexpr std::array<std::int16_t, 89> kImaStepSize{
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

// IMA ADPCM, derived from the two tables above for the decoder's inner loop: per step index
// the magnitude of the difference for each 3-bit code (step/8 + step/4 for bit 0 + step/2
// for bit 1 + step for bit 2, each shift truncating) and the next step index for each
// 4-bit code. Looking them up keeps the chain from one code to the next short.
struct ImaDecodeTables {
    std::array<std::array<std::uint16_t, 8>, 89> difference{};  // up to 61436
    std::array<std::array<std::uint8_t, 16>, 89> nextIndex{};
};

constexpr ImaDecodeTables MakeImaDecodeTables() {
    ImaDecodeTables t;
    for (int index = 0; index <= kImaMaxStepIndex; ++index) {
        const int step = kImaStepSize[static_cast<std::size_t>(index)];
        for (unsigned code = 0; code < 8; ++code) {
            int difference = step >> 3;
            if (code & 1) difference += step >> 2;
            if (code & 2) difference += step >> 1;
            if (code & 4) difference += step;
            t.difference[static_cast<std::size_t>(index)][code] =
                static_cast<std::uint16_t>(difference);
        }
        for (unsigned code = 0; code < 16; ++code) {
            int next = index + kImaIndexAdjust[code];
            next = next < 0 ? 0 : next > kImaMaxStepIndex ? kImaMaxStepIndex : next;
            t.nextIndex[static_cast<std::size_t>(index)][code] = static_cast<std::uint8_t>(next);
        }
    }
    return t;
}

inline constexpr ImaDecodeTables kImaDecodeTables = MakeImaDecodeTables();

// Microsoft ADPCM: the factor (in 1/256) by which the delta adapts after each 4-bit code.
inline constexpr std::array<std::uint16_t, 16> kMsAdaptation{
    230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230};

inline constexpr unsigned kMsMinimumDelta = 16;

}  // namespace tonvexa::adpcm
