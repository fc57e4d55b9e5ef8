#pragma once

#include <cstdint>
#include <string>

#include "base/Id3Tag.h"

namespace tonvexa {

// Values of DestOutputFolderOpt.
inline constexpr std::int32_t kOutputBesideSource = 199;
inline constexpr std::int32_t kOutputSpecifiedFolder = 399;

// Values of ID3TagOpt and WMAID3TagOpt.
inline constexpr std::int32_t kTagAddConfigured = 0;
inline constexpr std::int32_t kTagKeepSource = 1;
inline constexpr std::int32_t kTagNone = 2;

// Values of MP3ChannelMode: the encoder's own mode numbers.
inline constexpr std::int32_t kMp3Stereo = 0;
inline constexpr std::int32_t kMp3JointStereo = 1;
inline constexpr std::int32_t kMp3Mono = 3;

// Values of SimultaneousConversions: kSimultaneousAuto, or a count up to the maximum.
inline constexpr std::int32_t kSimultaneousAuto = 0;
inline constexpr std::int32_t kMaxSimultaneousConversions = 64;

// The user's options, one field per stored value; the field names are the stored names.
// Texts are UTF-8 and hold at most kMaxTextLength characters.
struct AppSettings {
    static constexpr std::size_t kMaxTextLength = 259;

    std::string Folder;
    std::int32_t AutoDestMP3EncodingParam = 1;
    std::int32_t MP3BitRate = 128;
    std::int32_t MP3SampleRate = 44100;
    std::int32_t MP3ChannelMode = kMp3JointStereo;
    std::int32_t AutoDestWMAEncodingParam = 1;
    std::int32_t WMABitRate = 128000;
    std::int32_t WMASampleRate = 44100;
    std::int32_t WMAChannels = 2;
    std::int32_t AmplifyWMA = 0;
    std::int32_t AmplifyWMACoeff = 100;
    // A new user keeps the source's tag: dropping every tag by default would lose work.
    std::int32_t WMAID3TagOpt = kTagKeepSource;
    Id3Tag WMAID3Tag;
    std::int32_t AutoDestWAVEncodingParam = 1;
    std::int32_t WAVSampleRate = 44100;
    std::int32_t WAVChannelNum = 2;
    std::int32_t WAVBitsPerSample = 16;
    std::int32_t DestOutputFolderOpt = kOutputBesideSource;
    std::string DestSpecifiedFolder;
    std::int32_t CreateDirs = 0;
    std::int32_t ID3TagOpt = kTagKeepSource;
    Id3Tag ID3Tag;
    std::int32_t AmplifyMp3 = 0;
    std::int32_t AmplifyMp3Coeff = 100;
    std::int32_t AmplifyWav = 0;
    std::int32_t AmplifyWavCoeff = 100;
    std::int32_t lastOptionsPage = 0;  // never stored
    std::int32_t BrowseOutputFolder = 1;
    // How many files a batch converts at once; see EffectiveSimultaneousConversions.
    std::int32_t SimultaneousConversions = kSimultaneousAuto;

    bool operator==(const AppSettings&) const = default;
};

// How many conversions run at once: the stored count when it is 1 to
// kMaxSimultaneousConversions, else (Auto, or a value no version of the program stores) one
// per processor core, at least one and at most kMaxSimultaneousConversions.
int EffectiveSimultaneousConversions(const AppSettings& settings);

}  // namespace tonvexa
