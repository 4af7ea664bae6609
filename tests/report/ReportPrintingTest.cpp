#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "report/PageLayout.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "widgets/ReportPrinting.h"

namespace {

report::Layout twoPages() {
    report::Layout layout(report::PageSetup::custom(182, 257));
    for (const char* title : {"张三同志简历", "续表"}) {
        report::Cell cell;
        cell.rect = QRectF(12, 16, 158, 12);
        cell.text = QString::fromUtf8(title);
        cell.borders = report::AllBorders;
        layout.add(layout.addPage(), cell);
    }
    return layout;
}

TEST(ReportPrinting, ThePrinterGetsEveryPageAtThePaperSizeOfTheLayout) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(widgets::printLayout(printer, twoPages()));

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << text;
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Page size:\\s+516 x 729 pts"))))
        << text;
}

TEST(ReportPrinting, ThePreviewShowsTheLayoutsPages) {
    const report::Layout layout = twoPages();
    int pages = -1;
    QString caption;
    const ModalAnswer<QPrintPreviewDialog> answer([&](QPrintPreviewDialog* preview) {
        caption = preview->windowTitle();
        // The preview widget counts the pages it was given.
        if (const auto* view = preview->findChild<QPrintPreviewWidget*>()) {
            pages = view->pageCount();
        }
        preview->reject();
    });
    widgets::previewLayout(layout, QStringLiteral("干部简历"), nullptr);
    EXPECT_TRUE(answer.seen());
    EXPECT_EQ(caption, QStringLiteral("干部简历"));
    EXPECT_EQ(pages, 2);
}

TEST(ReportPrinting, ThePreviewSavesTheFormAsAPdfFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    RecordingMessageService messages;
    const QString pdf = dir.filePath(QStringLiteral("简历"));
    const report::Layout layout = twoPages();
    const ModalAnswer<QPrintPreviewDialog> preview([&](QPrintPreviewDialog* dialog) {
        auto* save = dialog->findChild<QAction*>(QStringLiteral("actSavePdf"));
        ASSERT_NE(save, nullptr);
        const ModalAnswer<QFileDialog> chooser([&pdf](QFileDialog* files) {
            files->selectFile(pdf);
            QMetaObject::invokeMethod(files, "accept");
        });
        save->trigger();
        EXPECT_TRUE(chooser.seen());
        dialog->reject();
    });
    widgets::previewLayout(layout, QStringLiteral("干部简历"), nullptr);
    EXPECT_TRUE(preview.seen());
    EXPECT_EQ(messages.texts(), QStringList{widgets::kPdfSaved});
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf + QStringLiteral(".pdf")});
    ASSERT_TRUE(info.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
}

}  // namespace
