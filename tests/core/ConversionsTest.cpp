#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <filesystem>
#include <functional>

#include "ConversionFixture.h"
#include "WavTestUtil.h"
#include "audio/Id3v1.h"
#include "audio/WavReader.h"
#include "engine/BatchDriver.h"
#include "engine/ConversionRoutines.h"
#include "texts/ListRowTexts.h"
#include "engine/MediaProbe.h"
#include "support/MediaInfo.h"
#include "support/TestSupport.h"
#include "wm/FfmpegWmRuntime.h"
#include "wm/WmaReader.h"

using namespace tonvexa;
namespace fs = std::filesystem;

namespace {

// A progress watcher that records how far the file came and can cancel after a number of
// blocks.
class RecordingProgress : public ConvertProgress {
public:
    explicit RecordingProgress(int cancelAfterBlocks = -1) : cancelAfter_(cancelAfterBlocks) {}
    void fileProgress(int p, int q) override {
        percent = p;
        position = q;
    }
    // Asked once per block: counts the blocks and plays what happens meanwhile.
    bool cancelled() const override {
        ++blocks;
        if (cancelAfter_ >= 0 && blocks >= cancelAfter_) cancelled_ = true;
        if (onBlock) onBlock(blocks);
        return cancelled_;
    }

    int percent = 0;
    int position = 0;
    mutable int blocks = 0;
    std::function<void(int blocks)> onBlock;  // what happens while the file converts

private:
    int cancelAfter_;
    mutable bool cancelled_ = false;
};

std::vector<std::uint8_t> lastBytes(const std::string& path, std::size_t n) {
    const auto b = test::readFile(path);
    if (b.size() < n) return {};
    return {b.end() - static_cast<long>(n), b.end()};
}

// Every sample frame a reader of ours delivers, interleaved.
std::vector<std::int16_t> decodeWithWmaReader(WmRuntime& runtime, const std::string& path) {
    WmaReader reader(runtime);
    EXPECT_TRUE(reader.Open(path));
    std::vector<std::int16_t> out;
    std::int16_t a[1152], b[1152];
    bool end = false;
    while (!end) {
        const int n = reader.ReadFrames(a, b, end);
        if (n <= 0) break;
        for (int i = 0; i < n; ++i) {
            out.push_back(a[i]);
            if (reader.Channels() == 2) out.push_back(b[i]);
        }
    }
    return out;
}

// The level (RMS) of a channel and the share of its energy near a frequency.
struct Tone {
    double rms = 0;
    double energyAt = 0;  // share of the energy in the bin of the frequency (Goertzel)
};
Tone measure(const std::vector<std::int16_t>& interleaved, int channels, int channel, int rate,
             double frequency) {
    double sum = 0, s1 = 0, s2 = 0;
    const double w = 2 * M_PI * frequency / rate;
    std::size_t n = 0;
    for (std::size_t i = static_cast<std::size_t>(channel); i < interleaved.size();
         i += static_cast<std::size_t>(channels), ++n) {
        const double x = interleaved[i] / 32768.0;
        sum += x * x;
        const double s = x + 2 * std::cos(w) * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    Tone t;
    if (n == 0) return t;
    t.rms = std::sqrt(sum / n);
    const double power = s1 * s1 + s2 * s2 - 2 * std::cos(w) * s1 * s2;
    t.energyAt = (2 * power / n) / sum;
    return t;
}

using Conversions = test::ConversionFixture;

}  // namespace

TEST(AutomaticRates, ByChannelsAndRate) {
    EXPECT_EQ(AutomaticMp3BitRate(2, 22050), 48);
    EXPECT_EQ(AutomaticMp3BitRate(1, 44100), 64);
    EXPECT_EQ(AutomaticMp3BitRate(2, 32000), 96);
    EXPECT_EQ(AutomaticMp3BitRate(2, 8000), 48);
    EXPECT_EQ(AutomaticWmaBitRate(1, 22050), 32000);
    EXPECT_EQ(AutomaticWmaBitRate(2, 44100), 128000);
    EXPECT_EQ(AutomaticWmaBitRate(2, 11025), 32000);
    EXPECT_EQ(AutomaticWmaBitRate(2, 48000), 128000);
}

// The automatic MP3 parameters follow the source: 2 x 24 kbit/s at 22050 Hz, 64 for mono
// 44100 Hz, 2 x 48 at 32000 Hz; the output keeps the source's rate and channels and its
// length.
TEST_F(Conversions, WmaToMp3WithAutomaticParameters) {
    struct Case {
        int rate, channels, kbps;
    } cases[] = {{22050, 2, 48}, {44100, 1, 64}, {32000, 2, 96}};
    for (const auto& c : cases) {
        const std::string src =
            wma("auto" + std::to_string(c.rate) + ".wma", c.rate, c.channels, 2);
        std::string dst = dir.file("auto" + std::to_string(c.rate) + ".mp3");
        RecordingProgress progress;
        ASSERT_EQ(ConvertWmaToMp3(env(), src, dst, progress), 1);
        const auto info = test::probeMedia(dst);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->codec, "mp3");
        EXPECT_EQ(info->sampleRate, c.rate);
        EXPECT_EQ(info->channels, c.channels);
        EXPECT_EQ(info->bitRate, c.kbps * 1000) << c.rate;
        EXPECT_NEAR(info->durationSeconds, 2.0, 0.1);
        EXPECT_EQ(progress.percent, 100);
    }
}

