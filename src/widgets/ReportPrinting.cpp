#include "widgets/ReportPrinting.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "report/PageRenderer.h"

namespace widgets {

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
    preview.exec();
}

}  // namespace widgets
