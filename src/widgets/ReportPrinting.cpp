#include "widgets/ReportPrinting.h"

#include <QAction>
#include <QFileDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include "app/MessageService.h"
#include "report/PageRenderer.h"
#include "widgets/ExportProposal.h"

namespace widgets {

namespace {

void savePdf(const report::Layout& layout, const QString& title, QWidget* parent) {
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("保存为PDF"),
                                                proposedExportPath(title + QStringLiteral(".pdf")),
                                                QStringLiteral("PDF文件 (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    const Result<void> written = report::writePdf(layout, path, title);
    if (!written) {
        app::showError(written.errorText());
        return;
    }
    app::showInformation(kPdfSaved);
}

}  // namespace

bool printLayout(QPrinter& printer, const report::Layout& layout) {
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(layout.setup().size, QPageSize::Millimeter),
                                      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    for (int page = 0; page < layout.pageCount(); ++page) {
        if (page > 0 && !printer.newPage()) {
            return false;
        }
        report::paintPage(painter, layout, page);
    }
    return painter.end();
}

void previewLayout(const report::Layout& layout, const QString& title, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&layout](QPrinter* target) { printLayout(*target, layout); });
    // Beside printing, the form can be kept as a PDF file.
    if (auto* tools = preview.findChild<QToolBar*>()) {
        tools->addSeparator();
        QAction* pdf = tools->addAction(QStringLiteral("保存为PDF"), &preview,
                                        [&] { savePdf(layout, title, &preview); });
        pdf->setObjectName(QStringLiteral("actSavePdf"));
    }
    preview.exec();
}

}  // namespace widgets
