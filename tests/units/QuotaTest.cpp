#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "app/DataModule.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"
#include "units/QuotaAnalysis.h"
#include "units/Quotas.h"

namespace {

// The sample database; unit 16 gets the posts and members each test describes.
class QuotaTest : public ::testing::Test {
  public:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    void exec(const QString& statement) {
        if (!dm.db().exec(statement)) {
            ADD_FAILURE() << dm.db().lastError().toStdString();
        }
    }
    void addPost(int cadre, int status, int unit, const QString& name) {
        exec(QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,dwID,zwmc) values (") +
             QString::number(cadre) + QLatin1Char(',') + QString::number(status) +
             QLatin1Char(',') + QString::number(unit) + QLatin1Char(',') + sql::quoted(name) +
             QLatin1Char(')'));
    }
    void addMember(int cadre, int unit, bool nobz, const QString& identity) {
        exec(QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,nobz) values (") +
             QString::number(cadre) + QLatin1Char(',') + QString::number(unit) +
             QStringLiteral(",99,") + (nobz ? QStringLiteral("True") : QStringLiteral("False")) +
             QLatin1Char(')'));
        exec(QStringLiteral("update tb_cadre set rybz=") + sql::quoted(identity) +
             QStringLiteral(" where CadreID=") + QString::number(cadre));
    }
    int count(const QString& tableAndWhere) {
        return dm.db().scalar(QStringLiteral("select count(*) from ") + tableAndWhere)->toInt();
    }

    TestHome home;
    TDataM dm{home.path()};
};

TEST_F(QuotaTest, HoldersAreTheActivePostsOfTheUnitWithExactlyThatName) {
    const QString post = QStringLiteral("测试'主任");
    // Never counted: a former post, a post of another unit, a name written differently.
    addPost(20, 2, 16, post);
    addPost(21, 1, 15, post);
    addPost(22, 1, 16, QStringLiteral("测试'副主任"));
    struct Case {
        int holders;
        int quota;
        const char* state;
    };
    const Case cases[] = {{1, 2, "缺编"}, {2, 2, "持平"}, {3, 2, "超编"}, {0, 0, "持平"}};
    for (const Case& c : cases) {
        exec(QStringLiteral("delete from tb_cadre_zw where status=1 and dwID=16 and zwmc=") +
             sql::quoted(post));
        for (int i = 0; i < c.holders; ++i) {
            addPost(30 + i, 1, 16, post);
        }
        EXPECT_EQ(units::countQuotaHolders(dm.db(), 16, post).value(), c.holders);
        exec(QStringLiteral("delete from tb_department_zs"));
        units::QuotaRow row;
        row.dwId = 16;
        row.zwmc = post;
        row.zwtype = QStringLiteral("正职");
        row.zwrs = c.quota;
        row.dqrs = 77;  // never trusted: saving recounts
        const Result<int> id = units::saveQuotaRow(dm.db(), row);
        ASSERT_TRUE(id) << id.errorText().toStdString();
        ASSERT_GT(*id, 0);
        const auto rows = units::loadQuotaRows(dm.db(), 16).value();
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].dqrs, c.holders);
        EXPECT_EQ(TDataM::QuotaState(rows[0].dqrs, rows[0].zwrs), QString::fromUtf8(c.state));
    }
    // A unit being created has no holders.
    EXPECT_EQ(units::countQuotaHolders(dm.db(), 0, post).value(), 0);
}

TEST_F(QuotaTest, RefreshingStoresTheRecountedHoldersOfEveryRowOfTheUnit) {
    exec(QStringLiteral("delete from tb_department_zs"));
    exec(
        QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwtype,zwrs,dqrs) values "
                       "(16,'甲','正职',1,5),(16,'乙','副职',2,5),(15,'甲','正职',1,5)"));
    addPost(40, 1, 16, QStringLiteral("甲"));
    addPost(41, 1, 16, QStringLiteral("乙"));
    addPost(42, 1, 16, QStringLiteral("乙"));
    ASSERT_TRUE(units::refreshQuotaCounts(dm.db(), 16)) << dm.db().lastError().toStdString();
    const auto rows = units::loadQuotaRows(dm.db(), 16).value();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].zwmc, QStringLiteral("甲"));
    EXPECT_EQ(rows[0].dqrs, 1);
    EXPECT_EQ(rows[1].dqrs, 2);
    // Another unit's row is left alone.
    EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID=15 and dqrs=5")), 1);
}

TEST_F(QuotaTest, StaffingCountsMembersInStaffingByIdentity) {
    exec(QStringLiteral("delete from tb_cadre_node where dwID=16"));
    addMember(10, 16, false, QStringLiteral("公务员"));
    addMember(11, 16, false, QStringLiteral("公务员"));
    addMember(12, 16, true, QStringLiteral("公务员"));  // nobz: not counted
    addMember(13, 16, false, QString());                // no identity
    addMember(14, 16, false, QStringLiteral("参照公务员"));
    addMember(15, 15, false, QStringLiteral("行政编制"));  // another unit
    const auto counts = units::countStaffing(dm.db(), 16);
    ASSERT_TRUE(counts.ok()) << counts.errorText().toStdString();
    EXPECT_EQ(counts->size(), 2);
    EXPECT_EQ(counts->value(QStringLiteral("公务员")), 2);
    EXPECT_EQ(counts->value(QStringLiteral("参照公务员")), 1);

    exec(QStringLiteral("delete from tb_department_bz"));
    struct Case {
        const char* identity;
        int bzs;
        int sjs;
    };
    const Case cases[] = {{"公务员", 3, 2}, {"行政编制", 1, 0}, {"参照公务员", 1, 1}};
    for (const Case& c : cases) {
        ASSERT_TRUE(units::saveStaffing(dm.db(), 16, QString::fromUtf8(c.identity), c.bzs));
    }
    const auto rows = units::refreshStaffing(dm.db(), 16);
    ASSERT_TRUE(rows.ok()) << rows.errorText().toStdString();
    ASSERT_EQ(rows->size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ((*rows)[i].rybz, QString::fromUtf8(cases[i].identity));
        EXPECT_EQ((*rows)[i].bzs, cases[i].bzs);
        EXPECT_EQ((*rows)[i].sjs, cases[i].sjs) << i;
        EXPECT_EQ(count(QStringLiteral("tb_department_bz where dwID=16 and rybz=") +
                        sql::quoted(QString::fromUtf8(cases[i].identity)) +
                        QStringLiteral(" and sjs=") + QString::number(cases[i].sjs)),
                  1);
    }
}

