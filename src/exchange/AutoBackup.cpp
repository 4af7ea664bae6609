#include "exchange/AutoBackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <vector>

#include "app/DataModule.h"
#include "db/Database.h"
#include "db/SqlText.h"

namespace exchange {

namespace {

// One backup record of tb_conf; `rowId` tells records of the same date apart.
struct BackupRecord {
    qint64 rowId = 0;
    QString date;
    QString file;
};

// The records from oldest to newest: ISO dates sort as text, records of one day by age.
Result<std::vector<BackupRecord>> readRecords(db::Database& db) {
    const auto rows = db.query(QStringLiteral("select rowid as rid,ItemV,ItemV2 from tb_conf "
                                              "where GID=? order by ItemV,rowid"),
                               {kRecordGroup});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    std::vector<BackupRecord> records;
    records.reserve(rows->rows.size());
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        records.push_back({rows->value(i, QStringLiteral("rid")).toLongLong(),
                           rows->value(i, QStringLiteral("ItemV")).toString().trimmed(),
                           rows->value(i, QStringLiteral("ItemV2")).toString()});
    }
    return records;
}

// The date of a record: yyyy-MM-dd as written here, or a short date with / or . between.
QDate recordDate(const QString& text) {
    for (const QString& format :
         {QStringLiteral("yyyy-M-d"), QStringLiteral("yyyy/M/d"), QStringLiteral("yyyy.M.d")}) {
        const QDate date = QDate::fromString(text, format);
        if (date.isValid()) {
            return date;
        }
    }
    return {};
}

// The value of a "自动备份" item as a whole number; nothing when missing or not a number.
Result<std::optional<int>> settingNumber(db::Database& db, const QString& item) {
    const auto rows =
        db.query(QStringLiteral("select * from tb_conf where GID=") + sql::quoted(kSettingsGroup) +
                 QStringLiteral(" and ItemID=") + sql::quoted(item));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    if (rows->rows.empty()) {
        return std::optional<int>();
    }
    bool ok = false;
    const int value = rows->value(0, QStringLiteral("ItemV")).toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::optional<int>();
}

QString cleanAbsolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool sameFile(const QString& a, const QString& b) {
    return !a.isEmpty() && !b.isEmpty() && cleanAbsolute(a) == cleanAbsolute(b);
}

// Whether a record's file is one this backup wrote: its name is the record's date followed by
// the backup suffix.
bool isBackupFileOf(const BackupRecord& record) {
    return !record.file.isEmpty() && !record.date.isEmpty() &&
           QFileInfo(record.file).fileName() == record.date + kFileSuffix;
}

Failure databaseFailure(const db::Database& db) {
    return Failure{{}, db.lastError()};
}

}  // namespace

bool autoBackupEnabled(const TDataM& dm) {
    const QString value = dm.GetSetting(kEnabledSetting).trimmed();
    return value.isEmpty() || value == u"1";
}

Result<int> backupPeriodDays(db::Database& db) {
    const Result<std::optional<int>> days = settingNumber(db, kPeriodItem);
    if (!days) {
        return days.failure();
    }
    return *days && **days >= 0 ? **days : kDefaultPeriodDays;
}

Result<int> backupKeepCount(db::Database& db) {
    Result<std::optional<int>> count = settingNumber(db, kKeepItem);
    if (count && !*count) {
        count = settingNumber(db, kOlderKeepItem);
    }
    if (!count) {
        return count.failure();
    }
    return *count ? std::max(**count, 1) : kDefaultKeepCount;
}

Result<QDate> lastBackupDate(db::Database& db) {
    const auto records = readRecords(db);
    if (!records) {
        return records.failure();
    }
    QDate last;
    for (const BackupRecord& record : *records) {
        const QDate date = recordDate(record.date);
        if (date.isValid() && (!last.isValid() || date > last)) {
            last = date;
        }
    }
    return last;
}

Result<void> recordDatabaseMade(TDataM& dm, const QDate& day) {
    return dm.SetConf(kSettingsGroup, kMadeItem, day.toString(QStringLiteral("yyyy-MM-dd")));
}

