#include "documents/ui/TSelModelForm.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "widgets/DialogParts.h"

TSelModelForm::TSelModelForm(TDataM& dm, Filter filter, QWidget* parent)
    : QDialog(parent), dm_(dm), filter_(std::move(filter)), grid_(new QTableWidget(0, 3, this)) {
    setObjectName(QStringLiteral("SelModelForm"));
    setWindowTitle(QStringLiteral("选择模版"));
    resize(480, 360);
    grid_->setObjectName(QStringLiteral("gridTemplates"));
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("模板名"), QStringLiteral("文件格式"), QStringLiteral("记录类型")});
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_->verticalHeader()->hide();
    QPushButton* ok = widgets::namedButton("btnOk", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    connect(ok, &QPushButton::clicked, this, [this] {
        if (grid_->currentRow() >= 0) {
            accept();
        }
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
}

std::optional<documents::TemplateEntry> TSelModelForm::choose() {
    const Result<QList<documents::TemplateEntry>> all = documents::listTemplates(dm_.db());
    if (!all) {
        app::showFailure(all.failure());
        return std::nullopt;
    }
    for (const documents::TemplateEntry& entry : *all) {
        if (!filter_ || filter_(entry)) {
            templates_ << entry;
        }
    }
    if (templates_.isEmpty()) {
        app::showInformation(kNoFittingTemplate);
        return std::nullopt;
    }
    grid_->setRowCount(static_cast<int>(templates_.size()));
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const documents::TemplateEntry& entry = templates_[row];
        grid_->setItem(row, 0, new QTableWidgetItem(entry.name));
        grid_->setItem(row, 1, new QTableWidgetItem(documents::formatCaption(entry.format)));
        grid_->setItem(row, 2, new QTableWidgetItem(documents::typeCaption(entry)));
    }
    grid_->selectRow(0);
    if (exec() != QDialog::Accepted || grid_->currentRow() < 0) {
        return std::nullopt;
    }
    return templates_[grid_->currentRow()];
}
