#pragma once

// The formats that FFmpeg's Windows Media Audio encoder (wmav2) offers: a fixed list of the
// common constant-bit-rate formats, each kept only when the encoder really opens with it.

#include <cstdint>
#include <string>
#include <vector>

#include "wm/WmBasicProfile.h"

namespace tonvexa {

struct WmaCandidateFormat {
    std::uint32_t sampleRate;
    std::uint16_t channels;
    std::uint32_t bitRate;
};

// Every candidate, whether the encoder takes it or not.
const std::vector<WmaCandidateFormat>& WmaCandidateFormats();

// "128 kbps, 44 kHz, stereo CBR".
std::u16string WmaFormatDescription(const WmaCandidateFormat& format);

class FfmpegProfileManager final : public WmProfileManager {
public:
    FfmpegProfileManager();

    WmResult GetCodecInfoCount(const WmGuid& majorType, std::uint32_t* count) override;
    WmResult GetCodecFormatCount(const WmGuid& majorType, std::uint32_t codec,
                                 std::uint32_t* count) override;
    WmResult GetCodecFormatDesc(const WmGuid& majorType, std::uint32_t codec, std::uint32_t format,
                                WmStreamConfigPtr* config, char16_t* description,
                                std::uint32_t* descriptionLength) override;
    WmResult CreateEmptyProfile(WMT_VERSION version, WmProfilePtr* profile) override;

private:
    struct Offered {
        WmaCandidateFormat format;
        MediaTypeBlock mediaType;
    };
    void FindOfferedFormats();

    bool probed_ = false;
    std::vector<Offered> offered_;
};

}  // namespace tonvexa
