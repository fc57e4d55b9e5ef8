#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "audio/Id3v1.h"
#include "audio/Mp3Format.h"
#include "audio/Mp3Reader.h"
#include "support/Mp3TestSupport.h"
#include "support/TestSupport.h"

using namespace tonvexa;
using namespace tonvexa::test;

namespace {

// A short CBR file written by the program's own writer: no Xing or LAME frame, so FFmpeg
// keeps every frame and its output lines up sample for sample with the reader's.
struct Sample {
    std::string path;
    std::vector<std::uint8_t> bytes;
};

Sample MakeSample(const TempDir& dir, const std::string& name, int rate, int channels, int kbps,
                  double seconds = 1.0, unsigned seed = 1) {
    Sample s;
    s.path = dir.file(name);
    Mp3WriteParams p;
    p.channels = channels;
    p.inRate = rate;
    p.outRate = rate;
    p.kbps = kbps;
    const auto pcm = Mp3TestSignal(static_cast<int>(rate * seconds), channels, rate, seed);
    EXPECT_TRUE(WriteMp3(s.path, pcm, p)) << name;
    s.bytes = readFile(s.path);
    return s;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<std::uint8_t> Id3v2Header(std::uint32_t size) {
    return {'I',
            'D',
            '3',
            3,
            0,
            0,
            static_cast<std::uint8_t>((size >> 21) & 0x7F),
            static_cast<std::uint8_t>((size >> 14) & 0x7F),
            static_cast<std::uint8_t>((size >> 7) & 0x7F),
            static_cast<std::uint8_t>(size & 0x7F)};
}

}  // namespace

// --- Whole files against FFmpeg -------------------------------------------------------

struct FormatCase {
    int rate;
    int channels;
    int kbps;
};

class Mp3ReaderFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Mp3ReaderFormats, DecodesLikeFfmpeg) {
    const FormatCase c = GetParam();
    TempDir dir;
    const Sample s = MakeSample(dir, "in.mp3", c.rate, c.channels, c.kbps);

    Mp3Reader reader;
    ASSERT_TRUE(reader.Open(s.path));
    EXPECT_EQ(reader.SampleRate(), c.rate);
    EXPECT_EQ(reader.Channels(), c.channels);
    EXPECT_EQ(reader.BitRate(), c.kbps);
    EXPECT_EQ(reader.FrameSize(), c.rate >= 32000 ? 1152 : 576);
    if (c.channels == 1) {
        EXPECT_EQ(reader.ChannelMode(), mp3::kModeMono);
    }
    const Mp3Decoded ours = DecodeAll(reader);
    ASSERT_TRUE(ours.ended);
    ASSERT_FALSE(ours.failed);

    const auto theirs = FfmpegDecodeUntrimmed(s.path);
    ASSERT_TRUE(theirs.has_value());
    // Same frames, same samples: two independent decoders differ only in their rounding
    // (by one or two steps in most frames, a few dozen in some short-block frames), far
    // below what a lost, repeated or shifted frame or swapped channels would make.
    ASSERT_EQ(ours.samples.size(), theirs->size());
    EXPECT_GT(SnrDb(ours.samples, *theirs), 50.0);
}

INSTANTIATE_TEST_SUITE_P(RatesAndChannels, Mp3ReaderFormats,
                         ::testing::Values(FormatCase{8000, 1, 8}, FormatCase{11025, 2, 32},
                                           FormatCase{12000, 1, 24}, FormatCase{16000, 1, 64},
                                           FormatCase{22050, 2, 64}, FormatCase{24000, 2, 96},
                                           FormatCase{32000, 2, 128}, FormatCase{44100, 2, 128},
                                           FormatCase{44100, 1, 320}, FormatCase{48000, 2, 192}),
                         [](const auto& param) {
                             return std::to_string(param.param.rate) + "Hz_" +
                                    std::to_string(param.param.channels) + "ch_" +
                                    std::to_string(param.param.kbps) + "k";
                         });

// The decoder may return nothing for a call that brought new bytes while whole frames are
// already buffered; a reader that does not drain them loses frames for some cuts of the
// stream. Every feed size must give the same, complete output.
class Mp3ReaderFeedSize : public ::testing::TestWithParam<std::size_t> {};

