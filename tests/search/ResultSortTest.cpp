#include <gtest/gtest.h>

#include <QSet>
#include <algorithm>

#include "SearchFixture.h"
#include "search/ResultSort.h"
#include "search/SearchResult.h"
#include "support/QtPrinters.h"

namespace {

using search::SortElement;
using search::SortRule;

// The result holds every fixture cadre in default order: 张三, 张小明, 李四, 王五, 周华.
class ResultSortTest : public SearchFixture {
  protected:
    void SetUp() override {
        SearchFixture::SetUp();
        ASSERT_TRUE(search::runSearch(dm.db(), search::SearchMode::Replace, {}));
    }
    QStringList sorted(const SortRule& rule) {
        const Result<QStringList> unknown = search::sortCombined(dm.db(), rule);
        EXPECT_TRUE(unknown) << unknown.errorText();
        return resultNames();
    }
};

TEST_F(ResultSortTest, CombinedRulesOrderByTheirElements) {
    struct Case {
        const char* what;
        SortRule rule;
        QStringList order;
    };
    const Case cases[] = {
        // 王 has 4 strokes, 张 and 李 7 (张 first among them), 周 8; a blank pair sorts before
        // every character, so 张  三 comes before 张小明.
        {"surname strokes", {}, {"王五", "张三", "张小明", "李四", "周华"}},
        // A level the table lacks (周华 has none) sorts last.
        {"level, then strokes",
         {0, 0, false, SortElement::Rank, SortElement::Strokes},
         {"王五", "张三", "张小明", "李四", "周华"}},
        // Larger education values are higher but sort by their padded value: 中专 00040 first.
        {"education, then age",
         {0, 0, false, SortElement::Education, SortElement::Age},
         {"周华", "张三", "王五", "张小明", "李四"}},
        // The older first; a missing birth month last.
        {"age, then strokes",
         {0, 0, false, SortElement::Age, SortElement::Strokes},
         {"张小明", "李四", "王五", "张三", "周华"}},
        // Rows 2 to 4 are sorted among themselves; rows 1 and 5 stay.
        {"rows 2 to 4 by strokes", {2, 4, true}, {"张三", "王五", "张小明", "李四", "周华"}},
    };
    for (const Case& test : cases) {
        ASSERT_TRUE(search::sortByDefaultOrder(dm.db()));
        EXPECT_EQ(sorted(test.rule), test.order) << test.what;
    }
}

TEST_F(ResultSortTest, EqualElementsKeepTheirOrderAndTheSecondElementDecides) {
    exec(QStringLiteral("update tb_cadre set zwjb='县处级正职'"));
    // Same level for all; strokes decide.
    EXPECT_EQ(sorted({0, 0, false, SortElement::Rank, SortElement::Strokes}),
              (QStringList{"王五", "张三", "张小明", "李四", "周华"}));
    // Same level and the same 任职级时间 (none) for 李四 and 周华: they keep their order, in
    // both directions.
    exec(QStringLiteral("update tb_cadre set zwjbTimeStr=null"));
    EXPECT_EQ(sorted({0, 0, false, SortElement::Rank, SortElement::RankSince}),
              (QStringList{"王五", "张三", "张小明", "李四", "周华"}));
    ASSERT_TRUE(search::sortByDefaultOrder(dm.db()));
    EXPECT_EQ(sorted({0, 0, false, SortElement::Rank, SortElement::RankSince}),
              (QStringList{"张三", "张小明", "李四", "王五", "周华"}));
}

TEST_F(ResultSortTest, UnknownCharactersAreReportedAndSkipped) {
    exec(QStringLiteral("update tb_cadre set xm='Q周华' where CadreID=5"));
    const Result<QStringList> unknown = search::sortCombined(dm.db(), {});
    ASSERT_TRUE(unknown) << unknown.errorText();
    EXPECT_EQ(*unknown, QStringList{QStringLiteral("Q周华")});
    EXPECT_EQ(search::unrecognisedNameMessage(QStringLiteral("Q周华")),
              QStringLiteral("Q周华 姓名中可能存在不识别的字符"));
    EXPECT_EQ(resultNames().last(), QStringLiteral("Q周华"));
}

TEST_F(ResultSortTest, AnImpossibleRangeIsRefusedAndWritesNothing) {
    const QStringList before = resultKeys();
    for (const auto& [from, to] : {std::pair{3, 2}, std::pair{0, 2}, std::pair{2, 0}}) {
        const Result<QStringList> refused = search::sortCombined(dm.db(), {from, to, true});
        ASSERT_FALSE(refused);
        EXPECT_EQ(refused.failure().message, search::kBadRange);
    }
    EXPECT_EQ(resultKeys(), before);
}

TEST_F(ResultSortTest, SavingTheOrderPutsTheResultFirstInANewSearch) {
    ASSERT_TRUE(search::removeCadres(dm.db(), {1, 2, 4}));
    ASSERT_TRUE(search::moveToRow(dm.db(), 5, 1));
    EXPECT_EQ(resultNames(), (QStringList{"周华", "李四"}));
    ASSERT_TRUE(search::saveAsDefaultOrder(dm.db()));
    ASSERT_TRUE(search::runSearch(dm.db(), search::SearchMode::Replace, {}));
    EXPECT_EQ(resultNames(), (QStringList{"周华", "李四", "张三", "张小明", "王五"}));
}

TEST_F(ResultSortTest, ByUnitFollowsUnitIndexAndOrderTheLastMembershipCounting) {
    exec(
        QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder) values "
                       "(2,1,2),(4,7,1),(2,8,1)"));
    ASSERT_TRUE(search::sortByUnit(dm.db(), {}));
    // Cadres of no unit first, then unit 1 (index 001) by order, then its subunits 7 and 8.
    EXPECT_EQ(resultNames(), (QStringList{"李四", "周华", "张三", "王五", "张小明"}));
}

