#include <gtest/gtest.h>

#include <QDate>
#include <QString>
#include <vector>

#include "UnitTreeFixture.h"
#include "support/QtPrinters.h"
#include "units/UnitTree.h"

namespace {

using unit_tree_test::UnitTreeTest;
using units::UnitTree;

class UnitRemovalTest : public UnitTreeTest {
  protected:
    void SetUp() override {
        UnitTreeTest::SetUp();
        // Quotas and staffing of the government's units, and one elsewhere that must stay.
        for (const int unit : {3, 11, 15, 8}) {
            exec(QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwrs) values (") +
                 QString::number(unit) + QStringLiteral(",'局长',1)"));
            exec(QStringLiteral("insert into tb_department_bz (dwID,rybz,bzs) values (") +
                 QString::number(unit) + QStringLiteral(",'行政',5)"));
        }
        subtree = QStringLiteral(" in (3,11,12,13,14,15)");
        postsInSubtree = count(QStringLiteral("tb_cadre_zw where dwID") + subtree);
        postsElsewhere = count(QStringLiteral("tb_cadre_zw where not dwID") + subtree);
        membershipsElsewhere = count(QStringLiteral("tb_cadre_node where not dwID") + subtree);
        cadres = count(QStringLiteral("tb_cadre"));
        ASSERT_GT(postsInSubtree, 0);
        ASSERT_GT(count(QStringLiteral("tb_cadre_node where dwID") + subtree), 0);
    }
    void expectSubtreeGone() {
        EXPECT_EQ(count(QStringLiteral("tb_department")), 10);
        EXPECT_EQ(count(QStringLiteral("tb_department where ID") + subtree), 0);
        EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID") + subtree), 0);
        EXPECT_EQ(count(QStringLiteral("tb_department_bz where dwID") + subtree), 0);
        EXPECT_EQ(count(QStringLiteral("tb_cadre_node where dwID") + subtree), 0);
        EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID=8")), 1);
        EXPECT_EQ(count(QStringLiteral("tb_department_bz where dwID=8")), 1);
        EXPECT_EQ(count(QStringLiteral("tb_cadre_node")), membershipsElsewhere);
        EXPECT_EQ(count(QStringLiteral("tb_cadre")), cadres);
    }

    QString text(int cadreId, const char* column) {
        return dm.db()
            .scalar(QStringLiteral("select %1 from tb_cadre where CadreID=%2")
                        .arg(QString::fromLatin1(column))
                        .arg(cadreId))
            ->toString();
    }