Result<QDate> databaseMadeDate(db::Database& db) {
    const auto rows = db.query(QStringLiteral("select ItemV from tb_conf where GID=? and ItemID=?"),
                               {kSettingsGroup, kMadeItem});
    if (!rows) {
        return databaseFailure(db);
    }
    return rows->rows.empty()
               ? QDate()
               : recordDate(rows->value(0, QStringLiteral("ItemV")).toString().trimmed());
}

Result<bool> backupDue(db::Database& db, const QDate& today) {
    Result<QDate> since = lastBackupDate(db);
    if (since && !since->isValid()) {
        since = databaseMadeDate(db);
    }
    if (!since) {
        return since.failure();
    }
    const Result<int> period = backupPeriodDays(db);
    if (!period) {
        return period.failure();
    }
    return !since->isValid() || since->daysTo(today) >= *period;
}

QString autoBackupFolder(const TDataM& dm) {
    const QString setting = dm.GetSetting(kFolderSetting).trimmed();
    const QDir root(dm.AppDir);
    return QDir::cleanPath(
        root.absoluteFilePath(setting.isEmpty() ? QStringLiteral("自动备份") : setting));
}

QString backupFilePath(const QString& folder, const QDate& day) {
    return QDir(folder).filePath(day.toString(QStringLiteral("yyyy-MM-dd")) + kFileSuffix);
}

Result<AutoBackupDone> runAutoBackup(TDataM& dm, const QDate& today) {
    db::Database& db = dm.db();
    const QString folder = autoBackupFolder(dm);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        return Failure{QStringLiteral("无法创建备份目录：") + QDir::toNativeSeparators(folder), {}};
    }
    const QString file = backupFilePath(folder, today);
    if (!db.backupTo(file)) {
        return databaseFailure(db);
    }

    // The copy is written; record it and drop the records beyond the kept number. Files are
    // deleted only once the records are committed.
    std::vector<BackupRecord> dropped;
    std::vector<BackupRecord> kept;
    {
        db::Transaction transaction(db);
        const auto before = readRecords(db);
        if (!transaction.isActive() || !before) {
            return databaseFailure(db);
        }
        for (const BackupRecord& record : *before) {
            if (sameFile(record.file, file) &&
                !db.exec(QStringLiteral("delete * from tb_conf where rowid=?"), {record.rowId})) {
                return databaseFailure(db);
            }
        }
        const QString date = today.toString(QStringLiteral("yyyy-MM-dd"));
        if (!db.exec(QStringLiteral("insert into tb_conf (GID,ItemV,ItemV2) values (?,?,?)"),
                     {kRecordGroup, date, file})) {
            return databaseFailure(db);
        }
        const qint64 written = db.lastInsertId();
        const auto records = readRecords(db);
        if (!records) {
            return databaseFailure(db);
        }
        // The record just written always stays, even behind records dated later.
        const Result<int> keepCount = backupKeepCount(db);
        if (!keepCount) {
            return keepCount.failure();
        }
        const auto keep = static_cast<size_t>(*keepCount);
        size_t excess = records->size() > keep ? records->size() - keep : 0;
        for (const BackupRecord& record : *records) {
            if (excess > 0 && record.rowId != written) {
                if (!db.exec(QStringLiteral("delete * from tb_conf where rowid=?"),
                             {record.rowId})) {
                    return databaseFailure(db);
                }
                dropped.push_back(record);
                --excess;
            } else {
                kept.push_back(record);
            }
        }
        if (!transaction.commit()) {
            return databaseFailure(db);
        }
    }

    AutoBackupDone outcome;
    outcome.file = file;
    for (const BackupRecord& record : dropped) {
        if (!isBackupFileOf(record)) {
            continue;
        }
        const bool stillNamed = std::any_of(kept.begin(), kept.end(), [&](const BackupRecord& k) {
            return sameFile(k.file, record.file);
        });
        if (!stillNamed && QFile::remove(record.file)) {
            outcome.removedFiles << record.file;
        }
    }
    return outcome;
}

}  // namespace exchange
