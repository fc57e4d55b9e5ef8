#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QUrlQuery>
#include <QWindow>

#include <filesystem>
#include <functional>
#include <map>

#include "GuiWait.h"
#include "TestDialogs.h"
#include "engine/BatchDriver.h"
#include "base/PathUtil.h"
#include "engine/DesktopServices.h"
#include "settings/SettingsStore.h"
#include "texts/Texts.h"
#include "support/MediaInfo.h"
#include "support/TestSupport.h"
#include "ui/CommandIds.h"
#include "ui/Commands.h"
#include "ui/ConvertProgressDialog.h"
#include "ui/FileListModel.h"
#include "ui/HelpWindow.h"
#include "ui/ImageButton.h"
#include "ui/LoadProgressDialog.h"
#include "ui/MainCommands.h"
#include "ui/MainDialog.h"
#include "ui/PopupMenus.h"
#include "ui/SortableListCtrl.h"
#include "ui/UrlOpener.h"
#include "ui/WindowDragger.h"
#include "wm/FfmpegWmRuntime.h"

using namespace tonvexa;
namespace fs = std::filesystem;

namespace {

class RecordingOpener : public UrlOpener {
public:
    int open(const QUrl& url) override {
        urls.push_back(url);
        return kOpenSucceeded;
    }
    std::vector<QUrl> urls;
};

class RecordingDesktop : public DesktopServices {
public:
    void ShowInExplorer(const std::string& path) override { shown.push_back(path); }
    std::vector<std::string> shown;
};

FileEntry Entry(const std::string& path) {
    FileEntry e;
    e.sourcePath = path;
    e.sampleRate = 44100;
    e.channels = 2;
    e.formatCode = FormatCodeOfPath(path);
    return e;
}

class MainDialogTest : public testing::Test {
protected:
    void SetUp() override {
        store = std::make_unique<SettingsStore>(dir.file("Tonvexa.conf"));
        // Started before: no help at start-up unless a test asks for it.
        store->WriteFirstRun(0);
    }
    void TearDown() override {
        window.reset();
        QCoreApplication::processEvents();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty())
            << QApplication::topLevelWidgets().size() << " top-level widgets left";
    }
    MainDialog& open() {
        window =
            std::make_unique<MainDialog>(MainServices{dialogs, opener, desktop, *store, runtime});
        window->show();
        QCoreApplication::processEvents();
        return *window;
    }
    void select(std::initializer_list<int> rows) {
        window->list()->clearSelection();
        for (int row : rows) {
            window->list()->selectionModel()->select(
                window->model()->index(row, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    // The enabled state of each item of a menu while it opens.
    std::map<int, bool> enabledWhenOpened(QMenu* menu) {
        Q_EMIT menu->aboutToShow();
        std::map<int, bool> states;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator()) states[CommandIdOf(a)] = a->isEnabled();
        }
        Q_EMIT menu->aboutToHide();
        return states;
    }
    std::vector<QString> statuses() const {
        std::vector<QString> texts;
        for (int r = 0; r < window->model()->rowCount(); ++r) {
            texts.push_back(window->model()->text(r, FileListModel::ColumnStatus));
        }
        return texts;
    }

    test::TempDir dir;
    std::unique_ptr<SettingsStore> store;
    test::TestDialogs dialogs;
    RecordingOpener opener;
    RecordingDesktop desktop;
    FfmpegWmRuntime runtime;
    std::unique_ptr<MainDialog> window;
};

QString ShotsFolder() {
    return qEnvironmentVariable("TONVEXA_SHOTS");
}

// Pictures for people to look at, when TONVEXA_SHOTS names a folder; a run with
// QT_SCALE_FACTOR=2 writes the "@2x" ones.
void Shoot(QWidget& widget, const QString& name) {
    const QString folder = ShotsFolder();
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    const QString scale = widget.devicePixelRatioF() > 1.0 ? QStringLiteral("@2x") : QString();
    widget.grab().save(folder + QLatin1Char('/') + name + scale + QStringLiteral(".png"));
}

template <class T>
T* FindTopLevel() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<T*>(w); found != nullptr && found->isVisible()) return found;
    }
    return nullptr;
}

}  // namespace

