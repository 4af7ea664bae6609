#pragma once

#include <QString>
#include <utility>
#include <vector>

// Translates one SQL statement written in the Jet (Access) dialect into SQLite statements with
// the same effect. The rewriting works on tokens: text inside strings and bracketed names is
// never touched. A statement that cannot be translated faithfully is refused with a reason.
namespace jet {

enum class ColumnKind { Other, Date, Boolean };

// What the translator may ask about the database the statement will run against.
class SchemaInfo {
  public:
    virtual ~SchemaInfo() = default;
    virtual bool hasTable(const QString& table) const = 0;
    virtual ColumnKind columnKind(const QString& table, const QString& column) const = 0;
};

struct TranslatedStatement {
    QString sql;
    // For "select ... into T": the new table's name; `sql` is then the select that fills it.
    QString intoTable;
};

struct Attachment {
    QString alias;
    QString path;
};

struct Translation {
    std::vector<TranslatedStatement> statements;
    // Other database files the statement reads or writes ("IN 'file'", "[MS ACCESS;DataBase=...]").
    std::vector<Attachment> attachments;
    bool changesSchema = false;
    QString error;  // empty on success

    bool ok() const { return error.isEmpty(); }
};

Translation translate(const QString& jetSql, const SchemaInfo* schema = nullptr);

// The SQLite column declaration for a Jet type name such as "TEXT(50)", "Counter" or "memo";
// empty when the type is unknown.
QString sqliteColumnType(const QString& jetType);

}  // namespace jet
