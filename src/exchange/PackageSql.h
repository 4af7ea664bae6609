#pragma once

#include <QString>
#include <QStringList>

namespace db {
class Database;
}

// Small helpers for statements between the working database ("main") and a package attached to
// the same connection.
namespace exchange::package_sql {

// "name" with its double quotes doubled, for identifiers taken from a file's own table list.
QString quotedName(const QString& identifier);

// The columns of `table` in schema `schema`, as spelled there; empty when the table is missing.
QStringList columnsOf(db::Database& db, const QString& schema, const QString& table);

// The columns of `table` in `to` that `from` has too (compared without case), in the order of
// `to`, leaving out `excluded` (compared without case).
QStringList sharedColumns(db::Database& db, const QString& from, const QString& to,
                          const QString& table, const QStringList& excluded = {});

}  // namespace exchange::package_sql
