#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>

#include "../office/OfficeFixtures.h"
#include "TemplateFixtures.h"
#include "cadre/Photo.h"
#include "db/Database.h"
#include "documents/TemplateImport.h"
#include "documents/TemplateOutput.h"
#include "office/PptxPresentation.h"
#include "support/PythonReader.h"
#include "support/QtPrinters.h"

using documents::TemplateFormat;
using python_reader::runPython;

namespace {

const QDate kToday(2024, 6, 30);

class TemplateOutputTest : public TemplateTest {
  protected:
    documents::StoredTemplate stored(TemplateFormat format, const QString& file,
                                     int type = documents::kSinglePerson) {
        const Result<int> id = documents::loadTemplate(dm.db(), format, QFileInfo(file).baseName(),
                                                       type, file, home.path());
        EXPECT_TRUE(id.ok()) << id.errorText().toStdString();
        Result<documents::StoredTemplate> read =
            id ? documents::readTemplate(dm.db(), format, *id)
               : Result<documents::StoredTemplate>(id.failure());
        EXPECT_TRUE(read.ok()) << read.errorText().toStdString();
        return read ? *read : documents::StoredTemplate{};
    }

    QList<int> cadres(const QString& where = QString()) {
        const auto rows = dm.db().query(QStringLiteral("select CadreID from tb_cadre ") + where +
                                        QStringLiteral(" order by CadreID"));
        QList<int> ids;
        for (const QVariantList& row : rows->rows) {
            ids << row[0].toInt();
        }
        return ids;
    }

    documents::OutputDone output(const documents::StoredTemplate& t, const QList<int>& ids,
                                 const QString& folder) {
        const Result<documents::OutputDone> done =
            documents::outputCadres(dm.db(), t, ids, path(folder), kToday, {});
        EXPECT_TRUE(done.ok()) << done.errorText().toStdString();
        return done ? *done : documents::OutputDone{};
    }

