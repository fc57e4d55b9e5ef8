#include <gtest/gtest.h>

#include "WmScriptedRuntime.h"
#include "wm/WmaFormatList.h"

using namespace tonvexa;
using tonvexa::test::FormatScript;
using tonvexa::test::ScriptedRuntime;

namespace {

FormatScript::Format Wma(std::uint32_t rate, std::uint32_t bitRate, std::uint16_t channels,
                         std::u16string description = u"Windows Media Audio") {
    return {description, bitRate, WMMEDIASUBTYPE_WMAudioV8, rate, channels};
}

struct Triple {
    std::uint32_t rate, bitRate, channels;
    friend bool operator==(const Triple&, const Triple&) = default;
};

std::vector<Triple> Triples(const WmaFormatList& list) {
    std::vector<Triple> t;
    for (const auto& e : list) t.push_back({e.sampleRate(), e.bitRate, e.channels()});
    return t;
}

void PrintTo(const Triple& t, std::ostream* os) {
    *os << "(" << t.rate << ", " << t.bitRate << ", " << t.channels << ")";
}

}  // namespace

TEST(BuildWmaFormatList, EqualRateAndBitRateGoesBeforeOtherChannelsAndDropsDuplicates) {
    ScriptedRuntime rt;
    rt.formats.codecs = {{Wma(44100, 128000, 2), Wma(44100, 128000, 1), Wma(44100, 128000, 1)}};
    WmaFormatList list;
    EXPECT_TRUE(BuildWmaFormatList(rt, list));
    EXPECT_EQ(Triples(list), (std::vector<Triple>{{44100, 128000, 1}, {44100, 128000, 2}}));
}

TEST(BuildWmaFormatList, SortsByRateThenBitRateAcrossCodecs) {
    ScriptedRuntime rt;
    rt.formats.codecs = {
        {Wma(48000, 128000, 2), Wma(22050, 32000, 1), Wma(44100, 192000, 2)},
        {Wma(44100, 64000, 2), Wma(8000, 24000, 2), Wma(44100, 192000, 1), Wma(44100, 192000, 2)},
    };
    WmaFormatList list;
    EXPECT_TRUE(BuildWmaFormatList(rt, list));
    // The later (44100, 192000, mono) goes before the stereo one; the second stereo one meets
    // the mono entry first and goes before it too, then the old stereo entry follows.
    EXPECT_EQ(Triples(list), (std::vector<Triple>{{8000, 24000, 2},
                                                  {22050, 32000, 1},
                                                  {44100, 64000, 2},
                                                  {44100, 192000, 2},
                                                  {44100, 192000, 1},
                                                  {44100, 192000, 2},
                                                  {48000, 128000, 2}}));
}

TEST(BuildWmaFormatList, KeepsOnlyWmaSubtypesUpToTwoChannels) {
    ScriptedRuntime rt;
    FormatScript::Format pro = Wma(44100, 96000, 2);
    pro.subtype = WMMEDIASUBTYPE_WMAudioV9;
    FormatScript::Format lossless = Wma(44100, 80000, 2);
    lossless.subtype = WMMEDIASUBTYPE_WMAudio_Lossless;
    FormatScript::Format voice = Wma(8000, 24000, 1);
    voice.subtype = WMMEDIASUBTYPE_WMSP1;
    rt.formats.codecs = {{pro, lossless, voice, Wma(48000, 256000, 6), Wma(48000, 128000, 2)}};
    WmaFormatList list;
    EXPECT_TRUE(BuildWmaFormatList(rt, list));
    EXPECT_EQ(Triples(list), (std::vector<Triple>{{44100, 96000, 2}, {48000, 128000, 2}}));
}

TEST(BuildWmaFormatList, SkipsAudioVideoFormatsWhateverTheirCase) {
    ScriptedRuntime rt;
    rt.formats.codecs = {{Wma(44100, 64000, 2, u"64 kbps, 44 kHz, stereo (A/V) CBR"),
                          Wma(44100, 96000, 2, u"96 kbps, 44 kHz, stereo (a/v) CBR"),
                          Wma(44100, 128000, 2, u"128 kbps, 44 kHz, stereo (A/v) CBR"),
                          Wma(44100, 160000, 2, u"160 kbps, 44 kHz, stereo A/V CBR")}};
    WmaFormatList list;
    EXPECT_TRUE(BuildWmaFormatList(rt, list));
    EXPECT_EQ(Triples(list), (std::vector<Triple>{{44100, 160000, 2}}));
}

TEST(BuildWmaFormatList, FailingFormatMovesOnToTheNextCodec) {
    ScriptedRuntime rt;
    FormatScript::Format bad = Wma(32000, 48000, 2);
    bad.descFails = true;
    FormatScript::Format noType = Wma(16000, 32000, 1);
    noType.mediaTypeFails = true;
    rt.formats.codecs = {{Wma(44100, 64000, 2), bad, Wma(44100, 96000, 2)},
                         {noType, Wma(16000, 48000, 1)},
                         {Wma(48000, 128000, 1)}};
    WmaFormatList list;
    BuildWmaFormatList(rt, list);
    EXPECT_EQ(Triples(list), (std::vector<Triple>{{44100, 64000, 2}, {48000, 128000, 1}}));
}

