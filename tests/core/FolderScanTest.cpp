#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "engine/FolderScan.h"
#include "support/TestSupport.h"

using namespace tonvexa;
namespace fs = std::filesystem;

namespace {

void touch(const std::string& path) {
    test::writeFile(path, std::string("x"));
}

void put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(v & 0xFF);
    b.push_back(v >> 8);
}
void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A shell link as Windows writes it: header, an item-id list, and LinkInfo with a local
// base path (and, when asked, its Unicode twin).
std::vector<std::uint8_t> makeLnk(const std::string& target, bool withIdList, bool unicode) {
    std::vector<std::uint8_t> b;
    put32(b, 0x4C);
    const std::uint8_t clsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    b.insert(b.end(), std::begin(clsid), std::end(clsid));
    put32(b, (withIdList ? 0x1 : 0) | 0x2 | 0x80);  // flags: id list, link info, unicode
    while (b.size() < 0x4C) b.push_back(0);
    if (withIdList) {
        put16(b, 6);
        b.insert(b.end(), {0x04, 0x00, 0xAA, 0xBB, 0x00, 0x00});
    }
    const std::uint32_t headerSize = unicode ? 0x24 : 0x1C;
    std::vector<std::uint8_t> volume = {0x10, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0x10, 0, 0, 0};
    const std::uint32_t volumeOffset = headerSize;
    const std::uint32_t baseOffset = volumeOffset + static_cast<std::uint32_t>(volume.size());
    const std::uint32_t suffixOffset = baseOffset + static_cast<std::uint32_t>(target.size()) + 1;
    const std::uint32_t baseUnicodeOffset = suffixOffset + 1;
    std::u16string wide(target.begin(), target.end());
    const std::uint32_t suffixUnicodeOffset =
        baseUnicodeOffset + static_cast<std::uint32_t>(2 * (wide.size() + 1));
    const std::uint32_t size = unicode ? suffixUnicodeOffset + 2 : suffixOffset + 1;
    put32(b, size);
    put32(b, headerSize);
    put32(b, 0x1);  // VolumeIDAndLocalBasePath
    put32(b, volumeOffset);
    put32(b, baseOffset);
    put32(b, 0);
    put32(b, suffixOffset);
    if (unicode) {
        put32(b, baseUnicodeOffset);
        put32(b, suffixUnicodeOffset);
    }
    b.insert(b.end(), volume.begin(), volume.end());
    b.insert(b.end(), target.begin(), target.end());
    b.push_back(0);
    b.push_back(0);  // empty common path suffix
    if (unicode) {
        for (char16_t c : wide) put16(b, c);
        put16(b, 0);
        put16(b, 0);
    }
    put32(b, 0);  // terminal block
    return b;
}

std::string fileNames(const std::vector<std::string>& paths) {
    std::string s;
    for (const auto& p : paths) s += fs::path(p).filename().string() + " ";
    return s;
}

}  // namespace

TEST(FolderScan, FilesComeGroupedPerFolderAndExtensionThenShortcuts) {
    test::TempDir dir;
    fs::create_directories(dir.path() / "sub" / "deeper");
    touch(dir.file("b.wav"));
    touch(dir.file("a.MP3"));
    touch(dir.file("c.wma"));
    touch(dir.file("d.asf"));
    touch(dir.file("e.wmv"));
    touch(dir.file("notes.txt"));
    touch(dir.file("track.mp3.bak"));
    touch(dir.file("sub/inner.wav"));
    touch(dir.file("sub/deeper/deep.wma"));
    fs::create_directory(dir.path() / "folder.mp3");  // a folder is never a file to add
    test::writeFile(dir.file("link.lnk"), makeLnk(dir.file("sub/inner.wav"), true, false));
    test::writeFile(dir.file("other.lnk"), makeLnk(dir.file("notes.txt"), true, false));

    std::vector<std::string> paths;
    ScanFolder(paths, dir.path().string());
    // Root: one group per extension, then the shortcut's target; then "sub", "sub/deeper"
    // (the empty folder "folder.mp3" adds nothing).
    EXPECT_EQ(fileNames(paths), "c.wma e.wmv d.asf a.MP3 b.wav inner.wav inner.wav deep.wma ")
        << "paths: " << fileNames(paths);
}

