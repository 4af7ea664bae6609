#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>

#include "OfficeFixtures.h"
#include "office/DocxDocument.h"
#include "office/PptxPresentation.h"
#include "office/XlsWorkbook.h"
#include "office/XlsxWorkbook.h"
#include "office/ZipPackage.h"

using office::DocxDocument;
using office::PptxPresentation;
using office::XlsxWorkbook;
using office::ZipPackage;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Opens damaged bytes and, when they still open, reads and writes everything reachable; a
// damaged document must either work or fail with a message that names it, never crash.
using Exercise = std::function<QString(const QByteArray& bytes, const QString& name)>;

QString exerciseDocx(const QByteArray& bytes, const QString& name) {
    Result<DocxDocument> opened = DocxDocument::fromBytes(bytes, name);
    if (!opened) {
        return opened.errorText();
    }
    DocxDocument& document = *opened;
    for (int t = 1; t <= document.tableCount(); ++t) {
        for (int r = 1; r <= document.rowCount(t).value(); ++r) {
            for (int c = 1; c <= document.cellCount(t, r).value(); ++c) {
                (void)document.cellText(t, r, c);
                (void)document.cellWidthMm(t, r, c);
                (void)document.cellHeightMm(t, r, c);
            }
        }
        (void)document.setCellText(t, 1, 1, QStringLiteral("写入"));
        (void)document.setCellFontSize(t, 1, 1, 9);
        (void)document.setCellPicture(t, 1, 1, office_test::pngPicture(), 10, 10);
    }
    const Result<QByteArray> saved = document.toBytes();
    return saved ? QString() : saved.errorText();
}

QString exerciseXlsx(const QByteArray& bytes, const QString& name) {
    Result<XlsxWorkbook> opened = XlsxWorkbook::fromBytes(bytes, name);
    if (!opened) {
        return opened.errorText();
    }
    XlsxWorkbook& workbook = *opened;
    for (int s = 1; s <= workbook.sheetCount(); ++s) {
        const office::CellRange used = workbook.usedRange(s).value();
        for (int r = used.firstRow; r <= std::min(used.lastRow, used.firstRow + 50); ++r) {
            for (int c = used.firstColumn; c <= std::min(used.lastColumn, used.firstColumn + 50);
                 ++c) {
                (void)workbook.value(s, r, c);
            }
        }
        (void)workbook.setValue(s, 1, 1, QStringLiteral("写入"));
        (void)workbook.setValue(s, 2, 5, 1.5);
        (void)workbook.setValue(s, 9, 9, QDate(2000, 1, 1));
        (void)workbook.placePicture(s, 3, 9, office_test::pngPicture());
    }
    const Result<QByteArray> saved = workbook.toBytes();
    return saved ? QString() : saved.errorText();
}

QString exercisePptx(const QByteArray& bytes, const QString& name) {
    Result<PptxPresentation> opened = PptxPresentation::fromBytes(bytes, name);
    if (!opened) {
        return opened.errorText();
    }
    PptxPresentation& presentation = *opened;
    for (int s = 1; s <= presentation.slideCount(); ++s) {
        for (int t = 1; t <= presentation.tableCount(s).value(); ++t) {
            for (int r = 1; r <= presentation.rowCount(s, t).value(); ++r) {
                for (int c = 1; c <= presentation.columnCount(s, t).value(); ++c) {
                    (void)presentation.cellText(s, t, r, c);
                    (void)presentation.setCellText(s, t, r, c, QStringLiteral("写"));
                }
            }
        }
    }
    const Result<QByteArray> saved = presentation.toBytes();
    return saved ? QString() : saved.errorText();
}

