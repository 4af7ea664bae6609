#include <gtest/gtest.h>

#include <QDate>
#include <QHash>

#include "app/DataModule.h"
#include "cadre/CurrentPosts.h"
#include "db/Database.h"
#include "main/CadreList.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

// Sample units: 1 (index 001) with 7 members and subunits 7..10 (00101..00104); unit 8 has 7
// members with orders 1..7; unit 12 has cadres 35..38 at orders 1..4.
class CadreListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    void exec(const QString& sql) { ASSERT_TRUE(dm.db().exec(sql)) << dm.db().lastError(); }
    // The cadres of unit `unit` by order, as (cadre, order) pairs.
    std::vector<QVariantList> members(int unit) {
        return dm.db()
            .query(QStringLiteral("select ZwCadreID, zwOrder from tb_cadre_node where dwID=%1 "
                                  "order by zwOrder, ZwCadreID")
                       .arg(unit))
            ->rows;
    }
    std::optional<db::QueryResult> list(int unit, const QString& prefix, int mask) {
        return dm.db().query(mainwin::cadreListStatement(
            unit, prefix, mainwin::cadreTypeCondition(mask), QDate(2024, 6, 30)));
    }

    TestHome home;
    TDataM dm{home.path()};
};

TEST(CadreTypeCondition, ListsEverySixBitSetSharingABitWithTheMask) {
    EXPECT_EQ(mainwin::cadreTypeCondition(0), QString());
    // "领导干部" and "后备干部": bits 1 and 4.
    const QString five = mainwin::cadreTypeCondition(5);
    ASSERT_TRUE(five.startsWith(QStringLiteral("(ctype in (1,3,4,5,6,7,9,11,12,")));
    EXPECT_TRUE(five.endsWith(QStringLiteral(",63)) ")));
    const QStringList listed = five.mid(11, five.size() - 11 - 3).split(u',');
    for (int v = 1; v <= 63; ++v) {
        EXPECT_EQ(listed.contains(QString::number(v)), (v & 5) != 0) << v;
    }
    EXPECT_EQ(mainwin::cadreTypeCondition(8).count(u','), 31);
}

TEST_F(CadreListTest, AUnitListsItsMembersInOrderWithTheirUnitRowColumns) {
    const auto rows = list(12, {}, 0);
    ASSERT_TRUE(rows) << dm.db().lastError();
    ASSERT_EQ(rows->rows.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rows->value(i, QStringLiteral("CadreID")).toInt(), 35 + static_cast<int>(i));
        EXPECT_EQ(rows->value(i, QStringLiteral("zwOrder")).toInt(), static_cast<int>(i) + 1);
        EXPECT_EQ(rows->value(i, QStringLiteral("dwID")).toInt(), 12);
    }
    EXPECT_GE(rows->indexOf(QStringLiteral("age")), 0);
    EXPECT_GE(rows->indexOf(QStringLiteral("jrsjstr")), 0);
    EXPECT_LT(rows->indexOf(QStringLiteral("name")), 0);
    // A unit without members, and a grouping node, list just their own members.
    EXPECT_TRUE(list(6, {}, 0)->rows.empty());
    exec(QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder) values (1,6,1)"));
    EXPECT_EQ(list(6, {}, 0)->rows.size(), 1u);
}

TEST_F(CadreListTest, TheTypeFilterKeepsCadresSharingACheckedType) {
    exec(QStringLiteral("update tb_cadre set ctype=2 where CadreID=35"));
    exec(QStringLiteral("update tb_cadre set ctype=6 where CadreID=36"));
    exec(QStringLiteral("update tb_cadre set ctype=null where CadreID=37"));
    exec(QStringLiteral("update tb_cadre set ctype=17 where CadreID=38"));
    struct Case {
        int mask;
        QList<int> cadres;
    };
    const Case cases[] = {{0, {35, 36, 37, 38}}, {5, {36, 38}}, {2, {35, 36}}, {8, {}}};
    for (const Case& c : cases) {
        QList<int> ids;
        const auto rows = list(12, {}, c.mask);
        ASSERT_TRUE(rows) << dm.db().lastError();
        for (size_t i = 0; i < rows->rows.size(); ++i) {
            ids << rows->value(i, QStringLiteral("CadreID")).toInt();
        }
        EXPECT_EQ(ids, c.cadres) << c.mask;
    }
}

