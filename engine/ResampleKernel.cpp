#include "engine/ResampleKernel.h"

#include <algorithm>
#include <type_traits>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TONVEXA_HAVE_SSE2 1
#endif
#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
#include <immintrin.h>
#define TONVEXA_HAVE_AVX2 1
#endif

namespace tonvexa::resample {

namespace {

inline std::int16_t ToSample(double sum) {
    // Near full scale the kernel's negative lobes can overshoot; clip rather than wrap.
    return static_cast<std::int16_t>(std::clamp(sum, -32768.0, 32767.0));
}

// The loops below know the table length at compile time (32 or 40 weights), so they unroll
// completely; anything else takes the general loop.
template <std::size_t Stride>
struct Length {
    static constexpr std::size_t value = Stride;
};
struct AnyLength {};

template <class L>
inline std::size_t LengthOf(L, std::size_t stride) {
    if constexpr (std::is_same_v<L, AnyLength>)
        return stride;
    else
        return L::value;
}

template <class L>
inline double PortableDot(L length, const double* w, const double* x, std::size_t runtimeStride) {
    double l[kLanes] = {};
    const std::size_t stride = LengthOf(length, runtimeStride);
    for (std::size_t j = 0; j < stride; ++j) l[j % kLanes] += w[j] * x[j];
    const double v0 = l[0] + l[4], v1 = l[1] + l[5], v2 = l[2] + l[6], v3 = l[3] + l[7];
    return (v0 + v1) + (v2 + v3);
}

template <class L>
void PortableRun(L length, const double* tables, std::size_t stride, const FilterStep* steps,
                 std::size_t count, const double* input1, const double* input2,
                 std::int16_t* output1, std::int16_t* output2) {
    for (std::size_t i = 0; i < count; ++i) {
        const double* w = tables + steps[i].tableStart;
        output1[i] = ToSample(PortableDot(length, w, input1 + steps[i].inputStart, stride));
        if (input2)
            output2[i] = ToSample(PortableDot(length, w, input2 + steps[i].inputStart, stride));
    }
}

#ifdef TONVEXA_HAVE_SSE2
// Lanes 0 to 7 in four registers of two.
inline double Sse2Finish(__m128d a01, __m128d a23, __m128d a45, __m128d a67) {
    const __m128d v01 = _mm_add_pd(a01, a45);
    const __m128d v23 = _mm_add_pd(a23, a67);
    const __m128d h01 = _mm_add_sd(v01, _mm_unpackhi_pd(v01, v01));
    const __m128d h23 = _mm_add_sd(v23, _mm_unpackhi_pd(v23, v23));
    return _mm_cvtsd_f64(_mm_add_sd(h01, h23));
}

struct Sse2Acc {
    __m128d a[4] = {_mm_setzero_pd(), _mm_setzero_pd(), _mm_setzero_pd(), _mm_setzero_pd()};
};

template <class L>
void Sse2Run(L length, const double* tables, std::size_t runtimeStride, const FilterStep* steps,
             std::size_t count, const double* input1, const double* input2, std::int16_t* output1,
             std::int16_t* output2) {
    const std::size_t stride = LengthOf(length, runtimeStride);
    for (std::size_t i = 0; i < count; ++i) {
        const double* w = tables + steps[i].tableStart;
        const double* x = input1 + steps[i].inputStart;
        Sse2Acc a;
        if (input2) {
            const double* y = input2 + steps[i].inputStart;
            Sse2Acc b;
            for (std::size_t j = 0; j < stride; j += 2) {
                const std::size_t r = (j / 2) % 4;
                const __m128d wj = _mm_loadu_pd(w + j);
                a.a[r] = _mm_add_pd(a.a[r], _mm_mul_pd(wj, _mm_loadu_pd(x + j)));
                b.a[r] = _mm_add_pd(b.a[r], _mm_mul_pd(wj, _mm_loadu_pd(y + j)));
            }
            output2[i] = ToSample(Sse2Finish(b.a[0], b.a[1], b.a[2], b.a[3]));
        } else {
            for (std::size_t j = 0; j < stride; j += 2) {
                const std::size_t r = (j / 2) % 4;
                a.a[r] = _mm_add_pd(a.a[r], _mm_mul_pd(_mm_loadu_pd(w + j), _mm_loadu_pd(x + j)));
            }
        }
        output1[i] = ToSample(Sse2Finish(a.a[0], a.a[1], a.a[2], a.a[3]));
    }
}
#endif

#ifdef TONVEXA_HAVE_AVX2
#define TONVEXA_AVX2 __attribute__((target("avx2,fma")))
#define TONVEXA_AVX512 __attribute__((target("avx512f,avx2,fma")))

// The products are exact, so a fused multiply-add rounds exactly as a multiply and an add do.
// Each dot product comes back as (l0 + l4, l1 + l5, l2 + l6, l3 + l7).
template <class L>
TONVEXA_AVX2 inline __m256d Avx2Dot(L length, const double* w, const double* x,
                                    std::size_t runtimeStride) {
    const std::size_t stride = LengthOf(length, runtimeStride);
    __m256d a0 = _mm256_setzero_pd(), a1 = _mm256_setzero_pd();
    std::size_t j = 0;
    for (; j + 8 <= stride; j += 8) {
        a0 = _mm256_fmadd_pd(_mm256_loadu_pd(w + j), _mm256_loadu_pd(x + j), a0);
        a1 = _mm256_fmadd_pd(_mm256_loadu_pd(w + j + 4), _mm256_loadu_pd(x + j + 4), a1);
    }
    if (j < stride) a0 = _mm256_fmadd_pd(_mm256_loadu_pd(w + j), _mm256_loadu_pd(x + j), a0);
    return _mm256_add_pd(a0, a1);
}

// GCC 12's AVX-512 headers fill unused result lanes from an "undefined" value, which its own
// flow analysis then reports as maybe uninitialised; nothing here reads such a lane.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

// One register holds all eight lanes; the tables start on 64-byte boundaries.
template <class L>
TONVEXA_AVX512 inline __m512d Avx512Dot(L length, const double* w, const double* x,
                                        std::size_t runtimeStride) {
    const std::size_t stride = LengthOf(length, runtimeStride);
    __m512d a = _mm512_setzero_pd();
    for (std::size_t j = 0; j < stride; j += 8)
        a = _mm512_fmadd_pd(_mm512_load_pd(w + j), _mm512_loadu_pd(x + j), a);
    return a;
}

// l0 + l4, ..., l3 + l7 of one accumulator.
TONVEXA_AVX512 inline __m256d Avx512Fold(__m512d a) {
    return _mm256_add_pd(_mm512_maskz_extractf64x4_pd(0xFF, a, 0),
                         _mm512_maskz_extractf64x4_pd(0xFF, a, 1));
}

// Four accumulators to four samples, with the additions of the one-sum path in the same
// order: v = lanes 0-3 + lanes 4-7, then (v0 + v1) + (v2 + v3).
TONVEXA_AVX512 inline void Avx512Finish4(__m512d a, __m512d b, __m512d c, __m512d d,
                                         std::int16_t* out) {
    const __m512d vab =
        _mm512_add_pd(_mm512_shuffle_f64x2(a, b, 0x44), _mm512_shuffle_f64x2(a, b, 0xEE));
    const __m512d vcd =
        _mm512_add_pd(_mm512_shuffle_f64x2(c, d, 0x44), _mm512_shuffle_f64x2(c, d, 0xEE));
    // Per 128-bit block: (a0+a1, c0+c1), (a2+a3, c2+c3), (b0+b1, d0+d1), (b2+b3, d2+d3).
    const __m512d pairs = _mm512_add_pd(_mm512_unpacklo_pd(vab, vcd), _mm512_unpackhi_pd(vab, vcd));
    const __m512d sums = _mm512_add_pd(pairs, _mm512_shuffle_f64x2(pairs, pairs, 0xB1));
    const __m512d ordered = _mm512_permutexvar_pd(_mm512_set_epi64(7, 6, 3, 2, 5, 1, 4, 0), sums);
    __m256d sum = _mm512_maskz_extractf64x4_pd(0xFF, ordered, 0);
    sum = _mm256_min_pd(_mm256_max_pd(sum, _mm256_set1_pd(-32768.0)), _mm256_set1_pd(32767.0));
    const __m128i whole = _mm256_cvttpd_epi32(sum);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packs_epi32(whole, whole));
}

// (v0 + v1) + (v2 + v3) for one sum.
TONVEXA_AVX2 inline std::int16_t Avx2Finish(__m256d v) {
    const __m128d v01 = _mm256_castpd256_pd128(v);
    const __m128d v23 = _mm256_extractf128_pd(v, 1);
    const __m128d h01 = _mm_add_sd(v01, _mm_unpackhi_pd(v01, v01));
    const __m128d h23 = _mm_add_sd(v23, _mm_unpackhi_pd(v23, v23));
    return ToSample(_mm_cvtsd_f64(_mm_add_sd(h01, h23)));
}

// The same for four sums at once, saturated, truncated and stored as four samples.
TONVEXA_AVX2 inline void Avx2Finish4(__m256d a, __m256d b, __m256d c, __m256d d,
                                     std::int16_t* out) {
    const __m256d h1 = _mm256_hadd_pd(a, b);  // a0+a1, b0+b1, a2+a3, b2+b3
    const __m256d h2 = _mm256_hadd_pd(c, d);
    __m256d sum =
        _mm256_add_pd(_mm256_permute2f128_pd(h1, h2, 0x20), _mm256_permute2f128_pd(h1, h2, 0x31));
    sum = _mm256_min_pd(_mm256_max_pd(sum, _mm256_set1_pd(-32768.0)), _mm256_set1_pd(32767.0));
    const __m128i whole = _mm256_cvttpd_epi32(sum);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packs_epi32(whole, whole));
}

