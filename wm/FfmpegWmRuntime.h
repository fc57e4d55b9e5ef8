#pragma once

// The Windows Media runtime over FFmpeg. It holds no state of its own: the program creates
// one and hands it to the readers, the writer and BuildWmaFormatList.

#include "wm/WmRuntime.h"

namespace tonvexa {

class FfmpegWmRuntime final : public WmRuntime {
public:
    WmResult CreateSyncReader(std::unique_ptr<WmSyncReader>* reader) override;
    WmResult CreateProfileManager(WmProfileManagerPtr* manager) override;
    WmResult CreateWriter(WmWriterPtr* writer) override;
};

}  // namespace tonvexa
