#include "units/ui/TNodeDelForm.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "units/UnitTree.h"
#include "widgets/DialogParts.h"

TNodeDelForm::TNodeDelForm(TDataM& dm, int unitId, const QString& caption, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      unitId_(unitId),
      Label1(new QLabel(QStringLiteral("确认撤销（删除）：") + caption, this)),
      rbDissolve(new QRadioButton(QStringLiteral("撤销单位，保留曾任职信息，撤销时间："), this)),
      cxTextEdit1(new QLineEdit(this)),
      rbDelete(new QRadioButton(QStringLiteral("完全删除"), this)),
      cxButton1(new QPushButton(QStringLiteral("确 定"), this)),
      cxButton2(new QPushButton(QStringLiteral("取 消"), this)) {
    setObjectName(QStringLiteral("TNodeDelForm"));
    setWindowTitle(QStringLiteral("单位撤销(删除)"));
    Label1->setObjectName(QStringLiteral("Label1"));
    rbDissolve->setObjectName(QStringLiteral("rbDissolve"));
    cxTextEdit1->setObjectName(QStringLiteral("cxTextEdit1"));
    rbDelete->setObjectName(QStringLiteral("rbDelete"));
    cxButton1->setObjectName(QStringLiteral("cxButton1"));
    cxButton2->setObjectName(QStringLiteral("cxButton2"));

    const QDate today = QDate::currentDate();
    cxTextEdit1->setText(QString::number(today.year()) + u'-' + QString::number(today.month()));
    cxTextEdit1->setMaxLength(10);
    rbDissolve->setChecked(true);
    connect(rbDissolve, &QRadioButton::toggled, cxTextEdit1, &QWidget::setEnabled);

    auto* dissolveRow = new QHBoxLayout;
    dissolveRow->addWidget(rbDissolve);
    dissolveRow->addWidget(cxTextEdit1);
    dissolveRow->addStretch();
    auto* buttons = widgets::rightAlignedRow({cxButton1, cxButton2});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(dissolveRow);
    layout->addWidget(rbDelete);
    layout->addLayout(buttons);

    cxButton1->setDefault(true);
    connect(cxButton1, &QPushButton::clicked, this, &TNodeDelForm::cxButton1Click);
    connect(cxButton2, &QPushButton::clicked, this, &QDialog::reject);
}

void TNodeDelForm::cxButton1Click() {
    const auto how = rbDissolve->isChecked() ? units::UnitTree::Removal::Dissolve
                                             : units::UnitTree::Removal::Delete;
    const Result<void> removed =
        units::UnitTree(dm_).removeSubtree(unitId_, how, cxTextEdit1->text());
    if (!removed) {
        app::showFailure(removed.failure());
        return;
    }
    accept();
}
