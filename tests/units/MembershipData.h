#pragma once

#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <QVariant>
#include <vector>

#include "app/DataModule.h"
#include "db/Database.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

// In the sample data cadre 2 (何  国) belongs to units 1 (order 2) and 3 (order 1); unit 3 has
// further members. Cadre 1 belongs to unit 1 only. Unit 8 has 7 members with orders 1..7, unit 7
// 6 members, unit 12 cadres 35..38 at orders 1..4.
class MembershipData : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    struct Row {
        int count = 0;
        int order = 0;
        QString entered;
        QVariant date;
        bool nobz = false;
    };
    Row row(int unit, int cadre) {
        const auto r = dm.db().query(
            QStringLiteral("select zwOrder, jrsjStr, jrsj, nobz from tb_cadre_node where dwID=%1 "
                           "and ZwCadreID=%2")
                .arg(unit)
                .arg(cadre));
        Row out;
        out.count = static_cast<int>(r->rows.size());
        if (out.count > 0) {
            out.order = r->rows[0].value(0).toInt();
            out.entered = r->rows[0].value(1).toString();
            out.date = r->rows[0].value(2);
            out.nobz = r->rows[0].value(3).toBool();
        }
        return out;
    }
    std::vector<QVariantList> memberships() {
        return dm.db().query(QStringLiteral("select * from tb_cadre_node order by CnID"))->rows;
    }
    // The cadres of unit `unit` by order, as (cadre, order) pairs.
    std::vector<QVariantList> members(int unit) {
        return dm.db()
            .query(QStringLiteral("select ZwCadreID, zwOrder from tb_cadre_node where dwID=%1 "
                                  "order by zwOrder, ZwCadreID")
                       .arg(unit))
            ->rows;
    }
    QList<int> cadresInOrder(int unit) {
        QList<int> ids;
        for (const QVariantList& row : members(unit)) {
            ids << row.value(0).toInt();
        }
        return ids;
    }
    QList<int> orders(int unit) {
        QList<int> values;
        for (const QVariantList& row : members(unit)) {
            values << row.value(1).toInt();
        }
        return values;
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
};
