#pragma once

#include <QString>

#include "db/Result.h"

class TDataM;
namespace db {
class Database;
}

namespace admin {

// The refusal of every guarded command.
inline const QString kNoRight = QStringLiteral("无操作权限，请联系管理员！");

// Whether account `managerId` may use the function `code`, without a word to the user: always
// for 0 (nobody logged in), when the account has no right row for the function, or when that
// row grants it ("1"); a failure when the rows cannot be read.
Result<bool> rightGranted(db::Database& db, int managerId, const QString& code);

// Whether the logged-in account may use the function `code` ("WGB", "WDW", "TOOL" ...), as
// rightGranted. A refusal is shown as kNoRight, a failing read as an error (and refuses).
bool HasRight(TDataM& dm, const QString& code);

}  // namespace admin
