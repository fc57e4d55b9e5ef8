// Tags through conversions: what goes in comes out whole, read back by FFmpeg, a reader that
// shares no code with the writer; broken tags cost nothing but themselves.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "ConversionFixture.h"
#include "base/Latin1.h"
#include "engine/TagRules.h"
#include "support/Mp3TestSupport.h"
#include "tags/TagIo.h"

using namespace tonvexa;

namespace {

// One field of the full tag: its value, and where FFmpeg finds it in an MP3 file (ID3v2.3)
// and in a Windows Media file, with the value it shows there when that differs.
struct Carried {
    const char* field;
    const char* value;
    const char* mp3Key;
    const char* wmaKey;
    const char* mp3Value = nullptr;
    const char* wmaValue = nullptr;
};

const std::vector<Carried>& FullTag() {
    static const std::vector<Carried> fields = {
        // 70 characters, past ID3v1's 30; quotes and a dash outside ISO-8859-1.
        {"TITLE", "Symphony No. 9 in D minor, Op. 125 \u201cChoral\u201d: IV. Presto \u2013 Allegro",
         "title", "title"},
        {"ARTIST", "\u041b\u044e\u0434\u0432\u0438\u0433 \u0432\u0430\u043d \u0411\u0435\u0442"
                   "\u0445\u043e\u0432\u0435\u043d",
         "artist", "artist"},
        {"ALBUM", "\u4ea4\u97ff\u66f2\u7b2c9\u756a", "album", "album"},
        {"ALBUMARTIST", "Wiener Philharmoniker", "album_artist", "album_artist"},
        {"COMPOSER", "Ludwig van Beethoven", "composer", "composer"},
        {"CONDUCTOR", "Karl B\u00f6hm", "performer", "WM/Conductor"},
        {"DATE", "1970", "date", "WM/Year"},
        {"GENRE", "Romantic Symphony", "genre", "genre"},  // not in the ID3v1 list
        {"TRACKNUMBER", "4", "track", "track", "4/12"},
        {"TRACKTOTAL", "12", "track", "TotalTracks", "4/12"},
        {"DISCNUMBER", "1", "disc", "disc", "1/2", "1/2"},
        {"DISCTOTAL", "2", "disc", "disc", "1/2", "1/2"},
        {"COMMENT", "Live \u2013 remastered", "comment", "comment"},
        {"LYRICS", "Freude, sch\u00f6ner G\u00f6tterfunken\nTochter aus Elysium", "lyrics-XXX",
         "WM/Lyrics"},
        {"COPYRIGHT", "\u2117 1970", "copyright", "copyright"},
        {"LABEL", "Deutsche Grammophon", "publisher", "publisher"},
        {"BPM", "96", "TBPM", "WM/BeatsPerMinute"},
        {"MUSICBRAINZ_ALBUMID", "5b4b1a2c-0000-4000-8000-000000000001", "MusicBrainz Album Id",
         "MusicBrainz/Album Id"},
        {"REPLAYGAIN_TRACK_GAIN", "-6.50 dB", "REPLAYGAIN_TRACK_GAIN", "REPLAYGAIN_TRACK_GAIN"},
        {"Custom Field", "custom value", "Custom Field", "Custom Field"},
    };
    return fields;
}

class TagCarry : public test::ConversionFixture {
protected:
    // A small PNG made by FFmpeg, as a cover.
    std::vector<std::uint8_t> cover() {
        const std::string path = dir.file("cover.png");
        EXPECT_TRUE(test::ffmpeg(
            {"-f", "lavfi", "-i", "color=c=red:s=16x16", "-frames:v", "1", path}));
        return test::readFile(path);
    }

    MediaTags fullTag() {
        MediaTags tags;
        for (const Carried& c : FullTag()) tags.set(c.field, c.value);
        EXPECT_TRUE(tags.addPicture(TagPicture::kFrontCover, "Front", cover()));
        return tags;
    }

    // A Windows Media source holding a tag.
    std::string taggedWma(const std::string& name, const MediaTags& tags) {
        const std::string path = wma(name, 44100, 2, 1, {"-map_metadata", "-1"});
        const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        EXPECT_GE(fd, 0);
        EXPECT_TRUE(WriteAsfTags(fd, tags));
        ::close(fd);
        return path;
    }