TEST(FolderScan, SubfoldersAreScannedInPreOrderAndLinkCyclesEnd) {
    test::TempDir dir;
    fs::create_directories(dir.path() / "a" / "b");
    touch(dir.file("a/b/x.wav"));
    fs::create_directory_symlink(dir.path(), dir.path() / "a" / "b" / "loop");
    fs::create_directory_symlink(dir.path() / "a", dir.path() / "a" / "again");
    std::vector<std::string> folders;
    CollectFolders(folders, dir.path().string());
    ASSERT_EQ(folders.size(), 3u) << fileNames(folders);
    EXPECT_EQ(folders[0], dir.path().string());
    EXPECT_EQ(folders[1], dir.file("a"));
    EXPECT_EQ(folders[2], dir.file("a/b"));

    std::vector<std::string> paths;
    ScanFolder(paths, dir.path().string());
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(paths[0], dir.file("a/b/x.wav"));
}

// Files and subfolders come as a file manager lists them: numbers by their value, letter
// case ignored, and names that differ only in case in a fixed order (by their bytes).
TEST(FolderScan, NamesComeInNaturalOrderWithoutRegardToCase) {
    test::TempDir dir;
    for (const char* name : {"t10.wav", "track 10.wav", "T3.wav", "t2.wav", "Track 2.wav", "t1.wav",
                             "b.mp3", "same.mp3", "Same.mp3", "A.mp3"})
        touch(dir.file(name));
    for (const char* folder : {"disc 10", "Disc 9", "disc 1"}) {
        fs::create_directories(dir.path() / folder / "part 10");
        fs::create_directories(dir.path() / folder / "part 2");
        touch(dir.file(std::string(folder) + "/x.wav"));
    }
    std::vector<std::string> paths;
    ScanFolder(paths, dir.path().string());
    std::string names;
    for (const auto& p : paths) names += fs::relative(p, dir.path()).string() + "|";
    EXPECT_EQ(names,
              "A.mp3|b.mp3|Same.mp3|same.mp3|t1.wav|t2.wav|T3.wav|t10.wav|Track 2.wav|"
              "track 10.wav|disc 1/x.wav|Disc 9/x.wav|disc 10/x.wav|");
    std::vector<std::string> folders;
    CollectFolders(folders, dir.file("disc 1"));
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(fs::path(folders[1]).filename(), "part 2");
    EXPECT_EQ(fs::path(folders[2]).filename(), "part 10");
}

// Cancel is asked between the steps of a search: it ends there, keeping what it found.
TEST(FolderScan, ACancelledSearchEndsWithWhatItFound) {
    test::TempDir dir;
    fs::create_directories(dir.path() / "sub");
    touch(dir.file("a.wav"));
    touch(dir.file("b.wav"));
    touch(dir.file("sub/c.wav"));
    std::vector<std::string> paths;
    ScanFolder(paths, dir.path().string(), [&] { return !paths.empty(); });
    EXPECT_EQ(fileNames(paths), "a.wav b.wav ");
    paths.clear();
    CollectDroppedPaths(paths, dir.path().string(), [] { return true; });
    EXPECT_TRUE(paths.empty());
}

TEST(Shortcuts, ShellLinkGivesItsLocalBasePath) {
    test::TempDir dir;
    for (bool idList : {false, true}) {
        for (bool unicode : {false, true}) {
            test::writeFile(dir.file("s.lnk"), makeLnk("/music/song.wma", idList, unicode));
            auto target = ResolveShortcut(dir.file("s.lnk"));
            ASSERT_TRUE(target.has_value()) << idList << unicode;
            EXPECT_EQ(*target, "/music/song.wma");
        }
    }
}

TEST(Shortcuts, BrokenShellLinksAreRefusedNotOverRead) {
    test::TempDir dir;
    const auto good = makeLnk("/music/song.wma", true, true);
    for (std::size_t cut = 0; cut < good.size(); cut += 3) {
        std::vector<std::uint8_t> truncated(good.begin(), good.begin() + static_cast<long>(cut));
        test::writeFile(dir.file("t.lnk"), truncated);
        auto target = ResolveShortcut(dir.file("t.lnk"));
        if (target) {
            EXPECT_EQ(*target, "/music/song.wma");  // a tail cut leaves the path intact
        }
    }
    auto bad = good;
    bad[0x4C + 8 + 16] = 0xFF;  // LocalBasePathOffset far outside the LinkInfo
    bad[0x4C + 8 + 17] = 0xFF;
    bad[0x4C + 8 + 28] = 0;  // and no Unicode path either
    test::writeFile(dir.file("bad.lnk"), bad);
    EXPECT_FALSE(ResolveShortcut(dir.file("bad.lnk")).has_value());
    test::writeFile(dir.file("text.lnk"), std::string("not a link at all"));
    EXPECT_FALSE(ResolveShortcut(dir.file("text.lnk")).has_value());
    EXPECT_FALSE(ResolveShortcut(dir.file("missing.lnk")).has_value());
}