TEST_F(MainDialogTest, WindowFaceAndControls) {
    MainDialog& w = open();
    EXPECT_EQ(w.size(), QSize(699, 538));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());  // not resizable
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tonvexa"));
    EXPECT_EQ(w.list()->geometry(), QRect(137, 63, 552, 465));
    const std::map<int, QRect> places = {
        {IdAddFiles, {11, 72, 107, 27}},       {IdAddFolder, {11, 112, 107, 27}},
        {IdRemoveAll, {11, 154, 107, 27}},     {IdConvertAllMp3, {11, 197, 107, 27}},
        {IdConvertAllWma, {11, 239, 107, 27}}, {IdConvertAllWav, {11, 281, 107, 27}},
        {IdOptions, {11, 323, 107, 27}},       {IdHomepage, {9, 507, 113, 20}},
        {IdHelpButton, {624, 11, 21, 21}},     {IdMinimize, {647, 11, 21, 21}},
        {IdClose, {669, 11, 21, 21}}};
    for (const auto& [id, rect] : places) {
        ASSERT_NE(w.button(id), nullptr) << id;
        EXPECT_EQ(w.button(id)->geometry(), rect) << id;
    }
    EXPECT_EQ(w.button(IdConvertAllWma)->toolTip(),
              QStringLiteral("Convert all files to WMA format"));
    EXPECT_EQ(w.button(IdHomepage)->text(), QStringLiteral("www.tonvexa.example"));
    // The Windows Media formats on offer were listed once, at start.
    EXPECT_FALSE(w.wmaFormats().empty());
    Shoot(w, QStringLiteral("main-empty"));
}

// Stands in for a translation: every text asked for comes back in brackets.
class BracketingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
};

TEST_F(MainDialogTest, WordsComeThroughTheTranslatorAndNamesDoNot) {
    BracketingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    MainDialog& w = open();
    EXPECT_EQ(w.button(IdAddFiles)->text(), QStringLiteral("[&Add Files]"));
    EXPECT_EQ(w.button(IdClose)->accessibleName(), QStringLiteral("[Close]"));
    EXPECT_EQ(w.model()->headerData(FileListModel::ColumnFreq, Qt::Horizontal).toString(),
              QStringLiteral("[Freq.]"));
    QAction* play = w.commands().action(IdPlaySource);
    EXPECT_EQ(play->text(), QStringLiteral("[&Play Source]"));
    EXPECT_EQ(play->objectName(), QStringLiteral("Play Source"));
    EXPECT_EQ(w.button(IdHomepage)->text(), QStringLiteral("www.tonvexa.example"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tonvexa"));
    // The dialog reads the patterns from the filter, so only the description is translated.
    w.runCommand(IdAddFiles);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].value(0),
              QStringLiteral("[All Support Formats] (*.wma *.wmv *.asf *.mp3 *.wav)"));
}

TEST_F(MainDialogTest, EveryControlHasAnAccessibleNameAndTabReachesIt) {
    MainDialog& w = open();
    const std::map<int, QString> names = {{IdAddFiles, QStringLiteral("Add Files")},
                                          {IdAddFolder, QStringLiteral("Add Folder")},
                                          {IdRemoveAll, QStringLiteral("Remove All")},
                                          {IdConvertAllMp3, QStringLiteral("Convert to MP3")},
                                          {IdOptions, QStringLiteral("Options")},
                                          {IdHelpButton, QStringLiteral("Help")},
                                          {IdMinimize, QStringLiteral("Minimize")},
                                          {IdClose, QStringLiteral("Close")},
                                          {IdHomepage, QStringLiteral("www.tonvexa.example")}};
    for (const auto& [id, name] : names) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w.button(id));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), name) << id;
    }
    w.model()->appendEntry(Entry("/m/a.wav"));
    QCoreApplication::processEvents();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w.list());
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->text(QAccessible::Name).isEmpty());
    ASSERT_NE(list->tableInterface(), nullptr);
    EXPECT_EQ(list->tableInterface()->columnCount(), 6);
    EXPECT_EQ(list->tableInterface()->rowCount(), 1);
    QAccessibleInterface* cell = list->tableInterface()->cellAt(0, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("a.wav"));

    // Tab goes round every control once.
    std::vector<QWidget*> visited;
    QWidget* start = w.button(IdAddFiles);
    QWidget* current = start;
    do {
        visited.push_back(current);
        current = current->nextInFocusChain();
        while (current->focusPolicy() == Qt::NoFocus || !current->isVisibleTo(&w) ||
               current->isWindow())
            current = current->nextInFocusChain();
    } while (current != start && visited.size() < 40);
    EXPECT_EQ(visited.size(), 12u);

    // The buttons' mnemonics work from anywhere in the window (a button pressed by its key
    // shows itself pressed for a moment before it acts).
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.fileRequests.size() == 1u; }));
    QTest::keyClick(&w, Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.folderRequests.size() == 1u; }));
}

