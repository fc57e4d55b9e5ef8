// WavReader over arbitrary bytes: open, the probe's accessors, prepare and read to the end,
// as a conversion does. Every format path is reachable: PCM, float, A-law, mu-law, IMA and
// Microsoft ADPCM, GSM 6.10, MPEG Layer 3 in WAV, extensible, RF64/BW64 and RIFX.

#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "audio/WavReader.h"

using namespace tonvexa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::InputFile input(".wav");
    const std::string& path = input.Write(data, size);

    WavReader reader;
    if (!reader.Open(path)) return 0;
    // The probe reads these after Open; they must hold what the reader promises.
    if (reader.outputBits() != 8 && reader.outputBits() != 16) __builtin_trap();
    if (reader.totalFrames() < 0) __builtin_trap();
    if (!reader.PrepareDecoding()) return 0;
    if (reader.outputChannels() != 1 && reader.outputChannels() != 2) __builtin_trap();

    // Arrays exactly as large as the caller's are: anything written past them is a finding.
    static std::int16_t left[WavReader::kMaxBlockFrames];
    static std::int16_t right[WavReader::kMaxBlockFrames];
    for (;;) {
        int frames = -1;
        bool end = false;
        const bool ok = reader.Read(left, right, frames, end);
        if (frames < 0 || frames > WavReader::kMaxBlockFrames) __builtin_trap();
        if (!ok || end || frames == 0) break;
    }
    reader.Close();
    return 0;
}
