#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <memory>
#include <vector>

#include "engine/FileEntry.h"

namespace tonvexa {

// The rows of the file list: each row owns its FileEntry and the texts it shows. Entries keep
// their address for their row's whole life, so the batch driver can hold pointers to them
// while it writes each row's status. Rows are appended, sorted by a column's text and
// removed; nothing else moves them.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        ColumnName,
        ColumnLength,
        ColumnBitRate,
        ColumnFreq,
        ColumnChannels,
        ColumnStatus,
        ColumnCount
    };
    // Texts longer than this are compared by their beginning only.
    static constexpr int kSortTextLimit = 259;

    explicit FileListModel(QObject* parent = nullptr);
    ~FileListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Appends a row for the entry (its texts made from it) and returns the row's index.
    int appendEntry(const FileEntry& entry);
    // Appends a row for each entry, in order, in one insertion (a view lays itself out once
    // for all of them); returns the index of the last row, -1 when there is none.
    int appendEntries(std::vector<FileEntry> entries);
    FileEntry* entry(int row) const;
    // Every row's entry, in list order.
    std::vector<FileEntry*> entries() const;
    QString text(int row, int column) const;
    void setStatus(int row, const QString& text);

    // Removes the rows (any order; duplicates ignored); the others keep their order.
    void removeRowsAt(std::vector<int> rows);
    void clear();

    // Sorts the rows by the texts of a column, compared as the user's locale orders text,
    // with upper and lower case kept apart. Rows with equal texts keep their order.
    void sortByColumn(int column, bool ascending);

private:
    struct Row {
        std::unique_ptr<FileEntry> entry;
        std::array<QString, ColumnCount> texts;
    };
    std::vector<Row> rows_;
};

}  // namespace tonvexa