TEST_F(MainDialogTest, ContextMenuEnableRules) {
    MainDialog& w = open();
    QMenu* menu = w.menus().contextMenu();
    auto states = enabledWhenOpened(menu);
    EXPECT_EQ(states.size(), 14u);
    for (int id : {IdConvertAllMp3, IdConvertAllWav, IdConvertAllWma, IdRemoveAll, IdRemove,
                   IdConvertSelectedMp3, IdConvertSelectedWav, IdPlaySource, IdBrowseSourceFolder,
                   IdPlayDestination, IdBrowseDestinationFolder})
        EXPECT_FALSE(states[id]) << id;
    for (int id : {IdConvertSelectedWma, IdAddFiles, IdAddFolder}) EXPECT_TRUE(states[id]) << id;

    w.model()->appendEntry(Entry("/m/a.wav"));
    w.model()->appendEntry(Entry("/m/b.wma"));
    states = enabledWhenOpened(menu);
    EXPECT_TRUE(states[IdConvertAllMp3] && states[IdRemoveAll]);
    EXPECT_FALSE(states[IdRemove] || states[IdPlaySource]);

    select({0, 1});
    states = enabledWhenOpened(menu);
    EXPECT_TRUE(states[IdRemove] && states[IdConvertSelectedMp3] && states[IdConvertSelectedWav]);
    EXPECT_FALSE(states[IdPlaySource] || states[IdBrowseSourceFolder]);

    select({1});
    states = enabledWhenOpened(menu);
    EXPECT_TRUE(states[IdPlaySource] && states[IdBrowseSourceFolder]);
    EXPECT_FALSE(states[IdPlayDestination] || states[IdBrowseDestinationFolder]);
    w.model()->entry(1)->destinationPath = "/m/b.mp3";
    states = enabledWhenOpened(menu);
    EXPECT_TRUE(states[IdPlayDestination] && states[IdBrowseDestinationFolder]);

    // Once the menu has closed, the shared actions work again from buttons and shortcuts.
    w.list()->clearSelection();
    (void)enabledWhenOpened(menu);
    EXPECT_TRUE(w.commands().action(IdRemove)->isEnabled());

    for (auto [id, on] : enabledWhenOpened(w.menus().helpMenu())) EXPECT_TRUE(on) << id;

    // A screen reader sees the open menu's items by name, greyed ones as unavailable.
    w.ShowContextMenu(w.list()->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(menu->isVisible());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(menu);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->childCount(), 17);  // items and separators
    QAccessibleInterface* first = a->child(0);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("Play Source"));
    EXPECT_TRUE(first->state().disabled);
    QAccessibleInterface* add = a->child(13);
    EXPECT_EQ(add->text(QAccessible::Name), QStringLiteral("Add Files..."));
    EXPECT_FALSE(add->state().disabled);
    menu->hide();
}

TEST_F(MainDialogTest, CommandsWithNothingToWorkOnSaySo) {
    MainDialog& w = open();
    w.runCommand(IdConvertAllMp3);
    ASSERT_TRUE(test::WaitUntilIdle(w));
    w.runCommand(IdRemoveAll);
    w.runCommand(IdConvertSelectedWma);
    w.runCommand(IdRemove);
    ASSERT_EQ(dialogs.messages.size(), 4u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("There aren't files in list."));
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("There aren't files in list."));
    EXPECT_EQ(dialogs.messages[2].text, QStringLiteral("You should select a file at least."));
    EXPECT_EQ(dialogs.messages[3].text, QStringLiteral("You should select a file at least."));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
}

TEST_F(MainDialogTest, RemoveTakesEverySelectedRowAndKeepsTheOrderOfTheRest) {
    MainDialog& w = open();
    for (const char* p : {"/m/0.wav", "/m/1.wav", "/m/2.wav", "/m/3.wav"})
        w.model()->appendEntry(Entry(p));
    select({0, 2});
    QTest::keyClick(w.list(), Qt::Key_Delete);
    ASSERT_EQ(w.model()->rowCount(), 2);
    EXPECT_EQ(w.model()->entry(0)->sourcePath, "/m/1.wav");
    EXPECT_EQ(w.model()->entry(1)->sourcePath, "/m/3.wav");
    w.button(IdRemoveAll)->click();
    EXPECT_EQ(w.model()->rowCount(), 0);
}