TEST_F(Conversions, WmaToMp3WithConfiguredParameters) {
    settings.AutoDestMP3EncodingParam = 0;
    settings.MP3BitRate = 160;
    settings.MP3SampleRate = 48000;
    settings.MP3ChannelMode = 3;  // mono
    const std::string src = wma("conf.wma", 44100, 2, 1.5);
    std::string dst = dir.file("conf.mp3");
    RecordingProgress progress;
    ASSERT_EQ(ConvertWmaToMp3(env(), src, dst, progress), 1);
    const auto info = test::probeMedia(dst);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->sampleRate, 48000);
    EXPECT_EQ(info->channels, 1);
    EXPECT_EQ(info->bitRate, 160000);
}

// The three tag options for MP3 output, checked in the last 128 bytes of the file.
TEST_F(Conversions, WmaToMp3TagOptions) {
    const std::string src = wma("A very long source file name that goes on.wma", 44100, 2, 1,
                                {"-metadata", "title=Source title", "-metadata", "artist=Someone",
                                 "-metadata", "album=An album", "-metadata", "genre=Rock",
                                 "-metadata", "WM/Year=1999", "-metadata", "track=7"});
    // Keep: the source's attributes.
    settings.ID3TagOpt = kTagKeepSource;
    RecordingProgress p1;
    ASSERT_EQ(ConvertWmaToMp3(env(), src, out("keep.mp3"), p1), 1);
    Id3Tag tag;
    ASSERT_TRUE(ParseId3v1Block(lastBytes(dir.file("keep.mp3"), 128), tag));
    EXPECT_EQ(fieldText(tag.title), "Source title");
    EXPECT_EQ(fieldText(tag.artist), "Someone");
    EXPECT_EQ(fieldText(tag.album), "An album");
    EXPECT_EQ(fieldText(tag.year), "1999");
    EXPECT_EQ(tag.genre, 17);
    EXPECT_EQ(tag.hasTrack, 1);
    EXPECT_EQ(tag.track, 7);

    // Add: the configured tag, its title from the file name cut to 31 characters.
    settings.ID3TagOpt = kTagAddConfigured;
    setFieldText(settings.ID3Tag.artist, "Configured");
    settings.ID3Tag.genre = 13;
    settings.ID3Tag.hasTrack = 1;
    settings.ID3Tag.track = 3;
    RecordingProgress p2;
    ASSERT_EQ(ConvertWmaToMp3(env(), src, out("add.mp3"), p2), 1);
    ASSERT_TRUE(ParseId3v1Block(lastBytes(dir.file("add.mp3"), 128), tag));
    EXPECT_EQ(fieldText(tag.title),
              std::string("A very long source file name that goes on").substr(0, 30));
    EXPECT_EQ(fieldText(tag.artist), "Configured");
    EXPECT_EQ(tag.genre, 13);
    EXPECT_EQ(tag.track, 3);

    // None: the file ends in audio.
    settings.ID3TagOpt = kTagNone;
    RecordingProgress p3;
    ASSERT_EQ(ConvertWmaToMp3(env(), src, out("none.mp3"), p3), 1);
    EXPECT_FALSE(IsId3v1Block(lastBytes(dir.file("none.mp3"), 128)));
}

// A source without attributes kept as a tag gives empty texts, no track, and no genre (an
// unknown genre is not turned into one).
TEST_F(Conversions, WmaToMp3KeepWithoutAttributes) {
    const std::string src = wma("plain.wma", 44100, 1, 1, {"-map_metadata", "-1"});
    settings.ID3TagOpt = kTagKeepSource;
    RecordingProgress progress;
    ASSERT_EQ(ConvertWmaToMp3(env(), src, out("plain.mp3"), progress), 1);
    Id3Tag tag;
    ASSERT_TRUE(ParseId3v1Block(lastBytes(dir.file("plain.mp3"), 128), tag));
    EXPECT_EQ(fieldText(tag.title), "");
    EXPECT_EQ(tag.hasTrack, 0);
    EXPECT_EQ(tag.genre, Id3Tag::kNoGenre);
}

