// The FFmpeg runtime reading real files from other programs: every Windows Media file of the
// corpus opens with the format, duration, bit rate and attributes its manifest lists (or,
// for the broken ones, fails quickly and cleanly), and its audio comes out exactly as
// FFmpeg's own decoders give it.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "wm/FfmpegWmRuntime.h"
#include "wm/WmaReader.h"

using namespace tonvexa;
using namespace tonvexa::test;

namespace {

bool IsWindowsMediaName(const std::string& name) {
    for (const char* ext : {".wma", ".wmv", ".asf"})
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ext) == 0) return true;
    return false;
}

std::vector<std::string> WindowsMediaFiles() {
    if (!corpusFound()) return {kNoCorpus};
    std::vector<std::string> files;
    for (const auto& row : corpusManifest())
        if (IsWindowsMediaName(row.at("file"))) files.push_back(row.at("file"));
    return files;
}

// The file-level attributes of the manifest's tags column ("Name=value; Name=value"); a
// piece without '=' belongs to the value before it.
std::multimap<std::string, std::string> ManifestTags(const std::string& column) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start <= column.size()) {
        std::size_t end = column.find("; ", start);
        if (end == std::string::npos) end = column.size();
        std::string piece = column.substr(start, end - start);
        if (piece.find('=') == std::string::npos && !pieces.empty())
            pieces.back() += "; " + piece;
        else
            pieces.push_back(piece);
        start = end + 2;
    }
    std::multimap<std::string, std::string> tags;
    for (const auto& p : pieces) {
        if (p.empty() || p[0] == '[') continue;  // stream-level metadata
        const auto eq = p.find('=');
        if (eq == std::string::npos) continue;
        tags.emplace(p.substr(0, eq), p.substr(eq + 1));
    }
    return tags;
}

// The audio stream's average bytes per second from the manifest's structure column.
long StructureAverageBytes(const std::string& structure) {
    const auto audio = structure.find("audio tag=");
    if (audio == std::string::npos) return -1;
    const auto avg = structure.find("avg=", audio);
    if (avg == std::string::npos) return -1;
    return std::stol(structure.substr(avg + 4));
}

std::vector<std::int16_t> ReadAll(WmaReader& reader) {
    std::vector<std::int16_t> interleaved;
    std::vector<std::int16_t> a(kWmaReadBlockFrames), b(kWmaReadBlockFrames);
    bool end = false;
    const int channels = reader.Channels();
    while (!end) {
        const int n = reader.ReadFrames(a.data(), b.data(), end);
        for (int i = 0; i < n; ++i) {
            interleaved.push_back(a[static_cast<std::size_t>(i)]);
            if (channels == 2) interleaved.push_back(b[static_cast<std::size_t>(i)]);
        }
    }
    return interleaved;
}

// The manifest lists a value holding several names with ", " where the file has "; ".
std::string Listed(std::string text) {
    for (std::size_t i; (i = text.find("; ")) != std::string::npos;) text.replace(i, 2, ", ");
    return text;
}

// Files whose container FFmpeg reads but whose audio its decoders refuse from the first
// packet on ("Input packet size too small"): the runtime refuses them at Open.
bool IsUndecodable(const std::string& name) {
    return name == "atl-classes1and6.wma";
}

class WmCorpusFile : public testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(WmCorpusFile, OpensWithTheManifestsPropertiesAndDecodesLikeFfmpeg) {
    TONVEXA_NEEDS_CORPUS();
    const std::string name = GetParam();
    const ManifestRow row = *corpusRow(name);
    const bool readable = row.at("ffprobe_status").rfind("ok", 0) == 0 && !IsUndecodable(name);
    FfmpegWmRuntime runtime;
    WmaReader reader(runtime);
    const auto started = std::chrono::steady_clock::now();
    const bool opened = reader.Open(corpusFile(name));
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_LT(seconds, 10.0);
    ASSERT_EQ(opened, readable) << row.at("ffprobe_status");
    if (!readable) {
        EXPECT_EQ(reader.SourceFormatBlock().size(), 0u);
        return;
    }

