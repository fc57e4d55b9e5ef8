#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "audio/WavHeader.h"
#include "audio/WavReader.h"
#include "audio/WavWriter.h"
#include "base/PcmFormat.h"
#include "support/FileSizeLimit.h"
#include "support/TestSupport.h"

using namespace tonvexa;
using tonvexa::test::TempDir;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::uint32_t Le32(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

// The header as it must be, spelt out byte by byte: RIFF, or RF64 with its ds64 chunk.
Bytes ExpectedHeader(int channels, std::uint32_t rate, int bits, std::uint64_t dataSize,
                     bool rf64 = false) {
    auto le = [](Bytes& b, std::uint64_t v, int n) {
        for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto text = [](Bytes& b, const std::string& t) { b.insert(b.end(), t.begin(), t.end()); };
    Bytes h;
    if (rf64) {
        text(h, "RF64");
        le(h, 0xFFFFFFFF, 4);
        text(h, "WAVEds64");
        le(h, 28, 4);
        le(h, 72 + dataSize, 8);
        le(h, dataSize, 8);
        le(h, dataSize / static_cast<std::uint64_t>(channels * bits / 8), 8);
        le(h, 0, 4);
        text(h, "fmt ");
    } else {
        text(h, "RIFF");
        le(h, 36 + dataSize, 4);
        text(h, "WAVEfmt ");
    }
    le(h, 16, 4);
    le(h, 1, 2);
    le(h, static_cast<std::uint64_t>(channels), 2);
    le(h, rate, 4);
    le(h, rate * static_cast<std::uint32_t>(channels * bits / 8), 4);
    le(h, static_cast<std::uint64_t>(channels * bits / 8), 2);
    le(h, static_cast<std::uint64_t>(bits), 2);
    text(h, "data");
    le(h, rf64 ? 0xFFFFFFFF : dataSize, 4);
    return h;
}

struct StreamInfo {
    AVCodecID codec = AV_CODEC_ID_NONE;
    int channels = 0, sampleRate = 0, bits = 0;
};

// What libavformat makes of the file.
StreamInfo Probe(const std::string& path) {
    StreamInfo info;
    AVFormatContext* ctx = nullptr;
    if (avformat_open_input(&ctx, path.c_str(), nullptr, nullptr) < 0) return info;
    if (avformat_find_stream_info(ctx, nullptr) >= 0 && ctx->nb_streams == 1) {
        const AVCodecParameters* p = ctx->streams[0]->codecpar;
        info = {p->codec_id, p->ch_layout.nb_channels, p->sample_rate, p->bits_per_coded_sample};
    }
    avformat_close_input(&ctx);
    return info;
}

std::vector<std::int16_t> Ramp16(std::size_t n, int start, int step) {
    std::vector<std::int16_t> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = static_cast<std::int16_t>(start + static_cast<int>(i) * step);
    return v;
}

// The length of a file being written, which has no name yet.
std::uint64_t SizeOf(const AtomicOutput& file) {
    struct stat st {};
    return ::fstat(file.Descriptor(), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

}  // namespace

struct WavCase {
    int stereo;  // the flag as passed
    int bits;
    std::int32_t rate;
    std::int32_t frames;
    // RF64: the writer's limit lowered to 100 bytes, and more data than that expected.
    bool rf64 = false;
};

void PrintTo(const WavCase& c, std::ostream* os) {
    *os << "stereo flag " << c.stereo << ", " << c.bits << " bits, " << c.rate << " Hz, "
        << c.frames << " frames" << (c.rf64 ? ", RF64" : "");
}

class WavWriterFormats : public testing::TestWithParam<WavCase> {};

TEST_P(WavWriterFormats, HeaderAndSamplesAsFfmpegReadsThem) {
    const WavCase c = GetParam();
    const int channels = c.stereo != 0 ? 2 : 1;
    TempDir dir;
    const std::string path = dir.file("out.wav");
    Bytes data;  // what the file must hold after the header
    {
        WavWriter w(c.rf64 ? 100 : wavheader::kMaxDataSize);
        ASSERT_TRUE(
            w.Open(path, c.stereo, static_cast<std::uint16_t>(c.bits), c.rate, c.rf64 ? 101 : 0));
        EXPECT_EQ(w.IsRf64(), c.rf64);
        // Two blocks of unequal length, to see them appended in order.
        for (std::int32_t half : {c.frames / 3, c.frames - c.frames / 3}) {
            if (c.bits == 16) {
                const auto l = Ramp16(static_cast<std::size_t>(half), -30000 + half, 97);
                const auto r = Ramp16(static_cast<std::size_t>(half), 31000 - half, -89);
                ASSERT_TRUE(w.WritePcm16(l.data(), r.data(), half));
                for (std::int32_t i = 0; i < half; ++i) {
                    for (int ch = 0; ch < channels; ++ch) {
                        const auto v = static_cast<std::uint16_t>(
                            (ch == 0 ? l : r)[static_cast<std::size_t>(i)]);
                        data.push_back(static_cast<std::uint8_t>(v));
                        data.push_back(static_cast<std::uint8_t>(v >> 8));
                    }
                }
            } else {
                Bytes l(static_cast<std::size_t>(half)), r(static_cast<std::size_t>(half));
                for (std::size_t i = 0; i < l.size(); ++i) {
                    l[i] = static_cast<std::uint8_t>(i * 7 + static_cast<std::size_t>(half));
                    r[i] = static_cast<std::uint8_t>(255 - i * 3);
                }
                ASSERT_TRUE(w.WritePcm8(l.data(), r.data(), half));
                for (std::size_t i = 0; i < l.size(); ++i) {
                    data.push_back(l[i]);
                    if (channels == 2) data.push_back(r[i]);
                }
            }
        }
        ASSERT_TRUE(w.Close());
    }
    const Bytes file = test::readFile(path);
    const long headerSize = c.rf64 ? 80 : 44;
    ASSERT_EQ(file.size(), headerSize + data.size()) << "no pad byte, no other chunk";
    EXPECT_EQ(
        Bytes(file.begin(), file.begin() + headerSize),
        ExpectedHeader(channels, static_cast<std::uint32_t>(c.rate), c.bits, data.size(), c.rf64));
    EXPECT_EQ(Bytes(file.begin() + headerSize, file.end()), data);

    const StreamInfo info = Probe(path);
    EXPECT_EQ(info.codec, c.bits == 16 ? AV_CODEC_ID_PCM_S16LE : AV_CODEC_ID_PCM_U8);
    EXPECT_EQ(info.channels, channels);
    EXPECT_EQ(info.sampleRate, c.rate);
    EXPECT_EQ(info.bits, c.bits);
    const auto decoded = test::ffmpegDecode(path, c.bits == 16 ? "s16le" : "u8");
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->bytes, data);
    // And the program's own reader takes it back.
    WavReader reader;
    ASSERT_TRUE(reader.Open(path));
    EXPECT_EQ(reader.totalFrames(), c.frames);
}

INSTANTIATE_TEST_SUITE_P(Formats, WavWriterFormats,
                         testing::Values(WavCase{1, 16, 44100, 1153}, WavCase{0, 8, 22050, 777},
                                         WavCase{0, 16, 8000, 501}, WavCase{1, 8, 96000, 1000},
                                         WavCase{-7, 16, 11025, 64}, WavCase{0, 8, 6000, 1},
                                         WavCase{1, 16, 44100, 1153, true},
                                         WavCase{0, 8, 22050, 777, true},
                                         WavCase{1, 8, 8000, 30, true}));

TEST(WavWriter, FieldsOfCommonFormats) {
    TempDir dir;
    struct Case {
        int stereo, bits, rate;
        std::uint32_t byteRate;
        std::uint16_t blockAlign;
    };
    for (const Case& c : {Case{1, 16, 44100, 176400, 4}, Case{0, 8, 22050, 22050, 1}}) {
        const std::string path = dir.file("f" + std::to_string(c.rate) + ".wav");
        WavWriter w;
        ASSERT_TRUE(w.Open(path, c.stereo, static_cast<std::uint16_t>(c.bits), c.rate));
        ASSERT_TRUE(w.Close());
        const Bytes f = test::readFile(path);
        ASSERT_EQ(f.size(), 44u);
        EXPECT_EQ(Le32(f, wavheader::kByteRateOffset), c.byteRate);
        EXPECT_EQ(f[wavheader::kBlockAlignOffset], c.blockAlign);
        EXPECT_EQ(Le32(f, wavheader::kRiffSizeOffset), 36u);
        EXPECT_EQ(Le32(f, wavheader::kDataSizeOffset), 0u);
    }
}

// The file takes its name at Close, and never in place of a file of that name: one that was
// there before, or appeared during the writing, is left as it is.
TEST(WavWriter, ANameTakenIsNeverReplacedAndEmptyBlocksWriteNothing) {
    TempDir dir;
    const std::string taken = dir.file("taken.wav");
    test::writeFile(taken, Bytes(5000, 0xEE));
    WavWriter w;
    ASSERT_TRUE(w.Open(taken, 0, 16, 8000));
    EXPECT_FALSE(w.Close());
    EXPECT_EQ(test::readFile(taken), Bytes(5000, 0xEE));

    const std::string path = dir.file("x.wav");
    ASSERT_TRUE(w.Open(path, 0, 16, 8000));
    EXPECT_FALSE(std::filesystem::exists(path)) << "no name before Close";
    const std::int16_t one[1] = {0x1234};
    EXPECT_TRUE(w.WritePcm16(one, nullptr, 0));
    EXPECT_TRUE(w.WritePcm16(one, nullptr, 1));
    EXPECT_TRUE(w.WritePcm16(one, nullptr, 0));
    ASSERT_TRUE(w.Close());
    EXPECT_FALSE(w.IsOpen());
    EXPECT_TRUE(w.Close()) << "closing twice is harmless";
    const Bytes f = test::readFile(path);
    ASSERT_EQ(f.size(), 46u);
    EXPECT_EQ(Le32(f, wavheader::kDataSizeOffset), 2u);
    EXPECT_EQ(f[44], 0x34);
    EXPECT_EQ(f[45], 0x12);
}

TEST(WavWriter, RefusesWritesThatCannotBelong) {
    TempDir dir;
    WavWriter w;
    const std::int16_t s16[2] = {1, 2};
    const std::uint8_t s8[2] = {1, 2};
    EXPECT_FALSE(w.WritePcm16(s16, s16, 2)) << "nothing open";
    ASSERT_TRUE(w.Open(dir.file("a.wav"), 1, 8, 8000));
    EXPECT_FALSE(w.WritePcm16(s16, s16, 2)) << "16-bit samples into an 8-bit file";
    EXPECT_FALSE(w.WritePcm8(s8, s8, -1));
    EXPECT_TRUE(w.WritePcm8(s8, s8, 2));
    ASSERT_TRUE(w.Close());
    EXPECT_EQ(test::readFile(dir.file("a.wav")).size(), 48u);
}

TEST(WavWriter, OpenFailsWhereNoFileCanBeCreated) {
    TempDir dir;
    test::writeFile(dir.file("plain"), std::string("x"));
    WavWriter w;
    // A path that runs through a regular file, impossible even for root.
    EXPECT_FALSE(w.Open(dir.file("plain") + "/x.wav", 1, 16, 44100));
    EXPECT_FALSE(w.IsOpen());
    EXPECT_FALSE(w.Open(dir.file("missing") + "/x.wav", 1, 16, 44100));
    EXPECT_TRUE(w.Close());
}

TEST(WavWriter, OpenRefusesRatesNoAudioHas) {
    TempDir dir;
    WavWriter w;
    for (std::int32_t rate : {0, -8000, kMaxSampleRate + 1, 0x7FFFFFFF}) {
        EXPECT_FALSE(w.Open(dir.file("x.wav"), 1, 16, rate)) << rate;
        EXPECT_FALSE(w.IsOpen());
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(WavWriter, DestroyedUnclosedStillLeavesCorrectSizes) {
    TempDir dir;
    const std::string path = dir.file("abandoned.wav");
    {
        WavWriter w;
        ASSERT_TRUE(w.Open(path, 0, 8, 11025));
        const Bytes odd(333, 128);
        ASSERT_TRUE(w.WritePcm8(odd.data(), nullptr, 333));
    }
    const Bytes f = test::readFile(path);
    ASSERT_EQ(f.size(), 44u + 333u);
    EXPECT_EQ(Le32(f, wavheader::kRiffSizeOffset), f.size() - 8);
    EXPECT_EQ(Le32(f, wavheader::kDataSizeOffset), 333u) << "odd size, no pad byte";
    const auto decoded = test::ffmpegDecode(path, "u8");
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->bytes.size(), 333u);
}

TEST(WavWriter, ShortWriteIsAFailure) {
    TempDir dir;
    const std::string path = dir.file("full.wav");
    const std::size_t limit = 44 + 3000;
    const auto block = Ramp16(2 * 400, -4000, 11);  // 400 stereo frames, 1600 bytes
    bool firstOk = false, secondOk = true, thirdOk = true, closed = false;
    {
        test::FileSizeLimit fsize(limit);
        ASSERT_TRUE(fsize.active());
        WavWriter w;
        ASSERT_TRUE(w.Open(path, 1, 16, 44100));
        firstOk = w.WritePcm16(block.data(), block.data() + 400, 400);
        secondOk = w.WritePcm16(block.data(), block.data() + 400, 400);  // only 1400 bytes fit
        thirdOk = w.WritePcm16(block.data(), block.data() + 400, 400);   // none fit
        closed = w.Close();  // the patch writes inside the limit
    }
    EXPECT_TRUE(firstOk);
    EXPECT_FALSE(secondOk);
    EXPECT_FALSE(thirdOk);
    EXPECT_TRUE(closed);
    const Bytes f = test::readFile(path);
    ASSERT_EQ(f.size(), limit);
    EXPECT_EQ(Le32(f, wavheader::kRiffSizeOffset), limit - 8);
    EXPECT_EQ(Le32(f, wavheader::kDataSizeOffset), limit - 44) << "the header matches what arrived";
}

// RF64 is chosen only for an expectation beyond the limit; an RF64 file has no limit of its
// own and its sizes follow the file as the RIFF ones do.
TEST(WavWriter, Rf64OnlyPastTheLimitAndSizedFromTheFile) {
    TempDir dir;
    const Bytes samples(300, 99);
    WavWriter riff(100);
    ASSERT_TRUE(riff.Open(dir.file("riff.wav"), 0, 8, 8000, 100));
    EXPECT_FALSE(riff.IsRf64()) << "an exact fit stays RIFF";
    ASSERT_TRUE(riff.Close());
    EXPECT_EQ(test::readFile(dir.file("riff.wav")).size(), 44u);

    const std::string path = dir.file("abandoned.wav");
    {
        WavWriter w(100);
        ASSERT_TRUE(w.Open(path, 0, 8, 8000, 101));
        EXPECT_TRUE(w.IsRf64());
        ASSERT_TRUE(w.WritePcm8(samples.data(), nullptr, 300));
        ASSERT_TRUE(w.WritePcm8(samples.data(), nullptr, 33));
    }
    const Bytes f = test::readFile(path);
    ASSERT_EQ(f.size(), 80u + 333u);
    EXPECT_EQ(Bytes(f.begin(), f.begin() + 80), ExpectedHeader(1, 8000, 8, 333, true))
        << "destroyed unclosed, odd size, no pad byte";
}

TEST(WavWriter, DataStopsAtTheSizeLimit) {
    // The largest data the 32-bit fields describe: RIFF size 36 + data reaches 2^32 - 1.
    static_assert(wavheader::kMaxDataSize == 0xFFFFFFFFull - 36);
    // The same guard exercised on a small limit: a block that would cross it is refused whole.
    TempDir dir;
    const std::string path = dir.file("limit.wav");
    AtomicOutput file;
    ASSERT_TRUE(file.Create(path));
    WavWriter w(100);
    ASSERT_TRUE(w.Open(file, 0, 8, 8000));
    const Bytes samples(200, 77);
    EXPECT_TRUE(w.WritePcm8(samples.data(), nullptr, 96));
    EXPECT_FALSE(w.WritePcm8(samples.data(), nullptr, 5));
    EXPECT_EQ(SizeOf(file), 44u + 96u) << "nothing of a refused block";
    EXPECT_TRUE(w.WritePcm8(samples.data(), nullptr, 4)) << "an exact fit is fine";
    EXPECT_FALSE(w.WritePcm8(samples.data(), nullptr, 1));
    ASSERT_TRUE(w.Close());
    ASSERT_EQ(file.CommitAs(path), AtomicOutput::Commit::Named);
    const Bytes f = test::readFile(path);
    ASSERT_EQ(f.size(), 144u);
    EXPECT_EQ(Le32(f, wavheader::kDataSizeOffset), 100u);
}

TEST(WavWriter, CloseRefusesSizesThatWouldWrap) {
    // A file that has grown past what the fields describe (here extended sparsely behind
    // the writer's back, so nothing large reaches the disk) must not get wrapped sizes.
    TempDir dir;
    const std::string path = dir.file("huge.wav");
    AtomicOutput file;
    ASSERT_TRUE(file.Create(path));
    WavWriter w;
    ASSERT_TRUE(w.Open(file, 1, 16, 44100));
    const auto block = Ramp16(8, 0, 1);
    ASSERT_TRUE(w.WritePcm16(block.data(), block.data() + 4, 4));
    const off_t tooLarge = 44 + static_cast<off_t>(wavheader::kMaxDataSize) + 1;
    ASSERT_EQ(::ftruncate(file.Descriptor(), tooLarge), 0);
    EXPECT_FALSE(w.Close());
    EXPECT_FALSE(w.IsOpen());
    // What Close left in the file, which a conversion would drop.
    ASSERT_EQ(file.CommitAs(path), AtomicOutput::Commit::Named);
    std::vector<std::uint8_t> head(44);
    {
        FILE* f = std::fopen(path.c_str(), "rb");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(std::fread(head.data(), 1, 44, f), 44u);
        std::fclose(f);
    }
    EXPECT_EQ(Le32(head, wavheader::kRiffSizeOffset), wavheader::kSizePlaceholder);
    EXPECT_EQ(Le32(head, wavheader::kDataSizeOffset), wavheader::kSizePlaceholder);

    // One byte less fits exactly: the RIFF size becomes 2^32 - 1.
    AtomicOutput second;
    ASSERT_TRUE(second.Create(path));
    WavWriter fits;
    ASSERT_TRUE(fits.Open(second, 1, 16, 44100));
    ASSERT_EQ(::ftruncate(second.Descriptor(), tooLarge - 1), 0);
    EXPECT_TRUE(fits.Close());
    std::filesystem::remove(path);
    ASSERT_EQ(second.CommitAs(path), AtomicOutput::Commit::Named);
    {
        FILE* f = std::fopen(path.c_str(), "rb");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(std::fread(head.data(), 1, 44, f), 44u);
        std::fclose(f);
    }
    EXPECT_EQ(Le32(head, wavheader::kRiffSizeOffset), 0xFFFFFFFFu);
    EXPECT_EQ(Le32(head, wavheader::kDataSizeOffset), 0xFFFFFFFFu - 36);
}
