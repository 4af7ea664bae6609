#include "search/ui/TQueryModeForm.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/DialogParts.h"

TQueryModeForm::TQueryModeForm(QWidget* parent)
    : QDialog(parent),
      rbReplace(new QRadioButton(QStringLiteral("1，删除当前结果，重新查询"), this)),
      rbAdd(new QRadioButton(QStringLiteral("2，保留当前结果，并加入新查询的结果"), this)),
      rbNarrow(new QRadioButton(QStringLiteral("3，仅在当前查询的结果中进行查找。"), this)) {
    setObjectName(QStringLiteral("TQueryModeForm"));
    setWindowTitle(QStringLiteral("查询模式选择"));
    rbReplace->setObjectName(QStringLiteral("rbReplace"));
    rbAdd->setObjectName(QStringLiteral("rbAdd"));
    rbNarrow->setObjectName(QStringLiteral("rbNarrow"));
    rbReplace->setChecked(true);
    QPushButton* ok = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("注意：您当前已经有一些查询结果，") + QStringLiteral("请选择一种查询模式。"),
        this));
    layout->addWidget(rbReplace);
    layout->addWidget(rbAdd);
    layout->addWidget(rbNarrow);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

search::SearchMode TQueryModeForm::mode() const {
    if (rbAdd->isChecked()) {
        return search::SearchMode::Add;
    }
    return rbNarrow->isChecked() ? search::SearchMode::Narrow : search::SearchMode::Replace;
}
