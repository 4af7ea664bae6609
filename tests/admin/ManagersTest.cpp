#include <gtest/gtest.h>

#include "admin/Managers.h"
#include "admin/Modules.h"
#include "admin/Rights.h"
#include "app/Login.h"
#include "db/Database.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using admin::ManagerKind;
using admin::ManagerSettings;
using admin::PasswordEntry;

QSet<QString> allModules() {
    QSet<QString> codes;
    for (const admin::Module& module : admin::kModules) {
        codes.insert(module.codeText());
    }
    return codes;
}

ManagerSettings account(const QString& name, QSet<QString> granted = allModules()) {
    ManagerSettings s;
    s.name = name;
    s.granted = std::move(granted);
    return s;
}

PasswordEntry typed(const QString& password) {
    return {password, password};
}

class Managers : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(db_.open(home_.makeWorkingDatabase())) << db_.lastError(); }

    int count(const QString& sql) { return db_.scalar(sql)->toInt(); }
    int saved(int id, const ManagerSettings& s, const PasswordEntry& p) {
        const Result<int> result = admin::saveManager(db_, id, s, p);
        EXPECT_TRUE(result.ok()) << result.errorText();
        return result.ok() ? *result : 0;
    }
    // Everything the rows of accounts and rights hold, to show that a refusal wrote nothing.
    QString snapshot() {
        QString all;
        for (const char* sql : {"select * from tb_manager order by ManagerID",
                                "select * from tb_conf where GID in ('RIGHT','DWRIGHT') order by "
                                "GID, ItemID, ItemV, ItemVI"}) {
            const auto rows = db_.query(QString::fromLatin1(sql));
            for (const QVariantList& row : rows->rows) {
                for (const QVariant& v : row) {
                    all += v.toString() + u'|';
                }
                all += u'\n';
            }
        }
        return all;
    }

    TestHome home_;
    db::Database db_;
};

TEST_F(Managers, SaveWritesTheAccountItsDigestAndEveryModuleRow) {
    QSet<QString> granted = {QStringLiteral("GLYSET"), QStringLiteral("WGB")};
    ManagerSettings s = account(QStringLiteral("O'Brien \"张\""), granted);
    s.groupName = QStringLiteral("一处");
    s.assessmentSystem = true;
    const int id = saved(0, s, typed(QStringLiteral("密码1")));
    ASSERT_GT(id, 0);
    const auto row = db_.query(QStringLiteral("select * from tb_manager where ManagerID=?"), {id});
    ASSERT_EQ(row->rows.size(), 1u);
    EXPECT_EQ(row->value(0, QStringLiteral("userName")).toString(), s.name);
    EXPECT_EQ(row->value(0, QStringLiteral("pw")).toString(),
              app::passwordDigest(QStringLiteral("密码1"), s.name));
    EXPECT_EQ(row->value(0, QStringLiteral("sysR")).toInt(), 3);
    EXPECT_EQ(row->value(0, QStringLiteral("userType")).toInt(), 0);
    EXPECT_EQ(row->value(0, QStringLiteral("groupName")).toString(), QStringLiteral("一处"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_conf where GID='RIGHT' and ItemID='") +
                    QString::number(id) + u'\''),
              35);
    for (const admin::Module& module : admin::kModules) {
        EXPECT_EQ(*admin::rightGranted(db_, id, module.codeText()),
                  granted.contains(module.codeText()))
            << module.code;
    }
    const Result<ManagerSettings> read = admin::readManager(db_, id);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->granted, granted);
    EXPECT_TRUE(read->cadreSystem);
    EXPECT_TRUE(read->assessmentSystem);

    // Saved again without a password, the digest stays; the rows are updated, not doubled.
    s.granted.insert(QStringLiteral("WDW"));
    s.assessmentSystem = false;
    EXPECT_EQ(saved(id, s, {}), id);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_conf where GID='RIGHT'")), 35);
    EXPECT_EQ(admin::readManager(db_, id)->granted.size(), 3);
    EXPECT_EQ(db_.scalar(QStringLiteral("select pw from tb_manager"))->toString(),
              app::passwordDigest(QStringLiteral("密码1"), s.name));
    EXPECT_EQ(db_.scalar(QStringLiteral("select sysR from tb_manager"))->toInt(), 1);
}