TEST_P(Mp3ReaderFeedSize, DeliversEveryFrame) {
    TempDir dir;
    for (const auto& [rate, channels, kbps] :
         {FormatCase{44100, 2, 128}, FormatCase{22050, 1, 40}, FormatCase{8000, 2, 16}}) {
        const Sample s =
            MakeSample(dir, "f" + std::to_string(rate) + ".mp3", rate, channels, kbps, 0.5);
        const auto reference = FfmpegDecodeUntrimmed(s.path);
        ASSERT_TRUE(reference.has_value());
        const auto whole = DecodeFile(s.path, Mp3Reader::kFeedSize);
        const auto cut = DecodeFile(s.path, GetParam());
        ASSERT_TRUE(whole && cut);
        ASSERT_TRUE(cut->ended && !cut->failed);
        EXPECT_EQ(cut->samples.size(), reference->size()) << rate;
        EXPECT_EQ(cut->samples, whole->samples) << rate;
    }
}

INSTANTIATE_TEST_SUITE_P(Cuts, Mp3ReaderFeedSize,
                         ::testing::Values(1, 2, 3, 7, 64, 100, 104, 417, 418, 1000, 1023, 1024));

// Real files from other encoders, chosen to cover every sample rate, mono and stereo,
// ID3v2 tags of all versions (one of 100 kB), Xing and Info frames with LAME tags, CRC
// frames and ID3v1 blocks. Each ends with a complete frame (the decoder cannot decode a
// frame cut short, which FFmpeg fills up instead). FFmpeg runs with the LAME tag's delay
// and padding ignored, as the reader delivers them too.
class Mp3ReaderCorpus : public ::testing::TestWithParam<const char*> {};

