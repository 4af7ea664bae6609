#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "office/PptxPresentation.h"
#include "office/ZipPackage.h"

using office::PptxPresentation;

namespace {

const char* kTableFrame = R"(<p:graphicFrame><p:nvGraphicFramePr><p:cNvPr id="4" name="表格"/>
<p:cNvGraphicFramePr/><p:nvPr/></p:nvGraphicFramePr><p:xfrm><a:off x="0" y="0"/>
<a:ext cx="6000000" cy="800000"/></p:xfrm><a:graphic><a:graphicData
uri="http://schemas.openxmlformats.org/drawingml/2006/table"><a:tbl><a:tblGrid>
<a:gridCol w="2000000"/><a:gridCol w="2000000"/><a:gridCol w="2000000"/></a:tblGrid>
<a:tr h="400000"><a:tc><a:txBody><a:bodyPr/><a:lstStyle/><a:p><a:pPr algn="ctr"/>
<a:r><a:rPr lang="zh-CN" sz="1800" b="1"/><a:t>姓名</a:t></a:r><a:endParaRPr lang="zh-CN" sz="1800"/>
</a:p></a:txBody><a:tcPr/></a:tc><a:tc gridSpan="2"><a:txBody><a:bodyPr/><a:lstStyle/>
<a:p><a:r><a:t>&lt;姓名&gt;</a:t></a:r><a:br/><a:r><a:t>第二行</a:t></a:r></a:p><a:p><a:fld id="{1}" type="slidenum"><a:t>3</a:t></a:fld></a:p>
</a:txBody><a:tcPr/></a:tc><a:tc hMerge="1"><a:txBody><a:bodyPr/><a:lstStyle/><a:p/>
</a:txBody><a:tcPr/></a:tc></a:tr><a:tr h="400000"><a:tc><a:tcPr/></a:tc>
<a:tc><a:txBody><a:bodyPr/><a:lstStyle/><a:p><a:endParaRPr sz="1200"/></a:p></a:txBody><a:tcPr/></a:tc>
<a:tc><a:txBody><a:bodyPr/><a:lstStyle/><a:p><a:r><a:t>丙</a:t></a:r></a:p></a:txBody><a:tcPr/></a:tc>
</a:tr></a:tbl></a:graphicData></a:graphic></p:graphicFrame>)";

// A two-slide presentation: slide 1 with a title shape and one 2 x 3 table, slide 2 with none.
QByteArray presentationBytes() {
    const QByteArray ns =
        "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
        "xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\"";
    const auto slide = [&](const QByteArray& shapes) -> QByteArray {
        return "<p:sld " + ns +
               "><p:cSld><p:spTree><p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/>"
               "<p:nvPr/></p:nvGrpSpPr><p:grpSpPr/>" +
               shapes + "</p:spTree></p:cSld></p:sld>";
    };
    office::ZipPackage package(QStringLiteral("模板.pptx"));
    package.setPart(
        QStringLiteral("[Content_Types].xml"),
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/></Types>");
    package.setPart(QStringLiteral("_rels/.rels"),
                    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                    "relationships\"><Relationship Id=\"rId1\" Type=\"http://schemas."
                    "openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
                    "Target=\"ppt/presentation.xml\"/></Relationships>");
    package.setPart(QStringLiteral("ppt/presentation.xml"),
                    "<p:presentation " + ns +
                        "><p:sldIdLst><p:sldId id=\"256\" r:id=\"rId7\"/><p:sldId id=\"257\" "
                        "r:id=\"rId8\"/></p:sldIdLst></p:presentation>");
    package.setPart(
        QStringLiteral("ppt/_rels/presentation.xml.rels"),
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId8\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
        "2006/relationships/slide\" Target=\"slides/slide2.xml\"/>"
        "<Relationship Id=\"rId7\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
        "2006/relationships/slide\" Target=\"slides/slide1.xml\"/></Relationships>");
    package.setPart(QStringLiteral("ppt/slides/slide1.xml"),
                    slide("<p:sp><p:nvSpPr><p:cNvPr id=\"2\" name=\"标题\"/><p:cNvSpPr/><p:nvPr/>"
                          "</p:nvSpPr><p:spPr/><p:txBody><a:bodyPr/><a:p><a:r><a:t>标题</a:t>"
                          "</a:r></a:p></p:txBody></p:sp>" +
                          QByteArray(kTableFrame)));
    package.setPart(QStringLiteral("ppt/slides/slide2.xml"), slide(QByteArray()));
    return *package.toBytes();
}

TEST(PptxPresentationTest, ReadsTheTablesOfEachSlideCellByCell) {
    Result<PptxPresentation> opened =
        PptxPresentation::fromBytes(presentationBytes(), QStringLiteral("模板.pptx"));
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
        std::move(PptxPresentation::fromBytes(presentationBytes(), QStringLiteral("模板.pptx")))
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
