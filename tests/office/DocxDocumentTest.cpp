#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "OfficeFixtures.h"
#include "office/DocxDocument.h"
#include "office/ZipPackage.h"

using office::DocxDocument;
using office_test::runPython;

namespace {

// Reads every table of a .docx with python-docx: per table, per row, the text of each w:tc
// (as Word counts cells), and for cells with pictures the picture's size in EMU and MD5.
const QString kReadTables = QStringLiteral(R"PY(
import sys, json, hashlib
from docx import Document
from docx.table import _Cell
doc = Document(sys.argv[1])
ns = {'pic': 'http://schemas.openxmlformats.org/drawingml/2006/picture',
      'a': 'http://schemas.openxmlformats.org/drawingml/2006/main',
      'wp': 'http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing',
      'r': 'http://schemas.openxmlformats.org/officeDocument/2006/relationships'}
tables = []
for table in doc.tables:
    rows = []
    for tr in table._tbl.tr_lst:
        cells = []
        for tc in tr.tc_lst:
            cell = _Cell(tc, table)
            entry = {'text': cell.text}
            pics = tc.xpath('.//wp:inline')
            if pics:
                inline = pics[0]
                rid = inline.xpath('.//a:blip/@r:embed')[0]
                blob = doc.part.related_parts[rid].blob
                entry['picture'] = [int(inline.extent.cx), int(inline.extent.cy),
                                    hashlib.md5(blob).hexdigest()]
            cells.append(entry)
        rows.append(cells)
    tables.append(rows)
print(json.dumps(tables, ensure_ascii=False))
)PY");

class DocxDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fixture_ = dir_.filePath(QStringLiteral("表格.docx"));
        office_test::writeDocxFixture(fixture_);
    }

    DocxDocument openFixture() {
        Result<DocxDocument> document = DocxDocument::open(fixture_);
        EXPECT_TRUE(document.ok()) << document.errorText().toStdString();
        return std::move(document).value();
    }

    // Saves the document and returns python-docx's reading of its tables.
    QJsonArray savedAndReadBack(const DocxDocument& document) {
        const QString out = dir_.filePath(QStringLiteral("输出.docx"));
        const Result<void> saved = document.save(out);
        EXPECT_TRUE(saved.ok()) << saved.errorText().toStdString();
        return runPython(kReadTables, {out}).toArray();
    }

    QTemporaryDir dir_;
    QString fixture_;
};

TEST_F(DocxDocumentTest, CountsTablesRowsColumnsAndCellsAsWordDoes) {
    const DocxDocument document = openFixture();
    EXPECT_EQ(document.tableCount(), 2);
    EXPECT_EQ(*document.rowCount(1), 4);
    EXPECT_EQ(*document.columnCount(1), 3);
    EXPECT_EQ(*document.cellCount(1, 1), 3);
    EXPECT_EQ(*document.cellCount(1, 2), 2);  // two grid columns merged count once
    EXPECT_EQ(*document.rowCount(2), 1);

    const Result<int> missing = document.rowCount(3);
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.errorText().contains(QStringLiteral("表格.docx")));
    EXPECT_TRUE(missing.errorText().contains(QStringLiteral("第3个表格")));
}

TEST_F(DocxDocumentTest, ReadsCellTextsAddressedAsWordAddressesThem) {
    DocxDocument document = openFixture();
    struct Case {
        int table, row, column;
        const char* text;
    };
    const Case cases[] = {
        {1, 1, 1, "姓名"},           {1, 1, 2, "张三"}, {1, 1, 3, "照片"}, {1, 2, 1, "简历"},
        {1, 2, 2, "第一段\n第二段"}, {1, 3, 2, "乙"},   {1, 4, 1, "丁"},   {1, 4, 3, "戊"},
        {2, 1, 1, "第二页"},
    };
    for (const Case& c : cases) {
        const Result<QString> text = document.cellText(c.table, c.row, c.column);
        ASSERT_TRUE(text.ok()) << c.row << "," << c.column << ": "
                               << text.errorText().toStdString();
        EXPECT_EQ(*text, QString::fromUtf8(c.text)) << c.row << "," << c.column;
        EXPECT_TRUE(document.hasCell(c.table, c.row, c.column));
    }

    struct Refused {
        int table, row, column;
        const char* why;
    };
    const Refused refused[] = {
        {1, 4, 2, "纵向合并"},     // continues "乙" from the row above
        {1, 2, 3, "第3个单元格"},  // the merged row has two cells only
        {1, 5, 1, "第5行"},       {1, 1, 0, "第0个单元格"}, {0, 1, 1, "第0个表格"},
    };
    for (const Refused& r : refused) {
        const Result<QString> text = document.cellText(r.table, r.row, r.column);
        ASSERT_FALSE(text.ok()) << r.row << "," << r.column;
        EXPECT_TRUE(text.errorText().contains(QString::fromUtf8(r.why)))
            << text.errorText().toStdString();
        EXPECT_TRUE(text.errorText().contains(QStringLiteral("表格.docx")));
        EXPECT_FALSE(document.hasCell(r.table, r.row, r.column));
        EXPECT_FALSE(document.setCellText(r.table, r.row, r.column, QStringLiteral("x")).ok());
    }
}

