#include "SortableListCtrl.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

#include "ui/FileListModel.h"

namespace tonvexa {

SortableListCtrl::SortableListCtrl(FileListModel* model, QWidget* parent)
    : QTreeView(parent), model_(model) {
    setModel(model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    //: Name of the list of files to convert, for screen readers
    setAccessibleName(tr("File list"));

    QHeaderView* heading = header();
    heading->setStretchLastSection(false);
    heading->setSectionsMovable(false);
    heading->setSectionsClickable(true);
    heading->setSortIndicatorShown(false);
    heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < static_cast<int>(std::size(kColumnWidths)); ++c) {
        heading->resizeSection(c, kColumnWidths[c]);
    }
    connect(heading, &QHeaderView::sectionClicked, this, &SortableListCtrl::sortByHeading);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { Q_EMIT rowDoubleClicked(index.row()); });
}

std::vector<int> SortableListCtrl::selectedRowsInOrder() const {
    std::vector<int> rows;
    if (selectionModel() == nullptr) return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SortableListCtrl::sortByHeading(int column) {
    const bool ascending = column != sortColumn_ || !sortAscending_;
    sortColumn_ = column;
    sortAscending_ = ascending;
    model_->sortByColumn(column, ascending);
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

QPoint SortableListCtrl::centreOnScreen() const {
    return mapToGlobal(QPoint(width() / 2, height() / 2));
}

void SortableListCtrl::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    Q_EMIT contextMenuWanted(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                         : centreOnScreen());
}

void SortableListCtrl::keyPressEvent(QKeyEvent* event) {
    // The menu key and Shift+F10 open the context menu where the keyboard user can see it.
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        event->accept();
        Q_EMIT contextMenuWanted(centreOnScreen());
        return;
    }
    QTreeView::keyPressEvent(event);
}

}  // namespace tonvexa
