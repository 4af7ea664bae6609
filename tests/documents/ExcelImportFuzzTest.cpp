#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "app/DataModule.h"
#include "db/Database.h"
#include "documents/ExcelImport.h"
#include "office/NewWorkbook.h"
#include "office/ZipPackage.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

// Malformed workbooks given to the import: each either fails with a message and writes
// nothing, or is read as a workbook and imported whole.
namespace {

QString u(const char* s) {
    return QString::fromUtf8(s);
}

class ExcelImportFuzzTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        office::NewSheet sheet;
        sheet.header = {u("姓名"), u("性别"), u("出生年月")};
        for (int i = 0; i < 20; ++i) {
            sheet.rows.push_back({u("测试人员%1").arg(i), u("男"), 1970.0 + i + 0.05});
        }
        const QString path = dir.filePath(u("good.xlsx"));
        ASSERT_TRUE(office::writeNewWorkbook(path, {sheet}).ok());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        good = file.readAll();
        settings.lastRow = 30;
        settings.columns[0] = 1;
        settings.columns[1] = 2;
        settings.columns[2] = 3;
    }

    // What the stored cadres and memberships add up to.
    QString fingerprint() {
        const auto rows = dm.db().query(
            QStringLiteral("select count(*),total(CadreID),group_concat(xm),group_concat(csnyStr),"
                           "(select count(*) from tb_cadre_node) from tb_cadre"));
        EXPECT_TRUE(rows.has_value()) << dm.db().lastError();
        QStringList parts;
        for (const QVariant& value : rows->rows.at(0)) {
            parts << value.toString();
        }
        return parts.join(u'|');
    }

    // Imports `bytes` as a workbook file; the failure's message when it fails.
    std::optional<QString> importBytes(const QByteArray& bytes, const QString& label) {
        const QString path = dir.filePath(u("fuzz.xlsx"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        const QString before = fingerprint();
        const Result<QList<documents::ImportRow>> rows =
            documents::readImportFile(dm.db(), path, settings);
        if (!rows) {
            EXPECT_FALSE(rows.errorText().isEmpty()) << label.toStdString();
            EXPECT_EQ(fingerprint(), before) << label.toStdString();
            return rows.errorText();
        }
        const Result<documents::ImportOutcome> outcome = documents::importRows(dm, *rows, 7);
        EXPECT_TRUE(outcome.ok()) << label.toStdString() << outcome.errorText().toStdString();
        EXPECT_EQ(dm.db().transactionDepth(), 0) << label.toStdString();
        return std::nullopt;
    }

    QByteArray withPart(const QString& part, const QByteArray& content) {
        Result<office::ZipPackage> package = office::ZipPackage::fromBytes(good, u("good.xlsx"));
        EXPECT_TRUE(package.ok());
        package->setPart(part, content);
        return package->toBytes().value();
    }

    TestHome home;
    TDataM dm{home.path()};
    QTemporaryDir dir;
    QByteArray good;
    documents::ExcelImportSettings settings;
};

TEST_F(ExcelImportFuzzTest, FilesThatAreNoWorkbookFailWithTheirMessage) {
    const QByteArray sheetHead =
        "<?xml version=\"1.0\"?><worksheet xmlns=\"http://schemas."
        "openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    const struct {
        const char* label;
        QByteArray bytes;
    } cases[] = {
        {"empty file", QByteArray()},
        {"text", QByteArray("姓名,性别\n张三,男\n")},
        {"zip head only", good.left(30)},
        {"half the archive", good.left(good.size() / 2)},
        {"legacy signature then nothing",
         QByteArray::fromHex("d0cf11e0a1b11ae1") + QByteArray(100, '\0')},
        {"sheet not XML", withPart(u("xl/worksheets/sheet1.xml"), "not xml at all")},
        {"sheet cut short", withPart(u("xl/worksheets/sheet1.xml"), sheetHead + "<row r=\"2\">")},
        {"workbook part not XML", withPart(u("xl/workbook.xml"), "<workbook")},
    };
    for (const auto& c : cases) {
        const std::optional<QString> message = importBytes(c.bytes, u(c.label));
        EXPECT_TRUE(message.has_value()) << c.label;
    }
}

TEST_F(ExcelImportFuzzTest, DamagedWorkbooksFailCleanlyOrImportWhole) {
    QRandomGenerator random(20261211);
    int failed = 0;
    for (int round = 0; round < 150; ++round) {
        QByteArray bytes = good;
        const int flips = 1 + static_cast<int>(random.bounded(8));
        for (int i = 0; i < flips; ++i) {
            const auto at =
                static_cast<qsizetype>(random.bounded(static_cast<quint32>(bytes.size())));
            bytes[at] = static_cast<char>(random.bounded(256));
        }
        if (round % 3 == 0) {
            bytes.truncate(
                static_cast<qsizetype>(random.bounded(static_cast<quint32>(bytes.size()))));
        }
        if (importBytes(bytes, QStringLiteral("round %1").arg(round))) {
            ++failed;
        }
    }
    // Most damage is caught by the archive's checksums.
    EXPECT_GT(failed, 100);
}

TEST_F(ExcelImportFuzzTest, OddButReadableSheetsImportWhatTheyHold) {
    const QByteArray head =
        "<?xml version=\"1.0\"?><worksheet xmlns=\"http://schemas."
        "openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    const QByteArray tail = "</sheetData></worksheet>";
    const QByteArray sheets[] = {
        // A cell far beyond the rows read, a shared string that does not exist, a number that is
        // no number, an inline string with the name.
        head +
            "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>怪表甲</t></is></c>"
            "<c r=\"C2\"><v>abc</v></c></row>"
            "<row r=\"3\"><c r=\"A3\" t=\"s\"><v>9999</v></c></row>"
            "<row r=\"900000\"><c r=\"A900000\" t=\"inlineStr\"><is><t>远</t></is></c></row>" +
            tail,
        head + tail,
        head + "<row r=\"2\"><c r=\"XFD2\"><v>1</v></c></row>" + tail,
    };
    for (const QByteArray& sheet : sheets) {
        const std::optional<QString> message =
            importBytes(withPart(u("xl/worksheets/sheet1.xml"), sheet), QString::fromUtf8(sheet));
        if (message) {
            EXPECT_FALSE(message->isEmpty());
        }
    }
    EXPECT_EQ(
        dm.db().scalar(QStringLiteral("select count(*) from tb_cadre where xm='远'"))->toInt(), 0);
}

}  // namespace
