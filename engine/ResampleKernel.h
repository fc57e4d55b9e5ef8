#pragma once

#include <cstddef>
#include <cstdint>

// The inner loop of the resampler: weighted sums of input samples for a run of output
// samples whose positions are already known. Every implementation forms each sum in the same
// order (eight running lanes, tap j adding to lane j mod 8 in increasing j, combined as
// ((l0 + l4) + (l1 + l5)) + ((l2 + l6) + (l3 + l7))), and every product of a single-precision
// weight and a 16-bit sample is exact in double precision, so all of them give bit-identical
// results. That keeps a file's output the same whichever processor converts it.
namespace tonvexa::resample {

// Where the taps of one output sample start in the channel buffer, and where its weight
// table starts in the table block.
struct FilterStep {
    std::int32_t inputStart;
    std::int32_t tableStart;
};

// Computes count output samples for one or two channels (input2 and output2 null for one).
// stride is the table length, a multiple of kStrideMultiple; weights past the real taps are
// zero, every table starts on a kTableAlignment boundary, and every input buffer must be
// readable for stride samples from each start. Sums are truncated toward zero and saturated
// to the 16-bit range.
using FilterFunction = void (*)(const double* tables, std::size_t stride, const FilterStep* steps,
                                std::size_t count, const double* input1, const double* input2,
                                std::int16_t* output1, std::int16_t* output2);

// Converts 16-bit samples to doubles for the filter's input window; the fastest way this
// processor has.
using WidenFunction = void (*)(const std::int16_t* samples, std::size_t count, double* out);
WidenFunction BestWiden();

// The fastest implementation this processor runs.
FilterFunction BestFilter();

// Every implementation available on this build and processor, the portable one first; for
// tests that compare them.
struct NamedFilter {
    const char* name;
    FilterFunction function;
};
std::size_t AvailableFilters(NamedFilter* out, std::size_t capacity);

inline constexpr std::size_t kLanes = 8;
inline constexpr std::size_t kStrideMultiple = 8;
inline constexpr std::size_t kTableAlignment = 64;  // bytes

}  // namespace tonvexa::resample