TEST_F(Managers, TheChecksRefuseInTheirOrderAndWriteNothing) {
    const int admin = saved(0, account(QStringLiteral("admin")), typed(QStringLiteral("a")));
    ASSERT_GT(admin, 0);
    ManagerSettings group;
    group.kind = ManagerKind::Group;
    group.name = QStringLiteral("一处");
    ASSERT_GT(saved(0, group, {}), 0);
    const QString before = snapshot();

    ManagerSettings emptyGroup = group;
    emptyGroup.name = QStringLiteral("  ");
    ManagerSettings noAdmin = account(QStringLiteral("admin"), {QStringLiteral("WGB")});
    ManagerSettings noUse = account(QStringLiteral("admin"));
    noUse.cadreSystem = false;
    ManagerSettings noSystem = account(QStringLiteral("b"));
    noSystem.cadreSystem = false;
    struct Case {
        const char* what;
        int id;
        ManagerSettings settings;
        PasswordEntry password;
        QString message;
    };
    const Case cases[] = {
        {"group without name", 0, emptyGroup, {}, admin::kEnterGroupName},
        {"account without name", 0, account({}), {}, admin::kEmptyUserName},
        {"new account without password",
         0,
         account(QStringLiteral("b")),
         {},
         admin::kEmptyPassword},
        {"renamed without password",
         admin,
         account(QStringLiteral("admin2")),
         {},
         admin::kRenamedWithoutPassword},
        {"name of another account", 0, account(QStringLiteral("ADMIN")), typed(QStringLiteral("x")),
         admin::kNameTaken},
        {"confirmation differs",
         0,
         account(QStringLiteral("b")),
         {QStringLiteral("x"), QStringLiteral("y")},
         admin::kPasswordsDiffer},
        {"the only manager drops the right", admin, noAdmin, {}, admin::kNeedSuperManager},
        {"the only manager may no longer log in", admin, noUse, {}, admin::kNeedSuperManager},
        {"an account of no system", 0, noSystem, typed(QStringLiteral("x")), admin::kNoSystem},
        {"name of another group", 0, group, {}, admin::kGroupNameTaken},
        {"name too long", 0, account(QString(51, u'长')), typed(QStringLiteral("x")),
         admin::kNameTooLong},
        {"name outside GBK", 0, account(QStringLiteral("😀")), typed(QStringLiteral("x")),
         admin::kNameOutsideGbk},
        {"password outside GBK", 0, account(QStringLiteral("b")), typed(QStringLiteral("p😀")),
         admin::kPasswordOutsideGbk},
    };
    for (const Case& c : cases) {
        const Result<int> result = admin::saveManager(db_, c.id, c.settings, c.password);
        ASSERT_FALSE(result.ok()) << c.what;
        EXPECT_EQ(result.failure().message, c.message) << c.what;
        EXPECT_EQ(snapshot(), before) << c.what;
    }
    // A name of 50 characters and a renamed account with its new password are fine.
    EXPECT_GT(saved(0, account(QString(50, u'长')), typed(QStringLiteral("x"))), 0);
    EXPECT_EQ(saved(admin, account(QStringLiteral("root")), typed(QStringLiteral("r"))), admin);
    EXPECT_EQ(db_.scalar(QStringLiteral("select pw from tb_manager where ManagerID=?"), {admin})
                  ->toString(),
              app::passwordDigest(QStringLiteral("r"), QStringLiteral("root")));
}

TEST_F(Managers, AFailingRightsRowWritesNoAccount) {
    const QString before = snapshot();
    // The account row is written first, then its rights rows: a refused rights row takes the
    // account back with it.
    ASSERT_TRUE(db_.execNative(
        QStringLiteral("create trigger refuse_right before insert on tb_conf when new.GID='RIGHT' "
                       "begin select raise(abort, 'refused'); end")));
    const Result<int> refused =
        admin::saveManager(db_, 0, account(QStringLiteral("新账户"), {QStringLiteral("GLYSET")}),
                           typed(QStringLiteral("口令")));
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.errorText().contains(QStringLiteral("refused"))) << refused.errorText();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(db_.transactionDepth(), 0);
}

TEST_F(Managers, TheFirstAccountNeedsTheManagersModule) {
    const Result<int> first = admin::saveManager(
        db_, 0, account(QStringLiteral("a"), {QStringLiteral("WGB")}), typed(QStringLiteral("p")));
    ASSERT_FALSE(first.ok());
    EXPECT_EQ(first.failure().message, admin::kNeedSuperManager);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_manager")), 0);
    ASSERT_GT(saved(0, account(QStringLiteral("a"), {QStringLiteral("GLYSET")}),
                    typed(QStringLiteral("p"))),
              0);
    // Once one account keeps the accounts, the next needs no such right.
    EXPECT_GT(saved(0, account(QStringLiteral("b"), {}), typed(QStringLiteral("p"))), 0);
}

