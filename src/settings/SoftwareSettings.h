#pragma once

#include <QString>
#include <QStringList>

#include "db/Result.h"
#include "settings/LookupLists.h"

class TDataM;

namespace db {
class Database;
}

// The organisation-wide settings edited by "软件设置": read once into one value, changed by the
// dialog and written back in one transaction. Every setting is written where the code that
// uses it reads it (retirement ages: the reminders; auto-save: the main window's layout;
// post lock: the cadre editor; backup: exchange/AutoBackup).
namespace settings {

inline constexpr int kDefaultUserType = 1;

inline const QString kDuplicateFieldNames = QStringLiteral("自定义字段不能重复!");
inline const QString kApplying = QStringLiteral("正在启用新设置...");

inline constexpr int kCadreTypeCount = 6;
inline constexpr int kReservedNameCount = 4;
inline const QStringList kDefaultReservedNames = {
    QStringLiteral("字符串1"), QStringLiteral("字符串2"), QStringLiteral("字符串3"),
    QStringLiteral("字符串4")};
inline const QString kDefaultRemarkName = QStringLiteral("备注");

// Retirement ages in years: tb_conf group "A", items "A001" (men) and "A002" (women).
struct RetirementAges {
    int male = 60;
    int female = 55;
};

// The configured ages; the defaults for a missing row or one that is not a whole number.
Result<RetirementAges> retirementAges(db::Database& db);

struct SoftwareSettings {
    int userType = kDefaultUserType;  // index in schema::userTypeNames()
    QString organisation;             // tb_general.name
    RetirementAges ages;
    bool autoSave = true;           // tb_conf AUTOSAVE of the logged-in user
    bool postLock = false;          // tb_conf ZWLOCK, copied to tb_cadre.zwlock
    bool backupOn = true;           // machine setting, see exchange/AutoBackup.h
    int backupDays = 15;            // tb_conf 自动备份/备份周期
    int backupKeep = 10;            // tb_conf 自动备份/保留数量
    QString backupFolder;           // machine setting; empty: the data folder's 自动备份
    QStringList cadreTypes;         // kCadreTypeCount names, tb_general.resCType
    QStringList reservedNames;      // kReservedNameCount names, tb_general.resName
    QString remarkName;             // tb_conf 保留字段/备注
    QStringList postCategories;     // tb_general.zt, one per line
    QList<LeveledName> ranks;       // tb_zj
    QList<LeveledName> educations;  // tb_xl
    QList<QStringList> params;      // kParamListCount lists, in the order of ParamList
};

// Older versions kept the backup switch (自动备份/开启) and folder (自动备份/备份路径) in
// tb_conf; they now live in this computer's settings, where the automatic backup reads them.
// A computer that holds neither yet takes the database's values over; nothing else changes.
Result<void> adoptOlderBackupSettings(TDataM& dm);

// Reads every setting for the user logged in to `dm`. A kept count stored by an older version
// under "保留备份" is read when "保留数量" is missing.
Result<SoftwareSettings> loadSettings(TDataM& dm);

// Nothing when the names are fine; else kDuplicateFieldNames: two non-empty cadre type names,
// or two non-empty reserved field names, are the same.
QString fieldNameProblem(const SoftwareSettings& settings);

// Writes every setting: the database part in one transaction (nothing is written when any
// statement fails, or when fieldNameProblem() refuses the names), then the machine settings.
// Turning the post lock on or off sets zwlock of every cadre; saving the lock unchanged
// leaves each cadre's zwlock as it is (a clerk may have set it by hand). The older "保留备份" item
// is removed once "保留数量" holds the count.
Result<void> saveSettings(TDataM& dm, const SoftwareSettings& settings);

}  // namespace settings
