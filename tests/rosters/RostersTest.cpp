#include <gtest/gtest.h>

#include <QDate>

#include "app/DataModule.h"
#include "cadre/CadreDeletion.h"
#include "db/Database.h"
#include "db/PagedRows.h"
#include "rosters/RosterMembers.h"
#include "rosters/Rosters.h"
#include "search/SearchResult.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

const QDate kToday(2012, 7, 15);

// Three cadres: 1 张三 (born 1972-07-15, 县委书记), 2 李四 (1971-07-16, 县长), 3 王五 (no birth).
class RostersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        for (const char* table : {"tb_cadre", "tb_cadre_zw", "tb_cadre_node", "tb_beadroll",
                                  "tb_beadroll_detail", "tb_beadroll_mirror", "tb_tcid"}) {
            exec(QStringLiteral("delete * from ") + QString::fromLatin1(table));
        }
        exec(QStringLiteral(
            "insert into tb_cadre (CadreID,gbOrd,Classid,xm,xb,csny,csnyStr,xrz,zzxl,res5) values "
            "(1,3,0,'张三','男',#1972-07-15#,'1972.07','县委书记','大学','甲'),"
            "(2,2,0,'李四','女',#1971-07-16#,'1971.07','县长',null,null),"
            "(3,1,0,'王五','男',null,null,'副县长',null,null)"));
    }
    void exec(const QString& sql) { ASSERT_TRUE(dm.db().exec(sql)) << dm.db().lastError(); }

    rosters::Roster make(const QString& name, bool isStatic, int year = 2012) {
        const Result<int> id = rosters::createRoster(dm.db(), {name, year, isStatic});
        EXPECT_TRUE(id.ok()) << id.errorText();
        return *rosters::readRoster(dm.db(), id.ok() ? *id : 0);
    }

    // The roster's lines as the grid reads them: "name:position" in order.
    QStringList shown(const rosters::Roster& roster, const char* field = "xm") {
        db::PagedRows rows;
        const Result<void> loaded =
            rows.load(dm.db(), rosters::linesQuery(dm.db(), roster, kToday));
        EXPECT_TRUE(loaded.ok()) << loaded.errorText();
        QStringList values;
        const int column = rows.columnIndex(QString::fromLatin1(field));
        for (int i = 0; i < rows.size(); ++i) {
            values << rows.row(i)->value(column).toString();
        }
        return values;
    }

    // The stored orders by cadre, "cadre:order", in order.
    QStringList orders(const rosters::Roster& roster) {
        const QString table = roster.isStatic ? QStringLiteral("tb_beadroll_mirror")
                                              : QStringLiteral("tb_beadroll_detail");
        const auto rows = dm.db().query(QStringLiteral("select McCadreID,brOrder from ") + table +
                                            QStringLiteral(" where mcID=? order by brOrder"),
                                        {roster.id});
        QStringList out;
        for (const QVariantList& row : rows->rows) {
            out << row.value(0).toString() + u':' + row.value(1).toString();
        }
        return out;
    }

    TestHome home;
    TDataM dm{home.path()};
};

