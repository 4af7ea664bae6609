#include "report/PageLayout.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>

namespace report {

namespace {

// The installed CJK fonts that stand in for the forms' own: serif ones first, then sans.
const QStringList kCjkFallbacks{
    QStringLiteral("Noto Serif CJK SC"),  QStringLiteral("Source Han Serif SC"),
    QStringLiteral("AR PL UMing CN"),     QStringLiteral("Noto Sans CJK SC"),
    QStringLiteral("Source Han Sans SC"), QStringLiteral("WenQuanYi Micro Hei"),
    QStringLiteral("WenQuanYi Zen Hei"),  QStringLiteral("Droid Sans Fallback"),
};

FontSpec withFamilies(QStringList families, qreal pointSize, bool bold) {
    families << kCjkFallbacks;
    return {families, pointSize, bold};
}

// Text is measured at this resolution, finer than any screen, so that sizes in mm do not depend
// on the device that later draws the text.
constexpr int kMeasuringDpi = 1200;

const QImage& measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kMeasuringDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

constexpr qreal kMmPerInch = 25.4;

}  // namespace

PageSetup PageSetup::a4() {
    return {{210, 297}, {20, 20, 20, 20}};
}

PageSetup PageSetup::b5() {
    return {{176, 250}, {15, 15, 15, 15}};
}

PageSetup PageSetup::custom(qreal widthMm, qreal heightMm) {
    return {{widthMm, heightMm}, {0, 0, 0, 0}};
}

QRectF PageSetup::contentRect() const {
    return QRectF(QPointF(0, 0), size).marginsRemoved(margins);
}

FontSpec FontSpec::song(qreal pointSize, bool bold) {
    return withFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                         QStringLiteral("NSimSun"), QStringLiteral("Songti SC")},
                        pointSize, bold);
}

FontSpec FontSpec::fangSong(qreal pointSize, bool bold) {
    return withFamilies(
        {QStringLiteral("仿宋_GB2312"), QStringLiteral("仿宋"), QStringLiteral("FangSong_GB2312"),
         QStringLiteral("FangSong"), QStringLiteral("STFangsong")},
        pointSize, bold);
}

FontSpec FontSpec::fixedSong(qreal pointSize) {
    return withFamilies(
        {QStringLiteral("宋体"), QStringLiteral("NSimSun"), QStringLiteral("Noto Sans Mono CJK SC"),
         QStringLiteral("Source Han Mono SC")},
        pointSize, false);
}

FontSpec FontSpec::hei(qreal pointSize, bool bold) {
    return withFamilies({QStringLiteral("黑体"), QStringLiteral("SimHei"),
                         QStringLiteral("Heiti SC"), QStringLiteral("Noto Sans CJK SC")},
                        pointSize, bold);
}

QFont FontSpec::font() const {
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    // Outlines as drawn, not fitted to a screen's pixels: the same width on every device.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QRectF Cell::innerRect() const {
    return rect.adjusted(padding, padding, -padding, -padding);
}

QString withLineFeeds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QSizeF textSize(const QString& text, const FontSpec& font, qreal widthMm) {
    const QFontMetricsF metrics(font.font(), &measuringDevice());
    const qreal pixelsPerMm = kMeasuringDpi / kMmPerInch;
    QRectF bounds;
    if (widthMm > 0) {
        bounds = metrics.boundingRect(QRectF(0, 0, widthMm * pixelsPerMm, 1e9),
                                      Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                                      withLineFeeds(text));
    } else {
        bounds = metrics.boundingRect(QRectF(0, 0, 1e9, 1e9), Qt::AlignLeft | Qt::AlignTop,
                                      withLineFeeds(text));
    }
    return {bounds.width() / pixelsPerMm, bounds.height() / pixelsPerMm};
}

bool textFits(const Cell& cell) {
    if (cell.text.isEmpty()) {
        return true;
    }
    const QRectF inner = cell.innerRect();
    const QSizeF size = textSize(cell.text, cell.font, cell.wrap ? inner.width() : 0);
    // A hundredth of a millimetre for rounding in the measurement.
    constexpr qreal slack = 0.01;
    return size.width() <= inner.width() + slack && size.height() <= inner.height() + slack;
}

int Layout::addPage() {
    pages_.emplace_back();
    return pageCount() - 1;
}

Cell& Layout::add(int page, Cell cell) {
    std::vector<Cell>& cells = pages_.at(static_cast<size_t>(page));
    cells.push_back(std::move(cell));
    return cells.back();
}

std::vector<Layout::CellRef> Layout::overflowingCells() const {
    std::vector<CellRef> result;
    for (int p = 0; p < pageCount(); ++p) {
        const std::vector<Cell>& list = cells(p);
        for (int c = 0; c < static_cast<int>(list.size()); ++c) {
            if (!textFits(list[static_cast<size_t>(c)])) {
                result.push_back({p, c});
            }
        }
    }
    return result;
}

qreal flowLines(Layout& layout, const QStringList& lines, const FontSpec& font, QRectF column,
                qreal top, qreal lineHeightMm) {
    if (layout.pageCount() == 0) {
        layout.addPage();
    }
    int page = layout.pageCount() - 1;
    qreal y = std::max(top, column.top());
    for (const QString& line : lines) {
        if (y + lineHeightMm > column.bottom() + 0.001) {
            page = layout.addPage();
            y = column.top();
        }
        Cell cell;
        cell.rect = QRectF(column.left(), y, column.width(), lineHeightMm);
        cell.text = line;
        cell.font = font;
        cell.wrap = false;
        cell.padding = 0;
        layout.add(page, std::move(cell));
        y += lineHeightMm;
    }
    return y;
}

}  // namespace report
