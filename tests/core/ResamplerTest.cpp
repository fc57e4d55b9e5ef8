#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <memory>
#include <numbers>
#include <numeric>
#include <span>
#include <string>
#include <vector>

#include "base/PcmFormat.h"
#include "engine/Amplify.h"
#include "engine/ResampleKernel.h"
#include "engine/Resampler.h"

using namespace tonvexa;

namespace {

using Samples = std::vector<std::int16_t>;

PcmFormat Format(int channels, int rate, int bits) {
    return PcmFormat{channels, rate, bits};
}

// Noise-like test signal from a fixed linear congruential sequence.
Samples Noise(std::size_t n, std::uint32_t seed, int amplitude) {
    Samples s(n);
    std::uint32_t state = seed;
    for (auto& v : s) {
        state = state * 1664525u + 1013904223u;
        v = static_cast<std::int16_t>(static_cast<int>(state >> 16) % (2 * amplitude + 1) -
                                      amplitude);
    }
    return s;
}

Samples Sine(std::size_t n, double frequency, int rate, double amplitude) {
    Samples s(n);
    for (std::size_t i = 0; i < n; ++i)
        s[i] = static_cast<std::int16_t>(
            std::lround(amplitude * std::sin(2.0 * std::numbers::pi * frequency * i / rate)));
    return s;
}

struct Output {
    Samples first, second;
};

// Feeds the input through the resampler in blocks of the given sizes (repeated).
Output Feed(Resampler& r, const Samples& a, const Samples* b, const std::vector<int>& blocks) {
    Output out;
    std::size_t pos = 0, next = 0;
    while (pos < a.size()) {
        const auto n = static_cast<std::int32_t>(std::min<std::size_t>(
            static_cast<std::size_t>(blocks[next++ % blocks.size()]), a.size() - pos));
        const std::size_t cap = r.OutputCapacity(n);
        Samples o1(cap + 1, 0x5a5a), o2(cap + 1, 0x5a5a);
        std::int32_t m = -1;
        EXPECT_TRUE(
            r.Process(a.data() + pos, b ? b->data() + pos : nullptr, n, o1.data(), o2.data(), m));
        EXPECT_LE(static_cast<std::size_t>(m), cap);
        EXPECT_EQ(o1[cap], 0x5a5a) << "wrote past the promised capacity";
        out.first.insert(out.first.end(), o1.begin(), o1.begin() + m);
        out.second.insert(out.second.end(), o2.begin(), o2.begin() + m);
        pos += static_cast<std::size_t>(n);
    }
    return out;
}

// The conversion written as plainly as possible, independently of the production code:
// tables recomputed from the kernel's formula, the whole signal in one pass, samples before
// the start taken as zero, each sum accumulated tap by tap in long double.
Samples Reference(const Samples& x, int inRate, int outRate) {
    const double ratio = static_cast<double>(inRate) / outRate;
    int g = std::gcd(inRate, outRate);
    const int L = std::min(outRate / g, 320);
    const bool whole = std::abs(ratio - std::round(ratio)) < 0.0001;
    const int N = whole ? 32 : 31, half = N / 2;
    const double c = std::min(1.0, static_cast<double>(outRate) / inRate);
    const double pi = std::numbers::pi;
    std::vector<std::vector<float>> tables(2 * L + 1, std::vector<float>(N + 1));
    for (int k = 0; k <= 2 * L; ++k) {
        const double f = (k - L) / (2.0 * L);
        long double sum = 0;
        for (int j = 0; j <= N; ++j) {
            const double xx = std::clamp((j - f) / N, 0.0, 1.0), t = xx - 0.5;
            const double w = 0.42 - 0.5 * std::cos(2 * pi * xx) + 0.08 * std::cos(4 * pi * xx);
            tables[k][j] = std::abs(t) < 1e-9
                               ? static_cast<float>(c)
                               : static_cast<float>(w * std::sin(pi * c * N * t) / (pi * N * t));
            sum += tables[k][j];
        }
        for (auto& v : tables[k]) v = static_cast<float>(v / sum);
    }
    Samples out;
    const auto n = static_cast<long>(x.size());
    for (long i = 0;; ++i) {
        // p = i x ratio exactly, as a numerator over the output rate.
        const long long pn = static_cast<long long>(i) * inRate;
        const long base =
            static_cast<long>(N % 2 == 0 ? (2 * pn + outRate) / (2 * outRate) : pn / outRate);
        if (base + (N - half) >= n) break;
        const long double d =
            static_cast<long double>(pn - static_cast<long long>(base) * outRate) / outRate -
            0.5L * (N % 2);
        const int k = static_cast<int>(std::floor(2 * L * d + L + 0.5L));
        long double sum = 0;
        for (int j = 0; j <= N; ++j) {
            const long q = base - half + j;
            sum += static_cast<long double>(q < 0 ? 0 : x[q]) * tables[k][j];
        }
        out.push_back(static_cast<std::int16_t>(std::clamp<long double>(sum, -32768, 32767)));
    }
    return out;
}

// Amplitude of the component at the given frequency (cycles per sample) by a single DFT bin.
double ToneAmplitude(const Samples& s, std::size_t from, std::size_t count,
                     double cyclesPerSample) {
    std::complex<double> acc = 0;
    for (std::size_t i = 0; i < count; ++i)
        acc += static_cast<double>(s[from + i]) *
               std::polar(1.0, -2.0 * std::numbers::pi * cyclesPerSample * static_cast<double>(i));
    return 2.0 * std::abs(acc) / static_cast<double>(count);
}

double Rms(const Samples& s, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += static_cast<double>(s[from + i]) * s[from + i];
    return std::sqrt(sum / static_cast<double>(count));
}

}  // namespace

