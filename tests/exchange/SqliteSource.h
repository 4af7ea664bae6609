#pragma once

#include <QString>
#include <optional>

#include "db/Database.h"
#include "exchange/TableSource.h"

// A table source that serves the tables of one of our own databases as the Access reader serves
// an old file's: columns typed from their declarations, values as stored. `failAt` makes the
// reading of that table fail after its first row, as a damaged file does.
class SqliteSource final : public exchange::TableSource {
  public:
    explicit SqliteSource(const QString& path);

    const std::vector<exchange::SourceTable>& tables() const override { return tables_; }
    Result<void> readRows(const QString& table, const exchange::RowSink& sink) override;

    std::optional<QString> failAt;

  private:
    db::Database db_;
    std::vector<exchange::SourceTable> tables_;
};
