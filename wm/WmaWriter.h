#pragma once

// Writes one Windows Media Audio file through the runtime's writer: a one-stream audio
// profile around a format from the WmaFormatList, the PCM input it will be fed, the
// descriptive attributes, then blocks of planar 8- or 16-bit PCM or the reader's own
// decoded sample buffers. The runtime converts the input to the codec's format.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/AtomicOutput.h"
#include "wm/WmRuntime.h"

namespace tonvexa {

// The descriptive texts (UTF-8; absent ones store no attribute) and the track number.
struct WmaTags {
    std::optional<std::string> title;
    std::optional<std::string> album;
    std::optional<std::string> author;
    std::optional<std::string> genre;
    std::optional<std::string> year;
    std::optional<std::string> description;
    std::uint32_t trackNumber = 0;
};

inline constexpr std::uint32_t kWmaBufferWindowMs = 3000;
inline constexpr std::uint16_t kWmaAudioStreamNumber = 1;

class WmaWriter {
public:
    explicit WmaWriter(WmRuntime& runtime);
    ~WmaWriter();
    WmaWriter(const WmaWriter&) = delete;
    WmaWriter& operator=(const WmaWriter&) = delete;

    // Where the file goes. A path: the writer creates the file at Begin and names it at
    // End, never in place of anything. The caller's AtomicOutput: the writer writes into it
    // and the caller names it; it must outlive the writing.
    void SetOutputFile(const std::string& path);
    void SetOutputFile(AtomicOutput& file);
    void SetPcmInput(int sampleRate, int bitsPerSample, int channels);
    // The media type stays the caller's (an entry of the WmaFormatList) and must outlive the
    // writing.
    void SetTargetFormat(const WM_MEDIA_TYPE* mediaType, std::uint32_t bitRate);
    void SetTags(const WmaTags& tags);

    // Creates the file and starts writing; on failure the writer is reset as new.
    [[nodiscard]] bool Begin();
    // A planar block; `second` is read only for two channels.
    [[nodiscard]] bool WriteFrames16(const std::int16_t* first, const std::int16_t* second,
                                     std::uint32_t frames);
    [[nodiscard]] bool WriteFrames8(const std::uint8_t* first, const std::uint8_t* second,
                                    std::uint32_t frames);
    // A decoded sample buffer of a reader with its own time; the caller keeps the buffer.
    [[nodiscard]] bool WriteRawSample(WmSampleBuffer& buffer, std::uint64_t sampleTime);
    // Finishes the file (a file set by its path then takes that name) and resets the writer
    // as new. False when the runtime could not finish it, or when the path's name was taken
    // meanwhile; the file is then dropped.
    [[nodiscard]] bool End();

    std::uint64_t NextSampleTime() const { return nextSampleTime_; }
    bool IsWriting() const { return writer_ != nullptr; }

private:
    [[nodiscard]] bool BuildProfile();
    [[nodiscard]] bool SetInputType();
    void AddAttributes();
    [[nodiscard]] bool WriteInterleaved(std::uint32_t frames, int bytesPerSample,
                                        void (*fill)(std::uint8_t*, const void*, const void*,
                                                     std::uint32_t, int),
                                        const void* first, const void* second);
    void Reset();

    WmRuntime& runtime_;
    std::optional<std::u16string> title_, album_, author_, genre_, year_, description_;
    std::uint32_t trackNumber_ = 0;
    std::string path_;
    AtomicOutput* file_ = nullptr;         // the file written into
    std::unique_ptr<AtomicOutput> owned_;  // that file when the writer was given a path
    int sampleRate_ = 0;
    int bitsPerSample_ = 0;
    int channels_ = 0;
    const WM_MEDIA_TYPE* targetType_ = nullptr;
    std::uint32_t targetBitRate_ = 0;
    WmWriterPtr writer_;
    WmProfileManagerPtr profileManager_;
    WmProfilePtr profile_;
    std::uint32_t input_ = 0;
    std::uint64_t nextSampleTime_ = 0;
};

}  // namespace tonvexa
