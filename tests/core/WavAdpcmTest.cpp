// The ADPCM block decoders on their own: the arithmetic's edge cases and the block sizes,
// with canaries behind the output to catch a write past the decoded block.

#include <gtest/gtest.h>

#include <vector>

#include "audio/ImaAdpcmDecoder.h"
#include "audio/MsAdpcmDecoder.h"

using namespace tonvexa;

namespace {

constexpr std::int16_t kCanary = 0x5A5A;

ImaAdpcmFormat ImaFormat(unsigned channels, unsigned blockAlign, unsigned samplesPerBlock) {
    ImaAdpcmFormat f;
    f.record.formatTag = 17;
    f.record.channels = static_cast<std::uint16_t>(channels);
    f.record.blockAlign = static_cast<std::uint16_t>(blockAlign);
    f.record.bitsPerSample = 4;
    f.samplesPerBlock = static_cast<std::uint16_t>(samplesPerBlock);
    return f;
}

MsAdpcmFormat MsFormat(unsigned channels, unsigned blockAlign, unsigned samplesPerBlock) {
    MsAdpcmFormat f;
    f.record.formatTag = 2;
    f.record.channels = static_cast<std::uint16_t>(channels);
    f.record.blockAlign = static_cast<std::uint16_t>(blockAlign);
    f.record.bitsPerSample = 4;
    f.samplesPerBlock = static_cast<std::uint16_t>(samplesPerBlock);
    f.coefficients = {{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};
    return f;
}

TEST(ImaAdpcm, StepSevenDifferencesAndIndexMoves) {
    ImaChannelState s{100, 0};
    EXPECT_EQ(ImaExpandNibble(s, 0), 100);  // 7 >> 3 is 0
    EXPECT_EQ(s.stepIndex, 0);              // -1, held at 0
    s = {100, 0};
    EXPECT_EQ(ImaExpandNibble(s, 7), 111);  // 0 + 1 + 3 + 7
    EXPECT_EQ(s.stepIndex, 8);
    s = {100, 0};
    EXPECT_EQ(ImaExpandNibble(s, 15), 89);
    EXPECT_EQ(s.stepIndex, 8);
    s = {32760, 88};
    EXPECT_EQ(ImaExpandNibble(s, 7), 32767);  // clamped
    EXPECT_EQ(s.stepIndex, 88);
    s = {-32760, 88};
    EXPECT_EQ(ImaExpandNibble(s, 15), -32768);
}

TEST(ImaAdpcm, StepIndexAbove88DecodesAs88) {
    ImaAdpcmDecoder decoder;
    ASSERT_TRUE(decoder.SetFormat(ImaFormat(1, 8, 9)));
    const std::uint8_t block[8] = {0, 0, 100, 0, 0, 0, 0, 0};
    std::int16_t out[9];
    ASSERT_TRUE(decoder.DecodeBlock(block, out));
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 32767 >> 3);
}

TEST(ImaAdpcm, BlockSizesGiveTheirSampleCountsAndNoMore) {
    struct Case {
        unsigned channels, blockAlign, samplesPerBlock;
    };
    for (const Case c :
         {Case{1, 256, 505}, Case{2, 2048, 2041}, Case{1, 1024, 2041}, Case{2, 512, 505}}) {
        ImaAdpcmDecoder decoder;
        ASSERT_TRUE(decoder.SetFormat(ImaFormat(c.channels, c.blockAlign, c.samplesPerBlock)));
        std::vector<std::uint8_t> block(c.blockAlign);
        for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i * 37);
        block[2] = 20;
        if (c.channels == 2) block[6] = 30;
        const std::size_t n = std::size_t{c.channels} * c.samplesPerBlock;
        std::vector<std::int16_t> out(n + 16, kCanary);
        ASSERT_TRUE(decoder.DecodeBlock(block.data(), out.data()));
        for (std::size_t i = n; i < out.size(); ++i) ASSERT_EQ(out[i], kCanary) << i;
        // Each channel's first sample is its header's.
        EXPECT_EQ(out[0], static_cast<std::int16_t>(block[0] | (block[1] << 8)));
        if (c.channels == 2) {
            EXPECT_EQ(out[1], static_cast<std::int16_t>(block[4] | (block[5] << 8)));
        }
    }
}

TEST(ImaAdpcm, GroupsAlternateBetweenChannelsLowNibbleFirst) {
    // Stereo, one group per channel: codes of channel 0 are 7 then 0 ..., of channel 1 are 15.
    ImaAdpcmDecoder decoder;
    ASSERT_TRUE(decoder.SetFormat(ImaFormat(2, 16, 9)));
    const std::uint8_t block[16] = {100,  0, 0, 0, 0, 0, 0, 0,  // headers: 100 at index 0; 0 at 0
                                    0x07, 0, 0, 0,              // channel 0: 7, 0, 0 ...
                                    0x0F, 0, 0, 0};             // channel 1: 15, 0, 0 ...
    std::int16_t out[18];
    ASSERT_TRUE(decoder.DecodeBlock(block, out));
    EXPECT_EQ(out[0], 100);
    EXPECT_EQ(out[1], 0);
    EXPECT_EQ(out[2], 111);
    EXPECT_EQ(out[3], -11);
}