// Truncated copies at many lengths and copies with one to three flipped bits.
std::vector<QByteArray> damagedCopies(const QByteArray& original, quint32 seed) {
    std::vector<QByteArray> copies;
    for (qsizetype length : {qsizetype(0), qsizetype(1), qsizetype(4), qsizetype(22),
                             qsizetype(100), original.size() - 1, original.size() - 22}) {
        copies.push_back(original.left(length));
    }
    for (int step = 1; step < 40; ++step) {
        copies.push_back(original.left(original.size() * step / 40));
    }
    QRandomGenerator random(seed);
    for (int i = 0; i < 300; ++i) {
        QByteArray copy = original;
        const int flips = 1 + int(random.bounded(3));
        for (int f = 0; f < flips; ++f) {
            const qsizetype at = qsizetype(random.bounded(quint32(copy.size())));
            copy[at] = char(copy[at] ^ char(1 << random.bounded(8)));
        }
        copies.push_back(copy);
    }
    return copies;
}

// A package with `part` replaced by `bytes` (or removed when `bytes` is null).
QByteArray withPart(const QByteArray& document, const QString& part, const QByteArray& bytes) {
    Result<ZipPackage> package = ZipPackage::fromBytes(document, QStringLiteral("x"));
    EXPECT_TRUE(package.ok());
    if (bytes.isNull()) {
        package->removePart(part);
    } else {
        package->setPart(part, bytes);
    }
    return *package->toBytes();
}

// The package with the uncompressed size of its first entry in the central directory claimed
// to be about 2 GB, as a zip bomb would claim.
QByteArray withHugeClaimedSize(QByteArray document) {
    const qsizetype central = document.indexOf(QByteArray("PK\x01\x02", 4));
    EXPECT_GT(central, 0);
    document.replace(central + 24, 4, QByteArray("\xff\xff\xff\x7f", 4));
    return document;
}

class MalformedFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        office_test::writeDocxFixture(dir_.filePath(QStringLiteral("a.docx")));
        office_test::writeXlsxFixture(dir_.filePath(QStringLiteral("a.xlsx")));
        docx_ = readFile(dir_.filePath(QStringLiteral("a.docx")));
        xlsx_ = readFile(dir_.filePath(QStringLiteral("a.xlsx")));
        pptx_ = office_test::pptxFixtureBytes();
    }

    QTemporaryDir dir_;
    QByteArray docx_, xlsx_, pptx_;
};

TEST_F(MalformedFilesTest, TruncatedAndBitFlippedDocumentsWorkOrFailWithTheirName) {
    struct Kind {
        const char* name;
        QByteArray* original;
        Exercise exercise;
    };
    const Kind kinds[] = {{"损坏.docx", &docx_, exerciseDocx},
                          {"损坏.xlsx", &xlsx_, exerciseXlsx},
                          {"损坏.pptx", &pptx_, exercisePptx}};
    for (const Kind& kind : kinds) {
        const QString name = QString::fromUtf8(kind.name);
        ASSERT_EQ(kind.exercise(*kind.original, name), QString()) << kind.name;
        int refused = 0;
        for (const QByteArray& copy : damagedCopies(*kind.original, 20261210)) {
            const QString failure = kind.exercise(copy, name);
            if (!failure.isEmpty()) {
                ++refused;
                EXPECT_TRUE(failure.contains(name)) << failure.toStdString();
            }
        }
        // Most damage is caught (checksums, XML); the rest hits bytes nobody reads.
        EXPECT_GT(refused, 200) << kind.name;
    }
}

TEST_F(MalformedFilesTest, DamagedLegacyWorkbooksFailWithTheirName) {
    const QString original = dir_.filePath(QStringLiteral("旧.xls"));
    office_test::writeXlsFixture(original);
    const QString damaged = dir_.filePath(QStringLiteral("损坏.xls"));
    for (const QByteArray& copy : damagedCopies(readFile(original), 7)) {
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(copy);
        file.close();
        Result<office::XlsWorkbook> opened = office::XlsWorkbook::open(damaged);
        if (!opened) {
            EXPECT_TRUE(opened.errorText().contains(QStringLiteral("损坏.xls")));
            continue;
        }
        for (int s = 1; s <= opened->sheetCount(); ++s) {
            const Result<office::CellRange> used = opened->usedRange(s);
            for (int r = 1; used && r <= std::min(used->lastRow, 20); ++r) {
                for (int c = 1; c <= std::min(used->lastColumn, 20); ++c) {
                    (void)opened->value(s, r, c);
                }
            }
        }
    }
}