// Runs the outputs four at a time so that the final additions and conversions are shared.
#define TONVEXA_WIDE_RUN(Name, Dot, Target)                                                       \
    template <class L>                                                                            \
    Target void Name(L length, const double* tables, std::size_t stride, const FilterStep* steps, \
                     std::size_t count, const double* input1, const double* input2,               \
                     std::int16_t* output1, std::int16_t* output2) {                              \
        std::size_t i = 0;                                                                        \
        for (; i + 4 <= count; i += 4) {                                                          \
            const FilterStep* s = steps + i;                                                      \
            const double* w0 = tables + s[0].tableStart;                                          \
            const double* w1 = tables + s[1].tableStart;                                          \
            const double* w2 = tables + s[2].tableStart;                                          \
            const double* w3 = tables + s[3].tableStart;                                          \
            Avx2Finish4(Dot(length, w0, input1 + s[0].inputStart, stride),                        \
                        Dot(length, w1, input1 + s[1].inputStart, stride),                        \
                        Dot(length, w2, input1 + s[2].inputStart, stride),                        \
                        Dot(length, w3, input1 + s[3].inputStart, stride), output1 + i);          \
            if (input2)                                                                           \
                Avx2Finish4(Dot(length, w0, input2 + s[0].inputStart, stride),                    \
                            Dot(length, w1, input2 + s[1].inputStart, stride),                    \
                            Dot(length, w2, input2 + s[2].inputStart, stride),                    \
                            Dot(length, w3, input2 + s[3].inputStart, stride), output2 + i);      \
        }                                                                                         \
        for (; i < count; ++i) {                                                                  \
            const double* w = tables + steps[i].tableStart;                                       \
            output1[i] = Avx2Finish(Dot(length, w, input1 + steps[i].inputStart, stride));        \
            if (input2)                                                                           \
                output2[i] = Avx2Finish(Dot(length, w, input2 + steps[i].inputStart, stride));    \
        }                                                                                         \
    }

