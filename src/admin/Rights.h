#pragma once

#include <QString>

class TDataM;

namespace admin {

// Whether the logged-in account may use the function `code` ("WGB", "WDW", "TOOL" ...): always
// when nobody is logged in, when the account has no right row for the function, or when that
// row grants it. A refusal is shown as "无操作权限，请联系管理员！".
bool HasRight(TDataM& dm, const QString& code);

}  // namespace admin
