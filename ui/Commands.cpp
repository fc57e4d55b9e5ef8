#include "Commands.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "ui/Artwork.h"

namespace tonvexa {

CommandSet::CommandSet(QObject* parent) : QObject(parent) {
    // The context menu's items.
    //: Context menu of the file list; the & letters of its items differ from one another
    add(IdPlaySource, QT_TR_NOOP("&Play Source"));
    add(IdBrowseSourceFolder, QT_TR_NOOP("Browse &Source Folder"));
    add(IdPlayDestination, QT_TR_NOOP("Play &Destination"));
    add(IdBrowseDestinationFolder, QT_TR_NOOP("Browse Destination &Folder"));
    add(IdConvertSelectedMp3, QT_TR_NOOP("&Convert to MP3"));
    add(IdConvertSelectedWma, QT_TR_NOOP("Convert &to WMA"));
    add(IdConvertSelectedWav, QT_TR_NOOP("Con&vert to WAV"));
    add(IdConvertAllMp3, QT_TR_NOOP("Convert All to &MP3"));
    add(IdConvertAllWma, QT_TR_NOOP("Co&nvert All to WMA"));
    add(IdConvertAllWav, QT_TR_NOOP("Convert All to &WAV"));
    add(IdAddFiles, QT_TR_NOOP("&Add Files..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    add(IdAddFolder, QT_TR_NOOP("Add F&older"));
    //: Takes the selected files off the list; the files themselves stay
    add(IdRemove, QT_TR_NOOP("&Remove"), QKeySequence(Qt::Key_Delete));
    //: Takes every file off the list
    add(IdRemoveAll, QT_TR_NOOP("Remove Al&l"));
    // The help menu's items.
    //: Help menu; the & letters of its items differ from one another
    add(IdHelpTopics, QT_TR_NOOP("&Help Topics"), QKeySequence(Qt::Key_F1));
    //: Writes a mail recommending the program
    add(IdTellAFriend, QT_TR_NOOP("&Tell A Friend"));
    add(IdFeedback, QT_TR_NOOP("&Feedback and Support"));
    //: Opens the program's web site
    add(IdHomepage, QT_TR_NOOP("Home&page"));
    add(IdCheckLatestVersion, QT_TR_NOOP("&Check Latest Version"));
    add(IdAbout, QT_TR_NOOP("&About..."));
    // Commands of buttons only.
    add(IdOptions, QT_TR_NOOP("&Options"));
    //: The title bar's button that opens the help menu
    add(IdHelpButton, QT_TR_NOOP("Help"));
    //: The title bar's button that minimises the window
    add(IdMinimize, QT_TR_NOOP("Minimize"));
    //: The title bar's button that closes the window
    add(IdClose, QT_TR_NOOP("Close"));
}

QAction* CommandSet::add(int id, const char* text, const QKeySequence& shortcut) {
    auto* action = new QAction(tr(text), this);
    action->setData(id);
    // A readable name for people who inspect the window, the same in every language; the id
    // is the action's data.
    action->setObjectName(QString::fromLatin1(text).remove(QLatin1Char('&')));
    action->setIcon(MenuIcon(id));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    connect(action, &QAction::triggered, this, [this, id] { Q_EMIT triggered(id); });
    actions_[id] = action;
    return action;
}

QAction* CommandSet::action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

int CommandIdOf(const QAction* action) {
    bool ok = false;
    const int id = action->data().toInt(&ok);
    return ok ? id : 0;
}

std::vector<int> CommandSet::ids() const {
    std::vector<int> result;
    for (const auto& [id, action] : actions_) result.push_back(id);
    return result;
}

void CommandSet::addShortcutsTo(QWidget* window) const {
    for (const auto& [id, action] : actions_) {
        if (!action->shortcut().isEmpty()) window->addAction(action);
    }
}

}  // namespace tonvexa
