#include "widgets/TMoveLineForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "widgets/DialogParts.h"

TMoveLineForm::TMoveLineForm(int rowCount, QWidget* parent) : QDialog(parent), seRow(new QSpinBox) {
    setObjectName(QStringLiteral("TMoveLineForm"));
    setWindowTitle(QStringLiteral("移动到"));
    seRow->setObjectName(QStringLiteral("seRow"));
    seRow->setRange(1, qMax(1, rowCount));
    seRow->setValue(1);
    auto* range = new QLabel(QStringLiteral("（1~%1）").arg(rowCount));
    range->setObjectName(QStringLiteral("lblRange"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("将当前干部移动到")));
    row->addWidget(seRow);
    row->addWidget(new QLabel(QStringLiteral("行")));
    row->addWidget(range);
    QPushButton* ok = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TMoveLineForm::targetRow() const {
    return seRow->value();
}

void TMoveLineForm::setTargetRow(int row) {
    seRow->setValue(row);
}
