#include <gtest/gtest.h>

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

TEST_F(ResultSortTest, MovesExchangeOrShiftKeys) {
    ASSERT_TRUE(search::swapKeys(dm.db(), 1, 2));
    EXPECT_EQ(resultNames(), (QStringList{"张小明", "张三", "李四", "王五", "周华"}));
    // To row 4: right after the row now at 3.
    ASSERT_TRUE(search::moveToRow(dm.db(), 5, 4));
    EXPECT_EQ(resultNames(), (QStringList{"张小明", "张三", "李四", "周华", "王五"}));
    // Onto the row after itself: nothing changes.
    const QStringList keys = resultKeys();
    ASSERT_TRUE(search::moveToRow(dm.db(), 3, 4));
    EXPECT_EQ(resultKeys(), keys);
    ASSERT_TRUE(search::moveToRow(dm.db(), 4, 1));
    EXPECT_EQ(resultNames().first(), QStringLiteral("王五"));
}

}  // namespace
