#include "engine/FileProgress.h"

#include <algorithm>

namespace tonvexa {

namespace {
constexpr int kSteps = ConvertProgress::kFileSteps;
}  // namespace

FileProgress::FileProgress(ConvertProgress& progress, std::uint64_t totalFrames)
    : progress_(progress) {
    // A length of 0 (unknown) counts every frame as a step, so the divisions stay defined and
    // the display stops at its end instead of passing it.
    percentStep_ = std::max<std::uint64_t>(totalFrames / 100, 1);
    barStep_ = std::max<std::uint64_t>(std::max<std::uint64_t>(totalFrames, 1) / kSteps, 1);
    progress_.fileProgress(0, 0);
}

void FileProgress::tell() {
    progress_.fileProgress(shownPercent_, shownPosition_);
}

bool FileProgress::afterBlock(std::uint32_t frames) {
    if (frames > 0) {
        done_ += frames;
        const int p = static_cast<int>(std::min<std::uint64_t>(done_ / percentStep_, 100));
        // A source longer than its stated length keeps the bar full rather than past its end.
        const int q = static_cast<int>(std::min<std::uint64_t>(done_ / barStep_, kSteps));
        if (p > shownPercent_ || q > shownPosition_) {
            shownPercent_ = std::max(shownPercent_, p);
            shownPosition_ = std::max(shownPosition_, q);
            tell();
        }
    }
    return !progress_.cancelled();
}

void FileProgress::finish(bool complete) {
    // A source shorter than the bar has steps moves the bar one step per frame, so it can
    // reach 100 % with the bar short of its end; a complete file always shows a full bar.
    if (!complete || (shownPercent_ == 100 && shownPosition_ == kSteps)) return;
    shownPercent_ = 100;
    shownPosition_ = kSteps;
    tell();
}

}  // namespace tonvexa
