#include "cadre/OrderedRows.h"

#include "db/Database.h"

namespace cadre {

Result<void> swapWithNeighbour(db::Database& db, const OrderedRows& rows, int cadreId, int id,
                               int step, const QString& gone) {
    const auto failed = [&db] { return Failure{{}, db.lastError()}; };
    const auto list = db.query(
        QStringLiteral("select %1,%2 from %3 where %4=? order by %5%2,%1")
            .arg(rows.idColumn, rows.orderColumn, rows.table, rows.cadreColumn, rows.sortPrefix),
        {cadreId});
    if (!list) {
        return failed();
    }
    int index = -1;
    for (size_t i = 0; i < list->rows.size(); ++i) {
        if (list->rows[i][0].toInt() == id) {
            index = static_cast<int>(i);
        }
    }
    if (index < 0) {
        return Failure{gone, {}};
    }
    const int other = step < 0 ? index - 1 : index + 1;
    if (step == 0 || other < 0 || other >= static_cast<int>(list->rows.size())) {
        return {};
    }
    const QVariant a = list->rows[static_cast<size_t>(index)][1];
    const QVariant b = list->rows[static_cast<size_t>(other)][1];
    const int otherId = list->rows[static_cast<size_t>(other)][0].toInt();
    const QString update = QStringLiteral("update %1 set %2=? where %3=?")
                               .arg(rows.table, rows.orderColumn, rows.idColumn);
    db::Transaction transaction(db);
    if (!transaction.isActive() || !db.exec(update, {b, id}) || !db.exec(update, {a, otherId}) ||
        !transaction.commit()) {
        return failed();
    }
    return {};
}

Result<int> renumberOrders(db::Database& db, const QString& table, const QString& idColumn,
                           const QStringList& groupColumns, const QString& orderColumn) {
    const QString groups = groupColumns.join(u',');
    const auto rows = db.query(QStringLiteral("select %1,%2,%3 from %4 order by %2,%3,%1")
                                   .arg(idColumn, groups, orderColumn, table));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    const QString update =
        QStringLiteral("update %1 set %2=? where %3=?").arg(table, orderColumn, idColumn);
    const qsizetype groupCount = groupColumns.size();
    QVariantList group;
    int next = 0;
    int changed = 0;
    for (const QVariantList& row : rows->rows) {
        const QVariantList key = row.mid(1, groupCount);
        if (key != group || next == 0) {
            group = key;
            next = 1;
        }
        const QVariant& order = row[groupCount + 1];
        if (order.isNull() || order.toInt() != next) {
            if (!db.exec(update, {next, row[0]})) {
                return Failure{{}, db.lastError()};
            }
            ++changed;
        }
        ++next;
    }
    return changed;
}

}  // namespace cadre
