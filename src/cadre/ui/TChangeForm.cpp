#include "cadre/ui/TChangeForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/BatchChange.h"
#include "cadre/CadrePicker.h"
#include "cadre/LibraryMove.h"
#include "cadre/ui/TQueryForm1.h"
#include "widgets/DialogParts.h"

TChangeForm::TChangeForm(TDataM& dm, const cadre::PickLists& pickLists, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      pickLists_(pickLists),
      gridCadres(new QTableWidget(0, 3)),
      btnChoose(widgets::namedButton("btnChoose", QStringLiteral("选择干部"))),
      lstFields(new QListWidget),
      cbValue(new QComboBox),
      btnClearValue(widgets::namedButton("btnClearValue", QStringLiteral("清 除"))),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取消"))) {
    setObjectName(QStringLiteral("TChangeForm"));
    setWindowTitle(QStringLiteral("批量修改工具"));
    gridCadres->setObjectName(QStringLiteral("gridCadres"));
    gridCadres->setHorizontalHeaderLabels(
        {QStringLiteral("姓 名"), QStringLiteral("性 别"), QStringLiteral("职务级别")});
    gridCadres->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridCadres->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridCadres->verticalHeader()->hide();
    lstFields->setObjectName(QStringLiteral("lstFields"));
    for (const cadre::BatchField& field : cadre::batchFields()) {
        lstFields->addItem(field.caption);
    }
    cbValue->setObjectName(QStringLiteral("cbValue"));
    cbValue->setEditable(true);
    cbValue->setInsertPolicy(QComboBox::NoInsert);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("1.选择修改的干部：")), 0, 0);
    grid->addWidget(btnChoose, 0, 1, Qt::AlignRight);
    grid->addWidget(gridCadres, 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("2.选择修改的字段：")), 0, 2);
    grid->addWidget(lstFields, 1, 2);
    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(cbValue, 1);
    valueRow->addWidget(btnClearValue);
    grid->addWidget(new QLabel(QStringLiteral("3.值修改为（无数据为清空）：")), 2, 0, 1, 3);
    grid->addLayout(valueRow, 3, 0, 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    resize(640, 460);

    connect(btnChoose, &QPushButton::clicked, this, &TChangeForm::chooseCadres);
    connect(lstFields, &QListWidget::currentRowChanged, this, &TChangeForm::fieldChosen);
    connect(btnClearValue, &QPushButton::clicked, cbValue, [this] { cbValue->setEditText({}); });
    connect(btnOK, &QPushButton::clicked, this, &TChangeForm::apply);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TChangeForm::setChosenCadres(const QList<int>& cadreIds) {
    const Result<QList<cadre::PickedCadre>> cadres =
        cadre::readPickList(dm_.db(), cadre::chosenCadresStatement(cadreIds));
    if (!cadres) {
        app::showFailure(cadres.failure());
        return;
    }
    // Listed in the order they were chosen.
    QHash<int, cadre::PickedCadre> byId;
    for (const cadre::PickedCadre& c : *cadres) {
        byId.insert(c.cadreId, c);
    }
    cadreIds_.clear();
    gridCadres->setRowCount(0);
    for (const int id : cadreIds) {
        const auto found = byId.constFind(id);
        if (found == byId.cend() || cadreIds_.contains(id)) {
            continue;
        }
        cadreIds_ << id;
        const int row = gridCadres->rowCount();
        gridCadres->insertRow(row);
        gridCadres->setItem(row, 0, new QTableWidgetItem(found->name));
        gridCadres->setItem(row, 1, new QTableWidgetItem(found->sex));
        gridCadres->setItem(row, 2, new QTableWidgetItem(found->rank));
    }
}

void TChangeForm::chooseCadres() {
    TQueryForm1 picker(dm_, 0, this);
    if (picker.exec() == QDialog::Accepted) {
        setChosenCadres(picker.pickedCadreIds());
    }
}

void TChangeForm::fieldChosen(int row) {
    cbValue->clear();
    if (row < 0) {
        return;
    }
    const QString column = cadre::batchFields()[static_cast<size_t>(row)].column;
    const QHash<QString, QStringList> lists{
        {QStringLiteral("xb"), {QStringLiteral("男"), QStringLiteral("女")}},
        {QStringLiteral("jgSheng"), pickLists_.nativePlaces},
        {QStringLiteral("csSheng"), pickLists_.birthPlaces},
        {QStringLiteral("qrzxl"), pickLists_.educations},
        {QStringLiteral("zzxl"), pickLists_.educations},
        {QStringLiteral("qrzxw"), pickLists_.degrees},
        {QStringLiteral("zzxw"), pickLists_.degrees},
        {QStringLiteral("zwjb"), pickLists_.ranks},
        {QStringLiteral("ctype"), cadre::cadreCategories()},
        {QStringLiteral("rybz"), pickLists_.categories},
    };
    cbValue->addItems(lists.value(column));
    cbValue->setEditText({});
}

void TChangeForm::apply() {
    const Result<int> changed =
        cadre::applyBatchChange(dm_, cadreIds_, lstFields->currentRow(), cbValue->currentText());
    if (!changed) {
        app::showFailure(changed.failure());
        return;
    }
    accept();
}
