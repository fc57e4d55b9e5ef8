#pragma once

#include <cstdint>

namespace tonvexa {

// The volume factor of a percentage (10 to 3000 from the options): percent x 0.01, with 0.01
// as a single-precision constant, the product formed exactly and rounded to single
// precision. 100 gives exactly 1; callers skip scaling then.
float AmplifyFactor(std::int32_t percent);

// Scales n signed 16-bit samples of first in place, and of second as well when channels is 2.
// Each product is truncated toward zero and limited to -32767 ... 32767.
void AmplifyPcm16(std::int16_t* first, std::int16_t* second, std::int32_t n, int channels,
                  float factor);

// The same for unsigned 8-bit samples (silence at 128): (u - 128) x factor, truncated toward
// zero, limited to -128 ... 127, stored + 128.
void AmplifyPcm8(std::uint8_t* first, std::uint8_t* second, std::int32_t n, int channels,
                 float factor);

}  // namespace tonvexa
