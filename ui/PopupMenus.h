#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QMenu;
class QWidget;

namespace tonvexa {

class CommandSet;

// What the menus' enable rules look at.
struct ListState {
    int rowCount = 0;
    int selectedCount = 0;
    // The destination path of the only selected row is known (it was converted).
    bool selectedHasDestination = false;
};

// Whether a command's menu item is enabled. The rules are the menus' alone: the buttons and
// shortcuts stay enabled and their commands explain when there is nothing to work on.
bool MenuItemEnabled(int commandId, const ListState& state);

// The list's context menu and the help menu, built from the window's actions. Each applies
// the enable rules to its items as it opens and gives the actions back fully enabled as it
// closes, so that the same actions keep working from buttons and shortcuts.
class PopupMenus : public QObject {
    Q_OBJECT

public:
    // The menus pop up over `owner` (the main window): on Wayland a pop-up must name the
    // window it belongs to, or the compositor places it like a window of its own.
    PopupMenus(const CommandSet& commands, std::function<ListState()> state,
               QWidget* owner = nullptr, QObject* parent = nullptr);
    ~PopupMenus() override;

    QMenu* contextMenu() const { return context_.get(); }
    QMenu* helpMenu() const { return help_.get(); }

private:
    void guard(QMenu* menu);

    const CommandSet& commands_;
    std::function<ListState()> state_;
    std::unique_ptr<QMenu> context_;
    std::unique_ptr<QMenu> help_;
};

}  // namespace tonvexa
