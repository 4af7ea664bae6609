#pragma once

#include <QString>
#include <QStringList>

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
    bool buildEmpty(const QString& target, const QString& schemaFile, const QStringList& dataFiles);
    bool buildSendPackage(const QString& target, const QString& emptyTemplate);
    QString lastError() const { return lastError_; }

  private:
    bool runFile(db::Database& db, const QString& file);
    bool fillStrokeTable(db::Database& db);
    bool fail(const QString& message);

    QString lastError_;
};

// The tables of the report-up package, copied from the working database's definitions.
QStringList sendPackageTables();

}  // namespace schema
