#include "main/ui/CadreListModel.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

const std::vector<CadreListColumn> kCadreListGridColumns = {
    {"单位名称", "name", false},
    {"序号", "zwOrder", true},
    {"姓名", "xm", true},
    {"性别", "xb", true},
    {"出生年月", "csnyStr", true},
    {"年龄", "age", true},
    {"职务级别", "zwjb", true},
    {"任职级时间", "zwjbTimeStr", true},
    {"现任职务", "xrz", true},
    {"本单位任职", "zwList", false},
    {"任现职时间", "allRzsjList", true},
    {"民族", "mz", true},
    {"政治面貌", "zzmm", true},
    {"出生地", "cssheng", true},
    {"籍贯", "jgsheng", true},
    {"入党时间", "rdsjStr", true},
    {"工作时间", "gzsjStr", true},
    {"学位", "gxw", true},
    {"学历", "gxl", true},
    {"毕业院校", "gxlxx", true},
    {"专业技术职务", "zyjszw", true},
    {"全日制学历", "qrzxl", false},
    {"全日制学位", "qrzxw", false},
    {"全日制毕业院校", "qrzxxzy", false},
    {"在职学历", "zzxl", false},
    {"在职学位", "zzxw", false},
    {"在职毕业院校", "zzxxzy", false},
    {"自定义1", "res5", false},
    {"自定义2", "res6", false},
    {"自定义3", "res7", false},
    {"自定义4", "res8", false},
    {"进本单位时间", "jrsjStr", true},
    {"专业技术职务级别", "zydj", true},
    {"ID", "cadreid", false},
};

const QString CadreListModel::kMimeType = QStringLiteral("application/x-cadre-list-row");

namespace {

// The order of two values of a column as a sorted grid shows them: numbers by value, dates in
// time, everything else as text; empty values after every other.
bool sortsBefore(const QVariant& left, const QVariant& right) {
    if (!left.isValid() || left.isNull()) {
        return false;
    }
    if (!right.isValid() || right.isNull()) {
        return true;
    }
    const auto isNumber = [](const QVariant& v) {
        switch (v.typeId()) {
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::UInt:
            case QMetaType::ULongLong:
            case QMetaType::Double:
            case QMetaType::Bool:
                return true;
            default:
                return false;
        }
    };
    if (isNumber(left) && isNumber(right)) {
        return left.toDouble() < right.toDouble();
    }
    const auto isTime = [](const QVariant& v) {
        return v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime;
    };
    if (isTime(left) && isTime(right)) {
        return left.toDateTime() < right.toDateTime();
    }
    return left.toString().compare(right.toString()) < 0;
}

}  // namespace

CadreListModel::CadreListModel(QObject* parent) : QAbstractTableModel(parent) {}

Result<void> CadreListModel::load(db::Database& db, db::PagedRows::Query query) {
    beginResetModel();
    db_ = &db;
    query_ = std::move(query);
    failureReported_ = false;
    Result<void> loaded = rows_.load(db, query_);
    if (loaded && sortColumn_ >= 0 && !applySort()) {
        loaded = rows_.lastFailure();
        rows_.clear();
    }
    fieldColumns_.clear();
    for (const CadreListColumn& column : kCadreListGridColumns) {
        fieldColumns_.push_back(rows_.columnIndex(QString::fromLatin1(column.field)));
    }
    endResetModel();
    return loaded;
}

void CadreListModel::clear() {
    beginResetModel();
    db_ = nullptr;
    rows_.clear();
    fieldColumns_.clear();
    endResetModel();
}

bool CadreListModel::applySort() {
    const int field =
        sortColumn_ >= 0 && static_cast<size_t>(sortColumn_) < kCadreListGridColumns.size()
            ? rows_.columnIndex(QString::fromLatin1(
                  kCadreListGridColumns[static_cast<size_t>(sortColumn_)].field))
            : -1;
    if (field < 0) {
        return true;  // a column this list does not have keeps the list's order
    }
    const Result<QVariantList> values = rows_.columnValues(rows_.columns().at(field));
    if (!values) {
        return false;
    }
    std::vector<int> order(static_cast<size_t>(rows_.size()));
    for (int row = 0; row < rows_.size(); ++row) {
        order[static_cast<size_t>(row)] = row;
    }
    const QVariantList& v = *values;
    if (sortOrder_ == Qt::AscendingOrder) {
        std::stable_sort(order.begin(), order.end(),
                         [&v](int a, int b) { return sortsBefore(v.at(a), v.at(b)); });
    } else {
        std::stable_sort(order.begin(), order.end(),
                         [&v](int a, int b) { return sortsBefore(v.at(b), v.at(a)); });
    }
    rows_.reorder(order);
    return true;
}

