#include "schema/YesNoColumns.h"

#include <QStringList>
#include <vector>

#include "db/Database.h"

namespace schema {

namespace {

QString bracketed(const QString& name) {
    return u'[' + name + u']';
}

}  // namespace

Result<int> clearYesNoNulls(db::Database& db) {
    struct Column {
        QString table;
        QString name;
    };
    std::vector<Column> withNulls;
    for (const QString& table : db.tables()) {
        for (const QString& column : db.columns(table)) {
            if (db.columnKind(table, column) != jet::ColumnKind::Boolean) {
                continue;
            }
            const Result<QVariant> nulls = db.scalar(
                QStringLiteral("select top 1 1 from ") + bracketed(table) +
                QStringLiteral(" where ") + bracketed(column) + QStringLiteral(" is null"));
            if (!nulls) {
                return nulls.failure();
            }
            if (nulls->isValid()) {
                withNulls.push_back({table, column});
            }
        }
    }
    if (withNulls.empty()) {
        return 0;
    }
    db::Transaction transaction(db);
    int changed = 0;
    for (const Column& c : withNulls) {
        if (!db.exec(QStringLiteral("update ") + bracketed(c.table) + QStringLiteral(" set ") +
                     bracketed(c.name) + QStringLiteral("=0 where ") + bracketed(c.name) +
                     QStringLiteral(" is null"))) {
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
