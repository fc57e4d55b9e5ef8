#include <gtest/gtest.h>

#include "base/PathUtil.h"
#include "engine/AudioFormat.h"
#include "engine/FileEntry.h"

using namespace tonvexa;

TEST(AudioFormat, CodeFollowsTheExtensionWithoutRegardToCase) {
    EXPECT_EQ(FormatCodeOfPath("/music/SONG.WMV"), FormatWma);
    EXPECT_EQ(FormatCodeOfPath("/music/a.Asf"), FormatWma);
    EXPECT_EQ(FormatCodeOfPath("a.wma"), FormatWma);
    EXPECT_EQ(FormatCodeOfPath("/x/y.WaV"), FormatWav);
    EXPECT_EQ(FormatCodeOfPath("/x/y.mp3"), FormatMp3);
    EXPECT_EQ(FormatCodeOfPath("/x/archive.mp3.bak"), FormatNone);
    EXPECT_EQ(FormatCodeOfPath("/x/mp3"), FormatNone);
}

TEST(AudioFormat, ExtensionComesFromTheLastComponentOnly) {
    EXPECT_EQ(FileExtension("/music.d/readme"), "");
    EXPECT_EQ(FileExtension("/music.d/a.b.wav"), ".wav");
    EXPECT_EQ(FileExtension("/music/.wav"), ".wav");
    EXPECT_EQ(FileExtension("/music/name."), ".");
}

TEST(AudioFormat, TargetExtensions) {
    EXPECT_EQ(TargetExtension(FormatWma), ".wma");
    EXPECT_EQ(TargetExtension(FormatMp3), ".mp3");
    EXPECT_EQ(TargetExtension(FormatWav), ".wav");
    EXPECT_EQ(TargetExtension(12345), ".wav");
}

TEST(FileEntry, NewEntryHasNoDestination) {
    FileEntry e;
    EXPECT_TRUE(e.destinationPath.empty());
    EXPECT_EQ(e.formatCode, FormatNone);
}

TEST(PathUtil, FileNamePart) {
    EXPECT_EQ(FileNamePart("/a/b/c.wav"), "c.wav");
    EXPECT_EQ(FileNamePart("c.wav"), "c.wav");
    EXPECT_EQ(FileNamePart("/a/b/"), "");
    EXPECT_EQ(FileNamePart("/a/\xC3\xA9t\xC3\xA9.mp3"), "\xC3\xA9t\xC3\xA9.mp3");
}
