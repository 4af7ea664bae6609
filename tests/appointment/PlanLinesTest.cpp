#include <gtest/gtest.h>

#include "PlanFixture.h"
#include "db/SqlText.h"

namespace {

class PlanLinesTest : public PlanFixture {};

TEST_F(PlanLinesTest, AddingCopiesTheCadreAndSkipsThoseAlreadyIn) {
    const int a = addCadre(u"甲"_qs, QDate(1970, 7, 1));
    const int b = addCadre(u"乙"_qs);
    addFamily(a, 9);
    const int planId = addPlan(u"方案"_qs, QDate(2024, 6, 30));
    const Result<int> added = appointment::addCadres(db(), planId, {b, a, b, 99999});
    ASSERT_TRUE(added) << added.errorText().toStdString();
    EXPECT_EQ(*added, 2);
    EXPECT_EQ(*appointment::addCadres(db(), planId, {a}), 0);
    EXPECT_EQ(lines(planId), (QStringList{u"乙:1"_qs, u"甲:2"_qs}));

    const int line = lineId(planId, 2);
    EXPECT_EQ(lineValue(line, u"McCadreID"_qs).toInt(), a);
    EXPECT_EQ(lineValue(line, u"age"_qs).toInt(), 53);  // one day short of 54
    EXPECT_EQ(lineValue(line, u"csnyStr"_qs).toString(), u"1970.07"_qs);
    EXPECT_EQ(lineValue(line, u"gzjl"_qs).toString(), u"简历"_qs);
    // Nine members: the first seven in their order, none beyond.
    EXPECT_EQ(lineValue(line, u"f_1_2"_qs).toString(), u"成员1"_qs);
    EXPECT_EQ(lineValue(line, u"f_7_2"_qs).toString(), u"成员7"_qs);
    EXPECT_EQ(lineValue(line, u"f_7_5"_qs).toString(), u"单位7"_qs);
    EXPECT_EQ(db().scalar(u"select count(*) from tb_rmmc_detail where f_1_2='成员8' or "
                          "f_1_2='成员9'"_qs)
                  ->toInt(),
              0);
}

TEST_F(PlanLinesTest, AFailingLineLeavesTheWholeBatchUnwritten) {
    const int good = addCadre(u"甲"_qs);
    const int bad = addCadre(u"坏"_qs);
    ASSERT_TRUE(
        db().execNative(u"CREATE TRIGGER refuse BEFORE INSERT ON tb_rmmc_detail WHEN "
                        "NEW.xm='坏' BEGIN SELECT RAISE(ABORT,'refused'); END"_qs));
    const int planId = addPlan(u"方案"_qs);
    const Result<int> added = appointment::addCadres(db(), planId, {good, bad});
    ASSERT_FALSE(added);
    EXPECT_TRUE(added.failure().dbError.contains(u"refused"_qs));
    EXPECT_TRUE(lines(planId).isEmpty());
}

TEST_F(PlanLinesTest, EducationPrefersTheInServicePair) {
    struct Case {
        QString zzxl, zzxxzy, qrzxl, qrzxxzy, level, school;
    };
    const std::vector<Case> cases{
        {u"研究生"_qs, u"党校"_qs, u"大学"_qs, u"某大学"_qs, u"研究生"_qs, u"党校"_qs},
        {{}, u"党校"_qs, u"大学"_qs, u"某大学"_qs, u"大学"_qs, u"某大学"_qs},
        {u"研究生"_qs, {}, u"大学"_qs, u"某大学"_qs, u"研究生"_qs, {}},
    };
    for (const Case& c : cases) {
        const appointment::Education e =
            appointment::lineEducation(c.zzxl, c.zzxxzy, c.qrzxl, c.qrzxxzy);
        EXPECT_EQ(e.level, c.level);
        EXPECT_EQ(e.school, c.school);
    }
    // The rule is what a new line shows, not the cadre's stored gxl.
    const int cadre = addCadre(u"甲"_qs);
    ASSERT_TRUE(
        db().exec(u"update tb_cadre set gxl='高中',zzxl='研究生',zzxxzy='党校' where "
                  "CadreID=?"_qs,
                  {cadre}));
    const int planId = addPlan(u"方案"_qs);
    ASSERT_TRUE(appointment::addCadres(db(), planId, {cadre}));
    EXPECT_EQ(lineValue(lineId(planId, 1), u"gxl"_qs).toString(), u"研究生"_qs);
    EXPECT_EQ(lineValue(lineId(planId, 1), u"gxlxx"_qs).toString(), u"党校"_qs);
}

TEST_F(PlanLinesTest, OrdersStayContiguousThroughRemoveAndMove) {
    const int planId = addPlan(u"方案"_qs);
    const int other = addPlan(u"另一方案"_qs);
    QList<int> cadres;
    for (const char16_t* name : {u"一", u"二", u"三", u"四", u"五"}) {
        cadres << addCadre(QString::fromUtf16(name));
    }
    ASSERT_TRUE(appointment::addCadres(db(), planId, cadres));
    ASSERT_TRUE(appointment::addCadres(db(), other, cadres));

    struct Step {
        const char* what;
        char op;  // 'r' remove, 'u' up, 'd' down
        int order;
        QStringList expected;
    };
    const std::vector<Step> steps{
        {"remove line 2 of 5", 'r', 2, {u"一:1"_qs, u"三:2"_qs, u"四:3"_qs, u"五:4"_qs}},
        {"first line up: nothing", 'u', 1, {u"一:1"_qs, u"三:2"_qs, u"四:3"_qs, u"五:4"_qs}},
        {"last line down: nothing", 'd', 4, {u"一:1"_qs, u"三:2"_qs, u"四:3"_qs, u"五:4"_qs}},
        {"line 3 up", 'u', 3, {u"一:1"_qs, u"四:2"_qs, u"三:3"_qs, u"五:4"_qs}},
        {"line 1 down", 'd', 1, {u"四:1"_qs, u"一:2"_qs, u"三:3"_qs, u"五:4"_qs}},
        {"remove the last", 'r', 4, {u"四:1"_qs, u"一:2"_qs, u"三:3"_qs}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const int line = lineId(planId, step.order);
        const Result<void> done = step.op == 'r'
                                      ? appointment::removeLine(db(), line)
                                      : appointment::moveLine(db(), line, step.op == 'u' ? -1 : 1);
        ASSERT_TRUE(done) << done.errorText().toStdString();
        EXPECT_EQ(lines(planId), step.expected);
    }
    // Adding after removals continues at n + 1; the other plan never moved.
    ASSERT_TRUE(appointment::addCadres(db(), planId, {cadres[4], cadres[1]}));
    EXPECT_EQ(lines(planId),
              (QStringList{u"四:1"_qs, u"一:2"_qs, u"三:3"_qs, u"五:4"_qs, u"二:5"_qs}));
    EXPECT_EQ(lines(other),
              (QStringList{u"一:1"_qs, u"二:2"_qs, u"三:3"_qs, u"四:4"_qs, u"五:5"_qs}));
}

TEST_F(PlanLinesTest, RefreshRewritesTheCopyAndKeepsTheLinesOwnTexts) {
    const int cadre = addCadre(u"甲"_qs);
    addFamily(cadre, 3);
    const int planId = addPlan(u"方案"_qs);
    ASSERT_TRUE(appointment::addCadres(db(), planId, {cadre}));
    const int line = lineId(planId, 1);
    ASSERT_TRUE(appointment::setLineValue(db(), line, u"nrz"_qs, u"拟任'局长"_qs));
    ASSERT_TRUE(appointment::setLineValue(db(), line, u"rmjg"_qs, u"通过"_qs));
    ASSERT_TRUE(
        db().exec(u"update tb_cadre set xm='甲改',gzjl='新简历',csny=#1980-01-01#,"
                  "zzxl='研究生',zzxxzy='党校' where CadreID=?"_qs,
                  {cadre}));
    ASSERT_TRUE(db().exec(u"delete from tb_family where CadreID=? and ford=3"_qs, {cadre}));

    ASSERT_TRUE(appointment::refreshLine(db(), line));
    EXPECT_EQ(lineValue(line, u"xm"_qs).toString(), u"甲改"_qs);
    EXPECT_EQ(lineValue(line, u"gxl"_qs).toString(), u"研究生"_qs);
    EXPECT_EQ(lineValue(line, u"gxlxx"_qs).toString(), u"党校"_qs);
    EXPECT_EQ(lineValue(line, u"csny"_qs).toDate(), QDate(1980, 1, 1));
    EXPECT_FALSE(lineValue(line, u"f_3_2"_qs).isValid());
    EXPECT_EQ(lineValue(line, u"f_2_2"_qs).toString(), u"成员2"_qs);
    // The line's own columns stay.
    EXPECT_EQ(lineValue(line, u"gzjl"_qs).toString(), u"简历"_qs);
    EXPECT_EQ(lineValue(line, u"age"_qs).toInt(), 54);
    EXPECT_EQ(lineValue(line, u"nrz"_qs).toString(), u"拟任'局长"_qs);
    EXPECT_EQ(lineValue(line, u"rmjg"_qs).toString(), u"通过"_qs);

    // A cadre deleted since: refused, the line kept as it is.
    ASSERT_TRUE(db().exec(u"delete from tb_cadre where CadreID=?"_qs, {cadre}));
    EXPECT_EQ(appointment::refreshLine(db(), line).failure().message, appointment::kCadreDeleted);
    EXPECT_FALSE(*appointment::cadreExists(db(), cadre));
    EXPECT_EQ(lineValue(line, u"xm"_qs).toString(), u"甲改"_qs);
}

TEST_F(PlanLinesTest, LinesOfAPlanWithoutDateComputeTheAgeToday) {
    const int cadre = addCadre(u"甲"_qs, QDate(1970, 7, 1));
    const int planId = addPlan(u"方案"_qs, QDate(2024, 6, 30));
    ASSERT_TRUE(appointment::addCadres(db(), planId, {cadre}));
    const QDate today(2030, 7, 1);
    const auto stored = appointment::linesStatement(db(), planId, today);
    ASSERT_TRUE(stored);
    EXPECT_EQ(db().query(*stored)->value(0, u"age"_qs).toInt(), 53);

    ASSERT_TRUE(db().exec(u"update tb_rmmc set tbsj=null where id=?"_qs, {planId}));
    const auto computed = appointment::linesStatement(db(), planId, today);
    ASSERT_TRUE(computed);
    const auto rows = db().query(*computed);
    ASSERT_TRUE(rows) << db().lastError().toStdString();
    EXPECT_EQ(rows->value(0, u"age"_qs).toInt(), 60);
    EXPECT_EQ(rows->value(0, u"xm"_qs).toString(), u"甲"_qs);
    // A plan without a date stores no age on adding.
    const int second = addCadre(u"乙"_qs);
    ASSERT_TRUE(appointment::addCadres(db(), planId, {second}));
    EXPECT_FALSE(lineValue(lineId(planId, 2), u"age"_qs).isValid());
}

TEST_F(PlanLinesTest, GridEditingRefusesTheKeyColumns) {
    const int planId = addPlan(u"方案"_qs);
    ASSERT_TRUE(appointment::addCadres(db(), planId, {addCadre(u"甲"_qs)}));
    const int line = lineId(planId, 1);
    for (const QString& column : {u"brOrder"_qs, u"mcID"_qs, u"McCadreID"_qs, u"no_such"_qs}) {
        EXPECT_EQ(appointment::setLineValue(db(), line, column, 5).failure().message,
                  appointment::kNotEditable);
    }
    EXPECT_EQ(lines(planId), QStringList{u"甲:1"_qs});
}

}  // namespace