TEST_F(MainDialogTest, PlayBrowseAndWebCommandsGoToTheDesktop) {
    MainDialog& w = open();
    w.model()->appendEntry(Entry("/m/a song.wav"));
    select({0});
    w.runCommand(IdPlaySource);
    w.runCommand(IdPlayDestination);  // not converted yet: nothing to open
    w.runCommand(IdBrowseSourceFolder);
    w.runCommand(IdBrowseDestinationFolder);
    w.runCommand(IdHomepage);
    w.runCommand(IdCheckLatestVersion);
    w.runCommand(IdTellAFriend);
    w.runCommand(IdFeedback);
    ASSERT_EQ(opener.urls.size(), 5u);
    EXPECT_EQ(opener.urls[0], QUrl::fromLocalFile(QStringLiteral("/m/a song.wav")));
    EXPECT_EQ(opener.urls[1].toString(), QStringLiteral("https://www.tonvexa.example/"));
    EXPECT_EQ(opener.urls[2].toString(),
              QStringLiteral("https://www.tonvexa.example/checkforupdates/?ver=2.1&build=791"));
    EXPECT_EQ(opener.urls[3].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(
        QUrlQuery(opener.urls[3]).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
        QStringLiteral("Tonvexa - very COOL application!!!"));
    EXPECT_EQ(opener.urls[4].toString(), QStringLiteral("mailto:support@tonvexa.example"));
    EXPECT_EQ(desktop.shown, std::vector<std::string>{"/m/a song.wav"});

    // A double-click on a row plays it.
    QCoreApplication::processEvents();
    const QRect row = w.list()->visualRect(w.model()->index(0, 0));
    QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QTest::mouseDClick(w.list()->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    ASSERT_EQ(opener.urls.size(), 6u);
    EXPECT_EQ(opener.urls[5], opener.urls[0]);
}

TEST_F(MainDialogTest, HelpOpensMaximisedOnTheFirstRunOnly) {
    store = std::make_unique<SettingsStore>(dir.file("fresh.conf"));
    open();
    QCoreApplication::processEvents();
    ASSERT_NE(window->helpWindow(), nullptr);
    EXPECT_TRUE(window->helpWindow()->isMaximized());
    EXPECT_EQ(window->helpWindow()->windowTitle(), QStringLiteral("Tonvexa Help"));
    EXPECT_EQ(store->ReadFirstRun(), std::optional<std::int32_t>(0));
    // Closing the window closes the help with it.
    QPointer<HelpWindow> help = window->helpWindow();
    window->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(help.isNull() || !help->isVisible());
    window.reset();

    open();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->helpWindow(), nullptr);
}

TEST_F(MainDialogTest, HelpTopicsBringsTheOpenHelpToTheFront) {
    MainDialog& w = open();
    QTest::keyClick(&w, Qt::Key_F1);
    HelpWindow* help = w.helpWindow();
    ASSERT_NE(help, nullptr);
    help->showMinimized();
    w.runCommand(IdHelpTopics);
    EXPECT_EQ(w.helpWindow(), help);
    EXPECT_FALSE(help->isMinimized());
    int helpWindows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<HelpWindow*>(top) != nullptr && top->isVisible();
    EXPECT_EQ(helpWindows, 1);
}

TEST_F(MainDialogTest, EscAndEnterDoNotCloseTheWindow) {
    MainDialog& w = open();
    QTest::keyClick(&w, Qt::Key_Escape);
    QTest::keyClick(&w, Qt::Key_Return);
    QTest::keyClick(w.list(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.isVisible());
    w.button(IdClose)->click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainDialogTest, AddFolderRemembersTheFolderAlone) {
    fs::create_directories(dir.path() / "music");
    MainDialog& w = open();
    w.settings().MP3BitRate = 320;  // not saved by Add Folder
    dialogs.folderAnswers.push_back(QString::fromStdString(dir.file("music")));
    w.button(IdAddFolder)->click();
    ASSERT_TRUE(test::WaitUntilIdle(w));
    ASSERT_EQ(dialogs.folderRequests.size(), 1u);
    EXPECT_EQ(dialogs.folderRequests[0].title, QStringLiteral("Please choose a folder:"));
    AppSettings saved;
    SettingsStore(dir.file("Tonvexa.conf")).LoadSettings(saved);
    EXPECT_EQ(saved.Folder, dir.file("music") + "/");
    EXPECT_EQ(saved.MP3BitRate, AppSettings().MP3BitRate);
    // The next time the picker starts there.
    w.button(IdAddFolder)->click();
    ASSERT_TRUE(test::WaitUntilIdle(w));
    EXPECT_EQ(dialogs.folderRequests[1].start, QString::fromStdString(dir.file("music")));
    EXPECT_TRUE(dialogs.messages.empty());
}

// Three real files added through Add Files, converted with the buttons and the context menu;
// the rows tell the outcome and the files are on disk, with the sources' tags whole (a new
// user keeps them).
TEST_F(MainDialogTest, WholeBatchesFromTheWindow) {
    const std::string wma = dir.file("one.wma"), mp3 = dir.file("two.mp3"),
                      wav = dir.file("three.wav");
    const std::string title = "A title of more than thirty characters \u2013 \u590f";
    ASSERT_TRUE(test::makeTone(wma, 44100, 2, 1.5,
                               {"-c:a", "wmav2", "-b:a", "128k", "-metadata", "title=" + title}));
    ASSERT_TRUE(test::makeTone(mp3, 44100, 2, 1.5,
                               {"-c:a", "libmp3lame", "-b:a", "128k", "-metadata",
                                "artist=\u0410\u0440\u0442\u0438\u0441\u0442"}));
    ASSERT_TRUE(test::makeTone(wav, 22050, 1, 1.5));
    MainDialog& w = open();
    dialogs.fileAnswers.push_back(
        {QString::fromStdString(wma), QString::fromStdString(mp3), QString::fromStdString(wav)});
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(test::WaitUntilIdle(w));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].size(), 7);
    ASSERT_EQ(w.model()->rowCount(), 3);
    EXPECT_EQ(w.model()->text(2, FileListModel::ColumnChannels), QStringLiteral("Mono"));
    EXPECT_EQ(w.model()->text(2, FileListModel::ColumnFreq), QStringLiteral("22050 Hz"));
    Shoot(w, QStringLiteral("main-rows"));

    w.settings().BrowseOutputFolder = 0;
    w.button(IdConvertAllMp3)->click();
    ASSERT_TRUE(test::WaitUntilIdle(w));
    const QString skipped = QString::fromStdString(StatusText({JobResult::Skipped, {}}));
    EXPECT_EQ(statuses(), (std::vector<QString>{QStringLiteral("one.mp3"), skipped, skipped}));
    const auto made = test::probeMedia(dir.file("one.mp3"));
    ASSERT_TRUE(made);
    EXPECT_EQ(made->codec, "mp3");
    EXPECT_NEAR(made->durationSeconds, 1.5, 0.1);
    EXPECT_EQ(made->tags.at("title"), title);
    EXPECT_TRUE(w.controlsEnabled());

    w.button(IdConvertAllWma)->click();
    ASSERT_TRUE(test::WaitUntilIdle(w));
    // Every source converts to Windows Media; the Windows Media source's own name is taken.
    EXPECT_EQ(statuses(),
              (std::vector<QString>{QStringLiteral("one_1.wma"), QStringLiteral("two.wma"),
                                    QStringLiteral("three.wma")}));
    for (const char* name : {"one_1.wma", "two.wma", "three.wma"}) {
        const auto info = test::probeMedia(dir.file(name));
        ASSERT_TRUE(info) << name;
        EXPECT_EQ(info->codec, "wmav2") << name;
    }
    EXPECT_EQ(test::probeMedia(dir.file("two.wma"))->tags.at("artist"),
              "\u0410\u0440\u0442\u0438\u0441\u0442");

    // The selection, from the context menu: rows 0 and 2, in list order.
    select({0, 2});
    w.commands().action(IdConvertSelectedWav)->trigger();
    ASSERT_TRUE(test::WaitUntilIdle(w));
    const std::vector<QString> after = statuses();
    EXPECT_EQ(after[0], QStringLiteral("one.wav"));
    EXPECT_EQ(after[1], QStringLiteral("two.wma"));  // untouched
    EXPECT_EQ(after[2], skipped);
    const auto out = test::probeMedia(dir.file("one.wav"));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->sampleRate, 44100);
    EXPECT_EQ(desktop.shown.size(), 0u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    Shoot(w, QStringLiteral("main-after-batch"));

    // With the option on, the file manager shows the first output.
    w.settings().BrowseOutputFolder = 1;
    select({1});
    w.commands().action(IdConvertSelectedWma)->trigger();
    ASSERT_TRUE(test::WaitUntilIdle(w));
    EXPECT_EQ(desktop.shown, std::vector<std::string>{dir.file("two.wma")});
}

