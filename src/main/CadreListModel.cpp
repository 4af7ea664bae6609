#include "main/CadreListModel.h"

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

CadreListModel::CadreListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CadreListModel::setRows(db::QueryResult rows) {
    beginResetModel();
    rows_ = std::move(rows);
    fieldColumns_.clear();
    for (const CadreListColumn& column : kCadreListGridColumns) {
        fieldColumns_.push_back(rows_.indexOf(QString::fromLatin1(column.field)));
    }
    endResetModel();
}

void CadreListModel::clear() {
    setRows({});
}

int CadreListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.rows.size());
}

int CadreListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kCadreListGridColumns.size());
}

QVariant CadreListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    const int field = fieldColumns_.at(static_cast<size_t>(index.column()));
    if (field < 0) {
        return {};
    }
    return rows_.rows.at(static_cast<size_t>(index.row())).value(field);
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
    const int column = rows_.indexOf(QString::fromLatin1(field));
    if (row < 0 || row >= rowCount() || column < 0) {
        return {};
    }
    return rows_.rows.at(static_cast<size_t>(row)).value(column);
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
        << value(row, "xm").toString() << value(row, "xrz").toString();
    auto* mime = new QMimeData;
    mime->setData(kMimeType, bytes);
    return mime;
}

bool readDraggedCadre(const QMimeData* mime, DraggedCadre* out) {
    if (mime == nullptr || !mime->hasFormat(CadreListModel::kMimeType)) {
        return false;
    }
    QDataStream in(mime->data(CadreListModel::kMimeType));
    in >> out->cadreId >> out->cnId >> out->unitId >> out->name >> out->currentPost;
    return in.status() == QDataStream::Ok && out->cadreId != 0;
}

QVariant CadreListProxy::data(const QModelIndex& index, int role) const {
    if (index.isValid() && role == Qt::DisplayRole &&
        index.column() == CadreListModel::columnOf("zwOrder")) {
        return index.row() + 1;
    }
    return QSortFilterProxyModel::data(index, role);
}