TEST(BuildWmaFormatList, FailingFormatCountEndsTheEnumeration) {
    ScriptedRuntime rt;
    rt.formats.codecs = {{Wma(44100, 64000, 2)}, {Wma(48000, 64000, 2)}, {Wma(8000, 24000, 1)}};
    rt.formats.formatCountFailsAt = 1;
    WmaFormatList list;
    list.push_back({AllocateMediaTypeBlock(0), 1});  // emptied first
    EXPECT_FALSE(BuildWmaFormatList(rt, list));
    EXPECT_EQ(Triples(list), (std::vector<Triple>{{44100, 64000, 2}}));
}

TEST(BuildWmaFormatList, NoProfileManagerGivesAnEmptyList) {
    ScriptedRuntime rt;
    rt.formats.managerFails = true;
    WmaFormatList list;
    list.push_back({AllocateMediaTypeBlock(0), 1});
    EXPECT_FALSE(BuildWmaFormatList(rt, list));
    EXPECT_TRUE(list.empty());
    const WM_MEDIA_TYPE* type = nullptr;
    std::uint32_t bitRate = 0;
    EXPECT_FALSE(FindWmaFormat(list, 44100, 128000, 2, &type, &bitRate));
}

struct FindCase {
    const char* name;
    std::uint32_t rate, bitRate, channels;
    bool found;
    std::uint32_t foundRate, foundBitRate;
};

class FindWmaFormatTable : public testing::TestWithParam<FindCase> {};

TEST_P(FindWmaFormatTable, PicksTheNearestEntry) {
    const FindCase& c = GetParam();
    ScriptedRuntime rt;
    rt.formats.codecs = {{Wma(44100, 96000, 2), Wma(44100, 128000, 2), Wma(48000, 128000, 2),
                          Wma(22050, 32000, 2), Wma(22050, 48000, 1)}};
    WmaFormatList list;
    ASSERT_TRUE(BuildWmaFormatList(rt, list));
    const WM_MEDIA_TYPE* type = nullptr;
    std::uint32_t bitRate = 0;
    ASSERT_EQ(FindWmaFormat(list, c.rate, c.bitRate, c.channels, &type, &bitRate), c.found);
    if (!c.found) return;
    ASSERT_NE(WaveFormatOf(type), nullptr);
    EXPECT_EQ(WaveFormatOf(type)->nSamplesPerSec, c.foundRate);
    EXPECT_EQ(WaveFormatOf(type)->nChannels, c.channels);
    EXPECT_EQ(bitRate, c.foundBitRate);
    // The entry's own block is handed out, not a copy.
    bool inList = false;
    for (const auto& e : list) inList |= e.mediaType.get() == type;
    EXPECT_TRUE(inList);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, FindWmaFormatTable,
    testing::Values(FindCase{"TieGoesUp", 44100, 112000, 2, true, 44100, 128000},
                    FindCase{"NearerBelow", 44100, 100000, 2, true, 44100, 96000},
                    FindCase{"NearerAbove", 44100, 120000, 2, true, 44100, 128000},
                    FindCase{"Exact", 44100, 96000, 2, true, 44100, 96000},
                    FindCase{"RateBetweenTakesNextRate", 32000, 64000, 2, true, 44100, 96000},
                    FindCase{"AboveEverything", 48000, 320000, 2, true, 48000, 128000},
                    FindCase{"BelowLowestAtRate", 44100, 20000, 2, true, 44100, 96000},
                    FindCase{"HighBitRateAtRateBeforeNextRate", 44100, 500000, 2, true, 44100,
                             128000},
                    FindCase{"BelowEverything", 8000, 8000, 2, true, 22050, 32000},
                    FindCase{"AboveAllRates", 96000, 128000, 2, true, 48000, 128000},
                    FindCase{"MonoOnlyAtOneRate", 44100, 128000, 1, true, 22050, 48000},
                    FindCase{"NoSuchChannelCount", 44100, 128000, 6, false, 0, 0}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(FindWmaFormat, OneChannelFindsNothingAmongStereoEntries) {
    ScriptedRuntime rt;
    rt.formats.codecs = {{Wma(44100, 96000, 2), Wma(44100, 128000, 2), Wma(48000, 128000, 2)}};
    WmaFormatList list;
    ASSERT_TRUE(BuildWmaFormatList(rt, list));
    const WM_MEDIA_TYPE* type = nullptr;
    std::uint32_t bitRate = 0;
    EXPECT_FALSE(FindWmaFormat(list, 44100, 128000, 1, &type, &bitRate));
    const auto shared = ShareWmaFormats(list);
    ASSERT_EQ(shared.size(), 3u);
    EXPECT_EQ(shared[2].mediaType, list[2].mediaType.get());
    EXPECT_EQ(shared[2].bitRate, 128000u);
}
