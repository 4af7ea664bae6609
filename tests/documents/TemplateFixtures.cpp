#include "TemplateFixtures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonValue>

#include "db/Database.h"
#include "support/PythonReader.h"

void TemplateTest::SetUp() {
    ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError().toStdString();
}

QString TemplateTest::path(const QString& name) const {
    return QDir(home.path()).filePath(name);
}

QString TemplateTest::written(const QString& name, const QString& script) const {
    const QString target = path(name);
    python_reader::runPython(script + QStringLiteral("\nimport json\nprint(json.dumps(True))\n"),
                             {target});
    return target;
}

QString TemplateTest::singleWorkbook() const {
    return written(QStringLiteral("单人.xlsx"), QStringLiteral(R"PY(
import sys, openpyxl
from openpyxl.styles import Font
book = openpyxl.Workbook()
s = book.active
s.title = "基本"
rows = [("姓名", "<姓名>"), ("性别", "<性别>"), ("出生", "出生：<出生年月>（公历）"),
        ("民族", "<民族>族"), ("籍贯", "<籍贯>"), ("出生地", "<出生地>"),
        ("政治面貌", "<政治面貌>"), ("入党时间", "<入党时间>"), ("工作时间", "<工作时间>"),
        ("学历", "<全日制学历>"), ("现任职", "<现任职>"), ("职级", "<职务级别>"),
        ("身份证", "<身份证号>"), ("简历", "<简历>"), ("家1", "<家-称谓-1> <家-姓名-1>"),
        ("家2", "<家-姓名-2>（<家-政治面貌-2>）"), ("年龄", "<年龄>岁"), ("单位", "<单位名称-合并>")]
for i, (label, cell) in enumerate(rows, start=1):
    s.cell(row=i, column=1, value=label)
    s.cell(row=i, column=2, value=cell).font = Font(bold=True)
p = book.create_sheet("照片")
p["A1"] = "<照片>"
p.merge_cells("A1:B4")
book.save(sys.argv[1])
)PY"));
}

QString TemplateTest::singleDocument() const {
    return written(QStringLiteral("单人.docx"), QStringLiteral(R"PY(
import sys, docx
d = docx.Document()
d.add_paragraph("干部情况")
t = d.add_table(rows=6, cols=4)
cells = [["姓名", "<姓名>", "性别", "<性别>"],
         ["出生年月", "<出生年月>", "民族", "<民族>"],
         ["籍贯", "<籍贯>", "政治面貌", "<政治面貌>"],
         ["现任职", "<现任职>", "职级", "<职务级别>"],
         ["简历", "<简历>", "家庭", "<家-姓名-1>，<家-称谓-1>"],
         ["照片", "<照片>", "身份证", "身份证号：<身份证号>"]]
for r, row in enumerate(cells):
    for c, text in enumerate(row):
        t.cell(r, c).text = text
d.save(sys.argv[1])
)PY"));
}

int TemplateTest::count(const QString& sql) {
    const Result<QVariant> value = dm.db().scalar(sql);
    EXPECT_TRUE(value.ok()) << value.errorText().toStdString();
    return value ? value->toInt() : -1;
}
