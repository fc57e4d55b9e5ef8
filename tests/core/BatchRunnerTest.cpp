// The batch runner: jobs on worker threads, their names in list order, their outcomes and
// progress as signals, and Cancel.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "base/PathUtil.h"
#include "engine/BatchRunner.h"
#include "engine/FileProgress.h"
#include "support/TestSupport.h"
#include "texts/Texts.h"

using namespace tonvexa;
using tonvexa::test::TempDir;
namespace fs = std::filesystem;

namespace {

// A routine like the real ones: blocks through FileProgress, the output deleted when it
// does not finish.
int blockRoutine(const std::string& dest, ConvertProgress& progress, std::uint64_t frames,
                 std::chrono::microseconds perBlock = {}) {
    test::writeFile(dest, std::string("partial"));
    FileProgress fp(progress, frames);
    for (std::uint64_t done = 0; done < frames; done += 100) {
        std::this_thread::sleep_for(perBlock);
        if (!fp.afterBlock(100)) {
            fp.finish(false);
            fs::remove(dest);
            return 0;
        }
    }
    fp.finish(true);
    test::writeFile(dest, std::string("complete output"));
    return 1;
}

// What the runner said, in the order it said it.
struct Record {
    std::vector<std::string> events;  // "start 0", "end 0 a.wma", ...
    std::map<int, std::string> status;
    std::map<int, std::string> destination;
    std::map<int, std::vector<std::pair<int, int>>> progress;
    int finished = 0;
};

class BatchRunnerTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir.path() / "music");
        places.documentsFolder = dir.file("docs");
        places.programFolder = dir.file("prog/");
        QObject::connect(&runner, &BatchRunner::jobStarted, [this](int i) {
            log.events.push_back("start " + std::to_string(i));
            if (onStarted) onStarted(i);
        });
        QObject::connect(&runner, &BatchRunner::jobProgress, [this](int i, int p, int q) {
            log.progress[i].emplace_back(p, q);
            if (onProgress) onProgress(i, p);
        });
        QObject::connect(&runner, &BatchRunner::jobFinished,
                         [this](int i, const JobOutcome& outcome) {
                             log.events.push_back("end " + std::to_string(i));
                             log.status[i] = StatusText(outcome);
                             log.destination[i] = outcome.success() ? outcome.path : std::string();
                         });
        QObject::connect(&runner, &BatchRunner::finished, [this] { ++log.finished; });
    }

    FileEntry& addEntry(const std::string& name) {
        FileEntry e;
        e.sourcePath = dir.file("music/" + name);
        e.formatCode = FormatCodeOfPath(e.sourcePath);
        test::writeFile(e.sourcePath, std::string("source"));
        entries.push_back(e);
        return entries.back();
    }

    void registerAll(const ConversionRoutine& routine) {
        for (AudioFormatCode target : {FormatWma, FormatMp3, FormatWav})
            table.Register(FormatWma, target, routine);
        table.Register(FormatWav, FormatWma, routine);
        table.Register(FormatMp3, FormatWma, routine);
    }

    // Runs the batch to its end (or fails after a minute).
    void run(AudioFormatCode target, int limit = 1) {
        QEventLoop loop;
        QObject::connect(&runner, &BatchRunner::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        ASSERT_TRUE(runner.start(entries, target, places, limit));
        EXPECT_FALSE(runner.start(entries, target, places, limit));  // one batch at a time
        loop.exec();
        ASSERT_EQ(log.finished, 1);
        EXPECT_FALSE(runner.running());
    }

    TempDir dir;
    OutputPlaces places;
    ConversionTable table;
    BatchRunner runner{table};
    std::vector<FileEntry> entries;
    Record log;
    std::function<void(int)> onStarted;
    std::function<void(int, int)> onProgress;
};

const ConversionRoutine kSucceeds = [](const std::string&, const std::string& d,
                                       ConvertProgress& p) { return blockRoutine(d, p, 1000); };

}  // namespace

