#pragma once

#include <cstdint>

namespace tonvexa {

// Channels, sample rate and sample width of a PCM stream; -1 marks a value not yet set.
struct PcmFormat {
    std::int32_t channels = -1;
    std::int32_t sampleRate = -1;  // Hz
    std::int32_t bitsPerSample = -1;

    friend bool operator==(const PcmFormat&, const PcmFormat&) = default;
};

}  // namespace tonvexa