TEST_F(DocxDocumentTest, RowsAndCellsInsideContentControlsCountAsWordCountsThem) {
    Result<office::ZipPackage> package = office::ZipPackage::open(fixture_);
    ASSERT_TRUE(package.ok());
    QByteArray xml = *package->part(QStringLiteral("word/document.xml"));
    const QByteArray open = "<w:sdt><w:sdtPr/><w:sdtContent>";
    const QByteArray close = "</w:sdtContent></w:sdt>";
    // The name cell of row 1, and the whole of row 4, become content controls.
    const qsizetype name = xml.indexOf("<w:tc><w:tcPr><w:tcW w:type=\"dxa\" w:w=\"2268\"/>");
    xml.insert(xml.indexOf("</w:tc>", name) + 7, close).insert(name, open);
    const qsizetype lastRow = xml.lastIndexOf("<w:tr>", xml.indexOf("丁"));
    xml.insert(xml.indexOf("</w:tr>", lastRow) + 7, close).insert(lastRow, open);
    // And the paragraphs of the merged resume cell sit in a content control of their own.
    const qsizetype first = xml.lastIndexOf("<w:p>", xml.indexOf("第一段"));
    xml.insert(xml.indexOf("</w:p>", xml.indexOf("第二段")) + 6, close).insert(first, open);
    package->setPart(QStringLiteral("word/document.xml"), xml);
    Result<DocxDocument> wrapped =
        DocxDocument::fromBytes(*package->toBytes(), QStringLiteral("表格.docx"));
    ASSERT_TRUE(wrapped.ok()) << wrapped.errorText().toStdString();

    EXPECT_EQ(*wrapped->rowCount(1), 4);
    EXPECT_EQ(*wrapped->cellCount(1, 1), 3);
    EXPECT_EQ(*wrapped->cellText(1, 1, 2), QStringLiteral("张三"));
    EXPECT_EQ(*wrapped->cellText(1, 1, 3), QStringLiteral("照片"));
    EXPECT_EQ(*wrapped->cellText(1, 4, 3), QStringLiteral("戊"));
    EXPECT_EQ(*wrapped->cellText(1, 2, 2), QStringLiteral("第一段\n第二段"));
    EXPECT_NEAR(*wrapped->cellWidthMm(1, 1, 3), 50.0, 0.05);
    ASSERT_TRUE(wrapped->setCellText(1, 4, 1, QStringLiteral("改")).ok());
    EXPECT_EQ(*wrapped->cellText(1, 4, 1), QStringLiteral("改"));
}

