#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "base/PathUtil.h"
#include "engine/OutputNaming.h"
#include "support/TestSupport.h"

using namespace tonvexa;
using tonvexa::test::TempDir;
namespace fs = std::filesystem;

namespace {

void touch(const std::string& path) {
    test::writeFile(path, std::string("x"));
}

FileEntry entryFor(const std::string& source) {
    FileEntry e;
    e.sourcePath = source;
    e.formatCode = FormatCodeOfPath(source);
    return e;
}

class OutputNamingTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir.path() / "music");
        places.documentsFolder = dir.file("docs");
        places.programFolder = dir.file("prog") + "/";
        fs::create_directories(dir.path() / "prog");
        touch(dir.file("plainfile"));
    }

    // A place no file can be created in, even as root: it runs through a regular file.
    std::string impossible(const std::string& rest) const {
        return dir.file("plainfile") + "/" + rest;
    }

    std::string prepare(const std::string& source, AudioFormatCode target, bool expectOk = true) {
        FileEntry e = entryFor(source);
        failure = {};
        const bool ok = PrepareOutputFile(e, target, failure, places);
        EXPECT_EQ(ok, expectOk) << static_cast<int>(failure.kind);
        if (ok) {
            EXPECT_FALSE(FileExists(e.destinationPath)) << "the probe left " << e.destinationPath;
        }
        return ok ? e.destinationPath : std::string();
    }

    TempDir dir;
    OutputPlaces places;
    OutputFailure failure;
};

}  // namespace

TEST_F(OutputNamingTest, TakenNamesGetTheNextNumber) {
    const std::string base = dir.file("music/a");
    touch(base + ".mp3");
    touch(base + "_1.mp3");
    std::string dest;
    MakeOutputName(dest, base, FormatMp3);
    EXPECT_EQ(dest, base + "_2.mp3");
    MakeOutputName(dest, base, FormatWav);
    EXPECT_EQ(dest, base + ".wav");
    MakeOutputName(dest, base, 42);
    EXPECT_EQ(dest, base + ".wav");
}

TEST_F(OutputNamingTest, FoldersAndDanglingLinksCountAsTaken) {
    const std::string base = dir.file("music/a");
    fs::create_directory(base + ".mp3");
    fs::create_symlink(dir.file("nowhere"), base + "_1.mp3");
    std::string dest;
    MakeOutputName(dest, base, FormatMp3);
    EXPECT_EQ(dest, base + "_2.mp3");
}

TEST_F(OutputNamingTest, WindowsMediaToItselfNeverTakesTheSourceName) {
    const std::string source = dir.file("music/song.wma");
    touch(source);
    EXPECT_EQ(prepare(source, FormatWma), dir.file("music/song_1.wma"));
}

TEST_F(OutputNamingTest, BesideTheSourceWithoutItsExtension) {
    EXPECT_EQ(prepare(dir.file("music/Track 01.MP3"), FormatWma), dir.file("music/Track 01.wma"));
    fs::create_directories(dir.file("music/x.y"));
    EXPECT_EQ(prepare(dir.file("music/x.y/noext"), FormatMp3), dir.file("music/x.y/noext.mp3"));
    // Four-letter extensions go whole, not by a fixed count of characters.
    EXPECT_EQ(prepare(dir.file("music/a.flac"), FormatMp3), dir.file("music/a.mp3"));
}

TEST_F(OutputNamingTest, SpecifiedFolderEmptyActsAsBesideTheSource) {
    places.destOutputFolderOpt = kOutputSpecifiedFolder;
    places.destSpecifiedFolder.clear();
    EXPECT_EQ(prepare(dir.file("music/a.wav"), FormatWma), dir.file("music/a.wma"));
    EXPECT_EQ(failure.kind, OutputFailure::Kind::None);
}

TEST_F(OutputNamingTest, OtherOptionValuesActAsBesideTheSource) {
    places.destOutputFolderOpt = 5;
    places.destSpecifiedFolder = dir.file("out");
    EXPECT_EQ(prepare(dir.file("music/a.wav"), FormatWma), dir.file("music/a.wma"));
    EXPECT_FALSE(fs::exists(dir.file("out")));
}

TEST_F(OutputNamingTest, SpecifiedFolderIsCreatedWhenMissing) {
    places.destOutputFolderOpt = kOutputSpecifiedFolder;
    places.destSpecifiedFolder = dir.file("out/new/deep");  // no trailing separator
    EXPECT_EQ(prepare(dir.file("music/a.mp3"), FormatWma), dir.file("out/new/deep/a.wma"));
    EXPECT_TRUE(fs::is_directory(dir.file("out/new/deep")));
}

TEST_F(OutputNamingTest, ImpossibleSpecifiedFolderSilentlyFallsBackToTheSourceFolder) {
    places.destOutputFolderOpt = kOutputSpecifiedFolder;
    places.destSpecifiedFolder = impossible("out");
    places.createDirs = true;
    EXPECT_EQ(prepare(dir.file("music/a.mp3"), FormatWma), dir.file("music/a.wma"));
    EXPECT_EQ(failure.kind, OutputFailure::Kind::None);
}

