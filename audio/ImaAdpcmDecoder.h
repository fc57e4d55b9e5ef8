#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

#include "audio/AdpcmTables.h"
#include "audio/WavFormat.h"

namespace tonvexa {

// The format of an IMA ADPCM file as the decoder needs it: the "fmt " record and the
// samples per block of its extension.
struct ImaAdpcmFormat {
    WavFormatRecord record;
    std::uint16_t samplesPerBlock = 0;
};

// The running state of one IMA ADPCM channel.
struct ImaChannelState {
    std::int32_t sample = 0;
    std::int32_t stepIndex = 0;
};

// Decodes one 4-bit code. The difference is the sum of the step's shifted parts (not a
// product), because that is what IMA encoders assume when they pick their codes.
inline std::int16_t ImaExpandNibble(ImaChannelState& state, unsigned code) {
    const auto& tables = adpcm::kImaDecodeTables;
    const auto index = static_cast<std::size_t>(state.stepIndex);
    std::int32_t difference = tables.difference[index][code & 7];
    // A mask rather than a branch: the codes of real audio are close to random.
    const std::int32_t negative = -static_cast<std::int32_t>((code >> 3) & 1);
    difference = (difference ^ negative) - negative;
    state.sample = std::clamp(state.sample + difference, -32768, 32767);
    state.stepIndex = tables.nextIndex[index][code & 15];
    return static_cast<std::int16_t>(state.sample);
}

// IMA (DVI) ADPCM in Microsoft's WAVE packing, one or two channels.
class ImaAdpcmDecoder {
public:
    ImaAdpcmDecoder() = default;
    virtual ~ImaAdpcmDecoder() = default;

    // Keeps the format when the decoder can decode it: one or two channels, and a block
    // align and samples per block that describe the same whole number of 4-byte groups per
    // channel. Anything else would make a block read or write past its buffers.
    [[nodiscard]] bool SetFormat(const ImaAdpcmFormat& format);
    [[nodiscard]] static bool IsDecodable(const ImaAdpcmFormat& format);

    // The format kept by SetFormat, if any.
    const std::optional<ImaAdpcmFormat>& format() const { return format_; }

    // Decodes one block of blockAlign bytes into channels x samplesPerBlock samples,
    // interleaved. Only the output array is written: each code becomes its sample directly.
    bool DecodeBlock(const std::uint8_t* block, std::int16_t* out) const;

private:
    std::optional<ImaAdpcmFormat> format_;
};

}  // namespace tonvexa