TEST_F(BatchRunnerTest, ConvertsEveryJobAndReportsItsFile) {
    addEntry("a.wma");
    addEntry("b.wav");
    addEntry("c.mp3");
    registerAll(kSucceeds);
    run(FormatWma);
    EXPECT_EQ(log.status[0], "a_1.wma");  // never the source's own name
    EXPECT_EQ(log.status[1], "b.wma");
    EXPECT_EQ(log.status[2], "c.wma");
    EXPECT_EQ(log.destination[1], dir.file("music/b.wma"));
    EXPECT_EQ(test::readFile(log.destination[1]).size(), 15u);
    // One at a time: each job ends before the next begins.
    EXPECT_EQ(log.events, (std::vector<std::string>{"start 0", "end 0", "start 1", "end 1",
                                                    "start 2", "end 2"}));
    // Progress starts at 0 and ends with 100 % and a full bar.
    EXPECT_EQ(log.progress[2].front(), std::make_pair(0, 0));
    EXPECT_EQ(log.progress[2].back(), std::make_pair(100, ConvertProgress::kFileSteps));
}

// Four sources named alike into one folder: four names, taken in list order whichever job
// ends first (the first listed is the slowest here), never two alike.
TEST_F(BatchRunnerTest, ParallelJobsTakeTheirNamesInListOrder) {
    for (const char* folder : {"one", "two", "three", "four"}) {
        fs::create_directories(dir.path() / "music" / folder);
        addEntry(std::string(folder) + "/song.wma");
    }
    places.destOutputFolderOpt = kOutputSpecifiedFolder;
    places.destSpecifiedFolder = dir.file("out");
    std::atomic<int> running{0}, mostAtOnce{0};
    registerAll([&](const std::string& s, const std::string& d, ConvertProgress& p) {
        const int now = ++running;
        for (int seen = mostAtOnce; now > seen && !mostAtOnce.compare_exchange_weak(seen, now);) {
        }
        // The first listed source takes longest.
        const auto pause = s.find("/one/") != std::string::npos ? std::chrono::microseconds(3000)
                                                                : std::chrono::microseconds(200);
        const int result = blockRoutine(d, p, 2000, pause);
        test::writeFile(d, s);
        --running;
        return result;
    });
    run(FormatMp3, 3);
    EXPECT_EQ(log.status[0], "song.mp3");
    EXPECT_EQ(log.status[1], "song_1.mp3");
    EXPECT_EQ(log.status[2], "song_2.mp3");
    EXPECT_EQ(log.status[3], "song_3.mp3");
    // Each output holds what its own job wrote.
    for (int i = 0; i < 4; ++i) {
        const std::string& source = entries[static_cast<std::size_t>(i)].sourcePath;
        EXPECT_EQ(test::readFile(log.destination[i]),
                  std::vector<std::uint8_t>(source.begin(), source.end()));
    }
    EXPECT_EQ(mostAtOnce.load(), 3);
    // The first listed ended after later ones.
    const auto at = [&](const char* event) {
        return std::find(log.events.begin(), log.events.end(), event) - log.events.begin();
    };
    EXPECT_GT(at("end 0"), at("end 1"));
}

// Cancel stops the running jobs at their next block: they leave no file and say so; jobs
// not started yet never start and say nothing.
TEST_F(BatchRunnerTest, CancelStopsRunningJobsAndStartsNoMore) {
    for (const char* n : {"1.wma", "2.wma", "3.wma", "4.wma", "5.wma"}) addEntry(n);
    registerAll([](const std::string&, const std::string& d, ConvertProgress& p) {
        return blockRoutine(d, p, 100000, std::chrono::microseconds(100));
    });
    // The user presses Cancel while the first job is half-way.
    onProgress = [this](int index, int percent) {
        if (index == 0 && percent >= 50) runner.cancel();
    };
    run(FormatMp3, 2);
    EXPECT_EQ(log.status[0], "Cancelled");
    EXPECT_EQ(log.status[1], "Cancelled");
    EXPECT_TRUE(log.destination[0].empty());
    for (const char* n : {"1.mp3", "2.mp3", "3.mp3"}) EXPECT_FALSE(fs::exists(dir.file(n))) << n;
    EXPECT_EQ(log.status.count(2), 0u);
    EXPECT_EQ(log.status.count(4), 0u);
    EXPECT_EQ(std::count(log.events.begin(), log.events.end(), "start 2"), 0);
    EXPECT_TRUE(runner.cancelRequested());

    // The next batch runs again.
    log = {};
    onProgress = nullptr;
    entries.resize(1);
    run(FormatMp3);
    EXPECT_EQ(log.status[0], "1.mp3");
}

