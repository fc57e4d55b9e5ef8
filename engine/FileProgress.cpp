#include "engine/FileProgress.h"

#include <algorithm>
#include <utility>

namespace tonvexa {

FileProgress::FileProgress(ConvertProgress& progress, std::string fileName,
                           std::uint64_t totalFrames)
    : progress_(progress), fileName_(std::move(fileName)) {
    // A bar without width (hidden, or a progress without a bar) still gets one step, so the
    // divisions below stay defined.
    width_ = std::max(progress_.fileBarWidth(), 1);
    progress_.setFileRange(width_);
    progress_.setFilePosition(0);
    percentStep_ = std::max<std::uint64_t>(totalFrames / 100, 1);
    barStep_ = std::max<std::uint64_t>(
        std::max<std::uint64_t>(totalFrames, 1) / static_cast<std::uint64_t>(width_), 1);
}

std::string FileProgress::Text(const std::string& fileName, int percent) {
    return "Converting " + fileName + "..." + std::to_string(percent) + "%";
}

bool FileProgress::afterBlock(std::uint32_t frames) {
    if (frames > 0) {
        done_ += frames;
        const int p = static_cast<int>(std::min<std::uint64_t>(done_ / percentStep_, 100));
        if (p > shownPercent_) {
            shownPercent_ = p;
            progress_.setFileText(Text(fileName_, p));
        }
        // A source longer than its stated length keeps the bar full rather than past its end.
        const auto q = static_cast<std::int64_t>(
            std::min<std::uint64_t>(done_ / barStep_, static_cast<std::uint64_t>(width_)));
        if (q > shownPosition_) {
            shownPosition_ = q;
            progress_.setFilePosition(static_cast<int>(q));
        }
    }
    progress_.pumpMessages();
    return !progress_.cancelled();
}

void FileProgress::finish(bool complete) {
    if (!complete) return;
    if (shownPercent_ < 100) {
        shownPercent_ = 100;
        progress_.setFileText(Text(fileName_, 100));
    }
    // A source shorter than the bar is wide moves the bar one pixel per frame, so it can
    // reach 100 % with the bar short of its end; a complete file always shows a full bar.
    if (shownPosition_ < width_) {
        shownPosition_ = width_;
        progress_.setFilePosition(width_);
    }
}

}  // namespace tonvexa