// WAV output with automatic parameters (or options equal to the source's format) holds
// exactly the decoded samples; 100 % volume leaves them bit for bit.
TEST_F(Conversions, WmaToWavKeepsTheDecodedSamples) {
    const std::string src = wma("mono16k.wma", 16000, 1, 1.3);
    const auto decoded = decodeWithWmaReader(*runtime_, src);
    auto check = [&](const std::string& name) {
        RecordingProgress progress;
        ASSERT_EQ(ConvertWmaToWav(env(), src, out(name), progress), 1);
        const auto info = test::probeMedia(dir.file(name));
        ASSERT_TRUE(info);
        EXPECT_EQ(info->codec, "pcm_s16le");
        EXPECT_EQ(info->sampleRate, 16000);
        EXPECT_EQ(info->channels, 1);
        const auto bytes = test::readFile(dir.file(name));
        ASSERT_EQ(bytes.size(), 44 + 2 * decoded.size()) << name;
        EXPECT_EQ(test::asInt16({bytes.begin() + 44, bytes.end()}), decoded) << name;
    };
    check("auto.wav");
    settings.AutoDestWAVEncodingParam = 0;
    settings.WAVSampleRate = 16000;
    settings.WAVChannelNum = 1;
    settings.WAVBitsPerSample = 16;
    settings.AmplifyWav = 1;
    settings.AmplifyWavCoeff = 100;
    check("same.wav");
}

TEST_F(Conversions, WmaToWavScalesTheVolume) {
    const std::string src = wma("loud.wma", 22050, 2, 1);
    settings.AmplifyWav = 1;
    settings.AmplifyWavCoeff = 50;
    RecordingProgress progress;
    ASSERT_EQ(ConvertWmaToWav(env(), src, out("half.wav"), progress), 1);
    const auto decoded = decodeWithWmaReader(*runtime_, src);
    const auto bytes = test::readFile(dir.file("half.wav"));
    const auto half = test::asInt16({bytes.begin() + 44, bytes.end()});
    ASSERT_EQ(half.size(), decoded.size());
    const Tone a = measure(decoded, 2, 0, 22050, 440), b = measure(half, 2, 0, 22050, 440);
    EXPECT_NEAR(b.rms / a.rms, 0.5, 0.01);
}

// Resampled WAV output keeps a tone's level and frequency, in every width and channel count.
TEST_F(Conversions, WmaToWavResamples) {
    const std::string src = wma("tone44.wma", 44100, 2, 2);
    struct Case {
        int rate, channels, bits;
    } cases[] = {{48000, 2, 16}, {22050, 1, 16}, {8000, 2, 8}, {44100, 1, 16}};
    const auto reference = decodeWithWmaReader(*runtime_, src);
    const Tone ref = measure(reference, 2, 0, 44100, 440);
    for (const auto& c : cases) {
        settings.AutoDestWAVEncodingParam = 0;
        settings.WAVSampleRate = c.rate;
        settings.WAVChannelNum = c.channels;
        settings.WAVBitsPerSample = c.bits;
        std::string dst = dir.file("r" + std::to_string(c.rate) + "_" + std::to_string(c.channels) +
                                   "_" + std::to_string(c.bits) + ".wav");
        RecordingProgress progress;
        ASSERT_EQ(ConvertWmaToWav(env(), src, dst, progress), 1);
        const auto info = test::probeMedia(dst);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->sampleRate, c.rate);
        EXPECT_EQ(info->channels, c.channels);
        EXPECT_NEAR(info->durationSeconds, 2.0, 0.06);
        const auto d = test::ffmpegDecode(dst, "s16le");
        ASSERT_TRUE(d);
        const auto samples = test::asInt16(d->bytes);
        const Tone t = measure(samples, c.channels, 0, c.rate, 440);
        if (c.channels == 2) {
            EXPECT_NEAR(t.rms / ref.rms, 1.0, 0.05) << dst;
            EXPECT_GT(t.energyAt, 0.9) << dst;
        } else {
            // The mono mix holds both channels' tones: 0.5 at 440 Hz and 0.3 at 660 Hz.
            const Tone other = measure(samples, 1, 0, c.rate, 660);
            EXPECT_GT(t.energyAt + other.energyAt, 0.9) << dst;
            EXPECT_NEAR(t.energyAt / other.energyAt, 0.25 / 0.09, 0.3) << dst;
        }
    }
}

