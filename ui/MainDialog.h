#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

#include "engine/ConversionRoutines.h"
#include "engine/ConversionTable.h"
#include "settings/AppSettings.h"
#include "ui/HelpWindow.h"
#include "ui/WindowDragger.h"
#include "wm/WmaFormatList.h"

namespace tonvexa {

class CommandSet;
class DesktopServices;
class Dialogs;
class FileAdder;
class FileListModel;
class ImageButton;
class MainCommands;
class PopupMenus;
class SettingsStore;
class SortableListCtrl;
class UrlOpener;
class WmRuntime;

// What the main window works with from outside: the program supplies the desktop's, tests
// their own.
struct MainServices {
    Dialogs& dialogs;
    UrlOpener& opener;
    DesktopServices& desktop;
    SettingsStore& store;
    WmRuntime& runtime;
};

// The program's one window: a caption-less face of its own artwork with the command buttons,
// three title-bar buttons, the home page link and the file list. It assembles the parts (the
// list, the commands, the menus, the adding operation) and owns what lives as long as it
// does: the options, the list's entries and the Windows Media formats on offer.
class MainDialog : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 699;
    static constexpr int kHeight = 538;
    // The file list's control id, its object name.
    static constexpr int kListId = 1007;

    explicit MainDialog(const MainServices& services, QWidget* parent = nullptr);
    ~MainDialog() override;

    // Runs a command as its button, menu item or shortcut would.
    void runCommand(int id);
    ImageButton* button(int id) const;
    SortableListCtrl* list() const { return list_; }
    FileListModel* model() const { return model_; }
    CommandSet& commands() const { return *commands_; }
    PopupMenus& menus() const { return *menus_; }
    MainCommands& fileCommands() const { return *fileCommands_; }
    AppSettings& settings() { return settings_; }
    const WmaFormatList& wmaFormats() const { return wmaFormats_; }
    // The help window while it is open.
    HelpWindow* helpWindow() const { return help_.data(); }
    // Whether the window's controls take input (not during a batch or while adding files).
    bool controlsEnabled() const;
    // True while a batch or an adding operation runs.
    bool busy() const;

    // Opens the help, or brings the open help window to the front.
    void ShowHelpTopics();
    void ShowContextMenu(const QPoint& globalPos);
    void ShowAbout();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createButtons();
    void createSubtitle();
    void applyArtwork();
    void setControlsEnabled(bool enabled);
    void firstRunCheck();
    void centreOnScreen();
    void openHelp(bool maximised);

    MainServices services_;
    AppSettings settings_;
    WmaFormatList wmaFormats_;
    ConversionEnvironment environment_;
    ConversionTable table_;

    QPixmap background_;
    QWidget* face_;  // every control; disabled during long work, unlike the progress dialogs
    FileListModel* model_;
    SortableListCtrl* list_;
    std::map<int, ImageButton*> buttons_;
    std::unique_ptr<CommandSet> commands_;
    std::unique_ptr<PopupMenus> menus_;
    std::unique_ptr<FileAdder> adder_;
    std::unique_ptr<MainCommands> fileCommands_;
    QPointer<HelpWindow> help_;
    WindowDragger dragger_{this};
    bool shownOnce_ = false;
};

}  // namespace tonvexa
