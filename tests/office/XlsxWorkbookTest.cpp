#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "OfficeFixtures.h"
#include "office/Spreadsheet.h"
#include "office/XlsxWorkbook.h"
#include "office/ZipPackage.h"

using office::CellRange;
using office::XlsxWorkbook;
using office_test::runPython;

namespace {

class XlsxWorkbookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fixture_ = dir_.filePath(QStringLiteral("名册.xlsx"));
        office_test::writeXlsxFixture(fixture_);
    }

    XlsxWorkbook openFixture() {
        Result<XlsxWorkbook> workbook = XlsxWorkbook::open(fixture_);
        EXPECT_TRUE(workbook.ok()) << workbook.errorText().toStdString();
        return std::move(workbook).value();
    }

    // The fixture with its first sheet's XML changed by `edit`.
    XlsxWorkbook openEdited(const std::function<void(office::ZipPackage&)>& edit) {
        Result<office::ZipPackage> package = office::ZipPackage::open(fixture_);
        EXPECT_TRUE(package.ok());
        edit(*package);
        Result<XlsxWorkbook> workbook =
            XlsxWorkbook::fromBytes(*package->toBytes(), QStringLiteral("改过.xlsx"));
        EXPECT_TRUE(workbook.ok()) << workbook.errorText().toStdString();
        return std::move(workbook).value();
    }

    QTemporaryDir dir_;
    QString fixture_;
};

TEST_F(XlsxWorkbookTest, ReadsSheetsUsedRangesAndValuesOfEveryKind) {
    const XlsxWorkbook workbook = openFixture();
    ASSERT_EQ(workbook.sheetCount(), 2);
    EXPECT_EQ(*workbook.sheetName(1), QStringLiteral("名册"));
    EXPECT_EQ(*workbook.sheetName(2), QStringLiteral("空表"));
    EXPECT_EQ(*workbook.usedRange(1), (CellRange{1, 1, 5, 7}));
    EXPECT_EQ(workbook.usedRange(2)->rowCount(), 0);

    struct Case {
        int row, column;
        QVariant value;
        const char* text;
    };
    const Case cases[] = {
        {1, 1, QStringLiteral("姓名"), "姓名"},
        {1, 2, QStringLiteral("出生年月"), "出生年月"},  // rich text; the reading is left out
        {2, 1, QStringLiteral("张三"), "张三"},
        {2, 2, QDate(1980, 5, 1), "1980-05-01"},
        {2, 3, 42.0, "42"},
        {2, 4, 2.5, "2.5"},
        {2, 5, 84.0, "84"},                      // a formula's cached result
        {2, 6, QStringLiteral("甲乙"), "甲乙"},  // a formula's cached text
        {2, 7, true, "TRUE"},
        {3, 1, QStringLiteral("李四"), "李四"},  // an inline string
        {3, 3, 7.0, "7"},
        {5, 1, QVariant(), ""},  // styled, no value
        {99, 26, QVariant(), ""},
    };
    for (const Case& c : cases) {
        const Result<QVariant> value = workbook.value(1, c.row, c.column);
        ASSERT_TRUE(value.ok()) << value.errorText().toStdString();
        EXPECT_EQ(*value, c.value) << c.row << "," << c.column;
        EXPECT_EQ(*workbook.text(1, c.row, c.column), QString::fromUtf8(c.text));
    }

    EXPECT_EQ(*workbook.mergeArea(1, 3, 9), (CellRange{2, 8, 5, 9}));
    EXPECT_EQ(*workbook.mergeArea(1, 1, 1), (CellRange{1, 1, 1, 1}));

    const Result<QVariant> noSheet = workbook.value(3, 1, 1);
    ASSERT_FALSE(noSheet.ok());
    EXPECT_TRUE(noSheet.errorText().contains(QStringLiteral("名册.xlsx")));
    EXPECT_FALSE(workbook.value(1, 0, 1).ok());
    EXPECT_FALSE(workbook.value(1, 1048577, 1).ok());
    EXPECT_FALSE(workbook.value(1, 1, 16385).ok());
}