// While a batch runs the window takes no commands, but the progress dialog's Cancel works:
// the running job ends as "Cancelled" and leaves no file behind.
TEST_F(MainDialogTest, CancelDuringABatch) {
    const std::string wma = dir.file("long.wma");
    ASSERT_TRUE(test::makeTone(wma, 44100, 2, 20, {"-c:a", "wmav2", "-b:a", "128k"}));
    MainDialog& w = open();
    w.fileCommands().AddDropped({wma});
    ASSERT_TRUE(test::WaitUntilIdle(w));
    ASSERT_EQ(w.model()->rowCount(), 1);
    // Looks in on the batch at every turn of its message pump, until the job is under way.
    bool checked = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, &w, [&] {
        auto* progress = FindTopLevel<ConvertProgressDialog>();
        auto* bar = progress ? progress->findChild<QProgressBar*>(QStringLiteral("1013")) : nullptr;
        if (bar == nullptr || bar->value() == 0 || checked) return;
        checked = true;
        poll.stop();
        EXPECT_FALSE(w.controlsEnabled());
        EXPECT_FALSE(w.commands().action(IdRemoveAll)->isEnabled());
        w.runCommand(IdRemoveAll);  // refused while converting
        EXPECT_EQ(w.model()->rowCount(), 1);
        Shoot(*progress, QStringLiteral("convert-progress"));
        auto* cancel = progress->findChild<QPushButton*>(QStringLiteral("1033"));
        ASSERT_NE(cancel, nullptr);
        EXPECT_TRUE(cancel->isEnabled());
        cancel->click();
    });
    poll.start();
    w.runCommand(IdConvertAllMp3);
    ASSERT_TRUE(test::WaitUntilIdle(w));
    EXPECT_TRUE(checked);
    EXPECT_EQ(w.model()->text(0, FileListModel::ColumnStatus), QStringLiteral("Cancelled"));
    EXPECT_FALSE(fs::exists(dir.file("long.mp3")));
    EXPECT_TRUE(w.controlsEnabled());
    EXPECT_TRUE(w.commands().action(IdRemoveAll)->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Files convert side by side: four sources named alike go into one folder under four
// names, given in list order whichever job ends first; each output holds its own source's
// sound. Cancel during such a batch stops every running job and leaves no partial file;
// rows not started keep what they showed.
TEST_F(MainDialogTest, ParallelBatchesFromTheWindow) {
    const double lengths[] = {1.6, 1.4, 1.2, 1.0};
    std::vector<std::string> sources;
    for (int i = 0; i < 4; ++i) {
        const fs::path folder = dir.path() / ("disc" + std::to_string(i));
        fs::create_directories(folder);
        sources.push_back((folder / "song.wma").string());
        ASSERT_TRUE(test::makeTone(sources.back(), 44100, 2, lengths[i],
                                   {"-c:a", "wmav2", "-b:a", "128k"}));
    }
    MainDialog& w = open();
    w.settings().DestOutputFolderOpt = kOutputSpecifiedFolder;
    w.settings().DestSpecifiedFolder = dir.file("out");
    w.settings().BrowseOutputFolder = 0;
    w.settings().SimultaneousConversions = 2;
    fs::create_directories(dir.file("out"));
    for (const std::string& s : sources) {
        w.fileCommands().AddDropped({s});
        ASSERT_TRUE(test::WaitUntilIdle(w));
    }
    ASSERT_EQ(w.model()->rowCount(), 4);
    w.button(IdConvertAllMp3)->click();
    EXPECT_TRUE(w.busy());
    EXPECT_FALSE(w.controlsEnabled());
    ASSERT_TRUE(test::WaitUntilIdle(w));
    EXPECT_TRUE(w.controlsEnabled());
    EXPECT_EQ(statuses(), (std::vector<QString>{QStringLiteral("song.mp3"), QStringLiteral("song_1.mp3"),
                                                QStringLiteral("song_2.mp3"),
                                                QStringLiteral("song_3.mp3")}));
    const char* names[] = {"out/song.mp3", "out/song_1.mp3", "out/song_2.mp3", "out/song_3.mp3"};
    for (int i = 0; i < 4; ++i) {
        const auto info = test::probeMedia(dir.file(names[i]));
        ASSERT_TRUE(info) << names[i];
        EXPECT_NEAR(info->durationSeconds, lengths[i], 0.1) << names[i];
        EXPECT_EQ(w.model()->entry(i)->destinationPath, dir.file(names[i]));
    }

    // Longer sources, so that Cancel comes while they run.
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(test::makeTone(sources[static_cast<std::size_t>(i)], 44100, 2, 30,
                                   {"-y", "-c:a", "wmav2", "-b:a", "128k"}));
    fs::remove_all(dir.file("out"));
    fs::create_directories(dir.file("out"));
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, &w, [&] {
        auto* progress = FindTopLevel<ConvertProgressDialog>();
        auto* bar = progress ? progress->findChild<QProgressBar*>(QStringLiteral("1013")) : nullptr;
        if (bar == nullptr || bar->value() == 0) return;
        // Both jobs must have begun; on a loaded machine the second may start later.
        const std::vector<QString> now = statuses();
        if (now[0] != QStringLiteral("Converting...") || now[1] != QStringLiteral("Converting..."))
            return;
        poll.stop();
        progress->findChild<QPushButton*>(QStringLiteral("1033"))->click();
    });
    poll.start();
    w.button(IdConvertAllMp3)->click();
    ASSERT_TRUE(test::WaitUntilIdle(w));
    // The two running jobs were cancelled; the two not started show the last batch's outcome.
    EXPECT_EQ(statuses(), (std::vector<QString>{QStringLiteral("Cancelled"), QStringLiteral("Cancelled"),
                                                QStringLiteral("song_2.mp3"),
                                                QStringLiteral("song_3.mp3")}));
    EXPECT_TRUE(w.model()->entry(0)->destinationPath.empty());
    EXPECT_TRUE(fs::is_empty(dir.file("out")));  // not even a partial file
    EXPECT_TRUE(w.controlsEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainDialogTest, DroppedFilesAreAddedAfterTheDrop) {
    const std::string wav = dir.file("dropped.wav");
    ASSERT_TRUE(test::makeTone(wav, 8000, 1, 0.5));
    MainDialog& w = open();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(wav)),
                  QUrl(QStringLiteral("https://www.tonvexa.example/"))});
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    EXPECT_EQ(w.model()->rowCount(), 0);  // not inside the drop itself
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.model()->rowCount() == 1; }));
    EXPECT_EQ(w.model()->entry(0)->sourcePath, wav);
}

