#include <gtest/gtest.h>

#include <vector>

#include "WmScriptedRuntime.h"
#include "wm/WmaReader.h"

using namespace tonvexa;
using tonvexa::test::ScriptedRuntime;

namespace {

struct Block {
    std::vector<std::int16_t> first = std::vector<std::int16_t>(kWmaReadBlockFrames, 0x5555);
    std::vector<std::int16_t> second = std::vector<std::int16_t>(kWmaReadBlockFrames, 0x5555);
};

}  // namespace

TEST(WmaReader, FirstSampleOf4096FramesIsSpreadOverFourCalls) {
    ScriptedRuntime rt;
    rt.reader.audioOnly(44100, 2);
    rt.reader.addFrames(4096, 2, 0);
    rt.reader.addFrames(600, 2, 4096);
    WmaReader reader(rt);
    ASSERT_TRUE(reader.Open("/music/a.wma"));
    EXPECT_EQ(rt.reader.openedPath, "/music/a.wma");
    Block b;
    bool end = false;
    EXPECT_EQ(reader.ReadFrames(b.first.data(), b.second.data(), end), 1152);
    EXPECT_EQ(rt.reader.nextSampleCalls, 1);
    EXPECT_EQ(b.first[0], 0);
    EXPECT_EQ(b.second[1151], -1151);
    EXPECT_EQ(reader.ReadFrames(b.first.data(), b.second.data(), end), 1152);
    EXPECT_EQ(reader.ReadFrames(b.first.data(), b.second.data(), end), 1152);
    EXPECT_EQ(rt.reader.nextSampleCalls, 1);  // served from the kept frames
    EXPECT_EQ(b.first[0], 2304);
    EXPECT_EQ(reader.ReadFrames(b.first.data(), b.second.data(), end), 1152);
    EXPECT_EQ(rt.reader.nextSampleCalls, 2);
    // 640 kept frames, then 512 of the next sample, without a seam.
    for (int i = 0; i < 1152; ++i) {
        ASSERT_EQ(b.first[static_cast<std::size_t>(i)], 3456 + i);
        ASSERT_EQ(b.second[static_cast<std::size_t>(i)], -(3456 + i));
    }
    EXPECT_FALSE(end);
    EXPECT_EQ(rt.reader.sampleStreams, (std::vector<std::uint16_t>{1, 1}));
}

TEST(WmaReader, EndOfStreamReturnsWhatIsLeftThenNothing) {
    ScriptedRuntime rt;
    rt.reader.audioOnly(22050, 1);
    rt.reader.addFrames(1000, 1, 0);
    WmaReader reader(rt);
    ASSERT_TRUE(reader.Open("x.wma"));
    Block b;
    bool end = false;
    EXPECT_EQ(reader.ReadFrames(b.first.data(), b.second.data(), end), 1000);
    EXPECT_TRUE(end);
    EXPECT_EQ(b.first[999], 999);
    EXPECT_EQ(b.second[0], 0x5555);  // a mono source never touches the second array
    end = false;
    EXPECT_EQ(reader.ReadFrames(b.first.data(), b.second.data(), end), 0);
    EXPECT_TRUE(end);
    EXPECT_FALSE(reader.ReadFailed());
}

// A runtime failure other than the end of the samples (a read of the file that failed) is
// no end of the stream: the reader raises its failure instead and asks for nothing more.
TEST(WmaReader, AFailedReadIsNoEndOfStream) {
    for (const bool raw : {false, true}) {
        ScriptedRuntime rt;
        rt.reader.audioOnly(44100, 2);
        rt.reader.addFrames(1000, 2, 0);
        rt.reader.afterSamples = NS_E_FILE_READ;
        WmaReader reader(rt);
        ASSERT_TRUE(reader.Open("x.wma"));
        Block b;
        bool end = false;
        WmSampleBufferPtr buffer;
        std::uint64_t time = 0;
        if (raw) {
            EXPECT_EQ(reader.ReadRawSample(&buffer, &time, end), 1000u);
            buffer.reset();
            EXPECT_EQ(reader.ReadRawSample(&buffer, &time, end), 0u);
            EXPECT_FALSE(buffer);
        } else {
            EXPECT_EQ(reader.ReadFrames(b.first.data(), b.second.data(), end), 1000);
        }
        EXPECT_FALSE(end);
        EXPECT_TRUE(reader.ReadFailed());
        const int calls = rt.reader.nextSampleCalls;
        EXPECT_EQ(reader.ReadFrames(b.first.data(), b.second.data(), end), 0);
        EXPECT_EQ(reader.ReadRawSample(&buffer, &time, end), 0u);
        EXPECT_EQ(rt.reader.nextSampleCalls, calls);
        EXPECT_FALSE(end);
    }
}

TEST(WmaReader, TrailingPartialFrameIsDropped) {
    ScriptedRuntime rt;
    rt.reader.audioOnly(8000, 1);
    std::vector<std::uint8_t> odd(1001, 0);
    odd[998] = 7;
    odd[1000] = 9;
    rt.reader.samples.push_back(odd);
    WmaReader reader(rt);
    ASSERT_TRUE(reader.Open("x.wma"));
    Block b;
    bool end = false;
    EXPECT_EQ(reader.ReadFrames(b.first.data(), b.second.data(), end), 500);
    EXPECT_EQ(b.first[499], 7);
    EXPECT_TRUE(end);
}