TEST_P(Mp3ReaderCorpus, DecodesLikeFfmpeg) {
    TONVEXA_NEEDS_CORPUS();
    const std::string path = corpusFile(GetParam());
    const auto row = corpusRow(GetParam());
    ASSERT_TRUE(row.has_value());
    Mp3Reader reader;
    ASSERT_TRUE(reader.Open(path));
    EXPECT_EQ(std::to_string(reader.SampleRate()), row->at("sample_rate"));
    EXPECT_EQ(std::to_string(reader.Channels()), row->at("channels"));
    const Mp3Decoded ours = DecodeAll(reader);
    ASSERT_TRUE(ours.ended && !ours.failed);
    const auto theirs = FfmpegDecodeUntrimmed(path);
    ASSERT_TRUE(theirs.has_value());
    ASSERT_EQ(ours.samples.size(), theirs->size());
    EXPECT_LE(MaxAbsDiff(ours.samples, *theirs), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Mp3ReaderCorpus,
    ::testing::Values("dhowdentag-id3v1-sample_usascii_v1.1.mp3", "tinytag-mpeg25_11025hz_vbr.mp3",
                      "tinytag-mpeg25_12khz_vbr.mp3", "tinytag-vbr16.mp3",
                      "tinytag-vbr22stereo.mp3", "mutagen-silence-44-s-mpeg2.mp3",
                      "tinytag-vbr32stereo.mp3", "tinytag-vbr48.mp3", "taglib-lame_cbr.mp3",
                      "mutagen-id3v1v2-combined.mp3", "musicmetadata-id3v2.2.mp3",
                      "taglibsharp-sample_v2_3_ext_header.mp3", "beets-whitenoise.mp3",
                      "musicmetadata-id3v2.4.mp3", "tinytag-cbr.mp3", "atl-invalidApeHeader.mp3",
                      "musicmetadata-issue-554.mp3"),
    [](const auto& param) {
        std::string name;
        for (const char* p = param.param; *p != '\0'; ++p) {
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        }
        return name;
    });

// Streams of a few small frames (MPEG-2 and 2.5 at low bit rates) have fewer bytes after
// their first frame than the decoder looks at before it takes a header. They decode like
// FFmpeg, to the length their Info or Xing frame gives, and exactly as the same stream does
// when more bytes follow it.
struct ShortCase {
    const char* corpusFile;  // null: a file made here at the rate and channels below
    int rate;
    int channels;
};

void PrintTo(const ShortCase& c, std::ostream* os) {
    *os << (c.corpusFile != nullptr ? c.corpusFile : "made here") << ", " << c.rate << " Hz, "
        << c.channels << " channels";
}

class Mp3ReaderShortStreams : public ::testing::TestWithParam<ShortCase> {};

TEST_P(Mp3ReaderShortStreams, DecodeWholeLikeFfmpeg) {
    const ShortCase c = GetParam();
    TempDir dir;
    std::string path = dir.file("short.mp3");
    if (c.corpusFile != nullptr) {
        TONVEXA_NEEDS_CORPUS();
        path = corpusFile(c.corpusFile);
    } else {
        const std::string channels = std::to_string(c.channels);
        ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i",
                            "aevalsrc=0.5*sin(2*PI*440*t)|0.4*sin(2*PI*660*t):s=" +
                                std::to_string(c.rate) + ":d=0.05",
                            "-ac", channels, "-c:a", "libmp3lame", "-b:a", "8k", "-map_metadata",
                            "-1", "-id3v2_version", "0", "-write_id3v1", "0", path}));
    }
    const auto bytes = readFile(path);
    std::size_t first = 0;
    if (bytes.size() >= mp3::kId3v2HeaderSize &&
        std::memcmp(bytes.data(), mp3::kId3v2Magic, sizeof mp3::kId3v2Magic) == 0)
        first = mp3::kId3v2HeaderSize + static_cast<std::size_t>(mp3::Id3v2BodySize(bytes.data()));
    ASSERT_LT(first + 4, bytes.size());
    const auto header = ParseFrameHeader(&bytes[first]);
    ASSERT_TRUE(header.has_value());
    ASSERT_LT(bytes.size() - first - static_cast<std::size_t>(header->length), 194u)
        << "not a short stream";

    Mp3Reader reader;
    ASSERT_TRUE(reader.Open(path));
    EXPECT_EQ(reader.SampleRate(), c.rate);
    EXPECT_EQ(reader.Channels(), c.channels);
    const std::uint64_t length = reader.TotalFrames();
    const Mp3Decoded ours = DecodeAll(reader);
    ASSERT_TRUE(ours.ended && !ours.failed);
    EXPECT_EQ(length * static_cast<std::uint64_t>(c.channels), ours.samples.size());
    const auto theirs = FfmpegDecodeUntrimmed(path);
    ASSERT_TRUE(theirs.has_value());
    ASSERT_EQ(ours.samples.size(), theirs->size());
    EXPECT_LE(MaxAbsDiff(ours.samples, *theirs), 2);

    const std::string longer = dir.file("longer.mp3");
    writeFile(longer, Concat({bytes, std::vector<std::uint8_t>(1000, 0)}));
    const auto reference = DecodeFile(longer);
    ASSERT_TRUE(reference.has_value());
    EXPECT_EQ(ours.samples, reference->samples);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, Mp3ReaderShortStreams,
    ::testing::Values(ShortCase{nullptr, 11025, 1}, ShortCase{nullptr, 12000, 2},
                      ShortCase{nullptr, 16000, 1}, ShortCase{nullptr, 22050, 2},
                      ShortCase{nullptr, 24000, 2},
                      ShortCase{"tinytag-mpeg2_16khz_vbr.mp3", 16000, 2},
                      ShortCase{"tinytag-mpeg2_22050hz_vbr.mp3", 22050, 2},
                      ShortCase{"tinytag-mpeg2_24khz_vbr.mp3", 24000, 2},
                      ShortCase{"tinytag-mpeg2_id3v2.mp3", 24000, 2},
                      ShortCase{"tinytag-vbr_xing_header_short.mp3", 8000, 1}),
    [](const auto& param) {
        std::string name = param.param.corpusFile != nullptr ? param.param.corpusFile : "made_";
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name + std::to_string(param.param.rate) + "Hz_" +
               std::to_string(param.param.channels) + "ch";
    });

// --- What comes before the first frame ------------------------------------------------

TEST(Mp3Reader, SkipsAnId3v2TagAndLeavesItOutOfTheLength) {
    TempDir dir;
    const Sample plain = MakeSample(dir, "plain.mp3", 44100, 2, 128);
    // The tag's body holds real frames of another signal: a reader that searched through
    // the tag instead of stepping over it would decode those first.
    const Sample other = MakeSample(dir, "other.mp3", 44100, 2, 128, 0.1, 9);
    std::vector<std::uint8_t> body(other.bytes.begin(), other.bytes.begin() + 1000);
    const auto tagged = Concat({Id3v2Header(1000), body, plain.bytes});
    const std::string path = dir.file("tagged.mp3");
    writeFile(path, tagged);

    Mp3Reader reader;
    ASSERT_TRUE(reader.Open(path));
    const std::uint64_t seconds = (tagged.size() - 1010) * 8 / (128 * 1000);
    EXPECT_EQ(reader.TotalFrames(), seconds * 44100);
    const Mp3Decoded d = DecodeAll(reader);
    const auto expected = DecodeFile(plain.path);
    ASSERT_TRUE(expected.has_value());
    EXPECT_EQ(d.samples, expected->samples);
}