TEST_F(MalformedFilesTest, BrokenStructuresGiveClearMessages) {
    const QByteArray hugeSheet = QByteArrayLiteral(
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<dimension ref=\"A1:XFD1048576\"/><sheetData><row r=\"1048576\"><c r=\"XFD1048576\">"
        "<v>1</v></c></row></sheetData></worksheet>");
    struct Case {
        const char* what;
        Exercise exercise;
        QByteArray bytes;
        const char* message;  // empty: the document opens
    };
    const Case cases[] = {
        {"not a zip", exerciseDocx, QByteArrayLiteral("plain text, not a document"), "ZIP"},
        {"empty file", exerciseXlsx, QByteArray(), "ZIP"},
        {"zip bomb", exerciseDocx, withHugeClaimedSize(docx_), "过大"},
        {"no main document", exerciseDocx,
         withPart(docx_, QStringLiteral("word/document.xml"), QByteArray()), "不是Word文档"},
        {"broken document XML", exerciseDocx,
         withPart(docx_, QStringLiteral("word/document.xml"), "<w:document><w:body>"),
         "不是有效的XML"},
        {"workbook opened as a document", exerciseDocx, xlsx_, "不是Word文档"},
        {"document opened as a workbook", exerciseXlsx, docx_, "不是Excel工作簿"},
        {"document opened as a presentation", exercisePptx, docx_, "不是PowerPoint演示文稿"},
        {"missing sheet part", exerciseXlsx,
         withPart(xlsx_, QStringLiteral("xl/worksheets/sheet2.xml"), QByteArray()),
         "xl/worksheets/sheet2.xml"},
        {"broken content types", exerciseXlsx,
         withPart(xlsx_, QStringLiteral("[Content_Types].xml"), "<Types"), ""},
        {"huge sheet dimensions", exerciseXlsx,
         withPart(xlsx_, QStringLiteral("xl/worksheets/sheet2.xml"), hugeSheet), ""},
        {"row beyond the sheet", exerciseXlsx,
         withPart(xlsx_, QStringLiteral("xl/worksheets/sheet2.xml"),
                  QByteArray(hugeSheet).replace("<row r=\"1048576\"><c r=\"XFD1048576\">",
                                                "<row r=\"1048577\"><c>")),
         "无效的行号"},
        {"column beyond the sheet", exerciseXlsx,
         withPart(xlsx_, QStringLiteral("xl/worksheets/sheet2.xml"),
                  QByteArray(hugeSheet).replace("XFD1048576\">", "XFE1048576\">")),
         "无效的单元格引用"},
        {"shared string out of range", exerciseXlsx,
         withPart(xlsx_, QStringLiteral("xl/sharedStrings.xml"),
                  "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"/>"),
         ""},
    };
    for (const Case& c : cases) {
        const QString failure = c.exercise(c.bytes, QStringLiteral("坏文件"));
        if (*c.message == '\0') {
            EXPECT_EQ(failure, QString()) << c.what;
        } else {
            EXPECT_TRUE(failure.contains(QString::fromUtf8(c.message)) &&
                        failure.contains(QStringLiteral("坏文件")))
                << c.what << ": " << failure.toStdString();
        }
    }

    // A huge sheet is held sparsely: its one far cell is its whole used range.
    Result<XlsxWorkbook> huge = XlsxWorkbook::fromBytes(
        withPart(xlsx_, QStringLiteral("xl/worksheets/sheet2.xml"), hugeSheet),
        QStringLiteral("大.xlsx"));
    ASSERT_TRUE(huge.ok());
    EXPECT_EQ(*huge->usedRange(2), (office::CellRange{1048576, 16384, 1048576, 16384}));
    const Result<QVariant> missing =
        XlsxWorkbook::fromBytes(
            withPart(xlsx_, QStringLiteral("xl/sharedStrings.xml"),
                     "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"/>"),
            QStringLiteral("坏文件"))
            .value()
            .value(1, 1, 1);
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.errorText().contains(QStringLiteral("A1")));
}

}  // namespace
