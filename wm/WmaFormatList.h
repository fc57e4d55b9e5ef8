#pragma once

// The Windows Media Audio encoding formats that the runtime's codecs offer, sorted by sample
// rate and bit rate, and the search for the one nearest to a request.

#include <cstdint>
#include <string>
#include <vector>

#include "wm/WmRuntime.h"

namespace tonvexa {

struct WmaFormatEntry {
    // The format's media type as the runtime returned it; its WAVEFORMATEX lies in the same
    // block.
    MediaTypeBlock mediaType;
    // bit/s, as the format's stream configuration states it.
    std::uint32_t bitRate = 0;
    // The runtime's description of the format, for people ("128 kbps, 44 kHz, stereo CBR").
    std::string description = {};

    std::uint32_t sampleRate() const;
    std::uint16_t channels() const;
};

// Owns every entry's media type block; clearing the list frees them.
using WmaFormatList = std::vector<WmaFormatEntry>;

// An entry seen through a copy of the list that shares the media types and owns nothing.
struct WmaFormatRef {
    const WM_MEDIA_TYPE* mediaType = nullptr;
    std::uint32_t bitRate = 0;
};
std::vector<WmaFormatRef> ShareWmaFormats(const WmaFormatList& list);

// Empties the list and fills it from the runtime's audio codecs. True when the last runtime
// call succeeded (callers need not look at it).
bool BuildWmaFormatList(WmRuntime& runtime, WmaFormatList& list);

// The entry nearest to the request among those with exactly `channels` channels: its media
// type (borrowed from the list) and its own bit rate. False when none has that channel count.
[[nodiscard]] bool FindWmaFormat(const WmaFormatList& list, std::uint32_t sampleRate,
                                 std::uint32_t bitRate, std::uint32_t channels,
                                 const WM_MEDIA_TYPE** mediaType, std::uint32_t* foundBitRate);

}  // namespace tonvexa
