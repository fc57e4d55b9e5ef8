#pragma once

#include <cstdint>

#include "engine/ConvertProgress.h"

namespace tonvexa {

// The per-file side of a conversion's progress: every conversion routine makes one when it
// starts reading and calls afterBlock after each block it has read, before processing it.
// Percent and bar position only grow, and are told only when one of them changes.
class FileProgress {
public:
    // totalFrames is the source's length in sample frames as the routine's reader knows it.
    FileProgress(ConvertProgress& progress, std::uint64_t totalFrames);

    // Counts a block of frames, tells the new percent and position, and returns false when
    // the user has cancelled: the block must then be dropped.
    [[nodiscard]] bool afterBlock(std::uint32_t frames);

    // Ends the file: a complete conversion that had not yet shown 100 % and a full bar shows
    // them now.
    void finish(bool complete);

    int shownPercent() const { return shownPercent_; }
    int shownPosition() const { return shownPosition_; }

private:
    void tell();

    ConvertProgress& progress_;
    std::uint64_t percentStep_;
    std::uint64_t barStep_;
    std::uint64_t done_ = 0;
    int shownPercent_ = 0;
    int shownPosition_ = 0;
};

}  // namespace tonvexa
