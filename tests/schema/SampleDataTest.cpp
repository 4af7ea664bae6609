#include <gtest/gtest.h>

#include "db/Database.h"
#include "support/DataConsistency.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"
#include "text/PersonName.h"
#include "text/Pinyin.h"

namespace {

TEST(DataConsistency, CurrentPostTextNamesAUnitAgainWhenItsPostsAreApart) {
    EXPECT_EQ(currentPostText(
                  {QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("B")},
                  {QStringLiteral("职务1"), QStringLiteral("职务2"), QStringLiteral("职务3")}),
              QStringLiteral("A职务1、职务2，B职务3"));
    EXPECT_EQ(currentPostText(
                  {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("A")},
                  {QStringLiteral("职务1"), QStringLiteral("职务3"), QStringLiteral("职务2")}),
              QStringLiteral("A职务1，B职务3，A职务2"));
    EXPECT_EQ(currentPostText({}, {}), QString());
}

class SampleData : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(db_.open(home_.makeWorkingDatabase())) << db_.lastError(); }
    int count(const QString& sql) { return db_.scalar(sql)->toInt(); }

    TestHome home_;
    db::Database db_;
};

TEST_F(SampleData, IsOnePlausibleOrganisation) {
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_department")), 16);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_department where isDep=False")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre")), 60);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre where Classid=0")), 60);
    // Everyone has a unit, a family, a resume, assessments; some have been rewarded.
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre where CadreID not in (select "
                                   "ZwCadreID from tb_cadre_node)")),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre where CadreID not in (select "
                                   "CadreID from tb_family)")),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre where isnull(gzjl) or gzjl=''")),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre where CadreID not in (select cid "
                                   "from tb_kc)")),
              0);
    EXPECT_GT(count(QStringLiteral("select count(*) from tb_jc")), 0);
    EXPECT_GT(count(QStringLiteral("select count(*) from tb_cadre_zw where status=2")), 60);
    // gbOrd is the global display order 1..60.
    EXPECT_EQ(count(QStringLiteral("select count(*) from (select distinct gbOrd from tb_cadre "
                                   "where gbOrd between 1 and 60)")),
              60);
}

TEST_F(SampleData, TakesItsValuesFromTheTemplatesOwnLists) {
    const char* outsiders[] = {
        "select count(*) from tb_cadre where zwjb not in (select zjmc from tb_zj)",
        "select count(*) from tb_cadre where gxl not in (select xl from tb_xl)",
        "select count(*) from tb_cadre where qrzxl not in (select xl from tb_xl)",
        "select count(*) from tb_cadre where gxw not in (select degree from tb_degree)",
        "select count(*) from tb_department where dwxz not in (select xz from tb_dep_xz)",
    };
    for (const char* sql : outsiders) {
        EXPECT_EQ(count(QString::fromUtf8(sql)), 0) << sql;
    }
}

TEST_F(SampleData, KeepsTheRulesOfUnitsPostsAndMemberships) {
    EXPECT_EQ(dataConsistencyProblems(db_), QStringList());
}

TEST_F(SampleData, BrokenRulesAreFound) {
    struct Case {
        const char* change;
        const char* problem;
    };
    const Case cases[] = {
        {"update tb_department set dwIndex='009' where ID=2", "unit 2: top-level level or index"},
        {"update tb_department set dwlevel=2 where ID=7", "unit 7: level or index"},
        {"update tb_cadre_node set zwList='别的' where ZwCadreID=2 and dwID=3",
         "cadre 2 unit 3: post summary"},
        {"delete * from tb_cadre_node where ZwCadreID=1", "cadre 1 holds a post in unit 1"},
        {"update tb_cadre set xrz='某' where CadreID=5", "cadre 5: current-post text"},
        {"update tb_cadre_zw set zwOrder=3 where ZwCadreID=2 and status=1 and dwID=3",
         "posts of cadre 2 status 1"},
        {"update tb_cadre_zw set mzsj=#1900-01-01# where ZwCadreID=3 and status=2",
         "cadre 3: a former post ends"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(db_.begin());
        ASSERT_TRUE(db_.exec(QString::fromUtf8(c.change))) << db_.lastError();
        const QStringList problems = dataConsistencyProblems(db_);
        EXPECT_TRUE(problems.join(u'\n').contains(QString::fromUtf8(c.problem)))
            << c.change << " gave: " << problems.join(QStringLiteral("; "));
        ASSERT_TRUE(db_.rollback());
    }
}

TEST_F(SampleData, StoresNamesAndMonthsAsTheEditorDoes) {
    const std::optional<db::QueryResult> r =
        db_.query(QStringLiteral("select xm, py, csny, csnyStr, gxl, qrzxl, zzxl from tb_cadre"));
    for (const QVariantList& row : r->rows) {
        const QString name = row[0].toString();
        EXPECT_EQ(name, text::normalizeName(name));
        EXPECT_EQ(row[1].toString(), text::pinyinInitials(name)) << name;
        EXPECT_EQ(row[3].toString(), row[2].toDate().toString(QStringLiteral("yyyy.MM"))) << name;
        const QString highest = row[6].toString().isEmpty() ? row[5].toString() : row[6].toString();
        EXPECT_EQ(row[4].toString(), highest) << name;
    }
    const std::optional<db::QueryResult> units =
        db_.query(QStringLiteral("select name, dwjc, py1, py2 from tb_department"));
    for (const QVariantList& row : units->rows) {
        EXPECT_EQ(row[2].toString(), text::pinyinInitials(row[0].toString())) << row[0].toString();
        EXPECT_EQ(row[3].toString(), text::pinyinInitials(row[1].toString())) << row[1].toString();
    }
}

}  // namespace
