#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <latch>
#include <mutex>

#include "TestDialogs.h"
#include "support/TestSupport.h"
#include "ui/FileAdder.h"
#include "ui/FileListModel.h"
#include "ui/LoadProgressDialog.h"
#include "ui/SortableListCtrl.h"

using namespace tonvexa;
namespace fs = std::filesystem;

namespace {

FileEntry Entry(const std::string& path, int bitRate, AudioFormatCode code = FormatWav) {
    FileEntry e;
    e.sourcePath = path;
    e.bitRate = bitRate;
    e.sampleRate = 44100;
    e.channels = 2;
    e.length = 44100 * 65;
    e.formatCode = code;
    return e;
}

// The adding operation over a model, probing with a stand-in that accepts every supported
// path except those named "bad..." and records what it was asked. The stand-in runs on the
// adder's threads, several at once.
class AddingTest : public testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->show();
        adder = std::make_unique<FileAdder>(
            model,
            [this](const std::string& path) -> std::optional<FileEntry> {
                {
                    std::lock_guard lock(probedMutex);
                    probed.push_back(path);
                }
                if (onProbe) onProbe(path);
                if (fs::path(path).filename().string().rfind("bad", 0) == 0) return std::nullopt;
                return Entry(path, 128);
            },
            window.get(), dialogs, [this](bool enabled) { lockStates.push_back(enabled); });
    }
    void TearDown() override {
        if (!release.try_wait()) release.count_down();
        adder.reset();
        window.reset();
        QCoreApplication::processEvents();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }
    // Runs an adding to its end, as the window's event loop would.
    bool addAndWait(const std::function<void()>& start) {
        QSignalSpy ended(adder.get(), &FileAdder::finished);
        start();
        return ended.wait(20000);
    }
    std::vector<std::string> listedPaths() const {
        std::vector<std::string> paths;
        for (const FileEntry* e : model.entries()) paths.push_back(e->sourcePath);
        return paths;
    }

    test::TempDir dir;
    FileListModel model;
    test::TestDialogs dialogs;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<FileAdder> adder;
    std::mutex probedMutex;
    std::vector<std::string> probed;
    std::vector<bool> lockStates;
    std::function<void(const std::string&)> onProbe;
    std::latch release{1};  // for a probe that waits for the test
};

}  // namespace

