// Every format the WAV reader decodes, compared sample for sample with FFmpeg's own decoder
// of that format: on files FFmpeg's encoders write here, and on the real files of the corpus.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <map>
#include <regex>

#include "ImaReference.h"
#include "WavTestUtil.h"
#include "audio/WavReader.h"
#include "base/PathUtil.h"
#include "support/TestSupport.h"

using namespace tonvexa;
using namespace tonvexa::test;

namespace {

enum class Reference {
    Pcm16,  // FFmpeg's s16 output, exactly
    Pcm8,   // FFmpeg's u8 output, exactly
    Float,  // FFmpeg's f64 output: our conversion of it exactly, its own s16 within 1 LSB
    Ima,    // FFmpeg's bit-by-bit IMA arithmetic exactly, its adpcm_ima_wav output closely
};

// The bytes of the first "data" chunk of a well-formed file.
std::vector<std::uint8_t> DataChunk(const std::vector<std::uint8_t>& file) {
    std::size_t p = 12;
    while (p + 8 <= file.size()) {
        const std::uint32_t size = file[p + 4] | (file[p + 5] << 8) | (file[p + 6] << 16) |
                                   (std::uint32_t{file[p + 7]} << 24);
        if (std::memcmp(&file[p], "data", 4) == 0) {
            const std::size_t end = std::min<std::size_t>(file.size(), p + 8 + std::size_t{size});
            return {file.begin() + static_cast<long>(p + 8), file.begin() + static_cast<long>(end)};
        }
        p += 8 + size;
    }
    return {};
}

// What an IMA ADPCM file decodes to, block by block and channel by channel: the header's
// sample, then the channel's codes (4-byte groups taken in turn by the channels, low nibble
// first) run through FFmpeg's bit-by-bit IMA decoder.
std::optional<std::vector<std::int16_t>> ImaReferenceDecode(const std::string& path,
                                                            const WavFormatRecord& format,
                                                            std::size_t blocks) {
    const std::vector<std::uint8_t> data = DataChunk(readFile(path));
    const std::size_t c = format.channels;
    const std::size_t b = format.blockAlign;
    const std::size_t groups = (b - 4 * c) / (4 * c);
    const std::size_t frames = groups * 8 + 1;
    std::vector<std::int16_t> out;
    for (std::size_t block = 0; block < blocks && (block + 1) * b <= data.size(); ++block) {
        const std::uint8_t* base = &data[block * b];
        std::vector<std::vector<std::int16_t>> channels(c);
        for (std::size_t ch = 0; ch < c; ++ch) {
            const std::uint8_t* header = base + 4 * ch;
            const auto first = static_cast<std::int16_t>(header[0] | (header[1] << 8));
            std::vector<std::uint8_t> codes;
            for (std::size_t g = 0; g < groups; ++g) {
                const std::uint8_t* group = base + 4 * c + (g * c + ch) * 4;
                for (int k = 0; k < 4; ++k) {
                    codes.push_back(group[k] & 15);
                    codes.push_back(group[k] >> 4);
                }
            }
            auto decoded = DecodeImaCodesWithFfmpeg(first, std::min<int>(header[2], 88), codes);
            if (!decoded || decoded->size() != codes.size()) return std::nullopt;
            channels[ch].push_back(first);
            channels[ch].insert(channels[ch].end(), decoded->begin(), decoded->end());
        }
        for (std::size_t i = 0; i < frames; ++i)
            for (std::size_t ch = 0; ch < c; ++ch) out.push_back(channels[ch][i]);
    }
    return out;
}

// The float conversion the reader promises: x * 2147483647 truncated to 64 bits, the low 32
// bits shifted down by 16 (so values beyond full scale wrap).
std::int16_t ExpectedFromFloat(double x) {
    const double scaled = x * 2147483647.0;
    if (!(std::fabs(scaled) < 9223372036854775808.0)) return 0;
    const auto wide = static_cast<std::int64_t>(scaled);
    return static_cast<std::int16_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(wide)) >>
                                     16);
}

// The first two channels of FFmpeg's interleaved output, as the reader delivers them.
template <typename T>
std::vector<T> FirstTwoChannels(const std::vector<T>& interleaved, int channels) {
    if (channels <= 2) return interleaved;
    std::vector<T> out;
    for (std::size_t i = 0; i + channels <= interleaved.size(); i += channels) {
        out.push_back(interleaved[i]);
        out.push_back(interleaved[i + 1]);
    }
    return out;
}

