#pragma once

#include <sqlite3.h>

#include <QByteArray>
#include <QString>

#include "generate/Calendar.h"

namespace synth {

// One prepared statement on the raw connection, run many times: values are bound in column
// order, then run() writes the row and makes the statement ready for the next one.
class RowInsert {
  public:
    RowInsert(sqlite3* db, const char* sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) {
            // Kept now: later statements on the connection overwrite its message.
            prepareError_ = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
        }
    }
    ~RowInsert() { sqlite3_finalize(stmt_); }
    RowInsert(const RowInsert&) = delete;
    RowInsert& operator=(const RowInsert&) = delete;

    bool isValid() const { return stmt_ != nullptr; }
    QString errorText() const {
        return stmt_ == nullptr ? prepareError_ : QString::fromUtf8(sqlite3_errmsg(db_));
    }

    // An empty text is stored as NULL, as an untouched field is.
    RowInsert& text(const QString& value) {
        if (value.isEmpty()) {
            return null();
        }
        return check(sqlite3_bind_text16(stmt_, ++column_, value.utf16(),
                                         static_cast<int>(value.size() * 2), SQLITE_TRANSIENT));
    }
    RowInsert& integer(qint64 value) { return check(sqlite3_bind_int64(stmt_, ++column_, value)); }
    RowInsert& real(double value) { return check(sqlite3_bind_double(stmt_, ++column_, value)); }
    RowInsert& null() { return check(sqlite3_bind_null(stmt_, ++column_)); }
    // The bytes are not copied: they must stay alive until run().
    RowInsert& blob(const QByteArray* value) {
        if (value == nullptr) {
            return null();
        }
        return check(sqlite3_bind_blob(stmt_, ++column_, value->constData(),
                                       static_cast<int>(value->size()), SQLITE_STATIC));
    }
    RowInsert& date(const QDate& value) { return real(jet::toSerial(value)); }
    // A month as its date and NULL for -1, an unknown month.
    RowInsert& month(int value) { return value < 0 ? null() : real(monthSerial(value)); }
    RowInsert& monthText(int value) { return value < 0 ? null() : text(synth::monthText(value)); }

    bool run() {
        const bool ok = ok_ && sqlite3_step(stmt_) == SQLITE_DONE;
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
        column_ = 0;
        ok_ = true;
        return ok;
    }

  private:
    RowInsert& check(int rc) {
        ok_ = ok_ && rc == SQLITE_OK;
        return *this;
    }

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    QString prepareError_;
    int column_ = 0;
    bool ok_ = true;
};

}  // namespace synth