    static void expectFullTag(const test::MediaInfo& info, bool mp3, const std::string& where) {
        for (const Carried& c : FullTag()) {
            const std::string key = mp3 ? c.mp3Key : c.wmaKey;
            const char* value = mp3 ? c.mp3Value : c.wmaValue;
            const auto found = info.tags.find(key);
            ASSERT_NE(found, info.tags.end()) << where << ": " << c.field << " as " << key;
            EXPECT_EQ(found->second, value ? value : c.value) << where << ": " << c.field;
        }
        ASSERT_EQ(info.pictures.size(), 1u) << where;
        EXPECT_EQ(info.pictures[0].type, "Cover (front)") << where;
    }
};

// A full tag with a cover goes Windows Media to MP3 to Windows Media; each step's output,
// read by FFmpeg, has every field and the cover's very bytes.
TEST_F(TagCarry, FullTagRoundTripsThroughMp3) {
    const MediaTags source = fullTag();
    const std::string src = taggedWma("source.wma", source);
    settings.ID3TagOpt = kTagKeepSource;
    settings.WMAID3TagOpt = kTagKeepSource;
    SilentProgress progress;

    ASSERT_EQ(ConvertWmaToMp3(env(), src, out("step.mp3"), progress), 1);
    auto mp3 = test::probeMedia(dir.file("step.mp3"));
    ASSERT_TRUE(mp3);
    expectFullTag(*mp3, true, "mp3");
    EXPECT_EQ(mp3->pictures[0].bytes, source.pictures()[0].data);
    // ID3v2.3, texts in UTF-16 (the encoding byte after the frame header is 1).
    const auto bytes = test::readFile(dir.file("step.mp3"));
    ASSERT_GT(bytes.size(), 21u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), std::string("ID3\x03", 4));
    EXPECT_EQ(bytes[20], 1);

    ASSERT_EQ(ConvertMp3ToWma(env(), dir.file("step.mp3"), out("back.wma"), progress), 1);
    auto wma = test::probeMedia(dir.file("back.wma"));
    ASSERT_TRUE(wma);
    expectFullTag(*wma, false, "wma");
    EXPECT_EQ(wma->pictures[0].bytes, source.pictures()[0].data);
}

