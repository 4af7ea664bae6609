#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <algorithm>
#include <list>
#include <vector>

#include "db/Result.h"

namespace db {

class Database;

// A long list read the way a grid shows it: the keys of every row first, in the list's order
// (a few integers a row), then the rows themselves a page at a time when a page is first asked
// for. Only the most recently used pages stay in memory, so a list of any length costs little
// more than its keys, and its first rows are there as soon as the keys are.
class PagedRows {
  public:
    // How a list is read, in the Jet dialect: the rows are "select <columns> <from>", in the
    // order "order by <order>".
    struct Query {
        QString columns;  // the select list; it holds every key column
        QString from;     // "from ..." with the joins and conditions
        // Integer columns of the select list that name a row; the first alone is unique and
        // pages are read by it, the others can be looked up (rowOfKey).
        QStringList keys;
        QString order;  // may name columns of the joined tables that are not selected
    };

    explicit PagedRows(int pageSize = 100, int keptPages = 40);

    // Reads the keys of `query` in the list's order and forgets every page read before; on
    // failure the list is empty. `db` must outlive the list or the next load().
    Result<void> load(Database& db, Query query);
    // Empties the list.
    void clear();

    int size() const { return static_cast<int>(keys_.size() / keyWidth()); }
    // Key column `k` of row `row`.
    qint64 key(int row, int k = 0) const;
    // The first row whose key column `k` is `value`; -1 when none.
    int rowOfKey(qint64 value, int k = 0) const;

    // The columns of a row, as the select list names them.
    const QStringList& columns() const { return columns_; }
    // The position of column `name` in a row, without regard to case; -1 when there is none.
    int columnIndex(const QString& name) const;
    // Row `row`, reading its page when it is not in memory; nullptr on a read failure (see
    // lastFailure()) or outside the list.
    const QVariantList* row(int row);
    const Failure& lastFailure() const { return lastFailure_; }

    // Puts the rows in a new order: `order` holds every row number once, the row that comes
    // first at the front. Pages read so far are forgotten.
    void reorder(const std::vector<int>& order);

    // For each row, in the list's order, the value of the selected column `column`, read in one
    // statement; a failure when it cannot be read.
    Result<QVariantList> columnValues(const QString& column);

  private:
    int keyWidth() const { return std::max(1, static_cast<int>(query_.keys.size())); }
    QString rowsStatement() const;
    QString pageStatement() const;
    bool readPage(int page);

    Database* db_ = nullptr;
    Query query_;
    int pageSize_;
    int keptPages_;
    std::vector<qint64> keys_;                  // keyWidth() values a row
    mutable QHash<qint64, int> rowOfFirstKey_;  // filled on first look-up
    QStringList columns_;
    QHash<int, std::vector<QVariantList>> pages_;
    std::list<int> recentPages_;  // most recent first
    Failure lastFailure_;
};

}  // namespace db
