#include "IndependentReader.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace office_test {

QJsonValue runPython(const QString& script, const QStringList& arguments) {
    QProcess process;
    QStringList all{QStringLiteral("-c"), script};
    all += arguments;
    process.start(QStringLiteral("/usr/bin/python3"), all);
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << "python did not finish";
        return {};
    }
    const QByteArray out = process.readAllStandardOutput();
    if (process.exitCode() != 0) {
        ADD_FAILURE() << "python failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson("[" + out + "]", &error);
    if (json.isNull()) {
        ADD_FAILURE() << "python printed no JSON: " << out.toStdString();
        return {};
    }
    return json.array().at(0);
}

void writeDocxFixture(const QString& path) {
    const QString script = QStringLiteral(R"PY(
import sys, json
from docx import Document
from docx.shared import Mm, Pt
from docx.enum.text import WD_ALIGN_PARAGRAPH
from docx.enum.table import WD_ROW_HEIGHT_RULE
from docx.oxml.ns import qn
from docx.oxml import OxmlElement
doc = Document()
t = doc.add_table(rows=4, cols=3)
t.style = 'Table Grid'
for i, w in enumerate([30, 40, 50]):
    t.columns[i].width = Mm(w)
    for cell in t.columns[i].cells:
        cell.width = Mm(w)
t.cell(0, 0).text = '姓名'
p = t.cell(0, 1).paragraphs[0]
p.alignment = WD_ALIGN_PARAGRAPH.CENTER
r = p.add_run('张三')
r.bold = True
r.font.size = Pt(12)
rpr = p._p.get_or_add_pPr()
mark = OxmlElement('w:rPr'); sz = OxmlElement('w:sz'); sz.set(qn('w:val'), '24'); mark.append(sz)
rpr.append(mark)
t.cell(0, 2).text = '照片'
t.cell(1, 0).text = '简历'
m = t.cell(1, 1).merge(t.cell(1, 2))
m.text = '第一段'
m.add_paragraph('第二段')
t.cell(2, 0).text = '甲'
v = t.cell(2, 1).merge(t.cell(3, 1))
v.text = '乙'
t.cell(2, 2).text = '丙'
t.cell(3, 0).text = '丁'
t.cell(3, 2).text = '戊'
t.rows[2].height = Mm(12)
t.rows[2].height_rule = WD_ROW_HEIGHT_RULE.EXACTLY
doc.add_page_break()
t2 = doc.add_table(rows=1, cols=1)
t2.cell(0, 0).text = '第二页'
doc.save(sys.argv[1])
print(json.dumps(True))
)PY");
    ASSERT_EQ(runPython(script, {path}), QJsonValue(true));
}

void writeXlsxFixture(const QString& path) {
    const QString script = QStringLiteral(R"PY(
import sys, json, datetime, zipfile, re, shutil
from openpyxl import Workbook
from openpyxl.styles import Font, PatternFill
wb = Workbook()
ws = wb.active
ws.title = '名册'
yellow = PatternFill('solid', fgColor='FFFF00')
ws['A1'] = '姓名'; ws['A1'].font = Font(bold=True); ws['A1'].fill = yellow
ws['B1'] = '出生年月'
ws['A2'] = '张三'
ws['B2'] = datetime.date(1980, 5, 1); ws['B2'].number_format = 'yyyy-mm-dd'
ws['C2'] = 42
ws['D2'] = 2.5
ws['E2'] = '=C2*2'
ws['F2'] = '="甲"&"乙"'
ws['G2'] = True
ws['A3'] = '李四'
ws['C3'] = 7
ws['A5'].font = Font(bold=True); ws['A5'].fill = yellow
ws.merge_cells('H2:I5')
wb.create_sheet('空表')
tmp = sys.argv[1] + '.tmp'
wb.save(tmp)
# openpyxl writes formulas without results and strings inline; give the formulas the cached
# values Excel would store, and move every string but A3's into a shared-string table (B1's as
# rich text with a phonetic reading, which is not part of the value).
zin = zipfile.ZipFile(tmp)
zout = zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED)
shared = []
def share(m):
    ref, attrs, text = m.group(1), m.group(2), m.group(3)
    if ref == 'A3':
        return m.group(0)
    shared.append((ref, text))
    return '<c r="%s"%s t="s"><v>%d</v></c>' % (ref, attrs, len(shared) - 1)
for item in zin.infolist():
    data = zin.read(item.filename)
    if item.filename == 'xl/worksheets/sheet1.xml':
        text = data.decode('utf-8')
        text = text.replace('<f>C2*2</f><v></v>', '<f>C2*2</f><v>84</v>')
        text = re.sub(r'<c r="F2"([^>]*)><f>(.*?)</f><v></v>', r'<c r="F2" t="str"><f>\2</f><v>甲乙</v>', text)
        text = re.sub(r'<c r="([A-Z]+[0-9]+)"((?: s="[0-9]+")?) t="inlineStr"><is><t>(.*?)</t></is></c>', share, text)
        data = text.encode('utf-8')
    elif item.filename == '[Content_Types].xml':
        data = data.replace(b'</Types>', b'<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/></Types>')
    elif item.filename == 'xl/_rels/workbook.xml.rels':
        data = data.replace(b'</Relationships>', b'<Relationship Id="rIdSst" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>')
    zout.writestr(item, data)
items = []
for ref, text in shared:
    if ref == 'B1':
        items.append('<si><r><t>&#20986;&#29983;</t></r><r><rPr><b/></rPr><t>&#24180;&#26376;</t></r><rPh sb="0" eb="2"><t>shusei</t></rPh></si>')
    else:
        items.append('<si><t>%s</t></si>' % text)
zout.writestr('xl/sharedStrings.xml', '<?xml version="1.0" encoding="UTF-8"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="%d" uniqueCount="%d">%s</sst>' % (len(items), len(items), ''.join(items)))
zout.close()
print(json.dumps(True))
)PY");
    ASSERT_EQ(runPython(script, {path}), QJsonValue(true));
}

namespace {

QByteArray encoded(int width, int height, const char* format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

}  // namespace

QByteArray pngPicture(int width, int height) {
    return encoded(width, height, "PNG");
}
QByteArray jpegPicture(int width, int height) {
    return encoded(width, height, "JPG");
}

}  // namespace office_test

void PrintTo(const QJsonValue& value, std::ostream* out) {
    *out << QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
}
