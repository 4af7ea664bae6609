#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "report/PageLayout.h"
#include "report/PageRenderer.h"
#include "support/QtPrinters.h"

namespace {

// Runs a poppler tool on `pdf` and returns what it printed ("" when it could not run).
QString poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

report::Cell framedCell(QRectF rect, const QString& text, qreal pointSize = 12) {
    report::Cell cell;
    cell.rect = rect;
    cell.text = text;
    cell.font = report::FontSpec::song(pointSize);
    cell.borders = report::AllBorders;
    return cell;
}

// Whether the picture is dark at (xMm, yMm), give or take a pixel.
bool isDark(const QImage& image, qreal xMm, qreal yMm, int dpi) {
    const QPoint p(qRound(xMm * dpi / 25.4), qRound(yMm * dpi / 25.4));
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (qGray(image.pixel(p + QPoint(dx, dy))) < 160) {
                return true;
            }
        }
    }
    return false;
}

TEST(PageLayout, FormFontsFallBackToAnInstalledFontWithChineseGlyphs) {
    for (const report::FontSpec& form :
         {report::FontSpec::song(12), report::FontSpec::fangSong(16), report::FontSpec::hei(10)}) {
        const QFont font = form.font();
        const QFontMetricsF metrics(font);
        for (const QChar c : QStringLiteral("干部任免审批表简历")) {
            EXPECT_TRUE(metrics.inFont(c)) << QFontInfo(font).family() << c;
        }
    }
    EXPECT_EQ(report::FontSpec::song(12).families.first(), QStringLiteral("宋体"));
    EXPECT_EQ(report::FontSpec::fangSong(12).families.first(), QStringLiteral("仿宋_GB2312"));
}

TEST(PageLayout, CellsThatCannotHoldTheirTextAreListed) {
    report::Layout layout(report::PageSetup::custom(100, 100));
    const int page = layout.addPage();
    const QString longText = QStringLiteral("中华人民共和国").repeated(8);
    layout.add(page, framedCell(QRectF(10, 10, 80, 30), longText, 12));  // wraps into 30 mm
    layout.add(page, framedCell(QRectF(10, 50, 80, 8), longText, 12));   // too low
    report::Cell unbroken = framedCell(QRectF(10, 60, 40, 20), longText, 10);
    unbroken.wrap = false;  // one line, too wide
    layout.add(page, unbroken);
    layout.add(page, framedCell(QRectF(10, 85, 80, 10), QString(), 12));  // empty fits

    const std::vector<report::Layout::CellRef> overflowing = layout.overflowingCells();
    ASSERT_EQ(overflowing.size(), 2u);
    EXPECT_EQ(overflowing[0].cell, 1);
    EXPECT_EQ(overflowing[1].cell, 2);

    // A smaller size chosen by the caller makes the low cell fit.
    report::Cell smaller = framedCell(QRectF(10, 50, 80, 10), QStringLiteral("中华人民共和国"), 12);
    EXPECT_TRUE(report::textFits(smaller));
    const QSizeF size = report::textSize(longText, report::FontSpec::song(12), 78);
    EXPECT_LE(size.width(), 78.01);
    EXPECT_GT(size.height(),
              2 * report::textSize(QStringLiteral("中"), report::FontSpec::song(12), 0).height());
}

TEST(PageLayout, LinesFlowOntoNewPagesWhenAPageIsFull) {
    report::Layout layout(report::PageSetup::custom(100, 50));
    layout.addPage();
    QStringList lines;
    for (int i = 0; i < 25; ++i) {
        lines << QStringLiteral("第%1行").arg(i + 1);
    }
    // 10 mm already used on the first page; 5 mm lines in a column from 5 to 45 mm.
    const qreal end =
        report::flowLines(layout, lines, report::FontSpec::song(9), QRectF(5, 5, 90, 40), 15, 5);
    ASSERT_EQ(layout.pageCount(), 4);
    EXPECT_EQ(layout.cells(0).size(), 6u);  // 15..45
    EXPECT_EQ(layout.cells(1).size(), 8u);
    EXPECT_EQ(layout.cells(2).size(), 8u);
    EXPECT_EQ(layout.cells(3).size(), 3u);
    EXPECT_EQ(layout.cells(1).front().text, QStringLiteral("第7行"));
    EXPECT_DOUBLE_EQ(layout.cells(1).front().rect.top(), 5);
    EXPECT_DOUBLE_EQ(end, 20);
    EXPECT_TRUE(layout.overflowingCells().empty());
}

TEST(PageRenderer, APictureOfAPageShowsFramesWhereTheLayoutPutsThem) {
    report::Layout layout(report::PageSetup::b5());
    const int page = layout.addPage();
    layout.add(page, framedCell(QRectF(20, 30, 100, 40), QStringLiteral("姓名")));
    report::Cell photo;
    photo.rect = QRectF(130, 30, 30, 40);
    photo.picture = QImage(60, 80, QImage::Format_RGB32);
    photo.picture.fill(Qt::black);
    photo.padding = 0;
    layout.add(page, photo);

    constexpr int dpi = 100;
    const QImage image = report::renderPage(layout, page, dpi);
    EXPECT_EQ(image.width(), qCeil(176 * dpi / 25.4));
    EXPECT_EQ(image.height(), qCeil(250 * dpi / 25.4));
    EXPECT_TRUE(isDark(image, 20, 50, dpi));    // left frame
    EXPECT_TRUE(isDark(image, 70, 30, dpi));    // top frame
    EXPECT_TRUE(isDark(image, 120, 50, dpi));   // right frame
    EXPECT_FALSE(isDark(image, 100, 65, dpi));  // inside, away from the text
    EXPECT_FALSE(isDark(image, 10, 10, dpi));   // margin
    EXPECT_TRUE(isDark(image, 145, 50, dpi));   // the picture, 3:4 like its cell
    EXPECT_FALSE(isDark(image, 125, 50, dpi));  // between the cells
}

TEST(PageRenderer, PdfHoldsEveryPageWithItsTextsAtThePaperSize) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    report::Layout layout(report::PageSetup::custom(182, 257));
    layout.add(layout.addPage(),
               framedCell(QRectF(12, 16, 158, 12), QStringLiteral("张三同志简历")));
    layout.add(layout.addPage(),
               framedCell(QRectF(12, 16, 158, 12), QStringLiteral("续表 O'Neil")));
    const QString pdf = dir.filePath(QStringLiteral("简历.pdf"));
    ASSERT_TRUE(report::writePdf(layout, pdf, QStringLiteral("简历")).ok());

    const QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_FALSE(info.isEmpty()) << "pdfinfo (poppler-utils) could not read the file";
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << info;
    // 182 × 257 mm in whole points, as PDF page sizes are written.
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+516 x 729 pts"))))
        << info;
    const QString text =
        poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("张三同志简历"))) << text;
    EXPECT_TRUE(text.contains(QStringLiteral("续表 O'Neil"))) << text;
}

TEST(PageRenderer, APdfThatCannotBeWrittenIsReportedWithItsName) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    report::Layout layout(report::PageSetup::a4());
    layout.add(layout.addPage(), framedCell(QRectF(20, 20, 50, 10), QStringLiteral("文字")));

    const Result<void> missingFolder =
        report::writePdf(layout, dir.filePath(QStringLiteral("无此目录/a.pdf")));
    ASSERT_FALSE(missingFolder.ok());
    EXPECT_TRUE(missingFolder.errorText().contains(QStringLiteral("a.pdf")))
        << missingFolder.errorText();
}

}  // namespace
