#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tonvexa {

// The on-disk layout of RIFF WAVE files as the WAV reader walks them: chunk ids, format
// tags and the sizes of the "fmt " bodies. Every number here is fixed by the file format.
namespace wav {

using ChunkId = std::array<char, 4>;
inline constexpr ChunkId kRiffId{'R', 'I', 'F', 'F'};
inline constexpr ChunkId kWaveId{'W', 'A', 'V', 'E'};
inline constexpr ChunkId kFormatChunkId{'f', 'm', 't', ' '};
inline constexpr ChunkId kFactChunkId{'f', 'a', 'c', 't'};
inline constexpr ChunkId kDataChunkId{'d', 'a', 't', 'a'};

// RIFX: the RIFF layout with every number, samples included, big-endian.
inline constexpr ChunkId kRifxId{'R', 'I', 'F', 'X'};
// The byte order of a file's numbers and samples.
enum class ByteOrder { kLittle, kBig };

// RF64 (EBU Tech 3306) and BW64 (ITU-R BS.2088), one layout under two names: a RIFF form
// whose 32-bit sizes may hold kSizeInDs64, the real sizes then standing as 64-bit numbers
// in a "ds64" chunk before the data: the RIFF size (u64), the data size (u64), the sample
// count of "fact" (u64), the number of table entries (u32), and the table: a chunk id and
// its size (u64) for any other chunk too large for its 32-bit field.
inline constexpr ChunkId kRf64Id{'R', 'F', '6', '4'};
inline constexpr ChunkId kBw64Id{'B', 'W', '6', '4'};
inline constexpr ChunkId kDs64ChunkId{'d', 's', '6', '4'};
inline constexpr std::uint32_t kSizeInDs64 = 0xFFFFFFFF;
inline constexpr std::uint32_t kDs64MinimumSize = 28;
inline constexpr std::size_t kDs64DataSizeOffset = 8;
inline constexpr std::size_t kDs64SampleCountOffset = 16;
inline constexpr std::size_t kDs64TableLengthOffset = 24;
inline constexpr std::size_t kDs64TableEntrySize = 12;

// Every chunk starts with its 4-byte id and a 32-bit body size (little-endian, but for RIFX).
inline constexpr std::size_t kChunkHeaderSize = 8;

// Format tags (WAVEFORMATEX wFormatTag).
inline constexpr std::uint16_t kFormatPcm = 0x0001;
inline constexpr std::uint16_t kFormatMsAdpcm = 0x0002;
inline constexpr std::uint16_t kFormatIeeeFloat = 0x0003;
inline constexpr std::uint16_t kFormatALaw = 0x0006;
inline constexpr std::uint16_t kFormatMuLaw = 0x0007;
inline constexpr std::uint16_t kFormatImaAdpcm = 0x0011;
inline constexpr std::uint16_t kFormatGsm610 = 0x0031;
inline constexpr std::uint16_t kFormatMpegLayer3 = 0x0055;
inline constexpr std::uint16_t kFormatExtensible = 0xFFFE;

// The "fmt " body without an extension (PCMWAVEFORMAT plus bits per sample), and the
// record the reader keeps: that body plus the 2-byte extension size.
inline constexpr std::size_t kFormatBodySize = 16;
inline constexpr std::size_t kFormatRecordSize = 18;

// WAVE_FORMAT_EXTENSIBLE: after the 18-byte record come valid bits (u16), the channel mask
// (u32) and the sub-format GUID (16 bytes), 40 bytes in all, with an extension size of 22.
inline constexpr std::size_t kExtensibleBodySize = 40;
inline constexpr std::uint16_t kExtensibleExtensionSize = 22;
inline constexpr std::size_t kExtensibleGuidOffset = 24;
inline constexpr std::size_t kGuidSize = 16;
// A sub-format GUID is {tag-0000-0010-8000-00AA00389B71}: the format tag as the first
// 32-bit field, then this fixed tail (bytes 4..15 as stored).
inline constexpr std::array<std::uint8_t, 12> kSubFormatGuidTail{
    0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

// IMA ADPCM: extension size, then samples per block (u16). Each block starts with a
// 4-byte header per channel and then holds groups of 4 bytes per channel.
inline constexpr std::uint16_t kImaMinimumExtensionSize = 2;
inline constexpr std::size_t kImaExtensionBytes = 4;
inline constexpr std::size_t kImaChannelHeaderSize = 4;
inline constexpr std::size_t kImaGroupBytes = 4;

// Microsoft ADPCM: extension size, samples per block (u16), coefficient count (u16), then
// the coefficient pairs (two s16 each). A block starts with a 7-byte header per channel.
inline constexpr std::uint16_t kMsMinimumExtensionSize = 4;
inline constexpr std::size_t kMsChannelHeaderSize = 7;
inline constexpr std::size_t kMsCoefficientPairSize = 4;

// GSM 6.10 in the Microsoft WAV49 packing: two 160-sample frames share 65 bytes, the
// second frame's bytes starting at offset 33.
inline constexpr std::uint16_t kGsmBlockAlign = 65;
inline constexpr std::uint16_t kGsmSamplesPerBlock = 320;
inline constexpr std::uint16_t kGsmMinimumExtensionSize = 2;
inline constexpr std::uint32_t kGsmMinimumFormatSize = 20;
inline constexpr std::size_t kGsmSecondFrameOffset = 33;
inline constexpr std::size_t kGsmFrameSamples = 160;

// "fact": the 32-bit count of sample frames.
inline constexpr std::uint32_t kFactMinimumSize = 4;

}  // namespace wav

// The first 18 bytes of a "fmt " body (WAVEFORMATEX): the first 16 as stored, the extension
// size only for the formats that have one.
struct WavFormatRecord {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extensionSize = 0;
};

}  // namespace tonvexa
