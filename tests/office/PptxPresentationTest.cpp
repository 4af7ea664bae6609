#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "OfficeFixtures.h"
#include "office/PptxPresentation.h"
#include "office/ZipPackage.h"

using office::PptxPresentation;

namespace {

TEST(PptxPresentationTest, ReadsTheTablesOfEachSlideCellByCell) {
    Result<PptxPresentation> opened =
        PptxPresentation::fromBytes(office_test::pptxFixtureBytes(), QStringLiteral("模板.pptx"));
    ASSERT_TRUE(opened.ok()) << opened.errorText().toStdString();
    const PptxPresentation& presentation = *opened;
    EXPECT_EQ(presentation.slideCount(), 2);
    EXPECT_EQ(*presentation.tableCount(1), 1);
    EXPECT_EQ(*presentation.tableCount(2), 0);
    EXPECT_EQ(*presentation.rowCount(1, 1), 2);
    EXPECT_EQ(*presentation.columnCount(1, 1), 3);

    struct Case {
        int row, column;
        const char* text;
    };
    const Case cases[] = {{1, 1, "姓名"}, {1, 2, "<姓名>\n第二行\n3"},
                          {1, 3, ""},     {2, 1, ""},
                          {2, 2, ""},     {2, 3, "丙"}};
    for (const Case& c : cases) {
        const Result<QString> text = presentation.cellText(1, 1, c.row, c.column);
        ASSERT_TRUE(text.ok()) << text.errorText().toStdString();
        EXPECT_EQ(*text, QString::fromUtf8(c.text)) << c.row << "," << c.column;
    }
    for (const auto& [slide, table, row, column] :
         {std::tuple{3, 1, 1, 1}, {2, 1, 1, 1}, {1, 2, 1, 1}, {1, 1, 3, 1}, {1, 1, 1, 4}}) {
        const Result<QString> text = presentation.cellText(slide, table, row, column);
        ASSERT_FALSE(text.ok());
        EXPECT_TRUE(text.errorText().contains(QStringLiteral("模板.pptx")));
    }
}

TEST(PptxPresentationTest, WrittenCellsKeepTheirFormattingAndSurviveSaving) {
    PptxPresentation presentation =
        std::move(PptxPresentation::fromBytes(office_test::pptxFixtureBytes(),
                                              QStringLiteral("模板.pptx")))
            .value();
    ASSERT_TRUE(presentation.setCellText(1, 1, 1, 1, QStringLiteral("张三\n李四")).ok());
    ASSERT_TRUE(presentation.setCellText(1, 1, 2, 1, QStringLiteral("无正文的格")).ok());
    ASSERT_TRUE(presentation.setCellText(1, 1, 2, 2, QStringLiteral("标记格式")).ok());
    ASSERT_TRUE(presentation.setCellText(1, 1, 1, 2, QString()).ok());
    EXPECT_FALSE(presentation.setCellText(1, 1, 9, 9, QStringLiteral("x")).ok());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("输出.pptx"));
    ASSERT_TRUE(presentation.save(path).ok());
    const Result<PptxPresentation> reopened = PptxPresentation::open(path);
    ASSERT_TRUE(reopened.ok()) << reopened.errorText().toStdString();
    EXPECT_EQ(*reopened->cellText(1, 1, 1, 1), QStringLiteral("张三\n李四"));
    EXPECT_EQ(*reopened->cellText(1, 1, 2, 1), QStringLiteral("无正文的格"));
    EXPECT_EQ(*reopened->cellText(1, 1, 2, 2), QStringLiteral("标记格式"));
    EXPECT_EQ(*reopened->cellText(1, 1, 1, 2), QString());
    EXPECT_EQ(*reopened->cellText(1, 1, 2, 3), QStringLiteral("丙"));

    // Both new paragraphs keep the centring and the bold 18-point run of the first one; the
    // empty paragraph's mark gives the run its size where the cell had no run.
    const QByteArray slide =
        *office::ZipPackage::open(path)->part(QStringLiteral("ppt/slides/slide1.xml"));
    EXPECT_EQ(slide.count("<a:pPr algn=\"ctr\"/><a:r><a:rPr lang=\"zh-CN\" sz=\"1800\" b=\"1\"/>"),
              2);
    EXPECT_TRUE(slide.contains("<a:r><a:rPr sz=\"1200\"/><a:t>标记格式</a:t>"));
}

}  // namespace
