#include "appointment/ui/TBatchRangeForm.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "appointment/BatchForms.h"
#include "widgets/DialogParts.h"

TBatchRangeForm::TBatchRangeForm(int total, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BatchRangeForm"));
    setWindowTitle(QStringLiteral("批量打印范围"));
    auto* hint =
        new QLabel(QStringLiteral("当前总人数较多，从输出性能考虑，建议设置输出范围，"), this);
    hint->setObjectName(QStringLiteral("lblHint"));
    hint->setWordWrap(true);

    spnFrom_ = new QSpinBox(this);
    spnFrom_->setObjectName(QStringLiteral("spnFrom"));
    spnFrom_->setRange(1, qMax(total, 1));
    spnTo_ = new QSpinBox(this);
    spnTo_->setObjectName(QStringLiteral("spnTo"));
    spnTo_->setRange(1, qMax(total, 1));
    spnTo_->setValue(qMin(total, appointment::kBatchLimit));
    // The last row never comes before the first.
    connect(spnFrom_, &QSpinBox::valueChanged, this,
            [this](int from) { spnTo_->setMinimum(from); });

    auto* range = new QGroupBox(QStringLiteral("请选择输出范围"), this);
    auto* fields = new QFormLayout(range);
    fields->addRow(new QLabel(QStringLiteral("共%1人").arg(total), range));
    fields->addRow(QStringLiteral("从第"), spnFrom_);
    fields->addRow(QStringLiteral("到第"), spnTo_);

    QPushButton* btnOK = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* btnCancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(range);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
}

int TBatchRangeForm::first() const {
    return spnFrom_->value();
}

int TBatchRangeForm::last() const {
    return spnTo_->value();
}