// An output expected to pass the RIFF limit is RF64 from the start, with the same data as
// the 44-byte file, and FFmpeg reads it back whole. The expectation is the source's whole
// seconds and one more, in the output's format; the limit is lowered here so that the
// test writes kilobytes rather than gigabytes.
TEST_F(Conversions, WmaToWavPastTheLimitIsRf64) {
    const std::string src = wma("mono16k.wma", 16000, 1, 1.3);
    WmaReader probe(*runtime_);
    ASSERT_TRUE(probe.Open(src));
    const std::uint64_t seconds = probe.Duration() + 1;
    probe.Close();
    struct Case {
        int automatic, rate, channels, bits;
    } cases[] = {{1, 16000, 1, 16}, {0, 8000, 2, 8}};
    for (const Case& c : cases) {
        settings.AutoDestWAVEncodingParam = c.automatic;
        settings.WAVSampleRate = c.rate;
        settings.WAVChannelNum = c.channels;
        settings.WAVBitsPerSample = c.bits;
        const std::uint64_t expected =
            seconds * static_cast<std::uint64_t>(c.rate * c.channels * c.bits / 8);
        std::vector<std::uint8_t> data[2];
        for (int rf64 = 0; rf64 < 2; ++rf64) {
            ConversionEnvironment e = env();
            e.wavDataLimit = rf64 != 0 ? expected - 1 : expected;
            std::string dst = dir.file(std::to_string(c.rate) + (rf64 ? "rf64" : "riff") + ".wav");
            RecordingProgress progress;
            ASSERT_EQ(ConvertWmaToWav(e, src, dst, progress), 1);
            const auto bytes = test::readFile(dst);
            const std::size_t header = rf64 != 0 ? 80 : 44;
            ASSERT_GT(bytes.size(), header);
            EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), rf64 != 0 ? "RF64" : "RIFF");
            data[rf64].assign(bytes.begin() + static_cast<long>(header), bytes.end());
            const auto decoded = test::ffmpegDecode(dst, c.bits == 16 ? "s16le" : "u8");
            ASSERT_TRUE(decoded.has_value());
            EXPECT_EQ(decoded->bytes, data[rf64]) << dst;
            EXPECT_EQ(decoded->channels, c.channels);
            EXPECT_EQ(decoded->sampleRate, c.rate);
        }
        EXPECT_EQ(data[0], data[1]);
    }
}

// A source shorter than a second has T = 0 and still reaches 100 %.
TEST_F(Conversions, SubSecondSourceReachesHundredPercent) {
    const std::string src = wma("short.wma", 44100, 2, 0.4);
    RecordingProgress progress;
    ASSERT_EQ(ConvertWmaToWav(env(), src, out("short.wav"), progress), 1);
    EXPECT_EQ(progress.percent, 100);
    EXPECT_EQ(progress.position, ConvertProgress::kFileSteps);
}

// A cancel in the middle leaves no file, whichever routine runs.
TEST_F(Conversions, CancelInTheMiddleLeavesNoFile) {
    const std::string src = wma("long.wma", 44100, 2, 20);
    const std::string wavSrc = wav("long.wav", 44100, 2, 20);
    struct Run {
        const char* name;
        int (*routine)(const ConversionEnvironment&, const std::string&, std::string&,
                       ConvertProgress&);
        std::string source;
    } runs[] = {{"c.mp3", ConvertWmaToMp3, src},
                {"c.wav", ConvertWmaToWav, src},
                {"c1.wma", ConvertWmaToWma, src},
                {"c2.wma", ConvertWavToWma, wavSrc}};
    for (const auto& r : runs) {
        RecordingProgress progress(20);
        EXPECT_EQ(r.routine(env(), r.source, out(r.name), progress), 0) << r.name;
        EXPECT_FALSE(fs::exists(dir.file(r.name))) << r.name;
        EXPECT_TRUE(fs::exists(r.source));
    }
}

using Routine = int (*)(const ConversionEnvironment&, const std::string&, std::string&,
                        ConvertProgress&);

// A read of the source that fails in the middle (a lost connection, a disk error) fails the
// conversion and leaves no output, whichever reader it hits: it is no end of the input.
TEST_F(Conversions, AFailedReadFailsTheConversionAndLeavesNoOutput) {
    const std::string wmaSource = wma("long.wma", 44100, 2, 20);
    const std::string wavSource = wav("long.wav", 44100, 2, 20);
    const std::string mp3Source = wav("long.mp3", 44100, 2, 20, "libmp3lame");
    const std::string mp3InWav = wav("mp3data.wav", 44100, 2, 20, "libmp3lame");
    const std::string adpcm = wav("adpcm.wav", 44100, 2, 20, "adpcm_ima_wav");
    const struct {
        const char* output;
        Routine routine;
        std::string source;
    } runs[] = {{"r.mp3", ConvertWmaToMp3, wmaSource},  {"r.wav", ConvertWmaToWav, wmaSource},
                {"r1.wma", ConvertWmaToWma, wmaSource}, {"r2.wma", ConvertWavToWma, wavSource},
                {"r3.wma", ConvertMp3ToWma, mp3Source}, {"r4.wma", ConvertWavToWma, mp3InWav},
                {"r5.wma", ConvertWavToWma, adpcm}};
    for (const auto& r : runs) {
        RecordingProgress progress;
        int broken = 0;
        progress.onBlock = [&](int blocks) {
            if (blocks == 10) broken = test::breakReadsOf(r.source);
        };
        EXPECT_EQ(r.routine(env(), r.source, out(r.output), progress), 0) << r.output;
        EXPECT_EQ(broken, 1) << r.output;
        EXPECT_FALSE(fs::exists(dir.file(r.output))) << r.output;
        EXPECT_TRUE(fs::exists(r.source));
    }
}

