#include "exchange/PackageReceive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <memory>
#include <vector>

#include "app/DataModule.h"
#include "app/Progress.h"
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

// The month texts that are always written, in their received form.
const QStringList kDateTexts = {QStringLiteral("csnyStr"), QStringLiteral("rdsjStr"),
                                QStringLiteral("zwjbTimeStr"), QStringLiteral("gzsjStr")};

// SQL of a package cadre's birth month in its received form, from the package row "p".
const QString kPackageBirth = QStringLiteral("replace(coalesce(p.csnyStr,''),'-','.')");

// Whether the local cadre "l" matches the package cadre "p", and the order of preference among
// the local cadres that match.
const QString kCadreMatch = QStringLiteral("l.xm=p.xm AND (") + kPackageBirth +
                            QStringLiteral("='' OR coalesce(l.csnyStr,'')='' OR l.csnyStr=") +
                            kPackageBirth + u')';
const QString kCadrePreference =
    QStringLiteral("(l.csnyStr=") + kPackageBirth + QStringLiteral(") DESC, l.CadreID");

// Whether `file` starts as every SQLite database file does: such a file that cannot be read is
// a damaged database rather than another kind of file.
bool hasDatabaseHeader(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) && in.read(16) == QByteArray("SQLite format 3", 16);
}