TEST_F(OutputNamingTest, CreateDirsMirrorsTheSourceFolderBelowTheSpecifiedOne) {
    places.destOutputFolderOpt = kOutputSpecifiedFolder;
    places.destSpecifiedFolder = dir.file("out") + "/";
    places.createDirs = true;
    const std::string root = dir.path().string();
    ASSERT_EQ(root.front(), '/');
    const std::string mirrored = dir.file("out") + root + "/music/pop/";
    EXPECT_EQ(prepare(root + "/music/pop/1.mp3", FormatWma), mirrored + "1.wma");
    EXPECT_TRUE(fs::is_directory(mirrored));
    // Doubled separators collapse, drive-like colons go.
    EXPECT_EQ(prepare(root + "//music//pop/1.mp3", FormatWma), mirrored + "1.wma");
    EXPECT_EQ(prepare(root + "/music/C:/2.mp3", FormatWav),
              dir.file("out") + root + "/music/C/2.wav");
}

TEST_F(OutputNamingTest, CreateDirsFailureReportsTheFolderAndTriesNoFallback) {
    places.destOutputFolderOpt = kOutputSpecifiedFolder;
    places.destSpecifiedFolder = dir.file("out");
    places.createDirs = true;
    // The mirrored folder would have to run through a regular file.
    const std::string root = dir.path().string();
    fs::create_directories(dir.file("out") + root);
    touch(dir.file("out") + root + "/music");
    prepare(root + "/music/pop/1.mp3", FormatWma, false);
    EXPECT_EQ(failure.kind, OutputFailure::Kind::FolderNotCreated);
    EXPECT_EQ(failure.folder, dir.file("out") + root + "/music/pop/");
    EXPECT_FALSE(fs::exists(dir.file("docs")));
}

TEST_F(OutputNamingTest, UnwritableSourceFolderFallsBackToDocumentsThenProgram) {
    const std::string source = impossible("song.mp3");
    // The documents folder does not exist yet: it is created.
    EXPECT_EQ(prepare(source, FormatWma), dir.file("docs/TONVEX/song.wma"));
    touch(dir.file("docs/TONVEX/song.wma"));
    EXPECT_EQ(prepare(source, FormatWma), dir.file("docs/TONVEX/song_1.wma"));

    places.documentsFolder = impossible("docs");
    EXPECT_EQ(prepare(source, FormatWav), dir.file("prog/TONVEX/song.wav"));
    places.documentsFolder.reset();
    EXPECT_EQ(prepare(source, FormatMp3), dir.file("prog/TONVEX/song.mp3"));
}

TEST_F(OutputNamingTest, FallbacksKeepOnlyTheFileName) {
    EXPECT_EQ(prepare(impossible("deep/er/a.mp3"), FormatWma), dir.file("docs/TONVEX/a.wma"));
    places.documentsFolder = dir.file("docs") + "/";  // with its separator already
    EXPECT_EQ(prepare(impossible("b.wav"), FormatWma), dir.file("docs/TONVEX/b.wma"));
}

TEST_F(OutputNamingTest, EveryProbeFailingIsReported) {
    places.documentsFolder = impossible("docs");
    places.programFolder = impossible("prog/");
    prepare(impossible("song.mp3"), FormatWma, false);
    EXPECT_EQ(failure.kind, OutputFailure::Kind::DestinationNotCreated);
    places.documentsFolder.reset();
    places.programFolder.reset();
    prepare(impossible("song.mp3"), FormatWma, false);
    EXPECT_EQ(failure.kind, OutputFailure::Kind::DestinationNotCreated);
}

// The probe proves the folder with a file that never has a name: nothing appears in the
// folder, not even for an instant.
TEST_F(OutputNamingTest, TheProbeNeverShowsInTheFolder) {
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, dir.file("music").c_str(),
                                  IN_CREATE | IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM),
              0);
    EXPECT_EQ(prepare(dir.file("music/quiet.wma"), FormatMp3), dir.file("music/quiet.mp3"));
    char events[4096];
    EXPECT_LT(::read(watch, events, sizeof events), 0) << "a file came and went";
    ::close(watch);
    EXPECT_TRUE(fs::is_empty(dir.file("music")));
}

// Names at the file system's limit (255 bytes here): a name that would pass it keeps its
// number and extension and gives up the end of its stem; it never goes to the documents
// folder for that.
TEST_F(OutputNamingTest, NamesAtTheLengthLimitShortenTheirStem) {
    ASSERT_EQ(NameLimit(dir.file("music")), 255u);
    for (const std::size_t length : {254u, 255u, 256u}) {
        const std::string stem(length - 4, 'n');
        const std::string source = dir.file("music/" + stem + ".wav");
        const std::string plain = prepare(source, FormatMp3);
        EXPECT_EQ(FileNamePart(plain), std::string(std::min<std::size_t>(length, 255) - 4, 'n') + ".mp3")
            << length;
        touch(plain);
        // Taken: "_1" makes room for itself.
        EXPECT_EQ(FileNamePart(prepare(source, FormatMp3)),
                  std::string(std::min<std::size_t>(length + 2, 255) - 6, 'n') + "_1.mp3")
            << length;
        fs::remove(plain);
    }
}