TEST(Mp3Reader, EstimatesTheLengthInWholeSecondsFromTheFileSize) {
    TempDir dir;
    const Sample s = MakeSample(dir, "cbr.mp3", 44100, 2, 128);
    auto bytes = s.bytes;
    ASSERT_LT(bytes.size(), 1000000u);
    bytes.resize(1000000, 0);
    const std::string path = dir.file("million.mp3");
    writeFile(path, bytes);
    Mp3Reader reader;
    ASSERT_TRUE(reader.Open(path));
    EXPECT_EQ(reader.BitRate(), 128);
    EXPECT_EQ(reader.TotalFrames(), 62u * 44100u);
    EXPECT_EQ(reader.MpegFrameCount(), 2373);
}

TEST(Mp3Reader, TakesTheLengthFromAXingHeader) {
    TempDir dir;
    const std::string wav = dir.file("in.wav");
    const std::string mp3 = dir.file("xing.mp3");
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=500:sample_rate=22050:duration=1",
                        "-c:a", "libmp3lame", "-b:a", "64k", mp3}));
    Mp3Reader reader;
    ASSERT_TRUE(reader.Open(mp3));
    const Mp3Decoded d = DecodeAll(reader);
    ASSERT_TRUE(d.ended && !d.failed);
    // The Xing frame counts the audio frames after it; the reader delivers exactly those.
    EXPECT_EQ(reader.TotalFrames(), d.samples.size());
    EXPECT_EQ(static_cast<std::uint64_t>(reader.MpegFrameCount()) * 576, d.samples.size());
}

TEST(Mp3Reader, StepsOverJunkAndFalseSyncPatterns) {
    TempDir dir;
    const Sample plain = MakeSample(dir, "plain.mp3", 32000, 2, 96);
    // Sync bytes with a forbidden bit-rate index, a reserved sample-rate index, a reserved
    // version and layer, reserved emphasis, and plain noise.
    std::vector<std::uint8_t> junk = {0x00, 0xFF, 0xFB, 0xF0, 0x44, 0xFF, 0xFB, 0x9C, 0x44,
                                      0xFF, 0xEB, 0x90, 0x44, 0xFF, 0xF9, 0x90, 0x44, 0xFF,
                                      0xFB, 0x90, 0x46, 0xFF, 0x12, 0xFF, 0x1F, 0xE1};
    for (int i = 0; i < 300; ++i) junk.push_back(static_cast<std::uint8_t>((i * 37) & 0x7F));
    const std::string path = dir.file("junk.mp3");
    writeFile(path, Concat({junk, plain.bytes}));
    const auto d = DecodeFile(path);
    const auto expected = DecodeFile(plain.path);
    ASSERT_TRUE(d && expected);
    EXPECT_TRUE(d->ended && !d->failed);
    EXPECT_EQ(d->samples, expected->samples);
}