    QString subtree;
    int postsInSubtree = 0;
    int postsElsewhere = 0;
    int membershipsElsewhere = 0;
    int cadres = 0;
};

TEST_F(UnitRemovalTest, DissolvingEndsTheCurrentPostsAndKeepsEveryPostAsHistory) {
    const auto others =
        dm.db().query(QStringLiteral("select * from tb_cadre_zw where not dwID") + subtree)->rows;
    // The posts of the subtree that had ended before keep their removal months.
    const auto ended = dm.db().query(
        QStringLiteral("select ZwID, mzsjstr, mzsj from tb_cadre_zw where status=2 and dwID") +
        subtree + QStringLiteral(" order by ZwID"));
    ASSERT_FALSE(ended->rows.empty());
    const int current = count(QStringLiteral("tb_cadre_zw where status=1 and dwID") + subtree);
    for (const char* typed : {"2025-3", "2025.3", "2025.03"}) {
        SCOPED_TRACE(typed);
        db::Transaction undo(dm.db());
        const auto removed =
            tree.removeSubtree(3, UnitTree::Removal::Dissolve, QString::fromUtf8(typed));
        ASSERT_TRUE(removed) << removed.failure().message;
        expectSubtreeGone();
        EXPECT_EQ(count(QStringLiteral("tb_cadre_zw where dwID") + subtree), 0);
        const auto dissolved = dm.db().query(QStringLiteral(
            "select status, mzsj from tb_cadre_zw where dwID=0 and mzsjstr='2025.03'"));
        ASSERT_EQ(static_cast<int>(dissolved->rows.size()), current);
        for (const QVariantList& p : dissolved->rows) {
            EXPECT_EQ(p[0].toInt(), 2);
            EXPECT_EQ(p[1].toDate(), QDate(2025, 3, 1));
        }
        for (const QVariantList& before : ended->rows) {
            const auto after = dm.db().query(
                QStringLiteral("select ZwID, mzsjstr, mzsj from tb_cadre_zw where dwID=0 and "
                               "ZwID=") +
                before[0].toString());
            ASSERT_EQ(after->rows.size(), 1U);
            EXPECT_EQ(after->rows[0], before);
        }
        EXPECT_EQ(dm.db()
                      .query(QStringLiteral("select * from tb_cadre_zw where not dwID") + subtree)
                      ->rows.size(),
                  others.size() + postsInSubtree);
        // A cadre who holds a post elsewhere no longer has the dissolved post in his text.
        EXPECT_EQ(
            dm.db().scalar(QStringLiteral("select xrz from tb_cadre where CadreID=2"))->toString(),
            QStringLiteral("中共某市委员会副书记"));
    }
}

TEST_F(UnitRemovalTest, CadresLeftWithoutAPostNoLongerNameTheDissolvedUnitsPosts) {
    // Cadre 11 held posts only in the dissolved units, cadre 12 too but with a locked text,
    // cadre 2 also holds a post elsewhere.
    exec(QStringLiteral("update tb_cadre set ZwLock=True where CadreID=12"));
    const QString locked = text(12, "xrz");
    ASSERT_FALSE(text(11, "xrz").isEmpty());
    ASSERT_FALSE(locked.isEmpty());
    const auto removed =
        tree.removeSubtree(3, UnitTree::Removal::Dissolve, QStringLiteral("2025.03"));
    ASSERT_TRUE(removed) << removed.failure().message;
    for (const char* column : {"xrz", "allZwList", "allRzsjList"}) {
        EXPECT_EQ(text(11, column), QString()) << column;
    }
    EXPECT_EQ(text(12, "xrz"), locked);
    EXPECT_EQ(text(2, "xrz"), QStringLiteral("中共某市委员会副书记"));
}

TEST_F(UnitRemovalTest, DeletingRemovesThePostsToo) {
    const auto removed = tree.removeSubtree(3, UnitTree::Removal::Delete, {});
    ASSERT_TRUE(removed) << removed.failure().message;
    expectSubtreeGone();
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw")), postsElsewhere);
}

TEST_F(UnitRemovalTest, AMonthTextThatIsNoYearAndMonthIsRefused) {
    const auto before = snapshot(QStringLiteral("tb_cadre_zw"));
    for (const char* bad :
         {"", "2012-13", "2012年7月", "2012-7-1", "2012-7' or 1=1", "12.07", "1899-12"}) {
        const auto removed =
            tree.removeSubtree(3, UnitTree::Removal::Dissolve, QString::fromUtf8(bad));
        EXPECT_EQ(removed.failure().message, units::kBadMonthText) << bad;
    }
    EXPECT_EQ(count(QStringLiteral("tb_department")), 16);
    EXPECT_EQ(snapshot(QStringLiteral("tb_cadre_zw")), before);
}

TEST_F(UnitRemovalTest, ARemovalNeverTakesAUnitOutsideItsOwnSubtree) {
    // Indexes out of step with the parents: the index would select a unit that is not below
    // the chosen one, or miss one that is.
    struct Case {
        const char* what;
        QString damage;
        int removed;
    };
    const std::vector<Case> cases{
        {"a sibling shares the index", "update tb_department set dwIndex='00102' where ID=9", 8},
        {"the unit shares a sibling's index", "update tb_department set dwIndex='00102' where ID=9",
         9},
        {"a unit elsewhere lies under the index",
         "update tb_department set dwIndex='00201' where ID=11", 2},
        {"a unit below lies under another index",
         "update tb_department set dwIndex='00201' where ID=11", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(dm.db().begin());
        exec(c.damage);
        const auto units = snapshot(QStringLiteral("tb_department"));
        const auto nodes = snapshot(QStringLiteral("tb_cadre_node"));
        const auto posts = snapshot(QStringLiteral("tb_cadre_zw"));
        const auto quotas = snapshot(QStringLiteral("tb_department_zs"));
        for (const auto how : {UnitTree::Removal::Delete, UnitTree::Removal::Dissolve}) {
            const auto removed = tree.removeSubtree(c.removed, how, QStringLiteral("2012-7"));
            EXPECT_FALSE(removed);
            EXPECT_EQ(removed.failure().message, units::kIndexOutOfDate);
        }
        EXPECT_EQ(snapshot(QStringLiteral("tb_department")), units);
        EXPECT_EQ(snapshot(QStringLiteral("tb_cadre_node")), nodes);
        EXPECT_EQ(snapshot(QStringLiteral("tb_cadre_zw")), posts);
        EXPECT_EQ(snapshot(QStringLiteral("tb_department_zs")), quotas);
        ASSERT_TRUE(dm.db().rollback());
    }
    // Once the indexes are rebuilt the removal goes ahead.
    exec(QStringLiteral("update tb_department set dwIndex='00201' where ID=11"));
    ASSERT_TRUE(tree.rebuildIndexes());
    const auto removed = tree.removeSubtree(3, UnitTree::Removal::Delete, {});
    ASSERT_TRUE(removed) << removed.failure().message;
    expectSubtreeGone();
}

TEST_F(UnitRemovalTest, AUnitWithoutAUsableIndexIsNeverTakenAsTheWholeTable) {
    exec(QStringLiteral("update tb_department set dwIndex='' where ID=3"));
    EXPECT_EQ(tree.removeSubtree(3, UnitTree::Removal::Delete, {}).failure().message,
              units::kIndexOutOfDate);
    EXPECT_EQ(tree.removeSubtree(999, UnitTree::Removal::Delete, {}).failure().message,
              units::kUnitMissing);
    EXPECT_EQ(count(QStringLiteral("tb_department")), 16);
}

TEST_F(UnitRemovalTest, AFailedDissolutionLeavesEverythingAsItWas) {
    const auto units = snapshot(QStringLiteral("tb_department"));
    const auto nodes = snapshot(QStringLiteral("tb_cadre_node"));
    const auto quotas = snapshot(QStringLiteral("tb_department_zs"));
    ASSERT_TRUE(exec(QStringLiteral("drop table tb_cadre_zw")));  // the fourth statement fails
    const auto removed =
        tree.removeSubtree(3, UnitTree::Removal::Dissolve, QStringLiteral("2012-7"));
    EXPECT_FALSE(removed);
    EXPECT_FALSE(removed.errorText().isEmpty());
    EXPECT_EQ(snapshot(QStringLiteral("tb_department")), units);
    EXPECT_EQ(snapshot(QStringLiteral("tb_cadre_node")), nodes);
    EXPECT_EQ(snapshot(QStringLiteral("tb_department_zs")), quotas);
    EXPECT_EQ(dm.db().transactionDepth(), 0);
}

}  // namespace
