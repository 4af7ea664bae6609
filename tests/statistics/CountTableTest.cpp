#include <gtest/gtest.h>

#include <QDate>

#include "CountTableTotals.h"
#include "app/DataModule.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "search/SearchResult.h"
#include "statistics/CountTable.h"
#include "support/TestHome.h"

using namespace statistics;

namespace {

const QDate kToday(2012, 7, 15);

class CountTableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError().toStdString();
    }
    void exec(const QString& sql) {
        ASSERT_TRUE(dm.db().exec(sql)) << dm.db().lastError().toStdString();
    }
    // Makes every cadre of the working database the result; their number.
    int searchAll() {
        const Result<int> count =
            search::runSearch(dm.db(), search::SearchMode::Replace, QString());
        EXPECT_TRUE(count) << count.failure().dbError.toStdString();
        return count ? *count : -1;
    }

    TestHome home;
    TDataM dm{home.path()};
};

QStringList labels(const QList<Category>& list) {
    QStringList out;
    for (const Category& c : list) {
        out << c.label;
    }
    return out;
}

// Over the sample data, for every pair of dimensions: each cell is the number of cadres that
// its reverse look-up lists, each row and column adds up to its total, and the grand total is
// the result's count; on a day of the sample's own and on the days a cadre turns the age at
// the edge of the outer bands.
TEST_F(CountTableTest, EveryCellMatchesItsReverseLookUpAndTotalsAddUp) {
    const int count = searchAll();
    ASSERT_GT(count, 20);
    // A cadre in no category of the bands: no birth date.
    exec(
        QStringLiteral("update tb_cadre set csny=null where CadreID in (select top 1 tcid from "
                       "tb_tcid order by tords)"));
    for (const QDate& today : QList<QDate>{kToday} + bandEdgeDays(dm.db())) {
        expectEveryPairAddsUp(dm.db(), today, count);
    }
}

// A cadre at an edge of a default band, on the birthday or the day before, is in the band of
// its age and in no other.
TEST_F(CountTableTest, ACadreAtABandsEdgeFallsInThatBandOnly) {
    const struct {
        int years;      // born this many years before the day counted
        int daysLater;  // and this many days later: 1 is a year younger until tomorrow
        const char* band;
    } cases[] = {{35, 0, "35岁及以下"}, {36, 1, "35岁及以下"}, {36, 0, "36-40岁"},
                 {40, 0, "36-40岁"},    {41, 0, "41-45岁"},    {55, 0, "51-55岁"},
                 {56, 0, "56-60岁"},    {60, 0, "56-60岁"},    {61, 1, "56-60岁"},
                 {61, 0, "60岁以上"},   {75, 0, "60岁以上"}};
    for (const auto& edge : cases) {
        SCOPED_TRACE(QStringLiteral("%1 years, %2 days later")
                         .arg(edge.years)
                         .arg(edge.daysLater)
                         .toStdString());
        exec(QStringLiteral("delete * from tb_cadre"));
        exec(QStringLiteral("insert into tb_cadre (CadreID,gbOrd,xb,csny) values (1,1,'男',") +
             sql::dateLiteral(kToday.addYears(-edge.years).addDays(edge.daysLater)) + u')');
        ASSERT_EQ(searchAll(), 1);
        const Result<CountTable> table =
            countResult(dm.db(), Dimension::Age, Dimension::Sex, kToday);
        ASSERT_TRUE(table);
        QStringList bands;
        for (int r = 0; r < table->rows.size(); ++r) {
            if (table->counts[r][table->columns.size()] > 0) {
                bands << table->rows[r].label;
            }
        }
        EXPECT_EQ(bands, QStringList{QString::fromUtf8(edge.band)});
    }
}

