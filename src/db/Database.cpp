#include "db/Database.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <QUuid>
#include <filesystem>

#include "db/JetFunctions.h"

namespace db {

namespace {

constexpr int kTranslationCacheSize = 512;

QString quotedName(const QString& name) {
    QString n = name;
    n.replace(u'"', QStringLiteral("\"\""));
    return u'"' + n + u'"';
}

bool replaceFile(const QString& from, const QString& to, QString& error) {
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), ec);
    if (ec) {
        error = QString::fromStdString(ec.message());
        return false;
    }
    return true;
}

QString siblingTempPath(const QString& path, const QString& prefix) {
    const QFileInfo info(path);
    return info.absoluteDir().filePath(
        prefix + QUuid::createUuid().toString(QUuid::Id128).left(12) + QStringLiteral(".tmp"));
}

}  // namespace

int QueryResult::indexOf(const QString& column) const {
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].compare(column, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QVariant QueryResult::value(size_t row, const QString& column) const {
    const int c = indexOf(column);
    if (c < 0 || row >= rows.size()) {
        return {};
    }
    return rows[row][c];
}

Database::Database() = default;

Database::~Database() {
    close();
}

bool Database::open(const QString& path, OpenMode mode) {
    close();
    lastError_.clear();
    if (mode == OpenMode::OpenExisting && !QFileInfo::exists(path)) {
        return fail(QStringLiteral("数据库文件不存在：") + path);
    }
    // URI names are understood for files attached read-only (see attach()).
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI;
    if (mode == OpenMode::CreateIfMissing) {
        flags |= SQLITE_OPEN_CREATE;
    }
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &handle, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = handle != nullptr ? QString::fromUtf8(sqlite3_errmsg(handle))
                                                  : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(handle);
        return fail(message + QStringLiteral("：") + path);
    }
    db_ = handle;
    path_ = path;
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, 5000);
    // Reading the schema proves that the file is a database before anything is written to it.
    if (!execNative(QStringLiteral("select count(*) from sqlite_master")) ||
        !jet::registerFunctions(db_)) {
        const QString message = lastError_;
        close();
        lastError_ = message;
        return false;
    }
    return true;
}

bool Database::refreshStatistics() {
    if (!hasTable(QStringLiteral("sqlite_stat1"))) {
        return execNative(QStringLiteral("PRAGMA analysis_limit=1000")) &&
               execNative(QStringLiteral("ANALYZE"));
    }
    return execNative(QStringLiteral("PRAGMA optimize"));
}

void Database::close() {
    if (db_ == nullptr) {
        return;
    }
    // A statement its owner still holds keeps the connection alive after sqlite3_close_v2 until
    // it is finalized, and with it the statement's read lock and any open transaction. Resetting
    // every statement and rolling back releases the file now, so that the next connection can
    // write to it.
    for (sqlite3_stmt* stmt = sqlite3_next_stmt(db_, nullptr); stmt != nullptr;
         stmt = sqlite3_next_stmt(db_, stmt)) {
        sqlite3_reset(stmt);
    }
    if (sqlite3_get_autocommit(db_) == 0) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    sqlite3_close_v2(db_);
    db_ = nullptr;
    depth_ = 0;
    path_.clear();
    schemaChanged();
}

bool Database::fail(const QString& message, const QString& statement) {
    lastError_ = statement.isEmpty() ? message : message + QStringLiteral("\n语句：") + statement;
    return false;
}

void Database::schemaChanged() {
    translations_.clear();
    columnKinds_.clear();
    tableNames_.reset();
}

const jet::Translation& Database::translation(const QString& jetSql) {
    auto it = translations_.constFind(jetSql);
    if (it != translations_.constEnd()) {
        return *it;
    }
    if (translations_.size() >= kTranslationCacheSize) {
        translations_.clear();
    }
    return *translations_.insert(jetSql, jet::translate(jetSql, db_ != nullptr ? this : nullptr));
}

bool Database::exec(const QString& jetSql, const QVariantList& params) {
    if (db_ == nullptr) {
        return fail(QStringLiteral("数据库没有打开"), jetSql);
    }
    const jet::Translation t = translation(jetSql);
    if (!t.ok()) {
        return fail(QStringLiteral("无法转换的SQL语句（%1）").arg(t.error), jetSql);
    }
    const bool ok = runTranslated(t, jetSql, params);
    if (t.changesSchema) {
        schemaChanged();
    }
    return ok;
}