TEST(Resampler, DerivedValuesOfCommonRatePairs) {
    struct Case {
        int in, out, L, N;
        double cutoff;
    };
    for (const Case& c :
         {Case{44100, 48000, 160, 31, 1.0}, Case{48000, 44100, 147, 31, 44100.0 / 48000},
          Case{32000, 44100, 320, 31, 1.0}, Case{44100, 22050, 1, 32, 0.5},
          Case{22050, 44100, 2, 31, 1.0}, Case{96000, 6000, 1, 32, 1.0 / 16}}) {
        Resampler r;
        r.SetInputFormat(Format(2, c.in, 16));
        r.SetOutputFormat(Format(2, c.out, 16));
        ASSERT_TRUE(r.Init());
        EXPECT_EQ(r.UpFactor(), c.L) << c.in << " to " << c.out;
        EXPECT_EQ(r.TapCount(), c.N) << c.in << " to " << c.out;
        EXPECT_DOUBLE_EQ(r.Cutoff(), c.cutoff);
        for (int k = 0; k <= 2 * c.L; ++k) {
            const double* t = r.PhaseTable(k);
            ASSERT_NE(t, nullptr);
            double sum = 0;
            for (int j = 0; j <= c.N; ++j) sum += t[j];
            EXPECT_NEAR(sum, 1.0, 1e-6) << "table " << k;
        }
        EXPECT_EQ(r.PhaseTable(2 * c.L + 1), nullptr);
    }
}

TEST(Resampler, HalvingInBlocksOf1152) {
    Resampler r;
    r.SetInputFormat(Format(1, 44100, 16));
    r.SetOutputFormat(Format(1, 22050, 16));
    ASSERT_TRUE(r.Init());
    const Samples in = Noise(1152 * 4, 7, 9000);
    Samples out(r.OutputCapacity(1152));
    std::int32_t m = 0;
    ASSERT_TRUE(r.Process(in.data(), nullptr, 1152, out.data(), nullptr, m));
    EXPECT_EQ(m, 568);  // the last 16 input samples wait for the next block
    EXPECT_DOUBLE_EQ(r.PhaseOffset(), 16.0);
    for (int block = 1; block < 4; ++block) {
        ASSERT_TRUE(r.Process(in.data() + 1152 * block, nullptr, 1152, out.data(), nullptr, m));
        EXPECT_EQ(m, 576);
        EXPECT_DOUBLE_EQ(r.PhaseOffset(), 16.0);
    }
}

