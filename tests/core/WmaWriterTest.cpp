#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "WmScriptedRuntime.h"
#include "base/PcmFormat.h"
#include "support/TestSupport.h"
#include "wm/WmaWriter.h"

using namespace tonvexa;
using tonvexa::test::MakeAudioType;
using tonvexa::test::ScriptedRuntime;

namespace {

std::vector<std::uint8_t> Utf16Bytes(const std::u16string& s, bool withNull) {
    std::vector<std::uint8_t> b;
    for (char16_t c : s) {
        b.push_back(static_cast<std::uint8_t>(c));
        b.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    if (withNull) b.insert(b.end(), {0, 0});
    return b;
}

struct Fixture {
    test::TempDir dir;
    ScriptedRuntime rt;
    MediaTypeBlock target = MakeAudioType(WMMEDIASUBTYPE_WMAudioV8, 0x0161, 44100, 2, {9, 8});
    WmaWriter writer{rt};

    void configure(int rate = 44100, int bits = 16, int channels = 2) {
        writer.SetOutputFile(dir.file("song.wma"));
        writer.SetPcmInput(rate, bits, channels);
        writer.SetTargetFormat(target.get(), 128000);
    }
};

}  // namespace

TEST(WmaWriter, BeginBuildsTheOneStreamProfile) {
    Fixture f;
    f.configure();
    ASSERT_TRUE(f.writer.Begin());
    const auto& s = f.rt.writer;
    ASSERT_EQ(f.rt.profiles.versions, std::vector<WMT_VERSION>{WMT_VER_9_0});
    EXPECT_EQ(s.profileStreams, 1u);
    ASSERT_TRUE(s.profileStream);
    EXPECT_EQ(s.profileStream->streamName(), u"audio stream");
    EXPECT_EQ(s.profileStream->connectionName(), u"audio");
    EXPECT_EQ(s.profileStream->streamNumber(), 1);
    EXPECT_EQ(s.profileStream->bitRate(), 128000u);
    EXPECT_EQ(s.profileStream->bufferWindow(), 3000u);
    const WM_MEDIA_TYPE* type = s.profileStream->mediaType();
    ASSERT_NE(type, nullptr);
    EXPECT_TRUE(type->subtype == WMMEDIASUBTYPE_WMAudioV8);
    ASSERT_EQ(type->cbFormat, 20u);
    EXPECT_EQ(type->pbFormat[19], 8);
    ASSERT_NE(s.file, nullptr);
    EXPECT_TRUE(s.file->IsOpen());
    EXPECT_TRUE(s.began);
    EXPECT_EQ(f.writer.NextSampleTime(), 0u);
}

TEST(WmaWriter, InputTypeIsPcmOfTheGivenFormat) {
    Fixture f;
    f.rt.writer.inputs = {WMMEDIATYPE_Video, WMMEDIATYPE_Audio, WMMEDIATYPE_Audio};
    f.configure(22050, 8, 1);
    ASSERT_TRUE(f.writer.Begin());
    const auto& s = f.rt.writer;
    ASSERT_TRUE(s.inputSet);
    EXPECT_EQ(*s.inputSet, 1u);
    ASSERT_TRUE(s.inputType);
    EXPECT_TRUE(s.inputType->majortype == WMMEDIATYPE_Audio);
    EXPECT_TRUE(s.inputType->subtype == WMMEDIASUBTYPE_PCM);
    EXPECT_TRUE(s.inputType->formattype == WMFORMAT_WaveFormatEx);
    EXPECT_TRUE(s.inputType->bFixedSizeSamples);
    EXPECT_FALSE(s.inputType->bTemporalCompression);
    EXPECT_EQ(s.inputType->lSampleSize, 1u);
    EXPECT_EQ(s.inputType->pUnk, nullptr);
    const std::vector<std::uint8_t> expected = {1,    0, 1, 0, 0x22, 0x56, 0, 0, 0x22,
                                                0x56, 0, 0, 1, 0,    8,    0, 0, 0};
    EXPECT_EQ(s.inputFormat, expected);
}

TEST(WmaWriter, NoAudioInputFallsBackToInputZero) {
    Fixture f;
    f.rt.writer.inputs = {WMMEDIATYPE_Video, WMMEDIATYPE_Script};
    f.configure();
    ASSERT_TRUE(f.writer.Begin());
    EXPECT_EQ(*f.rt.writer.inputSet, 0u);
}

TEST(WmaWriter, AttributesInOrderWithTheirLengths) {
    Fixture f;
    f.configure();
    WmaTags tags;
    tags.title = "T\xc3\xa9";
    tags.album = "Al";
    tags.author = "Au";
    tags.genre = "Rock";
    tags.year = "2001";
    tags.description = "Desc";
    tags.trackNumber = 0x01020304;
    f.writer.SetTags(tags);
    ASSERT_TRUE(f.writer.Begin());
    const auto& a = f.rt.writer.attributes;
    ASSERT_EQ(a.size(), 7u);
    const std::vector<std::u16string> names = {u"Title",         u"Author",   u"Description",
                                               u"WM/AlbumTitle", u"WM/Genre", u"WM/TrackNumber",
                                               u"WM/Year"};
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].name, names[i]);
        EXPECT_EQ(a[i].stream, 0);
        EXPECT_EQ(a[i].language, 0);
    }
    // Only the title counts its terminating null.
    EXPECT_EQ(a[0].bytes, Utf16Bytes(u"T\u00e9", true));
    EXPECT_EQ(a[1].bytes, Utf16Bytes(u"Au", false));
    EXPECT_EQ(a[2].bytes, Utf16Bytes(u"Desc", false));
    EXPECT_EQ(a[3].bytes, Utf16Bytes(u"Al", false));
    EXPECT_EQ(a[4].bytes, Utf16Bytes(u"Rock", false));
    EXPECT_EQ(a[5].type, WMT_TYPE_DWORD);
    EXPECT_EQ(a[5].bytes, (std::vector<std::uint8_t>{4, 3, 2, 1}));
    EXPECT_EQ(a[6].bytes, Utf16Bytes(u"2001", false));
    for (std::size_t i : {0u, 1u, 2u, 3u, 4u, 6u}) EXPECT_EQ(a[i].type, WMT_TYPE_STRING);
}

