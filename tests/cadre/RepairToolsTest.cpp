#include <gtest/gtest.h>

#include "CadreData.h"
#include "RepairToolsData.h"
#include "cadre/RepairTools.h"

namespace {

class RepairToolsTest : public CadreData {
  protected:
    Result<int> repair(const QString& caption) {
        for (const cadre::RepairTool& tool : cadre::repairTools()) {
            if (tool.caption == caption) {
                return cadre::runRepairTool(dm, tool);
            }
        }
        return Failure{QStringLiteral("no tool ") + caption, {}};
    }

    QStringList familyOrders(int cadre) {
        QStringList list;
        const auto r =
            db().query(QStringLiteral("select xm, ford from tb_family where CadreID=") +
                       QString::number(cadre) + QStringLiteral(" order by ford, FamilyID"));
        for (const QVariantList& row : r->rows) {
            list << row[0].toString() + u':' + row[1].toString();
        }
        return list;
    }
};

TEST_F(RepairToolsTest, EveryToolRunTwiceOnTheSampleChangesNothingTheSecondTime) {
    expectRepairsSettle(dm);
}

TEST_F(RepairToolsTest, EducationComesFromTheInServiceOrElseTheFullTimeRecord) {
    run(
        QStringLiteral("update tb_cadre set zzxl='大学',zzxxzy='党校',zzxw='',qrzxl='大专',"
                       "qrzxxzy='某学院',qrzxw='无',gxl='',gxlxx='',gxw='x' where CadreID=1"));
    run(
        QStringLiteral("update tb_cadre set zzxl='无',zzxxzy=null,zzxw='硕士',qrzxl='大专',"
                       "qrzxxzy='某学院',qrzxw='学士',gxl='',gxlxx='',gxw='' where CadreID=2"));
    const Result<int> changed = repair(QStringLiteral("重新分析干部学历、学位"));
    ASSERT_TRUE(changed) << changed.errorText();
    EXPECT_GE(*changed, 2);
    const auto education = [this](int cadre) {
        QStringList texts;
        for (const char* column : {"gxl", "gxlxx", "gxw", "qrzxw", "zzxl"}) {
            texts << cadreValue(cadre, QString::fromLatin1(column)).toString();
        }
        return texts;
    };
    EXPECT_EQ(education(1), (QStringList{QStringLiteral("大学"), QStringLiteral("党校"), QString(),
                                         QString(), QStringLiteral("大学")}));
    // An in-service degree sets the school to the in-service one, here empty.
    EXPECT_EQ(education(2), (QStringList{QStringLiteral("大专"), QString(), QStringLiteral("硕士"),
                                         QStringLiteral("学士"), QString()}));
}

TEST_F(RepairToolsTest, OrdersCloseTheirGapsKeepingTheSequenceAndHistoryStays) {
    run(QStringLiteral("update tb_cadre_node set zwOrder=7 where dwID=3 and ZwCadreID=2"));
    run(QStringLiteral("update tb_cadre_node set zwOrder=1 where dwID=3 and ZwCadreID=11"));
    run(QStringLiteral("update tb_cadre_node set zwOrder=3 where dwID=3 and ZwCadreID=12"));
    run(QStringLiteral("update tb_cadre_node set zwOrder=3 where dwID=3 and ZwCadreID=13"));
    run(QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder) values (5,0,1)"));
    addPost(5, 0, QStringLiteral("科员"), 9, QStringLiteral("1990.01"), 2,
            QStringLiteral("某县农机站"));
    run(QStringLiteral("insert into tb_family (CadreID,ford,xm) values (1,5,'甲')"));
    run(QStringLiteral("insert into tb_family (CadreID,ford,xm) values (1,5,'乙')"));
    const Result<int> changed = repair(QStringLiteral("重新排列干部职务序号"));
    ASSERT_TRUE(changed) << changed.errorText();
    EXPECT_EQ(unitList(3), (QStringList{QStringLiteral("11:1"), QStringLiteral("12:2"),
                                        QStringLiteral("13:3"), QStringLiteral("2:4")}));
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"), QStringLiteral("dwID=0")), 0);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"),
                    QStringLiteral("ZwCadreID=5 and dwID=0 and dw='某县农机站'")),
              1);
    // Each cadre's current and former posts are numbered 1..n in their own lists.
    EXPECT_EQ(
        count(QStringLiteral("tb_cadre_zw"),
              QStringLiteral("zwOrder>(select count(*) from tb_cadre_zw as b where "
                             "b.ZwCadreID=tb_cadre_zw.ZwCadreID and b.status=tb_cadre_zw.status)")),
        0);

    ASSERT_TRUE(repair(QStringLiteral("更新家庭成员顺序")));
    const QStringList family = familyOrders(1);
    ASSERT_GE(family.size(), 3);
    EXPECT_EQ(family.mid(family.size() - 2),
              (QStringList{QStringLiteral("甲:") + QString::number(family.size() - 1),
                           QStringLiteral("乙:") + QString::number(family.size())}));
}

