#include "admin/Managers.h"

#include "admin/Modules.h"
#include "admin/Rights.h"
#include "app/Login.h"
#include "db/Database.h"
#include "text/Gbk.h"

namespace admin {

namespace {

const QString kAccounts = QStringLiteral("(userType=0 or userType is null)");

Failure readFailure(const db::Database& db) {
    return Failure{{}, db.lastError()};
}

Failure refusal(const QString& message) {
    return Failure{message, {}};
}

// Whether sysR `use` (NULL, 0 or an odd value) lets an account log in to this program.
bool mayLogIn(const QVariant& use) {
    return use.isNull() || use.toInt() == 0 || (use.toInt() & 1) != 0;
}

QString managerCode() {
    return kModules[kManagerModule].codeText();
}

// The number of accounts other than `exceptId` that may log in and keep the accounts.
Result<int> otherAccountManagers(db::Database& db, int exceptId) {
    const auto accounts = db.query(QStringLiteral("select ManagerID, sysR from tb_manager where ") +
                                       kAccounts + QStringLiteral(" and ManagerID<>?"),
                                   {exceptId});
    if (!accounts) {
        return readFailure(db);
    }
    int count = 0;
    for (size_t i = 0; i < accounts->rows.size(); ++i) {
        if (!mayLogIn(accounts->value(i, QStringLiteral("sysR")))) {
            continue;
        }
        const int id = accounts->value(i, QStringLiteral("ManagerID")).toInt();
        const Result<bool> granted = rightGranted(db, id, managerCode());
        if (!granted) {
            return granted.failure();
        }
        count += *granted ? 1 : 0;
    }
    return count;
}

// Whether another row of the same kind than `id` is named `name` (compared as the database
// compares text).
Result<bool> nameTaken(db::Database& db, ManagerKind kind, const QString& name, int id) {
    const QString kindClause =
        kind == ManagerKind::Group ? QStringLiteral("userType=1") : kAccounts;
    const Result<QVariant> count =
        db.scalar(QStringLiteral("select count(*) from tb_manager where userName=? and "
                                 "ManagerID<>? and ") +
                      kindClause,
                  {name, id});
    if (!count) {
        return count.failure();
    }
    return count->toInt() > 0;
}

// The seven checks of the dialog, in their order, then the checks of what can be stored.
Result<void> checkSettings(db::Database& db, int id, const ManagerSettings& s,
                           const PasswordEntry& password) {
    const bool account = s.kind == ManagerKind::Account;
    const QString name = s.name.trimmed();
    if (!account && name.isEmpty()) {
        return refusal(kEnterGroupName);
    }
    if (account && name.isEmpty()) {
        return refusal(kEmptyUserName);
    }
    if (account && id == 0 && password.password.isEmpty()) {
        return refusal(kEmptyPassword);
    }
    if (account && id != 0 && password.password.isEmpty()) {
        const Result<QVariant> stored =
            db.scalar(QStringLiteral("select userName from tb_manager where ManagerID=?"), {id});
        if (!stored) {
            return stored.failure();
        }
        if (stored->toString() != name) {
            return refusal(kRenamedWithoutPassword);
        }
    }
    const Result<bool> taken = nameTaken(db, s.kind, name, id);
    if (!taken) {
        return taken.failure();
    }
    if (account && *taken) {
        return refusal(kNameTaken);
    }
    if (account && password.password != password.confirmation) {
        return refusal(kPasswordsDiffer);
    }
    if (account && !(s.cadreSystem && s.granted.contains(managerCode()))) {
        const Result<int> others = otherAccountManagers(db, id);
        if (!others) {
            return others.failure();
        }
        if (*others == 0) {
            return refusal(kNeedSuperManager);
        }
    }
    if (account && !s.cadreSystem && !s.assessmentSystem) {
        return refusal(kNoSystem);
    }
    if (!account && *taken) {
        return refusal(kGroupNameTaken);
    }
    if (name.size() > kMaxNameLength || s.groupName.size() > kMaxNameLength) {
        return refusal(kNameTooLong);
    }
    if (!text::encodesInGbk(name)) {
        return refusal(kNameOutsideGbk);
    }
    if (account && !text::encodesInGbk(password.password)) {
        return refusal(kPasswordOutsideGbk);
    }
    return {};
}

Result<int> writeManagerRow(db::Database& db, int id, const ManagerSettings& s,
                            const PasswordEntry& password) {
    const bool account = s.kind == ManagerKind::Account;
    const QString name = s.name.trimmed();
    const QVariant kind = static_cast<int>(s.kind);
    const QVariant group = account ? QVariant(s.groupName) : QVariant();
    const QVariant use =
        account ? QVariant((s.cadreSystem ? 1 : 0) + (s.assessmentSystem ? 2 : 0)) : QVariant();
    if (id == 0) {
        // A new account sees the reminders, as a database without the column would give it.
        const QVariant digest =
            account ? QVariant(app::passwordDigest(password.password, name)) : QVariant();
        if (!db.exec(QStringLiteral("insert into tb_manager (userName, pw, groupName, sysR, "
                                    "userType, DwRight, clew) values (?,?,?,?,?,?,?)"),
                     {name, digest, group, use, kind, s.unitLimited, account})) {
            return readFailure(db);
        }
        return static_cast<int>(db.lastInsertId());
    }
    // The accounts of a renamed group name it as it is now called.
    if (!account && !db.exec(QStringLiteral("update tb_manager set groupName=? where groupName="
                                            "(select userName from tb_manager where ManagerID=?) "
                                            "and ") +
                                 kAccounts,
                             {name, id})) {
        return readFailure(db);
    }
    if (!db.exec(QStringLiteral("update tb_manager set userName=?, groupName=?, sysR=?, "
                                "userType=?, DwRight=? where ManagerID=?"),
                 {name, group, use, kind, s.unitLimited, id})) {
        return readFailure(db);
    }
    if (db.changes() == 0) {
        return refusal(kManagerMissing);
    }
    if (account && !password.password.isEmpty() &&
        !db.exec(QStringLiteral("update tb_manager set pw=? where ManagerID=?"),
                 {app::passwordDigest(password.password, name), id})) {
        return readFailure(db);
    }
    return id;
}

Result<void> writeRights(db::Database& db, int id, const ManagerSettings& s) {
    const QString item = QString::number(id);
    for (const Module& module : kModules) {
        const QString flag =
            s.granted.contains(module.codeText()) ? QStringLiteral("1") : QStringLiteral("0");
        if (!db.exec(QStringLiteral("update tb_conf set ItemV2=? where GID='RIGHT' and "
                                    "ItemID=? and ItemV=?"),
                     {flag, item, module.codeText()})) {
            return readFailure(db);
        }
        if (db.changes() == 0 &&
            !db.exec(QStringLiteral("insert into tb_conf (GID, ItemID, ItemV, ItemV2) values "
                                    "('RIGHT',?,?,?)"),
                     {item, module.codeText(), flag})) {
            return readFailure(db);
        }
    }
    if (!s.unitLimited) {
        return {};
    }
    if (!db.exec(QStringLiteral("delete * from tb_conf where GID='DWRIGHT' and ItemID=?"),
                 {item})) {
        return readFailure(db);
    }
    for (const int unit : s.units) {
        if (!db.exec(QStringLiteral("insert into tb_conf (GID, ItemID, ItemVI) values "
                                    "('DWRIGHT',?,?)"),
                     {item, unit})) {
            return readFailure(db);
        }
    }
    return {};
}

}  // namespace

Result<std::vector<ManagerEntry>> listManagers(db::Database& db, ManagerKind kind) {
    const auto rows =
        db.query(QStringLiteral("select ManagerID, userName from tb_Manager where ") +
                 (kind == ManagerKind::Group ? QStringLiteral("userType=1") : kAccounts) +
                 QStringLiteral(" order by ManagerId"));
    if (!rows) {
        return readFailure(db);
    }
    std::vector<ManagerEntry> entries;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        entries.push_back({rows->value(i, QStringLiteral("ManagerID")).toInt(),
                           rows->value(i, QStringLiteral("userName")).toString()});
    }
    return entries;
}

