#include "exchange/DatabaseBackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "db/Database.h"
#include "db/SqlStatement.h"
#include "exchange/FileReplace.h"

namespace exchange {

namespace {

Failure dbFailure(const db::Database& db, const QString& message = {}) {
    return Failure{message, db.lastError()};
}

}  // namespace

Result<QString> integrityReport(db::Database& db) {
    const auto statement = db.prepareNative(QStringLiteral("PRAGMA integrity_check(1)"));
    if (!statement) {
        return dbFailure(db);
    }
    switch (statement->step()) {
        case db::SqlStatement::Step::Row:
            return statement->value(0).toString();
        case db::SqlStatement::Step::Done:
            return QString();
        case db::SqlStatement::Step::Error:
            break;
    }
    return Failure{{}, statement->errorText()};
}

QStringList requiredTables() {
    return {QStringLiteral("tb_cadre"),      QStringLiteral("tb_department"),
            QStringLiteral("tb_cadre_node"), QStringLiteral("tb_cadre_zw"),
            QStringLiteral("tb_family"),     QStringLiteral("tb_general"),
            QStringLiteral("tb_conf"),       QStringLiteral("tb_manager")};
}

Result<void> backupDatabase(db::Database& db, const QString& target) {
    const QFileInfo chosen(target);
    if (chosen.exists() && chosen.canonicalFilePath() == QFileInfo(db.path()).canonicalFilePath()) {
        return Failure{kBackupOverWorking, {}};
    }
    if (!db.backupTo(target)) {
        return dbFailure(db);
    }
    return {};
}

Result<void> checkDatabaseFile(const QString& file) {
    const QString shown = QDir::toNativeSeparators(file);
    db::Database candidate;
    if (!QFileInfo(file).isFile() || !candidate.open(file)) {
        return Failure{kNotADatabase + shown, candidate.lastError()};
    }
    const Result<QString> integrity = integrityReport(candidate);
    if (!integrity) {
        return Failure{kDamagedFile + shown, integrity.errorText()};
    }
    if (*integrity != u"ok") {
        return Failure{kDamagedFile + shown, *integrity};
    }
    QStringList missing;
    for (const QString& table : requiredTables()) {
        if (!candidate.hasTable(table)) {
            missing << table;
        }
    }
    if (!missing.isEmpty()) {
        return Failure{kMissingTables + missing.join(QStringLiteral("、")), {}};
    }
    const Result<QVariant> version =
        candidate.scalar(QStringLiteral("select max(version) from tb_general"));
    if (!version) {
        return Failure{kNotADatabase + shown, version.errorText()};
    }
    if (version->isValid() && version->toDouble() > schema::kSchemaVersion + 1e-9) {
        return Failure{kNewerVersion, {}};
    }
    return {};
}

QString keptCopyPath(const QString& folder, const QDateTime& now) {
    return QDir(folder).filePath(QStringLiteral("恢复前备份") +
                                 now.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                                 kBackupExtension);
}

Result<QString> restoreDatabase(db::Database& working, const QString& source,
                                const QString& keptCopy, const StepHook& hook) {
    if (Result<void> step = enterStep(hook, kStepCheck); !step) {
        return step.failure();
    }
    if (Result<void> checked = checkDatabaseFile(source); !checked) {
        return checked.failure();
    }
    if (Result<void> step = enterStep(hook, kStepKeepCurrent); !step) {
        return step.failure();
    }
    if (!QDir().mkpath(QFileInfo(keptCopy).absolutePath()) || !working.backupTo(keptCopy)) {
        return dbFailure(working, kKeepCopyFailed + QDir::toNativeSeparators(keptCopy));
    }
    if (Result<void> step = enterStep(hook, kStepCopySource); !step) {
        return step.failure();
    }
    const QString file = working.path();
    const QString incoming = partialFileNextTo(file);
    {
        db::Database sourceDb;
        if (!sourceDb.open(source) || !sourceDb.backupTo(incoming)) {
            QFile::remove(incoming);
            return Failure{kNotADatabase + QDir::toNativeSeparators(source), sourceDb.lastError()};
        }
    }
    if (Result<void> step = enterStep(hook, kStepReplace); !step) {
        QFile::remove(incoming);
        return step.failure();
    }
    working.close();
    const Result<void> replaced = replaceFile(incoming, file);
    if (!replaced) {
        QFile::remove(incoming);
    }
    if (!working.open(file)) {
        return dbFailure(working, kReopenFailed + QDir::toNativeSeparators(file));
    }
    if (!replaced) {
        return Failure{kReplaceFailed, replaced.errorText()};
    }
    return keptCopy;
}

Result<void> compactDatabase(db::Database& db) {
    if (!db.compact()) {
        return dbFailure(db);
    }
    return {};
}

}  // namespace exchange
