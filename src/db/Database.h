#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <optional>
#include <vector>

#include "db/JetTranslator.h"
#include "db/Result.h"
#include "db/SqlStatement.h"

struct sqlite3;

namespace db {

// All rows of a query, for callers that read a small result at once.
struct QueryResult {
    QStringList columns;
    std::vector<QVariantList> rows;

    int indexOf(const QString& column) const;  // case-insensitive; -1 when absent
    QVariant value(size_t row, const QString& column) const;
};

// One SQLite database file. Statements are written in the Jet dialect and translated before they
// run; results come back with dates as QDate/QDateTime and yes/no columns as bool. Every call
// reports failure through its result and lastError(), which names the statement that failed.
class Database : public jet::SchemaInfo {
  public:
    enum class OpenMode { OpenExisting, CreateIfMissing };

    Database();
    ~Database() override;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool open(const QString& path, OpenMode mode = OpenMode::OpenExisting);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    QString path() const { return path_; }
    QString lastError() const { return lastError_; }

    // Runs one statement; `params` fill its "?" placeholders in order.
    bool exec(const QString& jetSql, const QVariantList& params = {});
    // Rows changed by the last exec.
    int changes() const;
    qint64 lastInsertId() const;

    std::optional<QueryResult> query(const QString& jetSql, const QVariantList& params = {});
    // The first column of the first row: an invalid QVariant when there is no row (or the value is
    // NULL); a failure, with the database's error, when the statement fails.
    Result<QVariant> scalar(const QString& jetSql, const QVariantList& params = {});

    // Translates and prepares one select (or other single statement) for step-by-step reading.
    std::unique_ptr<SqlStatement> prepare(const QString& jetSql);
    // Prepares SQLite SQL as it is, for code that already speaks SQLite.
    std::unique_ptr<SqlStatement> prepareNative(const QString& sqliteSql);
    bool execNative(const QString& sqliteSql, const QVariantList& params = {});

    // Keeps the query planner's statistics current, so that it picks the index that narrows a
    // search most (a cadre's posts, not a whole unit's): a database without statistics is
    // measured once on a sample of each index; otherwise only tables that changed much since are
    // measured again.
    bool refreshStatistics();

    // Nested transactions: each begin() must be matched by commit() or rollback().
    bool begin();
    bool commit();
    bool rollback();
    int transactionDepth() const { return depth_; }

    QStringList tables() const;
    QStringList columns(const QString& table) const;
    bool hasTable(const QString& table) const override;
    bool hasColumn(const QString& table, const QString& column) const;
    // Whether the column's definition lets it hold null (false for a column not there).
    bool allowsNull(const QString& table, const QString& column) const;
    jet::ColumnKind columnKind(const QString& table, const QString& column) const override;

    // Makes the tables of another file reachable as alias.table on this connection; a file
    // attached read-only refuses every write, also one meant for a table of this database that
    // is missing here and found there.
    enum class AttachMode { ReadWrite, ReadOnly };
    bool attach(const QString& filePath, const QString& alias,
                AttachMode mode = AttachMode::ReadWrite);
    bool detach(const QString& alias);

    // A consistent copy of the open database, written whole or not at all.
    bool backupTo(const QString& targetPath);
    // Rewrites the file without free space: VACUUM INTO a temporary file that then replaces it.
    bool compact();

    sqlite3* handle() const { return db_; }
    // The SQLite form of a Jet statement for this database, remembered until the schema changes.
    const jet::Translation& translation(const QString& jetSql);

  private:
    bool fail(const QString& message, const QString& statement = {});
    bool runTranslated(const jet::Translation& t, const QString& jetSql,
                       const QVariantList& params);
    bool runSelectInto(const jet::TranslatedStatement& s, const QString& jetSql,
                       const QVariantList& params);
    bool runOne(const QString& sql, const QString& jetSql, const QVariantList& params);
    void schemaChanged();

    sqlite3* db_ = nullptr;
    QString path_;
    QString lastError_;
    int depth_ = 0;
    int changes_ = 0;
    QHash<QString, jet::Translation> translations_;
    mutable QHash<QString, QHash<QString, jet::ColumnKind>> columnKinds_;
    mutable std::optional<QSet<QString>> tableNames_;  // lower case, filled on first use
};

// Commits on commit(), rolls back when it goes out of scope without one.
class Transaction {
  public:
    explicit Transaction(Database& db) : db_(db), active_(db.begin()) {}
    ~Transaction() {
        if (active_) {
            db_.rollback();
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool isActive() const { return active_; }
    bool commit() {
        if (!active_) {
            return false;
        }
        active_ = false;
        return db_.commit();
    }

  private:
    Database& db_;
    bool active_;
};

}  // namespace db
