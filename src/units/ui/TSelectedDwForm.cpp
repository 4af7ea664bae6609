#include "units/ui/TSelectedDwForm.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/DialogParts.h"

TSelectedDwForm::TSelectedDwForm(QWidget* parent)
    : QDialog(parent),
      lstUnits(new QListWidget),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TSelectedDwForm"));
    setWindowTitle(QStringLiteral("已选中单位"));
    lstUnits->setObjectName(QStringLiteral("lstUnits"));
    auto* buttons = widgets::rightAlignedRow({btnOK, btnCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstUnits, 1);
    layout->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TSelectedDwForm::setUnits(const QList<Unit>& units) {
    lstUnits->clear();
    for (const Unit& unit : units) {
        auto* item = new QListWidgetItem(unit.name, lstUnits);
        item->setData(Qt::UserRole, unit.id);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(unit.checked ? Qt::Checked : Qt::Unchecked);
    }
}

QList<int> TSelectedDwForm::checkedUnitIds() const {
    QList<int> ids;
    for (int row = 0; row < lstUnits->count(); ++row) {
        const QListWidgetItem* item = lstUnits->item(row);
        if (item->checkState() == Qt::Checked) {
            ids.append(item->data(Qt::UserRole).toInt());
        }
    }
    return ids;
}
