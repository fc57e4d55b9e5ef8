#pragma once

// The writer over FFmpeg: libswresample turns the PCM input into the encoder's format,
// FFmpeg's wmav2 encoder codes it and the ASF muxer writes the file with its attributes.

#include <cstdint>
#include <string>
#include <vector>

#include "wm/FfmpegOwners.h"
#include "wm/WmRuntime.h"

namespace tonvexa {

class FfmpegWmWriter final : public WmWriter {
public:
    FfmpegWmWriter();
    ~FfmpegWmWriter() override;

    WmResult SetProfile(WmProfile& profile) override;
    WmResult GetInputCount(std::uint32_t* count) override;
    WmResult GetInputType(std::uint32_t input, WmGuid* majorType) override;
    WmResult SetInputMediaType(std::uint32_t input, const WM_MEDIA_TYPE& type) override;
    WmResult AddAttribute(std::uint16_t streamNumber, const std::u16string& name,
                          std::uint16_t* index, WMT_ATTR_DATATYPE type, std::uint16_t language,
                          const std::uint8_t* value, std::uint32_t length) override;
    WmResult SetOutputFile(AtomicOutput& file) override;
    WmResult BeginWriting() override;
    WmResult AllocateSample(std::uint32_t size, WmSampleBufferPtr* sample) override;
    WmResult WriteSample(std::uint32_t input, std::uint64_t sampleTime, std::uint32_t flags,
                         WmSampleBuffer& sample) override;
    WmResult EndWriting() override;

private:
    // Hands input to the converter, which keeps it until whole frames can be taken.
    WmResult Convert(const std::uint8_t* input, int frames);
    // Takes converted audio into the frame and encodes every frame that fills up; at the end
    // the converter is flushed and the last frame completed with silence.
    WmResult EncodeFrames(bool flush);
    WmResult SendFrame(AVFrame* frame);
    // The I/O context over the file, with seeking for the header rewritten at the end.
    [[nodiscard]] bool OpenIo();
    void CloseIo();
    void Abandon();

    // From the profile.
    int targetRate_ = 0;
    int targetChannels_ = 0;
    std::uint32_t bitRate_ = 0;
    // From the input type.
    int inputRate_ = 0;
    int inputChannels_ = 0;
    int inputBits_ = 0;
    AtomicOutput* file_ = nullptr;
    ffmpeg::Dictionary metadata_;

    // The muxer writes through its own duplicate of the file's descriptor (fd_).
    int fd_ = -1;
    ffmpeg::IoContext io_;
    ffmpeg::OutputFormat output_;
    ffmpeg::CodecContext encoder_;
    ffmpeg::Resampler resampler_;
    ffmpeg::Frame frame_;
    ffmpeg::Packet packet_;
    AVStream* stream_ = nullptr;
    int filled_ = 0;  // samples already in frame_
    std::int64_t nextPts_ = 0;
    bool writing_ = false;
};

}  // namespace tonvexa