bool Database::runTranslated(const jet::Translation& t, const QString& jetSql,
                             const QVariantList& params) {
    QStringList attached;
    auto detachAll = [&] {
        for (const QString& alias : attached) {
            sqlite3_exec(db_, QStringLiteral("DETACH DATABASE %1").arg(alias).toUtf8().constData(),
                         nullptr, nullptr, nullptr);
        }
    };
    for (const jet::Attachment& a : t.attachments) {
        if (!attach(a.path, a.alias)) {
            detachAll();
            return fail(lastError_, jetSql);
        }
        attached << a.alias;
    }
    bool ok = true;
    const bool several = t.statements.size() > 1;
    if (several && !begin()) {
        detachAll();
        return false;
    }
    int total = 0;
    for (const jet::TranslatedStatement& s : t.statements) {
        ok = s.intoTable.isEmpty() ? runOne(s.sql, jetSql, params)
                                   : runSelectInto(s, jetSql, params);
        if (!ok) {
            break;
        }
        total += changes_;
    }
    if (several) {
        const QString error = lastError_;
        ok = ok ? commit() : (rollback(), false);
        if (!ok && lastError_.isEmpty()) {
            lastError_ = error;
        }
    }
    changes_ = total;
    detachAll();
    return ok;
}

bool Database::runOne(const QString& sql, const QString& jetSql, const QVariantList& params) {
    std::unique_ptr<SqlStatement> stmt = prepareNative(sql);
    if (!stmt) {
        lastError_ = lastError_.section(u'\n', 0, 0);
        return fail(lastError_, jetSql);
    }
    if (!stmt->bind(params)) {
        return fail(stmt->errorText(), jetSql);
    }
    SqlStatement::Step step;
    while ((step = stmt->step()) == SqlStatement::Step::Row) {
    }
    if (step == SqlStatement::Step::Error) {
        return fail(stmt->errorText(), jetSql);
    }
    changes_ = sqlite3_changes(db_);
    return true;
}

// "select ... into T": T takes the declared types of the selected columns, so that dates and
// yes/no values stay what they were.
bool Database::runSelectInto(const jet::TranslatedStatement& s, const QString& jetSql,
                             const QVariantList& params) {
    std::unique_ptr<SqlStatement> select = prepareNative(s.sql);
    if (!select) {
        return fail(lastError_.section(u'\n', 0, 0), jetSql);
    }
    QStringList defs;
    for (int i = 0; i < select->columnCount(); ++i) {
        QString type = select->declaredType(i);
        if (type.contains(QStringLiteral("TEXT"), Qt::CaseInsensitive)) {
            type += QStringLiteral(" COLLATE NOCASE");
        }
        defs << quotedName(select->columnName(i)) + u' ' + type;
    }
    select.reset();
    const QStringList parts = s.intoTable.split(u'.');
    QString target;
    for (const QString& p : parts) {
        target += (target.isEmpty() ? QString() : QStringLiteral(".")) + quotedName(p);
    }
    if (!begin()) {
        return false;
    }
    const bool ok =
        runOne(QStringLiteral("CREATE TABLE %1 (%2)").arg(target, defs.join(u',')), jetSql, {}) &&
        runOne(QStringLiteral("INSERT INTO %1 %2").arg(target, s.sql), jetSql, params);
    if (!ok) {
        const QString error = lastError_;
        rollback();
        lastError_ = error;
        return false;
    }
    const int inserted = changes_;
    if (!commit()) {
        return false;
    }
    changes_ = inserted;
    return true;
}

int Database::changes() const {
    return changes_;
}

qint64 Database::lastInsertId() const {
    return db_ != nullptr ? sqlite3_last_insert_rowid(db_) : 0;
}

std::optional<QueryResult> Database::query(const QString& jetSql, const QVariantList& params) {
    std::unique_ptr<SqlStatement> stmt = prepare(jetSql);
    if (!stmt) {
        return std::nullopt;
    }
    if (!stmt->bind(params)) {
        fail(stmt->errorText(), jetSql);
        return std::nullopt;
    }
    QueryResult result;
    const int n = stmt->columnCount();
    for (int i = 0; i < n; ++i) {
        result.columns << stmt->columnName(i);
    }
    SqlStatement::Step step;
    while ((step = stmt->step()) == SqlStatement::Step::Row) {
        QVariantList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i) {
            row.emplaceBack(stmt->value(i));
        }
        result.rows.push_back(std::move(row));
    }
    if (step == SqlStatement::Step::Error) {
        fail(stmt->errorText(), jetSql);
        return std::nullopt;
    }
    return result;
}

