#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>
#include <optional>
#include <vector>

#include "app/DataModule.h"
#include "db/Database.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

// A copy of the sample database with small helpers to arrange and read posts, memberships and
// cadre records. In the sample, cadre 1 (刘  成) holds 书记 in unit 1 (中共某市委员会) only;
// cadre 2 (何  国) holds 副书记 in unit 1 (member at order 2) and 市长 in unit 3 (某市人民政府,
// member at order 1, followed by cadres 11, 12, 13); unit 7 lists cadres 19, 20, 21, 22, 55, 56.
class CadreData : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }

    db::Database& db() { return dm.db(); }

    void run(const QString& statement) { ASSERT_TRUE(db().exec(statement)) << db().lastError(); }

    // Adds a post of `cadre` in unit `unit` (its stored name as `dw`, or `dw` when given).
    void addPost(int cadre, int unit, const QString& post, int order, const QString& month = {},
                 int status = 1, const QString& dw = {}) {
        const QString unitText = dw.isEmpty() ? dm.UnitName(unit).value() : dw;
        ASSERT_TRUE(db().exec(QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,"
                                             "zwmc,zwOrder,rzsjstr) values (?,?,?,?,?,?,?)"),
                              {cadre, status, unit, unitText, post, order,
                               month.isEmpty() ? QVariant() : QVariant(month)}))
            << db().lastError();
    }

    void addMembership(int cadre, int unit, bool bind) {
        ASSERT_TRUE(db().exec(
            QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,"
                           "zwList,bind) values (?,?,?,?,?)"),
            {cadre, unit, dm.NextMemberOrder(unit).value(), QStringLiteral("旧摘要"), bind}))
            << db().lastError();
    }

    struct Member {
        int order = 0;
        QVariant zwList;
        QVariant rzsjList;
        bool bind = false;
    };
    std::optional<Member> member(int cadre, int unit) {
        const auto r = db().query(
            QStringLiteral("select zwOrder, zwList, rzsjList, bind from tb_cadre_node where "
                           "ZwCadreID=%1 and dwID=%2")
                .arg(cadre)
                .arg(unit));
        if (!r || r->rows.empty()) {
            return std::nullopt;
        }
        const QVariantList& row = r->rows[0];
        return Member{row[0].toInt(), row[1], row[2], row[3].toBool()};
    }

    // The cadres listed in `unit`, in their order, as "cadre:order".
    QStringList unitList(int unit) {
        QStringList list;
        const auto r = db().query(QStringLiteral("select ZwCadreID, zwOrder from tb_cadre_node "
                                                 "where dwID=%1 order by zwOrder")
                                      .arg(unit));
        for (const QVariantList& row : r->rows) {
            list << QStringLiteral("%1:%2").arg(row[0].toInt()).arg(row[1].toInt());
        }
        return list;
    }

    QVariant cadreValue(int cadre, const QString& column) {
        return db()
            .scalar(QStringLiteral("select ") + column +
                    QStringLiteral(" from tb_cadre where CadreID=") + QString::number(cadre))
            .value();
    }

    int count(const QString& table, const QString& where) {
        return db()
            .scalar(QStringLiteral("select count(*) from ") + table + QStringLiteral(" where ") +
                    where)
            ->toInt();
    }

    // Every row of the tables a cadre's posts, memberships, records and removal touch.
    using Snapshot = std::map<QString, std::vector<QVariantList>>;
    Snapshot snapshot() {
        Snapshot all;
        for (const char* table :
             {"tb_cadre", "tb_cadre_zw", "tb_cadre_node", "tb_family", "tb_jc", "tb_kc",
              "tb_pxCadre", "tb_pxCadre2", "tb_beadroll_mirror", "A54", "A55", "A56"}) {
            const QString name = QString::fromLatin1(table);
            if (db().hasTable(name)) {
                all[name] = db().query(QStringLiteral("select * from ") + name +
                                       QStringLiteral(" order "
                                                      "by rowid"))
                                ->rows;
            }
        }
        return all;
    }

    TestHome home;
    TDataM dm{home.path()};
};
