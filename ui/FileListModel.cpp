#include "FileListModel.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

#include "texts/ListRowTexts.h"

namespace tonvexa {

namespace {

// The column headings in English; headerData gives them in the user's language.
const char* const kHeadings[FileListModel::ColumnCount] = {
    //: Heading of the column of the files' names (152 pixels wide)
    QT_TRANSLATE_NOOP("tonvexa::FileListModel", "Original Files"),
    //: Heading of the column of the playing times (55 pixels wide)
    QT_TRANSLATE_NOOP("tonvexa::FileListModel", "Length"),
    //: Column heading (70 pixels wide)
    QT_TRANSLATE_NOOP("tonvexa::FileListModel", "Bit Rate"),
    //: Heading of the column of the sample rates, shortened for its 70 pixels
    QT_TRANSLATE_NOOP("tonvexa::FileListModel", "Freq."),
    //: Heading of the column that shows Mono, Stereo... (60 pixels wide)
    QT_TRANSLATE_NOOP("tonvexa::FileListModel", "Channels"),
    //: Heading of the column that shows how each conversion went
    QT_TRANSLATE_NOOP("tonvexa::FileListModel", "Status"),
};

bool RightAligned(int column) {
    return column == FileListModel::ColumnLength || column == FileListModel::ColumnBitRate ||
           column == FileListModel::ColumnFreq;
}

}  // namespace

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

FileListModel::~FileListModel() = default;

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount) return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return row.texts[static_cast<std::size_t>(index.column())];
        case Qt::ToolTipRole:
            // The name column shows only the name; the whole path is a hover away.
            if (index.column() == ColumnName) return QString::fromStdString(row.entry->sourcePath);
            // A long status (the skipped text, an output-folder message) in full.
            if (index.column() == ColumnStatus && !row.texts[ColumnStatus].isEmpty())
                return row.texts[ColumnStatus];
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                Qt::Alignment((RightAligned(index.column()) ? Qt::AlignRight : Qt::AlignLeft) |
                              Qt::AlignVCenter));
        default:
            return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return tr(kHeadings[section]);
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(
            (RightAligned(section) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    }
    return {};
}

int FileListModel::appendEntry(const FileEntry& entry) {
    return appendEntries({entry});
}

int FileListModel::appendEntries(std::vector<FileEntry> entries) {
    if (entries.empty()) return rowCount() - 1;
    std::vector<Row> added;
    added.reserve(entries.size());
    for (FileEntry& entry : entries) {
        Row row;
        row.entry = std::make_unique<FileEntry>(std::move(entry));
        const ListRowTexts t = MakeListRowTexts(*row.entry);
        row.texts = {QString::fromStdString(t.name),     QString::fromStdString(t.length),
                     QString::fromStdString(t.bitRate),  QString::fromStdString(t.freq),
                     QString::fromStdString(t.channels), QString()};
        added.push_back(std::move(row));
    }
    const int first = rowCount();
    const int last = first + static_cast<int>(added.size()) - 1;
    beginInsertRows(QModelIndex(), first, last);
    rows_.insert(rows_.end(), std::make_move_iterator(added.begin()),
                 std::make_move_iterator(added.end()));
    endInsertRows();
    return last;
}

FileEntry* FileListModel::entry(int row) const {
    if (row < 0 || row >= rowCount()) return nullptr;
    return rows_[static_cast<std::size_t>(row)].entry.get();
}

std::vector<FileEntry*> FileListModel::entries() const {
    std::vector<FileEntry*> result;
    result.reserve(rows_.size());
    for (const Row& row : rows_) result.push_back(row.entry.get());
    return result;
}

QString FileListModel::text(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount) return {};
    return rows_[static_cast<std::size_t>(row)].texts[static_cast<std::size_t>(column)];
}

void FileListModel::setStatus(int row, const QString& text) {
    if (row < 0 || row >= rowCount()) return;
    rows_[static_cast<std::size_t>(row)].texts[ColumnStatus] = text;
    const QModelIndex cell = index(row, ColumnStatus);
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
}

void FileListModel::removeRowsAt(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        if (row < 0 || row >= rowCount()) continue;
        beginRemoveRows(QModelIndex(), row, row);
        rows_.erase(rows_.begin() + row);
        endRemoveRows();
    }
}

void FileListModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void FileListModel::sortByColumn(int column, bool ascending) {
    if (column < 0 || column >= ColumnCount || rows_.size() < 2) return;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    collator.setNumericMode(false);
    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<QString> keys;
    keys.reserve(rows_.size());
    for (const Row& row : rows_)
        keys.push_back(row.texts[static_cast<std::size_t>(column)].left(kSortTextLimit));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c =
            collator.compare(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]);
        return ascending ? c < 0 : c > 0;
    });

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> newRowOf(rows_.size());
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        newRowOf[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
        sorted.push_back(std::move(rows_[static_cast<std::size_t>(order[i])]));
    }
    rows_ = std::move(sorted);
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        after.append(index(newRowOf[static_cast<std::size_t>(old.row())], old.column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace tonvexa
