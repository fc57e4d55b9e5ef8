#pragma once

// A profile and stream configuration that only hold what they are told: the runtimes use
// them for the profiles that callers build and for the configurations of codec formats.

#include <string>
#include <vector>

#include "wm/WmRuntime.h"

namespace tonvexa {

class WmBasicStreamConfig final : public WmStreamConfig {
public:
    explicit WmBasicStreamConfig(const WmGuid& streamType) : streamType_(streamType) {}
    WmBasicStreamConfig(const WmBasicStreamConfig& other);

    WmResult GetBitrate(std::uint32_t* bitRate) override;
    WmResult GetMediaType(WM_MEDIA_TYPE* type, std::uint32_t* size) override;
    WmResult GetStreamType(WmGuid* type) override;
    WmResult GetStreamNumber(std::uint16_t* number) override;
    WmResult SetMediaType(const WM_MEDIA_TYPE& type) override;
    WmResult SetStreamName(const std::u16string& name) override;
    WmResult SetConnectionName(const std::u16string& name) override;
    WmResult SetStreamNumber(std::uint16_t number) override;
    WmResult SetBitrate(std::uint32_t bitRate) override;
    WmResult SetBufferWindow(std::uint32_t milliseconds) override;

    const WM_MEDIA_TYPE* mediaType() const { return mediaType_.get(); }
    const std::u16string& streamName() const { return streamName_; }
    const std::u16string& connectionName() const { return connectionName_; }
    std::uint16_t streamNumber() const { return streamNumber_; }
    std::uint32_t bitRate() const { return bitRate_; }
    std::uint32_t bufferWindow() const { return bufferWindow_; }

private:
    WmGuid streamType_;
    MediaTypeBlock mediaType_;
    std::u16string streamName_;
    std::u16string connectionName_;
    std::uint16_t streamNumber_ = 0;
    std::uint32_t bitRate_ = 0;
    std::uint32_t bufferWindow_ = 0;
};

class WmBasicProfile final : public WmProfile {
public:
    explicit WmBasicProfile(WMT_VERSION version) : version_(version) {}

    WmResult CreateNewStream(const WmGuid& majorType, WmStreamConfigPtr* config) override;
    // Takes a copy of the configuration; only configurations made by CreateNewStream fit.
    WmResult AddStream(const WmStreamConfig& config) override;
    WmResult GetStreamCount(std::uint32_t* count) override;
    WmResult GetStream(std::uint32_t index, WmStreamConfig** config) override;

    WMT_VERSION version() const { return version_; }
    const WmBasicStreamConfig* stream(std::size_t index) const {
        return index < streams_.size() ? &streams_[index] : nullptr;
    }

private:
    WMT_VERSION version_;
    std::vector<WmBasicStreamConfig> streams_;
};

// A copy of a media type in a block of its own.
MediaTypeBlock CopyMediaType(const WM_MEDIA_TYPE& type);

}  // namespace tonvexa
