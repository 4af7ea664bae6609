#include <gtest/gtest.h>

#include "CadreData.h"
#include "cadre/Assessments.h"
#include "cadre/InspectionPrintout.h"

namespace {

using cadre::Inspection;

class AssessmentsTest : public CadreData {
  protected:
    void SetUp() override {
        CadreData::SetUp();
        run(QStringLiteral("delete from tb_kc"));
    }

    int addAnnual(int cadre, int year, const QString& grade) {
        run(QStringLiteral("insert into tb_kc (cid,kclb,kcName,kcYear,kcjl) values "
                           "(%1,'年度考核','%2年度考核',%2,'%3')")
                .arg(cadre)
                .arg(year)
                .arg(grade));
        return static_cast<int>(db().lastInsertId());
    }
    QString value(int id, const QString& column) {
        return db()
            .scalar(QStringLiteral("select ") + column + QStringLiteral(" from tb_kc where id=?"),
                    {id})
            ->toString();
    }
};

TEST_F(AssessmentsTest, TheAppraisalYearFollowsTheDateOrTheName) {
    struct Case {
        QString category;
        QString name;
        QDate date;
        QDate settledDate;
        int year;
    };
    const Case cases[] = {
        {cadre::kAnnualAppraisal, u"2015年度考核"_qs, {}, QDate(2016, 1, 1), 2015},
        {cadre::kAnnualAppraisal, u"年度考核"_qs, QDate(2016, 12, 20), QDate(2016, 12, 20), 2016},
        {cadre::kAnnualAppraisal, u"年度考核"_qs, QDate(2016, 3, 1), QDate(2016, 3, 1), 2015},
        {cadre::kAnnualAppraisal, u"本年度考核"_qs, {}, {}, 2030},
        {u"届中考察"_qs, u"2015年届中考察"_qs, {}, {}, 2030},
    };
    for (const Case& c : cases) {
        Inspection inspection;
        inspection.cadreId = 1;
        inspection.category = c.category;
        inspection.name = c.name;
        inspection.date = c.date;
        inspection.year = 2030;
        const Result<int> id = cadre::saveInspection(db(), inspection);
        ASSERT_TRUE(id) << id.errorText();
        const auto saved = cadre::readInspection(db(), 1, *id);
        ASSERT_TRUE(saved && saved->has_value());
        EXPECT_EQ((*saved)->date, c.settledDate) << c.name.toStdString();
        EXPECT_EQ((*saved)->year, c.year) << c.name.toStdString();
    }
}

TEST_F(AssessmentsTest, AnInspectionNeedsACategoryAndAName) {
    Inspection inspection;
    inspection.cadreId = 1;
    inspection.name = u"考察"_qs;
    EXPECT_EQ(cadre::saveInspection(db(), inspection).failure().message,
              cadre::kChooseInspectionCategory);
    inspection.category = u"届中考察"_qs;
    inspection.name = u"  "_qs;
    EXPECT_EQ(cadre::saveInspection(db(), inspection).failure().message,
              cadre::kEnterInspectionName);
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from tb_kc"))->toInt(), 0);
}

TEST_F(AssessmentsTest, TheSummaryTakesTheLastThreeYears) {
    addAnnual(1, 2019, u"优秀"_qs);
    addAnnual(1, 2016, u"称职"_qs);
    addAnnual(1, 2018, u"称职"_qs);
    addAnnual(1, 2020, u"称职"_qs);
    addAnnual(1, 2017, u"基本称职"_qs);
    addAnnual(2, 2021, u"优秀"_qs);
    EXPECT_EQ(*cadre::appraisalSummary(db(), 1), u"2018年称职，2019年优秀，2020年称职"_qs);
    EXPECT_EQ(*cadre::appraisalSummary(db(), 2), u"2021年优秀"_qs);
    EXPECT_EQ(*cadre::appraisalSummary(db(), 3), QString());
}

TEST_F(AssessmentsTest, TheBatchTouchesOnlyAnnualAppraisals) {
    const int stored = addAnnual(1, 2022, u"称职"_qs);
    // A promotion inspection of cadre 2 counted for the same year.
    run(
        QStringLiteral("insert into tb_kc (cid,kclb,kcName,kcYear,kcjl) values "
                       "(2,'个别提拔任职考察','提拔考察',2022,'合格')"));
    const int inspection = static_cast<int>(db().lastInsertId());

    const auto lines = cadre::appraisalLines(db(), {1, 2, 3, 99999}, 2022);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 3);
    EXPECT_EQ((*lines)[0].grade, u"称职"_qs);
    EXPECT_EQ((*lines)[1].grade, QString());  // the inspection is no appraisal