TEST(Resampler, FirstOutputSitsAtInputPositionZero) {
    // Doubling with the full band interpolates: every second output is an input sample.
    Resampler r;
    r.SetInputFormat(Format(1, 22050, 16));
    r.SetOutputFormat(Format(1, 44100, 16));
    ASSERT_TRUE(r.Init());
    const Samples in = Noise(3000, 3, 20000);
    const Output out = Feed(r, in, nullptr, {1152});
    ASSERT_GT(out.first.size(), 5000u);
    for (std::size_t i = 0; 2 * i < out.first.size(); ++i)
        ASSERT_NEAR(out.first[2 * i], in[i], 1) << "output " << 2 * i;
}

TEST(Resampler, MatchesAPlainImplementationOfTheFilter) {
    const std::pair<int, int> pairs[] = {{44100, 48000}, {48000, 44100}, {32000, 44100},
                                         {44100, 22050}, {22050, 44100}, {8000, 96000},
                                         {96000, 6000},  {11025, 8000}};
    for (const auto& [inRate, outRate] : pairs) {
        Resampler r;
        r.SetInputFormat(Format(1, inRate, 16));
        r.SetOutputFormat(Format(1, outRate, 16));
        ASSERT_TRUE(r.Init());
        const Samples in = Noise(static_cast<std::size_t>(inRate) / 4, 11, 16000);
        const Samples got = Feed(r, in, nullptr, {1152, 100, 7}).first;
        const Samples want = Reference(in, inRate, outRate);
        ASSERT_EQ(got.size(), want.size()) << inRate << " to " << outRate;
        std::size_t differing = 0;
        for (std::size_t i = 0; i < got.size(); ++i) {
            // The sums run in another order, which may move a truncation by one.
            ASSERT_NEAR(got[i], want[i], 1) << inRate << " to " << outRate << " at " << i;
            differing += got[i] != want[i];
        }
        EXPECT_LT(differing, got.size() / 20 + 1) << inRate << " to " << outRate;
    }
}

TEST(Resampler, OverdrivenInputSaturatesInsteadOfWrapping) {
    // A full-scale square wave overshoots at its edges.
    Samples in(8000);
    for (std::size_t i = 0; i < in.size(); ++i) in[i] = (i / 40) % 2 ? -32768 : 32767;
    Resampler r;
    r.SetInputFormat(Format(1, 44100, 16));
    r.SetOutputFormat(Format(1, 48000, 16));
    ASSERT_TRUE(r.Init());
    const Samples out = Feed(r, in, nullptr, {1152}).first;
    const Samples want = Reference(in, 44100, 48000);
    ASSERT_EQ(out.size(), want.size());
    std::size_t clipped = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        ASSERT_NEAR(out[i], want[i], 1) << i;
        clipped += out[i] == 32767 || out[i] == -32768;
    }
    EXPECT_GT(clipped, 100u);
    // Away from the edges every output keeps the sign of its half period.
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double pos = static_cast<double>(i) * 44100 / 48000;
        const double inPeriod = std::fmod(pos, 80.0);
        if (inPeriod > 17 && inPeriod < 23) {
            ASSERT_GT(out[i], 30000) << i;
        }
        if (inPeriod > 57 && inPeriod < 63) {
            ASSERT_LT(out[i], -30000) << i;
        }
    }
}

