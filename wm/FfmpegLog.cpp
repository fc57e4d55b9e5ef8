#include "wm/FfmpegLog.h"

#include <cstdlib>
#include <cstring>

extern "C" {
#include <libavutil/log.h>
}

namespace tonvexa {

void QuietFfmpegLog() {
    const char* keep = std::getenv("TONVEXA_FFMPEG_LOG");
    if (keep != nullptr && std::strcmp(keep, "1") == 0) return;
    av_log_set_level(AV_LOG_QUIET);
}

}  // namespace tonvexa
