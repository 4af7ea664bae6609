#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <vector>

#include "db/Database.h"

// The columns of the cadre list: caption, field of the list statement, and whether the column
// is shown at first. The order is the grid's order.
struct CadreListColumn {
    const char* caption;
    const char* field;
    bool shownAtStart;
};
extern const std::vector<CadreListColumn> kCadreListGridColumns;

// The rows of a cadre list statement as a read-only table with the list's columns. Rows can be
// dragged: the drag carries the cadre, its membership row and unit, its name and current post.
class CadreListModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    static const QString kMimeType;

    explicit CadreListModel(QObject* parent = nullptr);

    void setRows(db::QueryResult rows);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

    // A field of a row by name (invalid when there is no such field or row).
    QVariant value(int row, const char* field) const;
    // The column of `field` (-1 when the list has none).
    static int columnOf(const char* field);

  private:
    db::QueryResult rows_;
    std::vector<int> fieldColumns_;  // per grid column: its index in rows_, -1 when absent
};

// The sorted view of the list: "序号" shows each row's position in the view, whatever the sort.
class CadreListProxy final : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    QVariant data(const QModelIndex& index, int role) const override;
};

// What a dragged row carries.
struct DraggedCadre {
    int cadreId = 0;
    int cnId = 0;
    int unitId = 0;
    QString name;
    QString currentPost;
};
bool readDraggedCadre(const QMimeData* mime, DraggedCadre* out);
