#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "search/SearchResult.h"
#include "search/WhereClause.h"
#include "support/QtPrinters.h"

namespace {

using search::SearchMode;

class SearchResultTest : public SearchFixture {
  protected:
    QString where(const std::function<void(search::SearchConditions&)>& set) {
        search::SearchConditions c;
        c.basic.status = -1;
        c.today = QDate(2012, 7, 15);
        set(c);
        const Result<QString> w = search::whereClause(dm.db(), c);
        EXPECT_TRUE(w) << w.errorText();
        return w ? *w : QString();
    }
    int search(SearchMode mode, const QString& w) {
        const Result<int> count = search::runSearch(dm.db(), mode, w);
        EXPECT_TRUE(count) << count.errorText();
        return count ? *count : -1;
    }
    QString women() {
        return where([](search::SearchConditions& c) { c.basic.sex = QStringLiteral("女"); });
    }
    QString named张() {
        return where([](search::SearchConditions& c) { c.basic.name = QStringLiteral("张"); });
    }
};

TEST_F(SearchResultTest, TheModesReplaceAddToAndNarrowTheResult) {
    // No field: every cadre, in default order.
    EXPECT_EQ(search(SearchMode::Replace, {}), 5);
    EXPECT_EQ(resultNames(), (QStringList{"张三", "张小明", "李四", "王五", "周华"}));
    EXPECT_EQ(resultKeys(), (QStringList{"00001", "00002", "00003", "00004", "00005"}));
    // Narrowing with no field changes nothing.
    EXPECT_EQ(search(SearchMode::Narrow, {}), 5);
    // Replace starts afresh.
    EXPECT_EQ(search(SearchMode::Replace, women()), 2);
    EXPECT_EQ(resultNames(), (QStringList{"张小明", "周华"}));
    // Add never takes a cadre twice; new rows list after the old ones.
    EXPECT_EQ(search(SearchMode::Add, named张()), 3);
    EXPECT_EQ(resultNames(), (QStringList{"张小明", "周华", "张三"}));
    EXPECT_EQ(resultKeys(), (QStringList{"00001", "00002", "00002-00001"}));
    // Narrow removes the rows that fail and inserts none (张三 is no woman; 王五 is not added).
    EXPECT_EQ(search(SearchMode::Narrow, women()), 2);
    EXPECT_EQ(resultNames(), (QStringList{"张小明", "周华"}));
}

TEST_F(SearchResultTest, ASecondBatchListsAfterTheFirstWithKeysBelowItsLastKey) {
    exec(QStringLiteral("delete * from tb_cadre"));
    for (int i = 1; i <= 53; ++i) {
        exec(QStringLiteral("insert into tb_cadre (CadreID,gbOrd,Classid,xm,xb) values "
                            "(%1,%1,0,'某%1','%2')")
                 .arg(i)
                 .arg(i <= 50 ? QStringLiteral("男") : QStringLiteral("女")));
    }
    EXPECT_EQ(search(SearchMode::Replace, where([](search::SearchConditions& c) {
                         c.basic.sex = QStringLiteral("男");
                     })),
              50);
    EXPECT_EQ(search(SearchMode::Add, {}), 53);
    const QStringList keys = resultKeys();
    ASSERT_EQ(keys.size(), 53);
    EXPECT_EQ(keys.at(49), QStringLiteral("00050"));
    EXPECT_EQ(keys.mid(50), (QStringList{"00050-00001", "00050-00002", "00050-00003"}));
    EXPECT_EQ(resultNames().mid(50), (QStringList{"某51", "某52", "某53"}));
}

TEST_F(SearchResultTest, KeysFollowInsertionOrderAlsoWhenTheRowsAreNotNeighbours) {
    // Rows of one batch that do not follow each other (a row between them was removed).
    exec(QStringLiteral("insert into tb_tcid (tcid,tord) values (3,10),(1,12),(5,17)"));
    ASSERT_TRUE(search::assignSortKeys(dm.db()));
    EXPECT_EQ(resultNames(), (QStringList{"李四", "张三", "周华"}));
    EXPECT_EQ(resultKeys(), (QStringList{"00001", "00002", "00003"}));
    exec(QStringLiteral("insert into tb_tcid (tcid,tord) values (2,18),(4,19)"));
    ASSERT_TRUE(search::assignSortKeys(dm.db()));
    EXPECT_EQ(resultKeys().mid(3), (QStringList{"00003-00001", "00003-00002"}));
}

TEST(SortNumber, PadsToFiveDigitsOrAsManyAsTheBatchNeeds) {
    EXPECT_EQ(search::sortNumber(7, 53), QStringLiteral("00007"));
    EXPECT_EQ(search::sortNumber(99999, 99999), QStringLiteral("99999"));
    // Beyond 99,999 rows every key of the batch grows, so text order stays the running order.
    EXPECT_EQ(search::sortNumber(7, 100000), QStringLiteral("000007"));
    EXPECT_LT(search::sortNumber(99999, 100000), search::sortNumber(100000, 100000));
}

TEST_F(SearchResultTest, HandAddedCadresComeOnceAndRemovedOnesGo) {
    ASSERT_TRUE(search::runSearch(dm.db(), SearchMode::Replace, women()));
    const Result<int> added = search::addCadres(dm.db(), {5, 3, 1, 3});
    ASSERT_TRUE(added) << added.errorText();
    EXPECT_EQ(*added, 2);
    EXPECT_EQ(resultNames(), (QStringList{"张小明", "周华", "李四", "张三"}));
    ASSERT_TRUE(search::removeCadres(dm.db(), {2, 3}));
    EXPECT_EQ(resultNames(), (QStringList{"周华", "张三"}));
    ASSERT_TRUE(search::clearResult(dm.db()));
    EXPECT_EQ(*search::resultCount(dm.db()), 0);
}

TEST_F(SearchResultTest, AFailingSearchLeavesTheResultAsItWas) {
    ASSERT_TRUE(search::runSearch(dm.db(), SearchMode::Replace, women()));
    const Result<int> failed =
        search::runSearch(dm.db(), SearchMode::Replace, QStringLiteral(" where nosuchcolumn=1"));
    EXPECT_FALSE(failed);
    EXPECT_FALSE(failed.failure().dbError.isEmpty());
    EXPECT_EQ(resultNames(), (QStringList{"张小明", "周华"}));
}

TEST_F(SearchResultTest, TheResultQueryReadsEveryResultRowWithAge) {
    ASSERT_TRUE(search::runSearch(dm.db(), SearchMode::Replace, named张()));
    db::PagedRows rows;
    ASSERT_TRUE(rows.load(dm.db(), search::resultQuery(QDate(2012, 7, 15))));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.key(0, 1), 1);
    const QVariantList* first = rows.row(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->value(rows.columnIndex(QStringLiteral("age"))).toInt(), 40);
    EXPECT_EQ(first->value(rows.columnIndex(QStringLiteral("tords"))).toString(),
              QStringLiteral("00001"));
}

TEST_F(SearchResultTest, TextsOfTheLogHeadingAndExistenceCheck) {
    EXPECT_EQ(search::searchLogLine(53, 50),
              QStringLiteral("当前结果共53人，本次查询符合再查询条件3人"));
    EXPECT_EQ(search::addedLogLine(2, 7), QStringLiteral("选择加入2人，当前共7人"));
    EXPECT_EQ(
        search::removedLogLines({QStringLiteral("甲"), QStringLiteral("乙")}),
        (QStringList{QStringLiteral("----------------------"), QStringLiteral("删除甲,乙等2人")}));
    EXPECT_EQ(search::resultHeading(5), QStringLiteral("查询结果 （共5人）"));
    const Result<QStringList> found = search::cadresNamed(dm.db(), QStringLiteral("张三"));
    ASSERT_TRUE(found);
    ASSERT_EQ(found->size(), 1);
    EXPECT_TRUE(found->first().startsWith(QStringLiteral("张  三（在职，县委书记）")));
    EXPECT_TRUE(search::cadresNamed(dm.db(), QStringLiteral("张"))->isEmpty());
    EXPECT_TRUE(search::cadresNamed(dm.db(), QStringLiteral("'%"))->isEmpty());
}

}  // namespace
