#include <gtest/gtest.h>

extern "C" {
#include <libavformat/avformat.h>
}

#include <array>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "audio/Mp3Format.h"
#include "audio/Mp3Reader.h"
#include "audio/Mp3Writer.h"
#include "base/PcmFormat.h"
#include "support/FileSizeLimit.h"
#include "support/Mp3TestSupport.h"
#include "support/TestSupport.h"

using namespace tonvexa;
using namespace tonvexa::test;

namespace {

std::array<std::uint8_t, 128> TagBlock(const char* title) {
    std::array<std::uint8_t, 128> block{};
    std::memcpy(block.data(), "TAG", 3);
    std::memcpy(block.data() + 3, title, std::strlen(title));
    block[127] = 13;
    return block;
}

// What FFmpeg's demuxer makes of a file.
struct Probe {
    std::string codec;
    int sampleRate = 0;
    int channels = 0;
    std::int64_t bitRate = 0;
    int packets = 0;
    double seconds = 0;
};

std::optional<Probe> ProbeWithFfmpeg(const std::string& path) {
    AVFormatContext* ctx = nullptr;
    if (avformat_open_input(&ctx, path.c_str(), nullptr, nullptr) < 0) return std::nullopt;
    std::optional<Probe> result;
    if (avformat_find_stream_info(ctx, nullptr) >= 0) {
        const int index = av_find_best_stream(ctx, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
        if (index >= 0) {
            const AVCodecParameters* par = ctx->streams[index]->codecpar;
            Probe p;
            p.codec = avcodec_get_name(par->codec_id);
            p.sampleRate = par->sample_rate;
            p.channels = par->ch_layout.nb_channels;
            p.bitRate = par->bit_rate;
            AVPacket* packet = av_packet_alloc();
            av_seek_frame(ctx, index, 0, AVSEEK_FLAG_BACKWARD);
            while (av_read_frame(ctx, packet) >= 0) {
                if (packet->stream_index == index) ++p.packets;
                av_packet_unref(packet);
            }
            av_packet_free(&packet);
            result = p;
        }
    }
    avformat_close_input(&ctx);
    return result;
}

bool ContainsText(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t to,
                  const char* text) {
    const std::size_t n = std::strlen(text);
    for (std::size_t i = from; i + n <= std::min(to, bytes.size()); ++i) {
        if (std::memcmp(bytes.data() + i, text, n) == 0) return true;
    }
    return false;
}

}  // namespace

// --- Files read back by FFmpeg --------------------------------------------------------

struct WriteCase {
    int rate;
    int channels;
    int kbps;
    int mode;  // -1: the encoder's choice
    bool tag;
};

class Mp3WriterFormats : public ::testing::TestWithParam<WriteCase> {};

TEST_P(Mp3WriterFormats, WritesPlainCbrFramesThatFfmpegReads) {
    const WriteCase c = GetParam();
    TempDir dir;
    const std::string path = dir.file("out.mp3");
    const int inputFrames = c.rate * 7 / 10;
    const auto pcm = Mp3TestSignal(inputFrames, c.channels, c.rate, 5);
    const auto tag = TagBlock("Written here");
    Mp3WriteParams p;
    p.channels = c.channels;
    p.inRate = c.rate;
    p.outRate = c.rate;
    p.kbps = c.kbps;
    p.mode = c.mode;
    p.tag = c.tag ? &tag : nullptr;
    ASSERT_TRUE(WriteMp3(path, pcm, p));
    const auto bytes = readFile(path);

    // The audio is a chain of frames from the first byte to the tag (or the end): no
    // leading tag, no junk, no cut frame.
    const std::size_t audioEnd = bytes.size() - (c.tag ? 128 : 0);
    const auto frames = WalkFrames(bytes, audioEnd);
    ASSERT_TRUE(frames.has_value());
    ASSERT_FALSE(frames->empty());
    for (const FrameHeader& f : *frames) {
        EXPECT_EQ(f.bitRate, c.kbps);
        EXPECT_EQ(f.sampleRate, c.rate);
        EXPECT_EQ(f.mode == mp3::kModeMono, c.channels == 1);
        if (c.mode >= 0) {
            EXPECT_EQ(f.mode, c.mode);
        }
    }
    // No Xing/"Info" frame and no LAME tag frame at the start.
    const std::size_t firstLength = static_cast<std::size_t>(frames->front().length);
    EXPECT_FALSE(ContainsText(bytes, 0, firstLength, "Xing"));
    EXPECT_FALSE(ContainsText(bytes, 0, firstLength, "Info"));
    EXPECT_FALSE(ContainsText(bytes, 0, 40, "LAME"));
    if (c.tag) {
        EXPECT_TRUE(std::equal(tag.begin(), tag.end(), bytes.end() - 128));
    }

    const auto probe = ProbeWithFfmpeg(path);
    ASSERT_TRUE(probe.has_value());
    EXPECT_EQ(probe->codec, "mp3");
    EXPECT_EQ(probe->sampleRate, c.rate);
    EXPECT_EQ(probe->channels, c.channels);
    EXPECT_EQ(probe->bitRate, c.kbps * 1000);
    // Every frame is audio to FFmpeg: a Xing frame would have been dropped from the count.
    EXPECT_EQ(probe->packets, static_cast<int>(frames->size()));

    const auto decoded = ffmpegDecode(path);
    ASSERT_TRUE(decoded.has_value());
    const std::size_t decodedFrames = decoded->bytes.size() / 2 / c.channels;
    EXPECT_EQ(decodedFrames, frames->size() * frames->front().samples);
    // The encoder adds its delay in front and pads the last frame, never more than a few
    // frames' worth.
    EXPECT_GE(decodedFrames, static_cast<std::size_t>(inputFrames));
    EXPECT_LE(decodedFrames, static_cast<std::size_t>(inputFrames) + 4 * 1152);
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, Mp3WriterFormats,
    ::testing::Values(WriteCase{44100, 2, 128, -1, true}, WriteCase{44100, 2, 192, 0, false},
                      WriteCase{48000, 2, 320, 1, true}, WriteCase{32000, 1, 64, 3, true},
                      WriteCase{22050, 2, 64, 1, false}, WriteCase{24000, 1, 32, -1, true},
                      WriteCase{16000, 2, 48, 0, true}, WriteCase{11025, 1, 16, -1, true},
                      WriteCase{12000, 2, 32, 1, false}, WriteCase{8000, 1, 8, -1, true}),
    [](const auto& param) {
        const WriteCase& c = param.param;
        return std::to_string(c.rate) + "Hz_" + std::to_string(c.channels) + "ch_" +
               std::to_string(c.kbps) + "k_mode" +
               (c.mode < 0 ? std::string("auto") : std::to_string(c.mode)) + (c.tag ? "_tag" : "");
    });

TEST(Mp3Writer, OurReaderReadsWhatItWrites) {
    TempDir dir;
    const std::string path = dir.file("round.mp3");
    const auto pcm = Mp3TestSignal(44100, 2, 44100, 8);
    const auto tag = TagBlock("Round trip");
    Mp3WriteParams p;
    p.tag = &tag;
    ASSERT_TRUE(WriteMp3(path, pcm, p));
    Mp3Reader reader;
    ASSERT_TRUE(reader.Open(path));
    EXPECT_EQ(reader.SampleRate(), 44100);
    EXPECT_EQ(reader.Channels(), 2);
    EXPECT_EQ(reader.BitRate(), 128);
    const auto* block = reader.ReadId3v1();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(*block, tag);
    const Mp3Decoded d = DecodeAll(reader);
    ASSERT_TRUE(d.ended && !d.failed);
    // The decoded signal is the input after the encoder's delay: find the delay as the
    // shift with the least difference and compare the signal there.
    const std::size_t n = pcm.size();
    ASSERT_GT(d.samples.size(), n);
    double best = 1e300;
    std::size_t bestShift = 0;
    for (std::size_t shift = 0; shift < 3000; ++shift) {
        double error = 0;
        for (std::size_t i = 0; i < 20000; i += 2) {
            const double e = static_cast<double>(pcm[20000 + i]) - d.samples[20000 + i + 2 * shift];
            error += e * e;
        }
        if (error < best) {
            best = error;
            bestShift = shift;
        }
    }
    std::vector<std::int16_t> aligned(d.samples.begin() + 2 * bestShift,
                                      d.samples.begin() + 2 * bestShift + n - 4000);
    std::vector<std::int16_t> input(pcm.begin(), pcm.end() - 4000);
    // The encoder's delay, 576 plus its filter's 529 samples.
    EXPECT_EQ(bestShift, 1105u);
    EXPECT_GT(SnrDb(aligned, input), 15.0);
}

// --- Parameters -----------------------------------------------------------------------

namespace {

// Writes a short file with the given setter calls and returns its frame headers.
template <typename Configure>
std::vector<FrameHeader> FramesOf(const TempDir& dir, int inputChannels, int rate,
                                  Configure configure) {
    const std::string path = dir.file("p.mp3");
    Mp3Writer writer;
    EXPECT_TRUE(writer.Open(path));
    configure(writer);
    EXPECT_TRUE(writer.StartEncoding());
    const auto pcm = Mp3TestSignal(rate / 4, 2, rate, 2);
    std::vector<std::int16_t> left, right;
    for (std::size_t i = 0; i < pcm.size(); i += 2) {
        left.push_back(pcm[i]);
        right.push_back(inputChannels == 2 ? pcm[i + 1] : pcm[i]);
    }
    for (std::size_t at = 0; at < left.size(); at += 1152) {
        const int n = static_cast<int>(std::min<std::size_t>(1152, left.size() - at));
        EXPECT_TRUE(writer.Encode(left.data() + at, right.data() + at, n));
    }
    EXPECT_TRUE(writer.Close());
    const auto bytes = readFile(path);
    std::filesystem::remove(path);  // the next call's file takes the name
    auto frames = WalkFrames(bytes, bytes.size());
    EXPECT_TRUE(frames.has_value());
    return frames.value_or(std::vector<FrameHeader>{});
}

}  // namespace

TEST(Mp3Writer, ClampsTheBitRate) {
    TempDir dir;
    auto low = FramesOf(dir, 2, 8000, [](Mp3Writer& w) {
        w.SetChannels(2);
        w.SetInSampleRate(8000);
        w.SetOutSampleRate(8000);
        w.SetBitRate(0);
    });
    ASSERT_FALSE(low.empty());
    EXPECT_EQ(low.front().bitRate, 8);
    auto high = FramesOf(dir, 2, 44100, [](Mp3Writer& w) {
        w.SetChannels(2);
        w.SetInSampleRate(44100);
        w.SetBitRate(500);
    });
    ASSERT_FALSE(high.empty());
    EXPECT_EQ(high.front().bitRate, 320);
}

TEST(Mp3Writer, ClampsTheChannelCount) {
    TempDir dir;
    auto none = FramesOf(dir, 1, 44100, [](Mp3Writer& w) {
        w.SetChannels(0);
        w.SetInSampleRate(44100);
        w.SetBitRate(64);
    });
    ASSERT_FALSE(none.empty());
    EXPECT_EQ(none.front().mode, mp3::kModeMono);
    auto many = FramesOf(dir, 2, 44100, [](Mp3Writer& w) {
        w.SetChannels(6);
        w.SetInSampleRate(44100);
        w.SetBitRate(128);
    });
    ASSERT_FALSE(many.empty());
    EXPECT_NE(many.front().mode, mp3::kModeMono);
}

TEST(Mp3Writer, MapsModesItCannotWriteToStereo) {
    TempDir dir;
    for (const auto& [asked, expected] : std::vector<std::pair<int, int>>{
             {0, 0}, {1, 1}, {2, 0}, {3, 3}, {4, 0}, {-1, 0}, {99, 0}}) {
        auto frames = FramesOf(dir, 2, 44100, [asked = asked](Mp3Writer& w) {
            w.SetChannels(2);
            w.SetInSampleRate(44100);
            w.SetBitRate(128);
            w.SetOutSampleRate(44100);
            w.SetMode(asked);
        });
        ASSERT_FALSE(frames.empty());
        for (const FrameHeader& f : frames) EXPECT_EQ(f.mode, expected) << "mode " << asked;
    }
}

TEST(Mp3Writer, ResamplesToTheOutputRate) {
    TempDir dir;
    auto frames = FramesOf(dir, 2, 44100, [](Mp3Writer& w) {
        w.SetChannels(2);
        w.SetInSampleRate(44100);
        w.SetOutSampleRate(22050);
        w.SetBitRate(64);
    });
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front().sampleRate, 22050);
    // A quarter second in: about 11 frames of 576 samples at the new rate, plus delay.
    EXPECT_GE(frames.size() * 576, 44100u / 8);
    EXPECT_LE(frames.size() * 576, 44100u / 8 + 4 * 576);
}

