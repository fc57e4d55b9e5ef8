#pragma once

#include <cstdint>
#include <string>

#include "engine/ConvertProgress.h"

namespace tonvexa {

// The per-file side of a conversion's progress: every conversion routine makes one when it
// starts reading and calls afterBlock after each block it has read, before processing it.
// The file line shows "Converting <name>...<p>%"; the file bar runs over its own width in
// pixels. Percent and bar only grow, and are touched only when their value changes.
class FileProgress {
public:
    // totalFrames is the source's length in sample frames as the routine's reader knows it.
    FileProgress(ConvertProgress& progress, std::string fileName, std::uint64_t totalFrames);

    // Counts a block of frames, updates the line and the bar, lets the user interface run,
    // and returns false when the user has cancelled: the block must then be dropped.
    [[nodiscard]] bool afterBlock(std::uint32_t frames);

    // Ends the file: a complete conversion that had not yet shown 100 % shows it now.
    void finish(bool complete);

    int shownPercent() const { return shownPercent_; }
    std::int64_t shownPosition() const { return shownPosition_; }

    // The file line for a percentage.
    static std::string Text(const std::string& fileName, int percent);

private:
    ConvertProgress& progress_;
    std::string fileName_;
    int width_;
    std::uint64_t percentStep_;
    std::uint64_t barStep_;
    std::uint64_t done_ = 0;
    int shownPercent_ = 0;
    std::int64_t shownPosition_ = 0;
};

}  // namespace tonvexa
