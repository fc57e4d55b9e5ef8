#include "Commands.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "ui/Artwork.h"

namespace tonvexa {

CommandSet::CommandSet(QObject* parent) : QObject(parent) {
    // The context menu's items.
    add(IdPlaySource, QStringLiteral("&Play Source"));
    add(IdBrowseSourceFolder, QStringLiteral("Browse &Source Folder"));
    add(IdPlayDestination, QStringLiteral("Play &Destination"));
    add(IdBrowseDestinationFolder, QStringLiteral("Browse Destination &Folder"));
    add(IdConvertSelectedMp3, QStringLiteral("&Convert to MP3"));
    add(IdConvertSelectedWma, QStringLiteral("Convert &to WMA"));
    add(IdConvertSelectedWav, QStringLiteral("Con&vert to WAV"));
    add(IdConvertAllMp3, QStringLiteral("Convert All to &MP3"));
    add(IdConvertAllWma, QStringLiteral("Co&nvert All to WMA"));
    add(IdConvertAllWav, QStringLiteral("Convert All to &WAV"));
    add(IdAddFiles, QStringLiteral("&Add Files..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    add(IdAddFolder, QStringLiteral("Add F&older"));
    add(IdRemove, QStringLiteral("&Remove"), QKeySequence(Qt::Key_Delete));
    add(IdRemoveAll, QStringLiteral("Remove Al&l"));
    // The help menu's items.
    add(IdHelpTopics, QStringLiteral("&Help Topics"), QKeySequence(Qt::Key_F1));
    add(IdTellAFriend, QStringLiteral("&Tell A Friend"));
    add(IdFeedback, QStringLiteral("&Feedback and Support"));
    add(IdHomepage, QStringLiteral("Home&page"));
    add(IdCheckLatestVersion, QStringLiteral("&Check Latest Version"));
    add(IdAbout, QStringLiteral("&About..."));
    // Commands of buttons only.
    add(IdOptions, QStringLiteral("&Options"));
    add(IdHelpButton, QStringLiteral("Help"));
    add(IdMinimize, QStringLiteral("Minimize"));
    add(IdClose, QStringLiteral("Close"));
}

QAction* CommandSet::add(int id, const QString& text, const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setData(id);
    // A readable name for people who inspect the window; the id is the action's data.
    action->setObjectName(QString(text).remove(QLatin1Char('&')));
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