TEST(ResampleKernel, EveryImplementationGivesTheSameSums) {
    resample::NamedFilter filters[8];
    const std::size_t count = resample::AvailableFilters(filters, 8);
    ASSERT_GE(count, 1u);
    // Table lengths with unrolled loops (32, 40) and without (48), random weights and
    // full-scale inputs, varied positions; tables aligned as the kernels expect.
    for (const std::size_t stride : {32u, 40u, 48u}) {
        const std::size_t tables = 9;
        std::vector<double> storage(stride * tables + 8);
        const std::size_t skip =
            (64 - reinterpret_cast<std::uintptr_t>(storage.data()) % 64) % 64 / 8;
        std::span<double> w(storage.data() + skip, stride * tables);
        const Samples noise = Noise(w.size() + 4000, 5, 32767);
        for (std::size_t i = 0; i < w.size(); ++i)
            w[i] = static_cast<float>(noise[i] / 32768.0 * (i % stride < stride - 3 ? 0.3 : 0.0));
        std::vector<double> x1(3000), x2(3000);
        for (std::size_t i = 0; i < x1.size(); ++i) {
            x1[i] = noise[w.size() + i];
            x2[i] = noise[w.size() + 1000 + i] * (i % 3 ? 1 : -1);
        }
        std::vector<resample::FilterStep> steps;
        for (std::int32_t i = 0; i < 2900; i += 3)
            steps.push_back(
                {i, static_cast<std::int32_t>((static_cast<std::size_t>(i) % tables) * stride)});
        Samples ref1(steps.size()), ref2(steps.size()), mono(steps.size());
        filters[0].function(w.data(), stride, steps.data(), steps.size(), x1.data(), x2.data(),
                            ref1.data(), ref2.data());
        for (std::size_t f = 0; f < count; ++f) {
            Samples o1(steps.size()), o2(steps.size());
            filters[f].function(w.data(), stride, steps.data(), steps.size(), x1.data(), x2.data(),
                                o1.data(), o2.data());
            EXPECT_EQ(o1, ref1) << filters[f].name << " stride " << stride;
            EXPECT_EQ(o2, ref2) << filters[f].name << " stride " << stride;
            filters[f].function(w.data(), stride, steps.data(), steps.size(), x1.data(), nullptr,
                                mono.data(), nullptr);
            EXPECT_EQ(mono, ref1) << filters[f].name << " stride " << stride << " on one channel";
        }
        // Plain sums in long double stay within one of these.
        for (std::size_t i = 0; i < steps.size(); ++i) {
            long double sum = 0;
            for (std::size_t j = 0; j < stride; ++j)
                sum +=
                    static_cast<long double>(w[static_cast<std::size_t>(steps[i].tableStart) + j]) *
                    x1[static_cast<std::size_t>(steps[i].inputStart) + j];
            ASSERT_NEAR(ref1[i], static_cast<double>(std::clamp<long double>(sum, -32768, 32767)),
                        1.0);
        }
        // The weights are large enough that some sums leave the 16-bit range.
        EXPECT_NE(std::count(ref1.begin(), ref1.end(), 32767) +
                      std::count(ref1.begin(), ref1.end(), -32768),
                  0);
    }
}

