#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include "app/DataModule.h"
#include "db/Database.h"
#include "support/TestHome.h"

// A working database whose cadres are only these, in default order (gbOrd = CadreID):
//  1 张  三  ZS   1972-07-15 男 汉族 中共党员 教授   县处级正职 大学   unit 1, trained 5+5 days
//  2 张小明  ZXM  1971-07-16 女 回族 (none)   副教授 县处级副职 研究生  assessed 优秀 in 2011
//  3 李  四  LS   1971-07-15 男 汉族 群众     增长50% 科员       (none) current post 县长
//  4 王  五  WW   1972-07-16 男 汉族 中共党员 a_b    省部级正职 大学   current post 副县长, retired
//  5 周  华  ZH   (no birth) 女 汉族 中共党员 增长50x (none)     中专   khNote 基本称职
// Unit 1 has a quota row for 县长, so the post search joins a second table with zwmc.
class SearchFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        for (const char* table : {"tb_cadre", "tb_cadre_zw", "tb_cadre_node", "tb_kc", "tb_px",
                                  "tb_pxCadre", "tb_pxCadre2", "tb_department_zs", "tb_tcid"}) {
            exec(QStringLiteral("delete * from ") + QString::fromLatin1(table));
        }
        exec(QStringLiteral(
            "insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,csny,csnyStr,xb,mz,zzmm,zyjszw,"
            "zwjb,gxl,xrz,khNote,zwjbTimeStr) values "
            "(1,1,0,'张  "
            "三','ZS',#1972-07-15#,'1972.07','男','汉族','中共党员','教授','县处级正职',"
            "'大学','县委书记','称职','2001.05'),"
            "(2,2,0,'张小明','ZXM',#1971-07-16#,'1971.07','女','回族',null,'副教授','县处级副职',"
            "'研究生','副县长','优秀','2003.01'),"
            "(3,3,0,'李  四','LS',#1971-07-15#,'1971.07','男','汉族','群众','增长50%','科员',null,"
            "'县长','不称职',null),"
            "(4,4,1,'王  五','WW',#1972-07-16#,'1972.07','男','汉族','中共党员','a_b','省部级正职',"
            "'大学','副县长',null,'1999.12'),"
            "(5,5,0,'周  华','ZH',null,null,'女','汉族','中共党员','增长50x',null,'中专',null,"
            "'基本称职',null)"));
        exec(
            QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,dwID,zwmc,rzsj) values "
                           "(3,1,1,'县长',#2010-03-01#),(4,1,1,'副县长',#2011-05-01#),"
                           "(2,2,1,'县长',#2005-01-01#)"));
        exec(QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwrs) values (1,'县长',1)"));
        exec(QStringLiteral(
            "insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,jrsj) values (1,1,1,#2005-06-01#)"));
        exec(QStringLiteral("insert into tb_kc (cid,kcYear,kcjl) values (2,2011,'优秀')"));
        // The same training counted in both tables: rows that are equal, and both count.
        exec(
            QStringLiteral("insert into tb_px (pxid,pxTimeB,pxks,pxMethod,pxType1) values "
                           "(1,#2011-03-01#,5,'单位内部培训','任职培训')"));
        exec(QStringLiteral("insert into tb_pxCadre (ID,pxid,CadreID) values (1,1,1)"));
        exec(
            QStringLiteral("insert into tb_pxCadre2 (ID,CadreID,pxTimeB,pxks,pxMethod,pxType1) "
                           "values (1,1,#2011-03-01#,5,'单位内部培训','任职培训')"));
    }

    void exec(const QString& sql) { ASSERT_TRUE(dm.db().exec(sql)) << dm.db().lastError(); }

    // The cadres (names without blanks) that `where` selects, in default order.
    QStringList selected(const QString& where) {
        const auto rows = dm.db().query(QStringLiteral("select xm from tb_cadre ") + where +
                                        QStringLiteral(" order by gbOrd"));
        EXPECT_TRUE(rows) << dm.db().lastError() << '\n' << where.toStdString();
        QStringList names;
        if (rows) {
            for (const QVariantList& row : rows->rows) {
                names << row.value(0).toString().remove(u' ');
            }
        }
        return names;
    }

    // The result's cadres in key order, and their keys.
    QStringList resultNames() { return column(QStringLiteral("xm")); }
    QStringList resultKeys() { return column(QStringLiteral("tords")); }
    QStringList column(const QString& name) {
        const auto rows = dm.db().query(
            QStringLiteral("select xm,tords from tb_tcid as a left outer join tb_cadre as b on "
                           "b.cadreid=a.tcid order by tords,tord"));
        EXPECT_TRUE(rows) << dm.db().lastError();
        QStringList values;
        for (size_t i = 0; rows && i < rows->rows.size(); ++i) {
            values << rows->value(i, name).toString().remove(u' ');
        }
        return values;
    }

    TestHome home;
    TDataM dm{home.path()};
};
