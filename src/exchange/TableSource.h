#pragma once

#include <QString>
#include <QVariantList>
#include <functional>
#include <vector>

#include "db/Result.h"

// What the import of a foreign database reads: its tables, their columns and their rows, with
// every value already in the form our database stores. The Access reader is one such source;
// tests serve our own tables through another.
namespace exchange {

// The kinds of values a source column holds, and what a row carries for each: YesNo as 1 or 0,
// Integer as qint64, Real as double, Currency and Decimal as their exact decimal text, Date as a
// date serial (double, days since 1899-12-30), Text and Memo as QString, Binary as QByteArray
// (pictures without an OLE wrapper), Guid as its "{...}" text. A null is an invalid QVariant.
enum class FieldType { YesNo, Integer, Real, Currency, Decimal, Date, Text, Memo, Binary, Guid };

struct SourceColumn {
    QString name;
    FieldType type;
};

struct SourceTable {
    QString name;
    std::vector<SourceColumn> columns;
};

// Receives one row: a value for each column of the table, in the table's column order. A failure
// stops the reading and is returned by readRows.
using RowSink = std::function<Result<void>(const QVariantList& values)>;

class TableSource {
  public:
    virtual ~TableSource() = default;

    // The tables of the source with their columns, in the source's order.
    virtual const std::vector<SourceTable>& tables() const = 0;

    // Hands every row of `table` to `sink`, in the order stored. Fails when the table is not
    // there or cannot be read whole; rows handed over before a failure stay handed over, so a
    // caller that writes them keeps its writes in a transaction.
    virtual Result<void> readRows(const QString& table, const RowSink& sink) = 0;
};

// The table of `source` called `name` (compared without regard to case), or null.
const SourceTable* findTable(const TableSource& source, const QString& name);

}  // namespace exchange
