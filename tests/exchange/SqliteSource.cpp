#include "SqliteSource.h"

#include <sqlite3.h>

#include "db/SqlStatement.h"

namespace {

exchange::FieldType typeOf(const QString& declared) {
    const QString type = declared.toUpper();
    if (type.startsWith(u"DATETIME")) {
        return exchange::FieldType::Date;
    }
    if (type.startsWith(u"BIT")) {
        return exchange::FieldType::YesNo;
    }
    if (type.contains(u"INT") || type.startsWith(u"COUNTER")) {
        return exchange::FieldType::Integer;
    }
    if (type.startsWith(u"REAL") || type.startsWith(u"DOUBLE") || type.startsWith(u"FLOAT") ||
        type.startsWith(u"NUMERIC")) {
        return exchange::FieldType::Real;
    }
    if (type.startsWith(u"BLOB") || type.contains(u"BINARY") || type.startsWith(u"IMAGE")) {
        return exchange::FieldType::Binary;
    }
    if (type.startsWith(u"MEMO")) {
        return exchange::FieldType::Memo;
    }
    return exchange::FieldType::Text;
}

}  // namespace

SqliteSource::SqliteSource(const QString& path) {
    db_.open(path);
    for (const QString& table : db_.tables()) {
        if (table.startsWith(u"sqlite_")) {
            continue;
        }
        exchange::SourceTable source{table, {}};
        const auto columns =
            db_.prepareNative(QStringLiteral("select name, type from pragma_table_info(?)"));
        columns->bind({table});
        while (columns->step() == db::SqlStatement::Step::Row) {
            source.columns.push_back(
                {columns->value(0).toString(), typeOf(columns->value(1).toString())});
        }
        tables_.push_back(std::move(source));
    }
}

Result<void> SqliteSource::readRows(const QString& table, const exchange::RowSink& sink) {
    const exchange::SourceTable* source = exchange::findTable(*this, table);
    if (!source) {
        return Failure{QStringLiteral("no table ") + table, {}};
    }
    const auto rows = db_.prepareNative(QStringLiteral("select * from \"%1\"").arg(table));
    sqlite3_stmt* statement = rows->handle();
    QVariantList values(static_cast<qsizetype>(source->columns.size()));
    int read = 0;
    while (rows->step() == db::SqlStatement::Step::Row) {
        if (failAt == table && read == 1) {
            return Failure{QStringLiteral("damaged"), {}};
        }
        for (int c = 0; c < values.size(); ++c) {
            switch (sqlite3_column_type(statement, c)) {
                case SQLITE_NULL:
                    values[c] = QVariant();
                    break;
                case SQLITE_INTEGER:
                    values[c] = static_cast<qint64>(sqlite3_column_int64(statement, c));
                    break;
                case SQLITE_FLOAT:
                    values[c] = sqlite3_column_double(statement, c);
                    break;
                case SQLITE_BLOB:
                    values[c] =
                        QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, c)),
                                   sqlite3_column_bytes(statement, c));
                    break;
                default:
                    values[c] = QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(statement, c)),
                        sqlite3_column_bytes(statement, c));
            }
        }
        ++read;
        if (Result<void> taken = sink(values); !taken) {
            return taken;
        }
    }
    return {};
}
