#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "db/Result.h"

class TDataM;

namespace db {
class Database;
}

// The automatic backup offered when the main window closes. The machine settings say whether it
// runs and where the files go; tb_conf holds the period, the number of backups kept and one
// record per backup (group "备份记录": ItemV the date as yyyy-MM-dd, ItemV2 the file written).
namespace exchange {

// Machine settings (TDataM::GetSetting): "1" or empty under kEnabledSetting means on.
inline const QString kEnabledSetting = QStringLiteral("自动备份/开启");
inline const QString kFolderSetting = QStringLiteral("自动备份/备份路径");

// tb_conf: group and items of the backup settings, and the group of the backup records.
inline const QString kSettingsGroup = QStringLiteral("自动备份");
inline const QString kPeriodItem = QStringLiteral("备份周期");
inline const QString kKeepItem = QStringLiteral("保留数量");
// Where older versions of the settings dialog wrote the kept number; read when kKeepItem is
// missing, removed when the settings dialog writes kKeepItem.
inline const QString kOlderKeepItem = QStringLiteral("保留备份");
inline const QString kRecordGroup = QStringLiteral("备份记录");
// The day the working database was made from the template (yyyy-MM-dd), from which the period
// counts until the first backup.
inline const QString kMadeItem = QStringLiteral("建库日期");

inline constexpr int kDefaultPeriodDays = 15;
inline constexpr int kDefaultKeepCount = 10;

// What the main window shows around the backup.
inline const QString kAskBackup =
    QStringLiteral("系统有较长时间未自动备份数据库，退出前是否备份数据库？");
inline const QString kBackingUp = QStringLiteral("正在备份数据库...");

// The tail of every backup file name, after the date.
inline const QString kFileSuffix = QStringLiteral("干部系统备份.bak");

// Whether the automatic backup is on: the setting is empty or "1".
bool autoBackupEnabled(const TDataM& dm);

// Days between backups: the "备份周期" item, kDefaultPeriodDays when it is missing or not a
// whole number of days (negative counts as not one).
Result<int> backupPeriodDays(db::Database& db);

// Backups kept: the "保留数量" item (else the older "保留备份"), kDefaultKeepCount when both are
// missing or not a number, and never less than one.
Result<int> backupKeepCount(db::Database& db);

// The date of the newest backup record; invalid when there is none with a readable date.
Result<QDate> lastBackupDate(db::Database& db);

// Records `day` as the day the working database was made from the template.
Result<void> recordDatabaseMade(TDataM& dm, const QDate& day);

// The day the working database was made; invalid when none is recorded (a database made
// before the day was kept) or the record is not a date.
Result<QDate> databaseMadeDate(db::Database& db);

// A backup is due when at least the period has passed since the newest backup; before the
// first backup, since the day the database was made. With neither date it is due.
Result<bool> backupDue(db::Database& db, const QDate& today);

// The folder the backups go to: the "备份路径" setting (relative to the data folder when it is
// not absolute), else the data folder's "自动备份".
QString autoBackupFolder(const TDataM& dm);

// The file a backup of `day` is written to in `folder`.
QString backupFilePath(const QString& folder, const QDate& day);

// What a backup did.
struct AutoBackupDone {
    QString file;              // the backup written
    QStringList removedFiles;  // older backups deleted because more than the kept number exist
};

// Writes a consistent copy of the open working database to the folder, records it, and drops
// the oldest records beyond the kept number together with the files they name. A record
// already naming the same file (an earlier backup of the same day) is replaced, so each file
// has one record. When the copy cannot be written nothing is recorded. Only files named by a
// dropped record, no longer named by any other record and called like a backup of that
// record's date are deleted.
Result<AutoBackupDone> runAutoBackup(TDataM& dm, const QDate& today);

}  // namespace exchange