TEST_F(RepairToolsTest, PostTextsFollowTheCurrentPostsUnlessLocked) {
    run(QStringLiteral("update tb_cadre set xrz='旧',allZwList='旧' where CadreID in (1,2)"));
    run(QStringLiteral("update tb_cadre set ZwLock=True where CadreID=2"));
    run(QStringLiteral("update tb_cadre_zw set dw='旧名' where dwID=1"));
    run(QStringLiteral("delete * from tb_cadre_node where ZwCadreID=1"));
    const Result<int> changed = repair(QStringLiteral("重新分析干部职务信息"));
    ASSERT_TRUE(changed) << changed.errorText();
    EXPECT_GE(*changed, 2);
    EXPECT_EQ(
        count(QStringLiteral("tb_cadre_zw"), QStringLiteral("dwID=1 and dw<>'中共某市委员会'")), 0);
    EXPECT_EQ(cadreValue(1, QStringLiteral("xrz")).toString(),
              QStringLiteral("中共某市委员会书记"));
    EXPECT_TRUE(member(1, 1).has_value());
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(), QStringLiteral("旧"));
}

TEST_F(RepairToolsTest, PinyinAndPlacesAreRecomputed) {
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_cadre set py='XX',cssheng=?,jgsheng=? where "
                                         "CadreID=1"),
                          {QStringLiteral("山东\r\n济南"), QStringLiteral("安徽\n合肥")}));
    ASSERT_TRUE(repair(QStringLiteral("重新分析干部拼音检索")));
    EXPECT_EQ(cadreValue(1, QStringLiteral("py")).toString(), QStringLiteral("LC"));
    const Result<int> changed = repair(QStringLiteral("去除出生地、籍贯中回车符"));
    ASSERT_TRUE(changed) << changed.errorText();
    EXPECT_EQ(*changed, 1);
    EXPECT_EQ(cadreValue(1, QStringLiteral("cssheng")).toString(), QStringLiteral("山东济南"));
    EXPECT_EQ(cadreValue(1, QStringLiteral("jgsheng")).toString(), QStringLiteral("安徽合肥"));
}

TEST_F(RepairToolsTest, PlanAgesAndAppraisalNotesAreRecomputed) {
    run(QStringLiteral("insert into tb_rmmc (id,name,tbsj) values (1,'甲',#2024-06-30#)"));
    run(QStringLiteral("insert into tb_rmmc (id,name) values (2,'乙')"));
    // Born 1970-07-01: 53 on 2024-06-30, born 1970-01-01: 54; the line of the plan without tbsj
    // keeps its age.
    run(
        QStringLiteral("insert into tb_rmmc_detail (id,mcID,McCadreID,brOrder,csny,age) values "
                       "(1,1,1,1,#1970-07-01#,99),(2,1,2,2,#1970-01-01#,54),"
                       "(3,2,1,1,#1970-07-01#,7),(4,1,3,3,null,8)"));
    const Result<int> ages = repair(QStringLiteral("计算任免表中干部年龄"));
    ASSERT_TRUE(ages) << ages.errorText();
    EXPECT_EQ(*ages, 1);
    const auto r = db().query(QStringLiteral("select age from tb_rmmc_detail order by id"));
    QList<int> stored;
    for (const QVariantList& row : r->rows) {
        stored << row[0].toInt();
    }
    EXPECT_EQ(stored, (QList<int>{53, 54, 7, 8}));

    run(
        QStringLiteral("insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values "
                       "(1,2024,#2025-01-15#,'年度考核','2024年度考核','优秀'),"
                       "(1,2020,#2025-01-15#,'平时考核','平时','不称职')"));
    const QVariant other = cadreValue(2, QStringLiteral("khNote"));
    const Result<int> notes = repair(QStringLiteral("批量更新近3年年度考核情况"));
    ASSERT_TRUE(notes) << notes.errorText();
    EXPECT_EQ(*notes, 1);
    EXPECT_EQ(cadreValue(1, QStringLiteral("khNote")).toString(),
              QStringLiteral("2022年度考核称职，2023年度考核称职，2024年度考核优秀。"));
    EXPECT_EQ(cadreValue(2, QStringLiteral("khNote")), other);
}

TEST_F(RepairToolsTest, AFailureHalfWayLeavesEveryRowAsItWas) {
    run(QStringLiteral("update tb_cadre set py='XX'"));
    ASSERT_TRUE(db().execNative(QStringLiteral(
        "create trigger refuse_py before update of py on tb_cadre when old.CadreID=40 begin "
        "select raise(abort,'refused'); end")))
        << db().lastError();
    const auto before = repairedTables(db());
    const Result<int> changed = repair(QStringLiteral("重新分析干部拼音检索"));
    ASSERT_FALSE(changed);
    EXPECT_TRUE(changed.failure().dbError.contains(QStringLiteral("refused")));
    EXPECT_TRUE(repairedTables(db()) == before);
}

}  // namespace
