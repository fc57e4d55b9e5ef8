#include "engine/Amplify.h"

#include <algorithm>

namespace tonvexa {

float AmplifyFactor(std::int32_t percent) {
    // A 32-bit integer times a 24-bit significand is exact in double precision.
    return static_cast<float>(static_cast<double>(percent) * static_cast<double>(0.01f));
}

namespace {

void Scale16(std::int16_t* samples, std::int32_t n, double factor) {
    for (std::int32_t i = 0; i < n; ++i) {
        // Symmetric limits, so that a scaled signal clips evenly on both sides.
        const double v = std::clamp(samples[i] * factor, -32767.0, 32767.0);
        samples[i] = static_cast<std::int16_t>(v);
    }
}

void Scale8(std::uint8_t* samples, std::int32_t n, double factor) {
    for (std::int32_t i = 0; i < n; ++i) {
        const double v = std::clamp((samples[i] - 128) * factor, -128.0, 127.0);
        samples[i] = static_cast<std::uint8_t>(static_cast<int>(v) + 128);
    }
}

}  // namespace

void AmplifyPcm16(std::int16_t* first, std::int16_t* second, std::int32_t n, int channels,
                  float factor) {
    if (first) Scale16(first, n, factor);
    if (channels == 2 && second) Scale16(second, n, factor);
}

void AmplifyPcm8(std::uint8_t* first, std::uint8_t* second, std::int32_t n, int channels,
                 float factor) {
    if (first) Scale8(first, n, factor);
    if (channels == 2 && second) Scale8(second, n, factor);
}

}  // namespace tonvexa
