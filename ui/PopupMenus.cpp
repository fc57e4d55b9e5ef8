#include "PopupMenus.h"

#include <QAction>
#include <QMenu>

#include <utility>

#include "ui/CommandIds.h"
#include "ui/Commands.h"

namespace tonvexa {

bool MenuItemEnabled(int commandId, const ListState& state) {
    switch (commandId) {
        case IdConvertAllMp3:
        case IdConvertAllWav:
        case IdConvertAllWma:
        case IdRemoveAll:
            return state.rowCount > 0;
        case IdRemove:
        case IdConvertSelectedMp3:
        case IdConvertSelectedWav:
            return state.selectedCount > 0;
        case IdPlaySource:
        case IdBrowseSourceFolder:
            return state.selectedCount == 1;
        case IdBrowseDestinationFolder:
        case IdPlayDestination:
            return state.selectedCount == 1 && state.selectedHasDestination;
        default:
            // Convert to WMA for the selection included: with nothing selected it says so.
            return true;
    }
}

PopupMenus::PopupMenus(const CommandSet& commands, std::function<ListState()> state,
                       QWidget* owner, QObject* parent)
    : QObject(parent),
      commands_(commands),
      state_(std::move(state)),
      context_(std::make_unique<QMenu>(owner)),
      help_(std::make_unique<QMenu>(owner)) {
    context_->setObjectName(QStringLiteral("contextMenu"));
    //: Name of the file list's context menu for screen readers
    context_->setAccessibleName(tr("File list"));
    const auto addAll = [&](QMenu* menu, std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == 0) {
                menu->addSeparator();
            } else {
                menu->addAction(commands_.action(id));
            }
        }
    };
    addAll(context_.get(),
           {IdPlaySource, IdBrowseSourceFolder, 0, IdPlayDestination, IdBrowseDestinationFolder, 0,
            IdConvertSelectedMp3, IdConvertSelectedWma, IdConvertSelectedWav, IdConvertAllMp3,
            IdConvertAllWma, IdConvertAllWav, 0, IdAddFiles, IdAddFolder, IdRemove, IdRemoveAll});
    help_->setObjectName(QStringLiteral("helpMenu"));
    //: Name of the help menu for screen readers
    help_->setAccessibleName(tr("Help"));
    addAll(help_.get(), {IdHelpTopics, 0, IdTellAFriend, IdFeedback, IdHomepage,
                         IdCheckLatestVersion, 0, IdAbout});
    guard(context_.get());
    guard(help_.get());
}

PopupMenus::~PopupMenus() = default;

void PopupMenus::guard(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        const ListState state = state_();
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            action->setEnabled(MenuItemEnabled(CommandIdOf(action), state));
        }
    });
    connect(menu, &QMenu::aboutToHide, this, [menu] {
        for (QAction* action : menu->actions()) action->setEnabled(true);
    });
}

}  // namespace tonvexa