TEST_F(BatchRunnerTest, CancelSeenAfterAFinishedJobKeepsItsFile) {
    addEntry("1.wma");
    // The click arrives just as the last block is read; the routine still reports 1.
    table.Register(FormatWma, FormatWav,
                   [this](const std::string&, const std::string& d, ConvertProgress& p) {
                       test::writeFile(d, std::string("data"));
                       FileProgress fp(p, 100);
                       runner.cancel();
                       (void)fp.afterBlock(100);
                       fp.finish(true);
                       return 1;
                   });
    run(FormatWav);
    EXPECT_EQ(log.status[0], "1.wav");
    EXPECT_EQ(log.destination[0], dir.file("music/1.wav"));
}

TEST_F(BatchRunnerTest, SkippedPairLeavesNoFileEvenInACreatedFolder) {
    addEntry("song.wav");
    addEntry("tune.mp3");
    registerAll(kSucceeds);
    places.destOutputFolderOpt = kOutputSpecifiedFolder;
    places.destSpecifiedFolder = dir.file("out/new");
    places.createDirs = true;
    run(FormatMp3);
    const std::string skipped =
        "Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between WAV "
        "and MP3.";
    EXPECT_EQ(log.status[0], skipped);
    EXPECT_EQ(log.status[1], skipped);
    EXPECT_TRUE(log.destination[0].empty());
    ASSERT_TRUE(fs::is_directory(dir.file("out/new")));
    for (const auto& e : fs::recursive_directory_iterator(dir.file("out")))
        EXPECT_FALSE(e.is_regular_file()) << e.path();
}

// A row converted again gives its earlier output up first, so the plain name serves again;
// an earlier output that is the source itself is never deleted.
TEST_F(BatchRunnerTest, EarlierOutputsMakeWayButNeverTheSource) {
    FileEntry& a = addEntry("a.wav");
    test::writeFile(dir.file("music/a.wma"), std::string("earlier output"));
    a.destinationPath = dir.file("music/a.wma");
    FileEntry& b = addEntry("b.wma");
    // A path differing only in case names the source on file systems that ignore case.
    const std::string upper = dir.file("music/B.WMA");
    test::writeFile(upper, std::string("keep me"));
    b.destinationPath = upper;
    registerAll(kSucceeds);
    run(FormatWma);
    EXPECT_EQ(log.status[0], "a.wma");
    EXPECT_FALSE(fs::exists(dir.file("music/a_1.wma")));
    EXPECT_TRUE(fs::exists(upper));
    EXPECT_TRUE(fs::exists(entries[1].sourcePath));
}

TEST_F(BatchRunnerTest, EmptyMissingOrUnroutedOutputIsAFailure) {
    addEntry("a.wma");
    addEntry("b.wma");
    addEntry("c.wma");
    FileEntry& odd = addEntry("x.wma");
    odd.formatCode = 1234;
    std::atomic<int> call = 0;
    table.Register(FormatWma, FormatMp3,
                   [&call](const std::string&, const std::string& d, ConvertProgress&) {
                       ++call;
                       if (call == 1) test::writeFile(d, std::string());  // empty, yet "done"
                       if (call == 3) return 0;
                       return 1;  // call 2: claims success, wrote nothing
                   });
    run(FormatMp3);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(log.status[i], "Conversion Failure") << i;
        EXPECT_TRUE(log.destination[i].empty()) << i;
    }
    // Nothing is deleted after a job: the empty file stays.
    EXPECT_TRUE(fs::exists(dir.file("music/a.mp3")));
    EXPECT_FALSE(fs::exists(dir.file("music/x.mp3")));
}

