#pragma once

#include <cstddef>
#include <cstdint>

// The on-disk layout of MPEG audio files as the MP3 reader and writer see it: the frame
// header's fields, the leading tags that are skipped before the first frame, and the
// 128-byte ID3v1 block at the end.
namespace tonvexa::mp3 {

// Samples per channel of the largest MPEG audio frame (Layer II and MPEG-1 Layer III);
// every block a reader hands out fits into arrays of this many samples.
inline constexpr int kMaxFrameSamples = 1152;

// The ID3v1 block: the last 128 bytes of a file, starting with "TAG".
inline constexpr std::size_t kId3v1BlockSize = 128;
inline constexpr char kId3v1Magic[3] = {'T', 'A', 'G'};

// ID3v2 header: "ID3", version (2 bytes), flags, a 28-bit synchsafe size of the tag body
// (the 10 header bytes not included) in bytes 6 to 9.
inline constexpr std::size_t kId3v2HeaderSize = 10;
inline constexpr char kId3v2Magic[3] = {'I', 'D', '3'};
inline constexpr std::size_t kId3v2SizeOffset = 6;
// ID3v2.4: flag bit 4 announces a 10-byte footer after the body.
inline constexpr std::size_t kId3v2FlagsOffset = 5;
inline constexpr std::uint8_t kId3v2FooterFlag = 0x10;
inline constexpr std::size_t kId3v2FooterSize = 10;

// The body size an ID3v2 header announces: a 28-bit synchsafe integer, seven bits a byte.
constexpr std::int64_t Id3v2BodySize(const std::uint8_t* header) {
    const std::uint8_t* s = header + kId3v2SizeOffset;
    return (std::int64_t{s[0]} & 0x7F) << 21 | (std::int64_t{s[1]} & 0x7F) << 14 |
           (std::int64_t{s[2]} & 0x7F) << 7 | (s[3] & 0x7F);
}

// The "AiD" header some players put before the audio: "AiD", the byte 1, then a 16-bit
// little-endian length of the whole header, these 6 bytes included.
inline constexpr char kAidMagic[3] = {'A', 'i', 'D'};
inline constexpr std::uint8_t kAidVersion = 1;
inline constexpr std::size_t kAidFixedBytes = 6;

// Frame header fields, byte by byte (bytes 0 to 3 of the 4-byte header).
inline constexpr std::uint8_t kSyncByte = 0xFF;
inline constexpr std::uint8_t kSyncMask = 0xE0;     // byte 1: the last 3 sync bits
inline constexpr std::uint8_t kVersionMask = 0x18;  // byte 1: MPEG version
inline constexpr std::uint8_t kVersionReserved = 0x08;
inline constexpr std::uint8_t kLayerMask = 0x06;       // byte 1: layer, 0 reserved
inline constexpr std::uint8_t kBitRateMask = 0xF0;     // byte 2: bit-rate index
inline constexpr std::uint8_t kBitRateBad = 0xF0;      // index 15
inline constexpr std::uint8_t kBitRateFree = 0x00;     // index 0: free format
inline constexpr std::uint8_t kSampleRateMask = 0x0C;  // byte 2: sample-rate index
inline constexpr std::uint8_t kSampleRateReserved = 0x0C;
inline constexpr std::uint8_t kEmphasisMask = 0x03;  // byte 3: emphasis
inline constexpr std::uint8_t kEmphasisReserved = 0x02;
inline constexpr std::uint8_t kModeMask = 0xC0;  // byte 3: channel mode
inline constexpr int kModeShift = 6;

// Channel modes as the frame header and LAME's MPEG_mode number them.
inline constexpr int kModeStereo = 0;
inline constexpr int kModeJointStereo = 1;
inline constexpr int kModeDualChannel = 2;
inline constexpr int kModeMono = 3;
inline constexpr int kModeNotSet = 4;  // the encoder chooses

// True when four bytes can start a frame: the sync bits are set and no field holds a
// reserved or forbidden value. The decoder checks the frame itself; this only keeps the
// search from stopping at every 0xFF byte.
constexpr bool IsPlausibleFrameHeader(const std::uint8_t* h) {
    return h[0] == kSyncByte && (h[1] & kSyncMask) == kSyncMask &&
           (h[1] & kVersionMask) != kVersionReserved && (h[1] & kLayerMask) != 0 &&
           (h[2] & kBitRateMask) != kBitRateBad &&
           (h[2] & kSampleRateMask) != kSampleRateReserved &&
           (h[3] & kEmphasisMask) != kEmphasisReserved;
}

// What a plausible header announces about its frame: the sample rate, the channel count
// and the samples per channel.
constexpr int HeaderSampleRate(const std::uint8_t* h) {
    constexpr int kMpeg1Rates[3] = {44100, 48000, 32000};
    const int index = (h[2] & kSampleRateMask) >> 2;
    if (index > 2) return 0;
    switch (h[1] & kVersionMask) {
        case 0x18:
            return kMpeg1Rates[index];  // MPEG-1
        case 0x10:
            return kMpeg1Rates[index] / 2;  // MPEG-2
        case 0x00:
            return kMpeg1Rates[index] / 4;  // MPEG-2.5
        default:
            return 0;
    }
}

constexpr int HeaderChannels(const std::uint8_t* h) {
    return ((h[3] & kModeMask) >> kModeShift) == kModeMono ? 1 : 2;
}

constexpr int HeaderSamplesPerFrame(const std::uint8_t* h) {
    switch ((h[1] & kLayerMask) >> 1) {
        case 3:
            return 384;  // Layer I
        case 2:
            return 1152;  // Layer II
        case 1:
            return (h[1] & kVersionMask) == 0x18 ? 1152 : 576;  // Layer III
        default:
            return 0;
    }
}

// The length in bytes of the frame a plausible header starts, header included; 0 for a free
// format frame, whose length only the next header shows.
constexpr int HeaderFrameBytes(const std::uint8_t* h) {
    // kbit/s by bit-rate index: MPEG-1 Layers I, II, III; then MPEG-2 and 2.5 Layer I, and
    // their Layers II and III, which share one table.
    constexpr int kRates[5][15] = {
        {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}};
    const int layer = 4 - ((h[1] & kLayerMask) >> 1);  // 1, 2 or 3
    const bool mpeg1 = (h[1] & kVersionMask) == 0x18;
    const int index = (h[2] & kBitRateMask) >> 4;
    const int sampleRate = HeaderSampleRate(h);
    if (layer < 1 || layer > 3 || index == 0 || index > 14 || sampleRate == 0) return 0;
    const int table = mpeg1 ? layer - 1 : (layer == 1 ? 3 : 4);
    const int bitsPerSecond = kRates[table][index] * 1000;
    const int padding = (h[2] & 0x02) != 0 ? 1 : 0;
    if (layer == 1) return (12 * bitsPerSecond / sampleRate + padding) * 4;
    return HeaderSamplesPerFrame(h) / 8 * bitsPerSecond / sampleRate + padding;
}

}  // namespace tonvexa::mp3