TEST_F(ResultSortTest, UpAndDownExchangeTheKeysOfNeighbours) {
    ASSERT_TRUE(search::swapKeys(dm.db(), 1, 2));
    EXPECT_EQ(resultNames(), (QStringList{"张小明", "张三", "李四", "王五", "周华"}));
    ASSERT_TRUE(search::swapKeys(dm.db(), 5, 4));
    EXPECT_EQ(resultNames(), (QStringList{"张小明", "张三", "李四", "周华", "王五"}));
}

// A result of ten cadres, 1 to 10 in rows 1 to 10, to move rows in.
class ResultMoveTest : public ResultSortTest {
  protected:
    void SetUp() override {
        ResultSortTest::SetUp();
        exec(QStringLiteral(
            "insert into tb_cadre (CadreID,gbOrd,Classid,xm) values (6,6,0,'六'),(7,7,0,'七'),"
            "(8,8,0,'八'),(9,9,0,'九'),(10,10,0,'十')"));
        ASSERT_TRUE(search::runSearch(dm.db(), search::SearchMode::Replace, {}));
        ASSERT_EQ(rows(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    }
    // The cadres of the result in list order.
    QList<int> rows() {
        const auto read =
            dm.db().query(QStringLiteral("select tcid from tb_tcid order by tords,tord"));
        EXPECT_TRUE(read) << dm.db().lastError();
        QList<int> ids;
        for (size_t i = 0; read && i < read->rows.size(); ++i) {
            ids << read->rows[i].value(0).toInt();
        }
        return ids;
    }
    void expectOwnKeys() {
        const QStringList keys = resultKeys();
        EXPECT_EQ(QSet<QString>(keys.cbegin(), keys.cend()).size(), keys.size()) << keys.join(u' ');
        EXPECT_FALSE(keys.contains(QString())) << keys.join(u' ');
    }
};

TEST_F(ResultMoveTest, ARowLandsWhereAskedInBothDirectionsAndKeysStayUnique) {
    struct Move {
        int fromRow;
        int toRow;
    };
    const struct {
        const char* what;
        std::vector<Move> moves;
    } cases[] = {
        {"two rows moved up to row 2 one after the other", {{10, 2}, {5, 2}}},
        {"a row moved down", {{2, 5}}},
        {"a row moved down onto the next row", {{3, 4}}},
        {"down to the last row and up to the first", {{1, 10}, {10, 1}}},
        {"two rows moved to the front one after the other", {{7, 1}, {9, 1}}},
        {"two rows moved to the end one after the other", {{2, 10}, {2, 10}}},
        {"a target past the list is its last row, below 1 its first", {{4, 99}, {6, 0}}},
        {"a row onto itself", {{6, 6}}},
        {"down, up and down again across each other", {{2, 8}, {9, 3}, {3, 9}, {5, 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(search::runSearch(dm.db(), search::SearchMode::Replace, {}));
        QList<int> expected = rows();
        for (const Move& m : c.moves) {
            const int cadre = expected.at(m.fromRow - 1);
            ASSERT_TRUE(search::moveToRow(dm.db(), cadre, m.toRow));
            expected.move(m.fromRow - 1, std::clamp(m.toRow, 1, 10) - 1);
            EXPECT_EQ(rows(), expected) << m.fromRow << " to " << m.toRow;
            expectOwnKeys();
        }
        // Every row can still be moved down onto its neighbour.
        for (int row = 0; row + 1 < expected.size(); ++row) {
            ASSERT_TRUE(search::swapKeys(dm.db(), expected[row], expected[row + 1]));
            expected.swapItemsAt(row, row + 1);
        }
        EXPECT_EQ(rows(), expected);
    }
}

// Under a reverse lookup the target row is a row of the list shown: only the rows shown shift,
// the hidden ones keep their places.
TEST_F(ResultMoveTest, UnderAReverseLookupARowLandsWhereAskedInTheListShown) {
    const QString even = QStringLiteral("CadreID in (2,4,6,8,10)");
    ASSERT_TRUE(search::moveToRow(dm.db(), 10, 2, even));
    EXPECT_EQ(rows(), (QList<int>{1, 2, 3, 10, 5, 4, 7, 6, 9, 8}));
    ASSERT_TRUE(search::moveToRow(dm.db(), 2, 4, even));
    EXPECT_EQ(rows(), (QList<int>{1, 10, 3, 4, 5, 6, 7, 2, 9, 8}));
    expectOwnKeys();
    // A cadre the list does not show moves nothing.
    const QStringList keys = resultKeys();
    ASSERT_TRUE(search::moveToRow(dm.db(), 3, 1, even));
    EXPECT_EQ(resultKeys(), keys);
}

// Keys that repeat, as earlier moves left them, are numbered afresh in list order before a
// move or an exchange, so that rows of one key change places too.
TEST_F(ResultMoveTest, RepeatedKeysAreMadeUniqueBeforeRowsMove) {
    exec(QStringLiteral("update tb_tcid set tords='00001-1' where tcid in (5,10)"));
    const QList<int> listed = rows();
    ASSERT_EQ(listed.mid(0, 3), (QList<int>{1, 5, 10}));
    ASSERT_TRUE(search::swapKeys(dm.db(), 5, 10));
    QList<int> expected = listed;
    expected.swapItemsAt(1, 2);
    EXPECT_EQ(rows(), expected);
    expectOwnKeys();

    exec(QStringLiteral("update tb_tcid set tords='00001-1' where tcid in (5,10)"));
    exec(QStringLiteral("update tb_tcid set tords=null where tcid=7"));
    expected = rows();
    ASSERT_TRUE(search::moveToRow(dm.db(), expected[4], 2));
    expected.move(4, 1);
    EXPECT_EQ(rows(), expected);
    expectOwnKeys();
}

// A move whose key writes fail halfway, and one that must first number repeated keys afresh,
// leave the list and its keys as they were.
TEST_F(ResultMoveTest, AFailedMoveLeavesTheListAsItWas) {
    ASSERT_TRUE(dm.db().execNative(
        QStringLiteral("create trigger refuse_key before update on tb_tcid when old.tcid=5 "
                       "begin select raise(abort, 'refused'); end")))
        << dm.db().lastError();
    const struct {
        const char* what;
        const char* setup;
    } cases[] = {
        {"keys of their own", "update tb_tcid set tords=tords where 1=0"},
        {"repeated keys", "update tb_tcid set tords='00001-1' where tcid in (2,3)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        exec(QString::fromUtf8(c.setup));
        const QList<int> listed = rows();
        const QStringList keys = resultKeys();
        EXPECT_FALSE(search::moveToRow(dm.db(), 9, 2));
        EXPECT_EQ(rows(), listed);
        EXPECT_EQ(resultKeys(), keys);
        EXPECT_EQ(dm.db().transactionDepth(), 0);
    }
}

}  // namespace
