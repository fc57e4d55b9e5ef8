// MPEG Layer 3 data inside WAV files (format 85): the WAV reader hands its own stream,
// positioned at the data, to the MP3 reader.

#include <gtest/gtest.h>

#include <cstring>
#include <regex>

#include "WavTestUtil.h"
#include "audio/Mp3Reader.h"
#include "audio/WavReader.h"
#include "base/PathUtil.h"
#include "support/Mp3TestSupport.h"
#include "support/TestSupport.h"

using namespace tonvexa;
using namespace tonvexa::test;

namespace {

// The body of the first "data" chunk, walked here independently of the reader.
std::vector<std::uint8_t> DataBody(const std::vector<std::uint8_t>& file) {
    std::size_t p = 12;
    while (p + 8 <= file.size()) {
        const std::uint32_t size = file[p + 4] | (file[p + 5] << 8) | (file[p + 6] << 16) |
                                   (std::uint32_t{file[p + 7]} << 24);
        if (std::memcmp(&file[p], "data", 4) == 0)
            return {file.begin() + static_cast<long>(p + 8), file.end()};
        p += 8 + size;
    }
    return {};
}

std::vector<std::string> CorpusMpegLayer3Files() {
    if (!corpusFound()) return {kNoCorpus};
    std::vector<std::string> files;
    for (const auto& row : corpusManifest())
        if (row.at("wav_format_tag").rfind("0x0055", 0) == 0) files.push_back(row.at("file"));
    return files;
}

class WavMpegLayer3Corpus : public ::testing::TestWithParam<std::string> {};

TEST_P(WavMpegLayer3Corpus, DecodesAsTheMp3ReaderAndFfmpegDecodeTheData) {
    TONVEXA_NEEDS_CORPUS();
    const std::string path = corpusFile(GetParam());
    const auto row = corpusRow(GetParam());
    ASSERT_TRUE(row.has_value());
    const auto file = readFile(path);
    const auto data = DataBody(file);

    WavReader reader;
    const bool opened = reader.Open(path);
    if (row->at("structure").find("data(0)") != std::string::npos) {
        EXPECT_FALSE(opened) << "a data chunk without frames";
        return;
    }
    ASSERT_TRUE(opened);
    EXPECT_EQ(reader.format().formatTag, 85);
    EXPECT_EQ(std::to_string(reader.format().samplesPerSec), row->at("sample_rate"));
    EXPECT_EQ(std::to_string(reader.outputChannels()), row->at("channels"));
    EXPECT_EQ(reader.outputBits(), 16);
    reader.Close();

    const auto size = GetExistingFileSize(path);
    ASSERT_TRUE(size.has_value());
    const ReadResult ours = ReadWholeFile(path, *size + 2);
    ASSERT_TRUE(ours.prepared);
    ASSERT_TRUE(ours.endedInTime);
    EXPECT_TRUE(ours.endFlag);
    EXPECT_FALSE(ours.readFailed);
    ASSERT_GT(ours.frames, 0);

    // The same bytes as a plain MP3 file through the MP3 reader: identical samples.
    TempDir dir;
    const std::string mp3 = dir.file("data.mp3");
    writeFile(mp3, data);
    const auto plain = DecodeFile(mp3);
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(ours.samples16, plain->samples);

    // And FFmpeg's decoder of the WAV file, within the decoders' rounding.
    const auto theirs = FfmpegDecodeUntrimmed(path);
    ASSERT_TRUE(theirs.has_value());
    ASSERT_EQ(ours.samples16.size(), theirs->size());
    EXPECT_LE(MaxAbsDiff(ours.samples16, *theirs), 2);
}

INSTANTIATE_TEST_SUITE_P(Corpus, WavMpegLayer3Corpus, ::testing::ValuesIn(CorpusMpegLayer3Files()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             std::string name;
                             for (char ch : param.param)
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

TEST(WavMpegLayer3, FfmpegWrittenFileDecodesOneMpegFramePerReadToTheEnd) {
    TempDir dir;
    const std::string path = dir.file("mp3.wav");
    ASSERT_TRUE(
        ffmpeg({"-f", "lavfi", "-i", "aevalsrc=0.5*sin(2*PI*440*t)|0.3*sin(2*PI*660*t):s=22050:d=1",
                "-c:a", "libmp3lame", "-b:a", "64k", "-f", "wav", path}));
    WavReader reader;
    ASSERT_TRUE(reader.Open(path));
    EXPECT_EQ(reader.format().samplesPerSec, 22050u);
    EXPECT_EQ(reader.outputChannels(), 2);
    EXPECT_GT(reader.totalFrames(), 0);
    ASSERT_TRUE(reader.PrepareDecoding());
    std::int16_t left[WavReader::kMaxBlockFrames], right[WavReader::kMaxBlockFrames];
    int frames = 0;
    bool end = false;
    ASSERT_TRUE(reader.Read(left, right, frames, end));
    EXPECT_EQ(frames, 576);  // one MPEG-2 frame per call
    reader.Close();

    const auto ours = ReadWholeFile(path, 100000);
    const auto theirs = FfmpegDecodeUntrimmed(path);
    ASSERT_TRUE(theirs.has_value());
    ASSERT_EQ(ours.samples16.size(), theirs->size());
    EXPECT_LE(MaxAbsDiff(ours.samples16, *theirs), 2);
}

TEST(WavMpegLayer3, DataWithoutAFrameIsRefused) {
    TempDir dir;
    std::vector<std::uint8_t> ext;
    PutLe16(ext, 12);
    ext.insert(ext.end(), 12, 0);
    const auto bytes = WavBuilder()
                           .Format(85, 2, 44100, 1152, 0, ext)
                           .Data(std::vector<std::uint8_t>(3000, 0x11))
                           .Bytes();
    writeFile(dir.file("junk.wav"), bytes);
    WavReader reader;
    EXPECT_FALSE(reader.Open(dir.file("junk.wav")));
}

}  // namespace