std::vector<double> AsDouble(const std::vector<std::uint8_t>& bytes) {
    std::vector<double> out(bytes.size() / 8);
    std::memcpy(out.data(), bytes.data(), out.size() * 8);
    return out;
}

template <typename T>
::testing::AssertionResult SamePrefix(const std::vector<T>& ours, const std::vector<T>& theirs,
                                      int tolerance = 0) {
    if (ours.size() > theirs.size())
        return ::testing::AssertionFailure()
               << "we delivered " << ours.size() << " samples, FFmpeg only " << theirs.size();
    for (std::size_t i = 0; i < ours.size(); ++i) {
        const int difference = std::abs(int{ours[i]} - int{theirs[i]});
        if (difference > tolerance)
            return ::testing::AssertionFailure() << "sample " << i << ": ours " << int{ours[i]}
                                                 << ", FFmpeg's " << int{theirs[i]};
    }
    return ::testing::AssertionSuccess();
}

constexpr int kImaWavTolerance = 512;

struct Comparison {
    std::size_t ourSamples = 0;
    std::size_t theirSamples = 0;
};

// Compares what the reader delivered with FFmpeg's decoding of the same file and returns the
// sample counts for the caller's length rules.
Comparison CompareWithFfmpeg(const std::string& path, const ReadResult& ours, Reference kind,
                             const WavFormatRecord& format) {
    Comparison counts;
    const char* raw = kind == Reference::Pcm8 ? "u8" : kind == Reference::Float ? "f64le" : "s16le";
    const auto decoded = ffmpegDecode(path, raw);
    EXPECT_TRUE(decoded.has_value()) << "FFmpeg could not decode " << path;
    if (!decoded) return counts;
    EXPECT_EQ(ours.channels, std::min(decoded->channels, 2));
    switch (kind) {
        case Reference::Pcm8: {
            const auto theirs = FirstTwoChannels(decoded->bytes, decoded->channels);
            EXPECT_TRUE(SamePrefix(ours.samples8, theirs));
            counts = {ours.samples8.size(), theirs.size()};
            break;
        }
        case Reference::Pcm16: {
            const auto theirs = FirstTwoChannels(asInt16(decoded->bytes), decoded->channels);
            EXPECT_TRUE(SamePrefix(ours.samples16, theirs));
            counts = {ours.samples16.size(), theirs.size()};
            break;
        }
        case Reference::Ima: {
            const auto theirs = asInt16(decoded->bytes);
            const std::size_t perBlock =
                ((format.blockAlign - 4u * format.channels) / (4u * format.channels) * 8 + 1) *
                format.channels;
            const auto exact =
                ImaReferenceDecode(path, format, ours.samples16.size() / perBlock + 1);
            EXPECT_TRUE(exact.has_value());
            if (exact) {
                EXPECT_TRUE(SamePrefix(ours.samples16, *exact));
            }
            // adpcm_ima_wav's rounding lets its samples wander a little from ours within a
            // block; a wrong nibble order or channel assignment would put them far apart.
            EXPECT_TRUE(SamePrefix(ours.samples16, theirs, kImaWavTolerance));
            counts = {ours.samples16.size(), theirs.size()};
            break;
        }
        case Reference::Float: {
            const auto floats = FirstTwoChannels(AsDouble(decoded->bytes), decoded->channels);
            std::vector<std::int16_t> expected;
            for (double x : floats) expected.push_back(ExpectedFromFloat(x));
            EXPECT_TRUE(SamePrefix(ours.samples16, expected));
            // FFmpeg's own s16 output rounds to nearest where we truncate, and clips where
            // we wrap: within full scale the two differ by at most one step.
            const auto pcm = ffmpegDecode(path, "s16le");
            EXPECT_TRUE(pcm.has_value());
            if (pcm) {
                const auto theirs = FirstTwoChannels(asInt16(pcm->bytes), pcm->channels);
                std::vector<std::int16_t> ourInRange, theirInRange;
                for (std::size_t i = 0; i < ours.samples16.size() && i < theirs.size(); ++i) {
                    if (std::fabs(floats[i]) >= 1.0) continue;
                    ourInRange.push_back(ours.samples16[i]);
                    theirInRange.push_back(theirs[i]);
                }
                EXPECT_TRUE(SamePrefix(ourInRange, theirInRange, 1));
            }
            counts = {ours.samples16.size(), floats.size()};
            break;
        }
    }
    return counts;
}

// ---------------------------------------------------------------------------------------
// Files FFmpeg encodes here.

