#pragma once

#include <QString>

#include "db/Result.h"

namespace db {
class Database;
}

namespace schema {

inline const QString kReinitialised = QStringLiteral("已清除当前数据！软件将重启。");
inline const QString kKeepCopyFailed = QStringLiteral("无法保留当前数据库的备份，未作初始化：");
inline const QString kDeleteFailed = QStringLiteral("无法删除当前数据库，未作初始化：");

// Re-initialisation: keeps a consistent copy of the open working database in `keptCopy`, then
// closes and deletes the working file, so that the next start makes it again from the template
// and runs the first-run wizard. Refused before the deletion, the database is open as before.
Result<void> reinitialiseDatabase(db::Database& working, const QString& keptCopy);

}  // namespace schema
