#include "engine/Resampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <type_traits>

namespace tonvexa {

namespace {

bool ValidFormat(const PcmFormat& f) {
    return (f.channels == 1 || f.channels == 2) && IsPlausibleSampleRate(f.sampleRate) &&
           (f.bitsPerSample == 8 || f.bitsPerSample == 16);
}

std::int32_t Gcd(std::int32_t a, std::int32_t b) {
    return b == 0 ? a : Gcd(b, a % b);
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {  // b > 0
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

double Blackman(double x) {
    constexpr double pi = std::numbers::pi;
    return 0.42 - 0.5 * std::cos(2.0 * pi * x) + 0.08 * std::cos(4.0 * pi * x);
}

template <class Out, class In>
Out ConvertWidth(In v) {
    if constexpr (std::is_same_v<In, Out>) {
        return v;
    } else if constexpr (std::is_same_v<In, std::int16_t>) {
        // The high byte, moved to unsigned with silence at 128.
        return static_cast<std::uint8_t>((v >> 8) + 128);
    } else {
        return static_cast<std::int16_t>((static_cast<int>(v) - 128) * 256);
    }
}

// Truncating average of two samples at their own width.
template <class T>
T Mix(T a, T b) {
    return static_cast<T>((static_cast<int>(a) + static_cast<int>(b)) / 2);
}

template <class In, class Out>
void Emit(const In* a, const In* b, int inChannels, int outChannels, std::size_t m, Out* out1,
          Out* out2) {
    if (inChannels == 2 && outChannels == 1) {
        for (std::size_t i = 0; i < m; ++i) out1[i] = ConvertWidth<Out>(Mix(a[i], b[i]));
        return;
    }
    const In* second = inChannels == 2 ? b : a;
    for (std::size_t i = 0; i < m; ++i) out1[i] = ConvertWidth<Out>(a[i]);
    if (outChannels == 2)
        for (std::size_t i = 0; i < m; ++i) out2[i] = ConvertWidth<Out>(second[i]);
}

template <class In>
void EmitTo(const In* a, const In* b, const PcmFormat& in, const PcmFormat& out, std::size_t m,
            void* out1, void* out2) {
    if (out.bitsPerSample == 16)
        Emit(a, b, in.channels, out.channels, m, static_cast<std::int16_t*>(out1),
             static_cast<std::int16_t*>(out2));
    else
        Emit(a, b, in.channels, out.channels, m, static_cast<std::uint8_t*>(out1),
             static_cast<std::uint8_t*>(out2));
}

}  // namespace

Resampler::~Resampler() {
    Reset();
}

void Resampler::SetInputFormat(const PcmFormat& format) {
    input_ = format;
    ready_ = false;
}

void Resampler::SetOutputFormat(const PcmFormat& format) {
    output_ = format;
    ready_ = false;
}

void Resampler::Reset() {
    input_ = PcmFormat{};
    output_ = PcmFormat{};
    ready_ = false;
    ratio_ = 0.0;
    upFactor_ = tapCount_ = half_ = 0;
    cutoff_ = 0.0;
    inputStep_ = phaseDenominator_ = phaseNumerator_ = 0;
    stride_ = 0;
    tableStorage_ = {};
    tables_ = nullptr;
    tableOfPhase_ = {};
    for (auto& h : history_) h = {};
    steps_ = {};
    for (auto& w : window_) w = {};
    for (auto& f : filtered_) f = {};
}

std::size_t Resampler::OutputCapacity(std::int32_t inputFrames) const {
    if (!ValidFormat(input_) || !ValidFormat(output_) || inputFrames <= 0) return 0;
    const auto perInput = static_cast<std::size_t>(output_.sampleRate / input_.sampleRate) + 1;
    return perInput * static_cast<std::size_t>(inputFrames);
}

const double* Resampler::PhaseTable(int k) const {
    if (!tables_ || k < 0 || k > 2 * upFactor_) return nullptr;
    return tables_ + static_cast<std::size_t>(k) * stride_;
}

bool Resampler::Init() {
    ready_ = false;
    const PcmFormat in = input_, out = output_;
    Reset();
    input_ = in;
    output_ = out;
    if (!ValidFormat(input_) || !ValidFormat(output_)) return false;
    if (!Resampling()) {
        ready_ = true;
        return true;
    }
    if (input_.bitsPerSample != 16) return false;
    if (output_.sampleRate / input_.sampleRate > kMaxUpRatio) return false;

    ratio_ = static_cast<double>(input_.sampleRate) / output_.sampleRate;
    const std::int32_t g = Gcd(input_.sampleRate, output_.sampleRate % input_.sampleRate);
    inputStep_ = input_.sampleRate / g;
    phaseDenominator_ = output_.sampleRate / g;
    upFactor_ = std::min(output_.sampleRate / g, kMaxUpFactor);
    const bool wholeRatio = std::abs(ratio_ - std::floor(ratio_ + 0.5)) < 0.0001;
    tapCount_ = 31 + (wholeRatio ? 1 : 0);
    half_ = tapCount_ / 2;
    cutoff_ = std::min(static_cast<double>(output_.sampleRate) / input_.sampleRate, 1.0);
    const std::size_t taps = static_cast<std::size_t>(tapCount_) + 1;
    stride_ = (taps + resample::kStrideMultiple - 1) / resample::kStrideMultiple *
              resample::kStrideMultiple;

    BuildTables();
    // For the usual rates the phase walk has few values: look their tables up.
    if (2 * phaseDenominator_ <= kPhaseLookupLimit) {
        std::vector<std::int32_t> lookup(static_cast<std::size_t>(2 * phaseDenominator_));
        for (std::size_t u = 0; u < lookup.size(); ++u)
            lookup[u] = TableStart(static_cast<std::int64_t>(u));
        tableOfPhase_ = std::move(lookup);
    }
    for (auto& h : history_) h.assign(taps, 0);
    phaseNumerator_ = 0;
    filter_ = resample::BestFilter();
    widen_ = resample::BestWiden();
    ready_ = true;
    return true;
}

void Resampler::BuildTables() {
    constexpr double pi = std::numbers::pi;
    const int L = upFactor_;
    const int N = tapCount_;
    const double c = cutoff_;
    constexpr std::size_t align = resample::kTableAlignment / sizeof(double);
    tableStorage_.assign(static_cast<std::size_t>(2 * L + 1) * stride_ + align, 0.0);
    const auto address = reinterpret_cast<std::uintptr_t>(tableStorage_.data());
    const std::size_t skip = (resample::kTableAlignment - address % resample::kTableAlignment) %
                             resample::kTableAlignment / sizeof(double);
    tables_ = tableStorage_.data() + skip;
    std::vector<float> h(static_cast<std::size_t>(N) + 1);
    for (int k = 0; k <= 2 * L; ++k) {
        const double f = static_cast<double>(k - L) / (2.0 * L);
        long double sum = 0.0L;
        for (int j = 0; j <= N; ++j) {
            const double x = std::clamp((j - f) / N, 0.0, 1.0);
            const double t = x - 0.5;
            double value;
            if (std::abs(t) < 1e-9) {
                value = c;
            } else {
                const double n = N * t;
                value = Blackman(x) * std::sin(pi * c * n) / (pi * n);
            }
            h[static_cast<std::size_t>(j)] = static_cast<float>(value);
            sum += h[static_cast<std::size_t>(j)];
        }
        // Each table sums to one: unity gain at zero frequency.
        double* table = tables_ + static_cast<std::size_t>(k) * stride_;
        for (int j = 0; j <= N; ++j)
            table[j] = static_cast<float>(h[static_cast<std::size_t>(j)] / sum);
    }
}

// Lays out where every output sample of this block reads its taps and weights, stopping at
// the first one that would need input beyond the block or when the output is full. Returns
// how many there are.
//
// With an odd tap count the kernel sits between two input samples: base = floor(p) and the
// fraction d = p - base - 1/2. With an even count it is centred on the nearest sample,
// base = floor(p + 1/2) and d = p - base, which keeps d within half a sample and with it the
// table index within the 2L + 1 tables, also for ratios just off a whole number (for exactly
// whole-number ratios both rules agree with plain floor(p)). Either way the table is
// k = floor(2L d + L + 1/2). The walk is done in integers: u = 2p + shift - 2B base stays
// within [0, 2B), shift being B for the even count and 0 for the odd, and k = floor((2L u +
// B) / 2B) for both.
std::size_t Resampler::FilterPositions(std::int32_t n) {
    const std::int64_t B = phaseDenominator_;
    const std::int64_t twoB = 2 * B;
    const std::int64_t reach = tapCount_ - half_;
    const std::int64_t shift = tapCount_ % 2 == 0 ? B : 0;
    const std::size_t capacity = OutputCapacity(n);
    const std::int64_t startOffset = static_cast<std::int64_t>(tapCount_) + 1 - half_;

    // Position of output 0, then the step from one output to the next (2 x inputStep_).
    std::int64_t base = FloorDiv(-2 * phaseNumerator_ + shift, twoB);
    std::int64_t u = -2 * phaseNumerator_ + shift - twoB * base;
    const std::int64_t stepWhole = (2 * inputStep_) / twoB;
    const std::int64_t stepRest = (2 * inputStep_) % twoB;

    steps_.resize(capacity);
    resample::FilterStep* out = steps_.data();
    std::size_t m = 0;
    auto advance = [&] {
        base += stepWhole;
        u += stepRest;
        const bool carry = u >= twoB;
        u -= carry ? twoB : 0;
        base += carry ? 1 : 0;
    };
    if (!tableOfPhase_.empty()) {
        const std::int32_t* lookup = tableOfPhase_.data();
        for (; m < capacity && base + reach < n; ++m) {
            out[m] = {static_cast<std::int32_t>(base + startOffset), lookup[u]};
            advance();
        }
    } else {
        for (; m < capacity && base + reach < n; ++m) {
            out[m] = {static_cast<std::int32_t>(base + startOffset), TableStart(u)};
            advance();
        }
    }
    return m;
}

std::int32_t Resampler::TableStart(std::int64_t u) const {
    const std::int64_t k = std::clamp<std::int64_t>(
        (2 * upFactor_ * u + phaseDenominator_) / (2 * phaseDenominator_), 0, 2 * upFactor_);
    return static_cast<std::int32_t>(static_cast<std::size_t>(k) * stride_);
}

void Resampler::UpdateHistory(int channel, const std::int16_t* input, std::int64_t consumed) {
    // The new history is the last N + 1 samples of (old history, consumed input).
    auto& history = history_[static_cast<std::size_t>(channel)];
    const auto length = static_cast<std::int64_t>(history.size());
    if (consumed >= length) {
        std::copy(input + (consumed - length), input + consumed, history.begin());
        return;
    }
    std::copy(history.begin() + consumed, history.end(), history.begin());
    std::copy(input, input + consumed, history.end() - consumed);
}

bool Resampler::Process(const void* input1, const void* input2, std::int32_t inputFrames,
                        void* output1, void* output2, std::int32_t& outputFrames) {
    outputFrames = 0;
    if (!ready_ || inputFrames < 0 || !input1 || !output1) return false;
    if ((input_.channels == 2 && !input2) || (output_.channels == 2 && !output2)) return false;
    if (inputFrames == 0) return true;
    const std::size_t n = static_cast<std::size_t>(inputFrames);
    // The frame count must be reportable.
    if (OutputCapacity(inputFrames) > static_cast<std::size_t>(INT32_MAX)) return false;

    if (!Resampling()) {
        if (input_.bitsPerSample == 16)
            EmitTo(static_cast<const std::int16_t*>(input1),
                   static_cast<const std::int16_t*>(input2), input_, output_, n, output1, output2);
        else
            EmitTo(static_cast<const std::uint8_t*>(input1),
                   static_cast<const std::uint8_t*>(input2), input_, output_, n, output1, output2);
        outputFrames = inputFrames;
        return true;
    }

    const std::int16_t* in[2] = {static_cast<const std::int16_t*>(input1),
                                 static_cast<const std::int16_t*>(input2)};
    const std::size_t m = FilterPositions(inputFrames);
    const std::size_t historyLength = history_[0].size();
    const int channels = input_.channels;
    // With no channel or width change to follow, the filter writes straight into the
    // caller's buffers.
    const bool direct = DirectOutput();
    std::int16_t* target[2] = {};
    for (int c = 0; c < channels; ++c) {
        const auto ch = static_cast<std::size_t>(c);
        // History, then the block, then zeros for the lanes past the last tap.
        auto& window = window_[ch];
        window.resize(historyLength + n + stride_);
        double* w = window.data();
        widen_(history_[ch].data(), historyLength, w);
        widen_(in[c], n, w + historyLength);
        std::fill(w + historyLength + n, w + historyLength + n + stride_, 0.0);
        if (direct) {
            target[c] = static_cast<std::int16_t*>(c == 0 ? output1 : output2);
        } else {
            filtered_[ch].resize(std::max<std::size_t>(m, 1));
            target[c] = filtered_[ch].data();
        }
    }
    filter_(tables_, stride_, steps_.data(), m, window_[0].data(),
            channels == 2 ? window_[1].data() : nullptr, target[0], target[1]);

    // The whole block is always consumed. Outputs that did not fit the caller's buffers
    // (only possible for very short blocks) come first in the next call: their positions,
    // like the next block's first output, lie before that block's start, where the history
    // holds the input they need. The offset places them right; it may be negative.
    const auto consumed = static_cast<std::int64_t>(n);
    phaseNumerator_ += consumed * phaseDenominator_ - static_cast<std::int64_t>(m) * inputStep_;
    for (int c = 0; c < channels; ++c) UpdateHistory(c, in[c], consumed);

    if (!direct)
        EmitTo(filtered_[0].data(), channels == 2 ? filtered_[1].data() : nullptr, input_, output_,
               m, output1, output2);
    outputFrames = static_cast<std::int32_t>(m);
    return true;
}

}  // namespace tonvexa