// A members' count that cannot be read is reported, and the stored actual numbers stay.
TEST_F(QuotaTest, AStaffingCountThatFailsStoresNothing) {
    exec(QStringLiteral("delete from tb_department_bz"));
    exec(
        QStringLiteral("insert into tb_department_bz (dwID,rybz,bzs,sjs) values "
                       "(16,'公务员',3,2),(16,'行政编制',1,1)"));
    ASSERT_TRUE(dm.db().execNative(QStringLiteral("DROP TABLE tb_cadre_node")));
    EXPECT_FALSE(units::countStaffing(dm.db(), 16).ok());
    const auto rows = units::refreshStaffing(dm.db(), 16);
    ASSERT_FALSE(rows.ok());
    EXPECT_TRUE(rows.errorText().contains(QStringLiteral("tb_cadre_node")))
        << rows.errorText().toStdString();
    EXPECT_EQ(count(QStringLiteral("tb_department_bz where dwID=16 and rybz='公务员' and sjs=2")),
              1);
    EXPECT_EQ(count(QStringLiteral("tb_department_bz where dwID=16 and rybz='行政编制' and sjs=1")),
              1);
}

TEST_F(QuotaTest, OneStaffingRowPerUnitAndIdentity) {
    exec(QStringLiteral("delete from tb_department_bz"));
    const QString identity = QStringLiteral("公务员");
    const auto stored = [this](int unit, const QString& rybz) {
        const Result<std::optional<int>> quota = units::staffingQuota(dm.db(), unit, rybz);
        EXPECT_TRUE(quota.ok()) << quota.errorText().toStdString();
        return quota ? *quota : std::optional<int>(-99);
    };
    EXPECT_EQ(stored(16, identity), std::nullopt);
    ASSERT_TRUE(units::saveStaffing(dm.db(), 16, identity, 3));
    ASSERT_TRUE(units::saveStaffing(dm.db(), 16, identity, 5));
    ASSERT_TRUE(units::saveStaffing(dm.db(), 15, identity, 7));
    EXPECT_EQ(count(QStringLiteral("tb_department_bz where dwID=16")), 1);
    EXPECT_EQ(stored(16, identity), 5);
    EXPECT_EQ(stored(15, identity), 7);
    // A quote in the identity is data, not SQL.
    ASSERT_TRUE(units::saveStaffing(dm.db(), 16, QStringLiteral("x' or '1'='1"), 2));
    EXPECT_EQ(stored(16, QStringLiteral("x' or '1'='1")), 2);
    ASSERT_TRUE(units::deleteStaffing(dm.db(), 16, identity));
    EXPECT_EQ(stored(16, identity), std::nullopt);
    EXPECT_EQ(stored(15, identity), 7);
    EXPECT_EQ(count(QStringLiteral("tb_department_bz")), 2);
    // A quota that cannot be read is a failure, not "no row".
    exec(QStringLiteral("drop table tb_department_bz"));
    EXPECT_FALSE(units::staffingQuota(dm.db(), 15, identity).ok());
}

TEST_F(QuotaTest, PendingQuotaRowsAreAttachedToTheNewUnitOrDropped) {
    exec(QStringLiteral("delete from tb_department_zs"));
    exec(QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwrs) values (15,'甲',1)"));
    for (const char* name : {"乙", "丙"}) {
        units::QuotaRow row;
        row.zwmc = QString::fromUtf8(name);
        row.zwrs = 1;
        ASSERT_GT(units::saveQuotaRow(dm.db(), row).value(), 0);
    }
    EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID=0")), 2);
    ASSERT_TRUE(units::attachPendingQuotas(dm.db(), 16));
    EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID=16")), 2);
    EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID=15")), 1);

    units::QuotaRow row;
    row.zwmc = QStringLiteral("丁");
    ASSERT_GT(units::saveQuotaRow(dm.db(), row).value(), 0);
    ASSERT_TRUE(units::dropPendingQuotas(dm.db()));
    EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID=0")), 0);
    EXPECT_EQ(count(QStringLiteral("tb_department_zs")), 3);
}

TEST_F(QuotaTest, TheListsComeFromTheSettings) {
    const QStringList categories = units::postCategories(dm.db()).value();
    ASSERT_FALSE(categories.isEmpty());
    EXPECT_EQ(categories.first(), QStringLiteral("正职"));
    EXPECT_TRUE(categories.contains(QStringLiteral("副职")));
    EXPECT_EQ(units::staffIdentities(dm.db()).value().size(), 5);
    EXPECT_EQ(units::staffIdentities(dm.db()).value().at(3), QStringLiteral("全额拨款事业编制"));
    // An identity the department adds is offered in its place of the list.
    exec(QStringLiteral("insert into tb_conf (GID,ItemID,ItemV) values ('GBSF','聘用','015')"));
    EXPECT_EQ(units::staffIdentities(dm.db()).value().at(1), QStringLiteral("聘用"));
}

}  // namespace
