#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "../office/OfficeFixtures.h"
#include "TemplateFixtures.h"
#include "db/Database.h"
#include "documents/Templates.h"
#include "office/XlsxWorkbook.h"
#include "support/QtPrinters.h"

using documents::TemplateFormat;
using documents::TemplateItem;

namespace {

class TemplatesTest : public TemplateTest {
  protected:
    Result<int> load(TemplateFormat format, const QString& name, const QString& file,
                     int type = documents::kSinglePerson) {
        return documents::loadTemplate(dm.db(), format, name, type, file, home.path());
    }
};

TEST_F(TemplatesTest, LoadingStoresTheFileItsItemsAndTheBlankedWorkbook) {
    const Result<int> id = load(TemplateFormat::Excel, QStringLiteral("干部表"), singleWorkbook());
    ASSERT_TRUE(id.ok()) << id.errorText().toStdString();
    const Result<documents::StoredTemplate> stored =
        documents::readTemplate(dm.db(), TemplateFormat::Excel, *id);
    ASSERT_TRUE(stored.ok()) << stored.errorText().toStdString();
    EXPECT_EQ(stored->entry.name, QStringLiteral("干部表"));
    EXPECT_EQ(documents::typeCaption(stored->entry), QStringLiteral("单人"));
    EXPECT_EQ(stored->items.size(), 21);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_mbItem where mbid=%1").arg(*id)), 21);

    const auto find = [&](const QString& code, int ord = 0) {
        for (const TemplateItem& item : stored->items) {
            if (item.item == code && item.ord == ord) {
                return item;
            }
        }
        ADD_FAILURE() << "no item " << code.toStdString();
        return TemplateItem{};
    };
    const TemplateItem birth = find(QStringLiteral("csnyStr"));
    EXPECT_EQ(std::tuple(birth.page, birth.h, birth.l), std::tuple(1, 3, 2));
    EXPECT_EQ(birth.prefix, QStringLiteral("出生："));
    EXPECT_EQ(birth.postfix, QStringLiteral("（公历）"));
    const TemplateItem party = find(QStringLiteral("zzmm"), 2);
    EXPECT_EQ(party.kind, documents::ItemKind::Family);
    EXPECT_EQ(party.prefix, QStringLiteral("（"));
    EXPECT_EQ(std::tuple(find(QStringLiteral("photo")).page, find(QStringLiteral("photo")).h),
              std::tuple(2, 1));

    // The stored file is the one loaded; the blank one keeps the labels and loses the
    // placeholders.
    Result<office::XlsxWorkbook> original =
        office::XlsxWorkbook::fromBytes(stored->file, QStringLiteral("原"));
    Result<office::XlsxWorkbook> blank =
        office::XlsxWorkbook::fromBytes(stored->blank, QStringLiteral("空"));
    ASSERT_TRUE(original.ok() && blank.ok());
    EXPECT_EQ(original->text(1, 1, 2).value(), QStringLiteral("<姓名>"));
    EXPECT_EQ(blank->text(1, 1, 2).value(), QString());
    EXPECT_EQ(blank->text(1, 3, 2).value(), QString());
    EXPECT_EQ(blank->text(1, 3, 1).value(), QStringLiteral("出生"));
    EXPECT_EQ(blank->text(2, 1, 1).value(), QString());
}

TEST_F(TemplatesTest, CellsBeyondTheHundredthRowOrColumnAreLeftAlone) {
    const QString file = written(QStringLiteral("大.xlsx"), QStringLiteral(R"PY(
import sys, openpyxl
book = openpyxl.Workbook()
s = book.active
s["A1"] = "<姓名>"
s.cell(row=100, column=100, value="<籍贯>")
s.cell(row=101, column=1, value="<性别>")
s.cell(row=1, column=101, value="<民族>")
book.save(sys.argv[1])
)PY"));
    const Result<int> id = load(TemplateFormat::Excel, QStringLiteral("大"), file);
    ASSERT_TRUE(id.ok()) << id.errorText().toStdString();
    const Result<documents::StoredTemplate> stored =
        documents::readTemplate(dm.db(), TemplateFormat::Excel, *id);
    ASSERT_TRUE(stored.ok());
    QStringList codes;
    for (const TemplateItem& item : stored->items) {
        codes << item.item;
    }
    codes.sort();
    EXPECT_EQ(codes, (QStringList{QStringLiteral("jgsheng"), QStringLiteral("xm")}));
    Result<office::XlsxWorkbook> blank = office::XlsxWorkbook::fromBytes(stored->blank, file);
    ASSERT_TRUE(blank.ok());
    EXPECT_EQ(blank->text(1, 101, 1).value(), QStringLiteral("<性别>"));
    EXPECT_EQ(blank->text(1, 1, 101).value(), QStringLiteral("<民族>"));
    EXPECT_EQ(blank->text(1, 100, 100).value(), QString());
}

TEST_F(TemplatesTest, RefusedLoadsStoreNothing) {
    const QString workbook = singleWorkbook();
    ASSERT_TRUE(load(TemplateFormat::Excel, QStringLiteral("已有"), workbook).ok());
    // Items left over by a scan that never finished.
    ASSERT_TRUE(dm.db().exec(QStringLiteral("insert into tb_mbItem (mbid,item) values (0,'xm')")));
    const int templates = count(QStringLiteral("select count(*) from tb_mb"));
    const int items = count(QStringLiteral("select count(*) from tb_mbItem"));
    QFile text(path(QStringLiteral("文本.xlsx")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a workbook");
    text.close();
    const struct {
        const char* name;
        QString file;
        QString message;
    } cases[] = {
        {"  ", workbook, documents::kNameRequired},
        {"新", QString(), documents::kFileRequired},
        {"已有", workbook, documents::kNameTaken},
        {"坏", text.fileName(), QStringLiteral("文本.xlsx")},
        {"缺", path(QStringLiteral("无此文件.xlsx")), QStringLiteral("无此文件.xlsx")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<int> refused = load(TemplateFormat::Excel, QString::fromUtf8(c.name), c.file);
        ASSERT_FALSE(refused.ok());
        EXPECT_TRUE(refused.errorText().contains(c.message)) << refused.errorText().toStdString();
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_mb")), templates);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_mbItem")), items);

    // The next load clears the leftovers; a Word template of a name Excel uses is another one.
    ASSERT_TRUE(load(TemplateFormat::Word, QStringLiteral("已有"), singleDocument()).ok());
    ASSERT_TRUE(load(TemplateFormat::Excel, QStringLiteral("又一个"), workbook).ok());
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_mbItem where mbid=0")), 0);
}

TEST_F(TemplatesTest, DeletingAWordTemplateLeavesTheExcelTemplatesAlone) {
    const Result<int> excel = load(TemplateFormat::Excel, QStringLiteral("表"), singleWorkbook());
    const Result<int> word = load(TemplateFormat::Word, QStringLiteral("表"), singleDocument());
    ASSERT_TRUE(excel.ok() && word.ok());
    ASSERT_EQ(*excel, *word);  // each format numbers its own templates
    EXPECT_EQ(
        count(QStringLiteral("select count(*) from tb_wordModelItem where mbid=%1").arg(*word)),
        13);
    ASSERT_TRUE(documents::deleteTemplate(dm.db(), TemplateFormat::Word, *word).ok());
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_wordModel")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_wordModelItem")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_mbItem where mbid=%1").arg(*excel)),
              21);

    const Result<QList<documents::TemplateEntry>> listed = documents::listTemplates(dm.db());
    ASSERT_TRUE(listed.ok());
    ASSERT_EQ(listed->size(), 1);
    EXPECT_EQ(listed->front().format, TemplateFormat::Excel);
    EXPECT_EQ(documents::readTemplate(dm.db(), TemplateFormat::Word, *word).errorText(),
              documents::kTemplateGone);
}

TEST_F(TemplatesTest, ALegacyWorkbookIsConvertedOnLoadingOrRefusedByName) {
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "the stand-in for LibreOffice is a shell script";
#endif
    const QString legacy = path(QStringLiteral("旧模板.xls"));
    office_test::writeXlsFixture(legacy);
    const QByteArray savedPath = qgetenv("PATH");
    const QString bin = path(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    qputenv("PATH", bin.toLocal8Bit());

    // Without LibreOffice the file is named and nothing is stored.
    const Result<int> refused = load(TemplateFormat::Excel, QStringLiteral("旧"), legacy);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.errorText().contains(QStringLiteral("旧模板.xls")));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_mb")), 0);

    // A stand-in for LibreOffice gives the converted workbook, which is scanned and stored.
    QFile script(bin + QStringLiteral("/soffice"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\n"
                                "while [ $# -gt 1 ]; do\n"
                                "  case \"$1\" in --outdir) outdir=\"$2\"; shift;; esac\n"
                                "  shift\n"
                                "done\n"
                                "base=\"${1##*/}\"\n"
                                "/bin/cp \"%1\" \"$outdir/${base%.*}.xlsx\"\n")
                     .arg(singleWorkbook())
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    const Result<int> id = load(TemplateFormat::Excel, QStringLiteral("旧"), legacy);
    qputenv("PATH", savedPath);
    ASSERT_TRUE(id.ok()) << id.errorText().toStdString();
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_mbItem where mbid=%1").arg(*id)), 21);
}

}  // namespace
