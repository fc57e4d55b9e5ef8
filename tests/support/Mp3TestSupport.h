#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tonvexa {
class Mp3Reader;
}

namespace tonvexa::test {

// A test signal: two tones and a little noise per channel, interleaved, different in each
// channel and for each seed so that a swapped or repeated frame shows.
std::vector<std::int16_t> Mp3TestSignal(int frames, int channels, int sampleRate,
                                        unsigned seed = 1);

struct Mp3WriteParams {
    int channels = 2;
    int inRate = 44100;
    int outRate = 0;
    int kbps = 128;
    int mode = -1;  // -1: leave the encoder's choice
    const std::array<std::uint8_t, 128>* tag = nullptr;
};

// Encodes interleaved samples with Mp3Writer in blocks of 1152 frames; true when every step
// succeeded.
bool WriteMp3(const std::string& path, const std::vector<std::int16_t>& interleaved,
              const Mp3WriteParams& params);

// Everything an open reader still delivers, interleaved at its channel count.
struct Mp3Decoded {
    std::vector<std::int16_t> samples;
    int channels = 0;
    long reads = 0;       // successful Read calls that delivered samples
    bool ended = false;   // the end flag came up
    bool failed = false;  // a Read returned false
};
// Reads until the end flag, a failure or maxReads calls.
Mp3Decoded DecodeAll(Mp3Reader& reader, long maxReads = 1L << 22);
// Opens a file with a reader of the given feed size and decodes it; nothing when Open fails.
std::optional<Mp3Decoded> DecodeFile(const std::string& path, std::size_t feedSize = 1024);

// FFmpeg's MP3 decoding of a file as 16-bit interleaved samples at its own rate and channel
// count, with every decoded frame kept: the encoder delay and padding that a LAME tag
// announces are not cut off, so that the output lines up with a decoder that ignores them.
std::optional<std::vector<std::int16_t>> FfmpegDecodeUntrimmed(const std::string& path);

// The largest difference between two sample sequences of equal length (-1 when the lengths
// differ).
int MaxAbsDiff(const std::vector<std::int16_t>& a, const std::vector<std::int16_t>& b);

// An MPEG audio frame header, parsed here independently of the program's reader.
struct FrameHeader {
    int version = 0;  // 1 MPEG-1, 2 MPEG-2, 25 MPEG-2.5
    int layer = 0;
    int bitRate = 0;  // kbit/s, 0 free format
    int sampleRate = 0;
    int mode = 0;  // 0 stereo, 1 joint, 2 dual, 3 mono
    bool padding = false;
    bool crc = false;
    int samples = 0;  // per channel
    int length = 0;   // bytes including the header, 0 for free format
};
std::optional<FrameHeader> ParseFrameHeader(const std::uint8_t* h);

// Walks frames from offset 0, or from the end of a leading ID3v2 tag, to end; nothing when a byte range in between is not a frame.
std::optional<std::vector<FrameHeader>> WalkFrames(const std::vector<std::uint8_t>& bytes,
                                                   std::size_t end);

// The reference's energy over the energy of the difference, in dB (infinite for equal
// sequences, -infinite for different lengths).
double SnrDb(const std::vector<std::int16_t>& ours, const std::vector<std::int16_t>& reference);

std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts);

}  // namespace tonvexa::test
