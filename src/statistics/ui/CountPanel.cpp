#include "statistics/ui/CountPanel.h"

#include <QAction>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "cadre/PickLists.h"
#include "statistics/CountSettings.h"
#include "statistics/ui/TSelZbForm.h"
#include "statistics/ui/TStaticZbForm.h"
#include "widgets/GridExport.h"

const QString CountPanel::kChooseCell = QStringLiteral("请选择合适的单元格反查!");

namespace {

// The grid as an HTML table for printing: the header row, then every row.
QString gridHtml(const QTableWidget& grid) {
    QString html = QStringLiteral(
        "<h3 align=\"center\">统计结果</h3><table border=\"1\" cellspacing=\"0\" "
        "cellpadding=\"4\" align=\"center\"><tr>");
    for (int c = 0; c < grid.columnCount(); ++c) {
        const QTableWidgetItem* item = grid.horizontalHeaderItem(c);
        html += QStringLiteral("<th>") +
                (item != nullptr ? item->text().toHtmlEscaped() : QString()) +
                QStringLiteral("</th>");
    }
    html += QStringLiteral("</tr>");
    for (int r = 0; r < grid.rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < grid.columnCount(); ++c) {
            const QTableWidgetItem* item = grid.item(r, c);
            html += QStringLiteral("<td align=\"center\">") +
                    (item != nullptr ? item->text().toHtmlEscaped() : QString()) +
                    QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

CountPanel::CountPanel(TDataM& dm, const cadre::PickLists& lists, QWidget* parent)
    : QWidget(parent), dm_(dm), lists_(lists), StringGrid1(new QTableWidget(this)) {
    setObjectName(QStringLiteral("CountPanel"));
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->verticalHeader()->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        addButton("btnStatSettings", QStringLiteral("统计设置"), &CountPanel::openSettings));
    buttons->addWidget(
        addButton("btnStatMethod", QStringLiteral("切换统计方法"), &CountPanel::chooseDimensions));
    buttons->addWidget(addButton("btnReverse", QStringLiteral("反查"), &CountPanel::reverseLookup));
    btnCloseLookup =
        addButton("btnCloseReverse", QStringLiteral("关闭反查"), &CountPanel::closeReverseLookup);
    btnCloseLookup->hide();
    buttons->addWidget(btnCloseLookup);
    buttons->addWidget(
        addButton("btnStatExcel", QStringLiteral("输出Excel"), &CountPanel::exportExcel));
    buttons->addWidget(addButton("btnStatPrint", QStringLiteral("打印"), &CountPanel::print));
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(StringGrid1, 1);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, &CountPanel::reverseLookup);
    // The grid's pop-up menu offers the reverse lookup too.
    auto* lookup = new QAction(QStringLiteral("反查"), StringGrid1);
    lookup->setObjectName(QStringLiteral("actReverse"));
    connect(lookup, &QAction::triggered, this, &CountPanel::reverseLookup);
    StringGrid1->addAction(lookup);
    StringGrid1->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QPushButton* CountPanel::addButton(const char* name, const QString& caption,
                                   void (CountPanel::*slot)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

void CountPanel::compute() {
    Result<statistics::CountTable> counted = statistics::CountTable();
    {
        const app::ProgressScope wait(QStringLiteral("正在生成统计结果..."));
        counted = statistics::countResult(dm_.db(), main_, secondary_, QDate::currentDate());
    }
    table_ = counted ? *counted : statistics::CountTable();
    // A new count ends any reverse lookup: the list shows the whole result.
    btnCloseLookup->hide();
    fill();
    if (!counted) {
        app::showFailure(counted.failure());
    }
}

void CountPanel::fill() {
    StringGrid1->clear();
    const int height = static_cast<int>(table_.rows.size());
    const int width = static_cast<int>(table_.columns.size());
    const bool empty = table_.counts.empty();
    // With age as a dimension its average follows the totals, as a last row or column.
    const bool averageRow = main_ == statistics::Dimension::Age;
    const bool averageColumn = secondary_ == statistics::Dimension::Age;
    StringGrid1->setRowCount(empty ? 0 : height + 1 + (averageRow ? 1 : 0));
    StringGrid1->setColumnCount(empty ? 0 : width + 2 + (averageColumn ? 1 : 0));
    if (empty) {
        return;
    }
    QStringList header{QString()};
    for (const statistics::Category& column : table_.columns) {
        header << column.label;
    }
    header << statistics::kTotal;
    if (averageColumn) {
        header << statistics::kAverageAge;
    }
    StringGrid1->setHorizontalHeaderLabels(header);
    const auto put = [this](int row, int column, const QString& text) {
        auto* cell = new QTableWidgetItem(text);
        cell->setTextAlignment(Qt::AlignCenter);
        StringGrid1->setItem(row, column, cell);
    };
    for (int r = 0; r <= height; ++r) {
        auto* label = new QTableWidgetItem(r < height ? table_.rows[r].label : statistics::kTotal);
        label->setFlags(Qt::ItemIsEnabled);
        StringGrid1->setItem(r, 0, label);
        for (int c = 0; c <= width; ++c) {
            put(r, c + 1, QString::number(table_.counts[r][c]));
        }
        if (averageColumn) {
            put(r, width + 2, statistics::averageAgeText(table_.averageAge(r, width)));
        }
    }
    if (averageRow) {
        auto* label = new QTableWidgetItem(statistics::kAverageAge);
        label->setFlags(Qt::ItemIsEnabled);
        StringGrid1->setItem(height + 1, 0, label);
        for (int c = 0; c <= width; ++c) {
            put(height + 1, c + 1, statistics::averageAgeText(table_.averageAge(height, c)));
        }
    }
    StringGrid1->resizeColumnsToContents();
}

void CountPanel::openSettings() {
    if (!admin::HasRight(dm_, QStringLiteral("FXW"))) {
        return;
    }
    const Result<statistics::CountSettings> stored = statistics::readSettings(dm_.db());
    if (!stored) {
        app::showFailure(stored.failure());
        return;
    }
    TStaticZbForm form(*stored, lists_.ranks, this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    if (const Result<void> saved = statistics::saveSettings(dm_.db(), form.settings()); !saved) {
        app::showFailure(saved.failure());
        return;
    }
    compute();
}

void CountPanel::chooseDimensions() {
    TSelZbForm form(main_, secondary_, this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    main_ = form.mainDimension();
    secondary_ = form.secondaryDimension();
    compute();
}

void CountPanel::reverseLookup() {
    const int row = StringGrid1->currentRow();
    const int column = StringGrid1->currentColumn() - 1;
    const QTableWidgetItem* item = StringGrid1->currentItem();
    // Only the counts: neither the labels nor the average ages.
    const bool counted =
        row >= 0 && row <= table_.rows.size() && column >= 0 && column <= table_.columns.size();
    if (!counted || item == nullptr || item->text().isEmpty() ||
        !StringGrid1->selectionModel()->hasSelection()) {
        app::showInformation(kChooseCell);
        return;
    }
    btnCloseLookup->show();
    Q_EMIT lookupRequested(table_.cellCondition(row, column));
}

void CountPanel::closeReverseLookup() {
    btnCloseLookup->hide();
    Q_EMIT lookupClosed();
}

void CountPanel::exportExcel() {
    widgets::exportGrid(*StringGrid1, this, QStringLiteral("统计结果.xlsx"));
}

void CountPanel::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("统计结果"));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        QTextDocument document;
        document.setHtml(gridHtml(*StringGrid1));
        document.print(target);
    });
    preview.exec();
}
