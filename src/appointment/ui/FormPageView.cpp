#include "appointment/ui/FormPageView.h"

#include <QPainter>

#include "report/PageRenderer.h"

FormPageView::FormPageView(const report::Layout& layout, int page, const QSizeF& sizeMm,
                           QWidget* parent)
    : QWidget(parent) {
    constexpr qreal kMmPerInch = 25.4;
    const int dpi = qRound(kPixelsPerMm * kMmPerInch);
    const QRectF content = layout.setup().contentRect();
    const QRect shown(qRound(content.left() * kPixelsPerMm), qRound(content.top() * kPixelsPerMm),
                      qRound(sizeMm.width() * kPixelsPerMm),
                      qRound(sizeMm.height() * kPixelsPerMm));
    // White where the paper ends before the form does (a narrow paper with a wide margin).
    QImage shownPart(shown.size(), QImage::Format_RGB32);
    shownPart.fill(Qt::white);
    QPainter painter(&shownPart);
    painter.drawImage(-shown.topLeft(), report::renderPage(layout, page, dpi));
    painter.end();
    background_ = QPixmap::fromImage(shownPart);
    setFixedSize(background_.size());
}

void FormPageView::place(QWidget* box, const QRectF& rectMm) {
    box->setParent(this);
    // Inside the frame lines, which stay visible around the box.
    box->setGeometry(QRectF(rectMm.topLeft() * kPixelsPerMm, rectMm.size() * kPixelsPerMm)
                         .toRect()
                         .adjusted(2, 2, -1, -1));
}

void FormPageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}
