#pragma once

#include <cstdint>
#include <string>

#include "engine/FileProgress.h"

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

// How a block loop ended: `end` when the reader reported the end of its input, `failed`
// when a write did not go through.
struct BlockLoopResult {
    bool end = false;
    bool failed = false;
    bool complete() const { return end && !failed; }
};

// The block loop every conversion runs. read(frames, end) fetches the next block and
// returns false on a decoding error, which ends the input; a block of 0 frames ends it too.
// After each block the file's progress is shown and the cancel request tested; then
// write(frames) processes and writes the block. A cancel that comes with the last block
// still lets that block through: the input is complete then, and none of it may be lost.
template <typename Read, typename Write>
BlockLoopResult RunBlockLoop(FileProgress& progress, Read read, Write write) {
    BlockLoopResult r;
    for (;;) {
        int frames = 0;
        if (!read(frames, r.end)) break;
        if (frames <= 0) {
            r.end = true;
            break;
        }
        if (!progress.afterBlock(static_cast<std::uint32_t>(frames)) && !r.end) break;
        if (!write(frames)) {
            r.failed = true;
            break;
        }
        if (r.end) break;
    }
    return r;
}

}  // namespace tonvexa