TEST(Mp3Reader, PlausibleHeaderRules) {
    const std::uint8_t good[4] = {0xFF, 0xFB, 0x90, 0x44};
    EXPECT_TRUE(mp3::IsPlausibleFrameHeader(good));
    struct Bad {
        std::uint8_t b[4];
        const char* why;
    };
    for (const Bad& bad : {Bad{{0xFE, 0xFB, 0x90, 0x44}, "first sync byte"},
                           Bad{{0xFF, 0xDB, 0x90, 0x44}, "last sync bits"},
                           Bad{{0xFF, 0xEB, 0x90, 0x44}, "reserved version"},
                           Bad{{0xFF, 0xF9, 0x90, 0x44}, "reserved layer"},
                           Bad{{0xFF, 0xFB, 0xF0, 0x44}, "bit-rate index 15"},
                           Bad{{0xFF, 0xFB, 0x9C, 0x44}, "sample-rate index 3"},
                           Bad{{0xFF, 0xFB, 0x90, 0x46}, "reserved emphasis"}}) {
        EXPECT_FALSE(mp3::IsPlausibleFrameHeader(bad.b)) << bad.why;
    }
    // Free format, MPEG-2.5, Layer I and CRC protection are all plausible.
    const std::uint8_t free[4] = {0xFF, 0xFB, 0x00, 0x44};
    const std::uint8_t mpeg25[4] = {0xFF, 0xE3, 0x10, 0xC4};
    const std::uint8_t layer1[4] = {0xFF, 0xFE, 0x90, 0x44};
    EXPECT_TRUE(mp3::IsPlausibleFrameHeader(free));
    EXPECT_TRUE(mp3::IsPlausibleFrameHeader(mpeg25));
    EXPECT_TRUE(mp3::IsPlausibleFrameHeader(layer1));

    // Frame lengths: MPEG-1 Layer III 128 kbit/s at 44100 Hz, with and without the padding
    // byte; MPEG-2.5 Layer III at 8 kbit/s and 11025 Hz; MPEG-1 Layer I at 288 kbit/s and
    // 44100 Hz (in 4-byte slots); MPEG-2 Layer II at 8 kbit/s and 24000 Hz; free format has
    // no length of its own.
    const std::uint8_t padded[4] = {0xFF, 0xFB, 0x92, 0x44};
    const std::uint8_t layer2[4] = {0xFF, 0xF5, 0x14, 0xC4};
    EXPECT_EQ(mp3::HeaderFrameBytes(good), 417);
    EXPECT_EQ(mp3::HeaderFrameBytes(padded), 418);
    EXPECT_EQ(mp3::HeaderFrameBytes(mpeg25), 52);
    EXPECT_EQ(mp3::HeaderFrameBytes(layer1), 312);
    EXPECT_EQ(mp3::HeaderFrameBytes(layer2), 48);
    EXPECT_EQ(mp3::HeaderFrameBytes(free), 0);
}

TEST(Mp3Reader, SkipsAnAidHeader) {
    TempDir dir;
    const Sample plain = MakeSample(dir, "plain.mp3", 48000, 1, 64);
    std::vector<std::uint8_t> aid = {'A', 'i', 'D', 1, 40, 0};
    // The header's own bytes carry a frame header pattern that must not be taken.
    for (int i = 0; i < 34; ++i) aid.push_back(i % 4 == 0 ? 0xFF : 0xFB);
    const std::string path = dir.file("aid.mp3");
    writeFile(path, Concat({aid, plain.bytes}));
    const auto d = DecodeFile(path);
    const auto expected = DecodeFile(plain.path);
    ASSERT_TRUE(d && expected);
    EXPECT_EQ(d->samples, expected->samples);
}

TEST(Mp3Reader, RefusesStreamsWithoutAFrame) {
    TempDir dir;
    std::vector<std::uint8_t> noise;
    for (int i = 0; i < 5000; ++i) noise.push_back(static_cast<std::uint8_t>((i * 131) & 0x7F));
    const std::vector<std::uint8_t> whole = MakeSample(dir, "whole.mp3", 44100, 2, 128).bytes;
    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> cases = {
        {"empty", {}},
        {"three bytes", {0xFF, 0xFB, 0x90}},
        {"tag only", Concat({Id3v2Header(20), std::vector<std::uint8_t>(20, 0)})},
        {"tag past the end", Concat({Id3v2Header(100000), std::vector<std::uint8_t>(50, 0)})},
        {"noise", noise},
        {"a header and nothing after it", {0xFF, 0xFB, 0x90, 0x44, 0, 0, 0, 0, 0, 0}},
        // Not a short stream but a cut one: nothing may fill its 417-byte frame up.
        {"a first frame cut short", std::vector<std::uint8_t>(whole.begin(), whole.begin() + 150)},
    };
    for (const auto& [name, bytes] : cases) {
        const std::string path = dir.file("case.mp3");
        writeFile(path, bytes);
        Mp3Reader reader;
        EXPECT_FALSE(reader.Open(path)) << name;
        int frames = 7;
        bool end = false;
        std::int16_t left[1152], right[1152];
        EXPECT_FALSE(reader.Read(left, right, frames, end)) << name;
        EXPECT_EQ(frames, 0);
    }
    Mp3Reader reader;
    EXPECT_FALSE(reader.Open(dir.file("missing.mp3")));
    EXPECT_FALSE(reader.OpenOnStream(nullptr, "x"));
}

// --- The tag block at the end ---------------------------------------------------------

