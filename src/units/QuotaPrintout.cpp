#include "units/QuotaPrintout.h"

#include "app/DataModule.h"

namespace units {

namespace {

constexpr qreal kRowHeight = 8;
constexpr qreal kTitleHeight = 14;

const QString kNoLines = QStringLiteral("所选单位均无超编或缺编。");

struct Column {
    QString caption;
    qreal width;  // mm
};

std::vector<Column> columns(AnalysisMode mode) {
    const QString band =
        mode == AnalysisMode::Quotas ? QStringLiteral("职务类别") : QStringLiteral("人员身份");
    std::vector<Column> result{
        {QStringLiteral("序号"), 14}, {QStringLiteral("单位名称"), 90}, {band, 40}};
    if (mode == AnalysisMode::Quotas) {
        result.push_back({QStringLiteral("职务名称"), 40});
    }
    result.insert(result.end(), {{QStringLiteral("编制数"), 24},
                                 {QStringLiteral("实际数"), 24},
                                 {QStringLiteral("状况"), 24}});
    return result;
}

QStringList texts(AnalysisMode mode, int number, const OverUnderLine& line) {
    QStringList result{QString::number(number), line.unitName, line.band};
    if (mode == AnalysisMode::Quotas) {
        result << line.postName;
    }
    result << QString::number(line.quota) << QString::number(line.actual) << line.state;
    return result;
}

// One row of framed cells from `top`.
void addRow(report::Layout& layout, int page, qreal left, qreal top,
            const std::vector<Column>& cols, const QStringList& values, bool caption) {
    qreal x = left;
    for (size_t c = 0; c < cols.size(); ++c) {
        report::Cell cell;
        cell.rect = QRectF(x, top, cols[c].width, kRowHeight);
        cell.text = values.value(static_cast<qsizetype>(c));
        cell.font = report::FontSpec::song(10, caption);
        cell.borders = report::AllBorders;
        cell.wrap = false;
        cell.alignment = (c == 1 && !caption ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter;
        layout.add(page, cell);
        x += cols[c].width;
    }
}

}  // namespace

std::vector<OverUnderLine> overUnderLines(const QStringList& bands,
                                          const std::vector<AnalysisRow>& rows) {
    std::vector<OverUnderLine> result;
    for (const AnalysisRow& row : rows) {
        for (qsizetype b = 0; b < bands.size() && b < static_cast<qsizetype>(row.cells.size());
             ++b) {
            const AnalysisCell& cell = row.cells[static_cast<size_t>(b)];
            if (quotaState(cell) != QuotaState::Equal) {
                result.push_back({row.unitName, bands[b], cell.postName, cell.quota, cell.actual,
                                  TDataM::QuotaState(cell.actual, cell.quota)});
            }
        }
    }
    return result;
}

report::Layout overUnderLayout(AnalysisMode mode, const std::vector<OverUnderLine>& lines) {
    report::PageSetup setup = report::PageSetup::custom(297, 210);
    setup.margins = QMarginsF(15, 15, 15, 15);
    report::Layout layout(setup);
    const QRectF content = setup.contentRect();
    const std::vector<Column> cols = columns(mode);
    QStringList captions;
    for (const Column& c : cols) {
        captions << c.caption;
    }
    const auto startPage = [&] {
        const int page = layout.addPage();
        report::Cell title;
        title.rect = QRectF(content.left(), content.top(), content.width(), kTitleHeight);
        title.text = kOverUnderTitle;
        title.font = report::FontSpec::hei(16);
        title.alignment = Qt::AlignCenter;
        layout.add(page, title);
        addRow(layout, page, content.left(), content.top() + kTitleHeight, cols, captions, true);
        return page;
    };
    int page = startPage();
    qreal top = content.top() + kTitleHeight + kRowHeight;
    if (lines.empty()) {
        report::Cell none;
        none.rect = QRectF(content.left(), top, content.width(), kRowHeight);
        none.text = kNoLines;
        layout.add(page, none);
        return layout;
    }
    int number = 0;
    for (const OverUnderLine& line : lines) {
        if (top + kRowHeight > content.bottom()) {
            page = startPage();
            top = content.top() + kTitleHeight + kRowHeight;
        }
        addRow(layout, page, content.left(), top, cols, texts(mode, ++number, line), false);
        top += kRowHeight;
    }
    return layout;
}

}  // namespace units
