#pragma once

#include <QString>
#include <QStringList>

#include "db/Result.h"

namespace db {
class Database;
}

namespace schema {

// Splits a source file of statements: lines starting with "--" are comments, and a statement
// ends with ";" at the end of a line.
QStringList readStatements(const QString& text);

// Makes the template databases: the empty working database with its reference data, and the
// empty report-up package.
class TemplateBuilder {
  public:
    // Each file is written whole or not at all.
    Result<void> buildEmpty(const QString& target, const QString& schemaFile,
                            const QStringList& dataFiles);
    Result<void> buildSendPackage(const QString& target, const QString& emptyTemplate);

  private:
    Result<void> runFile(db::Database& db, const QString& file);
    Result<void> fillStrokeTable(db::Database& db);
};

// The tables of the report-up package, copied from the working database's definitions.
QStringList sendPackageTables();

}  // namespace schema
