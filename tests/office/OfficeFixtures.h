#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <ostream>

#include "support/PythonReader.h"

// The fixtures of the office tests, and Debian's own Python (/usr/bin/python3, which sees
// python3-docx and python3-openpyxl) as an independent reader and writer of Office documents:
// the tests make most fixtures with it and read back what the program wrote.
namespace office_test {

using python_reader::runPython;

// A .docx written by python-docx at `path`, whose layout the Word tests rely on:
//   table 1, 4 rows x 3 grid columns, grid widths 30/40/50 mm:
//     row 1: "姓名" | "张三" (12-point bold, centred, paragraph mark 12 point) | "照片"
//     row 2: "简历" merged across grid columns 2-3 with "第一段\n第二段" (two paragraphs)
//            -> the row has 2 cells
//     row 3: "甲" | "乙" vertically merged into row 4 | "丙"  (row height exactly 12 mm)
//     row 4: "丁" | (continuation of "乙") | "戊"
//   table 2, 1 x 1: "第二页"
void writeDocxFixture(const QString& path);

// A .xlsx written by openpyxl at `path`:
//   sheet "名册" (sheet 1): A1 "姓名" (bold, yellow fill), B1 "出生年月"; A2 "张三",
//     B2 date 1980-05-01 (format yyyy-mm-dd), C2 42, D2 2.5, E2 formula =C2*2 with the cached
//     value 84, F2 formula ="甲"&"乙" with the cached text "甲乙", G2 True; A3 "李四" with
//     C3 7; A5 empty but styled (bold, fill); merged area H2:I5;
//   sheet "空表" (sheet 2): nothing.
void writeXlsxFixture(const QString& path);

// A legacy .xls (BIFF8 in an OLE compound file) written byte by byte at `path`, with one sheet
// "名单" of 3 x 3 cells: A1 "姓名", A2 "张三", B2 42.5, C2 1980-05-01 (a date format), C3 "工作表".
void writeXlsFixture(const QString& path);

// A .pptx named "模板.pptx", built part by part: slide 1 with a title shape and one table of
// 2 rows x 3 grid columns (row 1: "姓名" centred, bold 18 point | "<姓名>" line break "第二行",
// then a paragraph with a slide-number field "3", merged across columns 2-3 | the covered
// cell; row 2: a cell without text body | an empty cell whose paragraph mark is 12 point |
// "丙"), slide 2 without tables.
QByteArray pptxFixtureBytes();

// A tiny PNG picture (`width` x `height` pixels) and a JPEG one.
QByteArray pngPicture(int width = 30, int height = 40);
QByteArray jpegPicture(int width = 30, int height = 40);

}  // namespace office_test
