// Files written through the FFmpeg runtime, read back by FFmpeg itself: the codec, rate,
// channels and attributes other programs see, the length, and audio that matches the input
// from its first sample on.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "wm/FfmpegProfileManager.h"
#include "wm/FfmpegWmRuntime.h"
#include "wm/WmText.h"
#include "wm/WmaFormatList.h"
#include "wm/WmaReader.h"
#include "wm/WmaWriter.h"

extern "C" {
#include <libavformat/avformat.h>
}

using namespace tonvexa;
using namespace tonvexa::test;

namespace {

// Noise through two low-pass stages: not periodic, so a shift by any number of samples shows
// as a loss of correlation, and within the band that even the smallest bit rates keep.
std::vector<std::int16_t> Signal(int frames, int rate, unsigned seed) {
    std::vector<std::int16_t> out(static_cast<std::size_t>(frames));
    std::uint32_t state = seed * 2654435761u + 1;
    const double a = std::exp(-2.0 * M_PI * 700.0 / rate);
    double y1 = 0, y2 = 0;
    for (int i = 0; i < frames; ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = (static_cast<double>(state >> 8) / (1 << 24)) * 2.0 - 1.0;
        y1 = a * y1 + (1 - a) * white;
        y2 = a * y2 + (1 - a) * y1;
        out[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(std::lround(y2 * 150000.0));
    }
    return out;
}

double Rms(const std::vector<double>& v, std::size_t from, std::size_t count) {
    double e = 0;
    for (std::size_t i = from; i < from + count; ++i) e += v[i] * v[i];
    return std::sqrt(e / static_cast<double>(count));
}

// Normalised correlation of x[i] with y[i + lag] over `count` samples from `from`.
double Correlation(const std::vector<double>& x, const std::vector<double>& y, std::size_t from,
                   std::size_t count, long lag) {
    double xy = 0, xx = 0, yy = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        const long j = static_cast<long>(i) + lag;
        const double b =
            j >= 0 && static_cast<std::size_t>(j) < y.size() ? y[static_cast<std::size_t>(j)] : 0.0;
        xy += x[i] * b;
        xx += x[i] * x[i];
        yy += b * b;
    }
    return xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0.0;
}

std::vector<double> Channel(const std::vector<std::int16_t>& interleaved, int channels, int c) {
    std::vector<double> v;
    for (std::size_t i = static_cast<std::size_t>(c); i < interleaved.size();
         i += static_cast<std::size_t>(channels))
        v.push_back(interleaved[i]);
    return v;
}

struct FileInfo {
    std::string format;
    AVCodecID codec = AV_CODEC_ID_NONE;
    int rate = 0;
    int channels = 0;
    std::map<std::string, std::string> tags;
};

FileInfo Probe(const std::string& path) {
    FileInfo info;
    AVFormatContext* ctx = nullptr;
    if (avformat_open_input(&ctx, path.c_str(), nullptr, nullptr) < 0) return info;
    if (avformat_find_stream_info(ctx, nullptr) >= 0) {
        info.format = ctx->iformat->name;
        const int index = av_find_best_stream(ctx, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
        if (index >= 0) {
            info.codec = ctx->streams[index]->codecpar->codec_id;
            info.rate = ctx->streams[index]->codecpar->sample_rate;
            info.channels = ctx->streams[index]->codecpar->ch_layout.nb_channels;
        }
        const AVDictionaryEntry* e = nullptr;
        while ((e = av_dict_get(ctx->metadata, "", e, AV_DICT_IGNORE_SUFFIX)))
            info.tags[e->key] = e->value;
    }
    avformat_close_input(&ctx);
    return info;
}

bool ContainsUtf16(const std::vector<std::uint8_t>& bytes, const std::u16string& text) {
    std::vector<std::uint8_t> needle;
    for (char16_t c : text) {
        needle.push_back(static_cast<std::uint8_t>(c));
        needle.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end()) != bytes.end();
}

int FrameSize(std::uint32_t rate) {
    return rate <= 16000 ? 512 : rate <= 22050 ? 1024 : 2048;
}

const WmaFormatList& OfferedFormats() {
    static FfmpegWmRuntime runtime;
    static const WmaFormatList list = [] {
        WmaFormatList l;
        BuildWmaFormatList(runtime, l);
        return l;
    }();
    return list;
}

class WmWrittenFormat : public testing::TestWithParam<WmaCandidateFormat> {};

}  // namespace

TEST(WmFfmpegFormats, EveryCandidateIsOfferedOnceInOrder) {
    const WmaFormatList& list = OfferedFormats();
    EXPECT_EQ(list.size(), WmaCandidateFormats().size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        const WM_MEDIA_TYPE* type = list[i].mediaType.get();
        ASSERT_NE(WaveFormatOf(type), nullptr);
        EXPECT_TRUE(type->majortype == WMMEDIATYPE_Audio);
        EXPECT_TRUE(type->subtype == WMMEDIASUBTYPE_WMAudioV8);
        EXPECT_EQ(WaveFormatOf(type)->wFormatTag, 0x0161);
        EXPECT_EQ(WaveFormatOf(type)->nAvgBytesPerSec, list[i].bitRate / 8);
        EXPECT_GE(list[i].bitRate, 24000u);
        if (i > 0) {
            const auto& p = list[i - 1];
            const bool ordered =
                p.sampleRate() < list[i].sampleRate() ||
                (p.sampleRate() == list[i].sampleRate() && p.bitRate <= list[i].bitRate);
            EXPECT_TRUE(ordered) << i;
        }
    }
    const WM_MEDIA_TYPE* type = nullptr;
    std::uint32_t bitRate = 0;
    ASSERT_TRUE(FindWmaFormat(list, 44100, 128000, 2, &type, &bitRate));
    EXPECT_EQ(bitRate, 128000u);
    ASSERT_TRUE(FindWmaFormat(list, 8000, 16000, 1, &type, &bitRate));
    EXPECT_EQ(bitRate, 24000u);
}

TEST(WmFfmpegFormats, DescriptionsInTheUsualStyle) {
    FfmpegProfileManager manager;
    std::uint32_t count = 0;
    ASSERT_EQ(manager.GetCodecFormatCount(WMMEDIATYPE_Audio, 0, &count), WM_S_OK);
    std::vector<std::string> descriptions;
    for (std::uint32_t i = 0; i < count; ++i) {
        char16_t text[1024];
        std::uint32_t length = 1024;
        WmStreamConfigPtr config;
        ASSERT_EQ(manager.GetCodecFormatDesc(WMMEDIATYPE_Audio, 0, i, &config, text, &length),
                  WM_S_OK);
        descriptions.push_back(Utf16ToUtf8(text));
    }
    EXPECT_NE(std::find(descriptions.begin(), descriptions.end(), "128 kbps, 44 kHz, stereo CBR"),
              descriptions.end());
    EXPECT_NE(std::find(descriptions.begin(), descriptions.end(), "32 kbps, 22 kHz, mono CBR"),
              descriptions.end());
    EXPECT_NE(std::find(descriptions.begin(), descriptions.end(), "24 kbps, 8 kHz, mono CBR"),
              descriptions.end());
    // Too small a buffer is refused with the length it needs.
    char16_t small[4];
    std::uint32_t length = 4;
    EXPECT_TRUE(
        WmFailed(manager.GetCodecFormatDesc(WMMEDIATYPE_Audio, 0, 0, nullptr, small, &length)));
    EXPECT_GT(length, 4u);
}

TEST_P(WmWrittenFormat, ReadsBackWithItsFormatTagsLengthAndAudio) {
    const WmaCandidateFormat f = GetParam();
    const WmaFormatList& list = OfferedFormats();
    const WM_MEDIA_TYPE* type = nullptr;
    std::uint32_t bitRate = 0;
    ASSERT_TRUE(FindWmaFormat(list, f.sampleRate, f.bitRate, f.channels, &type, &bitRate));
    ASSERT_EQ(bitRate, f.bitRate);
    ASSERT_EQ(WaveFormatOf(type)->nSamplesPerSec, f.sampleRate);

    const int rate = static_cast<int>(f.sampleRate);
    const int channels = f.channels;
    const int frames = rate;  // one second
    const std::vector<std::int16_t> left = Signal(frames, rate, 1);
    const std::vector<std::int16_t> right = Signal(frames, rate, 2);

    TempDir dir;
    const std::string path = dir.file("out.wma");
    FfmpegWmRuntime runtime;
    WmaWriter writer(runtime);
    writer.SetOutputFile(path);
    writer.SetPcmInput(rate, 16, channels);
    writer.SetTargetFormat(type, bitRate);
    WmaTags tags;
    tags.title = "Title \xc3\xa9";
    tags.album = "The Album";
    tags.author = "The Artist";
    tags.genre = "Jazz";
    tags.year = "1999";
    tags.description = "A comment";
    tags.trackNumber = 7;
    writer.SetTags(tags);
    ASSERT_TRUE(writer.Begin());
    for (int done = 0; done < frames;) {
        const int n = std::min(kWmaReadBlockFrames, frames - done);
        ASSERT_TRUE(writer.WriteFrames16(left.data() + done, right.data() + done,
                                         static_cast<std::uint32_t>(n)));
        done += n;
    }
    ASSERT_TRUE(writer.End());

    const FileInfo info = Probe(path);
    EXPECT_EQ(info.format, "asf");
    EXPECT_EQ(info.codec, AV_CODEC_ID_WMAV2);
    EXPECT_EQ(info.rate, rate);
    EXPECT_EQ(info.channels, channels);
    auto tag = [&](const char* key) {
        auto it = info.tags.find(key);
        return it == info.tags.end() ? std::string("<absent>") : it->second;
    };
    EXPECT_EQ(tag("title"), "Title \xc3\xa9");
    EXPECT_EQ(tag("artist"), "The Artist");
    EXPECT_EQ(tag("album"), "The Album");
    EXPECT_EQ(tag("genre"), "Jazz");
    EXPECT_EQ(tag("track"), "7");
    EXPECT_EQ(tag("WM/Year"), "1999");
    EXPECT_EQ(tag("comment"), "A comment");
    // The Windows Media names themselves are in the file, where other programs look.
    const auto bytes = readFile(path);
    for (const char16_t* name : {u"WM/AlbumTitle", u"WM/Genre", u"WM/TrackNumber", u"WM/Year"})
        EXPECT_TRUE(ContainsUtf16(bytes, name)) << Utf16ToUtf8(name);

    const auto decoded = ffmpegDecode(path, "s16le");
    ASSERT_TRUE(decoded);
    const std::vector<std::int16_t> samples = asInt16(decoded->bytes);
    const std::size_t outFrames = samples.size() / static_cast<std::size_t>(channels);
    EXPECT_GE(outFrames, static_cast<std::size_t>(frames));
    EXPECT_LT(outFrames, static_cast<std::size_t>(frames + FrameSize(f.sampleRate)));

    const int frameSize = FrameSize(f.sampleRate);
    // Below 24 kbit/s per channel the codec gives up much of the band, and with it some of
    // the likeness; the shift tests stay as strict.
    const bool lean = f.bitRate / f.channels < 24000;
    const double wholeMin = lean ? 0.7 : 0.88;
    const double headMin = lean ? 0.7 : 0.85;
    for (int c = 0; c < channels; ++c) {
        std::vector<double> in;
        for (auto s : (c == 0 ? left : right)) in.push_back(s);
        const std::vector<double> out = Channel(samples, channels, c);
        ASSERT_GE(out.size(), in.size());
        const std::size_t all = in.size();
        const double whole = Correlation(in, out, 0, all, 0);
        EXPECT_GT(whole, wholeMin) << "channel " << c;
        // From the first sample on: the opening frame is there, not shifted by a frame.
        const auto head = static_cast<std::size_t>(frameSize);
        EXPECT_GT(Correlation(in, out, 0, head, 0), headMin) << "channel " << c;
        EXPECT_LT(std::abs(Correlation(in, out, 0, all, frameSize)), 0.5);
        EXPECT_LT(std::abs(Correlation(in, out, static_cast<std::size_t>(frameSize), all - head,
                                       -frameSize)),
                  0.5);
        const double level = Rms(out, 0, all) / Rms(in, 0, all);
        EXPECT_GT(level, 0.8);
        EXPECT_LT(level, 1.2);
    }

    // The program's own reader sees the same attributes.
    WmaReader reader(runtime);
    ASSERT_TRUE(reader.Open(path));
    EXPECT_EQ(reader.Title(), "Title \xc3\xa9");
    EXPECT_EQ(reader.Author(), "The Artist");
    EXPECT_EQ(reader.Album(), "The Album");
    EXPECT_EQ(reader.Genre(), "Jazz");
    EXPECT_EQ(reader.Year(), "1999");
    EXPECT_EQ(reader.Description(), "A comment");
    EXPECT_EQ(reader.TrackNumber(), 7);
    EXPECT_EQ(reader.SampleRate(), rate);
    EXPECT_EQ(reader.Channels(), channels);
}

INSTANTIATE_TEST_SUITE_P(Offered, WmWrittenFormat, testing::ValuesIn(WmaCandidateFormats()),
                         [](const auto& p) {
                             return std::to_string(p.param.sampleRate) + "Hz_" +
                                    std::to_string(p.param.bitRate / 1000) + "k_" +
                                    (p.param.channels == 1 ? "mono" : "stereo");
                         });

TEST(WmFfmpegWriter, EightBitMonoInputIsConvertedToTheCodecsFormat) {
    const WM_MEDIA_TYPE* type = nullptr;
    std::uint32_t bitRate = 0;
    ASSERT_TRUE(FindWmaFormat(OfferedFormats(), 44100, 128000, 2, &type, &bitRate));
    const int inRate = 22050;
    const int frames = inRate;  // one second
    std::vector<std::uint8_t> pcm(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i)
        pcm[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(
            std::lround(128 + 100 * std::sin(2 * M_PI * 300.0 * i / inRate)));
    TempDir dir;
    const std::string path = dir.file("eight.wma");
    FfmpegWmRuntime runtime;
    WmaWriter writer(runtime);
    writer.SetOutputFile(path);
    writer.SetPcmInput(inRate, 8, 1);
    writer.SetTargetFormat(type, bitRate);
    ASSERT_TRUE(writer.Begin());
    for (int done = 0; done < frames; done += 1000)
        ASSERT_TRUE(writer.WriteFrames8(pcm.data() + done, nullptr,
                                        static_cast<std::uint32_t>(std::min(1000, frames - done))));
    ASSERT_TRUE(writer.End());

    const auto decoded = ffmpegDecode(path, "s16le");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->sampleRate, 44100);
    EXPECT_EQ(decoded->channels, 2);
    const auto samples = asInt16(decoded->bytes);
    const std::size_t outFrames = samples.size() / 2;
    EXPECT_GE(outFrames, 44100u - 64);
    EXPECT_LT(outFrames, 44100u + 2048);
    // Both channels carry the sine at the new rate, in step with the input's clock.
    std::vector<double> sine;
    for (int i = 0; i < 44100; ++i) sine.push_back(std::sin(2 * M_PI * 300.0 * i / 44100));
    for (int c = 0; c < 2; ++c) {
        const auto out = Channel(samples, 2, c);
        EXPECT_GT(Correlation(sine, out, 0, 40000, 0), 0.95);
        const double level = Rms(out, 0, 40000) / (100.0 * 256 / std::sqrt(2.0));
        EXPECT_GT(level, 0.85);
        EXPECT_LT(level, 1.15);
    }
}

TEST(WmFfmpegWriter, WindowsMediaToWindowsMediaThroughRawSamples) {
    TONVEXA_NEEDS_CORPUS();
    const std::string source = corpusFile("strawberry-strawberry.asf");
    FfmpegWmRuntime runtime;
    WmaReader reader(runtime);
    ASSERT_TRUE(reader.Open(source));
    const WM_MEDIA_TYPE* type = nullptr;
    std::uint32_t bitRate = 0;
    ASSERT_TRUE(FindWmaFormat(OfferedFormats(), 22050, 48000, 1, &type, &bitRate));
    TempDir dir;
    const std::string path = dir.file("copy.wma");
    WmaWriter writer(runtime);
    writer.SetOutputFile(path);
    writer.SetPcmInput(reader.SampleRate(), 16, reader.Channels());
    writer.SetTargetFormat(type, bitRate);
    ASSERT_TRUE(writer.Begin());
    bool end = false;
    std::size_t frames = 0;
    std::uint64_t lastTime = 0;
    for (;;) {
        WmSampleBufferPtr sample;
        std::uint64_t time = 0;
        const std::uint32_t n = reader.ReadRawSample(&sample, &time, end);
        if (end) break;
        EXPECT_GE(time, lastTime);
        lastTime = time;
        frames += n;
        ASSERT_TRUE(writer.WriteRawSample(*sample, time));
    }
    ASSERT_TRUE(writer.End());
    EXPECT_GT(frames, 30000u);
    const auto decoded = ffmpegDecode(path, "s16le");
    ASSERT_TRUE(decoded);
    const std::size_t outFrames = decoded->bytes.size() / 2;
    EXPECT_GE(outFrames, frames);
    EXPECT_LT(outFrames, frames + 1024);
}

TEST(WmFfmpegWriter, ImpossiblePathFailsBeginAndLeavesTheWriterNew) {
    TempDir dir;
    writeFile(dir.file("plain"), std::string("x"));
    const WM_MEDIA_TYPE* type = nullptr;
    std::uint32_t bitRate = 0;
    ASSERT_TRUE(FindWmaFormat(OfferedFormats(), 44100, 128000, 2, &type, &bitRate));
    FfmpegWmRuntime runtime;
    WmaWriter writer(runtime);
    writer.SetOutputFile(dir.file("plain") + "/under/a/file.wma");
    writer.SetPcmInput(44100, 16, 2);
    writer.SetTargetFormat(type, bitRate);
    EXPECT_FALSE(writer.Begin());
    EXPECT_FALSE(writer.IsWriting());
    const std::int16_t a[2] = {};
    EXPECT_FALSE(writer.WriteFrames16(a, a, 1));
}

TEST(WmFfmpegWriter, UnusableInputIsRefusedAtBegin) {
    const WM_MEDIA_TYPE* type = nullptr;
    std::uint32_t bitRate = 0;
    ASSERT_TRUE(FindWmaFormat(OfferedFormats(), 44100, 128000, 2, &type, &bitRate));
    TempDir dir;
    FfmpegWmRuntime runtime;
    WmaWriter writer(runtime);
    writer.SetOutputFile(dir.file("a.wma"));
    writer.SetPcmInput(44100, 24, 2);
    writer.SetTargetFormat(type, bitRate);
    EXPECT_FALSE(writer.Begin());
    EXPECT_FALSE(std::filesystem::exists(dir.file("a.wma")));
}

TEST(WmFfmpegWriter, StereoInputToAMonoFormatKeepsTheLevel) {
    const WM_MEDIA_TYPE* type = nullptr;
    std::uint32_t bitRate = 0;
    ASSERT_TRUE(FindWmaFormat(OfferedFormats(), 44100, 64000, 1, &type, &bitRate));
    const int frames = 44100;
    std::vector<std::int16_t> left(static_cast<std::size_t>(frames)), right(left.size());
    for (int i = 0; i < frames; ++i) {
        const double s = 12000 * std::sin(2 * M_PI * 400.0 * i / 44100);
        left[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(std::lround(s));
        right[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(std::lround(s * 0.5));
    }
    TempDir dir;
    const std::string path = dir.file("mono.wma");
    FfmpegWmRuntime runtime;
    WmaWriter writer(runtime);
    writer.SetOutputFile(path);
    writer.SetPcmInput(44100, 16, 2);
    writer.SetTargetFormat(type, bitRate);
    ASSERT_TRUE(writer.Begin());
    for (int done = 0; done < frames; done += 1152)
        ASSERT_TRUE(
            writer.WriteFrames16(left.data() + done, right.data() + done,
                                 static_cast<std::uint32_t>(std::min(1152, frames - done))));
    ASSERT_TRUE(writer.End());
    const auto decoded = ffmpegDecode(path, "s16le");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->channels, 1);
    const auto out = Channel(asInt16(decoded->bytes), 1, 0);
    ASSERT_GE(out.size(), 44100u);
    // The mean of the two sides: 0.75 of the left one.
    std::vector<double> mean;
    for (int i = 0; i < frames; ++i) mean.push_back(0.75 * left[static_cast<std::size_t>(i)]);
    EXPECT_GT(Correlation(mean, out, 0, 44100, 0), 0.97);
    const double level = Rms(out, 0, 44100) / Rms(mean, 0, 44100);
    EXPECT_GT(level, 0.9);
    EXPECT_LT(level, 1.1);
}