// The encoder lowers a bit rate that the output rate cannot carry instead of failing:
// the writer encodes at the lowered rate and says so.
TEST(Mp3Writer, ReportsTheBitRateTheEncoderSettledOn) {
    TempDir dir;
    const std::string path = dir.file("low.mp3");
    Mp3Writer writer;
    ASSERT_TRUE(writer.Open(path));
    writer.SetChannels(2);
    writer.SetInSampleRate(11025);
    writer.SetOutSampleRate(11025);
    writer.SetBitRate(320);
    ASSERT_TRUE(writer.StartEncoding());
    EXPECT_EQ(writer.EffectiveBitRate(), 64);
    EXPECT_EQ(writer.EffectiveOutSampleRate(), 11025);
    const auto pcm = Mp3TestSignal(4000, 1, 11025, 3);
    ASSERT_TRUE(writer.Encode(pcm.data(), pcm.data(), static_cast<int>(pcm.size())));
    ASSERT_TRUE(writer.Close());
    const auto bytes = readFile(path);
    const auto frames = WalkFrames(bytes, bytes.size());
    ASSERT_TRUE(frames && !frames->empty());
    for (const FrameHeader& f : *frames) EXPECT_EQ(f.bitRate, 64);
    const auto probe = ProbeWithFfmpeg(path);
    ASSERT_TRUE(probe.has_value());
    EXPECT_EQ(probe->bitRate, 64000);
}

