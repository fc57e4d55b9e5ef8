#include <gtest/gtest.h>

#include <QProcess>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <thread>

#include "settings/SettingsStore.h"
#include "support/MediaInfo.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using namespace tonvexa;

namespace {

using ToolRun = test::ProgramRun;

ToolRun runTool(const std::vector<std::string>& args) {
    return test::runCaptured(TONVEXA_CONVERT_TOOL, args);
}

// The size of the file a running tool has open for writing in the folder (named or not).
std::optional<std::uintmax_t> outputSize(qint64 pid, const std::string& folder) {
    const std::string process = "/proc/" + std::to_string(pid);
    std::error_code ec;
    for (const auto& fd : fs::directory_iterator(process + "/fd", ec)) {
        const std::string link = fs::read_symlink(fd.path(), ec).string();
        if (ec || link.rfind(folder + "/", 0) != 0) continue;
        std::ifstream info(process + "/fdinfo/" + fd.path().filename().string());
        std::string field, flags;
        while (info >> field && field != "flags:") {
        }
        info >> flags;
        if (flags.empty() || (std::stoul(flags, nullptr, 8) & 3) == 0) continue;  // read-only
        const auto size = fs::file_size(fd.path(), ec);
        if (!ec) return size;
    }
    return std::nullopt;
}

// Starts the tool on one source and waits until its output in the source's folder has grown
// past a few blocks: the conversion is then under way.
bool startConverting(QProcess& p, const char* target, const std::string& options,
                     const std::string& source) {
    const std::string folder = fs::path(source).parent_path().string();
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(QStringLiteral(TONVEXA_CONVERT_TOOL),
            {QStringLiteral("--to"), QString::fromUtf8(target), QStringLiteral("--options"),
             QString::fromStdString(options), QString::fromStdString(source)});
    if (!p.waitForStarted(10000)) return false;
    for (int i = 0; i < 1200; ++i) {
        if (outputSize(p.processId(), folder).value_or(0) > 50000) return true;
        if (p.state() != QProcess::Running) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        result.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

class ConvertTool : public testing::Test {
protected:
    void SetUp() override {
        options = dir.file("options.ini");
        test::writeFile(options, std::string("[Options]\nBrowseOutputFolder=1\n"));
    }
    std::string wma(const std::string& name, double seconds = 1.0) {
        const std::string path = dir.file(name);
        EXPECT_TRUE(test::makeTone(path, 44100, 2, seconds,
                                   {"-c:a", "wmav2", "-b:a", "128k", "-f", "asf"}));
        return path;
    }
    // Every name in the folder.
    std::set<std::string> folderNames() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.path()))
            names.insert(e.path().filename().string());
        return names;
    }
    test::TempDir dir;
    std::string options;
};

}  // namespace

