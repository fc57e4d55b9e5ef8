#include <gtest/gtest.h>

#include "texts/ListRowTexts.h"
#include "texts/Texts.h"

using namespace tonvexa;

namespace {
FileEntry entry(AudioFormatCode code, std::uint32_t channels, std::uint32_t rate, int kbps,
                std::uint32_t frames) {
    FileEntry e;
    e.sourcePath = "/music/folder.d/Song.wav";
    e.formatCode = code;
    e.channels = channels;
    e.sampleRate = rate;
    e.bitRate = kbps;
    e.length = frames;
    return e;
}
}  // namespace

TEST(ListRowTexts, WavOfThreeMinutesTwentyFive) {
    auto e = entry(FormatWav, 2, 44100, 1411, 44100u * 205);
    const auto t = MakeListRowTexts(e);
    EXPECT_EQ(t.name, "Song.wav");
    EXPECT_EQ(t.length, "03:25");
    EXPECT_EQ(t.bitRate, "1411 kbps");
    EXPECT_EQ(t.freq, "44100 Hz");
    EXPECT_EQ(t.channels, "Stereo");
}

TEST(ListRowTexts, LengthsOfManyMinutesAndTruncatedSeconds) {
    auto longOne = entry(FormatWma, 1, 8000, 32, 8000u * (125 * 60 + 7));
    EXPECT_EQ(MakeListRowTexts(longOne).length, "125:07");
    auto almostMinute = entry(FormatWma, 1, 44100, 64, 44100u * 60 - 1);
    EXPECT_EQ(MakeListRowTexts(almostMinute).length, "00:59");
}

TEST(ListRowTexts, ChannelTexts) {
    auto mono = entry(FormatWma, 1, 44100, 64, 0);
    EXPECT_EQ(MakeListRowTexts(mono).channels, "Mono");
    auto none = entry(FormatWav, 0, 44100, 0, 0);
    EXPECT_EQ(MakeListRowTexts(none).channels, "Mono");
    auto six = entry(FormatWav, 6, 48000, 4608, 0);
    EXPECT_EQ(MakeListRowTexts(six).channels, "6");
    const char* modes[] = {"Stereo", "Joint Stereo", "Dual Channel", "Mono", ""};
    for (std::uint32_t m = 0; m < 5; ++m) {
        auto mp3 = entry(FormatMp3, m, 44100, 128, 0);
        EXPECT_EQ(MakeListRowTexts(mp3).channels, modes[m]) << m;
    }
}

TEST(ListRowTexts, ZeroSampleRateBecomesOneInTheEntry) {
    auto e = entry(FormatWav, 2, 0, 0, 125);
    const auto t = MakeListRowTexts(e);
    EXPECT_EQ(e.sampleRate, 1u);
    EXPECT_EQ(t.length, "02:05");
    EXPECT_EQ(t.freq, "1 Hz");
}

TEST(AddFailureReport, NamesTenThenMore) {
    AddFailureReport report;
    EXPECT_TRUE(report.empty());
    for (int i = 1; i <= 12; ++i) report.add("/bad/" + std::to_string(i) + ".wav");
    EXPECT_EQ(report.count(), 12);
    std::string expected = "Failed to load the following files.\n\n";
    for (int i = 1; i <= 10; ++i) expected += "/bad/" + std::to_string(i) + ".wav\n";
    expected += "<more files>...\n\nTo get help, please contact <support@tonvexa.example>.";
    EXPECT_EQ(LoadFailureMessage(report), expected);
    // The terminal's form: each path as it writes it.
    EXPECT_EQ(LoadFailureMessage(report, [](const std::string& p) { return "<" + p + ">"; })
                  .substr(37, 14),
              "</bad/1.wav>\n<");
}

// The English texts of the engine's values are the program's own, byte for byte; a path
// keeps its bytes in them.
TEST(StatusText, EveryOutcome) {
    EXPECT_EQ(StatusText({JobResult::Converted, "/out/caf\xE9.mp3"}), "caf\xE9.mp3");
    EXPECT_EQ(StatusText({JobResult::Failed, {}}), "Conversion Failure");
    EXPECT_EQ(StatusText({JobResult::Cancelled, {}}), "Cancelled");
    EXPECT_EQ(StatusText({JobResult::Skipped, {}}),
              "Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between "
              "WAV and MP3.");
    EXPECT_EQ(StatusText({JobResult::FolderNotCreated, "/out/caf\xE9/%2/"}),
              "Failed to create folder \"/out/caf\xE9/%2/\"");
    EXPECT_EQ(StatusText({JobResult::DestinationNotCreated, {}}), "Failed to create destination file");
    EXPECT_EQ(ConvertingText(), "Converting...");
    EXPECT_EQ(BatchLine(2, 7, FormatMp3), "Converting 2 of 7 file(s) to MP3...");
    EXPECT_EQ(BatchLine(1, 1, FormatWav), "Converting 1 of 1 file(s) to WAV...");
    EXPECT_EQ(BatchLine(10, 12, FormatWma), "Converting 10 of 12 file(s) to WMA...");
    EXPECT_EQ(FileLine("a b.wma", 7), "Converting a b.wma...7%");
    EXPECT_EQ(NoSelectionMessage(), "You should select a file at least.");
    EXPECT_EQ(EmptyListMessage(), "There aren't files in list.");
}