Result<ManagerSettings> readManager(db::Database& db, int id) {
    const auto row = db.query(QStringLiteral("select * from tb_manager where ManagerID=?"), {id});
    if (!row) {
        return readFailure(db);
    }
    if (row->rows.empty()) {
        return refusal(kManagerMissing);
    }
    ManagerSettings s;
    s.kind = row->value(0, QStringLiteral("userType")).toInt() == 1 ? ManagerKind::Group
                                                                    : ManagerKind::Account;
    s.name = row->value(0, QStringLiteral("userName")).toString();
    s.groupName = row->value(0, QStringLiteral("groupName")).toString();
    const QVariant use = row->value(0, QStringLiteral("sysR"));
    s.cadreSystem = use.isNull() || (use.toInt() & 1) != 0;
    s.assessmentSystem = use.isNull() || (use.toInt() & 2) != 0;
    s.unitLimited = row->value(0, QStringLiteral("DwRight")).toBool();
    const auto rights =
        db.query(QStringLiteral("select ItemV, ItemV2 from tb_conf where GID='RIGHT' and ItemID=?"),
                 {QString::number(id)});
    if (!rights) {
        return readFailure(db);
    }
    QSet<QString> refused;
    for (size_t i = 0; i < rights->rows.size(); ++i) {
        if (rights->value(i, QStringLiteral("ItemV2")).toString() != u"1") {
            refused.insert(rights->value(i, QStringLiteral("ItemV")).toString());
        }
    }
    for (const Module& module : kModules) {
        if (!refused.contains(module.codeText())) {
            s.granted.insert(module.codeText());
        }
    }
    const auto units =
        db.query(QStringLiteral("select ItemVI from tb_conf where GID='DWRIGHT' and ItemID=?"),
                 {QString::number(id)});
    if (!units) {
        return readFailure(db);
    }
    for (size_t i = 0; i < units->rows.size(); ++i) {
        s.units.insert(units->value(i, QStringLiteral("ItemVI")).toInt());
    }
    return s;
}