TEST(WmaWriter, WithoutTagsOnlyTheTrackNumberZeroIsStored) {
    Fixture f;
    f.configure();
    WmaTags some;
    some.genre = "";  // present though empty
    f.writer.SetTags(some);
    ASSERT_TRUE(f.writer.Begin());
    const auto& a = f.rt.writer.attributes;
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].name, u"WM/Genre");
    EXPECT_TRUE(a[0].bytes.empty());
    EXPECT_EQ(a[1].name, u"WM/TrackNumber");
    EXPECT_EQ(a[1].bytes, (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST(WmaWriter, TimeAdvancesByEachBlockTruncated) {
    Fixture f;
    f.configure();
    ASSERT_TRUE(f.writer.Begin());
    std::vector<std::int16_t> a(1152), b(1152);
    for (int i = 0; i < 1152; ++i) {
        a[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i);
        b[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(-i - 1);
    }
    EXPECT_TRUE(f.writer.WriteFrames16(a.data(), b.data(), 1152));
    EXPECT_EQ(f.writer.NextSampleTime(), 261224u);
    EXPECT_TRUE(f.writer.WriteFrames16(a.data(), b.data(), 1152));
    // No remainder is carried: 2 x 261224, not trunc(2304 x 10^7 / 44100) = 522448.97...
    EXPECT_EQ(f.writer.NextSampleTime(), 522448u);
    const auto& w = f.rt.writer.written;
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0].time, 0u);
    EXPECT_EQ(w[1].time, 261224u);
    EXPECT_EQ(w[0].flags, 0u);
    EXPECT_EQ(w[0].input, 0u);
    ASSERT_EQ(w[0].bytes.size(), 1152u * 4);
    const auto* v = reinterpret_cast<const std::int16_t*>(w[0].bytes.data());
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[1], -1);
    EXPECT_EQ(v[2302], 1151);
    EXPECT_EQ(v[2303], -1152);
}

