#pragma once

#include <cstdint>

namespace tonvexa {

// The highest sample rate taken from a file, an option or a decoder. Real audio stays far
// below it (studio rates reach 768 kHz, radio receivers record their signal at 2 to 2.4
// MHz), while a rate from a damaged or hostile header can be anything up to 2^32 - 1. With
// this bound, eight channels and 64-bit samples, rate x channels x bits still fits a signed
// 32-bit integer, so no byte-rate or block arithmetic downstream can overflow.
inline constexpr std::int32_t kMaxSampleRate = 4'000'000;
static_assert(std::int64_t{kMaxSampleRate} * 8 * 64 <= INT32_MAX);

constexpr bool IsPlausibleSampleRate(std::int64_t rate) {
    return rate >= 1 && rate <= kMaxSampleRate;
}

// Channels, sample rate and sample width of a PCM stream; -1 marks a value not yet set.
struct PcmFormat {
    std::int32_t channels = -1;
    std::int32_t sampleRate = -1;  // Hz
    std::int32_t bitsPerSample = -1;

    friend bool operator==(const PcmFormat&, const PcmFormat&) = default;
};

}  // namespace tonvexa
