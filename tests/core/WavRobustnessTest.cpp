// Broken and hostile files: every WAV file of the corpus and systematically damaged copies
// of valid files must open and read to their end, or be refused, without touching memory
// outside the reader's buffers (run under AddressSanitizer) and within a bounded number of
// reads.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "WavTestUtil.h"
#include "audio/WavReader.h"
#include "base/PcmFormat.h"
#include "support/TestSupport.h"

using namespace tonvexa;
using namespace tonvexa::test;

namespace {

std::vector<std::string> CorpusWavFiles() {
    if (!corpusFound()) return {kNoCorpus};
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(corpusDir())) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".wav") == 0) files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Opens, prepares and reads; the reads must end within the file's size, and no read may
// claim more frames than the arrays hold.
::testing::AssertionResult ReadsToTheEndOrFailsCleanly(const std::string& path,
                                                       std::size_t fileSize) {
    const ReadResult r = ReadWholeFile(path, fileSize + 2);
    if (r.frames < 0)
        return ::testing::AssertionFailure() << "a read reported an impossible frame count";
    if (r.prepared && !r.endedInTime) return ::testing::AssertionFailure() << "reading did not end";
    if (r.prepared && r.channels != 1 && r.channels != 2)
        return ::testing::AssertionFailure() << "delivers " << r.channels << " channels";
    return ::testing::AssertionSuccess();
}

// A copy of a corpus file whose format chunk claims 536,918,912 samples per second: it once
// reached the Windows Media writer, whose byte-rate arithmetic overflowed.
const std::vector<std::uint8_t> kAbsurdRateFile = {
    0x52, 0x49, 0x46, 0x46, 0x34, 0x00, 0x00, 0x00, 0x57, 0x41, 0x56, 0x45, 0x66, 0x6d, 0x74,
    0x20, 0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x80, 0xbb, 0x00, 0x20, 0x00, 0xdc,
    0x05, 0x00, 0x08, 0x00, 0x18, 0x00, 0x64, 0x61, 0x74, 0x61, 0x10, 0x00, 0x00, 0x00, 0xa0,
    0xff, 0xff, 0x00, 0x0c, 0x5a, 0x00, 0x00, 0xff, 0xff, 0x7f, 0x00, 0x20, 0x6d, 0x80, 0x00};

bool Opens(const TempDir& dir, const std::vector<std::uint8_t>& bytes) {
    const std::string path = dir.file("format.wav");
    writeFile(path, bytes);
    WavReader reader;
    return reader.Open(path);
}

std::vector<std::uint8_t> PcmFile(unsigned tag, unsigned channels, std::uint32_t rate,
                                  unsigned blockAlign, unsigned bits, std::uint32_t byteRate = 0) {
    auto body = WavBuilder::FormatBody(tag, channels, rate, blockAlign, bits);
    if (byteRate != 0)
        for (int i = 0; i < 4; ++i) body[8 + i] = static_cast<std::uint8_t>(byteRate >> (8 * i));
    return WavBuilder().Chunk("fmt ", body).Data(std::vector<std::uint8_t>(64, 0)).Bytes();
}

}  // namespace

