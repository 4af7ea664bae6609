#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "TemplateFixtures.h"
#include "db/Database.h"
#include "documents/CadreMatcher.h"
#include "documents/TemplateImport.h"
#include "documents/TemplateOutput.h"
#include "support/PythonReader.h"
#include "support/QtPrinters.h"

using documents::TemplateFormat;

namespace {

class TemplateImportTest : public TemplateTest {
  protected:
    void SetUp() override {
        TemplateTest::SetUp();
        const Result<int> id =
            documents::loadTemplate(dm.db(), TemplateFormat::Excel, QStringLiteral("单人"),
                                    documents::kSinglePerson, singleWorkbook(), home.path());
        ASSERT_TRUE(id.ok()) << id.errorText().toStdString();
        Result<documents::StoredTemplate> read =
            documents::readTemplate(dm.db(), TemplateFormat::Excel, *id);
        ASSERT_TRUE(read.ok());
        excel = *read;
    }

    // The file of cadre `id` as output, then changed by openpyxl: cell -> value on sheet 1.
    QString filled(int id, const QString& name, const QStringList& changes) {
        const Result<documents::OutputDone> done =
            documents::outputCadres(dm.db(), excel, {id}, path(name), QDate(2024, 6, 30), {});
        EXPECT_TRUE(done.ok() && done->files.size() == 1);
        python_reader::runPython(QStringLiteral(R"PY(
import sys, json, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
for i in range(2, len(sys.argv), 2):
    book.worksheets[0][sys.argv[i]] = sys.argv[i + 1]
book.save(sys.argv[1])
print(json.dumps(True))
)PY"),
                                 QStringList{done->files.front()} + changes);
        return done->files.front();
    }

    QString text(const QString& sql) {
        const Result<QVariant> value = dm.db().scalar(sql);
        EXPECT_TRUE(value.ok()) << value.errorText().toStdString();
        return value ? value->toString() : QString();
    }

