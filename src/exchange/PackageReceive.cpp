#include "exchange/PackageReceive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <memory>
#include <vector>

#include "app/DataModule.h"
#include "app/Progress.h"
#include "cadre/IncomingValues.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "exchange/DatabaseBackup.h"
#include "exchange/PackageSql.h"
#include "schema/PackageInfo.h"
#include "schema/SchemaVersion.h"
#include "schema/TemplateBuilder.h"
#include "units/Membership.h"

namespace exchange {

namespace {

using package_sql::quotedName;
using package_sql::sharedColumns;

const QString kPackage = QStringLiteral("package");
const QString kCadres = QStringLiteral("tb_cadre");

// The month texts that are always written, in their stored form.
const QStringList kDateTexts = {QStringLiteral("csnyStr"), QStringLiteral("rdsjStr"),
                                QStringLiteral("zwjbTimeStr"), QStringLiteral("gzsjStr")};

// The local cadres "l" that match a package cadre of name ?1 and birth month ?2 (empty when the
// package gives none), the one of an equal birth month first.
const QString kCadreMatch = QStringLiteral(
    "l.xm=?1 AND (?2='' OR coalesce(l.csnyStr,'')='' OR l.csnyStr=?2) ORDER BY (l.csnyStr=?2) "
    "DESC, l.CadreID");

// Whether `file` starts as every SQLite database file does: such a file that cannot be read is
// a damaged database rather than another kind of file.
bool hasDatabaseHeader(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) && in.read(16) == QByteArray("SQLite format 3", 16);
}

// Attaches a package read-only for the lifetime of the object.
class AttachedPackage {
  public:
    AttachedPackage(db::Database& db, const QString& file) : db_(db) {
        attached_ = db_.attach(file, kPackage, db::Database::AttachMode::ReadOnly);
    }
    ~AttachedPackage() {
        if (attached_) {
            db_.detach(kPackage);
        }
    }
    AttachedPackage(const AttachedPackage&) = delete;
    AttachedPackage& operator=(const AttachedPackage&) = delete;

    bool attached() const { return attached_; }

  private:
    db::Database& db_;
    bool attached_ = false;
};

// Runs a statement that returns no rows.
Result<void> write(db::SqlStatement& statement, const QVariantList& params) {
    statement.reset();
    if (!statement.bind(params) || statement.step() != db::SqlStatement::Step::Done) {
        return Failure{{}, statement.errorText()};
    }
    return {};
}

// The keys a statement returns in its first column.
Result<QList<qint64>> keys(db::SqlStatement& statement, const QVariantList& params) {
    statement.reset();
    if (!statement.bind(params)) {
        return Failure{{}, statement.errorText()};
    }
    QList<qint64> out;
    for (;;) {
        switch (statement.step()) {
            case db::SqlStatement::Step::Row:
                out << statement.value(0).toLongLong();
                continue;
            case db::SqlStatement::Step::Done:
                return out;
            case db::SqlStatement::Step::Error:
                return Failure{{}, statement.errorText()};
        }
    }
}

// A package cadre as the local cadres are matched with it: its checked name, and its birth
// month in stored form; a birth text that is no month is kept as it came, so that it matches
// only local cadres without a birth month.
struct CadreKey {
    QString name;
    QString birth;
};

CadreKey cadreKey(cadre::IncomingValues& checks, const QVariant& name, const QVariant& birth) {
    const cadre::CheckedValue checkedBirth =
        checks.check(kCadres, QStringLiteral("csnyStr"), birth);
    return {checks.check(kCadres, QStringLiteral("xm"), name).value.toString(),
            checkedBirth.refused ? birth.toString().trimmed() : checkedBirth.value.toString()};
}

// A kind of record hanging on a cadre: its table, the column naming the cadre, its key, the
// columns that recognise a local record as the package's, the columns never copied, a
// condition on the local rows "l" that belong to a cadre, and what the notes call it.
struct RecordKind {
    const char* table;
    const char* cadreColumn;
    const char* key;
    QStringList matchColumns;
    QStringList excluded;
    const char* localWhere;
    bool ReceiveContent::*chosen;
    QString caption;
};

const std::vector<RecordKind>& recordKinds() {
    static const std::vector<RecordKind> kinds = {
        {"tb_family",
         "CadreID",
         "FamilyID",
         {QStringLiteral("cw"), QStringLiteral("xm")},
         {},
         nullptr,
         &ReceiveContent::family,
         QStringLiteral("家庭成员")},
        {"tb_pxCadre2",
         "CadreID",
         "ID",
         {QStringLiteral("pxTimeB")},
         {QStringLiteral("pxid")},
         nullptr,
         &ReceiveContent::training,
         QStringLiteral("培训记录")},
        // The unit of an assessment is a unit of the sender's tree, unknown here.
        {"tb_kc",
         "cid",
         "id",
         {QStringLiteral("kcsj")},
         {QStringLiteral("dwid")},
         nullptr,
         &ReceiveContent::assessments,
         QStringLiteral("考核记录")},
        // Rewards of units and other objects share the table; a cadre's have dxType 0.
        {"tb_jc",
         "cid",
         "id",
         {QStringLiteral("jcsj")},
         {},
         "coalesce(l.dxType,0)=0",
         &ReceiveContent::rewards,
         QStringLiteral("奖惩记录")},
    };
    return kinds;
}

QString name(const char* text) {
    return QString::fromLatin1(text);
}

// The statements that copy the rows of one table from the package into the working database.
// The values of the columns the incoming checks look at are read, checked and bound; the other
// columns are copied by the statements themselves. An update writes a column only where the
// package's value is not NULL (the columns `always` even then) and the checks did not refuse it.
class TableCopy {
  public:
    TableCopy(db::Database& db, cadre::IncomingValues& checks) : db_(db), checks_(checks) {}

