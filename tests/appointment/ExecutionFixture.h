#pragma once

#include <map>
#include <vector>

#include "PlanFixture.h"

// A plan with one line for cadre 2 of the sample (何  国: 副书记 of unit 1 and 市长 of unit 3,
// both since 2022.05) proposing to make him 主席 of unit 4 and to remove him as 市长.
class ExecutionFixture : public PlanFixture {
  protected:
    static constexpr int kCadre = 2;
    static constexpr int kNewUnit = 4;

    void SetUp() override {
        PlanFixture::SetUp();
        plan = addPlan(QStringLiteral("方案"));
        ASSERT_TRUE(appointment::addCadres(db(), plan, {kCadre}));
        line = lineId(plan, 1);
        ASSERT_TRUE(db().exec(
            QStringLiteral("update tb_rmmc_detail set nrz=?, nmz=? where id=?"),
            {QStringLiteral("政协某市委员会主席"), QStringLiteral("某市人民政府市长"), line}));
        mayorPost = db().scalar(QStringLiteral("select ZwID from tb_cadre_zw where ZwCadreID=? "
                                               "and zwmc='市长'"),
                                {kCadre})
                        ->toInt();
        ASSERT_NE(mayorPost, 0);
    }

    // Every row of the tables an execution may touch.
    using Snapshot = std::map<QString, std::vector<QVariantList>>;
    Snapshot snapshot() {
        Snapshot all;
        for (const char* table : {"tb_cadre", "tb_cadre_zw", "tb_cadre_node", "tb_rmmc_detail"}) {
            const QString name = QString::fromLatin1(table);
            all[name] = db().query(QStringLiteral("select * from ") + name +
                                   QStringLiteral(" order by rowid"))
                            ->rows;
        }
        return all;
    }

    QVariant cadreValue(const QString& column) {
        return db()
            .scalar(QStringLiteral("select ") + column +
                        QStringLiteral(" from tb_cadre where CadreID=?"),
                    {kCadre})
            .value();
    }

    // The cadre's posts as "status:unit:post:from-to:order", current ones first.
    QStringList posts() {
        QStringList list;
        const auto rows = db().query(
            QStringLiteral("select status,dwID,zwmc,rzsjstr,mzsjstr,mzsj,zwOrder from tb_cadre_zw "
                           "where ZwCadreID=? order by status,zwOrder"),
            {kCadre});
        for (const QVariantList& row : rows->rows) {
            list << QStringLiteral("%1:%2:%3:%4-%5(%6):%7")
                        .arg(row[0].toInt())
                        .arg(row[1].toInt())
                        .arg(row[2].toString(), row[3].toString(), row[4].toString(),
                             row[5].toDate().toString(Qt::ISODate))
                        .arg(row[6].toInt());
        }
        return list;
    }

    // The cadre's memberships as "unit:zwList:rzsjList:bind".
    QStringList memberships() {
        QStringList list;
        const auto rows =
            db().query(QStringLiteral("select dwID,zwList,rzsjList,bind from "
                                      "tb_cadre_node where ZwCadreID=? order by dwID"),
                       {kCadre});
        for (const QVariantList& row : rows->rows) {
            list << QStringLiteral("%1:%2:%3:%4")
                        .arg(row[0].toInt())
                        .arg(row[1].toString(), row[2].toString())
                        .arg(row[3].toBool());
        }
        return list;
    }

    int plan = 0;
    int line = 0;
    int mayorPost = 0;
};
