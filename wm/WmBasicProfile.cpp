#include "wm/WmBasicProfile.h"

#include <cstring>

namespace tonvexa {

MediaTypeBlock CopyMediaType(const WM_MEDIA_TYPE& type) {
    std::uint32_t size = 0;
    if (WmFailed(CopyMediaTypeOut(type, nullptr, &size))) return {};
    MediaTypeBlock block = AllocateMediaTypeBlock(size);
    if (!block || WmFailed(CopyMediaTypeOut(type, block.get(), &size))) return {};
    return block;
}

WmBasicStreamConfig::WmBasicStreamConfig(const WmBasicStreamConfig& other)
    : streamType_(other.streamType_),
      mediaType_(other.mediaType_ ? CopyMediaType(*other.mediaType_) : MediaTypeBlock()),
      streamName_(other.streamName_),
      connectionName_(other.connectionName_),
      streamNumber_(other.streamNumber_),
      bitRate_(other.bitRate_),
      bufferWindow_(other.bufferWindow_) {}

WmResult WmBasicStreamConfig::GetBitrate(std::uint32_t* bitRate) {
    if (!bitRate) return WM_E_INVALIDARG;
    *bitRate = bitRate_;
    return WM_S_OK;
}

WmResult WmBasicStreamConfig::GetMediaType(WM_MEDIA_TYPE* type, std::uint32_t* size) {
    if (!mediaType_) return WM_E_UNEXPECTED;
    return CopyMediaTypeOut(*mediaType_, type, size);
}

WmResult WmBasicStreamConfig::GetStreamType(WmGuid* type) {
    if (!type) return WM_E_INVALIDARG;
    *type = streamType_;
    return WM_S_OK;
}

WmResult WmBasicStreamConfig::GetStreamNumber(std::uint16_t* number) {
    if (!number) return WM_E_INVALIDARG;
    *number = streamNumber_;
    return WM_S_OK;
}

WmResult WmBasicStreamConfig::SetMediaType(const WM_MEDIA_TYPE& type) {
    MediaTypeBlock copy = CopyMediaType(type);
    if (!copy) return WM_E_OUTOFMEMORY;
    mediaType_ = std::move(copy);
    return WM_S_OK;
}

WmResult WmBasicStreamConfig::SetStreamName(const std::u16string& name) {
    streamName_ = name;
    return WM_S_OK;
}

WmResult WmBasicStreamConfig::SetConnectionName(const std::u16string& name) {
    connectionName_ = name;
    return WM_S_OK;
}

WmResult WmBasicStreamConfig::SetStreamNumber(std::uint16_t number) {
    // Stream numbers of ASF files run from 1 to 127.
    if (number < 1 || number > 127) return WM_E_INVALIDARG;
    streamNumber_ = number;
    return WM_S_OK;
}

WmResult WmBasicStreamConfig::SetBitrate(std::uint32_t bitRate) {
    bitRate_ = bitRate;
    return WM_S_OK;
}

WmResult WmBasicStreamConfig::SetBufferWindow(std::uint32_t milliseconds) {
    bufferWindow_ = milliseconds;
    return WM_S_OK;
}

WmResult WmBasicProfile::CreateNewStream(const WmGuid& majorType, WmStreamConfigPtr* config) {
    if (!config) return WM_E_INVALIDARG;
    *config = std::make_unique<WmBasicStreamConfig>(majorType);
    return WM_S_OK;
}

WmResult WmBasicProfile::AddStream(const WmStreamConfig& config) {
    const auto* basic = dynamic_cast<const WmBasicStreamConfig*>(&config);
    if (!basic || !basic->mediaType() || basic->streamNumber() == 0) return WM_E_INVALIDARG;
    for (const auto& s : streams_)
        if (s.streamNumber() == basic->streamNumber()) return WM_E_INVALIDARG;
    streams_.push_back(*basic);
    return WM_S_OK;
}

WmResult WmBasicProfile::GetStreamCount(std::uint32_t* count) {
    if (!count) return WM_E_INVALIDARG;
    *count = static_cast<std::uint32_t>(streams_.size());
    return WM_S_OK;
}

WmResult WmBasicProfile::GetStream(std::uint32_t index, WmStreamConfig** config) {
    if (!config || index >= streams_.size()) return WM_E_INVALIDARG;
    *config = &streams_[index];
    return WM_S_OK;
}

}  // namespace tonvexa