// Add Folder returns while the search runs; Cancel pressed during the search ends the adding:
// no row appears, nothing is reported about files never tried, and the window takes
// commands again. Until then it refuses to close.
TEST_F(MainDialogTest, CancelWhileSearchingALargeFolder) {
    fs::create_directories(dir.path() / "many");
    // Not audio: each of them would be reported if it were tried.
    for (int i = 0; i < 2000; ++i)
        test::writeFile(dir.file("many/" + std::to_string(i) + ".wav"), std::string("x"));
    MainDialog& w = open();
    dialogs.folderAnswers.push_back(QString::fromStdString(dir.file("many")));
    w.button(IdAddFolder)->click();
    auto* load = FindTopLevel<LoadProgressDialog>();
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(load->findChild<QLabel*>(QStringLiteral("1053"))->text(),
              QStringLiteral("Searching files..."));
    EXPECT_TRUE(w.busy());
    EXPECT_FALSE(w.controlsEnabled());
    w.close();
    EXPECT_TRUE(w.isVisible());
    load->findChild<QPushButton*>(QStringLiteral("1033"))->click();
    ASSERT_TRUE(test::WaitUntilIdle(w, 5000));
    EXPECT_EQ(w.model()->rowCount(), 0);
    EXPECT_EQ(FindTopLevel<LoadProgressDialog>(), nullptr);
    EXPECT_TRUE(w.controlsEnabled());
    EXPECT_TRUE(w.commands().action(IdAddFiles)->isEnabled());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Every name the file system allows, from Add Folder and from a drop of a percent-encoded
// URL: listed (what is not UTF-8 shows as the replacement character), converted, and each
// output named after its source's own bytes.
TEST_F(MainDialogTest, EveryKindOfFileNameFromTheWindow) {
    const std::string tone = dir.file("tone.wma");
    ASSERT_TRUE(test::makeTone(tone, 22050, 1, 0.5, {"-c:a", "wmav2", "-b:a", "32k"}));
    const std::string music = dir.file("music");
    const std::string longStem = test::MakeFilesWithEveryKindOfName(music, tone);
    MainDialog& w = open();
    w.settings().BrowseOutputFolder = 0;
    dialogs.folderAnswers.push_back(QString::fromStdString(music));
    w.button(IdAddFolder)->click();
    ASSERT_TRUE(test::WaitUntilIdle(w));
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(w.model()->rowCount(), 5);
    int latin1 = -1;
    for (int row = 0; row < 5; ++row)
        if (w.model()->entry(row)->sourcePath == music + "/caf\xE9 cr\xE8me.wma") latin1 = row;
    ASSERT_GE(latin1, 0);
    EXPECT_EQ(w.model()->text(latin1, FileListModel::ColumnName),
              QStringLiteral("caf\uFFFD cr\uFFFDme.wma"));
    EXPECT_EQ(w.model()->data(w.model()->index(latin1, 0), Qt::ToolTipRole).toString(),
              QString::fromStdString(music) + QStringLiteral("/caf\uFFFD cr\uFFFDme.wma"));

    // A drop of a Latin-1 name, as a file manager sends it.
    fs::copy_file(tone, dir.file("dropped \xE9.wma"));
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("file://") + QString::fromStdString(dir.path().string()) +
                       QStringLiteral("/dropped%20%E9.wma"))});
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.model()->rowCount() == 6 && !w.busy(); }));
    EXPECT_EQ(w.model()->entry(5)->sourcePath, dir.file("dropped \xE9.wma"));

    w.button(IdConvertAllMp3)->click();
    ASSERT_TRUE(test::WaitUntilIdle(w));
    for (int row = 0; row < 6; ++row) {
        const std::string& source = w.model()->entry(row)->sourcePath;
        std::string expected = source.substr(0, source.size() - 4) + ".mp3";
        if (FileNamePart(source) == longStem + ".wma")
            expected = source.substr(0, source.size() - 6) + "_1.mp3";
        EXPECT_EQ(w.model()->entry(row)->destinationPath, expected) << row;
        EXPECT_TRUE(fs::is_regular_file(expected)) << row;
    }
}

