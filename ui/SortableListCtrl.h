#pragma once

#include <QPoint>
#include <QTreeView>

#include <vector>

namespace tonvexa {

class FileListModel;

// The file list as the user sees it: a report of six columns over FileListModel, several
// rows selectable, whole rows selected. A click on a column heading sorts by that column's
// text, ascending the first time and reversed by each further click on the same heading.
class SortableListCtrl : public QTreeView {
    Q_OBJECT

public:
    static constexpr int kColumnWidths[] = {152, 55, 70, 70, 60, 145};

    explicit SortableListCtrl(FileListModel* model, QWidget* parent = nullptr);

    FileListModel* fileModel() const { return model_; }
    // The selected rows from the top of the list.
    std::vector<int> selectedRowsInOrder() const;
    // Sorts as a click on the column's heading does.
    void sortByHeading(int column);
    int sortColumn() const { return sortColumn_; }
    bool sortAscending() const { return sortAscending_; }

Q_SIGNALS:
    // The user asked for the context menu; the point is where its top-left corner goes, in
    // screen coordinates (the centre of the list when asked for from the keyboard).
    void contextMenuWanted(const QPoint& globalPos);
    void rowDoubleClicked(int row);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPoint centreOnScreen() const;

    FileListModel* model_;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
};

}  // namespace tonvexa
