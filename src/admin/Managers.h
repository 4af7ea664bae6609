#pragma once

#include <QSet>
#include <QString>
#include <vector>

#include "db/Result.h"

namespace db {
class Database;
}

// Accounts and groups: the rows of tb_manager with their function rights (tb_conf rows "RIGHT",
// one per module: ItemID the ManagerID, ItemV the code, ItemV2 "1" granted or "0" refused; a
// missing row grants) and their unit limitation (DwRight, and tb_conf rows "DWRIGHT", one per
// permitted unit in ItemVI). Only accounts log in; a group is a set of settings that an account
// copies when it is put into the group.
namespace admin {

enum class ManagerKind { Account = 0, Group = 1 };

// The refusals of a save, in the order they are checked.
inline const QString kEnterGroupName = QStringLiteral("请输入管理员组的名称！");
inline const QString kEmptyUserName = QStringLiteral("用户名不能为空.");
inline const QString kEmptyPassword = QStringLiteral("口令不能为空.");
inline const QString kRenamedWithoutPassword =
    QStringLiteral("您更改了用户名，必须重新设置用户口令.");
inline const QString kNameTaken = QStringLiteral("用户名已经存在!.");
inline const QString kPasswordsDiffer = QStringLiteral("两次输入的口令不一致，请重新输入");
inline const QString kNeedSuperManager =
    QStringLiteral("必须先设置一个超级管理员（具有添加删除其他管理员的权限）．");
inline const QString kNoSystem = QStringLiteral("请至少选择一个系统使用权限.");
inline const QString kGroupNameTaken = QStringLiteral("管理员组名称已经存在!");
inline const QString kNameTooLong = QStringLiteral("名称太长，最多50个字符.");
inline const QString kNameOutsideGbk =
    QStringLiteral("名称中含有系统无法保存的字符，请只使用汉字、字母、数字和常用符号.");
inline const QString kPasswordOutsideGbk =
    QStringLiteral("口令中含有系统无法识别的字符，请只使用汉字、字母、数字和常用符号.");

// The refusals of a deletion.
inline const QString kDeletingSelf = QStringLiteral("不能删除当前登录的帐号。");
inline const QString kDeletingLastManager =
    QStringLiteral("不能删除该帐号：其他帐号都没有“管理员设置”权限，删除后将无人能够管理帐号。");

// An account or group that was deleted while it was edited.
inline const QString kManagerMissing = QStringLiteral("该帐号已不存在。");

// The longest name of an account or group (tb_manager.userName is TEXT(50)).
inline constexpr int kMaxNameLength = 50;

struct ManagerEntry {
    int id = 0;
    QString name;
};

// The accounts or the groups, by ManagerID.
Result<std::vector<ManagerEntry>> listManagers(db::Database& db, ManagerKind kind);

// What the account dialog shows and saves of an account or group.
struct ManagerSettings {
    ManagerKind kind = ManagerKind::Account;
    QString name;
    QString groupName;              // accounts: the group it is in ("" for none)
    bool cadreSystem = true;        // sysR value 1: may use this program
    bool assessmentSystem = false;  // sysR value 2
    QSet<QString> granted;          // the codes of the modules it may use
    bool unitLimited = false;       // DwRight
    QSet<int> units;                // the permitted units (DWRIGHT rows)
};

// The stored settings of account or group `id`: a module is granted when there is no row for
// it or its row grants; sysR NULL gives both systems; the units are read whether or not the
// limitation is on. A failure when there is no such row or it cannot be read.
Result<ManagerSettings> readManager(db::Database& db, int id);

// The password typed in the dialog and its confirmation.
struct PasswordEntry {
    QString password;
    QString confirmation;
};

// Saves account or group `id` (0: a new one) with `settings`, and the password when one was
// typed, after these checks in order (each refuses with its message and writes nothing): a
// group's empty name (kEnterGroupName); an account's empty name (kEmptyUserName); a new
// account's empty password (kEmptyPassword); an account renamed without a new password
// (kRenamedWithoutPassword: the digest is over the name); an account name that another account
// has (kNameTaken); password and confirmation different (kPasswordsDiffer); no account left
// that may log in with "管理员设置" (kNeedSuperManager); then an account with neither system
// (kNoSystem: its sysR would be 0, which the login admits); a group name that another group
// has (kGroupNameTaken), a name over kMaxNameLength characters (kNameTooLong), a name or
// password with characters that GBK cannot encode (kNameOutsideGbk, kPasswordOutsideGbk).
// Writes tb_manager and the RIGHT rows of every module, and the DWRIGHT rows when the
// limitation is on, in one transaction; the accounts of a renamed group follow its name.
// Returns the ManagerID.
Result<int> saveManager(db::Database& db, int id, const ManagerSettings& settings,
                        const PasswordEntry& password);

// Deletes account or group `id` with its RIGHT and DWRIGHT rows, in one transaction; the
// accounts of a deleted group keep their rights and are in no group any more. Refused
// for the account `loggedInId` (kDeletingSelf) and for an account whose removal leaves other
// accounts but none that may log in with "管理员设置" (kDeletingLastManager).
Result<void> deleteManager(db::Database& db, int id, int loggedInId);

}  // namespace admin
