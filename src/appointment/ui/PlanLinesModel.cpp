#include "appointment/ui/PlanLinesModel.h"

#include "app/MessageService.h"
#include "appointment/PlanLines.h"

PlanLinesModel::PlanLinesModel(db::Database& db, QObject* parent)
    : QAbstractTableModel(parent), db_(db) {}

Result<void> PlanLinesModel::load(const QString& statement) {
    beginResetModel();
    std::optional<db::QueryResult> rows = db_.query(statement);
    lines_ = rows ? std::move(*rows) : db::QueryResult{};
    endResetModel();
    if (!rows) {
        return Failure{{}, db_.lastError()};
    }
    return {};
}

void PlanLinesModel::clear() {
    beginResetModel();
    lines_ = {};
    endResetModel();
}

void PlanLinesModel::setEditable(bool editable) {
    editable_ = editable;
    if (rowCount() > 0) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

QVariant PlanLinesModel::value(int row, const QString& field) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    return lines_.value(static_cast<size_t>(row), field);
}

int PlanLinesModel::lineId(int row) const {
    return value(row, QStringLiteral("id")).toInt();
}

int PlanLinesModel::rowOfLine(int lineId) const {
    for (int row = 0; row < rowCount(); ++row) {
        if (this->lineId(row) == lineId) {
            return row;
        }
    }
    return -1;
}

int PlanLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.rows.size());
}

int PlanLinesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kPlanGridColumns.size());
}

QVariant PlanLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    const PlanGridColumn& column = kPlanGridColumns[static_cast<size_t>(index.column())];
    if (*column.field == '\0') {
        return index.row() + 1;
    }
    return value(index.row(), QString::fromLatin1(column.field));
}

QVariant PlanLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QString::fromUtf8(kPlanGridColumns[static_cast<size_t>(section)].caption);
}

Qt::ItemFlags PlanLinesModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid() && index.column() > 0) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool PlanLinesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const QString field =
        QString::fromLatin1(kPlanGridColumns[static_cast<size_t>(index.column())].field);
    const Result<void> stored = appointment::setLineValue(db_, lineId(index.row()), field, value);
    if (!stored) {
        app::showFailure(stored.failure());
        return false;
    }
    const int column = lines_.indexOf(field);
    if (column >= 0) {
        lines_.rows[static_cast<size_t>(index.row())][column] = value;
    }
    Q_EMIT dataChanged(index, index);
    return true;
}
