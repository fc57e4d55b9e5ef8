#pragma once

// Reads a Windows Media file (.wma, .wmv, .asf) through the runtime's sync reader: the
// source's audio format, duration, bit rate and descriptive attributes, and its decoded
// audio as 16-bit PCM, either in planar blocks of up to 1152 frames or as the runtime's own
// sample buffers with their presentation times.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "wm/WmRuntime.h"

namespace tonvexa {

inline constexpr int kWmaReadBlockFrames = 1152;

class WmaReader {
public:
    // Asks the runtime for a sync reader; when it refuses, every Open fails.
    explicit WmaReader(WmRuntime& runtime);
    ~WmaReader();
    WmaReader(const WmaReader&) = delete;
    WmaReader& operator=(const WmaReader&) = delete;

    // Opens the file (UTF-8 path) and reads its stream, attributes and output format.
    [[nodiscard]] bool Open(const std::string& path);

    // The audio output's format block exactly as the runtime reported it (empty before a
    // successful Open), and its leading WAVEFORMATEX (zeroed when there is none).
    const std::vector<std::uint8_t>& SourceFormatBlock() const { return sourceFormat_; }
    WAVEFORMATEX SourceFormat() const;
    int SampleRate() const { return static_cast<int>(SourceFormat().nSamplesPerSec); }
    int Channels() const { return SourceFormat().nChannels; }
    std::uint16_t AudioStreamNumber() const { return audioStream_; }

    // Whole seconds, truncated.
    std::uint32_t Duration() const { return duration_; }
    // bit/s; 0 when the file states none.
    std::int32_t BitRate() const { return bitRate_; }
    const std::string& Title() const { return title_; }
    const std::string& Author() const { return author_; }
    const std::string& Description() const { return description_; }
    const std::string& Album() const { return album_; }
    const std::string& Genre() const { return genre_; }
    std::int32_t TrackNumber() const { return trackNumber_; }
    const std::string& Year() const { return year_; }
    const std::string& Copyright() const { return copyright_; }

    // Fills `first` (and `second` for a stereo source), each of at least 1152 samples, with up
    // to 1152 frames and returns how many; sets `endOfStream` when the stream ends (never
    // clears it). Frames of a sample that do not fit are kept for the next call. When the
    // runtime fails otherwise than by running out of samples (a read of the file failed),
    // the stream has not ended: ReadFailed is raised instead and no further sample is read.
    int ReadFrames(std::int16_t* first, std::int16_t* second, bool& endOfStream);

    // Hands out the runtime's next decoded sample buffer (the caller owns it) with its
    // presentation time in 100-ns units, and returns its frame count; 0, with `endOfStream`
    // set at the end of the stream or ReadFailed raised on a failure, when there is none.
    // The block buffer of ReadFrames is not involved.
    std::uint32_t ReadRawSample(WmSampleBufferPtr* buffer, std::uint64_t* sampleTime,
                                bool& endOfStream);

    // True once reading failed before the end of the stream; whatever was read is then not
    // the whole source.
    bool ReadFailed() const { return readFailed_; }

    // Closes the file in the sync reader; harmless when nothing is open.
    void Close();

private:
    enum class Fetch { Found, Absent, Failed };
    Fetch FetchAttribute(const char16_t* name, WMT_ATTR_DATATYPE* type,
                         std::vector<std::uint8_t>* value);
    bool ReadAttributes();
    bool FindAudioStream();
    bool FindAudioOutput();
    int CopyFrames(std::int16_t* first, std::int16_t* second, int offset, int count);
    // The runtime's next sample of the audio stream; false, with `endOfStream` set at its
    // end, when there is none.
    bool NextSample(WmSampleBufferPtr* sample, std::uint64_t* time, bool& endOfStream);

    std::unique_ptr<WmSyncReader> reader_;
    std::uint16_t audioStream_ = 0;
    std::vector<std::uint8_t> sourceFormat_;
    std::uint32_t duration_ = 0;
    std::int32_t bitRate_ = 0;
    std::string title_, author_, description_, album_, genre_;
    std::int32_t trackNumber_ = 0;
    std::string year_, copyright_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::uint32_t bufferCapacity_ = 0;
    std::uint32_t readPosition_ = 0;  // in 16-bit values
    std::uint32_t undelivered_ = 0;   // frames
    int channels_ = 0;                // of the source format, for the copy rule
    bool opened_ = false;
    bool readFailed_ = false;
};

// The leading decimal integer of a text (leading blanks and a sign allowed; parsing stops at
// the first non-digit; no digits give 0), as a track number such as "7/12" is read.
std::int32_t LeadingInteger(const std::string& text);

}  // namespace tonvexa
