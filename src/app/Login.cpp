#include "app/Login.h"

#include <QCryptographicHash>

#include "db/Dataset.h"
#include "text/Gbk.h"

namespace app {

namespace {

// Fixed for good: every stored password digest depends on it.
constexpr char kSalt[] = "Vh#Cadre2012";
static_assert(sizeof(kSalt) == 13, "the salt is twelve characters");

const QString kAllRights = QStringLiteral("3333333333333333");

}  // namespace

QString passwordDigest(const QString& password, const QString& userName) {
    const QByteArray bytes = text::toGbk(password) + QByteArray(kSalt) + text::toGbk(userName);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

LoginResult checkLogin(db::Dataset& users, const QString& userName, const QString& password,
                       LoginSession& session) {
    if (users.isEmpty()) {
        return LoginResult::NoUsers;
    }
    // The database compares names without regard to case, and so does the login; an account
    // whose name matches exactly comes first. The digest was made over the stored name, so the
    // password is checked against that, however the name was typed.
    const QString name = QStringLiteral("userName");
    if (!users.locate(name, userName) &&
        !users.locate(name, userName, db::Dataset::CaseInsensitive)) {
        return LoginResult::UnknownUser;
    }
    if (passwordDigest(password, users.text(name)) != users.text(QStringLiteral("pw"))) {
        return LoginResult::WrongPassword;
    }
    if (users.hasField(QStringLiteral("SysR")) && !users.isNull(QStringLiteral("SysR"))) {
        const int use = users.integer(QStringLiteral("SysR"));
        if (use != 0 && (use & 1) == 0) {
            return LoginResult::NoRight;
        }
    }
    session.ManagerID = users.integer(QStringLiteral("ManagerID"));
    session.righ_ = users.text(QStringLiteral("righ_"));
    session.rightx = users.hasField(QStringLiteral("rightx")) ? users.text(QStringLiteral("rightx"))
                                                              : kAllRights;
    session.clew =
        users.hasField(QStringLiteral("clew")) ? users.boolean(QStringLiteral("clew")) : true;
    session.userName = userName;
    return LoginResult::Admitted;
}

}  // namespace app