    // Prepares the statements for `table`: `columns` are copied, `always` of them written even
    // when NULL; `packageRow` names the package row ("p.rowid"), `key` the local row updated;
    // `cadreColumn`, when given, is set to the local cadre on insert.
    bool prepare(const QString& table, const QStringList& columns, const QStringList& always,
                 const QString& packageRow, const QString& key, const QString& cadreColumn) {
        table_ = table;
        const QString local = QStringLiteral("main.") + quotedName(table);
        QStringList read;
        QStringList names;
        QStringList values;
        QStringList assignments;
        if (!cadreColumn.isEmpty()) {
            names << quotedName(cadreColumn);
            values << QStringLiteral("?");
        }
        for (const QString& column : columns) {
            const QString quoted = quotedName(column);
            const QString package = QStringLiteral("p.") + quoted;
            names << quoted;
            if (checks_.checks(table, column)) {
                checked_ << column;
                always_ << always.contains(column, Qt::CaseInsensitive);
                read << package;
                values << QStringLiteral("?");
                assignments << quoted + QStringLiteral("=CASE WHEN ? THEN ? ELSE ") + local + u'.' +
                                   quoted + QStringLiteral(" END");
            } else if (always.contains(column, Qt::CaseInsensitive)) {
                values << package;
                assignments << quoted + u'=' + package;
            } else {
                values << package;
                assignments << quoted + QStringLiteral("=coalesce(") + package + u',' + local +
                                   u'.' + quoted + u')';
            }
        }
        const QString from = QStringLiteral(" FROM package.") + quotedName(table) +
                             QStringLiteral(" p WHERE ") + packageRow + QStringLiteral("=?");
        read_ = db_.prepareNative(QStringLiteral("SELECT ") +
                                  (read.isEmpty() ? QStringLiteral("1") : read.join(u',')) + from);
        update_ = db_.prepareNative(QStringLiteral("UPDATE ") + local + QStringLiteral(" SET ") +
                                    assignments.join(u',') + from + QStringLiteral(" AND ") +
                                    local + u'.' + quotedName(key) + QStringLiteral("=?"));
        insert_ = db_.prepareNative(QStringLiteral("INSERT INTO ") + local + QStringLiteral(" (") +
                                    names.join(u',') + QStringLiteral(") SELECT ") +
                                    values.join(u',') + from);
        return read_ && update_ && insert_;
    }

    // Reads and checks the values of package row `row`, which the caller found there; the notes
    // of the checks start with `prefix`.
    Result<void> read(qint64 row, const QString& prefix, QStringList& notes) {
        values_.clear();
        read_->reset();
        if (!read_->bind({row}) || read_->step() != db::SqlStatement::Step::Row) {
            return Failure{{}, read_->errorText()};
        }
        for (int i = 0; i < checked_.size(); ++i) {
            const QString& column = checked_[i];
            cadre::CheckedValue value =
                checks_.check(table_, column, read_->value(i),
                              prefix + cadre::IncomingValues::caption(table_, column));
            notes << value.notes;
            values_ << std::move(value);
        }
        return {};
    }

    // Updates the local row `localKey` from the package row read last, `row`.
    Result<void> update(qint64 row, qint64 localKey) {
        QVariantList params;
        for (int i = 0; i < values_.size(); ++i) {
            const cadre::CheckedValue& value = values_[i];
            params << (!value.refused && (always_[i] || !value.value.isNull())) << value.value;
        }
        params << row << localKey;
        return write(*update_, params);
    }