    // The stored text of a cadre's column, or of the `ord`-th family member's.
    QString stored(int cadreId, const QString& column, int ord = 0) {
        const QString sql =
            ord == 0
                ? QStringLiteral("select %1 from tb_cadre where CadreID=%2")
                      .arg(column)
                      .arg(cadreId)
                : QStringLiteral("select %1 from tb_family where CadreID=%2 order by ford,FamilyID")
                      .arg(column)
                      .arg(cadreId);
        const auto rows = dm.db().query(sql);
        if (!rows || size_t(qMax(ord - 1, 0)) >= rows->rows.size()) {
            return {};
        }
        return rows->rows[size_t(qMax(ord - 1, 0))][0].toString().replace(QStringLiteral("\r\n"),
                                                                          QStringLiteral("\n"));
    }
};

TEST_F(TemplateOutputTest, SampleCadresGoOutThroughExcelAndWordAndComeBackEqual) {
    const QList<int> ids = cadres();
    ASSERT_EQ(ids.size(), 60);
    // Every code the two templates read back, checked against the database.
    const QStringList cadreColumns{"xm",      "xb",   "csnyStr", "mz",      "jgsheng",
                                   "cssheng", "zzmm", "rdsjStr", "gzsjStr", "qrzxl",
                                   "xrz",     "zwjb", "zjh",     "gzjl"};
    for (const TemplateFormat format : {TemplateFormat::Excel, TemplateFormat::Word}) {
        SCOPED_TRACE(documents::formatCaption(format).toStdString());
        const documents::StoredTemplate t =
            stored(format, format == TemplateFormat::Excel ? singleWorkbook() : singleDocument());
        const QString folder = documents::formatCaption(format);
        const documents::OutputDone done = output(t, ids, folder);
        EXPECT_EQ(done.cadres, 60);
        ASSERT_EQ(done.files.size(), 60);
        EXPECT_EQ(QFileInfo(done.files.front()).fileName(),
                  stored(ids.front(), QStringLiteral("xm")) + documents::fileSuffix(format));

        // An independent reader sees the values in their cells.
        const QJsonArray read = runPython(QStringLiteral(R"PY(
import sys, json, openpyxl, docx
out = []
for f in sys.argv[1:]:
    if f.endswith(".xlsx"):
        s = openpyxl.load_workbook(f).worksheets[0]
        out.append([s["B1"].value, s["B3"].value])
    else:
        t = docx.Document(f).tables[0]
        out.append([t.cell(0, 1).text, t.cell(5, 3).text])
print(json.dumps(out))
)PY"),
                                          done.files)
                                    .toArray();
        ASSERT_EQ(read.size(), 60);
        const QString first = stored(ids.front(), QStringLiteral("xm"));
        EXPECT_EQ(read[0].toArray()[0].toString(), first);
        EXPECT_EQ(read[0].toArray()[1].toString(),
                  format == TemplateFormat::Excel
                      ? QString(QStringLiteral("出生：") +
                                stored(ids.front(), QStringLiteral("csnyStr")) +
                                QStringLiteral("（公历）"))
                      : QString(QStringLiteral("身份证号：") +
                                stored(ids.front(), QStringLiteral("zjh"))));

        // Read back, every field compares equal with the record it came from.
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const Result<QList<documents::FilledValues>> people =
                documents::readFilledFile(t, done.files[i]);
            ASSERT_TRUE(people.ok()) << people.errorText().toStdString();
            ASSERT_EQ(people->size(), 1);
            const documents::FilledValues* back = &people->front();
            for (const QString& column : cadreColumns) {
                if (!back->cadre.contains(column)) {
                    continue;
                }
                EXPECT_EQ(back->cadre.value(column).toString().replace(QStringLiteral("\r\n"),
                                                                       QStringLiteral("\n")),
                          stored(ids[i], column))
                    << column.toStdString() << " of " << ids[i];
            }
            EXPECT_EQ(back->family.value(1).value(QStringLiteral("xm")).toString(),
                      stored(ids[i], QStringLiteral("xm"), 1));
            EXPECT_EQ(back->family.value(1).value(QStringLiteral("cw")).toString(),
                      stored(ids[i], QStringLiteral("cw"), 1));
        }
    }
}