// A source that simply ends early, as a cut download does, converts what it holds.
TEST_F(Conversions, ACutSourceConvertsWhatItHolds) {
    auto cut = [&](const std::string& path, double share = 0.5) {
        auto bytes = test::readFile(path);
        bytes.resize(static_cast<std::size_t>(static_cast<double>(bytes.size()) * share));
        test::writeFile(path, bytes);
        return path;
    };
    const std::string wmaSource = cut(wma("cut.wma", 44100, 2, 8));
    const std::string wavSource = cut(wav("cut.wav", 44100, 2, 8));
    const std::string mp3Source = cut(wav("cut.mp3", 44100, 2, 8, "libmp3lame"));
    const struct {
        const char* output;
        Routine routine;
        std::string source;
    } runs[] = {{"c.mp3", ConvertWmaToMp3, wmaSource},
                {"c.wav", ConvertWmaToWav, wmaSource},
                {"c1.wma", ConvertWmaToWma, wmaSource},
                {"c2.wma", ConvertWavToWma, wavSource},
                {"c3.wma", ConvertMp3ToWma, mp3Source}};
    for (const auto& r : runs) {
        RecordingProgress progress;
        EXPECT_EQ(r.routine(env(), r.source, out(r.output), progress), 1) << r.output;
        const auto info = test::probeMedia(dir.file(r.output));
        ASSERT_TRUE(info) << r.output;
        EXPECT_NEAR(info->durationSeconds, 4.0, 0.5) << r.output;
    }
    // Wherever the download stopped, in a packet's header or its payload.
    for (const double share : {0.1, 0.333, 0.6017, 0.95}) {
        const std::string source =
            cut(wma("cut" + std::to_string(share) + ".wma", 44100, 2, 8), share);
        std::string output = dir.file("cut" + std::to_string(share) + ".wav");
        RecordingProgress progress;
        EXPECT_EQ(ConvertWmaToWav(env(), source, output, progress), 1) << share;
        const auto info = test::probeMedia(output);
        ASSERT_TRUE(info) << share;
        EXPECT_NEAR(info->durationSeconds, 8 * share, 0.5) << share;
    }
}

// A file that another program creates under the output's name during a conversion is left
// byte for byte; the output takes the next free name of the numbering, and the routine
// reports it in the destination.
TEST_F(Conversions, ANameTakenDuringTheConversionIsLeftAndTheOutputTakesTheNext) {
    const std::string wmaSource = wma("song.wma", 44100, 2, 4);
    const std::string wavSource = wav("tune.wav", 44100, 2, 4);
    const std::string mp3Source = wav("beat.mp3", 44100, 2, 4, "libmp3lame");
    const struct {
        const char* output;
        const char* next;
        Routine routine;
        std::string source;
    } runs[] = {{"song.mp3", "song_1.mp3", ConvertWmaToMp3, wmaSource},
                {"song.wav", "song_1.wav", ConvertWmaToWav, wmaSource},
                // Named as output naming does beside the source: song.wma itself is taken.
                {"song_1.wma", "song_2.wma", ConvertWmaToWma, wmaSource},
                {"tune.wma", "tune_1.wma", ConvertWavToWma, wavSource},
                {"beat.wma", "beat_1.wma", ConvertMp3ToWma, mp3Source}};
    const std::vector<std::uint8_t> theirs = {'t', 'h', 'e', 'i', 'r', 's'};
    for (const auto& r : runs) {
        std::string destination = dir.file(r.output);
        RecordingProgress progress;
        progress.onBlock = [&](int blocks) {
            if (blocks == 3) test::writeFile(dir.file(r.output), theirs);
        };
        EXPECT_EQ(r.routine(env(), r.source, destination, progress), 1) << r.output;
        EXPECT_EQ(test::readFile(dir.file(r.output)), theirs) << r.output;
        EXPECT_EQ(destination, dir.file(r.next));
        const auto info = test::probeMedia(destination);
        ASSERT_TRUE(info) << r.next;
        EXPECT_NEAR(info->durationSeconds, 4.0, 0.2) << r.next;
    }
}

// The batch shows the name the output took.
TEST_F(Conversions, AJobReportsTheNameItsOutputTook) {
    ConversionTable table;
    const ConversionEnvironment environment = env();
    RegisterConversions(table, environment);
    FileEntry entry;
    entry.sourcePath = wma("piece.wma", 44100, 2, 2);
    entry.formatCode = FormatWma;
    RecordingProgress progress;
    progress.onBlock = [&](int blocks) {
        if (blocks == 2) test::writeFile(dir.file("piece.mp3"), std::string("taken"));
    };
    const JobOutcome outcome = RunJob(entry, FormatMp3, table, OutputPlaces{}, progress);
    EXPECT_TRUE(outcome.success());
    EXPECT_EQ(outcome.path, dir.file("piece_1.mp3"));
    EXPECT_EQ(entry.destinationPath, dir.file("piece_1.mp3"));
    EXPECT_EQ(test::readFile(dir.file("piece.mp3")).size(), 5u);
}

// An incomplete conversion never deletes its source, even when the destination names it in
// other letter case.
TEST_F(Conversions, IncompleteConversionNeverDeletesTheSource) {
    const std::string src = wma("Song.wma", 44100, 2, 1);
    std::string sameName = dir.file("SONG.WMA");
    fs::copy_file(src, sameName);
    settings.AutoDestMP3EncodingParam = 0;
    settings.MP3SampleRate = 12345;  // the encoder refuses it
    RecordingProgress progress;
    EXPECT_EQ(ConvertWmaToMp3(env(), src, sameName, progress), 0);
    EXPECT_TRUE(fs::exists(sameName));
    EXPECT_TRUE(fs::exists(src));
}