TEST(Mp3Writer, RefusesAnOutputRateMpegDoesNotHave) {
    TempDir dir;
    Mp3Writer writer;
    ASSERT_TRUE(writer.Open(dir.file("odd.mp3")));
    writer.SetChannels(2);
    writer.SetInSampleRate(44100);
    writer.SetOutSampleRate(12345);
    writer.SetBitRate(128);
    EXPECT_FALSE(writer.StartEncoding());
    const std::int16_t pcm[4] = {};
    EXPECT_FALSE(writer.Encode(pcm, pcm, 2));
}

TEST(Mp3Writer, RefusesAnInputRateNoAudioHas) {
    TempDir dir;
    for (int rate : {0, -44100, kMaxSampleRate + 1, 0x7FFFFFFF}) {
        Mp3Writer writer;
        ASSERT_TRUE(writer.Open(dir.file("in.mp3")));
        writer.SetChannels(2);
        writer.SetInSampleRate(rate);
        writer.SetOutSampleRate(44100);
        writer.SetBitRate(128);
        EXPECT_FALSE(writer.StartEncoding()) << rate;
    }
}

// --- Beginning and end of a file ------------------------------------------------------

TEST(Mp3Writer, NoSamplesStillGiveTheFlushAndTheTag) {
    TempDir dir;
    const std::string path = dir.file("empty.mp3");
    const auto tag = TagBlock("Nothing");
    Mp3WriteParams p;
    p.tag = &tag;
    ASSERT_TRUE(WriteMp3(path, {}, p));
    const auto bytes = readFile(path);
    ASSERT_GE(bytes.size(), 128u);
    EXPECT_TRUE(std::equal(tag.begin(), tag.end(), bytes.end() - 128));
    EXPECT_TRUE(WalkFrames(bytes, bytes.size() - 128).has_value());

    const std::string bare = dir.file("bare.mp3");
    ASSERT_TRUE(WriteMp3(bare, {}, Mp3WriteParams{}));
    const auto bareBytes = readFile(bare);
    EXPECT_EQ(bareBytes.size() + 128, bytes.size());
}