Result<QVariant> Database::scalar(const QString& jetSql, const QVariantList& params) {
    std::unique_ptr<SqlStatement> stmt = prepare(jetSql);
    if (!stmt) {
        return Failure{{}, lastError_};
    }
    if (!stmt->bind(params)) {
        fail(stmt->errorText(), jetSql);
        return Failure{{}, lastError_};
    }
    const SqlStatement::Step step = stmt->step();
    if (step == SqlStatement::Step::Error) {
        fail(stmt->errorText(), jetSql);
        return Failure{{}, lastError_};
    }
    return step == SqlStatement::Step::Row ? stmt->value(0) : QVariant();
}

std::unique_ptr<SqlStatement> Database::prepare(const QString& jetSql) {
    if (db_ == nullptr) {
        fail(QStringLiteral("数据库没有打开"), jetSql);
        return nullptr;
    }
    const jet::Translation& t = translation(jetSql);
    if (!t.ok()) {
        fail(QStringLiteral("无法转换的SQL语句（%1）").arg(t.error), jetSql);
        return nullptr;
    }
    if (t.statements.size() != 1 || !t.attachments.empty() ||
        !t.statements.front().intoTable.isEmpty()) {
        fail(QStringLiteral("这条语句不能逐行读取"), jetSql);
        return nullptr;
    }
    std::unique_ptr<SqlStatement> stmt = prepareNative(t.statements.front().sql);
    if (!stmt) {
        fail(lastError_.section(u'\n', 0, 0), jetSql);
    }
    return stmt;
}

std::unique_ptr<SqlStatement> Database::prepareNative(const QString& sqliteSql) {
    if (db_ == nullptr) {
        fail(QStringLiteral("数据库没有打开"), sqliteSql);
        return nullptr;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sqliteSql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, utf8.constData(), static_cast<int>(utf8.size()), &stmt, &tail) !=
        SQLITE_OK) {
        fail(QString::fromUtf8(sqlite3_errmsg(db_)), sqliteSql);
        return nullptr;
    }
    if (stmt == nullptr) {
        fail(QStringLiteral("语句为空"), sqliteSql);
        return nullptr;
    }
    if (tail != nullptr && QByteArray(tail).trimmed() != "" && QByteArray(tail).trimmed() != ";") {
        sqlite3_finalize(stmt);
        fail(QStringLiteral("一次只能执行一条语句"), sqliteSql);
        return nullptr;
    }
    return std::make_unique<SqlStatement>(db_, stmt);
}

bool Database::execNative(const QString& sqliteSql, const QVariantList& params) {
    const bool ok = runOne(sqliteSql, sqliteSql, params);
    // A definition written directly changes what the cached names and translations assumed.
    static const QRegularExpression definition(QStringLiteral("^\\s*(create|alter|drop)\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (definition.match(sqliteSql).hasMatch()) {
        schemaChanged();
    }
    return ok;
}

bool Database::begin() {
    if (!execNative(QStringLiteral("SAVEPOINT jet_tx%1").arg(depth_ + 1))) {
        return false;
    }
    ++depth_;
    return true;
}

bool Database::commit() {
    if (depth_ == 0) {
        return fail(QStringLiteral("没有进行中的事务"));
    }
    if (!execNative(QStringLiteral("RELEASE jet_tx%1").arg(depth_))) {
        return false;
    }
    --depth_;
    return true;
}

bool Database::rollback() {
    if (depth_ == 0) {
        return fail(QStringLiteral("没有进行中的事务"));
    }
    const bool ok = execNative(QStringLiteral("ROLLBACK TO jet_tx%1").arg(depth_)) &&
                    execNative(QStringLiteral("RELEASE jet_tx%1").arg(depth_));
    --depth_;
    // A rolled-back definition may have changed what the cached translations assumed.
    schemaChanged();
    return ok;
}

QStringList Database::tables() const {
    QStringList names;
    if (db_ == nullptr) {
        return names;
    }
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db_,
                       "select name from sqlite_master where type='table' and name not like "
                       "'sqlite\\_%' escape '\\' order by name",
                       -1, &stmt, nullptr);
    while (stmt != nullptr && sqlite3_step(stmt) == SQLITE_ROW) {
        names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    return names;
}

QStringList Database::columns(const QString& table) const {
    QStringList names;
    if (db_ == nullptr) {
        return names;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql = QStringLiteral("PRAGMA table_info(%1)").arg(quotedName(table)).toUtf8();
    sqlite3_prepare_v2(db_, sql.constData(), -1, &stmt, nullptr);
    while (stmt != nullptr && sqlite3_step(stmt) == SQLITE_ROW) {
        names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
    }
    sqlite3_finalize(stmt);
    return names;
}

bool Database::allowsNull(const QString& table, const QString& column) const {
    bool allowed = false;
    if (db_ == nullptr) {
        return allowed;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql = QStringLiteral("PRAGMA table_info(%1)").arg(quotedName(table)).toUtf8();
    sqlite3_prepare_v2(db_, sql.constData(), -1, &stmt, nullptr);
    while (stmt != nullptr && sqlite3_step(stmt) == SQLITE_ROW) {
        const QString name =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
        if (name.compare(column, Qt::CaseInsensitive) == 0) {
            allowed = sqlite3_column_int(stmt, 3) == 0;
        }
    }
    sqlite3_finalize(stmt);
    return allowed;
}

bool Database::hasTable(const QString& table) const {
    if (!tableNames_) {
        tableNames_.emplace();
        for (const QString& name : tables()) {
            tableNames_->insert(name.toLower());
        }
    }
    return tableNames_->contains(table.toLower());
}

bool Database::hasColumn(const QString& table, const QString& column) const {
    return columns(table).contains(column, Qt::CaseInsensitive);
}

jet::ColumnKind Database::columnKind(const QString& table, const QString& column) const {
    const QString key = table.toLower();
    auto it = columnKinds_.find(key);
    if (it == columnKinds_.end()) {
        QHash<QString, jet::ColumnKind> kinds;
        sqlite3_stmt* stmt = nullptr;
        const QByteArray sql =
            QStringLiteral("PRAGMA table_info(%1)").arg(quotedName(table)).toUtf8();
        sqlite3_prepare_v2(db_, sql.constData(), -1, &stmt, nullptr);
        while (stmt != nullptr && sqlite3_step(stmt) == SQLITE_ROW) {
            const QString name =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
            const QString type =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2)));
            kinds.insert(name.toLower(), kindOfDeclaredType(type));
        }
        sqlite3_finalize(stmt);
        if (kinds.isEmpty()) {
            return jet::ColumnKind::Other;
        }
        it = columnKinds_.insert(key, kinds);
    }
    return it->value(column.toLower(), jet::ColumnKind::Other);
}