    EXPECT_EQ(reader.SampleRate(), std::stoi(row.at("sample_rate")));
    EXPECT_EQ(reader.Channels(), std::min(2, std::stoi(row.at("channels"))));
    const std::string duration = row.at("duration_s");
    EXPECT_EQ(reader.Duration(),
              duration == "-" ? 0u : static_cast<std::uint32_t>(std::stod(duration)));
    const long avg = StructureAverageBytes(row.at("structure"));
    if (avg > 0)
        EXPECT_EQ(reader.BitRate(), avg * 8);
    else  // no average in the stream's header: the codec's nominal rate, else the file's
        EXPECT_GT(reader.BitRate(), 0);

    const auto tags = ManifestTags(row.at("tags"));
    // A file may hold an attribute more than once (content description and extended
    // content description); the reader shows one of them.
    auto matches = [&](const char* key, const std::string& value) {
        const auto [first, last] = tags.equal_range(key);
        if (first == last) return value.empty();
        for (auto it = first; it != last; ++it)
            if (Listed(it->second) == Listed(value)) return true;
        return false;
    };
    auto tag = [&](const char* key) {
        const auto it = tags.find(key);
        return it == tags.end() ? std::string() : it->second;
    };
    EXPECT_TRUE(matches("Title", reader.Title())) << reader.Title();
    EXPECT_TRUE(matches("Author", reader.Author())) << reader.Author();
    EXPECT_TRUE(matches("Description", reader.Description())) << reader.Description();
    EXPECT_TRUE(matches("Copyright", reader.Copyright())) << reader.Copyright();
    EXPECT_TRUE(matches("WM/AlbumTitle", reader.Album())) << reader.Album();
    EXPECT_TRUE(matches("WM/Genre", reader.Genre())) << reader.Genre();
    EXPECT_TRUE(matches("WM/Year", reader.Year())) << reader.Year();
    EXPECT_EQ(reader.TrackNumber(), LeadingInteger(tag("WM/TrackNumber")));

    const auto expected = ffmpegDecode(corpusFile(name), "s16le");
    ASSERT_TRUE(expected);
    const std::vector<std::int16_t> reference = asInt16(expected->bytes);
    const std::vector<std::int16_t> ours = ReadAll(reader);
    reader.Close();
    ASSERT_EQ(ours.size(), reference.size());
    EXPECT_TRUE(ours == reference) << "decoded samples differ from FFmpeg's";
}

INSTANTIATE_TEST_SUITE_P(Corpus, WmCorpusFile, testing::ValuesIn(WindowsMediaFiles()),
                         [](const auto& p) {
                             std::string n = p.param;
                             for (char& c : n)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

TEST(WmFfmpegReader, ProCodecsVoiceAndLosslessCarryAudio) {
    TONVEXA_NEEDS_CORPUS();
    // Files whose content is not silence, one per decoder beyond wmav2.
    for (const char* name : {"atl-wma.wma", "taglib-lossless.wma", "mutagen-silence-2.wma"}) {
        FfmpegWmRuntime runtime;
        WmaReader reader(runtime);
        ASSERT_TRUE(reader.Open(corpusFile(name))) << name;
        const auto samples = ReadAll(reader);
        const std::size_t frames = samples.size() / static_cast<std::size_t>(reader.Channels());
        const double seconds = static_cast<double>(frames) / reader.SampleRate();
        const std::string duration = corpusRow(name)->at("duration_s");
        if (std::string(name) == "atl-wma.wma")
            // FFmpeg does not decode the WMA Pro frames this voice stream embeds; the voice
            // frames around them come out.
            EXPECT_GT(seconds, 5.0) << name;
        else
            EXPECT_NEAR(seconds, std::stod(duration), 0.25) << name;
        if (std::string(name) != "mutagen-silence-2.wma") {
            double energy = 0;
            for (auto s : samples) energy += double(s) * s;
            EXPECT_GT(std::sqrt(energy / static_cast<double>(samples.size())), 30.0) << name;
        }
    }
}

TEST(WmFfmpegReader, VideoOnlyFileFailsAndVideoWithAudioOpens) {
    TempDir dir;
    const std::string video = dir.file("video.wmv");
    const std::string both = dir.file("both.wmv");
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "testsrc=d=0.3:s=64x48", "-c:v", "wmv2", video}));
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "testsrc=d=0.5:s=64x48", "-f", "lavfi", "-i",
                        "sine=f=440:d=0.5:r=22050", "-c:v", "wmv2", "-c:a", "wmav2", "-ac", "1",
                        "-b:a", "32k", both}));
    FfmpegWmRuntime runtime;
    WmaReader onlyVideo(runtime);
    EXPECT_FALSE(onlyVideo.Open(video));
    WmaReader withAudio(runtime);
    ASSERT_TRUE(withAudio.Open(both));
    EXPECT_EQ(withAudio.SampleRate(), 22050);
    EXPECT_EQ(withAudio.Channels(), 1);
    EXPECT_EQ(withAudio.AudioStreamNumber(), 2);
    EXPECT_GT(ReadAll(withAudio).size(), 8000u);
}