Result<int> saveManager(db::Database& db, int id, const ManagerSettings& settings,
                        const PasswordEntry& password) {
    if (const Result<void> checked = checkSettings(db, id, settings, password); !checked) {
        return checked.failure();
    }
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return readFailure(db);
    }
    const Result<int> saved = writeManagerRow(db, id, settings, password);
    if (!saved) {
        return saved;
    }
    if (const Result<void> rights = writeRights(db, *saved, settings); !rights) {
        return rights.failure();
    }
    if (!transaction.commit()) {
        return readFailure(db);
    }
    return saved;
}

Result<void> deleteManager(db::Database& db, int id, int loggedInId) {
    if (id == loggedInId) {
        return refusal(kDeletingSelf);
    }
    const Result<QVariant> kind =
        db.scalar(QStringLiteral("select userType from tb_manager where ManagerID=?"), {id});
    if (!kind) {
        return kind.failure();
    }
    if (kind->toInt() != 1) {
        const Result<QVariant> others =
            db.scalar(QStringLiteral("select count(*) from tb_manager where ") + kAccounts +
                          QStringLiteral(" and ManagerID<>?"),
                      {id});
        if (!others) {
            return others.failure();
        }
        const Result<int> managers = otherAccountManagers(db, id);
        if (!managers) {
            return managers.failure();
        }
        if (others->toInt() > 0 && *managers == 0) {
            return refusal(kDeletingLastManager);
        }
    }
    db::Transaction transaction(db);
    const QString item = QString::number(id);
    // The accounts of a deleted group keep their rights and are in no group any more.
    if (!transaction.isActive() ||
        (kind->toInt() == 1 &&
         !db.exec(QStringLiteral("update tb_manager set groupName='' where groupName=(select "
                                 "userName from tb_manager where ManagerID=?) and ") +
                      kAccounts,
                  {id})) ||
        !db.exec(QStringLiteral("delete * from tb_manager where ManagerID=?"), {id}) ||
        !db.exec(QStringLiteral("delete * from tb_conf where GID='RIGHT' and ItemID=?"), {item}) ||
        !db.exec(QStringLiteral("delete * from tb_conf where GID='DWRIGHT' and ItemID=?"),
                 {item}) ||
        !transaction.commit()) {
        return readFailure(db);
    }
    return {};
}

}  // namespace admin
