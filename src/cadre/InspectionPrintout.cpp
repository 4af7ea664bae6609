#include "cadre/InspectionPrintout.h"

#include <QList>
#include <QPair>
#include <algorithm>

namespace cadre {

namespace {

constexpr qreal kTitleHeight = 16;
constexpr qreal kCaptionWidth = 32;
constexpr qreal kRowHeight = 10;
constexpr qreal kPadding = 1.5;

}  // namespace

report::Layout inspectionPrintout(const Inspection& inspection, const QString& cadreName) {
    report::Layout layout;
    const QRectF content = layout.setup().contentRect();
    int page = layout.addPage();

    report::Cell title;
    title.rect = QRectF(content.left(), content.top(), content.width(), kTitleHeight);
    title.text = kInspectionFormTitle;
    title.font = report::FontSpec::fangSong(20, true);
    title.alignment = Qt::AlignCenter;
    title.wrap = false;
    layout.add(page, title);

    const QString date = inspection.date.isValid()
                             ? inspection.date.toString(QStringLiteral("yyyy.MM.dd"))
                             : QString();
    const QList<QPair<QString, QString>> rows = {
        {QStringLiteral("姓名"), cadreName},
        {QStringLiteral("考察名称"), inspection.name},
        {QStringLiteral("考察类别"), inspection.category},
        {QStringLiteral("考察时间"), date},
        {QStringLiteral("考察组织"), inspection.body},
        {QStringLiteral("考察组成员"), inspection.team},
        {QStringLiteral("职务"), inspection.post},
        {QStringLiteral("考察方法"), inspection.method},
        {QStringLiteral("考察结论"), inspection.conclusion},
        {QStringLiteral("主要优点"), inspection.strengths},
        {QStringLiteral("存在不足"), inspection.shortcomings},
        {QStringLiteral("考察意见"), inspection.opinion},
        {QStringLiteral("备注"), inspection.remark}};

    const report::FontSpec font = report::FontSpec::song(12);
    const qreal valueWidth = content.width() - kCaptionWidth;
    qreal top = content.top() + kTitleHeight;
    for (const auto& [caption, value] : rows) {
        const QString text = report::withLineFeeds(value);
        const qreal height =
            std::max(kRowHeight, report::textSize(text, font, valueWidth - 2 * kPadding).height() +
                                     2 * kPadding + 1);
        if (top + height > content.bottom() && top > content.top()) {
            page = layout.addPage();
            top = content.top();
        }
        report::Cell label;
        label.rect = QRectF(content.left(), top, kCaptionWidth, height);
        label.text = caption;
        label.font = font;
        label.alignment = Qt::AlignCenter;
        label.borders = report::AllBorders;
        layout.add(page, label);
        report::Cell cell;
        cell.rect = QRectF(content.left() + kCaptionWidth, top, valueWidth, height);
        cell.text = text;
        cell.font = font;
        cell.padding = kPadding;
        cell.borders = report::AllBorders;
        layout.add(page, cell);
        top += height;
    }
    return layout;
}

}  // namespace cadre
