#include "statistics/ui/TSelZbForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/DialogParts.h"

TSelZbForm::TSelZbForm(statistics::Dimension main, statistics::Dimension secondary, QWidget* parent)
    : QDialog(parent), cbMain(new QComboBox(this)), cbSecondary(new QComboBox(this)) {
    setObjectName(QStringLiteral("TSelZbForm"));
    setWindowTitle(QStringLiteral("统计方式"));
    cbMain->setObjectName(QStringLiteral("cbMain"));
    cbSecondary->setObjectName(QStringLiteral("cbSecondary"));
    cbMain->addItems(statistics::dimensionNames());
    cbSecondary->addItems(statistics::dimensionNames());
    cbMain->setCurrentIndex(static_cast<int>(main));
    cbSecondary->setCurrentIndex(static_cast<int>(secondary));
    QPushButton* ok = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    ok->setDefault(true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("主要指标（纵向）"), cbMain);
    form->addRow(QStringLiteral("次要指标（横向）"), cbSecondary);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

statistics::Dimension TSelZbForm::mainDimension() const {
    return statistics::dimensionAt(cbMain->currentIndex());
}

statistics::Dimension TSelZbForm::secondaryDimension() const {
    return statistics::dimensionAt(cbSecondary->currentIndex());
}
