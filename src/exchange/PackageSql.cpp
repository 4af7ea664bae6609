#include "exchange/PackageSql.h"

#include "db/Database.h"
#include "db/SqlStatement.h"

namespace exchange::package_sql {

QString quotedName(const QString& identifier) {
    return u'"' + QString(identifier).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QStringList columnsOf(db::Database& db, const QString& schema, const QString& table) {
    QStringList out;
    const auto statement =
        db.prepareNative(QStringLiteral("select name from pragma_table_info(?1, ?2)"));
    if (statement && statement->bind({table, schema})) {
        while (statement->step() == db::SqlStatement::Step::Row) {
            out << statement->value(0).toString();
        }
    }
    return out;
}

QStringList sharedColumns(db::Database& db, const QString& from, const QString& to,
                          const QString& table, const QStringList& excluded) {
    const QStringList source = columnsOf(db, from, table);
    QStringList out;
    for (const QString& column : columnsOf(db, to, table)) {
        if (source.contains(column, Qt::CaseInsensitive) &&
            !excluded.contains(column, Qt::CaseInsensitive)) {
            out << column;
        }
    }
    return out;
}

}  // namespace exchange::package_sql
