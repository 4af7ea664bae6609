#include <gtest/gtest.h>

#include "CadreData.h"
#include "cadre/CadreReports.h"

namespace {

using cadre::ReportKind;

class CadreReportsTest : public CadreData {
  protected:
    void SetUp() override {
        CadreData::SetUp();
        for (const char* table : {"A54", "A55", "A56"}) {
            run(QStringLiteral("delete from ") + QString::fromLatin1(table));
        }
    }
};

TEST_F(CadreReportsTest, EachKindIsSavedReadAndDeletedForItsCadreOnly) {
    struct Case {
        ReportKind kind;
        QVariantMap values;
        QString column;  // a column that must come back as saved
    };
    const Case cases[] = {
        {ReportKind::MajorEvent,
         {{u"A5404"_qs, u"本人婚姻变化情况"_qs},
          {u"A5401"_qs, QDate(2021, 3, 4)},
          {u"A5411"_qs, true},
          {u"A5407"_qs, u"婚姻状况:已婚"_qs}},
         u"A5407"_qs},
        {ReportKind::Audit,
         {{u"A5501"_qs, u"审字〔2021〕3号"_qs},
          {u"A5504"_qs, QDate(2021, 5, 6)},
          {u"A5507"_qs, u"无问题"_qs}},
         u"A5501"_qs},
        {ReportKind::Opinion,
         {{u"A5601"_qs, QDate(2022, 1, 2)},
          {u"A56X2"_qs, u"来信"_qs},
          {u"A5611"_qs, u"不属实"_qs},
          {u"A5604"_qs, u"反映 ' 某事"_qs}},
         u"A5604"_qs},
    };
    for (const Case& c : cases) {
        const Result<int> id = cadre::saveReport(db(), c.kind, 1, 0, c.values);
        ASSERT_TRUE(id) << id.errorText();
        const auto read = cadre::readReport(db(), c.kind, 1, *id);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->value(c.column), c.values.value(c.column));
        EXPECT_TRUE(cadre::readReport(db(), c.kind, 2, *id)->isEmpty());
        const auto listed = db().query(cadre::reportListStatement(c.kind, 1));
        EXPECT_EQ(listed->rows.size(), 1u);

        QVariantMap edited = *read;
        edited.insert(c.column, u"改"_qs);
        ASSERT_TRUE(cadre::saveReport(db(), c.kind, 1, *id, edited));
        EXPECT_EQ(cadre::readReport(db(), c.kind, 1, *id)->value(c.column).toString(), u"改"_qs);

        ASSERT_TRUE(cadre::deleteReport(db(), c.kind, 2, *id));  // not cadre 2's: stays
        EXPECT_FALSE(cadre::readReport(db(), c.kind, 1, *id)->isEmpty());
        ASSERT_TRUE(cadre::deleteReport(db(), c.kind, 1, *id));
        EXPECT_TRUE(cadre::readReport(db(), c.kind, 1, *id)->isEmpty());
    }
}

TEST_F(CadreReportsTest, AMajorEventNeedsACategory) {
    const Result<int> id =
        cadre::saveReport(db(), ReportKind::MajorEvent, 1, 0, {{u"A5407"_qs, u"内容"_qs}});
    ASSERT_FALSE(id);
    EXPECT_EQ(id.failure().message, cadre::kChooseReportCategory);
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from A54"))->toInt(), 0);
}

TEST_F(CadreReportsTest, CategoriesGiveTheirLabelledLines) {
    EXPECT_EQ(cadre::majorEventForm(0),
              u"婚姻状况:\n配偶称谓:\n配偶姓名:\n出生年月:\n工作单位及职务:"_qs);
    EXPECT_EQ(cadre::majorEventForm(7), u"亲属称谓:\n刑事责任类别:\n期限:\n原因:"_qs);
    EXPECT_EQ(cadre::majorEventForm(8), QString());
    EXPECT_EQ(cadre::majorEventCategories().size(), 8);
    EXPECT_EQ(cadre::reportHeading(ReportKind::Audit, u"张三"_qs),
              u"张三 同志经济责任审计情况登记表"_qs);
    EXPECT_EQ(cadre::reportHeading(ReportKind::MajorEvent, {}), u"个人重大事项报告登记表"_qs);
}

}  // namespace
