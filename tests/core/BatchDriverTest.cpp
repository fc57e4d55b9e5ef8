#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/PathUtil.h"
#include "engine/BatchDriver.h"
#include "engine/FileProgress.h"
#include "support/TestSupport.h"

using namespace tonvexa;
using tonvexa::test::TempDir;
namespace fs = std::filesystem;

namespace {

// What a progress display was told, kept after the display itself is gone.
struct ProgressLog {
    int width = 300;
    std::vector<std::string> fileTexts;
    int fileRange = -1;
    std::vector<int> filePositions;
    std::vector<std::string> batchTexts;
    int batchRange = -1;
    int batchPosition = 0;
    int pumps = 0;
    bool cancelled = false;
    bool destroyed = false;
    std::function<void()> onPump;  // the user's actions while the pump runs
};

class FakeProgress : public ConvertProgress {
public:
    explicit FakeProgress(ProgressLog& log) : log_(log) {}
    ~FakeProgress() override { log_.destroyed = true; }
    void setFileText(const std::string& text) override { log_.fileTexts.push_back(text); }
    int fileBarWidth() const override { return log_.width; }
    void setFileRange(int maximum) override { log_.fileRange = maximum; }
    void setFilePosition(int position) override { log_.filePositions.push_back(position); }
    void setBatchText(const std::string& text) override { log_.batchTexts.push_back(text); }
    void setBatchRange(int maximum) override {
        log_.batchRange = maximum;
        log_.batchPosition = 0;
    }
    void stepBatch() override { ++log_.batchPosition; }
    void pumpMessages() override {
        ++log_.pumps;
        if (log_.onPump) log_.onPump();
    }
    bool cancelled() const override { return log_.cancelled; }

private:
    ProgressLog& log_;
};

class FakeHost : public BatchHost {
public:
    void setRowStatus(int row, const std::string& text) override {
        status[row] = text;
        history[row].push_back(text);
    }
    void ensureRowVisible(int row) override { visible.push_back(row); }
    void setWindowEnabled(bool enabled) override {
        events.push_back(enabled ? "enable" : "disable");
        windowEnabled = enabled;
    }
    void beginWaitCursor() override { events.push_back("wait"); }
    void endWaitCursor() override { events.push_back("endwait"); }
    std::unique_ptr<ConvertProgress> createProgress() override {
        events.push_back("progress");
        EXPECT_FALSE(windowEnabled);
        return std::make_unique<FakeProgress>(progress);
    }
    void showMessage(const std::string& text, const std::string& caption) override {
        messages.push_back(caption + ": " + text);
    }

    ProgressLog progress;
    std::map<int, std::string> status;
    std::map<int, std::vector<std::string>> history;
    std::vector<int> visible;
    std::vector<std::string> events;
    std::vector<std::string> messages;
    bool windowEnabled = true;
};

class FakeDesktop : public DesktopServices {
public:
    void ShowInExplorer(const std::string& path) override { shown.push_back(path); }
    std::vector<std::string> shown;
};

// A routine like the real ones: blocks through FileProgress, the output deleted when it
// does not finish.
int blockRoutine(const std::string& source, const std::string& dest, ConvertProgress& progress,
                 std::uint64_t frames) {
    test::writeFile(dest, std::string("partial"));
    FileProgress fp(progress, FileNamePart(source), frames);
    for (std::uint64_t done = 0; done < frames; done += 100) {
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

class BatchDriverTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir.path() / "music");
        places.documentsFolder = dir.file("docs");
        places.programFolder = dir.file("prog/");
    }

    FileEntry& addEntry(const std::string& name) {
        auto e = std::make_unique<FileEntry>();
        e->sourcePath = dir.file("music/" + name);
        e->formatCode = FormatCodeOfPath(e->sourcePath);
        test::writeFile(e->sourcePath, std::string("source"));
        owned.push_back(std::move(e));
        list.push_back(owned.back().get());
        return *owned.back();
    }

    void registerAll(const ConversionRoutine& routine) {
        for (AudioFormatCode target : {FormatWma, FormatMp3, FormatWav})
            table.Register(FormatWma, target, routine);
        table.Register(FormatWav, FormatWma, routine);
        table.Register(FormatMp3, FormatWma, routine);
    }

    void runAll(AudioFormatCode target) {
        ConvertAll(list, target, BatchContext{host, desktop, table, settings, places});
    }

