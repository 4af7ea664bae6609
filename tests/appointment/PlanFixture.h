#pragma once

#include <gtest/gtest.h>

#include <QDate>
#include <QString>
#include <QStringList>

#include "app/DataModule.h"
#include "appointment/PlanLines.h"
#include "appointment/Plans.h"
#include "db/Database.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

// A working database with helpers to make cadres, families and plans and to read lines back.
class PlanFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }

    db::Database& db() { return dm.db(); }

    int addCadre(const QString& name, const QDate& birth = QDate(1970, 5, 1)) {
        EXPECT_TRUE(db().exec(
            QStringLiteral("insert into tb_cadre (Classid,xm,xb,csny,csnyStr,qrzxl,qrzxxzy,gzjl) "
                           "values (0,?,'男',?,?,'大学','某大学','简历')"),
            {name, birth, birth.toString(QStringLiteral("yyyy.MM"))}))
            << db().lastError().toStdString();
        return static_cast<int>(db().lastInsertId());
    }

    void addFamily(int cadre, int members) {
        for (int i = 1; i <= members; ++i) {
            ASSERT_TRUE(
                db().exec(QStringLiteral("insert into tb_family (CadreID,ford,cw,xm,"
                                         "cssjStr,zzmm,dw) values (?,?,'子女',?,?,"
                                         "'群众',?)"),
                          {cadre, i, QStringLiteral("成员%1").arg(i),
                           QStringLiteral("1990.0%1").arg(i), QStringLiteral("单位%1").arg(i)}))
                << db().lastError().toStdString();
        }
    }

    int addPlan(const QString& name, const QDate& tbsj = QDate(2024, 6, 30), int rmzt = 0) {
        appointment::PlanHeader plan;
        plan.name = name;
        plan.tbsj = tbsj;
        plan.rmzt = rmzt;
        const Result<int> id = appointment::savePlan(db(), plan);
        EXPECT_TRUE(id) << id.errorText().toStdString();
        return id ? *id : 0;
    }

    // The lines of `plan` in their order as "xm:brOrder".
    QStringList lines(int plan) {
        QStringList list;
        const auto rows = db().query(QStringLiteral("select xm,brOrder from tb_rmmc_detail where "
                                                    "mcID=? order by brOrder"),
                                     {plan});
        for (const QVariantList& row : rows->rows) {
            list << row[0].toString() + u':' + row[1].toString();
        }
        return list;
    }

    int lineId(int plan, int order) {
        return db()
            .scalar(QStringLiteral("select id from tb_rmmc_detail where mcID=? and brOrder=?"),
                    {plan, order})
            ->toInt();
    }

    QVariant lineValue(int line, const QString& column) {
        return db()
            .scalar(QStringLiteral("select ") + column +
                        QStringLiteral(" from tb_rmmc_detail where id=?"),
                    {line})
            .value();
    }

    TestHome home;
    TDataM dm{home.path()};
};