TEST(ImaAdpcm, RefusesFormatsItCannotDecodeWithinTheBlock) {
    ImaAdpcmDecoder decoder;
    EXPECT_FALSE(decoder.SetFormat(ImaFormat(1, 256, 506)));
    EXPECT_FALSE(decoder.format().has_value());
    EXPECT_FALSE(decoder.SetFormat(ImaFormat(3, 3084, 2049)));
    EXPECT_FALSE(decoder.SetFormat(ImaFormat(1, 4, 1)));
    EXPECT_FALSE(decoder.SetFormat(ImaFormat(2, 12, 5)));
    EXPECT_TRUE(decoder.SetFormat(ImaFormat(2, 24, 9 + 8)));
}

TEST(MsAdpcm, MonoBlockStartsWithTheOlderThenTheNewerSample) {
    MsAdpcmDecoder decoder;
    ASSERT_TRUE(decoder.SetFormat(MsFormat(1, 256, 500)));
    std::vector<std::uint8_t> block(256, 0);
    block[0] = 1;     // predictor 512, -256
    block[1] = 16;    // delta
    block[3] = 10;    // sample 1 (newer) = 10
    block[5] = 4;     // sample 2 (older) = 4
    block[7] = 0x10;  // codes 1, 0
    std::vector<std::int16_t> out(500 + 8, kCanary);
    EXPECT_EQ(decoder.DecodeBlock(block.data(), out.data()), 1000);
    EXPECT_EQ(out[0], 4);
    EXPECT_EQ(out[1], 10);
    EXPECT_EQ(out[2], (10 * 512 - 4 * 256) / 256 + 16);  // 16 + 16
    EXPECT_EQ(out[3], (32 * 512 - 10 * 256) / 256);      // code 0
    for (std::size_t i = 500; i < out.size(); ++i) EXPECT_EQ(out[i], kCanary);
}

TEST(MsAdpcm, StereoHighNibbleIsTheLeftChannel) {
    MsAdpcmDecoder decoder;
    ASSERT_TRUE(decoder.SetFormat(MsFormat(2, 16, 4)));
    const std::uint8_t block[16] = {0, 0, 16, 0, 32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x1F, 0x70};
    std::int16_t out[8];
    ASSERT_GT(decoder.DecodeBlock(block, out), 0);
    EXPECT_EQ(out[4], 16);           // left: code 1 x delta 16
    EXPECT_EQ(out[5], -32);          // right: code 15 (-1) x delta 32
    EXPECT_EQ(out[6], 16 + 7 * 16);  // delta stayed 16 after code 1 (230 x 16 / 256 < 16)
    EXPECT_EQ(out[7], -32);
}

TEST(MsAdpcm, DeltaNeverFallsBelowSixteenAndLargeValuesDoNotOverflow) {
    MsChannelState s;
    s.coefficient1 = 256;
    s.delta = 16;
    MsExpandNibble(s, 0);
    EXPECT_EQ(s.delta, 16);
    // Weights and samples at their extremes: the weighted sum needs more than 32 bits.
    MsChannelState extreme;
    extreme.coefficient1 = -32768;
    extreme.coefficient2 = -32768;
    extreme.sample1 = -32768;
    extreme.sample2 = -32768;
    extreme.delta = 0xFFFF;
    EXPECT_EQ(MsExpandNibble(extreme, 7), 32767);
    EXPECT_EQ(extreme.delta, static_cast<std::uint16_t>(614u * 0xFFFF / 256));
}

TEST(MsAdpcm, PredictorBeyondTheCoefficientsIsReported) {
    MsAdpcmDecoder decoder;
    ASSERT_TRUE(decoder.SetFormat(MsFormat(1, 256, 500)));
    std::vector<std::uint8_t> block(256, 0);
    block[0] = 7;
    std::vector<std::int16_t> out(500);
    EXPECT_EQ(decoder.DecodeBlock(block.data(), out.data()), 0);
    block[0] = 6;
    EXPECT_EQ(decoder.DecodeBlock(block.data(), out.data()), 1000);
}

TEST(MsAdpcm, RefusesFormatsItCannotDecodeWithinTheBlock) {
    MsAdpcmDecoder decoder;
    EXPECT_FALSE(decoder.SetFormat(MsFormat(1, 256, 499)));
    EXPECT_FALSE(decoder.SetFormat(MsFormat(3, 1536, 1012)));
    EXPECT_FALSE(decoder.SetFormat(MsFormat(2, 13, 2)));
    auto noPredictors = MsFormat(1, 256, 500);
    noPredictors.coefficients.clear();
    EXPECT_FALSE(decoder.SetFormat(noPredictors));
    EXPECT_TRUE(decoder.SetFormat(MsFormat(2, 1024, 1012)));
}

}  // namespace
