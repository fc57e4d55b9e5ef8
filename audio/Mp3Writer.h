#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

#include "audio/Mp3Format.h"
#include "base/AtomicOutput.h"

struct lame_global_struct;

namespace tonvexa {

// Encodes planar signed 16-bit PCM into a constant-bit-rate MP3 file through the LAME
// encoder: plain CBR frames with no Xing/"Info" frame and no tag of the encoder's own,
// optionally preceded by a tag of the caller's (an ID3v2 tag) and followed by a 128-byte
// ID3v1 block as the file's last bytes.
//
// Calling order: Open, optionally WriteLeadingTag and SetTagBlock, the setters,
// StartEncoding, Encode for every block, Close. The setters only take effect between Open and StartEncoding.
//
// The file is written without a name (AtomicOutput): opened on a path, the writer names it
// at Close, never in place of anything; opened on the caller's AtomicOutput, the caller
// names it.
class Mp3Writer {
public:
    // Bytes of encoder output one Encode call can take: enough for blocks of several
    // thousand frames (callers pass at most 1152).
    static constexpr std::size_t kOutputBufferSize = 16384;
    static constexpr int kMinBitRate = 8;
    static constexpr int kMaxBitRate = 320;

    Mp3Writer();
    virtual ~Mp3Writer();
    Mp3Writer(const Mp3Writer&) = delete;
    Mp3Writer& operator=(const Mp3Writer&) = delete;

    // Finishes a previous file, starts the file and an encoder with LAME's defaults. False
    // when the file cannot be created (nothing else changes) or the encoder cannot be set up
    // (the file then stays open until Close). The path form writes a file that takes the
    // path's name at Close; the other writes into the caller's file, which must outlive the
    // writing.
    [[nodiscard]] bool Open(const std::string& path);
    [[nodiscard]] bool Open(AtomicOutput& file);

    // Writes a tag that opens the file, before any audio; only between Open and
    // StartEncoding. False when nothing is open, encoding has started or the write failed.
    [[nodiscard]] bool WriteLeadingTag(std::span<const std::uint8_t> tag);
    // Keeps a copy of the ID3v1 block to append at Close.
    void SetTagBlock(std::span<const std::uint8_t, mp3::kId3v1BlockSize> block);
    // 1 or 2; values below give 1, above give 2.
    void SetChannels(int channels);
    // A rate outside 1 Hz ... kMaxSampleRate makes StartEncoding fail.
    void SetInSampleRate(int rate);
    // 0 leaves the choice to the encoder; a rate that MPEG audio does not have makes
    // StartEncoding fail.
    void SetOutSampleRate(int rate);
    // kbit/s, clamped to 8 ... 320.
    void SetBitRate(int kbps);
    // 0 stereo, 1 joint stereo and 3 mono pass; anything else (dual channel included,
    // which the encoder does not support) becomes stereo.
    void SetMode(int mode);

    // Fixes the parameters. False when the encoder refuses them (an output rate it cannot
    // write, for example) or nothing is open. The encoder silently lowers a bit rate that the
    // output rate cannot carry (320 kbit/s at 11025 Hz is written at 64): that still encodes, and
    // EffectiveBitRate tells what the file really gets.
    [[nodiscard]] bool StartEncoding();

    // Encodes frames samples per channel (right is not read for a one-channel encoder)
    // and writes what the encoder produces. False on an encoder error (including output
    // larger than the buffer), a short write, or before StartEncoding.
    [[nodiscard]] bool Encode(const std::int16_t* left, const std::int16_t* right, int frames);

    // Flushes the encoder, appends the tag block, closes the file (a file opened on a path
    // then takes that name) and releases the encoder. False when the flush, a write or
    // closing the file failed, or when the path's name was taken meanwhile (the file is then
    // dropped, as it is after any failure), so the caller can treat the file as broken. True
    // (and nothing happens) when no file is open.
    [[nodiscard]] bool Close();

    bool IsOpen() const { return file_ != nullptr; }
    // The path given to the path form of Open; empty for the other.
    const std::string& Path() const { return path_; }
    // The parameters the encoder settled on, valid after a successful StartEncoding.
    int EffectiveBitRate() const { return effectiveBitRate_; }
    int EffectiveOutSampleRate() const { return effectiveOutSampleRate_; }
    int EffectiveMode() const { return effectiveMode_; }

private:
    struct EncoderCloser {
        void operator()(lame_global_struct* encoder) const;
    };
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    bool WriteAll(const void* data, std::size_t size);
    [[nodiscard]] bool Start(AtomicOutput& file);

    // The file of the path form.
    std::unique_ptr<AtomicOutput> owned_;
    std::string path_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::unique_ptr<lame_global_struct, EncoderCloser> encoder_;
    bool started_ = false;
    bool writeFailed_ = false;
    bool inRateRefused_ = false;
    bool outRateRefused_ = false;
    int effectiveBitRate_ = 0;
    int effectiveOutSampleRate_ = 0;
    int effectiveMode_ = 0;
    std::array<unsigned char, kOutputBufferSize> output_{};
    std::unique_ptr<std::array<std::uint8_t, mp3::kId3v1BlockSize>> tagBlock_;
};

}  // namespace tonvexa
