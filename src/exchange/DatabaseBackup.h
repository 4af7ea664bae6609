#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "db/Result.h"
#include "exchange/StepHook.h"
#include "schema/SchemaVersion.h"

namespace db {
class Database;
}

// The manual backup and restore of the working database and its compaction. Backups are
// consistent copies written through the database engine, never byte copies of an open file;
// a restore checks the chosen file first, keeps the current database as a backup of its own and
// replaces the working file in one rename, so that an interrupted restore leaves either the old
// or the new database whole.
namespace exchange {

// Texts of the commands "数据库备份", "数据库恢复" and "整理数据库空间".
inline const QString kBackupFilter = QStringLiteral("干部数据库备份 (*.vhbak)");
inline const QString kBackupExtension = QStringLiteral(".vhbak");
inline const QString kAskManualBackup = QStringLiteral("是否进行数据库备份？");
inline const QString kBackupDone = QStringLiteral("备份完成!");
inline const QString kAskRestore =
    QStringLiteral("进行数据恢复会丢失当前的所有数据，是否进行恢复？");
inline const QString kRestoreDone = QStringLiteral("恢复完成！软件将重启。");
inline const QString kAskCompact =
    QStringLiteral("确认将清空数据库未使用空间并提高效率？执行完成后，软件需重启!");
inline const QString kCompactDone = QStringLiteral("整理完成，请重启软件!");

// A backup may not take the place of the working file it copies.
inline const QString kBackupOverWorking =
    QStringLiteral("不能备份到正在使用的工作数据库文件，请选择其他文件！");

// Why a chosen file is refused for a restore.
inline const QString kNotADatabase = QStringLiteral("所选文件不是干部管理数据库，未作恢复：");
inline const QString kDamagedFile = QStringLiteral("所选数据库文件已损坏，未作恢复：");
inline const QString kMissingTables = QStringLiteral("所选数据库缺少以下数据表，未作恢复：");
inline const QString kNewerVersion =
    QStringLiteral("所选数据库由更新版本的软件建立，本软件无法使用，未作恢复。");
inline const QString kKeepCopyFailed = QStringLiteral("无法保留当前数据库的备份，未作恢复：");
inline const QString kReplaceFailed = QStringLiteral("无法替换工作数据库，未作恢复：");
inline const QString kReopenFailed = QStringLiteral("恢复后的数据库无法打开：");

// The first line of SQLite's integrity check of `db`: "ok" for a sound file.
Result<QString> integrityReport(db::Database& db);

// The tables a database of this program always has.
QStringList requiredTables();

// The steps of a restore, in order, as handed to the step hook.
inline const QString kStepCheck = QStringLiteral("检查备份文件");
inline const QString kStepKeepCurrent = QStringLiteral("保留当前数据库");
inline const QString kStepCopySource = QStringLiteral("复制备份文件");
inline const QString kStepReplace = QStringLiteral("替换工作数据库");

// Writes a consistent copy of the open database to `target` (replacing it), whole or not at
// all; the database's own file is refused as target.
Result<void> backupDatabase(db::Database& db, const QString& target);

// Whether `file` is a database this program can restore: an SQLite file that passes the
// integrity check, has every required table and a schema version not later than this
// program's. The file is only read.
Result<void> checkDatabaseFile(const QString& file);

// The folder below the data folder where a restore keeps the database it replaces.
inline const QString kKeptCopiesFolder = QStringLiteral("恢复前备份");

// The file the current database is kept in before a restore: "<folder>/恢复前备份<time>.vhbak".
QString keptCopyPath(const QString& folder, const QDateTime& now);

// Replaces the working database `working` (open) with the database in `source`: checks the
// source, keeps a consistent copy of the current database in `keptCopy`, copies the source next
// to the working file and renames it over it, then opens it again. Refused or stopped before
// the rename, nothing changed and the working database is open as before. Returns `keptCopy`.
Result<QString> restoreDatabase(db::Database& working, const QString& source,
                                const QString& keptCopy, const StepHook& hook = {});

// Rewrites the open database without its unused space; the database is open again afterwards.
Result<void> compactDatabase(db::Database& db);

}  // namespace exchange
