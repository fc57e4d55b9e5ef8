#pragma once

// The sync reader over FFmpeg: the ASF demuxer, the decoder of the first audio stream and a
// conversion to 16-bit interleaved PCM at the source's rate with at most two channels.

#include <cstdint>
#include <string>

#include "wm/FfmpegOwners.h"
#include "wm/WmRuntime.h"
#include "wm/WmSampleBufferPool.h"

namespace tonvexa {

class FfmpegSyncReader final : public WmSyncReader {
public:
    FfmpegSyncReader();
    ~FfmpegSyncReader() override;

    WmResult Open(const std::string& path) override;
    WmResult Close() override;
    WmResult GetStreamCount(std::uint32_t* count) override;
    WmResult GetStream(std::uint32_t index, std::uint16_t* streamNumber,
                       WmGuid* streamType) override;
    WmResult GetAttributeByName(std::uint16_t* streamNumber, const std::u16string& name,
                                WMT_ATTR_DATATYPE* type, std::uint8_t* value,
                                std::uint16_t* length) override;
    WmResult GetOutputCount(std::uint32_t* count) override;
    WmResult GetOutputMediaType(std::uint32_t output, WM_MEDIA_TYPE* type,
                                std::uint32_t* size) override;
    WmResult GetNextSample(std::uint16_t streamNumber, WmSampleBufferPtr* sample,
                           std::uint64_t* sampleTime) override;

private:
    enum class Decoded { Frame, End, Error, ReadFailed };
    // While opening, any decoding error fails; later, damaged packets are skipped. A read of
    // the file that fails is never taken for its end.
    Decoded DecodeNextFrame(bool opening);
    WmResult ConvertFrame(WmSampleBufferPtr* sample);
    // Back to a reader with nothing open.
    void Reset();
    std::uint16_t StreamNumberOf(unsigned index) const;
    int OutputChannels() const;

    std::shared_ptr<WmSampleBufferPool> pool_;
    ffmpeg::InputFormat input_;
    ffmpeg::CodecContext decoder_;
    ffmpeg::Packet packet_;
    ffmpeg::Frame frame_;
    ffmpeg::Resampler resampler_;
    int audioIndex_ = -1;
    bool frameReady_ = false;  // frame_ holds a decoded frame not yet handed out
    bool draining_ = false;
    bool ended_ = false;
    bool readFailed_ = false;  // the stream ended on a failed read
    std::uint64_t framesOut_ = 0;
    // The layout, format and rate the resampler was set up for.
    AVChannelLayout resamplerLayout_{};
    int resamplerFormat_ = -1;
    int resamplerRate_ = 0;
};

}  // namespace tonvexa
