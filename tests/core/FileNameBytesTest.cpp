// Every name the file system allows: names that are not UTF-8 (Latin-1 from old Windows
// disks), names at the length limit, a newline, a leading dash. Each is found in folder
// order, converted, and its output named after its own bytes, by the engine and by
// tonvexa-convert.

#include <gtest/gtest.h>

#include <QUrl>

#include <filesystem>
#include <string>
#include <vector>

#include "base/PathUtil.h"
#include "engine/BatchDriver.h"
#include "engine/ConversionRoutines.h"
#include "engine/FolderScan.h"
#include "engine/MediaProbe.h"
#include "support/MediaInfo.h"
#include "support/TestSupport.h"
#include "wm/FfmpegWmRuntime.h"
#include "wm/WmaFormatList.h"

using namespace tonvexa;
namespace fs = std::filesystem;

namespace {

class FileNameBytes : public testing::Test {
protected:
    void SetUp() override {
        const std::string tone = dir.file("tone.wma");
        ASSERT_TRUE(test::makeTone(tone, 22050, 1, 0.5, {"-c:a", "wmav2", "-b:a", "32k"}));
        music = dir.file("music");
        longStem = test::MakeFilesWithEveryKindOfName(music, tone);
    }

    // Every source, in the order the folder search gives them.
    std::vector<std::string> scanned() const {
        std::vector<std::string> paths;
        ScanFolder(paths, music);
        return paths;
    }

    // The output a source must get, by its own bytes: beside it, with the extension .mp3;
    // the long name's plain output is taken, and its numbered name gives up the two ASCII
    // letters to stay within 255 bytes.
    std::string expectedOutput(const std::string& source) const {
        const std::string stem = source.substr(0, source.size() - 4);
        if (FileNamePart(stem) == longStem) return stem.substr(0, stem.size() - 2) + "_1.mp3";
        return stem + ".mp3";
    }

    test::TempDir dir;
    std::string music;
    std::string longStem;
};

}  // namespace

TEST_F(FileNameBytes, TheEngineFindsConvertsAndNamesEveryOne) {
    // Folder order: a file manager's, the names compared as text (the Latin-1 byte is no
    // UTF-8 and sorts as what it decodes to); the subfolder after the folder's own files.
    const std::vector<std::string> paths = scanned();
    ASSERT_EQ(paths.size(), 5u);
    EXPECT_EQ(paths[0], music + "/-dash.wma");
    EXPECT_EQ(paths[4], music + "/M\xFAsica/song.wma");

    FfmpegWmRuntime runtime;
    WmaFormatList formats;
    BuildWmaFormatList(runtime, formats);
    AppSettings settings;
    const ConversionEnvironment env{settings, formats, runtime};
    ConversionTable table;
    RegisterConversions(table, env);
    for (const std::string& path : paths) {
        std::optional<FileEntry> entry = ProbeFile(path, runtime);
        ASSERT_TRUE(entry) << path;
        SilentProgress progress;
        const JobOutcome outcome = RunJob(*entry, FormatMp3, table, OutputPlaces{}, progress);
        ASSERT_TRUE(outcome.success()) << path << ": " << static_cast<int>(outcome.result);
        EXPECT_EQ(entry->destinationPath, expectedOutput(path));
        EXPECT_TRUE(test::probeMedia(entry->destinationPath)) << entry->destinationPath;
    }
}

// The converter prints each source's bytes, escaping only what would break its lines.
TEST_F(FileNameBytes, TheConverterPrintsTheBytesOneLineEach) {
    const std::vector<std::string> sources = scanned();
    const test::ProgramRun r = test::runCaptured(TONVEXA_CONVERT_TOOL, {"--to", "mp3", music});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    auto shown = [](const std::string& text) {
        std::string line;
        for (char c : text) line += c == '\n' ? std::string("\\n") : std::string(1, c);
        return line;
    };
    std::string expected;
    for (const std::string& path : sources) {
        expected += shown(path) + "\t" + shown(FileNamePart(expectedOutput(path))) + "\n";
        EXPECT_TRUE(fs::exists(expectedOutput(path))) << expectedOutput(path);
    }
    EXPECT_EQ(r.out, expected);
}

// A file manager's drop percent-encodes a Latin-1 name; its bytes come through.
TEST(FileUrls, PercentEncodedBytesSurviveBothWays) {
    const QUrl dropped(QStringLiteral("file:///music/caf%E9%20cr%E8me.wma"));
    EXPECT_EQ(LocalPathOfUrl(dropped), std::optional<std::string>("/music/caf\xE9 cr\xE8me.wma"));
    EXPECT_EQ(LocalPathOfUrl(UrlOfLocalPath("/a/caf\xE9\n%.wma")),
              std::optional<std::string>("/a/caf\xE9\n%.wma"));
    EXPECT_FALSE(LocalPathOfUrl(QUrl(QStringLiteral("https://www.tonvexa.example/"))));
}