TEST(Resampler, ChannelAndWidthConversionAtEqualRates) {
    Resampler r;
    r.SetInputFormat(Format(2, 44100, 16));
    r.SetOutputFormat(Format(1, 44100, 16));
    ASSERT_TRUE(r.Init());
    const Samples a{-3, 32767, -32768, 5, -1, 100};
    const Samples b{0, 32767, -32768, -6, 0, -101};
    Samples o(r.OutputCapacity(6));
    std::int32_t m = 0;
    ASSERT_TRUE(r.Process(a.data(), b.data(), 6, o.data(), nullptr, m));
    ASSERT_EQ(m, 6);
    EXPECT_EQ(Samples(o.begin(), o.begin() + 6), (Samples{-1, 32767, -32768, 0, 0, 0}));

    r.SetInputFormat(Format(1, 22050, 16));
    r.SetOutputFormat(Format(2, 22050, 8));
    ASSERT_TRUE(r.Init());
    const Samples c{0, 32767, -32768, -1, 255, 256};
    std::vector<std::uint8_t> u1(12), u2(12);
    ASSERT_TRUE(r.Process(c.data(), nullptr, 6, u1.data(), u2.data(), m));
    ASSERT_EQ(m, 6);
    const std::vector<std::uint8_t> expected{128, 255, 0, 127, 128, 129};
    EXPECT_EQ(std::vector<std::uint8_t>(u1.begin(), u1.begin() + 6), expected);
    EXPECT_EQ(std::vector<std::uint8_t>(u2.begin(), u2.begin() + 6), expected);

    r.SetInputFormat(Format(2, 8000, 8));
    r.SetOutputFormat(Format(2, 8000, 16));
    ASSERT_TRUE(r.Init());
    const std::vector<std::uint8_t> l{128, 255, 0}, rr{1, 2, 3};
    Samples s1(6), s2(6);
    ASSERT_TRUE(r.Process(l.data(), rr.data(), 3, s1.data(), s2.data(), m));
    ASSERT_EQ(m, 3);
    EXPECT_EQ(Samples(s1.begin(), s1.begin() + 3), (Samples{0, 32512, -32768}));
    EXPECT_EQ(Samples(s2.begin(), s2.begin() + 3), (Samples{-32512, -32256, -32000}));

    r.SetInputFormat(Format(2, 8000, 8));
    r.SetOutputFormat(Format(1, 8000, 8));
    ASSERT_TRUE(r.Init());
    std::vector<std::uint8_t> u(6);
    ASSERT_TRUE(r.Process(l.data(), rr.data(), 3, u.data(), nullptr, m));
    EXPECT_EQ(std::vector<std::uint8_t>(u.begin(), u.begin() + 3),
              (std::vector<std::uint8_t>{64, 128, 1}));
}

TEST(Resampler, ResamplingWithChannelAndWidthChange) {
    // Stereo 48000 to mono 8-bit 24000: the average of the two filtered channels, high byte.
    const Samples a = Noise(5000, 21, 12000), b = Noise(5000, 22, 12000);
    Resampler stereo;
    stereo.SetInputFormat(Format(2, 48000, 16));
    stereo.SetOutputFormat(Format(2, 24000, 16));
    ASSERT_TRUE(stereo.Init());
    const Output filtered = Feed(stereo, a, &b, {1152});

    Resampler r;
    r.SetInputFormat(Format(2, 48000, 16));
    r.SetOutputFormat(Format(1, 24000, 8));
    ASSERT_TRUE(r.Init());
    std::vector<std::uint8_t> got;
    for (std::size_t pos = 0; pos < a.size(); pos += 1000) {
        std::vector<std::uint8_t> o(r.OutputCapacity(1000));
        std::int32_t m = 0;
        ASSERT_TRUE(r.Process(a.data() + pos, b.data() + pos, 1000, o.data(), nullptr, m));
        got.insert(got.end(), o.begin(), o.begin() + m);
    }
    ASSERT_EQ(got.size(), filtered.first.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        const int mixed = (filtered.first[i] + filtered.second[i]) / 2;
        ASSERT_EQ(got[i], static_cast<std::uint8_t>((mixed >> 8) + 128)) << i;
    }
}

