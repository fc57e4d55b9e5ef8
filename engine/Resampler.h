#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/PcmFormat.h"
#include "engine/ResampleKernel.h"

namespace tonvexa {

// Converts planar PCM blocks from one sample rate, channel count and sample width to another.
// Rates are converted by a polyphase windowed-sinc interpolator: each output sample is a
// weighted sum of 32 (or, for whole-number ratios, 33) input samples around its exact
// position, with weights from tables precomputed for the position's fraction quantised to
// 1/(2L) of an input sample. The recent input and the fractional position carry from one
// block to the next, so blocks of any size join without seams: consecutive blocks give the
// same output as one long block.
//
// Formats: 1 or 2 channels, 8 (unsigned, silence 128) or 16 bits (signed). The filter works
// on 16-bit input, so a rate change needs 16-bit input; the output may have either width.
class Resampler {
public:
    static constexpr int kMaxUpFactor = 320;
    static constexpr std::size_t kTableSlots = 2 * kMaxUpFactor + 1;
    // The most a rate may grow: the output of a block takes (output rate / input rate + 1)
    // x its frames, and beyond a thousandfold no real conversion exists while the buffers
    // would take gigabytes.
    static constexpr int kMaxUpRatio = 1000;

    Resampler() = default;
    virtual ~Resampler();
    Resampler(const Resampler&) = delete;
    Resampler& operator=(const Resampler&) = delete;

    // Set both formats before Init; changing one afterwards needs a new Init.
    void SetInputFormat(const PcmFormat& format);
    void SetOutputFormat(const PcmFormat& format);
    const PcmFormat& InputFormat() const { return input_; }
    const PcmFormat& OutputFormat() const { return output_; }

    // Builds the weight tables (unless the rates are equal, when only channels and width
    // change), clears the history and the phase. False for formats it cannot convert: rates
    // outside 1 Hz ... kMaxSampleRate, or an output rate more than kMaxUpRatio times the
    // input's.
    [[nodiscard]] bool Init();

    // Converts inputFrames frames from input1 (and input2 when the input has two channels)
    // into output1 (and output2 when the output has two channels), and reports the frames
    // written. The buffers hold samples of the formats' widths (std::int16_t or
    // std::uint8_t); each output buffer needs room for OutputCapacity(inputFrames) samples.
    // A block may yield fewer frames than its rate share: the filter waits for the input
    // that follows. False without a successful Init or with a missing buffer.
    [[nodiscard]] bool Process(const void* input1, const void* input2, std::int32_t inputFrames,
                               void* output1, void* output2, std::int32_t& outputFrames);

    // Back to the unset state: formats unset, tables and history freed.
    void Reset();

    // (output rate / input rate, integer division, + 1) x inputFrames.
    std::size_t OutputCapacity(std::int32_t inputFrames) const;

    // What Init derived, for the curious and the tests.
    double Ratio() const { return ratio_; }
    int UpFactor() const { return upFactor_; }
    int TapCount() const { return tapCount_; }  // N: every table has N + 1 taps
    double Cutoff() const { return cutoff_; }
    // Fractional bookkeeping in input samples between blocks (both channels share it).
    double PhaseOffset() const {
        return phaseDenominator_ ? static_cast<double>(phaseNumerator_) / phaseDenominator_ : 0.0;
    }
    // The N + 1 weights of table k (0 to 2L), or null.
    const double* PhaseTable(int k) const;

private:
    bool Resampling() const { return input_.sampleRate != output_.sampleRate; }
    void BuildTables();
    std::size_t FilterPositions(std::int32_t n);
    std::int32_t TableStart(std::int64_t u) const;
    void UpdateHistory(int channel, const std::int16_t* input, std::int64_t consumed);
    bool DirectOutput() const {
        return output_.channels == input_.channels && output_.bitsPerSample == 16;
    }

    PcmFormat input_;
    PcmFormat output_;
    bool ready_ = false;

    double ratio_ = 0.0;
    int upFactor_ = 0;
    int tapCount_ = 0;
    int half_ = 0;
    double cutoff_ = 0.0;
    // Positions are kept exactly, in units of 1/(output rate / g) input samples: one output
    // sample advances by inputStep_, and the offset is phaseNumerator_ of those units. Exact
    // arithmetic makes each output's taps and table independent of how the input was cut
    // into blocks, so that consecutive blocks give bit for bit the output of one long block.
    std::int64_t inputStep_ = 0;         // input rate / g
    std::int64_t phaseDenominator_ = 0;  // output rate / g
    std::int64_t phaseNumerator_ = 0;
    std::size_t stride_ = 0;  // table length rounded up to whole kernel lanes

    // Tables 0 to 2L, stride_ weights each; the values are single-precision numbers held as
    // doubles so that the inner loop needs no conversion.
    std::vector<double> tableStorage_;
    double* tables_ = nullptr;  // inside tableStorage_, on a kTableAlignment boundary
    // Where table k = floor((2L u + B) / 2B) starts, for every phase step u in [0, 2B).
    static constexpr std::int64_t kPhaseLookupLimit = 1 << 16;
    std::vector<std::int32_t> tableOfPhase_;
    // The last N + 1 input samples before the next block, per channel.
    std::array<std::vector<std::int16_t>, 2> history_;
    resample::FilterFunction filter_ = nullptr;
    resample::WidenFunction widen_ = nullptr;

    // Working space kept between calls so that a conversion allocates once.
    std::vector<resample::FilterStep> steps_;
    std::array<std::vector<double>, 2> window_;
    std::array<std::vector<std::int16_t>, 2> filtered_;
};

}  // namespace tonvexa
