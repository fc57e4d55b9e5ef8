#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "audio/AdpcmTables.h"
#include "audio/WavFormat.h"

namespace tonvexa {

// One predictor of a Microsoft ADPCM file: the weights (in 1/256) of the newer and the
// older previous sample.
struct MsAdpcmCoefficients {
    std::int16_t coefficient1 = 0;
    std::int16_t coefficient2 = 0;
};

// The format of a Microsoft ADPCM file as the decoder needs it: the "fmt " record, the
// samples per block and the predictors of its extension.
struct MsAdpcmFormat {
    WavFormatRecord record;
    std::uint16_t samplesPerBlock = 0;
    std::vector<MsAdpcmCoefficients> coefficients;
};

// The running state of one Microsoft ADPCM channel.
struct MsChannelState {
    std::int32_t coefficient1 = 0;
    std::int32_t coefficient2 = 0;
    std::uint16_t delta = 0;
    std::int16_t sample1 = 0;  // the newer
    std::int16_t sample2 = 0;  // the older
};

// Decodes one 4-bit code. The delta stays an unsigned 16-bit value, as the format stores it.
inline std::int16_t MsExpandNibble(MsChannelState& state, unsigned code) {
    const std::int32_t signedCode =
        code >= 8 ? static_cast<std::int32_t>(code) - 16 : static_cast<std::int32_t>(code);
    // Samples and weights are both 16-bit, so the sum needs more than 32 bits.
    const std::int64_t weighted = std::int64_t{state.sample1} * state.coefficient1 +
                                  std::int64_t{state.sample2} * state.coefficient2;
    const std::int64_t predictor = weighted / 256;
    const std::int64_t sample =
        std::clamp<std::int64_t>(predictor + std::int64_t{state.delta} * signedCode, -32768, 32767);
    const unsigned adapted = (adpcm::kMsAdaptation[code & 15] * unsigned{state.delta}) / 256;
    state.delta = static_cast<std::uint16_t>(std::max(adapted, adpcm::kMsMinimumDelta));
    state.sample2 = state.sample1;
    state.sample1 = static_cast<std::int16_t>(sample);
    return state.sample1;
}

// Microsoft ADPCM, one or two channels, with the predictors the file brings.
class MsAdpcmDecoder {
public:
    MsAdpcmDecoder() = default;
    virtual ~MsAdpcmDecoder() = default;

    // Keeps the format when the decoder can decode it: one or two channels, at least one
    // predictor, and a block align and samples per block that agree, so that no block is
    // read or written past its buffers.
    [[nodiscard]] bool SetFormat(const MsAdpcmFormat& format);
    [[nodiscard]] static bool IsDecodable(const MsAdpcmFormat& format);

    const std::optional<MsAdpcmFormat>& format() const { return format_; }

    // Decodes one block of blockAlign bytes into channels x samplesPerBlock samples,
    // interleaved, and returns the output size in bytes. Returns 0, with the output
    // undefined, when the block names a predictor the file does not have.
    int DecodeBlock(const std::uint8_t* block, std::int16_t* out) const;

private:
    std::optional<MsAdpcmFormat> format_;
};

}  // namespace tonvexa