TEST_F(ConvertTool, UsageErrorsExitWithTwo) {
    EXPECT_EQ(runTool({}).exitCode, 2);
    EXPECT_EQ(runTool({"--to", "flac", dir.file("x.wma")}).exitCode, 2);
    EXPECT_EQ(runTool({"--to", "mp3"}).exitCode, 2);
    EXPECT_EQ(runTool({"--to", "mp3", "--jobs", "0", dir.file("x.wma")}).exitCode, 2);
    EXPECT_EQ(runTool({"--to", "mp3", "--probe", dir.file("x.wma")}).exitCode, 2);
    EXPECT_EQ(runTool({"--tags", "--probe", dir.file("x.wma")}).exitCode, 2);
    EXPECT_EQ(runTool({"--bogus"}).exitCode, 2);
    const ToolRun missing =
        runTool({"--to", "mp3", "--options", dir.file("none.ini"), dir.file("x.wma")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("options"), std::string::npos);
    // An options path that is a folder cannot be read either.
    EXPECT_EQ(
        runTool({"--to", "mp3", "--options", dir.path().string(), dir.file("x.wma")}).exitCode, 2);
}

TEST_F(ConvertTool, HelpAndVersion) {
    const ToolRun help = runTool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--to mp3|wav|wma"), std::string::npos);
    // The help ends with the list of option keys for --set: every key, and nothing else.
    const auto list = help.out.find("Option keys");
    ASSERT_NE(list, std::string::npos);
    std::istringstream words(help.out.substr(help.out.find('\n', list)));
    const std::set<std::string> listed{std::istream_iterator<std::string>(words), {}};
    const auto names = SettingsStore::OptionNames();
    EXPECT_EQ(listed, std::set<std::string>(names.begin(), names.end()));
    const ToolRun version = runTool({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("tonvexa-convert ", 0), 0u);
}

// a.wma and a.wmv of one folder both map to a.mp3: with four jobs at once they still get
// two files, and every job reports its own output.
TEST_F(ConvertTool, CollidingNamesWithSeveralJobs) {
    const std::string a = wma("a.wma");
    fs::copy_file(a, dir.file("a.wmv"));
    fs::copy_file(a, dir.file("a.asf"));
    fs::copy_file(a, dir.file("b.wma"));
    const ToolRun r =
        runTool({"--to", "mp3", "--jobs", "4", "--options", options, dir.path().string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 4u) << r.out;
    std::set<std::string> statuses;
    for (const auto& line : out) {
        const auto tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos);
        statuses.insert(line.substr(tab + 1));
    }
    EXPECT_EQ(statuses, (std::set<std::string>{"a.mp3", "a_1.mp3", "a_2.mp3", "b.mp3"}));
    for (const char* name : {"a.mp3", "a_1.mp3", "a_2.mp3", "b.mp3"}) {
        const auto info = test::probeMedia(dir.file(name));
        ASSERT_TRUE(info) << name;
        EXPECT_EQ(info->codec, "mp3");
    }
}

// Files that cannot be added are named on standard error; the others still convert, and
// pairs the program does not convert are reported as skipped with no file left behind.
TEST_F(ConvertTool, FailuresSkipsAndExitCodes) {
    const std::string good = wma("good.wma");
    test::writeFile(dir.file("broken.wma"), std::string("not a Windows Media file"));
    test::writeFile(dir.file("notes.txt"), std::string("text"));
    ASSERT_TRUE(test::makeTone(dir.file("tone.wav"), 22050, 1, 0.5, {}));
    ToolRun r = runTool(
        {"--to", "wav", "--options", options, good, dir.file("broken.wma"), dir.file("notes.txt")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Failed to load the following files.\n\n" + dir.file("broken.wma") + "\n" +
                         dir.file("notes.txt") + "\n"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.out, good + "\tgood.wav\n");

    r = runTool({"--to", "mp3", "--options", options, dir.file("tone.wav")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, dir.file("tone.wav") +
                         "\tSkipped. Please use Sonidrift (https://www.sonidrift.example/) to "
                         "convert between WAV and MP3.\n");
    EXPECT_FALSE(fs::exists(dir.file("tone.mp3")));
}

// The output place comes from the options file: a chosen folder, mirrored.
TEST_F(ConvertTool, OptionsFileChoosesTheOutputFolder) {
    const std::string src = wma("song.wma");
    const std::string out = dir.file("out");
    test::writeFile(options, "[Options]\nDestOutputFolderOpt=399\nDestSpecifiedFolder=" + out +
                                 "\nCreateDirs=1\n");
    const ToolRun r = runTool({"--to", "wma", "--options", options, src});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string mirrored = out + "/" + dir.path().relative_path().string() + "/song.wma";
    EXPECT_TRUE(fs::exists(mirrored)) << r.out;
}

// Ctrl+C ends the running job as cancelled, and nothing of its output remains.
TEST_F(ConvertTool, InterruptLeavesNoPartialOutput) {
    const std::string src = dir.file("long.wav");
    ASSERT_TRUE(test::makeTone(src, 44100, 2, 240, {}));
    QProcess p;
    ASSERT_TRUE(startConverting(p, "wma", options, src)) << "the conversion did not start";
    EXPECT_FALSE(fs::exists(dir.file("long.wma"))) << "the output has no name while written";
    ASSERT_EQ(::kill(static_cast<pid_t>(p.processId()), SIGINT), 0);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(p.readAllStandardOutput().toStdString(), src + "\tCancelled\n");
    EXPECT_EQ(folderNames(), (std::set<std::string>{"long.wav", "options.ini"}));
}

// A conversion killed outright, as by a crash or a power failure, leaves nothing under the
// output's name: the output is named only once it is complete.
TEST_F(ConvertTool, KilledConversionLeavesNothingUnderTheOutputName) {
    const std::string src = wma("long.wma", 300);
    QProcess p;
    ASSERT_TRUE(startConverting(p, "mp3", options, src)) << "the conversion did not start";
    ASSERT_EQ(::kill(static_cast<pid_t>(p.processId()), SIGKILL), 0);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(folderNames(), (std::set<std::string>{"long.wma", "options.ini"}));
}

// A folder tree with a link back to its top is scanned once; the probe prints the list's
// row texts.
TEST_F(ConvertTool, ProbeEndsOnALinkCycle) {
    fs::create_directories(dir.path() / "music" / "inner");
    test::makeTone(dir.file("music/inner/tone.wma"), 44100, 2, 2.5,
                   {"-c:a", "wmav2", "-b:a", "128k"});
    fs::create_directory_symlink(dir.path() / "music", dir.path() / "music" / "inner" / "loop");
    const ToolRun r = runTool({"--probe", dir.file("music")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    ASSERT_EQ(lines(r.out).size(), 1u) << r.out;
    EXPECT_EQ(r.out.substr(0, r.out.find('\t', r.out.find('\t') + 1)), "tone.wma\t00:02");
    EXPECT_NE(r.out.find("\t44100 Hz\tStereo\n"), std::string::npos) << r.out;
}

// A file reached twice, through a link or named again, is probed once; names that differ
// only in letter case are two files where the file system keeps them apart.
TEST_F(ConvertTool, ProbeTakesEachFileOnce) {
    const std::string tone = dir.file("tone.wav");
    ASSERT_TRUE(test::makeTone(tone, 8000, 1, 0.5));
    fs::copy_file(tone, dir.file("Tone.wav"));
    fs::create_symlink(tone, dir.file("link.wav"));
    const ToolRun r = runTool({"--probe", dir.path().string(), tone});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> names;
    for (const auto& line : lines(r.out)) names.push_back(line.substr(0, line.find('\t')));
    EXPECT_EQ(names, (std::vector<std::string>{"link.wav", "Tone.wav"})) << r.out;
}

TEST_F(ConvertTool, ListsTheOfferedWindowsMediaFormats) {
    const ToolRun r = runTool({"--wma-formats"});
    EXPECT_EQ(r.exitCode, 0);
    bool cdQuality = false;
    for (const auto& line : lines(r.out)) {
        int fields = 1;
        for (char c : line) fields += c == '\t';
        EXPECT_EQ(fields, 4) << line;
        if (line.rfind("44100\t128000\t2\t", 0) == 0) cdQuality = true;
    }
    EXPECT_TRUE(cdQuality) << r.out;
}

// --tags lists what a conversion would carry, one line per value, in the machine format;
// several files each under a header; a file that cannot be read is reported.
TEST_F(ConvertTool, TagsListsWhatAConversionCarries) {
    const std::string one = dir.file("one.mp3"), two = dir.file("two.mp3");
    ASSERT_TRUE(test::makeTone(one, 44100, 1, 0.5,
                               {"-c:a", "libmp3lame", "-metadata", "title=Line one\nline two",
                                "-metadata", "track=3/12"}));
    ASSERT_TRUE(test::makeTone(two, 44100, 1, 0.5,
                               {"-c:a", "libmp3lame", "-map_metadata", "-1", "-write_id3v2", "0"}));
    ToolRun r = runTool({"--tags", one});
    EXPECT_EQ(r.exitCode, 0);
    const auto listed = lines(r.out);
    EXPECT_NE(std::find(listed.begin(), listed.end(), "TITLE=Line one\\nline two"), listed.end())
        << r.out;
    EXPECT_NE(std::find(listed.begin(), listed.end(), "TRACKNUMBER=3"), listed.end()) << r.out;
    EXPECT_NE(std::find(listed.begin(), listed.end(), "TRACKTOTAL=12"), listed.end()) << r.out;

    r = runTool({"--tags", one, two, dir.file("missing.mp3")});
    EXPECT_EQ(r.exitCode, 1);
    const auto both = lines(r.out);
    ASSERT_FALSE(both.empty());
    EXPECT_EQ(both.front(), "==> " + one + " <==");
    EXPECT_EQ(both.back(), "==> " + two + " <==");  // a file without a tag lists nothing
    EXPECT_NE(r.err.find("missing.mp3"), std::string::npos) << r.err;
}

// --set overrides the options file's values for one run, and leaves the file as it was.
TEST_F(ConvertTool, SetOverridesOptionsForOneRun) {
    const std::string src = wma("song.wma");
    const std::string out = dir.file("Converted here");
    const std::string file = "[Options]\nAutoDestMP3EncodingParam=0\nMP3BitRate=64\n";
    test::writeFile(options, file);
    const ToolRun r =
        runTool({"--to", "mp3", "--options", options, "--set", "MP3BitRate=192", "--set",
                 "DestOutputFolderOpt=399", "--set", "DestSpecifiedFolder=" + out, src});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, src + "\tsong.mp3\n");
    const auto info = test::probeMedia(out + "/song.mp3");
    ASSERT_TRUE(info) << r.out;
    EXPECT_EQ(info->bitRate, 192000);
    const auto kept = test::readFile(options);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), file);
}

// A key that is not an option, a value that does not parse, or a tag: a usage error naming the
// key, before any file is touched.
TEST_F(ConvertTool, SetUsageErrorsNameTheKey) {
    const std::string src = wma("song.wma");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Mp3BitRate=192", "Mp3BitRate"},
        {"MP3BitRate=fast", "MP3BitRate"},
        {"WMABitRate=", "WMABitRate"},
        {"ID3Tag=Title", "ID3Tag"},
        {"=192", "KEY=VALUE"},
        {"CreateDirs", "KEY=VALUE"},
        {"DestSpecifiedFolder=" + std::string(300, 'd'), "DestSpecifiedFolder"},
        // A key that looks like a placeholder is named as it is, not filled in.
        {"%2=1", "\"%2\""},
    };
    for (const auto& [setting, named] : cases) {
        const ToolRun r = runTool({"--to", "mp3", "--options", options, "--set", setting, src});
        EXPECT_EQ(r.exitCode, 2) << setting;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(runTool({"--to", "mp3", "--options", options, "--set"}).exitCode, 2);
    EXPECT_FALSE(fs::exists(dir.file("song.mp3")));
}
