#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "audio/ImaAdpcmDecoder.h"
#include "audio/MsAdpcmDecoder.h"
#include "audio/WavFormat.h"

struct gsm_state;

namespace tonvexa {

class Mp3Reader;

// Reads a RIFF WAVE file and delivers its audio as planar blocks of at most 1152 sample
// frames: unsigned 8-bit for 8-bit PCM files, signed 16-bit for every other format.
// Formats: PCM of 8, 16, 24 and 32 bits, IEEE float of 32 and 64 bits, A-law, mu-law, IMA
// ADPCM, Microsoft ADPCM, GSM 6.10 and (through the MP3 reader) MPEG Layer 3; also
// WAVE_FORMAT_EXTENSIBLE files whose sub-format is PCM, IEEE float, A-law or mu-law, which
// are read as that format.
//
// Besides RIFF it reads RF64 and BW64 (the 64-bit sizes of the "ds64" chunk stand in for
// 32-bit sizes of 0xFFFFFFFF) with every format above, and RIFX (all numbers and samples
// big-endian) with PCM and float data. An ID3v2 tag in front of the form is stepped over.
//
// Cycle: Open (walks the header), PrepareDecoding (buffers and the read routine), Read until
// a block of 0 frames or the end flag, Close. The probe of a file's properties stops after
// Open and reads format(), totalFrames(), outputBits() and outputChannels().
class WavReader {
public:
    // The most frames one Read delivers; the caller's arrays hold this many samples.
    static constexpr int kMaxBlockFrames = 1152;

    WavReader();
    virtual ~WavReader();
    WavReader(const WavReader&) = delete;
    WavReader& operator=(const WavReader&) = delete;

    // Closes what was open, opens the file and walks its chunks up to the "data" chunk.
    // False when the file cannot be read as one of the formats. After a failure the
    // stream may stay open; Close (or destruction) releases it.
    [[nodiscard]] bool Open(const std::string& path);

    // Chooses the read routine and allocates the buffers for the format. False when the
    // header was not parsed, or for float files of other than 32 or 64 bits.
    [[nodiscard]] bool PrepareDecoding();

    // Reads the next block through the routine PrepareDecoding chose. left and right are
    // the caller's arrays of kMaxBlockFrames samples of outputBits() width (std::uint8_t
    // for 8, std::int16_t for 16); right is written only when outputChannels() is 2.
    // framesOut receives the frames delivered (0 to 1152); endFlag is set when the input is
    // known to be exhausted and is never cleared here. A block of 0 frames also ends the
    // input. The routines return false, with 0 frames and the end flag as it was, when
    // reading the file failed (as opposed to the file ending), and the MP3 routine also for
    // a decoding error. Without a prepared routine: 0 frames, end flag set, false. MPEG
    // Layer 3 data is delivered one MPEG frame (1152 or 576 frames) per call.
    [[nodiscard]] bool Read(void* left, void* right, int& framesOut, bool& endFlag);

    // Releases the stream, the buffers and the decoders. Harmless when nothing is open.
    void Close();

    bool isOpen() const { return file_ != nullptr; }
    const std::string& path() const { return path_; }
    // The "fmt " record (for an extensible file its sub-format's tag; for MPEG Layer 3
    // data the MP3 stream's channels and rate).
    const WavFormatRecord& format() const { return format_; }
    // Length in sample frames per channel; the larger of the "fact" count and the count
    // that follows from the data size.
    std::int32_t totalFrames() const { return totalFrames_; }
    std::int32_t framesLeft() const { return framesLeft_; }
    // The size of the "data" chunk (in RF64 and BW64 files taken from "ds64" when the chunk
    // itself holds 0xFFFFFFFF).
    std::uint64_t dataSize() const { return dataSize_; }
    // 8 or 16: the width of the delivered samples.
    int outputBits() const { return outputBits_; }
    // 1 or 2: the channels delivered.
    int outputChannels() const { return outputChannels_; }

private:
    using BlockReaderFn = bool (WavReader::*)(void* left, void* right, int& framesOut,
                                              bool& endFlag);
    using LawExpanderFn = std::int32_t (*)(std::uint8_t);