TONVEXA_WIDE_RUN(Avx2Run, Avx2Dot, TONVEXA_AVX2)
template <class L>
TONVEXA_AVX512 void Avx512Run(L length, const double* tables, std::size_t stride,
                              const FilterStep* steps, std::size_t count, const double* input1,
                              const double* input2, std::int16_t* output1, std::int16_t* output2) {
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const FilterStep* s = steps + i;
        const double* w0 = tables + s[0].tableStart;
        const double* w1 = tables + s[1].tableStart;
        const double* w2 = tables + s[2].tableStart;
        const double* w3 = tables + s[3].tableStart;
        Avx512Finish4(Avx512Dot(length, w0, input1 + s[0].inputStart, stride),
                      Avx512Dot(length, w1, input1 + s[1].inputStart, stride),
                      Avx512Dot(length, w2, input1 + s[2].inputStart, stride),
                      Avx512Dot(length, w3, input1 + s[3].inputStart, stride), output1 + i);
        if (input2)
            Avx512Finish4(Avx512Dot(length, w0, input2 + s[0].inputStart, stride),
                          Avx512Dot(length, w1, input2 + s[1].inputStart, stride),
                          Avx512Dot(length, w2, input2 + s[2].inputStart, stride),
                          Avx512Dot(length, w3, input2 + s[3].inputStart, stride), output2 + i);
    }
    for (; i < count; ++i) {
        const double* w = tables + steps[i].tableStart;
        output1[i] =
            Avx2Finish(Avx512Fold(Avx512Dot(length, w, input1 + steps[i].inputStart, stride)));
        if (input2)
            output2[i] =
                Avx2Finish(Avx512Fold(Avx512Dot(length, w, input2 + steps[i].inputStart, stride)));
    }
}

