#pragma once

#include <QString>

#include "app/LoginSession.h"

namespace db {
class Dataset;
}

namespace app {

// The stored form of a password: the MD5 digest of password + salt + user name, taken over their
// GBK bytes, as 32 lower-case hexadecimal digits.
QString passwordDigest(const QString& password, const QString& userName);

enum class LoginResult { NoUsers, UnknownUser, WrongPassword, NoRight, Admitted };

// Checks a user name and password against the accounts that may log in; when admitted, fills
// the session from the account's row.
LoginResult checkLogin(db::Dataset& users, const QString& userName, const QString& password,
                       LoginSession& session);

}  // namespace app