TEST_F(TemplateOutputTest, ThePhotoGoesOverItsCell) {
    QImage image(48, 60, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(cadre::writePhoto(dm, 1, cadre::encodePhoto(image)).ok());
    QStringList files;
    for (const TemplateFormat format : {TemplateFormat::Excel, TemplateFormat::Word}) {
        const documents::StoredTemplate t =
            stored(format, format == TemplateFormat::Excel ? singleWorkbook() : singleDocument());
        files << output(t, {1, 2}, documents::formatCaption(format)).files;
    }
    ASSERT_EQ(files.size(), 4);
    const QJsonArray pictures = runPython(QStringLiteral(R"PY(
import sys, json, zipfile, docx
out = []
for f in sys.argv[1:]:
    if f.endswith(".xlsx"):
        z = zipfile.ZipFile(f)
        out.append(sum(z.read(n).count(b"<xdr:pic>") for n in z.namelist()
                       if n.startswith("xl/drawings/drawing")))
    else:
        out.append(len(docx.Document(f).inline_shapes))
print(json.dumps(out))
)PY"),
                                          files)
                                    .toArray();
    // The cadre with a photo has it; the other one has an empty cell.
    EXPECT_EQ(QJsonValue(pictures), QJsonValue(QJsonArray{1, 0, 1, 0}));
}

TEST_F(TemplateOutputTest, AListHasARowPerCadreInsertedWithTheTemplateRowsLook) {
    const QString workbook = written(QStringLiteral("名单.xlsx"), QStringLiteral(R"PY(
import sys, openpyxl
from openpyxl.styles import Font, PatternFill
book = openpyxl.Workbook()
s = book.active
s.append(["姓名", "出生年月", "配偶"])
s.append(["<姓名>", "<出生年月>", "<家-姓名-1>"])
for c in s[2]:
    c.fill = PatternFill("solid", fgColor="FFFF00")
s.append(["合计", None, None])
s["A4"] = "制表人"
s.merge_cells("A4:B4")
book.save(sys.argv[1])
)PY"));
    const QString document = written(QStringLiteral("名单.docx"), QStringLiteral(R"PY(
import sys, docx
d = docx.Document()
t = d.add_table(rows=3, cols=2)
for c, text in enumerate(["姓名", "出生年月"]):
    t.cell(0, c).text = text
t.cell(1, 0).text = "<姓名>"
t.cell(1, 1).text = "<出生年月>"
t.cell(2, 0).text = "合计"
d.save(sys.argv[1])
)PY"));
    const QList<int> ids{3, 1, 2};
    QStringList files;
    for (const auto& [format, file] :
         {std::pair{TemplateFormat::Excel, workbook}, std::pair{TemplateFormat::Word, document}}) {
        const documents::StoredTemplate t = stored(format, file, documents::kListType);
        EXPECT_EQ(documents::typeCaption(t.entry), QStringLiteral("多人"));
        const documents::OutputDone done = output(t, ids, QStringLiteral("名单"));
        EXPECT_EQ(done.cadres, 3);
        ASSERT_EQ(done.files.size(), 1);
        EXPECT_EQ(QFileInfo(done.files.front()).fileName(),
                  QStringLiteral("名单") + documents::fileSuffix(format));
        files << done.files;
    }
    const QJsonObject read = runPython(QStringLiteral(R"PY(
import sys, json, openpyxl, docx
s = openpyxl.load_workbook(sys.argv[1]).active
t = docx.Document(sys.argv[2]).tables[0]
print(json.dumps({
    "cells": [[c.value for c in row] for row in s.iter_rows(min_row=1, max_row=6)],
    "fills": [s.cell(row=r, column=1).fill.fgColor.rgb for r in range(2, 6)],
    "merged": [str(m) for m in s.merged_cells.ranges],
    "word": [[c.text for c in row.cells] for row in t.rows]}))
)PY"),
                                       files)
                                 .toObject();
    const auto name = [this](int id) { return QJsonValue(stored(id, QStringLiteral("xm"))); };
    const auto birth = [this](int id) { return QJsonValue(stored(id, QStringLiteral("csnyStr"))); };
    const auto spouse = [this](int id) {
        const QString member = stored(id, QStringLiteral("xm"), 1);
        return member.isEmpty() ? QJsonValue() : QJsonValue(member);
    };
    EXPECT_EQ(
        read[u"cells"].toArray(),
        (QJsonArray{
            QJsonArray{"姓名", "出生年月", "配偶"}, QJsonArray{name(3), birth(3), spouse(3)},
            QJsonArray{name(1), birth(1), spouse(1)}, QJsonArray{name(2), birth(2), spouse(2)},
            QJsonArray{"合计", QJsonValue(), QJsonValue()},
            QJsonArray{"制表人", QJsonValue(), QJsonValue()}}));
    EXPECT_EQ(read[u"fills"].toArray(),
              (QJsonArray{"00FFFF00", "00FFFF00", "00FFFF00", "00000000"}));
    EXPECT_EQ(read[u"merged"].toArray(), QJsonArray{"A6:B6"});
    EXPECT_EQ(read[u"word"].toArray(),
              (QJsonArray{QJsonArray{"姓名", "出生年月"}, QJsonArray{name(3), birth(3)},
                          QJsonArray{name(1), birth(1)}, QJsonArray{name(2), birth(2)},
                          QJsonArray{"合计", ""}}));
}

TEST_F(TemplateOutputTest, PowerPointTablesAreScannedAndFilledOnTheSameItems) {
    QFile file(path(QStringLiteral("幻灯片.pptx")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(office_test::pptxFixtureBytes());
    file.close();
    const documents::StoredTemplate t = stored(TemplateFormat::PowerPoint, file.fileName());
    ASSERT_EQ(t.items.size(), 1);
    EXPECT_EQ(std::tuple(t.items.front().page, t.items.front().h, t.items.front().l),
              std::tuple(1, 1, 2));
    const documents::OutputDone done = output(t, {1}, QStringLiteral("幻灯片"));
    ASSERT_EQ(done.files.size(), 1);
    const Result<office::PptxPresentation> filled = office::PptxPresentation::open(done.files[0]);
    ASSERT_TRUE(filled.ok()) << filled.errorText().toStdString();
    EXPECT_EQ(filled->cellText(1, 1, 1, 2).value(),
              stored(1, QStringLiteral("xm")) + QStringLiteral("\n第二行\n3"));
    EXPECT_EQ(filled->cellText(1, 1, 1, 1).value(), QStringLiteral("姓名"));

    // As a list, each cadre has a copy of the row, above the rows that followed it.
    QFile list(path(QStringLiteral("幻灯片名单.pptx")));
    ASSERT_TRUE(QFile::copy(file.fileName(), list.fileName()));
    const documents::StoredTemplate listed =
        stored(TemplateFormat::PowerPoint, list.fileName(), documents::kListType);
    const documents::OutputDone many = output(listed, {1, 2}, QStringLiteral("幻灯片名单"));
    ASSERT_EQ(many.files.size(), 1);
    const Result<office::PptxPresentation> rows = office::PptxPresentation::open(many.files[0]);
    ASSERT_TRUE(rows.ok()) << rows.errorText().toStdString();
    EXPECT_EQ(rows->rowCount(1, 1).value(), 3);
    EXPECT_EQ(rows->cellText(1, 1, 2, 2).value(),
              stored(2, QStringLiteral("xm")) + QStringLiteral("\n第二行\n3"));
    EXPECT_EQ(rows->cellText(1, 1, 3, 3).value(), QStringLiteral("丙"));
}

TEST_F(TemplateOutputTest, ResumeAndUnitCodesGiveTheirParts) {
    ASSERT_TRUE(
        dm.db().exec(QStringLiteral("update tb_cadre set gzjl=? where CadreID=1"),
                     {QStringLiteral("1986.09-1990.07 某大学学习\r\n                更多内容\r\n"
                                     "1990.07-        某局科员")}));
    const Result<documents::CadreSheet> sheet = documents::readCadreSheet(dm.db(), 1, kToday);
    ASSERT_TRUE(sheet.ok()) << sheet.errorText().toStdString();
    const auto text = [&](const char* code, documents::ItemKind kind = documents::ItemKind::Cadre) {
        documents::TemplateItem item;
        item.item = QString::fromUtf8(code);
        item.kind = kind;
        return documents::itemText(*sheet, item);
    };
    EXPECT_EQ(text("n-gzjl"), QStringLiteral("1986.09-1990.07\n1990.07-"));
    EXPECT_EQ(text("--gzjl"), QStringLiteral("1990.07\n"));
    EXPECT_EQ(text("- gzjl"), QStringLiteral("某大学学习更多内容\n某局科员"));
    EXPECT_EQ(text("-gzjl"), QStringLiteral("某大学学习\n更多内容\n某局科员"));
    EXPECT_FALSE(sheet->units.isEmpty());
    EXPECT_EQ(text("name", documents::ItemKind::Unit), sheet->units.front());
    EXPECT_EQ(text("-name", documents::ItemKind::Unit), sheet->units.join(QStringLiteral("、")));
    EXPECT_EQ(documents::readCadreSheet(dm.db(), 999999, kToday).errorText(), cadre::kCadreMissing);
}

}  // namespace