// Numbers no audio has are refused at open, with the reader's other checks: a rate of 0 or
// beyond the bound, and PCM or float frames that block size and byte rate both describe
// otherwise than channels and bits do.
TEST(WavFormatSense, RatesAndFramesNoAudioHasAreRefusedAtOpen) {
    TempDir dir;
    EXPECT_FALSE(Opens(dir, kAbsurdRateFile));
    EXPECT_FALSE(Opens(dir, PcmFile(wav::kFormatPcm, 2, 0, 4, 16)));
    EXPECT_FALSE(Opens(dir, PcmFile(wav::kFormatPcm, 2, kMaxSampleRate + 1, 4, 16)));
    EXPECT_FALSE(Opens(dir, PcmFile(wav::kFormatPcm, 2, 0xFFFFFFFF, 4, 16)));
    EXPECT_FALSE(Opens(dir, PcmFile(wav::kFormatImaAdpcm, 1, 0, 256, 4)));
    // 24-bit samples in 4-byte containers; a float frame of nothing.
    EXPECT_FALSE(Opens(dir, PcmFile(wav::kFormatPcm, 2, 48000, 8, 24)));
    EXPECT_FALSE(Opens(dir, PcmFile(wav::kFormatIeeeFloat, 1, 44100, 0, 32)));

    EXPECT_TRUE(Opens(dir, PcmFile(wav::kFormatPcm, 2, kMaxSampleRate, 4, 16)));
    EXPECT_TRUE(Opens(dir, PcmFile(wav::kFormatIeeeFloat, 1, 1, 8, 64)));
    // One damaged field of the two is outvoted by the other.
    EXPECT_TRUE(Opens(dir, PcmFile(wav::kFormatPcm, 3, 8000, 4, 24, 72000)));
    EXPECT_TRUE(Opens(dir, PcmFile(wav::kFormatPcm, 2, 44100, 4, 16, 12345)));
}

