#pragma once

#include <cstddef>
#include <cstdint>

// The canonical 44-byte header of the PCM WAV files the program writes: a RIFF form of type
// WAVE holding one 16-byte "fmt " chunk and one "data" chunk, all integers little-endian.
namespace tonvexa::wavheader {

inline constexpr char kRiffId[4] = {'R', 'I', 'F', 'F'};
// The form type and the first chunk id go out as one 8-byte string.
inline constexpr char kWaveFmtId[8] = {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
inline constexpr char kDataId[4] = {'d', 'a', 't', 'a'};

inline constexpr std::size_t kRiffIdOffset = 0;
inline constexpr std::size_t kRiffSizeOffset = 4;
inline constexpr std::size_t kWaveFmtOffset = 8;
inline constexpr std::size_t kFmtSizeOffset = 16;
inline constexpr std::size_t kFormatTagOffset = 20;
inline constexpr std::size_t kChannelsOffset = 22;
inline constexpr std::size_t kSampleRateOffset = 24;
inline constexpr std::size_t kByteRateOffset = 28;
inline constexpr std::size_t kBlockAlignOffset = 32;
inline constexpr std::size_t kBitsPerSampleOffset = 34;
inline constexpr std::size_t kDataIdOffset = 36;
inline constexpr std::size_t kDataSizeOffset = 40;
inline constexpr std::size_t kHeaderSize = 44;

inline constexpr std::uint32_t kFmtChunkSize = 16;
inline constexpr std::uint16_t kFormatTagPcm = 1;
// Both size fields hold this until the file is finished.
inline constexpr std::uint32_t kSizePlaceholder = 4;
// The RIFF size counts everything after its own field.
inline constexpr std::uint64_t kRiffSizeBias = 8;

// The RIFF size is the largest 32-bit field, so it sets the limit: the data may grow until
// 36 + data size reaches 2^32 - 1.
inline constexpr std::uint64_t kMaxDataSize = 0xFFFFFFFFull - (kHeaderSize - kRiffSizeBias);

// RF64 (EBU Tech 3306), for data beyond that limit: the 32-bit RIFF and data sizes hold
// 0xFFFFFFFF and the real sizes stand as 64-bit numbers in a "ds64" chunk between the form
// type and "fmt ": the RIFF size, the data size, the sample count (frames) and an empty
// table of other large chunks. The "fmt " chunk is the same as above; 80 bytes in all.
inline constexpr char kRf64Id[4] = {'R', 'F', '6', '4'};
inline constexpr char kWaveId[4] = {'W', 'A', 'V', 'E'};
inline constexpr char kDs64Id[4] = {'d', 's', '6', '4'};
inline constexpr char kFmtId[4] = {'f', 'm', 't', ' '};
inline constexpr std::uint32_t kSizeInDs64 = 0xFFFFFFFF;
inline constexpr std::uint32_t kDs64ChunkSize = 28;
inline constexpr std::size_t kRf64WaveOffset = 8;
inline constexpr std::size_t kRf64Ds64Offset = 12;
inline constexpr std::size_t kRf64Ds64SizeOffset = 16;
inline constexpr std::size_t kRf64RiffSizeOffset = 20;
inline constexpr std::size_t kRf64DataSizeOffset = 28;
inline constexpr std::size_t kRf64SampleCountOffset = 36;
inline constexpr std::size_t kRf64TableLengthOffset = 44;
inline constexpr std::size_t kRf64FmtOffset = 48;
inline constexpr std::size_t kRf64FmtBodyOffset = 56;
inline constexpr std::size_t kRf64DataIdOffset = 72;
inline constexpr std::size_t kRf64DataSizeFieldOffset = 76;
inline constexpr std::size_t kRf64HeaderSize = 80;

}  // namespace tonvexa::wavheader