TEST(Mp3Reader, ReadsTheId3v1BlockWithoutMovingTheStream) {
    TempDir dir;
    const Sample plain = MakeSample(dir, "plain.mp3", 44100, 2, 128, 0.3);
    std::vector<std::uint8_t> tag(128, 0);
    std::memcpy(tag.data(), "TAGSome title", 13);
    tag[127] = 17;
    const std::string path = dir.file("tagged.mp3");
    writeFile(path, Concat({plain.bytes, tag}));

    std::FILE* stream = std::fopen(path.c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    {
        Mp3Reader reader;
        ASSERT_TRUE(reader.OpenOnStream(stream, path));
        const long before = std::ftell(stream);
        const auto* first = reader.ReadId3v1();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(std::ftell(stream), before);
        EXPECT_EQ(std::vector<std::uint8_t>(first->begin(), first->end()), tag);
        EXPECT_EQ(reader.ReadId3v1(), first);
        EXPECT_EQ(std::ftell(stream), before);
        // Reading on after the look at the end still gives the whole stream.
        const Mp3Decoded d = DecodeAll(reader);
        const auto expected = DecodeFile(plain.path);
        ASSERT_TRUE(expected.has_value());
        EXPECT_EQ(d.samples, expected->samples);
    }
    // The stream was lent: it is still open and usable.
    EXPECT_EQ(std::fseek(stream, 0, SEEK_SET), 0);
    EXPECT_EQ(std::fgetc(stream), 0xFF);
    std::fclose(stream);

    Mp3Reader untagged;
    ASSERT_TRUE(untagged.Open(plain.path));
    EXPECT_EQ(untagged.ReadId3v1(), nullptr);

    const std::string tiny = dir.file("tiny.mp3");
    writeFile(tiny, Bytes("TAG and not much else"));
    Mp3Reader small;
    EXPECT_FALSE(small.Open(tiny));
    EXPECT_EQ(small.ReadId3v1(), nullptr);
}

namespace {

// A parsed tag in the manifest's notation: "version=1.1; title=...; ...; genre=N", empty
// texts left out, trailing spaces cut, bytes outside ASCII as \xNN and texts longer than
// 40 characters in that notation cut with "...".
std::string ManifestNotation(const Id3Tag& tag) {
    auto text = [](std::string value) {
        while (!value.empty() && value.back() == ' ') value.pop_back();
        std::string shown;
        for (const char ch : value) {
            const auto byte = static_cast<unsigned char>(ch);
            if (byte >= 0x80 || byte < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
                shown += escaped;
            } else {
                shown += ch;
            }
        }
        if (shown.size() > 40) shown = shown.substr(0, 40) + "...";
        return shown;
    };
    std::string out = tag.hasTrack ? "version=1.1" : "version=1.0";
    for (const auto& [name, value] :
         {std::pair<const char*, std::string>{"title", fieldText(tag.title)},
          {"artist", fieldText(tag.artist)},
          {"album", fieldText(tag.album)},
          {"year", fieldText(tag.year)},
          {"comment", fieldText(tag.comment)}}) {
        const std::string shown = text(value);
        if (!shown.empty()) out += std::string("; ") + name + "=" + shown;
    }
    if (tag.hasTrack) out += "; track=" + std::to_string(tag.track);
    out += "; genre=" + std::to_string(tag.genre);
    return out;
}

}  // namespace

// The block is found also where no frame is: the tag does not depend on the audio.
TEST(Mp3Reader, CorpusId3v1BlocksParseToWhatTheManifestLists) {
    TONVEXA_NEEDS_CORPUS();
    int checked = 0;
    for (const auto& row : corpusManifest()) {
        const std::string& name = row.at("file");
        if (name.size() < 4 || name.substr(name.size() - 4) != ".mp3") continue;
        Mp3Reader reader;
        (void)reader.Open(corpusFile(name));
        const auto* block = reader.ReadId3v1();
        ASSERT_EQ(block != nullptr, row.at("id3v1") != "-") << name;
        if (block == nullptr) continue;
        Id3Tag tag;
        ASSERT_TRUE(ParseId3v1Block(*block, tag)) << name;
        EXPECT_EQ(ManifestNotation(tag), row.at("id3v1")) << name;
        ++checked;
    }
    EXPECT_EQ(checked, 45);
}

// --- Streams inside other files and several readers -----------------------------------

TEST(Mp3Reader, OpensOnAStreamInsideAnotherFile) {
    TempDir dir;
    const Sample plain = MakeSample(dir, "plain.mp3", 22050, 2, 56);
    std::vector<std::uint8_t> head(58, 0);
    std::memcpy(head.data(), "RIFF....WAVEfmt ", 16);
    head[40] = 0xFF;  // a lone sync byte before the data must not matter
    const std::string path = dir.file("wrapped.wav");
    writeFile(path, Concat({head, plain.bytes}));
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    ASSERT_EQ(std::fseek(stream, 58, SEEK_SET), 0);
    Mp3Reader reader;
    ASSERT_TRUE(reader.OpenOnStream(stream, path));
    EXPECT_EQ(reader.Path(), path);
    EXPECT_EQ(reader.SampleRate(), 22050);
    const Mp3Decoded d = DecodeAll(reader);
    const auto expected = DecodeFile(plain.path);
    ASSERT_TRUE(expected.has_value());
    EXPECT_EQ(d.samples, expected->samples);
    reader.Close();
    reader.Close();
    EXPECT_EQ(std::fgetc(stream), EOF);  // still open, at its end
    std::fclose(stream);
}

TEST(Mp3Reader, ReadersOnSeveralThreadsDoNotDisturbEachOther) {
    TempDir dir;
    std::vector<Sample> files;
    std::vector<std::vector<std::int16_t>> expected;
    for (int i = 0; i < 4; ++i) {
        files.push_back(MakeSample(dir, "t" + std::to_string(i) + ".mp3", i % 2 ? 44100 : 22050,
                                   2 - i % 2, 64 + 32 * i, 1.0, 20 + i));
        expected.push_back(DecodeFile(files.back().path)->samples);
    }
    std::vector<std::vector<std::int16_t>> got(files.size());
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < files.size(); ++i) {
        threads.emplace_back([&, i] {
            for (int round = 0; round < 3; ++round) {
                auto d = DecodeFile(files[i].path, 333 + i);
                if (!d || d->samples != expected[i]) return;
            }
            got[i] = expected[i];
        });
    }
    for (auto& t : threads) t.join();
    for (std::size_t i = 0; i < files.size(); ++i) EXPECT_EQ(got[i], expected[i]) << i;
}