TEST_F(RostersTest, HeadersAreKeptWithTheirKindAndListedByYear) {
    const rosters::Roster a = make(QStringLiteral("后备干部名册"), false, 2013);
    const rosters::Roster b = make(QStringLiteral("O'Brien名册"), true, 2011);
    const rosters::Roster c = make(QStringLiteral("年轻干部"), false, 2013);
    EXPECT_EQ(a.year, 2013);
    EXPECT_FALSE(a.isStatic);
    EXPECT_TRUE(b.isStatic);
    EXPECT_EQ(b.name, QStringLiteral("O'Brien名册"));
    EXPECT_TRUE(a.modified.isValid());
    const auto pinyin =
        dm.db().scalar(QStringLiteral("select mcpy from tb_beadroll where id=?"), {a.id});
    EXPECT_EQ(pinyin->toString(), QStringLiteral("HBGBMC"));

    const auto byYear = rosters::listRosters(dm.db());
    ASSERT_TRUE(byYear.ok());
    ASSERT_EQ(byYear->size(), 3u);
    EXPECT_EQ((*byYear)[0].id, b.id);
    EXPECT_EQ((*byYear)[1].id, a.id);
    EXPECT_EQ((*byYear)[2].id, c.id);
    const auto newest = rosters::listRosters(dm.db(), rosters::RosterOrder::NewestYearFirst);
    EXPECT_EQ(newest->front().id, a.id);
    EXPECT_EQ(newest->back().id, b.id);

    // Editing renames and moves the year; the kind stays as made.
    ASSERT_TRUE(rosters::updateRoster(dm.db(), b.id, {QStringLiteral("改名"), 2010, false}).ok());
    const rosters::Roster edited = *rosters::readRoster(dm.db(), b.id);
    EXPECT_EQ(edited.name, QStringLiteral("改名"));
    EXPECT_EQ(edited.year, 2010);
    EXPECT_TRUE(edited.isStatic);

    // A blank name is refused and writes nothing.
    const Result<int> blank = rosters::createRoster(dm.db(), {QStringLiteral("  "), 2012, false});
    ASSERT_FALSE(blank.ok());
    EXPECT_EQ(blank.errorText(), rosters::kNameNeeded);
    EXPECT_EQ(rosters::listRosters(dm.db())->size(), 3u);
    EXPECT_FALSE(rosters::updateRoster(dm.db(), a.id, {QString(), 2012, false}).ok());
    EXPECT_EQ(rosters::readRoster(dm.db(), a.id)->name, QStringLiteral("后备干部名册"));
}

TEST_F(RostersTest, Texts) {
    const rosters::Roster a = make(QStringLiteral("甲"), false);
    const rosters::Roster b = make(QStringLiteral("乙"), true);
    EXPECT_EQ(rosters::pageCaption(&a), QStringLiteral("甲(动态)"));
    EXPECT_EQ(rosters::pageCaption(&b), QStringLiteral("乙(静态)"));
    EXPECT_EQ(rosters::pageCaption(nullptr), QStringLiteral("名册管理"));
    EXPECT_EQ(rosters::deleteQuestion(QStringLiteral("甲")), QStringLiteral("确认删除名册 甲 ?"));
    EXPECT_EQ(rosters::yearCaption(2012), QStringLiteral("2012年"));
    EXPECT_EQ(rosters::idListText({3, 14}), QStringLiteral("(3,14)"));
}

// Both kinds keep one line a cadre and orders 1..n through adds, removals and moves.
TEST_F(RostersTest, OrdersStayContiguousForBothKinds) {
    for (const bool isStatic : {false, true}) {
        SCOPED_TRACE(isStatic ? "static" : "dynamic");
        const rosters::Roster roster = make(QStringLiteral("名册"), isStatic);
        Result<int> added = rosters::addCadres(dm.db(), roster, {2, 1, 2}, kToday);
        ASSERT_TRUE(added.ok()) << added.errorText();
        EXPECT_EQ(*added, 2);
        // Twice the same cadre, and a cadre that is not in the library: skipped.
        added = rosters::addCadres(dm.db(), roster, {1, 99, 3}, kToday);
        EXPECT_EQ(*added, 1);
        EXPECT_EQ(orders(roster), (QStringList{"2:1", "1:2", "3:3"}));
        EXPECT_EQ(shown(roster), (QStringList{"李四", "张三", "王五"}));

        ASSERT_TRUE(rosters::swapLines(dm.db(), roster, 3, 1).ok());
        EXPECT_EQ(orders(roster), (QStringList{"2:1", "3:2", "1:3"}));

        ASSERT_TRUE(rosters::removeCadre(dm.db(), roster, 2).ok());
        EXPECT_EQ(orders(roster), (QStringList{"3:1", "1:2"}));
        // Removing a cadre that is not there changes nothing.
        ASSERT_TRUE(rosters::removeCadre(dm.db(), roster, 2).ok());
        EXPECT_EQ(orders(roster), (QStringList{"3:1", "1:2"}));

        ASSERT_TRUE(rosters::removeCadre(dm.db(), roster, 3).ok());
        ASSERT_TRUE(rosters::removeCadre(dm.db(), roster, 1).ok());
        EXPECT_TRUE(orders(roster).isEmpty());
        // The next add after the last removal starts at 1 again.
        EXPECT_EQ(*rosters::addCadres(dm.db(), roster, {2}, kToday), 1);
        EXPECT_EQ(orders(roster), (QStringList{"2:1"}));
    }
}

