#pragma once

#include <QKeySequence>
#include <QObject>

#include <map>
#include <vector>

#include "ui/CommandIds.h"

class QAction;
class QWidget;

namespace tonvexa {

// One action per command id, with the text its menu item shows, its icon and its shortcut.
// Buttons, menu items and shortcuts all trigger these actions; `triggered` reports the id,
// which each action also carries as its data (CommandIdOf).
class CommandSet : public QObject {
    Q_OBJECT

public:
    explicit CommandSet(QObject* parent = nullptr);

    // The action of a command; every id of CommandId has one.
    QAction* action(int id) const;
    std::vector<int> ids() const;
    // Makes the shortcuts (Ctrl+O, Del, F1) work anywhere in the window.
    void addShortcutsTo(QWidget* window) const;

Q_SIGNALS:
    void triggered(int id);

private:
    // `text` is the English text, marked for translation where it is written.
    QAction* add(int id, const char* text, const QKeySequence& shortcut = {});

    std::map<int, QAction*> actions_;
};

// The command id an action carries; 0 for an action that carries none.
int CommandIdOf(const QAction* action);

}  // namespace tonvexa