    // Adds the package row read last, `row`, as a local row of `localCadre` (when the table
    // names its cadre); the value is its new key.
    Result<qint64> insert(qint64 row, const QVariant& localCadre) {
        QVariantList params;
        if (localCadre.isValid()) {
            params << localCadre;
        }
        for (const cadre::CheckedValue& value : values_) {
            params << value.value;
        }
        params << row;
        if (Result<void> inserted = write(*insert_, params); !inserted) {
            return inserted.failure();
        }
        return db_.lastInsertId();
    }

  private:
    db::Database& db_;
    cadre::IncomingValues& checks_;
    QString table_;
    QStringList checked_;
    QList<bool> always_;
    QList<cadre::CheckedValue> values_;
    std::unique_ptr<db::SqlStatement> read_;
    std::unique_ptr<db::SqlStatement> update_;
    std::unique_ptr<db::SqlStatement> insert_;
};

// The statements of one kind of record.
struct RecordStatements {
    const RecordKind* kind = nullptr;
    std::unique_ptr<db::SqlStatement> packageRows;  // (package cadre) → rowids
    std::unique_ptr<db::SqlStatement> candidates;   // (rowid, local cadre) → local keys
    std::unique_ptr<TableCopy> copy;
    QSet<qint64> claimed;  // local keys written in this run
};

class Merger {
  public:
    Merger(TDataM& dm, const ReceiveContent& content)
        : dm_(dm), db_(dm.db()), content_(content), checks_(dm.db()), cadres_(db_, checks_) {}

    Result<ReceiveCount> run(const QList<int>& packageIds, int unitId) {
        if (Result<void> prepared = prepare(); !prepared) {
            return prepared.failure();
        }
        const int total = static_cast<int>(packageIds.size());
        app::ProgressScope wait(kReceivingCadres, total);
        ReceiveCount count;
        QList<int> localIds;
        for (int packageId : packageIds) {
            wait.setText(QStringLiteral("正在导入干部信息,共") + QString::number(total) +
                         QStringLiteral("人,已导入") +
                         QString::number(count.added + count.updated) + QStringLiteral("人"));
            wait.step();
            Result<qint64> local = mergeCadre(packageId, count);
            if (!local) {
                return local.failure();
            }
            if (*local == 0) {
                continue;
            }
            for (RecordStatements& records : records_) {
                if (Result<void> merged = mergeRecords(records, packageId, *local, count.notes);
                    !merged) {
                    return merged.failure();
                }
            }
            localIds << static_cast<int>(*local);
        }
        if (unitId != 0) {
            if (Result<int> added = units::addMembers(dm_, unitId, localIds); !added) {
                return added.failure();
            }
        }
        return count;
    }

  private:
    Failure failure() const { return Failure{{}, db_.lastError()}; }

    Result<void> prepare() {
        QStringList excluded{QStringLiteral("CadreID"), QStringLiteral("Checked"),
                             QStringLiteral("revState")};
        if (!content_.photo) {
            excluded << QStringLiteral("photo");
        }
        const QStringList columns =
            sharedColumns(db_, kPackage, QStringLiteral("main"), kCadres, excluded);
        cadreCandidates_ = db_.prepareNative(
            QStringLiteral("SELECT l.CadreID FROM main.tb_cadre l WHERE ") + kCadreMatch);
        packageCadre_ = db_.prepareNative(
            QStringLiteral("SELECT p.xm, p.csnyStr FROM package.tb_cadre p WHERE p.CadreID=?1"));
        if (!cadreCandidates_ || !packageCadre_ ||
            !cadres_.prepare(kCadres, columns, kDateTexts, QStringLiteral("p.CadreID"),
                             QStringLiteral("CadreID"), {})) {
            return failure();
        }
        for (const RecordKind& kind : recordKinds()) {
            if (content_.*kind.chosen) {
                if (Result<void> prepared = prepareRecords(kind); !prepared) {
                    return prepared;
                }
            }
        }
        return {};
    }