TEST_F(CadreListTest, TheSubtreeListFollowsUnitIndexThenOrder) {
    const auto rows = list(1, QStringLiteral("001"), 0);
    ASSERT_TRUE(rows) << dm.db().lastError();
    int expected = 0;
    for (const int unit : {1, 7, 8, 9, 10}) {
        expected += static_cast<int>(members(unit).size());
    }
    ASSERT_EQ(static_cast<int>(rows->rows.size()), expected);
    QHash<int, QString> indexOf;
    const auto units = dm.db().query(QStringLiteral("select ID, dwIndex from tb_department"));
    for (const QVariantList& unit : units->rows) {
        indexOf.insert(unit.value(0).toInt(), unit.value(1).toString());
    }
    QString lastIndex;
    int lastOrder = 0;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        const QString index = indexOf.value(rows->value(i, QStringLiteral("dwID")).toInt());
        const int order = rows->value(i, QStringLiteral("zwOrder")).toInt();
        ASSERT_TRUE(index.startsWith(QStringLiteral("001")));
        EXPECT_TRUE(index > lastIndex || (index == lastIndex && order > lastOrder))
            << index.toStdString() << " " << order;
        EXPECT_FALSE(rows->value(i, QStringLiteral("name")).toString().isEmpty());
        lastIndex = index;
        lastOrder = order;
    }
    // With the type filter too.
    exec(QStringLiteral("update tb_cadre set ctype=1"));
    exec(
        QStringLiteral("update tb_cadre set ctype=4 where CadreID in (select ZwCadreID from "
                       "tb_cadre_node where dwID=8)"));
    // Every membership in the subtree of a cadre of unit 8 (some also belong to unit 1).
    EXPECT_EQ(static_cast<int>(list(1, QStringLiteral("001"), 4)->rows.size()),
              dm.db()
                  .scalar(QStringLiteral(
                      "select count(*) from tb_cadre_node where dwID in (1,7,8,9,10) and "
                      "ZwCadreID in (select ZwCadreID from tb_cadre_node where dwID=8)"))
                  ->toInt());
}

TEST_F(CadreListTest, ATransferMovesOrCopiesTheMembershipAndRecordsTheNewPost) {
    // Cadre 36 holds 副主任 in unit 12 (taken up 2017.03) and is moved to unit 13 (某市教育局).
    const QString development = QStringLiteral("某市发展和改革委员会副主任");
    struct Case {
        const char* label;
        bool leave;
        const char* post;
        QStringList currentPosts;  // "unit:post:month" in their order
        QString text;
        QString appointed;
    };
    const Case cases[] = {
        {"leave", true, "局长", {"13:局长:2024.10"}, "某市教育局局长", "2024.10"},
        {"stay",
         false,
         " 局长 ",
         {"12:副主任:2017.03", "13:局长:2024.10"},
         development + QStringLiteral("，某市教育局局长"),
         "2017.03"},
        {"leave without a post", true, "", {}, development, "2017.03"},
        {"stay without a post", false, "", {"12:副主任:2017.03"}, development, "2017.03"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        db::Database& db = dm.db();
        db::Transaction undo(db);
        const int next = dm.NextMemberOrder(13).value();
        const Result<void> moved = mainwin::transferMember(
            dm, 36, 12, 13, c.leave, QStringLiteral("2024.10"), QString::fromUtf8(c.post));
        ASSERT_TRUE(moved) << moved.errorText();
        const auto joined = db.query(QStringLiteral(
            "select zwOrder, bind, nobz from tb_cadre_node where dwID=13 and ZwCadreID=36"));
        ASSERT_EQ(joined->rows.size(), 1U);
        EXPECT_EQ(joined->rows[0].value(0).toInt(), next);
        // Bound while no post holds it there; counted in staffing.
        EXPECT_EQ(joined->rows[0].value(1).toBool(), QString::fromUtf8(c.post).isEmpty());
        EXPECT_EQ(joined->rows[0].value(2), QVariant(false));
        EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from tb_cadre_node where dwID=12 and "
                                           "ZwCadreID=36"))
                      ->toInt(),
                  c.leave ? 0 : 1);
        if (c.leave) {
            const auto closed = db.query(QStringLiteral(
                "select status, mzsjStr, mzsj from tb_cadre_zw where ZwCadreID=36 and dwID=12"));
            ASSERT_EQ(closed->rows.size(), 1U);
            EXPECT_EQ(closed->rows[0],
                      (QVariantList{2, QStringLiteral("2024.10"), QDate(2024, 10, 1)}));
        }
        QStringList current;
        const auto posts = db.query(
            QStringLiteral("select dwID, zwmc, rzsjstr from tb_cadre_zw where ZwCadreID=36 and "
                           "status=1 order by zwOrder"));
        for (const QVariantList& p : posts->rows) {
            current << QStringLiteral("%1:%2:%3")
                           .arg(p[0].toInt())
                           .arg(p[1].toString(), p[2].toString());
        }
        EXPECT_EQ(current, c.currentPosts);
        // The texts are the refresh's, so that the next refresh keeps them.
        for (int pass = 0; pass < 2; ++pass) {
            const auto cadre =
                db.query(QStringLiteral("select xrz, allZwList, allRzsjList from tb_cadre where "
                                        "CadreID=36"));
            EXPECT_EQ(cadre->rows[0], (QVariantList{c.text, c.text, QString(c.appointed)}));
            ASSERT_TRUE(cadre::RefreshCurrentPosts(dm, 36, 0)) << db.lastError();
        }
    }
}

}  // namespace