// A UTF-8 stem is cut between characters, a combining mark going with its letter; any other
// stem is cut by bytes.
TEST(FitStem, CutsBetweenCharactersOrBytes) {
    const std::string cjk = "\xE6\x97\xA5\xE6\x9C\xAC";  // two characters of three bytes
    EXPECT_EQ(FitStem(cjk, 6), cjk);
    EXPECT_EQ(FitStem(cjk, 5), "\xE6\x97\xA5");
    EXPECT_EQ(FitStem(cjk, 2), "");
    const std::string accented = "ab\x65\xCC\x81\xCC\xA3";  // a b e + two marks
    EXPECT_EQ(FitStem(accented, 7), accented);
    EXPECT_EQ(FitStem(accented, 6), "ab");
    EXPECT_EQ(FitStem(accented, 3), "ab");
    const std::string latin1 = "caf\xE9 cr\xE8me";
    EXPECT_EQ(FitStem(latin1, 4), "caf\xE9");
    EXPECT_EQ(FitStem(latin1, 9), "caf\xE9 cr\xE8m");
}

// The name an output takes when its own was taken during the conversion follows the
// numbering of the names that output naming chooses.
TEST_F(OutputNamingTest, TheNextFreeNameFollowsTheNumbering) {
    touch(dir.file("music/a.mp3"));
    touch(dir.file("music/a_1.mp3"));
    EXPECT_EQ(NextFreeOutputName(dir.file("music/a.wma"), dir.file("music/a.mp3")),
              dir.file("music/a_2.mp3"));
    EXPECT_EQ(NextFreeOutputName(dir.file("music/a.wma"), dir.file("music/a_1.mp3")),
              dir.file("music/a_2.mp3"));
    // A source whose name looks numbered is a base of its own.
    EXPECT_EQ(NextFreeOutputName(dir.file("music/a_1.wma"), dir.file("music/a_1.mp3")),
              dir.file("music/a_1_1.mp3"));
    // A shortened name counts as the source's, and a name held below the limit is cut more.
    const std::string longStem(250, 'x');
    touch(dir.file("music/" + longStem.substr(0, 249) + "_1.mp3"));
    EXPECT_EQ(NextFreeOutputName(dir.file("music/" + longStem + ".wma"),
                                 dir.file("music/" + longStem.substr(0, 249) + "_1.mp3")),
              dir.file("music/" + longStem + ".mp3"));
    EXPECT_EQ(FileNamePart(NextFreeOutputName(dir.file("music/" + longStem + ".wma"),
                                              dir.file("music/" + longStem + ".mp3"), 200)),
              longStem.substr(0, 196) + ".mp3");
    // A name of another stem is numbered on its own.
    touch(dir.file("music/other.mp3"));
    EXPECT_EQ(NextFreeOutputName(dir.file("music/a.wma"), dir.file("music/other.mp3")),
              dir.file("music/other_1.mp3"));
}

TEST_F(OutputNamingTest, FolderTreeRules) {
    EXPECT_TRUE(CreateFolderTree(dir.file("t/a/b/c")));
    EXPECT_TRUE(fs::is_directory(dir.file("t/a/b/c")));
    EXPECT_TRUE(CreateFolderTree(dir.file("t/x//y/")));
    EXPECT_TRUE(fs::is_directory(dir.file("t/x/y")));
    EXPECT_TRUE(CreateFolderTree(dir.file("t/a/b/c")));  // exists already
    EXPECT_FALSE(CreateFolderTree(dir.file("plainfile")));
    EXPECT_FALSE(CreateFolderTree(impossible("z/")));
    EXPECT_FALSE(CreateFolderTree(""));

    EXPECT_TRUE(EnsureFolder(dir.file("music"), false));
    EXPECT_FALSE(EnsureFolder(dir.file("missing"), false));
    EXPECT_FALSE(fs::exists(dir.file("missing")));
    EXPECT_TRUE(EnsureFolder(dir.file("missing"), true));
    EXPECT_FALSE(EnsureFolder(dir.file("plainfile"), true));
}

TEST(OutputPlaces, ComeFromTheOptionsAndTheRunningProgram) {
    AppSettings s;
    s.DestOutputFolderOpt = kOutputSpecifiedFolder;
    s.DestSpecifiedFolder = "/srv/out";
    s.CreateDirs = 1;
    const OutputPlaces p = OutputPlacesFrom(s);
    EXPECT_EQ(p.destOutputFolderOpt, kOutputSpecifiedFolder);
    EXPECT_EQ(p.destSpecifiedFolder, "/srv/out");
    EXPECT_TRUE(p.createDirs);
    ASSERT_TRUE(p.programFolder.has_value());
    EXPECT_EQ(*p.programFolder, ProgramFolder().value());
    if (p.documentsFolder) {
        EXPECT_EQ(p.documentsFolder->back(), '/');
    }
}
