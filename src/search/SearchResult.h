#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "db/PagedRows.h"
#include "db/Result.h"

namespace db {
class Database;
}

// The search result: the cadres listed in the scratch table tb_tcid, each with its text sort key
// tords. Keys are given when rows come in: the first batch "00001", "00002" ...; a later batch,
// after a largest key "00050", "00050-00001" ... so that it lists after every earlier row. A
// batch of more than 99,999 rows gets as many digits as its count needs, so that text order is
// still the running order.
namespace search {

// How a new condition search treats the result it finds (TQueryModeForm).
enum class SearchMode {
    Replace = 1,  // 删除当前结果，重新查询
    Add = 2,      // 保留当前结果，并加入新查询的结果
    Narrow = 3,   // 仅在当前查询的结果中进行查找
};

// The running number `n` of a batch of `count` rows, padded to five digits or more.
QString sortNumber(int n, int count);

// The number of cadres in the result.
Result<int> resultCount(db::Database& db);

// Gives every row without a key its key, in insertion order (above), in one transaction.
Result<void> assignSortKeys(db::Database& db);

// Runs a condition search with where-clause `where` (search::whereClause; empty: every cadre):
// Replace empties the result and takes every cadre that meets it, in the default order
// (gbOrd); Add takes those that are not in the result yet; Narrow removes the rows that fail it
// and adds none. New rows get their keys. One transaction; the result's count afterwards.
Result<int> runSearch(db::Database& db, SearchMode mode, const QString& where);

// Appends the cadres `cadreIds` that are not in the result yet (in the given order) and gives
// them keys; the number appended.
Result<int> addCadres(db::Database& db, const QList<int>& cadreIds);
// Removes the cadres `cadreIds` from the result.
Result<void> removeCadres(db::Database& db, const QList<int>& cadreIds);
// Empties the result.
Result<void> clearResult(db::Database& db);

// The result as the grid reads it, ordered by the sort keys; ages count to `ageToday`. The keys
// are tcid and CadreID (the same cadre). `withUnit` adds the column "name": the unit of the
// cadre's membership that comes last by unit index and order (the one that places the cadre
// when the result is sorted by unit).
db::PagedRows::Query resultQuery(const QDate& ageToday, bool withUnit = false);

// What narrows a statement over the result joined to the cadres (tb_tcid as a joined to
// tb_Cadre as b) to the cadres the list shows: " where (<lookup>)" while the count table's
// reverse lookup `lookup` (a condition on tb_cadre's columns) is in force, empty without one.
// The list, the roster it is saved into, its charts and its row moves all narrow by it.
QString listedWhere(const QString& lookup);

// The log lines of the operations.
QString searchLogLine(int count, int before);  // 当前结果共<n>人，本次查询符合再查询条件<n−P>人
QString addedLogLine(int added, int count);  // 选择加入<k>人，当前共<n>人
QStringList removedLogLines(const QStringList& names);
// The page's heading: "查询结果 （共<n>人）".
QString resultHeading(int count);

// The quick existence check: the cadres whose name is `name` (blanks inside ignored), as
// "name（library, current post）" texts, in the default order.
Result<QStringList> cadresNamed(db::Database& db, const QString& name);
// The answer shown for the check.
QString existenceAnswer(const QString& name, const QStringList& found);

// "定位干部": whether a cadre named `name` with pinyin initials `py` is the one looked for with
// `typed`: letters only match the start of the initials, any other text a part of the name
// (blanks ignored).
bool cadreMatches(const QString& name, const QString& py, const QString& typed);

}  // namespace search