TEST(Mp3Reader, ReopeningStartsAfresh) {
    TempDir dir;
    const Sample a = MakeSample(dir, "a.mp3", 44100, 2, 128, 0.4, 3);
    const Sample b = MakeSample(dir, "b.mp3", 16000, 1, 32, 0.4, 4);
    Mp3Reader reader;
    ASSERT_TRUE(reader.Open(a.path));
    std::int16_t left[1152], right[1152];
    int frames = 0;
    bool end = false;
    ASSERT_TRUE(reader.Read(left, right, frames, end));
    ASSERT_TRUE(reader.Open(b.path));
    EXPECT_EQ(reader.Channels(), 1);
    EXPECT_EQ(reader.SampleRate(), 16000);
    EXPECT_EQ(DecodeAll(reader).samples, DecodeFile(b.path)->samples);
    reader.Close();
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_FALSE(reader.Read(left, right, frames, end));
}

// --- Broken input ---------------------------------------------------------------------

namespace {

// Opens and reads a file to its end or its first failure. A frame needs at least a header
// and side information, so a reader that makes progress delivers far fewer frames than the
// file has bytes; the cap turns a reader that loops without end into a failure.
void ReadsToTheEndOrFailsCleanly(const std::string& path, std::size_t size) {
    Mp3Reader reader;
    if (!reader.Open(path)) {
        (void)reader.ReadId3v1();
        return;
    }
    EXPECT_TRUE(reader.Channels() == 1 || reader.Channels() == 2) << path;
    const long cap = static_cast<long>(size / 8) + 16;
    const Mp3Decoded d = DecodeAll(reader, cap);
    EXPECT_TRUE(d.ended || d.failed) << path << " still delivering after " << cap << " reads";
    (void)reader.ReadId3v1();
}

}  // namespace