bool isDateText(const QString& column) {
    return kDateTexts.contains(column, Qt::CaseInsensitive);
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

// A kind of record hanging on a cadre: its table, the column naming the cadre, its key, the
// columns that recognise a local record as the package's, the columns never copied and a
// condition on the local rows "l" that belong to a cadre.
struct RecordKind {
    const char* table;
    const char* cadreColumn;
    const char* key;
    QStringList matchColumns;
    QStringList excluded;
    const char* localWhere;
    bool ReceiveContent::*chosen;
};

const std::vector<RecordKind>& recordKinds() {
    static const std::vector<RecordKind> kinds = {
        {"tb_family",
         "CadreID",
         "FamilyID",
         {QStringLiteral("cw"), QStringLiteral("xm")},
         {},
         nullptr,
         &ReceiveContent::family},
        {"tb_pxCadre2",
         "CadreID",
         "ID",
         {QStringLiteral("pxTimeB")},
         {QStringLiteral("pxid")},
         nullptr,
         &ReceiveContent::training},
        // The unit of an assessment is a unit of the sender's tree, unknown here.
        {"tb_kc",
         "cid",
         "id",
         {QStringLiteral("kcsj")},
         {QStringLiteral("dwid")},
         nullptr,
         &ReceiveContent::assessments},
        // Rewards of units and other objects share the table; a cadre's have dxType 0.
        {"tb_jc",
         "cid",
         "id",
         {QStringLiteral("jcsj")},
         {},
         "coalesce(l.dxType,0)=0",
         &ReceiveContent::rewards},
    };
    return kinds;
}

QString name(const char* text) {
    return QString::fromLatin1(text);
}

// The prepared statements of one kind of record.
struct RecordStatements {
    const RecordKind* kind = nullptr;
    std::unique_ptr<db::SqlStatement> packageRows;  // (package cadre) → rowids
    std::unique_ptr<db::SqlStatement> candidates;   // (rowid, local cadre) → local keys
    std::unique_ptr<db::SqlStatement> update;       // (rowid, local key)
    std::unique_ptr<db::SqlStatement> insert;       // (rowid, local cadre)
    QSet<qint64> claimed;                           // local keys written in this run
};

class Merger {
  public:
    Merger(TDataM& dm, const ReceiveContent& content) : dm_(dm), db_(dm.db()), content_(content) {}

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
                if (Result<void> merged = mergeRecords(records, packageId, *local); !merged) {
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

    std::unique_ptr<db::SqlStatement> prepareOne(const QString& sql) {
        return db_.prepareNative(sql);
    }

    Result<void> prepare() {
        const QString cadres = QStringLiteral("tb_cadre");
        QStringList excluded{QStringLiteral("CadreID"), QStringLiteral("Checked"),
                             QStringLiteral("revState")};
        if (!content_.photo) {
            excluded << QStringLiteral("photo");
        }
        const QStringList columns =
            sharedColumns(db_, kPackage, QStringLiteral("main"), cadres, excluded);
        QStringList names;
        QStringList values;
        QStringList assignments;
        for (const QString& column : columns) {
            const QString quoted = quotedName(column);
            const QString value = QStringLiteral("p.") + quoted;
            names << quoted;
            if (isDateText(column)) {
                values << QStringLiteral("replace(") + value + QStringLiteral(",'-','.')");
                assignments << quoted + u'=' + values.last();
            } else {
                values << value;
                assignments << quoted + QStringLiteral("=coalesce(") + value +
                                   QStringLiteral(",main.tb_cadre.") + quoted + u')';
            }
        }
        cadreInPackage_ =
            prepareOne(QStringLiteral("SELECT CadreID FROM package.tb_cadre WHERE CadreID=?1"));
        cadreCandidates_ = prepareOne(
            QStringLiteral("SELECT l.CadreID FROM package.tb_cadre p JOIN main.tb_cadre l ON ") +
            kCadreMatch + QStringLiteral(" WHERE p.CadreID=?1 ORDER BY ") + kCadrePreference);
        cadreUpdate_ =
            prepareOne(QStringLiteral("UPDATE main.tb_cadre SET ") + assignments.join(u',') +
                       QStringLiteral(" FROM package.tb_cadre p WHERE p.CadreID=?1 AND "
                                      "main.tb_cadre.CadreID=?2"));
        cadreInsert_ = prepareOne(QStringLiteral("INSERT INTO main.tb_cadre (") + names.join(u',') +
                                  QStringLiteral(") SELECT ") + values.join(u',') +
                                  QStringLiteral(" FROM package.tb_cadre p WHERE p.CadreID=?1"));
        if (!cadreInPackage_ || !cadreCandidates_ || !cadreUpdate_ || !cadreInsert_) {
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
        QStringList names;
        QStringList values;
        QStringList assignments;
        // A NULL of the package keeps the local value, as in the cadre's own row.
        for (const QString& column : columns) {
            names << quotedName(column);
            values << QStringLiteral("p.") + quotedName(column);
            assignments << names.last() + QStringLiteral("=coalesce(") + values.last() + u',' +
                               local + u'.' + names.last() + u')';
        }
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
        records.packageRows =
            prepareOne(QStringLiteral("SELECT rowid FROM ") + package + QStringLiteral(" WHERE ") +
                       cadre + QStringLiteral("=?1 ORDER BY rowid"));
        records.candidates = prepareOne(QStringLiteral("SELECT l.") + key +
                                        QStringLiteral(" FROM ") + local + QStringLiteral(" l, ") +
                                        package + QStringLiteral(" p WHERE p.rowid=?1 AND ") +
                                        match + QStringLiteral(" ORDER BY l.") + key);
        records.update = prepareOne(QStringLiteral("UPDATE ") + local + QStringLiteral(" SET ") +
                                    assignments.join(u',') + QStringLiteral(" FROM ") + package +
                                    QStringLiteral(" p WHERE p.rowid=?1 AND ") + local + u'.' +
                                    key + QStringLiteral("=?2"));
        records.insert =
            prepareOne(QStringLiteral("INSERT INTO ") + local + QStringLiteral(" (") +
                       (QStringList{cadre} + names).join(u',') + QStringLiteral(") SELECT ") +
                       (QStringList{QStringLiteral("?2")} + values).join(u',') +
                       QStringLiteral(" FROM ") + package + QStringLiteral(" p WHERE p.rowid=?1"));
        if (!records.packageRows || !records.candidates || !records.update || !records.insert) {
            return failure();
        }
        records_.push_back(std::move(records));
        return {};
    }

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

    // The local key of the merged cadre; 0 when the package has no cadre `packageId`.
    Result<qint64> mergeCadre(int packageId, ReceiveCount& count) {
        const Result<QList<qint64>> present = keys(*cadreInPackage_, {packageId});
        if (!present) {
            return present.failure();
        }
        if (present->isEmpty()) {
            return qint64{0};
        }
        const Result<QList<qint64>> candidates = keys(*cadreCandidates_, {packageId});
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
            if (Result<void> updated = write(*cadreUpdate_, {packageId, local}); !updated) {
                return updated.failure();
            }
            ++count.updated;
        } else {
            if (Result<void> inserted = write(*cadreInsert_, {packageId}); !inserted) {
                return inserted.failure();
            }
            local = db_.lastInsertId();
            ++count.added;
        }
        claimedCadres_.insert(local);
        return local;
    }

    Result<void> mergeRecords(RecordStatements& records, int packageId, qint64 local) {
        const Result<QList<qint64>> rows = keys(*records.packageRows, {packageId});
        if (!rows) {
            return rows.failure();
        }
        for (qint64 row : *rows) {
            const Result<QList<qint64>> candidates = keys(*records.candidates, {row, local});
            if (!candidates) {
                return candidates.failure();
            }
            qint64 target = 0;
            for (qint64 candidate : *candidates) {
                if (!records.claimed.contains(candidate)) {
                    target = candidate;
                    break;
                }
            }
            if (target != 0) {
                if (Result<void> updated = write(*records.update, {row, target}); !updated) {
                    return updated;
                }
            } else {
                if (Result<void> inserted = write(*records.insert, {row, local}); !inserted) {
                    return inserted;
                }
                target = db_.lastInsertId();
            }
            records.claimed.insert(target);
        }
        return {};
    }

    TDataM& dm_;
    db::Database& db_;
    const ReceiveContent& content_;
    std::unique_ptr<db::SqlStatement> cadreInPackage_;
    std::unique_ptr<db::SqlStatement> cadreCandidates_;
    std::unique_ptr<db::SqlStatement> cadreUpdate_;
    std::unique_ptr<db::SqlStatement> cadreInsert_;
    std::vector<RecordStatements> records_;
    QSet<qint64> claimedCadres_;
};

}  // namespace

QString receivedMessage(int added, int updated) {
    return QStringLiteral("数据接收完成：新增%1人，更新%2人。").arg(added).arg(updated);
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
    const auto rows = working.prepareNative(
        QStringLiteral("SELECT p.CadreID, p.xm, p.xb, ") + kPackageBirth +
        QStringLiteral(", EXISTS (SELECT 1 FROM main.tb_cadre l WHERE ") + kCadreMatch +
        QStringLiteral(") FROM package.tb_cadre p ORDER BY p.rowid"));
    if (!rows) {
        return Failure{{}, working.lastError()};
    }
    for (;;) {
        switch (rows->step()) {
            case db::SqlStatement::Step::Row:
                review.cadres.append({rows->value(0).toInt(), rows->value(1).toString(),
                                      rows->value(2).toString(), rows->value(3).toString(),
                                      rows->value(4).toInt() != 0});
                continue;
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