    cadre::AppraisalBatch batch;
    batch.year = 2022;
    batch.date = QDate(2022, 12, 28);
    batch.body = u"市委组织部"_qs;
    batch.lines = *lines;
    batch.lines[0].grade = u"优秀"_qs;
    batch.lines[1].grade = u"称职"_qs;
    batch.lines[2].grade.clear();
    int steps = 0;
    ASSERT_TRUE(cadre::saveAppraisals(db(), batch, [&steps](int) { ++steps; }));
    EXPECT_EQ(steps, 3);

    EXPECT_EQ(value(stored, u"kcjl"_qs), u"优秀"_qs);
    EXPECT_EQ(value(stored, u"kczzmc"_qs), u"市委组织部"_qs);
    EXPECT_EQ(value(inspection, u"kcjl"_qs), u"合格"_qs);
    EXPECT_EQ(value(inspection, u"kclb"_qs), u"个别提拔任职考察"_qs);
    const auto added = db().query(
        QStringLiteral("select kcName,kcjl,kcsj from tb_kc where cid=2 and kclb='年度考核'"));
    ASSERT_EQ(added->rows.size(), 1u);
    EXPECT_EQ(added->rows[0][0].toString(), u"2022年度考核"_qs);
    EXPECT_EQ(added->rows[0][1].toString(), u"称职"_qs);
    EXPECT_EQ(added->rows[0][2].toDate(), QDate(2022, 12, 28));
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from tb_kc where cid=3"))->toInt(), 0);
}

TEST_F(AssessmentsTest, ANewInspectionStartsFromTheCadre) {
    const QDate today(2024, 5, 6);
    const auto annual = cadre::newInspection(db(), 1, true, today);
    const auto other = cadre::newInspection(db(), 1, false, today);
    ASSERT_TRUE(annual && other);
    EXPECT_EQ(annual->category, cadre::kAnnualAppraisal);
    EXPECT_FALSE(annual->date.isValid());
    EXPECT_EQ(other->date, today);
    EXPECT_EQ(other->year, 2024);
    EXPECT_EQ(annual->post,
              db().scalar(QStringLiteral("select xrz from tb_cadre where CadreID=1"))->toString());
}

TEST_F(AssessmentsTest, ThePrintedFormShowsEveryFieldAndRunsOnToANewPage) {
    Inspection inspection;
    inspection.name = u"2020年度考核"_qs;
    inspection.conclusion = u"优秀"_qs;
    inspection.date = QDate(2021, 1, 5);
    inspection.strengths = u"政治坚定，业务精通。\r\n"_qs.repeated(20);
    const report::Layout layout = cadre::inspectionPrintout(inspection, u"刘  成"_qs);
    QStringList texts;
    for (int page = 0; page < layout.pageCount(); ++page) {
        for (const report::Cell& cell : layout.cells(page)) {
            texts << cell.text;
        }
    }
    for (const QString& shown : {cadre::kInspectionFormTitle, u"刘  成"_qs, u"2020年度考核"_qs,
                                 u"优秀"_qs, u"2021.01.05"_qs, u"考察组成员"_qs}) {
        EXPECT_TRUE(texts.contains(shown)) << shown.toStdString();
    }
    EXPECT_EQ(layout.pageCount(), 2);
    EXPECT_TRUE(layout.overflowingCells().empty());
}

}  // namespace