    Result<void> prepareRecords(const RecordKind& kind) {
        const QString table = name(kind.table);
        const QString cadre = quotedName(name(kind.cadreColumn));
        const QString key = quotedName(name(kind.key));
        const QString local = QStringLiteral("main.") + quotedName(table);
        const QString package = QStringLiteral("package.") + quotedName(table);
        const QStringList columns =
            sharedColumns(db_, kPackage, QStringLiteral("main"), table,
                          kind.excluded + QStringList{name(kind.key), name(kind.cadreColumn)});
        QString match = QStringLiteral("l.") + cadre + QStringLiteral("=?2");
        for (const QString& column : kind.matchColumns) {
            match += QStringLiteral(" AND l.") + quotedName(column) + QStringLiteral(" IS p.") +
                     quotedName(column);
        }
        if (kind.localWhere != nullptr) {
            match += QStringLiteral(" AND ") + name(kind.localWhere);
        }
        RecordStatements records;
        records.kind = &kind;
        records.packageRows = db_.prepareNative(QStringLiteral("SELECT rowid FROM ") + package +
                                                QStringLiteral(" WHERE ") + cadre +
                                                QStringLiteral("=?1 ORDER BY rowid"));
        records.candidates = db_.prepareNative(
            QStringLiteral("SELECT l.") + key + QStringLiteral(" FROM ") + local +
            QStringLiteral(" l, ") + package + QStringLiteral(" p WHERE p.rowid=?1 AND ") + match +
            QStringLiteral(" ORDER BY l.") + key);
        records.copy = std::make_unique<TableCopy>(db_, checks_);
        if (!records.packageRows || !records.candidates ||
            !records.copy->prepare(table, columns, {}, QStringLiteral("p.rowid"), name(kind.key),
                                   name(kind.cadreColumn))) {
            return failure();
        }
        records_.push_back(std::move(records));
        return {};
    }

    // The local key of the merged cadre; 0 when the package has no cadre `packageId`.
    Result<qint64> mergeCadre(int packageId, ReceiveCount& count) {
        packageCadre_->reset();
        if (!packageCadre_->bind({packageId})) {
            return Failure{{}, packageCadre_->errorText()};
        }
        const db::SqlStatement::Step found = packageCadre_->step();
        if (found == db::SqlStatement::Step::Error) {
            return Failure{{}, packageCadre_->errorText()};
        }
        if (found == db::SqlStatement::Step::Done) {
            return qint64{0};
        }
        const CadreKey key = cadreKey(checks_, packageCadre_->value(0), packageCadre_->value(1));
        if (Result<void> read = cadres_.read(packageId, key.name + u' ', count.notes); !read) {
            return read.failure();
        }
        const Result<QList<qint64>> candidates = keys(*cadreCandidates_, {key.name, key.birth});
        if (!candidates) {
            return candidates.failure();
        }
        qint64 local = 0;
        for (qint64 candidate : *candidates) {
            if (!claimedCadres_.contains(candidate)) {
                local = candidate;
                break;
            }
        }
        if (local != 0) {
            if (Result<void> updated = cadres_.update(packageId, local); !updated) {
                return updated.failure();
            }
            ++count.updated;
        } else {
            const Result<qint64> inserted = cadres_.insert(packageId, {});
            if (!inserted) {
                return inserted.failure();
            }
            local = *inserted;
            ++count.added;
        }
        claimedCadres_.insert(local);
        cadreName_ = key.name;
        return local;
    }

    Result<void> mergeRecords(RecordStatements& records, int packageId, qint64 local,
                              QStringList& notes) {
        const Result<QList<qint64>> rows = keys(*records.packageRows, {packageId});
        if (!rows) {
            return rows.failure();
        }
        const QString prefix = cadreName_ + u' ' + records.kind->caption + u' ';
        for (qint64 row : *rows) {
            const Result<QList<qint64>> candidates = keys(*records.candidates, {row, local});
            if (!candidates) {
                return candidates.failure();
            }
            if (Result<void> read = records.copy->read(row, prefix, notes); !read) {
                return read;
            }
            qint64 target = 0;
            for (qint64 candidate : *candidates) {
                if (!records.claimed.contains(candidate)) {
                    target = candidate;
                    break;
                }
            }
            if (target != 0) {
                if (Result<void> updated = records.copy->update(row, target); !updated) {
                    return updated;
                }
            } else {
                const Result<qint64> inserted = records.copy->insert(row, local);
                if (!inserted) {
                    return inserted.failure();
                }
                target = *inserted;
            }
            records.claimed.insert(target);
        }
        return {};
    }

    TDataM& dm_;
    db::Database& db_;
    const ReceiveContent& content_;
    cadre::IncomingValues checks_;
    TableCopy cadres_;
    std::unique_ptr<db::SqlStatement> packageCadre_;
    std::unique_ptr<db::SqlStatement> cadreCandidates_;
    std::vector<RecordStatements> records_;
    QSet<qint64> claimedCadres_;
    QString cadreName_;  // the checked name of the cadre merged last
};

}  // namespace

QString receivedMessage(int added, int updated) {
    return QStringLiteral("数据接收完成：新增%1人，更新%2人。").arg(added).arg(updated);
}