struct EncodeCase {
    const char* name;
    std::vector<std::string> codecArgs;
    int rate;
    int channels;
    Reference reference;
    unsigned expectedTag;  // the reader's format tag (extensible files report their sub-format)
};

void PrintTo(const EncodeCase& c, std::ostream* os) {
    *os << c.name;
}

// Tone and noise with different content per channel, loud enough to reach the ADPCM clamps.
std::string SourceExpression(int channels, double amplitude) {
    const std::string a = std::to_string(amplitude);
    std::vector<std::string> ch{
        a + "*sin(2*PI*440*t)*lt(t\\,0.7)+0.3*(random(0)-0.5)",
        "0.6*sin(2*PI*1000*t+0.5)+0.2*(random(1)-0.5)",
        "0.5*sin(2*PI*220*t)",
        "0.4*(random(2)-0.5)",
        "0.3*sin(2*PI*3000*t)",
        "0.2*sin(2*PI*60*t)",
    };
    std::string expression;
    for (int i = 0; i < channels; ++i)
        expression += (i ? "|" : "") + ch[static_cast<std::size_t>(i)];
    return expression;
}

// Makes the file with FFmpeg; extra arguments go before the output path.
void Encode(const EncodeCase& c, const std::string& path, std::vector<std::string> extra = {}) {
    const double amplitude = c.reference == Reference::Float ? 1.3 : 0.95;
    std::vector<std::string> args{"-f", "lavfi", "-i",
                                  "aevalsrc=" + SourceExpression(c.channels, amplitude) +
                                      ":s=" + std::to_string(c.rate) + ":d=1.5"};
    args.insert(args.end(), c.codecArgs.begin(), c.codecArgs.end());
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back(path);
    ASSERT_TRUE(ffmpeg(args));
}

// Reads path whole and compares it with FFmpeg's decoding of reference, a file of the same
// audio (path itself where FFmpeg reads it as it is).
void ExpectDecodesLikeFfmpeg(const std::string& path, const std::string& reference,
                             const EncodeCase& c) {
    WavReader probe;
    ASSERT_TRUE(probe.Open(path));
    EXPECT_EQ(probe.format().formatTag, c.expectedTag);
    EXPECT_EQ(probe.format().samplesPerSec, static_cast<unsigned>(c.rate));
    const std::int32_t totalFrames = probe.totalFrames();
    const WavFormatRecord format = probe.format();
    probe.Close();

    const ReadResult ours = ReadWholeFile(path, 1u << 20);
    ASSERT_TRUE(ours.opened && ours.prepared);
    ASSERT_TRUE(ours.endedInTime);
    EXPECT_FALSE(ours.readFailed);
    const Comparison counts = CompareWithFfmpeg(reference, ours, c.reference, format);
    // FFmpeg writes whole blocks and counts them whole, so nothing is left over on either side.
    EXPECT_EQ(counts.ourSamples, counts.theirSamples);
    EXPECT_EQ(ours.frames, totalFrames);
    EXPECT_TRUE(ours.endFlag);
    EXPECT_GE(ours.frames, c.rate * 3 / 2);
}

