#include "engine/ResampleKernel.h"

#include <algorithm>

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

inline double PortableDot(const double* w, const double* x, std::size_t stride) {
    double l0 = 0.0, l1 = 0.0, l2 = 0.0, l3 = 0.0;
    for (std::size_t j = 0; j < stride; j += kLanes) {
        l0 += w[j] * x[j];
        l1 += w[j + 1] * x[j + 1];
        l2 += w[j + 2] * x[j + 2];
        l3 += w[j + 3] * x[j + 3];
    }
    return (l0 + l1) + (l2 + l3);
}

void PortableFilter(const double* tables, std::size_t stride, const FilterStep* steps,
                    std::size_t count, const double* input1, const double* input2,
                    std::int16_t* output1, std::int16_t* output2) {
    for (std::size_t i = 0; i < count; ++i) {
        const double* w = tables + steps[i].tableStart;
        output1[i] = ToSample(PortableDot(w, input1 + steps[i].inputStart, stride));
        if (input2) output2[i] = ToSample(PortableDot(w, input2 + steps[i].inputStart, stride));
    }
}

#ifdef TONVEXA_HAVE_SSE2
// Lanes 0 and 1 in one register, 2 and 3 in the other.
inline double Sse2Finish(__m128d a01, __m128d a23) {
    const __m128d h01 = _mm_add_sd(a01, _mm_unpackhi_pd(a01, a01));
    const __m128d h23 = _mm_add_sd(a23, _mm_unpackhi_pd(a23, a23));
    return _mm_cvtsd_f64(_mm_add_sd(h01, h23));
}

void Sse2Filter(const double* tables, std::size_t stride, const FilterStep* steps,
                std::size_t count, const double* input1, const double* input2,
                std::int16_t* output1, std::int16_t* output2) {
    for (std::size_t i = 0; i < count; ++i) {
        const double* w = tables + steps[i].tableStart;
        const double* x = input1 + steps[i].inputStart;
        __m128d a01 = _mm_setzero_pd(), a23 = _mm_setzero_pd();
        if (input2) {
            const double* y = input2 + steps[i].inputStart;
            __m128d b01 = _mm_setzero_pd(), b23 = _mm_setzero_pd();
            for (std::size_t j = 0; j < stride; j += kLanes) {
                const __m128d w01 = _mm_loadu_pd(w + j), w23 = _mm_loadu_pd(w + j + 2);
                a01 = _mm_add_pd(a01, _mm_mul_pd(w01, _mm_loadu_pd(x + j)));
                a23 = _mm_add_pd(a23, _mm_mul_pd(w23, _mm_loadu_pd(x + j + 2)));
                b01 = _mm_add_pd(b01, _mm_mul_pd(w01, _mm_loadu_pd(y + j)));
                b23 = _mm_add_pd(b23, _mm_mul_pd(w23, _mm_loadu_pd(y + j + 2)));
            }
            output2[i] = ToSample(Sse2Finish(b01, b23));
        } else {
            for (std::size_t j = 0; j < stride; j += kLanes) {
                a01 = _mm_add_pd(a01, _mm_mul_pd(_mm_loadu_pd(w + j), _mm_loadu_pd(x + j)));
                a23 = _mm_add_pd(a23, _mm_mul_pd(_mm_loadu_pd(w + j + 2), _mm_loadu_pd(x + j + 2)));
            }
        }
        output1[i] = ToSample(Sse2Finish(a01, a23));
    }
}
#endif

#ifdef TONVEXA_HAVE_AVX2
// The product is exact, so the fused multiply-add rounds exactly as a multiply and an add do.
__attribute__((target("avx2,fma"))) inline double AvxFinish(__m256d acc) {
    const __m128d a01 = _mm256_castpd256_pd128(acc);
    const __m128d a23 = _mm256_extractf128_pd(acc, 1);
    const __m128d h01 = _mm_add_sd(a01, _mm_unpackhi_pd(a01, a01));
    const __m128d h23 = _mm_add_sd(a23, _mm_unpackhi_pd(a23, a23));
    return _mm_cvtsd_f64(_mm_add_sd(h01, h23));
}

__attribute__((target("avx2,fma"))) void AvxFilter(const double* tables, std::size_t stride,
                                                   const FilterStep* steps, std::size_t count,
                                                   const double* input1, const double* input2,
                                                   std::int16_t* output1, std::int16_t* output2) {
    for (std::size_t i = 0; i < count; ++i) {
        const double* w = tables + steps[i].tableStart;
        const double* x = input1 + steps[i].inputStart;
        __m256d a = _mm256_setzero_pd();
        if (input2) {
            const double* y = input2 + steps[i].inputStart;
            __m256d b = _mm256_setzero_pd();
            for (std::size_t j = 0; j < stride; j += kLanes) {
                const __m256d wj = _mm256_loadu_pd(w + j);
                a = _mm256_fmadd_pd(wj, _mm256_loadu_pd(x + j), a);
                b = _mm256_fmadd_pd(wj, _mm256_loadu_pd(y + j), b);
            }
            output2[i] = ToSample(AvxFinish(b));
        } else {
            for (std::size_t j = 0; j < stride; j += kLanes)
                a = _mm256_fmadd_pd(_mm256_loadu_pd(w + j), _mm256_loadu_pd(x + j), a);
        }
        output1[i] = ToSample(AvxFinish(a));
    }
}

bool HasAvx2() { return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma"); }
#endif

}  // namespace

FilterFunction BestFilter() {
#ifdef TONVEXA_HAVE_AVX2
    if (HasAvx2()) return AvxFilter;
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
    if (HasAvx2()) add("avx2", AvxFilter);
#endif
    return std::min(n, capacity);
}

}  // namespace tonvexa::resample
