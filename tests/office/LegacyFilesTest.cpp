#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "OfficeFixtures.h"
#include "office/LegacyFiles.h"
#include "office/Spreadsheet.h"
#include "office/XlsWorkbook.h"

namespace {

// Sets PATH for the lifetime of the object, so that a test decides which programs exist.
class PathOverride {
  public:
    explicit PathOverride(const QString& path) : saved_(qgetenv("PATH")) {
        qputenv("PATH", path.toLocal8Bit());
    }
    ~PathOverride() { qputenv("PATH", saved_); }

  private:
    QByteArray saved_;
};

class LegacyFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        legacy_ = dir_.filePath(QStringLiteral("旧表.xls"));
        office_test::writeXlsFixture(legacy_);
        ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("bin")));
        ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("TEMP")));
    }

    QString copyAs(const QString& name) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(QFile::copy(legacy_, path));
        return path;
    }

    // A stand-in for LibreOffice: a script named soffice that runs `body` with $outdir, $input
    // and $kind set from its arguments and records the arguments in args.txt.
    void installFakeLibreOffice(const QString& body) {
        const QString path = dir_.filePath(QStringLiteral("bin/soffice"));
        QFile script(path);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(
            QStringLiteral("#!/bin/sh\n"
                           "echo \"$@\" > \"%1\"\n"
                           "while [ $# -gt 1 ]; do\n"
                           "  case \"$1\" in --outdir) outdir=\"$2\"; shift;; --convert-to) "
                           "kind=\"$2\"; shift;; esac\n"
                           "  shift\n"
                           "done\n"
                           "input=\"$1\"\n"
                           "%2\n")
                .arg(dir_.filePath(QStringLiteral("args.txt")), body)
                .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }

    QTemporaryDir dir_;
    QString legacy_;
};

TEST_F(LegacyFilesTest, WithoutLibreOfficeTheMessageNamesTheFileAndTheFormatToSaveAs) {
    PathOverride path(dir_.filePath(QStringLiteral("bin")));
    ASSERT_TRUE(office::findLibreOffice().isEmpty());
    struct Case {
        const char* name;
        const char* format;
    };
    const Case cases[] = {{"简历.doc", ".docx"}, {"名册.xls", ".xlsx"}, {"汇报.ppt", ".pptx"}};
    for (const Case& c : cases) {
        const QString file = copyAs(QString::fromUtf8(c.name));
        ASSERT_TRUE(office::isLegacyOfficeFile(file));
        const Result<QString> converted =
            office::usableOfficeFile(file, dir_.filePath(QStringLiteral("TEMP")));
        ASSERT_FALSE(converted.ok()) << c.name;
        const QString text = converted.errorText();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.name))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("LibreOffice"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.format))) << text.toStdString();
    }
    EXPECT_TRUE(QDir(dir_.filePath(QStringLiteral("TEMP"))).isEmpty());

    // Old systems often save web pages or RTF under a ".doc" name; they need LibreOffice too.
    const QString rtf = dir_.filePath(QStringLiteral("网页.doc"));
    QFile rtfFile(rtf);
    ASSERT_TRUE(rtfFile.open(QIODevice::WriteOnly));
    rtfFile.write("{\\rtf1 text}");
    rtfFile.close();
    const Result<QString> notConverted = office::usableOfficeFile(rtf, dir_.path());
    ASSERT_FALSE(notConverted.ok());
    EXPECT_TRUE(notConverted.errorText().contains(QStringLiteral("网页.doc")));
    EXPECT_TRUE(notConverted.errorText().contains(QStringLiteral(".docx")));
    EXPECT_FALSE(
        office::usableOfficeFile(dir_.filePath(QStringLiteral("无.doc")), dir_.path()).ok());

    const Result<QString> unknown =
        office::convertLegacyFile(copyAs(QStringLiteral("数据.bin")), dir_.path());
    ASSERT_FALSE(unknown.ok());
    EXPECT_TRUE(unknown.errorText().contains(QStringLiteral("数据.bin")));

    // A file that is already OOXML needs no conversion.
    const QString docx = dir_.filePath(QStringLiteral("新格式.docx"));
    office_test::writeDocxFixture(docx);
    EXPECT_FALSE(office::isLegacyOfficeFile(docx));
    EXPECT_EQ(*office::usableOfficeFile(docx, dir_.path()), docx);
}

