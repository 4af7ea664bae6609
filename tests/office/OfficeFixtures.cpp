#include "OfficeFixtures.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include "office/ZipPackage.h"

namespace office_test {

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

void writeXlsFixture(const QString& path) {
    // A BIFF8 workbook stream (globals with fonts, cell formats, a shared-string table and
    // one sheet; the sheet with text, a number and a date-formatted number) inside a minimal
    // OLE compound file: FAT sector, stream sectors, directory sector.
    const QString script = QStringLiteral(R"PY(
import struct, sys
def rec(t, data): return struct.pack('<HH', t, len(data)) + data
def bof(dt): return rec(0x0809, struct.pack('<HHHHII', 0x0600, dt, 0x0DBB, 0x07CC, 0, 6))
def u16str(s):  # XLUnicodeString, 16-bit length
    return struct.pack('<HB', len(s), 1) + s.encode('utf-16-le')
strings = ['姓名', '张三', '工作表']
sheet_name = '名单'
fonts = rec(0x0031, struct.pack('<HHHHHBBBB', 200, 0, 0x7FFF, 400, 0, 0, 0, 0, 0) + struct.pack('<BB', 5, 1) + 'Arial'.encode('utf-16-le'))
xf = lambda fmt, style: rec(0x00E0, struct.pack('<HHHBBBBIIH', 0, fmt, 0xFFF5 if style else 0x0001, 0x20, 0, 0, 0, 0, 0, 0x20C0))
glob = bof(0x0005) + rec(0x0042, struct.pack('<H', 1200)) + fonts * 5
glob += b''.join(xf(0, True) for _ in range(15)) + xf(0, False) + xf(14, False)
glob += rec(0x0293, struct.pack('<HBB', 0x8000, 0, 0xFF))  # STYLE Normal (builtin)
sst = struct.pack('<II', len(strings), len(strings)) + b''.join(u16str(s) for s in strings)
sst_rec = rec(0x00FC, sst)
name = sheet_name.encode('utf-16-le')
bs_len = 4 + 8 + len(sheet_name) * 2 + 2
eof = rec(0x000A, b'')
def boundsheet(pos): return rec(0x0085, struct.pack('<IBBBB', pos, 0, 0, len(sheet_name), 1) + name)
sheet_pos = len(glob) + len(boundsheet(0)) + len(sst_rec) + len(eof)
glob += boundsheet(sheet_pos) + sst_rec + eof
sheet = bof(0x0010) + rec(0x0200, struct.pack('<IIHHH', 0, 3, 0, 3, 0))
sheet += rec(0x00FD, struct.pack('<HHHI', 0, 0, 15, 0))
sheet += rec(0x00FD, struct.pack('<HHHI', 1, 0, 15, 1))
sheet += rec(0x0203, struct.pack('<HHHd', 1, 1, 15, 42.5))
sheet += rec(0x0203, struct.pack('<HHHd', 1, 2, 16, 29342.0))  # 1980-05-01 with a date format
sheet += rec(0x00FD, struct.pack('<HHHI', 2, 2, 15, 2))
sheet += eof
stream = glob + sheet
stream += b'\0' * (4096 - len(stream)) if len(stream) < 4096 else b''
stream_sectors = (len(stream) + 511) // 512
stream_padded = stream + b'\0' * (stream_sectors * 512 - len(stream))
FREE, END, FATSECT = 0xFFFFFFFF, 0xFFFFFFFE, 0xFFFFFFFD
fat = [FATSECT] + [i + 1 for i in range(1, stream_sectors)] + [END, END]
fat += [FREE] * (128 - len(fat))
dir_sector = 1 + stream_sectors
header = b'\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1' + b'\0' * 16
header += struct.pack('<HHHHH', 0x3E, 3, 0xFFFE, 9, 6) + b'\0' * 6
header += struct.pack('<IIIIIIII', 0, 1, dir_sector, 0, 4096, END, 0, END) + struct.pack('<I', END)
header = header[:76]
header += struct.pack('<I', 0) + struct.pack('<I', FREE) * 108
def entry(name, typ, child, start, size):
    n = (name + '\0').encode('utf-16-le') if name else b''
    return (n + b'\0' * (64 - len(n)) + struct.pack('<HBB', len(n), typ, 1) +
            struct.pack('<III', FREE, FREE, child) + b'\0' * 16 + struct.pack('<I', 0) +
            b'\0' * 16 + struct.pack('<III', start, size, 0))
directory = entry('Root Entry', 5, 1, END, 0) + entry('Workbook', 2, FREE, 1, len(stream))
directory += (b'\0' * 64 + struct.pack('<HBB', 0, 0, 0) + struct.pack('<III', FREE, FREE, FREE) + b'\0' * 48) * 2
data = header + struct.pack('<128I', *fat) + stream_padded + directory
open(sys.argv[1], 'wb').write(data)
print('true')
)PY");
    ASSERT_EQ(runPython(script, {path}), QJsonValue(true));
}

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

}  // namespace

QByteArray pptxFixtureBytes() {
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
