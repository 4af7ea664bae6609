#include "rosters/RosterPrintout.h"

#include <algorithm>

namespace rosters {

namespace {

constexpr qreal kMargin = 10.0;  // mm on every side
constexpr qreal kTitleHeight = 12.0;
constexpr qreal kRowHeight = 7.0;   // mm, the least height of a row
constexpr qreal kLeastWidth = 8.0;  // mm, the narrowest column
// Texts past this many characters are wrapped rather than widening their column.
constexpr int kWidestText = 16;

const report::FontSpec kCellFont = report::FontSpec::song(9);
const report::FontSpec kCaptionFont = report::FontSpec::song(9, true);

// Each column's width: that of its longest text (up to kWidestText characters), all shrunk by
// one factor when together they are wider than `available`.
std::vector<qreal> columnWidths(const RosterTable& table, qreal available) {
    std::vector<qreal> widths;
    for (int c = 0; c < table.captions.size(); ++c) {
        QString longest;
        for (const QStringList& row : table.rows) {
            const QString& text = row.value(c);
            if (text.size() > longest.size()) {
                longest = text;
            }
        }
        longest.truncate(kWidestText);
        const qreal width = std::max(report::textSize(longest, kCellFont, 0).width(),
                                     report::textSize(table.captions[c], kCaptionFont, 0).width());
        widths.push_back(std::max(kLeastWidth, width + 3.0));
    }
    qreal total = 0;
    for (const qreal width : widths) {
        total += width;
    }
    if (total > available) {
        for (qreal& width : widths) {
            width *= available / total;
        }
    }
    return widths;
}

// One row of cells at `top` on `page`, as high as its tallest wrapped text needs.
qreal rowHeight(const QStringList& texts, const std::vector<qreal>& widths,
                const report::FontSpec& font) {
    qreal height = kRowHeight;
    for (size_t c = 0; c < widths.size(); ++c) {
        const qreal needed =
            report::textSize(texts.value(static_cast<int>(c)), font, widths[c] - 2.0).height() +
            2.5;
        height = std::max(height, needed);
    }
    return height;
}

void addRow(report::Layout& layout, int page, const QStringList& texts,
            const std::vector<qreal>& widths, qreal top, qreal height, bool caption) {
    qreal left = kMargin;
    for (size_t c = 0; c < widths.size(); ++c) {
        report::Cell cell;
        cell.rect = QRectF(left, top, widths[c], height);
        cell.text = texts.value(static_cast<int>(c));
        cell.font = caption ? kCaptionFont : kCellFont;
        cell.alignment = caption ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
        cell.borders = report::AllBorders;
        layout.add(page, cell);
        left += widths[c];
    }
}

}  // namespace

report::Layout rosterLayout(const RosterTable& table) {
    const report::PageSetup setup = report::PageSetup::custom(297, 210);
    report::Layout layout(setup);
    const qreal pageWidth = 297 - 2 * kMargin;
    const qreal bottom = 210 - kMargin;
    const std::vector<qreal> widths = columnWidths(table, pageWidth);
    const qreal captionHeight = rowHeight(table.captions, widths, kCaptionFont);

    qreal top = 0;
    int page = -1;
    const auto startPage = [&] {
        page = layout.addPage();
        report::Cell title;
        title.rect = QRectF(kMargin, kMargin, pageWidth, kTitleHeight);
        title.text = table.title;
        title.font = report::FontSpec::hei(14, true);
        title.alignment = Qt::AlignCenter;
        layout.add(page, title);
        top = kMargin + kTitleHeight;
        addRow(layout, page, table.captions, widths, top, captionHeight, true);
        top += captionHeight;
    };
    startPage();
    for (const QStringList& row : table.rows) {
        const qreal height = std::min(rowHeight(row, widths, kCellFont),
                                      bottom - kMargin - kTitleHeight - captionHeight);
        if (top + height > bottom) {
            startPage();
        }
        addRow(layout, page, row, widths, top, height, false);
        top += height;
    }
    return layout;
}

}  // namespace rosters