TEST_F(LegacyFilesTest, LibreOfficeConvertsIntoTheOutputFolderAndItsFailureIsReported) {
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "the stand-in for LibreOffice is a shell script";
#endif
    PathOverride path(dir_.filePath(QStringLiteral("bin")));
    installFakeLibreOffice(
        QStringLiteral("base=\"${input##*/}\"; echo converted > \"$outdir/${base%.*}.$kind\""));
    const QString temp = dir_.filePath(QStringLiteral("TEMP"));
    QFile stale(temp + QStringLiteral("/简历.docx"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("stale");
    stale.close();

    const Result<QString> converted =
        office::usableOfficeFile(copyAs(QStringLiteral("简历.doc")), temp);
    ASSERT_TRUE(converted.ok()) << converted.errorText().toStdString();
    EXPECT_EQ(*converted, QDir(temp).absoluteFilePath(QStringLiteral("简历.docx")));
    QFile result(*converted);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll(), QByteArray("converted\n"));
    EXPECT_EQ(QDir(temp).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("简历.docx")});
    QFile arguments(dir_.filePath(QStringLiteral("args.txt")));
    ASSERT_TRUE(arguments.open(QIODevice::ReadOnly));
    const QString used = QString::fromUtf8(arguments.readAll());
    EXPECT_TRUE(used.contains(QStringLiteral("--headless"))) << used.toStdString();
    EXPECT_TRUE(used.contains(QStringLiteral("--convert-to docx"))) << used.toStdString();

    installFakeLibreOffice(QStringLiteral("echo 'Error: source file could not be loaded'; exit 1"));
    const Result<QString> failed =
        office::convertLegacyFile(copyAs(QStringLiteral("坏.xls")), temp);
    ASSERT_FALSE(failed.ok());
    EXPECT_TRUE(failed.errorText().contains(QStringLiteral("坏.xls")));
    EXPECT_TRUE(failed.errorText().contains(QStringLiteral("could not be loaded")));
    EXPECT_FALSE(QFile::exists(temp + QStringLiteral("/坏.xlsx")));
}

TEST_F(LegacyFilesTest, LegacyWorkbooksAreReadDirectly) {
    Result<std::unique_ptr<office::Spreadsheet>> opened = office::openSpreadsheet(legacy_);
    ASSERT_TRUE(opened.ok()) << opened.errorText().toStdString();
    const office::Spreadsheet& workbook = **opened;
    EXPECT_EQ(workbook.name(), QStringLiteral("旧表.xls"));
    ASSERT_EQ(workbook.sheetCount(), 1);
    EXPECT_EQ(*workbook.sheetName(1), QStringLiteral("名单"));
    EXPECT_EQ(*workbook.usedRange(1), (office::CellRange{1, 1, 3, 3}));
    struct Case {
        int row, column;
        QVariant value;
    };
    const Case cases[] = {
        {1, 1, QStringLiteral("姓名")}, {2, 1, QStringLiteral("张三")},   {2, 2, 42.5},
        {2, 3, QDate(1980, 5, 1)},      {3, 3, QStringLiteral("工作表")}, {1, 2, QVariant()},
        {200, 200, QVariant()}};
    for (const Case& c : cases) {
        EXPECT_EQ(*workbook.value(1, c.row, c.column), c.value) << c.row << "," << c.column;
    }
    EXPECT_EQ(*workbook.text(1, 2, 3), QStringLiteral("1980-05-01"));
    EXPECT_FALSE(workbook.value(2, 1, 1).ok());
    EXPECT_FALSE(workbook.value(1, 0, 1).ok());

    // An OLE file that holds no workbook is refused with its name.
    QFile truncated(dir_.filePath(QStringLiteral("截断.xls")));
    ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
    QFile original(legacy_);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    truncated.write(original.read(600));
    truncated.close();
    const Result<office::XlsWorkbook> refused = office::XlsWorkbook::open(truncated.fileName());
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.errorText().contains(QStringLiteral("截断.xls")));
}

}  // namespace
