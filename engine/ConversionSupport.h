#pragma once

#include <cstdint>
#include <string>

namespace tonvexa {

// Pieces every conversion routine shares.

// Removes an incomplete output, unless it names the source itself.
void DeleteIncompleteOutput(const std::string& source, const std::string& destination);

// The volume scaling of one conversion: off unless switched on with a percentage other
// than exactly 100, so that 100 % leaves the samples bit for bit.
struct VolumeScaling {
    VolumeScaling(std::int32_t enabled, std::int32_t percent);
    bool active = false;
    float factor = 1.0f;
};

}  // namespace tonvexa
