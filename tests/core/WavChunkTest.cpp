// The header walk, the frame counts and the sample conversions on hand-built files whose
// every byte is known.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "WavTestUtil.h"
#include "audio/WavReader.h"
#include "support/TestSupport.h"

using namespace tonvexa;
using namespace tonvexa::test;

namespace {

std::vector<std::uint8_t> Pcm16Samples(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> out;
    for (auto s : samples) PutLe16(out, static_cast<std::uint16_t>(s));
    return out;
}

std::vector<std::uint8_t> ImaExtension(unsigned samplesPerBlock) {
    std::vector<std::uint8_t> e;
    PutLe16(e, 2);
    PutLe16(e, samplesPerBlock);
    return e;
}

// The seven standard Microsoft ADPCM predictors.
std::vector<std::uint8_t> MsExtension(unsigned samplesPerBlock, unsigned count = 7) {
    static const std::int16_t pairs[7][2] = {{256, 0}, {512, -256}, {0, 0},     {192, 64},
                                             {240, 0}, {460, -208}, {392, -232}};
    std::vector<std::uint8_t> e;
    PutLe16(e, 4 + 4 * count);
    PutLe16(e, samplesPerBlock);
    PutLe16(e, count);
    for (unsigned i = 0; i < count; ++i) {
        PutLe16(e, static_cast<std::uint16_t>(pairs[i % 7][0]));
        PutLe16(e, static_cast<std::uint16_t>(pairs[i % 7][1]));
    }
    return e;
}

std::vector<std::uint8_t> GsmExtension(unsigned samplesPerBlock = 320) {
    std::vector<std::uint8_t> e;
    PutLe16(e, 2);
    PutLe16(e, samplesPerBlock);
    return e;
}

std::vector<std::uint8_t> ExtensibleBody(unsigned channels, unsigned bits, std::uint32_t subFormat,
                                         bool validTail = true) {
    std::vector<std::uint8_t> ext;
    PutLe16(ext, 22);
    PutLe16(ext, bits);
    PutLe32(ext, channels == 1 ? 4 : 3);
    PutLe32(ext, subFormat);
    const std::uint8_t tail[12] = {
        0x00, 0x00, 0x10, 0x00, 0x80, 0x00,
        0x00, 0xAA, 0x00, 0x38, 0x9B, static_cast<std::uint8_t>(validTail ? 0x71 : 0x72)};
    ext.insert(ext.end(), tail, tail + 12);
    return WavBuilder::FormatBody(0xFFFE, channels, 44100, channels * bits / 8, bits, ext);
}

class WavChunkWalk : public ::testing::Test {
protected:
    std::string Write(const std::vector<std::uint8_t>& bytes) {
        const std::string path = dir_.file("file" + std::to_string(count_++) + ".wav");
        writeFile(path, bytes);
        return path;
    }
    ReadResult ReadAll(const std::vector<std::uint8_t>& bytes) {
        return ReadWholeFile(Write(bytes), bytes.size() + 2);
    }
    bool Opens(const std::vector<std::uint8_t>& bytes) {
        WavReader reader;
        return reader.Open(Write(bytes));
    }