TEST(Resampler, RefusesWhatItCannotConvert) {
    Resampler r;
    std::int16_t in[4] = {}, out[16] = {};
    std::int32_t m = 7;
    EXPECT_FALSE(r.Process(in, in, 4, out, out, m)) << "before Init";
    EXPECT_EQ(m, 0);
    EXPECT_FALSE(r.Init()) << "formats unset";
    r.SetInputFormat(Format(2, 44100, 8));
    r.SetOutputFormat(Format(2, 48000, 8));
    EXPECT_FALSE(r.Init()) << "the filter takes 16-bit input";
    r.SetInputFormat(Format(3, 44100, 16));
    EXPECT_FALSE(r.Init());
    r.SetInputFormat(Format(2, 44100, 16));
    r.SetOutputFormat(Format(2, 48000, 24));
    EXPECT_FALSE(r.Init());
    // Rates no audio has, and a growth whose buffers would take gigabytes.
    r.SetOutputFormat(Format(2, kMaxSampleRate + 1, 16));
    EXPECT_FALSE(r.Init());
    r.SetOutputFormat(Format(2, 0x7FFFFFFF, 16));
    EXPECT_FALSE(r.Init());
    r.SetInputFormat(Format(2, 44, 16));
    r.SetOutputFormat(Format(2, 44100, 16));
    EXPECT_FALSE(r.Init());
    r.SetInputFormat(Format(2, 45, 16));
    EXPECT_TRUE(r.Init()) << "980 times";
    r.SetInputFormat(Format(2, 44100, 16));
    r.SetOutputFormat(Format(2, 48000, 16));
    ASSERT_TRUE(r.Init());
    EXPECT_FALSE(r.Process(in, nullptr, 4, out, out, m)) << "second input missing";
    EXPECT_FALSE(r.Process(in, in, 4, out, nullptr, m)) << "second output missing";
    EXPECT_TRUE(r.Process(in, in, 0, out, out, m));
    EXPECT_EQ(m, 0);
    r.Reset();
    EXPECT_EQ(r.InputFormat(), PcmFormat{});
    EXPECT_FALSE(r.Process(in, in, 4, out, out, m)) << "after Reset";
}

// Every pair of a common source rate and a rate the WAV options offer.
struct RatePair {
    int in, out;
};

class ResamplerRates : public testing::TestWithParam<RatePair> {};

TEST_P(ResamplerRates, BlocksJoinWithoutSeams) {
    const auto [inRate, outRate] = GetParam();
    const Samples a = Noise(static_cast<std::size_t>(inRate) / 5 + 77, 1, 14000);
    const Samples b = Noise(a.size(), 2, 14000);
    auto make = [&] {
        auto r = std::make_unique<Resampler>();
        r->SetInputFormat(Format(2, inRate, 16));
        r->SetOutputFormat(Format(2, outRate, 16));
        EXPECT_TRUE(r->Init());
        return r;
    };
    const Output whole = Feed(*make(), a, &b, {static_cast<int>(a.size())});
    const Output pieces =
        Feed(*make(), a, &b, {1152, 1, 2, 3, 17, 31, 32, 33, 34, 500, 1152, 4000});
    // Everything but the filter's reach at the end comes out.
    const double expected = static_cast<double>(a.size()) * outRate / inRate;
    EXPECT_NEAR(static_cast<double>(whole.first.size()), expected, 17.0 * outRate / inRate + 2);
    EXPECT_EQ(pieces.first, whole.first);
    EXPECT_EQ(pieces.second, whole.second);
}

TEST_P(ResamplerRates, SineKeepsItsLevelAndFrequency) {
    const auto [inRate, outRate] = GetParam();
    const int lower = std::min(inRate, outRate);
    // A whole number of cycles in the analysed stretch of the output.
    const std::size_t analysed = static_cast<std::size_t>(outRate) / 4;
    const double cycles = std::round(lower / 12.0 * analysed / outRate);
    const double frequency = cycles * outRate / static_cast<double>(analysed);
    const double amplitude = 20000;
    const Samples in = Sine(static_cast<std::size_t>(inRate) / 2, frequency, inRate, amplitude);
    Resampler r;
    r.SetInputFormat(Format(1, inRate, 16));
    r.SetOutputFormat(Format(1, outRate, 16));
    ASSERT_TRUE(r.Init());
    const Samples out = Feed(r, in, nullptr, {1152}).first;
    const std::size_t from = static_cast<std::size_t>(outRate) / 10;
    ASSERT_GE(out.size(), from + analysed);
    const double tone = ToneAmplitude(out, from, analysed, frequency / outRate);
    const double rms = Rms(out, from, analysed);
    // The short kernel rolls off gently below the cut-off: within 2 % at a twelfth of the
    // lower rate, even when the rate drops sixteenfold.
    EXPECT_NEAR(tone / amplitude, 1.0, 0.02) << frequency << " Hz";
    // Nearly all the energy is in that tone.
    EXPECT_NEAR(rms * std::sqrt(2.0) / tone, 1.0, 0.002);
}