TEST(WmaReader, AttributesAreFetchedInOrderAndAbsentOnesAreEmpty) {
    ScriptedRuntime rt;
    rt.reader.audioOnly(44100, 2);
    WmaReader reader(rt);
    ASSERT_TRUE(reader.Open("x.wma"));
    const std::vector<std::u16string> order = {
        u"Title",          u"Author",  u"Description", u"WM/AlbumTitle", u"WM/Genre",
        u"WM/TrackNumber", u"WM/Year", u"Copyright",   u"Duration",      u"Bitrate"};
    EXPECT_EQ(rt.reader.attributeNames, order);
    EXPECT_EQ(reader.Title(), "");
    EXPECT_EQ(reader.Copyright(), "");
    EXPECT_EQ(reader.TrackNumber(), 0);
    EXPECT_EQ(reader.Duration(), 0u);
    EXPECT_EQ(reader.BitRate(), 0);
}

TEST(WmaReader, TextsDurationAndBitRate) {
    ScriptedRuntime rt;
    rt.reader.audioOnly(44100, 2);
    rt.reader.setText(u"Title", u"Se\u00f1or \u00c5");
    rt.reader.setText(u"Author", u"Artist");
    rt.reader.setText(u"Description", u"Notes");
    rt.reader.setText(u"WM/AlbumTitle", u"Album");
    rt.reader.setText(u"WM/Genre", u"Jazz");
    rt.reader.setText(u"WM/Year", u"1999");
    rt.reader.setText(u"Copyright", u"(c) me");
    rt.reader.setQword(u"Duration", 59'999'999);
    rt.reader.setDword(u"Bitrate", 128016);
    WmaReader reader(rt);
    ASSERT_TRUE(reader.Open("x.wma"));
    EXPECT_EQ(reader.Title(), "Se\xc3\xb1or \xc3\x85");
    EXPECT_EQ(reader.Author(), "Artist");
    EXPECT_EQ(reader.Description(), "Notes");
    EXPECT_EQ(reader.Album(), "Album");
    EXPECT_EQ(reader.Genre(), "Jazz");
    EXPECT_EQ(reader.Year(), "1999");
    EXPECT_EQ(reader.Copyright(), "(c) me");
    EXPECT_EQ(reader.Duration(), 5u);
    EXPECT_EQ(reader.BitRate(), 128016);
}

struct TrackCase {
    const char* name;
    int kind;  // 0 text, 1 dword, 2 qword, 3 binary
    std::u16string text;
    std::uint32_t number;
    std::int32_t expected;
};

class WmaReaderTrack : public testing::TestWithParam<TrackCase> {};