TEST_F(RostersTest, StaticKeepsTheCopyDynamicFollowsTheCadre) {
    const rosters::Roster dynamic = make(QStringLiteral("动态"), false);
    const rosters::Roster frozen = make(QStringLiteral("静态"), true);
    ASSERT_TRUE(rosters::addCadres(dm.db(), dynamic, {1, 2}, kToday).ok());
    ASSERT_TRUE(rosters::addCadres(dm.db(), frozen, {1, 2}, kToday).ok());
    EXPECT_EQ(shown(frozen, "age"), (QStringList{"40", "40"}));
    EXPECT_EQ(shown(dynamic, "age"), (QStringList{"40", "40"}));
    EXPECT_EQ(shown(frozen, "zzxl"), (QStringList{"大学", ""}));

    exec(QStringLiteral("update tb_cadre set xrz='市长' where CadreID=1"));
    EXPECT_EQ(shown(dynamic, "xrz"), (QStringList{"市长", "县长"}));
    EXPECT_EQ(shown(frozen, "xrz"), (QStringList{"县委书记", "县长"}));
    // The copy has no custom fields: they read empty rather than failing.
    EXPECT_EQ(shown(frozen, "res5"), (QStringList{"", ""}));
    EXPECT_EQ(shown(dynamic, "res5"), (QStringList{"甲", ""}));

    // Deleting the cadre takes its static line; its dynamic line is no longer shown.
    ASSERT_TRUE(cadre::DeleteCadre(dm, 1, true, true, 0).ok());
    EXPECT_EQ(shown(frozen), (QStringList{"李四"}));
    EXPECT_EQ(shown(dynamic), (QStringList{"李四"}));
}

TEST_F(RostersTest, DeletingARosterTakesOnlyItsLines) {
    const rosters::Roster a = make(QStringLiteral("甲"), false);
    const rosters::Roster b = make(QStringLiteral("乙"), true);
    const rosters::Roster c = make(QStringLiteral("丙"), false);
    ASSERT_TRUE(rosters::addCadres(dm.db(), a, {1, 2}, kToday).ok());
    ASSERT_TRUE(rosters::addCadres(dm.db(), b, {1}, kToday).ok());
    ASSERT_TRUE(rosters::addCadres(dm.db(), c, {3}, kToday).ok());
    ASSERT_TRUE(rosters::deleteRoster(dm.db(), a.id).ok());
    ASSERT_TRUE(rosters::deleteRoster(dm.db(), b.id).ok());
    EXPECT_FALSE(rosters::readRoster(dm.db(), a.id).ok());
    EXPECT_EQ(dm.db().scalar(QStringLiteral("select count(*) from tb_beadroll_detail"))->toInt(),
              1);
    EXPECT_EQ(dm.db().scalar(QStringLiteral("select count(*) from tb_beadroll_mirror"))->toInt(),
              0);
    EXPECT_EQ(shown(c), (QStringList{"王五"}));

    // A failing statement leaves header and lines.
    ASSERT_TRUE(dm.db().execNative(
        QStringLiteral("create trigger keep_header before delete on tb_beadroll begin "
                       "select raise(abort, 'header kept'); end")));
    EXPECT_FALSE(rosters::deleteRoster(dm.db(), c.id).ok());
    EXPECT_EQ(shown(c), (QStringList{"王五"}));
    EXPECT_EQ(dm.db().transactionDepth(), 0);
}

