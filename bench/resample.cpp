// Throughput of the resampler against libswresample on the same input, stereo 16-bit, in the
// 1152-frame blocks the conversions use. Not a test: it prints figures.
//
// "Equal tap count": ours sums 32 input samples per output sample (33 for whole-number
// ratios); libswresample is asked for filter_size 32. For 48000 to 44100 libswresample
// stretches its filter by the cut-off (filter_size / (0.97 x 44100 / 48000), rounded up: 36
// taps), so a second row gives it filter_size 28, which comes out at 32 taps there as well.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <vector>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include "engine/Resampler.h"

namespace {

// Processor time of this thread: the machine may be shared, and waiting is not work.
double Now() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}
constexpr int kBlock = 1152;
constexpr int kSeconds = 180;
constexpr int kPasses = 3;

struct Planar {
    std::vector<std::int16_t> left, right;
};

// Noise-like programme: a random walk with some tone, well inside full scale.
Planar MakeInput(int rate) {
    Planar p;
    const std::size_t n = static_cast<std::size_t>(rate) * kSeconds;
    p.left.resize(n);
    p.right.resize(n);
    std::uint32_t s = 12345;
    int a = 0, b = 0;
    for (std::size_t i = 0; i < n; ++i) {
        s = s * 1664525u + 1013904223u;
        a = std::clamp(a + static_cast<int>(s >> 20) - 2048, -20000, 20000);
        b = std::clamp(b + static_cast<int>((s >> 8) & 0xFFF) - 2048, -20000, 20000);
        p.left[i] = static_cast<std::int16_t>(a);
        p.right[i] = static_cast<std::int16_t>(b);
    }
    return p;
}

double Ours(const Planar& in, int inRate, int outRate, std::size_t& produced) {
    double best = 1e30;
    for (int pass = 0; pass < kPasses; ++pass) {
        tonvexa::Resampler r;
        r.SetInputFormat({2, inRate, 16});
        r.SetOutputFormat({2, outRate, 16});
        if (!r.Init()) return -1;
        std::vector<std::int16_t> o1(r.OutputCapacity(kBlock)), o2(o1.size());
        produced = 0;
        const double start = Now();
        for (std::size_t pos = 0; pos < in.left.size(); pos += kBlock) {
            const auto n =
                static_cast<std::int32_t>(std::min<std::size_t>(kBlock, in.left.size() - pos));
            std::int32_t m = 0;
            if (!r.Process(in.left.data() + pos, in.right.data() + pos, n, o1.data(), o2.data(), m))
                return -1;
            produced += static_cast<std::size_t>(m);
        }
        best = std::min(best, Now() - start);
    }
    return best;
}

double Swr(const Planar& in, int inRate, int outRate, int filterSize, std::size_t& produced) {
    double best = 1e30;
    for (int pass = 0; pass < kPasses; ++pass) {
        SwrContext* swr = nullptr;
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        if (swr_alloc_set_opts2(&swr, &stereo, AV_SAMPLE_FMT_S16P, outRate, &stereo,
                                AV_SAMPLE_FMT_S16P, inRate, 0, nullptr) < 0)
            return -1;
        av_opt_set_int(swr, "filter_size", filterSize, 0);
        av_opt_set_int(swr, "phase_shift", 8, 0);  // 256 phases: the exact 160 or 147 are used
        av_opt_set_int(swr, "linear_interp", 0, 0);
        av_opt_set_int(swr, "exact_rational", 1, 0);
        if (swr_init(swr) < 0) {
            swr_free(&swr);
            return -1;
        }
        const int capacity = static_cast<int>(swr_get_out_samples(swr, kBlock)) + 64;
        std::vector<std::int16_t> o1(static_cast<std::size_t>(capacity)), o2(o1.size());
        produced = 0;
        const double start = Now();
        for (std::size_t pos = 0; pos < in.left.size(); pos += kBlock) {
            const int n = static_cast<int>(std::min<std::size_t>(kBlock, in.left.size() - pos));
            const std::uint8_t* src[2] = {
                reinterpret_cast<const std::uint8_t*>(in.left.data() + pos),
                reinterpret_cast<const std::uint8_t*>(in.right.data() + pos)};
            std::uint8_t* dst[2] = {reinterpret_cast<std::uint8_t*>(o1.data()),
                                    reinterpret_cast<std::uint8_t*>(o2.data())};
            const int m = swr_convert(swr, dst, capacity, src, n);
            if (m < 0) {
                swr_free(&swr);
                return -1;
            }
            produced += static_cast<std::size_t>(m);
        }
        best = std::min(best, Now() - start);
        swr_free(&swr);
    }
    return best;
}

void Row(const char* name, double seconds, std::size_t inFrames, std::size_t outFrames,
         int inRate) {
    std::printf("  %-34s %8.3f s  %12.0f frames/s  %7.1fx real time  (%zu frames out)\n", name,
                seconds, static_cast<double>(inFrames) / seconds,
                static_cast<double>(inFrames) / inRate / seconds, outFrames);
}

}  // namespace

int main() {
    std::printf(
        "resample: %d s of stereo 16-bit input per rate, %d-frame blocks, best of %d passes"
        " (thread processor time)\n",
        kSeconds, kBlock, kPasses);
    struct Pair {
        int in, out;
        int equalTapFilterSize;  // libswresample's filter_size that gives 32 taps here
    };
    for (const Pair& p : {Pair{44100, 48000, 32}, Pair{48000, 44100, 28}}) {
        const Planar input = MakeInput(p.in);
        const std::size_t frames = input.left.size();
        std::printf("%d Hz to %d Hz (frames/s count input frames)\n", p.in, p.out);
        std::size_t oursOut = 0, swrOut = 0, swrEqOut = 0;
        const double ours = Ours(input, p.in, p.out, oursOut);
        const double swr = Swr(input, p.in, p.out, 32, swrOut);
        Row("tonvexa Resampler (32 taps)", ours, frames, oursOut, p.in);
        Row("libswresample filter_size 32", swr, frames, swrOut, p.in);
        std::printf("  ratio ours/libswresample (filter_size 32): %.2f\n", swr / ours);
        if (p.equalTapFilterSize != 32) {
            const double swrEq = Swr(input, p.in, p.out, p.equalTapFilterSize, swrEqOut);
            Row("libswresample filter_size 28 (32 taps)", swrEq, frames, swrEqOut, p.in);
            std::printf("  ratio ours/libswresample (32 taps each): %.2f\n", swrEq / ours);
        }
    }
    return 0;
}
