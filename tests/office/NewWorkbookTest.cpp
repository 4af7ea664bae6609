#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "OfficeFixtures.h"
#include "office/NewWorkbook.h"

using office::NewSheet;
using office::writeNewWorkbook;
using office_test::runPython;

namespace {

TEST(NewWorkbookTest, WritesCaptionsRowsFootersAndWidthsThatOpenpyxlReads) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("导出.xlsx"));
    NewSheet list;
    list.name = QStringLiteral("干部名单");
    list.header = {QStringLiteral("姓名"), QStringLiteral("出生年月"), QStringLiteral("年龄"),
                   QStringLiteral("党员"), QStringLiteral("现任职务")};
    list.rows = {
        {QStringLiteral("张三"), QDate(1980, 5, 1), 45, true,
         QStringLiteral("某某局副局长兼办公室主任")},
        {QStringLiteral("李四"), QVariant(), 38.5, false, QStringLiteral("科员")},
    };
    list.footer = {{QStringLiteral("合计"), QVariant(), 2}};
    list.columnWidths = {12};
    NewSheet unnamed;
    unnamed.rows = {{QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5))}};
    ASSERT_TRUE(writeNewWorkbook(path, {list, unnamed}).ok());

    const QJsonValue read = runPython(QStringLiteral(R"PY(
import sys, json, datetime
from openpyxl import load_workbook
wb = load_workbook(sys.argv[1])
ws = wb['干部名单']
def v(x):
    return x.isoformat() if isinstance(x, datetime.datetime) else x
print(json.dumps({
    'sheets': wb.sheetnames,
    'rows': [[v(c.value) for c in row] for row in ws.iter_rows()],
    'bold': [ws['A1'].font.b, ws['A2'].font.b, ws['A4'].font.b, ws['C4'].font.b],
    'formats': [ws['B2'].number_format, wb['Sheet2']['A1'].number_format],
    'second': v(wb['Sheet2']['A1'].value),
    'widths': [ws.column_dimensions[c].width for c in 'ABE']}, ensure_ascii=False))
)PY"),
                                      {path});
    const QJsonObject o = read.toObject();
    EXPECT_EQ(o[QStringLiteral("sheets")],
              QJsonValue(QJsonArray{QStringLiteral("干部名单"), QStringLiteral("Sheet2")}));
    EXPECT_EQ(
        o[QStringLiteral("rows")],
        QJsonValue(QJsonArray{
            QJsonArray{QStringLiteral("姓名"), QStringLiteral("出生年月"), QStringLiteral("年龄"),
                       QStringLiteral("党员"), QStringLiteral("现任职务")},
            QJsonArray{QStringLiteral("张三"), QStringLiteral("1980-05-01T00:00:00"), 45, true,
                       QStringLiteral("某某局副局长兼办公室主任")},
            QJsonArray{QStringLiteral("李四"), QJsonValue(), 38.5, false, QStringLiteral("科员")},
            QJsonArray{QStringLiteral("合计"), QJsonValue(), 2, QJsonValue(), QJsonValue()},
        }));
    EXPECT_EQ(o[QStringLiteral("bold")], QJsonValue(QJsonArray{true, false, true, true}));
    EXPECT_EQ(o[QStringLiteral("formats")],
              QJsonValue(
                  QJsonArray{QStringLiteral("yyyy-mm-dd"), QStringLiteral("yyyy-mm-dd hh:mm:ss")}));
    EXPECT_EQ(o[QStringLiteral("second")], QJsonValue(QStringLiteral("2020-01-02T03:04:05")));
    const QJsonArray widths = o[QStringLiteral("widths")].toArray();
    EXPECT_NEAR(widths[0].toDouble(), 12.7, 0.8);  // as given (plus Excel's padding)
    EXPECT_NEAR(widths[1].toDouble(), 11.7, 0.8);  // "1980-05-01": 10 + 1
    EXPECT_NEAR(widths[2].toDouble(), 25.7, 0.8);  // the longest post: 24 + 1
}

TEST(NewWorkbookTest, RefusedWorkbooksLeaveAnExistingFileAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("已有.xlsx"));
    QFile existing(path);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old content");
    existing.close();

    NewSheet named;
    named.name = QStringLiteral("名单");
    NewSheet badName;
    badName.name = QStringLiteral("a/b");
    NewSheet longText;
    longText.rows = {{QString(32768, u'字')}};
    struct Case {
        const char* what;
        std::vector<NewSheet> sheets;
        const char* message;
    };
    const Case cases[] = {
        {"no sheet", {}, "已有.xlsx"},
        {"bad name", {badName}, "a/b"},
        {"repeated name", {named, named}, "名单"},
        {"long text", {longText}, "32767"},
    };
    for (const Case& c : cases) {
        const Result<void> written = writeNewWorkbook(path, c.sheets);
        ASSERT_FALSE(written.ok()) << c.what;
        EXPECT_TRUE(written.errorText().contains(QString::fromUtf8(c.message)))
            << c.what << ": " << written.errorText().toStdString();
        ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
        EXPECT_EQ(existing.readAll(), QByteArray("old content")) << c.what;
        existing.close();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("已有.xlsx")});

    const Result<void> noFolder =
        writeNewWorkbook(dir.filePath(QStringLiteral("无此目录/导出.xlsx")), {named});
    ASSERT_FALSE(noFolder.ok());
    EXPECT_TRUE(noFolder.errorText().contains(QStringLiteral("导出.xlsx")));
}

}  // namespace