TEST(WmaWriter, MonoAndEightBitBlocks) {
    Fixture f;
    f.configure(8000, 8, 2);
    ASSERT_TRUE(f.writer.Begin());
    const std::uint8_t a[3] = {1, 2, 3}, b[3] = {200, 201, 202};
    EXPECT_TRUE(f.writer.WriteFrames8(a, b, 3));
    EXPECT_EQ(f.rt.writer.written.back().bytes,
              (std::vector<std::uint8_t>{1, 200, 2, 201, 3, 202}));
    EXPECT_EQ(f.writer.NextSampleTime(), 3750u);

    Fixture m;
    m.configure(44100, 16, 1);
    ASSERT_TRUE(m.writer.Begin());
    const std::int16_t mono[2] = {0x1234, -2};
    EXPECT_TRUE(m.writer.WriteFrames16(mono, nullptr, 2));
    EXPECT_EQ(m.rt.writer.written.back().bytes,
              (std::vector<std::uint8_t>{0x34, 0x12, 0xFE, 0xFF}));
}

TEST(WmaWriter, FailedAllocationWritesNothingAndKeepsTheTime) {
    Fixture f;
    f.configure();
    ASSERT_TRUE(f.writer.Begin());
    f.rt.writer.allocationFails = true;
    std::vector<std::int16_t> a(100), b(100);
    EXPECT_FALSE(f.writer.WriteFrames16(a.data(), b.data(), 100));
    EXPECT_TRUE(f.rt.writer.written.empty());
    EXPECT_EQ(f.writer.NextSampleTime(), 0u);
    // A block whose byte count would wrap a 32-bit length is refused before any allocation.
    f.rt.writer.allocationFails = false;
    EXPECT_FALSE(f.writer.WriteFrames16(a.data(), b.data(), 0x40000000u));
    EXPECT_TRUE(f.rt.writer.written.empty());
}

TEST(WmaWriter, RefusedWriteStillMovesTheTime) {
    Fixture f;
    f.configure();
    ASSERT_TRUE(f.writer.Begin());
    f.rt.writer.writeFails = true;
    std::vector<std::int16_t> a(441), b(441);
    EXPECT_FALSE(f.writer.WriteFrames16(a.data(), b.data(), 441));
    EXPECT_EQ(f.writer.NextSampleTime(), 100000u);
}

TEST(WmaWriter, RawSampleKeepsItsOwnTime) {
    Fixture f;
    f.configure();
    ASSERT_TRUE(f.writer.Begin());
    WmHeapSampleBuffer buffer(8);
    ASSERT_EQ(buffer.SetLength(8), WM_S_OK);
    EXPECT_TRUE(f.writer.WriteRawSample(buffer, 987654321));
    ASSERT_EQ(f.rt.writer.written.size(), 1u);
    EXPECT_EQ(f.rt.writer.written[0].time, 987654321u);
    EXPECT_EQ(f.rt.writer.written[0].bytes.size(), 8u);
    EXPECT_EQ(f.writer.NextSampleTime(), 0u);
}

TEST(WmaWriter, BeginFailsWithoutTargetOrBitRateAndForgetsEverything) {
    Fixture f;
    f.writer.SetOutputFile(f.dir.file("a.wma"));
    f.writer.SetPcmInput(44100, 16, 2);
    WmaTags tags;
    tags.title = "Kept?";
    f.writer.SetTags(tags);
    f.writer.SetTargetFormat(f.target.get(), 0);
    EXPECT_FALSE(f.writer.Begin());
    EXPECT_FALSE(f.writer.IsWriting());
    EXPECT_FALSE(f.rt.writer.began);
    // A retry with only a format and a path: the tags of the failed attempt are gone.
    f.writer.SetOutputFile(f.dir.file("b.wma"));
    f.writer.SetPcmInput(44100, 16, 2);
    f.writer.SetTargetFormat(f.target.get(), 128000);
    ASSERT_TRUE(f.writer.Begin());
    ASSERT_EQ(f.rt.writer.attributes.size(), 1u);
    EXPECT_EQ(f.rt.writer.attributes[0].name, u"WM/TrackNumber");

    Fixture g;
    g.writer.SetOutputFile(g.dir.file("a.wma"));
    g.writer.SetPcmInput(44100, 16, 2);
    EXPECT_FALSE(g.writer.Begin());
    EXPECT_FALSE(g.rt.writer.profileStream);
}

