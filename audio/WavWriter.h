#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/WavHeader.h"
#include "base/AtomicOutput.h"

namespace tonvexa {

// Creates an uncompressed PCM WAV file (8 or 16 bits, mono or stereo) and appends planar
// sample blocks to it. The header goes out at Open with placeholder sizes; Close fills the
// sizes in from the file's real length, so the header always agrees with what reached the
// disk. A writer destroyed while a file is open closes it the same way.
//
// The file is the canonical 44-byte RIFF layout, unless the caller expects more data than
// its 32-bit sizes can describe: it is then written as RF64 from the start, its 64-bit
// sizes in a "ds64" chunk.
//
// The file is written without a name (AtomicOutput): opened on a path, the writer names it
// at Close, never in place of anything; opened on the caller's AtomicOutput, the caller
// names it.
class WavWriter {
public:
    // maxDataSize is the most data a RIFF file may take. It defaults to what the 32-bit
    // size fields can describe; tests lower it to see both layouts and the guard at work
    // without writing gigabytes.
    explicit WavWriter(std::uint64_t maxDataSize = wavheader::kMaxDataSize);
    virtual ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // Starts the file and writes the header: the 44-byte RIFF one, or the 80-byte RF64 one
    // when expectedDataSize (the data bytes the caller expects to write, 0 when it cannot
    // tell) passes the limit. Any non-zero stereo flag means two channels. False when the
    // file cannot be created or its header cannot be written, or for a rate outside 1 Hz ...
    // kMaxSampleRate; the writer is then not open. A file still open from before is closed
    // first. The path form writes a file that takes the path's name at Close; the other
    // writes into the caller's file, which must outlive the writing.
    [[nodiscard]] bool Open(const std::string& path, int stereo, std::uint16_t bitsPerSample,
                            std::int32_t sampleRate, std::uint64_t expectedDataSize = 0);
    [[nodiscard]] bool Open(AtomicOutput& file, int stereo, std::uint16_t bitsPerSample,
                            std::int32_t sampleRate, std::uint64_t expectedDataSize = 0);

    // Append frames of signed 16-bit (WritePcm16) or unsigned 8-bit (WritePcm8) samples; for a
    // mono file the right array is not read. Each block is one system write. False when no
    // file is open, the width does not match the opened one, the block would take the data
    // of a RIFF file past the size limit (nothing is written then), or the system did not
    // take every byte (disk full, lost share: the bytes that did arrive stay and Close
    // accounts for them).
    [[nodiscard]] bool WritePcm16(const std::int16_t* left, const std::int16_t* right,
                                  std::int32_t frames);
    [[nodiscard]] bool WritePcm8(const std::uint8_t* left, const std::uint8_t* right,
                                 std::int32_t frames);

    // Chunks (whole, each of even length: a LIST/INFO chunk, an id3 chunk) to follow the
    // data at Close, so that the header keeps its place and length. A RIFF file whose 32-bit
    // size could not take them is closed without them.
    void SetTrailingChunks(std::vector<std::uint8_t> chunks) { trailing_ = std::move(chunks); }

    // Writes the trailing chunks and the sizes from the file's length (for RF64 the RIFF and data sizes and the
    // frame count in "ds64") and closes it; a file opened on a path then takes that name.
    // True when nothing was open. False when the length could not be read or does not fit
    // the size fields, when the sizes could not be written, when closing reported an error,
    // or when the path's name was taken meanwhile (the file is then dropped, as it is after
    // any failure); the file is closed in every case.
    [[nodiscard]] bool Close();

    bool IsOpen() const { return fd_ >= 0; }
    std::uint16_t Channels() const { return channels_; }
    std::uint16_t BitsPerSample() const { return bitsPerSample_; }
    bool IsRf64() const { return rf64_; }

private:
    [[nodiscard]] bool WriteBlock(const void* data, std::size_t bytes);
    [[nodiscard]] bool Start(AtomicOutput& file, int stereo, std::uint16_t bitsPerSample,
                             std::int32_t sampleRate, std::uint64_t expectedDataSize);

    const std::uint64_t maxDataSize_;
    // The file of the path form, and the name it takes at Close.
    std::unique_ptr<AtomicOutput> owned_;
    std::string path_;
    int fd_ = -1;  // a duplicate of the file's descriptor
    std::uint16_t channels_ = 0;
    std::uint16_t bitsPerSample_ = 0;
    std::uint16_t blockAlign_ = 0;
    bool rf64_ = false;
    std::uint64_t dataSize_ = 0;  // data bytes that reached the file
    std::vector<std::uint8_t> trailing_;
};

}  // namespace tonvexa
