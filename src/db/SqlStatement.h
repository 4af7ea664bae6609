#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <vector>

#include "db/JetTranslator.h"

struct sqlite3;
struct sqlite3_stmt;

namespace db {

// One prepared SQLite statement. Values come out in the types C++ callers use: DATETIME columns
// as QDate (QDateTime when the value has a time of day), BIT columns as bool, NULL as an
// invalid QVariant.
class SqlStatement {
  public:
    enum class Step { Row, Done, Error };

    SqlStatement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    bool bind(const QVariantList& params);
    bool bindValue(int index, const QVariant& value);  // index from 1
    Step step();
    void reset();

    int columnCount() const;
    QString columnName(int i) const;
    jet::ColumnKind columnKind(int i) const;
    QString declaredType(int i) const;
    QString originTable(int i) const;
    QString originColumn(int i) const;
    QVariant value(int i) const;

    QString errorText() const;
    sqlite3_stmt* handle() const { return stmt_; }

  private:
    sqlite3* db_;
    sqlite3_stmt* stmt_;
    mutable std::vector<jet::ColumnKind> kinds_;  // per result column, filled on first read
};

// The declared column type tells which stored numbers are dates and which are yes/no values.
jet::ColumnKind kindOfDeclaredType(const QString& declaredType);

// Converts a value to what a column of the given kind stores: dates become Jet serials, yes/no
// becomes 1 or 0. Returns false when the value cannot be stored in such a column.
bool toStorage(const QVariant& value, jet::ColumnKind kind, QVariant& stored);

// Converts a stored value of a column of the given kind back for C++ callers.
QVariant fromStorage(const QVariant& stored, jet::ColumnKind kind);

// A value as text: dates as yyyy-MM-dd (with hh:mm:ss when there is a time), yes/no as
// True/False, NULL as an empty text.
QString displayText(const QVariant& value);

}  // namespace db
