// Mp3Reader over arbitrary bytes: the ID3v2 skip, the search for the first frame header,
// the length from a Xing header or the file's size, the ID3v1 block and decoding to the end.

#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "audio/Id3v1.h"
#include "audio/Mp3Reader.h"

using namespace tonvexa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::InputFile input(".mp3");
    const std::string& path = input.Write(data, size);

    Mp3Reader reader;
    if (!reader.Open(path)) return 0;
    if (reader.Channels() != 1 && reader.Channels() != 2) __builtin_trap();
    if (const auto* block = reader.ReadId3v1()) {
        Id3Tag tag;
        if (!ParseId3v1Block(*block, tag)) __builtin_trap();
    }

    // Arrays exactly as large as the caller's are: anything written past them is a finding.
    static std::int16_t left[mp3::kMaxFrameSamples];
    static std::int16_t right[mp3::kMaxFrameSamples];
    for (;;) {
        int frames = -1;
        bool end = false;
        const bool ok = reader.Read(left, right, frames, end);
        if (frames < 0 || frames > mp3::kMaxFrameSamples) __builtin_trap();
        if (!ok || end) break;
    }
    reader.Close();
    return 0;
}