std::vector<EncodeCase> EncodeCases() {
    return {
        EncodeCase{"u8_mono", {"-c:a", "pcm_u8"}, 22050, 1, Reference::Pcm8, 1},
        EncodeCase{"u8_stereo", {"-c:a", "pcm_u8"}, 22050, 2, Reference::Pcm8, 1},
        EncodeCase{"s16_mono", {"-c:a", "pcm_s16le"}, 44100, 1, Reference::Pcm16, 1},
        EncodeCase{"s16_stereo", {"-c:a", "pcm_s16le"}, 44100, 2, Reference::Pcm16, 1},
        EncodeCase{"s16_six_channels", {"-c:a", "pcm_s16le"}, 48000, 6, Reference::Pcm16, 1},
        EncodeCase{"s24_stereo", {"-c:a", "pcm_s24le"}, 48000, 2, Reference::Pcm16, 1},
        EncodeCase{"s24_mono", {"-c:a", "pcm_s24le"}, 44100, 1, Reference::Pcm16, 1},
        EncodeCase{"s32_stereo", {"-c:a", "pcm_s32le"}, 44100, 2, Reference::Pcm16, 1},
        EncodeCase{"f32_stereo", {"-c:a", "pcm_f32le"}, 44100, 2, Reference::Float, 3},
        EncodeCase{"f64_mono", {"-c:a", "pcm_f64le"}, 32000, 1, Reference::Float, 3},
        EncodeCase{"f32_four_channels", {"-c:a", "pcm_f32le"}, 44100, 4, Reference::Float, 3},
        EncodeCase{"alaw_stereo", {"-c:a", "pcm_alaw"}, 8000, 2, Reference::Pcm16, 6},
        EncodeCase{"alaw_mono", {"-c:a", "pcm_alaw"}, 44100, 1, Reference::Pcm16, 6},
        EncodeCase{"alaw_four_channels", {"-c:a", "pcm_alaw"}, 8000, 4, Reference::Pcm16, 6},
        EncodeCase{"mulaw_stereo", {"-c:a", "pcm_mulaw"}, 16000, 2, Reference::Pcm16, 7},
        EncodeCase{"mulaw_mono", {"-c:a", "pcm_mulaw"}, 8000, 1, Reference::Pcm16, 7},
        EncodeCase{"ima_adpcm_mono", {"-c:a", "adpcm_ima_wav"}, 44100, 1, Reference::Ima, 17},
        EncodeCase{"ima_adpcm_stereo", {"-c:a", "adpcm_ima_wav"}, 44100, 2, Reference::Ima, 17},
        EncodeCase{"ima_adpcm_stereo_8k", {"-c:a", "adpcm_ima_wav"}, 8000, 2, Reference::Ima, 17},
        EncodeCase{"ms_adpcm_mono", {"-c:a", "adpcm_ms"}, 44100, 1, Reference::Pcm16, 2},
        EncodeCase{"ms_adpcm_stereo", {"-c:a", "adpcm_ms"}, 44100, 2, Reference::Pcm16, 2},
        EncodeCase{"ms_adpcm_stereo_11k", {"-c:a", "adpcm_ms"}, 11025, 2, Reference::Pcm16, 2},
        EncodeCase{"gsm_mono", {"-c:a", "gsm_ms"}, 8000, 1, Reference::Pcm16, 49}};
}

