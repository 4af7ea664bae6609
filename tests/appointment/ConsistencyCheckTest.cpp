#include <gtest/gtest.h>

#include "ExecutionFixture.h"
#include "appointment/ConsistencyCheck.h"

namespace {

using appointment::FieldDifference;

class ConsistencyCheckTest : public ExecutionFixture {
  protected:
    void SetUp() override {
        ExecutionFixture::SetUp();
        // The line is corrected in three fields; one more only gains blanks.
        ASSERT_TRUE(
            db().exec(QStringLiteral(
                          "update tb_rmmc_detail set mz='回族', csnyStr='1971.03', "
                          "zzxl='研究生', jgsheng=' '||jgsheng||' ', gzjl='2000.01-        新简历' "
                          "where id=?"),
                      {line}));
        ASSERT_TRUE(db().exec(QStringLiteral("update tb_cadre set mz='汉族', zzxl='' where "
                                             "CadreID=?"),
                              {kCadre}));
    }

    QList<FieldDifference> differences() {
        const Result<appointment::LineAndCadre> source = appointment::readLineAndCadre(db(), line);
        EXPECT_TRUE(source) << source.errorText().toStdString();
        return source ? appointment::personalDifferences(source->line, source->cadre)
                      : QList<FieldDifference>{};
    }
};

TEST_F(ConsistencyCheckTest, ListsTheFieldsWhoseLineValueDiffers) {
    const QList<FieldDifference> found = differences();
    QStringList shown;
    for (const FieldDifference& field : found) {
        shown << field.column + u'|' + field.caption + u'|' + field.cadreValue + u'|' +
                     field.lineValue;
    }
    // The schools, which a line does not copy, are blank in the line and not offered.
    const QString birth = cadreValue(QStringLiteral("csnyStr")).toString();
    EXPECT_EQ(shown,
              (QStringList{QStringLiteral("mz|民族|汉族|回族"),
                           QStringLiteral("csnyStr|出生年月|") + birth + QStringLiteral("|1971.03"),
                           QStringLiteral("zzxl|在职学历||研究生")}));
    const Result<appointment::LineAndCadre> source = appointment::readLineAndCadre(db(), line);
    ASSERT_TRUE(source);
    EXPECT_TRUE(appointment::resumeDiffers(source->line, source->cadre));
    EXPECT_EQ(appointment::personalFields().size(), 16);
}

TEST_F(ConsistencyCheckTest, CarriesTheChosenValuesBackThroughTheSaveRoutine) {
    const int otherPlan = addPlan(QStringLiteral("另一方案"));
    ASSERT_TRUE(appointment::addCadres(db(), otherPlan, {kCadre}));
    const int otherLine = lineId(otherPlan, 1);
    const QVariant otherBirth = lineValue(otherLine, QStringLiteral("csnyStr"));
    const QList<FieldDifference> found = differences();
    ASSERT_EQ(found.size(), 3);

    const Result<void> carried = appointment::carryBack(dm, kCadre, {found[1], found[2]},
                                                        QStringLiteral("2000.01-        新简历"));
    ASSERT_TRUE(carried) << carried.errorText().toStdString();
    EXPECT_EQ(cadreValue(QStringLiteral("csnyStr")).toString(), QStringLiteral("1971.03"));
    EXPECT_EQ(cadreValue(QStringLiteral("csny")).toDate(), QDate(1971, 3, 1));
    EXPECT_EQ(cadreValue(QStringLiteral("zzxl")).toString(), QStringLiteral("研究生"));
    EXPECT_EQ(cadreValue(QStringLiteral("gxl")).toString(), QStringLiteral("研究生"));
    EXPECT_EQ(cadreValue(QStringLiteral("gzjl")).toString(),
              QStringLiteral("2000.01-        新简历"));
    EXPECT_EQ(cadreValue(QStringLiteral("mz")).toString(), QStringLiteral("汉族"));
    EXPECT_EQ(lineValue(otherLine, QStringLiteral("csnyStr")), otherBirth);
    EXPECT_EQ(differences().size(), 1);
}

TEST_F(ConsistencyCheckTest, NothingChosenOrARefusedValueWritesNothing) {
    const Snapshot before = snapshot();
    EXPECT_TRUE(appointment::carryBack(dm, kCadre, {}, std::nullopt));
    EXPECT_EQ(snapshot(), before);

    const FieldDifference badMonth{
        QStringLiteral("csnyStr"), QStringLiteral("出生年月"), {}, QStringLiteral("1971.13")};
    const FieldDifference nation{
        QStringLiteral("mz"), QStringLiteral("民族"), {}, QStringLiteral("回族")};
    const Result<void> refused = appointment::carryBack(dm, kCadre, {nation, badMonth}, {});
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.failure().dbError.isEmpty());
    EXPECT_EQ(snapshot(), before);
}

}  // namespace

namespace {

TEST_F(ConsistencyCheckTest, AnEditedLineIsCheckedOnlyInTheColumnsTheEditChanged) {
    struct Case {
        QStringList edited;
        QStringList columns;
        bool resume;
    };
    for (const Case& c :
         {Case{{}, {}, false}, Case{{QStringLiteral("nrz"), QStringLiteral("jgsheng")}, {}, false},
          Case{{QStringLiteral("zzxl"), QStringLiteral("mz")},
               {QStringLiteral("mz"), QStringLiteral("zzxl")},
               false},
          Case{{QStringLiteral("csnystr"), QStringLiteral("gzjl")},
               {QStringLiteral("csnyStr")},
               true}}) {
        const Result<appointment::EditedLineCheck> check =
            appointment::checkEditedLine(db(), line, c.edited);
        ASSERT_TRUE(check) << check.errorText().toStdString();
        QStringList columns;
        for (const FieldDifference& field : check->fields) {
            columns << field.column;
        }
        EXPECT_EQ(columns, c.columns) << c.edited.join(u',').toStdString();
        EXPECT_EQ(check->resumeChanged, c.resume) << c.edited.join(u',').toStdString();
        EXPECT_EQ(check->cadreId, kCadre);
        EXPECT_EQ(check->isEmpty(), c.columns.isEmpty() && !c.resume);
    }
}

}  // namespace
