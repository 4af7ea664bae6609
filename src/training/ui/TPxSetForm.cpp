#include "training/ui/TPxSetForm.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"

namespace {

const training::Lookup kLookups[] = {training::Lookup::Bodies, training::Lookup::Teachers,
                                     training::Lookup::Categories, training::Lookup::Forms};
const char* const kGridNames[] = {"gridBodies", "gridTeachers", "gridCategories", "gridForms"};
constexpr int kRowIdRole = Qt::UserRole;

}  // namespace

TPxSetForm::TPxSetForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      tabs_(new QTabWidget(this)),
      chkAllow(new QCheckBox(QStringLiteral("允许修改"), this)) {
    setObjectName(QStringLiteral("TPxSetForm"));
    setWindowTitle(QStringLiteral("培训设置"));
    tabs_->setObjectName(QStringLiteral("tabsPxSet"));
    chkAllow->setObjectName(QStringLiteral("chkAllow"));
    for (const training::Lookup lookup : kLookups) {
        tabs_->addTab(buildTab(lookup), training::lookupCaption(lookup));
        reload(lookup);
    }
    auto* add = new QPushButton(QStringLiteral("添 加"), this);
    add->setObjectName(QStringLiteral("btnAdd"));
    auto* remove = new QPushButton(QStringLiteral("删 除"), this);
    remove->setObjectName(QStringLiteral("btnDelete"));
    auto* close = new QPushButton(QStringLiteral("关 闭"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkAllow);
    buttons->addStretch(1);
    for (QPushButton* button : {add, remove, close}) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &TPxSetForm::addRow);
    connect(remove, &QPushButton::clicked, this, &TPxSetForm::deleteRow);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(chkAllow, &QCheckBox::toggled, this, &TPxSetForm::allowEditing);
    allowEditing(false);
}

QWidget* TPxSetForm::buildTab(training::Lookup lookup) {
    const std::vector<training::LookupColumn>& columns = training::lookupColumns(lookup);
    auto* grid = new QTableWidget(0, static_cast<int>(columns.size()));
    grid->setObjectName(QString::fromLatin1(kGridNames[static_cast<int>(lookup)]));
    QStringList captions;
    for (const training::LookupColumn& column : columns) {
        captions << column.caption;
    }
    grid->setHorizontalHeaderLabels(captions);
    grid->verticalHeader()->hide();
    grids_.push_back(grid);
    connect(grid, &QTableWidget::cellChanged, this,
            [this, lookup](int row, int column) { cellEdited(lookup, row, column); });
    return grid;
}

void TPxSetForm::reload(training::Lookup lookup) {
    QTableWidget* grid = grids_[static_cast<size_t>(lookup)];
    const Result<std::vector<training::LookupRow>> rows = training::readLookup(dm_.db(), lookup);
    filling_ = true;
    grid->setRowCount(0);
    if (!rows) {
        filling_ = false;
        app::showFailure(rows.failure());
        return;
    }
    grid->setRowCount(static_cast<int>(rows->size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        const training::LookupRow& entry = (*rows)[static_cast<size_t>(row)];
        for (int column = 0; column < grid->columnCount(); ++column) {
            auto* item = new QTableWidgetItem(entry.values.value(column));
            item->setData(kRowIdRole, entry.rowId);
            grid->setItem(row, column, item);
        }
    }
    filling_ = false;
}

void TPxSetForm::allowEditing(bool on) {
    for (QTableWidget* grid : grids_) {
        grid->setEditTriggers(on ? QAbstractItemView::AllEditTriggers
                                 : QAbstractItemView::NoEditTriggers);
    }
}

training::Lookup TPxSetForm::shownLookup() const {
    return kLookups[tabs_->currentIndex()];
}

void TPxSetForm::addRow() {
    if (!chkAllow->isChecked()) {
        return;
    }
    const training::Lookup lookup = shownLookup();
    const Result<qint64> added = training::appendLookupRow(dm_.db(), lookup);
    if (!added) {
        app::showFailure(added.failure());
        return;
    }
    reload(lookup);
    QTableWidget* grid = grids_[static_cast<size_t>(lookup)];
    grid->setCurrentCell(grid->rowCount() - 1, 0);
    grid->editItem(grid->currentItem());
}

void TPxSetForm::deleteRow() {
    if (!chkAllow->isChecked()) {
        return;
    }
    const training::Lookup lookup = shownLookup();
    QTableWidget* grid = grids_[static_cast<size_t>(lookup)];
    const QTableWidgetItem* item = grid->item(grid->currentRow(), 0);
    if (item == nullptr || !app::confirmAction(training::kDeleteLookupQuestion)) {
        return;
    }
    const Result<void> deleted =
        training::deleteLookupRow(dm_.db(), lookup, item->data(kRowIdRole).toLongLong());
    if (!deleted) {
        app::showFailure(deleted.failure());
    }
    reload(lookup);
}

void TPxSetForm::cellEdited(training::Lookup lookup, int row, int column) {
    if (filling_) {
        return;
    }
    QTableWidget* grid = grids_[static_cast<size_t>(lookup)];
    const QTableWidgetItem* item = grid->item(row, column);
    const Result<void> stored = training::setLookupValue(
        dm_.db(), lookup, item->data(kRowIdRole).toLongLong(), column, item->text());
    if (!stored) {
        app::showFailure(stored.failure());
        reload(lookup);
    }
}