TEST(Shortcuts, DesktopLinkFiles) {
    test::TempDir dir;
    test::writeFile(dir.file("song.desktop"), std::string("[Desktop Entry]\nType=Link\nName=Song\n"
                                                          "URL=file:///music/My%20Song.mp3\n"));
    auto target = ResolveShortcut(dir.file("song.desktop"));
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(*target, "/music/My Song.mp3");
    test::writeFile(dir.file("app.desktop"),
                    std::string("[Desktop Entry]\nType=Application\nExec=true\n"));
    EXPECT_FALSE(ResolveShortcut(dir.file("app.desktop")).has_value());
    test::writeFile(dir.file("web.desktop"),
                    std::string("[Desktop Entry]\nType=Link\nURL=https://www.tonvexa.example/\n"));
    EXPECT_FALSE(ResolveShortcut(dir.file("web.desktop")).has_value());
}

// Link files follow their own format, not an INI reader's: commas, semicolons and quotes
// are part of the URL, only the format's escapes are escapes, and only the first "URL" of
// the "Desktop Entry" group counts.
TEST(Shortcuts, DesktopLinkFilesKeepEveryCharacterOfTheirUrl) {
    test::TempDir dir;
    const auto resolve = [&](const std::string& text) {
        test::writeFile(dir.file("link.desktop"), text);
        return ResolveShortcut(dir.file("link.desktop")).value_or("(none)");
    };
    EXPECT_EQ(resolve("[Desktop Entry]\nType=Link\nURL=file:///m/Song,%20Part%202.mp3\n"),
              "/m/Song, Part 2.mp3");
    EXPECT_EQ(resolve("[Desktop Entry]\nType=Link\nURL=file:///m/a;b.mp3\n"), "/m/a;b.mp3");
    EXPECT_EQ(resolve("[Desktop Entry]\nType=Link\nURL=file:///m/%22q%22.mp3\n"), "/m/\"q\".mp3");
    EXPECT_EQ(resolve("[Desktop Entry]\nType=Link\nURL=file:///m/a\\sb\\\\c\\d.mp3\n"),
              "/m/a b\\c\\d.mp3");
    // Blanks around "=", comments, a byte order mark, CRLF lines, other groups and
    // localised keys.
    EXPECT_EQ(resolve("\xEF\xBB\xBF# a link\r\n[Other]\r\nURL=file:///wrong.mp3\r\n"
                      "[Desktop Entry]\r\nURL[de]=file:///falsch.mp3\r\nType = Link\r\n"
                      "URL = file:///m/right.mp3\r\nURL=file:///m/second.mp3\r\n"),
              "/m/right.mp3");
    EXPECT_EQ(resolve("[Desktop Entry]\nType=Link\n"), "(none)");
    EXPECT_EQ(resolve("[Other]\nType=Link\nURL=file:///m/a.mp3\n"), "(none)");
    EXPECT_EQ(resolve("[Desktop Entry]\nType=Link\nURL=/m/no-scheme.mp3\n"), "(none)");
}

TEST(DroppedPaths, ShortcutChainsAreFollowedAndCyclesEnd) {
    test::TempDir dir;
    touch(dir.file("real.mp3"));
    test::writeFile(dir.file("one.lnk"), makeLnk(dir.file("two.lnk"), false, false));
    test::writeFile(dir.file("two.lnk"), makeLnk(dir.file("real.mp3"), false, false));
    test::writeFile(dir.file("loopA.lnk"), makeLnk(dir.file("loopB.lnk"), false, false));
    test::writeFile(dir.file("loopB.lnk"), makeLnk(dir.file("loopA.lnk"), false, false));
    std::vector<std::string> paths;
    CollectDroppedPaths(paths, dir.file("one.lnk"));
    CollectDroppedPaths(paths, dir.file("loopA.lnk"));
    CollectDroppedPaths(paths, dir.file("readme.txt"));
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(paths[0], dir.file("real.mp3"));
}
