#include "engine/Resampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <type_traits>

namespace tonvexa {

namespace {

bool ValidFormat(const PcmFormat& f) {
    return (f.channels == 1 || f.channels == 2) && f.sampleRate > 0 &&
           (f.bitsPerSample == 8 || f.bitsPerSample == 16);
}

std::int32_t Gcd(std::int32_t a, std::int32_t b) { return b == 0 ? a : Gcd(b, a % b); }

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

Resampler::~Resampler() { Reset(); }

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
    tables_ = {};
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
    if (tables_.empty() || k < 0 || k > 2 * upFactor_) return nullptr;
    return tables_.data() + static_cast<std::size_t>(k) * stride_;
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
    stride_ = (taps + resample::kLanes - 1) / resample::kLanes * resample::kLanes;

    BuildTables();
    for (auto& h : history_) h.assign(taps, 0);
    phaseNumerator_ = 0;
    filter_ = resample::BestFilter();
    ready_ = true;
    return true;
}

void Resampler::BuildTables() {
    constexpr double pi = std::numbers::pi;
    const int L = upFactor_;
    const int N = tapCount_;
    const double c = cutoff_;
    tables_.assign(static_cast<std::size_t>(2 * L + 1) * stride_, 0.0);
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
        double* table = tables_.data() + static_cast<std::size_t>(k) * stride_;
        for (int j = 0; j <= N; ++j)
            table[j] = static_cast<float>(h[static_cast<std::size_t>(j)] / sum);
    }
}

// Lays out where every output sample of this block reads its taps and weights, stopping at
// the first one that would need input beyond the block or when the output is full. Returns
// how many there are.
std::size_t Resampler::FilterPositions(std::int32_t n) {
    const std::int64_t L = upFactor_;
    const std::int64_t reach = tapCount_ - half_;
    const std::int64_t B = phaseDenominator_;
    // With an even tap count the kernel is centred on an input sample, otherwise between two.
    // Centring on the nearest sample keeps the fraction within half a sample, and with it the
    // table index within the 2L + 1 tables, also for ratios just off a whole number.
    const bool evenTaps = tapCount_ % 2 == 0;
    const std::size_t capacity = OutputCapacity(n);
    const std::int64_t historyLength = static_cast<std::int64_t>(tapCount_) + 1;

    steps_.clear();
    steps_.reserve(capacity);
    for (std::size_t i = 0; i < capacity; ++i) {
        // The position p = i x ratio - offset, as a numerator over B.
        const std::int64_t p = static_cast<std::int64_t>(i) * inputStep_ - phaseNumerator_;
        std::int64_t base, k;
        if (evenTaps) {
            base = FloorDiv(2 * p + B, 2 * B);  // floor(p + 0.5)
            const std::int64_t r = p - base * B;  // d = r / B, within [-1/2, 1/2)
            k = FloorDiv(4 * L * r + 2 * L * B + B, 2 * B);  // floor(2L d + L + 0.5)
        } else {
            base = FloorDiv(p, B);
            const std::int64_t r = p - base * B;  // d = r / B - 1/2
            k = FloorDiv(4 * L * r + B, 2 * B);
        }
        if (base + reach >= n) break;
        k = std::clamp<std::int64_t>(k, 0, 2 * L);
        steps_.push_back({static_cast<std::int32_t>(base - half_ + historyLength),
                          static_cast<std::int32_t>(static_cast<std::size_t>(k) * stride_)});
    }
    return steps_.size();
}

void Resampler::UpdateHistory(int channel, const std::int16_t* input, std::int64_t consumed) {
    // The new history is the last N + 1 samples of (old history, consumed input).
    auto& history = history_[static_cast<std::size_t>(channel)];
    const auto length = static_cast<std::int64_t>(history.size());
    std::vector<std::int16_t> next(history.size());
    for (std::int64_t i = 0; i < length; ++i) {
        const std::int64_t pos = consumed + i;  // in the joined sequence
        next[static_cast<std::size_t>(i)] =
            pos < length ? history[static_cast<std::size_t>(pos)]
                         : input[static_cast<std::size_t>(pos - length)];
    }
    history.swap(next);
}

bool Resampler::Process(const void* input1, const void* input2, std::int32_t inputFrames,
                        void* output1, void* output2, std::int32_t& outputFrames) {
    outputFrames = 0;
    if (!ready_ || inputFrames < 0 || !input1 || !output1) return false;
    if ((input_.channels == 2 && !input2) || (output_.channels == 2 && !output2)) return false;
    if (inputFrames == 0) return true;
    const std::size_t n = static_cast<std::size_t>(inputFrames);

    if (!Resampling()) {
        if (input_.bitsPerSample == 16)
            EmitTo(static_cast<const std::int16_t*>(input1), static_cast<const std::int16_t*>(input2),
                   input_, output_, n, output1, output2);
        else
            EmitTo(static_cast<const std::uint8_t*>(input1), static_cast<const std::uint8_t*>(input2),
                   input_, output_, n, output1, output2);
        outputFrames = inputFrames;
        return true;
    }

    const std::int16_t* in[2] = {static_cast<const std::int16_t*>(input1),
                                 static_cast<const std::int16_t*>(input2)};
    const std::size_t m = FilterPositions(inputFrames);
    const std::size_t historyLength = history_[0].size();
    const int channels = input_.channels;
    for (int c = 0; c < channels; ++c) {
        // History, then the block, then zeros for the lanes past the last tap.
        auto& window = window_[static_cast<std::size_t>(c)];
        window.resize(historyLength + n + stride_);
        const auto& history = history_[static_cast<std::size_t>(c)];
        std::copy(history.begin(), history.end(), window.begin());
        std::copy(in[c], in[c] + n, window.begin() + static_cast<std::ptrdiff_t>(historyLength));
        std::fill(window.begin() + static_cast<std::ptrdiff_t>(historyLength + n), window.end(), 0.0);
        filtered_[static_cast<std::size_t>(c)].resize(std::max<std::size_t>(m, 1));
    }
    filter_(tables_.data(), stride_, steps_.data(), m, window_[0].data(),
            channels == 2 ? window_[1].data() : nullptr, filtered_[0].data(),
            channels == 2 ? filtered_[1].data() : nullptr);

    // The whole block is always consumed. Outputs that did not fit the caller's buffers
    // (only possible for very short blocks) come first in the next call: their positions,
    // like the next block's first output, lie before that block's start, where the history
    // holds the input they need. The offset places them right; it may be negative.
    const auto consumed = static_cast<std::int64_t>(n);
    phaseNumerator_ += consumed * phaseDenominator_ - static_cast<std::int64_t>(m) * inputStep_;
    for (int c = 0; c < channels; ++c) UpdateHistory(c, in[c], consumed);

    EmitTo(filtered_[0].data(), channels == 2 ? filtered_[1].data() : nullptr, input_, output_, m,
           output1, output2);
    outputFrames = static_cast<std::int32_t>(m);
    return true;
}

}  // namespace tonvexa