TEST(WmaWriter, FailedBeginWritingResetsTheWriter) {
    Fixture f;
    f.configure();
    f.rt.writer.beginFails = true;
    EXPECT_FALSE(f.writer.Begin());
    EXPECT_FALSE(f.writer.IsWriting());
    std::int16_t a[1] = {0};
    EXPECT_FALSE(f.writer.WriteFrames16(a, a, 1));
}

TEST(WmaWriter, EndFinishesAndResets) {
    Fixture f;
    f.configure();
    ASSERT_TRUE(f.writer.Begin());
    std::int16_t a[4] = {}, b[4] = {};
    EXPECT_TRUE(f.writer.WriteFrames16(a, b, 4));
    EXPECT_FALSE(std::filesystem::exists(f.dir.file("song.wma"))) << "no name before the end";
    EXPECT_TRUE(f.writer.End());
    EXPECT_TRUE(std::filesystem::exists(f.dir.file("song.wma")));
    EXPECT_EQ(f.rt.writer.ends, 1);
    EXPECT_FALSE(f.writer.IsWriting());
    EXPECT_EQ(f.writer.NextSampleTime(), 0u);
    EXPECT_FALSE(f.writer.WriteFrames16(a, b, 4));
    EXPECT_TRUE(f.writer.End()) << "nothing left to finish";
    EXPECT_EQ(f.rt.writer.ends, 1);
}

// The file takes its name at the end only if nothing has taken it meanwhile; a file the
// caller owns is the caller's to name.
TEST(WmaWriter, EndNeverReplacesAndLeavesTheCallersFileUnnamed) {
    Fixture f;
    f.configure();
    ASSERT_TRUE(f.writer.Begin());
    test::writeFile(f.dir.file("song.wma"), std::string("meanwhile"));
    EXPECT_FALSE(f.writer.End());
    EXPECT_EQ(test::readFile(f.dir.file("song.wma")).size(), 9u);

    Fixture g;
    AtomicOutput file;
    ASSERT_TRUE(file.Create(g.dir.file("own.wma")));
    g.writer.SetOutputFile(file);
    g.writer.SetPcmInput(44100, 16, 2);
    g.writer.SetTargetFormat(g.target.get(), 128000);
    ASSERT_TRUE(g.writer.Begin());
    EXPECT_EQ(g.rt.writer.file, &file);
    EXPECT_TRUE(g.writer.End());
    EXPECT_TRUE(std::filesystem::is_empty(g.dir.path()));
    EXPECT_EQ(file.CommitAs(g.dir.file("own.wma")), AtomicOutput::Commit::Named);
}

// An input the runtime cannot take, such as a rate read from a damaged WAV header, is
// refused before any of its byte-rate arithmetic.
TEST(WmaWriter, InputFormatsNoAudioHasFailBegin) {
    const struct {
        int rate, bits, channels;
    } refused[] = {{536918912, 16, 2}, {0, 16, 2}, {-44100, 16, 2}, {44100, 24, 2}, {44100, 16, 3}};
    for (const auto& r : refused) {
        Fixture f;
        f.configure(r.rate, r.bits, r.channels);
        EXPECT_FALSE(f.writer.Begin()) << r.rate << " " << r.bits << " " << r.channels;
        EXPECT_FALSE(f.rt.writer.inputSet);
    }
    Fixture f;
    f.configure(kMaxSampleRate, 8, 1);
    EXPECT_TRUE(f.writer.Begin());
}