TEST_F(MainDialogTest, TitleBarButtonsAndDragging) {
    MainDialog& w = open();
    ImageButton* help = w.button(IdHelpButton);
    help->click();
    QMenu* menu = w.menus().helpMenu();
    EXPECT_TRUE(menu->isVisible());
    // Below the button, at its left edge unless the screen's edge is nearer.
    const QPoint corner = help->mapToGlobal(QPoint(0, help->height()));
    const QRect screen = menu->screen()->availableGeometry();
    if (screen.contains(w.frameGeometry())) {  // not so on a small test screen at scale 2
        EXPECT_EQ(menu->y(), corner.y());
        EXPECT_TRUE(menu->x() == corner.x() || menu->frameGeometry().right() == screen.right());
    }
    menu->hide();

    const QPoint before = w.pos();
    QTest::mousePress(&w, Qt::LeftButton, Qt::NoModifier, QPoint(300, 30));
    QMouseEvent move(QEvent::MouseMove, QPointF(340, 50), w.mapToGlobal(QPointF(340, 50)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
    QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, QPoint(340, 50));
    EXPECT_EQ(w.pos(), before + QPoint(40, 20));

    w.button(IdMinimize)->click();
    EXPECT_TRUE(w.isMinimized());
}

// On a Wayland desktop only the compositor can move a window: a press on the background asks
// it to (QWindow::startSystemMove). Runs under a headless compositor (the WaylandWindow test
// of ctest); skipped elsewhere.
TEST_F(MainDialogTest, OnWaylandAPressOnTheBackgroundAsksTheCompositorToMove) {
    if (QGuiApplication::platformName() != QStringLiteral("wayland"))
        GTEST_SKIP() << "needs a Wayland compositor (ctest -R WaylandWindow)";
    MainDialog& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    std::vector<QWindow*> asked;
    WindowDragger::setSystemMove([&asked](QWindow& handle) {
        asked.push_back(&handle);
        return handle.startSystemMove();
    });
    QTest::mousePress(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 30));
    QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 30));
    // A press on a control is the control's.
    QTest::mousePress(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 85));
    QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 85));
    WindowDragger::setSystemMove(nullptr);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], w.windowHandle());
}

