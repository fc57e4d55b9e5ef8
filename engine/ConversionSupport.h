#pragma once

#include <cstdint>
#include <string>

#include "base/AtomicOutput.h"
#include "engine/FileProgress.h"

namespace tonvexa {

// Pieces every conversion routine shares.

// The output of one conversion while it is written: a file without a name in the
// destination's folder, which the routine's writer writes into. It takes a name only when
// the routine commits a complete file; on every other way out of the routine (a failure, a
// cancel, an early return) it is dropped, and nothing ever appears under the name. A routine
// makes one before its writer, so that the writer lets go of the file first.
class PartialOutput {
public:
    // destination is the name the output is to take; Commit puts the name it took there.
    explicit PartialOutput(std::string& destination) : destination_(destination) {}
    PartialOutput(const PartialOutput&) = delete;
    PartialOutput& operator=(const PartialOutput&) = delete;

    // Creates the file in the destination's folder; false when the folder cannot take one.
    [[nodiscard]] bool Create() { return file_.Create(destination_); }
    AtomicOutput& file() { return file_; }

    // Names the complete file: the destination when nothing has taken that name meanwhile,
    // otherwise the next free name of the output naming's numbering (a_1.mp3 taken gives
    // a_2.mp3), which the destination then holds. Nothing is ever replaced. False when the
    // file cannot be named; it is dropped then.
    [[nodiscard]] bool Commit(const std::string& source);

private:
    std::string& destination_;
    AtomicOutput file_;
};

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
