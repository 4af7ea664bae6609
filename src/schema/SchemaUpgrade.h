#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "db/Result.h"
#include "exchange/StepHook.h"

namespace db {
class Database;
}

// Brings a database written by an earlier version of the program to the current schema
// (schema::kSchemaVersion). The upgrade is an ordered list of steps, each guarded by a version
// threshold: a step runs when the stored version is below it. Tables a step brings are copied
// from the empty template with their rows; columns it adds take the template's definition.
// The whole upgrade runs in one transaction after a consistent copy of the old database has been
// written, so that a failure (or the end of the process) leaves the database as it was.
namespace schema {

class UpgradeRun;

// A column that a step adds.
struct AddedColumn {
    QString table;
    QString column;
};

struct UpgradeStep {
    double threshold;
    QStringList copiedTables;          // copied from the template when the database lacks them
    std::vector<AddedColumn> columns;  // added when the table lacks them
    // The step's own statements and data conversions, run after the tables and columns.
    std::function<Result<void>(UpgradeRun&)> convert = {};
};

// Every step, in the order they run.
const std::vector<UpgradeStep>& upgradeSteps();

// The wait text while the upgrade runs, and the refusal when a step fails.
inline const QString kUpgrading = QStringLiteral("正在升级数据库...");
inline const QString kStepFailed = QStringLiteral("数据库升级失败，数据库未作改动。失败的步骤：");
inline const QString kBackupFailed = QStringLiteral("无法保留升级前的数据库备份，数据库未升级：");

// The file name of the copy kept before an upgrade: "<yyyy-MM-dd>升级备份.vhbak".
QString upgradeBackupName(const QDate& day);

struct UpgradeOutcome {
    double fromVersion = 0;
    bool upgraded = false;  // false when the database was already current
};

// The version stored in tb_general (0 when the row has none).
Result<double> storedVersion(db::Database& db);

// Upgrades the open database: when its version is below the last step's threshold, writes a
// consistent copy to `backupFile`, then runs every due step and stores the current version, all
// in one transaction with the template `templateFile` attached. `hook` is asked before each step
// (named by its threshold, "2.35" ...); a refusal stops the upgrade like a failure. On failure
// nothing in the database has changed and the message names the step.
Result<UpgradeOutcome> upgradeDatabase(db::Database& db, const QString& templateFile,
                                       const QString& backupFile,
                                       const exchange::StepHook& hook = {});

// What a step's conversion works with: the database and the attached template.
class UpgradeRun {
  public:
    explicit UpgradeRun(db::Database& db) : db_(db) {}

    db::Database& db() { return db_; }
    // Copies a table the database lacks from the template, with its rows and indexes.
    Result<void> copyTable(const QString& table);
    // Adds a column the table lacks, with the template's definition.
    Result<void> addColumn(const QString& table, const QString& column);
    // Drops the columns of `table` that it has, with the indexes over them.
    Result<void> dropColumns(const QString& table, const QStringList& columns);
    // Runs statements of the program's dialect; the first failure ends the run.
    Result<void> exec(const QStringList& statements);
    // Creates an index unless one of that name is there.
    Result<void> createIndex(const QString& statement);
    // Rebuilds every table whose columns differ from the template's definitions (type, default,
    // nullability) with the template's definition, keeping its rows; adds missing tables and
    // columns and the template's indexes.
    Result<void> conformToTemplate();
    // Copies the template's items of each code group of `groups` (tb_conf.GID) that the database
    // holds no item of; a group the user already keeps is left as it is.
    Result<void> copyMissingCodeGroups(const QStringList& groups);

  private:
    db::Database& db_;
};

}  // namespace schema
