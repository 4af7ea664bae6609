#pragma once

#include <gtest/gtest.h>

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <ostream>
#include <vector>

#include "app/DataModule.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "support/DataConsistency.h"
#include "support/TestHome.h"
#include "units/UnitTree.h"

// What the unit tree's tests share: a data module on a fresh copy of the template, with helpers
// to read, build and check trees.
namespace unit_tree_test {

using units::UnitFields;
using units::UnitTree;

struct UnitRow {
    int parent = 0;
    int order = 0;
    int level = 0;
    QString index;

    bool operator==(const UnitRow&) const = default;
};

inline void PrintTo(const UnitRow& r, std::ostream* os) {
    *os << "{parent " << r.parent << ", order " << r.order << ", level " << r.level << ", "
        << r.index.toStdString() << '}';
}

// A data module on a fresh copy of the template, which holds a sample tree of 16 units:
// top level 1..6 ("001".."006"), 7..10 below 1, 11..15 below 3, 16 below 6.
class UnitTreeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }

    bool exec(const QString& statement) {
        const bool ok = dm.db().exec(statement);
        if (!ok) {
            ADD_FAILURE() << dm.db().lastError();
        }
        return ok;
    }
    int count(const QString& tableAndWhere) {
        return dm.db().scalar(QStringLiteral("select count(*) from ") + tableAndWhere)->toInt();
    }
    UnitRow row(int id) {
        const auto r = dm.db().query(
            QStringLiteral("select parentID, dwOrder, dwlevel, dwIndex from tb_department "
                           "where ID=") +
            QString::number(id));
        if (!r || r->rows.empty()) {
            ADD_FAILURE() << "unit " << id << " missing";
            return {};
        }
        return {r->rows[0][0].toInt(), r->rows[0][1].toInt(), r->rows[0][2].toInt(),
                r->rows[0][3].toString()};
    }
    // Every column of every row of a table, for "nothing changed" checks.
    std::vector<QVariantList> snapshot(const QString& table) {
        const auto r =
            dm.db().query(QStringLiteral("select * from ") + table + QStringLiteral(" order by 1"));
        return r ? r->rows : std::vector<QVariantList>{};
    }

    // Starts an own tree.
    void clearTree() {
        exec(QStringLiteral("delete * from tb_department"));
        exec(QStringLiteral("delete * from tb_cadre_node"));
        exec(QStringLiteral("delete * from tb_cadre_zw"));
    }
    void insertUnit(int id, int parent, int order, int level, const QString& index,
                    const QString& name = {}, const QString& dwjc = {}) {
        exec(QStringLiteral("insert into tb_department (ID,parentID,Name,dwjc,dwOrder,dwlevel,"
                            "dwIndex,isDep,status) values (") +
             QString::number(id) + u',' + QString::number(parent) + u',' +
             sql::quoted(name.isEmpty() ? QStringLiteral("单位%1").arg(id) : name) + u',' +
             sql::quoted(dwjc) + u',' + QString::number(order) + u',' + QString::number(level) +
             u',' + sql::quoted(index) + QStringLiteral(",True,0)"));
    }
    // A: 1 "001" > B: 2 "00101" > C: 3 "0010101" > D: 4 "001010101";
    // E: 5 "002" > F: 6 "00201", G: 7 "00202".
    void buildChain() {
        clearTree();
        insertUnit(1, 0, 1, 0, QStringLiteral("001"));
        insertUnit(2, 1, 1, 1, QStringLiteral("00101"));
        insertUnit(3, 2, 1, 2, QStringLiteral("0010101"));
        insertUnit(4, 3, 1, 3, QStringLiteral("001010101"));
        insertUnit(5, 0, 2, 0, QStringLiteral("002"));
        insertUnit(6, 5, 1, 1, QStringLiteral("00201"));
        insertUnit(7, 5, 2, 1, QStringLiteral("00202"));
    }
    // `n` children of unit 1 (IDs 101.., orders 1..n) in one go.
    void addChildrenOfFirst(int n) {
        ASSERT_TRUE(dm.db().begin());
        for (int i = 1; i <= n; ++i) {
            insertUnit(100 + i, 1, i, 1, QStringLiteral("001") + *units::unitIndexPart(i));
        }
        ASSERT_TRUE(dm.db().commit());
    }
    UnitFields fieldsOf(int id) {
        const auto r = dm.db().query(
            QStringLiteral("select Name, dwjc, isDep, parentID from tb_department where ID=") +
            QString::number(id));
        return {r->rows[0][0].toString(),
                r->rows[0][1].toString(),
                r->rows[0][2].toBool(),
                r->rows[0][3].toInt(),
                {}};
    }
    void expectConsistent() {
        const QStringList problems = dataConsistencyProblems(dm.db());
        EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n');
    }
    // Units that share an index, and units whose index is not their parent's index (nothing at
    // top level) followed by the two digits of their own order.
    QStringList indexProblems() {
        const auto r = dm.db().query(
            QStringLiteral("select ID, parentID, dwOrder, dwIndex from tb_department order by ID"));
        QHash<int, QString> indexOf;
        QHash<QString, int> holder;
        QStringList problems;
        for (const QVariantList& v : r->rows) {
            const QString index = v[3].toString();
            if (holder.contains(index)) {
                problems << QStringLiteral("units %1 and %2 share the index %3")
                                .arg(holder[index])
                                .arg(v[0].toInt())
                                .arg(index);
            }
            holder.insert(index, v[0].toInt());
            indexOf.insert(v[0].toInt(), index);
        }
        for (const QVariantList& v : r->rows) {
            const int parent = v[1].toInt();
            if (units::unitIndex(
                    parent != 0 ? indexOf.value(parent, QStringLiteral("?")) : QString(),
                    v[2].toInt()) != v[3].toString()) {
                problems << QStringLiteral("unit %1: index %2 does not follow order %3")
                                .arg(v[0].toInt())
                                .arg(v[3].toString())
                                .arg(v[2].toInt());
            }
        }
        return problems;
    }

    TestHome home;
    TDataM dm{home.path() + u'/'};
    UnitTree tree{dm};
};

}  // namespace unit_tree_test