class WavSourceFormats : public Conversions, public testing::WithParamInterface<const char*> {};

// WAV inputs of each reader format become Windows Media files of the same rate, channels
// and length, with the tone still in them.
TEST_P(WavSourceFormats, ToWma) {
    const std::string codec = GetParam();
    const bool gsm = codec == "gsm_ms";
    const int rate = gsm ? 8000 : 22050;
    const int channels = gsm ? 1 : 2;
    const std::string src = dir.file("in.wav");
    ASSERT_TRUE(
        test::makeTone(src, rate, channels, 1.5, {"-c:a", codec, "-ar", std::to_string(rate)}));
    std::string dst = dir.file("out.wma");
    RecordingProgress progress;
    ASSERT_EQ(ConvertWavToWma(env(), src, dst, progress), 1) << codec;
    const auto info = test::probeMedia(dst);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->codec, "wmav2");
    EXPECT_EQ(info->sampleRate, rate);
    EXPECT_EQ(info->channels, channels);
    const auto d = test::ffmpegDecode(dst, "s16le");
    ASSERT_TRUE(d);
    const auto samples = test::asInt16(d->bytes);
    const double frames = static_cast<double>(samples.size()) / channels;
    EXPECT_NEAR(frames, 1.5 * rate, 2048) << codec;
    EXPECT_GT(measure(samples, channels, 0, rate, 440).energyAt, 0.8) << codec;
    EXPECT_EQ(progress.percent, 100);
}

INSTANTIATE_TEST_SUITE_P(Formats, WavSourceFormats,
                         testing::Values("pcm_u8", "pcm_s16le", "pcm_s24le", "pcm_s32le",
                                         "pcm_f32le", "pcm_f64le", "pcm_alaw", "pcm_mulaw",
                                         "adpcm_ima_wav", "adpcm_ms", "gsm_ms", "libmp3lame"));

// An 8-bit WAV goes to the writer as 8-bit PCM and scales around the 128 midpoint.
TEST_F(Conversions, EightBitWavScalesAroundTheMidpoint) {
    const std::string src = wav("u8.wav", 22050, 1, 1, "pcm_u8");
    settings.AmplifyWMA = 1;
    settings.AmplifyWMACoeff = 50;
    RecordingProgress progress;
    ASSERT_EQ(ConvertWavToWma(env(), src, out("u8.wma"), progress), 1);
    const auto in = test::ffmpegDecode(src, "s16le");
    const auto out = test::ffmpegDecode(dir.file("u8.wma"), "s16le");
    ASSERT_TRUE(in && out);
    const Tone a = measure(test::asInt16(in->bytes), 1, 0, 22050, 440);
    const Tone b = measure(test::asInt16(out->bytes), 1, 0, 22050, 440);
    EXPECT_NEAR(b.rms / a.rms, 0.5, 0.08);
    EXPECT_GT(b.energyAt, 0.8);  // a wrong midpoint would add a large constant
}

