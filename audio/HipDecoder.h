#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

struct hip_global_struct;

namespace tonvexa {

// What the decoder reports about the stream: the members of LAME's mp3data_struct that
// the program uses.
struct Mp3StreamProperties {
    bool headerParsed = false;
    int channels = 0;                // 1 or 2
    int sampleRate = 0;              // Hz
    int bitRate = 0;                 // kbit/s
    int mode = 0;                    // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
    int frameSize = 0;               // samples per frame and channel
    std::uint64_t totalSamples = 0;  // per channel
    int totalFrames = 0;
};

// One instance of LAME's mpglib decoder (a hip_t) with its own output arrays.
//
// The library writes shared static memory while it decodes, so two decoders working at
// the same time on different threads corrupt each other's output even though each has
// its own handle. Every call into the library therefore holds one lock for the whole
// process; decoders on one thread are unaffected by it.
class HipDecoder {
public:
    // The most samples per channel one call can produce: the library's own output
    // buffer holds 4096 16-bit samples, which a mono stream could fill in one call.
    static constexpr int kCapacity = 4096;

    HipDecoder();
    ~HipDecoder();
    HipDecoder(const HipDecoder&) = delete;
    HipDecoder& operator=(const HipDecoder&) = delete;

    // Starts a fresh decoder state, dropping any previous one; false when the library
    // could not create it.
    [[nodiscard]] bool Reset();
    void Release();
    bool IsValid() const { return handle_ != nullptr; }

    // Hands size bytes (possibly none) to the decoder and decodes at most one frame.
    // Returns -1 on a decoding error, 0 when the decoder needs more data, else the samples
    // per channel now in Left() (and Right() for two-channel frames). The properties are
    // updated from the frame header when the decoder has parsed one; encoderDelay and
    // encoderPadding, when given, receive the values of a LAME tag (left alone otherwise).
    int Decode(const std::uint8_t* data, std::size_t size, Mp3StreamProperties& properties,
               int* encoderDelay = nullptr, int* encoderPadding = nullptr);

    const std::int16_t* Left() const { return left_.get(); }
    const std::int16_t* Right() const { return right_.get(); }

private:
    struct Closer {
        void operator()(hip_global_struct* handle) const;
    };
    std::unique_ptr<hip_global_struct, Closer> handle_;
    std::unique_ptr<std::int16_t[]> left_;
    std::unique_ptr<std::int16_t[]> right_;
};

}  // namespace tonvexa