std::vector<RatePair> AllRatePairs() {
    const int rates[] = {6000,  8000,  11025, 12000, 16000, 22050,
                         24000, 32000, 44100, 48000, 88200, 96000};
    std::vector<RatePair> pairs;
    for (int in : rates)
        for (int out : rates)
            if (in != out) pairs.push_back({in, out});
    return pairs;
}

INSTANTIATE_TEST_SUITE_P(WavOptionRates, ResamplerRates, testing::ValuesIn(AllRatePairs()),
                         [](const testing::TestParamInfo<RatePair>& p) {
                             return std::to_string(p.param.in) + "to" + std::to_string(p.param.out);
                         });

TEST(Amplify, FactorOfPercent) {
    EXPECT_EQ(AmplifyFactor(100), 1.0f);
    EXPECT_EQ(AmplifyFactor(50), 0.5f);
    EXPECT_EQ(AmplifyFactor(3000), 30.0f);
    // 0.01 in single precision lies just below 0.01, and at 10 % that shows.
    EXPECT_EQ(AmplifyFactor(10), std::nextafter(0.1f, 0.0f));
    Samples s{10, -10, 20};
    AmplifyPcm16(s.data(), nullptr, 3, 1, AmplifyFactor(10));
    EXPECT_EQ(s, (Samples{0, 0, 1}));
    EXPECT_FLOAT_EQ(AmplifyFactor(250), 2.5f);
}

TEST(Amplify, Pcm16TruncatesAndClipsSymmetrically) {
    Samples a{20000, -20000, 16383, -16384, 0, 32767, -32768};
    Samples b = a;
    AmplifyPcm16(a.data(), b.data(), 7, 2, 2.0f);
    EXPECT_EQ(a, (Samples{32767, -32767, 32766, -32767, 0, 32767, -32767}));
    EXPECT_EQ(b, a);
    Samples c{-3, 3, -1, 1, 32767, -32768};
    Samples untouched = c;
    AmplifyPcm16(c.data(), untouched.data(), 6, 1, 0.5f);
    EXPECT_EQ(c, (Samples{-1, 1, 0, 0, 16383, -16384}));
    EXPECT_EQ(untouched, (Samples{-3, 3, -1, 1, 32767, -32768})) << "mono leaves the second buffer";
    Samples d{1000, -1000};
    AmplifyPcm16(d.data(), nullptr, 2, 1, AmplifyFactor(110));
    EXPECT_EQ(d, (Samples{1100, -1100}));
}

TEST(Amplify, ExactlyHundredPercentKeepsEverySample) {
    Samples all(65536);
    for (int i = 0; i < 65536; ++i)
        all[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i - 32768);
    Samples scaled = all;
    AmplifyPcm16(scaled.data(), nullptr, 65536, 1, AmplifyFactor(100));
    // Only the one value outside the symmetric limit moves.
    EXPECT_EQ(scaled[0], -32767);
    EXPECT_TRUE(std::equal(scaled.begin() + 1, scaled.end(), all.begin() + 1));
    std::vector<std::uint8_t> bytes(256);
    for (int i = 0; i < 256; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    auto copy = bytes;
    AmplifyPcm8(copy.data(), nullptr, 256, 1, AmplifyFactor(100));
    EXPECT_EQ(copy, bytes);
}

TEST(Amplify, Pcm8AroundSilence) {
    std::vector<std::uint8_t> a{0, 255, 128, 129, 127}, b{0, 255, 128, 129, 127};
    AmplifyPcm8(a.data(), b.data(), 5, 2, 0.5f);
    EXPECT_EQ(a, (std::vector<std::uint8_t>{64, 191, 128, 128, 128}));
    EXPECT_EQ(b, a);
    std::vector<std::uint8_t> c{0, 255, 200, 60, 130};
    AmplifyPcm8(c.data(), nullptr, 5, 1, 3.0f);
    EXPECT_EQ(c, (std::vector<std::uint8_t>{0, 255, 255, 0, 134}));
}
