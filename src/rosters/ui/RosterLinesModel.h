#pragma once

#include <QAbstractTableModel>

#include "db/PagedRows.h"
#include "db/Result.h"

namespace db {
class Database;
}

// The lines of one roster as a read-only table with the columns of rosters::kRosterColumns, read
// a page of rows at a time. "序号" shows each row's position + 1; the key is McCadreID.
class RosterLinesModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit RosterLinesModel(QObject* parent = nullptr);

    // Reads the lines of `query` (rosters::linesQuery); on failure the table is empty.
    Result<void> load(db::Database& db, db::PagedRows::Query query);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The cadre of row `row` (0 outside the table).
    int cadreAt(int row) const;
    // The row of cadre `cadreId`; -1 when the roster shows none.
    int rowOfCadre(int cadreId) const;
    // The text a cell shows.
    QString text(int row, int column) const;

  Q_SIGNALS:
    // Rows could not be read (once a load): the database's error.
    void readFailed(const QString& text);

  private:
    mutable db::PagedRows rows_;
    std::vector<int> fieldColumns_;         // per grid column: its index in a row
    mutable bool failureReported_ = false;  // once a load
};
