#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "engine/BatchDriver.h"
#include "engine/OutputNameReservations.h"
#include "support/TestSupport.h"

using namespace tonvexa;

namespace {

// Takes a while before it creates its output, as a real conversion does, then writes the
// source's name into it so that every output can be traced back to its job.
int slowCopy(const std::string& source, const std::string& destination, ConvertProgress&) {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    test::writeFile(destination, source);
    return 1;
}

}  // namespace

// Sources that map to one output name (a.wav and a.mp3 both become a.wma) must never share
// an output, even when their jobs choose names at the same moment.
TEST(ConcurrentJobs, NoTwoJobsPickTheSameOutputName) {
    test::TempDir dir;
    ConversionTable table;
    table.Register(FormatWav, FormatWma, slowCopy);
    table.Register(FormatMp3, FormatWma, slowCopy);
    OutputNameReservations names;
    OutputPlaces places;
    places.reservations = &names;

    std::vector<FileEntry> entries;
    for (int copy = 0; copy < 4; ++copy) {
        for (const char* ext : {".wav", ".mp3"}) {
            FileEntry e;
            e.sourcePath = dir.file("a" + std::to_string(copy % 2) + ext);
            e.formatCode = FormatCodeOfPath(e.sourcePath);
            test::writeFile(e.sourcePath, std::string("source"));
            entries.push_back(e);
        }
    }
    // Each source appears twice, as two rows of one list would hold it.
    std::vector<JobOutcome> outcomes(entries.size());
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        threads.emplace_back([&, i] {
            SilentProgress progress;
            outcomes[i] = RunJob(entries[i], FormatWma, table, places, progress);
        });
    }
    for (auto& t : threads) t.join();

    std::set<std::string> outputs;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ASSERT_TRUE(outcomes[i].success()) << static_cast<int>(outcomes[i].result);
        outputs.insert(entries[i].destinationPath);
        const auto bytes = test::readFile(entries[i].destinationPath);
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), entries[i].sourcePath);
    }
    EXPECT_EQ(outputs.size(), entries.size());
    EXPECT_TRUE(outputs.count(dir.file("a0.wma")));
    EXPECT_TRUE(outputs.count(dir.file("a0_3.wma")));
}

TEST(ConcurrentJobs, AFailedJobGivesItsNameBack) {
    test::TempDir dir;
    ConversionTable table;
    table.Register(FormatWav, FormatWma,
                   [](const std::string&, const std::string&, ConvertProgress&) { return 0; });
    OutputNameReservations names;
    OutputPlaces places;
    places.reservations = &names;
    FileEntry e;
    e.sourcePath = dir.file("a.wav");
    e.formatCode = FormatWav;
    SilentProgress progress;
    EXPECT_FALSE(RunJob(e, FormatWma, table, places, progress).success());
    std::lock_guard lock(names.mutex());
    EXPECT_FALSE(names.isReserved(dir.file("a.wma")));
}
