#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "app/DataModule.h"
#include "cadre/Photo.h"
#include "cadre/ResumePrintout.h"
#include "db/Database.h"
#include "report/PageRenderer.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

cadre::ResumePrintData zhangSan(int periods) {
    cadre::ResumePrintData data;
    data.summary.xm = QStringLiteral("张 三");
    data.summary.xb = QStringLiteral("男");
    data.summary.mz = QStringLiteral("汉族");
    data.summary.csnyStr = QStringLiteral("1968.01");
    data.summary.csny = QDate(1968, 1, 1);
    data.summary.xrz = QStringLiteral("某市发展和改革委员会主任");
    QStringList lines;
    for (int i = 0; i < periods; ++i) {
        // 60 Chinese characters after the dates: a line and three continuation lines at 52 bytes.
        lines << QStringLiteral("%1.09-%2.07 ").arg(1980 + i).arg(1981 + i) +
                     QStringLiteral("在某大学经济管理系学习").repeated(6);
    }
    data.resume = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    data.photo = QImage(66, 96, QImage::Format_RGB32);
    data.photo.fill(Qt::darkGray);
    return data;
}

TEST(ResumePrintout, TitleSummaryPhotoAndTheWrappedResumeOnTheFormsPage) {
    const report::Layout layout = cadre::resumePrintout(zhangSan(2));
    EXPECT_EQ(layout.setup().size, QSizeF(182, 257));
    EXPECT_EQ(layout.setup().contentRect().topLeft(), QPointF(12, 16));
    ASSERT_EQ(layout.pageCount(), 1);
    const std::vector<report::Cell>& cells = layout.cells(0);
    ASSERT_GE(cells.size(), 3u);
    EXPECT_EQ(cells[0].text, QStringLiteral("张 三同志简历"));
    EXPECT_EQ(cells[0].font.families.first(), QStringLiteral("仿宋_GB2312"));
    EXPECT_TRUE(cells[0].alignment.testFlag(Qt::AlignHCenter));
    EXPECT_FALSE(cells[1].picture.isNull());
    EXPECT_EQ(cells[1].borders, static_cast<unsigned>(report::AllBorders));
    EXPECT_TRUE(
        cells[2].text.startsWith(QStringLiteral("    张三，男，汉族，1968年1月生。\r    现任")))
        << cells[2].text;
    // The summary is at the left of the photo, the resume below both.
    EXPECT_LE(cells[2].rect.right(), cells[1].rect.left());
    QStringList lines;
    for (size_t i = 3; i < cells.size(); ++i) {
        EXPECT_GE(cells[i].rect.top(), cells[1].rect.bottom());
        EXPECT_GE(cells[i].rect.top(), cells[2].rect.bottom());
        lines << cells[i].text;
    }
    ASSERT_EQ(lines.size(), 8);
    // 16 bytes of dates and blank, then 18 characters: 52 bytes; the rest behind 16 blanks.
    const QString content = QStringLiteral("在某大学经济管理系学习").repeated(6);
    EXPECT_EQ(lines[0], QStringLiteral("1980.09-1981.07 ") + content.left(18));
    EXPECT_EQ(lines[1], QString(16, u' ') + content.mid(18, 18));
    EXPECT_EQ(lines[3], QString(16, u' ') + content.mid(54));
    EXPECT_TRUE(layout.overflowingCells().empty());
}

TEST(ResumePrintout, ALongResumeRunsOnToFurtherPages) {
    const report::Layout layout = cadre::resumePrintout(zhangSan(40));
    ASSERT_GE(layout.pageCount(), 3);
    // Pages after the first hold resume lines from the top of the content area.
    EXPECT_DOUBLE_EQ(layout.cells(1).front().rect.top(), 16);
    size_t lines = 0;
    for (int page = 0; page < layout.pageCount(); ++page) {
        for (const report::Cell& cell : layout.cells(page)) {
            lines += cell.text.contains(QStringLiteral("学")) ? 1 : 0;
            EXPECT_LE(cell.rect.bottom(), 257 - 16 + 0.001) << page;
        }
    }
    EXPECT_EQ(lines, 40u * 4);
    EXPECT_TRUE(layout.overflowingCells().empty());
}

TEST(ResumePrintout, ThePdfHoldsTheTitleAndTheResume) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("resume.pdf"));
    cadre::ResumePrintData data = zhangSan(1);
    data.photo = QImage();  // an empty framed box
    ASSERT_TRUE(report::writePdf(cadre::resumePrintout(data), pdf).ok());
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    // Text extraction may give a Kangxi radical for a character that shares its glyph in the
    // font (⽉ for 月); compatibility normalisation maps them back.
    const QString out =
        QString::fromUtf8(text.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    EXPECT_TRUE(out.contains(QStringLiteral("同志简历"))) << out;
    EXPECT_TRUE(out.contains(QStringLiteral("1980.09-1981.07"))) << out;
    EXPECT_TRUE(out.contains(QStringLiteral("1968年1月生"))) << out;
}

TEST(ResumePrintout, ACadresStoredRecordIsWhatItPrints) {
    TestHome home;
    TDataM dm(home.path());
    ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    QImage photo(30, 40, QImage::Format_RGB32);
    photo.fill(Qt::red);
    ASSERT_TRUE(cadre::writePhoto(dm, 2, cadre::encodePhoto(photo)));

    const Result<cadre::ResumePrintData> data = cadre::readResumePrintData(dm, 2);
    ASSERT_TRUE(data.ok()) << data.errorText();
    EXPECT_EQ(
        data->summary.xm,
        dm.db().scalar(QStringLiteral("select xm from tb_cadre where CadreID=2"))->toString());
    EXPECT_EQ(
        data->resume,
        dm.db().scalar(QStringLiteral("select gzjl from tb_cadre where CadreID=2"))->toString());
    EXPECT_FALSE(data->resume.isEmpty());
    EXPECT_EQ(data->photo.size(), QSize(30, 40));

    EXPECT_FALSE(cadre::readResumePrintData(dm, 99999).ok());
}

}  // namespace