TEST_F(RostersTest, AFailingAddWritesNothing) {
    const rosters::Roster roster = make(QStringLiteral("甲"), true);
    ASSERT_TRUE(dm.db().execNative(
        QStringLiteral("create trigger no_wang before insert on tb_beadroll_mirror when "
                       "new.McCadreID=3 begin select raise(abort, 'refused'); end")));
    const Result<int> added = rosters::addCadres(dm.db(), roster, {1, 2, 3}, kToday);
    ASSERT_FALSE(added.ok());
    EXPECT_TRUE(added.errorText().contains(QStringLiteral("refused")));
    EXPECT_TRUE(orders(roster).isEmpty());
}

// With the count table's reverse lookup in force only the cadres the result list shows are
// saved, in the result's order.
TEST_F(RostersTest, SavingTheResultUnderAReverseLookupTakesTheCadresShown) {
    ASSERT_TRUE(search::addCadres(dm.db(), {3, 2, 1}).ok());
    const struct {
        const char* lookup;
        QStringList saved;
    } cases[] = {
        {"xb='男'", {"王五", "张三"}},
        {"xb='女'", {"李四"}},
        {"", {"王五", "李四", "张三"}},
    };
    int n = 0;
    for (const auto& c : cases) {
        ++n;
        // Dynamic and static rosters alike.
        const rosters::Roster roster = make(QStringLiteral("名册%1").arg(n), n % 2 == 0);
        const Result<int> added =
            rosters::addSearchResult(dm.db(), roster, kToday, QString::fromUtf8(c.lookup));
        ASSERT_TRUE(added.ok()) << c.lookup << ": " << added.errorText();
        EXPECT_EQ(*added, c.saved.size()) << c.lookup;
        EXPECT_EQ(shown(roster), c.saved) << c.lookup;
    }
    // A lookup that shows nobody saves nobody.
    const Result<int> none = rosters::addSearchResult(dm.db(), make(QStringLiteral("空"), false),
                                                      kToday, QStringLiteral("xb='?'"));
    ASSERT_FALSE(none.ok());
    EXPECT_EQ(none.errorText(), rosters::kNoResult);
}

TEST_F(RostersTest, SearchResultAndRostersMeet) {
    const rosters::Roster roster = make(QStringLiteral("甲"), true);
    // An empty result is refused.
    const Result<int> none = rosters::addSearchResult(dm.db(), roster, kToday);
    ASSERT_FALSE(none.ok());
    EXPECT_EQ(none.errorText(), rosters::kNoResult);

    ASSERT_TRUE(search::addCadres(dm.db(), {3, 1}).ok());
    EXPECT_EQ(*rosters::addSearchResult(dm.db(), roster, kToday), 2);
    EXPECT_EQ(shown(roster), (QStringList{"王五", "张三"}));
    ASSERT_TRUE(search::addCadres(dm.db(), {2}).ok());
    EXPECT_EQ(*rosters::addSearchResult(dm.db(), roster, kToday), 1);
    EXPECT_EQ(orders(roster), (QStringList{"3:1", "1:2", "2:3"}));

    // Back into the result: the cadres of ticked rosters not yet there, in default order.
    const rosters::Roster other = make(QStringLiteral("乙"), false);
    ASSERT_TRUE(rosters::addCadres(dm.db(), other, {2}, kToday).ok());
    ASSERT_TRUE(search::clearResult(dm.db()).ok());
    ASSERT_TRUE(search::addCadres(dm.db(), {1}).ok());
    const Result<int> joined = rosters::addRostersToResult(dm.db(), {roster.id, other.id});
    ASSERT_TRUE(joined.ok()) << joined.errorText();
    EXPECT_EQ(*joined, 2);
    EXPECT_EQ(*search::resultCount(dm.db()), 3);
    EXPECT_EQ(*rosters::cadresOfRosters(dm.db(), {other.id}), (QList<int>{2}));
    const Result<int> unticked = rosters::addRostersToResult(dm.db(), {});
    ASSERT_FALSE(unticked.ok());
    EXPECT_EQ(unticked.errorText(), rosters::kTickOneRoster);
}

}  // namespace