TEST_F(MainDialogTest, AboutBox) {
    MainDialog& w = open();
    QStringList texts;
    dialogs.execHandler = [&](QDialog& about) {
        Shoot(about, QStringLiteral("about"));
        for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
        for (QPushButton* button : about.findChildren<QPushButton*>()) {
            texts << button->text();
            if (button->text() == QStringLiteral("&Check Updates")) button->click();
        }
        return int(QDialog::Accepted);
    };
    w.runCommand(IdAbout);
    EXPECT_EQ(dialogs.execCount, 1);
    for (const char* text :
         {"Tonvexa v2.1 build 791", "Visit Tonvexa Homepage", "Feedback and Support",
          "The program uses LAME MP3 encoder", "OK", "&Check Updates", "Tell a Friend"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
    ASSERT_EQ(opener.urls.size(), 1u);
    EXPECT_EQ(opener.urls[0].path(), QStringLiteral("/checkforupdates/"));
}

TEST_F(MainDialogTest, PicturesForPeople) {
    if (ShotsFolder().isEmpty()) GTEST_SKIP() << "TONVEXA_SHOTS names no folder";
    MainDialog& w = open();
    w.ShowHelpTopics();
    QCoreApplication::processEvents();
    Shoot(*w.helpWindow(), QStringLiteral("help"));
    LoadProgressDialog load(&w);
    load.show();
    load.setStatusText(QStringLiteral("Adding file 3 of 12..."));
    load.setRange(12);
    load.setPosition(3);
    Shoot(load, QStringLiteral("load-progress"));
    load.finishOperation();
}