TEST_F(DocxDocumentTest, WrittenTextsReadBackWithPythonDocxAndKeepTheCellFormatting) {
    DocxDocument document = openFixture();
    const QString resume = QStringLiteral("1985.09-1989.07 某大学学习\n") + QString(16, u' ') +
                           QStringLiteral("续行\n\n结尾\t制表");
    ASSERT_TRUE(document.setCellText(1, 1, 2, QStringLiteral("李四")).ok());
    ASSERT_TRUE(document.setCellText(1, 2, 2, resume).ok());
    ASSERT_TRUE(document.setCellText(1, 3, 2, QStringLiteral("行一\r\n行二\r行三")).ok());
    ASSERT_TRUE(document.setCellText(1, 4, 3, QString()).ok());
    ASSERT_TRUE(document.setCellText(2, 1, 1, QStringLiteral("  前后空格  ")).ok());
    EXPECT_EQ(*document.cellText(1, 2, 2), resume);

    const QJsonArray tables = savedAndReadBack(document);
    ASSERT_EQ(tables.size(), 2);
    const QJsonArray rows = tables[0].toArray();
    EXPECT_EQ(rows[0].toArray()[1].toObject()[QStringLiteral("text")].toString(),
              QStringLiteral("李四"));
    EXPECT_EQ(rows[1].toArray()[1].toObject()[QStringLiteral("text")].toString(), resume);
    EXPECT_EQ(rows[2].toArray()[1].toObject()[QStringLiteral("text")].toString(),
              QStringLiteral("行一\n行二\n行三"));
    EXPECT_EQ(rows[3].toArray()[2].toObject()[QStringLiteral("text")].toString(), QString());
    EXPECT_EQ(rows[0].toArray()[0].toObject()[QStringLiteral("text")].toString(),
              QStringLiteral("姓名"));
    EXPECT_EQ(tables[1].toArray()[0].toArray()[0].toObject()[QStringLiteral("text")].toString(),
              QStringLiteral("  前后空格  "));

    // The replaced name keeps the template's bold 12-point run and centred paragraph.
    const QJsonValue format = runPython(QStringLiteral(R"PY(
import sys, json
from docx import Document
cell = Document(sys.argv[1]).tables[0].cell(0, 1)
p = cell.paragraphs[0]
print(json.dumps([len(cell.paragraphs), str(p.alignment), [r.bold for r in p.runs],
                  [r.font.size.pt for r in p.runs]]))
)PY"),
                                        {dir_.filePath(QStringLiteral("输出.docx"))});
    EXPECT_EQ(format, QJsonValue(QJsonArray{1, QStringLiteral("CENTER (1)"), QJsonArray{true},
                                            QJsonArray{12.0}}));
}

TEST_F(DocxDocumentTest, FontSizeAndExactLineSpacingApplyToTheWholeCell) {
    DocxDocument document = openFixture();
    ASSERT_TRUE(document.setCellText(1, 2, 2, QStringLiteral("一\n二\n三")).ok());
    ASSERT_TRUE(document.setCellFontSize(1, 2, 2, 9).ok());
    ASSERT_TRUE(document.setCellExactLineSpacing(1, 2, 2, 14).ok());
    ASSERT_TRUE(document.setCellFontSize(1, 1, 1, 10.5).ok());

    EXPECT_FALSE(document.setCellFontSize(1, 1, 1, 0).ok());
    EXPECT_FALSE(document.setCellExactLineSpacing(1, 1, 1, -1).ok());

    const QString out = dir_.filePath(QStringLiteral("字号.docx"));
    ASSERT_TRUE(document.save(out).ok());
    const QJsonValue read = runPython(QStringLiteral(R"PY(
import sys, json
from docx import Document
from docx.enum.text import WD_LINE_SPACING
t = Document(sys.argv[1]).tables[0]
merged = t.cell(1, 1)
out = {'sizes': [r.font.size.pt for p in merged.paragraphs for r in p.runs],
       'spacing': [p.paragraph_format.line_spacing.pt for p in merged.paragraphs],
       'exact': [p.paragraph_format.line_spacing_rule == WD_LINE_SPACING.EXACTLY
                 for p in merged.paragraphs],
       'name': [r.font.size.pt for r in t.cell(0, 0).paragraphs[0].runs],
       'text': merged.text}
print(json.dumps(out, ensure_ascii=False))
)PY"),
                                      {out});
    const QJsonObject o = read.toObject();
    EXPECT_EQ(o[QStringLiteral("sizes")], QJsonValue(QJsonArray{9.0, 9.0, 9.0}));
    EXPECT_EQ(o[QStringLiteral("spacing")], QJsonValue(QJsonArray{14.0, 14.0, 14.0}));
    EXPECT_EQ(o[QStringLiteral("exact")], QJsonValue(QJsonArray{true, true, true}));
    EXPECT_EQ(o[QStringLiteral("name")], QJsonValue(QJsonArray{10.5}));
    EXPECT_EQ(o[QStringLiteral("text")].toString(), QStringLiteral("一\n二\n三"));
}