TEST(Mp3Writer, WithoutATagTheFileEndsWithTheLastFrame) {
    TempDir dir;
    const std::string path = dir.file("plain.mp3");
    ASSERT_TRUE(WriteMp3(path, Mp3TestSignal(30000, 2, 44100), Mp3WriteParams{}));
    const auto bytes = readFile(path);
    const auto frames = WalkFrames(bytes, bytes.size());
    ASSERT_TRUE(frames.has_value());
    EXPECT_GE(frames->size() * 1152, 30000u);
    EXPECT_FALSE(ContainsText(bytes, bytes.size() - 128, bytes.size(), "TAG"));
}

TEST(Mp3Writer, EncodingNoFramesWritesNothing) {
    TempDir dir;
    const auto pcm = Mp3TestSignal(9000, 1, 22050, 4);
    std::vector<std::vector<std::uint8_t>> outputs;
    for (bool withEmptyCalls : {false, true}) {
        const std::string path = dir.file(withEmptyCalls ? "b.mp3" : "a.mp3");
        Mp3Writer writer;
        ASSERT_TRUE(writer.Open(path));
        writer.SetChannels(1);
        writer.SetInSampleRate(22050);
        writer.SetBitRate(48);
        ASSERT_TRUE(writer.StartEncoding());
        for (std::size_t at = 0; at < pcm.size(); at += 1000) {
            if (withEmptyCalls) {
                EXPECT_TRUE(writer.Encode(pcm.data(), nullptr, 0));
            }
            const int n = static_cast<int>(std::min<std::size_t>(1000, pcm.size() - at));
            ASSERT_TRUE(writer.Encode(pcm.data() + at, nullptr, n));
        }
        ASSERT_TRUE(writer.Close());
        outputs.push_back(readFile(path));
    }
    EXPECT_EQ(outputs[0], outputs[1]);
}