// Tag options for Windows Media output, read back through libavformat.
TEST_F(Conversions, WmaOutputAttributes) {
    const std::string src = wma("Tagged source.wma", 44100, 2, 1,
                                {"-metadata", "title=A title longer than thirty-one characters",
                                 "-metadata", "artist=Artist", "-metadata", "album=Album",
                                 "-metadata", "genre=Electronica", "-metadata", "track=12"});
    settings.WMAID3TagOpt = kTagKeepSource;
    RecordingProgress p1;
    ASSERT_EQ(ConvertWmaToWma(env(), src, out("keep.wma"), p1), 1);
    auto info = test::probeMedia(dir.file("keep.wma"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->tags["title"], "A title longer than thirty-one characters");  // whole
    EXPECT_EQ(info->tags["artist"], "Artist");
    EXPECT_EQ(info->tags["album"], "Album");
    EXPECT_EQ(info->tags["genre"], "Electronica");
    EXPECT_EQ(info->tags["track"], "12");

    settings.WMAID3TagOpt = kTagAddConfigured;
    settings.WMAID3Tag.nameAsFileName = 0;
    setFieldText(settings.WMAID3Tag.title, "Caf\xe9");  // ISO-8859-1 in the record
    settings.WMAID3Tag.genre = 148;
    RecordingProgress p2;
    ASSERT_EQ(ConvertWavToWma(env(), wav("t.wav", 44100, 2, 1), out("add.wma"), p2), 1);
    info = test::probeMedia(dir.file("add.wma"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->tags["title"], "Caf\xc3\xa9");
    EXPECT_EQ(info->tags.count("genre"), 0u);

    settings.WMAID3TagOpt = kTagKeepSource;  // a WAV source has no tag to keep
    RecordingProgress p3;
    ASSERT_EQ(ConvertWavToWma(env(), dir.file("t.wav"), out("nokeep.wma"), p3), 1);
    info = test::probeMedia(dir.file("nokeep.wma"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->tags.count("title"), 0u);
}

TEST_F(Conversions, Mp3ToWmaKeepsTheId3v1Tag) {
    const std::string mp3 = dir.file("in.mp3");
    ASSERT_TRUE(test::makeTone(
        mp3, 44100, 2, 2,
        {"-c:a", "libmp3lame", "-b:a", "128k", "-write_xing", "0", "-map_metadata", "-1"}));
    auto bytes = test::readFile(mp3);
    Id3v1Fields fields;
    fields.title = "Mp3 title";
    fields.artist = "Mp3 artist";
    fields.genre = 8;  // Jazz
    fields.hasTrack = true;
    fields.track = 4;
    const auto block = BuildId3v1Block(fields);
    bytes.insert(bytes.end(), block.begin(), block.end());
    test::writeFile(mp3, bytes);
    settings.WMAID3TagOpt = kTagKeepSource;
    RecordingProgress progress;
    ASSERT_EQ(ConvertMp3ToWma(env(), mp3, out("out.wma"), progress), 1);
    auto info = test::probeMedia(dir.file("out.wma"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->codec, "wmav2");
    EXPECT_EQ(info->sampleRate, 44100);
    EXPECT_EQ(info->channels, 2);
    EXPECT_NEAR(info->bitRate, 128000, 1000);  // 2 x 64000 for a 44100 Hz source
    EXPECT_NEAR(info->durationSeconds, 2.0, 0.1);
    EXPECT_EQ(info->tags["title"], "Mp3 title");
    EXPECT_EQ(info->tags["artist"], "Mp3 artist");
    EXPECT_EQ(info->tags["genre"], "Jazz");
    EXPECT_EQ(info->tags["track"], "4");
}

// Re-encoding with automatic parameters asks for the source's own rate, channels and bit
// rate; Windows Media files of other programs convert to every target.
TEST_F(Conversions, CorpusWindowsMediaFilesConvertToEveryTarget) {
    TONVEXA_NEEDS_CORPUS();
    int converted = 0;
    for (const auto& row : test::corpusManifest()) {
        const std::string& file = row.at("file");
        if (row.at("ffprobe_status").rfind("ok", 0) != 0) continue;
        if (row.at("codec").rfind("wmav2", 0) != 0 && row.at("codec").rfind("wmav1", 0) != 0)
            continue;
        // Files with audio to speak of, but not minutes of it.
        const std::string& duration = row.at("duration_s");
        if (duration == "-" || std::stod(duration) < 1.0 || std::stod(duration) > 30.0) continue;
        if (converted >= 6) break;
        const std::string src = test::corpusFile(file);
        WmaReader probe(*runtime_);
        if (!probe.Open(src)) continue;  // protected or video-only files are refused at open
        const int rate = probe.SampleRate(), channels = probe.Channels();
        probe.Close();
        for (const char* ext : {".mp3", ".wav", ".wma"}) {
            std::string dst = dir.file(file + ext);
            RecordingProgress progress;
            int result = 0;
            if (std::string(ext) == ".mp3") result = ConvertWmaToMp3(env(), src, dst, progress);
            if (std::string(ext) == ".wav") result = ConvertWmaToWav(env(), src, dst, progress);
            if (std::string(ext) == ".wma") result = ConvertWmaToWma(env(), src, dst, progress);
            ASSERT_EQ(result, 1) << file << ext;
            const auto info = test::probeMedia(dst);
            ASSERT_TRUE(info) << file << ext;
            EXPECT_EQ(info->sampleRate, rate) << file << ext;
            EXPECT_EQ(info->channels, std::min(channels, 2)) << file << ext;
        }
        ++converted;
    }
    EXPECT_GE(converted, 3);
}

// Files of other programs in RF64, RIFX and behind an ID3v2 tag, and MP3 files of a few small
// frames: their list rows give their length, rate and channels, and each converts to
// Windows Media holding the sound FFmpeg decodes from it, the same energy per second (its
// first two channels; silence stays silence). FFmpeg 5.1 takes RIFX samples for
// little-endian ones, so a RIFX source is decoded from a little-endian copy.
class CorpusLayouts : public Conversions, public testing::WithParamInterface<const char*> {};

double EnergyPerSecond(const test::Decoded& d) {
    const auto samples = test::asInt16(d.bytes);
    double energy = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double x = samples[i];
        if (i % static_cast<std::size_t>(d.channels) < 2) energy += x * x;
    }
    return energy / d.sampleRate;
}

TEST_P(CorpusLayouts, ListRowsAndWindowsMediaOutput) {
    TONVEXA_NEEDS_CORPUS();
    const std::string file = GetParam();
    const auto row = test::corpusRow(file);
    ASSERT_TRUE(row.has_value());
    const std::string src = test::corpusFile(file);
    const bool mp3 = file.substr(file.size() - 4) == ".mp3";

    auto entry = ProbeFile(src, *runtime_);
    ASSERT_TRUE(entry.has_value());
    const ListRowTexts texts = MakeListRowTexts(*entry);
    const int seconds = static_cast<int>(std::stod(row->at("duration_s")));
    char length[16];
    std::snprintf(length, sizeof length, "%02d:%02d", seconds / 60, seconds % 60);
    EXPECT_EQ(texts.length, length);
    EXPECT_EQ(texts.freq, row->at("sample_rate") + " Hz");
    const int channels = std::stoi(row->at("channels"));
    if (mp3) {
        EXPECT_EQ(texts.channels, row->at("structure").find("Hz mono") != std::string::npos
                                      ? "Mono"
                                      : "Joint Stereo");
    } else {
        EXPECT_EQ(texts.channels, channels == 1   ? "Mono"
                                  : channels == 2 ? "Stereo"
                                                  : std::to_string(channels));
    }

    std::string dst = dir.file("out.wma");
    RecordingProgress progress;
    ASSERT_EQ((mp3 ? ConvertMp3ToWma : ConvertWavToWma)(env(), src, dst, progress), 1);
    std::string reference = src;
    const auto bytes = test::readFile(src);
    if (std::string(bytes.begin(), bytes.begin() + 4) == "RIFX") {
        reference = dir.file("little-endian.wav");
        test::writeFile(reference, test::SwapByteOrder(bytes));
    }
    const auto theirs = test::ffmpegDecode(reference);
    const auto out = test::ffmpegDecode(dst);
    ASSERT_TRUE(theirs && out);
    EXPECT_EQ(out->channels, std::min(theirs->channels, 2));
    const double in = EnergyPerSecond(*theirs);
    if (in == 0) {
        EXPECT_EQ(EnergyPerSecond(*out), 0);
    } else {
        EXPECT_NEAR(EnergyPerSecond(*out) / in, 1.0, 0.1);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, CorpusLayouts,
                         testing::Values("taglib-rf64.wav", "atl-cortissimo.wav",
                                         "scipy-test-44100Hz-le-1ch-4bytes-rf64.wav",
                                         "scipy-test-8000Hz-le-3ch-5S-24bit-rf64.wav",
                                         "scipy-test-8000Hz-be-3ch-5S-24bit.wav",
                                         "atl-illegal_id3v2.wav", "tinytag-mpeg2_16khz_vbr.mp3",
                                         "tinytag-mpeg2_22050hz_vbr.mp3",
                                         "tinytag-mpeg2_24khz_vbr.mp3", "tinytag-mpeg2_id3v2.mp3",
                                         "tinytag-vbr_xing_header_short.mp3",
                                         "musicmetadata-issue-554.mp3"),
                         [](const testing::TestParamInfo<const char*>& param) {
                             std::string name = param.param;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

// MP3 files of other programs (ID3v2, Xing and LAME headers, MPEG-2 rates) become Windows
// Media files of their rate and channels and about their length.
TEST_F(Conversions, CorpusMp3FilesConvertToWindowsMedia) {
    TONVEXA_NEEDS_CORPUS();
    int converted = 0;
    for (const auto& row : test::corpusManifest()) {
        const std::string& file = row.at("file");
        if (row.at("container") != "mp3" || row.at("ffprobe_status") != "ok") continue;
        const std::string& duration = row.at("duration_s");
        if (duration == "-" || std::stod(duration) < 1.0 || std::stod(duration) > 20.0) continue;
        const int rate = std::stoi(row.at("sample_rate"));
        // The formats on offer start at 8000 Hz; MPEG 2.5 has lower rates.
        if (rate < 8000) continue;
        std::string dst = dir.file(file + ".wma");
        RecordingProgress progress;
        ASSERT_EQ(ConvertMp3ToWma(env(), test::corpusFile(file), dst, progress), 1) << file;
        const auto info = test::probeMedia(dst);
        ASSERT_TRUE(info) << file;
        EXPECT_EQ(info->codec, "wmav2");
        // The rate is the one of the offered format nearest to the request (24000 Hz has
        // none of its own).
        const int channels = std::stoi(row.at("channels"));
        const WM_MEDIA_TYPE* type = nullptr;
        std::uint32_t bitRate = 0;
        ASSERT_TRUE(FindWmaFormat(*formats_, static_cast<std::uint32_t>(rate),
                                  static_cast<std::uint32_t>(AutomaticWmaBitRate(channels, rate)),
                                  static_cast<std::uint32_t>(channels), &type, &bitRate));
        std::uint32_t formatRate = 0;
        for (const auto& f : *formats_)
            if (f.mediaType.get() == type) formatRate = f.sampleRate();
        EXPECT_EQ(info->sampleRate, static_cast<int>(formatRate)) << file;
        EXPECT_EQ(info->channels, channels) << file;
        EXPECT_NEAR(info->durationSeconds, std::stod(duration), 0.25) << file;
        if (++converted == 8) break;
    }
    EXPECT_GE(converted, 4);
}
