#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "db/PagedRows.h"
#include "db/Result.h"

namespace db {
class Database;
}

// The columns of the cadre list: caption, field of the list statement, and whether the column
// is shown at first. The order is the grid's order.
struct CadreListColumn {
    const char* caption;
    const char* field;
    bool shownAtStart;
};
extern const std::vector<CadreListColumn> kCadreListGridColumns;

// A cadre list as a read-only table with the list's columns, read key first and a page of rows
// at a time (db::PagedRows), so that a list of the whole tree shows at once and costs little
// memory. The keys are the membership (CnID) and the cadre (CadreID). "序号" shows each row's
// position in the list as shown, whatever the sort; sorting by a column keeps the list's own
// order among equal values, and sorting by "序号" (or column -1) goes back to the list's order.
// Rows can be dragged: the drag carries the cadre, its membership row and unit, its name and
// its posts in the unit.
class CadreListModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    static const QString kMimeType;

    explicit CadreListModel(QObject* parent = nullptr);

    // Reads the list of `query` (whose keys are CnID and CadreID) and keeps the current sort; on
    // failure the list is empty.
    Result<void> load(db::Database& db, db::PagedRows::Query query);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

    // A field of a row by name (invalid when there is no such field or row).
    QVariant value(int row, const char* field) const;
    // The first row of membership `cnId`, or of cadre `cadreId`; -1 when the list has none.
    int rowOfMembership(int cnId) const;
    int rowOfCadre(int cadreId) const;
    // The cadres of the rows in list order as shown (a cadre listed twice appears twice).
    QList<int> cadreIds() const;
    // The column of `field` (-1 when the list has none).
    static int columnOf(const char* field);

  Q_SIGNALS:
    // Rows could not be read (once a load): the database's error.
    void readFailed(const QString& text);

  private:
    const QVariantList* rowAt(int row) const;
    bool applySort();

    db::Database* db_ = nullptr;
    db::PagedRows::Query query_;
    mutable db::PagedRows rows_;
    std::vector<int> fieldColumns_;  // per grid column: its index in a row, -1 when absent
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    mutable bool failureReported_ = false;
};

// What a dragged row carries.
struct DraggedCadre {
    int cadreId = 0;
    int cnId = 0;
    int unitId = 0;
    QString name;
    // The cadre's current posts in the unit it is dragged from (zwList, "、" between posts).
    QString postsInUnit;
};
bool readDraggedCadre(const QMimeData* mime, DraggedCadre* out);