TEST(Mp3Writer, ABlockTooLargeForTheOutputBufferFails) {
    TempDir dir;
    Mp3Writer writer;
    ASSERT_TRUE(writer.Open(dir.file("big.mp3")));
    writer.SetChannels(2);
    writer.SetInSampleRate(48000);
    writer.SetBitRate(320);
    ASSERT_TRUE(writer.StartEncoding());
    // A minute of 320 kbit/s in one call is megabytes of output for a 16 kB buffer.
    std::vector<std::int16_t> block(48000 * 60, 1000);
    EXPECT_FALSE(writer.Encode(block.data(), block.data(), static_cast<int>(block.size())));
}

// --- Failures -------------------------------------------------------------------------

TEST(Mp3Writer, OpenFailsWhereNoFileCanBeCreated) {
    TempDir dir;
    writeFile(dir.file("plain"), std::string("x"));
    Mp3Writer writer;
    EXPECT_FALSE(writer.Open(dir.file("plain") + "/out.mp3"));
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_FALSE(writer.StartEncoding());
    const std::int16_t pcm[2] = {};
    EXPECT_FALSE(writer.Encode(pcm, pcm, 1));
    EXPECT_TRUE(writer.Close());
}

// A full disk must not pass for a finished file: Close reports the failure, and the file
// never takes its name.
TEST(Mp3Writer, CloseReportsAFailedWrite) {
    TempDir dir;
    test::FileSizeLimit full(100);
    ASSERT_TRUE(full.active());
    const auto tag = TagBlock("Lost");
    Mp3Writer writer;
    ASSERT_TRUE(writer.Open(dir.file("flushed.mp3")));
    writer.SetTagBlock(tag);
    writer.SetChannels(1);
    writer.SetInSampleRate(44100);
    writer.SetBitRate(128);
    ASSERT_TRUE(writer.StartEncoding());
    const auto pcm = Mp3TestSignal(2000, 1, 44100);
    // Small enough to stay inside the stream's buffer: only the flush at Close meets the
    // full disk.
    EXPECT_TRUE(writer.Encode(pcm.data(), nullptr, static_cast<int>(pcm.size())));
    EXPECT_FALSE(writer.Close());
    EXPECT_FALSE(writer.IsOpen());

    Mp3Writer longer;
    ASSERT_TRUE(longer.Open(dir.file("long.mp3")));
    longer.SetChannels(1);
    longer.SetInSampleRate(44100);
    longer.SetBitRate(320);
    ASSERT_TRUE(longer.StartEncoding());
    const auto minute = Mp3TestSignal(44100 * 3, 1, 44100);
    bool failedOnTheWay = false;
    for (std::size_t at = 0; at < minute.size() && !failedOnTheWay; at += 1152) {
        const int n = static_cast<int>(std::min<std::size_t>(1152, minute.size() - at));
        failedOnTheWay = !longer.Encode(minute.data() + at, nullptr, n);
    }
    EXPECT_TRUE(failedOnTheWay);
    EXPECT_FALSE(longer.Close());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(Mp3Writer, OpeningAgainFinishesTheFirstFile) {
    TempDir dir;
    const auto tag = TagBlock("First");
    Mp3Writer writer;
    ASSERT_TRUE(writer.Open(dir.file("first.mp3")));
    writer.SetTagBlock(tag);
    writer.SetChannels(1);
    writer.SetInSampleRate(32000);
    writer.SetBitRate(64);
    ASSERT_TRUE(writer.StartEncoding());
    const auto pcm = Mp3TestSignal(16000, 1, 32000);
    ASSERT_TRUE(writer.Encode(pcm.data(), nullptr, 1152));
    ASSERT_TRUE(writer.Open(dir.file("second.mp3")));
    EXPECT_EQ(writer.Path(), dir.file("second.mp3"));
    const auto first = readFile(dir.file("first.mp3"));
    ASSERT_GT(first.size(), 128u);
    EXPECT_TRUE(std::equal(tag.begin(), tag.end(), first.end() - 128));
    EXPECT_TRUE(WalkFrames(first, first.size() - 128).has_value());
    // The tag belonged to the first file.
    EXPECT_TRUE(writer.Close());
    EXPECT_TRUE(readFile(dir.file("second.mp3")).empty());
}

TEST(Mp3Writer, EncodersOnSeveralThreadsAreIndependent) {
    TempDir dir;
    const auto pcm = Mp3TestSignal(22050, 2, 22050, 6);
    Mp3WriteParams p;
    p.inRate = 22050;
    p.kbps = 64;
    ASSERT_TRUE(WriteMp3(dir.file("ref.mp3"), pcm, p));
    const auto reference = readFile(dir.file("ref.mp3"));
    std::vector<std::thread> threads;
    std::vector<int> same(4, 0);
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([&, i] {
            const std::string path = dir.file("t" + std::to_string(i) + ".mp3");
            same[i] = WriteMp3(path, pcm, p) && readFile(path) == reference;
        });
    }
    for (auto& t : threads) t.join();
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(same[i]) << i;
}
