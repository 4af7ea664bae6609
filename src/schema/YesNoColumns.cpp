#include "schema/YesNoColumns.h"

#include <QStringList>

#include "db/Database.h"

namespace schema {

namespace {

QString bracketed(const QString& name) {
    return u'[' + name + u']';
}

}  // namespace

Result<int> clearYesNoNulls(db::Database& db) {
    // Only columns whose definition allows null can hold one; each such table is read once.
    QStringList updates;
    for (const QString& table : db.tables()) {
        QStringList nullable;
        for (const QString& column : db.columns(table)) {
            if (db.columnKind(table, column) == jet::ColumnKind::Boolean &&
                db.allowsNull(table, column)) {
                nullable << bracketed(column);
            }
        }
        if (nullable.isEmpty()) {
            continue;
        }
        const Result<QVariant> found = db.scalar(
            QStringLiteral("select top 1 1 from ") + bracketed(table) + QStringLiteral(" where ") +
            nullable.join(QStringLiteral(" is null or ")) + QStringLiteral(" is null"));
        if (!found) {
            return found.failure();
        }
        if (!found->isValid()) {
            continue;
        }
        for (const QString& column : nullable) {
            updates << QStringLiteral("update ") + bracketed(table) + QStringLiteral(" set ") +
                           column + QStringLiteral("=0 where ") + column +
                           QStringLiteral(" is null");
        }
    }
    if (updates.isEmpty()) {
        return 0;
    }
    db::Transaction transaction(db);
    int changed = 0;
    for (const QString& update : updates) {
        if (!db.exec(update)) {
            return Failure{{}, db.lastError()};
        }
        changed += db.changes();
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return changed;
}

}  // namespace schema