TEST(WmFfmpegReader, MoreThanTwoChannelsAreMixedDownToStereo) {
    TempDir dir;
    const std::string six = dir.file("six.asf");
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i",
                        "aevalsrc=sin(2*PI*300*t)|0.5*sin(2*PI*500*t)|0.3*sin(2*PI*700*t)|0|"
                        "0.2*sin(2*PI*90*t)|0.4*sin(2*PI*900*t):d=0.5:s=32000:c=5.1",
                        "-c:a", "pcm_s16le", "-f", "asf", six}));
    FfmpegWmRuntime runtime;
    WmaReader reader(runtime);
    ASSERT_TRUE(reader.Open(six));
    EXPECT_EQ(reader.Channels(), 2);
    EXPECT_EQ(reader.SampleRate(), 32000);
    const auto ours = ReadAll(reader);
    // FFmpeg's own down-mix of the same file is the reference.
    std::vector<std::uint8_t> raw;
    ASSERT_EQ(
        runProgram("ffmpeg", {"-nostdin", "-v", "error", "-i", six, "-ac", "2", "-f", "s16le", "-"},
                   &raw),
        0);
    EXPECT_EQ(ours, asInt16(raw));
    double energy = 0;
    for (auto s : ours) energy += double(s) * s;
    EXPECT_GT(energy, 0.0);
}

TEST(WmFfmpegReader, FilesThatAreNotWindowsMediaAreRefused) {
    TempDir dir;
    const std::string wav = dir.file("disguised.wma");
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=d=0.2", "-f", "wav", wav}));
    FfmpegWmRuntime runtime;
    WmaReader reader(runtime);
    EXPECT_FALSE(reader.Open(wav));
    EXPECT_FALSE(reader.Open(dir.file("missing.wma")));
    // A Windows Media file cut short in its header (the header object's size is the 64-bit
    // number after its 16-byte identifier).
    const std::string whole = dir.file("whole.wma");
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=d=0.2", "-c:a", "wmav2", whole}));
    auto bytes = readFile(whole);
    ASSERT_GT(bytes.size(), 24u);
    std::uint64_t headerSize = 0;
    for (int i = 7; i >= 0; --i)
        headerSize = headerSize << 8 | bytes[16 + static_cast<std::size_t>(i)];
    ASSERT_GT(headerSize, 300u);
    bytes.resize(300);
    writeFile(dir.file("cut.wma"), bytes);
    EXPECT_FALSE(reader.Open(dir.file("cut.wma")));
}

TEST(WmFfmpegReader, StreamItsDecoderCannotTakeFailsAtOpen) {
    TempDir dir;
    const std::string good = dir.file("good.wma");
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=f=440:d=0.5", "-ac", "2", "-c:a", "wmav2",
                        "-b:a", "128k", good}));
    // Relabel the stream as WMA Professional (tag 0x0162): its decoder refuses the codec data,
    // as a runtime refuses content it cannot decode.
    auto bytes = readFile(good);
    const std::vector<std::uint8_t> format = {0x61, 0x01, 0x02, 0x00, 0x44, 0xAC, 0x00, 0x00};
    auto at = std::search(bytes.begin(), bytes.end(), format.begin(), format.end());
    ASSERT_NE(at, bytes.end());
    *at = 0x62;
    const std::string relabelled = dir.file("relabelled.wma");
    writeFile(relabelled, bytes);
    FfmpegWmRuntime runtime;
    WmaReader reader(runtime);
    EXPECT_FALSE(reader.Open(relabelled));
    EXPECT_TRUE(reader.SourceFormatBlock().empty());
    bool end = false;
    std::vector<std::int16_t> a(kWmaReadBlockFrames), b(kWmaReadBlockFrames);
    EXPECT_EQ(reader.ReadFrames(a.data(), b.data(), end), 0);
    EXPECT_TRUE(end);
    WmaReader plain(runtime);
    EXPECT_TRUE(plain.Open(good));
}
