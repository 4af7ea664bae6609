#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <vector>

#include "db/JetTranslator.h"

namespace db {

class Database;

// A record set over one select, read whole into memory, with a current row that moves
// (first/next/prior/last) and edits that are written back to the table being selected:
// append/edit, setValue, post or cancel, remove. In batch mode posted changes are kept until
// applyUpdates() writes them all in one transaction, or none of them.
//
// Every move (first, last, next, prior, moveTo, locate, requery) first posts the row being
// edited. When that post fails the move does not happen: the row stays current and in editing,
// with its typed values, and the move returns false with lastError() telling why.
class Dataset {
  public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum LocateOption { NoOptions = 0, CaseInsensitive = 1, PartialKey = 2 };

    explicit Dataset(Database& db);

    bool open(const QString& jetSql, const QVariantList& params = {});
    void close();
    bool isOpen() const { return state_ != State::Inactive; }
    // Opens the same statement again and returns to the row that was current.
    bool requery();
    QString sql() const { return sql_; }
    QString lastError() const { return lastError_; }
    // The table that edits are written to; empty when the select cannot be edited.
    QString baseTable() const { return baseTable_; }

    int recordCount() const { return static_cast<int>(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }
    int recNo() const { return current_; }  // 0-based; -1 when empty
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    bool first();
    bool last();
    bool next();
    bool prior();
    bool moveTo(int row);

    QStringList fieldNames() const;
    int fieldIndex(const QString& name) const;  // case-insensitive; -1 when absent
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }

    QVariant value(const QString& name) const;
    QVariant value(int field) const;
    QString text(const QString& name) const;  // dates as yyyy-MM-dd, NULL as ""
    int integer(const QString& name) const;
    bool boolean(const QString& name) const;
    QDate date(const QString& name) const;
    bool isNull(const QString& name) const { return value(name).isNull(); }

    State state() const { return state_; }
    bool append();
    bool edit();
    bool setValue(const QString& name, const QVariant& value);
    bool post();
    void cancel();
    bool remove();

    // Makes the first matching row current. False when no row matches (lastError() empty) or
    // when the edited row cannot be posted (lastError() tells why).
    bool locate(const QStringList& fields, const QVariantList& values, int options = NoOptions);
    bool locate(const QString& field, const QVariant& value, int options = NoOptions);

    void setBatchMode(bool on) { batch_ = on; }
    bool batchMode() const { return batch_; }
    bool hasPendingUpdates() const;
    bool applyUpdates();
    void cancelUpdates();

  private:
    struct Field {
        QString name;
        jet::ColumnKind kind = jet::ColumnKind::Other;
        QString column;  // column of the base table it reads, empty when not writable
    };
    enum class RowStatus { Unchanged, Modified, Inserted };
    struct Row {
        QVariantList values;
        QVariantList original;
        qint64 rowid = 0;
        RowStatus status = RowStatus::Unchanged;
    };

    bool fail(const QString& message);
    bool checkBrowseRow(const char* action);
    bool postBeforeMove();
    bool writeInsert(Row& row);
    bool writeUpdate(const Row& row);
    bool writeDelete(qint64 rowid);
    void setCurrent(int row);
    void findBaseTable(const QString& sqliteSql, QString& withRowid);

    Database& db_;
    QString sql_;
    QVariantList params_;
    QString lastError_;
    QString baseTable_;
    QString keyColumn_;  // the base table's auto-number column
    std::vector<Field> fields_;
    std::vector<Row> rows_;
    std::vector<Row> deleted_;  // rows removed in batch mode, not yet written
    State state_ = State::Inactive;
    bool batch_ = false;
    int current_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    Row buffer_;        // the row being edited or inserted
    int editRow_ = -1;  // which row buffer_ edits
    std::vector<bool> changed_;
};

}  // namespace db