TEST_F(XlsxWorkbookTest, OpenSpreadsheetTellsWorkbooksFromOtherFilesByContent) {
    const QString renamed = dir_.filePath(QStringLiteral("其实是xlsx.xls"));
    ASSERT_TRUE(QFile::copy(fixture_, renamed));
    Result<std::unique_ptr<office::Spreadsheet>> opened = office::openSpreadsheet(renamed);
    ASSERT_TRUE(opened.ok()) << opened.errorText().toStdString();
    EXPECT_EQ(*(*opened)->text(1, 2, 1), QStringLiteral("张三"));

    const QString text = dir_.filePath(QStringLiteral("说明.xls"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a workbook");
    file.close();
    const Result<std::unique_ptr<office::Spreadsheet>> refused = office::openSpreadsheet(text);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.errorText().contains(QStringLiteral("说明.xls")));
}

TEST_F(XlsxWorkbookTest, WrittenValuesKeepTheTemplateStylesAndReadBackWithOpenpyxl) {
    XlsxWorkbook workbook = openFixture();
    const QString awkward = QStringLiteral(" 前导空格\n第二行");
    // XML cannot hold control characters; they are escaped as Excel escapes them (which
    // openpyxl does not decode, so only our own reading checks them).
    const QString escaped = QStringLiteral("控制\x01字符_x0041_");
    ASSERT_TRUE(workbook.setValue(1, 1, 1, QStringLiteral("新标题")).ok());
    ASSERT_TRUE(workbook.setValue(1, 5, 1, QStringLiteral("样式格")).ok());
    ASSERT_TRUE(workbook.setValue(1, 2, 5, 100).ok());  // replaces the formula
    ASSERT_TRUE(workbook.setValue(1, 10, 11, awkward).ok());
    ASSERT_TRUE(workbook.setValue(1, 3, 2, QDate(2001, 2, 3)).ok());
    ASSERT_TRUE(workbook.setValue(1, 11, 1, escaped).ok());
    ASSERT_TRUE(workbook.setValue(1, 3, 3, QVariant()).ok());
    ASSERT_TRUE(workbook.setValue(1, 2, 4, QString()).ok());
    ASSERT_TRUE(workbook.setValue(1, 2, 7, false).ok());
    ASSERT_TRUE(workbook.setValue(2, 1, 1, 3.25).ok());
    EXPECT_FALSE(workbook.setValue(1, 1, 1, QString(32768, u'长')).ok());
    EXPECT_FALSE(workbook.setValue(1, 1, 1, QVariant::fromValue(QStringList{})).ok());
    EXPECT_EQ(*workbook.value(1, 1, 1), QVariant(QStringLiteral("新标题")));
    EXPECT_EQ(*workbook.usedRange(1), (CellRange{1, 1, 11, 11}));

    const QString out = dir_.filePath(QStringLiteral("输出.xlsx"));
    ASSERT_TRUE(workbook.saveAs(out).ok());
    const QJsonValue read = runPython(QStringLiteral(R"PY(
import sys, json, datetime
from openpyxl import load_workbook
wb = load_workbook(sys.argv[1])
ws = wb['名册']
def v(cell):
    x = ws[cell].value
    return x.isoformat() if isinstance(x, datetime.datetime) else x
print(json.dumps({
    'values': [v(c) for c in ['A1', 'A5', 'E2', 'K10', 'B3', 'C3', 'G2', 'A2', 'C2', 'D2']],
    'second': wb['空表']['A1'].value,
    'styles': [ws['A1'].font.b, ws['A1'].fill.fgColor.rgb, ws['A5'].font.b,
               ws['B2'].number_format],
    'merged': [str(r) for r in ws.merged_cells.ranges]}, ensure_ascii=False))
)PY"),
                                      {out});
    const QJsonObject o = read.toObject();
    EXPECT_EQ(o[QStringLiteral("values")],
              QJsonValue(QJsonArray{QStringLiteral("新标题"), QStringLiteral("样式格"), 100,
                                    awkward, QStringLiteral("2001-02-03T00:00:00"), QJsonValue(),
                                    false, QStringLiteral("张三"), 42, QJsonValue()}));
    EXPECT_EQ(o[QStringLiteral("second")], QJsonValue(3.25));
    EXPECT_EQ(o[QStringLiteral("styles")],
              QJsonValue(QJsonArray{true, QStringLiteral("00FFFF00"), true,
                                    QStringLiteral("yyyy-mm-dd")}));
    EXPECT_EQ(o[QStringLiteral("merged")], QJsonValue(QJsonArray{QStringLiteral("H2:I5")}));

    // Our own reading of the saved file agrees.
    const Result<XlsxWorkbook> reopened = XlsxWorkbook::open(out);
    ASSERT_TRUE(reopened.ok());
    EXPECT_EQ(*reopened->value(1, 10, 11), QVariant(awkward));
    EXPECT_EQ(*reopened->value(1, 11, 1), QVariant(escaped));
    EXPECT_EQ(*reopened->value(1, 3, 2), QVariant(QDate(2001, 2, 3)));
}

TEST_F(XlsxWorkbookTest, ReplacingAFormulaDropsTheCalculationChainAndRefusesSharedMasters) {
    XlsxWorkbook workbook = openEdited([](office::ZipPackage& package) {
        QByteArray sheet = *package.part(QStringLiteral("xl/worksheets/sheet1.xml"));
        sheet.replace("<c r=\"C3\" t=\"n\"><v>7</v></c>",
                      "<c r=\"C3\"><f t=\"shared\" ref=\"C3:D3\" si=\"0\">C2+1</f><v>43</v></c>"
                      "<c r=\"D3\"><f t=\"shared\" si=\"0\"/><v>3.5</v></c>");
        package.setPart(QStringLiteral("xl/worksheets/sheet1.xml"), sheet);
        package.setPart(QStringLiteral("xl/calcChain.xml"),
                        "<calcChain xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/"
                        "main\"><c r=\"E2\" i=\"1\"/><c r=\"C3\"/></calcChain>");
        QByteArray rels = *package.part(QStringLiteral("xl/_rels/workbook.xml.rels"));
        rels.replace("</Relationships>",
                     "<Relationship Id=\"rIdCalc\" Type=\"http://schemas.openxmlformats.org/"
                     "officeDocument/2006/relationships/calcChain\" Target=\"calcChain.xml\"/>"
                     "</Relationships>");
        package.setPart(QStringLiteral("xl/_rels/workbook.xml.rels"), rels);
    });
    EXPECT_EQ(*workbook.value(1, 3, 4), QVariant(3.5));

    const Result<void> master = workbook.setValue(1, 3, 3, 1);
    ASSERT_FALSE(master.ok());
    EXPECT_TRUE(master.errorText().contains(QStringLiteral("C3")));
    EXPECT_EQ(*workbook.value(1, 3, 3), QVariant(43.0));

    ASSERT_TRUE(workbook.setValue(1, 2, 5, QStringLiteral("不再是公式")).ok());
    const QString out = dir_.filePath(QStringLiteral("公式.xlsx"));
    ASSERT_TRUE(workbook.saveAs(out).ok());
    const QJsonValue read = runPython(QStringLiteral(R"PY(
import sys, json, zipfile
from openpyxl import load_workbook
z = zipfile.ZipFile(sys.argv[1])
ws = load_workbook(sys.argv[1])['名册']
print(json.dumps([any('calcChain' in n for n in z.namelist()),
                  'calcChain' in z.read('xl/_rels/workbook.xml.rels').decode(),
                  'fullCalcOnLoad="1"' in z.read('xl/workbook.xml').decode(),
                  ws['E2'].value, ws['C3'].value], ensure_ascii=False))
)PY"),
                                      {out});
    EXPECT_EQ(read, QJsonValue(QJsonArray{false, false, true, QStringLiteral("不再是公式"),
                                          QStringLiteral("=C2+1")}));
}

TEST_F(XlsxWorkbookTest, PicturesCoverTheMergedAreaAndReadBackFromTheDrawing) {
    XlsxWorkbook workbook = openFixture();
    const QByteArray png = office_test::pngPicture(60, 80);
    const QByteArray jpeg = office_test::jpegPicture();
    ASSERT_TRUE(workbook.placePicture(1, 3, 9, png).ok());  // inside H2:I5
    ASSERT_TRUE(workbook.placePicture(1, 1, 1, jpeg).ok());
    EXPECT_FALSE(workbook.placePicture(1, 1, 1, QByteArrayLiteral("BM not a png")).ok());
    EXPECT_FALSE(workbook.placePicture(3, 1, 1, png).ok());

    const QString out = dir_.filePath(QStringLiteral("照片.xlsx"));
    ASSERT_TRUE(workbook.saveAs(out).ok());
    const QJsonValue read = runPython(QStringLiteral(R"PY(
import sys, json, zipfile, hashlib, posixpath
from lxml import etree
from openpyxl import load_workbook
load_workbook(sys.argv[1])  # the workbook stays readable
z = zipfile.ZipFile(sys.argv[1])
ns = {'r': 'http://schemas.openxmlformats.org/package/2006/relationships',
      'xdr': 'http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing',
      'a': 'http://schemas.openxmlformats.org/drawingml/2006/main'}
rels = etree.fromstring(z.read('xl/worksheets/_rels/sheet1.xml.rels'))
target = rels.xpath('r:Relationship[contains(@Type, "/drawing")]/@Target', namespaces=ns)[0]
drawing = posixpath.normpath(posixpath.join('xl/worksheets', target))
drels = etree.fromstring(z.read(posixpath.join(posixpath.dirname(drawing), '_rels',
                                               posixpath.basename(drawing) + '.rels')))
media = {r.get('Id'): posixpath.normpath(posixpath.join(posixpath.dirname(drawing), r.get('Target')))
         for r in drels}
out = []
for anchor in etree.fromstring(z.read(drawing)).xpath('xdr:twoCellAnchor', namespaces=ns):
    corner = lambda tag: [int(anchor.find('xdr:%s/xdr:%s' % (tag, part), ns).text)
                          for part in ('col', 'row')]
    embed = anchor.xpath('.//a:blip/@r:embed', namespaces={
        'a': ns['a'], 'r': 'http://schemas.openxmlformats.org/officeDocument/2006/relationships'})[0]
    out.append([corner('from'), corner('to'), hashlib.md5(z.read(media[embed])).hexdigest()])
print(json.dumps(out))
)PY"),
                                      {out});
    const auto md5 = [](const QByteArray& bytes) {
        return QString::fromLatin1(
            QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
    };
    EXPECT_EQ(read, QJsonValue(QJsonArray{
                        QJsonArray{QJsonArray{7, 1}, QJsonArray{9, 5}, md5(png)},
                        QJsonArray{QJsonArray{0, 0}, QJsonArray{1, 1}, md5(jpeg)},
                    }));
}

}  // namespace