    TempDir dir_;
    int count_ = 0;
};

TEST_F(WavChunkWalk, StereoPcmOf4000BytesIs1000FramesDeliveredWithTheEndFlagInOneRead) {
    std::vector<std::int16_t> samples(2000);
    for (int i = 0; i < 2000; ++i) samples[i] = static_cast<std::int16_t>(i * 7 - 5000);
    const auto path =
        Write(WavBuilder().Format(1, 2, 44100, 4, 16).Data(Pcm16Samples(samples)).Bytes());
    WavReader reader;
    ASSERT_TRUE(reader.Open(path));
    EXPECT_EQ(reader.totalFrames(), 1000);
    EXPECT_EQ(reader.dataSize(), 4000u);
    ASSERT_TRUE(reader.PrepareDecoding());
    std::int16_t left[1152], right[1152];
    int frames = 0;
    bool end = false;
    ASSERT_TRUE(reader.Read(left, right, frames, end));
    EXPECT_EQ(frames, 1000);
    EXPECT_TRUE(end);
    EXPECT_EQ(left[0], -5000);
    EXPECT_EQ(right[0], -4993);
    EXPECT_EQ(right[999], samples[1999]);
}

TEST_F(WavChunkWalk, SixChannelsAreDeliveredAsTheirFirstTwo) {
    std::vector<std::int16_t> samples;
    for (int f = 0; f < 10; ++f)
        for (int ch = 0; ch < 6; ++ch) samples.push_back(static_cast<std::int16_t>(f * 100 + ch));
    const auto r =
        ReadAll(WavBuilder().Format(1, 6, 48000, 12, 16).Data(Pcm16Samples(samples)).Bytes());
    ASSERT_TRUE(r.prepared);
    EXPECT_EQ(r.channels, 2);
    ASSERT_EQ(r.frames, 10);
    for (int f = 0; f < 10; ++f) {
        EXPECT_EQ(r.samples16[2 * f], f * 100);
        EXPECT_EQ(r.samples16[2 * f + 1], f * 100 + 1);
    }
}

TEST_F(WavChunkWalk, EightBitPcmStaysUnsignedEightBit) {
    const std::vector<std::uint8_t> data{0, 128, 255, 1, 127, 200};
    const auto r = ReadAll(WavBuilder().Format(1, 2, 8000, 2, 8).Data(data).Bytes());
    ASSERT_TRUE(r.prepared);
    EXPECT_EQ(r.bits, 8);
    EXPECT_EQ(r.samples8, data);
    const auto mono = ReadAll(WavBuilder().Format(1, 1, 8000, 1, 8).Data(data).Bytes());
    EXPECT_EQ(mono.samples8, data);
    EXPECT_TRUE(mono.endFlag);
}

TEST_F(WavChunkWalk, SampleConversionsOfTheWiderFormats) {
    // 24-bit 0x123456 keeps 0x1234; 0xFEDCBA (negative) keeps 0xFEDC.
    auto r = ReadAll(
        WavBuilder().Format(1, 1, 8000, 3, 24).Data({0x56, 0x34, 0x12, 0xBA, 0xDC, 0xFE}).Bytes());
    ASSERT_EQ(r.samples16.size(), 2u);
    EXPECT_EQ(r.samples16[0], 0x1234);
    EXPECT_EQ(r.samples16[1], static_cast<std::int16_t>(0xFEDC));
    // 32-bit: an arithmetic shift by 16.
    r = ReadAll(WavBuilder()
                    .Format(1, 1, 8000, 4, 32)
                    .Data({0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF})
                    .Bytes());
    ASSERT_EQ(r.samples16.size(), 2u);
    EXPECT_EQ(r.samples16[0], 0x1234);
    EXPECT_EQ(r.samples16[1], -1);
}

TEST_F(WavChunkWalk, FloatSamplesTruncateAndWrapBeyondFullScale) {
    const std::vector<float> values{0.5f, 1.0f, -1.0f, 0.0f, 2.0f, -0.25f};
    std::vector<std::uint8_t> data;
    for (float v : values) PutLe32(data, std::bit_cast<std::uint32_t>(v));
    const auto r = ReadAll(WavBuilder().Format(3, 1, 8000, 4, 32).Data(data).Bytes());
    ASSERT_EQ(r.samples16.size(), values.size());
    EXPECT_EQ(r.samples16[0], 16383);
    EXPECT_EQ(r.samples16[1], 32767);
    EXPECT_EQ(r.samples16[2], -32768);
    EXPECT_EQ(r.samples16[3], 0);
    EXPECT_EQ(r.samples16[4], -1);  // 4294967294 wraps to -2 in 32 bits
    EXPECT_EQ(r.samples16[5], -8192);

    std::vector<std::uint8_t> wide;
    for (double v : {0.5, -1.0, std::numeric_limits<double>::quiet_NaN(), 1e300}) {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        PutLe32(wide, static_cast<std::uint32_t>(bits));
        PutLe32(wide, static_cast<std::uint32_t>(bits >> 32));
    }
    const auto d = ReadAll(WavBuilder().Format(3, 1, 8000, 8, 64).Data(wide).Bytes());
    ASSERT_EQ(d.samples16.size(), 4u);
    EXPECT_EQ(d.samples16[0], 16383);
    EXPECT_EQ(d.samples16[1], -32768);
    EXPECT_EQ(d.samples16[2], 0);
    EXPECT_EQ(d.samples16[3], 0);
}

TEST_F(WavChunkWalk, CompandedBytesNearSilenceExpandNearZero) {
    auto r = ReadAll(WavBuilder().Format(6, 1, 8000, 1, 8).Data({0xD5, 0x55, 0xAA, 0x2A}).Bytes());
    ASSERT_EQ(r.samples16.size(), 4u);
    EXPECT_EQ(r.samples16[0], 8);
    EXPECT_EQ(r.samples16[1], -8);
    EXPECT_EQ(r.samples16[2], 32256);
    EXPECT_EQ(r.samples16[3], -32256);
    r = ReadAll(WavBuilder().Format(7, 1, 8000, 1, 8).Data({0xFF, 0x7F, 0x80, 0x00}).Bytes());
    ASSERT_EQ(r.samples16.size(), 4u);
    EXPECT_EQ(r.samples16[0], 0);
    EXPECT_EQ(r.samples16[1], 0);
    EXPECT_EQ(r.samples16[2], 32124);
    EXPECT_EQ(r.samples16[3], -32124);
}

TEST_F(WavChunkWalk, OddSizedChunkIsSkippedWithoutAPadByte) {
    const std::vector<std::int16_t> samples{1, 2, 3, 4};
    const auto bytes = WavBuilder()
                           .Format(1, 1, 8000, 2, 16)
                           .Chunk("LIST", {'I', 'N', 'F'})
                           .Data(Pcm16Samples(samples))
                           .Bytes();
    const auto r = ReadAll(bytes);
    ASSERT_TRUE(r.prepared);
    EXPECT_EQ(r.samples16, samples);
}

TEST_F(WavChunkWalk, EighteenByteFormatChunkIsAcceptedAndItsTailSkipped) {
    const std::vector<std::int16_t> samples{-7, 7};
    auto body = WavBuilder::FormatBody(1, 1, 8000, 2, 16);
    PutLe16(body, 0);
    const auto r = ReadAll(WavBuilder().Chunk("fmt ", body).Data(Pcm16Samples(samples)).Bytes());
    EXPECT_EQ(r.samples16, samples);
}

TEST_F(WavChunkWalk, FactCountWinsOnlyWhenLargerAndOnlyForTheFormatsThatUseIt) {
    const std::vector<std::uint8_t> alaw(100, 0xD5);
    WavReader reader;
    ASSERT_TRUE(
        reader.Open(Write(WavBuilder().Format(6, 1, 8000, 1, 8).Fact(300).Data(alaw).Bytes())));
    EXPECT_EQ(reader.totalFrames(), 300);
    ASSERT_TRUE(
        reader.Open(Write(WavBuilder().Format(6, 1, 8000, 1, 8).Fact(30).Data(alaw).Bytes())));
    EXPECT_EQ(reader.totalFrames(), 100);
    // PCM and float skip "fact".
    ASSERT_TRUE(
        reader.Open(Write(WavBuilder().Format(1, 1, 8000, 1, 8).Fact(300).Data(alaw).Bytes())));
    EXPECT_EQ(reader.totalFrames(), 100);
    // A "fact" before "fmt " is skipped: no format is known yet.
    ASSERT_TRUE(
        reader.Open(Write(WavBuilder().Fact(300).Format(6, 1, 8000, 1, 8).Data(alaw).Bytes())));
    EXPECT_EQ(reader.totalFrames(), 100);
}

TEST_F(WavChunkWalk, LargerFactCountReadsOnPastTheDataUntilTheFileEnds) {
    const std::vector<std::uint8_t> alaw(100, 0xD5);
    const auto r = ReadAll(WavBuilder()
                               .Format(6, 1, 8000, 1, 8)
                               .Fact(3000)
                               .Data(alaw)
                               .Chunk("LIST", std::vector<std::uint8_t>(12, 0x55))
                               .Bytes());
    EXPECT_EQ(r.frames, 100 + 8 + 12);
}

TEST_F(WavChunkWalk, ImaPartialLastBlockIsCountedButNeverDecoded) {
    // Mono, 256-byte blocks of 505 samples; two and a half blocks of data.
    std::vector<std::uint8_t> data(640, 0x11);
    const auto path =
        Write(WavBuilder().Format(17, 1, 22050, 256, 4, ImaExtension(505)).Data(data).Bytes());
    WavReader reader;
    ASSERT_TRUE(reader.Open(path));
    EXPECT_EQ(reader.totalFrames(), 1262);  // 2.5 x 505, truncated
    const auto r = ReadWholeFile(path, 1000);
    EXPECT_EQ(r.frames, 1010);
    EXPECT_FALSE(r.endFlag);
}

TEST_F(WavChunkWalk, GsmDataOf6500BytesIs32000Frames) {
    const auto path =
        Write(WavBuilder()
                  .Chunk("fmt ", WavBuilder::FormatBody(49, 1, 8000, 65, 0, GsmExtension()))
                  .Data(std::vector<std::uint8_t>(6500, 0))
                  .Bytes());
    WavReader reader;
    ASSERT_TRUE(reader.Open(path));
    EXPECT_EQ(reader.totalFrames(), 32000);
    const auto r = ReadWholeFile(path, 1000);
    EXPECT_EQ(r.frames, 32000);
    EXPECT_TRUE(r.endFlag);
}

TEST_F(WavChunkWalk, GsmFormatMustBeTheTwoFramePacking) {
    EXPECT_FALSE(
        Opens(WavBuilder().Format(49, 1, 8000, 65, 0, GsmExtension(321)).Data({}).Bytes()));
    EXPECT_FALSE(Opens(WavBuilder().Format(49, 1, 8000, 64, 0, GsmExtension()).Data({}).Bytes()));
    EXPECT_FALSE(Opens(WavBuilder().Format(49, 1, 8000, 65, 0).Data({}).Bytes()));
    EXPECT_TRUE(Opens(WavBuilder().Format(49, 1, 8000, 65, 0, GsmExtension()).Data({}).Bytes()));
}

TEST_F(WavChunkWalk, HeadersThatAreNotReadable) {
    const auto good = WavBuilder().Format(1, 1, 8000, 2, 16).Data({0, 0}).Bytes();
    EXPECT_TRUE(Opens(good));
    auto noRiff = good;
    noRiff[0] = 'X';
    EXPECT_FALSE(Opens(noRiff));
    auto noWave = good;
    noWave[8] = 'X';
    EXPECT_FALSE(Opens(noWave));
    EXPECT_FALSE(
        Opens(WavBuilder().Data({0, 0}).Format(1, 1, 8000, 2, 16).Bytes()));  // no fmt before data
    EXPECT_FALSE(Opens(WavBuilder().Format(1, 1, 8000, 2, 16).Bytes()));      // no data
    EXPECT_FALSE(Opens(WavBuilder().Format(0x50, 1, 8000, 2, 16).Data({0, 0}).Bytes()));
    EXPECT_FALSE(Opens(WavBuilder().Format(1, 1, 8000, 2, 12).Data({0, 0}).Bytes()));
    EXPECT_FALSE(Opens(WavBuilder().Format(1, 0, 8000, 2, 16).Data({0, 0}).Bytes()));
    EXPECT_FALSE(Opens(WavBuilder().Format(1, 9, 8000, 18, 16).Data({0, 0}).Bytes()));
    EXPECT_FALSE(Opens(WavBuilder().Format(3, 9, 8000, 36, 32).Data({0, 0}).Bytes()));
    WavReader missing;
    EXPECT_FALSE(missing.Open(dir_.file("no-such.wav")));
}

TEST_F(WavChunkWalk, FloatOfOtherWidthsOpensButIsNotPrepared) {
    WavReader reader;
    ASSERT_TRUE(reader.Open(Write(WavBuilder().Format(3, 1, 8000, 2, 16).Data({0, 0}).Bytes())));
    EXPECT_FALSE(reader.PrepareDecoding());
    std::int16_t left[1152], right[1152];
    int frames = 7;
    bool end = false;
    EXPECT_FALSE(reader.Read(left, right, frames, end));
    EXPECT_EQ(frames, 0);
    EXPECT_TRUE(end);
}

TEST_F(WavChunkWalk, ExtensibleFilesReadAsTheirSubFormat) {
    const auto pcm24 = ReadAll(
        WavBuilder().Chunk("fmt ", ExtensibleBody(1, 24, 1)).Data({0x56, 0x34, 0x12}).Bytes());
    ASSERT_TRUE(pcm24.prepared);
    EXPECT_EQ(pcm24.samples16, std::vector<std::int16_t>{0x1234});

    std::vector<std::uint8_t> floatData;
    PutLe32(floatData, std::bit_cast<std::uint32_t>(0.5f));
    PutLe32(floatData, std::bit_cast<std::uint32_t>(-1.0f));
    const auto flt =
        ReadAll(WavBuilder().Chunk("fmt ", ExtensibleBody(2, 32, 3)).Data(floatData).Bytes());
    EXPECT_EQ(flt.samples16, (std::vector<std::int16_t>{16383, -32768}));

    // A-law inside extensible reads "fact" like plain A-law.
    WavReader reader;
    ASSERT_TRUE(reader.Open(
        Write(WavBuilder().Chunk("fmt ", ExtensibleBody(1, 8, 6)).Fact(50).Data({0xD5}).Bytes())));
    EXPECT_EQ(reader.format().formatTag, 6);
    EXPECT_EQ(reader.totalFrames(), 50);

    EXPECT_FALSE(Opens(WavBuilder().Chunk("fmt ", ExtensibleBody(1, 4, 2)).Data({}).Bytes()));
    EXPECT_FALSE(
        Opens(WavBuilder().Chunk("fmt ", ExtensibleBody(1, 16, 1, false)).Data({}).Bytes()));
    auto shortBody = ExtensibleBody(1, 16, 1);
    shortBody.resize(24);
    EXPECT_FALSE(Opens(WavBuilder().Chunk("fmt ", shortBody).Data({}).Bytes()));
}

// Formats the decoders could not decode within their buffers are refused at open.
TEST_F(WavChunkWalk, InconsistentAdpcmFormatsAreRefused) {
    EXPECT_TRUE(
        Opens(WavBuilder().Format(17, 2, 44100, 2048, 4, ImaExtension(2041)).Data({}).Bytes()));
    EXPECT_FALSE(
        Opens(WavBuilder().Format(17, 2, 44100, 2048, 4, ImaExtension(2042)).Data({}).Bytes()));
    EXPECT_FALSE(
        Opens(WavBuilder().Format(17, 1, 44100, 0, 4, ImaExtension(505)).Data({}).Bytes()));
    EXPECT_FALSE(
        Opens(WavBuilder().Format(17, 1, 44100, 256, 4, ImaExtension(0)).Data({}).Bytes()));
    EXPECT_FALSE(
        Opens(WavBuilder().Format(17, 3, 44100, 3084, 4, ImaExtension(2049)).Data({}).Bytes()));
    EXPECT_FALSE(
        Opens(WavBuilder().Format(17, 0, 44100, 256, 4, ImaExtension(505)).Data({}).Bytes()));
    // 258 bytes would leave half a group at the end of each block.
    EXPECT_FALSE(
        Opens(WavBuilder().Format(17, 1, 44100, 258, 4, ImaExtension(509)).Data({}).Bytes()));

    EXPECT_TRUE(Opens(WavBuilder().Format(2, 1, 44100, 256, 4, MsExtension(500)).Data({}).Bytes()));
    EXPECT_FALSE(
        Opens(WavBuilder().Format(2, 1, 44100, 256, 4, MsExtension(501)).Data({}).Bytes()));
    EXPECT_FALSE(Opens(WavBuilder().Format(2, 1, 44100, 0, 4, MsExtension(500)).Data({}).Bytes()));
    EXPECT_FALSE(
        Opens(WavBuilder().Format(2, 3, 44100, 1536, 4, MsExtension(1012)).Data({}).Bytes()));
    EXPECT_FALSE(
        Opens(WavBuilder().Format(2, 1, 44100, 256, 4, MsExtension(500, 0)).Data({}).Bytes()));
}

TEST_F(WavChunkWalk, MicrosoftPredictorBeyondTheFileCoefficientsEndsTheReading) {
    // Mono 256-byte blocks of 500 samples, three blocks; the second names predictor 7 of 7.
    std::vector<std::uint8_t> data(3 * 256, 0);
    for (int b = 0; b < 3; ++b) {
        data[b * 256 + 1] = 16;  // delta
    }
    data[256] = 7;
    const auto r =
        ReadAll(WavBuilder().Format(2, 1, 44100, 256, 4, MsExtension(500)).Data(data).Bytes());
    ASSERT_TRUE(r.prepared);
    EXPECT_EQ(r.frames, 500);
    EXPECT_TRUE(r.endFlag);
}

TEST_F(WavChunkWalk, CompandedFormatsNeedBitsAndChannelsAndGiveAtMostTwo) {
    EXPECT_FALSE(Opens(WavBuilder().Format(6, 1, 8000, 1, 0).Data({0}).Bytes()));
    EXPECT_FALSE(Opens(WavBuilder().Format(7, 0, 8000, 1, 8).Data({0}).Bytes()));
    EXPECT_FALSE(Opens(WavBuilder().Format(3, 1, 8000, 4, 0).Data({0}).Bytes()));
    const auto r = ReadAll(
        WavBuilder().Format(7, 3, 8000, 3, 8).Data({0x80, 0x00, 0xFF, 0xFF, 0x80, 0x00}).Bytes());
    EXPECT_EQ(r.channels, 2);
    EXPECT_EQ(r.samples16, (std::vector<std::int16_t>{32124, -32124, 0, 32124}));
}

TEST_F(WavChunkWalk, HugeDataSizesKeepTheFrameCountInRange) {
    WavReader reader;
    ASSERT_TRUE(reader.Open(
        Write(WavBuilder().Format(1, 1, 8000, 1, 8).Data({1, 2, 3}, 0xFFFFFFFF).Bytes())));
    EXPECT_EQ(reader.totalFrames(), std::numeric_limits<std::int32_t>::max());
    ASSERT_TRUE(reader.Open(Write(
        WavBuilder().Format(49, 1, 8000, 65, 0, GsmExtension()).Data({}, 0xFFFFFFFF).Bytes())));
    EXPECT_EQ(reader.totalFrames(), std::numeric_limits<std::int32_t>::max());
    const auto r =
        ReadAll(WavBuilder().Format(1, 1, 8000, 1, 8).Data({1, 2, 3}, 0xFFFFFFFF).Bytes());
    EXPECT_EQ(r.frames, 3);
}

// RF64 and BW64: a 32-bit size of 0xFFFFFFFF stands for the 64-bit one in "ds64": the data
// size from its own field, another chunk's from the table, a "fact" count from the sample
// count.
std::vector<std::uint8_t> Ds64(std::uint64_t dataSize, std::uint64_t sampleCount,
                               std::vector<std::pair<const char*, std::uint64_t>> table = {}) {
    std::vector<std::uint8_t> body;
    for (std::uint64_t v : {std::uint64_t{0}, dataSize, sampleCount}) {
        PutLe32(body, static_cast<std::uint32_t>(v));
        PutLe32(body, static_cast<std::uint32_t>(v >> 32));
    }
    PutLe32(body, static_cast<std::uint32_t>(table.size()));
    for (const auto& [id, size] : table) {
        PutText(body, id);
        PutLe32(body, static_cast<std::uint32_t>(size));
        PutLe32(body, static_cast<std::uint32_t>(size >> 32));
    }
    return body;
}

TEST_F(WavChunkWalk, Rf64AndBw64TakeTheirSizesFromDs64) {
    const std::vector<std::int16_t> samples{100, -200, 300, -400};
    for (const char* form : {"RF64", "BW64"}) {
        // The chunk after the data is no audio, and the LIST chunk is skipped by its size
        // in the table.
        const auto bytes = WavBuilder(form)
                               .Chunk("ds64", Ds64(8, 0, {{"LIST", 6}}))
                               .Chunk("LIST", {1, 2, 3, 4, 5, 6}, 0xFFFFFFFF)
                               .Format(1, 1, 8000, 2, 16)
                               .Data(Pcm16Samples(samples), 0xFFFFFFFF)
                               .Chunk("junk", {9, 9, 9, 9})
                               .Bytes();
        WavReader reader;
        ASSERT_TRUE(reader.Open(Write(bytes))) << form;
        EXPECT_EQ(reader.dataSize(), 8u);
        EXPECT_EQ(reader.totalFrames(), 4);
        const auto r = ReadAll(bytes);
        EXPECT_EQ(r.samples16, samples) << form;
        EXPECT_TRUE(r.endFlag);
    }
    // A larger "fact" count wins for A-law as in RIFF files.
    WavReader alaw;
    ASSERT_TRUE(alaw.Open(Write(WavBuilder("RF64")
                                    .Chunk("ds64", Ds64(6, 5))
                                    .Format(6, 2, 8000, 2, 8)
                                    .Fact(0xFFFFFFFF)
                                    .Data({0xD5, 0xD5, 0xD5, 0xD5, 0xD5, 0xD5}, 0xFFFFFFFF)
                                    .Bytes())));
    EXPECT_EQ(alaw.totalFrames(), 5);
    // Sizes a real file cannot have: the frame count stays in range, a chunk beyond any
    // file's size is refused.
    WavReader huge;
    ASSERT_TRUE(huge.Open(Write(WavBuilder("RF64")
                                    .Chunk("ds64", Ds64(std::uint64_t{1} << 40, 0))
                                    .Format(1, 2, 8000, 4, 16)
                                    .Data({0, 0, 0, 0}, 0xFFFFFFFF)
                                    .Bytes())));
    EXPECT_EQ(huge.dataSize(), std::uint64_t{1} << 40);
    EXPECT_EQ(huge.totalFrames(), std::numeric_limits<std::int32_t>::max());
    EXPECT_FALSE(Opens(WavBuilder("RF64")
                           .Chunk("ds64", Ds64(4, 0, {{"LIST", ~std::uint64_t{0}}}))
                           .Chunk("LIST", {}, 0xFFFFFFFF)
                           .Format(1, 1, 8000, 2, 16)
                           .Data({0, 0, 0, 0})
                           .Bytes()));
    // In a RIFF file "ds64" is a chunk like any other and 0xFFFFFFFF a size like any other.
    WavReader riff;
    ASSERT_TRUE(riff.Open(Write(WavBuilder()
                                    .Chunk("ds64", Ds64(8, 0))
                                    .Format(1, 1, 8000, 2, 16)
                                    .Data(Pcm16Samples(samples), 0xFFFFFFFF)
                                    .Bytes())));
    EXPECT_EQ(riff.dataSize(), 0xFFFFFFFFu);
}

// An ID3v2 tag in front of the form is stepped over by its header's size, plus the footer
// an ID3v2.4 header can announce; the tag is not searched for "RIFF".
TEST_F(WavChunkWalk, LeadingId3v2TagIsSteppedOver) {
    const std::vector<std::int16_t> samples{7, -8};
    const auto wav = WavBuilder().Format(1, 1, 8000, 2, 16).Data(Pcm16Samples(samples)).Bytes();
    auto tagged = [&](std::uint8_t flags, std::size_t bytesAfterHeader) {
        // A body of 200 bytes (synchsafe 1, 72) holding a RIFF header of its own.
        std::vector<std::uint8_t> b{'I', 'D', '3', 4, 0, flags, 0, 0, 1, 72};
        b.insert(b.end(), wav.begin(), wav.begin() + 20);
        b.resize(10 + bytesAfterHeader, 0);
        b.insert(b.end(), wav.begin(), wav.end());
        return b;
    };
    EXPECT_EQ(ReadAll(tagged(0, 200)).samples16, samples);
    EXPECT_EQ(ReadAll(tagged(0x10, 210)).samples16, samples);
    EXPECT_FALSE(Opens(tagged(0, 210)));
    EXPECT_FALSE(Opens(tagged(0x10, 200)));
    EXPECT_FALSE(Opens({'I', 'D', '3', 4, 0, 0, 0, 0, 1, 72}));
}

// RIFX: every number and every sample big-endian; PCM and float only.
std::vector<std::uint8_t> Rifx(unsigned tag, unsigned channels, unsigned bits,
                               const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> b;
    PutText(b, "RIFX");
    PutBe32(b, static_cast<std::uint32_t>(4 + 8 + 16 + 8 + data.size()));
    PutText(b, "WAVEfmt ");
    PutBe32(b, 16);
    PutBe16(b, tag);
    PutBe16(b, channels);
    PutBe32(b, 8000);
    PutBe32(b, 8000 * channels * bits / 8);
    PutBe16(b, channels * bits / 8);
    PutBe16(b, bits);
    PutText(b, "data");
    PutBe32(b, static_cast<std::uint32_t>(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

TEST_F(WavChunkWalk, RifxNumbersAndSamplesAreBigEndian) {
    using S = std::vector<std::int16_t>;
    WavReader reader;
    ASSERT_TRUE(reader.Open(Write(Rifx(1, 2, 16, {0x12, 0x34, 0xFE, 0xDC, 0x00, 0x01, 0x80, 0}))));
    EXPECT_EQ(reader.format().samplesPerSec, 8000u);
    EXPECT_EQ(reader.format().channels, 2);
    EXPECT_EQ(reader.totalFrames(), 2);
    EXPECT_EQ(ReadAll(Rifx(1, 2, 16, {0x12, 0x34, 0xFE, 0xDC, 0x00, 0x01, 0x80, 0})).samples16,
              (S{0x1234, -0x0124, 1, -32768}));
    EXPECT_EQ(ReadAll(Rifx(1, 1, 16, {0x12, 0x34, 0xFE, 0xDC})).samples16, (S{0x1234, -0x0124}));
    EXPECT_EQ(ReadAll(Rifx(1, 1, 24, {0x12, 0x34, 0x56, 0xFE, 0xDC, 0xBA})).samples16,
              (S{0x1234, -0x0124}));
    EXPECT_EQ(ReadAll(Rifx(1, 1, 32, {0x12, 0x34, 0x56, 0x78, 0xFF, 0xFF, 0xFF, 0xFF})).samples16,
              (S{0x1234, -1}));
    EXPECT_EQ(ReadAll(Rifx(3, 1, 32, {0x3F, 0, 0, 0, 0xBF, 0x80, 0, 0})).samples16,
              (S{16383, -32768}));
    EXPECT_EQ(ReadAll(Rifx(3, 2, 64, {0x3F, 0xE0, 0, 0, 0, 0, 0, 0, 0xBF, 0xF0, 0, 0, 0, 0, 0, 0}))
                  .samples16,
              (S{16383, -32768}));
    EXPECT_EQ(ReadAll(Rifx(1, 2, 8, {0, 128, 255, 1})).samples8,
              (std::vector<std::uint8_t>{0, 128, 255, 1}));
    for (unsigned tag : {2u, 6u, 7u, 0x11u, 0x31u, 0x55u, 0xFFFEu})
        EXPECT_FALSE(Opens(Rifx(tag, 1, 8, {0xD5, 0xD5}))) << tag;
}

TEST_F(WavChunkWalk, CloseIsHarmlessAndOpenReplacesTheOpenFile) {
    WavReader reader;
    reader.Close();
    EXPECT_FALSE(reader.isOpen());
    const auto a = Write(WavBuilder().Format(1, 1, 8000, 2, 16).Data(Pcm16Samples({1, 2})).Bytes());
    const auto b = Write(
        WavBuilder().Format(6, 2, 16000, 2, 8).Data({0xD5, 0xD5, 0xD5, 0xD5, 0xD5, 0xD5}).Bytes());
    ASSERT_TRUE(reader.Open(a));
    ASSERT_TRUE(reader.Open(b));
    EXPECT_EQ(reader.format().samplesPerSec, 16000u);
    EXPECT_EQ(reader.totalFrames(), 3);
    reader.Close();
    reader.Close();
    EXPECT_FALSE(reader.isOpen());
    EXPECT_FALSE(reader.PrepareDecoding());
}

}  // namespace
