#include "cadre/ui/TDamlForm.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "cadre/ArchiveCatalogue.h"
#include "cadre/ui/TCadreForm.h"
#include "db/Database.h"
#include "office/Spreadsheet.h"
#include "widgets/DialogParts.h"
#include "widgets/GridExport.h"

namespace {

constexpr int kIdRole = Qt::UserRole;
constexpr int kColumns = static_cast<int>(std::size(cadre::kCatalogueColumns));

}  // namespace

TDamlForm::TDamlForm(TDataM& dm, int cadreId, const QString& cadreName, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      cadreId_(cadreId),
      lblTitle(new QLabel(cadreName + QStringLiteral(" 档案目录"))),
      gridE01(new QTableWidget(0, kColumns)),
      chkAllowEdit(new QCheckBox(QStringLiteral("允许修改"))),
      btnAdd(widgets::namedButton("btnAdd", QStringLiteral("添加"))),
      btnDelete(widgets::namedButton("btnDelete", QStringLiteral("删除"))),
      btnUp(widgets::namedButton("btnUp", QStringLiteral("上移"))),
      btnDown(widgets::namedButton("btnDown", QStringLiteral("下移"))),
      btnAdvanced(widgets::namedButton("btnAdvanced", QStringLiteral("高级"))) {
    setObjectName(QStringLiteral("TDamlForm"));
    setWindowTitle(QStringLiteral("档案目录"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    gridE01->setObjectName(QStringLiteral("gridE01"));
    chkAllowEdit->setObjectName(QStringLiteral("chkAllowEdit"));
    QFont heading = lblTitle->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    heading.setBold(true);
    lblTitle->setFont(heading);
    lblTitle->setAlignment(Qt::AlignCenter);
    QStringList captions;
    for (const cadre::CatalogueColumn& column : cadre::kCatalogueColumns) {
        captions << QString::fromUtf8(column.caption);
    }
    gridE01->setHorizontalHeaderLabels(captions);
    gridE01->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridE01->setSelectionMode(QAbstractItemView::SingleSelection);
    gridE01->verticalHeader()->hide();
    gridE01->horizontalHeader()->setStretchLastSection(true);
    auto* advanced = new QMenu(this);
    QAction* exportExcel = advanced->addAction(QStringLiteral("导出Excel"));
    exportExcel->setObjectName(QStringLiteral("actExportExcel"));
    QAction* importExcel = advanced->addAction(QStringLiteral("导入Excel"));
    importExcel->setObjectName(QStringLiteral("actImportExcel"));
    btnAdvanced->setMenu(advanced);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkAllowEdit);
    for (QPushButton* button : {btnAdd, btnDelete, btnUp, btnDown, btnAdvanced}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(gridE01, 1);
    layout->addLayout(buttons);
    resize(820, 560);

    connect(chkAllowEdit, &QCheckBox::toggled, this, &TDamlForm::allowToggled);
    connect(gridE01, &QTableWidget::cellChanged, this, &TDamlForm::cellEdited);
    connect(btnAdd, &QPushButton::clicked, this, &TDamlForm::addClicked);
    connect(btnDelete, &QPushButton::clicked, this, &TDamlForm::deleteClicked);
    connect(btnUp, &QPushButton::clicked, this, [this] { moveClicked(-1); });
    connect(btnDown, &QPushButton::clicked, this, [this] { moveClicked(1); });
    connect(exportExcel, &QAction::triggered, this,
            [this] { widgets::exportGrid(*gridE01, this, lblTitle->text()); });
    connect(importExcel, &QAction::triggered, this, &TDamlForm::importClicked);
    allowToggled(false);
    reload(0);
}

void TDamlForm::importClicked() {
    if (!chkAllowEdit->isChecked()) {
        app::showInformation(TCadreForm::kLocked);
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("导入Excel"), QString(),
                                                      QStringLiteral("Excel (*.xlsx *.xls)"));
    if (path.isEmpty()) {
        return;
    }
    Result<int> imported = 0;
    {
        app::ProgressScope wait(cadre::kImportingCatalogue);
        const auto workbook = office::openSpreadsheet(path);
        imported = workbook ? cadre::importCatalogue(dm_.db(), cadreId_, **workbook)
                            : Result<int>(workbook.failure());
    }
    if (!imported) {
        app::showFailure(imported.failure());
    }
    reload(0);
}

void TDamlForm::reload(int focusId) {
    filling_ = true;
    gridE01->setRowCount(0);
    const auto rows = dm_.db().query(cadre::catalogueListStatement(cadreId_));
    if (!rows) {
        filling_ = false;
        app::showError(dm_.db().lastError());
        return;
    }
    gridE01->setRowCount(static_cast<int>(rows->rows.size()));
    for (int row = 0; row < gridE01->rowCount(); ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem(
                rows->value(static_cast<size_t>(row),
                            QLatin1String(cadre::kCatalogueColumns[column].column))
                    .toString());
            item->setData(kIdRole, rows->value(static_cast<size_t>(row), QStringLiteral("ID")));
            gridE01->setItem(row, column, item);
        }
        if (gridE01->item(row, 0)->data(kIdRole).toInt() == focusId) {
            gridE01->setCurrentCell(row, 0);
        }
    }
    filling_ = false;
}

int TDamlForm::focusedId() const {
    const int row = gridE01->currentRow();
    return row < 0 ? 0 : gridE01->item(row, 0)->data(kIdRole).toInt();
}

void TDamlForm::allowToggled(bool on) {
    if (on && !admin::HasRight(dm_, QStringLiteral("WGB"))) {
        const QSignalBlocker blocker(chkAllowEdit);
        chkAllowEdit->setChecked(false);
        on = false;
    }
    gridE01->setEditTriggers(on ? QAbstractItemView::DoubleClicked |
                                      QAbstractItemView::EditKeyPressed |
                                      QAbstractItemView::AnyKeyPressed
                                : QAbstractItemView::NoEditTriggers);
    for (QPushButton* button : {btnAdd, btnDelete, btnUp, btnDown}) {
        button->setEnabled(on);
    }
}

void TDamlForm::cellEdited(int row, int column) {
    if (filling_) {
        return;
    }
    const QTableWidgetItem* item = gridE01->item(row, column);
    const int id = item->data(kIdRole).toInt();
    const Result<void> written = cadre::updateCatalogueEntry(
        dm_.db(), cadreId_, id, QLatin1String(cadre::kCatalogueColumns[column].column),
        item->text());
    if (!written) {
        app::showFailure(written.failure());
    }
    reload(id);
}

void TDamlForm::addClicked() {
    const int row = gridE01->currentRow();
    const QString category = row < 0 ? QString() : gridE01->item(row, 1)->text();
    const Result<int> id = cadre::addCatalogueEntry(dm_.db(), cadreId_, category);
    if (!id) {
        app::showFailure(id.failure());
        return;
    }
    reload(*id);
}

void TDamlForm::deleteClicked() {
    const int id = focusedId();
    if (id == 0 || !app::confirmAction(cadre::kDeleteCatalogueEntryQuestion)) {
        return;
    }
    const Result<void> deleted = cadre::deleteCatalogueEntry(dm_.db(), cadreId_, id);
    if (!deleted) {
        app::showFailure(deleted.failure());
    }
    reload(0);
}

void TDamlForm::moveClicked(int step) {
    const int id = focusedId();
    if (id == 0) {
        app::showInformation(cadre::kSelectCatalogueEntryToMove);
        return;
    }
    const Result<void> moved = cadre::moveCatalogueEntry(dm_.db(), cadreId_, id, step);
    if (!moved) {
        app::showFailure(moved.failure());
    }
    reload(id);
}