void CadreListModel::sort(int column, Qt::SortOrder order) {
    const int ownOrder = columnOf("zwOrder");
    const int wanted = column == ownOrder ? -1 : column;
    if (wanted == sortColumn_ && (wanted < 0 || order == sortOrder_)) {
        return;
    }
    sortColumn_ = wanted;
    sortOrder_ = order;
    if (db_ == nullptr) {
        return;
    }
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistent = persistentIndexList();
    std::vector<qint64> persistentKeys;
    for (const QModelIndex& index : persistent) {
        persistentKeys.push_back(rows_.key(index.row()));
    }
    bool sorted = true;
    if (wanted < 0) {
        // The list's own order is that of the keys as read.
        sorted = static_cast<bool>(rows_.load(*db_, query_));
    } else {
        sorted = applySort();
    }
    QModelIndexList moved;
    for (size_t i = 0; i < persistentKeys.size(); ++i) {
        const int row = sorted ? rows_.rowOfKey(persistentKeys[i]) : -1;
        moved << (row < 0 ? QModelIndex()
                          : index(row, persistent[static_cast<qsizetype>(i)].column()));
    }
    changePersistentIndexList(persistent, moved);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    if (!sorted && !failureReported_) {
        failureReported_ = true;
        Q_EMIT readFailed(rows_.lastFailure().text());
    }
}

int CadreListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.size();
}

int CadreListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kCadreListGridColumns.size());
}

const QVariantList* CadreListModel::rowAt(int row) const {
    const QVariantList* values = rows_.row(row);
    if (values == nullptr && row >= 0 && row < rows_.size() && !failureReported_) {
        failureReported_ = true;
        // Told after the view has finished painting, not from inside it.
        auto* self = const_cast<CadreListModel*>(this);
        QMetaObject::invokeMethod(
            self, [self, text = rows_.lastFailure().text()] { Q_EMIT self->readFailed(text); },
            Qt::QueuedConnection);
    }
    return values;
}

QVariant CadreListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    if (index.column() == columnOf("zwOrder") && role == Qt::DisplayRole) {
        return index.row() + 1;
    }
    const int field = fieldColumns_.at(static_cast<size_t>(index.column()));
    if (field < 0) {
        return {};
    }
    const QVariantList* values = rowAt(index.row());
    return values == nullptr ? QVariant() : values->value(field);
}

QVariant CadreListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columnCount()) {
        return QString::fromUtf8(kCadreListGridColumns[static_cast<size_t>(section)].caption);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags CadreListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled
                           : Qt::NoItemFlags;
}

QVariant CadreListModel::value(int row, const char* field) const {
    const int column = rows_.columnIndex(QString::fromLatin1(field));
    if (row < 0 || row >= rowCount() || column < 0) {
        return {};
    }
    const QVariantList* values = rowAt(row);
    return values == nullptr ? QVariant() : values->value(column);
}

int CadreListModel::rowOfMembership(int cnId) const {
    return rows_.rowOfKey(cnId, 0);
}

int CadreListModel::rowOfCadre(int cadreId) const {
    return rows_.rowOfKey(cadreId, 1);
}

QList<int> CadreListModel::cadreIds() const {
    QList<int> ids;
    for (int row = 0; row < rowCount(); ++row) {
        ids << value(row, "CadreID").toInt();
    }
    return ids;
}

int CadreListModel::columnOf(const char* field) {
    for (size_t i = 0; i < kCadreListGridColumns.size(); ++i) {
        if (qstrcmp(kCadreListGridColumns[i].field, field) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QStringList CadreListModel::mimeTypes() const {
    return {kMimeType};
}

QMimeData* CadreListModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty()) {
        return nullptr;
    }
    const int row = indexes.first().row();
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << value(row, "CadreID").toInt() << value(row, "CnID").toInt() << value(row, "dwID").toInt()
        << value(row, "xm").toString() << value(row, "zwList").toString();
    auto* mime = new QMimeData;
    mime->setData(kMimeType, bytes);
    return mime;
}

bool readDraggedCadre(const QMimeData* mime, DraggedCadre* out) {
    if (mime == nullptr || !mime->hasFormat(CadreListModel::kMimeType)) {
        return false;
    }
    QDataStream in(mime->data(CadreListModel::kMimeType));
    in >> out->cadreId >> out->cnId >> out->unitId >> out->name >> out->postsInUnit;
    return in.status() == QDataStream::Ok && out->cadreId != 0;
}