TEST(FileListModelTest, HeadingClicksSortByTextAscendingThenReversed) {
    FileListModel model;
    SortableListCtrl list(&model);
    model.appendEntry(Entry("/m/b.wav", 64));
    model.appendEntry(Entry("/m/a.wav", 128));
    model.appendEntry(Entry("/m/c.wav", 320));
    list.selectionModel()->select(model.index(0, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);

    const auto column = [&](int c) {
        std::vector<QString> texts;
        for (int r = 0; r < model.rowCount(); ++r) texts.push_back(model.text(r, c));
        return texts;
    };
    // Bit rates sort as text: "128 kbps" before "64 kbps".
    list.sortByHeading(FileListModel::ColumnBitRate);
    EXPECT_EQ(column(2),
              (std::vector<QString>{QStringLiteral("128 kbps"), QStringLiteral("320 kbps"),
                                    QStringLiteral("64 kbps")}));
    list.sortByHeading(FileListModel::ColumnBitRate);
    EXPECT_EQ(column(2),
              (std::vector<QString>{QStringLiteral("64 kbps"), QStringLiteral("320 kbps"),
                                    QStringLiteral("128 kbps")}));
    EXPECT_FALSE(list.sortAscending());
    // The selection follows its row, and the entries their texts.
    ASSERT_EQ(list.selectedRowsInOrder(), std::vector<int>{0});
    EXPECT_EQ(model.entry(0)->sourcePath, "/m/b.wav");
    // Another column starts ascending again.
    list.sortByHeading(FileListModel::ColumnName);
    EXPECT_TRUE(list.sortAscending());
    EXPECT_EQ(column(0), (std::vector<QString>{QStringLiteral("a.wav"), QStringLiteral("b.wav"),
                                               QStringLiteral("c.wav")}));
}

TEST(FileListModelTest, ColumnsAndTexts) {
    FileListModel model;
    SortableListCtrl list(&model);
    const int widths[] = {152, 55, 70, 70, 60, 145};
    for (int c = 0; c < FileListModel::ColumnCount; ++c) EXPECT_EQ(list.columnWidth(c), widths[c]);
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Freq."));
    model.appendEntry(Entry("/m/song.wav", 1411));
    EXPECT_EQ(model.text(0, 0), QStringLiteral("song.wav"));
    EXPECT_EQ(model.text(0, 1), QStringLiteral("01:05"));
    EXPECT_EQ(model.data(model.index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignRight,
              Qt::AlignRight);
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST(FileListModelTest, KeyboardAsksForTheMenuAtTheCentreOfTheList) {
    FileListModel model;
    SortableListCtrl list(&model);
    list.setGeometry(137, 63, 552, 465);
    list.show();
    QSignalSpy spy(&list, &SortableListCtrl::contextMenuWanted);
    QTest::keyClick(&list, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(&list, Qt::Key_Menu);
    ASSERT_EQ(spy.count(), 2);
    const QPoint centre = list.mapToGlobal(QPoint(276, 232));
    EXPECT_EQ(spy.at(0).at(0).toPoint(), centre);
    EXPECT_EQ(spy.at(1).at(0).toPoint(), centre);
}

// A file is listed once, whichever path leads to it (here a symbolic link); a duplicate is
// skipped without a word and never opened. Names that differ only in letter case are two
// files where the file system keeps them apart.
TEST_F(AddingTest, DuplicatesAreTheSameFileWhateverThePath) {
    const std::string song = dir.file("Song.wav"), lower = dir.file("song.wav"),
                      link = dir.file("link.wav");
    test::writeFile(song, std::string("x"));
    test::writeFile(lower, std::string("x"));
    fs::create_symlink(song, link);
    ASSERT_TRUE(addAndWait([&] { adder->AddFilesToList({song, link, song}); }));
    ASSERT_TRUE(addAndWait([&] {
        adder->AddFilesToList({link, lower, dir.file("other.txt"), dir.file("bad.mp3")});
    }));
    EXPECT_EQ(listedPaths(), (std::vector<std::string>{song, lower}));
    ASSERT_EQ(dialogs.messages.size(), 1u);  // other.txt and bad.mp3 only
    EXPECT_NE(dialogs.messages[0].text.indexOf(QString::fromStdString(dir.file("other.txt"))), -1);
    // Removing the row makes the file addable again, by any of its paths.
    model.removeRowsAt({0});
    ASSERT_TRUE(addAndWait([&] { adder->AddFilesToList({link}); }));
    EXPECT_EQ(listedPaths(), (std::vector<std::string>{lower, link}));
    std::vector<std::string> opened = {song, lower, dir.file("bad.mp3"), link};
    std::sort(opened.begin(), opened.end());
    std::sort(probed.begin(), probed.end());
    EXPECT_EQ(probed, opened);
}

TEST_F(AddingTest, TwelveUnreadableFilesAreNamedTenThenMore) {
    std::vector<std::string> paths;
    for (int i = 1; i <= 12; ++i) paths.push_back("/music/bad" + std::to_string(i) + ".wma");
    paths.push_back("/music/good.wma");
    ASSERT_TRUE(addAndWait([&] { adder->AddFilesToList(paths); }));
    EXPECT_EQ(listedPaths(), std::vector<std::string>{"/music/good.wma"});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    QString expected = QStringLiteral("Failed to load the following files.\n\n");
    for (int i = 1; i <= 10; ++i) expected += QStringLiteral("/music/bad%1.wma\n").arg(i);
    expected +=
        QStringLiteral("<more files>...\n\nTo get help, please contact <support@tonvexa.example>.");
    EXPECT_EQ(dialogs.messages[0].text, expected);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);
    // The window was locked for the adding and unlocked before the message.
    EXPECT_EQ(lockStates, (std::vector<bool>{false, true}));
}

// Cancel ends the adding at once, without waiting for a probe still under way: the rows
// added so far stay, and the files being probed never reach the list.
TEST_F(AddingTest, CancelStopsTheAddingAndKeepsWhatWasAdded) {
    onProbe = [this](const std::string& path) {
        if (path == "/m/3.wav") release.wait();
    };
    QSignalSpy ended(adder.get(), &FileAdder::finished);
    adder->AddFilesToList({"/m/1.wav", "/m/2.wav", "/m/3.wav", "/m/4.wav"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.rowCount() == 2; }));
    auto* dialog = window->findChild<LoadProgressDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QPushButton*>(QStringLiteral("1033"))->click();
    ASSERT_TRUE(ended.wait(5000));
    release.count_down();
    EXPECT_EQ(listedPaths(), (std::vector<std::string>{"/m/1.wav", "/m/2.wav"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AddingTest, DroppedFolderIsAddedFolderByFolderAndKindByKind) {
    fs::create_directories(dir.path() / "pop" / "sub");
    for (const char* name : {"pop/b.wav", "pop/a.mp3", "pop/c.wma", "pop/notes.txt", "pop/d.ASF",
                             "pop/sub/e.wav", "pop/sub/f.wmv"}) {
        test::writeFile(dir.file(name), std::string("x"));
    }
    const std::string loose = dir.file("loose.mp3");
    test::writeFile(loose, std::string("x"));
    ASSERT_TRUE(addAndWait([&] {
        adder->AddDroppedItems({dir.file("pop"), loose, dir.file("pop/notes.txt")});
    }));
    EXPECT_EQ(listedPaths(), (std::vector<std::string>{dir.file("pop/c.wma"), dir.file("pop/d.ASF"),
                                                       dir.file("pop/a.mp3"), dir.file("pop/b.wav"),
                                                       dir.file("pop/sub/f.wmv"),
                                                       dir.file("pop/sub/e.wav"), loose}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AddingTest, DroppedShortcutAddsItsTarget) {
    const std::string target = dir.file("real song.wav");
    test::writeFile(target, std::string("x"));
    const std::string link = dir.file("song.desktop");
    std::ofstream(link) << "[Desktop Entry]\nType=Link\nName=song\nURL="
                        << QUrl::fromLocalFile(QString::fromStdString(target))
                               .toString(QUrl::FullyEncoded)
                               .toStdString()
                        << "\n";
    ASSERT_TRUE(addAndWait([&] { adder->AddDroppedItems({link}); }));
    EXPECT_EQ(listedPaths(), std::vector<std::string>{target});
}
