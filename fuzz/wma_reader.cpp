// WmaReader through the FFmpeg layer over arbitrary bytes: open (stream, attributes and
// output format), then the decoded audio to the end, either in blocks as the WMA to MP3 and
// WAV conversions read it or as the runtime's own sample buffers as the WMA to WMA
// conversion does. The input's length chooses the way (odd: sample buffers), so that each
// input is decoded once and a finding replays the same way.

#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "wm/FfmpegLog.h"
#include "wm/FfmpegWmRuntime.h"
#include "wm/WmaReader.h"

using namespace tonvexa;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    QuietFfmpegLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::InputFile input(".wma");
    static FfmpegWmRuntime runtime;
    const std::string& path = input.Write(data, size);

    WmaReader reader(runtime);
    if (!reader.Open(path)) return 0;
    (void)reader.SourceFormat();
    if (reader.Channels() < 1 || reader.Channels() > 2) __builtin_trap();
    bool end = false;
    if (size % 2 == 0) {
        // Arrays exactly as large as the caller's are: anything written past them is a
        // finding.
        static std::int16_t first[kWmaReadBlockFrames];
        static std::int16_t second[kWmaReadBlockFrames];
        while (!end) {
            const int frames = reader.ReadFrames(first, second, end);
            if (frames < 0 || frames > kWmaReadBlockFrames) __builtin_trap();
            // No frames without the end means that reading failed.
            if (frames == 0) break;
        }
    } else {
        while (!end) {
            WmSampleBufferPtr buffer;
            std::uint64_t time = 0;
            (void)reader.ReadRawSample(&buffer, &time, end);
            if (!buffer) break;
        }
    }
    reader.Close();
    return 0;
}