// The decoder searches all the bytes it holds again on every call; megabytes without a
// frame (a picture tag at the end, a damaged stretch) would take minutes. The reader finds
// the next frame of the stream's kind itself and decodes on from there.
TEST(Mp3Reader, ALongStretchWithoutFramesIsCrossedQuicklyAndDecodingGoesOn) {
    TempDir dir;
    const Sample first = MakeSample(dir, "first.mp3", 44100, 2, 128, 0.5, 1);
    const Sample second = MakeSample(dir, "second.mp3", 44100, 2, 128, 0.5, 2);
    std::vector<std::uint8_t> junk(4 * 1024 * 1024);
    for (std::size_t i = 0; i < junk.size(); ++i) {
        junk[i] = static_cast<std::uint8_t>((i * 37) & 0x7F);
    }
    const std::string path = dir.file("gap.mp3");
    writeFile(path, Concat({first.bytes, junk, second.bytes}));

    const auto start = std::chrono::steady_clock::now();
    const auto d = DecodeFile(path);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_TRUE(d.has_value());
    EXPECT_TRUE(d->ended && !d->failed);
    EXPECT_LT(seconds, 10.0);
    const auto a = DecodeFile(first.path);
    const auto b = DecodeFile(second.path);
    ASSERT_TRUE(a && b);
    // The first part whole and every frame of the second. The decoder carries its state
    // over the gap, so the second part differs from its decoding alone in its first frame
    // and by a rounding step after that.
    ASSERT_EQ(d->samples.size(), a->samples.size() + b->samples.size());
    EXPECT_TRUE(std::equal(a->samples.begin(), a->samples.end(), d->samples.begin()));
    const std::vector<std::int16_t> tail(d->samples.end() - (b->samples.size() - 2304),
                                         d->samples.end());
    EXPECT_LE(
        MaxAbsDiff(tail, std::vector<std::int16_t>(b->samples.begin() + 2304, b->samples.end())),
        1);
}

TEST(Mp3Reader, EveryCorpusMp3OpensAndReadsOrFailsCleanly) {
    TONVEXA_NEEDS_CORPUS();
    int files = 0;
    int opened = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpusDir())) {
        const std::string path = entry.path().string();
        if (entry.path().extension() != ".mp3") continue;
        ++files;
        const auto start = std::chrono::steady_clock::now();
        ReadsToTheEndOrFailsCleanly(path, std::filesystem::file_size(entry.path()));
        Mp3Reader probe;
        if (probe.Open(path)) ++opened;
        const auto seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
        EXPECT_LT(seconds.count(), 20.0) << path;
    }
    EXPECT_EQ(files, 179);
    EXPECT_GE(opened, 140);
}

TEST(Mp3Reader, MutatedAndTruncatedStreamsFailCleanly) {
    TempDir dir;
    const Sample base = MakeSample(dir, "base.mp3", 44100, 2, 128, 0.3);
    std::vector<std::uint8_t> tagged =
        Concat({Id3v2Header(30), std::vector<std::uint8_t>(30, 0), base.bytes});
    const std::string path = dir.file("m.mp3");
    // Cut at every length through the tag and the first frames, then at coarser steps.
    for (std::size_t n = 0; n < tagged.size(); n += n < 700 ? 1 : 97) {
        writeFile(path, std::vector<std::uint8_t>(tagged.begin(), tagged.begin() + n));
        ReadsToTheEndOrFailsCleanly(path, n);
    }
    // Flip bytes: the tag's size, frame headers, side information and main data.
    unsigned state = 7;
    for (int round = 0; round < 300; ++round) {
        auto bytes = tagged;
        for (int k = 0; k < 1 + round % 5; ++k) {
            state = state * 1103515245u + 12345u;
            const std::size_t at = round < 40 ? (state >> 8) % 120 : (state >> 8) % bytes.size();
            state = state * 1103515245u + 12345u;
            bytes[at] = static_cast<std::uint8_t>(state >> 16);
        }
        writeFile(path, bytes);
        ReadsToTheEndOrFailsCleanly(path, bytes.size());
    }
    // Whole headers switched to other layers, versions, modes and rates.
    for (std::uint8_t b1 : {0xE2, 0xF2, 0xF4, 0xF6, 0xFA, 0xFC, 0xFE}) {
        for (std::uint8_t b3 : {0x00, 0xC0, 0x40}) {
            auto bytes = base.bytes;
            for (std::size_t i = 0; i + 4 < bytes.size(); ++i) {
                if (bytes[i] == 0xFF && (bytes[i + 1] & 0xE0) == 0xE0) {
                    bytes[i + 1] = b1;
                    bytes[i + 3] = b3;
                    i += 100;
                }
            }
            writeFile(path, bytes);
            ReadsToTheEndOrFailsCleanly(path, bytes.size());
        }
    }
}