namespace {

class WavCorpusRobustness : public ::testing::TestWithParam<std::string> {};

TEST_P(WavCorpusRobustness, OpensAndReadsToTheEndOrFailsCleanly) {
    TONVEXA_NEEDS_CORPUS();
    const std::string path = corpusFile(GetParam());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(ReadsToTheEndOrFailsCleanly(path, std::filesystem::file_size(path)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

INSTANTIATE_TEST_SUITE_P(Corpus, WavCorpusRobustness, ::testing::ValuesIn(CorpusWavFiles()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             std::string name;
                             for (char ch : param.param)
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

// Valid short files of every format, written by FFmpeg, to be damaged.
struct BaseFile {
    const char* name;
    std::vector<std::string> args;
    bool rifx = false;  // FFmpeg's file turned into RIFX
};

void PrintTo(const BaseFile& b, std::ostream* os) {
    *os << b.name;
}

class WavMutations : public ::testing::TestWithParam<BaseFile> {
protected:
    void SetUp() override {
        const BaseFile& base = GetParam();
        std::vector<std::string> args{
            "-f", "lavfi", "-i", "aevalsrc=0.8*sin(2*PI*440*t)|0.5*(random(0)-0.5):s=8000:d=0.15"};
        args.insert(args.end(), base.args.begin(), base.args.end());
        const std::string path = dir_.file("base.wav");
        args.push_back(path);
        ASSERT_TRUE(ffmpeg(args));
        original_ = readFile(path);
        if (base.rifx) {
            original_ = SwapByteOrder(original_);
            writeFile(path, original_);
        }
        WavReader reader;
        ASSERT_TRUE(reader.Open(path)) << "the undamaged file must be readable";
        // The header runs up to the first bytes of the data chunk's body.
        for (std::size_t p = 12; p + 8 <= original_.size();) {
            const std::uint8_t* b = &original_[p + 4];
            const std::uint32_t size =
                base.rifx ? (std::uint32_t{b[0]} << 24) | (b[1] << 16) | (b[2] << 8) | b[3]
                          : b[0] | (b[1] << 8) | (b[2] << 16) | (std::uint32_t{b[3]} << 24);
            if (std::memcmp(&original_[p], "data", 4) == 0) {
                headerEnd_ = p + 8;
                break;
            }
            p += 8 + size;
        }
        ASSERT_GT(headerEnd_, 0u);
    }

    ::testing::AssertionResult Survives(const std::vector<std::uint8_t>& bytes) {
        const std::string path = dir_.file("mutated.wav");
        writeFile(path, bytes);
        return ReadsToTheEndOrFailsCleanly(path, bytes.size());
    }

    TempDir dir_;
    std::vector<std::uint8_t> original_;
    std::size_t headerEnd_ = 0;
};

TEST_P(WavMutations, EveryHeaderByteChanged) {
    const std::uint8_t values[] = {0x00, 0x01, 0x02, 0x7F, 0x80, 0xFF};
    const std::size_t end = std::min(original_.size(), headerEnd_ + 8);
    for (std::size_t offset = 0; offset < end; ++offset) {
        for (std::uint8_t v : values) {
            auto bytes = original_;
            if (bytes[offset] == v) continue;
            bytes[offset] = v;
            ASSERT_TRUE(Survives(bytes)) << "byte " << offset << " set to " << int{v};
        }
    }
}

TEST_P(WavMutations, EveryHeaderFieldSetToExtremes) {
    // Sizes, counts, tags, channels, block aligns: any 16- or 32-bit field of the header.
    const std::uint32_t values16[] = {0, 1, 3, 9, 0x7FFF, 0xFFFF};
    const std::uint32_t values32[] = {1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
    for (std::size_t offset = 4; offset + 2 <= headerEnd_; offset += 2) {
        for (std::uint32_t v : values16) {
            auto bytes = original_;
            bytes[offset] = static_cast<std::uint8_t>(v);
            bytes[offset + 1] = static_cast<std::uint8_t>(v >> 8);
            ASSERT_TRUE(Survives(bytes)) << "u16 at " << offset << " set to " << v;
        }
        if (offset + 4 > headerEnd_) continue;
        for (std::uint32_t v : values32) {
            auto bytes = original_;
            for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
            ASSERT_TRUE(Survives(bytes)) << "u32 at " << offset << " set to " << v;
        }
    }
}

TEST_P(WavMutations, TruncatedAnywhere) {
    for (std::size_t length = 0; length < original_.size();
         length += length < headerEnd_ + 16 ? 1 : 37)
        ASSERT_TRUE(Survives({original_.begin(), original_.begin() + static_cast<long>(length)}))
            << "cut to " << length << " bytes";
}

TEST_P(WavMutations, RandomSampleData) {
    std::mt19937 random(1234);
    for (int round = 0; round < 8; ++round) {
        auto bytes = original_;
        for (std::size_t i = headerEnd_; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(random());
        ASSERT_TRUE(Survives(bytes)) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, WavMutations,
    ::testing::Values(BaseFile{"pcm16_stereo", {"-c:a", "pcm_s16le"}},
                      BaseFile{"pcm8_mono", {"-ac", "1", "-c:a", "pcm_u8"}},
                      BaseFile{"pcm24_extensible", {"-c:a", "pcm_s24le"}},
                      BaseFile{"float32", {"-c:a", "pcm_f32le"}},
                      BaseFile{"alaw", {"-c:a", "pcm_alaw"}},
                      BaseFile{"mulaw_mono", {"-ac", "1", "-c:a", "pcm_mulaw"}},
                      BaseFile{"ima_adpcm_stereo", {"-c:a", "adpcm_ima_wav"}},
                      BaseFile{"ms_adpcm_mono", {"-ac", "1", "-c:a", "adpcm_ms"}},
                      BaseFile{"ms_adpcm_stereo", {"-c:a", "adpcm_ms"}},
                      BaseFile{"gsm", {"-ac", "1", "-c:a", "gsm_ms"}},
                      BaseFile{"mpeg_layer3", {"-c:a", "libmp3lame", "-b:a", "32k"}},
                      BaseFile{"pcm16_rf64", {"-c:a", "pcm_s16le", "-rf64", "always"}},
                      BaseFile{"ima_adpcm_rf64", {"-c:a", "adpcm_ima_wav", "-rf64", "always"}},
                      BaseFile{"pcm24_rifx", {"-c:a", "pcm_s24le"}, true},
                      BaseFile{"float32_rifx", {"-ac", "1", "-c:a", "pcm_f32le"}, true}),
    [](const ::testing::TestParamInfo<BaseFile>& param) { return std::string(param.param.name); });

}  // namespace