TEST_P(WmaReaderTrack, NumberFollowsTheStoredType) {
    const TrackCase& c = GetParam();
    ScriptedRuntime rt;
    rt.reader.audioOnly(44100, 2);
    switch (c.kind) {
        case 0:
            rt.reader.setText(u"WM/TrackNumber", c.text);
            break;
        case 1:
            rt.reader.setDword(u"WM/TrackNumber", c.number);
            break;
        case 2:
            rt.reader.setQword(u"WM/TrackNumber", c.number);
            break;
        default:
            rt.reader.attributes[u"WM/TrackNumber"] = {WMT_TYPE_BINARY, {3, 0, 0, 0}};
    }
    WmaReader reader(rt);
    ASSERT_TRUE(reader.Open("x.wma"));
    EXPECT_EQ(reader.TrackNumber(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Types, WmaReaderTrack,
                         testing::Values(TrackCase{"Text12", 0, u"12", 0, 12},
                                         TrackCase{"Dword3", 1, u"", 3, 3},
                                         TrackCase{"Qword", 2, u"", 3, 0},
                                         TrackCase{"Binary", 3, u"", 0, 0},
                                         TrackCase{"OfTotal", 0, u"7/12", 0, 7},
                                         TrackCase{"BlanksAndSign", 0, u"  -4x", 0, -4},
                                         TrackCase{"NoDigits", 0, u"A3", 0, 0},
                                         // Only the first 19 bytes of the text are looked at.
                                         TrackCase{"LongText", 0, u"0000000000000000000123", 0, 0},
                                         TrackCase{"Overflow", 0, u"99999999999", 0, 2147483647}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(WmaReader, AttributeErrorOtherThanNotFoundFailsOpen) {
    ScriptedRuntime rt;
    rt.reader.audioOnly(44100, 2);
    rt.reader.attributeErrors[u"WM/Year"] = WM_E_FAIL;
    WmaReader reader(rt);
    EXPECT_FALSE(reader.Open("x.wma"));
}

TEST(WmaReader, VideoOnlyFileFailsToOpen) {
    ScriptedRuntime rt;
    rt.reader.streams = {{1, WMMEDIATYPE_Video}};
    WmaReader reader(rt);
    EXPECT_FALSE(reader.Open("x.wmv"));
}

TEST(WmaReader, AudioStreamAfterVideoGivesItsNumberAndFormat) {
    ScriptedRuntime rt;
    rt.reader.streams = {{1, WMMEDIATYPE_Video}, {2, WMMEDIATYPE_Audio}};
    MediaTypeBlock video = AllocateMediaTypeBlock(0);
    video->majortype = WMMEDIATYPE_Video;
    rt.reader.outputs.push_back(std::move(video));
    rt.reader.outputs.push_back(tonvexa::test::MakeAudioType(WMMEDIASUBTYPE_PCM, WAVE_FORMAT_PCM,
                                                             32000, 2, {1, 2, 3, 4, 5, 6}));
    rt.reader.addFrames(10, 2, 0);
    WmaReader reader(rt);
    ASSERT_TRUE(reader.Open("x.wmv"));
    EXPECT_EQ(reader.AudioStreamNumber(), 2);
    EXPECT_EQ(reader.SampleRate(), 32000);
    EXPECT_EQ(reader.Channels(), 2);
    // The format block is copied as long as the runtime reports it, codec data included.
    ASSERT_EQ(reader.SourceFormatBlock().size(), 24u);
    EXPECT_EQ(reader.SourceFormatBlock()[23], 6);
    Block b;
    bool end = false;
    EXPECT_EQ(reader.ReadFrames(b.first.data(), b.second.data(), end), 10);
    EXPECT_EQ(rt.reader.sampleStreams.front(), 2);
}

TEST(WmaReader, NoAudioOutputFailsOpen) {
    ScriptedRuntime rt;
    rt.reader.streams = {{1, WMMEDIATYPE_Audio}};
    WmaReader reader(rt);
    EXPECT_FALSE(reader.Open("x.wma"));
}

TEST(WmaReader, RefusedRuntimeOrFailedOpen) {
    ScriptedRuntime refusing;
    refusing.refuseReader = true;
    WmaReader a(refusing);
    EXPECT_FALSE(a.Open("x.wma"));
    bool end = false;
    Block b;
    EXPECT_EQ(a.ReadFrames(b.first.data(), b.second.data(), end), 0);
    EXPECT_TRUE(end);
    a.Close();

    ScriptedRuntime failing;
    failing.reader.audioOnly(44100, 2);
    failing.reader.openResult = NS_E_INVALID_INPUT_FORMAT;
    WmaReader c(failing);
    EXPECT_FALSE(c.Open("x.wma"));
    EXPECT_TRUE(failing.reader.attributeNames.empty());
}

TEST(WmaReader, RawSamplesBypassTheBlockBuffer) {
    ScriptedRuntime rt;
    rt.reader.audioOnly(44100, 2);
    rt.reader.sampleStep = 261224;
    rt.reader.addFrames(1200, 2, 0);
    rt.reader.addFrames(300, 2, 5000);
    WmaReader reader(rt);
    ASSERT_TRUE(reader.Open("x.wma"));
    Block b;
    bool end = false;
    ASSERT_EQ(reader.ReadFrames(b.first.data(), b.second.data(), end), 1152);  // keeps 48
    WmSampleBufferPtr raw;
    std::uint64_t time = 0;
    EXPECT_EQ(reader.ReadRawSample(&raw, &time, end), 300u);
    ASSERT_TRUE(raw);
    EXPECT_EQ(time, 2u * 261224);
    std::uint8_t* bytes = nullptr;
    std::uint32_t length = 0;
    ASSERT_FALSE(WmFailed(raw->GetBufferAndLength(&bytes, &length)));
    EXPECT_EQ(length, 1200u);
    EXPECT_EQ(reinterpret_cast<std::int16_t*>(bytes)[0], 5000);
    // The 48 frames kept from the block read are still there.
    EXPECT_EQ(reader.ReadFrames(b.first.data(), b.second.data(), end), 48);
    EXPECT_EQ(b.first[0], 1152);
    EXPECT_TRUE(end);
    raw.reset();
    EXPECT_EQ(reader.ReadRawSample(&raw, &time, end), 0u);
    EXPECT_FALSE(raw);
}

TEST(WmaReader, CloseClosesOnceAndDestroyDoesNotClose) {
    ScriptedRuntime rt;
    rt.reader.audioOnly(44100, 2);
    {
        WmaReader reader(rt);
        ASSERT_TRUE(reader.Open("x.wma"));
    }
    EXPECT_EQ(rt.reader.closes, 0);
    WmaReader reader(rt);
    ASSERT_TRUE(reader.Open("x.wma"));
    reader.Close();
    reader.Close();
    EXPECT_EQ(rt.reader.closes, 1);
}

TEST(LeadingInteger, ParsesLikeTheCRuntime) {
    EXPECT_EQ(LeadingInteger("42abc"), 42);
    EXPECT_EQ(LeadingInteger(" +8"), 8);
    EXPECT_EQ(LeadingInteger("-"), 0);
    EXPECT_EQ(LeadingInteger(""), 0);
    EXPECT_EQ(LeadingInteger("-99999999999"), -2147483647 - 1);
}
