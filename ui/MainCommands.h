#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/AudioFormat.h"
#include "ui/WaitCursor.h"

class QWidget;

namespace tonvexa {

struct AppSettings;
class ConversionTable;
class DesktopServices;
class Dialogs;
class FileAdder;
class SettingsStore;
class SortableListCtrl;
class UrlOpener;
class WindowBatch;

// The file and web commands of the main window: converting, adding and removing files,
// playing and showing them, and the web addresses. Commands that belong to the window itself
// (its menus, help, About, minimising and closing) stay with the window.
class MainCommands : public QObject {
    Q_OBJECT

public:
    struct Parts {
        QWidget* window;
        SortableListCtrl& list;
        Dialogs& dialogs;
        UrlOpener& opener;
        DesktopServices& desktop;
        AppSettings& settings;
        SettingsStore& store;
        FileAdder& adder;
        const ConversionTable& table;
        // Disables or re-enables the window's controls during long work.
        std::function<void(bool enabled)> lock;
    };

    explicit MainCommands(Parts parts, QObject* parent = nullptr);
    ~MainCommands() override;

    // Runs a command; false when the id is not one of these commands.
    bool run(int id);
    // True while a batch or an adding operation runs; commands are refused meanwhile.
    bool busy() const { return busy_; }
    // The running batch, for its progress dialog.
    WindowBatch& batch() const { return *batch_; }

    void ConvertAll(AudioFormatCode target);
    void ConvertSelected(AudioFormatCode target);
    // The adding commands start the adding and return; busy() stays true until it has ended.
    void AddFiles();
    void AddFolder();
    void Remove();
    void RemoveAll();
    void AddDropped(const std::vector<std::string>& items);

private:
    // The first selected row's entry path (source or destination); empty when none.
    std::string firstSelectedPath(bool destination) const;
    void openPath(const std::string& path);
    void openAddress(const char* address);
    void showMessage(const std::string& text);
    void startBatch(const std::vector<int>& rows, AudioFormatCode target);
    void beginAdding(bool waitCursor);

    Parts p_;
    std::unique_ptr<WindowBatch> batch_;
    bool busy_ = false;
    // Add Files and Add Folder show the wait cursor until their adding has ended.
    std::optional<WaitCursor> addingCursor_;
};

}  // namespace tonvexa
