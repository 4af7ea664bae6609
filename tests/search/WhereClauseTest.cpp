#include <gtest/gtest.h>

#include <functional>

#include "SearchFixture.h"
#include "search/WhereClause.h"
#include "support/QtPrinters.h"

namespace {

using search::SearchConditions;

class WhereClauseTest : public SearchFixture {
  protected:
    // Conditions as a fresh dialog has them (state "在职" removed unless a case sets it), to
    // 2012-07-15.
    static SearchConditions blank() {
        SearchConditions c;
        c.basic.status = -1;
        c.today = QDate(2012, 7, 15);
        return c;
    }
};

struct WhereCase {
    const char* what;
    std::function<void(SearchConditions&)> set;
    // Texts the clause holds (empty: none checked).
    QStringList clauseHolds;
    // The cadres selected, names without blanks.
    QStringList selects;
};

TEST_F(WhereClauseTest, EachFieldBuildsItsConditionAndSelectsItsCadres) {
    const QStringList all = {QStringLiteral("张三"), QStringLiteral("张小明"),
                             QStringLiteral("李四"), QStringLiteral("王五"),
                             QStringLiteral("周华")};
    const WhereCase cases[] = {
        {"no field", [](SearchConditions&) {}, {}, all},
        {"state 在职 by position",
         [](SearchConditions& c) { c.basic.status = 0; },
         {QStringLiteral(" where  (classid=0)")},
         {QStringLiteral("张三"), QStringLiteral("张小明"), QStringLiteral("李四"),
          QStringLiteral("周华")}},
        {"state 离退",
         [](SearchConditions& c) { c.basic.status = 1; },
         {},
         {QStringLiteral("王五")}},
        {"age 40 on 2012-07-15",
         [](SearchConditions& c) {
             c.basic.ageRelation = 1;
             c.basic.ageFrom = QStringLiteral("40");
         },
         {QStringLiteral(" (csny<=#1972-7-15#) and (csny>#1971-7-15#)")},
         {QStringLiteral("张三"), QStringLiteral("张小明")}},
        {"age at least 41",
         [](SearchConditions& c) {
             c.basic.ageRelation = 0;
             c.basic.ageFrom = QStringLiteral("41");
         },
         {QStringLiteral("(csny<=#1971-7-15#)")},
         {QStringLiteral("李四")}},
        {"age at most 39",
         [](SearchConditions& c) {
             c.basic.ageRelation = 2;
             c.basic.ageFrom = QStringLiteral("39");
         },
         {QStringLiteral("(csny>#1972-7-15#)")},
         {QStringLiteral("王五")}},
        {"age between 39 and 40, counted to 2012.07",
         [](SearchConditions& c) {
             c.basic.ageRelation = 3;
             c.basic.ageFrom = QStringLiteral("39");
             c.basic.ageTo = QStringLiteral("40");
             c.basic.ageAtMonth = true;
             c.basic.ageMonth = QStringLiteral("2012.7");
         },
         {QStringLiteral("(csny<=#1973-7-1#) and (csny>#1971-7-1#)")},
         {QStringLiteral("张三"), QStringLiteral("张小明"), QStringLiteral("李四"),
          QStringLiteral("王五")}},
        {"教授 without 副教授",
         [](SearchConditions& c) { c.basic.title = QStringLiteral("教授"); },
         {QStringLiteral("(zyjszw not like '%副教授%' escape '\\')")},
         {QStringLiteral("张三")}},
        {"a like on 50% finds the literal",
         [](SearchConditions& c) { c.basic.title = QStringLiteral("50%"); },
         {},
         {QStringLiteral("李四")}},
        {"an underscore is no wildcard",
         [](SearchConditions& c) { c.basic.title = QStringLiteral("a_"); },
         {},
         {QStringLiteral("王五")}},
        {"letters search the pinyin initials",
         [](SearchConditions& c) { c.basic.name = QStringLiteral("zh"); },
         {QStringLiteral("(py like 'zh%' escape '\\')")},
         {QStringLiteral("周华")}},
        {"other text the start of the name",
         [](SearchConditions& c) { c.basic.name = QStringLiteral("张"); },
         {QStringLiteral("(xm like '张%' escape '\\')")},
         {QStringLiteral("张三"), QStringLiteral("张小明")}},
        {"a two-character name typed without the stored blanks",
         [](SearchConditions& c) { c.basic.name = QStringLiteral("张三"); },
         {QStringLiteral("(xm like '张  三%' escape '\\' or xm like '张三%' escape '\\')")},
         {QStringLiteral("张三")}},
        {"a two-character name typed with one blank",
         [](SearchConditions& c) { c.basic.name = QStringLiteral("李 四"); },
         {},
         {QStringLiteral("李四")}},
        {"two characters that begin a longer name",
         [](SearchConditions& c) { c.basic.name = QStringLiteral("张小"); },
         {},
         {QStringLiteral("张小明")}},
        {"nothing but blanks is no condition",
         [](SearchConditions& c) { c.basic.name = QStringLiteral("  "); },
         {},
         {QStringLiteral("张三"), QStringLiteral("张小明"), QStringLiteral("李四"),
          QStringLiteral("王五"), QStringLiteral("周华")}},
        {"a quote in the name is a character",
         [](SearchConditions& c) { c.basic.name = QStringLiteral("张'"); },
         {QStringLiteral("'张''%'")},
         {}},
        {"现任职 contains and excludes",
         [](SearchConditions& c) {
             c.basic.postContains = QStringLiteral("县");
             c.basic.postExcludes = QStringLiteral("副");
         },
         {},
         {QStringLiteral("张三"), QStringLiteral("李四")}},
        {"minorities",
         [](SearchConditions& c) { c.basic.nation = 1; },
         {QStringLiteral(" (mz<>'汉族')")},
         {QStringLiteral("张小明")}},
        {"not party members, a missing value included",
         [](SearchConditions& c) { c.basic.party = 1; },
         {QStringLiteral(" ((zzmm<>'中共党员')or(isnull(zzmm)))")},
         {QStringLiteral("张小明"), QStringLiteral("李四")}},
        {"level higher than 县处级副职 (smaller number)",
         [](SearchConditions& c) {
             c.basic.rank = {QStringLiteral("县处级副职"), 0, 0};
         },
         {QStringLiteral("(zwjb in (select zjmc from tb_zj where level1<60))")},
         {QStringLiteral("张三"), QStringLiteral("王五")}},
        {"level equal by name",
         [](SearchConditions& c) {
             c.basic.rank = {QStringLiteral("科员"), 2, 0};
         },
         {QStringLiteral("(zwjb='科员')")},
         {QStringLiteral("李四")}},
        {"education at least 大学 (larger value)",
         [](SearchConditions& c) {
             c.basic.education = {QStringLiteral("大学"), 3, 0};
         },
         {QStringLiteral(" (gxl in (select xl from tb_xl where v>=80))")},
         {QStringLiteral("张三"), QStringLiteral("张小明"), QStringLiteral("王五")}},
        {"任职级时间 before, as text",
         [](SearchConditions& c) {
             c.basic.rankDate = {QStringLiteral("2001.5"), 0};
         },
         {QStringLiteral(" (zwjbTimeStr<='2001.05')")},
         {QStringLiteral("张三"), QStringLiteral("王五")}},
        {"assessment grade in any year",
         [](SearchConditions& c) { c.assessment.grade = QStringLiteral("优秀"); },
         {QStringLiteral("(cadreid in (select cid from tb_kc where kcjl='优秀'))")},
         {QStringLiteral("张小明")}},
        {"assessment grade in 2012 and later",
         [](SearchConditions& c) {
             c.assessment.grade = QStringLiteral("优秀");
             c.assessment.allYears = false;
             c.assessment.year = QStringLiteral("2012");
             c.assessment.yearRelation = 1;
         },
         {QStringLiteral("kcYear>=2012")},
         {}},
        {"称职 without 基本称职 and 不称职",
         [](SearchConditions& c) {
             c.assessment.noteContains = QStringLiteral("称职");
             c.assessment.noteExcludes1 = QStringLiteral("基本称职");
             c.assessment.noteExcludes2 = QStringLiteral("不称职");
         },
         {},
         {QStringLiteral("张三")}},
        {"post 县长 without 副县长, the post row's zwmc",
         [](SearchConditions& c) { c.posts.postName = QStringLiteral("县长"); },
         {QStringLiteral("(x.zwmc not like '%副县长%' escape '\\')"),
          QStringLiteral("LEFT OUTER JOIN tb_department_zs y ON x.zwmc = y.zwmc")},
         {QStringLiteral("张小明"), QStringLiteral("李四")}},
        {"post 县长 held now",
         [](SearchConditions& c) {
             c.posts.postName = QStringLiteral("县长");
             c.posts.current = true;
         },
         {QStringLiteral(" (status=1)")},
         {QStringLiteral("李四")}},
        {"posts taken up from 2011.01 in unit 1",
         [](SearchConditions& c) {
             c.posts.appointedFrom = QStringLiteral("2011.01");
             c.posts.postUnits = {1};
         },
         {QStringLiteral("(rzsj>=#2011-01-01#) and  x.dwid in (1)))")},
         {QStringLiteral("王五")}},
        {"entered a unit before 2006",
         [](SearchConditions& c) { c.posts.enteredTo = QStringLiteral("2005.12"); },
         {QStringLiteral(
             "(cadreid in (select zwcadreid from tb_cadre_node where  (jrsj<=#2005-12-01#)))")},
         {QStringLiteral("张三")}},
        {"training of the kind the training records store",
         [](SearchConditions& c) { c.training.method = QStringLiteral("单位内部培训"); },
         {QStringLiteral("UNION ALL")},
         {QStringLiteral("张三")}},
        {"training days over 7: both tables' equal rows count",
         [](SearchConditions& c) { c.training.days = QStringLiteral("7"); },
         {QStringLiteral("WHERE (zks > 7)")},
         {QStringLiteral("张三")}},
        {"members of checked units",
         [](SearchConditions& c) {
             c.units = {1, 2};
         },
         {QStringLiteral("(CadreID in (select ZwCadreID from tb_cadre_node where dwID in (1,2)))")},
         {QStringLiteral("张三")}},
        {"several fields together",
         [](SearchConditions& c) {
             c.basic.status = 0;
             c.basic.sex = QStringLiteral("男");
             c.basic.party = 0;
         },
         {},
         {QStringLiteral("张三")}},
    };
    for (const WhereCase& test : cases) {
        SearchConditions conditions = blank();
        test.set(conditions);
        const Result<QString> where = search::whereClause(dm.db(), conditions);
        ASSERT_TRUE(where) << test.what << ": " << where.errorText();
        for (const QString& part : test.clauseHolds) {
            EXPECT_TRUE(where->contains(part)) << test.what << ": " << *where << " lacks " << part;
        }
        EXPECT_FALSE(where->trimmed().endsWith(QStringLiteral("and"))) << test.what << *where;
        EXPECT_EQ(selected(*where), test.selects) << test.what << ": " << *where;
    }
}

TEST_F(WhereClauseTest, NoFieldGivesNoClause) {
    const Result<QString> where = search::whereClause(dm.db(), blank());
    ASSERT_TRUE(where);
    EXPECT_EQ(*where, QString());
}

TEST_F(WhereClauseTest, RefusesIncompleteAndImpossibleInput) {
    struct Refusal {
        const char* what;
        std::function<void(SearchConditions&)> set;
        QString message;
    };
    const Refusal refusals[] = {
        {"介于 without the second age",
         [](SearchConditions& c) {
             c.basic.ageRelation = 3;
             c.basic.ageFrom = QStringLiteral("30");
         },
         search::kAgesIncomplete},
        {"no age", [](SearchConditions& c) { c.basic.ageRelation = 0; }, search::kAgesIncomplete},
        {"指定时间 without a month",
         [](SearchConditions& c) {
             c.basic.ageRelation = 0;
             c.basic.ageFrom = QStringLiteral("30");
             c.basic.ageAtMonth = true;
         },
         search::kNoAgeDate},
        {"an age over 150",
         [](SearchConditions& c) {
             c.basic.ageRelation = 0;
             c.basic.ageFrom = QStringLiteral("151");
         },
         search::kBadAge},
        {"an age that is not a number",
         [](SearchConditions& c) {
             c.basic.ageRelation = 0;
             c.basic.ageFrom = QStringLiteral("4o");
         },
         search::kBadAge},
        {"an impossible month",
         [](SearchConditions& c) { c.basic.workDate.month = QStringLiteral("2012.13"); },
         search::badMonthMessage(QStringLiteral("工作时间"))},
        {"a month before 1900",
         [](SearchConditions& c) { c.posts.appointedFrom = QStringLiteral("1899.12"); },
         search::badMonthMessage(QStringLiteral("任职时间"))},
        {"a level the table lacks",
         [](SearchConditions& c) {
             c.basic.rank = {QStringLiteral("某级'"), 0, 0};
         },
         search::unknownValueMessage(QStringLiteral("某级'"))},
        {"an assessment year of letters",
         [](SearchConditions& c) {
             c.assessment.grade = QStringLiteral("优秀");
             c.assessment.allYears = false;
             c.assessment.year = QStringLiteral("20l2");
         },
         search::kBadYear},
        {"training days that are no number",
         [](SearchConditions& c) { c.training.days = QStringLiteral("3) or (1=1"); },
         search::kBadDays},
    };
    for (const Refusal& refusal : refusals) {
        SearchConditions conditions = blank();
        refusal.set(conditions);
        const Result<QString> where = search::whereClause(dm.db(), conditions);
        ASSERT_FALSE(where) << refusal.what << ": " << *where;
        EXPECT_EQ(where.failure().message, refusal.message) << refusal.what;
    }
}

TEST(AgeCondition, ALeapDayReferenceCountsToTheLastDayOfFebruary) {
    const Result<QString> age =
        search::ageCondition(1, QStringLiteral("1"), {}, QDate(2012, 2, 29));
    ASSERT_TRUE(age);
    EXPECT_EQ(*age, QStringLiteral(" (csny<=#2011-2-28#) and (csny>#2010-2-28#) and "));
}

}  // namespace
