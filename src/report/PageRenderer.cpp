#include "report/PageRenderer.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace report {

namespace {

constexpr qreal kMmPerInch = 25.4;

QRectF toDevice(const QRectF& mm, qreal pixelsPerMm) {
    return {mm.x() * pixelsPerMm, mm.y() * pixelsPerMm, mm.width() * pixelsPerMm,
            mm.height() * pixelsPerMm};
}

void drawBorders(QPainter& painter, const Cell& cell, const QRectF& r, qreal pixelsPerMm) {
    if (cell.borders == NoBorder) {
        return;
    }
    QPen pen(Qt::black);
    pen.setWidthF(std::max(cell.borderWidth * pixelsPerMm, 1.0));
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    if ((cell.borders & LeftBorder) != 0) {
        painter.drawLine(r.topLeft(), r.bottomLeft());
    }
    if ((cell.borders & TopBorder) != 0) {
        painter.drawLine(r.topLeft(), r.topRight());
    }
    if ((cell.borders & RightBorder) != 0) {
        painter.drawLine(r.topRight(), r.bottomRight());
    }
    if ((cell.borders & BottomBorder) != 0) {
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    }
}

void drawPicture(QPainter& painter, const QImage& picture, const QRectF& inner) {
    QSizeF size = picture.size();
    size.scale(inner.size(), Qt::KeepAspectRatio);
    const QRectF target(inner.x() + (inner.width() - size.width()) / 2,
                        inner.y() + (inner.height() - size.height()) / 2, size.width(),
                        size.height());
    painter.drawImage(target, picture);
}

}  // namespace

void paintPage(QPainter& painter, const Layout& layout, int page) {
    const qreal pixelsPerMm = painter.device()->logicalDpiX() / kMmPerInch;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Cell& cell : layout.cells(page)) {
        const QRectF outer = toDevice(cell.rect, pixelsPerMm);
        const QRectF inner = toDevice(cell.innerRect(), pixelsPerMm);
        if (!cell.picture.isNull()) {
            drawPicture(painter, cell.picture, inner);
        }
        if (!cell.text.isEmpty()) {
            painter.save();
            painter.setClipRect(outer);
            painter.setFont(cell.font.font());
            painter.setPen(Qt::black);
            int flags = static_cast<int>(cell.alignment);
            if (cell.wrap) {
                flags |= Qt::TextWordWrap;
            }
            painter.drawText(inner, flags, withLineFeeds(cell.text));
            painter.restore();
        }
        drawBorders(painter, cell, outer, pixelsPerMm);
    }
    painter.restore();
}

Result<void> writePdf(const Layout& layout, const QString& path, const QString& title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failure{QStringLiteral("无法写入文件：") + path, file.errorString()};
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("干部管理系统"));
        writer.setPageSize(QPageSize(layout.setup().size, QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return Failure{QStringLiteral("无法生成PDF文件：") + path, {}};
        }
        for (int page = 0; page < layout.pageCount(); ++page) {
            if (page > 0) {
                writer.newPage();
            }
            paintPage(painter, layout, page);
        }
        painter.end();
    }
    if (!file.commit()) {
        return Failure{QStringLiteral("无法写入文件：") + path, file.errorString()};
    }
    return {};
}

QImage renderPage(const Layout& layout, int page, int dpi) {
    const qreal pixelsPerMm = dpi / kMmPerInch;
    const QSizeF size = layout.setup().size * pixelsPerMm;
    QImage image(qCeil(size.width()), qCeil(size.height()), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, layout, page);
    return image;
}

}  // namespace report
