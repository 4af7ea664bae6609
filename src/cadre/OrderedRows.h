#pragma once

#include <QString>
#include <QStringList>

#include "db/Result.h"

namespace db {
class Database;
}

namespace cadre {

// A table of rows that a cadre keeps in an order of its own (family members, the archive
// catalogue): the table, its row id, the column naming the cadre and the order column. The names
// are program constants, never user text.
struct OrderedRows {
    QString table;
    QString idColumn;
    QString cadreColumn;
    QString orderColumn;
    // Columns the list is sorted by before the order column (with a trailing comma), empty when
    // the order column alone sorts it.
    QString sortPrefix;
};

// Swaps the order value of row `id` of cadre `cadreId` with that of its neighbour before
// (`step` < 0) or after (`step` > 0) it in the list (by the sort prefix, the order and the id),
// with two updates in one transaction; nothing happens at either end or with `step` 0. A row that
// is not the cadre's is refused with `gone`.
Result<void> swapWithNeighbour(db::Database& db, const OrderedRows& rows, int cadreId, int id,
                               int step, const QString& gone);

// Renumbers the order column of `table` from 1 within each group of rows that share the values
// of `groupColumns`, keeping their order (by the order column, then the row id): gaps and
// duplicates go. Only rows whose order changes are written; the value is their number. The names
// are program constants. A caller that makes more changes runs this in its own transaction.
Result<int> renumberOrders(db::Database& db, const QString& table, const QString& idColumn,
                           const QStringList& groupColumns, const QString& orderColumn);

}  // namespace cadre