class WavEncodedByFfmpeg : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(WavEncodedByFfmpeg, DecodesLikeFfmpeg) {
    TempDir dir;
    const std::string path = dir.file("encoded.wav");
    Encode(GetParam(), path);
    ExpectDecodesLikeFfmpeg(path, path, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Formats, WavEncodedByFfmpeg, ::testing::ValuesIn(EncodeCases()),
                         [](const ::testing::TestParamInfo<EncodeCase>& param) {
                             return std::string(param.param.name);
                         });

// The same formats in the other layouts the reader takes: RF64 as FFmpeg writes it (ds64,
// the 32-bit sizes at 0xFFFFFFFF), behind an ID3v2 tag (with and without the footer an
// ID3v2.4 header can announce), and RIFX for the PCM and float formats. FFmpeg 5.1 takes
// RIFX samples for little-endian ones, so the RIFX files are compared with the file they
// were turned around from.
enum class Layout { kRf64, kId3v2Tag, kId3v2TagWithFooter, kRifx };

struct LayoutCase {
    EncodeCase format;
    Layout layout;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.format.name << " layout " << static_cast<int>(c.layout);
}

std::vector<LayoutCase> LayoutCases() {
    std::vector<LayoutCase> cases;
    for (const EncodeCase& c : EncodeCases()) {
        for (Layout layout : {Layout::kRf64, Layout::kId3v2Tag, Layout::kId3v2TagWithFooter})
            cases.push_back({c, layout});
        if (c.expectedTag == 1 || c.expectedTag == 3) cases.push_back({c, Layout::kRifx});
    }
    return cases;
}

// An ID3v2.4 tag of one text frame, padded; its body holds a RIFF header of its own that a
// reader searching for "RIFF" instead of stepping over the tag would take.
std::vector<std::uint8_t> Id3v2Tag(bool footer) {
    std::vector<std::uint8_t> body;
    PutText(body, "TIT2");
    PutBe32(body, 6);
    body.insert(body.end(), {0, 0, 3, 'T', 'a', 'g'});
    PutText(body, "RIFF");
    PutLe32(body, 16);
    PutText(body, "WAVEfmt ");
    body.resize(300, 0);
    const auto size = static_cast<std::uint32_t>(body.size());
    const std::vector<std::uint8_t> sizeBytes{static_cast<std::uint8_t>((size >> 21) & 0x7F),
                                              static_cast<std::uint8_t>((size >> 14) & 0x7F),
                                              static_cast<std::uint8_t>((size >> 7) & 0x7F),
                                              static_cast<std::uint8_t>(size & 0x7F)};
    std::vector<std::uint8_t> tag{'I', 'D', '3',
                                  4,   0,   static_cast<std::uint8_t>(footer ? 0x10 : 0)};
    tag.insert(tag.end(), sizeBytes.begin(), sizeBytes.end());
    tag.insert(tag.end(), body.begin(), body.end());
    if (footer) {
        tag.insert(tag.end(), {'3', 'D', 'I', 4, 0, 0x10});
        tag.insert(tag.end(), sizeBytes.begin(), sizeBytes.end());
    }
    return tag;
}

class WavLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(WavLayouts, DecodeLikeFfmpeg) {
    const LayoutCase& c = GetParam();
    TempDir dir;
    const std::string plain = dir.file("plain.wav");
    const std::string path = dir.file("layout.wav");
    switch (c.layout) {
        case Layout::kRf64:
            Encode(c.format, path, {"-rf64", "always"});
            ASSERT_EQ(readFile(path)[0], 'R');
            ASSERT_EQ(readFile(path)[2], '6');
            ExpectDecodesLikeFfmpeg(path, path, c.format);
            return;
        case Layout::kId3v2Tag:
        case Layout::kId3v2TagWithFooter: {
            Encode(c.format, plain);
            std::vector<std::uint8_t> bytes = Id3v2Tag(c.layout == Layout::kId3v2TagWithFooter);
            const auto wav = readFile(plain);
            bytes.insert(bytes.end(), wav.begin(), wav.end());
            writeFile(path, bytes);
            break;
        }
        case Layout::kRifx:
            Encode(c.format, plain);
            writeFile(path, SwapByteOrder(readFile(plain)));
            break;
    }
    ExpectDecodesLikeFfmpeg(path, plain, c.format);
}

std::string LayoutCaseName(const ::testing::TestParamInfo<LayoutCase>& param) {
    static const char* const kNames[] = {"rf64", "id3v2", "id3v2_footer", "rifx"};
    return std::string(param.param.format.name) + "_" +
           kNames[static_cast<int>(param.param.layout)];
}

INSTANTIATE_TEST_SUITE_P(Formats, WavLayouts, ::testing::ValuesIn(LayoutCases()), LayoutCaseName);

// ---------------------------------------------------------------------------------------
// The corpus: every RIFF, RF64 and RIFX WAVE file of a format the reader knows, chosen by
// its manifest row.

struct CorpusCase {
    std::string file;
    unsigned tag = 0;     // the format read (the sub-format of an extensible file)
    std::string refusal;  // why the reader must refuse it; empty when it must read it
    bool ffmpegComparable = true;
    bool rifx = false;  // compared through a little-endian copy, which FFmpeg reads right
};

void PrintTo(const CorpusCase& c, std::ostream* os) {
    *os << c.file;
}

unsigned ParseHex(const std::string& text) {
    return static_cast<unsigned>(std::stoul(text, nullptr, 16));
}

// Whether a manifest's format record describes PCM frames of channels x bits / 8 bytes in
// its block size or its byte rate.
bool DescribesPackedFrames(const std::string& structure) {
    static const std::regex format(
        R"(ch=([0-9]+) rate=([0-9]+) avg=([0-9]+) align=([0-9]+) bits=([0-9]+))");
    std::smatch m;
    if (!std::regex_search(structure, m, format)) return true;
    const std::uint64_t packed = std::stoull(m[1]) * std::stoull(m[5]) / 8;
    return std::stoull(m[4]) == packed || std::stoull(m[3]) == std::stoull(m[2]) * packed;
}

std::vector<CorpusCase> CorpusWavCases() {
    if (!corpusFound()) return {CorpusCase{kNoCorpus, 0, "", true}};
    std::vector<CorpusCase> cases;
    static const std::regex tagPattern("^0x([0-9A-Fa-f]{4})");
    static const std::regex subPattern("sub 0x([0-9A-Fa-f]{4})");
    static const std::regex bitsPattern("bits=([0-9]+)");
    for (const auto& row : corpusManifest()) {
        const std::string& tagText = row.at("wav_format_tag");
        const std::string& structure = row.at("structure");
        std::smatch m;
        if (!std::regex_search(tagText, m, tagPattern)) continue;
        unsigned tag = ParseHex(m[1]);
        if (tag == 0xFFFE) {
            if (!std::regex_search(tagText, m, subPattern)) continue;
            tag = ParseHex(m[1]);
        }
        if (tag != 1 && tag != 2 && tag != 3 && tag != 6 && tag != 7 && tag != 17 && tag != 49)
            continue;
        const bool rifx = structure.rfind("RIFX/WAVE", 0) == 0;
        if (structure.rfind("RIFF/WAVE", 0) != 0 && structure.rfind("RF64/WAVE", 0) != 0 && !rifx)
            continue;
        // FFmpeg 5.1 reads no RIFX file with an extended format record; the reader's copy
        // for FFmpeg has a plain one.
        if (row.at("ffprobe_status").rfind("ok", 0) != 0 && !rifx) continue;
        CorpusCase c{row.at("file"), tag, "", true, rifx};
        int bits = -1;
        if (std::regex_search(structure, m, bitsPattern)) bits = std::stoi(m[1]);
        if (rifx && tagText.rfind("0xFFFE", 0) == 0)
            c.refusal = "RIFX with the extensible format record";
        else if (tag == 1 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            c.refusal = "PCM of " + std::to_string(bits) + " bits";
        else if (tag == 3 && bits == 0)
            c.refusal = "float of 0 bits per sample";
        else if ((tag == 1 || tag == 3) && !DescribesPackedFrames(structure))
            c.refusal = "block size and byte rate describe other frames than channels and bits";
        // 24-bit samples in 4-byte containers: FFmpeg takes them for 24-bit float.
        if (row.at("codec").find("pcm_f24le") != std::string::npos) c.ffmpegComparable = false;
        cases.push_back(c);
    }
    return cases;
}

std::string TestName(const std::string& file) {
    std::string name;
    for (char ch : file) name += (std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_');
    return name;
}

class WavCorpusDecoding : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(WavCorpusDecoding, DecodesLikeFfmpeg) {
    TONVEXA_NEEDS_CORPUS();
    const CorpusCase& c = GetParam();
    const std::string path = corpusFile(c.file);
    WavReader probe;
    const bool opened = probe.Open(path);
    if (!c.refusal.empty()) {
        EXPECT_FALSE(opened) << c.refusal;
        return;
    }
    ASSERT_TRUE(opened);
    EXPECT_EQ(probe.format().formatTag, c.tag);
    const std::int64_t totalFrames = probe.totalFrames();
    int blockSlack = 0;
    if (c.tag == 2 || c.tag == 17)
        blockSlack = probe.format().blockAlign * 4;  // > samples per block
    if (c.tag == 49) blockSlack = 320;
    const WavFormatRecord format = probe.format();
    probe.Close();

    const auto size = GetExistingFileSize(path);
    ASSERT_TRUE(size.has_value());
    const ReadResult ours = ReadWholeFile(path, *size + 2);
    ASSERT_TRUE(ours.prepared);
    ASSERT_TRUE(ours.endedInTime);
    if (!c.ffmpegComparable) {
        EXPECT_EQ(ours.frames, totalFrames);
        return;
    }
    const Reference kind = c.tag == 3                       ? Reference::Float
                           : c.tag == 17                    ? Reference::Ima
                           : (c.tag == 1 && ours.bits == 8) ? Reference::Pcm8
                                                            : Reference::Pcm16;
    TempDir dir;
    std::string reference = path;
    if (c.rifx) {
        reference = dir.file("little-endian.wav");
        writeFile(reference, SwapByteOrder(readFile(path)));
    }
    const Comparison counts = CompareWithFfmpeg(reference, ours, kind, format);
    // We stop at the frame count, FFmpeg at the end of the data; a partial last block is
    // decoded by FFmpeg and dropped by us.
    const auto channels = static_cast<std::int64_t>(std::max(ours.channels, 1));
    const std::int64_t theirFrames = static_cast<std::int64_t>(counts.theirSamples) / channels;
    EXPECT_GE(ours.frames, std::min(totalFrames, theirFrames) - blockSlack);
    EXPECT_LE(ours.frames, totalFrames);
}

INSTANTIATE_TEST_SUITE_P(Corpus, WavCorpusDecoding, ::testing::ValuesIn(CorpusWavCases()),
                         [](const ::testing::TestParamInfo<CorpusCase>& param) {
                             return TestName(param.param.file);
                         });

TEST(WavCorpusSelection, CoversEveryCompressedFormat) {
    TONVEXA_NEEDS_CORPUS();
    std::map<unsigned, int> readable;
    for (const auto& c : CorpusWavCases())
        if (c.refusal.empty()) ++readable[c.tag];
    for (unsigned tag : {1u, 2u, 3u, 6u, 7u, 17u, 49u})
        EXPECT_GT(readable[tag], 0) << "tag " << tag;
}

}  // namespace