TEST_F(DocxDocumentTest, PicturesGoIntoCellsAtTheirSizeAndReadBackWithPythonDocx) {
    DocxDocument document = openFixture();
    const QByteArray png = office_test::pngPicture(33, 42);
    const QByteArray jpeg = office_test::jpegPicture(20, 10);
    ASSERT_TRUE(document.setCellPicture(1, 1, 3, png, 33, 42).ok());
    ASSERT_TRUE(document.setCellPicture(2, 1, 1, jpeg, 20.5, 10).ok());

    const Result<void> notPicture =
        document.setCellPicture(1, 1, 1, QByteArrayLiteral("GIF89a..."), 10, 10);
    ASSERT_FALSE(notPicture.ok());
    EXPECT_EQ(*document.cellText(1, 1, 1), QStringLiteral("姓名"));
    EXPECT_FALSE(document.setCellPicture(1, 1, 1, png, 0, 10).ok());

    const QJsonArray tables = savedAndReadBack(document);
    ASSERT_EQ(tables.size(), 2);
    const auto md5 = [](const QByteArray& bytes) {
        return QString::fromLatin1(
            QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
    };
    EXPECT_EQ(tables[0].toArray()[0].toArray()[2].toObject()[QStringLiteral("picture")],
              QJsonValue(QJsonArray{33 * 36000, 42 * 36000, md5(png)}));
    EXPECT_EQ(tables[1].toArray()[0].toArray()[0].toObject()[QStringLiteral("picture")],
              QJsonValue(QJsonArray{20.5 * 36000, 10 * 36000, md5(jpeg)}));
    EXPECT_FALSE(
        tables[0].toArray()[0].toArray()[0].toObject().contains(QStringLiteral("picture")));
    EXPECT_EQ(tables[0].toArray()[0].toArray()[1].toObject()[QStringLiteral("text")].toString(),
              QStringLiteral("张三"));
}

TEST_F(DocxDocumentTest, CellWidthsAndHeightsInMillimetres) {
    const DocxDocument document = openFixture();
    EXPECT_NEAR(*document.cellWidthMm(1, 1, 1), 30.0, 0.05);
    EXPECT_NEAR(*document.cellWidthMm(1, 1, 3), 50.0, 0.05);
    EXPECT_NEAR(*document.cellWidthMm(1, 2, 2), 90.0, 0.05);  // spans 40 + 50
    EXPECT_NEAR(*document.cellHeightMm(1, 3, 1), 12.0, 0.05);
    const Result<double> automatic = document.cellHeightMm(1, 1, 1);
    ASSERT_FALSE(automatic.ok());
    EXPECT_TRUE(automatic.errorText().contains(QStringLiteral("自动")));

    // Without a width of their own, cells are as wide as the grid columns they span, counted
    // from the row's skipped grid columns on.
    Result<office::ZipPackage> package = office::ZipPackage::open(fixture_);
    ASSERT_TRUE(package.ok());
    QByteArray xml = *package->part(QStringLiteral("word/document.xml"));
    xml.replace("<w:tcW w:type=\"dxa\" w:w=\"5103\"/>", "");
    xml.replace("<w:tr><w:trPr><w:trHeight",
                "<w:tr><w:trPr><w:gridBefore w:val=\"1\"/><w:trHeight");
    xml.replace("<w:tcW w:type=\"dxa\" w:w=\"1701\"/></w:tcPr><w:p><w:r><w:t>甲",
                "<w:tcW w:type=\"pct\" w:w=\"1000\"/></w:tcPr><w:p><w:r><w:t>甲");
    xml.replace("<w:tcW w:type=\"dxa\" w:w=\"2835\"/></w:tcPr><w:p><w:r><w:t>丙",
                "</w:tcPr><w:p><w:r><w:t>丙");
    package->setPart(QStringLiteral("word/document.xml"), xml);
    const Result<DocxDocument> edited =
        DocxDocument::fromBytes(*package->toBytes(), QStringLiteral("表格.docx"));
    ASSERT_TRUE(edited.ok());
    EXPECT_NEAR(*edited->cellWidthMm(1, 2, 2), 90.0, 0.05);  // grid columns 2 and 3
    EXPECT_NEAR(*edited->cellWidthMm(1, 3, 1), 40.0, 0.05);  // after one skipped grid column
    EXPECT_FALSE(edited->cellWidthMm(1, 3, 3).ok());         // runs past the grid
}

TEST_F(DocxDocumentTest, SavingReplacesTheFileWholeAndReportsAnUnwritableFolder) {
    DocxDocument document = openFixture();
    ASSERT_TRUE(document.setCellText(1, 1, 1, QStringLiteral("新名")).ok());
    ASSERT_TRUE(document.save(fixture_).ok());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("表格.docx")});
    EXPECT_EQ(*DocxDocument::open(fixture_)->cellText(1, 1, 1), QStringLiteral("新名"));

    const Result<void> failed = document.save(dir_.filePath(QStringLiteral("无此目录/输出.docx")));
    ASSERT_FALSE(failed.ok());
    EXPECT_TRUE(failed.errorText().contains(QStringLiteral("输出.docx")));
}

}  // namespace