    documents::StoredTemplate excel;
};

TEST_F(TemplateImportTest, AFilledFileUpdatesTheCadreOfItsNameAndItsFamily) {
    const QString name = text(QStringLiteral("select xm from tb_cadre where CadreID=1"));
    const QString file = filled(1, QStringLiteral("改"),
                                {QStringLiteral("B4"), QStringLiteral("回族"), QStringLiteral("B3"),
                                 QStringLiteral("出生：1968.3（公历）"), QStringLiteral("B15"),
                                 QStringLiteral("妻子 王新")});
    const int cadres = count(QStringLiteral("select count(*) from tb_cadre"));
    const Result<documents::FilledImportOutcome> outcome =
        documents::importFilledFiles(dm, excel, {file}, 0);
    ASSERT_TRUE(outcome.ok()) << outcome.errorText().toStdString();
    EXPECT_EQ(outcome->updated, 1);
    EXPECT_EQ(outcome->added, 0);
    EXPECT_TRUE(outcome->log.isEmpty()) << outcome->log.join(u'\n').toStdString();
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre")), cadres);
    EXPECT_EQ(text(QStringLiteral("select xm from tb_cadre where CadreID=1")), name);
    EXPECT_EQ(text(QStringLiteral("select mz from tb_cadre where CadreID=1")),
              QStringLiteral("回"));
    EXPECT_EQ(text(QStringLiteral("select csnyStr from tb_cadre where CadreID=1")),
              QStringLiteral("1968.03"));
    EXPECT_EQ(text(QStringLiteral("select top 1 xm from tb_family where CadreID=1 order by ford")),
              QStringLiteral("王新"));
    EXPECT_EQ(text(QStringLiteral("select top 1 cw from tb_family where CadreID=1 order by ford")),
              QStringLiteral("妻子"));
}

// Values read back pass the checks of typed ones: a birth text that is no month is not stored
// (the rest of the person is), a text longer than its column is cut, and the log names both.
TEST_F(TemplateImportTest, ValuesReadBackAreCheckedAndTheLogNamesEachChange) {
    const QString birth = text(QStringLiteral("select csnyStr from tb_cadre where CadreID=1"));
    const QString file = filled(1, QStringLiteral("改"),
                                {QStringLiteral("B4"), QString(60, u'回') + u'族',
                                 QStringLiteral("B3"), QStringLiteral("出生：1970'.01（公历）")});
    const Result<documents::FilledImportOutcome> outcome =
        documents::importFilledFiles(dm, excel, {file}, 0);
    ASSERT_TRUE(outcome.ok()) << outcome.errorText().toStdString();
    EXPECT_EQ(outcome->updated, 1);
    EXPECT_EQ(text(QStringLiteral("select csnyStr from tb_cadre where CadreID=1")), birth);
    EXPECT_EQ(text(QStringLiteral("select mz from tb_cadre where CadreID=1")), QString(50, u'回'));
    ASSERT_EQ(outcome->log.size(), 1);
    EXPECT_TRUE(outcome->log[0].contains(QStringLiteral("出生年月“1970'.01”不是有效的年月")))
        << outcome->log[0].toStdString();
    EXPECT_TRUE(outcome->log[0].contains(QStringLiteral("民族：超过50个字")))
        << outcome->log[0].toStdString();
}

TEST_F(TemplateImportTest, NewNamesAreAddedAndDoubtfulFilesWriteNothing) {
    const QString added =
        filled(2, QStringLiteral("新"), {QStringLiteral("B1"), QStringLiteral("新来者")});
    // Two cadres bear the name of cadre 3: the file cannot say which one it is.
    ASSERT_TRUE(
        dm.db().exec(QStringLiteral("insert into tb_cadre (xm, classid, gbOrd) select xm, 0, 999 "
                                    "from tb_cadre where CadreID=3")));
    const QString twice =
        filled(3, QStringLiteral("重名"), {QStringLiteral("B4"), QStringLiteral("回族")});
    const QString badMonth =
        filled(4, QStringLiteral("坏月份"),
               {QStringLiteral("B1"), QStringLiteral("又一人"), QStringLiteral("B3"),
                QStringLiteral("出生：1968.13（公历）")});
    const QString nameless = filled(5, QStringLiteral("无名"), {QStringLiteral("B1"), QString()});
    QFile broken(path(QStringLiteral("坏.xlsx")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("PK not really");
    broken.close();
    const int cadres = count(QStringLiteral("select count(*) from tb_cadre"));
    const int families = count(QStringLiteral("select count(*) from tb_family"));
    const int unit = 8;
    const int members = count(QStringLiteral("select count(*) from tb_cadre_node where dwID=8"));

    const Result<documents::FilledImportOutcome> outcome = documents::importFilledFiles(
        dm, excel, {added, twice, badMonth, nameless, broken.fileName()}, unit);
    ASSERT_TRUE(outcome.ok()) << outcome.errorText().toStdString();
    EXPECT_EQ(outcome->added, 2);
    EXPECT_EQ(outcome->updated, 0);
    ASSERT_EQ(outcome->log.size(), 4) << outcome->log.join(u'\n').toStdString();
    EXPECT_TRUE(outcome->log[0].startsWith(QFileInfo(twice).fileName()))
        << outcome->log[0].toStdString();
    EXPECT_TRUE(outcome->log[0].contains(documents::duplicateCadresProblem(2)));
    // A birth month that is none is left out of the person, who comes without it.
    EXPECT_TRUE(outcome->log[1].startsWith(QFileInfo(badMonth).fileName()));
    EXPECT_TRUE(outcome->log[1].contains(QStringLiteral("出生年月“1968.13”不是有效的年月")))
        << outcome->log[1].toStdString();
    EXPECT_TRUE(outcome->log[2].contains(QStringLiteral("没有姓名")));
    EXPECT_TRUE(outcome->log[3].contains(documents::kTemplateLoadFailed));

    // Only the new cadres came, with the family members of their files, into the unit.
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre")), cadres + 2);
    const QString newId = text(QStringLiteral("select CadreID from tb_cadre where xm='新来者'"));
    EXPECT_EQ(text(QStringLiteral("select mz from tb_cadre where CadreID=%1").arg(newId)),
              text(QStringLiteral("select mz from tb_cadre where CadreID=2")));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_family where CadreID=%1").arg(newId)),
              count(QStringLiteral(
                  "select count(*) from tb_family where CadreID=2 and ford<=2 and xm<>''")));
    EXPECT_GT(families, 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre_node where dwID=8")),
              members + 2);
    EXPECT_EQ(count(QStringLiteral(
                  "select count(*) from tb_cadre where xm='又一人' and coalesce(csnyStr,'')=''")),
              1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre where mz='回'")), 0);
}

TEST_F(TemplateImportTest, AFileFindsTheServingCadreOfItsNameInItsStoredForm) {
    // Cadre 2 (何  国) is retired; cadre 3 (宋  娟) serves and a namesake of hers was
    // transferred out.
    ASSERT_TRUE(dm.db().exec(QStringLiteral("update tb_cadre set classid=1 where CadreID=2")));
    ASSERT_TRUE(dm.db().exec(QStringLiteral(
        "insert into tb_cadre (xm,classid,gbOrd,mz) values ('宋  娟',2,998,'汉族')")));
    const QString transferred = text(QStringLiteral("select max(CadreID) from tb_cadre"));
    // Each file changes the nationality; the first has the name typed by hand, without blanks;
    // the last two name the same new person.
    const QString typed = filled(1, QStringLiteral("手填"),
                                 {QStringLiteral("B1"), QStringLiteral("刘成"),
                                  QStringLiteral("B4"), QStringLiteral("回族")});
    const QString retired =
        filled(2, QStringLiteral("离退"), {QStringLiteral("B4"), QStringLiteral("满族")});
    const QString serving =
        filled(3, QStringLiteral("在职"), {QStringLiteral("B4"), QStringLiteral("壮族")});
    const QString first = filled(5, QStringLiteral("新一"),
                                 {QStringLiteral("B1"), QStringLiteral("新来者"),
                                  QStringLiteral("B4"), QStringLiteral("苗族")});
    const QString second = filled(6, QStringLiteral("新二"),
                                  {QStringLiteral("B1"), QStringLiteral("新来者"),
                                   QStringLiteral("B4"), QStringLiteral("藏族")});
    const int cadres = count(QStringLiteral("select count(*) from tb_cadre"));

    const Result<documents::FilledImportOutcome> outcome =
        documents::importFilledFiles(dm, excel, {typed, retired, serving, first, second}, 0);
    ASSERT_TRUE(outcome.ok()) << outcome.errorText().toStdString();
    EXPECT_EQ(outcome->updated, 2);
    EXPECT_EQ(outcome->added, 2);
    ASSERT_EQ(outcome->log.size(), 1) << outcome->log.join(u'\n').toStdString();
    EXPECT_TRUE(outcome->log[0].startsWith(QFileInfo(second).fileName()))
        << outcome->log[0].toStdString();
    EXPECT_TRUE(outcome->log[0].contains(QFileInfo(first).fileName()))
        << outcome->log[0].toStdString();
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre")), cadres + 2);

    // The hand-typed name found the stored one.
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre where xm='刘  成'")), 1);
    EXPECT_EQ(text(QStringLiteral("select mz from tb_cadre where CadreID=1")),
              QStringLiteral("回"));
    // The retired cadre is left as it was; the file brought a new serving cadre.
    EXPECT_EQ(text(QStringLiteral("select mz from tb_cadre where CadreID=2")),
              QStringLiteral("汉族"));
    EXPECT_EQ(text(QStringLiteral("select classid from tb_cadre where CadreID=2")),
              QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("select mz from tb_cadre where xm='何  国' and classid=0")),
              QStringLiteral("满"));
    // The serving cadre is updated, her transferred namesake is not.
    EXPECT_EQ(text(QStringLiteral("select mz from tb_cadre where CadreID=3")),
              QStringLiteral("壮"));
    EXPECT_EQ(text(QStringLiteral("select mz from tb_cadre where CadreID=%1").arg(transferred)),
              QStringLiteral("汉族"));
    // The person named twice was stored once, from the first file.
    EXPECT_EQ(text(QStringLiteral("select mz from tb_cadre where xm='新来者'")),
              QStringLiteral("苗"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre where xm='新来者'")), 1);
}

TEST_F(TemplateImportTest, TextAndPowerPointTemplatesAreNotRead) {
    for (const auto& [format, type] :
         {std::pair{TemplateFormat::Word, documents::kSinglePersonText},
          std::pair{TemplateFormat::PowerPoint, documents::kSinglePerson},
          std::pair{TemplateFormat::PowerPoint, documents::kListType}}) {
        documents::StoredTemplate other = excel;
        other.entry.format = format;
        other.entry.type = type;
        EXPECT_EQ(documents::readFilledFile(other, path(QStringLiteral("任意.docx"))).errorText(),
                  documents::kNotReadable);
    }
}

TEST_F(TemplateImportTest, AListBringsOnePersonARowUntilARowWithoutName) {
    const QString list = written(QStringLiteral("名单.xlsx"), QStringLiteral(R"PY(
import sys, openpyxl
book = openpyxl.Workbook()
book.active.append(["姓名", "民族", "配偶"])
book.active.append(["<姓名>", "<民族>族", "<家-姓名-1>"])
book.save(sys.argv[1])
)PY"));
    const Result<int> id =
        documents::loadTemplate(dm.db(), TemplateFormat::Excel, QStringLiteral("名单"),
                                documents::kListType, list, home.path());
    ASSERT_TRUE(id.ok()) << id.errorText().toStdString();
    const Result<documents::StoredTemplate> stored =
        documents::readTemplate(dm.db(), TemplateFormat::Excel, *id);
    ASSERT_TRUE(stored.ok());
    const Result<documents::OutputDone> done = documents::outputCadres(
        dm.db(), *stored, {8, 9}, path(QStringLiteral("名单输出")), QDate(2024, 6, 30), {});
    ASSERT_TRUE(done.ok() && done->files.size() == 1);
    // The second person's nation changes, a third person is added, and a row after the gap is
    // not read.
    python_reader::runPython(QStringLiteral(R"PY(
import sys, json, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
s = book.active
s["B3"] = "满族"
s["A4"] = "列表新人"
s["B4"] = "汉族"
s["A6"] = "不读的人"
book.save(sys.argv[1])
print(json.dumps(True))
)PY"),
                             {done->files.front()});
    const Result<QList<documents::FilledValues>> people =
        documents::readFilledFile(*stored, done->files.front());
    ASSERT_TRUE(people.ok()) << people.errorText().toStdString();
    ASSERT_EQ(people->size(), 3);
    EXPECT_EQ(people->at(2).name(), QStringLiteral("列表新人"));
    EXPECT_EQ(people->at(2).cadre.value(QStringLiteral("mz")).toString(), QStringLiteral("汉"));

    const Result<documents::FilledImportOutcome> outcome =
        documents::importFilledFiles(dm, *stored, done->files, 0);
    ASSERT_TRUE(outcome.ok()) << outcome.errorText().toStdString();
    EXPECT_EQ(outcome->updated, 2);
    EXPECT_EQ(outcome->added, 1);
    EXPECT_TRUE(outcome->log.isEmpty()) << outcome->log.join(u'\n').toStdString();
    EXPECT_EQ(text(QStringLiteral("select mz from tb_cadre where CadreID=9")),
              QStringLiteral("满"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre where xm='列表新人'")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre where xm='不读的人'")), 0);

    // A list whose placeholders stand on two rows cannot be read back.
    documents::StoredTemplate twoRows = *stored;
    twoRows.items.last().h += 1;
    EXPECT_EQ(documents::readFilledFile(twoRows, done->files.front()).errorText(),
              documents::kListRowsNotReadable);
}

TEST_F(TemplateImportTest, MalformedFilesAreReportedAndWriteNothing) {
    QFile source(filled(6, QStringLiteral("原"), {QStringLiteral("B1"), QStringLiteral("某新人")}));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    // Cut short, bytes flipped here and there, emptied, or a workbook without the sheet.
    QList<QByteArray> damaged{QByteArray(), bytes.left(30), bytes.left(bytes.size() / 2),
                              bytes.left(bytes.size() - 22)};
    for (int seed = 1; seed <= 12; ++seed) {
        QByteArray flipped = bytes;
        for (int i = 0; i < 8; ++i) {
            const qsizetype at = (qsizetype(seed) * 7919 + i * 104729) % flipped.size();
            flipped[at] = char(flipped[at] ^ (0x55 + i));
        }
        damaged << flipped;
    }
    QStringList paths;
    for (qsizetype i = 0; i < damaged.size(); ++i) {
        QFile file(path(QStringLiteral("坏%1.xlsx").arg(i)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged[i]);
        paths << file.fileName();
    }
    paths << written(QStringLiteral("单表.xlsx"), QStringLiteral(R"PY(
import sys, openpyxl
openpyxl.Workbook().save(sys.argv[1])
)PY"));
    const int cadres = count(QStringLiteral("select count(*) from tb_cadre"));
    const int families = count(QStringLiteral("select count(*) from tb_family"));
    const Result<documents::FilledImportOutcome> outcome =
        documents::importFilledFiles(dm, excel, paths, 0);
    ASSERT_TRUE(outcome.ok()) << outcome.errorText().toStdString();
    // A damaged file that still reads as the workbook it was brings its cadre; every other one
    // is named in the log with the reason, as is the workbook without the template's cells.
    EXPECT_EQ(outcome->added + outcome->updated + outcome->log.size(), paths.size());
    EXPECT_LE(outcome->added, 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre")), cadres + outcome->added);
    if (outcome->added == 0) {
        EXPECT_EQ(count(QStringLiteral("select count(*) from tb_family")), families);
    }
    for (const QString& line : outcome->log) {
        EXPECT_TRUE(line.contains(documents::kTemplateLoadFailed) ||
                    line.contains(QStringLiteral("没有姓名")))
            << line.toStdString();
    }
    EXPECT_TRUE(outcome->log.last().startsWith(QStringLiteral("单表.xlsx")));
    EXPECT_EQ(dm.db().transactionDepth(), 0);
}

}  // namespace