// A tag another program wrote (FFmpeg, ID3v2.4 with a cover) reaches Windows Media output.
TEST_F(TagCarry, Id3v24FromAnotherWriterReachesWindowsMedia) {
    const std::string png = dir.file("cover.png");
    (void)cover();
    const std::string src = dir.file("other.mp3");
    ASSERT_TRUE(test::ffmpeg({"-f", "lavfi", "-i", "sine=d=1", "-i", png, "-map", "0:a", "-map",
                              "1", "-c:a", "libmp3lame", "-c:v", "copy", "-disposition:v",
                              "attached_pic", "-id3v2_version", "4", "-metadata",
                              "title=\u00c9t\u00e9 \u2013 \u590f", "-metadata", "artist=Someone",
                              "-metadata", "album_artist=Various", "-metadata", "track=2/9",
                              src}));
    settings.WMAID3TagOpt = kTagKeepSource;
    SilentProgress progress;
    ASSERT_EQ(ConvertMp3ToWma(env(), src, out("other.wma"), progress), 1);
    auto info = test::probeMedia(dir.file("other.wma"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->tags["title"], "\u00c9t\u00e9 \u2013 \u590f");
    EXPECT_EQ(info->tags["artist"], "Someone");
    EXPECT_EQ(info->tags["album_artist"], "Various");
    EXPECT_EQ(info->tags["track"], "2");
    EXPECT_EQ(info->tags["TotalTracks"], "9");
    ASSERT_EQ(info->pictures.size(), 1u);
    EXPECT_EQ(info->pictures[0].bytes, test::readFile(png));
}

// With both tags, the ID3v2 texts win; with only the block at the end, it is the fallback.
TEST_F(TagCarry, Id3v2WinsOverTheId3v1Block) {
    const std::string mp3 = dir.file("both.mp3");
    ASSERT_TRUE(test::makeTone(mp3, 44100, 1, 1,
                               {"-c:a", "libmp3lame", "-id3v2_version", "3", "-metadata",
                                "title=The long title from the ID3v2 tag, whole", "-metadata",
                                "artist=V2 artist"}));
    auto bytes = test::readFile(mp3);
    const auto block = BuildId3v1Block({.title = "V1 title", .artist = "V1 artist"});
    bytes.insert(bytes.end(), block.begin(), block.end());
    test::writeFile(mp3, bytes);
    const MediaTags both = ReadSourceTags(mp3, FormatMp3);
    EXPECT_EQ(both.first("TITLE"), "The long title from the ID3v2 tag, whole");
    EXPECT_EQ(both.first("ARTIST"), "V2 artist");

    const std::string v1 = dir.file("v1.mp3");
    ASSERT_TRUE(test::makeTone(v1, 44100, 1, 1, {"-c:a", "libmp3lame", "-map_metadata", "-1",
                                                 "-write_id3v2", "0"}));
    auto plain = test::readFile(v1);
    plain.insert(plain.end(), block.begin(), block.end());
    test::writeFile(v1, plain);
    EXPECT_EQ(ReadSourceTags(v1, FormatMp3).first("TITLE"), "V1 title");
}

// WAV output has no tag option and always keeps the texts: WMA to WAV to WMA loses none.
TEST_F(TagCarry, WavKeepsTheTextsBetweenWindowsMediaFiles) {
    const MediaTags source = fullTag();
    const std::string src = taggedWma("source.wma", source);
    settings.WMAID3TagOpt = kTagKeepSource;
    SilentProgress progress;
    ASSERT_EQ(ConvertWmaToWav(env(), src, out("middle.wav"), progress), 1);
    // The header keeps its 44 bytes; the tag follows the data.
    const auto wav = test::readFile(dir.file("middle.wav"));
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
    auto info = test::probeMedia(dir.file("middle.wav"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->tags["title"], source.first("TITLE"));  // from LIST/INFO, in UTF-8
    EXPECT_EQ(info->tags["artist"], source.first("ARTIST"));

    ASSERT_EQ(ConvertWavToWma(env(), dir.file("middle.wav"), out("back.wma"), progress), 1);
    auto back = test::probeMedia(dir.file("back.wma"));
    ASSERT_TRUE(back);
    expectFullTag(*back, false, "wma after wav");
}

// A WAV file's INFO texts declare no encoding: valid UTF-8 is read as UTF-8, anything else
// as ISO-8859-1.
TEST(TagRead, InfoTextsAreUtf8WhereValidElseLatin1) {
    auto chunk = [](const std::string& id, const std::string& body) {
        std::string c = id;
        const auto n = static_cast<std::uint32_t>(body.size());
        for (int i = 0; i < 4; ++i) c += static_cast<char>((n >> (8 * i)) & 0xFF);
        return c + body + (body.size() % 2 ? std::string(1, '\0') : std::string());
    };
    const std::string fmt("\x01\x00\x01\x00\x40\x1f\x00\x00\x80\x3e\x00\x00\x02\x00\x10\x00", 16);
    const std::string info =
        "INFO" + chunk("INAM", std::string("Caf\xC3\xA9\0", 6)) + chunk("IART", "Caf\xE9");
    const std::string body = "WAVE" + chunk("fmt ", fmt) + chunk("data", std::string(8, '\0')) +
                             chunk("LIST", info);
    const std::string file = chunk("RIFF", body);
    const MediaTags tags = ReadTagsFromBytes(
        TagContainer::Wav, std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()));
    EXPECT_EQ(tags.first("TITLE"), "Caf\xC3\xA9");
    EXPECT_EQ(tags.first("ARTIST"), "Caf\xC3\xA9");
}

// A tag never changes the audio: with and without tags, the MP3 decodes to the same samples.
TEST_F(TagCarry, TagsNeverChangeTheAudio) {
    const std::string src = taggedWma("source.wma", fullTag());
    SilentProgress progress;
    settings.ID3TagOpt = kTagNone;
    ASSERT_EQ(ConvertWmaToMp3(env(), src, out("bare.mp3"), progress), 1);
    settings.ID3TagOpt = kTagKeepSource;
    ASSERT_EQ(ConvertWmaToMp3(env(), src, out("tagged.mp3"), progress), 1);
    const auto bare = test::readFile(dir.file("bare.mp3"));
    EXPECT_NE(std::string(bare.begin(), bare.begin() + 3), "ID3");  // no tag of any kind
    const auto a = test::ffmpegDecode(dir.file("bare.mp3"));
    const auto b = test::ffmpegDecode(dir.file("tagged.mp3"));
    ASSERT_TRUE(a && b);
    EXPECT_FALSE(a->bytes.empty());
    EXPECT_EQ(a->bytes, b->bytes);
}

// What describes the old encoding stays behind; what describes the music goes along. Scaling the volume drops the loudness values it makes wrong, and a
// file without a track number gets no WM/TrackNumber.
TEST_F(TagCarry, WindowsMediaToWindowsMediaCarriesDescriptionNotEncoding) {
    MediaTags source;
    source.set("TITLE", "Kept");
    source.set("REPLAYGAIN_TRACK_GAIN", "-3.00 dB");
    source.set("WM/Mood", "Calm");
    source.set("WM/ToolName", "Some encoder");
    source.set("WM/EncodingSettings", "old settings");
    source.set("WMFSDKVersion", "12.0");
    const std::string src = taggedWma("source.wma", source);
    const MediaTags read = ReadSourceTags(src, FormatWma);
    EXPECT_EQ(read.first("MOOD"), "Calm");
    EXPECT_FALSE(read.find("WM/ToolName") || read.find("WM/EncodingSettings") ||
                 read.find("WMFSDKVersion"));

    settings.WMAID3TagOpt = kTagKeepSource;
    SilentProgress progress;
    ASSERT_EQ(ConvertWmaToWma(env(), src, out("plain.wma"), progress), 1);
    auto info = test::probeMedia(dir.file("plain.wma"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->tags["title"], "Kept");
    EXPECT_EQ(info->tags["REPLAYGAIN_TRACK_GAIN"], "-3.00 dB");
    EXPECT_EQ(info->tags.count("WM/ToolName"), 0u);
    EXPECT_EQ(info->tags.count("WMFSDKVersion"), 0u);
    EXPECT_EQ(info->tags.count("track"), 0u);

    settings.AmplifyWMA = 1;
    settings.AmplifyWMACoeff = 50;
    ASSERT_EQ(ConvertWmaToWma(env(), src, out("scaled.wma"), progress), 1);
    info = test::probeMedia(dir.file("scaled.wma"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->tags["title"], "Kept");
    EXPECT_EQ(info->tags.count("REPLAYGAIN_TRACK_GAIN"), 0u);
}

// Broken tags convert: frames that run past the tag, unknown text encodings, ten thousand
// frames, pictures that are no images or claim the wrong type. The audio converts, what can
// be read goes along, and nothing is said on the terminal.
TEST_F(TagCarry, BrokenTagsCostNoConversion) {
    auto frame = [](const std::string& id, const std::string& body, std::uint32_t size) {
        std::string f = id;
        for (int shift : {24, 16, 8, 0}) f += static_cast<char>((size >> shift) & 0xFF);
        return f + std::string(2, '\0') + body;
    };
    auto text = [&](const std::string& id, const std::string& body) {
        return frame(id, body, static_cast<std::uint32_t>(body.size()));
    };
    const std::vector<std::uint8_t> png = cover();
    std::string many;
    for (int i = 0; i < 10000; ++i) many += text("TXXX", std::string("\0k", 2) + std::to_string(i) + '\0' + "v");
    const struct {
        const char* name;
        std::string frames;
        const char* title;  // what is still read, or null
    } cases[] = {
        {"past-the-end", text("TIT2", std::string("\0Fine", 5)) + frame("TPE1", "\0x", 100000),
         "Fine"},
        {"unknown-encoding", text("TIT2", "\x07Odd") + text("TALB", std::string("\0Album", 6)),
         nullptr},
        {"many-frames", text("TIT2", std::string("\0Many", 5)) + many, "Many"},
        {"pictures",
         text("TIT2", std::string("\0Pics", 5)) +
             text("APIC", std::string("\0image/png\0\x03\0", 13) + "not an image at all") +
             text("APIC", std::string("\0image/jpeg\0\x03\0", 14) +
                              std::string(png.begin(), png.end())),
         "Pics"},
    };
    settings.WMAID3TagOpt = kTagKeepSource;
    for (const auto& c : cases) {
        const std::string mp3 = dir.file(std::string(c.name) + ".mp3");
        ASSERT_TRUE(test::makeTone(mp3, 44100, 1, 1,
                                   {"-c:a", "libmp3lame", "-map_metadata", "-1", "-write_id3v2",
                                    "0", "-write_xing", "0"}));
        const auto audio = test::readFile(mp3);
        std::string tag = "ID3";
        tag += std::string("\x03\0\0", 3);
        const auto size = static_cast<std::uint32_t>(c.frames.size());
        for (int shift : {21, 14, 7, 0}) tag += static_cast<char>((size >> shift) & 0x7F);
        tag += c.frames;
        std::vector<std::uint8_t> file(tag.begin(), tag.end());
        file.insert(file.end(), audio.begin(), audio.end());
        test::writeFile(mp3, file);

        SilentProgress progress;
        testing::internal::CaptureStderr();
        const int result = ConvertMp3ToWma(env(), mp3, out(std::string(c.name) + ".wma"), progress);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << c.name;
        ASSERT_EQ(result, 1) << c.name;
        auto info = test::probeMedia(dir.file(std::string(c.name) + ".wma"));
        ASSERT_TRUE(info) << c.name;
        EXPECT_NEAR(info->durationSeconds, 1.0, 0.2) << c.name;
        if (c.title) {
            EXPECT_EQ(info->tags["title"], c.title) << c.name;
        }
        if (std::string(c.name) == "pictures") {
            // The one image goes along, its type taken from its bytes.
            ASSERT_EQ(info->pictures.size(), 1u);
            EXPECT_EQ(info->pictures[0].bytes, png);
            EXPECT_EQ(ReadSourceTags(dir.file("pictures.wma"), FormatWma).pictures()[0].mimeType,
                      "image/png");
        }
    }
}

// Tags of other programs' files, in every ID3v2 version (unsynchronised, with extended
// headers, with empty frames) and in Windows Media attributes, read as FFmpeg reads them.
TEST(TagRead, CorpusTitlesAndArtistsAgreeWithFfmpeg) {
    TONVEXA_NEEDS_CORPUS();
    int compared = 0;
    for (const auto& row : test::corpusManifest()) {
        const std::string& file = row.at("file");
        const AudioFormatCode format = FormatCodeOfPath(file);
        if (format != FormatMp3 && format != FormatWma) continue;
        const std::string path = test::corpusFile(file);
        auto reference = test::probeMedia(path);
        if (!reference) continue;
        const MediaTags ours = ReadSourceTags(path, format);
        for (const auto& [field, key] : {std::pair{"TITLE", "title"}, std::pair{"ARTIST", "artist"}}) {
            const std::string theirs = reference->tags[key];
            // FFmpeg hands on ID3v1 bytes of unknown code pages as they are.
            if (theirs.empty() || !IsValidUtf8(theirs)) continue;
            EXPECT_EQ(ours.first(field), theirs) << file << " " << field;
            ++compared;
        }
    }
    EXPECT_GE(compared, 100) << compared;
}

// The --tags listing is a machine format: one line per value, newlines escaped.
TEST(TagListing, OneLinePerValueWithEscapes) {
    MediaTags tags;
    tags.set("TITLE", "a\nb\\c\rd");
    tags.set("ARTIST", std::vector<std::string>{"One", "Two"});
    const std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 0, 0};
    ASSERT_TRUE(tags.addPicture(0, "", gif));
    EXPECT_FALSE(tags.addPicture(3, "", {'n', 'o', 'p', 'e'}));
    EXPECT_EQ(TagListing(tags),
              "TITLE=a\\nb\\\\c\\rd\nARTIST=One\nARTIST=Two\nPICTURE type=0 mime=image/gif size=8\n");
}

}  // namespace