    struct FileCloser {
        void operator()(std::FILE* file) const;
    };
    struct GsmDestroyer {
        void operator()(gsm_state* handle) const;
    };

    [[nodiscard]] bool ParseHeader();
    struct Ds64Sizes;
    [[nodiscard]] bool SkipLeadingId3v2(std::uint8_t (&form)[8]);
    [[nodiscard]] bool ReadDs64(std::uint64_t size, Ds64Sizes& ds64);
    std::uint16_t Field16(const std::uint8_t* p) const;
    std::uint32_t Field32(const std::uint8_t* p) const;
    [[nodiscard]] bool ParseFormatChunk(std::uint32_t chunkSize);
    [[nodiscard]] bool ReadMsAdpcmExtension(std::int64_t available);
    [[nodiscard]] bool ReadImaAdpcmExtension(std::int64_t available);
    [[nodiscard]] bool ReadExact(void* buffer, std::size_t bytes);
    [[nodiscard]] bool Skip(std::int64_t bytes);
    // True, with framesOut cleared, when a read of the stream failed.
    [[nodiscard]] bool ReadFailed(int& framesOut) const;
    void ResetDecoding();

    // Uncompressed routines, by the file's sample format and byte order.
    bool ReadPcm8(void* left, void* right, int& framesOut, bool& endFlag);
    template <wav::ByteOrder kOrder>
    bool ReadPcm16(void* left, void* right, int& framesOut, bool& endFlag);
    template <wav::ByteOrder kOrder>
    bool ReadPcm24(void* left, void* right, int& framesOut, bool& endFlag);
    template <wav::ByteOrder kOrder>
    bool ReadPcm32(void* left, void* right, int& framesOut, bool& endFlag);
    template <wav::ByteOrder kOrder>
    bool ReadFloat32(void* left, void* right, int& framesOut, bool& endFlag);
    template <wav::ByteOrder kOrder>
    bool ReadFloat64(void* left, void* right, int& framesOut, bool& endFlag);
    bool ReadCompanded(void* left, void* right, int& framesOut, bool& endFlag);
    template <typename Convert>
    bool ReadUncompressed(void* left, void* right, int& framesOut, bool& endFlag,
                          std::size_t sampleBytes, Convert convert);

    // Compressed routines: one block at a time, kept decoded until delivered.
    bool ReadImaAdpcm(void* left, void* right, int& framesOut, bool& endFlag);
    bool ReadMsAdpcm(void* left, void* right, int& framesOut, bool& endFlag);
    bool ReadGsm(void* left, void* right, int& framesOut, bool& endFlag);
    // MPEG Layer 3: frames of the MP3 stream, to the end of the file.
    bool ReadMp3(void* left, void* right, int& framesOut, bool& endFlag);
    template <typename DecodeBlock>
    bool ReadCompressed(void* left, void* right, int& framesOut, bool& endFlag,
                        DecodeBlock decodeBlock);
    void DeliverDecoded(std::int16_t* left, std::int16_t* right, int want, int& produced);

    BlockReaderFn BlockReader = nullptr;
    LawExpanderFn LawExpander = nullptr;
    std::string path_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    bool headerParsed_ = false;
    WavFormatRecord format_;
    std::int32_t totalFrames_ = 0;
    std::int32_t framesLeft_ = 0;
    std::uint64_t dataSize_ = 0;
    bool bigEndian_ = false;
    std::unique_ptr<MsAdpcmDecoder> msAdpcmDecoder_;
    std::unique_ptr<ImaAdpcmDecoder> imaAdpcmDecoder_;
    std::unique_ptr<Mp3Reader> mp3Reader_;
    int outputBits_ = 0;
    int outputChannels_ = 0;
    std::unique_ptr<gsm_state, GsmDestroyer> gsmDecoder_;
    std::vector<std::uint8_t> blockBuffer_;
    std::vector<std::int16_t> decodedBuffer_;
    int blockBytes_ = 0;
    int blockFrames_ = 0;
    int blockPosition_ = 0;
    bool compressedStereo_ = false;
};

}  // namespace tonvexa