TEST_F(Managers, GroupsAndLimitationRowsAreKeptWithTheirUnits) {
    ManagerSettings group;
    group.kind = ManagerKind::Group;
    group.name = QStringLiteral("政府组");
    group.granted = {QStringLiteral("WGB"), QStringLiteral("RMR")};
    group.unitLimited = true;
    group.units = {3, 11};
    const int id = saved(0, group, {});
    const Result<ManagerSettings> read = admin::readManager(db_, id);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->kind, ManagerKind::Group);
    EXPECT_TRUE(read->unitLimited);
    EXPECT_EQ(read->units, (QSet<int>{3, 11}));
    EXPECT_EQ(read->granted, group.granted);
    EXPECT_EQ(db_.scalar(QStringLiteral("select pw from tb_manager"))->isValid(), false);

    group.units = {12};
    saved(id, group, {});
    EXPECT_EQ(admin::readManager(db_, id)->units, QSet<int>{12});
    // Turned off, the limitation keeps its rows for the next time it is turned on.
    group.unitLimited = false;
    group.units = {};
    saved(id, group, {});
    EXPECT_FALSE(admin::readManager(db_, id)->unitLimited);
    EXPECT_EQ(admin::readManager(db_, id)->units, QSet<int>{12});

    const auto groups = admin::listManagers(db_, ManagerKind::Group);
    ASSERT_EQ(groups->size(), 1u);
    EXPECT_EQ(groups->front().name, QStringLiteral("政府组"));
    EXPECT_TRUE(admin::listManagers(db_, ManagerKind::Account)->empty());
}

TEST_F(Managers, AccountsFollowTheNameOfTheirGroup) {
    ManagerSettings group;
    group.kind = ManagerKind::Group;
    group.name = QStringLiteral("一处");
    const int groupId = saved(0, group, {});
    ManagerSettings member = account(QStringLiteral("a"));
    member.groupName = QStringLiteral("一处");
    const int memberId = saved(0, member, typed(QStringLiteral("p")));
    ManagerSettings other = account(QStringLiteral("b"));
    other.groupName = QStringLiteral("二处");
    const int otherId = saved(0, other, typed(QStringLiteral("p")));

    group.name = QStringLiteral("综合处");
    saved(groupId, group, {});
    EXPECT_EQ(admin::readManager(db_, memberId)->groupName, QStringLiteral("综合处"));
    EXPECT_EQ(admin::readManager(db_, otherId)->groupName, QStringLiteral("二处"));

    ASSERT_TRUE(admin::deleteManager(db_, groupId, 0).ok());
    EXPECT_TRUE(admin::readManager(db_, memberId)->groupName.isEmpty());
    EXPECT_EQ(admin::readManager(db_, memberId)->granted, allModules());
    EXPECT_EQ(admin::readManager(db_, otherId)->groupName, QStringLiteral("二处"));
}

TEST_F(Managers, AnAccountWithoutRightRowsHasEveryModule) {
    ASSERT_TRUE(db_.exec(QStringLiteral(
        "insert into tb_manager (ManagerID, userName, pw, sysR) values (5, 'old', 'x', null)")));
    const Result<ManagerSettings> read = admin::readManager(db_, 5);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->granted, allModules());
    EXPECT_TRUE(read->cadreSystem);
    EXPECT_TRUE(read->assessmentSystem);
    ASSERT_TRUE(db_.exec(QStringLiteral("update tb_manager set sysR=2")));
    EXPECT_FALSE(admin::readManager(db_, 5)->cadreSystem);
}

TEST_F(Managers, DeletionRemovesTheRowsAndKeepsSomebodyToManage) {
    const int root = saved(0, account(QStringLiteral("root")), typed(QStringLiteral("r")));
    ManagerSettings limited = account(QStringLiteral("clerk"), {QStringLiteral("WGB")});
    limited.unitLimited = true;
    limited.units = {3};
    const int clerk = saved(0, limited, typed(QStringLiteral("c")));

    // Neither the account logged in, nor the last one that keeps the accounts while others stay.
    Result<void> refused = admin::deleteManager(db_, root, root);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.failure().message, admin::kDeletingSelf);
    refused = admin::deleteManager(db_, root, clerk);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.failure().message, admin::kDeletingLastManager);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_manager")), 2);

    ASSERT_TRUE(admin::deleteManager(db_, clerk, root).ok());
    const QString item = QString::number(clerk);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_conf where ItemID='") + item +
                    QStringLiteral("' and GID in ('RIGHT','DWRIGHT')")),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_conf where GID='RIGHT'")), 35);
    // The last account of all may go: without accounts nobody logs in and every right is there.
    ASSERT_TRUE(admin::deleteManager(db_, root, 0).ok());
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_manager")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_conf where GID='RIGHT'")), 0);
}

}  // namespace