TEST_F(BatchRunnerTest, OutputPathFailureShowsItsTextAndTheBatchGoesOn) {
    addEntry("a.wma");
    addEntry("b.wma");
    registerAll(kSucceeds);
    places.destOutputFolderOpt = kOutputSpecifiedFolder;
    places.destSpecifiedFolder = dir.file("out");
    places.createDirs = true;
    // The mirror of the sources' folder runs into a file.
    const std::string mirrorParent = dir.file("out") + dir.path().string();
    fs::create_directories(mirrorParent);
    test::writeFile(mirrorParent + "/music", std::string("in the way"));
    run(FormatMp3);
    const std::string expected = "Failed to create folder \"" + mirrorParent + "/music/\"";
    EXPECT_EQ(log.status[0], expected);
    EXPECT_EQ(log.status[1], expected);
}

TEST_F(BatchRunnerTest, AnEmptyBatchEndsAtOnce) {
    run(FormatMp3);
    EXPECT_TRUE(log.events.empty());
}

// The per-file protocol's arithmetic.
namespace {

class RecordingProgress : public ConvertProgress {
public:
    void fileProgress(int percent, int position) override { told.emplace_back(percent, position); }
    bool cancelled() const override { return cancel; }
    std::vector<std::pair<int, int>> told;
    bool cancel = false;
};

struct FileProgressCase {
    std::uint64_t total;
    std::vector<std::uint32_t> blocks;
    std::vector<std::pair<int, int>> told;  // after the initial (0, 0), before finish
};

class FileProgressArithmetic : public testing::TestWithParam<FileProgressCase> {};

}  // namespace

TEST_P(FileProgressArithmetic, PercentAndPositionGrowByTheirSteps) {
    const auto& c = GetParam();
    RecordingProgress progress;
    FileProgress fp(progress, c.total);
    ASSERT_EQ(progress.told, (std::vector<std::pair<int, int>>{{0, 0}}));
    for (auto n : c.blocks) EXPECT_TRUE(fp.afterBlock(n));
    std::vector<std::pair<int, int>> expected{{0, 0}};
    expected.insert(expected.end(), c.told.begin(), c.told.end());
    EXPECT_EQ(progress.told, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileProgressArithmetic,
    testing::Values(
        // 100000 frames: a percent per 1000 frames, a bar step per 100.
        FileProgressCase{100000, {99, 1, 900, 1}, {{0, 1}, {1, 10}}},
        // Fewer than 100 frames: the percent step is 1, so percent counts frames.
        FileProgressCase{50, {10, 10}, {{10, 10}, {20, 20}}},
        // Unknown length: both steps are 1; percent stops at 100, the bar at its end.
        FileProgressCase{0, {60, 60, 2000}, {{60, 60}, {100, 120}, {100, 1000}}},
        // Empty blocks change nothing.
        FileProgressCase{1000, {0, 0}, {}}));

TEST(FileProgress, CompleteShowsOneHundredAndAFullBarOnce) {
    RecordingProgress progress;
    {
        FileProgress fp(progress, 100);
        EXPECT_TRUE(fp.afterBlock(100));
        // 100 frames on 1000 steps: 100 % with the bar a tenth of the way; completion fills it.
        EXPECT_EQ(progress.told.back(), std::make_pair(100, 100));
        fp.finish(true);
        EXPECT_EQ(progress.told.back(), std::make_pair(100, 1000));
        const auto count = progress.told.size();
        fp.finish(true);
        EXPECT_EQ(progress.told.size(), count);
    }
    progress.told.clear();
    {
        FileProgress fp(progress, 1000);
        EXPECT_TRUE(fp.afterBlock(500));
        fp.finish(false);  // incomplete: stays where it was
        EXPECT_EQ(progress.told.back(), std::make_pair(50, 500));
    }
}

TEST(FileProgress, CancelIsSeenAfterTheBlock) {
    RecordingProgress progress;
    FileProgress fp(progress, 1000);
    EXPECT_TRUE(fp.afterBlock(100));
    progress.cancel = true;
    EXPECT_FALSE(fp.afterBlock(100));
    EXPECT_EQ(progress.told.back(), std::make_pair(20, 200));
}
