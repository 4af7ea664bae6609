#include <gtest/gtest.h>

#include <QDate>

#include "app/DataModule.h"
#include "db/Database.h"
#include "search/SearchResult.h"
#include "statistics/ChartData.h"
#include "support/TestHome.h"

using namespace statistics;

namespace {

const QDate kToday(2012, 7, 15);

class ChartDataTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError().toStdString();
        for (const char* table : {"tb_cadre", "tb_cadre_node", "tb_tcid"}) {
            exec(QStringLiteral("delete * from ") + QString::fromLatin1(table));
        }
        // Ages on the day: 35, 60, 61, 36, none; 戊's birth date text is missing.
        exec(QStringLiteral(
            "insert into tb_cadre (CadreID,gbOrd,xm,csny,csnyStr,xb,mz,zzmm,gxl) values "
            "(1,1,'甲',#1977-07-15#,'1977.07','男','汉族','中共党员','大学'),"
            "(2,2,'乙',#1952-07-15#,'1952.07','女','回族',null,'大学'),"
            "(3,3,'丙',#1951-07-15#,'1951.07','男','汉族','群众',''),"
            "(4,4,'丁',#1976-07-15#,'1976.07','x','汉族','中共党员','研究生'),"
            "(5,5,'戊',#1970-01-01#,null,'女','汉族','中共党员','大学')"));
        // 甲 and 乙 in the two units under 001; 甲 in both.
        exec(
            QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder) values "
                           "(1,1,1),(1,2,1),(2,2,2),(3,3,1)"));
        exec(QStringLiteral("update tb_department set dwIndex='001' where ID=1"));
        exec(QStringLiteral("update tb_department set dwIndex='001001' where ID=2"));
        exec(QStringLiteral("update tb_department set dwIndex='002' where ID=3"));
    }
    void exec(const QString& sql) {
        ASSERT_TRUE(dm.db().exec(sql)) << dm.db().lastError().toStdString();
    }
    QList<ChartRow> rows(ChartKind kind, const ChartSet& set) {
        const Result<QList<ChartRow>> result = chartRows(dm.db(), kind, set, kToday);
        EXPECT_TRUE(result) << result.failure().dbError.toStdString();
        return result ? *result : QList<ChartRow>{};
    }

    TestHome home;
    TDataM dm{home.path()};
};

QString text(const QList<ChartRow>& list) {
    QStringList parts;
    for (const ChartRow& row : list) {
        parts << row.label + u'=' + QString::number(row.count);
    }
    return parts.join(u' ');
}

TEST_F(ChartDataTest, TheResultIsCountedByEveryAttribute) {
    ASSERT_TRUE(search::runSearch(dm.db(), search::SearchMode::Replace, QString()));
    const ChartSet result;
    EXPECT_EQ(text(rows(ChartKind::Age, result)),
              QStringLiteral("<未知>=1 35岁以下=1 36-40岁=1 41-45岁=0 46-50岁=0 51-55岁=0 "
                             "56-60岁=1 60岁以上=1"));
    EXPECT_EQ(text(rows(ChartKind::Sex, result)), QStringLiteral("男=2 女=2 <未知>=1"));
    EXPECT_EQ(text(rows(ChartKind::Education, result)), QStringLiteral("<未知>=1 大学=3 研究生=1"));
    EXPECT_EQ(text(rows(ChartKind::Party, result)), QStringLiteral("<未知>=1 中共党员=3 群众=1"));
    EXPECT_EQ(text(rows(ChartKind::Nationality, result)), QStringLiteral("回族=1 汉族=4"));
}

TEST_F(ChartDataTest, AUnitCountsItsMembersAndASubtreeEachCadreOnce) {
    ChartSet unit{ChartSet::Source::Unit, 2, QString()};
    EXPECT_EQ(text(rows(ChartKind::Sex, unit)), QStringLiteral("男=1 女=1"));
    ChartSet subtree{ChartSet::Source::Subtree, 0, QStringLiteral("001")};
    EXPECT_EQ(text(rows(ChartKind::Nationality, subtree)), QStringLiteral("回族=1 汉族=1"));
    ChartSet empty{ChartSet::Source::Unit, 99, QString()};
    EXPECT_TRUE(rows(ChartKind::Party, empty).isEmpty());
    EXPECT_TRUE(rows(ChartKind::Sex, empty).isEmpty());
    const QList<ChartRow> ages = rows(ChartKind::Age, empty);
    ASSERT_EQ(ages.size(), 8);
    for (const ChartRow& row : ages) {
        EXPECT_EQ(row.count, 0);
    }
}

// The unit list's "干部类型" narrows a unit's or a subtree's cadres to those sharing a type bit.
TEST_F(ChartDataTest, AUnitsTypeFilterNarrowsItsCadres) {
    exec(QStringLiteral("update tb_cadre set ctype=1 where CadreID=1"));
    exec(QStringLiteral("update tb_cadre set ctype=6 where CadreID=2"));
    ChartSet unit{ChartSet::Source::Unit, 2, QString(), 0b10};
    EXPECT_EQ(text(rows(ChartKind::Sex, unit)), QStringLiteral("女=1"));
    unit.cadreTypes = 0b101;
    EXPECT_EQ(text(rows(ChartKind::Sex, unit)), QStringLiteral("男=1 女=1"));
    unit.cadreTypes = 0b1000;
    EXPECT_TRUE(rows(ChartKind::Nationality, unit).isEmpty());
    const ChartSet subtree{ChartSet::Source::Subtree, 0, QStringLiteral("001"), 0b01};
    EXPECT_EQ(text(rows(ChartKind::Age, subtree)),
              QStringLiteral("<未知>=0 35岁以下=1 36-40岁=0 41-45岁=0 46-50岁=0 51-55岁=0 "
                             "56-60岁=0 60岁以上=0"));
}

}  // namespace