bool HasAvx2() {
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}
bool HasAvx512() {
    return HasAvx2() && __builtin_cpu_supports("avx512f");
}
#endif

// One entry point per implementation, choosing the unrolled loop for the usual lengths.
#define TONVEXA_DISPATCH(Name, Run, ...)                                                       \
    __VA_ARGS__ void Name(const double* tables, std::size_t stride, const FilterStep* steps,   \
                          std::size_t count, const double* input1, const double* input2,       \
                          std::int16_t* output1, std::int16_t* output2) {                      \
        if (stride == 32)                                                                      \
            Run(Length<32>{}, tables, stride, steps, count, input1, input2, output1, output2); \
        else if (stride == 40)                                                                 \
            Run(Length<40>{}, tables, stride, steps, count, input1, input2, output1, output2); \
        else                                                                                   \
            Run(AnyLength{}, tables, stride, steps, count, input1, input2, output1, output2);  \
    }

TONVEXA_DISPATCH(PortableFilter, PortableRun)
#ifdef TONVEXA_HAVE_SSE2
TONVEXA_DISPATCH(Sse2Filter, Sse2Run)
#endif
#ifdef TONVEXA_HAVE_AVX2
TONVEXA_DISPATCH(Avx2Filter, Avx2Run, TONVEXA_AVX2)
TONVEXA_DISPATCH(Avx512Filter, Avx512Run, TONVEXA_AVX512)
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
#endif

void PortableWiden(const std::int16_t* samples, std::size_t count, double* out) {
    for (std::size_t i = 0; i < count; ++i) out[i] = samples[i];
}

#ifdef TONVEXA_HAVE_AVX2
TONVEXA_AVX2 void Avx2Widen(const std::int16_t* samples, std::size_t count, double* out) {
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i four = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(samples + i));
        _mm256_storeu_pd(out + i, _mm256_cvtepi32_pd(_mm_cvtepi16_epi32(four)));
    }
    for (; i < count; ++i) out[i] = samples[i];
}
#endif

}  // namespace

WidenFunction BestWiden() {
#ifdef TONVEXA_HAVE_AVX2
    if (HasAvx2()) return Avx2Widen;
#endif
    return PortableWiden;
}

FilterFunction BestFilter() {
#ifdef TONVEXA_HAVE_AVX2
    if (HasAvx512()) return Avx512Filter;
    if (HasAvx2()) return Avx2Filter;
#endif
#ifdef TONVEXA_HAVE_SSE2
    return Sse2Filter;
#else
    return PortableFilter;
#endif
}

std::size_t AvailableFilters(NamedFilter* out, std::size_t capacity) {
    std::size_t n = 0;
    auto add = [&](const char* name, FilterFunction f) {
        if (n < capacity) out[n] = {name, f};
        ++n;
    };
    add("portable", PortableFilter);
#ifdef TONVEXA_HAVE_SSE2
    add("sse2", Sse2Filter);
#endif
#ifdef TONVEXA_HAVE_AVX2
    if (HasAvx2()) add("avx2", Avx2Filter);
    if (HasAvx512()) add("avx512", Avx512Filter);
#endif
    return std::min(n, capacity);
}

}  // namespace tonvexa::resample