bool Database::attach(const QString& filePath, const QString& alias, AttachMode mode) {
    if (!QFileInfo::exists(filePath)) {
        return fail(QStringLiteral("找不到数据库文件：") + filePath);
    }
    const QString name = mode == AttachMode::ReadOnly
                             ? QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath())
                                       .toString(QUrl::FullyEncoded) +
                                   QStringLiteral("?mode=ro")
                             : filePath;
    if (!execNative(QStringLiteral("ATTACH DATABASE ? AS %1").arg(quotedName(alias)), {name})) {
        return false;
    }
    schemaChanged();
    return true;
}

bool Database::detach(const QString& alias) {
    const bool ok = execNative(QStringLiteral("DETACH DATABASE %1").arg(quotedName(alias)));
    schemaChanged();
    return ok;
}

bool Database::backupTo(const QString& targetPath) {
    if (db_ == nullptr) {
        return fail(QStringLiteral("数据库没有打开"));
    }
    if (depth_ > 0) {
        return fail(QStringLiteral("事务进行中，不能备份数据库"));
    }
    const QString partial = siblingTempPath(targetPath, QStringLiteral("~BK"));
    sqlite3* target = nullptr;
    if (sqlite3_open_v2(partial.toUtf8().constData(), &target,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(target);
        return fail(QStringLiteral("无法创建备份文件：") + targetPath);
    }
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", db_, "main");
    int rc = SQLITE_ERROR;
    if (backup != nullptr) {
        sqlite3_backup_step(backup, -1);
        rc = sqlite3_backup_finish(backup);
    }
    const QString error = QString::fromUtf8(sqlite3_errmsg(target));
    sqlite3_close(target);
    QString moveError;
    if (rc != SQLITE_OK || !replaceFile(partial, targetPath, moveError)) {
        QFile::remove(partial);
        return fail(QStringLiteral("备份失败：") + (rc != SQLITE_OK ? error : moveError));
    }
    return true;
}

bool Database::compact() {
    if (db_ == nullptr) {
        return fail(QStringLiteral("数据库没有打开"));
    }
    if (depth_ > 0) {
        return fail(QStringLiteral("事务进行中，不能整理数据库"));
    }
    const QString file = path_;
    const QString temp = siblingTempPath(file, QStringLiteral("~CP"));
    if (!execNative(QStringLiteral("VACUUM INTO ?"), {temp})) {
        QFile::remove(temp);
        return false;
    }
    close();
    QString moveError;
    const bool moved = replaceFile(temp, file, moveError);
    if (!moved) {
        QFile::remove(temp);
    }
    if (!open(file)) {
        return false;
    }
    return moved || fail(QStringLiteral("整理后的数据库无法替换原文件：") + moveError);
}

}  // namespace db