QString receivedReport(const ReceiveCount& count) {
    QString report = receivedMessage(count.added, count.updated);
    if (!count.notes.isEmpty()) {
        report += QStringLiteral("\n以下数据已修改或未接收：\n") + count.notes.join(u'\n');
    }
    return report;
}

Result<PackageOrigin> checkPackage(const QString& file) {
    if (file.trimmed().isEmpty()) {
        return Failure{kNoPackageChosen, {}};
    }
    const QString shown = QDir::toNativeSeparators(file);
    db::Database package;
    if (!QFileInfo(file).isFile() || !package.open(file)) {
        return Failure{(hasDatabaseHeader(file) ? kPackageDamaged : kPackageNotADatabase) + shown,
                       package.lastError()};
    }
    const Result<QString> integrity = integrityReport(package);
    if (!integrity || *integrity != u"ok") {
        return Failure{kPackageDamaged + shown, integrity ? *integrity : integrity.errorText()};
    }
    QStringList missing;
    for (const QString& table : schema::sendPackageTables()) {
        if (!package.hasTable(table)) {
            missing << table;
        }
    }
    if (!missing.isEmpty()) {
        return Failure{kPackageTablesMissing + missing.join(QStringLiteral("、")), {}};
    }
    PackageOrigin origin;
    if (!package.hasTable(schema::kPackageInfoTable)) {
        return origin;
    }
    const auto info = package.query(QStringLiteral("select version, sender, sentOn from ") +
                                    schema::kPackageInfoTable);
    if (!info) {
        return Failure{kPackageDamaged + shown, package.lastError()};
    }
    if (!info->rows.empty()) {
        origin.version = info->rows[0][0].toDouble();
        origin.sender = info->rows[0][1].toString();
        origin.sentOn = QDate::fromString(info->rows[0][2].toString(), Qt::ISODate);
    }
    // Versions are compared as the schema's two decimals.
    if (qRound(origin.version * 100) > qRound(schema::kSchemaVersion * 100)) {
        return Failure{kPackageNewer, {}};
    }
    return origin;
}

Result<PackageReview> reviewPackage(db::Database& working, const QString& file) {
    Result<PackageOrigin> origin = checkPackage(file);
    if (!origin) {
        return origin.failure();
    }
    PackageReview review{*origin, {}};
    const AttachedPackage attached(working, file);
    if (!attached.attached()) {
        return Failure{kPackageNotADatabase + QDir::toNativeSeparators(file), working.lastError()};
    }
    const app::ProgressScope wait(kComparingCadres);
    const auto rows = working.prepareNative(QStringLiteral(
        "SELECT p.CadreID, p.xm, p.xb, p.csnyStr FROM package.tb_cadre p ORDER BY p.rowid"));
    const auto matches = working.prepareNative(
        QStringLiteral("SELECT l.CadreID FROM main.tb_cadre l WHERE ") + kCadreMatch);
    if (!rows || !matches) {
        return Failure{{}, working.lastError()};
    }
    cadre::IncomingValues checks(working);
    for (;;) {
        switch (rows->step()) {
            case db::SqlStatement::Step::Row: {
                const CadreKey key = cadreKey(checks, rows->value(1), rows->value(3));
                const Result<QList<qint64>> local = keys(*matches, {key.name, key.birth});
                if (!local) {
                    return local.failure();
                }
                review.cadres.append({rows->value(0).toInt(), key.name, rows->value(2).toString(),
                                      key.birth, !local->isEmpty()});
                continue;
            }
            case db::SqlStatement::Step::Done:
                return review;
            case db::SqlStatement::Step::Error:
                return Failure{{}, rows->errorText()};
        }
    }
}

Result<ReceiveCount> receivePackage(TDataM& dm, const QString& file, const QList<int>& packageIds,
                                    const ReceiveContent& content, int unitId) {
    if (Result<PackageOrigin> checked = checkPackage(file); !checked) {
        return checked.failure();
    }
    db::Database& working = dm.db();
    const AttachedPackage attached(working, file);
    if (!attached.attached()) {
        return Failure{kPackageNotADatabase + QDir::toNativeSeparators(file), working.lastError()};
    }
    Result<ReceiveCount> outcome = ReceiveCount{};
    {
        db::Transaction transaction(working);
        if (!transaction.isActive()) {
            return Failure{{}, working.lastError()};
        }
        outcome = Merger(dm, content).run(packageIds, unitId);
        if (outcome && !transaction.commit()) {
            outcome = Failure{{}, working.lastError()};
        }
    }
    return outcome;
}

}  // namespace exchange
