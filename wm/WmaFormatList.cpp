#include "wm/WmaFormatList.h"

#include <string_view>

#include "wm/WmText.h"

namespace tonvexa {

namespace {

constexpr std::uint32_t kDescriptionCapacity = 1024;
constexpr std::u16string_view kAudioVideoMarker = u"(A/V)";

bool IsAudioVideoFormat(std::u16string description) {
    for (char16_t& c : description)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return description.find(kAudioVideoMarker) != std::u16string::npos;
}

// Keeps the list sorted by sample rate, then bit rate; an entry equal in both to one already
// listed goes before it when its channel count differs and is dropped when it is the same.
void InsertFormat(WmaFormatList& list, WmaFormatEntry entry) {
    const std::uint32_t rate = entry.sampleRate();
    for (auto it = list.begin(); it != list.end(); ++it) {
        const std::uint32_t itRate = it->sampleRate();
        if (itRate > rate || (itRate == rate && it->bitRate > entry.bitRate)) {
            list.insert(it, std::move(entry));
            return;
        }
        if (itRate == rate && it->bitRate == entry.bitRate) {
            if (it->channels() != entry.channels()) list.insert(it, std::move(entry));
            return;
        }
    }
    list.push_back(std::move(entry));
}

}  // namespace

std::uint32_t WmaFormatEntry::sampleRate() const {
    const WAVEFORMATEX* format = WaveFormatOf(mediaType.get());
    return format ? format->nSamplesPerSec : 0;
}

std::uint16_t WmaFormatEntry::channels() const {
    const WAVEFORMATEX* format = WaveFormatOf(mediaType.get());
    return format ? format->nChannels : 0;
}

std::vector<WmaFormatRef> ShareWmaFormats(const WmaFormatList& list) {
    std::vector<WmaFormatRef> refs;
    refs.reserve(list.size());
    for (const auto& e : list) refs.push_back({e.mediaType.get(), e.bitRate});
    return refs;
}

bool BuildWmaFormatList(WmRuntime& runtime, WmaFormatList& list) {
    list.clear();
    WmProfileManagerPtr manager;
    WmResult r = runtime.CreateProfileManager(&manager);
    if (WmFailed(r) || !manager) return false;
    std::uint32_t codecs = 0;
    r = manager->GetCodecInfoCount(WMMEDIATYPE_Audio, &codecs);
    if (WmFailed(r)) return false;
    for (std::uint32_t codec = 0; codec < codecs; ++codec) {
        std::uint32_t formats = 0;
        r = manager->GetCodecFormatCount(WMMEDIATYPE_Audio, codec, &formats);
        if (WmFailed(r)) return false;
        for (std::uint32_t format = 0; format < formats; ++format) {
            WmStreamConfigPtr config;
            std::u16string description(kDescriptionCapacity, u'\0');
            std::uint32_t length = kDescriptionCapacity;
            r = manager->GetCodecFormatDesc(WMMEDIATYPE_Audio, codec, format, &config,
                                            description.data(), &length);
            if (WmFailed(r) || !config) break;
            description.resize(description.find(u'\0') == std::u16string::npos
                                   ? description.size()
                                   : description.find(u'\0'));
            if (IsAudioVideoFormat(description)) continue;

            WmaFormatEntry entry;
            entry.description = Utf16ToUtf8(description);
            std::uint32_t size = 0;
            r = config->GetBitrate(&entry.bitRate);
            if (WmFailed(r)) break;
            r = config->GetMediaType(nullptr, &size);
            if (WmFailed(r)) break;
            entry.mediaType = AllocateMediaTypeBlock(size);
            if (!entry.mediaType) break;
            r = config->GetMediaType(entry.mediaType.get(), &size);
            if (WmFailed(r)) break;

            const WM_MEDIA_TYPE& type = *entry.mediaType;
            const bool wma = type.subtype == WMMEDIASUBTYPE_WMAudioV8 ||
                             type.subtype == WMMEDIASUBTYPE_WMAudioV9;
            if (wma && WaveFormatOf(&type) && entry.channels() <= 2)
                InsertFormat(list, std::move(entry));
        }
    }
    return !WmFailed(r);
}

bool FindWmaFormat(const WmaFormatList& list, std::uint32_t sampleRate, std::uint32_t bitRate,
                   std::uint32_t channels, const WM_MEDIA_TYPE** mediaType,
                   std::uint32_t* foundBitRate) {
    const WmaFormatEntry* fallback = nullptr;
    const WmaFormatEntry* result = nullptr;
    for (const auto& e : list) {
        if (e.channels() != channels) continue;
        const std::uint32_t rate = e.sampleRate();
        if (rate < sampleRate || (rate == sampleRate && e.bitRate < bitRate)) {
            fallback = &e;
            continue;
        }
        if (rate == sampleRate && e.bitRate == bitRate) {
            result = &e;
        } else if (rate == sampleRate) {
            // Above the request: the nearer of the two, a tie going to the higher.
            const bool fallbackNearer = fallback && fallback->sampleRate() == sampleRate &&
                                        (e.bitRate - bitRate) > (bitRate - fallback->bitRate);
            result = fallbackNearer ? fallback : &e;
        } else {
            result = fallback && fallback->sampleRate() == sampleRate ? fallback : &e;
        }
        break;
    }
    if (!result) result = fallback;
    if (!result) return false;
    if (mediaType) *mediaType = result->mediaType.get();
    if (foundBitRate) *foundBitRate = result->bitRate;
    return true;
}

}  // namespace tonvexa
