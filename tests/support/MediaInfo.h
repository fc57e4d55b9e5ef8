#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tonvexa::test {

// What libavformat, as an independent reader, says of a file's first audio stream.
struct MediaInfo {
    std::string container;  // format name
    std::string codec;      // codec name
    int sampleRate = 0;
    int channels = 0;
    std::int64_t bitRate = 0;  // of the stream, else the file
    double durationSeconds = 0;
    std::map<std::string, std::string> tags;  // container metadata, keys as FFmpeg names them
    // Attached pictures (covers), as FFmpeg finds them: their bytes and their stream's
    // "comment", which names the picture's type ("Cover (front)").
    struct Picture {
        std::vector<std::uint8_t> bytes;
        std::string type;
    };
    std::vector<Picture> pictures;
};
std::optional<MediaInfo> probeMedia(const std::string& path);

// Makes a test input with the ffmpeg tool: a tone of `seconds` at `rate` Hz with `channels`
// channels (the second channel at another pitch and level), written with the extra output
// arguments (codec, bit rate, metadata) to `path`.
bool makeTone(const std::string& path, int rate, int channels, double seconds,
              const std::vector<std::string>& outputArgs = {});

}  // namespace tonvexa::test
