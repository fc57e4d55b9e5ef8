#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "audio/HipDecoder.h"
#include "audio/Mp3Format.h"

namespace tonvexa {

// Reads an MPEG audio stream (an .mp3 file, or the data chunk of a WAV file of format 85)
// and delivers planar signed 16-bit PCM one MPEG frame at a time.
//
// Opening skips one leading ID3v2 tag and an "AiD" header, searches the first plausible
// frame header, lets the decoder parse it and works out the length: from a Xing header
// when the stream has one, otherwise estimated in whole seconds from the file's size and
// the first frame's bit rate. A stream of only a few small frames, which ends before the
// decoder has seen enough bytes to take a header, is read too, provided its first frame
// is whole.
class Mp3Reader {
public:
    // Stands for a length that could not be worked out (the file's size is unknown).
    static constexpr std::uint64_t kUnknownLength = 0xFFFFFFFFu;
    // Bytes read from the stream per step while decoding.
    static constexpr std::size_t kFeedSize = 1024;

    // feedSize: bytes handed to the decoder per step (1 to kFeedSize); only tests that
    // prove the output independent of how the stream is cut choose another value.
    explicit Mp3Reader(std::size_t feedSize = kFeedSize);
    virtual ~Mp3Reader();
    Mp3Reader(const Mp3Reader&) = delete;
    Mp3Reader& operator=(const Mp3Reader&) = delete;

    // Closes a previous stream, opens the file and parses the stream's start. On false
    // the reader may still hold the file; Close (or destruction) releases it.
    [[nodiscard]] bool Open(const std::string& path);
    // As Open on a stream positioned at the MPEG data, which stays the caller's: the
    // reader never closes it. path names the file the stream belongs to (its size feeds
    // the length estimate). False for a null stream.
    [[nodiscard]] bool OpenOnStream(std::FILE* stream, const std::string& path);

    // Decodes the next frame into left and right (arrays of kMaxFrameSamples samples
    // each; right is written only for two-channel streams and may be null otherwise).
    // frames receives the samples per channel delivered (0 at the end); end is raised
    // when the stream has no more frames. False on a decoding error (end raised when the
    // error came from what was left at the end of the stream), when reading the stream
    // failed (end not raised), or when nothing is open.
    [[nodiscard]] bool Read(std::int16_t* left, std::int16_t* right, int& frames, bool& end);

    // The 128-byte ID3v1 block at the end of the file, or null when the last 128 bytes
    // do not start with "TAG". Kept until Close; the stream's position is left as it was.
    const std::array<std::uint8_t, mp3::kId3v1BlockSize>* ReadId3v1();

    // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono (also for anything else).
    int ChannelMode() const;

    // Releases the stream (closing it unless it was borrowed), the tag block and the
    // decoder; harmless when nothing is open.
    void Close();

    bool IsOpen() const { return stream_ != nullptr; }
    const std::string& Path() const { return path_; }

    // Stream properties, valid after a successful open.
    int Channels() const { return properties_.channels; }
    int SampleRate() const { return properties_.sampleRate; }
    int BitRate() const { return properties_.bitRate; }  // kbit/s
    int FrameSize() const { return properties_.frameSize; }
    // Length in sample frames per channel, or kUnknownLength.
    std::uint64_t TotalFrames() const { return properties_.totalSamples; }
    // Number of MPEG frames (from the Xing header or the estimate).
    int MpegFrameCount() const { return properties_.totalFrames; }
    const Mp3StreamProperties& Properties() const { return properties_; }

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    bool ParseStart();
    bool SkipToMatchingHeader();
    bool ReadExactly(std::uint8_t* into, std::size_t count);
    bool Deliver(int samples, int frameChannels, std::int16_t* left, std::int16_t* right,
                 int& frames);

    std::size_t feedSize_;
    std::unique_ptr<std::array<std::uint8_t, mp3::kId3v1BlockSize>> id3v1_;
    std::string path_;
    Mp3StreamProperties properties_;
    std::unique_ptr<std::FILE, FileCloser> ownedFile_;
    std::FILE* stream_ = nullptr;
    bool borrowed_ = false;
    bool parsed_ = false;
    // Bytes given to the decoder since it last delivered a frame.
    std::size_t pendingBytes_ = 0;
    HipDecoder decoder_;
    std::unique_ptr<std::uint8_t[]> feed_;
};

}  // namespace tonvexa