    TempDir dir;
    OutputPlaces places;
    AppSettings settings;
    ConversionTable table;
    FakeHost host;
    FakeDesktop desktop;
    std::vector<std::unique_ptr<FileEntry>> owned;
    std::vector<FileEntry*> list;
};

const ConversionRoutine kSucceeds = [](const std::string& s, const std::string& d,
                                       ConvertProgress& p) { return blockRoutine(s, d, p, 1000); };

}  // namespace

TEST_F(BatchDriverTest, ConvertsEveryJobAndReportsItsFile) {
    addEntry("a.wma");
    addEntry("b.wav");
    addEntry("c.mp3");
    registerAll(kSucceeds);
    settings.BrowseOutputFolder = 0;
    runAll(FormatWma);

    EXPECT_EQ(host.status[0], "a_1.wma");  // never the source's own name
    EXPECT_EQ(host.status[1], "b.wma");
    EXPECT_EQ(host.status[2], "c.wma");
    for (int row = 0; row < 3; ++row) {
        ASSERT_EQ(host.history[row].size(), 2u);
        EXPECT_EQ(host.history[row][0], "Converting...");
    }
    EXPECT_EQ(list[1]->destinationPath, dir.file("music/b.wma"));
    EXPECT_EQ(test::readFile(list[1]->destinationPath).size(), 15u);
    EXPECT_EQ(host.visible, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(host.progress.batchTexts,
              (std::vector<std::string>{"Converting 1 of 3 file(s) to WMA...",
                                        "Converting 2 of 3 file(s) to WMA...",
                                        "Converting 3 of 3 file(s) to WMA..."}));
    EXPECT_EQ(host.progress.batchRange, 3);
    EXPECT_EQ(host.progress.batchPosition, 3);
    EXPECT_EQ(host.progress.fileTexts.front(), "Converting a.wma...0%");
    EXPECT_EQ(host.progress.fileTexts.back(), "Converting c.mp3...100%");
    EXPECT_EQ(host.events,
              (std::vector<std::string>{"wait", "disable", "progress", "enable", "endwait"}));
    EXPECT_TRUE(host.progress.destroyed);
    EXPECT_TRUE(desktop.shown.empty());
}

TEST(BatchText, NamesTheTarget) {
    EXPECT_EQ(BatchText(2, 7, FormatMp3), "Converting 2 of 7 file(s) to MP3...");
    EXPECT_EQ(BatchText(1, 1, FormatWav), "Converting 1 of 1 file(s) to WAV...");
    EXPECT_EQ(BatchText(10, 12, FormatWma), "Converting 10 of 12 file(s) to WMA...");
}

TEST_F(BatchDriverTest, CancelDuringAJobStopsTheBatchThere) {
    for (const char* n : {"1.wma", "2.wma", "3.wma", "4.wma"}) addEntry(n);
    registerAll(kSucceeds);
    // Rows 3 and 4 show what an earlier batch left.
    host.setRowStatus(2, "old 3");
    host.setRowStatus(3, "old 4");
    list[3]->destinationPath = dir.file("music/earlier.mp3");
    test::writeFile(list[3]->destinationPath, std::string("earlier output"));
    // The user presses Cancel while job 2 is half-way.
    host.progress.onPump = [this] {
        if (host.progress.batchPosition == 2 &&
            host.progress.fileTexts.back() == "Converting 2.wma...50%")
            host.progress.cancelled = true;
    };
    runAll(FormatMp3);

    EXPECT_EQ(host.status[0], "1.mp3");
    EXPECT_EQ(host.status[1], "Cancelled");
    EXPECT_EQ(host.status[2], "old 3");
    EXPECT_EQ(host.status[3], "old 4");
    EXPECT_EQ(host.progress.batchPosition, 2);
    EXPECT_TRUE(list[1]->destinationPath.empty());
    EXPECT_FALSE(fs::exists(dir.file("music/2.mp3")));
    EXPECT_EQ(list[0]->destinationPath, dir.file("music/1.mp3"));
    // A job that did not start keeps its earlier output, and that is the one shown.
    ASSERT_EQ(desktop.shown.size(), 1u);
    EXPECT_EQ(desktop.shown[0], dir.file("music/1.mp3"));
    EXPECT_TRUE(host.windowEnabled);
}

TEST_F(BatchDriverTest, CancelSeenAfterAFinishedJobKeepsItsFile) {
    for (const char* n : {"1.wma", "2.wma", "3.wma"}) addEntry(n);
    registerAll(kSucceeds);
    host.setRowStatus(2, "old");
    // The click arrives just as job 2's last block is done.
    host.progress.onPump = [this] {
        if (host.progress.batchPosition == 2 &&
            host.progress.fileTexts.back() == "Converting 2.wma...100%")
            host.progress.cancelled = true;
    };
    // The routine's own polls come first; it still reports 1 with its last block read.
    table.Register(FormatWma, FormatWav,
                   [](const std::string&, const std::string& d, ConvertProgress& p) {
                       test::writeFile(d, std::string("data"));
                       FileProgress fp(p, "2.wma", 100);
                       (void)fp.afterBlock(100);
                       fp.finish(true);
                       return 1;
                   });
    runAll(FormatWav);
    EXPECT_EQ(host.status[0], "1.wav");
    EXPECT_EQ(host.status[1], "2.wav");
    EXPECT_EQ(host.status[2], "old");
    EXPECT_EQ(list[1]->destinationPath, dir.file("music/2.wav"));
    EXPECT_EQ(host.progress.batchPosition, 2);
}

TEST_F(BatchDriverTest, SkippedPairLeavesNoFileEvenInACreatedFolder) {
    addEntry("song.wav");
    addEntry("tune.mp3");
    registerAll(kSucceeds);
    places.destOutputFolderOpt = kOutputSpecifiedFolder;
    places.destSpecifiedFolder = dir.file("out/new");
    places.createDirs = true;
    runAll(FormatMp3);
    const std::string skipped =
        "Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between WAV "
        "and MP3.";
    EXPECT_EQ(host.status[0], skipped);
    EXPECT_EQ(host.status[1], skipped);
    EXPECT_TRUE(list[0]->destinationPath.empty());
    ASSERT_TRUE(fs::is_directory(dir.file("out/new")));
    for (const auto& e : fs::recursive_directory_iterator(dir.file("out")))
        EXPECT_FALSE(e.is_regular_file()) << e.path();
    EXPECT_TRUE(desktop.shown.empty());
}

TEST_F(BatchDriverTest, ConvertingARowTwiceReusesThePlainName) {
    addEntry("a.wav");
    registerAll(kSucceeds);
    runAll(FormatWma);
    ASSERT_EQ(host.status[0], "a.wma");
    runAll(FormatWma);
    EXPECT_EQ(host.status[0], "a.wma");
    EXPECT_FALSE(fs::exists(dir.file("music/a_1.wma")));
    EXPECT_EQ(desktop.shown,
              (std::vector<std::string>{dir.file("music/a.wma"), dir.file("music/a.wma")}));
}

TEST_F(BatchDriverTest, AnEarlierOutputThatIsTheSourceIsNeverDeleted) {
    FileEntry& e = addEntry("a.wma");
    // A path differing only in case names the source on file systems that ignore case.
    const std::string upper = dir.file("music/A.WMA");
    test::writeFile(upper, std::string("keep me"));
    e.destinationPath = upper;
    registerAll(kSucceeds);
    runAll(FormatWma);
    EXPECT_TRUE(fs::exists(upper));
    EXPECT_TRUE(fs::exists(e.sourcePath));
}

TEST_F(BatchDriverTest, EmptyOrMissingOutputIsAFailure) {
    addEntry("a.wma");
    addEntry("b.wma");
    addEntry("c.wma");
    int call = 0;
    registerAll([&call](const std::string&, const std::string& d, ConvertProgress&) {
        ++call;
        if (call == 1) test::writeFile(d, std::string());  // empty, yet "done"
        if (call == 3) return 0;
        return 1;  // call 2: claims success, wrote nothing
    });
    runAll(FormatMp3);
    EXPECT_EQ(host.status[0], "Conversion Failure");
    EXPECT_EQ(host.status[1], "Conversion Failure");
    EXPECT_EQ(host.status[2], "Conversion Failure");
    for (auto* e : list) EXPECT_TRUE(e->destinationPath.empty());
    // The driver deletes nothing after a job: the empty file stays.
    EXPECT_TRUE(fs::exists(dir.file("music/a.mp3")));
    EXPECT_TRUE(desktop.shown.empty());
}

TEST_F(BatchDriverTest, UnknownSourceOrMissingRoutineFails) {
    FileEntry& odd = addEntry("x.wma");
    odd.formatCode = 1234;
    addEntry("y.wma");
    table.Register(FormatWma, FormatMp3, kSucceeds);  // nothing for WMA to WAV
    runAll(FormatWav);
    EXPECT_EQ(host.status[0], "Conversion Failure");
    EXPECT_EQ(host.status[1], "Conversion Failure");
    EXPECT_FALSE(fs::exists(dir.file("music/x.wav")));
    EXPECT_FALSE(fs::exists(dir.file("music/y.wav")));
}

TEST_F(BatchDriverTest, OutputPathFailureShowsItsTextAndTheBatchGoesOn) {
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
    runAll(FormatMp3);
    const std::string expected = "Failed to create folder \"" + mirrorParent + "/music/\"";
    EXPECT_EQ(host.status[0], expected);
    EXPECT_EQ(host.status[1], expected);
    EXPECT_EQ(host.progress.batchPosition, 2);
}

TEST_F(BatchDriverTest, TheFirstExistingOutputIsShown) {
    addEntry("a.wma");
    addEntry("b.wma");
    addEntry("c.wma");
    int call = 0;
    registerAll([&call](const std::string& s, const std::string& d, ConvertProgress& p) {
        return ++call == 1 ? 0 : blockRoutine(s, d, p, 300);
    });
    runAll(FormatWav);
    EXPECT_EQ(host.status[0], "Conversion Failure");
    ASSERT_EQ(desktop.shown.size(), 1u);
    EXPECT_EQ(desktop.shown[0], dir.file("music/b.wav"));
    // The browse comes after the window is back, before the cursor is.
    EXPECT_EQ(host.events.back(), "endwait");
}

TEST_F(BatchDriverTest, NoSelectionOrNoRowsGivesAMessageOnly) {
    registerAll(kSucceeds);
    const BatchContext context{host, desktop, table, settings, places};
    ConvertAll(list, FormatMp3, context);
    addEntry("a.wma");
    addEntry("b.wma");
    ConvertSelected(list, {false, false}, FormatMp3, context);
    EXPECT_EQ(host.messages,
              (std::vector<std::string>{"Tonvexa: There aren't files in list.",
                                        "Tonvexa: You should select a file at least."}));
    EXPECT_TRUE(host.events.empty());
    EXPECT_TRUE(host.status.empty());
}

TEST_F(BatchDriverTest, SelectedRowsRunInListOrder) {
    for (const char* n : {"0.wma", "1.wma", "2.wma", "3.wma"}) addEntry(n);
    registerAll(kSucceeds);
    ConvertSelected(list, {false, true, false, true}, FormatMp3,
                    BatchContext{host, desktop, table, settings, places});
    EXPECT_EQ(host.visible, (std::vector<int>{1, 3}));
    EXPECT_EQ(host.status.count(0), 0u);
    EXPECT_EQ(host.status[1], "1.mp3");
    EXPECT_EQ(host.status[3], "3.mp3");
    EXPECT_EQ(host.progress.batchTexts.back(), "Converting 2 of 2 file(s) to MP3...");
}

TEST_F(BatchDriverTest, RunJobLeavesTheBatchStateAlone) {
    FileEntry& e = addEntry("solo.wma");
    registerAll(kSucceeds);
    ProgressLog log;
    FakeProgress progress(log);
    const JobOutcome outcome = RunJob(e, FormatMp3, table, places, progress);
    EXPECT_TRUE(outcome.success);
    EXPECT_EQ(outcome.statusText, "solo.mp3");
    EXPECT_EQ(e.destinationPath, dir.file("music/solo.mp3"));
    EXPECT_TRUE(log.batchTexts.empty());
    EXPECT_EQ(log.batchPosition, 0);
    EXPECT_EQ(log.fileTexts.front(), "Converting solo.wma...0%");
    EXPECT_EQ(log.filePositions.front(), 0);
}

// The per-file protocol's arithmetic.
namespace {

struct FileProgressCase {
    std::uint64_t total;
    int width;
    std::vector<std::uint32_t> blocks;
    std::vector<std::string> texts;  // after the blocks, before finish
    std::vector<int> positions;      // after the initial 0
};

class FileProgressArithmetic : public testing::TestWithParam<FileProgressCase> {};

}  // namespace

TEST_P(FileProgressArithmetic, TextsAndPositionsGrowByTheirSteps) {
    const auto& c = GetParam();
    ProgressLog log;
    log.width = c.width;
    FakeProgress progress(log);
    FileProgress fp(progress, "f.wma", c.total);
    EXPECT_EQ(log.fileRange, std::max(c.width, 1));
    ASSERT_EQ(log.filePositions, std::vector<int>{0});
    for (auto n : c.blocks) EXPECT_TRUE(fp.afterBlock(n));
    EXPECT_EQ(log.fileTexts, c.texts);
    std::vector<int> expected{0};
    expected.insert(expected.end(), c.positions.begin(), c.positions.end());
    EXPECT_EQ(log.filePositions, expected);
    EXPECT_EQ(log.pumps, static_cast<int>(c.blocks.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileProgressArithmetic,
    testing::Values(
        // 100000 frames over 400 pixels: a percent per 1000 frames, a pixel per 250.
        FileProgressCase{100000,
                         400,
                         {999, 1, 249, 1000},
                         {"Converting f.wma...1%", "Converting f.wma...2%"},
                         {3, 4, 8}},
        // Fewer than 100 frames: the percent step is 1, so percent counts frames.
        FileProgressCase{
            50, 459, {10, 10}, {"Converting f.wma...10%", "Converting f.wma...20%"}, {10, 20}},
        // Unknown length: both steps are 1; percent stops at 100, the bar at its width.
        FileProgressCase{
            0, 100, {60, 60, 60}, {"Converting f.wma...60%", "Converting f.wma...100%"}, {60, 100}},
        // A bar wider than the length: one pixel per frame.
        FileProgressCase{200,
                         459,
                         {100, 150},
                         {"Converting f.wma...50%", "Converting f.wma...100%"},
                         {100, 250}},
        // No bar width at all: one pixel, no division by zero.
        FileProgressCase{
            1000, 0, {500, 500}, {"Converting f.wma...50%", "Converting f.wma...100%"}, {1}},
        // Empty blocks change nothing.
        FileProgressCase{1000, 10, {0, 0}, {}, {}}));

TEST(FileProgress, CompleteShowsOneHundredOnce) {
    ProgressLog log;
    log.width = 200;
    FakeProgress progress(log);
    {
        FileProgress fp(progress, "f.wma", 1000);
        EXPECT_TRUE(fp.afterBlock(900));
        fp.finish(true);
        EXPECT_EQ(log.fileTexts.back(), "Converting f.wma...100%");
        EXPECT_EQ(log.filePositions.back(), 200);
        EXPECT_EQ(fp.shownPercent(), 100);
    }
    log.fileTexts.clear();
    log.filePositions.clear();
    {
        FileProgress fp(progress, "f.wma", 100);
        EXPECT_TRUE(fp.afterBlock(100));
        ASSERT_EQ(log.fileTexts.size(), 1u);
        // 100 frames on 200 pixels: 100 % is shown with the bar half-way; completion keeps
        // the text and fills the bar.
        EXPECT_EQ(log.filePositions, (std::vector<int>{0, 100}));
        fp.finish(true);
        EXPECT_EQ(log.fileTexts.size(), 1u);
        EXPECT_EQ(log.filePositions, (std::vector<int>{0, 100, 200}));
    }
    log.fileTexts.clear();
    {
        FileProgress fp(progress, "f.wma", 1000);
        EXPECT_TRUE(fp.afterBlock(500));
        fp.finish(false);  // incomplete: stays where it was
        EXPECT_EQ(log.fileTexts, std::vector<std::string>{"Converting f.wma...50%"});
    }
}

TEST(FileProgress, CancelIsSeenAfterThePump) {
    ProgressLog log;
    FakeProgress progress(log);
    FileProgress fp(progress, "f.wma", 1000);
    EXPECT_TRUE(fp.afterBlock(100));
    log.onPump = [&log] { log.cancelled = true; };
    EXPECT_FALSE(fp.afterBlock(100));
    EXPECT_EQ(log.pumps, 2);
    EXPECT_EQ(log.fileTexts.back(), "Converting f.wma...20%");
}
