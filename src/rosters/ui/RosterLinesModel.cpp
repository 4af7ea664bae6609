#include "rosters/ui/RosterLinesModel.h"

#include "rosters/RosterMembers.h"

RosterLinesModel::RosterLinesModel(QObject* parent) : QAbstractTableModel(parent) {}

Result<void> RosterLinesModel::load(db::Database& db, db::PagedRows::Query query) {
    beginResetModel();
    const Result<void> loaded = rows_.load(db, std::move(query));
    failureReported_ = false;
    fieldColumns_.clear();
    for (const rosters::RosterColumn& column : rosters::kRosterColumns) {
        fieldColumns_.push_back(rows_.columnIndex(QString::fromLatin1(column.field)));
    }
    endResetModel();
    return loaded;
}

void RosterLinesModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int RosterLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.size();
}

int RosterLinesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rosters::kRosterColumns.size());
}

QString RosterLinesModel::text(int row, int column) const {
    if (column == 0) {
        return QString::number(row + 1);
    }
    const QVariantList* values = rows_.row(row);
    if (values == nullptr) {
        return {};
    }
    const int field = fieldColumns_.at(static_cast<size_t>(column));
    return field < 0 ? QString() : values->value(field).toString();
}

QVariant RosterLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    if (index.column() > 0 && rows_.row(index.row()) == nullptr) {
        if (failureReported_) {
            return {};
        }
        failureReported_ = true;
        Q_EMIT const_cast<RosterLinesModel*>(this)->readFailed(rows_.lastFailure().text());
        return {};
    }
    return text(index.row(), index.column());
}

QVariant RosterLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return {};
    }
    return QString::fromUtf8(rosters::kRosterColumns[static_cast<size_t>(section)].caption);
}

int RosterLinesModel::cadreAt(int row) const {
    return row >= 0 && row < rows_.size() ? static_cast<int>(rows_.key(row)) : 0;
}

int RosterLinesModel::rowOfCadre(int cadreId) const {
    return rows_.rowOfKey(cadreId);
}
