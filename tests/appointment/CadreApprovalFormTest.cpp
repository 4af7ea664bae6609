#include <gtest/gtest.h>

#include "PlanFixture.h"
#include "appointment/CadreApprovalForm.h"

namespace {

TEST(CadreApprovalForm, TheResumeIsWrappedNarrowerAndSmallerAsItGrows) {
    const QString shortLine = QStringLiteral("1990.07-1995.09 某单位科员");
    struct Case {
        int lines;
        qreal pointSize;
    };
    for (const Case& c : {Case{22, 12}, Case{23, 10}, Case{26, 10}, Case{27, 9}}) {
        const appointment::ResumeText resume =
            appointment::recordResumeText(QStringList(c.lines, shortLine).join(u'\n'));
        EXPECT_EQ(resume.pointSize, c.pointSize) << c.lines;
    }
    // A long line continues behind 16 blanks at 62 bytes.
    const QString longLine = QStringLiteral("1990.07-1995.09 ") + QString(40, QChar(0x4E2D));
    const appointment::ResumeText wrapped = appointment::recordResumeText(longLine);
    const QStringList lines = wrapped.text.split(u'\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith(QString(16, u' ') + QChar(0x4E2D)));
}

class CadreApprovalFormData : public PlanFixture {};

TEST_F(CadreApprovalFormData, TheRecordAndItsFamilyFillTheForm) {
    const int cadre = addCadre(QStringLiteral("王五"), QDate(1970, 5, 1));
    addFamily(cadre, 9);
    const auto source = appointment::readCadreApprovalSource(db(), cadre, QDate(2024, 6, 30));
    ASSERT_TRUE(source) << source.errorText().toStdString();
    ASSERT_TRUE(source->has_value());
    const appointment::ApprovalSource& form = **source;
    EXPECT_EQ(form.line.value(QStringLiteral("xm")).toString(), QStringLiteral("王五"));
    EXPECT_EQ(form.line.value(QStringLiteral("f_7_2")).toString(), QStringLiteral("成员7"));
    EXPECT_FALSE(form.line.contains(QStringLiteral("f_8_2")));
    EXPECT_EQ(form.tableDate, QDate(2024, 6, 30));
    ASSERT_TRUE(form.resume.has_value());

    appointment::ApprovalSettings settings;
    settings.familyRows = 2;
    const report::Layout layout = appointment::approvalFormLayout(form, settings);
    QStringList texts;
    for (const report::Cell& cell : layout.cells(1)) {
        texts << cell.text;
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("成员2")));
    EXPECT_FALSE(texts.contains(QStringLiteral("成员3")));
    EXPECT_TRUE(texts.contains(QStringLiteral("34")));  // born 1990.01, on 2024-06-30

    const auto gone = appointment::readCadreApprovalSource(db(), 99999, QDate(2024, 6, 30));
    ASSERT_TRUE(gone);
    EXPECT_FALSE(gone->has_value());
}

}  // namespace