TEST_F(CountTableTest, AgeBandsFollowTheBirthDayAndTheRestIsOther) {
    exec(QStringLiteral("delete * from tb_cadre"));
    exec(QStringLiteral("delete * from tb_tcid"));
    exec(QStringLiteral(
        "insert into tb_cadre (CadreID,gbOrd,xm,csny,xb,mz,gxl) values "
        "(1,1,'甲',#1977-07-16#,'男','汉族','大学本科'),(2,2,'乙',#1977-07-15#,'女',null,'研究生'),"
        "(3,3,'丙',#1976-07-15#,'男','回族',null),(4,4,'丁',null,null,'',''),"
        "(5,5,'戊',#1940-01-01#,'男','苗族','中专')"));
    ASSERT_EQ(searchAll(), 5);
    exec(QStringLiteral("update tb_params set params1='回族' where nType='统计-民族' and ord=2"));
    // 回族 and 汉族 listed twice each: one column apiece.
    exec(QStringLiteral("update tb_params set params1='汉族' where nType='统计-民族' and ord=4"));

    const Result<CountTable> table =
        countResult(dm.db(), Dimension::Age, Dimension::Nationality, kToday);
    ASSERT_TRUE(table);
    EXPECT_EQ(labels(table->rows), (QStringList{"35岁及以下", "36-40岁", "41-45岁", "46-50岁",
                                                "51-55岁", "56-60岁", "60岁以上", "其他"}));
    EXPECT_EQ(labels(table->columns), (QStringList{"汉族", "回族", "维吾尔族", "其他"}));
    const auto rowTotal = [&](int r) { return table->counts[r][table->columns.size()]; };
    EXPECT_EQ(rowTotal(0), 2);  // 34 and 35 years
    EXPECT_EQ(rowTotal(1), 1);  // 36
    EXPECT_EQ(rowTotal(6), 1);
    EXPECT_EQ(rowTotal(7), 1);  // no birth date
    // Empty and unlisted nationalities are the rest; so is 乙's null.
    const int rest = static_cast<int>(table->columns.size()) - 1;
    EXPECT_EQ(table->counts[table->rows.size()][rest], 3);
    EXPECT_EQ(table->counts[0][rest], 1);

    // Education: a null gxl is 中专及以下 across, but none of the four down.
    const Result<CountTable> education =
        countResult(dm.db(), Dimension::Education, Dimension::Education, kToday);
    ASSERT_TRUE(education);
    EXPECT_EQ(labels(education->rows),
              (QStringList{"研究生及以上", "大学", "大专", "中专及以下", "其他"}));
    EXPECT_EQ(education->counts[3][5], 2);  // 中专 and ''
    EXPECT_EQ(education->counts[5][3], 3);  // 中专, '' and null
    EXPECT_EQ(education->counts[4][3], 1);  // null
    EXPECT_EQ(education->counts[4][5], 1);
}

// The average age of a cell's cadres with a birth date, two decimals, ties to even.
TEST_F(CountTableTest, AverageAgesAreRoundedToTwoDecimalsTiesToEven) {
    exec(QStringLiteral("delete * from tb_cadre"));
    exec(QStringLiteral("delete * from tb_tcid"));
    // Men: seven aged 40 and one 41 (40.125); women: 34, 35 and 36 (35), and one without a
    // birth date, counted but of no age.
    QStringList values;
    for (int id = 1; id <= 7; ++id) {
        values << QStringLiteral("(%1,%1,'男',#1972-01-01#)").arg(id);
    }
    values << QStringLiteral("(8,8,'男',#1971-01-01#)") << QStringLiteral("(9,9,'女',#1978-01-01#)")
           << QStringLiteral("(10,10,'女',#1977-01-01#)")
           << QStringLiteral("(11,11,'女',#1976-01-01#)") << QStringLiteral("(12,12,'女',null)");
    exec(QStringLiteral("insert into tb_cadre (CadreID,gbOrd,xb,csny) values ") +
         values.join(u','));
    ASSERT_EQ(searchAll(), 12);
    const Result<CountTable> table = countResult(dm.db(), Dimension::Sex, Dimension::Age, kToday);
    ASSERT_TRUE(table);
    const int total = static_cast<int>(table->columns.size());
    EXPECT_EQ(averageAgeText(table->averageAge(0, total)), QStringLiteral("40.12"));
    EXPECT_EQ(averageAgeText(table->averageAge(1, total)), QStringLiteral("35"));
    EXPECT_EQ(table->counts[1][total], 4);
    // All eleven with an age: 426/11 = 38.727…
    EXPECT_EQ(averageAgeText(table->averageAge(table->rows.size(), total)),
              QStringLiteral("38.73"));
    // No woman is in the band 41-45: no average at all, not 0.
    EXPECT_FALSE(table->averageAge(1, 2));
    EXPECT_EQ(averageAgeText(std::nullopt), QString());
}

TEST_F(CountTableTest, AnEmptyResultCountsNothingAndAGrandTotalCellListsEveryone) {
    exec(QStringLiteral("delete * from tb_tcid"));
    const Result<CountTable> empty = countResult(dm.db(), Dimension::Sex, Dimension::Party, kToday);
    ASSERT_TRUE(empty);
    for (const auto& row : empty->counts) {
        for (int value : row) {
            EXPECT_EQ(value, 0);
        }
    }
    const int count = searchAll();
    const Result<CountTable> table = countResult(dm.db(), Dimension::Sex, Dimension::Party, kToday);
    ASSERT_TRUE(table);
    EXPECT_TRUE(table->cellCondition(table->rows.size(), table->columns.size()).isEmpty());
    const Result<QList<int>> all =
        cadresOfCell(dm.db(), *table, table->rows.size(), table->columns.size());
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size(), count);
}

TEST_F(CountTableTest, AQuoteInAValueCannotBreakTheStatement) {
    exec(
        QStringLiteral("update tb_cadre set zzmm='中共''党员' where CadreID in (select top 1 "
                       "CadreID from tb_cadre)"));
    searchAll();
    const Result<CountTable> table = countResult(dm.db(), Dimension::Party, Dimension::Sex, kToday);
    ASSERT_TRUE(table) << table.failure().dbError.toStdString();
    EXPECT_TRUE(labels(table->rows).contains(QStringLiteral("中共'党员")));
}

}  // namespace
